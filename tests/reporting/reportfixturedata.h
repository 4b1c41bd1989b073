#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <stdexcept>

// The rows of the report fixture, written straight through SQLite: one owner in Leuven
// (ON4XYZ, English documents, personal directory `userDir`), the main site Loc01 with
// the placement Loc01-Ant02 (a Yagi at 12,5 m on 2 m) and two critical test points,
// one in the open and one behind a brick wall, and a site Loc02 without points whose
// placement is Loc02-Ant01.
struct TReportFixtureIds {
    qint32 ownerId = 0;
    int band2m = 0;
};

inline TReportFixtureIds FillReportFixture(const QSqlDatabase &db, const QString &userDir)
{
    auto run = [&db](const QString &text) {
        QSqlQuery q(db);
        if (!q.exec(text))
            throw std::runtime_error(
                QString(text + QStringLiteral(": ") + q.lastError().text()).toStdString());
        return q;
    };
    auto insert = [&run](const QString &text) { return run(text).lastInsertId().toInt(); };
    auto value = [&run](const QString &text) {
        QSqlQuery q = run(text);
        return q.next() ? q.value(0).toInt() : 0;
    };
    TReportFixtureIds ids;
    const int leuven = value(QStringLiteral(
        "SELECT IdZipCity FROM tblZipCity WHERE Zip = '3000' ORDER BY IdZipCity LIMIT 1"));
    ids.ownerId = insert(
        QStringLiteral("INSERT INTO tblOwner (IdZipCity1, IdLanguage, OwnerFname, OwnerName, "
                       "OwnerCall, OwnerAddress1, OwnerAddress2, OwnerPhHome, OwnerEmail, "
                       "OwnerUserDir) VALUES (%1, 1, 'Jan', 'Peeters', 'ON4XYZ', "
                       "'Naamsestraat 12', '', '016 12 34 56', 'on4xyz@example.org', '%2')")
            .arg(leuven)
            .arg(userDir));
    const int site =
        insert(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName, TowerCoordLamX, "
                              "TowerCoordLamY, TowerMain) VALUES (%1, 'Loc01', "
                              "173456, 174321, 1)")
                   .arg(ids.ownerId));
    const int site2 =
        insert(QStringLiteral(
                   "INSERT INTO tblTower (IdOwner, TowerName, TowerMain) VALUES (%1, 'Loc02', 0)")
                   .arg(ids.ownerId));
    const int antenna = insert(QStringLiteral(
        "INSERT INTO tblListAnt (AntType, AntMakeDescr, AntV00, AntV10, AntV20, AntV30, AntV40, "
        "AntV50, AntV60, AntV70, AntV80, AntV90, AntV100) VALUES ('Yagi', 'Fixture 2x5 el.', "
        "12.375, -3.25, 3, 0, -3, -6, -10, -15, -20, -25, -25)"));
    ids.band2m = value(QStringLiteral("SELECT IdBandFreqSt FROM tblBandFreqSt "
                                      "WHERE BandFreqCenter > 144 AND BandFreqCenter < 146"));
    insert(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                          "AntennasHeight, AntennasTilt, AntennasAntPwr, AntennasEirp, "
                          "StationTxPower) VALUES (%1, %2, %3, 'Loc01-Ant02', 12.5, 0, 16.99, "
                          "26.5, 100)")
               .arg(site)
               .arg(antenna)
               .arg(ids.band2m));
    insert(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                          "AntennasHeight, StationTxPower) VALUES (%1, %2, %3, 'Loc02-Ant01', 8, "
                          "10)")
               .arg(site2)
               .arg(antenna)
               .arg(ids.band2m));
    insert(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, CriticalPntRef, "
                          "CriticalPntDist, CriticalPntHeight) VALUES (%1, 1, 'CTP_01', 10, 1.5)")
               .arg(site));
    insert(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, CriticalPntRef, "
                          "CriticalPntDist, CriticalPntHeight) VALUES (%1, 4, 'CTP_02', 6, 4.5)")
               .arg(site));
    return ids;
}
