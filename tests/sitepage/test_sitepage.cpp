// The site page in a window of its own: coordinate fields and their
// conversion, saving and deleting sites, and the site description.
#include "base/meridoxbinding.h"
#include "pagefixture.h"
#include "pages/ui/sitedef.h"
#include "shell/wizardpages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

class TestSitePage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void lambertPairFillsWgs84AndMovesToRemark();
    void leavingAGroupConverts_data();
    void leavingAGroupConverts();
    void coordinateFieldsTakeDigitsUpToTheirLength_data();
    void coordinateFieldsTakeDigitsUpToTheirLength();
    void withoutTheLibraryTypingStillWorks();
    void cancelRestoresTheStoredSite();
    void saveReportsTheFirstFailingField();
    void firstSiteOfANewOwnerIsLocation01AndMain();
    void secondSiteShowsTheSelector();
    void conversionOnAnExistingSiteIsStoredAtOnce();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deletingTheOnlySiteLeavesInsertState();
    void deletingTheLastListedSiteMakesTheFirstCurrent();
    void overviewClickSelectsTheSite();
    void clearingTheAddressHidesTheSiteGroups();
    void copyTakesTheOwnersAddress();
    void hintStandsWhereTheSiteGroupWillAppear_data();
    void hintStandsWhereTheSiteGroupWillAppear();
    void typingAPostcodePicksItsMainTown();
    void siteNoteIsStoredAsTyped();
    void saveRefusesCoordinatesThatCannotBe_data();
    void saveRefusesCoordinatesThatCannotBe();
    void leavingWithPendingEditsAsks_data();
    void leavingWithPendingEditsAsks();

private:
    void openPage();
    QLineEdit *edit(const char *name) const;
    QPushButton *button(const char *name) const;
    void leave(const char *name);
    int siteCount(qint32 owner);

    PageFixture *m_db = nullptr;
    TfraSiteDef *m_page = nullptr;
    qint32 m_owner = 0;
};

void TestSitePage::init()
{
    m_db = new PageFixture;
    QVERIFY(m_db->open());
    m_owner = m_db->addOwner();
}

void TestSitePage::cleanup()
{
    delete m_page;
    m_page = nullptr;
    delete m_db;
    m_db = nullptr;
    CurrentSelection().clear();
}

void TestSitePage::openPage()
{
    m_page = new TfraSiteDef(m_db->host);
    m_page->resize(1000, 700);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_page));
    m_page->ActivatePage();
}

QLineEdit *TestSitePage::edit(const char *name) const
{
    auto *e = m_page->findChild<QLineEdit *>(QLatin1String(name));
    if (!e)
        qFatal("no line edit %s", name);
    return e;
}

QPushButton *TestSitePage::button(const char *name) const
{
    auto *b = m_page->findChild<QPushButton *>(QLatin1String(name));
    if (!b)
        qFatal("no button %s", name);
    return b;
}

// Gives the focus to the field, then takes it away again.
void TestSitePage::leave(const char *name)
{
    edit(name)->setFocus();
    QTRY_VERIFY(edit(name)->hasFocus());
    edit("dbeSiteRef")->setFocus();
    QTRY_VERIFY(!edit(name)->hasFocus());
}

int TestSitePage::siteCount(qint32 owner)
{
    return m_db
        ->value(QStringLiteral("SELECT COUNT(*) FROM tblTower WHERE IdOwner = %1").arg(owner))
        .toInt();
}

