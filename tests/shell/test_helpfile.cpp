#include "base/programfolder.h"
#include "shell/helpfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
TEST(HelpFile, ChosenByInterfaceLanguage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SetProgramFolder(dir.path());
    const QString help = dir.path() + QStringLiteral("/Help/");

    const struct {
        int language;
        const char *file;
    } cases[] = {{0, "MANUAL_EN.HLP"},
                 {1, "MANUAL_NL.HLP"},
                 {2, "MANUAL_FR.HLP"},
                 {3, "MANUAL_FR.HLP"}}; // German users get the French manual
    for (const auto &c : cases)
        EXPECT_EQ(HelpFileForLanguage(c.language, QStringLiteral("keep")),
                  help + QString::fromLatin1(c.file))
            << c.language;

    // Another index keeps the current file unless the Dutch manual exists.
    EXPECT_EQ(HelpFileForLanguage(7, QStringLiteral("keep")), QStringLiteral("keep"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Help")));
    QFile dutch(help + QStringLiteral("MANUAL_NL.HLP"));
    ASSERT_TRUE(dutch.open(QIODevice::WriteOnly));
    dutch.close();
    EXPECT_EQ(HelpFileForLanguage(-1, QStringLiteral("keep")),
              help + QStringLiteral("MANUAL_NL.HLP"));

    SelectHelpFile(2);
    EXPECT_EQ(ApplicationHelpFile(), help + QStringLiteral("MANUAL_FR.HLP"));
    SetProgramFolder(QString());
}
} // namespace
