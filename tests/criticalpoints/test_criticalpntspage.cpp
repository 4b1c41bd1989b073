#include "../powerchain/pagetestsupport.h"
#include "base/numberformat.h"
#include "base/safefile.h"
#include "exposure/ctprowcolour.h"
#include "exposure/engine/combinedexposure.h"
#include "exposure/engine/limits.h"
#include "exposure/ui/criticalpntspage.h"
#include "exposure/ui/ctplistmodel.h"
#include "exposure/ui/graphwindow.h"
#include "fulldisk.h"
#include "shell/ui/tcolor.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cmath>

// An owner whose sites Location_01 … Location_0n each carry one 2 m antenna.
class TestCriticalPntsPage : public QObject
{
    Q_OBJECT

private:
    PageDatabase db;
    std::unique_ptr<TfraCriticalPnts> page;
    qint32 owner = 0;
    QVector<qint32> sites;

    template <typename T> T *child(const char *name)
    {
        T *w = page->findChild<T *>(QString::fromLatin1(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QPushButton *button(const char *name) { return child<QPushButton>(name); }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
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
        QApplication::sendEvent(child<QWidget>(field), &out);
    }
    void clickRow(int row)
    {
        QTableView *list = child<QTableView>("lsvCtpOverView");
        const QRect cell = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QStringList rows()
    {
        QSqlQuery q(db.dm->conMainDb->database());
        q.exec(QStringLiteral(
            "SELECT TowerName || ' ' || CriticalPntRef || ' ' || IdSpaceAtt || ' ' || "
            "CriticalPntDist || ' ' || CriticalPntHeight || ' ' || CriticalPntRem FROM "
            "tblCriticalPnt JOIN tblTower USING (IdTower) ORDER BY TowerName, CriticalPntRef"));
        QStringList out;
        while (q.next())
            out << q.value(0).toString();
        return out;
    }
    void station(int siteCount)
    {
        owner = db.sql(QStringLiteral("INSERT INTO tblOwner (OwnerCall) VALUES ('ON4CTP')"));
        const qint32 antenna = db.sql(QStringLiteral(
            "INSERT INTO tblListAnt (AntType, AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, "
            "AntV60, AntV70, AntV80, AntV90) VALUES ('Fixture', 6, 5, 3, 0, -3, -6, -10, -15, "
            "-20, -25)"));
        sites.clear();
        for (int i = 1; i <= siteCount; ++i) {
            const qint32 site = db.sql(QStringLiteral("INSERT INTO tblTower (IdOwner, TowerName) "
                                                      "VALUES (%1, 'Location_0%2')")
                                           .arg(owner)
                                           .arg(i));
            db.sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                                  "AntennasRef, AntennasHeight, AntennasAntPwr, StationTxPower) "
                                  "VALUES (%1, %2, 12, 'Loc0%3-Ant01', 10, 14.8, 100)")
                       .arg(site)
                       .arg(antenna)
                       .arg(i));
            sites << site;
        }
        CurrentSelection().ownerId = owner;
        CurrentSelection().setCall(QStringLiteral("ON4CTP"));
    }
    void point(int siteIndex, const char *ref, double dist, double height, const char *rem)
    {
        db.sql(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, CriticalPntRef, "
                              "CriticalPntDist, CriticalPntHeight, CriticalPntRem) VALUES (%1, "
                              "1, '%2', %3, %4, '%5')")
                   .arg(sites[siteIndex])
                   .arg(QString::fromUtf8(ref))
                   .arg(dist)
                   .arg(height)
                   .arg(QString::fromUtf8(rem)));
    }
    void openPage()
    {
        page = std::make_unique<TfraCriticalPnts>(db.host);
        page->resize(1000, 650);
        page->show();
        page->ActivatePage();
        QVERIFY(QTest::qWaitForWindowExposed(page.get()));
        ClearShownMessages();
    }
    void verifyIdle()
    {
        QVERIFY(!button("bbnCtpSave")->isEnabled());
        QVERIFY(!button("bbnCtpCancel")->isEnabled());
        QVERIFY(button("bbnCtpAdd")->isEnabled());
        QVERIFY(!button("bbnCtpDelete")->isEnabled());
        QVERIFY(!child<QGroupBox>("gbxCtpModify")->isEnabled());
    }

private slots:
    void init()
    {
        QVERIFY(db.open());
        QVERIFY(db.openLookups());
    }

