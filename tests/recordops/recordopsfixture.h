#pragma once

#include "freshdatabasetest.h"
#include "base/currentselection.h"
#include "store/datamodule.h"

#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A data module connected to a fresh copy of the shipped database in a
// temporary folder. Fixture rows are written and read back straight through
// SQLite, so the data module's statement log holds only what the record
// operations issued.
class RecordOpsTest : public FreshDatabaseTest
{
protected:
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
};
