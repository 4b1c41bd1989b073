#include "base/shellutilities.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{
TEST(LookupTextByKey, LastMatchingPositionWins)
{
    const QList<int> keys{4, 7, 4, 9};
    const QStringList texts{QStringLiteral("first four"), QStringLiteral("seven"),
                            QStringLiteral("second four"), QStringLiteral("nine")};
    const struct {
        int key;
        const char *text;
    } cases[] = {{4, "second four"}, {7, "seven"}, {9, "nine"}, {5, ""}, {0, ""}};
    for (const auto &c : cases)
        EXPECT_EQ(LookupTextByKey(c.key, keys, texts).toStdString(), c.text) << c.key;

    EXPECT_TRUE(LookupTextByKey(1, {}, {}).isEmpty());
    // A text list shorter than the key list gives nothing rather than reading past it.
    EXPECT_TRUE(LookupTextByKey(9, keys, {QStringLiteral("a"), QStringLiteral("b")}).isEmpty());
}

class ListFolderFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name : {"K1ABC_VLM_Ant1.pdf", "K1ABC_Vlm.MDB", "notes", ".hidden"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    }
    QStringList names(const QStringList &paths) const
    {
        QStringList out;
        for (const QString &p : paths) {
            EXPECT_TRUE(p.startsWith(dir.path() + QStringLiteral("/"))) << p.toStdString();
            out << p.mid(dir.path().size() + 1);
        }
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(ListFolderFilesTest, MasksSelectEntries)
{
    const struct {
        const char *mask;
        QStringList expected;
    } cases[] = {
        {"*.*",
         {QStringLiteral("."), QStringLiteral(".."), QStringLiteral(".hidden"),
          QStringLiteral("K1ABC_Vlm.MDB"), QStringLiteral("K1ABC_VLM_Ant1.pdf"),
          QStringLiteral("notes"), QStringLiteral("sub")}},
        {"*.pdf", {QStringLiteral("K1ABC_VLM_Ant1.pdf")}},
        {"*.mdb", {QStringLiteral("K1ABC_Vlm.MDB")}}, // masks ignore case
        {"s*", {QStringLiteral("sub")}},
        {"*.zip", {}},
    };
    QStringList list{QStringLiteral("left over")};
    for (const auto &c : cases) {
        ListFolderFiles(list, dir.path(), QString::fromLatin1(c.mask));
        EXPECT_EQ(names(list), c.expected) << c.mask;
    }
}

TEST_F(ListFolderFilesTest, SeparatorIsAddedOnlyWhenMissing)
{
    QStringList withSlash, withoutSlash;
    ListFolderFiles(withSlash, dir.path() + QStringLiteral("/"), QStringLiteral("*.pdf"));
    ListFolderFiles(withoutSlash, dir.path(), QStringLiteral("*.pdf"));
    EXPECT_EQ(withSlash, withoutSlash);
    ASSERT_EQ(withSlash.size(), 1);
    EXPECT_EQ(withSlash.first(), dir.path() + QStringLiteral("/K1ABC_VLM_Ant1.pdf"));
}

TEST_F(ListFolderFilesTest, MissingFolderAndRoot)
{
    QStringList list{QStringLiteral("left over")};
    ListFolderFiles(list, dir.filePath(QStringLiteral("absent")), QStringLiteral("*.*"));
    EXPECT_TRUE(list.isEmpty());
    ListFolderFiles(list, QStringLiteral(""), QStringLiteral("*.*"));
    EXPECT_TRUE(list.isEmpty());

    ListFolderFiles(list, QStringLiteral("/"), QStringLiteral("*.*"));
    EXPECT_FALSE(list.contains(QStringLiteral("/.")));
    EXPECT_FALSE(list.contains(QStringLiteral("/..")));
    EXPECT_TRUE(list.contains(QStringLiteral("/tmp")));
}
} // namespace
