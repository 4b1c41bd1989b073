#include "pages/userdatarules.h"

#include <gtest/gtest.h>

namespace {

TEST(UserDataRules, MissingFieldsAreReportedInTheirOrder)
{
    const TUserDataEntries full{"Jan", "Peeters", "ON4ABC", "Dutch", "Veldstraat 1", "9000", "Gent"};
    EXPECT_EQ(FirstMissingUserField(full), UserFieldNone);
    EXPECT_TRUE(MissingUserFieldMessage(UserFieldNone).isEmpty());

    const struct
    {
        const char *name;
        QString TUserDataEntries::*empty[2];
        UserDataField reported;
    } cases[] = {
        {"first name before town", {&TUserDataEntries::firstName, &TUserDataEntries::town}, UserFieldFirstName},
        {"language before address", {&TUserDataEntries::addressMain, &TUserDataEntries::language}, UserFieldLanguage},
        {"call before zip", {&TUserDataEntries::zip, &TUserDataEntries::call}, UserFieldCall},
        {"zip before town", {&TUserDataEntries::town, &TUserDataEntries::zip}, UserFieldZip},
    };
    for (const auto &c : cases) {
        TUserDataEntries e = full;
        for (auto member : c.empty)
            (e.*member).clear();
        EXPECT_EQ(FirstMissingUserField(e), c.reported) << c.name;
    }
    EXPECT_EQ(MissingUserFieldMessage(UserFieldTown), "There is no value for the \"City\" field !");
    EXPECT_EQ(MissingUserFieldMessage(UserFieldAddressMain),
              "There is no value for the \"Address (Main)\" field !");
}

TEST(UserDataRules, CallMustBeUsableInFileNames)
{
    const struct
    {
        QString call;
        bool usable;
    } cases[] = {
        {"ON4ABC", true},  {"OO4X-1", true},   {"ON4/P", false},  {"ON4\\P", false},
        {"..", false},     {".", false},       {"ON4\tX", false}, {QString("ON4") + QChar(0x7f), false},
        {"ON4:X", false},  {"ON4*", false},    {"ON?", false},    {"A|B", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CallFileNameProblem(c.call).isEmpty(), c.usable) << c.call.toStdString();
}

TEST(UserDataRules, DefaultFolderIsTheProgramFolderFollowedByTheCall)
{
    EXPECT_EQ(DefaultUserDirectory("/opt/vlm/", "ON4ABC"), "/opt/vlm/ON4ABC");
    EXPECT_EQ(DefaultUserDirectory("/opt/vlm", "ON4ABC"), "/opt/vlm/ON4ABC");
}

} // namespace
