#pragma once

#include "PageCodec.h"
#include "namecase.h"
#include "pagetext.h"
#include "scanner.h"

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

class QWidget;

// What the Insert and re-edit commands need of the window they edit a page in: its text and
// where it lies, its caret and selection, and the edits they make. The source view answers
// it; the commands know nothing else of the view.
class IPageEditor
{
public:
    virtual ~IPageEditor() = default;

    // The editor's widget: forms open over its window, menus on it.
    virtual QWidget *widget() = 0;

    // The page's text as bytes, without copying (valid until the next change), its line break,
    // the saved page's path (empty for a page never saved) and its encoding.
    virtual std::string_view pageBytes() const = 0;
    virtual tarnel::LineBreak pageLineBreak() const = 0;
    virtual QString pagePath() const = 0;
    virtual const CPageCodec &pageCodec() const = 0;

    // Byte index of the caret.
    virtual std::size_t CharIndexAtCaret() const = 0;
    virtual void selectBytes(std::size_t start, std::size_t end) = 0;
    // The selection as [start, end) byte indexes; empty at the caret when nothing is selected.
    virtual tarnel::TextRange selectedBytes() const = 0;
    virtual void clearSelection() = 0;

    // Puts a snippet in the text as one undo step (see CTarnelView::InsertSnippet).
    virtual void InsertSnippet(const std::string &text, bool beforeBodyEnd) = 0;
    // How the names a command writes are spelled in this page.
    virtual tarnel::NameCase pageNameCase() const = 0;
    // Markup a command built, its names spelled for this page (see SpellMarkup).
    std::string inPageCase(std::string markup) const
    {
        return tarnel::SpellMarkup(std::move(markup), pageNameCase());
    }
    // Puts markup a command built at the caret, its names spelled for this page.
    void insertMarkup(std::string markup) { InsertSnippet(inPageCase(std::move(markup)), false); }
    // Replaces the bytes [start, end) with exactly `bytes`, as one undo step, and puts the
    // caret after them.
    virtual void replaceBytes(std::size_t start, std::size_t end, const std::string &bytes) = 0;
    // Brings the outlines in line with the text now.
    virtual void rescanOutline(bool resendAll = false) = 0;
    virtual void showStatusMessage(const QString &text, int timeoutMs = 4000) = 0;
};
