// Random schemas and rows: whatever the writer accepts reads back through libmdb
// with the same tables, columns and rows.
#include "jet4/jet4reader.h"
#include "jet4/jet4writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

using namespace jet4;

namespace
{

class Input
{
public:
    Input(const std::uint8_t *data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : word() % n; }
    std::uint32_t word()
    {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = v << 8 | byte();
        return v;
    }
    std::int64_t signedWord() { return static_cast<std::int32_t>(word()); }
    double real()
    {
        std::uint64_t bits = std::uint64_t{word()} << 32 | word();
        double d = 0;
        std::memcpy(&d, &bits, 8);
        return std::isfinite(d) ? d : static_cast<double>(signedWord()) / 7.0;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

const ColumnType Types[] = {ColumnType::Boolean, ColumnType::Byte,     ColumnType::Integer,
                            ColumnType::Long,    ColumnType::Currency, ColumnType::Single,
                            ColumnType::Double,  ColumnType::DateTime, ColumnType::Binary,
                            ColumnType::Text,    ColumnType::OLE,      ColumnType::Memo,
                            ColumnType::Guid};

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Characters of the Basic Multilingual Plane but U+0000 and the surrogates,
// mostly ASCII and Latin-1 so that every storage form comes up.
std::string Text(Input &in, std::size_t length)
{
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t kind = in.byte() % 8;
        char32_t c = kind < 4   ? 0x20 + in.below(0x5F)
                     : kind < 6 ? 0xA0 + in.below(0x60)
                                : 0x100 + in.below(0xD700);
        if (c == 0xFEFF && i == 0)
            c = 'x';
        AppendUtf8(out, c);
    }
    return out;
}

std::string Name(Input &in, const char *prefix, std::size_t n)
{
    return prefix + std::to_string(n) + std::string(in.below(3), 'x');
}

Value RandomValue(Input &in, const Column &column, std::size_t row, bool key)
{
    if (!key && in.below(6) == 0)
        return {};
    switch (column.type) {
    case ColumnType::Boolean:
        return std::int64_t{in.below(2)};
    case ColumnType::Byte:
        return std::int64_t(key ? row : in.below(256));
    case ColumnType::Integer:
        return std::int64_t(key ? std::int64_t(row) - 100 : std::int16_t(in.word()));
    case ColumnType::Long:
        return key ? std::int64_t(row) * 3 - 50 : in.signedWord();
    case ColumnType::Currency:
        return key ? double(row) / 4 : double(in.signedWord()) / 100.0;
    case ColumnType::Single:
        return key ? double(row) : double(float(in.signedWord() / 3.0));
    case ColumnType::Double:
    case ColumnType::DateTime:
        return key ? double(row) - 0.5 : in.real();
    case ColumnType::Text: {
        if (key)
            return "k" + std::to_string(row);
        return Text(in, in.below(column.size + 1u));
    }
    case ColumnType::Memo: {
        const std::uint32_t size = in.below(8) == 0 ? in.below(6000) : in.below(80);
        return Text(in, size);
    }
    case ColumnType::Binary:
    case ColumnType::OLE:
    case ColumnType::Guid: {
        const std::size_t size = column.type == ColumnType::Guid     ? 16
                                 : column.type == ColumnType::Binary ? in.below(column.size + 1u)
                                                                     : in.below(9000);
        Bytes bytes(size);
        for (auto &b : bytes)
            b = in.byte();
        return bytes;
    }
    }
    return {};
}

// What libmdb gives back for a written value.
Value Expected(const Column &column, const Value &value)
{
    if (column.type == ColumnType::Boolean) {
        const auto *i = std::get_if<std::int64_t>(&value);
        return std::int64_t{i && *i != 0 ? 1 : 0};
    }
    if (IsNull(value))
        return {};
    const double real =
        std::holds_alternative<double>(value)
            ? std::get<double>(value)
            : double(std::holds_alternative<std::int64_t>(value) ? std::get<std::int64_t>(value)
                                                                 : 0);
    switch (column.type) {
    case ColumnType::Currency:
        return static_cast<double>(std::llround(real * 10000.0)) / 10000.0;
    case ColumnType::Single:
        return static_cast<double>(static_cast<float>(real));
    case ColumnType::Double:
    case ColumnType::DateTime:
        return real;
    default:
        return value;
    }
}

// A value in a few words, for the message of a mismatch.
std::string Describe(const Value &value)
{
    if (IsNull(value))
        return "null";
    if (const auto *i = std::get_if<std::int64_t>(&value))
        return "integer " + std::to_string(*i);
    if (const auto *d = std::get_if<double>(&value)) {
        char text[40];
        std::snprintf(text, sizeof text, "real %.17g", *d);
        return text;
    }
    if (const auto *s = std::get_if<std::string>(&value))
        return "text of " + std::to_string(s->size()) + " bytes";
    return "bytes: " + std::to_string(std::get<Bytes>(value).size());
}

[[noreturn]] void Mismatch(const char *what, const std::string &where)
{
    std::fprintf(stderr, "read back differs: %s (%s)\n", what, where.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Input in(data, size);
    Database database;
    const std::uint32_t tables = 1 + in.below(3);
    for (std::uint32_t t = 0; t < tables; ++t) {
        Table table;
        table.name = Name(in, "Table", t);
        const std::uint32_t columns = 1 + in.below(12);
        for (std::uint32_t c = 0; c < columns; ++c) {
            Column column;
            column.name = Name(in, "Col", c);
            column.type = Types[in.below(sizeof Types / sizeof Types[0])];
            if (column.type == ColumnType::Text)
                column.size = static_cast<std::uint16_t>(1 + in.below(255));
            if (column.type == ColumnType::Binary)
                column.size = static_cast<std::uint16_t>(1 + in.below(255));
            table.columns.push_back(column);
        }
        const std::uint32_t key = in.below(columns + 1);
        if (key < columns) {
            const ColumnType type = table.columns[key].type;
            if (type == ColumnType::Long || type == ColumnType::Text ||
                type == ColumnType::Double || type == ColumnType::Integer ||
                type == ColumnType::Currency)
                table.primaryKey = key;
        }
        const std::uint32_t rows = in.below(4) == 0 ? in.below(1500) : in.below(30);
        for (std::uint32_t r = 0; r < rows; ++r) {
            std::vector<Value> row;
            for (std::uint32_t c = 0; c < columns; ++c)
                row.push_back(RandomValue(in, table.columns[c], r, table.primaryKey == c));
            table.rows.push_back(std::move(row));
        }
        database.tables.push_back(std::move(table));
    }

    Bytes file;
    if (!WriteDatabase(database, file).ok())
        return 0; // refused with a message: nothing was written
    Database back;
    const Status read = ReadDatabase(file, back);
    if (!read.ok())
        Mismatch("libmdb cannot read the file", read.error);
    if (back.tables.size() != database.tables.size())
        Mismatch("table count", "");
    for (std::size_t t = 0; t < database.tables.size(); ++t) {
        const Table &written = database.tables[t];
        const Table &readTable = back.tables[t];
        if (readTable.name != written.name || readTable.columns.size() != written.columns.size())
            Mismatch("table", written.name);
        if (readTable.primaryKey != written.primaryKey)
            Mismatch("primary key", written.name);
        for (std::size_t c = 0; c < written.columns.size(); ++c) {
            const Column &w = written.columns[c];
            const Column &r = readTable.columns[c];
            if (r.name != w.name || r.type != w.type ||
                ((w.type == ColumnType::Text || w.type == ColumnType::Binary) && r.size != w.size))
                Mismatch("column", written.name + "." + w.name);
        }
        if (readTable.rows.size() != written.rows.size())
            Mismatch("row count", written.name);
        for (std::size_t r = 0; r < written.rows.size(); ++r) {
            for (std::size_t c = 0; c < written.columns.size(); ++c) {
                const Value expected = Expected(written.columns[c], written.rows[r][c]);
                if (readTable.rows[r][c] != expected)
                    Mismatch("value", written.name + " row " + std::to_string(r + 1) + " column " +
                                          written.columns[c].name + " of type " +
                                          std::to_string(int(written.columns[c].type)) +
                                          ": wrote " + Describe(expected) + ", read " +
                                          Describe(readTable.rows[r][c]));
            }
        }
    }
    return 0;
}
