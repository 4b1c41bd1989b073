#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "base/shellutilities.h"

namespace {
TEST(LookupTextByKey, LastMatchingPositionWins)
{
    const QList<int> keys{4, 7, 4, 9};
    const QStringList texts{"first four", "seven", "second four", "nine"};
    const struct
    {
        int key;
        const char *text;
    } cases[] = {{4, "second four"}, {7, "seven"}, {9, "nine"}, {5, ""}, {0, ""}};
    for (const auto &c : cases)
        EXPECT_EQ(LookupTextByKey(c.key, keys, texts).toStdString(), c.text) << c.key;

    EXPECT_TRUE(LookupTextByKey(1, {}, {}).isEmpty());
    // A text list shorter than the key list gives nothing rather than reading past it.
    EXPECT_TRUE(LookupTextByKey(9, keys, {"a", "b"}).isEmpty());
}

class ListFolderFilesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        for (const char *name : {"K1ABC_VLM_Ant1.pdf", "K1ABC_Vlm.MDB", "notes", ".hidden"}) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
    }
    QStringList names(const QStringList &paths) const
    {
        QStringList out;
        for (const QString &p : paths) {
            EXPECT_TRUE(p.startsWith(dir.path() + "/")) << p.toStdString();
            out << p.mid(dir.path().size() + 1);
        }
        return out;
    }
    QTemporaryDir dir;
};

TEST_F(ListFolderFilesTest, MasksSelectEntries)
{
    const struct
    {
        const char *mask;
        QStringList expected;
    } cases[] = {
        {"*.*", {".", "..", ".hidden", "K1ABC_Vlm.MDB", "K1ABC_VLM_Ant1.pdf", "notes", "sub"}},
        {"*.pdf", {"K1ABC_VLM_Ant1.pdf"}},
        {"*.mdb", {"K1ABC_Vlm.MDB"}}, // masks ignore case
        {"s*", {"sub"}},
        {"*.zip", {}},
    };
    QStringList list{"left over"};
    for (const auto &c : cases) {
        ListFolderFiles(list, dir.path(), c.mask);
        EXPECT_EQ(names(list), c.expected) << c.mask;
    }
}

TEST_F(ListFolderFilesTest, SeparatorIsAddedOnlyWhenMissing)
{
    QStringList withSlash, withoutSlash;
    ListFolderFiles(withSlash, dir.path() + "/", "*.pdf");
    ListFolderFiles(withoutSlash, dir.path(), "*.pdf");
    EXPECT_EQ(withSlash, withoutSlash);
    ASSERT_EQ(withSlash.size(), 1);
    EXPECT_EQ(withSlash.first(), dir.path() + "/K1ABC_VLM_Ant1.pdf");
}

TEST_F(ListFolderFilesTest, MissingFolderAndRoot)
{
    QStringList list{"left over"};
    ListFolderFiles(list, dir.filePath("absent"), "*.*");
    EXPECT_TRUE(list.isEmpty());
    ListFolderFiles(list, "", "*.*");
    EXPECT_TRUE(list.isEmpty());

    ListFolderFiles(list, "/", "*.*");
    EXPECT_FALSE(list.contains("/."));
    EXPECT_FALSE(list.contains("/.."));
    EXPECT_TRUE(list.contains("/tmp"));
}
} // namespace
