#include "jet4writer.h"

#include "jet4catalog.h"
#include "jet4index.h"
#include "jet4layout.h"
#include "jet4page.h"
#include "jet4tabledef.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <optional>

namespace jet4
{
namespace
{

constexpr std::size_t UsageMapRowSize = 69;  // type, then 68 bytes of map
constexpr std::size_t UsageMapBitmap = 64;   // bytes of an inline map: 512 pages
constexpr std::size_t UsageMapsPerPage = 57; // rows of 69 bytes and their offsets
constexpr std::size_t BitmapPagePages = (PageSize - 4) * 8;
constexpr std::size_t ReferenceMapPointers = 17;
constexpr std::size_t MaxLongValueRow = 4076; // one long-value row on its own page
constexpr std::size_t ChainPiece = MaxLongValueRow - 4;
constexpr std::size_t FreeSpaceWorthListing = 64;

// Pages a table or one of its parts owns, and those that still have room.
struct PageSet {
    std::vector<std::uint32_t> owned;
    std::vector<std::uint32_t> withRoom;
};

// Fills data pages of one table and the long-value pages of its memo and OLE
// columns.
class TableFiller : public LongValueStore
{
public:
    TableFiller(PageStore &store, std::uint32_t definitionPage, const TableLayout &layout)
        : m_store(store), m_definitionPage(definitionPage), m_layout(layout)
    {
    }

    Status addRow(const std::vector<Value> &row, RowId &where)
    {
        Bytes bytes;
        if (Status status = EncodeRow(m_layout, row, *this, bytes); !status.ok())
            return status;
        if (!m_data || !m_data->builder.fits(bytes.size()))
            startPage(m_data, m_definitionPage, m_dataPages);
        where = {m_data->number, m_data->builder.add(bytes)};
        return {};
    }

    RowId store(std::size_t column, const Bytes &data, bool &chained) override
    {
        Chain &chain = m_longValues[column];
        chained = data.size() > MaxLongValueRow;
        if (!chained)
            return addLongValueRow(chain, data);
        // The pieces are written last first, so that each knows the next one.
        std::size_t pieces = (data.size() + ChainPiece - 1) / ChainPiece;
        RowId next{};
        bool last = true;
        while (pieces-- > 0) {
            const std::size_t start = pieces * ChainPiece;
            const std::size_t end = std::min(data.size(), start + ChainPiece);
            Bytes row;
            Append32(row, last ? 0 : next.packed());
            row.insert(row.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                       data.begin() + static_cast<std::ptrdiff_t>(end));
            next = addLongValueRow(chain, row);
            last = false;
        }
        return next;
    }

    // Writes the open pages into the store.
    void finish()
    {
        flush(m_data, m_dataPages);
        for (auto &[column, chain] : m_longValues)
            flush(chain.open, chain.pages);
    }

    const PageSet &dataPages() const { return m_dataPages; }
    PageSet longValuePages(std::size_t column) const
    {
        const auto it = m_longValues.find(column);
        return it == m_longValues.end() ? PageSet{} : it->second.pages;
    }

private:
    struct OpenPage {
        std::uint32_t number;
        DataPageBuilder builder;
    };
    struct Chain {
        std::optional<OpenPage> open;
        PageSet pages;
    };

    void flush(std::optional<OpenPage> &open, PageSet &pages)
    {
        if (!open)
            return;
        m_store.page(open->number) = open->builder.page();
        if (open->builder.freeSpace() >= FreeSpaceWorthListing)
            pages.withRoom.push_back(open->number);
        open.reset();
    }

    void startPage(std::optional<OpenPage> &open, std::uint32_t owner, PageSet &pages)
    {
        flush(open, pages);
        open.emplace(OpenPage{m_store.allocate(), DataPageBuilder(owner)});
        pages.owned.push_back(open->number);
    }

    RowId addLongValueRow(Chain &chain, const Bytes &row)
    {
        if (!chain.open || !chain.open->builder.fits(row.size()))
            startPage(chain.open, DataPageBuilder::LongValueOwner, chain.pages);
        return {chain.open->number, chain.open->builder.add(row)};
    }

    PageStore &m_store;
    std::uint32_t m_definitionPage;
    const TableLayout &m_layout;
    std::optional<OpenPage> m_data;
    PageSet m_dataPages;
    std::map<std::size_t, Chain> m_longValues;
};

// Usage map rows: 69 bytes each, on data pages owned by no table.
class UsageMaps
{
public:
    explicit UsageMaps(PageStore &store) : m_store(store) {}

