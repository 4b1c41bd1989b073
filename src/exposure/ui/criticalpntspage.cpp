#include "exposure/ui/criticalpntspage.h"

#include "base/clock.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "exposure/engine/combinedexposure.h"
#include "exposure/pointrules.h"
#include "exposure/ui/ctplistmodel.h"
#include "exposure/ui/ctptableprinter.h"
#include "exposure/ui/graphwindow.h"
#include "exposure/ui/inputfieldfilter.h"
#include "shell/ui/tcolor.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/recordops_site.h"
#include "store/schema.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace
{

QString caption()
{
    return QCoreApplication::translate("TfraCriticalPnts", "Critical Test Points");
}

void paintLabel(QLabel *label, int colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColourFromValue(colour));
    label->setPalette(palette);
}

} // namespace

TfraCriticalPnts::TfraCriticalPnts(IWizardHost &host, QWidget *parent)
    : TfraBase(PageCriticalPnts, host, parent), m_dm(host.DataModule())
{
    buildControls();
    fillAttenuationLists();

    connect(m_list, &QTableView::clicked, this, &TfraCriticalPnts::rowClicked);
    connect(m_list, &QTableView::doubleClicked, this, &TfraCriticalPnts::rowDoubleClicked);
    for (QLineEdit *e : {m_modHeight, m_modDist, m_modRem})
        connect(e, &QLineEdit::textEdited, this, &TfraCriticalPnts::modifyEdited);
    connect(m_modAtt, &QComboBox::activated, this, &TfraCriticalPnts::modifyEdited);
    connect(m_addNext, &QPushButton::clicked, this, &TfraCriticalPnts::nextStep);
    connect(m_addPrev, &QPushButton::clicked, this, &TfraCriticalPnts::prevStep);
    connect(m_filter, &TInputFieldFilter::focusLeft, this, &TfraCriticalPnts::addFieldLeft);
    connect(m_save, &QPushButton::clicked, this, &TfraCriticalPnts::save);
    connect(m_cancel, &QPushButton::clicked, this, &TfraCriticalPnts::cancel);
    connect(m_addButton, &QPushButton::clicked, this, &TfraCriticalPnts::startAdding);
    connect(m_delete, &QPushButton::clicked, this, &TfraCriticalPnts::deleteReference);
    connect(m_deleteAll, &QPushButton::clicked, this, &TfraCriticalPnts::deleteAll);
    connect(m_print, &QPushButton::clicked, this, &TfraCriticalPnts::print);

    m_add->hide();
    setOverviewState();
    setIdleState();
}

TfraCriticalPnts::~TfraCriticalPnts() = default;

const TEvaluation &TfraCriticalPnts::Evaluation() const
{
    return m_model->evaluation();
}

void TfraCriticalPnts::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    if (m_dm) {
        if (m_modAtt->count() == 0)
            fillAttenuationLists();
        TCurrentSelection &cs = CurrentSelection();
        const TOpResult<TSiteList> sites = ListSites(*m_dm, cs.ownerId);
        if (sites.ok()) {
            cs.siteCount = sites.value.ids.size();
            if (!sites.value.ids.isEmpty()) {
                cs.siteId = sites.value.ids.first();
                cs.setSiteName(sites.value.names.first());
            }
        }
    }
    evaluatePoints();
    if (m_model->rowCount() > 0)
        openPointForEditing(0);
    m_adding = false;
    m_add->hide();
    m_buttonRow->show();
    setOverviewState();
    setIdleState();
}

bool TfraCriticalPnts::evaluatePoints()
{
    if (!m_dm)
        return false;
    TOpResult<TEvaluationOutcome> result = EvaluatePoints(*m_dm, CurrentSelection().ownerId);
    if (!result.ok()) {
        ShowErrorMessage(caption(), result.error);
        return false;
    }
    m_model->setEvaluation(std::move(result.value.evaluation));
    m_noLimit->setVisible(HasEntryBelowTenMegahertz(m_model->evaluation()));
    // "no power chain" is longer than a value: the field column grows to show it whole.
    m_list->resizeColumnToContents(ColumnField);
    m_list->setColumnWidth(ColumnField, std::max(TCtpListModel::columnWidth(ColumnField),
                                                 m_list->columnWidth(ColumnField)));
    // With no entries the summary line keeps what it showed.
    if (const std::optional<TEvaluationSummary> &s = result.value.summary) {
        m_summary = s;
        m_maxValue->setText(s->valueText);
        m_maxLocation->setText(s->locationText);
        m_maxResult->setText(s->resultText);
        paintLabel(m_maxValue, s->colour);
        paintLabel(m_maxResult, s->colour);
        // Painted like the cells of the combined column: the verdict colour behind black text.
        m_combined->setText(s->combinedText);
        QPalette palette = m_combined->palette();
        palette.setColor(QPalette::Window, ColourFromValue(s->combinedColour));
        palette.setColor(QPalette::WindowText, QColor(Qt::black));
        m_combined->setPalette(palette);
        m_combined->setAutoFillBackground(true);
        m_incomplete->setText(s->incompleteText);
        m_combined->setVisible(!s->combinedText.isEmpty());
        m_incomplete->setVisible(!s->incompleteText.isEmpty());
    }
    setIdleState();
    return true;
}

