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
        {"first site of an owner", std::nullopt, QStringLiteral("Location_01")},
        {"leading zero kept below ten", QStringLiteral("Location_01"),
         QStringLiteral("Location_02")},
        {"no leading zero from ten on", QStringLiteral("Location_09"),
         QStringLiteral("Location_10")},
        {"two digits carry on", QStringLiteral("Location_42"), QStringLiteral("Location_43")},
        {"name without underscore is its own number", QStringLiteral("7"),
         QStringLiteral("Location_08")},
        {"only the text after the last underscore counts", QStringLiteral("My_Site_05"),
         QStringLiteral("Location_06")},
        {"not ending in a number", QStringLiteral("Location_A"), QStringLiteral("")},
        {"empty after the underscore", QStringLiteral("Location_"), QStringLiteral("")},
        {"sign is not a number", QStringLiteral("Location_-3"), QStringLiteral("")},
        {"blank in the number", QStringLiteral("Location_ 3"), QStringLiteral("")},
        {"a hundredth site cannot be numbered", QStringLiteral("Location_99"), QStringLiteral("")},
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
        {"site without placements", QStringLiteral("Location_03"), std::nullopt,
         QStringLiteral("Loc03-Ant01")},
        {"site name without underscore", QStringLiteral("Roof"), std::nullopt,
         QStringLiteral("LocRoof-Ant01")},
        {"next number", QStringLiteral("Location_07"), QStringLiteral("Loc07-Ant02"),
         QStringLiteral("Loc07-Ant03")},
        {"ten without leading zero", QStringLiteral("Location_03"), QStringLiteral("Loc03-Ant09"),
         QStringLiteral("Loc03-Ant10")},
        {"prefix is the greatest reference's", QStringLiteral("Location_03"),
         QStringLiteral("Loc01-Ant04"), QStringLiteral("Loc01-Ant05")},
        {"split at the last of A, n, t", QStringLiteral("Location_01"), QStringLiteral("Ant5"),
         QStringLiteral("Ant06")},
        {"no split letter: whole text is the number", QStringLiteral("Location_01"),
         QStringLiteral("12"), QStringLiteral("13")},
        {"letters are case-sensitive", QStringLiteral("Location_01"), QStringLiteral("LOC01-ANT02"),
         QStringLiteral("")},
        {"not ending in a number", QStringLiteral("Location_01"), QStringLiteral("Loc01-Ant0x"),
         QStringLiteral("")},
        {"nothing after the split point", QStringLiteral("Location_01"),
         QStringLiteral("Loc01-Ant"), QStringLiteral("")},
        {"a hundredth placement cannot be numbered", QStringLiteral("Location_01"),
         QStringLiteral("Loc01-Ant99"), QStringLiteral("")},
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
    EXPECT_EQ(JoinPlacementRefs({QStringLiteral("Loc01-Ant01")}), QStringLiteral("Loc01-Ant01"));
    EXPECT_EQ(JoinPlacementRefs({QStringLiteral("A"), QStringLiteral("B")}),
              QStringLiteral("A & B."));
    EXPECT_EQ(JoinPlacementRefs({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}),
              QStringLiteral("A, B & C."));
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
    EXPECT_EQ(JetText(QStringLiteral("O'Brien")), QStringLiteral("'O''Brien'"));
    EXPECT_EQ(JetText(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(JetText(QStringLiteral("")), QStringLiteral("''"));
    EXPECT_EQ(JetYesNo(true), QStringLiteral("1"));
    EXPECT_EQ(JetYesNo(false), QStringLiteral("0"));
    EXPECT_EQ(MemoText({QStringLiteral("first"), QStringLiteral("second")}),
              QStringLiteral("first\nsecond\n"));
    EXPECT_EQ(MemoText({}), QString());
}

} // namespace