void TestSitePage::lambertPairFillsWgs84AndMovesToRemark()
{
    openPage();
    QVERIFY(m_page->siteInsertMode());
    QLineEdit *x = edit("dbmLocLamX");
    x->setFocus();
    QTest::keyClicks(x, QStringLiteral("150000"));
    QTest::keyClick(x, Qt::Key_Tab); // on to Lambert (Y), nothing to convert yet
    QTRY_VERIFY(edit("dbmLocLamY")->hasFocus());
    QVERIFY(edit("dbmLocLatNDeg")->text().isEmpty());
    QTest::keyClicks(edit("dbmLocLamY"), QStringLiteral("170000"));
    QTest::keyClick(edit("dbmLocLamY"), Qt::Key_Return);

    QTRY_VERIFY(edit("dbeLocRem")->hasFocus());
    QCOMPARE(edit("dbmLocLatNDeg")->text(), QStringLiteral("50"));
    QCOMPARE(edit("dbmLocLatNMin")->text(), QStringLiteral("50"));
    QCOMPARE(edit("dbmLocLatNSec")->text(), QStringLiteral("25"));
    QCOMPARE(edit("dbmLocLongEDeg")->text(), QStringLiteral("4"));
    QCOMPARE(edit("dbmLocLongEMin")->text(), QStringLiteral("22"));
    QCOMPARE(edit("dbmLocLongESec")->text(), QStringLiteral("08"));
    QVERIFY(!m_page->findChild<QLabel *>(QStringLiteral("lblInvalidValues"))->isVisible());
    QVERIFY(button("bbnLocSave")->isEnabled());
    // The focus passed through the WGS84 group on its way to "Remark": what the
    // user typed stays, it is not replaced by its own rounded round trip.
    QCOMPARE(edit("dbmLocLamX")->text(), QStringLiteral("150000"));
    QCOMPARE(edit("dbmLocLamY")->text(), QStringLiteral("170000"));
}

void TestSitePage::leavingAGroupConverts_data()
{
    QTest::addColumn<QStringList>("typed"); // X, Y, lon d m s, lat d m s
    QTest::addColumn<QString>("leaving");
    QTest::addColumn<QString>("indicator"); // empty: hidden
    QTest::addColumn<bool>("converted");

    const QString noWgs = QStringLiteral(",,,,,");
    QTest::newRow("Lambert pair in range")
        << QString(QStringLiteral("150000,170000,") + noWgs).split(QLatin1Char(','))
        << QStringLiteral("dbmLocLamX") << "" << true;
    QTest::newRow("X beyond Belgium")
        << QString(QStringLiteral("300000,170000,") + noWgs).split(QLatin1Char(','))
        << QStringLiteral("dbmLocLamX") << "< Invalid Values" << false;
    QTest::newRow("Y below the range")
        << QString(QStringLiteral("150000,20000,") + noWgs).split(QLatin1Char(','))
        << QStringLiteral("dbmLocLamY") << "< Invalid Values" << false;
    QTest::newRow("X with four digits is incomplete")
        << QString(QStringLiteral("1500,170000,") + noWgs).split(QLatin1Char(','))
        << QStringLiteral("dbmLocLamX") << "" << false;
    QTest::newRow("WGS84 set in range")
        << QStringLiteral(",,4,21,0,50,51,0").split(QLatin1Char(','))
        << QStringLiteral("dbmLocLatNSec") << "" << true;
    QTest::newRow("longitude degrees must be one digit")
        << QStringLiteral(",,10,21,0,50,51,0").split(QLatin1Char(','))
        << QStringLiteral("dbmLocLongEDeg") << "" << false;
    QTest::newRow("latitude 53 is outside Belgium")
        << QStringLiteral(",,4,21,0,53,51,0").split(QLatin1Char(','))
        << QStringLiteral("dbmLocLatNDeg") << "Invalid Values >" << false;
    QTest::newRow("minutes above 59")
        << QStringLiteral(",,4,61,0,50,51,0").split(QLatin1Char(','))
        << QStringLiteral("dbmLocLongEMin") << "Invalid Values >" << false;
    QTest::newRow("empty seconds are incomplete")
        << QStringLiteral(",,4,21,,50,51,0").split(QLatin1Char(','))
        << QStringLiteral("dbmLocLatNDeg") << "" << false;
}

