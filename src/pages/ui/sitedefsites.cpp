// The site page: the owner's sites, their selection, saving and deletion.
#include "pages/ui/sitedef.h"
#include "pages/sitedefselection.h"
#include "base/meridoxbinding.h"
#include "base/messages.h"
#include "shell/ui/wizardhost.h"
#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/recordstatement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

namespace
{
const char *const CoordinateColumns[SiteCoordinateFieldCount] = {
    "TowerCoordLamX",  "TowerCoordLamY",  "TowerCoordWgsEd", "TowerCoordWgsEm",
    "TowerCoordWgsEs", "TowerCoordWgsNd", "TowerCoordWgsNm", "TowerCoordWgsNs"};

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
} // namespace

void TfraSiteDef::refreshSiteList()
{
    TCurrentSelection &cs = CurrentSelection();
    const TOpResult<int> count = CountSites(*dm(), cs.ownerId);
    if (!succeeded(count.error))
        return;
    cs.siteCount = count.value;
    if (count.value == 0) {
        cs.siteId = 0;
        m_sites = TSiteList();
        if (!succeeded(OpenSites(*dm(), cs.ownerId, true).error))
            return;
        m_siteInsert = true;
        clearSiteFields();
        for (QWidget *w :
             {static_cast<QWidget *>(m_selector), static_cast<QWidget *>(m_selectorLabel),
              static_cast<QWidget *>(m_siteAdd), static_cast<QWidget *>(m_siteDelete),
              static_cast<QWidget *>(m_siteName)})
            w->setVisible(false);
        nextButton()->setEnabled(false);
    } else {
        m_siteInsert = false;
        const TOpResult<TSiteList> list = ListSites(*dm(), cs.ownerId);
        if (!succeeded(list.error))
            return;
        m_sites = list.value;
        // The current site stays current while it is listed; otherwise the
        // remembered position (or the first site) takes its place.
        int position = m_sites.ids.indexOf(cs.siteId);
        const bool keep = position >= 0;
        if (!keep)
            position = cs.siteId == 0 && cs.sitePosition < m_sites.ids.size() ? cs.sitePosition : 0;
        cs.siteId = m_sites.ids.at(position);
        cs.sitePosition = position;
        cs.setSiteName(m_sites.names.at(position));
        if (!keep)
            succeeded(SelectFirstPlacementOfSite(*dm()).error);
        if (!succeeded(OpenSites(*dm(), cs.ownerId, false).error))
            return;
        dm()->qryTower->locate(QStringLiteral("IdTower"), cs.siteId);
        loadSiteFields();
        const bool several = count.value > 1;
        fillSiteSelector();
        m_selector->setVisible(several);
        m_selectorLabel->setVisible(several);
        m_siteAdd->setVisible(true);
        m_siteDelete->setVisible(true);
        m_siteName->setVisible(true);
        nextButton()->setEnabled(true);
    }
    fillOverview();
    m_overviewGroup->setVisible(count.value > 0);
    setSiteChanged(false);
}

void TfraSiteDef::fillSiteSelector()
{
    const QSignalBlocker blocker(m_selector);
    m_selector->clear();
    m_selector->addItems(m_sites.names);
    m_selector->setCurrentIndex(CurrentSelection().sitePosition);
}

void TfraSiteDef::fillOverview()
{
    const TJetDataset *sites = dm()->qryTower;
    const QSignalBlocker blocker(m_overview);
    m_overview->setRowCount(sites->recordCount());
    const Qt::Alignment right = Qt::AlignRight;
    for (int row = 0; row < sites->recordCount(); ++row) {
        const auto text = [&](const char *field) {
            return sites->value(row, QLatin1String(field)).toString();
        };
        m_overview->setItem(row, 0, cell(text("TowerName"), Qt::AlignLeft));
        m_overview->setItem(row, 1, cell(text("TowerCoordLamX"), right));
        m_overview->setItem(row, 2, cell(text("TowerCoordLamY"), right));
        m_overview->setItem(row, 3, cell(text("DegE"), right));
        m_overview->setItem(row, 4, cell(text("DegN"), right));
        auto *main = cell(QString(), Qt::AlignCenter);
        main->setData(Qt::CheckStateRole,
                      sites->value(row, QStringLiteral("TowerMain")).toInt() != 0 ? Qt::Checked
                                                                                  : Qt::Unchecked);
        m_overview->setItem(row, 5, main);
        if (sites->value(row, QStringLiteral("IdTower")).toInt() == CurrentSelection().siteId)
            m_overview->selectRow(row);
    }
}

