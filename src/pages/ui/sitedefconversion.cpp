// The site page: converting between Lambert 72 and WGS84 when the focus
// leaves a coordinate field.
#include "pages/ui/sitedef.h"
#include "base/meridoxbinding.h"
#include "base/currentselection.h"
#include "store/datamodule.h"
#include "store/recordstatement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

void TfraSiteDef::fieldLeft(QWidget *control)
{
    if (control == m_locRemark) {
        m_indicator->setVisible(false);
        return;
    }
    int field = -1;
    for (int i = 0; i < SiteCoordinateFieldCount; ++i) {
        if (m_coordinate[i] == control)
            field = i;
    }
    if (field < 0)
        return;
    if (allCoordinateTexts() == m_convertedTexts)
        return;
    const bool converted = field <= CoordLambertY ? convertLambert() : convertWgs84();
    if (converted)
        m_convertedTexts = allCoordinateTexts();
    // Both forms are complete and agree only after a conversion: an existing
    // site is written at once then, never with a half-typed coordinate.
    if (converted && !m_siteInsert)
        postExistingSite();
}

QStringList TfraSiteDef::allCoordinateTexts() const
{
    QStringList texts;
    for (int i = 0; i < SiteCoordinateFieldCount; ++i)
        texts << m_coordinate[i]->text();
    return texts;
}

void TfraSiteDef::showIndicator(const QString &text)
{
    m_indicator->setText(text);
    m_indicator->setVisible(!text.isEmpty());
}

bool TfraSiteDef::convertLambert()
{
    const TSiteCoordinateTexts texts = coordinateTexts();
    switch (CheckLambertGroup(texts)) {
    case TConversionCheck::Incomplete:
        showIndicator(QString());
        return false;
    case TConversionCheck::OutOfRange:
        showIndicator(tr("< Invalid Values"));
        return false;
    case TConversionCheck::Convertible:
        break;
    }
    showIndicator(QString());
    Wgs84DmsTexts dms;
    if (!IsConversionLibraryLoaded() ||
        !Lambert72ToWgs84(texts.text[CoordLambertX], texts.text[CoordLambertY], &dms))
        return false; // the user was told at start-up; what was typed stays
    m_coordinate[CoordLatDeg]->setText(dms.latDeg);
    m_coordinate[CoordLatMin]->setText(dms.latMin);
    m_coordinate[CoordLatSec]->setText(dms.latSec);
    m_coordinate[CoordLonDeg]->setText(dms.lonDeg);
    m_coordinate[CoordLonMin]->setText(dms.lonMin);
    m_coordinate[CoordLonSec]->setText(dms.lonSec);
    QTimer::singleShot(0, m_locRemark, [this]() { m_locRemark->setFocus(Qt::OtherFocusReason); });
    return true;
}

bool TfraSiteDef::convertWgs84()
{
    const TSiteCoordinateTexts t = coordinateTexts();
    switch (CheckWgs84Group(t)) {
    case TConversionCheck::Incomplete:
        showIndicator(QString());
        return false;
    case TConversionCheck::OutOfRange:
        showIndicator(tr("Invalid Values >"));
        return false;
    case TConversionCheck::Convertible:
        break;
    }
    showIndicator(QString());
    QString x, y;
    if (!IsConversionLibraryLoaded() ||
        !Wgs84ToLambert72(t.text[CoordLatDeg], t.text[CoordLatMin], t.text[CoordLatSec],
                          t.text[CoordLonDeg], t.text[CoordLonMin], t.text[CoordLonSec], &x, &y))
        return false;
    m_coordinate[CoordLambertX]->setText(x);
    m_coordinate[CoordLambertY]->setText(y);
    QTimer::singleShot(0, m_locRemark, [this]() { m_locRemark->setFocus(Qt::OtherFocusReason); });
    return true;
}

void TfraSiteDef::postExistingSite()
{
    TCurrentSelection &cs = CurrentSelection();
    const qint32 siteId = FieldInt(dm()->qryTower, QStringLiteral("IdTower"));
    if (siteId == 0)
        return;
    const TSiteValues values = siteValues(FieldText(dm()->qryTower, QStringLiteral("TowerName")));
    if (!succeeded(UpdateSite(*dm(), cs.ownerId, siteId, m_main->isChecked(), values).error))
        return;
    // The overview shows what is stored now; the fields keep what was typed.
    if (!succeeded(OpenSites(*dm(), cs.ownerId, false).error))
        return;
    dm()->qryTower->locate(QStringLiteral("IdTower"), siteId);
    fillOverview();
}
