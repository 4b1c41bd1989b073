#include "exposure/lowpower/ui/lowpowerpage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

void TfraQrpInput::buildControls()
{
    auto *top = new QHBoxLayout;
    top->addWidget(buildInputs(), 1);
    m_picture = new QLabel(content());
    m_picture->setObjectName(QStringLiteral("imgLowPower"));
    m_picture->setAlignment(Qt::AlignCenter);
    top->addWidget(m_picture, 1);
    auto *layout = new QVBoxLayout(content());
    layout->addLayout(top);
    layout->addWidget(buildResult());
    layout->addStretch();

    for (QLineEdit *field : {m_distA, m_distB, m_power, m_gain, m_losses}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, &TfraQrpInput::edited);
    }
    for (QComboBox *box : {m_mode, m_time, m_band}) {
        box->installEventFilter(this);
        connect(box, &QComboBox::currentIndexChanged, this, &TfraQrpInput::edited);
    }
    connect(m_save, &QPushButton::clicked, this, &TfraQrpInput::save);
    connect(m_cancel, &QPushButton::clicked, this, &TfraQrpInput::cancel);
    connect(m_files, &QPushButton::clicked, this, &TfraQrpInput::filesClicked);
    connect(m_print, &QPushButton::clicked, this, &TfraQrpInput::printClicked);
}

QWidget *TfraQrpInput::buildInputs()
{
    auto *box = new QGroupBox(tr("  Station  "), content());
    box->setObjectName(QStringLiteral("gbxQrpInput"));
    auto *form = new QFormLayout;
    auto field = [box](const char *name, int maxLength) {
        auto *edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(maxLength);
        edit->setMaximumWidth(80);
        return edit;
    };
    m_distA = field("dbmQrpMinDist", 2);
    m_distB = field("dbmQrpMinHeigth", 2);
    m_power = field("dbmQrpPower", 4);
    m_gain = field("dbmQrpGain", 3);
    m_losses = field("dbmQrpLosses", 3);
    auto list = [box](const char *name) {
        auto *combo = new QComboBox(box);
        combo->setObjectName(QString::fromLatin1(name));
        return combo;
    };
    m_mode = list("dblQrpModeCorr");
    m_time = list("dblQrpTimeCorr");
    m_band = list("dblQrpFreq");
    form->addRow(tr("Min. Hor. Clearance (m)"), m_distA);
    form->addRow(tr("Min. Vert. Clearance (m)"), m_distB);
    form->addRow(tr("TX Output Power (W)"), m_power);
    form->addRow(tr("Max. Antenna Gain (dBi)"), m_gain);
    form->addRow(tr("Coax Losses (dB)"), m_losses);
    form->addRow(tr("Mode correction"), m_mode);
    form->addRow(tr("Time correction"), m_time);
    form->addRow(tr("Frequency"), m_band);

    m_save = new QPushButton(tr("&Save"), box);
    m_save->setObjectName(QStringLiteral("bbnQrpSave"));
    m_cancel = new QPushButton(tr("&Cancel"), box);
    m_cancel->setObjectName(QStringLiteral("bbnQrpCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addLayout(buttons);
    return box;
}

QWidget *TfraQrpInput::buildResult()
{
    m_resultBox = new QGroupBox(tr("  Result  "), content());
    m_resultBox->setObjectName(QStringLiteral("gbxQrpResult"));
    m_table = new QTableWidget(2, LowPowerClassCount + 2, m_resultBox);
    m_table->setObjectName(QStringLiteral("lsvErpTbl"));
    QStringList headers = {tr("ERP")};
    for (double c : LowPowerClasses)
        headers << QString::number(int(c));
    headers << tr("Watt");
    m_table->setHorizontalHeaderLabels(headers);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setFocusPolicy(Qt::NoFocus);
    const QString rows[2] = {tr("Horiz. Clearance"), tr("Vert. Clearance")};
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < m_table->columnCount(); ++col) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(col == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            m_table->setItem(row, col, item);
        }
        m_table->item(row, 0)->setText(rows[row]);
        m_table->item(row, LowPowerClassCount + 1)->setText(QStringLiteral("m"));
    }
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() +
                            2 * m_table->verticalHeader()->defaultSectionSize() + 4);

    auto *erpCaption = new QLabel(tr("ERP (W) :"), m_resultBox);
    m_erp = new QLabel(m_resultBox);
    m_erp->setObjectName(QStringLiteral("lblResult"));
    m_verdict = new QLabel(m_resultBox);
    m_verdict->setObjectName(QStringLiteral("lblResultM"));
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_erp->setFont(bold);
    m_verdict->setFont(bold);
    // Wide enough for any value from the start: the page is captured for the report right
    // after the value changes, before a pending layout pass could widen the label.
    m_erp->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(QStringLiteral("99999,99 W")));
    m_files = new QPushButton(tr("&Files"), m_resultBox);
    m_files->setObjectName(QStringLiteral("bbnQrpFiles"));
    m_print = new QPushButton(tr(" &Print"), m_resultBox);
    m_print->setObjectName(QStringLiteral("bbnQrpPrint"));
    auto *line = new QHBoxLayout;
    line->addWidget(erpCaption);
    line->addWidget(m_erp);
    line->addSpacing(20);
    line->addWidget(m_verdict, 1);
    line->addWidget(m_files);
    line->addWidget(m_print);
    auto *layout = new QVBoxLayout(m_resultBox);
    layout->addWidget(m_table);
    layout->addLayout(line);
    return m_resultBox;
}
