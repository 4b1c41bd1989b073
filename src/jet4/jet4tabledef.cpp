#include "jet4tabledef.h"

#include "jet4text.h"

#include <algorithm>

namespace jet4
{
namespace
{

constexpr std::uint32_t TableMagic = 1625; // stands in every definition and column block
constexpr std::uint32_t IndexMagic = 1923; // stands before every real index
constexpr std::uint8_t UserTable = 0x4E;
constexpr std::uint8_t SystemTable = 0x53;
constexpr std::size_t HeaderSize = 63;
constexpr std::size_t IndexCountSize = 12;
constexpr std::size_t ColumnSize = 25;
constexpr std::size_t RealIndexSize = 52;
constexpr std::size_t LogicalIndexSize = 28;
constexpr std::size_t LongValueMapSize = 10;
constexpr std::size_t ContinuationHeader = 8;
constexpr std::size_t MaxIndexColumns = 10;
constexpr std::uint16_t GeneralSortOrder = 0x0409;

std::size_t LongValueColumns(const TableLayout &table)
{
    return static_cast<std::size_t>(
        std::count_if(table.columns.begin(), table.columns.end(),
                      [](const ColumnLayout &c) { return c.longValue; }));
}

void AppendName(Bytes &out, const std::u16string &name)
{
    const Bytes encoded = EncodeUtf16(name);
    Append16(out, static_cast<std::uint32_t>(encoded.size()));
    AppendBytes(out, encoded);
}

void Append24(Bytes &out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
    out.push_back(static_cast<std::uint8_t>(value >> 16));
}

// The order of the logical index blocks: by name, as Access lists them.
std::vector<std::size_t> LogicalOrder(const TableLayout &table)
{
    std::vector<std::size_t> order(table.indexes.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    auto fold = [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const std::string &x = table.indexes[a].name;
        const std::string &y = table.indexes[b].name;
        return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(),
                                            [&](char p, char q) { return fold(p) < fold(q); });
    });
    return order;
}

} // namespace

std::size_t TableDefinitionSize(const TableLayout &table)
{
    std::size_t size =
        HeaderSize + table.indexes.size() * (IndexCountSize + RealIndexSize + LogicalIndexSize) +
        table.columns.size() * ColumnSize + LongValueColumns(table) * LongValueMapSize + 2;
    for (const ColumnLayout &column : table.columns)
        size += 2 + 2 * column.name16.size();
    for (const IndexLayout &index : table.indexes) {
        std::u16string name(index.name.begin(), index.name.end());
        size += 2 + 2 * name.size();
    }
    return size;
}

std::size_t TableDefinitionPages(const TableLayout &table)
{
    const std::size_t size = TableDefinitionSize(table);
    if (size <= PageSize)
        return 1;
    const std::size_t rest = size - PageSize;
    const std::size_t perPage = PageSize - ContinuationHeader;
    return 1 + (rest + perPage - 1) / perPage;
}

