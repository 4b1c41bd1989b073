#include "exposure/lowpower/ui/lowpowerpage.h"

#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/ownerfilename.h"
#include "base/programfolder.h"
#include "reports/reportjobs.h"
#include "reports/ui/printoperations.h"
#include "shell/ui/controlimage.h"
#include "shell/ui/wizardhost.h"
#include "shell/wizardpages.h"
#include "store/recordops_owner.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>

namespace
{
const QColor kCream(247, 235, 198);
const QColor kHighlight(189, 238, 166);
const QColor kInput(0xF7, 0xEB, 0xC6); // 13036535
const QColor kFocus(0xBD, 0xEE, 0xA6); // 10940093

QString msgCaption()
{
    return QCoreApplication::translate("TfraQrpInput", "Special Low Power Case");
}

void colourField(QWidget *field, bool focused)
{
    QPalette pal = field->palette();
    pal.setColor(QPalette::Base, focused ? kFocus : kInput);
    field->setPalette(pal);
}

double choiceValue(const QVector<TLowPowerChoice> &list, const QComboBox *box)
{
    const int i = box->currentIndex();
    return i >= 0 && i < list.size() ? list[i].value : 0.0;
}

qint32 choiceId(const QVector<TLowPowerChoice> &list, const QComboBox *box)
{
    const int i = box->currentIndex();
    return i >= 0 && i < list.size() ? list[i].id : 0;
}

void selectId(const QVector<TLowPowerChoice> &list, QComboBox *box, qint32 id)
{
    int index = -1;
    for (int i = 0; i < list.size(); ++i) {
        if (list[i].id == id)
            index = i;
    }
    box->setCurrentIndex(index);
}
} // namespace

TfraQrpInput::TfraQrpInput(IWizardHost &host, QWidget *parent)
    : TfraBase(PageQrpInput, host, parent), m_dm(host.DataModule())
{
    setObjectName(QStringLiteral("TfraQrpInput"));
    buildControls();
    watchPendingEdits(m_save, m_cancel, msgCaption());
}

TfraQrpInput::~TfraQrpInput() = default;

void TfraQrpInput::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    nextButton()->setText(tr("&Close"));
    fillLists();
    loadOwner();
    const QPixmap picture(ProgramFile(QStringLiteral("LowPower.res")));
    m_picture->setPixmap(picture);
    setPending(false);
    ComputeResult();
    m_distA->setFocus();
}

void TfraQrpInput::fillLists()
{
    if (!m_dm)
        return;
    const auto lists = LoadLowPowerLists(*m_dm);
    if (!lists.ok()) {
        ShowErrorMessage(msgCaption(), lists.error);
        return;
    }
    m_lists = lists.value;
    m_loading = true;
    const std::pair<QComboBox *, const QVector<TLowPowerChoice> *> boxes[] = {
        {m_mode, &m_lists.modes}, {m_time, &m_lists.txTimes}, {m_band, &m_lists.bands}};
    for (const auto &[box, list] : boxes) {
        box->clear();
        for (const TLowPowerChoice &c : *list)
            box->addItem(c.text);
    }
    m_loading = false;
}

void TfraQrpInput::loadOwner()
{
    if (!m_dm)
        return;
    const auto owner = LoadOwnerLowPower(*m_dm, CurrentSelection().ownerId);
    if (!owner.ok()) {
        ShowErrorMessage(msgCaption(), owner.error);
        return;
    }
    m_loading = true;
    const TOwnerLowPowerValues &v = owner.value;
    m_distA->setText(v.distA);
    m_distB->setText(v.distB);
    m_power->setText(v.power);
    m_gain->setText(v.gain);
    m_losses->setText(v.coaxLoss);
    selectId(m_lists.modes, m_mode, v.idMode);
    selectId(m_lists.txTimes, m_time, v.idTxTime);
    selectId(m_lists.bands, m_band, v.idBandFreqQrp);
    m_loading = false;
}

TLowPowerInput TfraQrpInput::WorkingInput() const
{
    TLowPowerInput in;
    in.distA = NumberOrZero(m_distA->text());
    in.distB = NumberOrZero(m_distB->text());
    in.power = NumberOrZero(m_power->text());
    in.gain = NumberOrZero(m_gain->text());
    in.losses = NumberOrZero(m_losses->text());
    in.modeAtt = choiceValue(m_lists.modes, m_mode);
    in.txTimeAtt = choiceValue(m_lists.txTimes, m_time);
    in.frequency = choiceValue(m_lists.bands, m_band);
    return in;
}

void TfraQrpInput::ComputeResult()
{
    for (const QLineEdit *field : {m_distA, m_distB, m_power, m_gain, m_losses}) {
        if (field->text().isEmpty()) {
            m_resultBox->hide();
            nextButton()->setEnabled(false);
            m_print->setEnabled(false);
            m_files->setEnabled(false);
            return;
        }
    }
    m_resultBox->show();
    m_result = ComputeLowPowerResult(WorkingInput());
    for (int k = 0; k < LowPowerClassCount; ++k) {
        const QColor colour = k == m_result.highlight ? kHighlight : kCream;
        const double values[2] = {m_result.horizontal[k], m_result.vertical[k]};
        for (int row = 0; row < 2; ++row) {
            QTableWidgetItem *item = m_table->item(row, k + 1);
            item->setText(FormatRounded(values[row], 1));
            item->setBackground(colour);
        }
    }
    m_erp->setText(LowPowerErpText(m_result.erpW));
    const QColor colour = m_result.met ? QColor(0, 128, 0) : QColor(Qt::red);
    for (QLabel *label : {m_erp, m_verdict}) {
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, colour);
        label->setPalette(pal);
    }
    m_verdict->setText(m_result.met ? tr("The requirements are met ...")
                                    : tr("The requirements are not met !"));
    nextButton()->setEnabled(m_result.met);
    m_print->setEnabled(m_result.met);
    m_files->setEnabled(m_result.met);
}

