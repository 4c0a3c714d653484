#include "colourtracker.h"

#include <algorithm>

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

ColourTracker::ColourTracker(ColourEngine engine)
    : m_engine(std::move(engine))
{}

std::size_t ColourTracker::LineOf(std::size_t position) const
{
    return static_cast<std::size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), position) -
                                    m_starts.begin()) -
           1;
}

std::uint8_t *ColourTracker::Styles(std::size_t length)
{
    if (length > m_stylesCapacity) {
        m_stylesCapacity = std::max(length, m_stylesCapacity + m_stylesCapacity / 2);
        // Left uninitialised: a pass writes every byte it reports.
        m_styles.reset(new std::uint8_t[m_stylesCapacity]);
    }
    return m_styles.get();
}

// Records line states; during an edit it splices the edited lines in and ends the pass at
// the first following line whose state did not change.
class ColourTracker::Observer final : public LineObserver
{
public:
    Observer(ColourTracker &tracker, std::size_t cursor, std::size_t editEnd)
        : m_tracker(tracker)
        , m_cursor(cursor)
        , m_editEnd(editEnd)
    {}

    bool AtLineStart(std::size_t position, LineState state) override
    {
        if (position <= m_editEnd) {
            m_newStarts.push_back(position);
            m_newStates.push_back(state);
            return true;
        }
        Commit();
        auto &starts = m_tracker.m_starts;
        if (m_cursor >= starts.size() || starts[m_cursor] != position) {
            lostStep = true;
            return false;
        }
        if (m_tracker.m_states[m_cursor] == state)
            return false;
        m_tracker.m_states[m_cursor++] = state;
        return true;
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

    bool lostStep = false;

private:
    ColourTracker &m_tracker;
    std::size_t m_cursor;
    std::size_t m_editEnd;
    std::vector<std::size_t> m_newStarts;
    std::vector<LineState> m_newStates;
};

Recolouring ColourTracker::ColourAll(std::string_view text)
{
    m_starts.assign(1, 0);
    m_states.assign(1, LineState{});
    m_rewrites.clear();
    m_textSize = text.size();
    Observer observer(*this, 1, text.size());
    PassOutput out;
    out.styles = Styles(text.size());
    out.lines = &observer;
    m_engine.Pass(text, 0, {}, text.size(), out);
    observer.Commit();
    return {0, {m_styles.get(), text.size()}, m_rewrites};
}

Recolouring ColourTracker::Edited(std::string_view text, TextChange change)
{
    const std::size_t n = text.size();
    if (change.position + change.removed > m_textSize ||
        m_textSize - change.removed + change.inserted != n)
        return ColourAll(text);
    m_textSize = n;
    m_rewrites.clear();

    // A "\r" just before the change may now be half of a "\r\n", or no longer: then the
    // line it ends is read again too.
    const bool afterReturn = change.position > 0 && text[change.position - 1] == '\r';
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

    Observer observer(*this, first + 1, change.position + change.inserted);
    PassOutput out;
    out.styles = Styles(n - from);
    out.stylesFrom = from;
    out.rewrites = &m_rewrites;
    out.lines = &observer;
    const PassEnd end = m_engine.Pass(text, from, m_states[first], n, out);
    observer.Commit();
    if (observer.lostStep)
        return ColourAll(text);
    return {from, {m_styles.get(), std::min(end.position, n) - from}, m_rewrites};
}

bool ColourTracker::OpensCompletionList(std::string_view text, std::size_t caret) const
{
    if (caret == 0 || caret > text.size() || text.size() != m_textSize)
        return tarnel::OpensCompletionList(m_engine, text, caret);
    const std::size_t line = LineOf(caret - 1);
    return tarnel::OpensCompletionList(m_engine, text, caret, m_starts[line], m_states[line]);
}

} // namespace tarnel