    void cleanup()
    {
        page.reset();
        db = PageDatabase();
    }

    void noPointHidesTheOverviewAndBlocksNext()
    {
        station(1);
        openPage();
        QVERIFY(!child<QGroupBox>("gbxCtpOverview")->isVisible());
        QVERIFY(!child<QGroupBox>("gbxCtpModify")->isVisible());
        QVERIFY(!child<QGroupBox>("gbxCtpAdd")->isVisible());
        QVERIFY(!page->nextButton()->isEnabled());
        QVERIFY(!button("bbnCtpPrint")->isEnabled());
        QVERIFY(!button("bbnCtpDeleteAll")->isEnabled());
        verifyIdle();
    }

    void addWithOneSite()
    {
        station(1);
        openPage();
        click("bbnCtpAdd");
        QVERIFY(child<QGroupBox>("gbxCtpAdd")->isVisible());
        QVERIFY(!button("bbnCtpAddNext")->isVisible());
        QVERIFY(!button("bbnCtpAddPrev")->isVisible());
        QCOMPARE(child<QLabel>("lblCtpAddRef")->text(), QStringLiteral("CTP_01"));
        QCOMPARE(child<QLabel>("lblCtpAddLoc")->text(), QStringLiteral("Location_01"));
        QCOMPARE(child<QLineEdit>("memCtpAddDist")->text(), QStringLiteral("1"));
        QVERIFY(!button("bbnCtpAdd")->isEnabled());
        QVERIFY(button("bbnCtpCancel")->isEnabled());
        retype("memCtpAddDist", QStringLiteral("12.5"));
        QCOMPARE(child<QLineEdit>("memCtpAddDist")->text(), QStringLiteral("12,5"));
        retype("memCtpAddHeight", QStringLiteral("-3"));
        child<QComboBox>("cbxAddCtpSpAtt")->setCurrentIndex(3);
        retype("edtCtpAddRem", QString(80, QLatin1Char('d')));
        QVERIFY(!button("bbnCtpSave")->isEnabled());
        leave("edtCtpAddRem");
        QVERIFY(button("bbnCtpSave")->isEnabled());
        click("bbnCtpSave");
        QCOMPARE(rows(), QStringList({QStringLiteral("Location_01 CTP_01 4 12.5 -3.0 ") +
                                      QString(70, QLatin1Char('d'))}));
        QVERIFY(!child<QGroupBox>("gbxCtpAdd")->isVisible());
        QVERIFY(child<QGroupBox>("gbxCtpOverview")->isVisible());
        QVERIFY(page->nextButton()->isEnabled());
        QCOMPARE(page->Evaluation().count(), 1);
        QCOMPARE(CurrentSelection().pointRef, QStringLiteral("CTP_01"));
        verifyIdle();
    }

