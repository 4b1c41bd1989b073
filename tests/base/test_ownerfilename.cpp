#include "base/ownerfilename.h"

#include <gtest/gtest.h>

namespace
{

TEST(OwnerFileName, SeparatorsAndControlCharactersBecomeUnderscores)
{
    const struct {
        const char *why;
        QString call, suffix, expected;
    } cases[] = {
        {"plain call", QStringLiteral("ON9ZZ"), QStringLiteral("_Vlm.zip"),
         QStringLiteral("ON9ZZ_Vlm.zip")},
        {"portable call", QStringLiteral("ON9ZZ/P"), QStringLiteral("_VLM_Loc01-Ant01.pdf"),
         QStringLiteral("ON9ZZ_P_VLM_Loc01-Ant01.pdf")},
        {"backslash", QStringLiteral("ON9ZZ\\M"), QStringLiteral("_Vlm.mdb"),
         QStringLiteral("ON9ZZ_M_Vlm.mdb")},
        {"separator in the suffix", QStringLiteral("ON9ZZ"), QStringLiteral("_VLM_A/B.pdf"),
         QStringLiteral("ON9ZZ_VLM_A_B.pdf")},
        {"control character", QStringLiteral("ON9\tZZ"), QStringLiteral("_Vlm.zip"),
         QStringLiteral("ON9_ZZ_Vlm.zip")},
        {"a call of dots stays in the folder", QStringLiteral(".."), QStringLiteral("_Vlm.zip"),
         QStringLiteral(".._Vlm.zip")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(OwnerFileName(c.call, c.suffix), c.expected) << c.why;
}

TEST(OwnerFileName, PathInThePersonalDirectory)
{
    EXPECT_EQ(OwnerFilePath(QStringLiteral("/home/jan/ON9ZZ_P"), QStringLiteral("ON9ZZ/P"),
                            QStringLiteral("_VLM_Letter_Bipt.pdf")),
              QStringLiteral("/home/jan/ON9ZZ_P/ON9ZZ_P_VLM_Letter_Bipt.pdf"));
    EXPECT_EQ(OwnerFilePath(QStringLiteral("/home/jan/ON9ZZ/"), QStringLiteral("ON9ZZ"),
                            QStringLiteral("_Vlm.zip")),
              QStringLiteral("/home/jan/ON9ZZ/ON9ZZ_Vlm.zip"));
    EXPECT_EQ(OwnerFilePath(QString(), QStringLiteral("ON9ZZ"), QStringLiteral("_Vlm.zip")),
              QStringLiteral("ON9ZZ_Vlm.zip"));
}

} // namespace
