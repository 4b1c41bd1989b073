#pragma once

#include "base/currentselection.h"
#include "freshdatabasetest.h"
#include "qstringprint.h"
#include "reports/exportstaging.h"
#include "store/datamodule.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <gtest/gtest.h>
#include <memory>

// A data module on a fresh copy of the shipped main database, with the export
// connection open on a staging database loaded from the export template, and an
// owner written straight through SQLite: Antwerpen (Dutch "Antwerpen", French
// "Anvers") as home town, Brussel as site town.
class ExportDbTest : public FreshDatabaseTest
{
protected:
    static constexpr qint32 ZipAntwerpen = 248;
    static constexpr qint32 ZipBrussel = 3;
    static constexpr qint32 Band2m = 12;   // 145 MHz
    static constexpr qint32 Band23cm = 14; // 1270 MHz
    static constexpr qint32 FamilyDipoles = 1;
    static constexpr qint32 FamilyYagis = 4;

    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(FreshDatabaseTest::SetUp());
        const TOpStatus loaded =
            LoadAccessIntoStaging(QStringLiteral(VLM_TEST_EXPORT_DB), exportFile());
        ASSERT_TRUE(loaded.ok()) << loaded.error.toStdString();
        ASSERT_TRUE(dm->ConnectExportDatabase(exportFile()));
    }

    // The staging database the export's statements run on.
    QString exportFile() const { return m_dir.filePath(QStringLiteral("staging.sqlite")); }
    QString mainFile() const { return m_dir.filePath(QStringLiteral("VlmMain.mdb")); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Rows of a SELECT on the export file, each row's columns joined by "|".
    QStringList exported(const QString &text)
    {
        QSqlQuery q(dm->conExport->database());
        EXPECT_TRUE(q.exec(text)) << text.toStdString() << ' '
                                  << q.lastError().text().toStdString();
        QStringList rows;
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i).toString();
            rows << values.join(QLatin1Char('|'));
        }
        return rows;
    }
    QString exportedValue(const QString &text)
    {
        const QStringList rows = exported(text);
        return rows.isEmpty() ? QStringLiteral("<no row>") : rows.first();
    }

    qint32 addOwner(int language)
    {
        const qint32 id = sql(
            QStringLiteral(
                "INSERT INTO tblOwner (IdZipCity1, IdZipCity2, IdLanguage, OwnerFname, OwnerName, "
                "OwnerCall, OwnerOtherOps, OwnerAddress1, OwnerAddress2, OwnerPhHome, OwnerPhOff, "
                "OwnerPhMob, OwnerEmail, OwnerNote, OwnerSiteAddr1, OwnerSiteAddr2, "
                "OwnerSiteBiptRef, "
                "OwnerSiteNote, OwnerSiteShared, OwnerSiteSharedBy, OwnerSiteAlreadyAnt, "
                "OwnerSiteClubStn, OwnerSiteClubCall) VALUES (%1, %2, %3, ' Jan ', 'Peeters ', "
                "' ON4XX', 'ON2AB, ON3CD', 'Kerkstraat 12', 'Bus 3', '03 123 45 67', '', "
                "'0475 12 34 56', ' on4xx@example.be ', ' Contact me in the evening.\nNot on "
                "Sundays. ', 'Veldweg 9', '', 'B-2024-17', 'Mast in the garden', 1, 'ON4ZZ', 0, 0, "
                "'ON4CLB')")
                .arg(ZipAntwerpen)
                .arg(ZipBrussel)
                .arg(language));
        CurrentSelection().ownerId = id;
        CurrentSelection().languageId = language;
        return id;
    }
    qint32 addSite(qint32 owner, bool main, int x, int y)
    {
        return sql(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName, TowerMain, "
                                  "TowerCoordLamX, TowerCoordLamY) VALUES (%1, 'Site', %2, %3, %4)")
                       .arg(owner)
                       .arg(main ? 1 : 0)
                       .arg(x)
                       .arg(y));
    }
    qint32 addAntenna(qint32 family, const QString &type, const QString &make, double gain)
    {
        return sql(QStringLiteral("INSERT INTO tblListAnt (IdAntFamily, IdListAntPol, AntType, "
                                  "AntMakeDescr, AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, "
                                  "AntV60, AntV70, AntV80, AntV90, AntV100) VALUES (%1, 1, '%2', "
                                  "'%3', %4, %4 - 1, %4 - 3, %4 - 6, %4 - 9, %4 - 12, %4 - 16, "
                                  "%4 - 21, %4 - 26, %4 - 31, %4 - 31)")
                       .arg(family)
                       .arg(type, make)
                       .arg(gain));
    }
    qint32 addPlacement(qint32 site, qint32 antenna, qint32 band, const QString &ref, double height,
                        double tilt, double antPower, double eirp)
    {
        return sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef, AntennasHeight, AntennasTilt, AntennasPol, "
                                  "AntennasAntPwr, AntennasEirp) VALUES (%1, %2, %3, '%4', %5, "
                                  "%6, 'H', %7, %8)")
                       .arg(site)
                       .arg(antenna)
                       .arg(band)
                       .arg(ref)
                       .arg(height)
                       .arg(tilt)
                       .arg(antPower)
                       .arg(eirp));
    }
};