void TestSitePage::leavingAGroupConverts()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, leaving);
    QFETCH(QString, indicator);
    QFETCH(bool, converted);
    openPage();
    const char *names[] = {"dbmLocLamX",     "dbmLocLamY",    "dbmLocLongEDeg", "dbmLocLongEMin",
                           "dbmLocLongESec", "dbmLocLatNDeg", "dbmLocLatNMin",  "dbmLocLatNSec"};
    for (int i = 0; i < 8; ++i)
        edit(names[i])->setText(typed.at(i));
    leave(qPrintable(leaving));

    auto *label = m_page->findChild<QLabel *>(QStringLiteral("lblInvalidValues"));
    QCOMPARE(label->isVisible(), !indicator.isEmpty());
    if (!indicator.isEmpty())
        QCOMPARE(label->text(), indicator);

    const bool fromLambert = leaving.startsWith(QLatin1String("dbmLocLam"));
    QStringList now;
    for (const char *name : names)
        now << edit(name)->text();
    if (!converted) {
        QCOMPARE(now, typed);
        return;
    }
    if (fromLambert) {
        Wgs84DmsTexts dms;
        QVERIFY(Lambert72ToWgs84(typed.at(0), typed.at(1), &dms));
        QCOMPARE(now.mid(2), QStringList({dms.lonDeg, dms.lonMin, dms.lonSec, dms.latDeg,
                                          dms.latMin, dms.latSec}));
    } else {
        QString x, y;
        QVERIFY(Wgs84ToLambert72(typed.at(5), typed.at(6), typed.at(7), typed.at(2), typed.at(3),
                                 typed.at(4), &x, &y));
        QCOMPARE(now.mid(0, 2), QStringList({x, y}));
        QVERIFY2(x.toInt() > 140000 && x.toInt() < 160000, qPrintable(x));
    }
    QTRY_VERIFY(edit("dbeLocRem")->hasFocus());
}

void TestSitePage::coordinateFieldsTakeDigitsUpToTheirLength_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("seventh Lambert digit") << QStringLiteral("dbmLocLamX") << "1234567"
                                           << "123456";
    QTest::newRow("third minutes digit") << QStringLiteral("dbmLocLongEMin") << "123"
                                         << "12";
    QTest::newRow("fourth degrees digit") << QStringLiteral("dbmLocLatNDeg") << "5012"
                                          << "501";
    QTest::newRow("letters, signs and separators") << QStringLiteral("dbmLocLamY") << "1a-2,3.4 "
                                                   << "1234";
}

void TestSitePage::coordinateFieldsTakeDigitsUpToTheirLength()
{
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    openPage();
    QLineEdit *e = edit(qPrintable(field));
    e->setFocus();
    QTest::keyClicks(e, keys);
    QCOMPARE(e->text(), expected);
    QTest::keyClick(e, Qt::Key_Backspace);
    QCOMPARE(e->text(), expected.chopped(1));
}

void TestSitePage::withoutTheLibraryTypingStillWorks()
{
    ResetConversionLibrary();
    openPage();
    QTest::keyClicks(edit("dbmLocLamX"), QStringLiteral("150000"));
    QTest::keyClicks(edit("dbmLocLamY"), QStringLiteral("170000"));
    leave("dbmLocLamY");
    QVERIFY(edit("dbmLocLatNDeg")->text().isEmpty()); // nothing written, not even zeros
    QVERIFY(!m_page->findChild<QLabel *>(QStringLiteral("lblInvalidValues"))->isVisible());
    QCOMPARE(edit("dbmLocLamY")->text(), QStringLiteral("170000"));
    QVERIFY(button("bbnLocSave")->isEnabled());
}

void TestSitePage::cancelRestoresTheStoredSite()
{
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    openPage();
    QVERIFY(button("bbnLocAdd")->isEnabled());
    QTest::keyClicks(edit("dbeLocRem"), QStringLiteral("temporary"));
    QVERIFY(button("bbnLocSave")->isEnabled());
    QVERIFY(button("bbnLocCancel")->isEnabled());
    QVERIFY(!button("bbnLocAdd")->isEnabled());
    button("bbnLocCancel")->click();
    QVERIFY(edit("dbeLocRem")->text().isEmpty());
    QVERIFY(!button("bbnLocSave")->isEnabled());
    QVERIFY(button("bbnLocAdd")->isEnabled());
    QVERIFY(m_page->nextButton()->isEnabled());

    // Cancelling a new site returns to the stored one.
    button("bbnLocAdd")->click();
    edit("dbmLocLamX")->setText(QStringLiteral("99"));
    button("bbnLocCancel")->click();
    QVERIFY(!m_page->siteInsertMode());
    QCOMPARE(edit("dbmLocLamX")->text(), QStringLiteral("150000"));
    QCOMPARE(siteCount(m_owner), 1);
}

