// The antenna page in a window of its own: catalogue, polar chart, placements
// and custom antennas on a fresh database.
#include "../sitepage/pagefixture.h"
#include "charts/ui/polarchart.h"
#include "pages/ui/antennadef.h"
#include "shell/wizardpages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

class TestAntennaPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void placementReferencesCountUp();
    void bandChosenPerPlacementShowsTheFrequencyLookup();
    void chartShowsTheMirroredPatternBetweenItsExtremes();
    void titleClicksSortAscendingThenDescending();
    void tiltCheckOnLeaving_data();
    void tiltCheckOnLeaving();
    void saveRefusesATiltTheCheckRefuses();
    void doubleClickAsksBeforeChangingTheAntenna_data();
    void doubleClickAsksBeforeChangingTheAntenna();
    void multiBandPlacementIsRefusedWithoutABand();
    void saveAsksBeforeChangingTheAntenna_data();
    void saveAsksBeforeChangingTheAntenna();
    void simultaneousTransmissionIsStoredPerPlacement();
    void deletingTheLastPlacementDisablesNext();
    void siteSelectorSwitchesThePlacements();
    void customAntennaStoresThe90DegreeValueTwice();
    void customAntennaInUseCannotBeDeleted();
    void cancelCancelsWhateverTheTilt();
    void tiltAndPatternAnglesSayWhichWayTheyCount();
    void numberFieldsRefuseWhatIsNoNumber_data();
    void numberFieldsRefuseWhatIsNoNumber();
    void saveNamesTheFieldThatIsNoNumber_data();
    void saveNamesTheFieldThatIsNoNumber();
    void leavingWithAPendingPlacementAsks_data();
    void leavingWithAPendingPlacementAsks();

private:
    void openPage();
    template <typename T> T *child(const char *name) const
    {
        auto *w = m_page->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    void selectAntenna(qint32 antennaId);
    void clickTitle(int column);
    QString placementRefs();

    PageFixture *m_db = nullptr;
    TfraAntennaDef *m_page = nullptr;
    qint32 m_owner = 0;
    qint32 m_site = 0;
};

void TestAntennaPage::init()
{
    m_db = new PageFixture;
    QVERIFY(m_db->open());
    m_owner = m_db->addOwner();
    m_site = m_db->addSite(m_owner, QStringLiteral("Location_03"), true);
    TCurrentSelection &cs = CurrentSelection();
    cs.siteId = m_site;
    cs.setSiteName(QStringLiteral("Location_03"));
    cs.siteCount = 1;
}

void TestAntennaPage::cleanup()
{
    delete m_page;
    m_page = nullptr;
    delete m_db;
    m_db = nullptr;
    CurrentSelection().clear();
}

void TestAntennaPage::openPage()
{
    m_page = new TfraAntennaDef(m_db->host);
    m_page->resize(1100, 760);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_page));
    m_page->ActivatePage();
}

void TestAntennaPage::selectAntenna(qint32 antennaId)
{
    auto *grid = child<QTableWidget>("dbgAntSelect");
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (m_db->dm->qryAntList->value(row, QStringLiteral("IdListAnt")).toInt() == antennaId) {
            grid->selectRow(row);
            return;
        }
    }
    QFAIL("antenna not in the catalogue");
}

void TestAntennaPage::clickTitle(int column)
{
    emit child<QTableWidget>("dbgAntSelect")->horizontalHeader()->sectionClicked(column);
}

QString TestAntennaPage::placementRefs()
{
    return m_db
        ->value(QStringLiteral("SELECT group_concat(AntennasRef, ' ') FROM (SELECT AntennasRef "
                               "FROM tblStation WHERE IdTower = %1 ORDER BY IdStation)")
                    .arg(m_site))
        .toString();
}

