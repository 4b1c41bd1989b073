#include "jet4usagemap.h"

#include <algorithm>
#include <map>

namespace jet4
{
namespace
{

constexpr std::size_t UsageMapBitmap = 64;   // bytes of an inline map: 512 pages
constexpr std::size_t UsageMapsPerPage = 57; // rows of 69 bytes and their offsets
constexpr std::size_t BitmapPagePages = (PageSize - 4) * 8;

} // namespace

RowId UsageMaps::reserve(std::size_t count)
{
    if (m_pages.empty() || m_pages.back().rows.size() + count > UsageMapsPerPage)
        m_pages.push_back({m_store.allocate(), {}});
    MapPage &page = m_pages.back();
    const RowId first{page.number, static_cast<std::uint8_t>(page.rows.size())};
    page.rows.resize(page.rows.size() + count);
    return first;
}

void UsageMaps::set(RowId where, Bytes row)
{
    find(where.page).rows.at(where.row) = std::move(row);
}

Bytes UsageMaps::mapOf(std::vector<std::uint32_t> pages)
{
    std::sort(pages.begin(), pages.end());
    Bytes row(UsageMapRowSize, 0);
    if (pages.empty())
        return row;
    const std::uint32_t start = pages.front() & ~7u;
    if (pages.back() - start < UsageMapBitmap * 8) {
        Put32(&row[1], start);
        for (std::uint32_t p : pages)
            row[5 + (p - start) / 8] |= static_cast<std::uint8_t>(1u << ((p - start) % 8));
        return row;
    }
    // A file of at most MaxPages needs one bitmap page, the first reference.
    row[0] = 0x01;
    std::map<std::size_t, std::uint32_t> bitmaps;
    for (std::uint32_t p : pages) {
        const std::size_t slot = p / BitmapPagePages;
        auto it = bitmaps.find(slot);
        if (it == bitmaps.end()) {
            it = bitmaps.emplace(slot, m_store.allocate()).first;
            Page &bitmap = m_store.page(it->second);
            bitmap[0] = PageUsageBitmap;
            bitmap[1] = 0x01;
            Put32(&row[1 + 4 * slot], it->second);
        }
        const std::size_t bit = p % BitmapPagePages;
        m_store.page(it->second)[4 + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
    }
    return row;
}

void UsageMaps::place()
{
    for (const MapPage &page : m_pages) {
        DataPageBuilder builder(0);
        for (const Bytes &row : page.rows)
            builder.add(row.empty() ? Bytes(UsageMapRowSize, 0) : row);
        m_store.page(page.number) = builder.page();
    }
}

UsageMaps::MapPage &UsageMaps::find(std::uint32_t number)
{
    return *std::find_if(m_pages.begin(), m_pages.end(),
                         [&](const MapPage &p) { return p.number == number; });
}

void WriteGlobalUsageMap(Page &page, std::uint32_t pageCount)
{
    // Access lets this map grow with the file, in steps of 32 bytes (256 pages).
    const std::size_t bytes = std::max<std::size_t>(UsageMapBitmap, (pageCount + 255) / 256 * 32);
    Bytes freePages(5 + std::min<std::size_t>(bytes, MaxPages / 8), 0);
    for (std::size_t p = pageCount; p < (freePages.size() - 5) * 8; ++p)
        freePages[5 + p / 8] |= static_cast<std::uint8_t>(1u << (p % 8));
    DataPageBuilder builder(1);
    builder.add(freePages);
    builder.add(Bytes(UsageMapRowSize, 0));
    page = builder.page();
}

} // namespace jet4
