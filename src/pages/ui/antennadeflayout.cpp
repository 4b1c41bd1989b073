// The antenna page's controls and their connections.
#include "charts/ui/polarchart.h"
#include "pages/ui/antennadef.h"
#include "pages/ui/pagewidgets.h"
#include "pages/ui/sitedefentryfilter.h"
#include "shell/ui/lookupcombo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

QTableWidget *grid(const QString &name, const QStringList &titles, QWidget *parent)
{
    auto *table = Named(new QTableWidget(0, titles.size(), parent), name);
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    QPalette p = table->palette();
    p.setColor(QPalette::Base, QColor(0xE6, 0xE6, 0xE6)); // 15132390
    table->setPalette(p);
    return table;
}

// Ten pattern fields "0°" ... "90°" in one row, named prefix + "00" ... "90".
void patternRow(QGridLayout *layout, int row, const QString &prefix, QLineEdit **fields,
                QWidget *parent)
{
    for (int i = 0; i < 10; ++i) {
        const QString angle = QStringLiteral("%1").arg(i * 10, 2, 10, QLatin1Char('0'));
        layout->addWidget(new QLabel(QStringLiteral("%1°").arg(i * 10), parent), row, i + 1,
                          Qt::AlignCenter);
        fields[i] = Named(new QLineEdit(parent), prefix + angle);
        fields[i]->setMinimumWidth(38);
        fields[i]->setMaximumWidth(48);
        fields[i]->setAlignment(Qt::AlignRight);
        layout->addWidget(fields[i], row + 1, i + 1);
    }
}

QPushButton *button(const QString &text, const QString &name, QWidget *parent)
{
    auto *b = Named(new QPushButton(text, parent), name);
    b->setMinimumWidth(90);
    return b;
}

} // namespace

void TfraAntennaDef::buildControls()
{
    m_filter = new TEntryFieldFilter(this);
    auto *layout = new QVBoxLayout(content());
    layout->setContentsMargins(8, 8, 8, 4);
    auto *upper =
        Named(new QGroupBox(tr("  Antennas  "), content()), QStringLiteral("gbxAntennas"));
    auto *upperLayout = new QVBoxLayout(upper);
    m_tabs = Named(new QTabWidget(upper), QStringLiteral("pgcAntennas"));
    m_tabs->addTab(buildSelectionTab(), tr("Antenna Selection"));
    m_tabs->addTab(buildCustomTab(), tr("Add / Modify / Remove Custom Antenna"));
    upperLayout->addWidget(m_tabs);
    layout->addWidget(upper, 3);
    layout->addWidget(buildLowerPart(), 2);
    connectControls();
}

QWidget *TfraAntennaDef::buildSelectionTab()
{
    auto *tab = Named(new QWidget, QStringLiteral("tbsAntSelect"));
    auto *layout = new QGridLayout(tab);
    auto *familyGroup =
        Named(new QGroupBox(tr("  Select Antenna Family  "), tab), QStringLiteral("gbxAntSelKind"));
    auto *familyLayout = new QVBoxLayout(familyGroup);
    m_families = Named(new QListWidget(familyGroup), QStringLiteral("lsbAntSelKind"));
    familyLayout->addWidget(m_families);
    familyGroup->setMaximumWidth(140);
    layout->addWidget(familyGroup, 0, 0, 2, 1);

    m_catalogue = grid(QStringLiteral("dbgAntSelect"),
                       {tr("Antenna Type"), tr("Antenna Make or Description"), tr("Pol.")}, tab);
    m_catalogue->horizontalHeader()->setCursor(Qt::PointingHandCursor);
    m_catalogue->horizontalHeader()->setSectionsClickable(true);
    QHeaderView *titles = m_catalogue->horizontalHeader();
    titles->setStretchLastSection(false);
    titles->setSectionResizeMode(1, QHeaderView::Stretch);
    m_catalogue->setColumnWidth(0, 150);
    m_catalogue->setColumnWidth(2, 40);
    layout->addWidget(m_catalogue, 0, 1);

    auto *patternBox = new QWidget(tab);
    auto *patternLayout = new QGridLayout(patternBox);
    patternLayout->setContentsMargins(0, 0, 0, 0);
    // The pattern angles are measured from the main beam.
    patternLayout->addWidget(
        Named(new QLabel(tr("Off the beam"), patternBox), QStringLiteral("lblAntSelAngles")), 0, 0);
    patternLayout->addWidget(new QLabel(tr("Gain"), patternBox), 1, 0);
    patternRow(patternLayout, 0, QStringLiteral("dbeV"), m_gain, patternBox);
    patternLayout->addWidget(new QLabel(tr("dBi"), patternBox), 1, 11);
    for (QLineEdit *field : m_gain)
        field->setReadOnly(true);
    m_centreFrequency = new QWidget(patternBox);
    auto *frequencyRow = new QHBoxLayout(m_centreFrequency);
    frequencyRow->setContentsMargins(0, 0, 0, 0);
    frequencyRow->addWidget(new QLabel(tr("Freq. (MHz)"), m_centreFrequency));
    m_frequency = Named(new QLineEdit(m_centreFrequency), QStringLiteral("dbeAntFreq"));
    m_frequency->setReadOnly(true);
    m_frequency->setMaximumWidth(90);
    m_frequency->setAlignment(Qt::AlignRight);
    frequencyRow->addWidget(m_frequency);
    frequencyRow->addStretch(1);
    patternLayout->addWidget(m_centreFrequency, 2, 0, 1, 6);
    m_toDefine = Named(new QLabel(tr("Frequency to be defined !"), patternBox),
                       QStringLiteral("lblFreqToDefine"));
    m_toDefine->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    patternLayout->addWidget(m_toDefine, 2, 6, 1, 6);
    layout->addWidget(patternBox, 1, 1);

    m_chart = Named(new TPolarChart(tab), QStringLiteral("pchVertRad"));
    m_chart->setTitle(tr("Vert. Radiation Pattern"));
    m_chart->setMinimumSize(200, 200);
    layout->addWidget(m_chart, 0, 2, 2, 1);
    layout->setColumnStretch(1, 2);
    layout->setColumnStretch(2, 1);
    return tab;
}

