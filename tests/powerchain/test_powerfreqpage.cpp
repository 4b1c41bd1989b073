#include "exposure/ui/powerfreqpage.h"
#include "pagetestsupport.h"
#include "shell/wizardpages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

// The worked VHF station: 100 W into 20 m of 6,6 dB and 5 m of 4,3 dB cable at
// 145 MHz, 0,35 dB of additional losses, 3 dB transmit-time correction, 6 dBi.
class TestPowerFreqPage : public QObject
{
    Q_OBJECT

private:
    PageDatabase db;
    std::unique_ptr<TfraPowerFreq> page;
    qint32 ant01 = 0, ant02 = 0, ant21 = 0;

    template <typename T> T *child(const char *name)
    {
        T *w = page->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString text(const char *label) { return child<QLabel>(label)->text(); }

    void retype(const char *field, const QString &typed)
    {
        QLineEdit *e = child<QLineEdit>(field);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, typed);
    }
    void leave(const char *field)
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(child<QLineEdit>(field), &out);
    }
    QTreeWidgetItem *node(const QString &text)
    {
        const auto items = child<QTreeWidget>("trvAntSelect")
                               ->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return items.isEmpty() ? nullptr : items.first();
    }
    QVariant stored(const char *column, qint32 placement)
    {
        return stored(QString::fromLatin1(column), placement);
    }
    QVariant stored(const QString &column, qint32 placement)
    {
        return db.value(QStringLiteral("SELECT %1 FROM tblStation WHERE IdStation = %2")
                            .arg(column)
                            .arg(placement));
    }

