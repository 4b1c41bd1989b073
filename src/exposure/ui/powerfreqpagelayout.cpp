// The controls of the power-chain page and their layout.
#include "base/numberformat.h"
#include "exposure/ui/inputfieldfilter.h"
#include "exposure/ui/powerfreqpage.h"
#include "store/datamodule.h"
#include "store/jetdataset.h"
#include "store/schema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

QLabel *label(const QString &name, const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    return l;
}

QLabel *resultLabel(const QString &name, QWidget *parent)
{
    QLabel *l = label(name, QStringLiteral("0"), parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(60);
    return l;
}

QLineEdit *field(const QString &name, QWidget *parent, int width = 70)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setFixedWidth(width);
    e->setAlignment(Qt::AlignRight);
    return e;
}

} // namespace

void TfraPowerFreq::buildControls()
{
    QWidget *area = content();
    m_filter = new TInputFieldFilter(this);

    m_tree = new QTreeWidget(area);
    m_tree->setObjectName(QStringLiteral("trvAntSelect"));
    m_tree->setHeaderHidden(true);
    m_tree->setFixedWidth(170);

    m_title = label(QStringLiteral("lblStPowerResTitle"), QString(), area);
    QFont titleFont = m_title->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 2);
    m_title->setFont(titleFont);

    auto *details = new QGroupBox(tr("Antenna"), area);
    details->setObjectName(QStringLiteral("gbxStAntDetails"));
    auto *dl = new QGridLayout(details);
    m_antType = label(QStringLiteral("lblStAntType"), QStringLiteral("..."), details);
    m_antDescr = label(QStringLiteral("lblStAntDescr"), QStringLiteral("..."), details);
    m_antGain = label(QStringLiteral("lblStAntGain"), QStringLiteral("..."), details);
    m_antFreq = label(QStringLiteral("lblStAntFreq"), QStringLiteral("... MHz"), details);
    dl->addWidget(label(QString(), tr("Type :"), details), 0, 0);
    dl->addWidget(m_antType, 0, 1);
    dl->addWidget(label(QString(), tr("Make / Description :"), details), 0, 2);
    dl->addWidget(m_antDescr, 0, 3);
    dl->addWidget(label(QString(), tr("Gain (dBi) :"), details), 1, 0);
    dl->addWidget(m_antGain, 1, 1);
    dl->addWidget(label(QString(), tr("Frequency :"), details), 1, 2);
    dl->addWidget(m_antFreq, 1, 3);
    dl->setColumnStretch(3, 1);

    auto *tx = new QWidget(area);
    auto *txl = new QHBoxLayout(tx);
    txl->setContentsMargins(0, 0, 0, 0);
    m_txPower = field(QStringLiteral("dbmStTxPower"), tx);
    m_txPowerDbw = label(QStringLiteral("lblStTxPowerDbw"), QStringLiteral("..."), tx);
    m_txPowerDbw->setMinimumWidth(
        m_txPowerDbw->fontMetrics().horizontalAdvance(QStringLiteral("-88,88")));
    txl->addWidget(label(QString(), tr("Transmitter Power (W) :"), tx));
    txl->addWidget(m_txPower);
    txl->addWidget(m_txPowerDbw);
    txl->addWidget(label(QString(), tr("dBW"), tx));
    txl->addStretch(1);
    auto *corrections = new QWidget(area);
    auto *cl = new QHBoxLayout(corrections);
    cl->setContentsMargins(0, 0, 0, 0);
    m_mode = new QComboBox(corrections);
    m_mode->setObjectName(QStringLiteral("dblStMode"));
    m_modeAtt = label(QStringLiteral("lblStModeAtt"), QStringLiteral("0"), corrections);
    m_time = new QComboBox(corrections);
    m_time->setObjectName(QStringLiteral("dblStTime"));
    m_timeAtt = label(QStringLiteral("lblStTimeAtt"), QStringLiteral("0"), corrections);
    for (QComboBox *box : {m_mode, m_time}) {
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(16);
    }
    // Room for a mode's name and its duty factor.
    m_mode->setMinimumContentsLength(30);
    cl->addWidget(label(QString(), tr("Mode :"), corrections));
    cl->addWidget(m_mode);
    cl->addWidget(m_modeAtt);
    cl->addWidget(label(QString(), tr("dB"), corrections));
    cl->addSpacing(12);
    cl->addWidget(label(QString(), tr("Transmit Time :"), corrections));
    cl->addWidget(m_time);
    cl->addWidget(m_timeAtt);
    cl->addWidget(label(QString(), tr("dB"), corrections));
    cl->addStretch(1);

    m_save = new QPushButton(tr("&Save"), area);
    m_save->setObjectName(QStringLiteral("bbnStSave"));
    m_cancel = new QPushButton(tr("&Cancel"), area);
    m_cancel->setObjectName(QStringLiteral("bbnStCancel"));
    // Another placement's power chain copied into the fields, for the user to
    // review and save: stations often share transmitter and feed line.
    m_copySource = new QComboBox(area);
    m_copySource->setObjectName(QStringLiteral("dblStCopySource"));
    m_copySource->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_copy = new QPushButton(tr("C&opy"), area);
    m_copy->setObjectName(QStringLiteral("bbnStCopy"));
    m_copy->setToolTip(tr("Fills the fields with the power data of the chosen antenna; "
                          "Save keeps them"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(label(QString(), tr("Power data of :"), area));
    buttons->addWidget(m_copySource);
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto *right = new QVBoxLayout;
    right->addWidget(m_title);
    right->addWidget(details);
    right->addWidget(tx);
    right->addWidget(corrections);
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(buildFeederBox(), 3);
    boxes->addWidget(buildAdditionalBox(), 2);
    right->addLayout(boxes);
    right->addWidget(buildResultPanel());
    right->addStretch(1);
    right->addLayout(buttons);

    auto *layout = new QHBoxLayout(area);
    layout->addWidget(m_tree);
    layout->addLayout(right, 1);

    // Keys and focus colours; the order of watching is the tab order.
    m_filter->watch(m_txPower, TInputFieldFilter::DecimalNumber);
    for (int n = 0; n < CableSectionCount; ++n) {
        m_filter->watch(m_cable[n], TInputFieldFilter::WholeNumber);
        m_filter->watch(m_length[n], TInputFieldFilter::WholeNumber);
    }
    for (QLineEdit *e : {m_feederManual, m_swr, m_tuner, m_lpf, m_perPair, m_addManual})
        m_filter->watch(e, TInputFieldFilter::DecimalNumber);
    m_filter->watch(m_pairs, TInputFieldFilter::WholeNumber);
    m_filter->watch(m_mode, TInputFieldFilter::WholeNumber);
    m_filter->watch(m_time, TInputFieldFilter::WholeNumber);

    m_swr->setToolTip(tr("SWR/Power Meter: \n0.03 dB on HF\n0.05 dB on VHF\nup to 0.01 dB on UHF"));
    m_tuner->setToolTip(tr("Antenna Tuner: \nTypical 0.1 to 0.3 dB max."));
    m_perPair->setToolTip(tr("Connectors (one male + one female): \n0.005 to 0.05 dB on HF\n"
                             "0.01 to 0.05 dB on VHF\n0.02 to 0.1 dB on UHF"));
    m_addManual->setToolTip(tr("Other Sources of Attenuation: \nSpecify as required (dB)"));
    m_lpf->setToolTip(tr("Low Pass Filter Attenuation: \nSpecify as required (dB)"));
}

QWidget *TfraPowerFreq::buildFeederBox()
{
    auto *box = new QGroupBox(tr("  Feeder Losses  "), content());
    box->setObjectName(QStringLiteral("gbxStFdrLoss"));
    m_calcFeeder = new QCheckBox(tr("Calculate Losses"), box);
    m_calcFeeder->setObjectName(QStringLiteral("cbxStFdrLoss"));

    m_feederSections = new QWidget(box);
    m_feederSections->setObjectName(QStringLiteral("pnlStFdrSections"));
    auto *grid = new QGridLayout(m_feederSections);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label(QString(), tr("Cable Type"), m_feederSections), 0, 1);
    grid->addWidget(label(QString(), tr("Length (m)"), m_feederSections), 0, 2);
    grid->addWidget(label(QString(), tr("Loss (dB)"), m_feederSections), 0, 3);
    for (int n = 0; n < CableSectionCount; ++n) {
        const QString k = QString::number(n + 1);
        m_cable[n] = new QComboBox(m_feederSections);
        m_cable[n]->setObjectName(QStringLiteral("dblStFdrLossS") + k);
        m_cable[n]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        m_cable[n]->setMinimumContentsLength(10);
        m_length[n] = field(QStringLiteral("dbmStFdrLossS") + k, m_feederSections, 60);
        m_sectionLoss[n] = resultLabel(QStringLiteral("lblStFdrLossResS") + k, m_feederSections);
        grid->addWidget(label(QString(), tr("Section %1").arg(k), m_feederSections), n + 1, 0);
        grid->addWidget(m_cable[n], n + 1, 1);
        grid->addWidget(m_length[n], n + 1, 2);
        grid->addWidget(m_sectionLoss[n], n + 1, 3);
    }
    m_feederTotal = resultLabel(QStringLiteral("lblStFdrLossResTot"), box);

    m_feederTotalPanel = new QWidget(box);
    m_feederTotalPanel->setObjectName(QStringLiteral("pnlStFdrTotal"));
    auto *tl = new QHBoxLayout(m_feederTotalPanel);
    tl->setContentsMargins(0, 0, 0, 0);
    m_feederManual = field(QStringLiteral("memStnAttFeeder"), m_feederTotalPanel);
    tl->addWidget(label(QString(), tr("Total of Feeder Losses ="), m_feederTotalPanel));
    tl->addWidget(m_feederManual);
    tl->addWidget(label(QString(), tr("dB"), m_feederTotalPanel));
    tl->addStretch(1);

    auto *total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(label(QString(), tr("Total (dB) :"), box));
    total->addWidget(m_feederTotal);

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_calcFeeder);
    layout->addWidget(m_feederSections);
    layout->addWidget(m_feederTotalPanel);
    layout->addLayout(total);
    layout->addStretch(1);
    return box;
}

