#include "app/mainwindow.h"
#include "app/pagefactory.h"
#include "base/applicationstate.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/version.h"
#include "fakewizardhost.h"
#include "shell/ui/pagebase.h"
#include "shell/ui/programidentity.h"
#include "shell/ui/statusbar.h"
#include "shell/ui/tcolor.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "store/online/onlinewatchhandler.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

// Walks the wizard in the real main window under the offscreen platform.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsOnTheWelcomePage();
    void declaresItsIconAndDesktopEntry();
    void nextAndBackWalkAllPages();
    void framesAreCreatedOnceAndKeepTheirState();
    void submissionBackFollowsTheLowPowerFlag();
    void factoryMakesEachPageForItsIndex();
    void titleOutsideThePagesIsEmpty();
    void exitAsksAndNoKeepsTheProgramRunning();
    void skippedConfirmationClosesWithoutAQuestion();
    void closingWithPendingEditsAsksFirst_data();
    void closingWithPendingEditsAsksFirst();
    void welcomeNextClearsTheSkip();
    void statusBarShowsSelectionAndInternetColour();
    void helpOpensThePagesContext();
    void anotherStartRestoresTheWindow();
    void firstShowConnectsAndShowsTheDatabaseVersion();
    void missingDatabaseEndsWithTheTerminationMessage();
    void startUpErrorsAreToldOnce_data();
    void startUpErrorsAreToldOnce();

private:
    void clickNext(TfrmMain &window);
    void clickBack(TfrmMain &window);
    QTemporaryDir *m_dir = nullptr;
};

void TestMainWindow::initTestCase()
{
    // The shell's own navigation is tested with plain page frames; the real
    // pages have their own tests.
    TfrmMain::SetPageFactory([](int page, IWizardHost &host, QWidget *parent) {
        return new TfraBase(page, host, parent);
    });
}

void TestMainWindow::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    SetPreferenceFile(m_dir->filePath(QStringLiteral("prefs.ini")));
    SetProgramFolder(m_dir->path());
    CurrentSelection().clear();
    SetSkipExitConfirmation(false);
    SetInternetStatus(InternetRed);
    ClearShownMessages();
}

void TestMainWindow::cleanup()
{
    SetPreferenceFile(QString());
    SetProgramFolder(QString());
    delete m_dir;
    m_dir = nullptr;
}

void TestMainWindow::clickNext(TfrmMain &window)
{
    TfraBase *frame = window.PageFrame(window.ActivePage());
    QVERIFY(frame);
    QVERIFY(frame->nextButton()->isVisible());
    QTest::mouseClick(frame->nextButton(), Qt::LeftButton);
}

void TestMainWindow::clickBack(TfrmMain &window)
{
    TfraBase *frame = window.PageFrame(window.ActivePage());
    QVERIFY(frame);
    QVERIFY(frame->backButton()->isVisible());
    QTest::mouseClick(frame->backButton(), Qt::LeftButton);
}

void TestMainWindow::declaresItsIconAndDesktopEntry()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    // The program's own icon, in the sizes of the icon theme, also without a theme.
    const QList<QSize> sizes = window.windowIcon().availableSizes();
    QVERIFY2(sizes.contains(QSize(48, 48)) && sizes.contains(QSize(256, 256)),
             qPrintable(QString::number(sizes.size())));
    QVERIFY(!window.windowIcon().pixmap(48).isNull());

    // The desktop entry a Wayland compositor matches the windows to: the name
    // under which the install rules write it.
    DeclareProgramIdentity();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(VLM_APP_ID));
    QCOMPARE(DesktopFileName(), QStringLiteral(VLM_APP_ID));
    QVERIFY(!QGuiApplication::windowIcon().isNull());
}

