#include "../tableupdate/localhttpserver.h"
#include "app/mainwindow.h"
#include "base/applicationstate.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "shell/helpfile.h"
#include "shell/ui/pagebase.h"
#include "shell/ui/welcomepage.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "store/online/onlinewatchhandler.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>

// The welcome page and the help in the real main window (without a database),
// with a program folder that holds the shipped help files and welcome page.
class TestWelcomePage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void germanIsStoredAndHelpOpensTheFrenchManual();
    void manualLinksSwitchLanguageAndOpenTheManual_data();
    void manualLinksSwitchLanguageAndOpenTheManual();
    void helpButtonsOpenTheirPagesContext_data();
    void helpButtonsOpenTheirPagesContext();
    void localPageUnlessTheLastCheckWasGreen();
    void onlinePageWhenTheLastCheckWasGreen();
    void everyManualHasEveryContext();

private:
    TfraWelcome *welcome() const { return m_window->findChild<TfraWelcome *>(); }
    QComboBox *languageBox() const
    {
        return m_window->findChild<QComboBox *>(QStringLiteral("cmbSetupLan"));
    }
    // The URL the open help window shows (file#context), or empty.
    QString shownHelp() const;
    void closeHelpWindows();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TfrmMain> m_window;
};

void TestWelcomePage::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    const QDir program(m_dir->path());
    program.mkpath(QStringLiteral("Help"));
    const QDir source(QStringLiteral(VLM_SOURCE_DIR "/data"));
    for (const char *file :
         {"index.html", "Help/MANUAL_EN.HLP", "Help/MANUAL_NL.HLP", "Help/MANUAL_FR.HLP"})
        QVERIFY(QFile::copy(source.filePath(QString::fromLatin1(file)),
                            program.filePath(QString::fromLatin1(file))));
    SetProgramFolder(m_dir->path());
    SetPreferenceFile(m_dir->filePath(QStringLiteral("prefs.ini")));
    CurrentSelection() = TCurrentSelection();
    SetInternetStatus(InternetRed);
    SetSkipExitConfirmation(true);
    m_window = std::make_unique<TfrmMain>();
    m_window->SetUpdateCheckEnabled(false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(welcome());
}

void TestWelcomePage::cleanup()
{
    closeHelpWindows();
    m_window.reset();
    SetProgramFolder(QString());
    SetPreferenceFile(QString());
    SetInternetStatus(InternetRed);
    m_dir.reset();
}

QString TestWelcomePage::shownHelp() const
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmHelp") && w->isVisible()) {
            auto *browser = w->findChild<QTextBrowser *>(QStringLiteral("txbHelp"));
            if (!browser)
                return QStringLiteral("?");
            const QString url = browser->document()->metaInformation(QTextDocument::DocumentUrl);
            return url.isEmpty() ? browser->toPlainText() : url; // a missing file says so
        }
    }
    return QString();
}

void TestWelcomePage::closeHelpWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("frmHelp"))
            delete w;
    }
}

void TestWelcomePage::germanIsStoredAndHelpOpensTheFrenchManual()
{
    QComboBox *box = languageBox();
    QCOMPARE(box->count(), 4);
    QCOMPARE(box->width(), 113);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End); // the user picks "German"
    QCOMPARE(box->currentText(), QStringLiteral("German"));
    QCOMPARE(TPreferences::ownerLan().value_or(-1), 3);
    QCOMPARE(CurrentSelection().interfaceLanguage, 3);
    QCOMPARE(ApplicationHelpFile(), ProgramFile(QStringLiteral("Help/MANUAL_FR.HLP")));

    QTest::mouseClick(welcome()->helpButton(), Qt::LeftButton);
    QTRY_VERIFY(!shownHelp().isEmpty());
    QVERIFY2(shownHelp().endsWith(QLatin1String("Help/MANUAL_FR.HLP#10")), qPrintable(shownHelp()));
}

void TestWelcomePage::manualLinksSwitchLanguageAndOpenTheManual_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("opened");
    QTest::newRow("dutch in lower case") << "Help/manual_nl.hlp" << 1 << "Help/manual_nl.hlp";
    QTest::newRow("english") << "Help/MANUAL_EN.HLP" << 0 << "Help/MANUAL_EN.HLP";
    QTest::newRow("german by name")
        << "http://example.invalid/x/MANUAL_GE.HLP" << 3 << "Help/MANUAL_GE.HLP";
    QTest::newRow("no language code keeps the language")
        << "Help/MYMANUAL1.HLP" << 2 << "Help/MYMANUAL1.HLP";
    QTest::newRow("a path in the name stays in Help") << "../../etc/x.HLP" << 2 << "Help/x.HLP";
}

