// The fixture of the end-to-end test and run 1 through the pages; the files the run
// leaves are checked in test_endtoend_files.cpp, run 2 in test_endtoend_lowpower.cpp.
#include "app/mainwindow.h"
#include "base/applicationstate.h"
#include "base/clock.h"
#include "base/currentselection.h"
#include "base/meridoxbinding.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "e2estation.h"
#include "endtoend.h"
#include "exposure/engine/engine.h"
#include "exposure/engine/limits.h"
#include "exposure/evaluation.h"
#include "exposure/ui/criticalpntspage.h"
#include "outputfiles.h"
#include "reports/ui/printoperations.h"
#include "shell/ui/pagebase.h"
#include "shell/ui/statusbar.h"
#include "shell/wizardpages.h"
#include "store/datamodule.h"
#include "wizarddriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>
#include <cmath>

TestEndToEnd::TestEndToEnd() = default;
TestEndToEnd::~TestEndToEnd() = default;

QString TestEndToEnd::ownerFolder(const QString &call) const
{
    return QDir(m_program).filePath(call);
}

QString TestEndToEnd::mainDatabase() const
{
    return QDir(m_program).filePath(QStringLiteral("VlmMain.mdb"));
}

void TestEndToEnd::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // nothing lands in the tester's own folders
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    // For a look at what the runs wrote: VLM_KEEP_OUTPUT set keeps the test's folder.
    if (!qEnvironmentVariableIsEmpty("VLM_KEEP_OUTPUT")) {
        m_root->setAutoRemove(false);
        qInfo("the program folder and vlmcli's files stay in %s", qPrintable(m_root->path()));
    }
    m_program = m_root->filePath(QStringLiteral("program"));
    QVERIFY(QDir().mkpath(m_program));
    const struct {
        const char *from;
        const char *to;
    } files[] = {{VLM_TEST_DB, "VlmMain.mdb"},
                 {VLM_TEST_EXPORT_DB, "Empty_Vlm.mdb"},
                 {VLM_SOURCE_DIR "/data/LowPower.res", "LowPower.res"},
                 {VLM_MERIDOX_LIBRARY, "libmeridox.so"}};
    for (const auto &f : files) {
        const QString target = QDir(m_program).filePath(QLatin1String(f.to));
        QVERIFY2(QFile::copy(QLatin1String(f.from), target), f.from);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    SetProgramFolder(m_program);
    SetPreferenceFile(m_root->filePath(QStringLiteral("prefs.ini")));
    TPreferences::setOwnerLan(0); // English pages whatever the machine's language
    // Dates printed in documents and archive comments.
    SetClockOverride(QDateTime(QDate(2026, 3, 14), QTime(10, 30)));
    SetPreviewSuppressed(true); // a stray preview would wait for a user
    // An open drop-down list ignores clicks within this time; no page has a double click
    // that the test uses.
    QApplication::setDoubleClickInterval(100);
    // As at the program's start: the conversion library from the program's folder.
    QVERIFY2(LoadConversionLibrary().loaded, qPrintable(LoadConversionLibrary().errorText));
}

void TestEndToEnd::cleanupTestCase()
{
    if (m_window) {
        SetSkipExitConfirmation(true);
        m_window->close();
    }
    m_user.reset();
    m_window.reset();
    m_dm.reset();
    SetClockOverride(QDateTime());
    SetPreviewSuppressed(false);
    SetPreferenceFile(QString());
    SetProgramFolder(QString());
}

void TestEndToEnd::init()
{
    const QString run = QString::fromLatin1(QTest::currentTestFunction()).section(u'_', 0, 0);
    if (m_brokenRuns.contains(run))
        QSKIP("an earlier step of this run failed");
    ClearShownMessages();
}

void TestEndToEnd::cleanup()
{
    if (QTest::currentTestFailed())
        m_brokenRuns.insert(QString::fromLatin1(QTest::currentTestFunction()).section(u'_', 0, 0));
}