void TestAntennaPage::placementReferencesCountUp()
{
    openPage();
    QVERIFY(!m_page->nextButton()->isEnabled());
    QVERIFY(!child<QGroupBox>("gbxAntProj")->isVisible());
    QVERIFY(!child<QGroupBox>("gbxAntSelectSite")->isVisible());
    selectAntenna(12); // 5/8-wave ground plane for 2 m
    child<QPushButton>("bbnAntProjAdd")->click();
    QVERIFY(m_page->placementInsertMode());
    QVERIFY(child<QGroupBox>("gbxAntProj")->isVisible());
    QVERIFY(child<QPushButton>("bbnAntProjSave")->isEnabled());
    QVERIFY(!child<QPushButton>("bbnAntProjAdd")->isEnabled());
    QTest::keyClicks(child<QLineEdit>("dbmAntProjHeight"), QStringLiteral("12.5"));
    QCOMPARE(child<QLineEdit>("dbmAntProjHeight")->text(), QStringLiteral("12,5"));
    child<QPushButton>("bbnAntProjSave")->click();

    QCOMPARE(placementRefs(), QStringLiteral("Loc03-Ant01"));
    QCOMPARE(m_db->value(QStringLiteral("SELECT AntennasHeight || '/' || AntennasTilt || '/' || "
                                        "AntennasPol || '/' || IdBandFreqSt FROM tblStation"))
                 .toString(),
             QStringLiteral("12.5/0.0/V/12"));
    const TCurrentSelection &cs = CurrentSelection();
    QCOMPARE(cs.placementRef, QStringLiteral("Loc03-Ant01"));
    QCOMPARE(cs.placementId,
             m_db->value(QStringLiteral("SELECT IdStation FROM tblStation")).toInt());
    QCOMPARE(cs.placementCount, 1);
    QVERIFY(m_page->nextButton()->isEnabled());
    QVERIFY(!m_page->placementInsertMode());
    QCOMPARE(child<QTableWidget>("dbgAntProjSiteConf")->rowCount(), 1);
    QVERIFY(child<QPushButton>("bbnAntProjDel")->isEnabled());

    for (int n = 2; n <= 9; ++n)
        m_db->sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, AntennasRef) VALUES "
                                 "(%1, 12, 'Loc03-Ant0%2')")
                      .arg(m_site)
                      .arg(n));
    child<QPushButton>("bbnAntProjAdd")->click();
    child<QPushButton>("bbnAntProjSave")->click();
    QVERIFY(placementRefs().endsWith(QLatin1String("Loc03-Ant09 Loc03-Ant10")));
    QCOMPARE(CurrentSelection().placementCount, 10);
}

void TestAntennaPage::bandChosenPerPlacementShowsTheFrequencyLookup()
{
    openPage();
    child<QPushButton>("bbnAntProjAdd")->click();
    selectAntenna(1); // half-wave dipole: band per placement
    QVERIFY(child<QLabel>("lblFreqToDefine")->isVisible());
    QVERIFY(child<QComboBox>("dblAntProjFreq")->isVisible());
    QVERIFY(!child<QLineEdit>("dbeAntFreq")->isVisible());
    child<QComboBox>("dblAntProjFreq")->setCurrentIndex(5); // sixth band of the list: 20 m
    child<QPushButton>("bbnAntProjSave")->click();
    QCOMPARE(m_db->value(QStringLiteral("SELECT IdBandFreqSt FROM tblStation")).toInt(), 6);

    selectAntenna(12);
    QVERIFY(!child<QLabel>("lblFreqToDefine")->isVisible());
    QVERIFY(!child<QComboBox>("dblAntProjFreq")->isVisible());
    QVERIFY(child<QLineEdit>("dbeAntFreq")->isVisible());
    QCOMPARE(child<QLineEdit>("dbeAntFreq")->text(), QStringLiteral("145"));
    QCOMPARE(child<QLineEdit>("dbeV90")->text(), QStringLiteral("-30"));
}

void TestAntennaPage::chartShowsTheMirroredPatternBetweenItsExtremes()
{
    openPage();
    selectAntenna(12); // 5,2 dBi at the beam, -30 dBi at 90 degrees
    auto *chart = child<TPolarChart>("pchVertRad");
    QCOMPARE(chart->radialLow(), -30.0);
    QCOMPARE(chart->radialHigh(), 5.2);
    const QVector<TPolarChart::Polyline> &lines = chart->polylines();
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0].points.size(), 10);
    QCOMPARE(lines[0].points.first(), QPointF(0, -30));   // straight down: 90 degrees
    QCOMPARE(lines[0].points.last(), QPointF(90, 5.2));   // the beam
    QCOMPARE(lines[1].points.first(), QPointF(180, -30)); // the mirror, straight up
    QCOMPARE(lines[1].points.at(5), QPointF(130, -16.5)); // 40 degrees above the beam
    QCOMPARE(lines[0].points.at(5), QPointF(50, -16.5));  // 40 degrees below it
    QCOMPARE(lines[0].colour, QColor(Qt::red));
    QCOMPARE(lines[0].width, 2);
    QCOMPARE(lines[2].style, Qt::DashDotLine);
    QCOMPARE(lines[2].points, QVector<QPointF>({QPointF(180, 5.2), QPointF(0, 5.2)}));
    QCOMPARE(chart->angleLabel(90), QStringLiteral("0°"));
}

