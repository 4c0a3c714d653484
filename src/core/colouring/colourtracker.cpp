#include "colourtracker.h"

#include <algorithm>
#include <future>

namespace tarnel {

TextChange Merge(const TextChange &first, const TextChange &second)
{
    const std::size_t start = std::min(first.position, second.position);
    // The stretch of the intermediate text that both changes touch.
    const std::size_t end =
        std::max(first.position + first.inserted, second.position + second.removed);
    return {start, end - first.inserted + first.removed - start,
            end - second.removed + second.inserted - start};
}

ColourTracker::ColourTracker(ColourEngine engine, std::size_t resumeSpacing)
    : m_engine(std::move(engine))
    , m_resumeSpacing(std::max<std::size_t>(resumeSpacing, 1))
{}

std::size_t ColourTracker::LineOf(std::size_t position) const
{
    return static_cast<std::size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), position) -
                                    m_starts.begin()) -
           1;
}

std::uint8_t *ColourTracker::Styles(std::size_t length, std::size_t keep)
{
    if (length > m_stylesCapacity) {
        m_stylesCapacity = std::max(length, m_stylesCapacity + m_stylesCapacity / 2);
        // Left uninitialised: a pass writes every byte it reports.
        std::unique_ptr<std::uint8_t[]> styles(new std::uint8_t[m_stylesCapacity]);
        std::copy(m_styles.get(), m_styles.get() + keep, styles.get());
        m_styles = std::move(styles);
    }
    return m_styles.get();
}

namespace {
// The first line start at or after `position`: after the first line break found there.
std::size_t LineStartFrom(std::string_view text, std::size_t position)
{
    if (position >= text.size())
        return text.size();
    if (position > 0 && text[position - 1] == '\n')
        return position;
    if (position > 0 && text[position - 1] == '\r' && text[position] != '\n')
        return position;
    const std::size_t lineBreak = text.find_first_of("\r\n", position);
    if (lineBreak == std::string_view::npos)
        return text.size();
    if (text[lineBreak] == '\r' && lineBreak + 1 < text.size() && text[lineBreak + 1] == '\n')
        return lineBreak + 2;
    return lineBreak + 1;
}

// Whether the word a rewrite would re-case is one `change` wrote: it overlaps the inserted
// bytes or ends where they start. After a deletion that is the word around the join.
bool WrittenBy(const TextChange &change, const Rewrite &rewrite)
{
    const std::size_t start = rewrite.position;
    const std::size_t end = start + rewrite.text.size();
    return end == change.position ||
           (start < change.position + change.inserted && end > change.position);
}

} // namespace

// Records the states at line starts and at resume points (one every few kilobytes of a long
// line); during an edit it splices the edited stretch's points in and ends the pass at the
// first following point whose state did not change.
class ColourTracker::Observer final : public LineObserver
{
public:
    Observer(ColourTracker &tracker, std::size_t cursor, std::size_t from, LineState state,
             std::size_t editEnd)
        : m_tracker(tracker)
        , m_cursor(cursor)
        , m_editEnd(editEnd)
        , m_lastPosition(from)
        , m_lastState(state)
    {
        Aim(from);
    }

    bool AtLineStart(std::size_t position, LineState state) override
    {
        return Reached(position, state, true);
    }
    bool AtResumePoint(std::size_t position, LineState state) override
    {
        return Reached(position, state, false);
    }

    void Commit()
    {
        auto &starts = m_tracker.m_starts;
        auto &states = m_tracker.m_states;
        const auto at = static_cast<std::ptrdiff_t>(m_cursor);
        starts.insert(starts.begin() + at, m_newStarts.begin(), m_newStarts.end());
        states.insert(states.begin() + at, m_newStates.begin(), m_newStates.end());
        m_cursor += m_newStarts.size();
        m_newStarts.clear();
        m_newStates.clear();
    }

    // After a pass to the end of the text: the known points it did not reach are resume
    // points no longer.
    void DropUnreached()
    {
        m_tracker.m_starts.resize(m_cursor);
        m_tracker.m_states.resize(m_cursor);
    }

    // The first point after the edited stretch not yet compared.
    std::size_t Cursor() const { return m_cursor; }
    // The last point reached, where a pass can go on exactly.
    std::size_t LastPosition() const { return m_lastPosition; }
    LineState LastState() const { return m_lastState; }