    void addWithThreeSitesSharesDescriptionAndAttenuation()
    {
        station(3);
        point(0, "CTP_07", 5, 1, "Old");
        openPage();
        click("bbnCtpAdd");
        QCOMPARE(child<QLabel>("lblCtpAddRef")->text(), QStringLiteral("CTP_08"));
        QVERIFY(button("bbnCtpAddNext")->isVisible());
        QVERIFY(!button("bbnCtpAddPrev")->isEnabled());
        retype("memCtpAddDist", QStringLiteral("10"));
        retype("memCtpAddHeight", QStringLiteral("2"));
        child<QComboBox>("cbxAddCtpSpAtt")->setCurrentIndex(2);
        retype("edtCtpAddRem", QStringLiteral("Terrace"));
        click("bbnCtpAddNext");
        QCOMPARE(page->AddStep(), 1);
        QCOMPARE(child<QLabel>("lblCtpAddLoc")->text(), QStringLiteral("Location_02"));
        QVERIFY(!child<QLineEdit>("edtCtpAddRem")->isEnabled());
        QVERIFY(!child<QComboBox>("cbxAddCtpSpAtt")->isEnabled());
        QCOMPARE(child<QLineEdit>("memCtpAddDist")->text(), QStringLiteral("1"));
        QVERIFY(button("bbnCtpAddPrev")->isEnabled());
        QVERIFY(!button("bbnCtpSave")->isEnabled());
        retype("memCtpAddDist", QStringLiteral("20"));
        retype("memCtpAddHeight", QStringLiteral("4"));
        click("bbnCtpAddNext");
        QCOMPARE(page->AddStep(), 2);
        QVERIFY(!button("bbnCtpAddNext")->isEnabled());
        QVERIFY(button("bbnCtpSave")->isEnabled());
        retype("memCtpAddDist", QStringLiteral("30"));
        retype("memCtpAddHeight", QStringLiteral("6"));
        click("bbnCtpSave");
        QCOMPARE(rows(), QStringList({QStringLiteral("Location_01 CTP_07 1 5.0 1.0 Old"),
                                      QStringLiteral("Location_01 CTP_08 3 10.0 2.0 Terrace"),
                                      QStringLiteral("Location_02 CTP_08 3 20.0 4.0 Terrace"),
                                      QStringLiteral("Location_03 CTP_08 3 30.0 6.0 Terrace")}));
        QVERIFY(!page->IsAdding());
        verifyIdle();
    }

    void prevFromTheThirdStepShowsTheSecond()
    {
        station(3);
        openPage();
        click("bbnCtpAdd");
        retype("edtCtpAddRem", QStringLiteral("Terrace"));
        retype("memCtpAddDist", QStringLiteral("10"));
        click("bbnCtpAddNext");
        retype("memCtpAddDist", QStringLiteral("20"));
        retype("memCtpAddHeight", QStringLiteral("4,5"));
        click("bbnCtpAddNext");
        retype("memCtpAddDist", QStringLiteral("30"));
        click("bbnCtpAddPrev");
        QCOMPARE(page->AddStep(), 1);
        QCOMPARE(child<QLabel>("lblCtpAddLoc")->text(), QStringLiteral("Location_02"));
        QCOMPARE(child<QLineEdit>("memCtpAddDist")->text(), QStringLiteral("20"));
        QCOMPARE(child<QLineEdit>("memCtpAddHeight")->text(), QStringLiteral("4,5"));
        QVERIFY(button("bbnCtpAddNext")->isEnabled());
        QVERIFY(button("bbnCtpAddPrev")->isEnabled());
        // The third step's values were stored on the way back.
        click("bbnCtpAddNext");
        QCOMPARE(child<QLineEdit>("memCtpAddDist")->text(), QStringLiteral("30"));
        click("bbnCtpAddPrev");
        click("bbnCtpAddPrev");
        QCOMPARE(page->AddStep(), 0);
        QVERIFY(!button("bbnCtpAddPrev")->isEnabled());
        QVERIFY(child<QLineEdit>("edtCtpAddRem")->isEnabled());
        QCOMPARE(child<QLineEdit>("edtCtpAddRem")->text(), QStringLiteral("Terrace"));
    }

