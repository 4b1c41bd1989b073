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
constexpr std::size_t MaxCompressedMemo = 1024; // characters
constexpr std::size_t MaxLongValue = 0xFFFFFF;  // the reference holds 24 bits of length
constexpr std::uint32_t LongValueInline = 0x80000000u;
constexpr std::uint32_t LongValueSingleRow = 0x40000000u;

char16_t FoldAscii(char16_t c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char16_t>(c - 'a' + 'A') : c;
}

std::string Quoted(const std::string &name)
{
    return "\"" + name + "\"";
}

bool IntegerOf(const Value &value, std::int64_t &number)
{
    if (const auto *i = std::get_if<std::int64_t>(&value)) {
        number = *i;
        return true;
    }
    return false;
}

bool RealOf(const Value &value, double &number)
{
    if (const auto *i = std::get_if<std::int64_t>(&value)) {
        number = static_cast<double>(*i);
        return true;
    }
    if (const auto *d = std::get_if<double>(&value)) {
        number = *d;
        return true;
    }
    return false;
}

void PutLittle(std::uint8_t *at, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The bytes of a fixed-size value; the error text names what is wrong.
std::string EncodeFixed(const ColumnLayout &column, const Value &value, std::uint8_t *at)
{
    std::int64_t integer = 0;
    double real = 0;
    switch (column.type) {
    case ColumnType::Byte:
    case ColumnType::Integer:
    case ColumnType::Long: {
        if (!IntegerOf(value, integer))
            return "a whole number is expected";
        const std::int64_t low = column.type == ColumnType::Byte      ? 0
                                 : column.type == ColumnType::Integer ? -32768
                                                                      : INT32_MIN;
        const std::int64_t high = column.type == ColumnType::Byte      ? 255
                                  : column.type == ColumnType::Integer ? 32767
                                                                       : INT32_MAX;
        if (integer < low || integer > high)
            return "the number " + std::to_string(integer) + " is out of range";
        PutLittle(at, static_cast<std::uint64_t>(integer), column.length);
        return {};
    }
    case ColumnType::Currency: {
        if (!RealOf(value, real) || !std::isfinite(real))
            return "a number is expected";
        const double scaled = std::round(real * 10000.0);
        if (std::fabs(scaled) >= 9.2e18)
            return "the amount is out of range";
        PutLittle(at, static_cast<std::uint64_t>(static_cast<std::int64_t>(scaled)), 8);
        return {};
    }
    case ColumnType::Single: {
        if (!RealOf(value, real) || !std::isfinite(real) ||
            std::fabs(real) > std::numeric_limits<float>::max())
            return "a number is expected";
        const auto f = static_cast<float>(real);
        std::memcpy(at, &f, 4);
        return {};
    }
    case ColumnType::Double:
    case ColumnType::DateTime:
        if (!RealOf(value, real) || !std::isfinite(real))
            return "a number is expected";
        std::memcpy(at, &real, 8);
        return {};
    case ColumnType::Guid: {
        const auto *bytes = std::get_if<Bytes>(&value);
        if (!bytes || bytes->size() != 16)
            return "16 bytes are expected";
        std::copy(bytes->begin(), bytes->end(), at);
        return {};
    }
    default:
        return "the column type is not a fixed one";
    }
}

// The stored bytes of a variable-size value (for long values, the data the
// reference points to).
std::string EncodeVariable(const ColumnLayout &column, const Value &value, Bytes &out)
{
    if (column.type == ColumnType::Text || column.type == ColumnType::Memo) {
        const auto *text = std::get_if<std::string>(&value);
        if (!text)
            return "a text is expected";
        std::u16string utf16;
        if (!Utf8ToUtf16(*text, utf16))
            return "the text is not valid UTF-8";
        if (column.type == ColumnType::Text && utf16.size() > column.length / 2u)
            return "the text is longer than " + std::to_string(column.length / 2) + " characters";
        const bool compress = column.compressedText && (column.type == ColumnType::Text ||
                                                        utf16.size() <= MaxCompressedMemo);
        if (!EncodeText(utf16, compress, out))
            return "the text cannot be stored (it starts with U+FEFF)";
    } else {
        const auto *bytes = std::get_if<Bytes>(&value);
        if (!bytes)
            return "bytes are expected";
        if (column.type == ColumnType::Binary && bytes->size() > column.length)
            return "more than " + std::to_string(column.length) + " bytes";
        out = *bytes;
    }
    if (column.longValue && out.size() > MaxLongValue)
        return "the value is too long";
    return {};
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
            std::int64_t number = 0;
            if (table.columns[c].autoNumber && IntegerOf(table.rows[r][c], number) && number > 0)
                layout.lastAutoNumber =
                    std::max(layout.lastAutoNumber,
                             static_cast<std::uint32_t>(std::min<std::int64_t>(number, INT32_MAX)));
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

Status EncodeRow(const TableLayout &layout, const std::vector<Value> &row, LongValueStore &store,
                 Bytes &out)
{
    const std::size_t columnCount = layout.columns.size();
    std::size_t fixedSize = 0;
    for (const ColumnLayout &column : layout.columns) {
        if (!column.variable && column.type != ColumnType::Boolean)
            fixedSize =
                std::max<std::size_t>(fixedSize, column.fixedOffset + FixedSize(column.type));
    }
    out.assign(2 + fixedSize, 0);
    Put16(out.data(), static_cast<std::uint32_t>(columnCount));
    Bytes nullMask((columnCount + 7) / 8, 0);
    auto markPresent = [&](std::size_t number) {
        nullMask[number / 8] =
            static_cast<std::uint8_t>(nullMask[number / 8] | (1u << (number % 8)));
    };

    // Fixed part: every fixed column takes its space, Null or not.
    std::vector<const ColumnLayout *> variables(layout.varCount, nullptr);
    for (std::size_t c = 0; c < columnCount; ++c) {
        const ColumnLayout &column = layout.columns[c];
        const Value &value = row[c];
        if (column.variable) {
            variables[column.varIndex] = &column;
            continue;
        }
        if (column.type == ColumnType::Boolean) {
            double flag = 0;
            if (IsNull(value))
                continue;
            if (!RealOf(value, flag))
                return {"column " + Quoted(column.name) + ": a Yes/No value is expected"};
            if (flag != 0)
                markPresent(column.number);
            continue;
        }
        if (IsNull(value))
            continue;
        if (std::string why = EncodeFixed(column, value, out.data() + 2 + column.fixedOffset);
            !why.empty())
            return {"column " + Quoted(column.name) + ": " + why};
        markPresent(column.number);
    }

    if (layout.varCount > 0) {
        // Encode the variable values first, to decide which long values stay inline.
        std::vector<Bytes> data(layout.varCount);
        std::size_t total = out.size() + 4 + 2 * layout.varCount + nullMask.size();
        for (std::uint16_t v = 0; v < layout.varCount; ++v) {
            const ColumnLayout &column = *variables[v];
            const Value &value = row[column.number];
            if (IsNull(value))
                continue;
            if (std::string why = EncodeVariable(column, value, data[v]); !why.empty())
                return {"column " + Quoted(column.name) + ": " + why};
            total += column.longValue
                         ? 12 + (data[v].size() <= MaxInlineLongValue ? data[v].size() : 0)
                         : data[v].size();
        }
        std::vector<bool> inlineValue(layout.varCount, false);
        for (std::uint16_t v = 0; v < layout.varCount; ++v)
            inlineValue[v] = variables[v]->longValue && data[v].size() <= MaxInlineLongValue;
        for (std::uint16_t v = 0; v < layout.varCount && total > MaxRowSize; ++v) {
            if (inlineValue[v] && !IsNull(row[variables[v]->number])) {
                inlineValue[v] = false;
                total -= data[v].size();
            }
        }
        if (total > MaxRowSize)
            return {"the row is longer than " + std::to_string(MaxRowSize) + " bytes"};

        std::vector<std::uint16_t> offsets(layout.varCount);
        for (std::uint16_t v = 0; v < layout.varCount; ++v) {
            const ColumnLayout &column = *variables[v];
            offsets[v] = static_cast<std::uint16_t>(out.size());
            if (IsNull(row[column.number]))
                continue;
            markPresent(column.number);
            if (!column.longValue) {
                AppendBytes(out, data[v]);
                continue;
            }
            const auto length = static_cast<std::uint32_t>(data[v].size());
            if (inlineValue[v]) {
                Append32(out, length | LongValueInline);
                Append32(out, 0);
                Append32(out, 0);
                AppendBytes(out, data[v]);
            } else {
                bool chained = false;
                const RowId first = store.store(column.number, data[v], chained);
                Append32(out, length | (chained ? 0 : LongValueSingleRow));
                Append32(out, first.packed());
                Append32(out, 0);
            }
        }
        Append16(out, static_cast<std::uint32_t>(out.size())); // end of the variable data
        for (std::size_t v = layout.varCount; v-- > 0;)
            Append16(out, offsets[v]);
        Append16(out, layout.varCount);
    }
    AppendBytes(out, nullMask);
    if (out.size() > MaxRowSize)
        return {"the row is longer than " + std::to_string(MaxRowSize) + " bytes"};
    return {};
}

} // namespace jet4
