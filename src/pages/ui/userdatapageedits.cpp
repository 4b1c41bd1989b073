// The user data page's buttons: add, save, cancel, owner choice and the rest.
#include "base/currentselection.h"
#include "base/installlayout.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "pages/ui/userdatapage.h"
#include "shell/ui/wizardhost.h"
#include "store/datamodule.h"
#include "store/jetliterals.h"
#include "store/online/onlinewatchhandler.h"
#include "store/recordops_selection.h"
#include "store/recordstatement.h"
#include "store/schema.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

void TfraUserData::addUser()
{
    m_inserting = true;
    clearRecord();
    setButtonState(false);
    updateNavigation();
    m_call->setFocus();
}

void TfraUserData::save()
{
    TdtmMain *d = dm();
    if (!d || validate(true) != UserFieldNone)
        return;
    // The call names the owner's folder and files: refuse what cannot stand in a file name.
    const QString problem = CallFileNameProblem(m_call->text());
    if (!problem.isEmpty()) {
        ShowErrorMessage(tr("User Data"), problem);
        m_call->setFocus();
        return;
    }
    const QStringList note = MemoEditorLines(m_note->toPlainText());
    TCurrentSelection &selection = CurrentSelection();

    if (m_inserting) {
        selection.clear();
        if (m_userDir->text().isEmpty()) {
            const QString folder = DefaultUserDirectoryFor(m_call->text());
            if (QDir().mkpath(folder))
                m_userDir->setText(folder);
        }
        const TOpResult<qint32> inserted = InsertOwner(*d, enteredValues(), note);
        if (reportFailure(inserted.error))
            return;
        selection.ownerId = inserted.value;
        const TOpResult<int> count = CountOwners(*d);
        if (reportFailure(count.error))
            return;
        selection.ownerCount = count.value;
        if (count.value >= 2) {
            const TOpResult<TOwnerList> owners = ListOwners(*d);
            if (reportFailure(owners.error))
                return;
            m_userGroup->show();
            fillSelector(owners.value);
            const int position = int(m_ownerIds.indexOf(inserted.value));
            m_selector->setCurrentIndex(position);
            selection.ownerPosition = position;
        }
    } else {
        const qint32 ownerId = FieldInt(d->qryUserData, Schema::IdOwner);
        if (reportFailure(UpdateOwner(*d, ownerId, enteredValues(), note).error))
            return;
        selection.ownerId = ownerId;
    }

    m_inserting = false;
    selection.setCall(m_call->text());
    readUserDirectory();
    if (reportFailure(OpenOwnerRecord(*d, selection.ownerId, false).error))
        return;
    loadRecord();
    host().RefreshStatusBar();
    setButtonState(false);
    updateNavigation();
}

void TfraUserData::cancel()
{
    TdtmMain *d = dm();
    if (!d)
        return;
    TCurrentSelection &selection = CurrentSelection();
    const TOpResult<int> count = CountOwners(*d);
    if (reportFailure(count.error))
        return;
    selection.ownerCount = count.value;
    m_inserting = count.value == 0;
    if (m_inserting) {
        clearRecord();
    } else {
        if (reportFailure(OpenOwnerRecord(*d, selection.ownerId, false).error))
            return;
        loadRecord();
    }
    readUserDirectory();
    setButtonState(false);
    updateNavigation();
}

void TfraUserData::ownerPicked(int position)
{
    TdtmMain *d = dm();
    if (!d || position < 0 || position >= m_ownerIds.size())
        return;
    TCurrentSelection &selection = CurrentSelection();
    selection.clear();
    const TOpResult<int> count = CountOwners(*d);
    if (reportFailure(count.error))
        return;
    selection.ownerCount = count.value;
    selection.ownerPosition = position;
    selection.ownerId = m_ownerIds.at(position);
    m_inserting = false;
    if (reportFailure(OpenOwnerRecord(*d, selection.ownerId, false).error))
        return;
    loadRecord();
    readUserDirectory();
    selection.setCall(m_selector->currentText());
    reportFailure(SelectFirstSite(*d, true).error);
    host().RefreshStatusBar();
    m_userGroup->show();
    setButtonState(false);
    updateNavigation();
}

void TfraUserData::chooseUserDirectory()
{
    const QString folder =
        AskExistingDirectory(tr("Select an Output Directory..."), m_userDir->text());
    if (folder.isEmpty())
        return;
    m_userDir->setText(QDir::toNativeSeparators(folder));
    markChanged();
}

void TfraUserData::searchDatabase()
{
    TdtmMain *d = dm();
    if (!d || !d->ConnectDatabase(false))
        return;
    d->OpenLookupTables();
    reportFailure(SelectFirstOwner(*d, true).error);
    showConnectionPanel(false);
    m_searchDb->hide();
    ActivatePage();
}

void TfraUserData::printDeclaration()
{
    if (TdtmMain *d = dm(); d && declarationPrinter())
        declarationPrinter()(*d, specialCase());
}

void TfraUserData::specialCaseClicked()
{
    applySpecialCaseRule();
    markChanged();
}

void TfraUserData::BackClicked()
{
    TfraBase::BackClicked();
    // Going back asks again whether the maker's server can be reached.
    if (TOnlineWatchHandler *online = TOnlineWatchHandler::instance())
        online->Recheck();
}