void TestSitePage::saveReportsTheFirstFailingField()
{
    openPage();
    const QStringList values = {
        QStringLiteral("0"), QStringLiteral("170000"), QStringLiteral("4"),  QStringLiteral("22"),
        QStringLiteral("8"), QStringLiteral("50"),     QStringLiteral("50"), QStringLiteral("")};
    const char *names[] = {"dbmLocLamX",     "dbmLocLamY",    "dbmLocLongEDeg", "dbmLocLongEMin",
                           "dbmLocLongESec", "dbmLocLatNDeg", "dbmLocLatNMin",  "dbmLocLatNSec"};
    for (int i = 0; i < 8; ++i)
        edit(names[i])->setText(values.at(i));
    ClearShownMessages();
    button("bbnLocSave")->click();
    const QList<ShownMessage> shown = ShownMessages();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().caption, QStringLiteral("Antenna Location"));
    QCOMPARE(shown.first().text,
             QStringLiteral("There is no correct value for the \"Lambert (X)\" field !"));
    QCOMPARE(shown.first().kind, int(MessageError));
    QTRY_VERIFY(edit("dbmLocLamX")->hasFocus());
    QVERIFY(!m_page->nextButton()->isEnabled());
    QCOMPARE(siteCount(m_owner), 0);

    // With X put right, the empty latitude seconds are next.
    edit("dbmLocLamX")->setText(QStringLiteral("150000"));
    ClearShownMessages();
    button("bbnLocSave")->click();
    QCOMPARE(ShownMessages().first().text,
             QStringLiteral("There is no correct value for the \"Latitude (Sec.)\" field !"));
    QTRY_VERIFY(edit("dbmLocLatNSec")->hasFocus());
}

void TestSitePage::firstSiteOfANewOwnerIsLocation01AndMain()
{
    openPage();
    QVERIFY(!m_page->nextButton()->isEnabled());
    auto *main = m_page->findChild<QCheckBox *>(QStringLiteral("dbcLocMain"));
    QVERIFY(!main->isChecked());
    const QStringList values = {QStringLiteral("150000"), QStringLiteral("170000"),
                                QStringLiteral("4"),      QStringLiteral("22"),
                                QStringLiteral("8"),      QStringLiteral("50"),
                                QStringLiteral("50"),     QStringLiteral("25")};
    const char *names[] = {"dbmLocLamX",     "dbmLocLamY",    "dbmLocLongEDeg", "dbmLocLongEMin",
                           "dbmLocLongESec", "dbmLocLatNDeg", "dbmLocLatNMin",  "dbmLocLatNSec"};
    for (int i = 0; i < 8; ++i)
        edit(names[i])->setText(values.at(i));
    edit("dbeLocRem")->setText(QStringLiteral("garden mast"));
    button("bbnLocSave")->click();

    QVERIFY(ShownMessages().isEmpty());
    QCOMPARE(
        m_db->value(QStringLiteral("SELECT TowerName || '/' || TowerMain || '/' || TowerRem "
                                   "|| '/' || TowerCoordWgsEs FROM tblTower WHERE IdOwner = %1")
                        .arg(m_owner))
            .toString(),
        QStringLiteral("Location_01/1/garden mast/8"));
    QVERIFY(!m_page->siteInsertMode());
    QVERIFY(m_page->nextButton()->isEnabled());
    QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_01"));
    QCOMPARE(CurrentSelection().siteCount, 1);
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("dbtLocName"))->text(),
             QStringLiteral("Location_01"));
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("gbxTowerView"))->isVisible());
    QVERIFY(!m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"))->isVisible());
    QVERIFY(!button("bbnLocSave")->isEnabled());
    QVERIFY(m_db->host.statusRefreshes > 0);
    auto *grid = m_page->findChild<QTableWidget *>(QStringLiteral("dbgTowerView"));
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("4° 22' 8\""));
    QCOMPARE(grid->item(0, 5)->data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
}

