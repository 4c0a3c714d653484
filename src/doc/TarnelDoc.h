#pragma once

#include "PageCodec.h"
#include "TextSurface.h"
#include "View.h"
#include "colourtracker.h"
#include "elementrecord.h"
#include "pageondisk.h"
#include "pagetext.h"
#include "reedit.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class COutlineScan;
class CPageFolding;
class CPageColourer;
class QFile;
class QsciScintilla;
class QWidget;

// The document of one page. The text is one shared editor text: every source view shows it,
// and the document keeps a hidden surface of its own on it so that saving, previewing and new
// windows work from whichever views are open. Its observers and views hear what changed
// through typed signals.
class CTarnelDoc : public QObject
{
    Q_OBJECT
public:
    explicit CTarnelDoc(QObject *parent = nullptr);
    ~CTarnelDoc() override;

    // A new, untitled page, which the first source view fills with `startingText` in
    // `lineBreak`, with its temporary copy when one can be made (the browser needs it, not the
    // editing). Always true.
    bool OnNewDocument(std::string startingText = tarnel::StartingPageText(),
                       tarnel::LineBreak lineBreak = tarnel::LineBreak::CrLf);
    // Names a new page after a file that does not exist yet (a name given on the command
    // line): its title shows that name and Save writes there without asking.
    void nameNewPage(const QString &path);
    // Reads the file into the text. False (with errorString()) when it cannot be read.
    bool OnOpenDocument(const QString &path);
    // Writes the text to `path` atomically; on success the document takes that path and is
    // no longer modified. On failure nothing on disk changed and the text is untouched.
    bool OnSaveDocument(const QString &path);
    // Deletes the temporary copy unless it was handed to the user's browser (it then goes
    // when the editor exits). The frames close the views.
    void OnCloseDocument();

    // Writes the current text into the private temporary copy, tempPath(); a saved page's
    // copy gets a BASE naming the page's folder, so its relative URLs resolve there.
    bool SerializeToTempCopy();
    // Writes the current text into the temporary copy and hands it to the user's browser;
    // failed() says why when it cannot.
    void OpenInBrowser();

    const QString &errorString() const { return m_error; }
    const QString &path() const { return m_path; }
    QString title() const;
    void setUntitledNumber(int n) { m_untitledNumber = n; }
    QString tempPath() const { return m_strTempPath; }
    // True while the document came from a file (the view's first fill leaves it as read).
    bool openedFromFile() const { return m_bOpenedFromFile; }
    // What the first source view fills a new page with (nothing for a page read from a file).
    const std::string &startingText() const { return m_startingText; }

    bool isModified() const;
    void setSavePoint();

    // Makes a view's surface show the shared text and give the same reports of changes,
    // until hideFrom.
    void showOn(CTextSurface &surface);
    void hideFrom(CTextSurface &surface);
    // The views' surfaces showing the text, in the order they came.
    const std::vector<CTextSurface *> &surfacesShowing() const { return m_shownOn; }
    // The document's own hidden surface on the shared text: it hears every change, whichever
    // window makes it.
    CTextSurface &textSurface() { return m_text; }
    // The whole text as bytes, without copying (valid until the next change).
    std::string_view textView() const;
    std::string text() const { return std::string(textView()); }
    // A copy of the whole text for work on other threads, one a text: the passes that run once
    // typing pauses share it instead of copying a big page each.
    std::shared_ptr<const std::string> snapshot();
    // Whether `change`, just made, left every tag and line of the text as it was, only moved
    // along (tarnel::LeavesTagsAlone): passes over the tags can then skip the whole page.
    bool leftTagsAlone(const tarnel::TextChange &change);
    std::size_t textLength() const;
    // Bytes [start, start + length) of the text without copying, valid until the next change.
    // Unlike textView() this leaves the editor's gap where the last edit put it, so reading a
    // large page piece by piece moves no more than a piece.
    std::string_view textSlice(std::size_t start, std::size_t length) const;
    // Replaces the whole text, outside the undo history, not modified.
    void setInitialText(std::string_view bytes);
    bool isUtf8() const { return m_codec.isUtf8(); }
    // Converts between the text and what forms and the outline show; it follows the
    // document's encoding for as long as the document lives.
    const CPageCodec &codec() const { return m_codec; }
    tarnel::LineBreak lineBreak() const { return m_lineBreak; }

    // Whether the first fill has been done (only the first source view fills the page).
    bool filled() const { return m_filled; }
    void setFilled() { m_filled = true; }

    // Gives a view's surface the document's encoding and line break.
    void configureSurface(QsciScintilla *surface) const;

    // Views, in the order they were added.
    void AddView(CView *view);
    void RemoveView(CView *view);
    const std::vector<CView *> &views() const { return m_views; }
    CView *firstViewOf(CView::Kind kind) const;
    // The first view of a class that names its kind (T::kViewKind).
    template <class T> T *firstViewOf() const
    {
        return static_cast<T *>(firstViewOf(T::kViewKind));
    }

