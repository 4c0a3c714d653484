#pragma once

#include <QString>
#include <QWidget>

#include <cstddef>
#include <functional>
#include <string>

class CDocFrame;
class CTarnelDoc;

// The live preview pane beside a page's source, as the source's window sees it.
class CLivePreviewSide : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Shows the element holding the caret (a byte offset in the source).
    virtual void followCaret(std::size_t caret) = 0;
    // Starts editing, in the page, the text of the element holding the caret.
    virtual void editTextAtCaret() = 0;
    // Loads the page again, with the files it uses.
    virtual void reloadPage() = 0;

signals:
    void elementClicked(std::size_t tagStart);
    void elementDoubleClicked(std::size_t tagStart);
    void statusMessage(const QString &text, int timeoutMs);
    // The source bytes [begin, end) are to become `bytes`, as edited in the page.
    void textEdited(std::size_t begin, std::size_t end, const std::string &bytes);
};

// The editor's browser side: the preview window and the live preview pane. It is a library of
// its own, loaded when a page is first previewed, so that a start loads neither the browser
// engine (tens of milliseconds) nor, through it, OpenGL (as much again, where it is software).
class CPreviewModule
{
public:
    virtual ~CPreviewModule() = default;

    // The browser profile every preview shares, owned by `owner`.
    virtual QObject *newProfile(QObject *owner) = 0;
    // `takeReloadRequest` reads and clears the editor's request to reload the preview.
    virtual CDocFrame *newPreviewFrame(CTarnelDoc *document, QObject *profile,
                                       std::function<bool()> takeReloadRequest) = 0;
    virtual CLivePreviewSide *newLivePreviewPane(CTarnelDoc *document, QObject *profile,
                                                 QWidget *parent) = 0;
};

// The browser side, loaded on the first call; nullptr when it cannot be, with the reason in
// previewModuleError().
CPreviewModule *previewModule();
QString previewModuleError();
// For a program that links the browser side in (the tests): `entry` gives it on the first call
// of previewModule(), and no library is loaded.
void useLinkedPreviewModule(CPreviewModule *(*entry)());

// For a process that could not be kept off the network: the pages' own scripts do not run in
// previews made after this (the editor's helpers in their own world still do).
void barPreviewPageScripts();
bool previewPageScriptsBarred();
