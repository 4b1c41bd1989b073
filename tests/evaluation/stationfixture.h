#pragma once

#include "base/currentselection.h"
#include "fixtureowner.h"
#include "freshdatabasetest.h"
#include "store/datamodule.h"

#include <QStringList>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// A data module on a fresh copy of the shipped database, with helpers that
// write fixture rows straight through SQLite.
class StationDbTest : public FreshDatabaseTest
{
protected:
    qint32 addOwner(const QString &call) { return sql(OwnerInsertSql(call)); }
    qint32 addSite(qint32 owner, const QString &name)
    {
        return sql(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName) VALUES (%1, '%2')")
                       .arg(owner)
                       .arg(name));
    }
    // An antenna with the pattern 6, 5, 3, 0, -3, -6, -10, -15, -20, -25 dBi.
    qint32 addDipoleLikeAntenna()
    {
        return sql(QStringLiteral(
            "INSERT INTO tblListAnt (AntType, AntMakeDescr, AntV00, AntV10, AntV20, AntV30, "
            "AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100) VALUES ('Test', 'Fixture', "
            "6, 5, 3, 0, -3, -6, -10, -15, -20, -25, -25)"));
    }
    // A placement whose power chain was saved: txPower W at the transmitter
    // gave antPower dBW at the antenna. A transmitter power of 0 is a power
    // chain that was never saved.
    qint32 addPlacement(qint32 site, const QString &ref, qint32 antenna, qint32 band, double height,
                        double tilt, double antPower, double txPower = 100,
                        bool simultaneous = true)
    {
        return sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef, AntennasHeight, AntennasTilt, AntennasAntPwr, "
                                  "StationTxPower, AntennasSimTx) "
                                  "VALUES (%1, %2, %3, '%4', %5, %6, %7, %8, %9)")
                       .arg(site)
                       .arg(antenna)
                       .arg(band)
                       .arg(ref)
                       .arg(height)
                       .arg(tilt)
                       .arg(antPower)
                       .arg(txPower)
                       .arg(simultaneous ? 1 : 0));
    }
    qint32 addPoint(qint32 site, const QString &ref, double dist, double height, qint32 spaceAtt,
                    const QString &rem = QStringLiteral("Garden"))
    {
        return sql(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, "
                                  "CriticalPntRef, CriticalPntDist, CriticalPntHeight, "
                                  "CriticalPntRem) VALUES (%1, %2, '%3', %4, %5, '%6')")
                       .arg(site)
                       .arg(spaceAtt)
                       .arg(ref)
                       .arg(dist)
                       .arg(height)
                       .arg(rem));
    }

    QString databaseFile() const { return m_dir.filePath(QStringLiteral("VlmMain.mdb")); }

    // Shipped rows the fixtures use.
    static constexpr qint32 Band2m = 12;     // 145 MHz
    static constexpr qint32 Band23cm = 14;   // 1270 MHz
    static constexpr qint32 Dish1m2 = 40;    // 21,8 dBi, 5 wavelengths across
    static constexpr qint32 FreeField = 1;   // 0 / 0 dB
    static constexpr qint32 BrickWall = 4;   // 4 / 8 dB
    static constexpr qint32 WindowGlass = 2; // 1 / 2 dB
};

// Readable QString values in test failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