Bytes TableDefinitionBytes(const TableLayout &table, const TableReferences &refs)
{
    Bytes out;
    out.reserve(TableDefinitionSize(table));
    out.push_back(PageTableDefinition);
    out.push_back(0x01);
    Append16(out, 0); // free space, set when placed
    Append32(out, 0); // next definition page, set when placed
    Append32(out, static_cast<std::uint32_t>(TableDefinitionSize(table)));
    Append32(out, TableMagic);
    Append32(out, refs.rowCount);
    Append32(out, table.lastAutoNumber);
    out.push_back(0x01); // lets Access number AutoNumber columns
    out.insert(out.end(), 15, 0);
    out.push_back(table.system ? SystemTable : UserTable);
    const auto columnCount = static_cast<std::uint32_t>(table.columns.size());
    Append16(out, columnCount); // columns a row holds
    Append16(out, table.varCount);
    Append16(out, columnCount);
    Append32(out, static_cast<std::uint32_t>(table.indexes.size())); // logical indexes
    Append32(out, static_cast<std::uint32_t>(table.indexes.size())); // real indexes
    Append32(out, refs.usedPages.packed());
    Append32(out, refs.freePages.packed());

    for (std::size_t i = 0; i < table.indexes.size(); ++i) {
        Append32(out, 0);
        Append32(out, refs.rowCount);
        Append32(out, 0);
    }

    for (std::size_t c : table.definitionOrder) {
        const ColumnLayout &column = table.columns[c];
        out.push_back(static_cast<std::uint8_t>(column.type));
        Append32(out, TableMagic);
        Append16(out, column.number);
        Append16(out, column.varIndex);
        Append16(out, column.secondNumber);
        Append16(out, GeneralSortOrder);
        Append16(out, 0);
        out.push_back(column.flags);
        out.push_back(column.compressedText ? 0x01 : 0x00);
        Append32(out, 0);
        Append16(out, column.variable ? 0 : column.fixedOffset);
        Append16(out, column.length);
    }
    for (std::size_t c : table.definitionOrder)
        AppendName(out, table.columns[c].name16);

    for (std::size_t i = 0; i < table.indexes.size(); ++i) {
        const IndexLayout &index = table.indexes[i];
        Append32(out, IndexMagic);
        for (std::size_t k = 0; k < MaxIndexColumns; ++k) {
            if (k < index.columns.size()) {
                Append16(out, table.columns[index.columns[k]].number);
                out.push_back(0x01); // ascending
            } else {
                Append16(out, 0xFFFF);
                out.push_back(0x00);
            }
        }
        const RowId map = refs.indexPages.at(i);
        out.push_back(map.row);
        Append24(out, map.page);
        Append32(out, refs.indexRoots.at(i));
        Append32(out, 0);
        out.push_back(index.flags);
        out.insert(out.end(), 5, 0);
    }
    const std::vector<std::size_t> logical = LogicalOrder(table);
    for (std::size_t i : logical) {
        const IndexLayout &index = table.indexes[i];
        Append32(out, TableMagic);
        Append32(out, index.logicalNumber);
        Append32(out, static_cast<std::uint32_t>(i)); // its real index
        out.push_back(0);                             // no related table
        Append32(out, 0xFFFFFFFFu);
        Append32(out, 0);
        out.push_back(0x04); // as Access writes for an index without a relationship
        out.push_back(0x04);
        out.push_back(index.kind);
        Append32(out, 0);
    }
    for (std::size_t i : logical) {
        const std::string &name = table.indexes[i].name;
        AppendName(out, std::u16string(name.begin(), name.end()));
    }

    std::size_t longValue = 0;
    std::vector<std::pair<std::uint16_t, std::size_t>> longValueColumns; // number, order
    for (const ColumnLayout &column : table.columns) {
        if (column.longValue)
            longValueColumns.emplace_back(column.number, longValue++);
    }
    for (std::size_t c : table.definitionOrder) {
        const ColumnLayout &column = table.columns[c];
        if (!column.longValue)
            continue;
        const auto it = std::find_if(longValueColumns.begin(), longValueColumns.end(),
                                     [&](const auto &p) { return p.first == column.number; });
        const auto &maps = refs.longValues.at(it->second);
        Append16(out, column.number);
        Append32(out, maps.first.packed());
        Append32(out, maps.second.packed());
    }
    Append16(out, 0xFFFF);
    return out;
}

void PlaceTableDefinition(PageStore &store, const std::vector<std::uint32_t> &pages,
                          const Bytes &definition)
{
    std::size_t at = 0;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        Page &page = store.page(pages[p]);
        page.fill(0);
        std::size_t start = 0;
        if (p > 0) {
            page[0] = PageTableDefinition;
            page[1] = 0x01;
            start = ContinuationHeader;
        }
        const std::size_t n = std::min(PageSize - start, definition.size() - at);
        std::copy(definition.begin() + static_cast<std::ptrdiff_t>(at),
                  definition.begin() + static_cast<std::ptrdiff_t>(at + n),
                  page.begin() + static_cast<std::ptrdiff_t>(start));
        at += n;
        const std::size_t unused = PageSize - start - n;
        Put16(&page[2], static_cast<std::uint32_t>(unused > 8 ? unused - 8 : 0));
        Put32(&page[4], p + 1 < pages.size() ? pages[p + 1] : 0);
    }
}

} // namespace jet4
