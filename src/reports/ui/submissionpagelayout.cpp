// The controls of the submission page, group by group.

#include "reports/ui/submissionpage.h"
#include "shell/ui/tcolor.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

constexpr int InputColour = 13036535; // light cream

// The large step number at the left of a group.
QLabel *stepLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPointSize(20);
    font.setBold(true);
    label->setFont(font);
    label->setFixedWidth(34);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(QStringLiteral("color: #000080;"));
    return label;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumWidth(90);
    return b;
}

// A group whose content stands to the right of its step number.
QHBoxLayout *stepLayout(QGroupBox *box, QLabel *step)
{
    auto *layout = new QHBoxLayout(box);
    layout->addWidget(step);
    return layout;
}

} // namespace

void TfraBiptData::buildControls()
{
    auto *steps = new QVBoxLayout;
    steps->addWidget(buildTerrainGroup(), 1);
    steps->addWidget(buildExportGroup());
    steps->addWidget(buildLetterGroup());
    steps->addWidget(buildZipGroup());
    steps->addStretch(0);

    auto *layout = new QHBoxLayout(content());
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(steps, 0);
    layout->addWidget(buildFileGroup(), 1);
}

QGroupBox *TfraBiptData::buildTerrainGroup()
{
    m_terrainBox = new QGroupBox(tr("  Findings Terrain Study  "), content());
    m_terrainBox->setObjectName(QStringLiteral("gbxTerrStudy"));
    m_stepTerrain = stepLabel(QStringLiteral("lblStepTerrStudy"), m_terrainBox);
    m_terrainMemo = new QPlainTextEdit(m_terrainBox);
    m_terrainMemo->setObjectName(QStringLiteral("dbmTerrStudy"));
    m_terrainMemo->setMinimumWidth(300);
    m_terrainMemo->setAutoFillBackground(true);
    QPalette palette = m_terrainMemo->palette();
    palette.setColor(QPalette::Base, ColourFromValue(InputColour));
    m_terrainMemo->setPalette(palette);
    m_terrainMemo->installEventFilter(this);
    m_terrainSave = button(QStringLiteral("bbnTerrSave"), tr("&Save"), m_terrainBox);
    m_terrainCancel = button(QStringLiteral("bbnTerrCancel"), tr("&Cancel"), m_terrainBox);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_terrainSave);
    buttons->addWidget(m_terrainCancel);
    auto *column = new QVBoxLayout;
    column->addWidget(m_terrainMemo, 1);
    column->addLayout(buttons);
    stepLayout(m_terrainBox, m_stepTerrain)->addLayout(column, 1);

    connect(m_terrainSave, &QPushButton::clicked, this, &TfraBiptData::terrainSaveClicked);
    connect(m_terrainCancel, &QPushButton::clicked, this, &TfraBiptData::terrainCancelClicked);
    return m_terrainBox;
}

QGroupBox *TfraBiptData::buildExportGroup()
{
    auto *box = new QGroupBox(tr("  Create BIPT Database File  "), content());
    box->setObjectName(QStringLiteral("gbxCreateMdb"));
    m_stepMdb = stepLabel(QStringLiteral("lblStepCreateMdb"), box);
    m_createMdb = button(QStringLiteral("bbnCreateMdb"), tr("Create"), box);
    m_progress = new QProgressBar(box);
    m_progress->setObjectName(QStringLiteral("pgbExportDbm"));
    m_progress->setTextVisible(false);
    m_progress->setVisible(false);

    auto *column = new QVBoxLayout;
    auto *row = new QHBoxLayout;
    row->addWidget(m_createMdb);
    row->addStretch(1);
    column->addLayout(row);
    column->addWidget(m_progress);
    stepLayout(box, m_stepMdb)->addLayout(column, 1);

    connect(m_createMdb, &QPushButton::clicked, this, &TfraBiptData::createMdbClicked);
    return box;
}

QGroupBox *TfraBiptData::buildLetterGroup()
{
    auto *box = new QGroupBox(tr("  Final Report  "), content());
    box->setObjectName(QStringLiteral("gbxFinalReport"));
    m_stepLetter = stepLabel(QStringLiteral("lblStepFinalReport"), box);
    m_printLetter = button(QStringLiteral("bbnPrintLetter"), tr(" &Print"), box);
    m_saveLetter = button(QStringLiteral("bbnSaveLetter"), tr("Save &Letter"), box);

    auto *row = new QHBoxLayout;
    row->addWidget(m_printLetter);
    row->addWidget(m_saveLetter);
    row->addStretch(1);
    stepLayout(box, m_stepLetter)->addLayout(row, 1);

    connect(m_printLetter, &QPushButton::clicked, this, [this] { letterClicked(true); });
    connect(m_saveLetter, &QPushButton::clicked, this, [this] { letterClicked(false); });
    return box;
}

QGroupBox *TfraBiptData::buildZipGroup()
{
    auto *box = new QGroupBox(tr("  Create the ZIP File  "), content());
    box->setObjectName(QStringLiteral("gbxCreateZip"));
    m_stepZip = stepLabel(QStringLiteral("lblStepCreateZip"), box);
    auto *text = new QLabel(tr("Are all required files in your personal directory? Also the plan "
                               "and the terrain study map if applicable? Remove all files that "
                               "are redundant or not required before creating the Zip file! "),
                            box);
    text->setObjectName(QStringLiteral("lblZipAdvice"));
    text->setWordWrap(true);
    text->setMaximumWidth(300);
    m_createZip = button(QStringLiteral("bbnCreateZip"), tr("Create"), box);

    auto *column = new QVBoxLayout;
    column->addWidget(text);
    auto *row = new QHBoxLayout;
    row->addWidget(m_createZip);
    row->addStretch(1);
    column->addLayout(row);
    stepLayout(box, m_stepZip)->addLayout(column, 1);

    connect(m_createZip, &QPushButton::clicked, this, &TfraBiptData::createZipClicked);
    return box;
}

QGroupBox *TfraBiptData::buildFileGroup()
{
    m_fileBox = new QGroupBox(tr("  All Files in Personal Directory  "), content());
    m_fileBox->setObjectName(QStringLiteral("gbxAllFiles"));
    m_files = new QTreeWidget(m_fileBox);
    m_files->setObjectName(QStringLiteral("lsvAllFiles"));
    m_files->setRootIsDecorated(false);
    m_files->setUniformRowHeights(true);
    m_files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_files->setSelectionMode(QAbstractItemView::SingleSelection);
    m_files->setHeaderLabels({tr("Name"), tr("Size"), tr("Type"), tr("Created"), tr("Modified"),
                              tr("Accessed"), tr("Attributes")});
    m_files->headerItem()->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    const int widths[] = {250, 80, 140, 160};
    for (int c = 0; c < 4; ++c)
        m_files->setColumnWidth(c, widths[c]);
    for (int c = 4; c < 7; ++c)
        m_files->setColumnHidden(c, true); // width 0 in the layout of the list
    m_files->header()->setSortIndicatorShown(true);
    m_files->setPalette([this] {
        QPalette p = m_files->palette();
        p.setColor(QPalette::Base, ColourFromValue(15132390));
        return p;
    }());

    auto *layout = new QVBoxLayout(m_fileBox);
    layout->addWidget(m_files);

    connect(m_files, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item, int) { fileDoubleClicked(item); });
    return m_fileBox;
}
