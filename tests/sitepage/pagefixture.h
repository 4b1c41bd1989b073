#pragma once

// A wizard page on a fresh copy of the shipped database, without a main window:
// a host that records what the page asked of it, the data module with its
// lookup tables open, the conversion library loaded from the program folder,
// and SQL helpers for fixture rows.

#include "shell/meridoxbinding.h"
#include "shell/messages.h"
#include "shell/programfolder.h"
#include "shell/wizardhost.h"
#include "store/currentselection.h"
#include "store/datamodule.h"
#include "store/jetconnectionstring.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>
#include <memory>

class FakeWizardHost : public IWizardHost
{
public:
    void SetActivePage(int page) override { activePage = page; }
    int ActivePage() const override { return activePage; }
    void CloseWizard() override {}
    void RefreshStatusBar() override { ++statusRefreshes; }
    void ShowHelp(int) override {}
    TdtmMain *DataModule() const override { return dm; }

    TdtmMain *dm = nullptr;
    int activePage = -1;
    int statusRefreshes = 0;
};

class PageFixture
{
public:
    bool open()
    {
        if (!m_dir.isValid())
            return false;
        const QString file = m_dir.filePath(QStringLiteral("VlmMain.mdb"));
        if (!QFile::copy(QStringLiteral(VLM_TEST_DB), file))
            return false;
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        dm = std::make_unique<TdtmMain>();
        dm->conMainDb->setConnectionString(MainConnectionString(m_dir.path() + QLatin1Char('/')));
        host.dm = dm.get();
        CurrentSelection().clear();
        ClearShownMessages();
        SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
        if (!LoadConversionLibrary().loaded)
            return false;
        return dm->conMainDb->open() && dm->OpenLookupTables();
    }

    // Runs fixture SQL (SQLite text) and returns the new rowid.
    qint32 sql(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        if (!q.exec(text))
            qWarning("%s: %s", qPrintable(text), qPrintable(q.lastError().text()));
        return q.lastInsertId().toInt();
    }

    QVariant value(const QString &text)
    {
        QSqlQuery q(dm->conMainDb->database());
        if (!q.exec(text) || !q.next())
            return QVariant();
        return q.value(0);
    }

    // An owner whose site description has a street and a real town (key 3),
    // made current.
    qint32 addOwner(const QString &siteAddress = QStringLiteral("Rue Haute 1"))
    {
        const qint32 id = sql(QStringLiteral("INSERT INTO tblOwner (OwnerCall, IdLanguage, "
                                             "IdZipCity1, IdZipCity2, OwnerAddress1, "
                                             "OwnerAddress2, OwnerSiteAddr1) VALUES ('ON4TST', 1, "
                                             "5, 3, 'Home street 9', 'Box 2', "
                                             "'%1')")
                                  .arg(siteAddress));
        CurrentSelection().ownerId = id;
        return id;
    }

    qint32 addSite(qint32 owner, const QString &name, bool main, int x = 150000, int y = 170000)
    {
        return sql(QStringLiteral(
                       "INSERT INTO tblTower (IdOwner, TowerName, TowerMain, TowerCoordLamX, "
                       "TowerCoordLamY, TowerCoordWgsEd, TowerCoordWgsEm, TowerCoordWgsEs, "
                       "TowerCoordWgsNd, TowerCoordWgsNm, TowerCoordWgsNs) VALUES (%1, '%2', %3, "
                       "%4, %5, 4, 22, 8, 50, 50, 25)")
                       .arg(owner)
                       .arg(name)
                       .arg(main ? 1 : 0)
                       .arg(x)
                       .arg(y));
    }

    std::unique_ptr<TdtmMain> dm;
    FakeWizardHost host;

private:
    QTemporaryDir m_dir;
};
