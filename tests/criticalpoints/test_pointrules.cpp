#include "exposure/pointrules.h"

#include <gtest/gtest.h>

namespace
{

struct RuleCase {
    const char *reason;
    const char *distance;
    const char *height;
    const char *description;
    int rule;
};

class Validation : public testing::TestWithParam<RuleCase>
{
};

TEST_P(Validation, ReportsTheLastFailingRule)
{
    const RuleCase &c = GetParam();
    EXPECT_EQ(ValidatePoint(QString::fromUtf8(c.distance), QString::fromUtf8(c.height),
                            QString::fromUtf8(c.description)),
              c.rule)
        << c.reason;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Validation,
    testing::Values(
        RuleCase{"a sound point", "12,5", "-3", "Garden", PointValid},
        RuleCase{"limits themselves are allowed", "2500", "-350", "Roof", PointValid},
        RuleCase{"upper height limit allowed", "0,1", "350", "Roof", PointValid},
        RuleCase{"distance 0", "0", "1", "Garden", PointRuleNoDistance},
        RuleCase{"empty distance", "", "1", "Garden", PointRuleNoDistance},
        RuleCase{"distance not a number", "abc", "1", "Garden", PointRuleNoDistance},
        RuleCase{"negative distance", "-5", "1", "Garden", PointRuleDistance},
        RuleCase{"distance beyond 2500 m", "2500,5", "1", "Garden", PointRuleDistance},
        RuleCase{"height above 350 m", "10", "351", "Garden", PointRuleHeight},
        RuleCase{"height below -350 m", "10", "-351", "Garden", PointRuleHeight},
        RuleCase{"no description", "10", "1", "", PointRuleDescription},
        RuleCase{"blanks are no description", "10", "1", "   ", PointRuleDescription},
        RuleCase{"height rule outranks the description", "10", "351", "", PointRuleHeight},
        RuleCase{"distance range outranks the height", "-5", "351", "", PointRuleDistance},
        RuleCase{"zero distance outranks everything", "0", "351", "", PointRuleNoDistance}));

TEST(Validation, MessagesOfTheRules)
{
    EXPECT_EQ(PointRuleCaption(), QStringLiteral("Critical Test Points"));
    EXPECT_EQ(PointRuleMessage(PointRuleNoDistance),
              QStringLiteral("0 or nothing is not a valid distance ! Please enter a new value..."));
    EXPECT_EQ(PointRuleMessage(PointRuleDistance),
              QStringLiteral("Please enter a realistic \"Distance\" value..."));
    EXPECT_EQ(PointRuleMessage(PointRuleHeight),
              QStringLiteral("Please enter a realistic \"Height\" value..."));
    EXPECT_EQ(PointRuleMessage(PointRuleDescription),
              QStringLiteral("You should enter a description of the Critical Test Piont..."));
    EXPECT_EQ(PointRuleMessage(PointValid), QStringLiteral(""));
}

struct RefCase {
    const char *reason;
    QStringList refs;
    const char *next; // nullptr: an error
};

class NextReference : public testing::TestWithParam<RefCase>
{
};

TEST_P(NextReference, FollowsTheHighestNumber)
{
    const RefCase &c = GetParam();
    const TOpResult<QString> r = NextPointReference(c.refs);
    if (c.next) {
        ASSERT_TRUE(r.ok()) << c.reason << r.error.toStdString();
        EXPECT_EQ(r.value, QString::fromLatin1(c.next)) << c.reason;
    } else {
        EXPECT_FALSE(r.ok()) << c.reason;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Numbering, NextReference,
    testing::Values(
        RefCase{"no point yet", {}, "CTP_01"},
        RefCase{"leading zero below ten",
                {QStringLiteral("CTP_01"), QStringLiteral("CTP_02")},
                "CTP_03"},
        RefCase{"after CTP_09", {QStringLiteral("CTP_09")}, "CTP_10"},
        RefCase{"after CTP_99", {QStringLiteral("CTP_99"), QStringLiteral("CTP_98")}, "CTP_100"},
        RefCase{"the number counts, not the text order",
                {QStringLiteral("CTP_100"), QStringLiteral("CTP_11")},
                "CTP_101"},
        RefCase{
            "gaps are not filled", {QStringLiteral("CTP_01"), QStringLiteral("CTP_07")}, "CTP_08"},
        RefCase{"text after the last underscore", {QStringLiteral("MY_CTP_4")}, "CTP_05"},
        RefCase{"not a number", {QStringLiteral("CTP_01"), QStringLiteral("CTP_x")}, nullptr},
        RefCase{"no number at all", {QStringLiteral("CTP_")}, nullptr},
        RefCase{"no room after the highest integer", {QStringLiteral("CTP_2147483647")}, nullptr}));

} // namespace