void TestSitePage::secondSiteShowsTheSelector()
{
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    openPage();
    QVERIFY(!m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"))->isVisible());
    button("bbnLocAdd")->click();
    QVERIFY(m_page->siteInsertMode());
    const QStringList values = {QStringLiteral("160000"), QStringLiteral("180000"),
                                QStringLiteral("4"),      QStringLiteral("30"),
                                QStringLiteral("40"),     QStringLiteral("50"),
                                QStringLiteral("55"),     QStringLiteral("49")};
    const char *names[] = {"dbmLocLamX",     "dbmLocLamY",    "dbmLocLongEDeg", "dbmLocLongEMin",
                           "dbmLocLongESec", "dbmLocLatNDeg", "dbmLocLatNMin",  "dbmLocLatNSec"};
    for (int i = 0; i < 8; ++i)
        edit(names[i])->setText(values.at(i));
    m_page->findChild<QCheckBox *>(QStringLiteral("dbcLocMain"))->setChecked(true);
    button("bbnLocSave")->click();

    auto *selector = m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"));
    QVERIFY(selector->isVisible());
    QCOMPARE(selector->count(), 2);
    QCOMPARE(selector->currentText(), QStringLiteral("Location_02"));
    QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_02"));
    QCOMPARE(CurrentSelection().sitePosition, 1);
    // The new main site took the flag from the old one.
    QCOMPARE(m_db->value(QStringLiteral("SELECT group_concat(TowerName) FROM tblTower WHERE "
                                        "IdOwner = %1 AND TowerMain <> 0")
                             .arg(m_owner))
                 .toString(),
             QStringLiteral("Location_02"));
}

void TestSitePage::conversionOnAnExistingSiteIsStoredAtOnce()
{
    const qint32 site = m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    openPage();
    QCOMPARE(edit("dbmLocLamX")->text(), QStringLiteral("150000"));
    // A half-typed value is not stored...
    edit("dbmLocLamX")->setText(QStringLiteral("1600"));
    leave("dbmLocLamX");
    const QString stored =
        QStringLiteral("SELECT TowerCoordLamX FROM tblTower WHERE IdTower = %1").arg(site);
    QCOMPARE(m_db->value(stored).toInt(), 150000);
    // ...a converted pair is, with the WGS84 values it gave.
    edit("dbmLocLamX")->setText(QStringLiteral("160000"));
    leave("dbmLocLamX");
    QCOMPARE(m_db->value(stored).toInt(), 160000);
    QCOMPARE(
        m_db->value(
                QStringLiteral("SELECT TowerCoordWgsEm FROM tblTower WHERE IdTower = %1").arg(site))
            .toInt(),
        edit("dbmLocLongEMin")->text().toInt());
    QCOMPARE(m_page->findChild<QTableWidget *>(QStringLiteral("dbgTowerView"))->item(0, 1)->text(),
             QStringLiteral("160000"));
}

void TestSitePage::deleteAsksFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("sitesLeft");
    QTest::newRow("yes deletes") << AnswerYes << 1;
    QTest::newRow("no keeps everything") << AnswerNo << 2;
}

void TestSitePage::deleteAsksFirst()
{
    QFETCH(int, answer);
    QFETCH(int, sitesLeft);
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    const qint32 second = m_db->addSite(m_owner, QStringLiteral("Location_02"), false);
    m_db->sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, AntennasRef) VALUES "
                             "(%1, 1, 'Loc02-Ant01')")
                  .arg(second));
    openPage();
    m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"))->setCurrentIndex(1);
    emit m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"))->activated(1);
    QCOMPARE(CurrentSelection().siteId, second);
    QCOMPARE(CurrentSelection().placementRef, QStringLiteral("Loc02-Ant01"));
    SetNextAnswer(answer);
    button("bbnLocDel")->click();
    QCOMPARE(ShownMessages().last().caption, QStringLiteral("Deleting Current Site"));
    QCOMPARE(ShownMessages().last().text,
             QStringLiteral("Are you sure you want to delete this Antenna Site ?"));
    QCOMPARE(siteCount(m_owner), sitesLeft);
    if (answer == AnswerYes) {
        QCOMPARE(m_db->value(QStringLiteral("SELECT COUNT(*) FROM tblStation")).toInt(), 0);
        QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_01"));
        QCOMPARE(CurrentSelection().placementId, 0);
        QVERIFY(CurrentSelection().placementRef.isEmpty());
    } else {
        QCOMPARE(CurrentSelection().siteId, second);
    }
}

void TestSitePage::deletingTheOnlySiteLeavesInsertState()
{
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    openPage();
    QVERIFY(m_page->nextButton()->isEnabled());
    SetNextAnswer(AnswerYes);
    button("bbnLocDel")->click();
    QCOMPARE(siteCount(m_owner), 0);
    QVERIFY(m_page->siteInsertMode());
    QVERIFY(!m_page->nextButton()->isEnabled());
    QVERIFY(!button("bbnLocAdd")->isVisible());
    QVERIFY(!button("bbnLocDel")->isVisible());
    QVERIFY(!m_page->findChild<QGroupBox *>(QStringLiteral("gbxTowerView"))->isVisible());
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))->isVisible());
    QVERIFY(edit("dbmLocLamX")->text().isEmpty());
    QCOMPARE(CurrentSelection().siteId, 0);
    QCOMPARE(CurrentSelection().siteCount, 0);
}