QWidget *TfraAntennaDef::buildCustomTab()
{
    auto *tab = Named(new QWidget, QStringLiteral("tbsAntCustom"));
    auto *layout = new QHBoxLayout(tab);
    m_customGrid = grid(QStringLiteral("dbgAntCustom"),
                        {tr("Antenna Type"), tr("Antenna Make or Description")}, tab);
    m_customGrid->setColumnWidth(0, 150);
    layout->addWidget(m_customGrid, 2);

    auto *right = new QVBoxLayout;
    m_customGroup =
        Named(new QGroupBox(tr("  Custom Antenna Input  "), tab), QStringLiteral("gbxAntCustom"));
    auto *g = m_customGroup;
    auto *form = new QGridLayout(g);
    m_customType = Named(new QLineEdit(g), QStringLiteral("dbeAntCustomType"));
    m_customMake = Named(new QLineEdit(g), QStringLiteral("dbeAntCustomMake"));
    m_customPol = Named(new QComboBox(g), QStringLiteral("dblAntCustomPol"));
    UseShownColumnForTyping(m_customPol);
    m_customPol->setMaxVisibleItems(4);
    m_customBand = Named(new QComboBox(g), QStringLiteral("dblAntCustomBand"));
    UseShownColumnForTyping(m_customBand);
    m_customBand->setMaxVisibleItems(18);
    form->addWidget(new QLabel(tr("Antenna Type"), g), 0, 0);
    form->addWidget(m_customType, 0, 1, 1, 4);
    form->addWidget(new QLabel(tr("Antenna Make or Description"), g), 0, 5, 1, 2);
    form->addWidget(m_customMake, 0, 7, 1, 4);
    form->addWidget(new QLabel(tr("Polarization"), g), 1, 0);
    form->addWidget(m_customPol, 1, 1, 1, 4);
    form->addWidget(new QLabel(tr("Band / Frequency"), g), 1, 5, 1, 2);
    form->addWidget(m_customBand, 1, 7, 1, 4);
    auto *patternGrid = new QGridLayout;
    patternGrid->addWidget(
        Named(new QLabel(tr("Off the beam"), g), QStringLiteral("lblAntCustomAngles")), 0, 0);
    patternGrid->addWidget(new QLabel(tr("Gain"), g), 1, 0);
    patternRow(patternGrid, 0, QStringLiteral("dbeVi"), m_customPattern, g);
    patternGrid->addWidget(new QLabel(tr("dBi"), g), 1, 11);
    form->addLayout(patternGrid, 2, 0, 2, 11);
    auto *lambdaRow = new QHBoxLayout;
    lambdaRow->addWidget(new QLabel(tr("Ø in"), g));
    auto *lambdaSign = Named(new QLabel(QStringLiteral("λ"), g), QStringLiteral("lblLambda"));
    lambdaRow->addWidget(lambdaSign);
    m_lambda = Named(new QLineEdit(g), QStringLiteral("dbeLambda"));
    m_lambda->setMaximumWidth(60);
    lambdaRow->addWidget(m_lambda);
    lambdaRow->addStretch(1);
    form->addLayout(lambdaRow, 4, 0, 1, 6);
    right->addWidget(g);

    auto *buttons = new QHBoxLayout;
    m_customAdd = button(tr("  &Add"), QStringLiteral("bbnAntCustomAdd"), tab);
    m_customDelete = button(tr("  &Delete"), QStringLiteral("bbnAntCustomDel"), tab);
    m_customSave = button(tr("&Save"), QStringLiteral("bbnAntCustomSave"), tab);
    m_customCancel = button(tr("&Cancel"), QStringLiteral("bbnAntCustomCancel"), tab);
    for (QPushButton *b : {m_customAdd, m_customDelete, m_customSave, m_customCancel})
        buttons->addWidget(b);
    buttons->addStretch(1);
    right->addLayout(buttons);
    right->addStretch(1);
    layout->addLayout(right, 3);

    for (QLineEdit *field : {m_customType, m_customMake})
        m_filter->watch(field);
    m_filter->watch(m_customPol);
    m_filter->watch(m_customBand);
    for (QLineEdit *field : m_customPattern)
        m_filter->watch(field, TEntryFieldFilter::SignedDecimal);
    m_filter->watch(m_lambda, TEntryFieldFilter::Decimal);
    return tab;
}

