#pragma once

#include "jet4page.h"

#include <vector>

// Usage maps: which pages a table, an index or a long-value column owns, and
// which of them still have room. Each map is a 69-byte row on a data page that
// no table owns: type 0 holds a bitmap of 512 pages from a start page, type 1
// refers to bitmap pages (type 0x05) that cover the whole file.
namespace jet4
{

constexpr std::size_t UsageMapRowSize = 69;

class UsageMaps
{
public:
    explicit UsageMaps(PageStore &store) : m_store(store) {}

    // Reserves `count` rows on one page; the first of them.
    RowId reserve(std::size_t count);
    void set(RowId where, Bytes row);
    // The map of these pages.
    Bytes mapOf(std::vector<std::uint32_t> pages);
    // Writes the map pages into the store.
    void place();

private:
    struct MapPage {
        std::uint32_t number;
        std::vector<Bytes> rows;
    };
    MapPage &find(std::uint32_t number);

    PageStore &m_store;
    std::vector<MapPage> m_pages;
};

// The largest file the global map on page 1 covers.
constexpr std::uint32_t MaxPages = (PageSize - 14 - 4 - 5 - UsageMapRowSize) * 8;

// The global usage map on page 1: a bit for every page, set for the pages past
// the end of the file (free for new pages).
void WriteGlobalUsageMap(Page &page, std::uint32_t pageCount);

} // namespace jet4
