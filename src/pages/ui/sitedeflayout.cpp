// The site page's controls and their connections.
#include "pages/ui/pagewidgets.h"
#include "pages/ui/postcodetyping.h"
#include "pages/ui/sitedef.h"
#include "pages/ui/sitedefentryfilter.h"
#include "shell/ui/lookupcombo.h"
#include "store/datamodule.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = Named(new QPushButton(text, parent), name);
    b->setMinimumWidth(90);
    return b;
}

const char *const CoordinateNames[SiteCoordinateFieldCount] = {
    "dbmLocLamX",     "dbmLocLamY",    "dbmLocLongEDeg", "dbmLocLongEMin",
    "dbmLocLongESec", "dbmLocLatNDeg", "dbmLocLatNMin",  "dbmLocLatNSec"};

} // namespace

void TfraSiteDef::buildControls()
{
    m_filter = new TEntryFieldFilter(this);
    auto *layout = new QVBoxLayout(content());
    layout->setContentsMargins(8, 8, 8, 4);
    layout->addWidget(buildDescriptionGroup());
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildSiteGroup(), 1);
    middle->addWidget(buildSitePanel());
    layout->addLayout(middle);
    // Until the description has an address and a town, a line says where the
    // site group will appear and what opens it.
    m_siteHint = Named(new QLabel(tr("The antenna locations and their coordinates appear here "
                                     "once the address and the town above are saved."),
                                  content()),
                       "lblSiteHint");
    m_siteHint->setStyleSheet(QStringLiteral("color: #1d3557; font-style: italic;"));
    m_siteHint->setVisible(false);
    layout->addWidget(m_siteHint);
    layout->addWidget(buildOverviewGroup(), 1);
    connectControls();
}

QWidget *TfraSiteDef::buildDescriptionGroup()
{
    auto *outer = new QWidget(content());
    auto *row = new QHBoxLayout(outer);
    row->setContentsMargins(0, 0, 0, 0);

    m_descriptionGroup = Named(new QGroupBox(tr("  Site Data  "), outer), "gbxSiteData");
    auto *grid = new QGridLayout(m_descriptionGroup);
    auto *g = m_descriptionGroup;
    m_addr1 = Named(new QLineEdit(g), "dbeSiteAddr1");
    m_addr2 = Named(new QLineEdit(g), "dbeSiteAddr2");
    m_zip = Named(new QComboBox(g), "dblSiteZip");
    m_town = Named(new QComboBox(g), "dblSiteCity");
    UseShownColumnForTyping(m_zip);
    UseShownColumnForTyping(m_town);
    m_postcodeTyping = new TPostcodeTyping(m_zip, [this] {
        return dm() ? PostcodeRows(*dm()->tblZipCity2, QStringLiteral("IdZipCity2"))
                    : QVector<TPostcodeRow>();
    });
    m_biptRef = Named(new QLineEdit(g), "dbeSiteRef");
    m_clubCall = Named(new QLineEdit(g), "dbeSiteClubCall");
    m_sharedBy = Named(new QLineEdit(g), "dbeSiteShare");
    m_siteRemark = Named(new QLineEdit(g), "dbeSiteRem");
    m_clubStation = Named(new QCheckBox(tr("Clubstation :"), g), "dbcSiteClub");
    m_antennasExist = Named(new QCheckBox(tr("This antenna(s) already exists on this site :"), g),
                            "dbcSiteExits");
    m_shared = Named(new QCheckBox(tr("Site also used by another operator (ex. GSM) :"), g),
                     "dbcSiteShared");
    for (QCheckBox *box : {m_clubStation, m_antennasExist, m_shared})
        box->setLayoutDirection(Qt::RightToLeft); // caption left of the box
    m_zip->setMaxVisibleItems(12);
    m_zip->setMaximumWidth(80);
    m_town->setMaxVisibleItems(12);

    grid->addWidget(MandatoryCaption(tr("Address (Main)"), g), 0, 0);
    grid->addWidget(m_addr1, 0, 1, 1, 3);
    grid->addWidget(new QLabel(tr("Address (Complement)"), g), 1, 0);
    grid->addWidget(m_addr2, 1, 1, 1, 3);
    grid->addWidget(MandatoryCaption(tr("Zip"), g), 2, 0);
    grid->addWidget(m_zip, 2, 1);
    grid->addWidget(MandatoryCaption(tr("Town"), g), 2, 2);
    grid->addWidget(m_town, 2, 3);
    grid->addWidget(new QLabel(tr("BIPT Reference"), g), 3, 0);
    grid->addWidget(m_biptRef, 3, 1);
    grid->addWidget(new QLabel(tr("Club Call"), g), 3, 2);
    grid->addWidget(m_clubCall, 3, 3);
    grid->addWidget(new QLabel(tr("Antenna location shared with... (Provider)"), g), 4, 0);
    grid->addWidget(m_sharedBy, 4, 1, 1, 3);
    grid->addWidget(new QLabel(tr("Remark"), g), 5, 0);
    grid->addWidget(m_siteRemark, 5, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 2);
    row->addWidget(m_descriptionGroup, 3);

    auto *right = new QVBoxLayout;
    for (QCheckBox *box : {m_clubStation, m_antennasExist, m_shared}) {
        right->addWidget(box, 0, Qt::AlignRight);
        m_filter->watch(box);
    }
    auto *noteGroup = Named(new QGroupBox(tr("  Note to BIPT  "), outer), "gbxSiteNote");
    auto *noteLayout = new QVBoxLayout(noteGroup);
    m_note = Named(new QPlainTextEdit(noteGroup), "dbmSiteNote");
    noteLayout->addWidget(m_note);
    right->addWidget(noteGroup, 1);
    auto *buttons = new QHBoxLayout;
    m_descriptionSave = button(tr("&Save"), "bbnSiteSave", outer);
    m_descriptionCancel = button(tr("&Cancel"), "bbnSiteCancel", outer);
    m_copy = button(tr("Copy  "), "bbnSiteCopy", outer);
    buttons->addWidget(m_copy);
    buttons->addStretch(1);
    buttons->addWidget(m_descriptionSave);
    buttons->addWidget(m_descriptionCancel);
    right->addLayout(buttons);
    row->addLayout(right, 2);

    for (QWidget *w : {static_cast<QWidget *>(m_addr1), static_cast<QWidget *>(m_addr2),
                       static_cast<QWidget *>(m_zip), static_cast<QWidget *>(m_town),
                       static_cast<QWidget *>(m_biptRef), static_cast<QWidget *>(m_clubCall),
                       static_cast<QWidget *>(m_sharedBy), static_cast<QWidget *>(m_siteRemark)})
        m_filter->watch(w);
    m_note->setPalette(m_addr1->palette());
    return outer;
}

