#pragma once

// A wizard page on a fresh copy of the shipped database, without a main window:
// a host that records what the page asked of it, the data module with its
// lookup tables open, the conversion library loaded from the program folder,
// and SQL helpers for fixture rows.

#include "fakewizardhost.h"
#include "freshdatabase.h"
#include "base/meridoxbinding.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "base/currentselection.h"
#include "store/datamodule.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <QtTest>
#include <memory>

class PageFixture
{
public:
    bool open()
    {
        if (!m_dir.isValid())
            return false;
        CurrentSelection().clear();
        ClearShownMessages();
        SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
        if (!LoadConversionLibrary().loaded)
            return false;
        QString error;
        dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir.path(), &error);
        if (!dm)
            qWarning("%s", qPrintable(error));
        host.dm = dm.get();
        return dm && dm->OpenLookupTables();
    }

    // Runs fixture SQL (SQLite text) and returns the new rowid.
    qint32 sql(const QString &text)
    {
        const FixtureSqlResult r = RunFixtureSql(dm->conMainDb->database(), text);
        if (!r.ok)
            qWarning("%s", qPrintable(r.error));
        return r.rowId;
    }

    QVariant value(const QString &text)
    {
        return RunFixtureSql(dm->conMainDb->database(), text).firstValue;
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