void TestMainWindow::startsOnTheWelcomePage()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral(" Velmor"));
    QCOMPARE(window.size(), QSize(937, 657));
    QCOMPARE(window.ActivePage(), int(PageWelcome));
    QCOMPARE(window.PageTitleText(), QStringLiteral("Welcome to VLM"));
    auto *pages = window.findChild<QTabWidget *>(QStringLiteral("pctFmMain"));
    QVERIFY(pages);
    QVERIFY(!pages->tabBar()->isVisible());
    QCOMPARE(pages->count(), 9);

    TfraBase *welcome = window.PageFrame(PageWelcome);
    QVERIFY(welcome);
    QCOMPARE(welcome->objectName(), QStringLiteral("TfraWelcome"));
    QVERIFY(welcome->parentWidget() == window.findChild<QWidget *>(QStringLiteral("tbsWelcome")));
    QVERIFY(!welcome->backButton()->isVisible());
    QVERIFY(welcome->helpButton()->isVisible());
    // Only the welcome frame exists before the user moves on.
    for (int page = 1; page < WizardPageCount; ++page)
        QVERIFY(!window.PageFrame(page));

    SetSkipExitConfirmation(true);
}

void TestMainWindow::nextAndBackWalkAllPages()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QList<int> forward{1, 3, 4, 5, 6, 7, 8};
    for (int page : forward) {
        clickNext(window);
        QCOMPARE(window.ActivePage(), page);
        QCOMPARE(window.PageTitleText(), PageTitle(page));
        QVERIFY(window.PageFrame(page)->isVisible());
    }
    const QList<int> backward{7, 6, 5, 4, 3, 1, 0};
    for (int page : backward) {
        clickBack(window);
        QCOMPARE(window.ActivePage(), page);
        QCOMPARE(window.PageTitleText(), PageTitle(page));
    }
    // The low-power page is reached from its own button on the user data page;
    // here the page control is set directly.
    window.SetActivePage(PageQrpInput);
    QCOMPARE(window.PageTitleText(), QStringLiteral("Special Low Power Case"));
    clickBack(window);
    QCOMPARE(window.ActivePage(), int(PageUserData));

    SetSkipExitConfirmation(true);
}

void TestMainWindow::framesAreCreatedOnceAndKeepTheirState()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    clickNext(window);
    TfraBase *userData = window.PageFrame(PageUserData);
    QVERIFY(userData);
    userData->setProperty("state", QStringLiteral("typed"));
    clickNext(window);
    TfraBase *sites = window.PageFrame(PageSiteDef);
    clickBack(window);
    clickNext(window);
    QCOMPARE(window.PageFrame(PageUserData), userData);
    QCOMPARE(window.PageFrame(PageSiteDef), sites);
    QCOMPARE(userData->property("state").toString(), QStringLiteral("typed"));
    QCOMPARE(window.findChild<QWidget *>(QStringLiteral("tbsUserData"))
                 ->findChildren<TfraBase *>()
                 .size(),
             1);

    SetSkipExitConfirmation(true);
}

void TestMainWindow::submissionBackFollowsTheLowPowerFlag()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.SetActivePage(PageBiptData);
    CurrentSelection().lowPowerReport = true;
    clickBack(window);
    QCOMPARE(window.ActivePage(), int(PageQrpInput));
    // Leaving the low-power page backwards clears its report flag ...
    clickBack(window);
    QCOMPARE(window.ActivePage(), int(PageUserData));
    QVERIFY(!CurrentSelection().lowPowerReport);
    // ... so the submission page goes back to the reports again.
    window.SetActivePage(PageBiptData);
    clickBack(window);
    QCOMPARE(window.ActivePage(), int(PageReportView));

    SetSkipExitConfirmation(true);
}

void TestMainWindow::factoryMakesEachPageForItsIndex()
{
    // The real registry: every index gives a frame of that page, placeholder or not.
    FakeWizardHost host(nullptr, 0);
    QWidget parent;
    for (int page = 0; page < WizardPageCount; ++page) {
        TfraBase *frame = CreateWizardPage(page, host, &parent);
        QVERIFY(frame);
        QCOMPARE(frame->PageIndex(), page);
        QCOMPARE(frame->objectName(), FrameClassName(page));
        QVERIFY(frame->findChild<QPushButton *>(QStringLiteral("bbnNext")));
        QCOMPARE(frame->findChild<QPushButton *>(QStringLiteral("bbnBack"))->isVisibleTo(frame),
                 page != PageWelcome);
    }
}

