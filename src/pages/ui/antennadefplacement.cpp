// The antenna page: placements of catalogue antennas on the current site.
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "pages/antennadefrules.h"
#include "pages/sitedefselection.h"
#include "pages/ui/antennadef.h"
#include "shell/ui/wizardhost.h"
#include "store/datamodule.h"
#include "store/recordops_antenna.h"
#include "store/recordops_placement.h"
#include "store/recordops_selection.h"
#include "store/recordops_site.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

int TfraAntennaDef::refreshPlacementCount()
{
    TCurrentSelection &cs = CurrentSelection();
    const TOpResult<int> count = CountPlacements(*dm(), cs.siteId);
    if (succeeded(count.error))
        cs.placementCount = count.value;
    return cs.placementCount;
}

void TfraAntennaDef::applyLayout()
{
    const bool custom = m_tabs->currentIndex() == 1;
    m_lowerPart->setVisible(!custom);
    if (custom)
        return;
    const TCurrentSelection &cs = CurrentSelection();
    const TPlacementLayout layout =
        PlacementLayout(cs.placementCount, cs.siteCount, m_placementEditing);
    m_siteGroup->setVisible(layout.siteSelector);
    if (layout.siteSelector)
        fillSiteSelector();
    m_placementGroup->setVisible(layout.placementFields);
    m_placementGroup->setEnabled(layout.placementFields);
    m_configGroup->setVisible(layout.configurationGrid);
    m_configGroup->setEnabled(layout.configurationGrid);
    m_save->setEnabled(layout.saveCancelEnabled);
    m_cancel->setEnabled(layout.saveCancelEnabled);
    m_addNew->setEnabled(layout.addEnabled);
    m_delete->setEnabled(layout.deleteEnabled);
    m_delete->setVisible(layout.deleteEnabled || m_placementEditing);
}

void TfraAntennaDef::fillSiteSelector()
{
    const TOpResult<TSiteList> sites = ListSites(*dm(), CurrentSelection().ownerId);
    if (!succeeded(sites.error))
        return;
    const QSignalBlocker blocker(m_siteSelector);
    m_siteSelector->clear();
    m_siteSelector->addItems(sites.value.names);
    m_siteSelector->setCurrentIndex(sites.value.ids.indexOf(CurrentSelection().siteId));
}

void TfraAntennaDef::reloadPlacements()
{
    const TCurrentSelection &cs = CurrentSelection();
    if (!succeeded(OpenPlacements(*dm(), cs.siteId).error))
        return;
    const TJetDataset *placements = dm()->qryAntSel;
    const QSignalBlocker blocker(m_config);
    m_config->setRowCount(placements->recordCount());
    int currentRow = 0;
    for (int row = 0; row < placements->recordCount(); ++row) {
        const QLatin1String fields[] = {Schema::AntennasRef, Schema::AntType, Schema::AntMakeDescr,
                                        Schema::BandFreqDescr};
        for (int column = 0; column < 4; ++column)
            m_config->setItem(
                row, column,
                new QTableWidgetItem(placements->value(row, fields[column]).toString()));
        if (placements->value(row, Schema::IdStation).toInt() == cs.placementId)
            currentRow = row;
    }
    if (placements->recordCount() > 0) {
        m_config->selectRow(currentRow);
        dm()->qryAntSel->moveTo(currentRow);
        showPlacementAntenna();
        dm()->qryAntSel->moveTo(currentRow);
    }
    loadPlacementFields();
}

void TfraAntennaDef::showPlacementAntenna()
{
    // The whole catalogue, standing on the antenna of the current placement,
    // so that a Save never puts an antenna the user did not choose on it.
    const qint32 antennaId = FieldInt(dm()->qryAntSel, Schema::IdListAnt);
    const int all = m_familyIds.indexOf(AllAntennaFamilies);
    {
        const QSignalBlocker blocker(m_families);
        m_families->setCurrentRow(all >= 0 ? all : 0);
    }
    if (succeeded(OpenCatalogue(*dm(), AllAntennaFamilies).error)) {
        m_catalogueSort.clear();
        resetTitles();
        fillCatalogue(antennaId);
    }
}

