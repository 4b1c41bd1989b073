#include "store/jetliterals.h"
#include "store/nameproposals.h"

#include <gtest/gtest.h>

namespace
{

struct ProposalCase {
    const char *why;
    std::optional<QString> greatest;
    QString expected; // empty: the proposal must fail
};

TEST(NextSiteNameRule, ProposesTheFollowingTwoDigitNumber)
{
    const ProposalCase cases[] = {
        {"first site of an owner", std::nullopt, "Location_01"},
        {"leading zero kept below ten", QString("Location_01"), "Location_02"},
        {"no leading zero from ten on", QString("Location_09"), "Location_10"},
        {"two digits carry on", QString("Location_42"), "Location_43"},
        {"name without underscore is its own number", QString("7"), "Location_08"},
        {"only the text after the last underscore counts", QString("My_Site_05"), "Location_06"},
        {"not ending in a number", QString("Location_A"), ""},
        {"empty after the underscore", QString("Location_"), ""},
        {"sign is not a number", QString("Location_-3"), ""},
        {"blank in the number", QString("Location_ 3"), ""},
        {"a hundredth site cannot be numbered", QString("Location_99"), ""},
    };
    for (const ProposalCase &c : cases) {
        const TNameProposal p = ProposeSiteName(c.greatest);
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(p.ok()) << c.why;
            EXPECT_FALSE(p.error.isEmpty()) << c.why;
            EXPECT_TRUE(p.name.isEmpty()) << c.why;
        } else {
            EXPECT_TRUE(p.ok()) << c.why << ": " << p.error.toStdString();
            EXPECT_EQ(p.name, c.expected) << c.why;
        }
    }
}

TEST(NextPlacementRefRule, ProposesTheFollowingReference)
{
    struct Case {
        const char *why;
        QString siteName;
        std::optional<QString> greatest;
        QString expected; // empty: must fail
    };
    const Case cases[] = {
        {"site without placements", "Location_03", std::nullopt, "Loc03-Ant01"},
        {"site name without underscore", "Roof", std::nullopt, "LocRoof-Ant01"},
        {"next number", "Location_07", QString("Loc07-Ant02"), "Loc07-Ant03"},
        {"ten without leading zero", "Location_03", QString("Loc03-Ant09"), "Loc03-Ant10"},
        {"prefix is the greatest reference's", "Location_03", QString("Loc01-Ant04"),
         "Loc01-Ant05"},
        {"split at the last of A, n, t", "Location_01", QString("Ant5"), "Ant06"},
        {"no split letter: whole text is the number", "Location_01", QString("12"), "13"},
        {"letters are case-sensitive", "Location_01", QString("LOC01-ANT02"), ""},
        {"not ending in a number", "Location_01", QString("Loc01-Ant0x"), ""},
        {"nothing after the split point", "Location_01", QString("Loc01-Ant"), ""},
        {"a hundredth placement cannot be numbered", "Location_01", QString("Loc01-Ant99"), ""},
    };
    for (const Case &c : cases) {
        const TNameProposal p = ProposePlacementRef(c.siteName, c.greatest);
        if (c.expected.isEmpty()) {
            EXPECT_FALSE(p.ok()) << c.why;
            EXPECT_FALSE(p.error.isEmpty()) << c.why;
        } else {
            EXPECT_TRUE(p.ok()) << c.why << ": " << p.error.toStdString();
            EXPECT_EQ(p.name, c.expected) << c.why;
        }
    }
}

TEST(PlacementListText, JoinsWithCommaAndAmpersand)
{
    EXPECT_EQ(JoinPlacementRefs({}), QString());
    EXPECT_EQ(JoinPlacementRefs({"Loc01-Ant01"}), QString("Loc01-Ant01"));
    EXPECT_EQ(JoinPlacementRefs({"A", "B"}), QString("A & B."));
    EXPECT_EQ(JoinPlacementRefs({"A", "B", "C"}), QString("A, B & C."));
}

TEST(BandCenterRounding, OneDecimalHalvesToEven)
{
    const struct {
        double in;
        double out;
    } cases[] = {
        {145.0, 145.0}, {3.65, 3.6},    {0.25, 0.2},       {0.75, 0.8}, {0.35, 0.4},
        {1.905, 1.9},   {14.175, 14.2}, {1296.04, 1296.0}, {0.0, 0.0},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(RoundBandCenter(c.in), c.out, 1e-9) << c.in;
}

TEST(JetLiterals, QuotesAreDoubledAndMemoLinesEnded)
{
    EXPECT_EQ(JetText("O'Brien"), QString("'O''Brien'"));
    EXPECT_EQ(JetText("''"), QString("''''''"));
    EXPECT_EQ(JetText(""), QString("''"));
    EXPECT_EQ(JetYesNo(true), QString("1"));
    EXPECT_EQ(JetYesNo(false), QString("0"));
    EXPECT_EQ(MemoText({"first", "second"}), QString("first\nsecond\n"));
    EXPECT_EQ(MemoText({}), QString());
}

} // namespace