QWidget *TfraAntennaDef::buildLowerPart()
{
    m_lowerPart = Named(new QWidget(content()), QStringLiteral("pnlAntProj"));
    auto *layout = new QHBoxLayout(m_lowerPart);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *left = new QVBoxLayout;
    m_siteGroup = Named(new QGroupBox(tr("  Select the Antenna Location  "), m_lowerPart),
                        QStringLiteral("gbxAntSelectSite"));
    auto *siteLayout = new QVBoxLayout(m_siteGroup);
    m_siteSelector = Named(new QComboBox(m_siteGroup), QStringLiteral("cbxAntSelectSite"));
    siteLayout->addWidget(m_siteSelector);
    left->addWidget(m_siteGroup);

    m_placementGroup =
        Named(new QGroupBox(tr("  Add / Modify / Remove Antennas at the Antenna Location  "),
                            m_lowerPart),
              QStringLiteral("gbxAntProj"));
    auto *g = m_placementGroup;
    auto *form = new QGridLayout(g);
    m_reference = Named(new QLabel(g), QStringLiteral("dbtAntProjRef"));
    QFont bold = m_reference->font();
    bold.setBold(true);
    m_reference->setFont(bold);
    m_height = Named(new QLineEdit(g), QStringLiteral("dbmAntProjHeight"));
    m_tilt = Named(new QLineEdit(g), QStringLiteral("dbmAntProjTilt"));
    m_band = Named(new QComboBox(g), QStringLiteral("dblAntProjFreq"));
    UseShownColumnForTyping(m_band);
    m_band->setMaxVisibleItems(12);
    m_remark = Named(new QLineEdit(g), QStringLiteral("dbeAntProjRem"));
    m_bandCaption = MandatoryCaption(tr("Frequency (MHz)"), g);
    form->addWidget(new QLabel(tr("Loc./Ant. Reference"), g), 0, 0);
    form->addWidget(m_reference, 0, 1);
    form->addWidget(MandatoryCaption(tr("Height (m)"), g), 1, 0);
    form->addWidget(m_height, 1, 1);
    form->addWidget(MandatoryCaption(tr("Tilt (Deg.)"), g), 1, 2);
    form->addWidget(m_tilt, 1, 3);
    // Which way a tilt turns the beam is easy to get wrong.
    form->addWidget(Named(new QLabel(tr("+ raises the beam, - lowers it"), g),
                          QStringLiteral("lblAntProjTiltHint")),
                    1, 4);
    form->addWidget(m_bandCaption, 2, 0);
    form->addWidget(m_band, 2, 1, 1, 3);
    form->addWidget(new QLabel(tr("Remark"), g), 3, 0);
    form->addWidget(m_remark, 3, 1, 1, 3);
    // Yes unless the user knows better: the exposures of antennas that
    // transmit together add up at every critical test point.
    m_simultaneous =
        Named(new QCheckBox(tr("Transmits at the same time as the other antennas of the site"), g),
              QStringLiteral("cbxAntProjSimTx"));
    m_simultaneous->setChecked(true);
    form->addWidget(m_simultaneous, 4, 0, 1, 4);
    left->addWidget(g);
    left->addStretch(1);
    layout->addLayout(left, 3);

    m_buttonPanel = Named(new QWidget(m_lowerPart), QStringLiteral("pnlAntProjButtons"));
    auto *buttons = new QGridLayout(m_buttonPanel);
    m_save = button(tr("&Save"), QStringLiteral("bbnAntProjSave"), m_buttonPanel);
    m_cancel = button(tr("&Cancel"), QStringLiteral("bbnAntProjCancel"), m_buttonPanel);
    m_addNew = button(tr("&Add New"), QStringLiteral("bbnAntProjAdd"), m_buttonPanel);
    m_delete = button(tr("  &Delete"), QStringLiteral("bbnAntProjDel"), m_buttonPanel);
    buttons->addWidget(m_save, 0, 0);
    buttons->addWidget(m_cancel, 1, 0);
    buttons->addWidget(m_addNew, 2, 0);
    buttons->addWidget(m_delete, 3, 0);
    buttons->setRowStretch(4, 1);
    layout->addWidget(m_buttonPanel);

    m_configGroup = Named(new QGroupBox(tr("  Antenna Location Configuration  "), m_lowerPart),
                          QStringLiteral("gbxAntProjSiteConf"));
    auto *configLayout = new QVBoxLayout(m_configGroup);
    m_config =
        grid(QStringLiteral("dbgAntProjSiteConf"),
             {tr("Loc. Ref."), tr("Antenna Type"), tr("Antenna Make or Description"), tr("Band")},
             m_configGroup);
    configLayout->addWidget(m_config);
    layout->addWidget(m_configGroup, 4);

    m_filter->watch(m_height, TEntryFieldFilter::Decimal);
    m_filter->watch(m_tilt, TEntryFieldFilter::SignedDecimal);
    m_filter->watch(m_band);
    m_filter->watch(m_remark);
    m_filter->watch(m_simultaneous);
    return m_lowerPart;
}