void TestAntennaPage::titleClicksSortAscendingThenDescending()
{
    openPage();
    auto *grid = child<QTableWidget>("dbgAntSelect");
    const auto column = [grid](int c) {
        QStringList texts;
        for (int row = 0; row < grid->rowCount(); ++row)
            texts << grid->item(row, c)->text();
        return texts;
    };
    const auto sorted = [](QStringList texts, bool descending) {
        std::stable_sort(texts.begin(), texts.end(),
                         [descending](const QString &a, const QString &b) {
                             const int order = a.compare(b, Qt::CaseInsensitive);
                             return descending ? order > 0 : order < 0;
                         });
        return texts;
    };
    QVERIFY(grid->rowCount() > 10);
    clickTitle(0);
    QCOMPARE(m_page->catalogueSort(), QStringLiteral("AntType ASC"));
    QCOMPARE(column(0), sorted(column(0), false));
    QCOMPARE(grid->horizontalHeaderItem(0)->foreground().color(), QColor(Qt::red));
    clickTitle(0);
    QCOMPARE(m_page->catalogueSort(), QStringLiteral("AntType DESC"));
    QCOMPARE(column(0), sorted(column(0), true));
    QVERIFY(column(0).first() > column(0).last());
    clickTitle(1);
    QCOMPARE(m_page->catalogueSort(), QStringLiteral("AntMakeDescr ASC"));
    QCOMPARE(column(1), sorted(column(1), false));
    QCOMPARE(grid->horizontalHeaderItem(0)->foreground().color(), QColor(Qt::black));
    QCOMPARE(grid->horizontalHeaderItem(1)->foreground().color(), QColor(Qt::red));
    // Another family resets the titles.
    child<QListWidget>("lsbAntSelKind")->setCurrentRow(3);
    QCOMPARE(grid->horizontalHeaderItem(1)->foreground().color(), QColor(Qt::black));
    QCOMPARE(m_page->catalogueSort(), QString());
}

void TestAntennaPage::tiltCheckOnLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("45 is the maximum") << "45"
                                       << "45" << false;
    QTest::newRow("negative tilt") << "-5"
                                   << "-5" << false;
    QTest::newRow("46") << "46"
                        << "46" << true;
    QTest::newRow("10,5 is no whole number") << "10.5"
                                             << "10,5" << true;
    QTest::newRow("empty") << ""
                           << "" << true;
    QTest::newRow("letters are dropped") << "3a"
                                         << "3" << false;
}

void TestAntennaPage::tiltCheckOnLeaving()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    openPage();
    child<QPushButton>("bbnAntProjAdd")->click();
    auto *tilt = child<QLineEdit>("dbmAntProjTilt");
    tilt->setFocus();
    QTRY_VERIFY(tilt->hasFocus());
    QTest::keyClicks(tilt, typed);
    QCOMPARE(tilt->text(), shown);
    ClearShownMessages();
    QTest::keyClick(tilt, Qt::Key_Tab);
    if (refused) {
        QCOMPARE(ShownMessages().size(), 1);
        QCOMPARE(ShownMessages().first().caption, QStringLiteral("Antenna Data"));
        QCOMPARE(ShownMessages().first().text,
                 QStringLiteral("This value should be maximum 45° !"));
        QCOMPARE(ShownMessages().first().kind, int(MessageInfo));
        QTRY_VERIFY(tilt->hasFocus());
    } else {
        QVERIFY(ShownMessages().isEmpty());
        QTRY_VERIFY(!tilt->hasFocus());
    }
}

void TestAntennaPage::saveRefusesATiltTheCheckRefuses()
{
    openPage();
    selectAntenna(12);
    child<QPushButton>("bbnAntProjAdd")->click();
    child<QLineEdit>("dbmAntProjTilt")->setText(QStringLiteral("60"));
    ClearShownMessages();
    child<QPushButton>("bbnAntProjSave")->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(placementRefs(), QString());
    QVERIFY(m_page->placementInsertMode());
}