// As the program starts (without the single-instance guard, the splash, the online
// watch and the self-update check, which need a server): data module, main window,
// first show that connects to the database beside the program.
void TestEndToEnd::startProgram()
{
    m_user.reset();
    m_window.reset();
    m_dm.reset();
    CurrentSelection().clear(); // a new process
    SetSkipExitConfirmation(false);
    m_dm = std::make_unique<TdtmMain>();
    m_window = std::make_unique<TfrmMain>(m_dm.get());
    m_window->SetUpdateCheckEnabled(false);
    QSignalSpy firstShow(m_window.get(), &TfrmMain::firstShowDone);
    m_window->show();
    QVERIFY(firstShow.wait(10000));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_user = std::make_unique<TWizardDriver>(*m_window);
    QCOMPARE(m_window->statusBar()->panelText(TStatusBar::PanelConnection),
             QStringLiteral("Connected"));
}

// The submission page's "&Close", confirmed.
void TestEndToEnd::closeProgram()
{
    ClearShownMessages();
    SetNextAnswer(AnswerYes);
    QVERIFY(m_user->next());
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(TWizardDriver::messages(),
             QStringList{QStringLiteral("Leaving VLM: Are you sure you want to leave VLM ?")});
    m_user.reset();
    m_window.reset();
    m_dm.reset(); // closes the database, as the end of the process does
}

void TestEndToEnd::enterOwner(const QString &call, const QString &firstName, const QString &name,
                              const QString &address, const QString &zip)
{
    TWizardDriver &u = *m_user;
    QVERIFY(u.type("dbeCall", call.toLower()));
    QCOMPARE(u.find<QLineEdit>("dbeCall")->text(), call); // upper-cased as typed
    QVERIFY(u.type("dbeFname", firstName));
    QVERIFY(u.type("dbeSname", name));
    QVERIFY(u.type("dbeAddrMain", address));
    QVERIFY(u.choose("dblZip", zip));
    QVERIFY(u.type("dbePhHome", QStringLiteral("09 123 45 67")));
    QVERIFY(u.choose("dblLanguage", QStringLiteral("English")));
    QVERIFY(u.type("dbeEmail", call.toLower() + QStringLiteral("@example.org")));
    QVERIFY(u.click("rbnSpecCase0"));              // Normal Case
    QVERIFY(!u.page()->nextButton()->isEnabled()); // not before Save
}

void TestEndToEnd::run1_startsOnTheEmptyShippedDatabase()
{
    // "Empty" is a database with its reference tables and no user data at all.
    const QString db = mainDatabase();
    QCOMPARE(DatabaseColumn(
                 db, QStringLiteral("SELECT (SELECT COUNT(*) FROM tblOwner) || '/' || (SELECT "
                                    "COUNT(*) FROM tblTower) || '/' || (SELECT COUNT(*) FROM "
                                    "tblStation) || '/' || (SELECT COUNT(*) FROM tblCriticalPnt) "
                                    "|| '/' || (SELECT COUNT(*) FROM tblListAnt WHERE "
                                    "IdAntFamily = 49)")),
             QStringList{QStringLiteral("0/0/0/0/0")});
    QVERIFY(DatabaseColumn(db, QStringLiteral("SELECT COUNT(*) FROM tblListAnt")).value(0).toInt() >
            40);

    startProgram();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_user->activePage(), int(PageWelcome));
    QCOMPARE(CurrentSelection().ownerId, 0);
    QVERIFY(m_user->next());
    QCOMPARE(m_user->activePage(), int(PageUserData));
    QCOMPARE(m_window->PageTitleText(), QStringLiteral("User Personal Data"));
    // No owner yet: the page waits for the first one.
    QVERIFY(!m_user->find<QPushButton>("bbnUserAdd")->isVisible());
    QVERIFY(!m_user->find<QComboBox>("cbxSelUserData")->isVisible());
    QVERIFY(!m_user->page()->nextButton()->isEnabled());
    QVERIFY(!m_user->find<QPushButton>("bbnToQrp")->isEnabled());
    QVERIFY(m_user->find<QLineEdit>("dbeCall")->hasFocus());
}