QWidget *TfraPowerFreq::buildAdditionalBox()
{
    auto *box = new QGroupBox(tr("  Additional Losses  "), content());
    box->setObjectName(QStringLiteral("gbxStAddLoss"));
    m_calcAdd = new QCheckBox(tr("Calculate Losses"), box);
    m_calcAdd->setObjectName(QStringLiteral("cbxStAddLoss"));

    m_addRows = new QWidget(box);
    m_addRows->setObjectName(QStringLiteral("pnlStAddRows"));
    auto *grid = new QGridLayout(m_addRows);
    grid->setContentsMargins(0, 0, 0, 0);
    m_swr = field(QStringLiteral("dbmStAddLossSwr"), m_addRows);
    m_tuner = field(QStringLiteral("dbmStAddLossAtu"), m_addRows);
    m_lpf = field(QStringLiteral("dbmStAddLossLpf"), m_addRows);
    m_pairs = field(QStringLiteral("dbmStAddLossConn"), m_addRows, 40);
    m_perPair = field(QStringLiteral("dbmStAddLossConnDb"), m_addRows);
    grid->addWidget(label(QString(), tr("Power / SWR Meter :"), m_addRows), 0, 0);
    grid->addWidget(m_swr, 0, 1);
    grid->addWidget(label(QString(), tr("Antenna Tuner :"), m_addRows), 1, 0);
    grid->addWidget(m_tuner, 1, 1);
    grid->addWidget(label(QString(), tr("Low Pass Filter :"), m_addRows), 2, 0);
    grid->addWidget(m_lpf, 2, 1);
    auto *conn = new QHBoxLayout;
    conn->addWidget(m_pairs);
    conn->addWidget(label(QString(), tr("x"), m_addRows));
    conn->addWidget(m_perPair);
    grid->addWidget(label(QString(), tr("Connector Pairs :"), m_addRows), 3, 0);
    grid->addLayout(conn, 3, 1);
    grid->setColumnStretch(2, 1);

    m_addTotalPanel = new QWidget(box);
    m_addTotalPanel->setObjectName(QStringLiteral("pnlStAddTotal"));
    auto *tl = new QHBoxLayout(m_addTotalPanel);
    tl->setContentsMargins(0, 0, 0, 0);
    m_addManual = field(QStringLiteral("memStnAttAdd"), m_addTotalPanel);
    tl->addWidget(label(QString(), tr("Total of Additional Losses ="), m_addTotalPanel));
    tl->addWidget(m_addManual);
    tl->addWidget(label(QString(), tr("dB"), m_addTotalPanel));
    tl->addStretch(1);

    m_addTotal = resultLabel(QStringLiteral("lblStAddLossRes"), box);
    auto *total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(label(QString(), tr("Total (dB) :"), box));
    total->addWidget(m_addTotal);

    auto *layout = new QVBoxLayout(box);
    layout->addWidget(m_calcAdd);
    layout->addWidget(m_addRows);
    layout->addWidget(m_addTotalPanel);
    layout->addLayout(total);
    layout->addStretch(1);
    return box;
}