void TestAntennaPage::doubleClickAsksBeforeChangingTheAntenna_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("antennaAfter");
    QTest::newRow("no keeps the antenna") << AnswerNo << 12;
    QTest::newRow("yes changes it") << AnswerYes << 13;
}

void TestAntennaPage::doubleClickAsksBeforeChangingTheAntenna()
{
    QFETCH(int, answer);
    QFETCH(int, antennaAfter);
    const qint32 placement = m_db->sql(
        QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                       "AntennasHeight) VALUES (%1, 12, 12, 'Loc03-Ant01', 8)")
            .arg(m_site));
    CurrentSelection().placementId = placement;
    openPage();
    QCOMPARE(child<QLineEdit>("dbmAntProjHeight")->text(), QStringLiteral("8"));
    // The catalogue stands on the placement's antenna, not on its first row.
    auto *grid = child<QTableWidget>("dbgAntSelect");
    QCOMPARE(m_db->dm->qryAntList->value(grid->currentRow(), QStringLiteral("IdListAnt")).toInt(),
             12);
    selectAntenna(13);
    SetNextAnswer(answer);
    emit grid->cellDoubleClicked(grid->currentRow(), 0);
    QCOMPARE(ShownMessages().last().caption, QStringLiteral("Modifying the Antenna Selection"));
    QCOMPARE(ShownMessages().last().text,
             QStringLiteral("Are you sure you want to change the antenna selection ?"));
    QCOMPARE(m_db->value(QStringLiteral("SELECT IdListAnt FROM tblStation WHERE IdStation = %1")
                             .arg(placement))
                 .toInt(),
             antennaAfter);
    QCOMPARE(placementRefs(), QStringLiteral("Loc03-Ant01")); // changed, not added
}

// A new placement of a multi-band antenna has no band until one is picked:
// Save refuses it and says why. The configuration grid shows each band.
void TestAntennaPage::multiBandPlacementIsRefusedWithoutABand()
{
    openPage();
    child<QPushButton>("bbnAntProjAdd")->click();
    selectAntenna(1); // half-wave dipole: band per placement
    QCOMPARE(child<QComboBox>("dblAntProjFreq")->currentIndex(), -1);
    ClearShownMessages();
    child<QPushButton>("bbnAntProjSave")->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("Antenna Data"));
    QVERIFY(ShownMessages().first().text.contains(QStringLiteral("several bands")));
    QCOMPARE(placementRefs(), QString());
    QVERIFY(m_page->placementInsertMode());

    child<QComboBox>("dblAntProjFreq")->setCurrentIndex(5); // 20 m
    child<QPushButton>("bbnAntProjSave")->click();
    QCOMPARE(placementRefs(), QStringLiteral("Loc03-Ant01"));
    auto *config = child<QTableWidget>("dbgAntProjSiteConf");
    QCOMPARE(config->horizontalHeaderItem(3)->text(), QStringLiteral("Band"));
    QVERIFY(config->item(0, 3)->text().startsWith(QStringLiteral("20 m")));

    // A second placement starts without a band again.
    child<QPushButton>("bbnAntProjAdd")->click();
    selectAntenna(1);
    QCOMPARE(child<QComboBox>("dblAntProjFreq")->currentIndex(), -1);
}

void TestAntennaPage::saveAsksBeforeChangingTheAntenna_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("antennaAfter");
    QTest::addColumn<int>("bandAfter");
    QTest::newRow("no keeps antenna and band, saves the height") << AnswerNo << 12 << 12;
    QTest::newRow("yes takes the clicked antenna and its band") << AnswerYes << 16 << 13;
}