void TfraCriticalPnts::retranslateUi()
{
    // The summary line is composed from the last evaluation's point and placement.
    if (m_summary) {
        m_maxLocation->setText(SummaryLocationText(m_summary->summaryClass, m_summary->reference,
                                                   m_summary->antennaRef));
        m_maxResult->setText(SummaryResultText(m_summary->summaryClass));
        m_combined->setText(CombinedSummaryText(m_model->evaluation(), m_summary->combinedPoint));
        m_incomplete->setText(IncompleteText(m_summary->missingPower));
    }
    m_noLimit->setText(NoLimitFootnote());
    m_model->retranslate();
}

void TfraCriticalPnts::setOverviewState()
{
    const bool rows = m_model->rowCount() > 0;
    m_overview->setVisible(rows);
    m_modify->setVisible(rows);
    nextButton()->setEnabled(rows);
    m_deleteAll->setEnabled(rows);
    m_print->setEnabled(rows);
}

void TfraCriticalPnts::setIdleState()
{
    m_save->setEnabled(false);
    m_cancel->setEnabled(false);
    m_addButton->setEnabled(true);
    m_delete->setEnabled(false);
    m_modify->setEnabled(false);
}

void TfraCriticalPnts::openPointForEditing(int row)
{
    const TEvaluation &ev = m_model->evaluation();
    if (!m_dm || row < 0 || row >= ev.count())
        return;
    const TOpResult<int> opened = OpenPointForEdit(*m_dm, ev.ctpId[row]);
    if (!opened.ok()) {
        ShowErrorMessage(caption(), opened.error);
        return;
    }
    const TJetDataset *point = m_dm->qryCriticalPnt;
    m_loading = true;
    m_editId = ev.ctpId[row];
    m_editRef = point->fieldValue(Schema::CriticalPntRef).toString();
    m_modRef->setText(m_editRef);
    m_modDist->setText(FormatNumber(point->fieldValue(Schema::CriticalPntDist).toDouble()));
    m_modHeight->setText(FormatNumber(point->fieldValue(Schema::CriticalPntHeight).toDouble()));
    m_modAtt->setCurrentIndex(m_modAtt->findData(point->fieldValue(Schema::IdSpaceAtt).toInt()));
    m_modRem->setText(point->fieldValue(Schema::CriticalPntRem).toString());
    m_list->setCurrentIndex(m_model->index(row, 0));
    m_loading = false;
}

void TfraCriticalPnts::rowClicked(const QModelIndex &index)
{
    if (!index.isValid() || m_adding)
        return;
    openPointForEditing(index.row());
    m_save->setEnabled(true);
    m_cancel->setEnabled(true);
    m_modify->setEnabled(true);
    m_addButton->setEnabled(false);
    m_delete->setEnabled(true);
}

void TfraCriticalPnts::rowDoubleClicked(const QModelIndex &index)
{
    if (!index.isValid() || m_adding)
        return;
    // The plot of the row's placement opens (when its reference names exactly
    // one placement); the list is evaluated again afterwards either way.
    const TEvaluation &ev = m_model->evaluation();
    const int row = index.row();
    if (m_dm && row < ev.count() && !ev.hasPower(row)) {
        // Its contours and points would be those of a power nobody entered.
        ShowInfoMessage(caption(), tr("The power chain of %1 was never saved: enter its power "
                                      "on the power page to see its plot.")
                                       .arg(ev.antennaRef[row]));
    } else if (m_dm && row < ev.count()) {
        TFrmGraph::OpenGraph(*m_dm, ev.lines[row][ColumnSite], ev.antennaRef[row], window());
    }
    setIdleState();
    evaluatePoints();
    setOverviewState();
}

