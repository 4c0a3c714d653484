#include "compactrecords.h"

#include <algorithm>

namespace tarnel {

void CompactRecords::Add(std::string_view value, std::size_t index)
{
    if (m_size == m_entryBlocks.size() * EntriesPerBlock)
        m_entryBlocks.push_back(std::make_unique<Entry[]>(EntriesPerBlock));
    m_entryBlocks[m_size / EntriesPerBlock][m_size % EntriesPerBlock] = {index, m_bytes};
    ++m_size;
    // A value may run on into the next block: values are read back a byte range at a time.
    while (!value.empty()) {
        if (m_bytes == m_byteBlocks.size() * BytesPerBlock)
            m_byteBlocks.push_back(std::make_unique<char[]>(BytesPerBlock));
        const std::size_t offset = m_bytes % BytesPerBlock;
        const std::size_t n = std::min(value.size(), BytesPerBlock - offset);
        std::copy_n(value.data(), n, m_byteBlocks[m_bytes / BytesPerBlock].get() + offset);
        m_bytes += n;
        value.remove_prefix(n);
    }
}

void CompactRecords::Clear()
{
    m_size = 0;
    m_bytes = 0;
}

void CompactRecords::Truncate(std::size_t size)
{
    if (size >= m_size)
        return;
    m_bytes = EntryAt(size).valueStart;
    m_size = size;
}

void CompactRecords::Trim()
{
    const std::size_t entryBlocks = (m_size + EntriesPerBlock - 1) / EntriesPerBlock + 1;
    const std::size_t byteBlocks = (m_bytes + BytesPerBlock - 1) / BytesPerBlock + 1;
    if (m_entryBlocks.size() > entryBlocks)
        m_entryBlocks.resize(entryBlocks);
    if (m_byteBlocks.size() > byteBlocks)
        m_byteBlocks.resize(byteBlocks);
    m_entryBlocks.shrink_to_fit();
    m_byteBlocks.shrink_to_fit();
}

std::string_view CompactRecords::Bytes(std::size_t at, std::size_t end) const
{
    const std::size_t offset = at % BytesPerBlock;
    return {m_byteBlocks[at / BytesPerBlock].get() + offset,
            std::min(end - at, BytesPerBlock - offset)};
}

std::string CompactRecords::Value(std::size_t i) const
{
    std::string value;
    std::size_t at = EntryAt(i).valueStart;
    const std::size_t end = ValueEnd(i);
    value.reserve(end - at);
    while (at < end) {
        const std::string_view piece = Bytes(at, end);
        value.append(piece);
        at += piece.size();
    }
    return value;
}

bool CompactRecords::BytesEqual(std::size_t at, std::string_view value) const
{
    while (!value.empty()) {
        const std::string_view mine = Bytes(at, at + value.size());
        if (value.substr(0, mine.size()) != mine)
            return false;
        at += mine.size();
        value.remove_prefix(mine.size());
    }
    return true;
}

bool CompactRecords::SameValue(std::size_t i, std::string_view value) const
{
    const std::size_t at = EntryAt(i).valueStart;
    return ValueEnd(i) - at == value.size() && BytesEqual(at, value);
}

bool CompactRecords::SameValue(std::size_t i, const CompactRecords &other, std::size_t j) const
{
    std::size_t at = EntryAt(i).valueStart;
    const std::size_t end = ValueEnd(i);
    std::size_t otherAt = other.EntryAt(j).valueStart;
    const std::size_t otherEnd = other.ValueEnd(j);
    if (end - at != otherEnd - otherAt)
        return false;
    while (otherAt < otherEnd) {
        const std::string_view theirs = other.Bytes(otherAt, otherEnd);
        if (!BytesEqual(at, theirs))
            return false;
        at += theirs.size();
        otherAt += theirs.size();
    }
    return true;
}

std::size_t CompactRecords::Footprint() const
{
    return m_entryBlocks.size() * EntriesPerBlock * sizeof(Entry) +
           m_byteBlocks.size() * BytesPerBlock +
           (m_entryBlocks.capacity() + m_byteBlocks.capacity()) * sizeof(void *);
}

} // namespace tarnel