// Clicking another catalogue antenna and then saving a placement asks the
// double click's question; No keeps the antenna and saves the rest.
void TestAntennaPage::saveAsksBeforeChangingTheAntenna()
{
    QFETCH(int, answer);
    QFETCH(int, antennaAfter);
    QFETCH(int, bandAfter);
    const qint32 placement = m_db->sql(
        QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
                       "AntennasHeight, AntennasPol) VALUES (%1, 12, 12, 'Loc03-Ant01', 8, 'V')")
            .arg(m_site));
    CurrentSelection().placementId = placement;
    openPage();
    selectAntenna(16); // a 70 cm antenna of the catalogue
    QTest::keyClick(child<QLineEdit>("dbmAntProjHeight"), Qt::Key_End);
    QTest::keyClicks(child<QLineEdit>("dbmAntProjHeight"), QStringLiteral(",5"));
    ClearShownMessages();
    SetNextAnswer(answer);
    child<QPushButton>("bbnAntProjSave")->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("Modifying the Antenna Selection"));
    QCOMPARE(ShownMessages().first().text,
             QStringLiteral("Are you sure you want to change the antenna selection ?"));
    const QString where = QStringLiteral(" FROM tblStation WHERE IdStation = %1").arg(placement);
    QCOMPARE(m_db->value(QStringLiteral("SELECT IdListAnt") + where).toInt(), antennaAfter);
    QCOMPARE(m_db->value(QStringLiteral("SELECT IdBandFreqSt") + where).toInt(), bandAfter);
    QCOMPARE(m_db->value(QStringLiteral("SELECT AntennasHeight") + where).toDouble(), 8.5);
    // The catalogue stands on the antenna the placement has now.
    auto *grid = child<QTableWidget>("dbgAntSelect");
    QCOMPARE(m_db->dm->qryAntList->value(grid->currentRow(), QStringLiteral("IdListAnt")).toInt(),
             antennaAfter);

    // Saving again without touching the catalogue asks nothing.
    QTest::keyClicks(child<QLineEdit>("dbmAntProjHeight"), QStringLiteral("5"));
    ClearShownMessages();
    child<QPushButton>("bbnAntProjSave")->click();
    QVERIFY(ShownMessages().isEmpty());
}

void TestAntennaPage::simultaneousTransmissionIsStoredPerPlacement()
{
    openPage();
    selectAntenna(12);
    child<QPushButton>("bbnAntProjAdd")->click();
    auto *box = child<QCheckBox>("cbxAntProjSimTx");
    QVERIFY(box->isChecked()); // the safe assumption
    child<QPushButton>("bbnAntProjSave")->click();
    const QString simTx = QStringLiteral("SELECT AntennasSimTx FROM tblStation");
    QCOMPARE(m_db->value(simTx).toInt(), 1);

    box->click();
    QVERIFY(child<QPushButton>("bbnAntProjSave")->isEnabled());
    child<QPushButton>("bbnAntProjSave")->click();
    QCOMPARE(m_db->value(simTx).toInt(), 0);
    QVERIFY(!box->isChecked()); // loaded back from the placement
    child<QPushButton>("bbnAntProjAdd")->click();
    QVERIFY(box->isChecked());
}

void TestAntennaPage::deletingTheLastPlacementDisablesNext()
{
    m_db->sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                             "AntennasRef) VALUES (%1, 12, 12, 'Loc03-Ant01')")
                  .arg(m_site));
    CurrentSelection().setPlacementRef(QStringLiteral("Loc03-Ant01"));
    openPage();
    QVERIFY(m_page->nextButton()->isEnabled());
    QVERIFY(child<QGroupBox>("gbxAntProjSiteConf")->isVisible());
    child<QPushButton>("bbnAntProjDel")->click();
    QCOMPARE(placementRefs(), QString());
    QVERIFY(!m_page->nextButton()->isEnabled());
    QVERIFY(!child<QGroupBox>("gbxAntProjSiteConf")->isVisible());
    QVERIFY(!child<QPushButton>("bbnAntProjDel")->isEnabled());
    QVERIFY(child<QPushButton>("bbnAntProjAdd")->isEnabled());
    QCOMPARE(CurrentSelection().placementCount, 0);
    QCOMPARE(CurrentSelection().placementId, 0);
    QVERIFY(CurrentSelection().placementRef.isEmpty());
}

