#pragma once

#include "jet4row.h"

#include <map>
#include <optional>
#include <vector>

// Fills the data pages of one table, and the long-value pages of its memo and OLE
// columns, row after row.
namespace jet4
{

// Pages a table or one of its parts owns, and those that still have room.
struct PageSet {
    std::vector<std::uint32_t> owned;
    std::vector<std::uint32_t> withRoom;
};

class TableFiller : public LongValueStore
{
public:
    TableFiller(PageStore &store, std::uint32_t definitionPage, const TableLayout &layout);

    Status addRow(const std::vector<Value> &row, RowId &where);
    RowId store(std::size_t column, const Bytes &data, bool &chained) override;

    // Writes the open pages into the store.
    void finish();

    const PageSet &dataPages() const { return m_dataPages; }
    PageSet longValuePages(std::size_t column) const;

private:
    struct OpenPage {
        std::uint32_t number;
        DataPageBuilder builder;
    };
    struct Chain {
        std::optional<OpenPage> open;
        PageSet pages;
    };

    void flush(std::optional<OpenPage> &open, PageSet &pages);
    void startPage(std::optional<OpenPage> &open, std::uint32_t owner, PageSet &pages);
    RowId addLongValueRow(Chain &chain, const Bytes &row);

    PageStore &m_store;
    std::uint32_t m_definitionPage;
    const TableLayout &m_layout;
    std::optional<OpenPage> m_data;
    PageSet m_dataPages;
    std::map<std::size_t, Chain> m_longValues;
};

} // namespace jet4