QWidget *TfraPowerFreq::buildResultPanel()
{
    m_resultPanel = new QGroupBox(tr("  Result  "), content());
    m_resultPanel->setObjectName(QStringLiteral("pnlStResult"));
    auto *grid = new QGridLayout(m_resultPanel);
    m_antPowerDbw = resultLabel(QStringLiteral("lblStPowerResultDbw"), m_resultPanel);
    m_antPowerW = resultLabel(QStringLiteral("lblStPowerResultW"), m_resultPanel);
    m_eirpDbw = resultLabel(QStringLiteral("lblStPEirpResultDbw"), m_resultPanel);
    m_eirpW = resultLabel(QStringLiteral("lblStPEirpResultW"), m_resultPanel);
    QFont bold = m_antPowerDbw->font();
    bold.setBold(true);
    for (QLabel *l : {m_antPowerDbw, m_antPowerW, m_eirpDbw, m_eirpW})
        l->setFont(bold);
    grid->addWidget(label(QString(), tr("Average Power at the Antenna :"), m_resultPanel), 0, 0);
    grid->addWidget(m_antPowerDbw, 0, 1);
    grid->addWidget(label(QString(), tr("dBW"), m_resultPanel), 0, 2);
    grid->addWidget(m_antPowerW, 0, 3);
    grid->addWidget(label(QString(), tr("W"), m_resultPanel), 0, 4);
    grid->addWidget(label(QString(), tr("EIRP :"), m_resultPanel), 1, 0);
    grid->addWidget(m_eirpDbw, 1, 1);
    grid->addWidget(label(QString(), tr("dBW"), m_resultPanel), 1, 2);
    grid->addWidget(m_eirpW, 1, 3);
    grid->addWidget(label(QString(), tr("W"), m_resultPanel), 1, 4);
    // How far people stay from the antenna for the field to be below the limit.
    m_safetyDistance = resultLabel(QStringLiteral("lblStSafetyDistance"), m_resultPanel);
    m_safetyDistance->setFont(bold);
    m_safetyDistance->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(label(QString(), tr("Safety Distance :"), m_resultPanel), 2, 0);
    grid->addWidget(m_safetyDistance, 2, 1, 1, 5);
    grid->setColumnStretch(5, 1);
    return m_resultPanel;
}