void TestAntennaPage::siteSelectorSwitchesThePlacements()
{
    const qint32 other = m_db->addSite(m_owner, QStringLiteral("Location_04"), false);
    m_db->sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                             "AntennasRef) VALUES (%1, 12, 12, 'Loc04-Ant01')")
                  .arg(other));
    CurrentSelection().siteCount = 2;
    openPage();
    auto *selector = child<QComboBox>("cbxAntSelectSite");
    QVERIFY(selector->isVisible());
    QCOMPARE(selector->count(), 2);
    QVERIFY(!m_page->nextButton()->isEnabled());
    selector->setCurrentIndex(1);
    emit selector->activated(1);
    QCOMPARE(CurrentSelection().siteId, other);
    QCOMPARE(CurrentSelection().placementRef, QStringLiteral("Loc04-Ant01"));
    QVERIFY(m_page->nextButton()->isEnabled());
    auto *config = child<QTableWidget>("dbgAntProjSiteConf");
    QCOMPARE(config->rowCount(), 1);
    QCOMPARE(config->item(0, 0)->text(), QStringLiteral("Loc04-Ant01"));
    emit config->cellClicked(0, 1);
    QCOMPARE(
        m_db->dm->qryAntList
            ->value(child<QTableWidget>("dbgAntSelect")->currentRow(), QStringLiteral("IdListAnt"))
            .toInt(),
        12);
}

void TestAntennaPage::customAntennaStoresThe90DegreeValueTwice()
{
    openPage();
    child<QTabWidget>("pgcAntennas")->setCurrentIndex(1);
    QVERIFY(!child<QWidget>("pnlAntProj")->isVisible());
    QVERIFY(!child<QGroupBox>("gbxAntCustom")->isVisible()); // no custom antenna yet
    child<QPushButton>("bbnAntCustomAdd")->click();
    QVERIFY(m_page->customInsertMode());
    QVERIFY(child<QGroupBox>("gbxAntCustom")->isVisible());
    QTest::keyClicks(child<QLineEdit>("dbeAntCustomType"), QStringLiteral("Moxon"));
    QTest::keyClicks(child<QLineEdit>("dbeAntCustomMake"), QStringLiteral("Home made"));
    child<QComboBox>("dblAntCustomPol")->setCurrentIndex(0);
    child<QComboBox>("dblAntCustomBand")->setCurrentIndex(5);
    const QStringList typed = {QStringLiteral("6.5"), QStringLiteral("6"),   QStringLiteral("5"),
                               QStringLiteral("3"),   QStringLiteral("0"),   QStringLiteral("-3"),
                               QStringLiteral("-6"),  QStringLiteral("-10"), QStringLiteral("-15"),
                               QStringLiteral("-20")};
    for (int i = 0; i < 10; ++i)
        QTest::keyClicks(child<QLineEdit>(qPrintable(
                             QStringLiteral("dbeVi%1").arg(i * 10, 2, 10, QLatin1Char('0')))),
                         typed.at(i));
    QVERIFY(child<QPushButton>("bbnAntCustomSave")->isEnabled());
    QVERIFY(!child<QPushButton>("bbnAntCustomAdd")->isEnabled());
    child<QPushButton>("bbnAntCustomSave")->click();

    QCOMPARE(m_db->value(QStringLiteral("SELECT AntType || '/' || AntV00 || '/' || AntV90 || '/' "
                                        "|| AntV100 || '/' || AntDir || '/' || IdAntFamily || '/' "
                                        "|| IdListAntPol || '/' || IdBandFreq FROM tblListAnt "
                                        "WHERE AntDir = 'CUSTOM'"))
                 .toString(),
             QStringLiteral("Moxon/6.5/-20.0/-20.0/CUSTOM/49/1/6"));
    QVERIFY(!m_page->customInsertMode());
    QCOMPARE(child<QTableWidget>("dbgAntCustom")->rowCount(), 1);
    QVERIFY(child<QPushButton>("bbnAntCustomDel")->isEnabled());
    QCOMPARE(child<QLineEdit>("dbeVi00")->text(), QStringLiteral("6,5"));

    // Editing it updates the same row.
    QTest::keyClicks(child<QLineEdit>("dbeAntCustomType"), QStringLiteral(" 2"));
    child<QPushButton>("bbnAntCustomSave")->click();
    QCOMPARE(m_db->value(QStringLiteral("SELECT group_concat(AntType) FROM tblListAnt WHERE "
                                        "IdAntFamily = 49"))
                 .toString(),
             QStringLiteral("Moxon 2"));

    // Back on the selection tab the lower part returns.
    child<QTabWidget>("pgcAntennas")->setCurrentIndex(0);
    QVERIFY(child<QWidget>("pnlAntProj")->isVisible());
}

