// The antenna page: the user's own (custom) antennas.
#include "base/messages.h"
#include "base/numberformat.h"
#include "pages/antennadefcustomstore.h"
#include "pages/antennadefrules.h"
#include "pages/ui/antennadef.h"
#include "store/datamodule.h"
#include "store/recordops_antenna.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace
{

// Row of a lookup table whose key column holds `key`; -1 when none does.
int lookupRow(const TJetDataset *table, const QString &keyColumn, qint32 key)
{
    for (int row = 0; row < table->recordCount(); ++row) {
        if (table->value(row, keyColumn).toInt() == key)
            return row;
    }
    return -1;
}

qint32 lookupKey(const QComboBox *box, const TJetDataset *table, const QString &keyColumn)
{
    const int row = box->currentIndex();
    return row < 0 ? 0 : table->value(row, keyColumn).toInt();
}

// A stored pattern value as the user would type it; empty when none was stored.
QString patternText(const QVariant &value)
{
    return value.isNull() ? QString() : FormatNumber(value.toDouble());
}
} // namespace

void TfraAntennaDef::showCustomTab()
{
    m_placementInsert = false;
    m_placementEditing = false;
    applyLayout(); // hides the lower part
    m_customInsert = false;
    reloadCustom();
    m_customAdd->setFocus();
}

void TfraAntennaDef::reloadCustom()
{
    const TOpResult<int> count = OpenCustomAntennas(*dm(), TCustomAntennaMode::Browse);
    if (!succeeded(count.error))
        return;
    const TJetDataset *antennas = dm()->qryAntCustom;
    {
        const QSignalBlocker blocker(m_customGrid);
        m_customGrid->setRowCount(antennas->recordCount());
        for (int row = 0; row < antennas->recordCount(); ++row) {
            m_customGrid->setItem(
                row, 0, new QTableWidgetItem(antennas->value(row, Schema::AntType).toString()));
            m_customGrid->setItem(
                row, 1,
                new QTableWidgetItem(antennas->value(row, Schema::AntMakeDescr).toString()));
        }
        if (antennas->recordCount() > 0)
            m_customGrid->selectRow(0);
    }
    customRowChanged();
    setCustomEditing(false);
}

void TfraAntennaDef::customRowChanged()
{
    const QList<QTableWidgetItem *> selected = m_customGrid->selectedItems();
    if (selected.isEmpty() || !dm()->qryAntCustom->moveTo(selected.first()->row())) {
        clearCustomFields();
        return;
    }
    if (m_customInsert) { // another row picked while a new one was being typed
        m_customInsert = false;
        setCustomEditing(false);
    }
    loadCustomFields();
}

void TfraAntennaDef::loadCustomFields()
{
    const TJetDataset *antenna = dm()->qryAntCustom;
    m_loading = true;
    m_customType->setText(FieldText(antenna, Schema::AntType));
    m_customMake->setText(FieldText(antenna, Schema::AntMakeDescr));
    m_customPol->setCurrentIndex(lookupRow(dm()->tblListAntPol, Schema::IdListAntPol,
                                           FieldInt(antenna, Schema::IdListAntPol)));
    m_customBand->setCurrentIndex(
        lookupRow(dm()->tblBandFreq, Schema::IdBandFreq, FieldInt(antenna, Schema::IdBandFreq)));
    for (int i = 0; i < 10; ++i)
        m_customPattern[i]->setText(patternText(antenna->fieldValue(Schema::PatternColumns[i])));
    m_lambda->setText(FieldText(antenna, Schema::AntExtra));
    m_loading = false;
}

void TfraAntennaDef::clearCustomFields()
{
    m_loading = true;
    m_customType->clear();
    m_customMake->clear();
    m_customPol->setCurrentIndex(-1);
    m_customBand->setCurrentIndex(-1);
    for (QLineEdit *field : m_customPattern)
        field->clear();
    m_lambda->clear();
    m_loading = false;
}

void TfraAntennaDef::customEdited()
{
    if (!m_loading)
        setCustomEditing(true);
}

void TfraAntennaDef::setCustomEditing(bool editing)
{
    m_customEditing = editing;
    const bool any = m_customGrid->rowCount() > 0;
    m_customSave->setEnabled(editing);
    m_customCancel->setEnabled(editing);
    m_customAdd->setEnabled(!editing);
    m_customDelete->setEnabled(!editing && any);
    m_customDelete->setVisible(editing || any);
    m_customGrid->setVisible(any || editing);
    m_customGrid->setEnabled(any);
    m_customGroup->setVisible(editing || any);
    m_customGroup->setEnabled(editing || any);
}

void TfraAntennaDef::addCustom()
{
    m_customInsert = true;
    {
        const QSignalBlocker blocker(m_customGrid);
        m_customGrid->clearSelection();
    }
    clearCustomFields();
    setCustomEditing(true);
    m_customType->setFocus();
}

void TfraAntennaDef::saveCustom()
{
    // A pattern value that is no number would fail in the database with its
    // own words; the page names the field instead.
    for (int i = 0; i < 10; ++i) {
        if (!IsStorableNumber(m_customPattern[i]->text())) {
            ShowErrorMessage(tr("Custom Antennas"),
                             NumberFieldMessage(QStringLiteral("%1°").arg(i * 10)));
            m_customPattern[i]->setFocus();
            return;
        }
    }
    if (!IsStorableNumber(m_lambda->text())) {
        ShowErrorMessage(tr("Custom Antennas"),
                         NumberFieldMessage(tr("Ø in") + QStringLiteral(" λ")));
        m_lambda->setFocus();
        return;
    }
    TAntennaValues values;
    values.idFamily = CustomAntennaFamily;
    values.idPolarisation = lookupKey(m_customPol, dm()->tblListAntPol, Schema::IdListAntPol);
    values.idBand = lookupKey(m_customBand, dm()->tblBandFreq, Schema::IdBandFreq);
    for (int i = 0; i < 10; ++i)
        values.pattern[i] = m_customPattern[i]->text();
    values.pattern[10] = values.pattern[9];
    values.type = m_customType->text();
    values.makeDescr = m_customMake->text();
    values.extra = m_lambda->text();
    values.dir = QStringLiteral("CUSTOM");
    if (m_customInsert) {
        if (!succeeded(InsertAntenna(*dm(), values).error))
            return;
    } else {
        const qint32 id = FieldInt(dm()->qryAntCustom, Schema::IdListAnt);
        if (id == 0 || !succeeded(UpdateAntenna(*dm(), id, values).error))
            return;
    }
    m_customInsert = false;
    reloadCustom();
}

void TfraAntennaDef::cancelCustom()
{
    m_customInsert = false;
    reloadCustom();
    m_customAdd->setFocus();
}

void TfraAntennaDef::deleteCustom()
{
    const QList<QTableWidgetItem *> selected = m_customGrid->selectedItems();
    if (selected.isEmpty() || !dm()->qryAntCustom->moveTo(selected.first()->row()))
        return;
    const qint32 id = FieldInt(dm()->qryAntCustom, Schema::IdListAnt);
    const TOpResult<TCustomAntennaDeletion> outcome = DeleteCustomAntenna(*dm(), id);
    if (!succeeded(outcome.error))
        return;
    if (!outcome.value.deleted) {
        ShowErrorMessage(tr("Custom Antennas"),
                         tr("This antenna is still in use in the Antenna/Station table") +
                             QLatin1Char('\n') +
                             tr("First, you should delete it in that table..."));
        return;
    }
    m_customInsert = false;
    reloadCustom();
    m_customAdd->setFocus();
}