void TestMainWindow::titleOutsideThePagesIsEmpty()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    for (int page : {-1, 9, 42}) {
        window.ShowPageTitle(PageSiteDef);
        window.ShowPageTitle(page);
        QVERIFY2(window.PageTitleText().isEmpty(), qPrintable(QString::number(page)));
    }
    SetSkipExitConfirmation(true);
}

void TestMainWindow::exitAsksAndNoKeepsTheProgramRunning()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    int beforeExitCalls = 0;
    window.SetBeforeExit([&beforeExitCalls] { ++beforeExitCalls; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.SetActivePage(PageBiptData);

    const struct {
        int answer;
        bool staysOpen;
    } answers[] = {{AnswerNo, true}, {AnswerClosed, true}, {AnswerYes, false}};
    for (const auto &a : answers) {
        ClearShownMessages();
        SetNextAnswer(a.answer);
        clickNext(window); // the submission page's Next closes the window
        QCOMPARE(ShownMessages().size(), 1);
        QCOMPARE(ShownMessages().first().caption, QStringLiteral("Leaving VLM"));
        QCOMPARE(ShownMessages().first().text,
                 QStringLiteral("Are you sure you want to leave VLM ?"));
        QCOMPARE(ShownMessages().first().kind, int(MessageQuestion));
        QCOMPARE(window.isVisible(), a.staysOpen);
        if (a.staysOpen)
            QCOMPARE(window.ActivePage(), int(PageBiptData));
    }
    QCOMPARE(beforeExitCalls, 1);
}

void TestMainWindow::skippedConfirmationClosesWithoutAQuestion()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SetSkipExitConfirmation(true);
    QVERIFY(window.close());
    QVERIFY(ShownMessages().isEmpty());
}

namespace
{
// A page with one group whose Save and Cancel are enabled while it is edited.
class TEditedPage : public TfraBase
{
public:
    TEditedPage(int page, IWizardHost &host, QWidget *parent) : TfraBase(page, host, parent)
    {
        save = new QPushButton(QStringLiteral("&Save"), content());
        cancel = new QPushButton(QStringLiteral("&Cancel"), content());
        for (QPushButton *b : {save, cancel}) {
            connect(b, &QPushButton::clicked, this, [this, b] {
                saved += b == save ? 1 : 0;
                save->setEnabled(false);
                cancel->setEnabled(false);
            });
        }
        watchPendingEdits(save, cancel, QStringLiteral("User Data"));
    }
    QPushButton *save;
    QPushButton *cancel;
    int saved = 0;
};
} // namespace

void TestMainWindow::closingWithPendingEditsAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("saved");
    QTest::addColumn<bool>("closes");
    QTest::newRow("yes saves and leaves") << AnswerYes << 1 << true;
    QTest::newRow("no throws the edit away and leaves") << AnswerNo << 0 << true;
    QTest::newRow("the box closed: stays with the edit") << AnswerClosed << 0 << false;
}

// An up-to-date program closes without "Are you sure..."; a pending edit is
// still asked about first.
void TestMainWindow::closingWithPendingEditsAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, saved);
    QFETCH(bool, closes);
    TfrmMain::SetPageFactory([](int page, IWizardHost &host, QWidget *parent) -> TfraBase * {
        return new TEditedPage(page, host, parent);
    });
    {
        TfrmMain window;
        window.SetUpdateCheckEnabled(false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *page = static_cast<TEditedPage *>(window.PageFrame(PageWelcome));
        QVERIFY(page && page->save->isEnabled());
        SetSkipExitConfirmation(true);
        ClearShownMessages();
        SetNextAnswer(answer);
        QCOMPARE(window.close(), closes);
        QCOMPARE(ShownMessages().size(), 1);
        QCOMPARE(ShownMessages().first().caption, QStringLiteral("User Data"));
        QCOMPARE(ShownMessages().first().text, QStringLiteral("Save the changes ?"));
        QCOMPARE(page->saved, saved);
        QCOMPARE(page->save->isEnabled(), !closes);
    }
    initTestCase(); // the plain pages again
}

void TestMainWindow::welcomeNextClearsTheSkip()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SetSkipExitConfirmation(true);
    clickNext(window);
    QVERIFY(!SkipExitConfirmation());
    SetNextAnswer(AnswerYes);
    window.close();
}

