// What the writer refuses, with a message that names the table, row and column.
#include "jet4testsupport.h"

#include <cmath>
#include <functional>

using namespace jet4;

namespace
{

struct RefusalCase {
    const char *name;
    std::function<Database()> database;
    const char *message; // part of the error text
};

Database WithTable(Table table)
{
    Database database;
    database.tables.push_back(std::move(table));
    return database;
}

Table KeyTable(std::vector<Value> keys)
{
    Table table = OneColumnTable("File4BTable", {"AntennaPK", ColumnType::Long}, std::move(keys));
    table.primaryKey = 0;
    return table;
}

const RefusalCase Cases[] = {
    {"table_name_empty",
     [] {
         return WithTable(OneColumnTable("", {"A", ColumnType::Long}, {}));
     },
     "a name is empty"},
    {"table_name_with_a_dot",
     [] {
         return WithTable(OneColumnTable("File.Table", {"A", ColumnType::Long}, {}));
     },
     "holds a character Access does not allow"},
    {"table_name_outside_plain_ascii",
     [] {
         return WithTable(OneColumnTable("Tàble", {"A", ColumnType::Long}, {}));
     },
     "may hold only ASCII letters"},
    {"table_name_of_the_system",
     [] {
         return WithTable(OneColumnTable("msysObjects", {"A", ColumnType::Long}, {}));
     },
     "reserved for system tables"},
    {"table_name_too_long",
     [] {
         return WithTable(OneColumnTable(std::string(65, 'T'), {"A", ColumnType::Long}, {}));
     },
     "longer than 64 characters"},
    {"two_tables_same_name_in_other_case",
     [] {
         Database database = WithTable(OneColumnTable("FileTable", {"A", ColumnType::Long}, {}));
         database.tables.push_back(OneColumnTable("FILETABLE", {"A", ColumnType::Long}, {}));
         return database;
     },
     "two tables are named \"FILETABLE\""},
    {"no_columns",
     [] {
         return WithTable(Table{"FileTable", {}, {}, {}});
     },
     "at least one column"},
    {"two_columns_same_name",
     [] {
         Table table = OneColumnTable("FileTable", {"FilePK", ColumnType::Long}, {});
         table.columns.push_back({"filepk", ColumnType::Text});
         return WithTable(table);
     },
     "two columns are named \"filepk\""},
    {"row_with_too_few_values",
     [] {
         Table table = OneColumnTable("FileTable", {"FilePK", ColumnType::Long}, {});
         table.rows.push_back({});
         return WithTable(table);
     },
     "row 1 has 0 values for 1 columns"},
    {"text_column_over_255",
     [] {
         return WithTable(OneColumnTable("FileTable", {"Note", ColumnType::Text, 256}, {}));
     },
     "longer than 255 characters"},
    {"counter_that_is_not_long",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"Nr", ColumnType::Double, 0, true}, {std::int64_t{1}}));
     },
     "only a Long Integer can count"},
    {"duplicate_key",
     [] {
         return WithTable(KeyTable({std::int64_t{1}, std::int64_t{1}}));
     },
     "row 2: the key of \"AntennaPK\" repeats an earlier row's"},
    {"empty_key",
     [] {
         return WithTable(KeyTable({std::int64_t{1}, Value{}}));
     },
     "row 2: the key \"AntennaPK\" is empty"},
    {"key_of_a_type_without_index",
     [] {
         Table table = OneColumnTable("FileTable", {"Note", ColumnType::Memo}, {});
         table.primaryKey = 0;
         return WithTable(table);
     },
     "cannot be a primary key"},
    {"text_key_with_a_hyphen",
     [] {
         Table table =
             OneColumnTable("FileTable", {"Ref", ColumnType::Text}, {std::string("Loc01-Ant02")});
         table.primaryKey = 0;
         return WithTable(table);
     },
     "holds a value that cannot be indexed"},
    {"long_out_of_range",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"FilePK", ColumnType::Long}, {std::int64_t{1} << 31}));
     },
     "table \"FileTable\", row 1: column \"FilePK\": the number 2147483648 is out of range"},
    {"byte_below_zero",
     [] {
         return WithTable(OneColumnTable("FileTable", {"B", ColumnType::Byte}, {std::int64_t{-1}}));
     },
     "out of range"},
    {"text_in_a_number_column",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"Gain", ColumnType::Double}, {std::string("2,15")}));
     },
     "column \"Gain\": a number is expected"},
    {"not_a_number",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"Gain", ColumnType::Double}, {std::nan("")}));
     },
     "a number is expected"},
    {"number_in_a_text_column",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"Zip", ColumnType::Text}, {std::int64_t{2000}}));
     },
     "a text is expected"},
    {"text_too_long",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"Zip", ColumnType::Text, 4}, {std::string("20000")}));
     },
     "the text is longer than 4 characters"},
    {"text_not_utf8",
     [] {
         return WithTable(
             OneColumnTable("FileTable", {"Zip", ColumnType::Text}, {std::string("\xC3\x28")}));
     },
     "not valid UTF-8"},
    {"guid_of_wrong_size",
     [] {
         return WithTable(OneColumnTable("FileTable", {"G", ColumnType::Guid}, {Bytes(15)}));
     },
     "16 bytes are expected"},
    {"row_too_long",
     [] {
         Table table;
         table.name = "FileTable";
         std::vector<Value> row;
         for (int i = 0; i < 9; ++i) {
             table.columns.push_back({"T" + std::to_string(i), ColumnType::Text, 255});
             std::string omegas; // two bytes each, in any form
             for (int k = 0; k < 255; ++k)
                 omegas += "\xCE\xA9";
             row.push_back(omegas);
         }
         table.rows.push_back(row);
         return WithTable(table);
     },
     "the row is longer than 4060 bytes"},
};

class WriterRefuses : public ::testing::TestWithParam<RefusalCase>
{
};

TEST_P(WriterRefuses, WithAClearMessage)
{
    const RefusalCase &c = GetParam();
    Bytes file{1, 2, 3};
    const Status status = WriteDatabase(c.database(), file);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error.find(c.message), std::string::npos) << status.error;
}

INSTANTIATE_TEST_SUITE_P(Cases, WriterRefuses, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Jet4Reader, RefusesWhatIsNotAnAccessFile)
{
    Database database;
    const Status notAccess = ReadDatabase(Bytes(8192, 0x41), database);
    EXPECT_FALSE(notAccess.ok());
    EXPECT_EQ(notAccess.error, "not an Access database");
    const Status missing = ReadDatabase(std::string("/nonexistent/Empty_Vlm.mdb"), database);
    EXPECT_FALSE(missing.ok());
}

} // namespace
