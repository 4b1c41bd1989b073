#include "pages/ui/userdatapage.h"

#include "pages/ui/postcodetyping.h"
#include "pages/ui/userdataentryfilter.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace
{
QLabel *mandatoryMark(QWidget *parent)
{
    auto *mark = new QLabel(QStringLiteral("*"), parent);
    QFont font = mark->font();
    font.setBold(true);
    mark->setFont(font);
    mark->setStyleSheet(QStringLiteral("color: red;"));
    return mark;
}

QPushButton *pageButton(const QString &name, const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}
} // namespace

TfraUserData::TfraUserData(IWizardHost &host, QWidget *parent)
    : TfraBase(PageUserData, host, parent), m_entries(new TUserDataEntryFilter(this))
{
    buildControls();
    connectControls();
    watchPendingEdits(m_save, m_cancel, tr("User Data"));
}

TfraUserData::~TfraUserData() = default;

void TfraUserData::buildControls()
{
    auto *layout = new QVBoxLayout(content());
    layout->setContentsMargins(18, 12, 18, 6);

    m_connectionPanel = new QLabel(tr("There is no Database Connection available !"), content());
    m_connectionPanel->setObjectName(QStringLiteral("pnlNoConnection"));
    static_cast<QLabel *>(m_connectionPanel)->setAlignment(Qt::AlignCenter);
    m_connectionPanel->setStyleSheet(
        QStringLiteral("background: red; color: white; font-weight: bold; padding: 12px;"));
    m_connectionPanel->hide();
    layout->addWidget(m_connectionPanel);

    auto *selectorRow = new QHBoxLayout;
    m_selectorLabel = new QLabel(tr("Select User Data"), content());
    m_selectorLabel->setObjectName(QStringLiteral("lblSelUserData"));
    m_selector = new QComboBox(content());
    m_selector->setObjectName(QStringLiteral("cbxSelUserData"));
    m_selector->setMinimumWidth(140);
    m_entries->watch(m_selector, TUserDataEntryFilter::FreeText);
    m_add = pageButton(QStringLiteral("bbnUserAdd"), tr("Add User"), content());
    selectorRow->addWidget(m_selectorLabel);
    selectorRow->addWidget(m_selector);
    selectorRow->addStretch(1);
    selectorRow->addWidget(m_add);
    layout->addLayout(selectorRow);

    auto *body = new QHBoxLayout;
    body->addWidget(buildUserGroup(), 3);
    body->addWidget(buildSidePanel(), 2);
    layout->addLayout(body, 1);

    m_savePanel = new QWidget(content());
    m_savePanel->setObjectName(QStringLiteral("pnlUserSave"));
    auto *saveRow = new QHBoxLayout(m_savePanel);
    saveRow->setContentsMargins(0, 0, 0, 0);
    m_save = pageButton(QStringLiteral("bbnUserSave"), tr("&Save"), m_savePanel);
    m_cancel = pageButton(QStringLiteral("bbnUserCancel"), tr("&Cancel"), m_savePanel);
    saveRow->addStretch(1);
    saveRow->addWidget(m_save);
    saveRow->addWidget(m_cancel);
    layout->addWidget(m_savePanel);

    // "Search DB" stands in the navigation bar, shown only without a database.
    m_searchDb = pageButton(QStringLiteral("bbnSearchDb"), tr("Search DB"), navigationPanel());
    m_toQrp = pageButton(QStringLiteral("bbnToQrp"), tr("QR&P"), navigationPanel());
    if (auto *bar = qobject_cast<QHBoxLayout *>(navigationPanel()->layout())) {
        bar->insertWidget(1, m_searchDb);
        bar->insertWidget(bar->count() - 3, m_toQrp);
    }
    m_searchDb->hide();
}