QWidget *TfraSiteDef::buildSiteGroup()
{
    m_siteGroup =
        Named(new QGroupBox(tr("  Tower Location / Antenna Location  "), content()), "gbxLocation");
    auto *g = m_siteGroup;
    auto *grid = new QGridLayout(g);
    m_siteName = Named(new QLabel(g), "dbtLocName");
    QFont bold = m_siteName->font();
    bold.setBold(true);
    m_siteName->setFont(bold);
    for (int i = 0; i < SiteCoordinateFieldCount; ++i) {
        auto *edit = Named(new QLineEdit(g), CoordinateNames[i]);
        const int length = SiteCoordinateMaxLength(TSiteCoordinateField(i));
        edit->setMaxLength(length);
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(length)), edit));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(length >= 6 ? 80 : 44);
        m_filter->watch(edit, TEntryFieldFilter::Digits);
        m_coordinate[i] = edit;
    }
    m_locRemark = Named(new QLineEdit(g), "dbeLocRem");
    m_filter->watch(m_locRemark);
    m_main = Named(new QCheckBox(tr("Main Location"), g), "dbcLocMain");
    m_filter->watch(m_main);
    m_indicator = Named(new QLabel(g), "lblInvalidValues");
    m_indicator->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    m_indicator->setVisible(false);

    grid->addWidget(m_siteName, 0, 0, 1, 2);
    grid->addWidget(MandatoryCaption(tr("Lambert (X)"), g), 1, 0);
    grid->addWidget(m_coordinate[CoordLambertX], 1, 1);
    grid->addWidget(MandatoryCaption(tr("Lambert (Y)"), g), 2, 0);
    grid->addWidget(m_coordinate[CoordLambertY], 2, 1);
    grid->addWidget(m_indicator, 1, 2, 2, 1, Qt::AlignCenter);

    auto *wgs = new QGridLayout;
    wgs->addWidget(new QLabel(tr("Geographic Coordinates"), g), 0, 0);
    wgs->addWidget(new QLabel(tr("WGS84"), g), 0, 1, 1, 3, Qt::AlignCenter);
    wgs->addWidget(new QLabel(tr("Deg."), g), 1, 1);
    wgs->addWidget(new QLabel(tr("Min."), g), 1, 2);
    wgs->addWidget(new QLabel(tr("Sec."), g), 1, 3);
    wgs->addWidget(MandatoryCaption(tr("Longitude (East)"), g), 2, 0);
    wgs->addWidget(MandatoryCaption(tr("Latitude (North)"), g), 3, 0);
    for (int i = 0; i < 3; ++i) {
        wgs->addWidget(m_coordinate[CoordLonDeg + i], 2, 1 + i);
        wgs->addWidget(m_coordinate[CoordLatDeg + i], 3, 1 + i);
    }
    grid->addLayout(wgs, 0, 3, 3, 1);
    grid->addWidget(new QLabel(tr("Remark"), g), 3, 0);
    grid->addWidget(m_locRemark, 3, 1, 1, 3);
    grid->addWidget(m_main, 4, 1, 1, 2);
    grid->setColumnStretch(2, 1);
    return g;
}

