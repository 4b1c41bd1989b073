#include "exposure/ui/powerfreqpage.h"

#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "exposure/engine/fieldreach.h"
#include "exposure/engine/limits.h"
#include "exposure/evaluation.h"
#include "exposure/ui/inputfieldfilter.h"
#include "shell/ui/wizardhost.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "store/recordops_placement.h"
#include "store/schema.h"
#include "store/sitetree.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <optional>

namespace
{

constexpr int PlacementRole = Qt::UserRole;
constexpr int SiteRole = Qt::UserRole + 1;
constexpr int ValueRole = Qt::UserRole + 1;

// The value of the chosen entry of a lookup list (0 when none is chosen).
double lookupValue(const QComboBox *box)
{
    return box->currentIndex() < 0 ? 0.0 : box->currentData(ValueRole).toDouble();
}

qint32 lookupKey(const QComboBox *box)
{
    return box->currentIndex() < 0 ? 0 : box->currentData(Qt::UserRole).toInt();
}

void selectKey(QComboBox *box, qint32 key)
{
    box->setCurrentIndex(box->findData(key, Qt::UserRole));
}

QString caption()
{
    return QCoreApplication::translate("TfraPowerFreq", "Power Data");
}

} // namespace

TfraPowerFreq::TfraPowerFreq(IWizardHost &host, QWidget *parent)
    : TfraBase(PagePowerFreq, host, parent), m_dm(host.DataModule())
{
    buildControls();
    fillLookups();

    connect(m_tree, &QTreeWidget::currentItemChanged, this, &TfraPowerFreq::nodeSelected);
    for (QLineEdit *e :
         {m_txPower, m_feederManual, m_swr, m_tuner, m_lpf, m_pairs, m_perPair, m_addManual})
        connect(e, &QLineEdit::textEdited, this, &TfraPowerFreq::fieldEdited);
    for (int n = 0; n < CableSectionCount; ++n) {
        connect(m_length[n], &QLineEdit::textEdited, this, &TfraPowerFreq::fieldEdited);
        connect(m_cable[n], &QComboBox::activated, this, &TfraPowerFreq::fieldEdited);
    }
    connect(m_mode, &QComboBox::activated, this, &TfraPowerFreq::fieldEdited);
    connect(m_time, &QComboBox::activated, this, &TfraPowerFreq::fieldEdited);
    connect(m_calcFeeder, &QCheckBox::toggled, this, &TfraPowerFreq::feederToggled);
    connect(m_calcAdd, &QCheckBox::toggled, this, &TfraPowerFreq::additionalToggled);
    connect(m_filter, &TInputFieldFilter::numberFieldAdvanced, this,
            [this](QWidget *) { setPending(m_havePlacement); });
    connect(m_filter, &TInputFieldFilter::focusLeft, this, [this](QWidget *control) {
        if (control == m_txPower)
            txPowerLeft();
    });
    connect(m_save, &QPushButton::clicked, this, [this]() { save(); });
    connect(m_cancel, &QPushButton::clicked, this, &TfraPowerFreq::cancel);
    connect(m_copy, &QPushButton::clicked, this, &TfraPowerFreq::copyClicked);

    showNoPlacement();
}

TfraPowerFreq::~TfraPowerFreq() = default;

void TfraPowerFreq::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    m_checkArmed = false;
    CurrentSelection().terrainStudy = false;
    if (m_filter && m_mode->count() == 0)
        fillLookups();
    rebuildTree();
    setPending(false);
    m_txPower->setFocus();
}

void TfraPowerFreq::rebuildTree()
{
    m_selecting = true;
    m_tree->clear();
    m_selecting = false;
    m_dirty = false;
    if (!m_dm) {
        showNoPlacement();
        return;
    }
    const TCurrentSelection &cs = CurrentSelection();
    const TOpResult<TSiteTree> tree = FillSiteTree(*m_dm, cs.ownerId, cs.call);
    if (!tree.ok()) {
        ShowErrorMessage(caption(), tree.error);
        showNoPlacement();
        return;
    }
    m_selecting = true;
    auto *root = new QTreeWidgetItem(m_tree, {tree.value.rootText});
    root->setData(0, PlacementRole, 0);
    QTreeWidgetItem *first = nullptr;
    for (const TSiteTreeSite &site : tree.value.sites) {
        auto *siteItem = new QTreeWidgetItem(root, {site.name});
        siteItem->setData(0, PlacementRole, 0);
        siteItem->setData(0, SiteRole, site.id);
        for (const TSiteTreePlacement &placement : site.placements) {
            auto *item = new QTreeWidgetItem(siteItem, {placement.ref});
            item->setData(0, PlacementRole, placement.id);
            item->setData(0, SiteRole, site.id);
            if (!first && &site == &tree.value.sites.first())
                first = item;
        }
    }
    m_tree->expandAll();
    m_selecting = false;
    if (first)
        m_tree->setCurrentItem(first);
    else
        showNoPlacement();
}

