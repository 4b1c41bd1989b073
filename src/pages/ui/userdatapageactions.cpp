// The user data page's activation, record loading and actions.
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/programfolder.h"
#include "pages/ui/userdatapage.h"
#include "shell/ui/wizardhost.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/online/onlinewatchhandler.h"
#include "store/postcodes.h"
#include "store/recordops_selection.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TfraUserData::DeclarationPrinter &TfraUserData::declarationPrinter()
{
    static DeclarationPrinter printer;
    return printer;
}

void TfraUserData::SetDeclarationPrinter(DeclarationPrinter printer)
{
    declarationPrinter() = std::move(printer);
}

TdtmMain *TfraUserData::dm() const
{
    return host().DataModule();
}

bool TfraUserData::reportFailure(const QString &error)
{
    if (error.isEmpty())
        return false;
    ShowErrorMessage(tr("User Data"), error);
    return true;
}

void TfraUserData::ActivatePage()
{
    TfraBase::ActivatePage();
    ApplyNumberFormat();
    TdtmMain *d = dm();
    if (!d || !d->conMainDb->isConnected()) {
        showConnectionPanel(true);
        m_valid = false;
        nextButton()->setEnabled(false);
        m_toQrp->setEnabled(false);
        m_searchDb->setEnabled(true);
        m_searchDb->setFocus();
        applySpecialCaseRule();
        return;
    }
    showConnectionPanel(false);
    openLookups();

    TCurrentSelection &selection = CurrentSelection();
    const TOpResult<int> count = CountOwners(*d);
    if (reportFailure(count.error))
        return;
    selection.ownerCount = count.value;
    m_inserting = false;
    if (count.value == 0) {
        m_inserting = true;
        clearRecord();
    } else {
        const TOpResult<TOwnerList> owners = ListOwners(*d);
        if (reportFailure(owners.error))
            return;
        if (count.value > 1)
            fillSelector(owners.value);
        if (selection.ownerId == 0 || !owners.value.ids.contains(selection.ownerId)) {
            // Nobody current yet: the first listed owner becomes current, and
            // the selector shows that owner.
            selection.ownerId = owners.value.ids.value(0);
            selection.ownerPosition = 0;
            selection.setCall(owners.value.calls.value(0));
        }
        if (count.value > 1)
            m_selector->setCurrentIndex(selection.ownerPosition);
        readUserDirectory();
        if (reportFailure(OpenOwnerRecord(*d, selection.ownerId, false).error))
            return;
        loadRecord();
    }
    m_searchDb->hide();
    host().RefreshStatusBar();
    setButtonState(false);
    updateNavigation();
    m_call->setFocus();
}

void TfraUserData::showConnectionPanel(bool noConnection)
{
    m_connectionPanel->setVisible(noConnection);
    for (QWidget *w : {static_cast<QWidget *>(m_userGroup), static_cast<QWidget *>(m_noteGroup),
                       static_cast<QWidget *>(m_caseGroup), m_savePanel})
        w->setVisible(!noConnection);
    if (noConnection) {
        m_selector->hide();
        m_selectorLabel->hide();
        m_add->hide();
    }
    m_searchDb->setVisible(noConnection);
}

// The lookups list the rows of their table with the key as item data, so that
// typing in a closed box searches the text it shows.
void TfraUserData::openLookups()
{
    TdtmMain *d = dm();
    for (TJetDataset *table : {d->tblZipCity1, d->tblLanguage}) {
        if (!table->isActive())
            table->open();
    }
    const struct {
        QComboBox *box;
        TJetDataset *table;
        QLatin1String text;
        QLatin1String key;
    } lookups[] = {{m_zip, d->tblZipCity1, Schema::Zip, Schema::IdZipCity1},
                   {m_city, d->tblZipCity1, Schema::CityNameN, Schema::IdZipCity1},
                   {m_language, d->tblLanguage, Schema::LanguageFullE, Schema::IdLanguage}};
    // The town names follow the language afterwards (showTownNames).
    m_loading = true;
    for (const auto &l : lookups) {
        if (l.box->count() == l.table->recordCount())
            continue;
        l.box->clear();
        for (int row = 0; row < l.table->recordCount(); ++row)
            l.box->addItem(l.table->value(row, l.text).toString(), l.table->value(row, l.key));
        l.box->setCurrentIndex(-1);
    }
    m_loading = false;
    showTownNames();
}

