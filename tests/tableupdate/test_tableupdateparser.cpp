#include "store/tableupdate.h"
#include "store/tableupdateparser.h"

#include <gtest/gtest.h>

namespace
{

struct SplitCase {
    const char *name;
    QString text;
    QStringList lines;
};

class SplitLines : public testing::TestWithParam<SplitCase>
{
};

TEST_P(SplitLines, BreaksAtEveryKindOfLineEnd)
{
    EXPECT_EQ(SplitUpdateLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitLines,
    testing::Values(SplitCase{"crlf",
                              QStringLiteral("a\r\nb\r\nc"),
                              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
                    SplitCase{"lf",
                              QStringLiteral("a\nb\nc"),
                              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
                    SplitCase{"cr",
                              QStringLiteral("a\rb\rc"),
                              {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
                    SplitCase{"mixed_and_blank_lines",
                              QStringLiteral("a\r\n\nb\r\rc"),
                              {QStringLiteral("a"), QStringLiteral(""), QStringLiteral("b"),
                               QStringLiteral(""), QStringLiteral("c")}},
                    SplitCase{"trailing_break_adds_no_line",
                              QStringLiteral("a\r\nb\r\n"),
                              {QStringLiteral("a"), QStringLiteral("b")}},
                    SplitCase{"empty_text", QStringLiteral(""), {}}),
    [](const testing::TestParamInfo<SplitCase> &info) { return std::string(info.param.name); });

struct ParseCase {
    const char *name;
    QStringList lines;
    bool recognised;
    int blocks;             // every <BEGIN> counts
    QStringList statements; // the statements that run, in order
};

class ParseUpdate : public testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseUpdate, FindsTheStatementsToRun)
{
    const ParseCase &c = GetParam();
    const TTableUpdateScript script = ParseTableUpdate(c.lines);
    EXPECT_EQ(script.recognised, c.recognised);
    EXPECT_EQ(script.blocks.size(), c.blocks);
    QStringList run;
    for (int i = 0; i < script.blocks.size(); ++i) {
        EXPECT_EQ(script.blocks.at(i).number, i + 1);
        if (script.blocks.at(i).closed)
            run << script.blocks.at(i).statement;
    }
    EXPECT_EQ(run, c.statements);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseUpdate,
    testing::Values(
        ParseCase{"one_block_of_two_lines",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("UPDATE t"), QStringLiteral("SET a=1"), QStringLiteral("<END>")},
                  true,
                  1,
                  {QStringLiteral("UPDATE t\nSET a=1")}},
        ParseCase{"comments_between_blocks_are_ignored",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("first change"),
                   QStringLiteral("<BEGIN>"), QStringLiteral("A"), QStringLiteral("<END>"),
                   QStringLiteral("second change"), QStringLiteral("<BEGIN>"), QStringLiteral("B"),
                   QStringLiteral("<END>"), QStringLiteral("done")},
                  true,
                  2,
                  {QStringLiteral("A"), QStringLiteral("B")}},
        ParseCase{"markers_anywhere_in_a_line",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("-- block <BEGIN> one"),
                   QStringLiteral("A"), QStringLiteral("-- <END> of one")},
                  true,
                  1,
                  {QStringLiteral("A")}},
        ParseCase{"one_line_holds_both_markers",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("A"), QStringLiteral("<END><BEGIN>"), QStringLiteral("B"),
                   QStringLiteral("<END>")},
                  true,
                  2,
                  {QStringLiteral("A"), QStringLiteral("B")}},
        ParseCase{"begin_inside_a_block_drops_the_unfinished_statement",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("lost"), QStringLiteral("<BEGIN>"), QStringLiteral("B"),
                   QStringLiteral("<END>")},
                  true,
                  2,
                  {QStringLiteral("B")}},
        ParseCase{"unclosed_last_block_does_not_run",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("A"), QStringLiteral("<END>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("B")},
                  true,
                  2,
                  {QStringLiteral("A")}},
        ParseCase{"end_outside_a_block_does_not_run_the_last_statement_again",
                  {QStringLiteral("<VLM_DB_UPDATE>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("A"), QStringLiteral("<END>"), QStringLiteral("<END>")},
                  true,
                  1,
                  {QStringLiteral("A")}},
        ParseCase{"marker_with_a_trailing_space_is_not_an_update_file",
                  {QStringLiteral("<VLM_DB_UPDATE> "), QStringLiteral("<BEGIN>"),
                   QStringLiteral("A"), QStringLiteral("<END>")},
                  false,
                  0,
                  {}},
        ParseCase{"marker_in_lower_case_is_not_an_update_file",
                  {QStringLiteral("<vlm_db_update>"), QStringLiteral("<BEGIN>"),
                   QStringLiteral("A"), QStringLiteral("<END>")},
                  false,
                  0,
                  {}},
        ParseCase{"error_page",
                  {QStringLiteral("<html>"), QStringLiteral("<BEGIN>"), QStringLiteral("A"),
                   QStringLiteral("<END>")},
                  false,
                  0,
                  {}},
        ParseCase{"empty_file", {}, false, 0, {}}),
    [](const testing::TestParamInfo<ParseCase> &info) { return std::string(info.param.name); });

TEST(DecodeUpdateFile, ReadsUtf8AndFallsBackToLatin1)
{
    EXPECT_EQ(DecodeUpdateFile("Li\xc3\xa8ge"), QStringLiteral("Li\u00e8ge"));
    EXPECT_EQ(DecodeUpdateFile("Li\xe8ge"), QStringLiteral("Li\u00e8ge"));
}

TEST(TableUpdateFileName, FollowsTheDatabaseVersion)
{
    const struct {
        const char *version;
        const char *path;
    } cases[] = {
        {"7", "/vlmupdates/VlmTblUpdate8.txt"},
        {"0", "/vlmupdates/VlmTblUpdate1.txt"},
        {" 12 ", "/vlmupdates/VlmTblUpdate13.txt"},
        {"abc", "/vlmupdates/VlmTblUpdate1.txt"},
        {"", "/vlmupdates/VlmTblUpdate1.txt"},
        {"7,5", "/vlmupdates/VlmTblUpdate1.txt"},
        {"99999999999", "/vlmupdates/VlmTblUpdate1.txt"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TableUpdateServerPath(QString::fromLatin1(c.version)),
                  QString::fromLatin1(c.path))
            << c.version;
}

} // namespace
