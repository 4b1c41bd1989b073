#include "store/recordops_antenna.h"

#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/nameproposals.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QStringList>

namespace
{

const char *const PatternList =
    "AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100";

// Rows of a query dataset sorted by a text column, as the pages list them.
void sortByMakeDescr(TJetDataset *dataset)
{
    dataset->sort(dataset->fieldIndex(Schema::AntMakeDescr), Qt::AscendingOrder);
    dataset->first();
}

} // namespace

TOpResult<int> OpenAntennaFamilies(TdtmMain &dm)
{
    return CountRows(dm.qryAntListKind,
                     {QStringLiteral("SELECT IdAntFamily, AntFamilyNameE AS AntFamily"),
                      QStringLiteral("FROM qryListAntFamily")});
}

TOpResult<int> OpenCatalogue(TdtmMain &dm, qint32 familyId)
{
    QStringList lines = {
        QStringLiteral("SELECT IdListAnt, IdAntFamily, tblListAntPol.IdListAntPol, "
                       "tblBandFreq.IdBandFreq, ") +
            QString::fromLatin1(PatternList) +
            QStringLiteral(", AntDir, AntType, AntMakeDescr, ListAntPolSh AS AntPol, "
                           "ListAntPolSh, BandFreqCenter, AntExtra"),
        QStringLiteral("FROM (tblListAnt INNER JOIN tblListAntPol ON tblListAntPol.IdListAntPol = "
                       "tblListAnt.IdListAntPol) INNER JOIN tblBandFreq ON tblBandFreq.IdBandFreq "
                       "= tblListAnt.IdBandFreq")};
    if (familyId != AllAntennaFamilies)
        lines << QStringLiteral("WHERE IdAntFamily =%1").arg(familyId);
    const TOpStatus status = OpenStatement(dm.qryAntList, lines);
    if (!status.ok())
        return TOpResult<int>::failure(status);
    sortByMakeDescr(dm.qryAntList);
    return TOpResult<int>::success(dm.qryAntList->recordCount());
}

TOpResult<int> OpenCustomAntennas(TdtmMain &dm, TCustomAntennaMode mode)
{
    const TOpStatus status =
        OpenStatement(dm.qryAntCustom,
                      {QStringLiteral("SELECT IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, ") +
                           QString::fromLatin1(PatternList) +
                           QStringLiteral(", AntDir, AntType, AntMakeDescr, AntExtra"),
                       QStringLiteral("FROM tblListAnt"),
                       QStringLiteral("WHERE IdAntFamily =%1").arg(CustomAntennaFamily)});
    if (!status.ok())
        return TOpResult<int>::failure(status);
    sortByMakeDescr(dm.qryAntCustom);
    // Append and edit states belong to the custom-antenna page, which saves
    // through InsertAntenna and UpdateAntenna; the mode is kept for its callers.
    Q_UNUSED(mode);
    return TOpResult<int>::success(dm.qryAntCustom->recordCount());
}

TOpResult<qint32> InsertAntenna(TdtmMain &dm, const TAntennaValues &v)
{
    QStringList texts;
    for (const QString &value : v.pattern)
        texts << JetText(value);
    texts << JetText(v.type) << JetText(v.makeDescr) << JetText(v.extra) << JetText(v.dir);
    const TOpStatus status = ExecStatement(
        dm.qryTemp1,
        {QStringLiteral("INSERT INTO tblListAnt( IdAntFamily, IdListAntPol, IdBandFreq, ") +
             QString::fromLatin1(PatternList) +
             QStringLiteral(", AntType, AntMakeDescr, AntExtra, AntDir)"),
         QStringLiteral("VALUES ( %1, %2, %3, ")
                 .arg(v.idFamily)
                 .arg(v.idPolarisation)
                 .arg(v.idBand) +
             texts.join(QStringLiteral(", ")) + QStringLiteral(")")});
    if (!status.ok())
        return TOpResult<qint32>::failure(status);
    return ReadNewKey(dm.qryTemp1, Schema::tblListAnt, Schema::IdListAnt);
}

TOpStatus UpdateAntenna(TdtmMain &dm, qint32 antennaId, const TAntennaValues &v)
{
    QStringList sets;
    for (int i = 0; i < 11; ++i)
        sets << QString(Schema::PatternColumns[i]) + QStringLiteral(" =") + JetText(v.pattern[i]);
    sets << QStringLiteral("AntType =") + JetText(v.type)
         << QStringLiteral("AntMakeDescr =") + JetText(v.makeDescr)
         << QStringLiteral("AntExtra =") + JetText(v.extra)
         << QStringLiteral("AntDir =") + JetText(v.dir);
    return ExecStatement(dm.qryTemp1,
                         {QStringLiteral("UPDATE tblListAnt"),
                          QStringLiteral("SET IdAntFamily =%1, IdListAntPol =%2, IdBandFreq =%3, ")
                                  .arg(v.idFamily)
                                  .arg(v.idPolarisation)
                                  .arg(v.idBand) +
                              sets.join(QStringLiteral(", ")),
                          QStringLiteral("WHERE IdListAnt =%1").arg(antennaId)});
}

TOpStatus OpenAntennaSummary(TdtmMain &dm, qint32 antennaId)
{
    return OpenStatement(dm.qryTemp3, {QStringLiteral("SELECT AntType, AntMakeDescr, AntV00"),
                                       QStringLiteral("FROM tblListAnt"),
                                       QStringLiteral("WHERE IdListAnt =%1").arg(antennaId)});
}

TOpResult<QString> PlacementsUsingAntenna(TdtmMain &dm, qint32 antennaId)
{
    const TOpStatus status =
        OpenStatement(dm.qryTemp3, {QStringLiteral("SELECT IdStation, IdListAnt, AntennasRef"),
                                    QStringLiteral("FROM tblStation"),
                                    QStringLiteral("WHERE IdListAnt =%1").arg(antennaId),
                                    QStringLiteral("ORDER BY IdListAnt")});
    if (!status.ok())
        return TOpResult<QString>::failure(status);
    QStringList refs;
    for (dm.qryTemp3->first(); !dm.qryTemp3->eof(); dm.qryTemp3->next())
        refs << FieldText(dm.qryTemp3, Schema::AntennasRef);
    return TOpResult<QString>::success(JoinPlacementRefs(refs));
}