void TestMainWindow::statusBarShowsSelectionAndInternetColour()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    TStatusBar *bar = window.findChild<TStatusBar *>(QStringLiteral("stbFmMain"));
    QVERIFY(bar);
    QCOMPARE(bar->height(), 19);

    const QStringList fixed{QStringLiteral("VLM Database:"),  QStringLiteral("Disconnected"),
                            QStringLiteral("Current User: "), QStringLiteral(""),
                            QStringLiteral("Location: "),     QStringLiteral(""),
                            QStringLiteral("Antenna: "),      QStringLiteral(""),
                            QStringLiteral("Internet : "),    QStringLiteral(""),
                            QStringLiteral("Ver.: ")};
    for (int i = 0; i < fixed.size(); ++i)
        QCOMPARE(bar->panelText(i), fixed.at(i));
    QCOMPARE(bar->panelText(TStatusBar::PanelSlash), QStringLiteral("/"));
    const int widths[] = {80, 80, 100, 70, 60, 70, 60, 70, 80, 20, 40, 70, 8, 30, 50};
    for (int i = 0; i < TStatusBar::PanelCount; ++i)
        QCOMPARE(bar->panelRect(i).width(), widths[i]);
    QTRY_COMPARE(bar->panelText(TStatusBar::PanelVersion),
                 GetFileVersionText() + QStringLiteral(" "));

    CurrentSelection().setCall(QStringLiteral("ON4ABCDEFGHIJ"));
    CurrentSelection().setSiteName(QStringLiteral("Home"));
    CurrentSelection().setPlacementRef(QStringLiteral("Dipole 40m"));
    window.RefreshStatusBar();
    QCOMPARE(bar->panelText(TStatusBar::PanelCall), QStringLiteral("ON4ABCDEFG"));
    QCOMPARE(bar->panelText(TStatusBar::PanelSite), QStringLiteral("Home"));
    QCOMPARE(bar->panelText(TStatusBar::PanelPlacement), QStringLiteral("Dipole 40m"));

    const QPoint centre = bar->panelRect(TStatusBar::PanelInternet).center();
    for (int colour : {int(InternetRed), int(InternetAmber), int(InternetGreen)}) {
        SetInternetStatus(colour);
        QTRY_COMPARE(bar->grab().toImage().pixelColor(centre), ColourFromValue(colour));
    }

    TfrmMain::ClearSelection(CurrentSelection());
    CurrentSelection().interfaceLanguage = 2;
    TfrmMain::ClearSelection(CurrentSelection());
    QCOMPARE(CurrentSelection().interfaceLanguage, 2);
    QVERIFY(CurrentSelection().call.isEmpty());
    SetSkipExitConfirmation(true);
}

void TestMainWindow::helpOpensThePagesContext()
{
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Help")));
    QFile manual(m_dir->filePath(QStringLiteral("Help/MANUAL_FR.HLP")));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("<html><body><a name=\"10\"></a><p>Welcome</p><a name=\"19\"></a><p>Last step</p>"
                 "</body></html>");
    manual.close();
    TPreferences::setOwnerLan(3); // German users get the French manual

    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.SetActivePage(PageBiptData);
    QTest::mouseClick(window.PageFrame(PageBiptData)->helpButton(), Qt::LeftButton);

    auto *browser = window.findChild<QTextBrowser *>(QStringLiteral("txbHelp"));
    QVERIFY(browser);
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Last step")));
    QCOMPARE(browser->parentWidget()->property("helpContext").toInt(), 19);
    SetSkipExitConfirmation(true);
}

void TestMainWindow::anotherStartRestoresTheWindow()
{
    TfrmMain window;
    window.SetUpdateCheckEnabled(false);
    window.showMinimized();
    QTRY_VERIFY(window.isMinimized());
    window.RestoreAndRaise();
    QTRY_VERIFY(!window.isMinimized());
    QVERIFY(window.isVisible());
    SetSkipExitConfirmation(true);
}

