#include "base/currentselection.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "fakewizardhost.h"
#include "pages/ui/userdatapage.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The user data page on a fresh copy of the shipped database, without the main window.
class TestUserDataPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void emptyDatabaseOpensInInsertState();
    void firstOwnerIsSavedWithItsDefaultFolder();
    void secondOwnerShowsTheSelectorOnTheNewCall();
    void pickingAnOwnerMakesItCurrent();
    void validationReportsTheFirstMissingField_data();
    void validationReportsTheFirstMissingField();
    void callIsUpperCasedAsTyped();
    void callThatCannotNameAFileIsRefused_data();
    void callThatCannotNameAFileIsRefused();
    void keysOutsideTheFieldRulesAreDropped_data();
    void keysOutsideTheFieldRulesAreDropped();
    void zipAndTownAreTwoViewsOfOneKey();
    void typingAPostcodePicksItsMainTown_data();
    void typingAPostcodePicksItsMainTown();
    void townNamesFollowTheDocumentLanguage();
    void noTownYetRowIsNotSaved();
    void specialCaseStopsTheWizardHere();
    void printWaitsForTheDeclarationPrinter();
    void cancelRestoresTheSavedRecord();
    void withoutDatabaseOnlySearchIsOffered();
    void leavingWithAPendingEditAsks();

private:
    template <typename T> T *child(const char *name) const
    {
        T *w = m_page->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void showPage();
    void fillOwner(const QString &call);
    QStringList messageTexts() const;
    int ownerRows();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TdtmMain> m_dm;
    std::unique_ptr<FakeWizardHost> m_host;
    std::unique_ptr<TfraUserData> m_page;
};

void TestUserDataPage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    SetProgramFolder(m_dir->path());
    SetPreferenceFile(m_dir->filePath(QStringLiteral("prefs.ini")));
    const QString db = m_dir->filePath(QStringLiteral("VlmMain.mdb"));
    QVERIFY(QFile::copy(QStringLiteral(VLM_TEST_DB), db));
    QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
    m_dm = std::make_unique<TdtmMain>();
    QVERIFY(m_dm->ConnectDatabase(true));
    QVERIFY(m_dm->OpenLookupTables());
    CurrentSelection() = TCurrentSelection();
    TfraUserData::SetDeclarationPrinter({});
    ClearShownMessages();
    m_host = std::make_unique<FakeWizardHost>(m_dm.get(), 1);
    m_page = std::make_unique<TfraUserData>(*m_host);
    m_page->resize(937, 560);
}

void TestUserDataPage::cleanup()
{
    m_page.reset();
    m_host.reset();
    m_dm.reset();
    TfraUserData::SetDeclarationPrinter({});
    SetProgramFolder(QString());
    SetPreferenceFile(QString());
    ClearShownMessages();
    m_dir.reset();
}

void TestUserDataPage::showPage()
{
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->ActivatePage();
}

void TestUserDataPage::fillOwner(const QString &call)
{
    QTest::keyClicks(child<QLineEdit>("dbeCall"), call);
    QTest::keyClicks(child<QLineEdit>("dbeFname"), QStringLiteral("Jan"));
    QTest::keyClicks(child<QLineEdit>("dbeSname"), QStringLiteral("Peeters"));
    QTest::keyClicks(child<QLineEdit>("dbeAddrMain"), QStringLiteral("Veldstraat 1"));
    // A closed box searches what is typed within the keyboard interval: start afresh.
    QTest::qWait(QApplication::keyboardInputInterval() + 50);
    QTest::keyClicks(child<QComboBox>("dblZip"), QStringLiteral("9000"));
    auto *language = child<QComboBox>("dblLanguage");
    QTest::keyClick(language, Qt::Key_Home); // English, Dutch, French, German
    QTest::keyClick(language, Qt::Key_Down);
    child<QRadioButton>("rbnSpecCase0")->click();
}

