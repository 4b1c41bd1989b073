// Index keys and index pages: keys sort as Access sorts them, the pages of a
// large key index form a complete, ordered tree, and libmdb finds the
// catalogue's rows through its indexes.
#include "jet4/jet4index.h"
#include "jet4testsupport.h"

#include <algorithm>
#include <glib.h> // before mdbtools.h, which includes it inside extern "C"
#include <mdbtools.h>
#include <set>

using namespace jet4;

namespace
{

struct KeyCase {
    const char *name;
    ColumnType type;
    Value value;
    Bytes key;
};

const KeyCase KeyCases[] = {
    {"long_one", ColumnType::Long, std::int64_t{1}, {0x7F, 0x80, 0x00, 0x00, 0x01}},
    {"long_minus_one", ColumnType::Long, std::int64_t{-1}, {0x7F, 0x7F, 0xFF, 0xFF, 0xFF}},
    {"catalogue_container",
     ColumnType::Long,
     std::int64_t{0x0F000001},
     {0x7F, 0x8F, 0x00, 0x00, 0x01}},
    {"integer", ColumnType::Integer, std::int64_t{-2}, {0x7F, 0x7F, 0xFE}},
    {"byte", ColumnType::Byte, std::int64_t{200}, {0x7F, 0xC8}},
    {"double_positive", ColumnType::Double, 1.0, {0x7F, 0xBF, 0xF0, 0, 0, 0, 0, 0, 0}},
    {"double_negative",
     ColumnType::Double,
     -1.0,
     {0x7F, 0x40, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
    {"null", ColumnType::Long, Value{}, {0x00}},
    // As an Access-made file stores the name of its catalogue table.
    {"text_general_sort_order",
     ColumnType::Text,
     std::string("MSysObjects"),
     {0x7F, 0x60, 0x6B, 0x76, 0x6B, 0x64, 0x4C, 0x5B, 0x51, 0x4D, 0x6D, 0x6B, 0x01, 0x00}},
    {"text_ignores_case",
     ColumnType::Text,
     std::string("msysOBJECTS"),
     {0x7F, 0x60, 0x6B, 0x76, 0x6B, 0x64, 0x4C, 0x5B, 0x51, 0x4D, 0x6D, 0x6B, 0x01, 0x00}},
    {"text_two_byte_codes",
     ColumnType::Text,
     std::string("a_b"),
     {0x7F, 0x4A, 0x2B, 0x03, 0x4C, 0x01, 0x00}},
};

class IndexKeys : public ::testing::TestWithParam<KeyCase>
{
};

TEST_P(IndexKeys, AsAccessStoresThem)
{
    const KeyCase &c = GetParam();
    ColumnLayout column;
    column.type = c.type;
    Bytes key;
    ASSERT_TRUE(AppendIndexKey(column, c.value, key));
    EXPECT_EQ(key, c.key);
}

INSTANTIATE_TEST_SUITE_P(Keys, IndexKeys, ::testing::ValuesIn(KeyCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Jet4IndexKeys, ByteOrderIsValueOrder)
{
    ColumnLayout real;
    real.type = ColumnType::Double;
    const double values[] = {-1e300, -180.5, -1.0, -1e-300, 0.0, 1e-300, 0.5, 2.15, 180.5, 1e300};
    Bytes previous;
    for (double v : values) {
        Bytes key;
        ASSERT_TRUE(AppendIndexKey(real, v, key));
        EXPECT_LT(previous, key) << v;
        previous = key;
    }
}

std::uint32_t Read32(const Bytes &file, std::size_t at)
{
    return file[at] | file[at + 1] << 8 | file[at + 2] << 16 | std::uint32_t{file[at + 3]} << 24;
}

std::uint16_t Read16(const Bytes &file, std::size_t at)
{
    return static_cast<std::uint16_t>(file[at] | file[at + 1] << 8);
}

// The entries of an index page, each as written (key, row pointer, child page).
std::vector<Bytes> Entries(const Bytes &file, std::uint32_t page)
{
    const std::size_t base = static_cast<std::size_t>(page) * PageSize;
    std::vector<Bytes> entries;
    std::size_t start = 0;
    for (std::size_t bit = 1; bit < (480 - 27) * 8; ++bit) {
        if (file[base + 27 + bit / 8] & (1u << (bit % 8))) {
            entries.emplace_back(file.begin() + static_cast<std::ptrdiff_t>(base + 480 + start),
                                 file.begin() + static_cast<std::ptrdiff_t>(base + 480 + bit));
            start = bit;
        }
    }
    EXPECT_EQ(Read16(file, base + 2), PageSize - 480 - start) << "free space of page " << page;
    return entries;
}

TEST(Jet4IndexPages, LargeKeyIndexIsACompleteOrderedTree)
{
    Table table = OneColumnTable("DefaultAntennaVerticalDiagramEntryTable",
                                 {"DefaultAntennaVerticalDiagramEntryPK", ColumnType::Long}, {});
    const int rows = 20200;
    for (int k = rows; k >= 1; --k) // keys in reverse order: the index sorts them
        table.rows.push_back({std::int64_t{k}});
    table.primaryKey = 0;
    Database database;
    database.tables.push_back(table);
    Bytes file;
    ASSERT_TRUE(WriteDatabase(database, file).ok());

    // The table's definition page is its catalogue id; the root of its only index
    // sits in the first real-index block after the column names.
    Database catalogue;
    ReadOptions options;
    options.systemTables = true;
    ASSERT_TRUE(ReadDatabase(file, catalogue, options).ok());
    std::uint32_t definition = 0;
    for (const auto &row : catalogue.tables[0].rows) {
        if (std::get<std::string>(row[2]) == table.name)
            definition = static_cast<std::uint32_t>(std::get<std::int64_t>(row[0]));
    }
    ASSERT_NE(definition, 0u);
    const std::size_t base = std::size_t{definition} * PageSize;
    const std::uint16_t columns = Read16(file, base + 45);
    std::size_t at = base + 63 + 12 + 25 * columns;
    for (std::uint16_t c = 0; c < columns; ++c)
        at += 2 + Read16(file, at);
    const std::uint32_t root = Read32(file, at + 38);

    // Walk down the leftmost path, then along the leaves.
    std::uint32_t page = root;
    int levels = 1;
    while (file[std::size_t{page} * PageSize] == PageIndexNode) {
        const std::vector<Bytes> entries = Entries(file, page);
        ASSERT_FALSE(entries.empty());
        const Bytes &first = entries.front();
        page = first[first.size() - 4] << 24 | first[first.size() - 3] << 16 |
               first[first.size() - 2] << 8 | first[first.size() - 1];
        ++levels;
    }
    EXPECT_GE(levels, 2);
    std::vector<std::int64_t> keys;
    std::set<std::uint32_t> rowPointers;
    std::uint32_t previous = 0;
    while (page != 0) {
        const std::size_t pageBase = std::size_t{page} * PageSize;
        EXPECT_EQ(file[pageBase], PageIndexLeaf);
        EXPECT_EQ(Read32(file, pageBase + 4), definition);
        EXPECT_EQ(Read32(file, pageBase + 12), previous);
        for (const Bytes &entry : Entries(file, page)) {
            ASSERT_EQ(entry.size(), 9u);
            keys.push_back(static_cast<std::int32_t>(
                (std::uint32_t{entry[1]} << 24 | entry[2] << 16 | entry[3] << 8 | entry[4]) ^
                0x80000000u));
            const std::uint32_t dataPage = entry[5] << 16 | entry[6] << 8 | entry[7];
            EXPECT_EQ(file[std::size_t{dataPage} * PageSize], PageData);
            EXPECT_EQ(Read32(file, std::size_t{dataPage} * PageSize + 4), definition);
            rowPointers.insert(dataPage << 8 | entry[8]);
        }
        previous = page;
        page = Read32(file, pageBase + 16);
    }
    ASSERT_EQ(keys.size(), std::size_t(rows));
    for (int k = 0; k < rows; ++k)
        ASSERT_EQ(keys[std::size_t(k)], k + 1);
    EXPECT_EQ(rowPointers.size(), std::size_t(rows));
}

TEST(Jet4IndexPages, LibmdbFindsTheCatalogueThroughItsIndexes)
{
    Database database;
    database.tables.push_back(OneColumnTable("FileTable", {"FilePK", ColumnType::Long}, {}));
    Bytes file;
    ASSERT_TRUE(WriteDatabase(database, file).ok());
    MdbHandle *mdb = mdb_open_buffer(file.data(), file.size(), MDB_NOFLAGS);
    ASSERT_NE(mdb, nullptr);
    ASSERT_NE(mdb_read_catalog(mdb, MDB_TABLE), nullptr);
    MdbTableDef *objects =
        mdb_read_table_by_name(mdb, const_cast<gchar *>("MSysObjects"), MDB_TABLE);
    ASSERT_NE(objects, nullptr);
    mdb_read_columns(objects);
    mdb_read_indices(objects);
    ASSERT_EQ(objects->num_idxs, 2u);
    for (unsigned i = 0; i < objects->num_idxs; ++i) {
        auto *index = static_cast<MdbIndex *>(g_ptr_array_index(objects->indices, i));
        MdbIndexChain chain{};
        MdbHandle *walker = mdb_clone_handle(mdb);
        mdb_read_pg(walker, index->first_pg);
        guint32 page = 0;
        guint16 row = 0;
        unsigned found = 0;
        while (mdb_index_find_next(walker, index, &chain, &page, &row))
            ++found;
        EXPECT_EQ(found, objects->num_rows) << index->name;
        mdb_close(walker);
    }
    mdb_free_tabledef(objects);
    mdb_close(mdb);
}

} // namespace