    // Reserves `count` rows on one page.
    RowId reserve(std::size_t count)
    {
        if (m_pages.empty() || m_pages.back().rows.size() + count > UsageMapsPerPage)
            m_pages.push_back({m_store.allocate(), {}});
        MapPage &page = m_pages.back();
        const RowId first{page.number, static_cast<std::uint8_t>(page.rows.size())};
        page.rows.resize(page.rows.size() + count);
        return first;
    }

    void set(RowId where, Bytes row) { find(where.page).rows.at(where.row) = std::move(row); }

    // A map of these pages: inline when they fit 512 pages from the first one,
    // else a reference to bitmap pages that cover the whole file.
    Bytes mapOf(std::vector<std::uint32_t> pages)
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

    void place()
    {
        for (const MapPage &page : m_pages) {
            DataPageBuilder builder(0);
            for (const Bytes &row : page.rows)
                builder.add(row.empty() ? Bytes(UsageMapRowSize, 0) : row);
            m_store.page(page.number) = builder.page();
        }
    }

private:
    struct MapPage {
        std::uint32_t number;
        std::vector<Bytes> rows;
    };

    MapPage &find(std::uint32_t number)
    {
        return *std::find_if(m_pages.begin(), m_pages.end(),
                             [&](const MapPage &p) { return p.number == number; });
    }

    PageStore &m_store;
    std::vector<MapPage> m_pages;
};

struct TablePlan {
    TableLayout layout;
    const std::vector<std::vector<Value>> *rows = nullptr;
    std::vector<std::uint32_t> definitionPages;
    RowId usedMap, freeMap;
    std::vector<RowId> indexMaps;
    std::vector<std::pair<RowId, RowId>> longValueMaps;
};

// The global usage map on page 1: a bit for every page, set for the pages past
// the end of the file (free for new pages).
void WriteGlobalUsageMap(Page &page, std::uint32_t pageCount)
{
    const std::size_t bytes = std::max<std::size_t>(UsageMapBitmap, (pageCount + 255) / 256 * 32);
    Bytes freePages(5 + bytes, 0);
    for (std::size_t p = pageCount; p < bytes * 8; ++p)
        freePages[5 + p / 8] |= static_cast<std::uint8_t>(1u << (p % 8));
    DataPageBuilder builder(1);
    builder.add(freePages);
    builder.add(Bytes(UsageMapRowSize, 0));
    page = builder.page();
}

std::string TableContext(const TableLayout &layout, std::size_t row)
{
    return "table \"" + layout.name + "\", row " + std::to_string(row + 1) + ": ";
}

Status IndexEntries(const TablePlan &plan, const IndexLayout &index,
                    const std::vector<RowId> &rowIds, std::vector<IndexEntry> &entries)
{
    const std::vector<std::vector<Value>> &rows = *plan.rows;
    entries.reserve(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        IndexEntry entry;
        entry.row = rowIds[r];
        for (std::size_t c : index.columns) {
            const ColumnLayout &column = plan.layout.columns[c];
            if (index.kind == 1 && IsNull(rows[r][c]))
                return {TableContext(plan.layout, r) + "the key \"" + column.name + "\" is empty"};
            if (!AppendIndexKey(column, rows[r][c], entry.key))
                return {TableContext(plan.layout, r) + "the key \"" + column.name +
                        "\" holds a value that cannot be indexed"};
        }
        entries.push_back(std::move(entry));
    }
    if (index.flags & 0x01) {
        std::vector<std::size_t> order(entries.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](std::size_t a, std::size_t b) { return entries[a].key < entries[b].key; });
        for (std::size_t i = 1; i < order.size(); ++i) {
            if (entries[order[i]].key == entries[order[i - 1]].key)
                return {TableContext(plan.layout, std::max(order[i], order[i - 1])) +
                        "the key of \"" + plan.layout.columns[index.columns.front()].name +
                        "\" repeats an earlier row's"};
        }
    }
    return {};
}

} // namespace

double OleDateNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    // Days from 1899-12-30 to the local calendar date, then the time of day.
    std::tm epoch{};
    epoch.tm_year = -1;
    epoch.tm_mon = 11;
    epoch.tm_mday = 30;
    epoch.tm_hour = 12;
    std::tm today = local;
    today.tm_hour = 12;
    today.tm_min = 0;
    today.tm_sec = 0;
    today.tm_isdst = -1;
    epoch.tm_isdst = -1;
    const double days = std::difftime(timegm(&today), timegm(&epoch)) / 86400.0;
    return days + (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) / 86400.0;
}