void TestAntennaPage::customAntennaInUseCannotBeDeleted()
{
    const qint32 id = m_db->sql(QStringLiteral(
        "INSERT INTO tblListAnt (IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntDir) VALUES "
        "(49, 1, 12, 'Mine', 'CUSTOM')"));
    const qint32 placement =
        m_db->sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, AntennasRef) VALUES "
                                 "(%1, %2, 'Loc03-Ant01')")
                      .arg(m_site)
                      .arg(id));
    openPage();
    child<QTabWidget>("pgcAntennas")->setCurrentIndex(1);
    ClearShownMessages();
    child<QPushButton>("bbnAntCustomDel")->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("Custom Antennas"));
    QCOMPARE(ShownMessages().first().text,
             QStringLiteral("This antenna is still in use in the Antenna/Station table\nFirst, you "
                            "should delete it in that table..."));
    QCOMPARE(
        m_db->value(QStringLiteral("SELECT COUNT(*) FROM tblListAnt WHERE IdListAnt = %1").arg(id))
            .toInt(),
        1);

    m_db->sql(QStringLiteral("DELETE FROM tblStation WHERE IdStation = %1").arg(placement));
    ClearShownMessages();
    child<QPushButton>("bbnAntCustomDel")->click();
    QVERIFY(ShownMessages().isEmpty());
    QCOMPARE(
        m_db->value(QStringLiteral("SELECT COUNT(*) FROM tblListAnt WHERE IdListAnt = %1").arg(id))
            .toInt(),
        0);
    QCOMPARE(child<QTableWidget>("dbgAntCustom")->rowCount(), 0);
    QVERIFY(!child<QPushButton>("bbnAntCustomDel")->isEnabled());
}

// Cancel throws the placement's edits away even when the tilt field it leaves
// holds what the tilt check refuses.
// The tilt says which way it turns the beam, beside its field; the pattern
// rows say that their angles count from the beam.
void TestAntennaPage::tiltAndPatternAnglesSayWhichWayTheyCount()
{
    openPage();
    selectAntenna(12);
    child<QPushButton>("bbnAntProjAdd")->click();
    const QWidget *tilt = child<QLineEdit>("dbmAntProjTilt");
    const QLabel *hint = child<QLabel>("lblAntProjTiltHint");
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->text(), QStringLiteral("+ raises the beam, - lowers it"));
    QVERIFY(hint->mapTo(m_page, QPoint(0, 0)).x() >=
            tilt->mapTo(m_page, QPoint(tilt->width(), 0)).x());
    QVERIFY(qAbs(hint->mapTo(m_page, hint->rect().center()).y() -
                 tilt->mapTo(m_page, tilt->rect().center()).y()) < 5);
    for (const char *name : {"lblAntSelAngles", "lblAntCustomAngles"})
        QCOMPARE(child<QLabel>(name)->text(), QStringLiteral("Off the beam"));
    QVERIFY(child<QLabel>("lblAntSelAngles")->isVisible());
}

void TestAntennaPage::cancelCancelsWhateverTheTilt()
{
    openPage();
    selectAntenna(12);
    child<QPushButton>("bbnAntProjAdd")->click();
    auto *tilt = child<QLineEdit>("dbmAntProjTilt");
    tilt->setFocus();
    QTRY_VERIFY(tilt->hasFocus());
    QVERIFY(tilt->text().isEmpty());
    ClearShownMessages();
    QTest::mouseClick(child<QPushButton>("bbnAntProjCancel"), Qt::LeftButton);
    QVERIFY2(ShownMessages().isEmpty(), qPrintable(ShownMessages().value(0).text));
    QVERIFY(!m_page->placementInsertMode());
    QVERIFY(!child<QPushButton>("bbnAntProjCancel")->isEnabled());
    QCOMPARE(placementRefs(), QString());
}

void TestAntennaPage::numberFieldsRefuseWhatIsNoNumber_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("height: one comma") << "dbmAntProjHeight"
                                       << "15.5,3"
                                       << "15,53";
    QTest::newRow("height: no sign") << "dbmAntProjHeight"
                                     << "-12"
                                     << "12";
    QTest::newRow("tilt: a minus only in front") << "dbmAntProjTilt"
                                                 << "-5-5"
                                                 << "-55";
    QTest::newRow("tilt: one comma") << "dbmAntProjTilt"
                                     << "1,,2"
                                     << "1,2";
}

