#pragma once

#include "base/currentselection.h"
#include "freshdatabase.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// A data module on a fresh copy of the test database (VLM_TEST_DB) in a
// temporary folder, with a cleared selection. Fixture rows are written and
// read back straight through SQLite.
class FreshDatabaseTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { EnsureTestApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        QString error;
        dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir.path(), &error);
        ASSERT_TRUE(dm) << error.toStdString();
        CurrentSelection().clear();
    }

    void TearDown() override
    {
        dm.reset();
        CurrentSelection().clear();
    }

    // Runs fixture SQL (SQLite text) and returns the new rowid.
    qint32 sql(const QString &text)
    {
        const FixtureSqlResult r = RunFixtureSql(dm->conMainDb->database(), text);
        EXPECT_TRUE(r.ok) << r.error.toStdString();
        return r.rowId;
    }

    // First column of every row of a fixture SELECT (SQLite text).
    QStringList column(const QString &text)
    {
        QString error;
        const QStringList values = FixtureColumn(dm->conMainDb->database(), text, &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        return values;
    }

    // The statements issued since the last call, each on one line.
    QStringList issued() { return TakeIssuedStatements(*dm); }

    std::unique_ptr<TdtmMain> dm;
    QTemporaryDir m_dir;
};
