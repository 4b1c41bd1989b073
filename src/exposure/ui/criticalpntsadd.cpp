// The add steps of the critical-test-points page: one slot per site with
// antennas, the description and space attenuation of the first step shared by all.
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "exposure/pointrules.h"
#include "exposure/ui/criticalpntspage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TfraCriticalPnts::startAdding()
{
    if (!m_dm)
        return;
    const qint32 owner = CurrentSelection().ownerId;
    const TOpResult<TPointSiteList> sites = ListSitesWithAntennas(*m_dm, owner);
    if (!sites.ok()) {
        ShowErrorMessage(tr("Critical Test Points"), sites.error);
        return;
    }
    // A point is evaluated against the antennas of its site: without any there
    // is nothing to add it to.
    if (sites.value.ids.isEmpty()) {
        ShowMessageDialog(tr("Critical Test Points"),
                          tr("None of your sites has an antenna yet. Place an antenna first."),
                          MessageInfo);
        return;
    }
    const TOpResult<QString> ref = NextPointRef(*m_dm, owner);
    if (!ref.ok()) {
        ShowErrorMessage(tr("Critical Test Points"), ref.error);
        return;
    }
    m_slots = QVector<TPointEntry>(sites.value.ids.size());
    m_slotSites = sites.value.names;
    for (int i = 0; i < m_slots.size(); ++i) {
        m_slots[i].siteId = sites.value.ids[i];
        m_slots[i].reference = ref.value;
    }
    m_step = 0;
    m_addRef->setText(ref.value);
    m_addLoc->setText(m_slotSites.first());
    const bool steps = m_slots.size() > 1;
    m_addNext->setVisible(steps);
    m_addPrev->setVisible(steps);
    m_addPrev->setEnabled(false);
    m_addAtt->setCurrentIndex(m_addAtt->count() > 0 ? 0 : -1);
    m_addDist->setText(QStringLiteral("1"));
    m_addHeight->setText(QStringLiteral("1"));
    m_addRem->clear();
    m_addRem->setEnabled(true);
    m_addAtt->setEnabled(true);
    m_add->show();
    m_adding = true;
    m_addButton->setEnabled(false);
    m_delete->setEnabled(false);
    m_cancel->setEnabled(true);
    m_addNext->setEnabled(true);
    m_addDist->setFocus();
}

bool TfraCriticalPnts::validateAndStoreStep()
{
    if (!checkPoint(m_addDist->text(), m_addHeight->text(), m_addRem->text()))
        return false;
    TPointEntry &slot = m_slots[m_step];
    slot.distance = NumberOrZero(m_addDist->text());
    slot.height = NumberOrZero(m_addHeight->text());
    slot.spaceAttId = attenuationKey(m_addAtt);
    slot.description = m_addRem->text().left(PointDescriptionLength);
    slot.reference = m_addRef->text();
    return true;
}

void TfraCriticalPnts::showStep()
{
    const TPointEntry &slot = m_slots[m_step];
    const bool first = m_step == 0;
    m_addRem->setEnabled(first);
    m_addAtt->setEnabled(first);
    m_addDist->clear();
    m_addHeight->clear();
    if (slot.distance != 0) {
        m_addDist->setText(FormatNumber(slot.distance));
        m_addHeight->setText(FormatNumber(slot.height));
    } else {
        m_addDist->setText(QStringLiteral("1"));
        m_addHeight->setText(QStringLiteral("1"));
    }
    if (first && slot.distance != 0) {
        m_addRem->setText(slot.description);
        m_addAtt->setCurrentIndex(m_addAtt->findData(slot.spaceAttId));
    }
    m_addLoc->setText(m_slotSites.value(m_step));
    m_addDist->setFocus();
}

void TfraCriticalPnts::nextStep()
{
    if (!m_adding || m_step >= m_slots.size() - 1)
        return;
    if (!validateAndStoreStep())
        return;
    m_addPrev->setEnabled(true);
    ++m_step;
    const bool last = m_step == m_slots.size() - 1;
    m_addNext->setEnabled(!last);
    m_save->setEnabled(last);
    showStep();
}

void TfraCriticalPnts::prevStep()
{
    if (!m_adding || m_step == 0)
        return;
    if (m_step == m_slots.size() - 1) {
        if (!validateAndStoreStep())
            return;
    } else if (ValidatePoint(m_addDist->text(), m_addHeight->text(), m_addRem->text()) ==
               PointValid) {
        // Values that pass the rules are kept, so that coming back shows them.
        validateAndStoreStep();
    }
    m_addNext->setEnabled(true);
    m_step = qMax(0, m_step - 1);
    m_addPrev->setEnabled(m_step > 0);
    m_save->setEnabled(false);
    showStep();
}

void TfraCriticalPnts::addFieldLeft(QWidget *control)
{
    if (!m_adding)
        return;
    const int last = m_slots.size() - 1;
    if (control == m_addHeight && m_step > 0 && m_step < last) {
        m_addNext->setFocus();
    } else if (control == m_addRem && m_step == 0) {
        if (m_slots.size() > 1) {
            m_addNext->setFocus();
        } else {
            m_save->setEnabled(true);
            m_save->setFocus();
        }
    }
}

void TfraCriticalPnts::stopAdding()
{
    m_slots.clear();
    m_slotSites.clear();
    m_step = 0;
    m_add->hide();
}
