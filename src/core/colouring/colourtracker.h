#pragma once
#include "colouring.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

namespace tarnel {

// One change of the text: `removed` bytes at `position` were replaced by `inserted` bytes.
struct TextChange
{
    std::size_t position = 0;
    std::size_t removed = 0;
    std::size_t inserted = 0;
    bool operator==(const TextChange &) const = default;
};

// One change covering `first` followed by `second` (whose position counts in the text
// `first` left), for edits that arrive in several pieces before they are coloured.
TextChange Merge(const TextChange &first, const TextChange &second);

// Styles to hand to the editor: byte start + i gets styles[i]. Valid until the next pass.
struct Recolouring
{
    std::size_t start = 0;
    std::span<const std::uint8_t> styles;
    std::span<const Rewrite> rewrites;
    std::size_t End() const { return start + styles.size(); }
};

// The text as an editor holds it, handed over a range at a time.
class TextSource
{
public:
    virtual std::size_t Size() const = 0;
    // The bytes [from, to), contiguous, valid until the next call.
    virtual std::string_view Bytes(std::size_t from, std::size_t to) = 0;

protected:
    ~TextSource() = default;
};

// The rewrites of each line joined into one, the bytes between them taken from `text`: every
// replacement makes the editor lay its line out (and re-wrap it) again, which on a long line
// costs far more than the bytes replaced. Rewrites must be in order and not overlap.
std::vector<Rewrite> JoinRewritesByLine(std::span<const Rewrite> rewrites, TextSource &text);

// A text held whole in memory.
class StringSource final : public TextSource
{
public:
    explicit StringSource(std::string_view text)
        : m_text(text)
    {}
    std::size_t Size() const override { return m_text.size(); }
    std::string_view Bytes(std::size_t from, std::size_t to) override
    {
        return m_text.substr(from, to - from);
    }

private:
    std::string_view m_text;
};

// Keeps the state at every line start, and at a resume point every few kilobytes of a long
// line, so that after an edit only the stretch it touched is scanned, plus what follows
// while the states there changed; the result equals a pass from the top. A minified page,
// one line of megabytes, is then recoloured a few kilobytes a key.
class ColourTracker
{
public:
    explicit ColourTracker(ColourEngine engine = MakeHtmlColourEngine(),
                           std::size_t resumeSpacing = 2048);

    const ColourEngine &Engine() const { return m_engine; }
    // How rewritten names are spelled from now on (see ColourEngine).
    void SetLowerCaseSpelling(bool lower) { m_engine.SetLowerCaseSpelling(lower); }

    // Colours a whole text, a loaded page: reports no rewrites, since a page is never
    // rewritten for being opened.
    Recolouring ColourAll(std::string_view text);
    // The same, handing the styles to `apply` a stretch of whole lines of at least `stretch`
    // bytes at a time (the last may be shorter), in order: a big page then needs no style
    // buffer of its own size. `apply` runs on the calling thread while the next stretch is
    // coloured on another: `text` must not change until this returns.
    void ColourAll(std::string_view text, std::size_t stretch,
                   const std::function<void(const Recolouring &)> &apply);

    // After `change` turned the previously coloured text into `text`. The rewrites are those
    // the change asked for: of the listed words that overlap the bytes it inserted or end
    // right where they start (the word being typed, pasted or chosen). A change that makes
    // the rest of a line read as a tag never re-cases the words the user wrote there. A view
    // applies them only after typing, pasting or replacing. A change that does not fit the
    // text last seen colours it all, without rewrites.
    Recolouring Edited(std::string_view text, TextChange change);
    // The same, asking only for the lines it reads, a few at a time.
    Recolouring Edited(TextSource &text, TextChange change);

    // The styles of [from, to) and around it, from the last point at or before `from` to the
    // first point at or after `to`, as a pass from the top gives them; what is kept does not
    // change. For handing a page to an editor a stretch at a time after ColourAll.
    Recolouring StylesOf(TextSource &text, std::size_t from, std::size_t to);

    // How the byte at `position` is read (see ColourEngine::ContextAt): for deciding whether
    // anything may be written for the user there. Reads from the kept point before it only.
    CaretContext ContextAt(TextSource &text, std::size_t position) const;

    // Whether the character typed just before `caret` opens the completion list; reads the
    // caret's line only.
    bool OpensCompletionList(std::string_view text, std::size_t caret) const;
    bool OpensCompletionList(TextSource &text, std::size_t caret) const;

    // The points a pass can start from: every line start and the resume points kept.
    std::size_t PointCount() const { return m_starts.size(); }
    std::size_t PointStart(std::size_t point) const { return m_starts[point]; }
    LineState PointState(std::size_t point) const { return m_states[point]; }
    // The last point at or before `position`.
    std::size_t PointAtOrBefore(std::size_t position) const { return LineOf(position); }
    // The length of the text the points were kept for.
    std::size_t TextSize() const { return m_textSize; }

private:
    class Observer;
    std::size_t LineOf(std::size_t position) const;
    // Room for `length` styles, keeping the first `keep`.
    std::uint8_t *Styles(std::size_t length, std::size_t keep = 0);

    ColourEngine m_engine;
    std::size_t m_resumeSpacing;
    std::vector<std::size_t> m_starts{0};
    std::vector<LineState> m_states{LineState{}};
    std::size_t m_textSize = 0;
    std::unique_ptr<std::uint8_t[]> m_styles;
    std::size_t m_stylesCapacity = 0;
    std::vector<Rewrite> m_rewrites;
};

} // namespace tarnel