// The town list shows the names the owner's documents print: Dutch names for a
// Dutch owner, French names for the others. Before a language is chosen the
// interface language decides.
void TfraUserData::showTownNames()
{
    const TJetDataset *zips = dm() ? dm()->tblZipCity1 : nullptr;
    if (!zips || m_city->count() != zips->recordCount())
        return;
    const QString column = TownColumnForLanguage(
        TownListLanguage(languageKey(), CurrentSelection().interfaceLanguage));
    for (int row = 0; row < m_city->count(); ++row)
        m_city->setItemText(row, zips->value(row, column).toString());
}

void TfraUserData::fillSelector(const TOwnerList &owners)
{
    m_selector->clear();
    m_selector->addItems(owners.calls);
    m_ownerIds = owners.ids;
}

void TfraUserData::loadRecord()
{
    const TJetDataset *record = dm()->qryUserData;
    m_loading = true;
    const std::pair<QLineEdit *, QLatin1String> texts[] = {{m_call, Schema::OwnerCall},
                                                           {m_firstName, Schema::OwnerFname},
                                                           {m_name, Schema::OwnerName},
                                                           {m_otherOps, Schema::OwnerOtherOps},
                                                           {m_addressMain, Schema::OwnerAddress1},
                                                           {m_addressExt, Schema::OwnerAddress2},
                                                           {m_phoneHome, Schema::OwnerPhHome},
                                                           {m_phoneMobile, Schema::OwnerPhMob},
                                                           {m_phoneOffice, Schema::OwnerPhOff},
                                                           {m_fax, Schema::OwnerPhFax},
                                                           {m_email, Schema::OwnerEmail},
                                                           {m_remark, Schema::OwnerRem},
                                                           {m_userDir, Schema::OwnerUserDir}};
    for (const auto &[edit, field] : texts)
        edit->setText(FieldText(record, field));
    // A memo is stored as lines each ending in a break; the last break closes
    // the last line and is not an empty line of its own.
    m_note->setPlainText(MemoEditorText(FieldText(record, Schema::OwnerNote)));
    setZipKey(FieldInt(record, Schema::IdZipCity1));
    m_language->setCurrentIndex(m_language->findData(FieldInt(record, Schema::IdLanguage)));
    const QVariant specialCase = record->fieldValue(Schema::OwnerSpecCase);
    setSpecialCase(specialCase.isNull() ? -1 : specialCase.toInt());
    m_loading = false;
    applySpecialCaseRule();
}

void TfraUserData::clearRecord()
{
    m_loading = true;
    for (QLineEdit *edit :
         {m_call, m_firstName, m_name, m_otherOps, m_addressMain, m_addressExt, m_phoneHome,
          m_phoneMobile, m_phoneOffice, m_fax, m_email, m_remark, m_userDir})
        edit->clear();
    m_note->clear();
    setZipKey(0);
    m_language->setCurrentIndex(-1);
    setSpecialCase(-1);
    m_loading = false;
}

void TfraUserData::setZipKey(qint32 key)
{
    const int row = key == 0 ? -1 : m_zip->findData(key);
    m_zip->setCurrentIndex(row);
    m_city->setCurrentIndex(row);
}

qint32 TfraUserData::zipKey() const
{
    return m_zip->currentIndex() < 0 ? 0 : m_zip->currentData().toInt();
}

qint32 TfraUserData::languageKey() const
{
    return m_language->currentIndex() < 0 ? 0 : m_language->currentData().toInt();
}

int TfraUserData::specialCase() const
{
    return m_cases->checkedId();
}