    // The page's colouring, made (and the text coloured) when a view first shows the page:
    // one for the document, whichever windows show it.
    CPageColourer &colourer();

    // Brings the outlines in line with the text: only the categories that changed are sent
    // again (none when nothing changed), or all of them with `resendAll` (a new outline).
    // A change to the text rescans by itself once typing pauses.
    void rescanOutline(bool resendAll = false);
    // The same, on a second thread for a big page: the outlines are told once it is read.
    void rescanOutlineSoon(bool resendAll = false);
    // Asks the source view beside `requester` to reopen an element in its form.
    void requestShowElement(CView *requester, tarnel::ElementKind kind,
                            const tarnel::ElementRecord &record);

    // Looks at the page's file, as the window's activation does: another program changed or
    // removed it (a removal is reported once), or it became read-only or writable again (the
    // title follows).
    tarnel::DiskFinding lookAtDisk();
    // Before writing the text over its own file: what must be asked first.
    tarnel::SaveCheck checkBeforeSave();
    // Takes the file's current state as known, after the user chose to keep the editor's text.
    void acceptDiskVersion();
    // The user keeps the text of a page whose file went: it stays modified, and the next Save
    // writes the file again.
    void keepWithoutFile();
    // The file went (deleted or moved) while the page was open.
    bool fileMissing() const { return m_disk.missing(); }
    // The page's file may not be written (its title says so; Save fails with Save As offered).
    bool isReadOnly() const { return m_disk.readOnly(); }
    // Reads the file again into the text, not modified. False (with errorString()) when it
    // cannot be read; the text is then untouched.
    bool reloadFromDisk();
    // Replaces the text with recovered bytes as one undoable edit, so the document is
    // modified; the encoding follows the bytes.
    void restoreText(std::string_view bytes);

signals:
    // The text is about to change, by any view or command, undo and redo included.
    void aboutToChange(const tarnel::TextChange &change);
    // A change is over and coloured: [position, position + inserted) holds the new bytes
    // where `removed` bytes went. One signal a command, its changes merged.
    void changed(const tarnel::TextChange &change);
    // The text changed, by any view or command (for the crash recovery copy).
    void contentChanged();
    // The text was replaced as a whole (read again from disk, recovered): views recolour
    // and rescan it.
    void reloaded();
    void modifiedChanged(bool modified);
    // The encoding or the line break changed: views give their surfaces the new ones
    // (configureSurface).
    void encodingChanged();
    // The text was written to its file.
    void saved();
    // The outline scan found an element the outlines do not list yet, in text order within
    // its category, or found a category changed and cleared it for its elements to come again.
    void elementAdded(tarnel::OutlineCategory category, const tarnel::ElementRecord &record);
    void categoryCleared(tarnel::OutlineCategory category);
    // A rescan told the outlines something new.
    void elementsChanged();
    // An outline asked the source view beside it to reopen an element.
    void showElementRequested(CView *requester, tarnel::ElementKind kind,
                              const tarnel::ElementRecord &record);
    void titleChanged();
    // The last view went away: the document should be closed.
    void lastViewRemoved();
    // A command asked of the document could not be done: `message` says why, for the user.
    void failed(const QString &message);

private:
    bool prepareTempCopy();
    // The hidden surface and every view's get the document's encoding and line break.
    void configureAllSurfaces();
    bool openForReading(const QString &path, QFile &file);
    bool readFile(const QString &path, QByteArray *bytes);
    bool loadFile(const QString &path);
    void rememberDiskState();
    // Tells the title and the modified mark about a change of what the disk holds.
    void diskStateChanged(bool wasMissing, bool wasReadOnly);
    // The encoding and the line break follow the bytes (a text without line breaks keeps
    // `lineBreak`).
    void adoptEncodingOf(std::string_view bytes, tarnel::LineBreak lineBreak);
    // Before any change: the snapshot goes, and removed bytes are judged while still there.
    void noteChangeAhead(const CTextSurface::Change &change);
    bool failSaving(const QString &path, const QString &reason);

    QString m_path;
    QString m_strTempPath;
    QString m_error;
    int m_untitledNumber = 1;
    bool m_bOpenedFromFile = false;
    std::string m_startingText;
    bool m_handedToBrowser = false;
    bool m_filled = false;
    CPageCodec m_codec;
    tarnel::LineBreak m_lineBreak = tarnel::LineBreak::CrLf;
    tarnel::PageOnDisk m_disk;
    std::unique_ptr<QsciScintilla> m_surface;
    CTextSurface m_text;
    std::vector<CTextSurface *> m_shownOn;
    std::vector<CView *> m_views;
    COutlineScan *m_outline;
    CPageFolding *m_folding;
    CPageColourer *m_colourer = nullptr;
    std::shared_ptr<const std::string> m_snapshot; // of the text as it is, or none
    // Whether all the bytes removed since the last change was judged were InertInText.
    bool m_removedInert = true;
    std::optional<std::pair<tarnel::TextChange, bool>> m_judged; // the last change judged
};