void TfraAntennaDef::loadPlacementFields()
{
    const TJetDataset *placements = dm()->qryAntSel;
    if (placements->isEmpty()) {
        clearPlacementFields();
        return;
    }
    m_loading = true;
    m_reference->setText(FieldText(placements, Schema::AntennasRef));
    m_height->setText(FormatNumber(placements->fieldValue(Schema::AntennasHeight).toDouble()));
    m_tilt->setText(FormatNumber(placements->fieldValue(Schema::AntennasTilt).toDouble()));
    m_remark->setText(FieldText(placements, Schema::AntennasRem));
    const QVariant simultaneous = placements->fieldValue(Schema::AntennasSimTx);
    m_simultaneous->setChecked(simultaneous.isNull() || simultaneous.toInt() != 0);
    const qint32 band = FieldInt(placements, Schema::IdBandFreqSt);
    const TJetDataset *bands = dm()->tblBandFreqSt;
    m_band->setCurrentIndex(-1); // a band that is not in the list shows as none
    for (int row = 0; row < bands->recordCount(); ++row) {
        if (bands->value(row, Schema::IdBandFreqSt).toInt() == band)
            m_band->setCurrentIndex(row);
    }
    m_loading = false;
}

void TfraAntennaDef::clearPlacementFields()
{
    m_loading = true;
    m_reference->clear();
    m_height->clear();
    m_tilt->clear();
    m_remark->clear();
    // A new placement of a multi-band antenna has no band until one is picked.
    m_band->setCurrentIndex(-1);
    m_simultaneous->setChecked(true);
    m_loading = false;
}

void TfraAntennaDef::placementEdited()
{
    if (!m_loading)
        setPlacementEditing(true);
}

void TfraAntennaDef::setPlacementEditing(bool editing)
{
    m_placementEditing = editing;
    applyLayout();
}

void TfraAntennaDef::addPlacement()
{
    refreshPlacementCount();
    clearPlacementFields();
    m_config->clearSelection();
    m_placementInsert = true;
    setPlacementEditing(true);
    m_height->setFocus();
}

qint32 TfraAntennaDef::pickedPlacementBand() const
{
    const int row = m_band->currentIndex();
    return row < 0 ? 0 : dm()->tblBandFreqSt->value(row, Schema::IdBandFreqSt).toInt();
}

void TfraAntennaDef::savePlacement()
{
    TCurrentSelection &cs = CurrentSelection();
    if (!positionCatalogue()) {
        ShowErrorMessage(tr("Antenna Data"), tr("Select an antenna of the catalogue first."));
        return;
    }
    if (!IsStorableNumber(m_height->text())) {
        ShowErrorMessage(tr("Antenna Data"), NumberFieldMessage(tr("Height (m)")));
        m_height->setFocus();
        return;
    }
    const QString tilt = m_tilt->text().trimmed();
    if (!tilt.isEmpty() && !IsAcceptedTilt(tilt)) {
        // The tilt check on leaving the field is not enough: a click on Save
        // must not store what that check refuses.
        ShowInfoMessage(tr("Antenna Data"), tr("This value should be maximum 45° !"));
        m_tilt->setFocus();
        return;
    }
    const TJetDataset *antenna = dm()->qryAntList;
    const TJetDataset *placement = dm()->qryAntSel;
    // A confirmed double click on a site without placements has nothing to
    // change: it places the antenna instead.
    const qint32 placementId = placement->isEmpty() ? 0 : FieldInt(placement, Schema::IdStation);
    const bool inserting = m_placementInsert || placementId == 0;

    // Another antenna of the catalogue replaces the placement's own only when
    // the user says so; otherwise the placement keeps its antenna, band and
    // polarisation, and the rest is saved.
    const qint32 antennaId = FieldInt(antenna, Schema::IdListAnt);
    bool keepAntenna = false;
    if (!inserting && !m_antennaChangeConfirmed &&
        antennaId != FieldInt(placement, Schema::IdListAnt))
        keepAntenna =
            AskYesNo(tr("Modifying the Antenna Selection"),
                     tr("Are you sure you want to change the antenna selection ?")) != AnswerYes;
    m_antennaChangeConfirmed = false;

    const bool multiBand = selectedAntennaBand() == BandChosenPerPlacement;
    if (!keepAntenna && multiBand && pickedPlacementBand() == 0) {
        ShowErrorMessage(tr("Antenna Data"),
                         tr("This antenna works on several bands: please choose its frequency "
                            "first..."));
        m_band->setFocus();
        return;
    }
    TPlacementValues values;
    if (keepAntenna) {
        values.idBandFreqSt = FieldInt(placement, Schema::IdBandFreqSt);
        values.polarisation = FieldText(placement, Schema::AntennasPol);
    } else {
        values.idBandFreqSt =
            multiBand ? pickedPlacementBand() : FieldInt(antenna, Schema::IdBandFreq);
        values.polarisation = FieldText(antenna, Schema::ListAntPolSh);
    }
    values.height = m_height->text();
    values.tilt = m_tilt->text();
    values.remark = m_remark->text();
    values.simultaneous = m_simultaneous->isChecked();

    if (inserting) {
        const TOpResult<QString> ref = NextPlacementRef(*dm(), cs.siteId, cs.siteName);
        if (!succeeded(ref.error))
            return;
        if (values.tilt.trimmed().isEmpty())
            values.tilt = QStringLiteral("0");
        if (values.height.trimmed().isEmpty())
            values.height = QStringLiteral("0");
        const TOpResult<qint32> id = InsertPlacement(*dm(), cs.siteId, ref.value, values);
        if (!succeeded(id.error))
            return;
        succeeded(SelectFirstPlacement(*dm(), false).error);
        refreshPlacementCount();
        // The new placement becomes current as a whole, not only its reference.
        cs.placementId = id.value;
        cs.setPlacementRef(ref.value);
        host().RefreshStatusBar();
    } else {
        const qint32 kept = FieldInt(placement, Schema::IdListAnt);
        if (!succeeded(
                UpdatePlacement(*dm(), placementId, keepAntenna ? kept : antennaId, values).error))
            return;
    }
    nextButton()->setEnabled(cs.placementCount >= 1);
    m_placementInsert = false;
    m_placementEditing = false;
    reloadPlacements();
    applyLayout();
}

