#pragma once

#include "View.h"
#include "elementrecord.h"

#include <Qsci/qsciscintilla.h>

#include <cstddef>
#include <string>

class CTarnelDoc;

// The source view of one page: a QScintilla surface on the document's shared text.
class CTarnelView : public QsciScintilla, public CView
{
    Q_OBJECT
public:
    explicit CTarnelView(CTarnelDoc *document, QWidget *parent = nullptr);
    ~CTarnelView() override;

    QWidget *widget() override { return this; }
    void OnInitialUpdate() override;
    void OnUpdate(CView *sender, int hint, const tarnel::ElementRecord *record) override;
    bool handlesCommand(int id) const override;
    void onCommand(int id) override;

    // Puts a snippet in the text. With beforeBodyEnd the caret first moves before the page's
    // first "</BODY" (any case) and the document's modified flag is left alone (the first
    // fill); otherwise the snippet replaces the selection and the document becomes modified.
    // The snippet's line feeds become the document's line break; one Undo removes it.
    void InsertSnippet(const std::string &text, bool beforeBodyEnd);

    // Byte index of the caret.
    std::size_t CharIndexAtCaret() const;

    // The page's whole text, as bytes.
    std::string pageText() const;
    // The saved page's path, empty for a page never saved (browsed files are made relative
    // to it).
    QString pagePath() const;

    // Rebuilds the outline's lists from the text.
    void rescanOutline();
    // Tells the document's other views about an element (hints 3-14).
    void notifyViews(int hint, const tarnel::ElementRecord *record = nullptr);

    // Selects [start, end) by byte index; clears the selection keeping the caret.
    void selectBytes(std::size_t start, std::size_t end);
    void clearSelection();

    void showStatusMessage(const QString &text, int timeoutMs = 4000);

signals:
    void statusMessage(const QString &text, int timeoutMs);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void applySurfaceSettings();
    void typedCharacter(const QString &text);
};
