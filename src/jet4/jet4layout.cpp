#include "jet4layout.h"

#include "jet4index.h"
#include "jet4page.h"
#include "jet4text.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace jet4
{
namespace
{

constexpr std::uint16_t MaxColumns = 255;
constexpr std::size_t MaxNameLength = 64;
constexpr std::uint16_t MaxTextCharacters = 255;
constexpr std::uint16_t MaxBinaryBytes = 510;
std::string Quoted(const std::string &name)
{
    return "\"" + name + "\"";
}

char16_t FoldAscii(char16_t c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char16_t>(c - 'a' + 'A') : c;
}

} // namespace

std::uint16_t FixedSize(ColumnType type)
{
    switch (type) {
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
    case ColumnType::Single:
        return 4;
    case ColumnType::Currency:
    case ColumnType::Double:
    case ColumnType::DateTime:
        return 8;
    case ColumnType::Guid:
        return 16;
    default:
        return 0;
    }
}

bool IsVariable(ColumnType type)
{
    return type == ColumnType::Text || type == ColumnType::Binary || IsLongValue(type);
}

bool IsLongValue(ColumnType type)
{
    return type == ColumnType::Memo || type == ColumnType::OLE;
}

bool SameName(const std::u16string &a, const std::u16string &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

std::string CheckObjectName(const std::string &name, std::u16string &name16)
{
    if (!Utf8ToUtf16(name, name16))
        return "the name " + Quoted(name) + " is not valid UTF-8";
    if (name16.empty())
        return "a name is empty";
    if (name16.size() > MaxNameLength)
        return "the name " + Quoted(name) + " is longer than 64 characters";
    if (name16.front() == u' ')
        return "the name " + Quoted(name) + " starts with a blank";
    for (char16_t c : name16) {
        if (c < 0x20 || c == u'.' || c == u'!' || c == u'`' || c == u'[' || c == u']')
            return "the name " + Quoted(name) + " holds a character Access does not allow";
    }
    return {};
}

void PlaceColumns(TableLayout &layout)
{
    std::uint16_t fixed = 0;
    layout.varCount = 0;
    for (ColumnLayout &column : layout.columns) {
        column.variable = IsVariable(column.type);
        column.longValue = IsLongValue(column.type);
        if (column.variable) {
            column.varIndex = layout.varCount++;
            column.fixedOffset = 0;
        } else {
            column.varIndex = layout.varCount;
            column.fixedOffset = column.type == ColumnType::Boolean ? 0 : fixed;
            fixed = static_cast<std::uint16_t>(fixed + FixedSize(column.type));
        }
    }
    if (layout.definitionOrder.empty()) {
        for (std::size_t i = 0; i < layout.columns.size(); ++i)
            layout.definitionOrder.push_back(i);
    }
}

Status MakeUserTableLayout(const Table &table, TableLayout &layout)
{
    layout = TableLayout{};
    layout.name = table.name;
    if (std::string why = CheckObjectName(table.name, layout.name16); !why.empty())
        return {"table: " + why};
    if (!IsIndexableText(layout.name16))
        return {"the table name " + Quoted(table.name) +
                " may hold only ASCII letters, digits, blanks and plain punctuation"};
    if (layout.name16.size() >= 4 && SameName(layout.name16.substr(0, 4), u"MSys"))
        return {"the table name " + Quoted(table.name) + " is reserved for system tables"};
    const std::string where = "table " + Quoted(table.name) + ": ";
    if (table.columns.empty())
        return {where + "a table needs at least one column"};
    if (table.columns.size() > MaxColumns)
        return {where + "more than 255 columns"};

    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        const Column &source = table.columns[i];
        ColumnLayout column;
        column.name = source.name;
        if (std::string why = CheckObjectName(source.name, column.name16); !why.empty())
            return {where + "column: " + why};
        for (const ColumnLayout &earlier : layout.columns) {
            if (SameName(earlier.name16, column.name16))
                return {where + "two columns are named " + Quoted(source.name)};
        }
        column.type = source.type;
        column.number = static_cast<std::uint16_t>(i);
        column.secondNumber = column.number;
        switch (source.type) {
        case ColumnType::Text:
            if (source.size > MaxTextCharacters)
                return {where + "column " + Quoted(source.name) + " is longer than 255 characters"};
            column.length = static_cast<std::uint16_t>(
                2 * (source.size == 0 ? MaxTextCharacters : source.size));
            column.compressedText = true;
            break;
        case ColumnType::Binary:
            if (source.size > MaxBinaryBytes)
                return {where + "column " + Quoted(source.name) + " is longer than 510 bytes"};
            column.length = source.size == 0 ? MaxBinaryBytes : source.size;
            break;
        case ColumnType::Memo:
            column.compressedText = true;
            column.length = 0;
            break;
        case ColumnType::OLE:
            column.length = 0;
            break;
        case ColumnType::Boolean:
            column.length = 1;
            break;
        case ColumnType::Byte:
        case ColumnType::Integer:
        case ColumnType::Long:
        case ColumnType::Currency:
        case ColumnType::Single:
        case ColumnType::Double:
        case ColumnType::DateTime:
        case ColumnType::Guid:
            column.length = FixedSize(source.type);
            break;
        default:
            return {where + "column " + Quoted(source.name) + " has an unknown type"};
        }
        if (source.autoNumber && source.type != ColumnType::Long)
            return {where + "column " + Quoted(source.name) + ": only a Long Integer can count"};
        column.flags = static_cast<std::uint8_t>(0x02 | (IsVariable(source.type) ? 0 : 0x01) |
                                                 (source.autoNumber ? 0x04 : 0));
        layout.columns.push_back(column);
    }
    PlaceColumns(layout);

    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        if (table.rows[r].size() != table.columns.size())
            return {where + "row " + std::to_string(r + 1) + " has " +
                    std::to_string(table.rows[r].size()) + " values for " +
                    std::to_string(table.columns.size()) + " columns"};
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            const auto *number = std::get_if<std::int64_t>(&table.rows[r][c]);
            if (table.columns[c].autoNumber && number && *number > 0)
                layout.lastAutoNumber = std::max(
                    layout.lastAutoNumber,
                    static_cast<std::uint32_t>(std::min<std::int64_t>(*number, INT32_MAX)));
        }
    }

    if (table.primaryKey) {
        const std::size_t key = *table.primaryKey;
        if (key >= table.columns.size())
            return {where + "the primary key names no column"};
        if (!IsIndexableType(table.columns[key].type))
            return {where + "column " + Quoted(table.columns[key].name) +
                    " cannot be a primary key (its type cannot be indexed)"};
        IndexLayout index;
        index.name = "PrimaryKey";
        index.columns = {key};
        index.flags = 0x89; // unique and required
        index.kind = 1;
        layout.indexes.push_back(index);
    }
    return {};
}

} // namespace jet4
