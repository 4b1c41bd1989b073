// Values written by the Jet 4 writer read back through libmdb exactly, for every
// column type, at the edges of each type and in every form a long value takes.
#include "jet4testsupport.h"

#include <cmath>

using namespace jet4;

namespace
{

struct ValueCase {
    const char *name;
    Column column;
    Value written;
    Value expected;
};

std::string Repeat(const std::string &piece, std::size_t times)
{
    std::string out;
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

Bytes Pattern(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    return bytes;
}

const std::string LongMemo = Repeat("Mast on the roof, \"east\" side; é ë ø.\r\n", 300);

const ValueCase Cases[] = {
    {"yes", {"Flag", ColumnType::Boolean}, std::int64_t{1}, std::int64_t{1}},
    {"no", {"Flag", ColumnType::Boolean}, std::int64_t{0}, std::int64_t{0}},
    {"yes_no_null_reads_as_no", {"Flag", ColumnType::Boolean}, Value{}, std::int64_t{0}},
    {"byte_top", {"B", ColumnType::Byte}, std::int64_t{255}, std::int64_t{255}},
    {"integer_bottom", {"I", ColumnType::Integer}, std::int64_t{-32768}, std::int64_t{-32768}},
    {"long_bottom", {"L", ColumnType::Long}, std::int64_t{INT32_MIN}, std::int64_t{INT32_MIN}},
    {"long_top", {"L", ColumnType::Long}, std::int64_t{INT32_MAX}, std::int64_t{INT32_MAX}},
    {"long_null", {"L", ColumnType::Long}, Value{}, Value{}},
    {"currency_four_decimals", {"C", ColumnType::Currency}, 1234.56789, 1234.5679},
    {"single_rounds_to_float", {"S", ColumnType::Single}, 0.1, double(0.1f)},
    {"double_exact", {"D", ColumnType::Double}, -180.5, -180.5},
    {"double_tiny", {"D", ColumnType::Double}, 4.9406564584124654e-324, 4.9406564584124654e-324},
    {"double_from_integer", {"D", ColumnType::Double}, std::int64_t{360}, 360.0},
    {"date", {"When", ColumnType::DateTime}, 45292.75, 45292.75},
    {"text_plain",
     {"T", ColumnType::Text, 255},
     std::string("RADIOAMATEUR"),
     std::string("RADIOAMATEUR")},
    {"text_empty_is_not_null", {"T", ColumnType::Text, 10}, std::string(), std::string()},
    {"text_quotes_and_accents",
     {"T", ColumnType::Text, 255},
     std::string("Jan \"Peeters\" 'é ë ø'"),
     std::string("Jan \"Peeters\" 'é ë ø'")},
    {"text_beyond_latin1_mixed_runs",
     {"T", ColumnType::Text, 255},
     std::string("Ω-band € 10 GHz — ok"),
     std::string("Ω-band € 10 GHz — ok")},
    {"text_low_byte_zero_stays_plain",
     {"T", ColumnType::Text, 255},
     std::string("Ā and Ȁ"),
     std::string("Ā and Ȁ")},
    {"text_starting_with_byte_order_mark",
     {"T", ColumnType::Text, 255},
     std::string("\xEF\xBB\xBF"
                 "x"),
     std::string("\xEF\xBB\xBF"
                 "x")},
    {"text_full_length", {"T", ColumnType::Text, 255}, Repeat("ø", 255), Repeat("ø", 255)},
    {"memo_inline",
     {"M", ColumnType::Memo},
     std::string("Line one\r\nLine two"),
     std::string("Line one\r\nLine two")},
    {"memo_on_a_long_value_page",
     {"M", ColumnType::Memo},
     Repeat("Sixty-four bytes or more. ", 20),
     Repeat("Sixty-four bytes or more. ", 20)},
    {"memo_over_several_pages", {"M", ColumnType::Memo}, LongMemo, LongMemo},
    {"memo_empty", {"M", ColumnType::Memo}, std::string(), std::string()},
    {"binary", {"Bin", ColumnType::Binary, 100}, Pattern(100), Pattern(100)},
    {"ole_inline", {"Ole", ColumnType::OLE}, Pattern(6), Pattern(6)},
    {"ole_on_a_long_value_page", {"Ole", ColumnType::OLE}, Pattern(500), Pattern(500)},
    {"ole_over_several_pages", {"Ole", ColumnType::OLE}, Pattern(20000), Pattern(20000)},
    {"guid", {"G", ColumnType::Guid}, Pattern(16), Pattern(16)},
};

class ValueRoundTrip : public ::testing::TestWithParam<ValueCase>
{
};

TEST_P(ValueRoundTrip, ReadsBackAsWritten)
{
    const ValueCase &c = GetParam();
    Database database;
    database.tables.push_back(OneColumnTable("Values", c.column, {c.written}));
    const Database back = RoundTrip(database);
    ASSERT_EQ(back.tables.size(), 1u);
    const Table &table = back.tables[0];
    ASSERT_EQ(table.columns.size(), 1u);
    EXPECT_EQ(table.columns[0].type, c.column.type);
    ASSERT_EQ(table.rows.size(), 1u);
    const Value &read = table.rows[0][0];
    if (const auto *expected = std::get_if<double>(&c.expected)) {
        const auto *got = std::get_if<double>(&read);
        ASSERT_NE(got, nullptr) << Describe(read);
        if (c.column.type == ColumnType::Currency)
            EXPECT_NEAR(*got, *expected, 1e-9);
        else
            EXPECT_EQ(*got, *expected);
    } else {
        EXPECT_EQ(read, c.expected) << Describe(read) << " for " << Describe(c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, ValueRoundTrip, ::testing::ValuesIn(Cases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Jet4RoundTrip, TableKeepsColumnsKeyAndRowOrder)
{
    Table table;
    table.name = "DefaultAntennaTable";
    table.columns = {{"DefaultAntennaPK", ColumnType::Long},
                     {"DefaultAntennaType", ColumnType::Text, 255},
                     {"DefaultAntennaGaindB", ColumnType::Double},
                     {"Counter", ColumnType::Long, 0, true}};
    table.primaryKey = 0;
    for (int n = 3; n >= 1; --n)
        table.rows.push_back({std::int64_t{n}, std::string("Type ") + std::to_string(n), 2.15 * n,
                              std::int64_t{10 + n}});
    Database database;
    database.tables.push_back(table);
    const Database back = RoundTrip(database);
    ASSERT_EQ(back.tables.size(), 1u);
    const Table &read = back.tables[0];
    EXPECT_EQ(read.name, "DefaultAntennaTable");
    ASSERT_EQ(read.columns.size(), 4u);
    EXPECT_EQ(read.columns[1].name, "DefaultAntennaType");
    EXPECT_EQ(read.columns[1].size, 255);
    EXPECT_TRUE(read.columns[3].autoNumber);
    ASSERT_TRUE(read.primaryKey.has_value());
    EXPECT_EQ(*read.primaryKey, 0u);
    EXPECT_EQ(read.rows, table.rows);
}

// Many rows fill many data pages, long values many long-value pages, and the key
// index needs intermediate pages.
TEST(Jet4RoundTrip, ManyRowsOverManyPages)
{
    Table table;
    table.name = "DefaultAntennaVerticalDiagramEntryTable";
    table.columns = {{"DefaultAntennaVerticalDiagramEntryPK", ColumnType::Long},
                     {"DefaultAntennaFK", ColumnType::Long},
                     {"FromAngle", ColumnType::Double},
                     {"Note", ColumnType::Memo}};
    table.primaryKey = 0;
    for (int k = 1; k <= 6000; ++k) {
        Value note = k % 97 == 0 ? Value{Repeat("n", 200 + k % 300)} : Value{};
        table.rows.push_back({std::int64_t{k}, std::int64_t{(k - 1) / 202 + 1}, -0.5 * k, note});
    }
    Database database;
    database.tables.push_back(table);
    const Database back = RoundTrip(database);
    ASSERT_EQ(back.tables.size(), 1u);
    EXPECT_EQ(back.tables[0].rows, table.rows);
}

// 150 columns take more than one table definition page.
TEST(Jet4RoundTrip, WideTableDefinitionRunsOverSeveralPages)
{
    Table table;
    table.name = "WideTable";
    std::vector<Value> row;
    for (int c = 0; c < 150; ++c) {
        table.columns.push_back(
            {"Measurement" + std::to_string(c), c % 3 ? ColumnType::Long : ColumnType::Text, 20});
        row.push_back(c % 3 ? Value{std::int64_t{c}} : Value{"v" + std::to_string(c)});
    }
    table.rows.push_back(row);
    Database database;
    database.tables.push_back(table);
    const Database back = RoundTrip(database);
    ASSERT_EQ(back.tables.size(), 1u);
    ASSERT_EQ(back.tables[0].columns.size(), 150u);
    EXPECT_EQ(back.tables[0].columns[149].name, "Measurement149");
    EXPECT_EQ(back.tables[0].rows, table.rows);
}

TEST(Jet4RoundTrip, EmptyDatabaseHasOnlySystemTables)
{
    const Database back = RoundTrip(Database{});
    EXPECT_TRUE(back.tables.empty());
}

} // namespace
