#pragma once

#include "store/recordresult.h"

#include <QString>
#include <QStringList>
#include <QVector>

class TdtmMain;

// The data the documents print, loaded from the database by the print operations and
// the report page. Each loader runs its statement on its own scratch query of the data
// module (owner letter data on qryTemp1, documents on qryTemp2, the regulator's address
// on qryTemp3, the report rows on qryRvReport) and copies the rows into plain values,
// so that the drawing routine reads no dataset.

// The owner as the letters print it. The town is the zip lookup's Dutch name for
// language 2 and its French name for every other language.
struct TOwnerLetterData {
    bool found = false;
    qint32 ownerId = 0;
    QString zip;
    QString city;
    QString firstName;
    QString name;
    QString call;
    QString otherOps;
    QString address1;
    QString address2;
    QString phoneHome;
    QString phoneOffice;
    QString phoneMobile;
    QString fax;
    QString email;
    QString userDir;
};

// One template of tblDocs; empty texts when the database holds none for the name and
// language.
struct TDocumentTemplate {
    QString description;
    QString text;

    // The template's lines ("\r\n", "\n" and "\r" all end a line).
    QStringList lines() const;
};

// The regulator's address in one language.
struct TRegulatorAddress {
    QString name;
    QString service;
    QString address2;
    QString address1;
    QString zip;
    QString city;
};

// One critical test point of the site that carries a placement, with the owner's, the
// site's, the antenna's and the placement's data repeated on every row.
struct TReportRow {
    qint32 ownerId = 0;
    QString zip;
    QString city;
    QString firstName;
    QString name;
    QString call;
    QString address1;
    QString address2;
    QString phoneHome;
    QString email;
    QString towerName;
    double lamX = 0.0;
    double lamY = 0.0;
    bool towerMain = false;
    QString antennaRef;
    QString antType;
    QString antMake;
    double antHeight = 0.0;
    double antTilt = 0.0;
    double frequency = 0.0;
    double pattern[10] = {};
    double antPower = 0.0; // dBW at the antenna
    bool hasPower = true;  // false when the placement's power chain was never saved
    double eirp = 0.0;     // dBW
    QString antExtra;      // aperture size as text
    double pointDistance = 0.0;
    double pointHeight = 0.0;
    QString pointRef;
    double spaceAttLow = 0.0;
    double spaceAttHigh = 0.0;
};

// The column of the zip lookup that holds the town in the document language.
QString CityColumn(int languageId);

TOpResult<TOwnerLetterData> LoadOwnerLetterData(TdtmMain &dm, qint32 ownerId, int languageId);
TOpResult<TDocumentTemplate> LoadDocument(TdtmMain &dm, int languageId, const QString &name);
TOpResult<TRegulatorAddress> LoadRegulatorAddress(TdtmMain &dm, int languageId);
TOpResult<QVector<TReportRow>> LoadReportData(TdtmMain &dm, qint32 ownerId,
                                              const QString &placementRef, int languageId);