QStringList TestUserDataPage::messageTexts() const
{
    QStringList texts;
    for (const ShownMessage &m : ShownMessages())
        texts << m.text;
    return texts;
}

int TestUserDataPage::ownerRows()
{
    QSqlQuery query(m_dm->conMainDb->database());
    return query.exec(QStringLiteral("SELECT count(*) FROM tblOwner")) && query.next()
               ? query.value(0).toInt()
               : -1;
}

void TestUserDataPage::emptyDatabaseOpensInInsertState()
{
    showPage();
    QVERIFY(m_page->isInserting());
    QVERIFY(!child<QComboBox>("cbxSelUserData")->isVisible());
    QVERIFY(!child<QLabel>("lblSelUserData")->isVisible());
    QVERIFY(!child<QPushButton>("bbnUserAdd")->isVisible());
    QVERIFY(!m_page->nextButton()->isEnabled());
    QVERIFY(!child<QPushButton>("bbnUserSave")->isEnabled());
    QVERIFY(!child<QPushButton>("bbnSearchDb")->isVisible());
    QVERIFY(child<QLineEdit>("dbeCall")->hasFocus());
}

void TestUserDataPage::firstOwnerIsSavedWithItsDefaultFolder()
{
    showPage();
    fillOwner(QStringLiteral("on4abc"));
    QVERIFY(child<QPushButton>("bbnUserSave")->isEnabled());
    QVERIFY(!child<QPushButton>("bbnUserAdd")->isEnabled());
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);

    QVERIFY2(ShownMessages().isEmpty(), qPrintable(messageTexts().join(QLatin1Char('|'))));
    QCOMPARE(ownerRows(), 1);
    const QString folder = QDir(m_dir->path()).filePath(QStringLiteral("ON4ABC"));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(child<QLineEdit>("dbeUserDir")->text(), folder);
    QCOMPARE(CurrentSelection().userDirectory, folder);
    QCOMPARE(CurrentSelection().call, QStringLiteral("ON4ABC"));
    QCOMPARE(CurrentSelection().languageId, 2);
    QVERIFY(!m_page->isInserting());
    QVERIFY(m_page->nextButton()->isEnabled());
    QVERIFY(child<QPushButton>("bbnToQrp")->isEnabled());
    QVERIFY(child<QPushButton>("bbnUserAdd")->isVisible());
    QVERIFY(!child<QComboBox>("cbxSelUserData")->isVisible());
    QVERIFY(!child<QPushButton>("bbnUserSave")->isEnabled());

    QSqlQuery row(m_dm->conMainDb->database());
    QVERIFY(row.exec(
        QStringLiteral("SELECT OwnerCall, OwnerFname, IdZipCity1, OwnerSpecCase FROM tblOwner")));
    QVERIFY(row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("ON4ABC"));
    QCOMPARE(row.value(1).toString(), QStringLiteral("Jan"));
    QCOMPARE(row.value(2).toInt(), 2457); // 9000 Gent
    QCOMPARE(row.value(3).toInt(), 0);
}

void TestUserDataPage::secondOwnerShowsTheSelectorOnTheNewCall()
{
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>("bbnUserAdd"), Qt::LeftButton);
    QVERIFY(m_page->isInserting());
    QCOMPARE(child<QLineEdit>("dbeCall")->text(), QString());
    fillOwner(QStringLiteral("ON7XYZ"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);

    QVERIFY2(ShownMessages().isEmpty(), qPrintable(messageTexts().join(QLatin1Char('|'))));
    auto *selector = child<QComboBox>("cbxSelUserData");
    QVERIFY(selector->isVisible());
    QVERIFY(child<QLabel>("lblSelUserData")->isVisible());
    QCOMPARE(selector->count(), 2);
    QCOMPARE(selector->itemText(0), QStringLiteral("ON4ABC"));
    QCOMPARE(selector->currentText(), QStringLiteral("ON7XYZ"));
    QCOMPARE(CurrentSelection().ownerPosition, 1);
    QCOMPARE(CurrentSelection().ownerCount, 2);
    QCOMPARE(CurrentSelection().call, QStringLiteral("ON7XYZ"));
    QVERIFY(m_page->nextButton()->isEnabled());
}