void TfraSiteDef::loadSiteFields()
{
    const TJetDataset *sites = dm()->qryTower;
    m_loading = true;
    m_siteName->setText(FieldText(sites, QStringLiteral("TowerName")));
    for (int i = 0; i < SiteCoordinateFieldCount; ++i)
        m_coordinate[i]->setText(FieldText(sites, QLatin1String(CoordinateColumns[i])));
    m_locRemark->setText(FieldText(sites, QStringLiteral("TowerRem")));
    m_main->setChecked(FieldInt(sites, QStringLiteral("TowerMain")) != 0);
    m_indicator->setVisible(false);
    m_loading = false;
}

void TfraSiteDef::clearSiteFields()
{
    m_loading = true;
    m_siteName->clear();
    for (QLineEdit *edit : m_coordinate)
        edit->clear();
    m_locRemark->clear();
    m_main->setChecked(false);
    m_indicator->setVisible(false);
    m_loading = false;
}

void TfraSiteDef::siteEdited()
{
    if (!m_loading)
        setSiteChanged(true);
}

void TfraSiteDef::setSiteChanged(bool changed)
{
    m_siteSave->setEnabled(changed);
    m_siteCancel->setEnabled(changed);
    m_siteAdd->setEnabled(!changed);
    m_siteDelete->setEnabled(!changed && !m_siteInsert);
}

TSiteCoordinateTexts TfraSiteDef::coordinateTexts() const
{
    TSiteCoordinateTexts texts;
    for (int i = 0; i < SiteCoordinateFieldCount; ++i)
        texts.text[i] = m_coordinate[i]->text();
    return texts;
}

TSiteValues TfraSiteDef::siteValues(const QString &name) const
{
    const auto number = [this](int field) { return m_coordinate[field]->text().toInt(); };
    TSiteValues v;
    v.name = name;
    v.remark = m_locRemark->text();
    v.lambertX = number(CoordLambertX);
    v.lambertY = number(CoordLambertY);
    v.eastDegrees = number(CoordLonDeg);
    v.eastMinutes = number(CoordLonMin);
    v.eastSeconds = number(CoordLonSec);
    v.northDegrees = number(CoordLatDeg);
    v.northMinutes = number(CoordLatMin);
    v.northSeconds = number(CoordLatSec);
    return v;
}

bool TfraSiteDef::validateSite(bool withMessage)
{
    const int failing = FirstInvalidSiteCoordinate(coordinateTexts());
    nextButton()->setEnabled(failing < 0);
    if (failing < 0)
        return true;
    if (withMessage) {
        ShowErrorMessage(tr("Antenna Location"),
                         SiteCoordinateMessage(TSiteCoordinateField(failing)));
        m_coordinate[failing]->setFocus();
    }
    return false;
}

bool TfraSiteDef::coordinatesPlausible()
{
    const TSiteCoordinateTexts typed = coordinateTexts();
    const int implausible = FirstImplausibleSiteCoordinate(typed);
    if (implausible >= 0) {
        ShowErrorMessage(tr("Antenna Location"),
                         SiteCoordinateMessage(TSiteCoordinateField(implausible)));
        m_coordinate[implausible]->setFocus();
        return false;
    }
    // Without the conversion library the two forms cannot be compared.
    Wgs84DmsTexts dms;
    if (!IsConversionLibraryLoaded() ||
        !Lambert72ToWgs84(typed.text[CoordLambertX], typed.text[CoordLambertY], &dms))
        return true;
    TSiteCoordinateTexts fromLambert;
    fromLambert.text[CoordLatDeg] = dms.latDeg;
    fromLambert.text[CoordLatMin] = dms.latMin;
    fromLambert.text[CoordLatSec] = dms.latSec;
    fromLambert.text[CoordLonDeg] = dms.lonDeg;
    fromLambert.text[CoordLonMin] = dms.lonMin;
    fromLambert.text[CoordLonSec] = dms.lonSec;
    if (SiteCoordinatesAgree(typed, fromLambert))
        return true;
    ShowErrorMessage(tr("Antenna Location"), SiteCoordinatesDisagreeMessage());
    m_coordinate[CoordLambertX]->setFocus();
    return false;
}

void TfraSiteDef::addSite()
{
    m_siteInsert = true;
    if (!succeeded(OpenSites(*dm(), CurrentSelection().ownerId, true).error))
        return;
    clearSiteFields();
    m_selector->setVisible(false);
    m_selectorLabel->setVisible(false);
    setSiteChanged(false);
    m_coordinate[CoordLambertX]->setFocus();
}