void TestSitePage::deletingTheLastListedSiteMakesTheFirstCurrent()
{
    const qint32 first = m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    m_db->addSite(m_owner, QStringLiteral("Location_02"), false);
    m_db->addSite(m_owner, QStringLiteral("Location_03"), false);
    openPage();
    auto *selector = m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"));
    selector->setCurrentIndex(2);
    emit selector->activated(2);
    QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_03"));
    SetNextAnswer(AnswerYes);
    button("bbnLocDel")->click();
    QCOMPARE(CurrentSelection().siteId, first);
    QCOMPARE(selector->count(), 2);
    QCOMPARE(selector->currentIndex(), 0);
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("dbtLocName"))->text(),
             QStringLiteral("Location_01"));
}

void TestSitePage::overviewClickSelectsTheSite()
{
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    const qint32 second =
        m_db->addSite(m_owner, QStringLiteral("Location_02"), false, 200000, 100000);
    openPage();
    auto *grid = m_page->findChild<QTableWidget *>(QStringLiteral("dbgTowerView"));
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 5)->data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    emit grid->cellClicked(1, 2);
    QCOMPARE(CurrentSelection().siteId, second);
    QCOMPARE(CurrentSelection().sitePosition, 1);
    QCOMPARE(edit("dbmLocLamX")->text(), QStringLiteral("200000"));
    QCOMPARE(m_page->findChild<QComboBox *>(QStringLiteral("cbxLocSelect"))->currentIndex(), 1);
    QVERIFY(!button("bbnLocSave")->isEnabled());
}

void TestSitePage::clearingTheAddressHidesTheSiteGroups()
{
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    openPage();
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))->isVisible());
    QVERIFY(!button("bbnSiteSave")->isEnabled());
    QLineEdit *address = edit("dbeSiteAddr1");
    address->setFocus();
    address->selectAll();
    QTest::keyClick(address, Qt::Key_Delete);
    QVERIFY(button("bbnSiteSave")->isEnabled());
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))
                ->isVisible()); // not before Save
    button("bbnSiteSave")->click();
    QVERIFY(!m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))->isVisible());
    QVERIFY(!m_page->findChild<QGroupBox *>(QStringLiteral("gbxTowerView"))->isVisible());
    QVERIFY(!m_page->findChild<QWidget *>(QStringLiteral("pnlLocSelect"))->isVisible());
    QCOMPARE(m_db->value(QStringLiteral("SELECT OwnerSiteAddr1 FROM tblOwner WHERE IdOwner = %1")
                             .arg(m_owner))
                 .toString(),
             QString());
}

void TestSitePage::copyTakesTheOwnersAddress()
{
    m_db->sql(QStringLiteral("UPDATE tblOwner SET OwnerSiteAddr1 = NULL, IdZipCity2 = 1"));
    openPage();
    QVERIFY(!m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))->isVisible());
    button("bbnSiteCopy")->click();
    QCOMPARE(edit("dbeSiteAddr1")->text(), QStringLiteral("Home street 9"));
    QCOMPARE(edit("dbeSiteAddr2")->text(), QStringLiteral("Box 2"));
    QCOMPARE(m_page->findChild<QComboBox *>(QStringLiteral("dblSiteZip"))->currentText(),
             QStringLiteral("1030"));
    // The owner writes in English: the towns carry the French names his documents print.
    QCOMPARE(m_page->findChild<QComboBox *>(QStringLiteral("dblSiteCity"))->currentText(),
             QStringLiteral("Schaerbeek"));
    QVERIFY(button("bbnSiteSave")->isEnabled());
    QCOMPARE(m_db->value(QStringLiteral("SELECT IdZipCity2 FROM tblOwner")).toInt(), 1);
    button("bbnSiteSave")->click();
    QCOMPARE(m_db->value(QStringLiteral("SELECT IdZipCity2 FROM tblOwner")).toInt(), 5);
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))->isVisible());
    QTRY_VERIFY(edit("dbmLocLamX")->hasFocus());
}