Status WriteDatabase(const Database &database, Bytes &file, const WriteOptions &options)
{
    std::vector<TablePlan> plans;
    for (TableLayout &layout : SystemTableLayouts()) {
        plans.emplace_back();
        plans.back().layout = std::move(layout);
    }
    for (const Table &table : database.tables) {
        TablePlan plan;
        if (Status status = MakeUserTableLayout(table, plan.layout); !status.ok())
            return status;
        for (const TablePlan &other : plans) {
            if (SameName(other.layout.name16, plan.layout.name16))
                return {"two tables are named \"" + table.name + "\""};
        }
        plan.rows = &table.rows;
        plans.push_back(std::move(plan));
    }

    PageStore store;
    store.allocate(); // database definition
    store.allocate(); // global usage map
    for (TablePlan &plan : plans) {
        for (std::size_t i = 0; i < TableDefinitionPages(plan.layout); ++i)
            plan.definitionPages.push_back(store.allocate());
    }

    UsageMaps maps(store);
    for (TablePlan &plan : plans) {
        const RowId tableMaps = maps.reserve(2);
        plan.usedMap = tableMaps;
        plan.freeMap = {tableMaps.page, static_cast<std::uint8_t>(tableMaps.row + 1)};
        for (const ColumnLayout &column : plan.layout.columns) {
            if (!column.longValue)
                continue;
            const RowId pair = maps.reserve(2);
            plan.longValueMaps.push_back(
                {pair, {pair.page, static_cast<std::uint8_t>(pair.row + 1)}});
        }
        for (std::size_t i = 0; i < plan.layout.indexes.size(); ++i)
            plan.indexMaps.push_back(maps.reserve(1));
    }

    std::vector<UserTableEntry> userTables;
    for (std::size_t i = SystemTableCount; i < plans.size(); ++i)
        userTables.push_back({plans[i].layout.name, plans[i].definitionPages.front()});
    const double created = options.created >= 0 ? options.created : OleDateNow();
    const std::vector<std::vector<Value>> catalog = CatalogRows(userTables, created);
    const std::vector<std::vector<Value>> permissions = PermissionRows(userTables);
    const std::vector<std::vector<Value>> none;
    plans[0].rows = &catalog;
    plans[1].rows = &permissions;
    plans[2].rows = &none;
    plans[3].rows = &none;

    for (TablePlan &plan : plans) {
        const std::uint32_t definitionPage = plan.definitionPages.front();
        TableFiller filler(store, definitionPage, plan.layout);
        std::vector<RowId> rowIds;
        rowIds.reserve(plan.rows->size());
        for (std::size_t r = 0; r < plan.rows->size(); ++r) {
            RowId where;
            if (Status status = filler.addRow((*plan.rows)[r], where); !status.ok())
                return {TableContext(plan.layout, r) + status.error};
            rowIds.push_back(where);
        }
        filler.finish();

        TableReferences refs;
        refs.rowCount = static_cast<std::uint32_t>(plan.rows->size());
        refs.usedPages = plan.usedMap;
        refs.freePages = plan.freeMap;
        refs.indexPages = plan.indexMaps;
        refs.longValues = plan.longValueMaps;
        maps.set(plan.usedMap, maps.mapOf(filler.dataPages().owned));
        maps.set(plan.freeMap, maps.mapOf(filler.dataPages().withRoom));
        std::size_t longValue = 0;
        for (const ColumnLayout &column : plan.layout.columns) {
            if (!column.longValue)
                continue;
            const PageSet pages = filler.longValuePages(column.number);
            maps.set(plan.longValueMaps[longValue].first, maps.mapOf(pages.owned));
            maps.set(plan.longValueMaps[longValue].second, maps.mapOf(pages.withRoom));
            ++longValue;
        }
        for (std::size_t i = 0; i < plan.layout.indexes.size(); ++i) {
            std::vector<IndexEntry> entries;
            if (Status status = IndexEntries(plan, plan.layout.indexes[i], rowIds, entries);
                !status.ok())
                return status;
            const IndexPages index = WriteIndexPages(store, definitionPage, std::move(entries));
            refs.indexRoots.push_back(index.root);
            maps.set(plan.indexMaps[i], maps.mapOf(index.pages));
        }
        PlaceTableDefinition(store, plan.definitionPages, TableDefinitionBytes(plan.layout, refs));
    }
    maps.place();

    const std::uint32_t pageCount = store.count();
    if (pageCount > (PageSize - 14 - 4 - 5 - UsageMapRowSize) * 8)
        return {"the database is too large"};
    WriteDatabaseDefinitionPage(store.page(0));
    WriteGlobalUsageMap(store.page(1), pageCount);

    file.clear();
    file.reserve(static_cast<std::size_t>(pageCount) * PageSize);
    for (std::uint32_t p = 0; p < pageCount; ++p) {
        const Page &page = store.page(p);
        file.insert(file.end(), page.begin(), page.end());
    }
    return {};
}

} // namespace jet4
