#include "jet4writer.h"

#include "jet4catalog.h"
#include "jet4index.h"
#include "jet4layout.h"
#include "jet4page.h"
#include "jet4tabledef.h"
#include "jet4tablefiller.h"
#include "jet4usagemap.h"

#include <algorithm>
#include <ctime>

namespace jet4
{
namespace
{

struct TablePlan {
    TableLayout layout;
    const std::vector<std::vector<Value>> *rows = nullptr;
    std::vector<std::uint32_t> definitionPages;
    RowId usedMap, freeMap;
    std::vector<RowId> indexMaps;
    std::vector<std::pair<RowId, RowId>> longValueMaps;
};

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
    if (pageCount > MaxPages)
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