void TfraPowerFreq::nodeSelected(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    if (m_selecting)
        return;
    if (m_dirty && previous && !resolvePendingEdits()) {
        // The save failed: stay on the placement whose edits are pending.
        m_selecting = true;
        m_tree->setCurrentItem(previous);
        m_selecting = false;
        return;
    }
    if (!current || current->data(0, PlacementRole).toInt() == 0)
        showNoPlacement();
    else
        showPlacement(current);
}

void TfraPowerFreq::showNoPlacement()
{
    m_havePlacement = false;
    m_titleFor.clear();
    m_title->setText(tr("No Antenna Selected !"));
    m_title->setStyleSheet(QStringLiteral("color: red;"));
    m_resultPanel->hide();
    nextButton()->setEnabled(false);
    m_antType->setText(QStringLiteral("..."));
    m_antDescr->setText(QStringLiteral("..."));
    m_antGain->setText(QStringLiteral("..."));
    m_antFreq->setText(QStringLiteral("... MHz"));
    setInputsEnabled(false);
    fillCopySources(0);
    setPending(false);
    m_checkArmed = false;
}

void TfraPowerFreq::showPlacement(QTreeWidgetItem *item)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    setInputsEnabled(false);
    TCurrentSelection &cs = CurrentSelection();
    const qint32 placementId = item->data(0, PlacementRole).toInt();
    // The site is the node's parent in the tree, whatever the reference says.
    cs.siteId = item->data(0, SiteRole).toInt();
    cs.setSiteName(item->parent() ? item->parent()->text(0) : QString());
    cs.placementId = placementId;
    cs.setPlacementRef(item->text(0));

    const TOpResult<int> opened = OpenPowerData(*m_dm, placementId, cs.ownerId);
    QApplication::restoreOverrideCursor();
    if (!opened.ok() || opened.value == 0 ||
        m_dm->qryStation->fieldValue(Schema::IdStation).toInt() != placementId) {
        if (!opened.ok())
            ShowErrorMessage(caption(), opened.error);
        showNoPlacement();
        return;
    }
    m_row = ReadPowerChainRow(*m_dm->qryStation);
    m_titleFor = item->text(0);
    m_title->setText(tr("For : ") + m_titleFor);
    m_title->setStyleSheet(QStringLiteral("color: navy;"));

    const TOpResult<TAntennaDetails> details = GetAntDetails(*m_dm, m_row.idListAnt);
    m_gain = details.ok() ? details.value.gain : 0.0;
    m_antType->setText(details.ok() ? details.value.type : QStringLiteral("..."));
    m_antDescr->setText(details.ok() ? details.value.description : QStringLiteral("..."));
    m_antGain->setText(details.ok() ? FormatNumber(m_gain) : QStringLiteral("..."));
    m_pattern = details.ok() ? details.value.pattern : AntennaPattern{};
    m_apertureSize = details.ok() ? details.value.apertureSize : 0;
    const TOpResult<double> band = GetBandCenter(*m_dm, m_row.idBandFreqSt);
    m_frequency = band.ok() ? band.value : 0.0;
    m_antFreq->setText(band.ok() ? FormatNumber(m_frequency) + QStringLiteral(" MHz")
                                 : QStringLiteral("... MHz"));

    loadFields(m_row);
    m_havePlacement = true;
    setInputsEnabled(true);
    fillCopySources(placementId);
    host().RefreshStatusBar();
    nextButton()->setEnabled(true);
    lossesRecalc();
    m_resultPanel->show();
    setPending(false);
    m_checkArmed = true;
    m_txPower->setFocus();
}

void TfraPowerFreq::loadFields(const TPowerChainRow &row)
{
    m_loading = true;
    m_txPower->setText(FormatNumber(row.txPower));
    for (int n = 0; n < CableSectionCount; ++n) {
        selectKey(m_cable[n], row.idCableLoss[n]);
        m_length[n]->setText(FormatNumber(row.cableLength[n]));
    }
    m_swr->setText(FormatNumber(row.attSwr));
    // The tuner row holds StationAttLpf and the filter row StationAttAtu.
    m_tuner->setText(FormatNumber(row.attLpf));
    m_lpf->setText(FormatNumber(row.attAtu));
    m_pairs->setText(FormatNumber(row.noConn));
    m_perPair->setText(FormatNumber(row.attConn));
    selectKey(m_mode, row.idMode);
    selectKey(m_time, row.idTxTime);
    m_calcFeeder->setChecked(row.calcFeeder);
    m_calcAdd->setChecked(row.calcAdd);
    m_feederManual->setText(row.calcFeeder ? QStringLiteral("0") : FormatNumber(row.attFeeder));
    m_addManual->setText(row.calcAdd ? QStringLiteral("0") : FormatNumber(row.attAdd));
    showCheckPanels();
    m_loading = false;
}

