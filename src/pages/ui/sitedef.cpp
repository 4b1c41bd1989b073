// The site page: construction, activation and the site description.
#include "pages/ui/sitedef.h"

#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "shell/ui/wizardhost.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/postcodes.h"
#include "store/recordops_owner.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

TfraSiteDef::TfraSiteDef(IWizardHost &host, QWidget *parent) : TfraBase(PageSiteDef, host, parent)
{
    buildControls();
    setDescriptionChanged(false);
    setSiteChanged(false);
    watchPendingEdits(m_descriptionSave, m_descriptionCancel, tr("Site Data"));
    watchPendingEdits(m_siteSave, m_siteCancel, tr("Antenna Location"));
}

TfraSiteDef::~TfraSiteDef() = default;

TdtmMain *TfraSiteDef::dm() const
{
    return host().DataModule();
}

bool TfraSiteDef::succeeded(const QString &error)
{
    if (error.isEmpty())
        return true;
    ShowErrorMessage(tr("Database"), error);
    return false;
}

void TfraSiteDef::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    if (!dm())
        return;
    bindLookups();
    if (!succeeded(OpenOwnerRecord(*dm(), CurrentSelection().ownerId, false).error))
        return;
    loadDescription();
    nextButton()->setEnabled(CurrentSelection().siteCount > 0);
    setDescriptionChanged(false);
    applyVisibility();
    m_addr1->setFocus();
}

void TfraSiteDef::bindLookups()
{
    TJetDataset *zips = dm()->tblZipCity2;
    const QSignalBlocker zipBlocker(m_zip);
    const QSignalBlocker townBlocker(m_town);
    if (m_zip->model() != zips) {
        m_zip->setModel(zips);
        m_zip->setModelColumn(qMax(0, zips->fieldIndex(Schema::Zip)));
        m_town->setModel(zips);
    }
    // The town names of the owner's documents (Dutch for a Dutch owner).
    const TCurrentSelection &selection = CurrentSelection();
    const QString townColumn =
        TownColumnForLanguage(TownListLanguage(selection.languageId, selection.interfaceLanguage));
    m_town->setModelColumn(qMax(0, zips->fieldIndex(townColumn)));
}

void TfraSiteDef::loadDescription()
{
    const TJetDataset *owner = dm()->qryUserData;
    m_loading = true;
    m_addr1->setText(FieldText(owner, Schema::OwnerSiteAddr1));
    m_addr2->setText(FieldText(owner, Schema::OwnerSiteAddr2));
    m_biptRef->setText(FieldText(owner, Schema::OwnerSiteBiptRef));
    m_clubCall->setText(FieldText(owner, Schema::OwnerSiteClubCall));
    m_sharedBy->setText(FieldText(owner, Schema::OwnerSiteSharedBy));
    m_siteRemark->setText(FieldText(owner, Schema::OwnerSiteRem));
    m_clubStation->setChecked(FieldInt(owner, Schema::OwnerSiteClubStn) != 0);
    m_antennasExist->setChecked(FieldInt(owner, Schema::OwnerSiteAlreadyAnt) != 0);
    m_shared->setChecked(FieldInt(owner, Schema::OwnerSiteShared) != 0);
    // Shown without the break that closes its last line, so that a Save
    // stores the note as it stands and it never grows an empty line.
    m_note->setPlainText(MemoEditorText(FieldText(owner, Schema::OwnerSiteNote)));
    selectZipRow(FieldInt(owner, Schema::IdZipCity2));
    m_loading = false;
}

void TfraSiteDef::selectZipRow(qint32 key)
{
    const TJetDataset *zips = dm()->tblZipCity2;
    int row = -1;
    for (int i = 0; i < zips->recordCount() && row < 0; ++i) {
        if (zips->value(i, Schema::IdZipCity2).toInt() == key)
            row = i;
    }
    const QSignalBlocker zipBlocker(m_zip);
    const QSignalBlocker townBlocker(m_town);
    m_zip->setCurrentIndex(row);
    m_town->setCurrentIndex(row);
}

qint32 TfraSiteDef::descriptionZipKey() const
{
    const int row = m_zip->currentIndex();
    if (row < 0 || !dm())
        return 0;
    return dm()->tblZipCity2->value(row, Schema::IdZipCity2).toInt();
}

void TfraSiteDef::zipPicked(int row)
{
    const QSignalBlocker blocker(m_town);
    m_town->setCurrentIndex(row);
    if (!m_loading)
        descriptionEdited();
}

void TfraSiteDef::townPicked(int row)
{
    const QSignalBlocker blocker(m_zip);
    m_zip->setCurrentIndex(row);
    if (!m_loading)
        descriptionEdited();
}

void TfraSiteDef::descriptionEdited()
{
    setDescriptionChanged(true);
}

void TfraSiteDef::setDescriptionChanged(bool changed)
{
    m_descriptionSave->setEnabled(changed);
    m_descriptionCancel->setEnabled(changed);
}

void TfraSiteDef::saveDescription()
{
    TOwnerSiteInfo info;
    info.idZipCity2 = descriptionZipKey();
    info.shared = m_shared->isChecked();
    info.clubStation = m_clubStation->isChecked();
    info.antennasExist = m_antennasExist->isChecked();
    info.address1 = m_addr1->text();
    info.address2 = m_addr2->text();
    info.remark = m_siteRemark->text();
    info.biptRef = m_biptRef->text();
    info.clubCall = m_clubCall->text();
    info.sharedBy = m_sharedBy->text();
    const QStringList note = MemoEditorLines(m_note->toPlainText());
    const qint32 owner = CurrentSelection().ownerId;
    if (!succeeded(UpdateOwnerSiteInfo(*dm(), owner, info, note).error))
        return;
    if (!succeeded(OpenOwnerRecord(*dm(), owner, false).error))
        return;
    loadDescription();
    setDescriptionChanged(false);
    applyVisibility();
    if (m_siteGroup->isVisible())
        m_coordinate[CoordLambertX]->setFocus();
}

void TfraSiteDef::cancelDescription()
{
    if (!succeeded(OpenOwnerRecord(*dm(), CurrentSelection().ownerId, false).error))
        return;
    loadDescription();
    setDescriptionChanged(false);
}

void TfraSiteDef::copyOwnerAddress()
{
    const TJetDataset *owner = dm()->qryUserData;
    m_addr1->setText(FieldText(owner, Schema::OwnerAddress1));
    m_addr2->setText(FieldText(owner, Schema::OwnerAddress2));
    m_loading = true;
    selectZipRow(FieldInt(owner, Schema::IdZipCity1));
    m_loading = false;
    setDescriptionChanged(true);
}

void TfraSiteDef::applyVisibility()
{
    // The saved description decides: an address typed but not saved yet
    // does not open the site groups.
    const TJetDataset *owner = dm()->qryUserData;
    const bool hasAddress = !FieldText(owner, Schema::OwnerSiteAddr1).isEmpty() &&
                            !IsNoTownYet(FieldInt(owner, Schema::IdZipCity2));
    m_siteGroup->setVisible(hasAddress);
    m_sitePanel->setVisible(hasAddress);
    m_siteHint->setVisible(!hasAddress);
    if (hasAddress) {
        refreshSiteList();
    } else {
        m_overviewGroup->setVisible(false);
    }
}
