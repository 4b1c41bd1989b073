#include "jet4tablefiller.h"

#include <algorithm>

namespace jet4
{
namespace
{

constexpr std::size_t MaxLongValueRow = 4076; // one long-value row on its own page
constexpr std::size_t ChainPiece = MaxLongValueRow - 4;
// A page with less room left is not offered for new rows.
constexpr std::size_t FreeSpaceWorthListing = 64;

} // namespace

TableFiller::TableFiller(PageStore &store, std::uint32_t definitionPage, const TableLayout &layout)
    : m_store(store), m_definitionPage(definitionPage), m_layout(layout)
{
}

Status TableFiller::addRow(const std::vector<Value> &row, RowId &where)
{
    Bytes bytes;
    if (Status status = EncodeRow(m_layout, row, *this, bytes); !status.ok())
        return status;
    if (!m_data || !m_data->builder.fits(bytes.size()))
        startPage(m_data, m_definitionPage, m_dataPages);
    where = {m_data->number, m_data->builder.add(bytes)};
    return {};
}

RowId TableFiller::store(std::size_t column, const Bytes &data, bool &chained)
{
    Chain &chain = m_longValues[column];
    chained = data.size() > MaxLongValueRow;
    if (!chained)
        return addLongValueRow(chain, data);
    // The pieces are written last first, so that each knows the next one; each
    // starts with the reference to the next piece (0 for the last).
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

void TableFiller::finish()
{
    flush(m_data, m_dataPages);
    for (auto &[column, chain] : m_longValues)
        flush(chain.open, chain.pages);
}

PageSet TableFiller::longValuePages(std::size_t column) const
{
    const auto it = m_longValues.find(column);
    return it == m_longValues.end() ? PageSet{} : it->second.pages;
}

void TableFiller::flush(std::optional<OpenPage> &open, PageSet &pages)
{
    if (!open)
        return;
    m_store.page(open->number) = open->builder.page();
    if (open->builder.freeSpace() >= FreeSpaceWorthListing)
        pages.withRoom.push_back(open->number);
    open.reset();
}

void TableFiller::startPage(std::optional<OpenPage> &open, std::uint32_t owner, PageSet &pages)
{
    flush(open, pages);
    open.emplace(OpenPage{m_store.allocate(), DataPageBuilder(owner)});
    pages.owned.push_back(open->number);
}

RowId TableFiller::addLongValueRow(Chain &chain, const Bytes &row)
{
    if (!chain.open || !chain.open->builder.fits(row.size()))
        startPage(chain.open, DataPageBuilder::LongValueOwner, chain.pages);
    return {chain.open->number, chain.open->builder.add(row)};
}

} // namespace jet4