void TfraQrpInput::edited()
{
    if (m_loading)
        return;
    setPending(true);
    ComputeResult();
}

void TfraQrpInput::setPending(bool pending)
{
    m_save->setEnabled(pending);
    m_cancel->setEnabled(pending);
}

void TfraQrpInput::save()
{
    if (!m_dm)
        return;
    TOwnerLowPowerValues v;
    v.idTxTime = choiceId(m_lists.txTimes, m_time);
    v.idMode = choiceId(m_lists.modes, m_mode);
    v.idBandFreqQrp = choiceId(m_lists.bands, m_band);
    v.distA = m_distA->text();
    v.distB = m_distB->text();
    v.power = m_power->text();
    v.gain = m_gain->text();
    v.coaxLoss = m_losses->text();
    const TOpStatus status = UpdateOwnerLowPower(*m_dm, CurrentSelection().ownerId, v);
    if (!status.ok()) {
        ShowErrorMessage(msgCaption(), status.error);
        return;
    }
    loadOwner();
    setPending(false);
    ComputeResult();
}

void TfraQrpInput::cancel()
{
    loadOwner();
    setPending(false);
    ComputeResult();
}

void TfraQrpInput::powerLeft()
{
    if (m_power->text() != QLatin1String("0"))
        return;
    ShowMessageDialog(msgCaption(), tr("This value should be greater than 0 Watt !"), MessageInfo);
    m_power->setFocus();
}

QString TfraQrpInput::reportFile() const
{
    const TCurrentSelection &cs = CurrentSelection();
    return OwnerFilePath(cs.userDirectory, cs.call, QStringLiteral("_VLM_QrpReport.pdf"));
}

void TfraQrpInput::filesClicked()
{
    const TCurrentSelection &cs = CurrentSelection();
    const QString picture =
        OwnerFilePath(cs.userDirectory, cs.call, QStringLiteral("_Vlm_QrpResult.bmp"));
    const QString caption = tr("QRP Report");
    if (!SaveControlImage(picture, ControlImageBmp, this)) {
        ShowErrorMessage(caption, tr("The picture could not be saved as %1 !").arg(picture));
        return;
    }
    CurrentSelection().lowPowerReport = true;
    if (!SaveControlImage(LowPowerPictureFile(), ControlImageBmp, this)) {
        ShowErrorMessage(caption,
                         tr("The picture could not be saved as %1 !").arg(LowPowerPictureFile()));
        return;
    }
    if (!m_dm)
        return;
    const TOpStatus status = PrintLowPowerLetter(*m_dm, reportFile(), false, this);
    if (!status.ok()) {
        ShowErrorMessage(caption, status.error);
        return;
    }
    ShowMessageDialog(caption,
                      tr("All files were saved... (") +
                          QDir::toNativeSeparators(QFileInfo(picture).absolutePath()) +
                          QStringLiteral(")"),
                      MessageInfo);
}

void TfraQrpInput::printClicked()
{
    if (!SaveControlImage(LowPowerPictureFile(), ControlImageBmp, this)) {
        ShowErrorMessage(tr("QRP Report"),
                         tr("The picture could not be saved as %1 !").arg(LowPowerPictureFile()));
        return;
    }
    if (!m_dm)
        return;
    const TOpStatus status = PrintLowPowerLetter(*m_dm, reportFile(), true, this);
    if (!status.ok())
        ShowErrorMessage(tr("QRP Report"), status.error);
}

bool TfraQrpInput::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QWidget *>(watched);
    if (!field)
        return TfraBase::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        if (qobject_cast<QLineEdit *>(field))
            colourField(field, event->type() == QEvent::FocusIn);
        if (event->type() == QEvent::FocusOut && watched == m_power)
            powerLeft();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab ||
        text == QString(QChar(2))) {
        focusNextChild();
        return true;
    }
    auto *edit = qobject_cast<QLineEdit *>(field);
    if (!edit || text.isEmpty() || key->key() == Qt::Key_Backspace || !text.at(0).isPrint())
        return false;
    const bool decimals = edit != m_power;
    const QChar c = FilterNumberKey(text.at(0), decimals);
    const bool full = edit->text().size() >= edit->maxLength() && !edit->hasSelectedText();
    if (c.isNull() || full)
        return true;
    if (!IsTypedNumber(TextAfterTyping(edit->text(), edit->cursorPosition(), edit->selectionStart(),
                                       int(edit->selectedText().size()), c),
                       decimals, false))
        return true; // a second ","
    if (c != text.at(0)) {
        edit->insert(QString(c));
        return true;
    }
    return false;
}