QWidget *TfraSiteDef::buildSitePanel()
{
    m_sitePanel = Named(new QWidget(content()), "pnlLocSelect");
    auto *column = new QVBoxLayout(m_sitePanel);
    m_selectorLabel =
        Named(new QLabel(tr("Select Tower / Antenna Location"), m_sitePanel), "lblLocSelect");
    m_selector = Named(new QComboBox(m_sitePanel), "cbxLocSelect");
    m_siteSave = button(tr("&Save"), "bbnLocSave", m_sitePanel);
    m_siteCancel = button(tr("&Cancel"), "bbnLocCancel", m_sitePanel);
    m_siteAdd = button(tr("Add Location"), "bbnLocAdd", m_sitePanel);
    m_siteDelete = button(tr("Delete Location"), "bbnLocDel", m_sitePanel);
    column->addWidget(m_selectorLabel);
    column->addWidget(m_selector);
    column->addStretch(1);
    auto *grid = new QGridLayout;
    grid->addWidget(m_siteSave, 0, 0);
    grid->addWidget(m_siteCancel, 0, 1);
    grid->addWidget(m_siteAdd, 1, 0);
    grid->addWidget(m_siteDelete, 1, 1);
    column->addLayout(grid);
    return m_sitePanel;
}

QWidget *TfraSiteDef::buildOverviewGroup()
{
    m_overviewGroup = Named(new QGroupBox(tr("  Overview of the Antanna Locations   "), content()),
                            "gbxTowerView");
    auto *column = new QVBoxLayout(m_overviewGroup);
    m_overview = Named(new QTableWidget(0, 6, m_overviewGroup), "dbgTowerView");
    m_overview->setHorizontalHeaderLabels({tr("Name"), tr("Lambert (X)"), tr("Lambert (Y)"),
                                           tr("Longitude (E)"), tr("Latitude (N)"), tr("Ref.")});
    m_overview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_overview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_overview->setSelectionMode(QAbstractItemView::SingleSelection);
    m_overview->verticalHeader()->setVisible(false);
    m_overview->horizontalHeader()->setStretchLastSection(true);
    m_overview->verticalHeader()->setDefaultSectionSize(20);
    QPalette p = m_overview->palette();
    p.setColor(QPalette::Base, QColor(0xE6, 0xE6, 0xE6)); // 15132390
    m_overview->setPalette(p);
    column->addWidget(m_overview);
    return m_overviewGroup;
}

void TfraSiteDef::connectControls()
{
    for (QLineEdit *edit : {m_addr1, m_addr2, m_biptRef, m_clubCall, m_sharedBy, m_siteRemark})
        connect(edit, &QLineEdit::textEdited, this, &TfraSiteDef::descriptionEdited);
    connect(m_clubCall, &QLineEdit::textEdited, this, [this](const QString &text) {
        const int cursor = m_clubCall->cursorPosition();
        if (text != text.toUpper()) {
            m_clubCall->setText(text.toUpper());
            m_clubCall->setCursorPosition(cursor);
        }
    });
    for (QCheckBox *box : {m_clubStation, m_antennasExist, m_shared})
        connect(box, &QCheckBox::clicked, this, &TfraSiteDef::descriptionEdited);
    connect(m_note, &QPlainTextEdit::textChanged, this, [this]() {
        if (!m_loading)
            descriptionEdited();
    });
    connect(m_zip, &QComboBox::currentIndexChanged, this, &TfraSiteDef::zipPicked);
    connect(m_town, &QComboBox::currentIndexChanged, this, &TfraSiteDef::townPicked);
    connect(m_descriptionSave, &QPushButton::clicked, this, &TfraSiteDef::saveDescription);
    connect(m_descriptionCancel, &QPushButton::clicked, this, &TfraSiteDef::cancelDescription);
    connect(m_copy, &QPushButton::clicked, this, &TfraSiteDef::copyOwnerAddress);

    for (QLineEdit *edit : m_coordinate)
        connect(edit, &QLineEdit::textChanged, this, &TfraSiteDef::siteEdited);
    connect(m_locRemark, &QLineEdit::textChanged, this, &TfraSiteDef::siteEdited);
    connect(m_main, &QCheckBox::clicked, this, &TfraSiteDef::siteEdited);
    connect(m_filter, &TEntryFieldFilter::focusLeft, this, &TfraSiteDef::fieldLeft);
    connect(m_filter, &TEntryFieldFilter::focusEntered, this, [this](QWidget *control) {
        if (control == m_addr1)
            QMetaObject::invokeMethod(
                m_addr1, [this]() { m_addr1->end(false); }, Qt::QueuedConnection);
    });

    connect(m_selector, &QComboBox::activated, this, &TfraSiteDef::selectSite);
    connect(m_overview, &QTableWidget::cellClicked, this,
            [this](int row, int) { overviewClicked(row); });
    connect(m_siteSave, &QPushButton::clicked, this, &TfraSiteDef::saveSite);
    connect(m_siteCancel, &QPushButton::clicked, this, &TfraSiteDef::cancelSite);
    connect(m_siteAdd, &QPushButton::clicked, this, &TfraSiteDef::addSite);
    connect(m_siteDelete, &QPushButton::clicked, this, &TfraSiteDef::deleteSite);
}