void TestUserDataPage::pickingAnOwnerMakesItCurrent()
{
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    const qint32 first = CurrentSelection().ownerId;
    QTest::mouseClick(child<QPushButton>("bbnUserAdd"), Qt::LeftButton);
    fillOwner(QStringLiteral("ON7XYZ"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    CurrentSelection().siteId = 99; // left over from the other owner

    auto *selector = child<QComboBox>("cbxSelUserData");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Up); // a user's pick emits activated
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(CurrentSelection().ownerId, first);
    QCOMPARE(CurrentSelection().call, QStringLiteral("ON4ABC"));
    QCOMPARE(CurrentSelection().ownerPosition, 0);
    QCOMPARE(CurrentSelection().siteId, 0);
    QCOMPARE(child<QLineEdit>("dbeCall")->text(), QStringLiteral("ON4ABC"));
    QVERIFY(!child<QPushButton>("bbnUserSave")->isEnabled());

    // Coming back to the page keeps the owner that was picked.
    m_page->ActivatePage();
    QCOMPARE(selector->currentText(), QStringLiteral("ON4ABC"));
    QCOMPARE(child<QLineEdit>("dbeCall")->text(), QStringLiteral("ON4ABC"));
}

void TestUserDataPage::validationReportsTheFirstMissingField_data()
{
    QTest::addColumn<QStringList>("cleared");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focused");
    QTest::newRow("first name outranks town")
        << QStringList{QStringLiteral("dbeFname"), QStringLiteral("dblCity")}
        << "There is no value for the \"First Name\" field !"
        << "dbeFname";
    QTest::newRow("language outranks address (main)")
        << QStringList{QStringLiteral("dblLanguage"), QStringLiteral("dbeAddrMain")}
        << "There is no value for the \"Language\" field !"
        << "dblLanguage";
    QTest::newRow("an empty town empties its zip too")
        << QStringList{QStringLiteral("dblCity")}
        << QStringLiteral("There is no value for the \"Zip\" field !") << QStringLiteral("dblZip");
    QTest::newRow("call after name")
        << QStringList{QStringLiteral("dbeCall"), QStringLiteral("dbeAddrMain")}
        << "There is no value for the \"Call\" field !"
        << "dbeCall";
}

void TestUserDataPage::validationReportsTheFirstMissingField()
{
    QFETCH(QStringList, cleared);
    QFETCH(QString, message);
    QFETCH(QString, focused);
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    for (const QString &name : cleared) {
        if (auto *edit = m_page->findChild<QLineEdit *>(name))
            edit->clear();
        else
            m_page->findChild<QComboBox *>(name)->setCurrentIndex(-1);
    }
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    QCOMPARE(messageTexts(), QStringList{message});
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("User Data"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(ownerRows(), 0);
    QVERIFY(m_page->isInserting());
}

void TestUserDataPage::callIsUpperCasedAsTyped()
{
    showPage();
    auto *call = child<QLineEdit>("dbeCall");
    QTest::keyClicks(call, QStringLiteral("on4"));
    QTest::keyClick(call, Qt::Key_Left);
    QTest::keyClicks(call, QStringLiteral("x"));
    QCOMPARE(call->text(), QStringLiteral("ONX4"));
}

void TestUserDataPage::callThatCannotNameAFileIsRefused_data()
{
    QTest::addColumn<QString>("call");
    QTest::newRow("slash") << "ON4/P";
    QTest::newRow("backslash") << "..\\ON4";
    QTest::newRow("parent folder") << "..";
}

void TestUserDataPage::callThatCannotNameAFileIsRefused()
{
    QFETCH(QString, call);
    showPage();
    fillOwner(QString());
    child<QLineEdit>("dbeCall")->setText(call);
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    QCOMPARE(ShownMessages().size(), 1);
    QVERIFY(messageTexts().first().contains(QStringLiteral("file")));
    QCOMPARE(ownerRows(), 0);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(child<QLineEdit>("dbeCall")->hasFocus());
}

void TestUserDataPage::keysOutsideTheFieldRulesAreDropped_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    for (const char *phone : {"dbePhHome", "dbePhMobile", "dbePhOff", "dbeFax"}) {
        const QByteArray name(phone);
        QTest::newRow(QByteArray(name + " letters dropped").constData()) << phone << "09 12ab-3/4"
                                                                         << "09 12-3/4";
        QTest::newRow(QByteArray(name + " international").constData())
            << phone << "+32 470 12-34-56"
            << "+32 470 12-34-56";
        QTest::newRow(QByteArray(name + " dots, brackets dropped").constData())
            << phone << "(02) 123.45.67"
            << "02 123.45.67";
    }
}

void TestUserDataPage::keysOutsideTheFieldRulesAreDropped()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    showPage();
    auto *edit = m_page->findChild<QLineEdit *>(field);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
    QVERIFY(child<QPushButton>("bbnUserSave")->isEnabled());

    // The Zip lookup takes digits only: letters leave it where it was.
    auto *zip = child<QComboBox>("dblZip");
    zip->setCurrentIndex(-1);
    QTest::keyClicks(zip, QStringLiteral("Gent"));
    QCOMPARE(zip->currentIndex(), -1);
}

