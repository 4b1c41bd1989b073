#pragma once

#include "jet4database.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>

// Pages of a Jet 4 file and the little-endian fields in them.
namespace jet4
{

constexpr std::size_t PageSize = 4096;
using Page = std::array<std::uint8_t, PageSize>;

// Page types (first byte of a page).
constexpr std::uint8_t PageDatabase = 0x00;
constexpr std::uint8_t PageData = 0x01;
constexpr std::uint8_t PageTableDefinition = 0x02;
constexpr std::uint8_t PageIndexNode = 0x03;
constexpr std::uint8_t PageIndexLeaf = 0x04;
constexpr std::uint8_t PageUsageBitmap = 0x05;

inline void Put16(std::uint8_t *at, std::uint32_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void Put32(std::uint8_t *at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void Append16(Bytes &out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Append32(Bytes &out, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

inline void AppendBytes(Bytes &out, const Bytes &more)
{
    out.insert(out.end(), more.begin(), more.end());
}

// Where a row lives: page and row number on it. Table definitions refer to rows
// (usage maps) as one 32-bit value: the row number in the low byte, the page
// above it.
struct RowId {
    std::uint32_t page = 0;
    std::uint8_t row = 0;
    std::uint32_t packed() const { return (page << 8) | row; }
};

// A data page being filled: a 14-byte header, the row offsets after it, the rows
// packed from the end of the page towards the offsets. Long-value pages are data
// pages whose owner field holds "LVAL".
class DataPageBuilder
{
public:
    static constexpr std::size_t HeaderSize = 14;
    static constexpr std::size_t MaxRows = 255;
    static constexpr std::uint32_t LongValueOwner = 0x4C41564C; // "LVAL"

    explicit DataPageBuilder(std::uint32_t owner);

    bool fits(std::size_t rowSize) const;
    std::uint8_t add(const Bytes &row); // the row's number on the page
    std::size_t rowCount() const { return m_rows; }
    std::size_t freeSpace() const { return m_end - (HeaderSize + 2 * m_rows); }
    const Page &page() const { return m_page; }

private:
    Page m_page{};
    std::size_t m_rows = 0;
    std::size_t m_end = PageSize; // start of the lowest row so far
};

// The pages of the file being written, numbered from 0. References to pages stay
// valid while more are allocated.
class PageStore
{
public:
    std::uint32_t allocate();
    Page &page(std::uint32_t number) { return m_pages.at(number); }
    const Page &page(std::uint32_t number) const { return m_pages.at(number); }
    std::uint32_t count() const { return static_cast<std::uint32_t>(m_pages.size()); }

private:
    std::deque<Page> m_pages;
};

} // namespace jet4
