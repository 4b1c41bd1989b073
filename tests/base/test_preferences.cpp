#include "base/preferences.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
class PreferencesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetPreferenceFile(dir.filePath(QStringLiteral("prefs.ini")));
    }
    void TearDown() override { SetPreferenceFile(QString()); }
    QTemporaryDir dir;
};

const QString Sub = QStringLiteral("\\Preferences");

struct WriteCase {
    const char *name;
    int type;
    QVariant written;
    QVariant expected; // what ReadPreference gives back
};

class PreferenceRoundTrip : public PreferencesTest, public ::testing::WithParamInterface<WriteCase>
{
};

TEST_P(PreferenceRoundTrip, ReadsBackWhatWasWritten)
{
    const WriteCase &c = GetParam();
    const PreferenceResult result =
        WritePreference(Sub, QStringLiteral("Value"), c.type, c.written);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const QVariant read = ReadPreference(Sub, QStringLiteral("Value"));
    EXPECT_EQ(read.typeId(), c.expected.typeId());
    EXPECT_EQ(read, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, PreferenceRoundTrip,
    ::testing::Values(WriteCase{"String", PreferenceString, QStringLiteral("/opt/vlm/"),
                                QStringLiteral("/opt/vlm/")},
                      WriteCase{"StringThatLooksLikeANumber", PreferenceString,
                                QStringLiteral("12"), QStringLiteral("12")},
                      WriteCase{"ExpandString", PreferenceExpandString, QStringLiteral("$HOME/vlm"),
                                QStringLiteral("$HOME/vlm")},
                      WriteCase{"Integer", PreferenceInteger, 2, 2},
                      WriteCase{"NegativeInteger", PreferenceInteger, -7, -7},
                      WriteCase{"IntegerFromText", PreferenceInteger, QStringLiteral("3"), 3},
                      WriteCase{"BinaryIsTheBytesOfTheText", PreferenceBinary, QStringLiteral("AB"),
                                QByteArray("AB")},
                      WriteCase{"EmptyString", PreferenceString, QString(), QString()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreferencesTest, MissingValueIsEmptyAndConvertsToZero)
{
    const QVariant missing = ReadPreference(Sub, QStringLiteral("Nothing"));
    EXPECT_FALSE(missing.isValid());
    EXPECT_EQ(missing.toInt(), 0);
    EXPECT_EQ(missing.toString(), QString());
    EXPECT_FALSE(ReadPreference(QStringLiteral("\\NoSuchKey"), QStringLiteral("DbPath")).isValid());
}

TEST_F(PreferencesTest, UnknownTypeIsRefusedAndWritesNothing)
{
    for (int type : {5, -1, 99}) {
        const PreferenceResult result = WritePreference(Sub, QStringLiteral("Bad"), type, 1);
        EXPECT_FALSE(result.ok) << type;
        EXPECT_EQ(result.error, QStringLiteral("The configuration registry key is invalid."))
            << type;
    }
    EXPECT_FALSE(ReadPreference(Sub, QStringLiteral("Bad")).isValid());
}

TEST_F(PreferencesTest, KeepTypeKeepsTheStoredKind)
{
    ASSERT_TRUE(WritePreference(Sub, QStringLiteral("Lan"), PreferenceInteger, 1).ok);
    ASSERT_TRUE(
        WritePreference(Sub, QStringLiteral("Lan"), PreferenceKeepType, QStringLiteral("3")).ok);
    EXPECT_EQ(ReadPreference(Sub, QStringLiteral("Lan")), QVariant(3));

    ASSERT_TRUE(
        WritePreference(Sub, QStringLiteral("Path"), PreferenceString, QStringLiteral("a")).ok);
    ASSERT_TRUE(WritePreference(Sub, QStringLiteral("Path"), PreferenceKeepType, 42).ok);
    EXPECT_EQ(ReadPreference(Sub, QStringLiteral("Path")), QVariant(QStringLiteral("42")));
}

TEST_F(PreferencesTest, KeepTypeOfAMissingValueIsRefused)
{
    EXPECT_FALSE(WritePreference(Sub, QStringLiteral("New"), PreferenceKeepType, 1).ok);
    EXPECT_FALSE(ReadPreference(Sub, QStringLiteral("New")).isValid());
}

TEST_F(PreferencesTest, SubKeysAreSeparateGroups)
{
    ASSERT_TRUE(
        WritePreference(Sub, QStringLiteral("DbPath"), PreferenceString, QStringLiteral("a/")).ok);
    ASSERT_TRUE(WritePreference(QStringLiteral("\\Other\\Deeper"), QStringLiteral("DbPath"),
                                PreferenceString, QStringLiteral("b/"))
                    .ok);
    EXPECT_EQ(ReadPreference(QStringLiteral("\\Preferences"), QStringLiteral("DbPath")).toString(),
              QStringLiteral("a/"));
    EXPECT_EQ(
        ReadPreference(QStringLiteral("\\Other\\Deeper"), QStringLiteral("DbPath")).toString(),
        QStringLiteral("b/"));
}

TEST_F(PreferencesTest, UnwritableStoreReportsAnError)
{
    // A folder where the file should be: the store cannot be written.
    const QString blocked = dir.filePath(QStringLiteral("blocked.ini"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    SetPreferenceFile(blocked);
    const PreferenceResult result =
        WritePreference(Sub, QStringLiteral("DbPath"), PreferenceString, QStringLiteral("x"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST_F(PreferencesTest, TypedWrapperUsesTheProgramsNames)
{
    EXPECT_EQ(TPreferences::dbPath(), QString());
    EXPECT_FALSE(TPreferences::ownerLan().has_value());

    ASSERT_TRUE(TPreferences::setDbPath(QStringLiteral("/data/vlm/")).ok);
    ASSERT_TRUE(TPreferences::setOwnerLan(0).ok);
    EXPECT_EQ(ReadPreference(QStringLiteral("\\Preferences"), QStringLiteral("DbPath")).toString(),
              QStringLiteral("/data/vlm/"));
    EXPECT_EQ(TPreferences::dbPath(), QStringLiteral("/data/vlm/"));
    // A stored 0 is a real choice (English), not "nothing stored".
    ASSERT_TRUE(TPreferences::ownerLan().has_value());
    EXPECT_EQ(*TPreferences::ownerLan(), 0);
}
} // namespace
