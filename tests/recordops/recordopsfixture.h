#pragma once

#include "store/currentselection.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A data module connected to a fresh copy of the shipped database in a
// temporary folder. Fixture rows are written and read back straight through
// SQLite, so the data module's statement log holds only what the record
// operations issued.
class RecordOpsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_recordops";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            static QCoreApplication app(argc, argv);
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString file = m_dir.filePath(QStringLiteral("VlmMain.mdb"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VLM_TEST_DB), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        dm = std::make_unique<TdtmMain>();
        dm->conMainDb->setConnectionString(MainConnectionString(m_dir.path() + QLatin1Char('/')));
        ASSERT_TRUE(dm->conMainDb->open()) << dm->conMainDb->lastErrorText().toStdString();
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
        QSqlQuery q(dm->conMainDb->database());
        EXPECT_TRUE(q.exec(text)) << text.toStdString();
        return q.lastInsertId().toInt();
    }

    // First column of every row of a fixture SELECT (SQLite text).
    QStringList column(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        EXPECT_TRUE(q.exec(text)) << text.toStdString();
        QStringList values;
        while (q.next())
            values << q.value(0).toString();
        return values;
    }

    qint32 addOwner(const QString &call)
    {
        return sql(QStringLiteral("INSERT INTO tblOwner (OwnerCall, IdLanguage) VALUES ('%1', 2)")
                       .arg(call));
    }
    qint32 addSite(qint32 owner, const QString &name, bool main)
    {
        return sql(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName, TowerMain) VALUES "
                                  "(%1, '%2', %3)")
                       .arg(owner)
                       .arg(name)
                       .arg(main ? 1 : 0));
    }
    qint32 addPlacement(qint32 site, const QString &ref, qint32 antenna = 1)
    {
        return sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef) VALUES (%1, %2, 1, '%3')")
                       .arg(site)
                       .arg(antenna)
                       .arg(ref));
    }
    qint32 addPoint(qint32 site, const QString &ref)
    {
        return sql(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, CriticalPntRef) VALUES "
                                  "(%1, '%2')")
                       .arg(site)
                       .arg(ref));
    }

    // Names of the owner's main sites.
    QStringList mainSites(qint32 owner)
    {
        return column(QStringLiteral("SELECT TowerName FROM tblTower WHERE IdOwner = %1 AND "
                                     "TowerMain <> 0 ORDER BY TowerName")
                          .arg(owner));
    }

    // The statements issued since the last call, each on one line.
    QStringList issued()
    {
        QStringList lines;
        for (QString s : dm->ExecutedStatements())
            lines << s.replace(QLatin1Char('\n'), QLatin1Char(' '));
        dm->ClearExecutedStatements();
        return lines;
    }

    std::unique_ptr<TdtmMain> dm;

private:
    QTemporaryDir m_dir;
};
