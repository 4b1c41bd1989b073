#include "jet4reader.h"

#include <cstring>
#include <memory>

// mdbtools.h includes glib.h inside its extern "C" block, which breaks glib's
// C++ parts unless glib comes first.
#include <glib.h>
#include <mdbtools.h>

namespace jet4
{
namespace
{

constexpr std::size_t TextBufferSize = 1 << 20; // longest memo text read, in UTF-8 bytes
constexpr unsigned RowFlagMask = 0xC000;
constexpr unsigned RowSkipped = 0x4000; // deleted or moved rows, as libmdb's own scan skips them

struct HandleCloser {
    void operator()(MdbHandle *mdb) const { mdb_close(mdb); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;

struct TableCloser {
    void operator()(MdbTableDef *table) const { mdb_free_tabledef(table); }
};
using TableHandle = std::unique_ptr<MdbTableDef, TableCloser>;

struct GFree {
    void operator()(char *text) const { g_free(text); }
};

bool TypeOf(int mdbType, ColumnType &type)
{
    switch (mdbType) {
    case MDB_BOOL:
        type = ColumnType::Boolean;
        return true;
    case MDB_BYTE:
        type = ColumnType::Byte;
        return true;
    case MDB_INT:
        type = ColumnType::Integer;
        return true;
    case MDB_LONGINT:
        type = ColumnType::Long;
        return true;
    case MDB_MONEY:
        type = ColumnType::Currency;
        return true;
    case MDB_FLOAT:
        type = ColumnType::Single;
        return true;
    case MDB_DOUBLE:
    case MDB_NUMERIC:
        type = ColumnType::Double;
        return true;
    case MDB_DATETIME:
        type = ColumnType::DateTime;
        return true;
    case MDB_BINARY:
        type = ColumnType::Binary;
        return true;
    case MDB_TEXT:
        type = ColumnType::Text;
        return true;
    case MDB_OLE:
        type = ColumnType::OLE;
        return true;
    case MDB_MEMO:
        type = ColumnType::Memo;
        return true;
    case MDB_REPID:
        type = ColumnType::Guid;
        return true;
    default:
        return false;
    }
}

template <typename T> T Raw(const unsigned char *at)
{
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

std::string OwnedText(char *text)
{
    std::unique_ptr<char, GFree> owner(text);
    return text ? std::string(text) : std::string();
}

Value FieldValue(MdbHandle *mdb, MdbColumn *column, const MdbField &field)
{
    if (column->col_type == MDB_BOOL)
        return std::int64_t{field.is_null ? 0 : 1};
    if (field.is_null)
        return {};
    const auto *buffer = static_cast<const unsigned char *>(mdb->pg_buf);
    const unsigned char *at = buffer + field.start;
    switch (column->col_type) {
    case MDB_BYTE:
        return std::int64_t{at[0]};
    case MDB_INT:
        return std::int64_t{Raw<std::int16_t>(at)};
    case MDB_LONGINT:
        return std::int64_t{Raw<std::int32_t>(at)};
    case MDB_MONEY:
        return static_cast<double>(Raw<std::int64_t>(at)) / 10000.0;
    case MDB_FLOAT:
        return static_cast<double>(Raw<float>(at));
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return Raw<double>(at);
    case MDB_NUMERIC:
        return std::stod(OwnedText(
            mdb_numeric_to_string(mdb, field.start, column->col_scale, column->col_prec)));
    case MDB_BINARY:
    case MDB_REPID:
        return Bytes(at, at + field.siz);
    case MDB_TEXT: {
        std::string text(static_cast<std::size_t>(field.siz) * 4 + 4, '\0');
        const int length =
            mdb_unicode2ascii(mdb, reinterpret_cast<const char *>(at),
                              static_cast<std::size_t>(field.siz), text.data(), text.size());
        text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
        return text;
    }
    case MDB_MEMO:
        return OwnedText(mdb_col_to_string(mdb, mdb->pg_buf, field.start, MDB_MEMO, field.siz));
    case MDB_OLE: {
        // libmdb reads long binaries through the column's bound buffer, which
        // starts with the 12-byte reference of the row. A value kept in the row
        // itself is found through the column's current value, which only
        // libmdb's own row fetch sets: set it here, or a stale one is used.
        std::unique_ptr<char[]> bound(new char[TextBufferSize]);
        std::memcpy(bound.get(), at, 12);
        column->bind_ptr = bound.get();
        column->cur_value_start = field.start;
        column->cur_value_len = field.siz;
        std::size_t size = 0;
        void *data = mdb_ole_read_full(mdb, column, &size);
        column->bind_ptr = nullptr;
        Bytes bytes;
        if (data) {
            bytes.assign(static_cast<unsigned char *>(data),
                         static_cast<unsigned char *>(data) + size);
            free(data);
        }
        return bytes;
    }
    default:
        return {};
    }
}

Status ReadRows(MdbHandle *mdb, MdbTableDef *table, Table &out)
{
    std::unique_ptr<MdbField[]> fields(new MdbField[table->num_cols]);
    mdb_rewind_table(table);
    while (mdb_read_next_dpg(table)) {
        const int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
        for (int r = 0; r < rows; ++r) {
            int start = 0;
            size_t length = 0;
            if (mdb_find_row(mdb, r, &start, &length) != 0 || length == 0)
                continue;
            if ((static_cast<unsigned>(start) & RowFlagMask) & RowSkipped)
                continue;
            const int count = mdb_crack_row(table, start & 0x1FFF, length, fields.get());
            if (count < 0)
                return {"table \"" + out.name + "\": a row cannot be read"};
            std::vector<Value> row(out.columns.size());
            for (unsigned i = 0; i < table->num_cols; ++i) {
                const MdbField &field = fields[i];
                auto *column =
                    static_cast<MdbColumn *>(g_ptr_array_index(table->columns, field.colnum));
                row[static_cast<std::size_t>(field.colnum)] = FieldValue(mdb, column, field);
            }
            out.rows.push_back(std::move(row));
        }
    }
    return {};
}

Status ReadTable(MdbHandle *mdb, MdbCatalogEntry *entry, Table &out)
{
    TableHandle table(mdb_read_table(entry));
    out.name = entry->object_name;
    if (!table || !mdb_read_columns(table.get()))
        return {"table \"" + out.name + "\" cannot be read"};
    mdb_read_indices(table.get());
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto *source = static_cast<MdbColumn *>(g_ptr_array_index(table->columns, i));
        Column column;
        column.name = source->name;
        if (!TypeOf(source->col_type, column.type))
            return {"table \"" + out.name + "\", column \"" + column.name +
                    "\": a column type this program does not know"};
        if (column.type == ColumnType::Text)
            column.size = static_cast<std::uint16_t>(source->col_size / (IS_JET3(mdb) ? 1 : 2));
        else if (column.type == ColumnType::Binary)
            column.size = static_cast<std::uint16_t>(source->col_size);
        column.autoNumber = source->is_long_auto != 0;
        out.columns.push_back(column);
    }
    for (unsigned i = 0; table->indices && i < table->num_idxs; ++i) {
        auto *index = static_cast<MdbIndex *>(g_ptr_array_index(table->indices, i));
        if (index->index_type == 1 && index->num_keys == 1)
            out.primaryKey = static_cast<std::size_t>(index->key_col_num[0] - 1);
    }
    return ReadRows(mdb, table.get(), out);
}

Status ReadOpened(MdbHandle *opened, Database &database, const ReadOptions &options)
{
    Handle mdb(opened);
    database = Database{};
    if (!mdb)
        return {"not an Access database"};
    mdb_set_bind_size(mdb.get(), TextBufferSize);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE))
        return {"the catalogue of the Access database cannot be read"};
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto *entry = static_cast<MdbCatalogEntry *>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !(options.systemTables || mdb_is_user_table(entry)))
            continue;
        Table table;
        if (Status status = ReadTable(mdb.get(), entry, table); !status.ok())
            return status;
        database.tables.push_back(std::move(table));
    }
    return {};
}

} // namespace

Status ReadDatabase(const std::string &path, Database &database, const ReadOptions &options)
{
    return ReadOpened(mdb_open(path.c_str(), MDB_NOFLAGS), database, options);
}

Status ReadDatabase(const Bytes &file, Database &database, const ReadOptions &options)
{
    // libmdb reads the buffer in place and does not write to it.
    return ReadOpened(
        mdb_open_buffer(const_cast<std::uint8_t *>(file.data()), file.size(), MDB_NOFLAGS),
        database, options);
}

} // namespace jet4
