#include "pages/userdatarules.h"

#include <gtest/gtest.h>

namespace
{

TEST(UserDataRules, MissingFieldsAreReportedInTheirOrder)
{
    const TUserDataEntries full{QStringLiteral("Jan"),          QStringLiteral("Peeters"),
                                QStringLiteral("ON4ABC"),       QStringLiteral("Dutch"),
                                QStringLiteral("Veldstraat 1"), QStringLiteral("9000"),
                                QStringLiteral("Gent")};
    EXPECT_EQ(FirstMissingUserField(full), UserFieldNone);
    EXPECT_TRUE(MissingUserFieldMessage(UserFieldNone).isEmpty());

    const struct {
        const char *name;
        QString TUserDataEntries::*empty[2];
        UserDataField reported;
    } cases[] = {
        {"first name before town",
         {&TUserDataEntries::firstName, &TUserDataEntries::town},
         UserFieldFirstName},
        {"language before address",
         {&TUserDataEntries::addressMain, &TUserDataEntries::language},
         UserFieldLanguage},
        {"call before zip", {&TUserDataEntries::zip, &TUserDataEntries::call}, UserFieldCall},
        {"zip before town", {&TUserDataEntries::town, &TUserDataEntries::zip}, UserFieldZip},
    };
    for (const auto &c : cases) {
        TUserDataEntries e = full;
        for (auto member : c.empty)
            (e.*member).clear();
        EXPECT_EQ(FirstMissingUserField(e), c.reported) << c.name;
    }
    EXPECT_EQ(MissingUserFieldMessage(UserFieldTown),
              QStringLiteral("There is no value for the \"City\" field !"));
    EXPECT_EQ(MissingUserFieldMessage(UserFieldAddressMain),
              QStringLiteral("There is no value for the \"Address (Main)\" field !"));
}

TEST(UserDataRules, CallMustBeUsableInFileNames)
{
    const struct {
        QString call;
        bool usable;
    } cases[] = {
        {QStringLiteral("ON4ABC"), true},  {QStringLiteral("OO4X-1"), true},
        {QStringLiteral("ON4/P"), false},  {QStringLiteral("ON4\\P"), false},
        {QStringLiteral(".."), false},     {QStringLiteral("."), false},
        {QStringLiteral("ON4\tX"), false}, {QStringLiteral("ON4") + QChar(0x7f), false},
        {QStringLiteral("ON4:X"), false},  {QStringLiteral("ON4*"), false},
        {QStringLiteral("ON?"), false},    {QStringLiteral("A|B"), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CallFileNameProblem(c.call).isEmpty(), c.usable) << c.call.toStdString();
}

TEST(UserDataRules, DefaultFolderIsTheProgramFolderFollowedByTheCall)
{
    EXPECT_EQ(DefaultUserDirectory(QStringLiteral("/opt/vlm/"), QStringLiteral("ON4ABC")),
              QStringLiteral("/opt/vlm/ON4ABC"));
    EXPECT_EQ(DefaultUserDirectory(QStringLiteral("/opt/vlm"), QStringLiteral("ON4ABC")),
              QStringLiteral("/opt/vlm/ON4ABC"));
}

} // namespace