private slots:
    void init()
    {
        QVERIFY(db.open());
        db.sql(QStringLiteral("INSERT INTO tblCableLoss VALUES (90, 'Fixture 6,6', '6,6')"));
        db.sql(QStringLiteral("INSERT INTO tblCableLoss VALUES (91, 'Fixture 4,3', '4,3')"));
        db.sql(QStringLiteral("INSERT INTO tblTxTime VALUES (99, 'Fixture 3 dB', 3, '50 %')"));
        QVERIFY(db.openLookups());
        const qint32 owner =
            db.sql(QStringLiteral("INSERT INTO tblOwner (OwnerCall) VALUES ('ON4PWR')"));
        const qint32 s1 = db.sql(
            QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName) VALUES (%1, 'Location_01')")
                .arg(owner));
        const qint32 s2 = db.sql(
            QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName) VALUES (%1, 'Location_02')")
                .arg(owner));
        const qint32 antenna = db.sql(QStringLiteral(
            "INSERT INTO tblListAnt (AntType, AntMakeDescr, AntV00, AntV10, AntV20, AntV30, "
            "AntV40, AntV50, AntV60, AntV70, AntV80, AntV90) VALUES ('Yagi', 'Fixture', 6, 5, "
            "3, 0, -3, -6, -10, -15, -20, -25)"));
        const QString insert = QStringLiteral(
            "INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, AntennasRef, "
            "AntennasTilt, IdMode, IdTxTime, IdCableLoss1, IdCableLoss2, StationCableLength1, "
            "StationCableLength2, StationTxPower, StationAttSwr, StationAttLpf, StationAttAtu, "
            "StationNoConn, StationAttConn, StationCalcFeeder, StationCalcAdd) VALUES (%1, %2, "
            "12, '%3', %4, 1, 99, 90, 91, 20, 5, 100, 0.05, 0, 0.2, 2, 0.05, 1, 1)");
        ant02 = db.sql(insert.arg(s1).arg(antenna).arg(QStringLiteral("Loc01-Ant02")).arg(0));
        ant01 = db.sql(insert.arg(s1).arg(antenna).arg(QStringLiteral("Loc01-Ant01")).arg(45));
        ant21 = db.sql(insert.arg(s2).arg(antenna).arg(QStringLiteral("Loc02-Ant01")).arg(0));
        TCurrentSelection &cs = CurrentSelection();
        cs.ownerId = owner;
        cs.setCall(QStringLiteral("ON4PWR"));
        page = std::make_unique<TfraPowerFreq>(db.host);
        page->resize(1000, 650);
        page->show();
        page->ActivatePage();
        ClearShownMessages();
    }

    void cleanup()
    {
        page.reset();
        db = PageDatabase();
    }

    void entryShowsTheTreeAndTheWorkedExample()
    {
        QTreeWidget *tree = child<QTreeWidget>("trvAntSelect");
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("ON4PWR"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("Location_01"));
        QCOMPARE(tree->topLevelItem(0)->child(0)->child(0)->text(0), QStringLiteral("Loc01-Ant01"));
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Loc01-Ant01"));
        QCOMPARE(text("lblStPowerResTitle"), QStringLiteral("For : Loc01-Ant01"));
        QCOMPARE(text("lblStAntFreq"), QStringLiteral("145 MHz"));
        QCOMPARE(text("lblStFdrLossResS1"), QStringLiteral("1,59"));
        QCOMPARE(text("lblStFdrLossResS2"), QStringLiteral("0,26"));
        QCOMPARE(text("lblStFdrLossResTot"), QStringLiteral("1,85"));
        QCOMPARE(text("lblStAddLossRes"), QStringLiteral("0,35"));
        QCOMPARE(text("lblStPowerResultDbw"), QStringLiteral("14,8"));
        QCOMPARE(text("lblStPowerResultW"), QStringLiteral("30,21"));
        QCOMPARE(text("lblStPEirpResultDbw"), QStringLiteral("20,8"));
        QCOMPARE(text("lblStPEirpResultW"), QStringLiteral("120,27"));
        QCOMPARE(text("lblStTxPowerDbw"), QStringLiteral("20"));
        // √(30 × 10^((14,8 + 6)/10)) / 13,7: the 6 dBi main beam on 2 m.
        QCOMPARE(text("lblStSafetyDistance"), QStringLiteral("4,38 m"));
        QVERIFY(!child<QPushButton>("bbnStSave")->isEnabled());
        QVERIFY(!child<QPushButton>("bbnStCancel")->isEnabled());
        QVERIFY(page->nextButton()->isEnabled());
        QVERIFY(db.host.statusRefreshes > 0);
        QCOMPARE(CurrentSelection().placementId, ant01);
        QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_01"));
    }

    void typedPointBecomesCommaAndNoWarning()
    {
        retype("dbmStTxPower", QStringLiteral("2.5"));
        QCOMPARE(child<QLineEdit>("dbmStTxPower")->text(), QStringLiteral("2,5"));
        QVERIFY(child<QPushButton>("bbnStSave")->isEnabled());
        QCOMPARE(text("lblStTxPowerDbw"), QStringLiteral("3,98"));
        leave("dbmStTxPower");
        QVERIFY(ShownMessages().isEmpty());
    }

    void lettersAreRefusedInNumberFields()
    {
        retype("dbmStTxPower", QStringLiteral("1a0-"));
        QCOMPARE(child<QLineEdit>("dbmStTxPower")->text(), QStringLiteral("10"));
        retype("dbmStFdrLossS1", QStringLiteral("2,5"));
        QCOMPARE(child<QLineEdit>("dbmStFdrLossS1")->text(), QStringLiteral("25"));
    }

    // Without a transmitter power the result panel stays empty: no 1 W stands
    // in for the power nobody entered.
    void zeroPowerShowsAnEmptyResultAndWarnsOnLeaving()
    {
        retype("dbmStTxPower", QStringLiteral("0"));
        for (const char *result :
             {"lblStPowerResultDbw", "lblStPowerResultW", "lblStPEirpResultDbw",
              "lblStPEirpResultW", "lblStSafetyDistance"})
            QCOMPARE(text(result), QString());
        leave("dbmStTxPower");
        const QList<ShownMessage> shown = ShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QStringLiteral("Power Data"));
        QCOMPARE(shown[0].text, QStringLiteral("This value should be greater than 0 Watt !"));
        QCOMPARE(shown[0].kind, int(MessageInfo));
        // Save is not blocked, and stores 0 dBW / 1 W with the power 0 that
        // marks the power chain as missing.
        QTest::mouseClick(child<QPushButton>("bbnStSave"), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("AntennasAntPwr"), ant01).toDouble(), 0.0);
        QCOMPARE(stored(QStringLiteral("AntennasAvgPwr"), ant01).toDouble(), 1.0);
        QCOMPARE(stored(QStringLiteral("StationTxPower"), ant01).toDouble(), 0.0);
        // Entering a power fills the panel.
        retype("dbmStTxPower", QStringLiteral("100"));
        QCOMPARE(text("lblStPowerResultDbw"), QStringLiteral("14,8"));
        QCOMPARE(text("lblStSafetyDistance"), QStringLiteral("4,38 m"));
    }

    // A placement whose power chain was never saved opens with an empty panel.
    void aPlacementWithoutPowerOpensWithAnEmptyResult()
    {
        db.sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 0 WHERE IdStation = %1")
                   .arg(ant21));
        child<QTreeWidget>("trvAntSelect")->setCurrentItem(node(QStringLiteral("Loc02-Ant01")));
        QVERIFY(child<QWidget>("pnlStResult")->isVisible());
        QCOMPARE(text("lblStPowerResultDbw"), QString());
        QCOMPARE(text("lblStPEirpResultW"), QString());
        QCOMPARE(text("lblStSafetyDistance"), QString());
    }

    // Below 10 MHz the panel says why there is no safety distance.
    void belowTenMegahertzThereIsNoSafetyDistance()
    {
        db.sql(QStringLiteral("UPDATE tblStation SET IdBandFreqSt = 4 WHERE IdStation = %1")
                   .arg(ant21));
        child<QTreeWidget>("trvAntSelect")->setCurrentItem(node(QStringLiteral("Loc02-Ant01")));
        QCOMPARE(text("lblStSafetyDistance"), QStringLiteral("no limit applies below 10 MHz"));
    }

    void saveStoresTheShownResultsAndTheCrossedRows()
    {
        retype("dbmStTxPower", QStringLiteral("50"));
        retype("dbmStAddLossAtu", QStringLiteral("0,1")); // the tuner row
        retype("dbmStAddLossLpf", QStringLiteral("0,3")); // the filter row
        QCOMPARE(text("lblStAddLossRes"), QStringLiteral("0,55"));
        QTest::mouseClick(child<QPushButton>("bbnStSave"), Qt::LeftButton);
        QVERIFY(!child<QPushButton>("bbnStSave")->isEnabled());
        QCOMPARE(stored(QStringLiteral("StationTxPower"), ant01).toDouble(), 50.0);
        QCOMPARE(stored(QStringLiteral("StationAttLpf"), ant01).toDouble(), 0.1);
        QCOMPARE(stored(QStringLiteral("StationAttAtu"), ant01).toDouble(), 0.3);
        QCOMPARE(stored(QStringLiteral("StationAttAdd"), ant01).toDouble(), 0.55);
        QCOMPARE(stored(QStringLiteral("StationAttFeeder"), ant01).toDouble(), 1.85);
        QCOMPARE(stored(QStringLiteral("AntennasAntPwr"), ant01).toDouble(), 11.59);
        QCOMPARE(stored(QStringLiteral("AntennasAvgPwr"), ant01).toDouble(), 14.43);
        QCOMPARE(stored(QStringLiteral("AntennasEirp"), ant01).toDouble(), 17.59);
        QCOMPARE(stored(QStringLiteral("StationCalcFeeder"), ant01).toInt(), 1);
        QCOMPARE(stored(QStringLiteral("AntennasAntPwr"), ant02).toDouble(),
                 0.0); // the others untouched
    }

    void feederTotalByHandReplacesTheSections()
    {
        QCheckBox *box = child<QCheckBox>("cbxStFdrLoss");
        box->click();
        QVERIFY(!child<QWidget>("pnlStFdrSections")->isVisible());
        QVERIFY(child<QWidget>("pnlStFdrTotal")->isVisible());
        QCOMPARE(child<QLineEdit>("memStnAttFeeder")->text(), QStringLiteral("0"));
        QVERIFY(child<QPushButton>("bbnStSave")->isEnabled());
        retype("memStnAttFeeder", QStringLiteral("2,5"));
        QCOMPARE(text("lblStFdrLossResTot"), QStringLiteral("2,5"));
        QCOMPARE(text("lblStPowerResultDbw"), QStringLiteral("14,15"));
        QTest::mouseClick(child<QPushButton>("bbnStSave"), Qt::LeftButton);
        QCOMPARE(stored(QStringLiteral("StationCalcFeeder"), ant01).toInt(), 0);
        QCOMPARE(stored(QStringLiteral("StationAttFeeder"), ant01).toDouble(), 2.5);
    }

    void cancelRestoresTheStoredValues()
    {
        retype("dbmStTxPower", QStringLiteral("5"));
        QTest::mouseClick(child<QPushButton>("bbnStCancel"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("dbmStTxPower")->text(), QStringLiteral("100"));
        QCOMPARE(text("lblStPowerResultDbw"), QStringLiteral("14,8"));
        QVERIFY(!child<QPushButton>("bbnStSave")->isEnabled());
    }

    // "Copy" fills the fields with another placement's power chain and recomputes
    // for the shown antenna; nothing is stored until Save, and Cancel goes back.
    void copyFillsTheFieldsWithAnotherPlacementsPowerChain()
    {
        db.sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 25, StationCalcFeeder = 0, "
                              "StationAttFeeder = 3, StationCalcAdd = 0, StationAttAdd = 0.5 "
                              "WHERE IdStation = %1")
                   .arg(ant21));
        page->ActivatePage();
        QComboBox *source = child<QComboBox>("dblStCopySource");
        QStringList offered;
        for (int i = 0; i < source->count(); ++i)
            offered << source->itemText(i);
        QCOMPARE(offered,
                 (QStringList{QStringLiteral("Loc01-Ant02"), QStringLiteral("Loc02-Ant01")}));
        source->setCurrentIndex(source->findText(QStringLiteral("Loc02-Ant01")));

        for (bool keep : {false, true}) {
            QTest::mouseClick(child<QPushButton>("bbnStCopy"), Qt::LeftButton);
            QCOMPARE(text("lblStPowerResTitle"), QStringLiteral("For : Loc01-Ant01"));
            QCOMPARE(child<QLineEdit>("dbmStTxPower")->text(), QStringLiteral("25"));
            QVERIFY(!child<QCheckBox>("cbxStFdrLoss")->isChecked());
            QCOMPARE(child<QLineEdit>("memStnAttFeeder")->text(), QStringLiteral("3"));
            QCOMPARE(child<QLineEdit>("memStnAttAdd")->text(), QStringLiteral("0,5"));
            QCOMPARE(text("lblStPowerResultDbw"), QStringLiteral("7,48")); // 13,98 - 3 - 0,5 - 3
            QVERIFY(child<QPushButton>("bbnStSave")->isEnabled());
            QCOMPARE(stored("StationTxPower", ant01).toDouble(), 100.0);
            if (!keep) {
                QTest::mouseClick(child<QPushButton>("bbnStCancel"), Qt::LeftButton);
                QCOMPARE(child<QLineEdit>("dbmStTxPower")->text(), QStringLiteral("100"));
                QVERIFY(child<QCheckBox>("cbxStFdrLoss")->isChecked());
            }
        }
        QTest::mouseClick(child<QPushButton>("bbnStSave"), Qt::LeftButton);
        QCOMPARE(stored("StationTxPower", ant01).toDouble(), 25.0);
        QCOMPARE(stored("StationCalcFeeder", ant01).toInt(), 0);
        QCOMPARE(stored("StationAttFeeder", ant01).toDouble(), 3.0);
        QCOMPARE(stored("AntennasAntPwr", ant01).toDouble(), 7.48);
        QCOMPARE(stored("AntennasRef", ant01).toString(), QStringLiteral("Loc01-Ant01"));
        QCOMPARE(stored("AntennasTilt", ant01).toInt(), 45);
        QVERIFY(ShownMessages().isEmpty());

        // Without a placement shown there is nothing to copy into.
        child<QTreeWidget>("trvAntSelect")->setCurrentItem(node(QStringLiteral("Location_01")));
        QVERIFY(!child<QPushButton>("bbnStCopy")->isEnabled());
    }

    // The mode list names each mode's duty factor.
    void modesShowTheirDutyFactor()
    {
        const QComboBox *mode = child<QComboBox>("dblStMode");
        QCOMPARE(mode->itemText(mode->findData(4)), QStringLiteral("CW (duty factor 40 %)"));
        QCOMPARE(mode->itemText(mode->findData(5)), QStringLiteral("SSB (duty factor 20 %)"));
        QCOMPARE(mode->currentText(),
                 QStringLiteral("No correction (carrier) (duty factor 100 %)"));
    }

    void pendingEditsAreSavedOrDroppedAsAnswered_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<double>("storedPower");
        QTest::newRow("Yes saves before moving") << AnswerYes << 40.0;
        QTest::newRow("No drops the edits") << AnswerNo << 100.0;
    }

    void pendingEditsAreSavedOrDroppedAsAnswered()
    {
        QFETCH(int, answer);
        QFETCH(double, storedPower);
        retype("dbmStTxPower", QStringLiteral("40"));
        SetNextAnswer(answer);
        child<QTreeWidget>("trvAntSelect")->setCurrentItem(node(QStringLiteral("Loc02-Ant01")));
        QCOMPARE(ShownMessages().size(), 1);
        QCOMPARE(ShownMessages()[0].kind, int(MessageQuestion));
        QCOMPARE(stored(QStringLiteral("StationTxPower"), ant01).toDouble(), storedPower);
        QCOMPARE(text("lblStPowerResTitle"), QStringLiteral("For : Loc02-Ant01"));
        QCOMPARE(CurrentSelection().siteName, QStringLiteral("Location_02"));
        QCOMPARE(child<QLineEdit>("dbmStTxPower")->text(), QStringLiteral("100"));
        QVERIFY(!child<QPushButton>("bbnStSave")->isEnabled());
    }

    void aSiteNodeSelectsNoAntenna()
    {
        child<QTreeWidget>("trvAntSelect")->setCurrentItem(node(QStringLiteral("Location_02")));
        QCOMPARE(text("lblStPowerResTitle"), QStringLiteral("No Antenna Selected !"));
        QVERIFY(!child<QWidget>("pnlStResult")->isVisible());
        QVERIFY(!page->nextButton()->isEnabled());
        QVERIFY(!child<QLineEdit>("dbmStTxPower")->isEnabled());
        QCOMPARE(text("lblStAntFreq"), QStringLiteral("... MHz"));
        leave("dbmStTxPower");
        QVERIFY(ShownMessages().isEmpty());
    }

    void gainIsTheZeroDegreeValueWhateverTheTilt()
    {
        // Loc01-Ant01 is tilted 45 degrees; its EIRP still adds 6 dBi.
        QCOMPARE(text("lblStAntGain"), QStringLiteral("6"));
        QCOMPARE(text("lblStPEirpResultDbw"), QStringLiteral("20,8"));
    }

    void focusPaintsTheFieldGreenAndLeavingCream()
    {
        for (const char *name : {"dbmStTxPower", "dblStFdrLossS1", "memStnAttAdd"}) {
            QWidget *w = child<QWidget>(name);
            QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
            QApplication::sendEvent(w, &in);
            QCOMPARE(w->palette().color(QPalette::Base), QColor(189, 238, 166));
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(w, &out);
            QCOMPARE(w->palette().color(QPalette::Base), QColor(247, 235, 198));
        }
        QVERIFY(ShownMessages().isEmpty()); // 100 W passes the power check
    }

    void enterMovesOnWithoutInserting()
    {
        QLineEdit *power = child<QLineEdit>("dbmStTxPower");
        QTest::keyClick(power, Qt::Key_Return);
        QCOMPARE(power->text(), QStringLiteral("100"));
        QVERIFY(child<QPushButton>("bbnStSave")->isEnabled());
    }

    void entryClearsTheTerrainStudyFlag()
    {
        CurrentSelection().terrainStudy = true;
        page->ActivatePage();
        QVERIFY(!CurrentSelection().terrainStudy);
    }
};

QTEST_MAIN(TestPowerFreqPage)
#include "test_powerfreqpage.moc"