void TfraAntennaDef::connectControls()
{
    connect(m_tabs, &QTabWidget::currentChanged, this, &TfraAntennaDef::tabChanged);
    connect(m_families, &QListWidget::currentRowChanged, this, &TfraAntennaDef::familySelected);
    connect(m_catalogue->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TfraAntennaDef::titleClicked);
    connect(m_catalogue, &QTableWidget::itemSelectionChanged, this,
            &TfraAntennaDef::catalogueRowChanged);
    connect(m_catalogue, &QTableWidget::cellDoubleClicked, this,
            &TfraAntennaDef::catalogueDoubleClicked);

    for (QLineEdit *field : {m_height, m_tilt, m_remark})
        connect(field, &QLineEdit::textEdited, this, &TfraAntennaDef::placementEdited);
    connect(m_band, &QComboBox::activated, this, &TfraAntennaDef::placementEdited);
    connect(m_simultaneous, &QCheckBox::clicked, this, &TfraAntennaDef::placementEdited);
    connect(m_save, &QPushButton::clicked, this, &TfraAntennaDef::savePlacement);
    connect(m_cancel, &QPushButton::clicked, this, &TfraAntennaDef::cancelPlacement);
    connect(m_addNew, &QPushButton::clicked, this, &TfraAntennaDef::addPlacement);
    connect(m_delete, &QPushButton::clicked, this, &TfraAntennaDef::deletePlacement);
    connect(m_config, &QTableWidget::cellClicked, this,
            [this](int row, int) { placementClicked(row); });
    connect(m_siteSelector, &QComboBox::activated, this, &TfraAntennaDef::siteSelected);
    connect(m_filter, &TEntryFieldFilter::focusLeft, this, [this](QWidget *control) {
        if (control == m_tilt)
            tiltLeft();
    });
    connect(m_filter, &TEntryFieldFilter::focusEntered, this, [this](QWidget *control) {
        if (control->parentWidget() == m_placementGroup)
            applyFrequencyRule();
    });

    connect(m_customGrid, &QTableWidget::itemSelectionChanged, this,
            &TfraAntennaDef::customRowChanged);
    for (QLineEdit *field : {m_customType, m_customMake, m_lambda})
        connect(field, &QLineEdit::textEdited, this, &TfraAntennaDef::customEdited);
    for (QLineEdit *field : m_customPattern)
        connect(field, &QLineEdit::textEdited, this, &TfraAntennaDef::customEdited);
    connect(m_customPol, &QComboBox::activated, this, &TfraAntennaDef::customEdited);
    connect(m_customBand, &QComboBox::activated, this, &TfraAntennaDef::customEdited);
    connect(m_customAdd, &QPushButton::clicked, this, &TfraAntennaDef::addCustom);
    connect(m_customDelete, &QPushButton::clicked, this, &TfraAntennaDef::deleteCustom);
    connect(m_customSave, &QPushButton::clicked, this, &TfraAntennaDef::saveCustom);
    connect(m_customCancel, &QPushButton::clicked, this, &TfraAntennaDef::cancelCustom);
}

void TfraAntennaDef::retranslateUi()
{
    m_chart->setTitle(tr("Vert. Radiation Pattern")); // painted by the chart itself
}
