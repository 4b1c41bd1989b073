#pragma once

#include "jet4layout.h"
#include "jet4page.h"

#include <vector>

// The table definition ("TDEF"): header, columns, indexes and the references to
// the table's usage maps, over one page or a chain of pages.
namespace jet4
{

struct TableReferences {
    std::uint32_t rowCount = 0;
    RowId usedPages;                                 // usage map of the data pages
    RowId freePages;                                 // data pages with room left
    std::vector<RowId> indexPages;                   // per index: usage map of its pages
    std::vector<std::uint32_t> indexRoots;           // per index: root page
    std::vector<std::pair<RowId, RowId>> longValues; // per long-value column, by number
};

// Bytes of the whole definition, the first page's header included.
std::size_t TableDefinitionSize(const TableLayout &table);
std::size_t TableDefinitionPages(const TableLayout &table);
Bytes TableDefinitionBytes(const TableLayout &table, const TableReferences &references);

// Puts the definition on its pages (as many as TableDefinitionPages gives).
void PlaceTableDefinition(PageStore &store, const std::vector<std::uint32_t> &pages,
                          const Bytes &definition);

} // namespace jet4
