#pragma once

#include "store/recordresult.h"

#include <QStringList>
#include <QVector>

class TdtmMain;

// Operations on owners (tblOwner). Owners are never deleted.

// The owner selector's two arrays, in the order the query returned them.
struct TOwnerList {
    QStringList calls;
    QVector<qint32> ids;
};

// What the user data page saves. The note is handed over separately (by value).
struct TOwnerValues {
    qint32 idZipCity1 = 0;
    qint32 idLanguage = 0;
    qint32 specialCase = 0; // OwnerSpecCase
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
    QString remark;
};

// What the low-power page saves.
struct TOwnerLowPowerValues {
    qint32 idTxTime = 0;
    qint32 idMode = 0;
    qint32 idBandFreqQrp = 0;
    QString distA; // numbers as the user typed them
    QString distB;
    QString power;
    QString gain;
    QString coaxLoss;
};

// What the site page saves about the owner's site description. The site note
// is handed over separately (by value).
struct TOwnerSiteInfo {
    qint32 idZipCity2 = 0;
    bool shared = false;
    bool clubStation = false;
    bool antennasExist = false;
    QString address1;
    QString address2;
    QString remark;
    QString biptRef;
    QString clubCall;
    QString sharedBy;
};

TOpResult<int> CountOwners(TdtmMain &dm);
TOpResult<TOwnerList> ListOwners(TdtmMain &dm);
TOpResult<QString> GetOwnerUserDir(TdtmMain &dm, qint32 ownerId);

// Opens qryUserData on one owner (ownerId 0: the first in IdOwner order) or,
// with newRecord, on every owner. Sets the document language id from the row
// the dataset stands on (0 when none).
TOpStatus OpenOwnerRecord(TdtmMain &dm, qint32 ownerId, bool newRecord);

// Inserts an owner and returns its new IdOwner; the document language id
// becomes the given one. The operation owns the note lines.
TOpResult<qint32> InsertOwner(TdtmMain &dm, const TOwnerValues &values, QStringList note);
TOpStatus UpdateOwner(TdtmMain &dm, qint32 ownerId, const TOwnerValues &values, QStringList note);

TOpStatus UpdateOwnerLowPower(TdtmMain &dm, qint32 ownerId, const TOwnerLowPowerValues &values);
TOpStatus UpdateOwnerSiteInfo(TdtmMain &dm, qint32 ownerId, const TOwnerSiteInfo &values,
                              QStringList siteNote);
