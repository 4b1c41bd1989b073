#include "base/currentselection.h"
#include "base/preferences.h"
#include "shell/interfacelanguage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
TEST(InterfaceLanguage, StoredValueOrSystemLanguage)
{
    const struct {
        const char *name;
        std::optional<int> stored;
        QLocale::Language system;
        int expected;
    } cases[] = {
        {"NothingStoredFrench", std::nullopt, QLocale::French, 2},
        {"NothingStoredDutch", std::nullopt, QLocale::Dutch, 1},
        {"NothingStoredGerman", std::nullopt, QLocale::German, 3},
        {"NothingStoredOther", std::nullopt, QLocale::Italian, 0},
        {"StoredEnglishOnDutchSystem", 0, QLocale::Dutch, 0},
        {"StoredGermanOnFrenchSystem", 3, QLocale::French, 3},
    };
    for (const auto &c : cases)
        EXPECT_EQ(InterfaceLanguageFor(c.stored, c.system), c.expected) << c.name;
}

TEST(InterfaceLanguage, DeterminedLanguageIsWrittenBackAndSelected)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SetPreferenceFile(dir.filePath(QStringLiteral("prefs.ini")));

    QString error;
    EXPECT_EQ(DetermineInterfaceLanguage(QLocale::French, &error), 2);
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(ReadPreference(QStringLiteral("\\Preferences"), QStringLiteral("OwnerLan")),
              QVariant(2));
    EXPECT_EQ(CurrentSelection().interfaceLanguage, 2);

    // Once stored, the value holds on a system of another language.
    EXPECT_EQ(DetermineInterfaceLanguage(QLocale::German), 2);

    SetPreferenceFile(QString());
    CurrentSelection().interfaceLanguage = 0;
}
} // namespace