void TfraUserData::setSpecialCase(int value)
{
    if (QAbstractButton *item = m_cases->button(value)) {
        item->setChecked(true);
        return;
    }
    m_cases->setExclusive(false);
    for (QAbstractButton *item : m_cases->buttons())
        item->setChecked(false);
    m_cases->setExclusive(true);
}

TOwnerValues TfraUserData::enteredValues() const
{
    TOwnerValues v;
    v.idZipCity1 = zipKey();
    v.idLanguage = languageKey();
    v.specialCase = qMax(0, specialCase());
    v.firstName = m_firstName->text();
    v.name = m_name->text();
    v.call = m_call->text();
    v.otherOps = m_otherOps->text();
    v.address1 = m_addressMain->text();
    v.address2 = m_addressExt->text();
    v.phoneHome = m_phoneHome->text();
    v.phoneOffice = m_phoneOffice->text();
    v.phoneMobile = m_phoneMobile->text();
    v.fax = m_fax->text();
    v.email = m_email->text();
    v.userDir = m_userDir->text();
    v.remark = m_remark->text();
    return v;
}

void TfraUserData::setButtonState(bool changed)
{
    m_changed = changed;
    const int owners = CurrentSelection().ownerCount;
    m_save->setEnabled(changed);
    m_cancel->setEnabled(changed);
    m_add->setEnabled(!changed);
    m_add->setVisible(owners > 0);
    const bool selectorShown = owners >= 2 && !m_inserting;
    m_selector->setVisible(selectorShown);
    m_selectorLabel->setVisible(selectorShown);
    m_selector->setEnabled(!changed);
    m_selectorLabel->setEnabled(!changed);
}

void TfraUserData::markChanged()
{
    if (!m_loading)
        setButtonState(true);
}

UserDataField TfraUserData::validate(bool withMessage)
{
    // The "no town yet" rows show "0000" but are no town: they count as empty.
    const bool noTownYet = m_zip->currentIndex() >= 0 && IsNoTownYet(zipKey());
    const TUserDataEntries entries{m_firstName->text(),
                                   m_name->text(),
                                   m_call->text(),
                                   m_language->currentText(),
                                   m_addressMain->text(),
                                   noTownYet ? QString() : m_zip->currentText(),
                                   noTownYet ? QString() : m_city->currentText()};
    const UserDataField failed = FirstMissingUserField(entries);
    if (withMessage && failed != UserFieldNone) {
        ShowErrorMessage(tr("User Data"), noTownYet && failed == UserFieldZip
                                              ? NoTownYetMessage(m_zip->currentText())
                                              : MissingUserFieldMessage(failed));
        QWidget *const inOrder[] = {m_firstName,   m_name, m_call, m_language,
                                    m_addressMain, m_zip,  m_city};
        inOrder[failed]->setFocus();
    }
    return failed;
}

void TfraUserData::updateNavigation()
{
    m_valid = validate(false) == UserFieldNone;
    applySpecialCaseRule();
}

// A special case (or none chosen) ends the wizard here: only the declaration
// can be printed. The normal case leaves Next and QR&P to the validation, so
// that incomplete owner data never opens the next pages.
void TfraUserData::applySpecialCaseRule()
{
    const bool special = specialCase() != 0;
    const bool canPrint = static_cast<bool>(declarationPrinter());
    m_print->setEnabled(special && canPrint);
    m_print->setToolTip(
        canPrint ? QString() : tr("Printing the declaration is not available in this version."));
    const bool advance = !special && m_valid && CurrentSelection().ownerCount > 0;
    nextButton()->setEnabled(advance);
    m_toQrp->setEnabled(advance);
}

void TfraUserData::readUserDirectory()
{
    TCurrentSelection &selection = CurrentSelection();
    const TOpResult<QString> folder = GetOwnerUserDir(*dm(), selection.ownerId);
    if (!reportFailure(folder.error))
        selection.setUserDirectory(folder.value);
}