void TestWelcomePage::manualLinksSwitchLanguageAndOpenTheManual()
{
    QFETCH(QString, link);
    QFETCH(int, language);
    QFETCH(QString, opened);
    languageBox()->setCurrentIndex(2);
    CurrentSelection().interfaceLanguage = 2;
    const QUrl before = welcome()->shownPage();

    welcome()->FollowLink(QUrl(link));
    QCOMPARE(welcome()->shownPage(), before); // the browser did not follow it
    QCOMPARE(languageBox()->currentIndex(), language);
    QCOMPARE(CurrentSelection().interfaceLanguage, language);
    QCOMPARE(TPreferences::ownerLan().value_or(-1), language);
    QCOMPARE(ApplicationHelpFile(), ProgramFile(opened));
    QTRY_VERIFY(!shownHelp().isEmpty());
    if (QFileInfo::exists(ProgramFile(opened)))
        QVERIFY2(shownHelp().endsWith(opened + QStringLiteral("#1")), qPrintable(shownHelp()));
    else
        QVERIFY2(shownHelp().contains(ProgramFile(opened)), qPrintable(shownHelp()));
}

void TestWelcomePage::helpButtonsOpenTheirPagesContext_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("context");
    QTest::newRow("welcome") << int(PageWelcome) << "#10";
    QTest::newRow("user data") << int(PageUserData) << "#11";
    QTest::newRow("reports") << int(PageReportView) << "#17";
    QTest::newRow("submission uses 19") << int(PageBiptData) << "#19";
}

void TestWelcomePage::helpButtonsOpenTheirPagesContext()
{
    QFETCH(int, page);
    QFETCH(QString, context);
    m_window->SetActivePage(page);
    TfraBase *frame = m_window->PageFrame(page);
    QVERIFY(frame);
    QTest::mouseClick(frame->helpButton(), Qt::LeftButton);
    QTRY_VERIFY(!shownHelp().isEmpty());
    QVERIFY2(shownHelp().endsWith(QStringLiteral("Help/MANUAL_EN.HLP") + context),
             qPrintable(shownHelp()));
}

void TestWelcomePage::localPageUnlessTheLastCheckWasGreen()
{
    welcome()->ActivatePage();
    QCOMPARE(welcome()->shownPage(),
             QUrl::fromLocalFile(ProgramFile(QStringLiteral("index.html"))));
    auto *browser = welcome()->findChild<QTextBrowser *>(QStringLiteral("wb"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Welcome to Velmor")));
    QVERIFY(!browser->openLinks());
}

void TestWelcomePage::onlinePageWhenTheLastCheckWasGreen()
{
    TLocalHttpServer server;
    QVERIFY(server.isListening());
    server.setFile("/vlminfo/index.html", "<html><body><p>News from the maker</p></body></html>");
    TdtmMain dm;
    TOnlineWatchHandler online(dm, server.baseUrl());
    SetInternetStatus(InternetGreen);
    QSignalSpy shown(welcome(), &TfraWelcome::pageShown);
    welcome()->ActivatePage();
    QTRY_COMPARE(shown.count(), 1);
    QCOMPARE(welcome()->shownPage().path(), QStringLiteral("/vlminfo/index.html"));
    auto *browser = welcome()->findChild<QTextBrowser *>(QStringLiteral("wb"));
    QVERIFY(browser->toPlainText().contains(QStringLiteral("News from the maker")));

    // A server that lost its page: the local one stands in.
    server.clear();
    welcome()->ActivatePage();
    QTRY_COMPARE(shown.count(), 2);
    QVERIFY(welcome()->shownPage().isLocalFile());
}

void TestWelcomePage::everyManualHasEveryContext()
{
    for (const char *manual : {"MANUAL_EN.HLP", "MANUAL_NL.HLP", "MANUAL_FR.HLP"}) {
        QFile file(ProgramFile(QStringLiteral("Help/") + QLatin1String(manual)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        for (int context : {1, 10, 11, 12, 13, 14, 15, 16, 17, 19})
            QVERIFY2(
                html.contains(QByteArray("<a name=\"" + QByteArray::number(context) + "\">")),
                qPrintable(QStringLiteral("%1 lacks %2").arg(QLatin1String(manual)).arg(context)));
    }
}

QTEST_MAIN(TestWelcomePage)
#include "test_welcomepage.moc"