void TfraPowerFreq::setInputsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_txPower, m_calcFeeder, m_calcAdd,
                                                       m_feederManual, m_addManual, m_swr, m_tuner,
                                                       m_lpf, m_pairs, m_perPair, m_mode, m_time})
        w->setEnabled(enabled);
    for (int n = 0; n < CableSectionCount; ++n) {
        m_cable[n]->setEnabled(enabled);
        m_length[n]->setEnabled(enabled);
    }
}

void TfraPowerFreq::showCheckPanels()
{
    m_feederSections->setVisible(m_calcFeeder->isChecked());
    m_feederTotalPanel->setVisible(!m_calcFeeder->isChecked());
    m_addRows->setVisible(m_calcAdd->isChecked());
    m_addTotalPanel->setVisible(!m_calcAdd->isChecked());
}

TPowerChainInput TfraPowerFreq::WorkingValues() const
{
    TPowerChainInput in;
    in.frequency = m_frequency;
    for (int n = 0; n < CableSectionCount; ++n) {
        in.length[n] = NumberOrZero(m_length[n]->text());
        in.lossPer100m[n] = lookupValue(m_cable[n]);
    }
    in.swr = NumberOrZero(m_swr->text());
    in.tuner = NumberOrZero(m_tuner->text());
    in.filter = NumberOrZero(m_lpf->text());
    in.pairs = NumberOrZero(m_pairs->text());
    in.perPair = NumberOrZero(m_perPair->text());
    in.txPower = NumberOrZero(m_txPower->text());
    in.modeAtt = NumberOrZero(m_modeAtt->text());
    in.timeAtt = NumberOrZero(m_timeAtt->text());
    in.gain = m_gain;
    in.feederManual = NumberOrZero(m_feederManual->text());
    in.addManual = NumberOrZero(m_addManual->text());
    in.calcFeeder = m_calcFeeder->isChecked();
    in.calcAdd = m_calcAdd->isChecked();
    return in;
}

void TfraPowerFreq::lossesRecalc()
{
    m_modeAtt->setText(FormatNumber(lookupValue(m_mode)));
    m_timeAtt->setText(FormatNumber(lookupValue(m_time)));
    const TPowerChainResult r = ::lossesRecalc(WorkingValues());
    for (int n = 0; n < CableSectionCount; ++n)
        m_sectionLoss[n]->setText(r.labels.sectionLoss[n]);
    m_feederTotal->setText(r.labels.feederTotal);
    m_addTotal->setText(r.labels.addTotal);
    m_txPowerDbw->setText(r.labels.txPowerDbw);
    // Without a transmitter power there is no result to show, and no 1 W
    // stands in for the missing power.
    m_antPowerDbw->setText(r.powered ? r.labels.antPowerDbw : QString());
    m_antPowerW->setText(r.powered ? r.labels.antPowerW : QString());
    m_eirpDbw->setText(r.powered ? r.labels.eirpDbw : QString());
    m_eirpW->setText(r.powered ? r.labels.eirpW : QString());
    m_safetyDistance->setText(r.powered ? safetyDistanceText(r) : QString());
}

QString TfraPowerFreq::safetyDistanceText(const TPowerChainResult &r) const
{
    // From the power Save stores: the label's value, rounded to 2 decimals.
    const std::optional<double> distance =
        SafetyDistance(m_pattern, m_apertureSize, m_frequency, RoundHalfEven(r.antPowerDbw, 2));
    if (!VerdictLevels(m_frequency))
        return NoLimitNote();
    return distance ? FormatRounded(*distance, 2) + QStringLiteral(" m") : QString();
}

void TfraPowerFreq::fieldEdited()
{
    if (m_loading || !m_havePlacement)
        return;
    setPending(true);
    lossesRecalc();
}

void TfraPowerFreq::feederToggled(bool on)
{
    if (m_loading)
        return;
    if (!on)
        m_feederManual->setText(QStringLiteral("0"));
    showCheckPanels();
    lossesRecalc();
    setPending(m_havePlacement);
}

void TfraPowerFreq::additionalToggled(bool on)
{
    if (m_loading)
        return;
    if (!on)
        m_addManual->setText(QStringLiteral("0"));
    showCheckPanels();
    lossesRecalc();
    setPending(m_havePlacement);
}

void TfraPowerFreq::txPowerLeft()
{
    if (!m_checkArmed || !m_havePlacement || NumberOrZero(m_txPower->text()) != 0)
        return;
    // Disarmed while the message is up, so that the focus change it causes
    // does not show it a second time.
    m_checkArmed = false;
    ShowMessageDialog(caption(), tr("This value should be greater than 0 Watt !"), MessageInfo);
    QTimer::singleShot(0, this, [this]() {
        m_txPower->setFocus();
        m_checkArmed = m_havePlacement;
    });
}