QWidget *TfraUserData::buildUserGroup()
{
    m_userGroup = new QGroupBox(tr("  User Data  "), content());
    m_userGroup->setObjectName(QStringLiteral("gbxUserData"));
    auto *grid = new QGridLayout(m_userGroup);
    grid->setColumnStretch(2, 1);
    int row = 0;
    auto addRow = [&](const QString &label, QWidget *control, bool mandatory,
                      QWidget *extra = nullptr) {
        grid->addWidget(new QLabel(label, m_userGroup), row, 0);
        if (mandatory)
            grid->addWidget(mandatoryMark(m_userGroup), row, 1);
        if (extra) {
            auto *pair = new QHBoxLayout;
            pair->addWidget(control, 1);
            pair->addWidget(extra);
            grid->addLayout(pair, row, 2);
        } else {
            grid->addWidget(control, row, 2);
        }
        ++row;
    };
    auto lineEdit = [&](const QString &name, TUserDataEntryFilter::Rule rule) {
        auto *edit = new QLineEdit(m_userGroup);
        edit->setObjectName(name);
        m_entries->watch(edit, rule);
        return edit;
    };
    auto lookup = [&](const QString &name, TUserDataEntryFilter::Rule rule) {
        auto *box = new QComboBox(m_userGroup);
        box->setObjectName(name);
        box->setMaxVisibleItems(20);
        m_entries->watch(box, rule);
        return box;
    };

    m_call = lineEdit(QStringLiteral("dbeCall"), TUserDataEntryFilter::FreeText);
    m_firstName = lineEdit(QStringLiteral("dbeFname"), TUserDataEntryFilter::FreeText);
    m_name = lineEdit(QStringLiteral("dbeSname"), TUserDataEntryFilter::FreeText);
    m_otherOps = lineEdit(QStringLiteral("dbeOtherOps"), TUserDataEntryFilter::FreeText);
    m_addressMain = lineEdit(QStringLiteral("dbeAddrMain"), TUserDataEntryFilter::FreeText);
    m_addressExt = lineEdit(QStringLiteral("dbeAddrExt"), TUserDataEntryFilter::FreeText);
    m_zip = lookup(QStringLiteral("dblZip"), TUserDataEntryFilter::ZipDigits);
    m_city = lookup(QStringLiteral("dblCity"), TUserDataEntryFilter::FreeText);
    m_postcodeTyping = new TPostcodeTyping(m_zip, [this] {
        return dm() ? PostcodeRows(*dm()->tblZipCity1, QStringLiteral("IdZipCity1"))
                    : QVector<TPostcodeRow>();
    });
    m_phoneHome = lineEdit(QStringLiteral("dbePhHome"), TUserDataEntryFilter::PhoneDigits);
    m_phoneMobile = lineEdit(QStringLiteral("dbePhMobile"), TUserDataEntryFilter::PhoneDigits);
    m_phoneOffice = lineEdit(QStringLiteral("dbePhOff"), TUserDataEntryFilter::PhoneDigits);
    m_fax = lineEdit(QStringLiteral("dbeFax"), TUserDataEntryFilter::PhoneDigits);
    m_language = lookup(QStringLiteral("dblLanguage"), TUserDataEntryFilter::FreeText);
    m_email = lineEdit(QStringLiteral("dbeEmail"), TUserDataEntryFilter::FreeText);
    m_remark = lineEdit(QStringLiteral("dbeRem"), TUserDataEntryFilter::FreeText);
    m_userDir = lineEdit(QStringLiteral("dbeUserDir"), TUserDataEntryFilter::FreeText);
    m_dirButton = pageButton(QStringLiteral("bbnUserDir"), QStringLiteral("..."), m_userGroup);
    m_dirButton->setFixedWidth(28);

    // Typed keys are filtered already; the validators also keep pasted text clean.
    const QRegularExpression phone(QStringLiteral("[0-9 +\\-/.]*"));
    for (QLineEdit *edit : {m_phoneHome, m_phoneMobile, m_phoneOffice, m_fax})
        edit->setValidator(new QRegularExpressionValidator(phone, edit));

    addRow(tr("Call"), m_call, true);
    addRow(tr("First Name"), m_firstName, true);
    addRow(tr("Name"), m_name, true);
    addRow(tr("Other Ham Operators"), m_otherOps, false);
    addRow(tr("Address (Main)"), m_addressMain, true);
    addRow(tr("Address (Complement)"), m_addressExt, false);
    addRow(tr("Zip"), m_zip, true);
    addRow(tr("Town"), m_city, true);
    addRow(tr("Phone (Home)"), m_phoneHome, false);
    addRow(tr("Phone (Mobile)"), m_phoneMobile, false);
    addRow(tr("Phone (Office)"), m_phoneOffice, false);
    addRow(tr("Fax"), m_fax, false);
    addRow(tr("Language"), m_language, true);
    addRow(tr("Email"), m_email, false);
    addRow(tr("Remark"), m_remark, false);
    addRow(tr("User Directory"), m_userDir, false, m_dirButton);
    grid->setRowStretch(row, 1);
    return m_userGroup;
}