void TestEndToEnd::run1_ownerIsEnteredAndSaved()
{
    TWizardDriver &u = *m_user;
    enterOwner(QString::fromLatin1(Station::Call), QStringLiteral("Jan"), QStringLiteral("Peeters"),
               QStringLiteral("Veldstraat 12"), QStringLiteral("9000"));
    if (QTest::currentTestFailed())
        return;
    // An English owner's documents name the town in French; the list shows that name.
    QCOMPARE(u.find<QComboBox>("dblCity")->currentText(), QStringLiteral("Gand"));
    QVERIFY(u.click("bbnUserSave"));
    VERIFY_NO_MESSAGE();

    // The personal directory: the program's folder and the call.
    const QString folder = ownerFolder(QString::fromLatin1(Station::Call));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(u.find<QLineEdit>("dbeUserDir")->text(), folder);
    QCOMPARE(CurrentSelection().userDirectory, folder);
    QCOMPARE(CurrentSelection().languageId, 1);
    QCOMPARE(m_window->statusBar()->panelText(TStatusBar::PanelCall),
             QString::fromLatin1(Station::Call));
    QCOMPARE(DatabaseColumn(mainDatabase(),
                            QStringLiteral("SELECT OwnerCall || '/' || OwnerFname || '/' || "
                                           "OwnerName || '/' || OwnerAddress1 || '/' || "
                                           "IdLanguage || '/' || OwnerSpecCase FROM tblOwner")),
             QStringList{QStringLiteral("ON4VLM/Jan/Peeters/Veldstraat 12/1/0")});
    QVERIFY(u.find<QPushButton>("bbnToQrp")->isEnabled());
    QVERIFY(u.next());
    QCOMPARE(u.activePage(), int(PageSiteDef));
}