void TfraPowerFreq::fillLookups()
{
    if (!m_dm)
        return;
    const auto fill = [](QComboBox *box, TJetDataset *d, const QString &key, const QString &text,
                         const QString &value) {
        box->clear();
        if (!d->isActive())
            d->open();
        const int k = d->columnOf(key);
        const int t = d->columnOf(text);
        const int v = d->columnOf(value);
        for (int r = 0; r < d->recordCount(); ++r) {
            const QVariant raw = d->data(d->index(r, v));
            const double number =
                raw.typeId() == QMetaType::QString ? NumberOrZero(raw.toString()) : raw.toDouble();
            box->addItem(d->data(d->index(r, t)).toString(), d->data(d->index(r, k)));
            box->setItemData(box->count() - 1, number, Qt::UserRole + 1);
        }
    };
    const std::array<TJetDataset *, CableSectionCount> cables = {
        m_dm->tblCableLoss1, m_dm->tblCableLoss2, m_dm->tblCableLoss3, m_dm->tblCableLoss4};
    const std::array<QLatin1String, CableSectionCount> cableKeys = {
        Schema::IdCableLoss1, Schema::IdCableLoss2, Schema::IdCableLoss3, Schema::IdCableLoss4};
    for (int n = 0; n < CableSectionCount; ++n)
        fill(m_cable[n], cables[n], cableKeys[n], Schema::CableLossName, Schema::CableLossValue);
    fill(m_mode, m_dm->tblMode2, Schema::IdMode, Schema::ModeDescrE, Schema::ModeAtt);
    // Each mode names its duty factor, the share of the peak power it averages to.
    const int duty = m_dm->tblMode2->fieldIndex(Schema::ModeProcs);
    for (int r = 0; duty >= 0 && r < m_mode->count() && r < m_dm->tblMode2->recordCount(); ++r) {
        const QString factor = m_dm->tblMode2->data(m_dm->tblMode2->index(r, duty)).toString();
        if (!factor.trimmed().isEmpty())
            m_mode->setItemText(r, tr("%1 (duty factor %2)").arg(m_mode->itemText(r), factor));
    }
    fill(m_time, m_dm->tblTxTime2, Schema::IdTxTime, Schema::TxTimeValue, Schema::TxTimeAtt);
}