void TfraPowerFreq::setPending(bool pending)
{
    m_dirty = pending;
    m_save->setEnabled(pending);
    m_cancel->setEnabled(pending);
}

bool TfraPowerFreq::resolvePendingEdits()
{
    if (!m_dirty)
        return true;
    const int answer = AskYesNo(
        caption(), tr("The power data of %1 were changed. Save the changes ?").arg(m_row.ref));
    if (answer == AnswerYes)
        return save();
    cancel();
    return true;
}

bool TfraPowerFreq::save()
{
    if (!m_havePlacement || !m_dm)
        return false;
    // Every text is read back as a number; one that is not stops the save.
    std::optional<QString> bad;
    const auto read = [&bad](const QString &text) {
        if (text.trimmed().isEmpty())
            return 0.0;
        const std::optional<double> value = ParseNumber(text);
        if (!value) {
            if (!bad)
                bad = text;
            return 0.0;
        }
        return *value;
    };
    TPowerChainRow row = m_row;
    row.txPower = read(m_txPower->text());
    for (int n = 0; n < CableSectionCount; ++n) {
        row.idCableLoss[n] = lookupKey(m_cable[n]);
        row.cableLength[n] = read(m_length[n]->text());
    }
    row.attSwr = read(m_swr->text());
    row.attLpf = read(m_tuner->text());
    row.attAtu = read(m_lpf->text());
    row.noConn = read(m_pairs->text());
    row.attConn = read(m_perPair->text());
    row.idMode = lookupKey(m_mode);
    row.idTxTime = lookupKey(m_time);
    row.calcFeeder = m_calcFeeder->isChecked();
    row.calcAdd = m_calcAdd->isChecked();
    row.attFeeder = read(row.calcFeeder ? m_feederTotal->text() : m_feederManual->text());
    row.attAdd = read(row.calcAdd ? m_addTotal->text() : m_addManual->text());
    // Without a transmitter power the panel is empty; the row keeps the fixed
    // results of that case (0 dBW, 1 W), which the evaluation never uses since
    // the transmitter power 0 marks the power chain as missing.
    const TPowerChainResult result = ::lossesRecalc(WorkingValues());
    row.eirp = result.powered ? read(m_eirpDbw->text()) : result.eirpDbw;
    row.antPwr = result.powered ? read(m_antPowerDbw->text()) : result.antPowerDbw;
    row.avgPwr = result.powered ? read(m_antPowerW->text()) : result.antPowerW;
    if (bad) {
        ShowErrorMessage(caption(),
                         tr("\"%1\" is not a valid number. Nothing was saved.").arg(*bad));
        return false;
    }
    const TOpStatus status = SavePowerChain(*m_dm, row);
    if (!status.ok()) {
        ShowErrorMessage(caption(), status.error);
        return false;
    }
    m_row = row;
    setPending(false);
    return true;
}

void TfraPowerFreq::fillCopySources(qint32 currentPlacement)
{
    m_copySource->clear();
    if (currentPlacement != 0) {
        for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
            const qint32 id = (*it)->data(0, PlacementRole).toInt();
            if (id != 0 && id != currentPlacement)
                m_copySource->addItem((*it)->text(0), id);
        }
    }
    const bool any = m_copySource->count() > 0;
    m_copySource->setEnabled(any);
    m_copy->setEnabled(any);
}

void TfraPowerFreq::copyClicked()
{
    if (!m_havePlacement || !m_dm || m_copySource->currentIndex() < 0)
        return;
    const TOpResult<TPowerChainRow> source = ReadPlacementPowerChain(
        *m_dm, m_copySource->currentData().toInt(), CurrentSelection().ownerId);
    if (!source.ok()) {
        ShowErrorMessage(caption(), source.error);
        return;
    }
    // m_row stays the stored placement: Cancel goes back to it.
    loadFields(WithPowerChainOf(m_row, source.value));
    lossesRecalc();
    setPending(true);
    m_txPower->setFocus();
}

void TfraPowerFreq::cancel()
{
    if (m_havePlacement) {
        loadFields(m_row);
        lossesRecalc();
    }
    setPending(false);
}

void TfraPowerFreq::retranslateUi()
{
    if (!m_titleFor.isEmpty())
        m_title->setText(tr("For : ") + m_titleFor);
    if (m_havePlacement)
        lossesRecalc(); // the safety distance may be a note
}

void TfraPowerFreq::NextClicked()
{
    if (resolvePendingEdits())
        TfraBase::NextClicked();
}

void TfraPowerFreq::BackClicked()
{
    if (resolvePendingEdits())
        TfraBase::BackClicked();
}