void TestUserDataPage::zipAndTownAreTwoViewsOfOneKey()
{
    showPage();
    auto *zip = child<QComboBox>("dblZip");
    auto *town = child<QComboBox>("dblCity");
    QTest::keyClicks(zip, QStringLiteral("1000"));
    QCOMPARE(zip->currentText(), QStringLiteral("1000"));
    // No language chosen yet under the English interface: the French names.
    QCOMPARE(town->currentText(), QStringLiteral("Bruxelles"));
    town->setFocus();
    QTest::keyClicks(town, QStringLiteral("Gand"));
    QCOMPARE(town->currentText(), QStringLiteral("Gand"));
    QCOMPARE(zip->currentIndex(), town->currentIndex());
    QVERIFY(zip->currentText() != QStringLiteral("1000"));
    QVERIFY(child<QPushButton>("bbnUserSave")->isEnabled());
}

void TestUserDataPage::typingAPostcodePicksItsMainTown_data()
{
    QTest::addColumn<int>("language"); // IdLanguage of the owner; 0 none chosen
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("pause"); // ms between the keys
    QTest::addColumn<QString>("zip");
    QTest::addColumn<QString>("town");
    QTest::newRow("4000 is Liège, not the first town Glain") << 0 << "4000" << 0 << "4000"
                                                             << "Liège";
    QTest::newRow("typed slowly, never on 0000")
        << 0 << "4000" << QApplication::keyboardInputInterval() + 100 << "4000"
        << "Liège";
    QTest::newRow("Dutch owner: Dutch names") << 2 << "4000" << 0 << "4000"
                                              << "Luik";
    QTest::newRow("a slipped 0 starts a new postcode") << 0 << "04000" << 0 << "4000"
                                                       << "Liège";
    QTest::newRow("a fifth digit starts the next postcode") << 2 << "40009000" << 0 << "9000"
                                                            << "Gent";
    QTest::newRow("sub-municipalities only: the first town") << 2 << "1731" << 0 << "1731"
                                                             << "Relegem";
}

