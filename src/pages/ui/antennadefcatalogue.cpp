// The antenna page: the catalogue by family, its sorting, the pattern of the
// selected antenna and its polar chart.
#include "charts/ui/polarchart.h"
#include "pages/ui/antennadef.h"
#include "pages/antennadefrules.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "store/datamodule.h"
#include "store/recordops_antenna.h"
#include "store/recordstatement.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>

namespace
{
// The catalogue grid's columns and the dataset fields they show.
const char *const CatalogueFields[] = {"AntType", "AntMakeDescr", "AntPol"};

const char *const PatternFields[10] = {"AntV00", "AntV10", "AntV20", "AntV30", "AntV40",
                                       "AntV50", "AntV60", "AntV70", "AntV80", "AntV90"};
} // namespace

void TfraAntennaDef::fillFamilies()
{
    const TOpResult<int> count = OpenAntennaFamilies(*dm());
    if (!succeeded(count.error))
        return;
    const TJetDataset *families = dm()->qryAntListKind;
    const QSignalBlocker blocker(m_families);
    m_families->clear();
    m_familyIds.clear();
    for (int row = 0; row < families->recordCount(); ++row) {
        m_families->addItem(families->value(row, QStringLiteral("AntFamily")).toString());
        m_familyIds.append(families->value(row, QStringLiteral("IdAntFamily")).toInt());
    }
    familySelected();
}

void TfraAntennaDef::familySelected()
{
    const int row = m_families->currentRow();
    loadCatalogue(row >= 0 && row < m_familyIds.size() ? m_familyIds.at(row) : AllAntennaFamilies);
}

void TfraAntennaDef::loadCatalogue(qint32 familyId)
{
    if (!succeeded(OpenCatalogue(*dm(), familyId).error))
        return;
    m_catalogueSort.clear();
    resetTitles();
    fillCatalogue(0);
}

void TfraAntennaDef::resetTitles()
{
    for (int column = 0; column < m_catalogue->columnCount(); ++column)
        m_catalogue->horizontalHeaderItem(column)->setForeground(Qt::black);
}

void TfraAntennaDef::fillCatalogue(qint32 keepAntennaId)
{
    const TJetDataset *antennas = dm()->qryAntList;
    int keepRow = 0;
    {
        const QSignalBlocker blocker(m_catalogue);
        m_catalogue->clearSelection();
        m_catalogue->setRowCount(antennas->recordCount());
        for (int row = 0; row < antennas->recordCount(); ++row) {
            for (int column = 0; column < 3; ++column) {
                auto *item = new QTableWidgetItem(
                    antennas->value(row, QLatin1String(CatalogueFields[column])).toString());
                if (column == 2)
                    item->setTextAlignment(Qt::AlignCenter);
                m_catalogue->setItem(row, column, item);
            }
            if (antennas->value(row, QStringLiteral("IdListAnt")).toInt() == keepAntennaId)
                keepRow = row;
        }
        if (antennas->recordCount() > 0)
            m_catalogue->selectRow(keepRow);
    }
    catalogueRowChanged();
}

void TfraAntennaDef::titleClicked(int column)
{
    if (column < 0 || column >= 3 || !dm()->qryAntList->isActive())
        return;
    const QString field = QLatin1String(CatalogueFields[column]);
    positionCatalogue();
    const qint32 current = FieldInt(dm()->qryAntList, QStringLiteral("IdListAnt"));
    m_catalogueSort = NextCatalogueSort(m_catalogueSort, field);
    dm()->qryAntList->sort(dm()->qryAntList->fieldIndex(field), IsDescendingSort(m_catalogueSort)
                                                                    ? Qt::DescendingOrder
                                                                    : Qt::AscendingOrder);
    resetTitles();
    m_catalogue->horizontalHeaderItem(column)->setForeground(Qt::red);
    fillCatalogue(current);
}

bool TfraAntennaDef::positionCatalogue()
{
    const QList<QTableWidgetItem *> selected = m_catalogue->selectedItems();
    if (selected.isEmpty())
        return false;
    return dm()->qryAntList->moveTo(selected.first()->row());
}

qint32 TfraAntennaDef::selectedAntennaBand() const
{
    return FieldInt(dm()->qryAntList, QStringLiteral("IdBandFreq"));
}

void TfraAntennaDef::catalogueRowChanged()
{
    const TJetDataset *antennas = dm()->qryAntList;
    if (!positionCatalogue()) {
        for (QLineEdit *field : m_gain)
            field->clear();
        m_frequency->clear();
    } else {
        for (int i = 0; i < 10; ++i)
            m_gain[i]->setText(
                FormatNumber(antennas->fieldValue(QLatin1String(PatternFields[i])).toDouble()));
        m_frequency->setText(
            FormatNumber(antennas->fieldValue(QStringLiteral("BandFreqCenter")).toDouble()));
    }
    applyFrequencyRule();
    drawPattern();
}

void TfraAntennaDef::applyFrequencyRule()
{
    const bool perPlacement =
        positionCatalogue() && selectedAntennaBand() == BandChosenPerPlacement;
    m_band->setVisible(perPlacement);
    m_bandCaption->setVisible(perPlacement);
    m_toDefine->setVisible(perPlacement);
    m_centreFrequency->setVisible(!perPlacement);
}

void TfraAntennaDef::drawPattern()
{
    m_chart->clear();
    if (!positionCatalogue()) {
        m_chart->update();
        return;
    }
    QVector<double> values;
    for (const char *field : PatternFields)
        values.append(dm()->qryAntList->fieldValue(QLatin1String(field)).toDouble());
    const TPatternRange range = PatternRange(values);
    m_chart->setCentre(QPointF(1.0 / 12.0, 0.5));
    m_chart->setMargins(10, 10);
    m_chart->setRadialRange(range.low, range.high);
    m_chart->setAngleOffset(-90);
    m_chart->setCounterClockwise(true);
    m_chart->setRays(30, 0, 180);
    m_chart->setAngleLabelShift(-90);
    // Chart angle 90 is the main beam; the pattern value at n degrees from
    // the beam lies at chart angle 90 - n below it and 90 + n above it.
    QVector<QPointF> lower, upper;
    for (int i = 0; i < 10; ++i) {
        lower.append(QPointF(10.0 * i, values.at(9 - i)));
        upper.append(QPointF(180.0 - 10.0 * i, values.at(9 - i)));
    }
    m_chart->addPolyline(lower, Qt::red, Qt::SolidLine, 2);
    m_chart->addPolyline(upper, Qt::red, Qt::SolidLine, 2);
    m_chart->addPolyline({QPointF(180, range.high), QPointF(0, range.high)}, Qt::red,
                         Qt::DashDotLine, 1);
    m_chart->update();
}

void TfraAntennaDef::catalogueDoubleClicked()
{
    if (AskYesNo(tr("Modifying the Antenna Selection"),
                 tr("Are you sure you want to change the antenna selection ?")) != AnswerYes)
        return;
    setPlacementEditing(true);
    m_antennaChangeConfirmed = true;
    savePlacement();
}