    void validationReportsTheLastFailingRule_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("351 m height with no description: rule 3")
            << "10"
            << "351"
            << ""
            << "Please enter a realistic \"Height\" value...";
        QTest::newRow("no description: rule 4")
            << "10"
            << "1"
            << ""
            << "You should enter a description of the Critical Test Piont...";
        QTest::newRow("negative distance: rule 2")
            << "-5"
            << "1"
            << "Garden"
            << "Please enter a realistic \"Distance\" value...";
        QTest::newRow("empty distance: rule 1")
            << ""
            << "1"
            << "Garden"
            << "0 or nothing is not a valid distance ! Please enter a new value...";
    }

    void validationReportsTheLastFailingRule()
    {
        QFETCH(QString, distance);
        QFETCH(QString, height);
        QFETCH(QString, description);
        QFETCH(QString, message);
        station(2);
        openPage();
        click("bbnCtpAdd");
        retype("memCtpAddDist", distance);
        retype("memCtpAddHeight", height);
        retype("edtCtpAddRem", description);
        click("bbnCtpAddNext");
        const QList<ShownMessage> shown = ShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QStringLiteral("Critical Test Points"));
        QCOMPARE(shown[0].text, message);
        QCOMPARE(shown[0].kind, int(MessageError));
        QCOMPARE(page->AddStep(), 0);
        QCOMPARE(child<QLineEdit>("memCtpAddHeight")->text(), height);
    }

    void modifyAsksAndWritesOnYesOnly_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Yes") << AnswerYes
                             << QStringList{QStringLiteral("Location_01 CTP_01 4 7.0 1.0 Shed"),
                                            QStringLiteral("Location_02 CTP_01 4 9.0 2.0 Shed")};
        QTest::newRow("No") << AnswerNo
                            << QStringList{QStringLiteral("Location_01 CTP_01 1 5.0 1.0 Garden"),
                                           QStringLiteral("Location_02 CTP_01 1 9.0 2.0 Garden")};
    }

    void modifyAsksAndWritesOnYesOnly()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        station(2);
        point(0, "CTP_01", 5, 1, "Garden");
        point(1, "CTP_01", 9, 2, "Garden");
        openPage();
        QCOMPARE(page->Evaluation().count(), 2);
        clickRow(0);
        QVERIFY(child<QGroupBox>("gbxCtpModify")->isEnabled());
        QVERIFY(button("bbnCtpDelete")->isEnabled());
        QVERIFY(!button("bbnCtpAdd")->isEnabled());
        QCOMPARE(child<QLabel>("lblCtpModRef")->text(), QStringLiteral("CTP_01"));
        QCOMPARE(child<QLineEdit>("dbmCtpDist")->text(), QStringLiteral("5"));
        retype("dbmCtpDist", QStringLiteral("7"));
        retype("dbeCtpRem", QStringLiteral("Shed"));
        child<QComboBox>("dblCtpSpAtt")->setCurrentIndex(3);
        QVERIFY(!button("bbnCtpDelete")->isEnabled());
        SetNextAnswer(answer);
        click("bbnCtpSave");
        const QList<ShownMessage> shown = ShownMessages();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, QStringLiteral("Updating CTP_01"));
        QCOMPARE(shown[0].text, QStringLiteral("Are you sure you want to update CTP_01 ?"));
        QCOMPARE(shown[0].kind, int(MessageQuestion));
        QCOMPARE(rows(), expected);
        QVERIFY(child<QGroupBox>("gbxCtpOverview")->isVisible());
        QCOMPARE(child<QLineEdit>("dbmCtpDist")->text(),
                 answer == AnswerYes ? QStringLiteral("7") : QStringLiteral("5"));
        verifyIdle();
    }

    void deleteAllWithNoKeepsEverything()
    {
        station(1);
        point(0, "CTP_01", 5, 1, "Garden");
        openPage();
        SetNextAnswer(AnswerNo);
        click("bbnCtpDeleteAll");
        QCOMPARE(ShownMessages().size(), 1);
        QCOMPARE(ShownMessages()[0].caption, QStringLiteral("Deleting All Critical Test Points"));
        QCOMPARE(ShownMessages()[0].text,
                 QStringLiteral("Are you sure you want to delete All Critical Test Points ?"));
        QCOMPARE(rows().size(), 1);
        QVERIFY(child<QGroupBox>("gbxCtpOverview")->isVisible());
        QVERIFY(page->nextButton()->isEnabled());
        QVERIFY(button("bbnCtpDeleteAll")->isEnabled());
        verifyIdle();
    }

    void deleteAllWithYesEmptiesTheOverview()
    {
        station(2);
        point(0, "CTP_01", 5, 1, "Garden");
        point(1, "CTP_02", 5, 1, "Garden");
        openPage();
        SetNextAnswer(AnswerYes);
        click("bbnCtpDeleteAll");
        QCOMPARE(rows().size(), 0);
        QVERIFY(!child<QGroupBox>("gbxCtpOverview")->isVisible());
        QVERIFY(!page->nextButton()->isEnabled());
    }

    void deleteRemovesTheReferenceAtEverySite()
    {
        station(2);
        point(0, "CTP_01", 5, 1, "Garden");
        point(1, "CTP_01", 6, 1, "Garden");
        point(1, "CTP_02", 7, 1, "Roof");
        openPage();
        clickRow(0);
        SetNextAnswer(AnswerYes);
        click("bbnCtpDelete");
        QCOMPARE(ShownMessages().size(), 1);
        QCOMPARE(ShownMessages()[0].caption, QStringLiteral("Deleting CTP_01"));
        QCOMPARE(rows(), QStringList({QStringLiteral("Location_02 CTP_02 1 7.0 1.0 Roof")}));
        QCOMPARE(page->Evaluation().count(), 1);
        verifyIdle();
    }

    void cancelWhileAddingWritesNothing()
    {
        station(2);
        openPage();
        click("bbnCtpAdd");
        retype("edtCtpAddRem", QStringLiteral("Terrace"));
        click("bbnCtpCancel");
        QVERIFY(!child<QGroupBox>("gbxCtpAdd")->isVisible());
        QVERIFY(!page->IsAdding());
        QCOMPARE(rows().size(), 0);
        verifyIdle();
    }

    void rowsArePaintedByReferenceAndVerdict()
    {
        station(2);
        point(0, "CTP_01", 5, 1, "Garden");
        point(1, "CTP_01", 0.5, 10, "Mast");
        point(0, "CTP_02", 50, 1, "Street");
        openPage();
        const QAbstractItemModel *m = child<QTableView>("lsvCtpOverView")->model();
        const TEvaluation &ev = page->Evaluation();
        QCOMPARE(ev.count(), 3);
        const auto background = [m](int row, int column) {
            return m->index(row, column).data(Qt::BackgroundRole).value<QColor>();
        };
        const QColor ctp01 =
            ColourFromValue(CtpRowColours[CtpRowColourIndex(QStringLiteral("CTP_01"), 0)]);
        QCOMPARE(background(0, ColumnReference), ctp01);
        QCOMPARE(background(1, ColumnDescription), ctp01);
        QVERIFY(background(2, ColumnReference) != ctp01);
        for (int r = 0; r < 3; ++r)
            QCOMPARE(background(r, ColumnField), ColourFromValue(VerdictColour(ev.verdict[r])));
        QCOMPARE(m->headerData(ColumnField, Qt::Horizontal).toString(),
                 QStringLiteral("Field     "));
        QVERIFY(!child<QLabel>("lblCtpMaxValue")->text().isEmpty());
        QCOMPARE(child<QLabel>("lblCtpMaxTitle")->text(),
                 QStringLiteral("Maximum Field Strength: "));
    }

    // A placement whose power chain was never saved shows no value and no
    // verdict colour; the page says the evaluation is incomplete and names it,
    // and opens no plot for it.
    void placementWithoutPowerChainIsShownAsMissing()
    {
        station(2);
        point(0, "CTP_01", 5, 1, "Garden");
        point(1, "CTP_01", 5, 1, "Garden");
        db.sql(QStringLiteral(
            "UPDATE tblStation SET StationTxPower = 0 WHERE AntennasRef = 'Loc02-Ant01'"));
        openPage();
        const QAbstractItemModel *m = child<QTableView>("lsvCtpOverView")->model();
        QCOMPARE(m->rowCount(), 2);
        QVERIFY(m->index(0, ColumnField).data().toString().endsWith(QStringLiteral(" V/m")));
        QCOMPARE(m->index(1, ColumnField).data().toString(), QStringLiteral("no power chain"));
        QCOMPARE(m->index(1, ColumnField).data(Qt::BackgroundRole).value<QColor>(),
                 m->index(1, ColumnReference).data(Qt::BackgroundRole).value<QColor>());
        QCOMPARE(m->index(1, ColumnCombined).data().toString(), QStringLiteral("no power chain"));
        QLabel *incomplete = child<QLabel>("lblCtpIncomplete");
        QVERIFY(incomplete->isVisible());
        QCOMPARE(incomplete->text(),
                 QStringLiteral("The evaluation is incomplete: no power chain for Loc02-Ant01."));
        // The field column shows the whole text.
        QTableView *list = child<QTableView>("lsvCtpOverView");
        QVERIFY(list->columnWidth(ColumnField) >=
                list->fontMetrics().horizontalAdvance(QStringLiteral("no power chain")));

        emit list->doubleClicked(m->index(1, 0));
        QCOMPARE(ShownMessages().size(), 1);
        QVERIFY(ShownMessages().first().text.contains(QStringLiteral("Loc02-Ant01")));
        QVERIFY(!TFrmGraph::Instance());

        // Once a power is saved the row has its value and the note goes.
        db.sql(QStringLiteral("UPDATE tblStation SET StationTxPower = 100"));
        page->ActivatePage();
        QVERIFY(m->index(1, ColumnField).data().toString().endsWith(QStringLiteral(" V/m")));
        QVERIFY(!incomplete->isVisible());
        QVERIFY(!child<QLabel>("lblCtpNoLimit")->isVisible());
    }

    // Below 10 MHz the field cell says why it has no verdict colour.
    void belowTenMegahertzTheFieldCellCarriesTheNote()
    {
        station(1);
        point(0, "CTP_01", 5, 1, "Garden");
        db.sql(QStringLiteral("UPDATE tblStation SET IdBandFreqSt = 4")); // 40 m, 7,1 MHz
        openPage();
        const QAbstractItemModel *m = child<QTableView>("lsvCtpOverView")->model();
        QVERIFY(m->index(0, ColumnField).data().toString().endsWith(QStringLiteral(" V/m *")));
        QCOMPARE(m->index(0, ColumnField).data(Qt::ToolTipRole).toString(),
                 QStringLiteral("no limit applies below 10 MHz"));
        QLabel *note = child<QLabel>("lblCtpNoLimit");
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("* no limit applies below 10 MHz"));
        QCOMPARE(m->index(0, ColumnField).data(Qt::BackgroundRole).value<QColor>(),
                 m->index(0, ColumnReference).data(Qt::BackgroundRole).value<QColor>());
        QCOMPARE(m->index(0, ColumnCombined).data().toString(), QString());
    }

    // Two 2 m antennas of one site that transmit together: the first line of the
    // point shows their combined share of the limit in its verdict colour, and the
    // summary names it as the highest share.
    void combinedExposureOnTheFirstLineOfEachPoint()
    {
        station(1);
        db.sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, "
                              "AntennasRef, AntennasHeight, AntennasAntPwr, StationTxPower) "
                              "SELECT IdTower, IdListAnt, 12, 'Loc01-Ant02', 10, 14.8, 100 FROM "
                              "tblStation"));
        point(0, "CTP_01", 5, 1, "Garden");
        openPage();
        const TEvaluation &ev = page->Evaluation();
        QCOMPARE(ev.count(), 2);
        const double q = 2 * std::pow(ev.fieldStrength[0] / 13.7, 2);
        QVERIFY(std::fabs(ev.points[0].quotient - q) < 1e-12);
        const QAbstractItemModel *m = child<QTableView>("lsvCtpOverView")->model();
        QCOMPARE(m->headerData(ColumnCombined, Qt::Horizontal).toString(),
                 QStringLiteral("% of limit (together)"));
        QCOMPARE(m->index(0, ColumnCombined).data().toString(),
                 FormatRounded(100 * std::sqrt(q), 1) + QStringLiteral(" %"));
        QCOMPARE(m->index(1, ColumnCombined).data().toString(), QString());
        QCOMPARE(m->index(0, ColumnCombined).data(Qt::BackgroundRole).value<QColor>(),
                 ColourFromValue(VerdictColour(QuotientVerdict(q))));
        QLabel *combined = child<QLabel>("lblCtpCombined");
        QVERIFY(combined->isVisible());
        QVERIFY(combined->text().startsWith(QStringLiteral("Together at CTP_01 (Location_01): ")));
    }

    // Printing proposes a PDF in the owner's folder named after the call; the
    // file replaces an earlier one whole and leaves no temporary file behind.
    void printProposesTheOwnersFolderAndCallNamedPdf()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        station(1);
        point(0, "CTP_01", 10, 1.5, "Garden");
        CurrentSelection().setUserDirectory(folder.path());
        openPage();
        const QString expected =
            folder.filePath(QStringLiteral("ON4CTP_VLM_CriticalTestPoints.pdf"));
        QVERIFY(WriteFileSafely(expected, "earlier", nullptr));
        QString proposed, shownName;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            proposed = dialog->printer()->outputFileName();
            if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("filename")))
                shownName = name->text();
            dialog->accept();
        });
        click("bbnCtpPrint");
        QCOMPARE(proposed, expected);
        QCOMPARE(shownName, expected);
        QVERIFY(ShownMessages().isEmpty());
        QVERIFY(FileBytes(expected).startsWith("%PDF"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("ON4CTP_VLM_CriticalTestPoints.pdf")});
    }

    // Distances and heights carry "m" beside their fields, and each space
    // attenuation names its losses in dB.
    void unitsStandBesideTheFieldsAndInTheLists()
    {
        station(1);
        point(0, "CTP_01", 10, 1.5, "Garden");
        openPage();
        clickRow(0);
        click("bbnCtpAdd");
        for (const auto &[fieldName, unitName] :
             {std::pair{"memCtpAddDist", "lblCtpAddDistUnit"},
              std::pair{"memCtpAddHeight", "lblCtpAddHeightUnit"},
              std::pair{"dbmCtpDist", "lblCtpDistUnit"},
              std::pair{"dbmCtpHeight", "lblCtpHeightUnit"}}) {
            const QWidget *field = child<QLineEdit>(fieldName);
            const QLabel *unit = child<QLabel>(unitName);
            QCOMPARE(unit->text(), QStringLiteral("m"));
            QCOMPARE(unit->parentWidget(), field->parentWidget());
            if (field->isVisible()) {
                QVERIFY2(unit->x() >= field->geometry().right(), unitName);
                QVERIFY(qAbs(unit->geometry().center().y() - field->geometry().center().y()) < 5);
            }
        }
        for (const char *list : {"cbxAddCtpSpAtt", "dblCtpSpAtt"}) {
            const QComboBox *box = child<QComboBox>(list);
            QCOMPARE(box->itemText(0), QStringLiteral("Free field (outdoors, no obstacle) (0 dB)"));
            QCOMPARE(box->itemText(3),
                     QStringLiteral("Behind a brick wall (4 dB below 1 GHz, 8 dB from 1 GHz)"));
        }
    }

    void doubleClickEvaluatesAgain()
    {
        station(1);
        point(0, "CTP_01", 5, 1, "Garden");
        openPage();
        db.sql(QStringLiteral("UPDATE tblStation SET AntennasAntPwr = 30"));
        const double before = page->Evaluation().fieldStrength[0];
        QTableView *list = child<QTableView>("lsvCtpOverView");
        emit list->doubleClicked(list->model()->index(0, 0));
        QVERIFY(page->Evaluation().fieldStrength[0] > before);
        verifyIdle();
    }
};

QTEST_MAIN(TestCriticalPntsPage)
#include "test_criticalpntspage.moc"