void TestUserDataPage::typingAPostcodePicksItsMainTown()
{
    QFETCH(int, language);
    QFETCH(QString, typed);
    QFETCH(int, pause);
    QFETCH(QString, zip);
    QFETCH(QString, town);
    showPage();
    auto *languages = child<QComboBox>("dblLanguage");
    languages->setCurrentIndex(languages->findData(language));
    auto *zipBox = child<QComboBox>("dblZip");
    zipBox->setFocus();
    QTRY_VERIFY(zipBox->hasFocus());
    QTest::keyClicks(zipBox, typed, Qt::NoModifier, pause);
    QCOMPARE(zipBox->currentText(), zip);
    QCOMPARE(child<QComboBox>("dblCity")->currentText(), town);
    QVERIFY(child<QPushButton>("bbnUserSave")->isEnabled());
    // Backspace takes the last digits back: 40 still stands for 4000's main
    // town, and 40 followed by 20 is the next postcode.
    if (typed == QLatin1String("4000")) {
        QTest::keyClick(zipBox, Qt::Key_Backspace);
        QTest::keyClick(zipBox, Qt::Key_Backspace);
        QCOMPARE(zipBox->currentText(), QStringLiteral("4000"));
        QTest::keyClicks(zipBox, QStringLiteral("20"));
        QCOMPARE(zipBox->currentText(), QStringLiteral("4020"));
        QVERIFY(child<QComboBox>("dblCity")->currentText().startsWith(town.left(1)));
    }
}

void TestUserDataPage::townNamesFollowTheDocumentLanguage()
{
    showPage();
    auto *zip = child<QComboBox>("dblZip");
    QTest::keyClicks(zip, QStringLiteral("1000"));
    auto *languages = child<QComboBox>("dblLanguage");
    const struct {
        int language;
        const char *town;
    } cases[] = {
        {2, "Brussel"}, {3, "Bruxelles"}, {1, "Bruxelles"}, {4, "Bruxelles"}, {2, "Brussel"}};
    for (const auto &c : cases) {
        languages->setCurrentIndex(languages->findData(c.language));
        QCOMPARE(child<QComboBox>("dblCity")->currentText(), QString::fromLatin1(c.town));
        QCOMPARE(zip->currentText(), QStringLiteral("1000"));
    }
}

