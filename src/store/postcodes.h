#pragma once

#include <QString>
#include <QVector>

class TJetDataset;

// What the program knows about the postcode lookups (qryZipCity1 for the
// owner's address, qryZipCity2 for the site): the rows that stand for "no town
// yet", the town column of a document language and the main town of a postcode.

// Keys 1 and 2 are the "no town yet" rows that new owners and sites point to;
// a key that was never set (0) means the same.
bool IsNoTownYet(qint32 idZipCity);

// The town column that documents in this language print, and that the town
// lists show: the Dutch names for Dutch (2), the French names for the others.
QString TownColumnForLanguage(int languageId);

// The document language whose town names a list shows: the owner's, or before
// one is chosen (0) Dutch under the Dutch interface (index 1), else English.
int TownListLanguage(int documentLanguage, int interfaceLanguage);

struct TPostcodeRow {
    QString zip;
    bool mainTown = false;  // the locality that is the postcode's municipality
    bool noTownYet = false; // keys 1 and 2
};

// The rows of a postcode lookup in its order; keyColumn is "IdZipCity1" or
// "IdZipCity2". A database without the main-town table gives no main towns.
QVector<TPostcodeRow> PostcodeRows(const TJetDataset &zips, const QString &keyColumn);

// The row that typed digits stand for: the main town of the first postcode
// that starts with them (its first town when it has no main town). "No town
// yet" rows are never chosen; -1 when no postcode starts with the digits.
int PostcodeRowForDigits(const QVector<TPostcodeRow> &rows, const QString &digits);