void TestEndToEnd::run1_siteIsTypedInLambert72AndConverted()
{
    TWizardDriver &u = *m_user;
    // The site groups open once the site's address is saved; here it is the owner's.
    QVERIFY(!u.find<QGroupBox>("gbxLocation")->isVisible());
    QVERIFY(u.click("bbnSiteCopy"));
    QCOMPARE(u.find<QLineEdit>("dbeSiteAddr1")->text(), QStringLiteral("Veldstraat 12"));
    QCOMPARE(u.find<QComboBox>("dblSiteZip")->currentText(), QStringLiteral("9000"));
    QVERIFY(u.click("bbnSiteSave"));
    QVERIFY(u.find<QGroupBox>("gbxLocation")->isVisible());
    QTRY_VERIFY(u.find<QLineEdit>("dbmLocLamX")->hasFocus());

    // X, Tab, Y, Enter: leaving the complete pair converts it.
    QVERIFY(u.type("dbmLocLamX", QString::number(Station::LambertX)));
    QTest::keyClick(u.find<QLineEdit>("dbmLocLamX"), Qt::Key_Tab);
    QTRY_VERIFY(u.find<QLineEdit>("dbmLocLamY")->hasFocus());
    QVERIFY(u.find<QLineEdit>("dbmLocLatNDeg")->text().isEmpty());
    QTest::keyClicks(u.find<QLineEdit>("dbmLocLamY"), QString::number(Station::LambertY));
    QTest::keyClick(u.find<QLineEdit>("dbmLocLamY"), Qt::Key_Return);
    QTRY_VERIFY(u.find<QLineEdit>("dbeLocRem")->hasFocus());

    Wgs84DmsTexts dms;
    QVERIFY(Lambert72ToWgs84(QString::number(Station::LambertX), QString::number(Station::LambertY),
                             &dms));
    const QStringList shown = {
        u.find<QLineEdit>("dbmLocLatNDeg")->text(),  u.find<QLineEdit>("dbmLocLatNMin")->text(),
        u.find<QLineEdit>("dbmLocLatNSec")->text(),  u.find<QLineEdit>("dbmLocLongEDeg")->text(),
        u.find<QLineEdit>("dbmLocLongEMin")->text(), u.find<QLineEdit>("dbmLocLongESec")->text()};
    QCOMPARE(shown,
             (QStringList{dms.latDeg, dms.latMin, dms.latSec, dms.lonDeg, dms.lonMin, dms.lonSec}));
    // The point lies in Gent: 51° 03' N, 3° 43' E within a few minutes.
    QCOMPARE(shown.mid(0, 1), QStringList{QStringLiteral("51")});
    QCOMPARE(shown.mid(3, 1), QStringList{QStringLiteral("3")});
    QVERIFY2(std::abs(shown[1].toInt() - 3) <= 2 && std::abs(shown[4].toInt() - 43) <= 3,
             qPrintable(shown.join(u' ')));
    QVERIFY(!u.find<QLabel>("lblInvalidValues")->isVisible());
    QCOMPARE(u.find<QLineEdit>("dbmLocLamX")->text(), QString::number(Station::LambertX));

    QVERIFY(u.type("dbeLocRem", QStringLiteral("Garden mast")));
    QVERIFY(u.click("bbnLocSave"));
    VERIFY_NO_MESSAGE();
    QCOMPARE(u.find<QLabel>("dbtLocName")->text(), QStringLiteral("Location_01"));
    QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_01"));
    QCOMPARE(m_window->statusBar()->panelText(TStatusBar::PanelSite),
             QStringLiteral("Location_01"));
    QCOMPARE(DatabaseColumn(mainDatabase(),
                            QStringLiteral("SELECT TowerName || '/' || TowerMain || '/' || "
                                           "TowerCoordLamX || '/' || TowerCoordLamY || '/' || "
                                           "TowerCoordWgsNd || '/' || TowerCoordWgsNm || '/' || "
                                           "TowerCoordWgsNs || '/' || TowerCoordWgsEd || '/' || "
                                           "TowerCoordWgsEm || '/' || TowerCoordWgsEs || '/' || "
                                           "TowerRem FROM tblTower")),
             QStringList{QStringLiteral("Location_01/1/%1/%2/%3/%4/%5/%6/%7/%8/Garden mast")
                             .arg(Station::LambertX)
                             .arg(Station::LambertY)
                             .arg(shown[0].toInt())
                             .arg(shown[1].toInt())
                             .arg(shown[2].toInt())
                             .arg(shown[3].toInt())
                             .arg(shown[4].toInt())
                             .arg(shown[5].toInt())});
    QVERIFY(u.next());
    QCOMPARE(u.activePage(), int(PageAntennaDef));
}