void TestUserDataPage::noTownYetRowIsNotSaved()
{
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    auto *zip = child<QComboBox>("dblZip");
    zip->setCurrentIndex(zip->findData(1)); // "0000 (nog geen gemeente)"
    QCOMPARE(zip->currentText(), QStringLiteral("0000"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    QCOMPARE(messageTexts().size(), 1);
    QVERIFY2(messageTexts().first().contains(QStringLiteral("no town yet")),
             qPrintable(messageTexts().first()));
    QCOMPARE(ownerRows(), 0);
    QVERIFY(zip->hasFocus());
    QVERIFY(!m_page->nextButton()->isEnabled());
}

void TestUserDataPage::specialCaseStopsTheWizardHere()
{
    int printed = -1;
    TfraUserData::SetDeclarationPrinter(
        [&printed](TdtmMain &, int specialCase) { printed = specialCase; });
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    auto *next = m_page->nextButton();
    auto *qrp = child<QPushButton>("bbnToQrp");
    auto *print = child<QPushButton>("bbnRepPrint");
    QVERIFY(next->isEnabled() && qrp->isEnabled() && !print->isEnabled());

    child<QRadioButton>("rbnSpecCase2")->click();
    QVERIFY(!next->isEnabled());
    QVERIFY(!qrp->isEnabled());
    QVERIFY(print->isEnabled());
    QVERIFY(child<QPushButton>("bbnUserSave")->isEnabled());
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(printed, 2);

    child<QRadioButton>("rbnSpecCase0")->click();
    QVERIFY(next->isEnabled() && qrp->isEnabled() && !print->isEnabled());

    // Stored, the special case holds when the page is entered again.
    child<QRadioButton>("rbnSpecCase4")->click();
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    m_page->ActivatePage();
    QVERIFY(child<QRadioButton>("rbnSpecCase4")->isChecked());
    QVERIFY(!next->isEnabled() && print->isEnabled());
}

void TestUserDataPage::printWaitsForTheDeclarationPrinter()
{
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    child<QRadioButton>("rbnSpecCase1")->click();
    auto *print = child<QPushButton>("bbnRepPrint");
    QVERIFY(!print->isEnabled());
    QVERIFY(!print->toolTip().isEmpty());
    QVERIFY(!m_page->nextButton()->isEnabled());
}

void TestUserDataPage::cancelRestoresTheSavedRecord()
{
    showPage();
    fillOwner(QStringLiteral("ON4ABC"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    auto *firstName = child<QLineEdit>("dbeFname");
    firstName->clear();
    QTest::keyClicks(firstName, QStringLiteral("Piet"));
    QTest::keyClicks(child<QPlainTextEdit>("dbmNote"), QStringLiteral("a note"));
    QVERIFY(child<QPushButton>("bbnUserCancel")->isEnabled());
    QTest::mouseClick(child<QPushButton>("bbnUserCancel"), Qt::LeftButton);
    QCOMPARE(firstName->text(), QStringLiteral("Jan"));
    QCOMPARE(child<QPlainTextEdit>("dbmNote")->toPlainText(), QString());

    // A saved note reads back as it was typed, however often it is saved.
    auto *note = child<QPlainTextEdit>("dbmNote");
    note->setPlainText(QStringLiteral("line one\nline two"));
    for (int save = 0; save < 2; ++save) {
        QTest::keyClicks(child<QLineEdit>("dbeRem"), QStringLiteral("x"));
        QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
        QCOMPARE(note->toPlainText(), QStringLiteral("line one\nline two"));
    }
    QVERIFY(!child<QPushButton>("bbnUserCancel")->isEnabled());
    QVERIFY(m_page->nextButton()->isEnabled());

    // Enter moves on to the next field and is not typed.
    firstName->setFocus();
    QTest::keyClick(firstName, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("dbeSname"));
}

void TestUserDataPage::withoutDatabaseOnlySearchIsOffered()
{
    m_dm->conMainDb->close();
    showPage();
    QVERIFY(child<QLabel>("pnlNoConnection")->isVisible());
    QVERIFY(child<QPushButton>("bbnSearchDb")->isVisible());
    QVERIFY(child<QPushButton>("bbnSearchDb")->hasFocus());
    QVERIFY(!child<QWidget>("gbxUserData")->isVisible());
    QVERIFY(!child<QWidget>("pnlUserSave")->isVisible());
    QVERIFY(!m_page->nextButton()->isEnabled());
    QVERIFY(!child<QPushButton>("bbnToQrp")->isEnabled());
}

// Every way off the page (here "QR&P") settles a pending edit first.
void TestUserDataPage::leavingWithAPendingEditAsks()
{
    showPage();
    fillOwner(QStringLiteral("on4abc"));
    QTest::mouseClick(child<QPushButton>("bbnUserSave"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>("dbeFname"), QStringLiteral("nie"));
    QVERIFY(child<QPushButton>("bbnUserSave")->isEnabled());
    ClearShownMessages();
    SetNextAnswer(AnswerYes);
    QTest::mouseClick(child<QPushButton>("bbnToQrp"), Qt::LeftButton);
    QCOMPARE(messageTexts(), QStringList{QStringLiteral("Save the changes ?")});
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("User Data"));
    QCOMPARE(m_host->activePage, int(PageQrpInput));
    QSqlQuery row(m_dm->conMainDb->database());
    QVERIFY(row.exec(QStringLiteral("SELECT OwnerFname FROM tblOwner")) && row.next());
    QCOMPARE(row.value(0).toString(), QStringLiteral("Jannie"));
}

QTEST_MAIN(TestUserDataPage)
#include "test_userdatapage.moc"
