#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/preferences.h"

namespace {
class PreferencesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        SetPreferenceFile(dir.filePath("prefs.ini"));
    }
    void TearDown() override { SetPreferenceFile(QString()); }
    QTemporaryDir dir;
};

const QString Sub = QStringLiteral("\\Preferences");

struct WriteCase
{
    const char *name;
    int type;
    QVariant written;
    QVariant expected; // what ReadPreference gives back
};

class PreferenceRoundTrip : public PreferencesTest, public ::testing::WithParamInterface<WriteCase>
{};

TEST_P(PreferenceRoundTrip, ReadsBackWhatWasWritten)
{
    const WriteCase &c = GetParam();
    const PreferenceResult result = WritePreference(Sub, "Value", c.type, c.written);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    const QVariant read = ReadPreference(Sub, "Value");
    EXPECT_EQ(read.typeId(), c.expected.typeId());
    EXPECT_EQ(read, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, PreferenceRoundTrip,
    ::testing::Values(
        WriteCase{"String", PreferenceString, QString("/opt/vlm/"), QString("/opt/vlm/")},
        WriteCase{"StringThatLooksLikeANumber", PreferenceString, QString("12"), QString("12")},
        WriteCase{"ExpandString", PreferenceExpandString, QString("$HOME/vlm"), QString("$HOME/vlm")},
        WriteCase{"Integer", PreferenceInteger, 2, 2},
        WriteCase{"NegativeInteger", PreferenceInteger, -7, -7},
        WriteCase{"IntegerFromText", PreferenceInteger, QString("3"), 3},
        WriteCase{"BinaryIsTheBytesOfTheText", PreferenceBinary, QString("AB"), QByteArray("AB")},
        WriteCase{"EmptyString", PreferenceString, QString(), QString()}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PreferencesTest, MissingValueIsEmptyAndConvertsToZero)
{
    const QVariant missing = ReadPreference(Sub, "Nothing");
    EXPECT_FALSE(missing.isValid());
    EXPECT_EQ(missing.toInt(), 0);
    EXPECT_EQ(missing.toString(), QString());
    EXPECT_FALSE(ReadPreference("\\NoSuchKey", "DbPath").isValid());
}

TEST_F(PreferencesTest, UnknownTypeIsRefusedAndWritesNothing)
{
    for (int type : {5, -1, 99}) {
        const PreferenceResult result = WritePreference(Sub, "Bad", type, 1);
        EXPECT_FALSE(result.ok) << type;
        EXPECT_EQ(result.error, QString("The configuration registry key is invalid.")) << type;
    }
    EXPECT_FALSE(ReadPreference(Sub, "Bad").isValid());
}

TEST_F(PreferencesTest, KeepTypeKeepsTheStoredKind)
{
    ASSERT_TRUE(WritePreference(Sub, "Lan", PreferenceInteger, 1).ok);
    ASSERT_TRUE(WritePreference(Sub, "Lan", PreferenceKeepType, QString("3")).ok);
    EXPECT_EQ(ReadPreference(Sub, "Lan"), QVariant(3));

    ASSERT_TRUE(WritePreference(Sub, "Path", PreferenceString, QString("a")).ok);
    ASSERT_TRUE(WritePreference(Sub, "Path", PreferenceKeepType, 42).ok);
    EXPECT_EQ(ReadPreference(Sub, "Path"), QVariant(QString("42")));
}

TEST_F(PreferencesTest, KeepTypeOfAMissingValueIsRefused)
{
    EXPECT_FALSE(WritePreference(Sub, "New", PreferenceKeepType, 1).ok);
    EXPECT_FALSE(ReadPreference(Sub, "New").isValid());
}

TEST_F(PreferencesTest, SubKeysAreSeparateGroups)
{
    ASSERT_TRUE(WritePreference(Sub, "DbPath", PreferenceString, QString("a/")).ok);
    ASSERT_TRUE(WritePreference("\\Other\\Deeper", "DbPath", PreferenceString, QString("b/")).ok);
    EXPECT_EQ(ReadPreference("\\Preferences", "DbPath").toString(), "a/");
    EXPECT_EQ(ReadPreference("\\Other\\Deeper", "DbPath").toString(), "b/");
}

TEST_F(PreferencesTest, UnwritableStoreReportsAnError)
{
    // A folder where the file should be: the store cannot be written.
    const QString blocked = dir.filePath("blocked.ini");
    ASSERT_TRUE(QDir().mkpath(blocked));
    SetPreferenceFile(blocked);
    const PreferenceResult result = WritePreference(Sub, "DbPath", PreferenceString, QString("x"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}

TEST_F(PreferencesTest, TypedWrapperUsesTheProgramsNames)
{
    EXPECT_EQ(TPreferences::dbPath(), QString());
    EXPECT_FALSE(TPreferences::ownerLan().has_value());

    ASSERT_TRUE(TPreferences::setDbPath("/data/vlm/").ok);
    ASSERT_TRUE(TPreferences::setOwnerLan(0).ok);
    EXPECT_EQ(ReadPreference("\\Preferences", "DbPath").toString(), "/data/vlm/");
    EXPECT_EQ(TPreferences::dbPath(), "/data/vlm/");
    // A stored 0 is a real choice (English), not "nothing stored".
    ASSERT_TRUE(TPreferences::ownerLan().has_value());
    EXPECT_EQ(*TPreferences::ownerLan(), 0);
}
} // namespace
