#include "jet4row.h"

#include "jet4text.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace jet4
{
namespace
{

constexpr std::size_t MaxCompressedMemo = 1024; // characters
constexpr std::size_t MaxLongValue = 0xFFFFFF;  // the reference holds 24 bits of length
constexpr std::uint32_t LongValueInline = 0x80000000u;
constexpr std::uint32_t LongValueSingleRow = 0x40000000u;

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