    bool lostStep = false;
    bool stopped = false;

private:
    bool Reached(std::size_t position, LineState state, bool lineStart)
    {
        m_lastPosition = position;
        m_lastState = state;
        if (position <= m_editEnd) {
            m_newStarts.push_back(position);
            m_newStates.push_back(state);
            Aim(position);
            return true;
        }
        Commit();
        auto &starts = m_tracker.m_starts;
        auto &states = m_tracker.m_states;
        // Resume points the change did away with: their ">" now reads otherwise.
        const auto stale = std::lower_bound(starts.begin() + static_cast<std::ptrdiff_t>(m_cursor),
                                            starts.end(), position);
        const auto staleCount = stale - (starts.begin() + static_cast<std::ptrdiff_t>(m_cursor));
        if (staleCount > 0) {
            const auto at = static_cast<std::ptrdiff_t>(m_cursor);
            starts.erase(starts.begin() + at, starts.begin() + at + staleCount);
            states.erase(states.begin() + at, states.begin() + at + staleCount);
        }
        if (m_cursor < starts.size() && starts[m_cursor] == position) {
            if (states[m_cursor] == state) {
                stopped = true;
                return false;
            }
            states[m_cursor++] = state;
        } else if (lineStart) {
            // Every line start after the change was known before it.
            lostStep = stopped = true;
            return false;
        } else {
            const auto at = static_cast<std::ptrdiff_t>(m_cursor++);
            starts.insert(starts.begin() + at, position);
            states.insert(states.begin() + at, state);
        }
        Aim(position);
        return true;
    }

    // Inside the edited stretch a resume point every few kilobytes; after it, only the known
    // ones, to find where the states agree again.
    void Aim(std::size_t position)
    {
        const auto &starts = m_tracker.m_starts;
        const std::size_t known =
            m_cursor < starts.size() ? starts[m_cursor] : static_cast<std::size_t>(-1);
        const std::size_t spaced =
            position + std::min(m_tracker.m_resumeSpacing, static_cast<std::size_t>(-1) - position);
        nextResumePoint = position < m_editEnd ? std::min(spaced, known) : known;
    }

    ColourTracker &m_tracker;
    std::size_t m_cursor;
    std::size_t m_editEnd;
    std::size_t m_lastPosition;
    LineState m_lastState;
    std::vector<std::size_t> m_newStarts;
    std::vector<LineState> m_newStates;
};

Recolouring ColourTracker::ColourAll(std::string_view text)
{
    m_starts.assign(1, 0);
    m_states.assign(1, LineState{});
    m_rewrites.clear();
    m_textSize = text.size();
    Observer observer(*this, 1, 0, {}, text.size());
    PassOutput out;
    out.styles = Styles(text.size());
    out.lines = &observer;
    m_engine.Pass(text, 0, {}, text.size(), out);
    observer.Commit();
    return {0, {m_styles.get(), text.size()}, m_rewrites};
}

void ColourTracker::ColourAll(std::string_view text, std::size_t stretch,
                              const std::function<void(const Recolouring &)> &apply)
{
    m_starts.assign(1, 0);
    m_states.assign(1, LineState{});
    m_rewrites.clear();
    const std::size_t n = text.size();
    m_textSize = n;
    Observer observer(*this, 1, 0, {}, n);
    PassOutput out;
    out.lines = &observer;
    const TextWindow window(text, 0, n);
    LineState state{};
    // Colours [from, the end of the stretch from there) into `styles`; returns that end.
    const auto colourStretch = [&](std::size_t from, std::vector<std::uint8_t> &styles) {
        const std::size_t to =
            stretch >= n - from ? n : LineStartFrom(text, from + std::max<std::size_t>(stretch, 1));
        styles.resize(to - from);
        out.styles = styles.data();
        out.stylesFrom = from;
        state = m_engine.Pass(window, from, state, to, out).state;
        observer.Commit();
        return to;
    };
    // An editor takes styles at a quarter of the speed we work them out: the next stretch is
    // coloured on a second thread while `apply` hands over the one before.
    std::vector<std::uint8_t> ready, ahead;
    std::size_t from = 0;
    std::size_t to = n == 0 ? 0 : colourStretch(0, ready);
    while (from < to) {
        std::future<std::size_t> next;
        if (to < n)
            next = std::async(std::launch::async, colourStretch, to, std::ref(ahead));
        apply({from, ready, {}});
        from = to;
        if (next.valid()) {
            to = next.get();
            std::swap(ready, ahead);
        }
    }
}

Recolouring ColourTracker::Edited(std::string_view text, TextChange change)
{
    StringSource source(text);
    return Edited(source, change);
}