void TestSitePage::hintStandsWhereTheSiteGroupWillAppear_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("zipKey");
    QTest::addColumn<bool>("groupShown");
    QTest::newRow("no address") << QString() << 5 << false;
    QTest::newRow("address, no town yet (key 1)") << "Rue Haute 1" << 1 << false;
    QTest::newRow("address, no town yet (key 2)") << "Rue Haute 1" << 2 << false;
    QTest::newRow("address and town") << "Rue Haute 1" << 5 << true;
}

void TestSitePage::hintStandsWhereTheSiteGroupWillAppear()
{
    QFETCH(QString, address);
    QFETCH(int, zipKey);
    QFETCH(bool, groupShown);
    m_db->sql(QStringLiteral("UPDATE tblOwner SET OwnerSiteAddr1 = '%1', IdZipCity2 = %2")
                  .arg(address)
                  .arg(zipKey));
    openPage();
    auto *hint = m_page->findChild<QLabel *>(QStringLiteral("lblSiteHint"));
    auto *group = m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"));
    QVERIFY(hint && group);
    QCOMPARE(group->isVisible(), groupShown);
    QCOMPARE(hint->isVisible(), !groupShown);
    if (!groupShown) {
        // One line, right under the description, where the group appears.
        QVERIFY(hint->text().contains(QStringLiteral("saved")));
        QVERIFY(!hint->wordWrap());
        const QWidget *description = m_page->findChild<QGroupBox *>(QStringLiteral("gbxSiteData"));
        QVERIFY(hint->mapTo(m_page, QPoint(0, 0)).y() >=
                description->mapTo(m_page, QPoint(0, description->height())).y());
    }
}

void TestSitePage::typingAPostcodePicksItsMainTown()
{
    m_db->sql(QStringLiteral("UPDATE tblOwner SET OwnerSiteAddr1 = NULL, IdZipCity2 = 1"));
    CurrentSelection().languageId = 2; // a Dutch owner: the Dutch town names
    openPage();
    auto *zip = m_page->findChild<QComboBox *>(QStringLiteral("dblSiteZip"));
    zip->setFocus();
    QTRY_VERIFY(zip->hasFocus());
    QTest::keyClicks(zip, QStringLiteral("4000"), Qt::NoModifier,
                     QApplication::keyboardInputInterval() + 100);
    QCOMPARE(zip->currentText(), QStringLiteral("4000"));
    QCOMPARE(m_page->findChild<QComboBox *>(QStringLiteral("dblSiteCity"))->currentText(),
             QStringLiteral("Luik"));
    QVERIFY(button("bbnSiteSave")->isEnabled());

    // Saved with an address, the town opens the site group and the hint goes.
    QTest::keyClicks(edit("dbeSiteAddr1"), QStringLiteral("Place Saint-Lambert 1"));
    button("bbnSiteSave")->click();
    QCOMPARE(m_db->value(QStringLiteral("SELECT Zip FROM tblOwner INNER JOIN tblZipCity ON "
                                        "tblZipCity.IdZipCity = tblOwner.IdZipCity2"))
                 .toString(),
             QStringLiteral("4000"));
    QVERIFY(m_page->findChild<QGroupBox *>(QStringLiteral("gbxLocation"))->isVisible());
    QVERIFY(!m_page->findChild<QLabel *>(QStringLiteral("lblSiteHint"))->isVisible());
}

// The note to the regulator keeps its lines, however often it is saved.
void TestSitePage::siteNoteIsStoredAsTyped()
{
    openPage();
    auto *note = m_page->findChild<QPlainTextEdit *>(QStringLiteral("dbmSiteNote"));
    QVERIFY(note);
    const QString typed = QStringLiteral("Mast on the garage roof\nNeighbours asked");
    note->setPlainText(typed);
    for (int save = 0; save < 3; ++save) {
        QTest::keyClicks(edit("dbeSiteRef"), QString::number(save)); // something to save
        QVERIFY(button("bbnSiteSave")->isEnabled());
        button("bbnSiteSave")->click();
        QCOMPARE(note->toPlainText(), typed);
    }
    QCOMPARE(m_db->value(QStringLiteral("SELECT OwnerSiteNote FROM tblOwner WHERE IdOwner = %1")
                             .arg(m_owner))
                 .toString(),
             typed + QLatin1Char('\n'));
}

