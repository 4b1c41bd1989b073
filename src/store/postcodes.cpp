#include "store/postcodes.h"

#include "store/jetdataset.h"

bool IsNoTownYet(qint32 idZipCity)
{
    return idZipCity <= 2;
}

QString TownColumnForLanguage(int languageId)
{
    return languageId == 2 ? QStringLiteral("CityNameN") : QStringLiteral("CityNameF");
}

int TownListLanguage(int documentLanguage, int interfaceLanguage)
{
    if (documentLanguage > 0)
        return documentLanguage;
    return interfaceLanguage == 1 ? 2 : 1;
}

QVector<TPostcodeRow> PostcodeRows(const TJetDataset &zips, const QString &keyColumn)
{
    const bool hasMain = zips.fieldIndex(QStringLiteral("CityMain")) >= 0;
    QVector<TPostcodeRow> rows;
    rows.reserve(zips.recordCount());
    for (int i = 0; i < zips.recordCount(); ++i) {
        TPostcodeRow row;
        row.zip = zips.value(i, QStringLiteral("Zip")).toString();
        row.mainTown = hasMain && zips.value(i, QStringLiteral("CityMain")).toInt() != 0;
        row.noTownYet = IsNoTownYet(zips.value(i, keyColumn).toInt());
        rows.append(row);
    }
    return rows;
}

int PostcodeRowForDigits(const QVector<TPostcodeRow> &rows, const QString &digits)
{
    if (digits.isEmpty())
        return -1;
    int first = -1;
    for (int i = 0; i < rows.size(); ++i) {
        const TPostcodeRow &row = rows.at(i);
        if (row.noTownYet || !row.zip.startsWith(digits))
            continue;
        if (first < 0)
            first = i;
        else if (row.zip != rows.at(first).zip)
            break; // the rows of one postcode stand together
        if (row.mainTown)
            return i;
    }
    return first;
}