void TestEndToEnd::run1_catalogueYagiAndCustomDishArePlaced()
{
    TWizardDriver &u = *m_user;
    QVERIFY(!u.page()->nextButton()->isEnabled()); // no placement yet

    // A catalogue antenna: family, then the antenna, then its placement.
    QVERIFY(u.clickListItem("lsbAntSelKind", QStringLiteral("Yagis")));
    QVERIFY(u.clickTableRow("dbgAntSelect", {QString::fromLatin1(Station::YagiType),
                                             QString::fromLatin1(Station::YagiMake)}));
    QCOMPARE(u.find<QLineEdit>("dbeV00")->text(), FormatNumber(Station::Yagi.gain));
    QCOMPARE(u.find<QLineEdit>("dbeAntFreq")->text(), FormatNumber(Station::Yagi.frequency));
    QVERIFY(u.click("bbnAntProjAdd"));
    QVERIFY(u.type("dbmAntProjHeight", QStringLiteral("12")));
    QVERIFY(u.type("dbmAntProjTilt", QStringLiteral("5")));
    QVERIFY(u.type("dbeAntProjRem", QStringLiteral("Rotator on the roof mast")));
    QVERIFY(u.click("bbnAntProjSave"));
    VERIFY_NO_MESSAGE();
    QCOMPARE(CurrentSelection().placementRef, QStringLiteral("Loc01-Ant01"));
    QVERIFY(u.page()->nextButton()->isEnabled());

    // A custom antenna: the home-made dish with its pattern and diameter in wavelengths.
    QVERIFY(u.clickTab("pgcAntennas", 1));
    QVERIFY(u.click("bbnAntCustomAdd"));
    QVERIFY(u.type("dbeAntCustomType", QString::fromLatin1(Station::DishType)));
    QVERIFY(u.type("dbeAntCustomMake", QStringLiteral("Home made, 13 cm")));
    QVERIFY(u.choose("dblAntCustomPol", QStringLiteral("Horizontal")));
    QVERIFY(u.choose("dblAntCustomBand", QStringLiteral("13 cm")));
    for (int i = 0; i < 10; ++i) {
        const QByteArray field =
            QStringLiteral("dbeVi%1").arg(i * 10, 2, 10, QLatin1Char('0')).toLatin1();
        QVERIFY(u.type(field.constData(), FormatNumber(Station::Dish.pattern[i])));
    }
    QVERIFY(u.type("dbeLambda", QString::number(Station::Dish.apertureSize)));
    QVERIFY(u.click("bbnAntCustomSave"));
    VERIFY_NO_MESSAGE();
    QCOMPARE(u.find<QTableWidget>("dbgAntCustom")->rowCount(), 1);

    // Back on the selection tab the dish is placed from the custom family.
    QVERIFY(u.clickTab("pgcAntennas", 0));
    QVERIFY(u.clickListItem("lsbAntSelKind", QStringLiteral("Custom antennas")));
    QVERIFY(u.clickTableRow("dbgAntSelect", {QString::fromLatin1(Station::DishType)}));
    QCOMPARE(u.find<QLineEdit>("dbeAntFreq")->text(), FormatNumber(Station::Dish.frequency));
    QVERIFY(u.click("bbnAntProjAdd"));
    QVERIFY(u.type("dbmAntProjHeight", QStringLiteral("8")));
    QVERIFY(u.click("bbnAntProjSave"));
    VERIFY_NO_MESSAGE();
    QCOMPARE(CurrentSelection().placementRef, QStringLiteral("Loc01-Ant02"));
    QCOMPARE(u.find<QTableWidget>("dbgAntProjSiteConf")->rowCount(), 2);
    QCOMPARE(m_window->statusBar()->panelText(TStatusBar::PanelPlacement),
             QStringLiteral("Loc01-Ant02"));

    QCOMPARE(DatabaseColumn(
                 mainDatabase(),
                 QStringLiteral("SELECT AntennasRef || '/' || AntType || '/' || IdBandFreqSt || "
                                "'/' || AntennasHeight || '/' || AntennasTilt || '/' || "
                                "AntennasPol || '/' || AntExtra || '/' || AntV00 FROM tblStation "
                                "JOIN tblListAnt USING (IdListAnt) ORDER BY AntennasRef")),
             (QStringList{QStringLiteral("Loc01-Ant01/9-element Yagi/12/12.0/5.0/H//13.0"),
                          QStringLiteral("Loc01-Ant02/Dish 120 cm/15/8.0/0.0/H/9/27.0")}));
    QVERIFY(u.next());
    QCOMPARE(u.activePage(), int(PagePowerFreq));
}