void TfraAntennaDef::cancelPlacement()
{
    m_placementInsert = false;
    m_placementEditing = false;
    reloadPlacements();
    applyLayout();
}

void TfraAntennaDef::deletePlacement()
{
    m_placementInsert = false;
    TCurrentSelection &cs = CurrentSelection();
    if (dm()->qryAntSel->isEmpty())
        return;
    const qint32 placementId = FieldInt(dm()->qryAntSel, Schema::IdStation);
    if (!succeeded(DeletePlacement(*dm(), placementId).error))
        return;
    // The deleted placement must not stay current for the later pages.
    succeeded(SelectFirstPlacementOfSite(*dm()).error);
    refreshPlacementCount();
    host().RefreshStatusBar();
    reloadPlacements();
    nextButton()->setEnabled(cs.placementCount > 0);
    m_placementEditing = false;
    applyLayout();
    m_addNew->setFocus();
}

void TfraAntennaDef::placementClicked(int row)
{
    if (!dm()->qryAntSel->moveTo(row))
        return;
    TCurrentSelection &cs = CurrentSelection();
    cs.placementId = FieldInt(dm()->qryAntSel, Schema::IdStation);
    cs.setPlacementRef(FieldText(dm()->qryAntSel, Schema::AntennasRef));
    succeeded(ListPlacements(*dm(), cs.siteId).error);
    host().RefreshStatusBar();
    m_band->setVisible(true);
    m_bandCaption->setVisible(true);
    showPlacementAntenna();
    dm()->qryAntSel->moveTo(row);
    loadPlacementFields();
    if (!m_placementInsert) {
        m_placementEditing = false;
        applyLayout();
    }
}

void TfraAntennaDef::siteSelected(int position)
{
    const TOpResult<TSiteList> sites = ListSites(*dm(), CurrentSelection().ownerId);
    if (!succeeded(sites.error) || position < 0 || position >= sites.value.ids.size())
        return;
    TCurrentSelection &cs = CurrentSelection();
    cs.siteId = sites.value.ids.at(position);
    cs.sitePosition = position;
    cs.setSiteName(sites.value.names.at(position));
    if (dm()->qryTower->isActive())
        dm()->qryTower->locate(Schema::IdTower, cs.siteId);
    succeeded(SelectFirstPlacementOfSite(*dm()).error);
    host().RefreshStatusBar();
    m_placementInsert = false;
    m_placementEditing = false;
    reloadPlacements();
    nextButton()->setEnabled(refreshPlacementCount() > 0);
    applyLayout();
}

void TfraAntennaDef::tiltLeft()
{
    // Cancel throws the tilt away: checking it first would keep the click from
    // ever reaching the button.
    if (IsAcceptedTilt(m_tilt->text()) || QApplication::focusWidget() == m_cancel)
        return;
    ShowInfoMessage(tr("Antenna Data"), tr("This value should be maximum 45° !"));
    QTimer::singleShot(0, m_tilt, [this]() { m_tilt->setFocus(Qt::OtherFocusReason); });
}