Recolouring ColourTracker::Edited(TextSource &text, TextChange change)
{
    const std::size_t n = text.Size();
    if (change.position + change.removed > m_textSize ||
        m_textSize - change.removed + change.inserted != n)
        return ColourAll(text.Bytes(0, n));
    m_textSize = n;
    m_rewrites.clear();

    // A "\r" just before the change may now be half of a "\r\n", or no longer: then the
    // line it ends is read again too.
    const bool afterReturn =
        change.position > 0 && text.Bytes(change.position - 1, change.position)[0] == '\r';
    const std::size_t first = LineOf(afterReturn ? change.position - 1 : change.position);
    const std::size_t from = m_starts[first];

    // Line starts up to the end of the removed bytes are found again by the pass; those
    // after it only move.
    const auto kept = std::upper_bound(m_starts.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                                       m_starts.end(), change.position + change.removed);
    const auto dropFrom = static_cast<std::ptrdiff_t>(first) + 1;
    const auto dropTo = kept - m_starts.begin();
    m_states.erase(m_states.begin() + dropFrom, m_states.begin() + dropTo);
    m_starts.erase(m_starts.begin() + dropFrom, kept);
    if (change.inserted != change.removed) {
        const std::size_t delta = change.inserted - change.removed; // wraps as intended
        for (auto it = m_starts.begin() + dropFrom; it != m_starts.end(); ++it)
            *it += delta;
    }

    // Read the edited stretch up to the first point after it, then, while states keep
    // changing, ever longer runs of following points.
    Observer observer(*this, first + 1, from, m_states[first], change.position + change.inserted);
    PassOutput out;
    out.rewrites = &m_rewrites;
    out.lines = &observer;
    std::size_t chunkFrom = from;
    LineState state = m_states[first];
    std::size_t more = 0;
    for (;;) {
        const std::size_t cursor = observer.Cursor() + more;
        const std::size_t chunkEnd = cursor < m_starts.size() ? m_starts[cursor] : n;
        out.styles = Styles(chunkEnd - from, chunkFrom - from) + (chunkFrom - from);
        out.stylesFrom = chunkFrom;
        const TextWindow window(text.Bytes(chunkFrom, std::min(n, chunkEnd + 1)), chunkFrom, n);
        const PassEnd end = m_engine.Pass(window, chunkFrom, state, chunkEnd, out);
        if (observer.stopped || chunkEnd >= n) {
            observer.Commit();
            if (!observer.stopped)
                observer.DropUnreached();
            if (observer.lostStep)
                return ColourAll(text.Bytes(0, n));
            std::erase_if(m_rewrites, [&](const Rewrite &r) { return !WrittenBy(change, r); });
            return {from, {m_styles.get(), std::min(end.position, n) - from}, m_rewrites};
        }
        observer.Commit();
        // A known resume point may now lie inside a token: go on from the last point the
        // pass reached, whose state is exact.
        chunkFrom = observer.LastPosition();
        state = observer.LastState();
        std::erase_if(m_rewrites, [&](const Rewrite &r) { return r.position >= chunkFrom; });
        more = std::max<std::size_t>(64, more * 2);
    }
}

Recolouring ColourTracker::StylesOf(TextSource &text, std::size_t from, std::size_t to)
{
    const std::size_t n = std::min(text.Size(), m_textSize);
    from = std::min(from, n);
    to = std::clamp(to, from, n);
    const std::size_t first = LineOf(from);
    const std::size_t start = m_starts[first];
    const auto after = std::lower_bound(m_starts.begin() + static_cast<std::ptrdiff_t>(first) + 1,
                                        m_starts.end(), std::max(to, start + 1));
    const std::size_t end = after == m_starts.end() ? n : *after;
    PassOutput out;
    out.styles = Styles(end - start);
    out.stylesFrom = start;
    const TextWindow window(text.Bytes(start, std::min(n, end + 1)), start, n);
    m_engine.Pass(window, start, m_states[first], end, out);
    return {start, {m_styles.get(), end - start}, {}};
}

std::vector<Rewrite> JoinRewritesByLine(std::span<const Rewrite> rewrites, TextSource &text)
{
    std::vector<Rewrite> joined;
    for (const Rewrite &rewrite : rewrites) {
        if (!joined.empty()) {
            Rewrite &last = joined.back();
            const std::size_t lastEnd = last.position + last.text.size();
            const std::string_view between = text.Bytes(lastEnd, rewrite.position);
            if (between.find_first_of("\r\n") == std::string_view::npos) {
                last.text.append(between);
                last.text.append(rewrite.text);
                continue;
            }
        }
        joined.push_back(rewrite);
    }
    return joined;
}

bool ColourTracker::OpensCompletionList(std::string_view text, std::size_t caret) const
{
    StringSource source(text);
    return OpensCompletionList(source, caret);
}

CaretContext ColourTracker::ContextAt(TextSource &text, std::size_t position) const
{
    const std::size_t n = text.Size();
    position = std::min(position, n);
    if (n != m_textSize) {
        const std::string_view whole = text.Bytes(0, n);
        const std::size_t lineStart = LineStartOf(whole, position);
        return m_engine.ContextAt(whole, lineStart, m_engine.StateAt(whole, lineStart), position);
    }
    const std::size_t line = LineOf(position);
    const std::size_t lineStart = m_starts[line];
    const std::size_t next = line + 1 < m_starts.size() ? m_starts[line + 1] : n;
    const TextWindow window(text.Bytes(lineStart, std::min(n, next + 1)), lineStart, n);
    return m_engine.ContextAt(window, lineStart, m_states[line], position);
}

bool ColourTracker::OpensCompletionList(TextSource &text, std::size_t caret) const
{
    if (caret == 0 || caret > text.Size())
        return false;
    const CaretContext context = ContextAt(text, caret - 1);
    const std::string_view typed = text.Bytes(caret - 1, caret);
    return tarnel::OpensCompletionList(typed[0], context);
}

} // namespace tarnel