void TfraCriticalPnts::modifyEdited()
{
    if (m_loading)
        return;
    m_save->setEnabled(true);
    m_cancel->setEnabled(true);
    m_addButton->setEnabled(false);
    m_delete->setEnabled(false);
}

bool TfraCriticalPnts::checkPoint(const QString &distance, const QString &height,
                                  const QString &description)
{
    const int rule = ValidatePoint(distance, height, description);
    if (rule == PointValid)
        return true;
    ShowMessageDialog(PointRuleCaption(), PointRuleMessage(rule), MessageError);
    return false;
}

qint32 TfraCriticalPnts::attenuationKey(const QComboBox *box) const
{
    return box->currentIndex() < 0 ? 0 : box->currentData().toInt();
}

void TfraCriticalPnts::save()
{
    if (m_adding) {
        if (m_step == m_slots.size() - 1 && !validateAndStoreStep())
            return;
        const TOpResult<qint32> added = AddPoints(*m_dm, m_slots);
        if (added.ok())
            m_editId = added.value;
        else
            ShowErrorMessage(caption(), added.error);
        stopAdding();
    } else {
        if (!checkPoint(m_modDist->text(), m_modHeight->text(), m_modRem->text()))
            return;
        const QString ref = m_editRef;
        const int answer = AskYesNo(tr("Updating %1").arg(ref),
                                    tr("Are you sure you want to update %1 ?").arg(ref));
        if (answer == AnswerYes) {
            const TOpStatus status =
                UpdatePoint(*m_dm, CurrentSelection().ownerId, m_editId, ref,
                            attenuationKey(m_modAtt), m_modRem->text(),
                            NumberOrZero(m_modDist->text()), NumberOrZero(m_modHeight->text()));
            if (!status.ok())
                ShowErrorMessage(caption(), status.error);
        }
    }
    m_adding = false;
    const qint32 shown = m_editId;
    evaluatePoints();
    // The modify group shows the point as stored now.
    const int row = m_model->evaluation().ctpId.indexOf(shown);
    openPointForEditing(row >= 0 ? row : 0);
    setOverviewState();
    setIdleState();
}

void TfraCriticalPnts::cancel()
{
    if (m_adding)
        stopAdding();
    m_adding = false;
    const qint32 shown = m_editId;
    evaluatePoints();
    const int row = m_model->evaluation().ctpId.indexOf(shown);
    openPointForEditing(row >= 0 ? row : 0);
    setOverviewState();
    setIdleState();
}

void TfraCriticalPnts::deleteReference()
{
    const QModelIndex current = m_list->currentIndex();
    if (!current.isValid())
        return;
    const QString ref = m_model->evaluation().reference.value(current.row());
    const int answer =
        AskYesNo(tr("Deleting %1").arg(ref), tr("Are you sure you want to delete %1 ?").arg(ref));
    if (answer == AnswerYes) {
        const TOpStatus status = DeleteReference(*m_dm, CurrentSelection().ownerId, ref);
        if (!status.ok())
            ShowErrorMessage(caption(), status.error);
    }
    m_delete->setEnabled(false);
    m_adding = false;
    evaluatePoints();
    openPointForEditing(0);
    setOverviewState();
    setIdleState();
}

void TfraCriticalPnts::deleteAll()
{
    const int answer = AskYesNo(tr("Deleting All Critical Test Points"),
                                tr("Are you sure you want to delete All Critical Test Points ?"));
    if (answer == AnswerYes) {
        const TOpStatus status = DeleteAllPoints(*m_dm, CurrentSelection().ownerId);
        if (!status.ok())
            ShowErrorMessage(caption(), status.error);
        m_deleteAll->setEnabled(false);
    }
    evaluatePoints();
    openPointForEditing(0);
    setOverviewState();
    setIdleState();
}

void TfraCriticalPnts::print()
{
    const TCurrentSelection &cs = CurrentSelection();
    QPrinter printer(QPrinter::HighResolution);
    // The dialog proposes a PDF file in the owner's folder, named after the call.
    const QString proposed = CtpTableFilePath(cs.userDirectory, cs.call);
    printer.setDocName(QFileInfo(proposed).completeBaseName());
    printer.setOutputFileName(proposed);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("dlgCtpPrint"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TOpStatus status = PrintCtpTableSafely(
        printer, m_model->evaluation(), TCtpListModel::columnWidths(), CurrentDateTime().date());
    if (!status.ok())
        ShowErrorMessage(caption(), status.error);
}