void TestEndToEnd::run1_powerChainsAreSaved()
{
    TWizardDriver &u = *m_user;
    for (const Station::PowerChain &chain : Station::Chains) {
        const QString ref = QString::fromLatin1(chain.ref);
        // The page opens on the first placement with the cursor in its power field.
        if (u.find<QTreeWidget>("trvAntSelect")->currentItem()->text(0) != ref)
            QVERIFY(u.clickTreeItem("trvAntSelect", ref));
        QVERIFY(u.find<QLineEdit>("dbmStTxPower")->hasFocus());
        QCOMPARE(u.find<QLabel>("lblStPowerResTitle")->text(), QStringLiteral("For : ") + ref);
        QCOMPARE(u.find<QLabel>("lblStAntFreq")->text(),
                 FormatNumber(chain.frequency) + QStringLiteral(" MHz"));
        QCOMPARE(u.find<QLabel>("lblStAntGain")->text(), FormatNumber(chain.gain));
        QVERIFY(u.type("dbmStTxPower", FormatNumber(chain.txPower)));
        // A new placement takes the feed-line loss as one typed total; the user
        // switches to cable sections.
        QVERIFY(!u.find<QCheckBox>("cbxStFdrLoss")->isChecked());
        QVERIFY(u.click("cbxStFdrLoss"));
        QVERIFY(u.choose("dblStFdrLossS1", QString::fromLatin1(chain.cable)));
        QVERIFY(u.type("dbmStFdrLossS1", FormatNumber(chain.cableLength)));
        QVERIFY(u.choose("dblStMode", QString::fromLatin1(chain.mode)));
        QVERIFY(u.choose("dblStTime", QString::fromLatin1(chain.txTime)));

        // The power at the antenna and the EIRP, worked out here from the same inputs.
        const double antPower = Station::AntennaPower(chain);
        const auto shownValue = [&u](const char *label) {
            return ParseNumber(u.find<QLabel>(label)->text()).value_or(-999);
        };
        QVERIFY2(std::abs(shownValue("lblStPowerResultDbw") - antPower) < 0.006,
                 qPrintable(u.find<QLabel>("lblStPowerResultDbw")->text()));
        QVERIFY2(std::abs(shownValue("lblStPEirpResultDbw") - (antPower + chain.gain)) < 0.006,
                 qPrintable(u.find<QLabel>("lblStPEirpResultDbw")->text()));
        QVERIFY(u.click("bbnStSave"));
        VERIFY_NO_MESSAGE();
        QVERIFY(!u.find<QPushButton>("bbnStSave")->isEnabled());
        const QStringList stored = DatabaseColumn(
            mainDatabase(),
            QStringLiteral("SELECT AntennasAntPwr || '/' || AntennasEirp FROM tblStation WHERE "
                           "AntennasRef = '%1'")
                .arg(ref));
        QCOMPARE(stored.size(), 1);
        QVERIFY2(std::abs(stored[0].section(u'/', 0, 0).toDouble() - antPower) < 0.006 &&
                     std::abs(stored[0].section(u'/', 1, 1).toDouble() - antPower - chain.gain) <
                         0.006,
                 qPrintable(stored[0]));
    }
    QVERIFY(u.next());
    QCOMPARE(u.activePage(), int(PageCriticalPnts));
}

void TestEndToEnd::addPoint(const QString &distance, const QString &height,
                            const QString &attenuation, const QString &description)
{
    TWizardDriver &u = *m_user;
    QVERIFY(u.click("bbnCtpAdd"));
    QCOMPARE(u.find<QLabel>("lblCtpAddLoc")->text(), QStringLiteral("Location_01"));
    QVERIFY(u.type("memCtpAddDist", distance));
    QVERIFY(u.type("memCtpAddHeight", height));
    QVERIFY(u.choose("cbxAddCtpSpAtt", attenuation));
    QVERIFY(u.type("edtCtpAddRem", description));
    QVERIFY(u.tabAway("edtCtpAddRem")); // with one site, leaving the description offers Save
    QVERIFY(u.click("bbnCtpSave"));
    VERIFY_NO_MESSAGE();
}