void TestMainWindow::firstShowConnectsAndShowsTheDatabaseVersion()
{
    QVERIFY(
        QFile::copy(QStringLiteral(VLM_TEST_DB), m_dir->filePath(QStringLiteral("VlmMain.mdb"))));
    QFile::setPermissions(m_dir->filePath(QStringLiteral("VlmMain.mdb")),
                          QFile::ReadOwner | QFile::WriteOwner);
    TdtmMain dataModule;
    TfrmMain window(&dataModule);
    window.SetUpdateCheckEnabled(false);
    QSignalSpy shown(&window, &TfrmMain::firstShowDone);
    window.show();
    QVERIFY(shown.wait(10000));

    TStatusBar *bar = window.statusBar();
    QCOMPARE(bar->panelText(TStatusBar::PanelConnection), QStringLiteral("Connected"));
    const QString version = bar->panelText(TStatusBar::PanelDatabaseVersion);
    QVERIFY2(version.endsWith(QLatin1Char(' ')) && version.trimmed().size() > 0,
             qPrintable(version));
    QVERIFY(dataModule.conMainDb->isConnected());
    QVERIFY(!dataModule.TerminationRequested());
    QCOMPARE(ReadPreference(QStringLiteral("\\Preferences"), QStringLiteral("DbPath"))
                 .toString()
                 .isEmpty(),
             false);

    // The panel follows the connection while the window is visible.
    dataModule.conMainDb->close();
    QCOMPARE(bar->panelText(TStatusBar::PanelConnection), QStringLiteral("Disconnected"));
    SetSkipExitConfirmation(true);
}

void TestMainWindow::missingDatabaseEndsWithTheTerminationMessage()
{
    TdtmMain dataModule;
    TfrmMain window(&dataModule);
    window.SetUpdateCheckEnabled(false);
    QSignalSpy shown(&window, &TfrmMain::firstShowDone);
    QSignalSpy terminate(&dataModule, &TdtmMain::terminationRequested);
    window.show();
    QVERIFY(shown.wait(10000));

    QVERIFY(dataModule.TerminationRequested());
    QVERIFY(terminate.count() >= 1);
    QVERIFY(!dataModule.conMainDb->isConnected());
    bool terminationShown = false;
    for (const ShownMessage &m : ShownMessages())
        terminationShown |= m.caption == QStringLiteral("VLM Database") &&
                            m.text.startsWith(QStringLiteral("Unable to connect"));
    QVERIFY(terminationShown);
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("VlmMain.mdb"))));
    QCOMPARE(CurrentSelection().ownerId, 0);
    SetSkipExitConfirmation(true);
}

void TestMainWindow::startUpErrorsAreToldOnce_data()
{
    QTest::addColumn<bool>("withDatabase");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no database: the file dialog is cancelled")
        << false << QStringLiteral("Unable to connect the VLM Database !");
    QTest::newRow("a lookup table cannot open")
        << true << QStringLiteral("Error when opening VLM Database (table: tblCableLoss1)");
}

// The online watch's first report connects while the splash stands; the main
// window's first show then uses that connection instead of making its own,
// so that each start-up error is told once.
void TestMainWindow::startUpErrorsAreToldOnce()
{
    QFETCH(bool, withDatabase);
    QFETCH(QString, expected);
    if (withDatabase) {
        const QString file = m_dir->filePath(QStringLiteral("VlmMain.mdb"));
        QVERIFY(QFile::copy(QStringLiteral(VLM_TEST_DB), file));
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
            db.setDatabaseName(file);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("DROP VIEW qryCableLoss1")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
    } else {
        SetNextFileName(QString()); // the user cancels "Locate the VLM Database"
    }
    TdtmMain dataModule;
    TOnlineWatchHandler watch(dataModule, QUrl(QStringLiteral("http://127.0.0.1:9")));
    watch.IPWatchStatusChanged(false); // the first report, during the splash
    TfrmMain window(&dataModule);
    window.SetUpdateCheckEnabled(false);
    QSignalSpy shown(&window, &TfrmMain::firstShowDone);
    window.show();
    QVERIFY(shown.wait(10000));

    int told = 0;
    for (const ShownMessage &m : ShownMessages())
        told += m.text.startsWith(expected) ? 1 : 0;
    QCOMPARE(told, 1);
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(dataModule.conMainDb->isConnected(), withDatabase);
    SetSkipExitConfirmation(true);
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
