#pragma once

#include "pages/userdatarules.h"
#include "shell/ui/pagebase.h"
#include "store/recordops_owner.h"

#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TdtmMain;
class TPostcodeTyping;
class TUserDataEntryFilter;

// Wizard page 1: the current owner's personal data (tblOwner), the choice of
// another owner, adding one, and the special case that ends the wizard here
// with a printed declaration.
class TfraUserData : public TfraBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfraUserData)

public:
    TfraUserData(IWizardHost &host, QWidget *parent = nullptr);
    ~TfraUserData() override;

    void ActivatePage() override;

    // Prints the declaration of the owner's special case. Until one is
    // installed, " &Print" stays disabled and says why in its tooltip.
    using DeclarationPrinter = std::function<void(TdtmMain &dm, int specialCase)>;
    static void SetDeclarationPrinter(DeclarationPrinter printer);

    bool isInserting() const { return m_inserting; }
    bool isChanged() const { return m_changed; }

protected:
    void BackClicked() override;

private:
    void buildControls();
    QWidget *buildUserGroup();
    QWidget *buildSidePanel();
    void connectControls();

    // Actions (userdatapageactions.cpp).
    void showConnectionPanel(bool noConnection);
    void openLookups();
    void showTownNames();
    void fillSelector(const TOwnerList &owners);
    void loadRecord();
    void clearRecord();
    void setZipKey(qint32 key);
    qint32 zipKey() const;
    qint32 languageKey() const;
    int specialCase() const; // -1 when no radio item is selected
    void setSpecialCase(int value);
    TOwnerValues enteredValues() const;
    void setButtonState(bool changed);
    void markChanged();
    UserDataField validate(bool withMessage);
    void applySpecialCaseRule();
    void updateNavigation();
    void readUserDirectory();
    bool reportFailure(const QString &error);

    void addUser();
    void save();
    void cancel();
    void ownerPicked(int position);
    void chooseUserDirectory();
    void searchDatabase();
    void printDeclaration();
    void specialCaseClicked();

    TdtmMain *dm() const;
    static DeclarationPrinter &declarationPrinter();

    TUserDataEntryFilter *m_entries = nullptr;
    TPostcodeTyping *m_postcodeTyping = nullptr;
    QWidget *m_connectionPanel = nullptr;
    QGroupBox *m_userGroup = nullptr;
    QGroupBox *m_noteGroup = nullptr;
    QGroupBox *m_caseGroup = nullptr;
    QWidget *m_savePanel = nullptr;
    QLabel *m_selectorLabel = nullptr;
    QComboBox *m_selector = nullptr;
    QLineEdit *m_call = nullptr;
    QLineEdit *m_firstName = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_otherOps = nullptr;
    QLineEdit *m_addressMain = nullptr;
    QLineEdit *m_addressExt = nullptr;
    QComboBox *m_zip = nullptr;
    QComboBox *m_city = nullptr;
    QLineEdit *m_phoneHome = nullptr;
    QLineEdit *m_phoneMobile = nullptr;
    QLineEdit *m_phoneOffice = nullptr;
    QLineEdit *m_fax = nullptr;
    QComboBox *m_language = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_remark = nullptr;
    QLineEdit *m_userDir = nullptr;
    QPlainTextEdit *m_note = nullptr;
    QButtonGroup *m_cases = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_dirButton = nullptr;
    QPushButton *m_print = nullptr;
    QPushButton *m_toQrp = nullptr;
    QPushButton *m_searchDb = nullptr;

    QVector<qint32> m_ownerIds;
    bool m_inserting = false;
    bool m_changed = false;
    bool m_loading = false;
    bool m_valid = false; // the last validation passed
};
