#pragma once
#include "elementrecord.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnel {

// Element records kept at 16 bytes each plus the bytes of their values, in fixed-size blocks:
// an outline of millions of entries neither keeps a string object per entry nor copies itself
// over as it grows.
class CompactRecords
{
public:
    void Add(std::string_view value, std::size_t index);
    void Add(const ElementRecord &record) { Add(record.value, record.index); }
    // Keeps the blocks: an outline is usually refilled with about as many entries.
    void Clear();
    // Keeps the first `size` entries (and the blocks).
    void Truncate(std::size_t size);
    // An entry that moved in the page.
    void SetIndex(std::size_t i, std::size_t index) { EntryAt(i).index = index; }
    // Gives back the blocks the entries no longer need, but one spare of each kind.
    void Trim();

    std::size_t Size() const { return m_size; }
    bool Empty() const { return m_size == 0; }
    std::size_t Index(std::size_t i) const { return EntryAt(i).index; }
    std::string Value(std::size_t i) const;
    ElementRecord Record(std::size_t i) const { return {Value(i), Index(i)}; }
    // Whether entry `i` has the same value as `value` or `other`'s entry `j`, without
    // copying either.
    bool SameValue(std::size_t i, std::string_view value) const;
    bool SameValue(std::size_t i, const CompactRecords &other, std::size_t j) const;

    // Bytes held, blocks included, for measuring.
    std::size_t Footprint() const;

private:
    struct Entry
    {
        std::size_t index;
        std::size_t valueStart; // in the byte blocks; the value ends where the next begins
    };
    static constexpr std::size_t EntriesPerBlock = 4096;
    static constexpr std::size_t BytesPerBlock = 64 * 1024;

    const Entry &EntryAt(std::size_t i) const
    {
        return m_entryBlocks[i / EntriesPerBlock][i % EntriesPerBlock];
    }
    Entry &EntryAt(std::size_t i)
    {
        return m_entryBlocks[i / EntriesPerBlock][i % EntriesPerBlock];
    }
    std::size_t ValueEnd(std::size_t i) const
    {
        return i + 1 < m_size ? EntryAt(i + 1).valueStart : m_bytes;
    }
    // The bytes from `at` up to `end` or the end of `at`'s block, whichever comes first.
    std::string_view Bytes(std::size_t at, std::size_t end) const;
    // Whether the bytes from `at` on are `value`'s.
    bool BytesEqual(std::size_t at, std::string_view value) const;

    std::vector<std::unique_ptr<Entry[]>> m_entryBlocks;
    std::vector<std::unique_ptr<char[]>> m_byteBlocks;
    std::size_t m_size = 0;
    std::size_t m_bytes = 0;
};

} // namespace tarnel