void TestAntennaPage::numberFieldsRefuseWhatIsNoNumber()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    openPage();
    child<QPushButton>("bbnAntProjAdd")->click();
    auto *edit = child<QLineEdit>(qPrintable(field));
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);

    // The custom antenna's pattern fields follow the same rule.
    child<QTabWidget>("pgcAntennas")->setCurrentIndex(1);
    child<QPushButton>("bbnAntCustomAdd")->click();
    auto *pattern = child<QLineEdit>("dbeVi30");
    QTest::keyClicks(pattern, QStringLiteral("5-5,1,2"));
    QCOMPARE(pattern->text(), QStringLiteral("55,12"));
}

// What slips past the keys (pasted text) is refused by Save, which names the
// field instead of leaving the database to answer in its own words.
void TestAntennaPage::saveNamesTheFieldThatIsNoNumber_data()
{
    QTest::addColumn<bool>("custom");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");
    QTest::newRow("placement height") << false << "dbmAntProjHeight"
                                      << "There is no correct value for the \"Height (m)\" field !";
    QTest::newRow("custom pattern 5-5") << true << "dbeVi20"
                                        << "There is no correct value for the \"20°\" field !";
}

void TestAntennaPage::saveNamesTheFieldThatIsNoNumber()
{
    QFETCH(bool, custom);
    QFETCH(QString, field);
    QFETCH(QString, message);
    openPage();
    selectAntenna(12);
    if (custom) {
        child<QTabWidget>("pgcAntennas")->setCurrentIndex(1);
        child<QPushButton>("bbnAntCustomAdd")->click();
        child<QLineEdit>("dbeAntCustomType")->setText(QStringLiteral("Moxon"));
        child<QLineEdit>(qPrintable(field))->setText(QStringLiteral("5-5"));
    } else {
        child<QPushButton>("bbnAntProjAdd")->click();
        child<QLineEdit>(qPrintable(field))->setText(QStringLiteral("15,5,3"));
    }
    ClearShownMessages();
    child<QPushButton>(custom ? "bbnAntCustomSave" : "bbnAntProjSave")->click();
    QCOMPARE(ShownMessages().size(), 1);
    QCOMPARE(ShownMessages().first().text, message);
    QTRY_VERIFY(child<QLineEdit>(qPrintable(field))->hasFocus());
    QCOMPARE(m_db->value(QStringLiteral("SELECT count(*) FROM tblStation")).toInt(), 0);
    QCOMPARE(m_db->value(QStringLiteral("SELECT count(*) FROM tblListAnt WHERE IdAntFamily = 49"))
                 .toInt(),
             0);
}

void TestAntennaPage::leavingWithAPendingPlacementAsks_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("left");
    QTest::newRow("yes saves, then leaves") << AnswerYes << "Loc03-Ant01" << true;
    QTest::newRow("no throws it away, then leaves") << AnswerNo << "" << true;
    QTest::newRow("the box closed: stays, edit kept") << AnswerClosed << "" << false;
}

void TestAntennaPage::leavingWithAPendingPlacementAsks()
{
    QFETCH(int, answer);
    QFETCH(QString, stored);
    QFETCH(bool, left);
    openPage();
    selectAntenna(12);
    child<QPushButton>("bbnAntProjAdd")->click();
    QTest::keyClicks(child<QLineEdit>("dbmAntProjHeight"), QStringLiteral("12"));
    m_db->host.activePage = PageAntennaDef;
    ClearShownMessages();
    SetNextAnswer(answer);
    m_page->backButton()->click();
    QVERIFY2(ShownMessages().size() == 1, qPrintable(ShownMessages().value(1).text));
    QCOMPARE(ShownMessages().first().caption, QStringLiteral("Antenna Data"));
    QCOMPARE(ShownMessages().first().text, QStringLiteral("Save the changes ?"));
    QCOMPARE(placementRefs(), stored);
    QCOMPARE(m_db->host.activePage, left ? int(PageSiteDef) : int(PageAntennaDef));
    QCOMPARE(child<QPushButton>("bbnAntProjSave")->isEnabled(), !left);
}

QTEST_MAIN(TestAntennaPage)
#include "test_antennapage.moc"