void TestEndToEnd::run1_criticalTestPointsAreEvaluated()
{
    TWizardDriver &u = *m_user;
    QVERIFY(!u.page()->nextButton()->isEnabled()); // no point yet
    for (const Station::Point &p : Station::Points) {
        addPoint(FormatNumber(p.distance), FormatNumber(p.height),
                 QString::fromLatin1(p.attenuation), QString::fromUtf8(p.description));
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(u.page()->nextButton()->isEnabled());
    QCOMPARE(DatabaseColumn(mainDatabase(),
                            QStringLiteral("SELECT CriticalPntRef || '/' || CriticalPntDist || '/' "
                                           "|| CriticalPntHeight || '/' || IdSpaceAtt || '/' || "
                                           "CriticalPntRem FROM tblCriticalPnt ORDER BY "
                                           "CriticalPntRef")),
             (QStringList{QStringLiteral("CTP_01/10.0/1.5/1/Neighbour's garden"),
                          QStringLiteral("CTP_02/6.0/4.0/2/Bedroom window"),
                          QStringLiteral("CTP_03/15.0/1.5/1/Street")}));

    // Every point against both placements, each value as the engine gives it for what
    // was typed on the earlier pages.
    auto *points = qobject_cast<TfraCriticalPnts *>(u.page());
    QVERIFY(points);
    const TEvaluation &ev = points->Evaluation();
    QCOMPARE(ev.count(), 6);
    QCOMPARE(u.find<QTableView>("lsvCtpOverView")->model()->rowCount(), 6);
    // The power the power page stored for each placement (rounded as shown there).
    QMap<QString, double> storedPower;
    for (const QString &row : DatabaseColumn(
             mainDatabase(),
             QStringLiteral("SELECT AntennasRef || '/' || AntennasAntPwr FROM tblStation")))
        storedPower.insert(row.section(u'/', 0, 0), row.section(u'/', 1, 1).toDouble());
    int highest = 0;
    for (int i = 0; i < ev.count(); ++i) {
        const Station::Point &p = Station::PointByRef(ev.reference[i]);
        const Station::PowerChain &chain = Station::ChainByRef(ev.antennaRef[i]);
        const double attenuation = chain.frequency >= 1000 ? p.attenuationHigh : p.attenuationLow;
        const double expected = FieldStrength(
            chain.pattern, chain.apertureSize, chain.frequency, chain.tilt, p.distance, p.height,
            storedPower.value(ev.antennaRef[i]) - attenuation, chain.height);
        QVERIFY2(std::abs(ev.fieldStrength[i] - expected) <= 1e-9 * std::max(1.0, expected),
                 qPrintable(QStringLiteral("%1 by %2: %3, not %4")
                                .arg(ev.reference[i], ev.antennaRef[i])
                                .arg(ev.fieldStrength[i])
                                .arg(expected)));
        QCOMPARE(ev.verdict[i], LimitVerdict(ev.fieldStrength[i], chain.frequency));
        if (ev.fieldStrength[i] > ev.fieldStrength[highest])
            highest = i;
    }
    // The summary names the highest value and what it requires.
    const int summaryClass = SummaryClass(ev.fieldStrength[highest], ev.frequency[highest]);
    QCOMPARE(u.find<QLabel>("lblCtpMaxTitle")->text(), QStringLiteral("Maximum Field Strength: "));
    QCOMPARE(u.find<QLabel>("lblCtpMaxValue")->text(),
             FieldStrengthText(ev.fieldStrength[highest]) + QStringLiteral(" V/m"));
    QCOMPARE(u.find<QLabel>("lblCtpMaxLocation")->text(),
             SummaryLocationText(summaryClass, ev.reference[highest], ev.antennaRef[highest]));
    QCOMPARE(u.find<QLabel>("lblCtpMaxResult")->text(), SummaryResultText(summaryClass));
    // Everything stays in the lowest class: a technical antenna file, no terrain study.
    QCOMPARE(summaryClass, 1);
    QCOMPARE(u.find<QLabel>("lblCtpMaxResult")->text(), QStringLiteral("Technical Antenna File"));
    QVERIFY(!CurrentSelection().terrainStudy);
    QVERIFY(u.next());
    QCOMPARE(u.activePage(), int(PageReportView));
}

void TestEndToEnd::run1_reportPdfIsMadeForEachPlacement()
{
    TWizardDriver &u = *m_user;
    const QString folder = ownerFolder(QString::fromLatin1(Station::Call));
    for (const Station::PowerChain &chain : Station::Chains) {
        const QString ref = QString::fromLatin1(chain.ref);
        QVERIFY(u.clickTreeItem("trvAntRepSelect", ref));
        QCOMPARE(u.find<QGroupBox>("gbxReporting")->title(),
                 QStringLiteral("  Report on \"%1\".  ").arg(ref));
        const QString text = u.find<QTextEdit>("retReporting")->toPlainText();
        QVERIFY2(text.startsWith(QStringLiteral("RF EXPOSURE REPORT - ANTENNA ") + ref),
                 qPrintable(text.left(200)));
        for (const Station::Point &p : Station::Points)
            QVERIFY2(text.contains(QStringLiteral("   ") + QLatin1String(p.ref)), p.ref);
        m_reportText.insert(ref, text);
        ClearShownMessages();
        QVERIFY(u.click("bbnRepFiles"));
        QCOMPARE(TWizardDriver::messages(),
                 QStringList{QStringLiteral("VLM Reporting: The Report was saved... (%1)")
                                 .arg(QDir::toNativeSeparators(folder))});
        QVERIFY(
            QFileInfo::exists(QDir(folder).filePath(QStringLiteral("ON4VLM_VLM_%1.pdf").arg(ref))));
    }
    ClearShownMessages();
    QVERIFY(u.click("bbnRepExposure"));
    QCOMPARE(TWizardDriver::messages(),
             QStringList{QStringLiteral("VLM Reporting: The exposure summary was saved... (%1)")
                             .arg(QDir::toNativeSeparators(folder))});
    QVERIFY(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("ON4VLM_VLM_Exposure.pdf"))));
    QVERIFY(u.next());
    QCOMPARE(u.activePage(), int(PageBiptData));
}