QWidget *TfraUserData::buildSidePanel()
{
    auto *side = new QWidget(content());
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);

    m_noteGroup = new QGroupBox(tr("  Note to BIPT  "), side);
    m_noteGroup->setObjectName(QStringLiteral("gbxNote"));
    m_note = new QPlainTextEdit(m_noteGroup);
    m_note->setObjectName(QStringLiteral("dbmNote"));
    m_note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_note->setTabChangesFocus(true);
    m_entries->watch(m_note, TUserDataEntryFilter::Memo);
    auto *noteLayout = new QVBoxLayout(m_noteGroup);
    noteLayout->addWidget(m_note);
    layout->addWidget(m_noteGroup, 1);

    m_caseGroup = new QGroupBox(tr("  Select Case  "), side);
    m_caseGroup->setObjectName(QStringLiteral("dbrUserSpecCase"));
    m_cases = new QButtonGroup(m_caseGroup);
    auto *caseLayout = new QVBoxLayout(m_caseGroup);
    const QStringList items = {tr("Normal Case"), tr("Only Portable or Mobile"),
                               tr("Only below 10 MHz"), tr("Only above 10 GHz"), tr("Only SWL")};
    for (int value = 0; value < items.size(); ++value) {
        auto *item = new QRadioButton(items.at(value), m_caseGroup);
        item->setObjectName(QStringLiteral("rbnSpecCase%1").arg(value));
        m_cases->addButton(item, value);
        caseLayout->addWidget(item);
    }
    m_print = pageButton(QStringLiteral("bbnRepPrint"), tr(" &Print"), m_caseGroup);
    caseLayout->addWidget(m_print, 0, Qt::AlignRight);
    layout->addWidget(m_caseGroup);
    return side;
}

void TfraUserData::connectControls()
{
    for (QLineEdit *edit : {m_firstName, m_name, m_otherOps, m_addressMain, m_addressExt, m_email,
                            m_remark, m_userDir}) {
        connect(edit, &QLineEdit::textEdited, this, &TfraUserData::markChanged);
    }
    connect(m_call, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int cursor = m_call->cursorPosition();
            m_call->setText(upper);
            m_call->setCursorPosition(cursor);
        }
        markChanged();
    });
    connect(m_entries, &TUserDataEntryFilter::edited, this, &TfraUserData::markChanged);
    connect(m_note, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_loading)
            markChanged();
    });
    // Zip and Town show the same rows of one lookup: picking one moves the other.
    connect(m_zip, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (m_city->currentIndex() != row)
            m_city->setCurrentIndex(row);
    });
    connect(m_city, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (m_zip->currentIndex() != row)
            m_zip->setCurrentIndex(row);
    });
    for (QComboBox *box : {m_zip, m_city, m_language})
        connect(box, &QComboBox::activated, this, &TfraUserData::markChanged);
    connect(m_postcodeTyping, &TPostcodeTyping::picked, this, &TfraUserData::markChanged);
    connect(m_language, &QComboBox::currentIndexChanged, this, &TfraUserData::showTownNames);
    connect(m_cases, &QButtonGroup::idClicked, this, &TfraUserData::specialCaseClicked);
    connect(m_selector, &QComboBox::activated, this, &TfraUserData::ownerPicked);
    connect(m_add, &QPushButton::clicked, this, &TfraUserData::addUser);
    connect(m_save, &QPushButton::clicked, this, &TfraUserData::save);
    connect(m_cancel, &QPushButton::clicked, this, &TfraUserData::cancel);
    connect(m_dirButton, &QPushButton::clicked, this, &TfraUserData::chooseUserDirectory);
    connect(m_searchDb, &QPushButton::clicked, this, &TfraUserData::searchDatabase);
    connect(m_print, &QPushButton::clicked, this, &TfraUserData::printDeclaration);
    connect(m_toQrp, &QPushButton::clicked, this, [this] {
        if (ResolvePendingEdits())
            host().SetActivePage(PageQrpInput);
    });
}