void TfraSiteDef::saveSite()
{
    TCurrentSelection &cs = CurrentSelection();
    QString name;
    if (m_siteInsert) {
        const TOpResult<QString> next = NextSiteName(*dm(), cs.ownerId);
        if (!succeeded(next.error))
            return;
        name = next.value;
    }
    if (!validateSite(true) || !coordinatesPlausible())
        return;
    if (m_siteInsert) {
        const TOpResult<qint32> id =
            InsertSite(*dm(), cs.ownerId, m_main->isChecked(), siteValues(name));
        if (!succeeded(id.error))
            return;
        cs.siteId = id.value;
        cs.setSiteName(name);
        ClearPlacementSelection(); // a new site has no placement yet
        const TOpResult<TSiteList> list = ListSites(*dm(), cs.ownerId);
        if (!succeeded(list.error))
            return;
        cs.sitePosition = qMax(0, list.value.ids.indexOf(id.value));
    } else {
        const qint32 siteId = FieldInt(dm()->qryTower, QStringLiteral("IdTower"));
        const TOpResult<TSiteList> list = ListSites(*dm(), cs.ownerId);
        if (!succeeded(list.error))
            return;
        const int position = list.value.ids.indexOf(siteId);
        const QString current = position >= 0 ? list.value.names.at(position) : m_siteName->text();
        if (!succeeded(
                UpdateSite(*dm(), cs.ownerId, siteId, m_main->isChecked(), siteValues(current))
                    .error))
            return;
    }
    m_siteInsert = false;
    host().RefreshStatusBar();
    refreshSiteList();
    setSiteChanged(false);
}

void TfraSiteDef::cancelSite()
{
    refreshSiteList(); // reopens the current site, or the empty new one when there is none
    setSiteChanged(false);
    validateSite(false);
}

void TfraSiteDef::deleteSite()
{
    if (AskYesNo(tr("Deleting Current Site"),
                 tr("Are you sure you want to delete this Antenna Site ?")) != AnswerYes)
        return;
    TCurrentSelection &cs = CurrentSelection();
    if (!succeeded(DeleteSite(*dm(), cs.siteId).error))
        return;
    const TOpResult<int> remaining = CountSites(*dm(), cs.ownerId);
    if (!succeeded(remaining.error))
        return;
    if (remaining.value > 0) {
        nextButton()->setEnabled(true);
        if (!succeeded(EnsureMainSite(*dm(), cs.ownerId).error))
            return;
        const TOpResult<TSiteList> list = ListSites(*dm(), cs.ownerId);
        if (!succeeded(list.error))
            return;
        const int position = cs.sitePosition < list.value.ids.size() ? cs.sitePosition : 0;
        cs.siteId = list.value.ids.at(position);
        cs.sitePosition = position;
        cs.setSiteName(list.value.names.at(position));
        succeeded(SelectFirstPlacementOfSite(*dm()).error);
    } else {
        nextButton()->setEnabled(false);
        cs.siteId = 0;
        cs.sitePosition = 0;
        cs.setSiteName(QString());
        ClearPlacementSelection();
    }
    applyVisibility();
    host().RefreshStatusBar();
    setDescriptionChanged(false);
}

void TfraSiteDef::makeSiteCurrent(int position)
{
    TCurrentSelection &cs = CurrentSelection();
    cs.siteId = m_sites.ids.at(position);
    cs.sitePosition = position;
    cs.setSiteName(m_sites.names.at(position));
    if (m_siteInsert) { // picked while a new site was being typed: that one is dropped
        m_siteInsert = false;
        if (!succeeded(OpenSites(*dm(), cs.ownerId, false).error))
            return;
        m_selector->setVisible(m_sites.ids.size() > 1);
        m_selectorLabel->setVisible(m_sites.ids.size() > 1);
    }
    dm()->qryTower->locate(QStringLiteral("IdTower"), cs.siteId);
    loadSiteFields();
    succeeded(SelectFirstPlacementOfSite(*dm()).error);
    host().RefreshStatusBar();
    setSiteChanged(false);
}

void TfraSiteDef::selectSite(int position)
{
    if (position < 0 || position >= m_sites.ids.size())
        return;
    makeSiteCurrent(position);
    const QSignalBlocker blocker(m_overview);
    for (int row = 0; row < m_overview->rowCount(); ++row) {
        if (m_overview->item(row, 0)->text() == m_sites.names.at(position))
            m_overview->selectRow(row);
    }
}

void TfraSiteDef::overviewClicked(int row)
{
    const QTableWidgetItem *item = m_overview->item(row, 0);
    if (!item)
        return;
    const int position = m_sites.names.indexOf(item->text());
    if (position < 0)
        return;
    makeSiteCurrent(position);
    const QSignalBlocker blocker(m_selector);
    m_selector->setCurrentIndex(position);
}