void TestSitePage::saveRefusesCoordinatesThatCannotBe_data()
{
    QTest::addColumn<QStringList>("values"); // X, Y, lon d m s, lat d m s
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const QString noValue = QStringLiteral("There is no correct value for the \"%1\" field !");
    QTest::newRow("X outside Belgium")
        << QStringList{QStringLiteral("300000"), QStringLiteral("170000"), QStringLiteral("4"),
                       QStringLiteral("22"),     QStringLiteral("8"),      QStringLiteral("50"),
                       QStringLiteral("50"),     QStringLiteral("25")}
        << noValue.arg(QStringLiteral("Lambert (X)")) << QStringLiteral("dbmLocLamX");
    QTest::newRow("latitude degrees outside Belgium")
        << QStringList{QStringLiteral("150000"), QStringLiteral("170000"), QStringLiteral("4"),
                       QStringLiteral("22"),     QStringLiteral("8"),      QStringLiteral("53"),
                       QStringLiteral("50"),     QStringLiteral("25")}
        << noValue.arg(QStringLiteral("Latitude (Deg.)")) << QStringLiteral("dbmLocLatNDeg");
    QTest::newRow("61 minutes") << QStringList{QStringLiteral("150000"), QStringLiteral("170000"),
                                               QStringLiteral("4"),      QStringLiteral("61"),
                                               QStringLiteral("8"),      QStringLiteral("50"),
                                               QStringLiteral("50"),     QStringLiteral("25")}
                                << noValue.arg(QStringLiteral("Longitude (Min.)"))
                                << QStringLiteral("dbmLocLongEMin");
    QTest::newRow("the two forms are two places")
        << QStringList{QStringLiteral("150000"), QStringLiteral("170000"), QStringLiteral("4"),
                       QStringLiteral("21"),     QStringLiteral("0"),      QStringLiteral("50"),
                       QStringLiteral("51"),     QStringLiteral("0")}
        << QStringLiteral("The Lambert 72 and the WGS84 coordinates do not describe the same "
                          "place ! Type one of the two again, so that the other is converted "
                          "from it.")
        << QStringLiteral("dbmLocLamX");
}

// Save keeps a site only when its coordinates are plausible and both forms
// name the same place.
void TestSitePage::saveRefusesCoordinatesThatCannotBe()
{
    QFETCH(QStringList, values);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    openPage();
    const char *names[] = {"dbmLocLamX",     "dbmLocLamY",    "dbmLocLongEDeg", "dbmLocLongEMin",
                           "dbmLocLongESec", "dbmLocLatNDeg", "dbmLocLatNMin",  "dbmLocLatNSec"};
    for (int i = 0; i < 8; ++i)
        edit(names[i])->setText(values.at(i));
    ClearShownMessages();
    button("bbnLocSave")->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("Antenna Location"));
    QCOMPARE(ShownMessages().first().text, message);
    QTRY_VERIFY(edit(qPrintable(focus))->hasFocus());
    QCOMPARE(siteCount(m_owner), 0);
}

void TestSitePage::leavingWithPendingEditsAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("page");
    QTest::newRow("yes saves") << AnswerYes << "roof" << int(PageAntennaDef);
    QTest::newRow("no throws it away") << AnswerNo << "" << int(PageAntennaDef);
}

// Next with an edited site asks "Save the changes ?" before it leaves.
void TestSitePage::leavingWithPendingEditsAsks()
{
    QFETCH(int, answer);
    QFETCH(QString, stored);
    QFETCH(int, page);
    m_db->addSite(m_owner, QStringLiteral("Location_01"), true);
    CurrentSelection().siteCount = 1;
    openPage();
    QTest::keyClicks(edit("dbeLocRem"), QStringLiteral("roof"));
    QVERIFY(button("bbnLocSave")->isEnabled());
    ClearShownMessages();
    SetNextAnswer(answer);
    m_page->nextButton()->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("Antenna Location"));
    QCOMPARE(ShownMessages().first().text, QStringLiteral("Save the changes ?"));
    QCOMPARE(m_db->host.activePage, page);
    QCOMPARE(m_db->value(QStringLiteral("SELECT TowerRem FROM tblTower")).toString(), stored);
}

QTEST_MAIN(TestSitePage)
#include "test_sitepage.moc"
