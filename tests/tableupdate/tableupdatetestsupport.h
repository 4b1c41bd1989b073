#pragma once

#include "base/preferences.h"
#include "base/programfolder.h"
#include "store/datamodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace tableupdatetest
{

inline void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "tableupdate_tests";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

inline QByteArray ReadAll(const QString &file)
{
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

inline void WriteFile(const QString &file, const QByteArray &content)
{
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(content);
}

// A program folder of its own with a fresh VlmMain.mdb, its own preferences
// and a data module (not yet connected).
class ProgramFolderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        EnsureApplication();
        ASSERT_TRUE(m_dir.isValid());
        m_program = m_dir.filePath(QStringLiteral("program"));
        QDir().mkpath(m_program);
        SetProgramFolder(m_program);
        SetPreferenceFile(m_dir.filePath(QStringLiteral("prefs.ini")));
        m_database = QDir(m_program).filePath(QStringLiteral("VlmMain.mdb"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(VLM_TEST_DB), m_database));
        QFile::setPermissions(m_database, QFile::ReadOwner | QFile::WriteOwner);
        m_dm = std::make_unique<TdtmMain>();
    }

    void TearDown() override
    {
        m_dm.reset();
        SetProgramFolder(QString());
        SetPreferenceFile(QString());
    }

    bool connect() { return m_dm->ConnectDatabase(true); }

    // One value read straight from the database.
    QString scalar(const QString &sql)
    {
        QSqlQuery query(m_dm->conMainDb->database());
        if (!query.exec(sql) || !query.next())
            return QStringLiteral("<none>");
        return query.value(0).toString();
    }

    void setDatabaseVersion(const QString &version)
    {
        ASSERT_TRUE(m_dm->conMainDb->exec(
            QStringLiteral(
                "UPDATE tblApplData SET ApplDataValue = '%1' WHERE ApplDataName = 'DBVer'")
                .arg(version)));
    }

    QString localFile() const
    {
        return QDir(m_program).filePath(QStringLiteral("VlmTblUpdate.txt"));
    }

    QTemporaryDir m_dir;
    QString m_program;
    QString m_database;
    std::unique_ptr<TdtmMain> m_dm;
};

// Three blocks with comments between them; each inserts one language row.
inline QByteArray ThreeBlockUpdate()
{
    return "<VLM_DB_UPDATE>\r\n"
           "Adds three test languages.\r\n"
           "<BEGIN>\r\nINSERT INTO tblLanguage (IdLanguage, LanguageFullE)\r\nVALUES (11, "
           "'Eleven')\r\n<END>\r\n"
           "-- the second one\r\n"
           "<BEGIN>\r\nINSERT INTO tblLanguage (IdLanguage, LanguageFullE) VALUES (12, "
           "'Twelve')\r\n<END>\r\n"
           "<BEGIN>\r\nUPDATE tblApplData SET ApplDataValue = '8' WHERE ApplDataName LIKE "
           "'DBVer'\r\n<END>\r\n";
}

// The second of three blocks names a table that does not exist.
inline QByteArray FailingSecondBlockUpdate()
{
    return "<VLM_DB_UPDATE>\n"
           "<BEGIN>\nINSERT INTO tblLanguage (IdLanguage, LanguageFullE) VALUES (11, "
           "'Eleven')\n<END>\n"
           "<BEGIN>\nINSERT INTO tblNoSuchTable (x) VALUES (1)\n<END>\n"
           "<BEGIN>\nUPDATE tblApplData SET ApplDataValue = '8' WHERE ApplDataName LIKE "
           "'DBVer'\n<END>\n";
}

} // namespace tableupdatetest