void TestEndToEnd::run1_submissionPageMakesExportLetterAndZip()
{
    TWizardDriver &u = *m_user;
    const QString folder = ownerFolder(QString::fromLatin1(Station::Call));
    QCOMPARE(u.page()->nextButton()->text(), QStringLiteral("&Close"));
    QVERIFY(!u.find<QGroupBox>("gbxTerrStudy")->isVisible()); // no terrain study needed
    QCOMPARE(u.find<QLabel>("lblStepCreateMdb")->text(), QStringLiteral("1"));
    QCOMPARE(u.find<QGroupBox>("gbxAllFiles")->title(),
             QStringLiteral("  All Files in Personal Directory (%1/...)  ").arg(folder));

    QVERIFY(u.click("bbnCreateMdb"));
    const QString mdb = QDir(folder).filePath(QStringLiteral("ON4VLM_Vlm.mdb"));
    QCOMPARE(TWizardDriver::messages(),
             QStringList{QStringLiteral("VLM Last Steps: The export database was written as :\n") +
                         QDir::toNativeSeparators(mdb) + QStringLiteral("\nAntennas in it: 2")});
    ClearShownMessages();
    QVERIFY(QFileInfo::exists(mdb));
    QVERIFY(u.click("bbnSaveLetter"));
    VERIFY_NO_MESSAGE();
    QVERIFY(u.click("bbnCreateZip"));
    QCOMPARE(TWizardDriver::messages(),
             QStringList{QStringLiteral("VLM Last Steps: All files have been written in a ZIP "
                                        "File as :\n") +
                         QDir(folder).filePath(QStringLiteral("ON4VLM_Vlm.zip"))});

    // The file list shows what the personal directory now holds.
    QStringList listed;
    auto *files = u.find<QTreeWidget>("lsvAllFiles");
    for (int i = 0; i < files->topLevelItemCount(); ++i)
        listed << files->topLevelItem(i)->text(0);
    for (const QString &name : FolderFiles(folder))
        QVERIFY2(listed.contains(name), qPrintable(name));
    closeProgram();
}

QTEST_MAIN(TestEndToEnd)
