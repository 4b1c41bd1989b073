#include "../powerchain/pagetestsupport.h"
#include "base/currentselection.h"
#include "base/messages.h"
#include "base/numberformat.h"
#include "base/programfolder.h"
#include "charts/ui/xychart.h"
#include "exposure/graphprint.h"
#include "exposure/graphtexts.h"
#include "exposure/ui/criticalpntspage.h"
#include "exposure/ui/graphwindow.h"
#include "freshdatabase.h"
#include "reportengine/pdfcanvas.h"
#include "store/datamodule.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The plot window on a fixture station: a 2 m antenna and a tilted 23 cm dish
// (5 wavelengths) at one site with two points.
class TestGraphWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensOnlyForOnePlacement();
    void oneWindowAtATimeAndClosingDestroysIt();
    void legendGridAndCaptions_data();
    void legendGridAndCaptions();
    void zoomBarsScaleTheBaseRange_data();
    void zoomBarsScaleTheBaseRange();
    void readOutFollowsTheMouse();
    void savesTheScreen_data();
    void savesTheScreen();
    void printsThroughTheTemplate();
    void printWithoutTemplateIsReported();
    void doubleClickInThePointListOpensThePlot();

private:
    void sql(const QString &text)
    {
        QSqlQuery q(m_dm->conMainDb->database());
        QVERIFY2(q.exec(text), qPrintable(text));
    }
    TFrmGraph *open(const QString &ref)
    {
        return TFrmGraph::OpenGraph(*m_dm, QStringLiteral("Location_01"), ref);
    }
    // A mouse move over the chart, delivered to it directly.
    static void moveOver(QWidget *chart, const QPointF &pixel)
    {
        QMouseEvent move(QEvent::MouseMove, pixel, chart->mapToGlobal(pixel), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &move);
    }
    template <typename T> T *child(TFrmGraph *w, const char *name)
    {
        return w->findChild<T *>(QString::fromLatin1(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TdtmMain> m_dm;
};

void TestGraphWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QString error;
    m_dm = OpenFreshMainDatabase(QStringLiteral(VLM_TEST_DB), m_dir->path(), &error);
    QVERIFY2(m_dm, qPrintable(error));
    sql(QStringLiteral("INSERT INTO tblOwner (IdOwner, OwnerCall) VALUES (7, 'ON4AAA')"));
    sql(QStringLiteral("INSERT INTO tblTower (IdTower, IdOwner, TowerName) VALUES (3, 7, "
                       "'Location_01')"));
    sql(QStringLiteral(
        "INSERT INTO tblListAnt (IdListAnt, AntType, AntMakeDescr, AntV00, AntV10, AntV20, AntV30, "
        "AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100) VALUES (900, 'Dipole', "
        "'Half-wave wire', 2.1, 1.9, 1.2, 0, -2, -4.5, -8, -13, -20, -30, -30)"));
    sql(QStringLiteral(
        "INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, IdMode, IdTxTime, AntennasRef, "
        "AntennasHeight, AntennasTilt, AntennasAntPwr, StationTxPower) VALUES "
        "(3, 900, 12, 2, 1, 'Loc01-Ant01', 10, 0, 17, 100), "
        "(3, 40, 14, 2, 1, 'Loc01-Ant02', 8, 10, 10, 20)"));
    sql(QStringLiteral("INSERT INTO tblCriticalPnt (IdTower, IdSpaceAtt, CriticalPntRef, "
                       "CriticalPntDist, CriticalPntHeight, CriticalPntRem) VALUES "
                       "(3, 2, 'CTP_01', 12, 2, 'Garden'), (3, 4, 'CTP_02', 6, 4, 'Bedroom')"));
    CurrentSelection().clear();
    CurrentSelection().ownerId = 7;
    CurrentSelection().setCall(QStringLiteral("ON4AAA"));
    CurrentSelection().setUserDirectory(m_dir->filePath(QStringLiteral("ON4AAA")));
    SetProgramFolder(m_dir->path());
    ClearShownMessages();
}

void TestGraphWindow::cleanup()
{
    if (TFrmGraph *w = TFrmGraph::Instance())
        delete w;
    TFrmGraph::SetPrintPreviewHook({});
    SetProgramFolder(QString());
    CurrentSelection().clear();
    m_dm.reset();
    m_dir.reset();
}

void TestGraphWindow::opensOnlyForOnePlacement()
{
    QVERIFY(!open(QStringLiteral("Loc09-Ant01")));
    QVERIFY(!TFrmGraph::Instance());
    QVERIFY(ShownMessages().isEmpty());
    // The same reference at a second site of the owner: no window either.
    sql(QStringLiteral("INSERT INTO tblTower (IdTower, IdOwner, TowerName) VALUES (4, 7, 'B')"));
    sql(QStringLiteral("INSERT INTO tblStation (IdTower, IdListAnt, IdBandFreqSt, IdMode, "
                       "IdTxTime, AntennasRef) VALUES (4, 900, 12, 2, 1, 'Loc01-Ant01')"));
    QVERIFY(!open(QStringLiteral("Loc01-Ant01")));
    QVERIFY(open(QStringLiteral("Loc01-Ant02")));
}

void TestGraphWindow::oneWindowAtATimeAndClosingDestroysIt()
{
    TFrmGraph *first = open(QStringLiteral("Loc01-Ant01"));
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    QCOMPARE(first->windowTitle(), QStringLiteral("Graphical view"));
    QCOMPARE(open(QStringLiteral("Loc01-Ant02")), first);
    QCOMPARE(first->Graph().info.placementRef, QStringLiteral("Loc01-Ant02"));
    QPushButton *close = child<QPushButton>(first, "bbnClose");
    QCOMPARE(close->text(), QStringLiteral("   Close      "));
    close->click();
    QTRY_VERIFY(!TFrmGraph::Instance());
    TFrmGraph *second = open(QStringLiteral("Loc01-Ant01"));
    QVERIFY(second);
    QCOMPARE(TFrmGraph::Instance(), second);
}

void TestGraphWindow::legendGridAndCaptions_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QStringList>("legend");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("guideLines");
    QTest::newRow("wire antenna on 2 m")
        << QStringLiteral("Loc01-Ant01")
        << QStringList{QStringLiteral("3,07 V/m"), QStringLiteral("12,26 V/m"),
                       QStringLiteral("13,7 V/m")}
        << 15 << 0;
    QTest::newRow("dish on 23 cm")
        << QStringLiteral("Loc01-Ant02")
        << QStringList{QStringLiteral("5,49 V/m"), QStringLiteral("21,88 V/m"),
                       QStringLiteral("24,45 V/m")}
        << 16 << 2;
}

void TestGraphWindow::legendGridAndCaptions()
{
    QFETCH(QString, reference);
    QFETCH(QStringList, legend);
    QFETCH(int, rows);
    QFETCH(int, guideLines);
    TFrmGraph *w = open(reference);
    QVERIFY(w);
    QCOMPARE(child<QLabel>(w, "lblLevelLow")->text(), legend[0]);
    QCOMPARE(child<QLabel>(w, "lblLevelWarning")->text(), legend[1]);
    QCOMPARE(child<QLabel>(w, "lblLevelLimit")->text(), legend[2]);
    QCOMPARE(child<QLabel>(w, "lblLevelLow")->palette().color(QPalette::Window),
             QColor(85, 203, 75));

    QTableWidget *grid = child<QTableWidget>(w, "grdSummary");
    QTRY_COMPARE(grid->item(2, 1)->text(), reference);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("ON4AAA"));
    QCOMPARE(grid->item(15, 0)->text().isEmpty(), rows == 15);
    QCOMPARE(grid->selectionMode(), QAbstractItemView::NoSelection);

    TXYChart *chart = child<TXYChart>(w, "chtGraph");
    QCOMPARE(chart->xCaption(), QStringLiteral("Distance(m)"));
    QCOMPARE(chart->yCaption(), QStringLiteral(" Height (m)"));
    // Guide lines, then the beam axis: dash-dot-dot lines only for the dish.
    int dashed = 0;
    for (const TXYChart::Line &line : chart->lines())
        dashed += line.style == Qt::DashDotDotLine;
    QCOMPARE(dashed, guideLines);
    // Three contours, two halves each, and the half circle of the safety distance.
    QCOMPARE(chart->polylines().size(), 7);
    QCOMPARE(chart->markers().size(), 3); // antenna and two points
    QCOMPARE(chart->labels().size(), 3);
    QCOMPARE(chart->labels()[1].text, QStringLiteral("2"));
    const TGraphInfo &info = w->Graph().info;
    QVERIFY(info.safetyDistance.has_value());
    QCOMPARE(chart->labels()[2].text, QStringLiteral("Safety distance ") +
                                          FormatRounded(*info.safetyDistance, 2) +
                                          QStringLiteral(" m"));
}

void TestGraphWindow::zoomBarsScaleTheBaseRange_data()
{
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("factor");
    QTest::newRow("X to 150") << QStringLiteral("sbrZoomX") << 150 << 0.25;
    QTest::newRow("X to 1") << QStringLiteral("sbrZoomX") << 1 << 1.74;
    QTest::newRow("Y to 1") << QStringLiteral("sbrZoomY") << 1 << 1.99;
    QTest::newRow("Y to 150") << QStringLiteral("sbrZoomY") << 150 << 0.5;
}

void TestGraphWindow::zoomBarsScaleTheBaseRange()
{
    QFETCH(QString, bar);
    QFETCH(int, position);
    QFETCH(double, factor);
    TFrmGraph *w = open(QStringLiteral("Loc01-Ant02"));
    QVERIFY(w);
    const TGraphView base = w->BaseRange();
    QScrollBar *zoom = w->findChild<QScrollBar *>(bar);
    QCOMPARE(zoom->value(), bar == QLatin1String("sbrZoomX") ? 75 : 100);
    zoom->setValue(position);
    const bool horizontal = bar == QLatin1String("sbrZoomX");
    const double now = horizontal ? w->CurrentRange().xMax : w->CurrentRange().yMax;
    QVERIFY(qAbs(now - factor * (horizontal ? base.xMax : base.yMax)) < 1e-9);
    TXYChart *chart = child<TXYChart>(w, "chtGraph");
    QCOMPARE(horizontal ? chart->xMax() : chart->yMax(), now);

    child<QPushButton>(w, "bbnResetZoom")->click();
    QCOMPARE(w->CurrentRange().xMax, base.xMax);
    QCOMPARE(w->CurrentRange().yMax, base.yMax);
    QCOMPARE(zoom->value(), horizontal ? 75 : 100);
}

void TestGraphWindow::readOutFollowsTheMouse()
{
    TFrmGraph *w = open(QStringLiteral("Loc01-Ant01"));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    TXYChart *chart = child<TXYChart>(w, "chtGraph");
    QLabel *readOut = child<QLabel>(w, "lblReadOut");
    QLabel *pointInfo = child<QLabel>(w, "lblPointInfo");

    const QPointF world = chart->pixelToWorld(chart->worldToPixel({8, 5}).toPoint());
    moveOver(chart, chart->worldToPixel(world));
    const double e = ReadOutFieldStrength(w->Graph().info, world.x(), world.y());
    QTRY_COMPARE(readOut->text(), ReadOutText(world.x(), world.y(), e).remove(QLatin1Char('\r')));
    QVERIFY(pointInfo->text().isEmpty());

    // Negative X is ignored: the read-out keeps its text.
    const QString before = readOut->text();
    w->ShowReadOut({-0.5, 3});
    QCOMPARE(readOut->text(), before);

    // On the marker of point 2 the point panel shows it.
    moveOver(chart, chart->worldToPixel({6, 4}));
    QTRY_VERIFY(pointInfo->text().startsWith(QStringLiteral("Critical point =    2")));
    QCOMPARE(pointInfo->text(), PointPanelText(w->Graph().points[1]).remove(QLatin1Char('\r')));
}

void TestGraphWindow::savesTheScreen_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("jpeg") << 0 << QStringLiteral("ON4AAA_vlm_Loc01-Ant01_diag.jpg")
                          << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("bmp") << 1 << QStringLiteral("ON4AAA_vlm_Loc01-Ant01_diag.bmp")
                         << QByteArray("BM");
}

void TestGraphWindow::savesTheScreen()
{
    QFETCH(int, format);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, magic);
    TFrmGraph *w = open(QStringLiteral("Loc01-Ant01"));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QComboBox *choice = child<QComboBox>(w, "cbxPictureFormat");
    QCOMPARE(choice->currentText(), QStringLiteral(".JPG"));
    choice->setCurrentIndex(format);
    QPushButton *save = child<QPushButton>(w, "bbnSaveScreen");
    QCOMPARE(save->text(), QStringLiteral("Save Screen  "));
    save->click();
    const QString path = m_dir->filePath(QStringLiteral("ON4AAA/") + fileName);
    QCOMPARE(w->SaveScreenPath(), path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    QVERIFY(file.read(magic.size()) == magic);
    const QImage image(path);
    QCOMPARE(image.size(), child<QWidget>(w, "pnlGraph")->size());
    QVERIFY(ShownMessages().isEmpty());
}

void TestGraphWindow::printsThroughTheTemplate()
{
    QVERIFY(QFile::copy(QStringLiteral(VLM_SOURCE_DIR "/data/Graph.rav"),
                        m_dir->filePath(QStringLiteral("Graph.rav"))));
    ReportJob printed;
    int calls = 0;
    TFrmGraph::SetPrintPreviewHook([&](const ReportJob &job) {
        printed = job;
        ++calls;
    });
    TFrmGraph *w = open(QStringLiteral("Loc01-Ant02"));
    QVERIFY(w);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QPushButton *print = child<QPushButton>(w, "bbnPrintGraph");
    QCOMPARE(print->text(), QStringLiteral(" Print Graph"));
    print->click();
    QCOMPARE(calls, 1);
    QVERIFY(ShownMessages().isEmpty());
    // The temporary bitmap is gone, the job still draws the picture.
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("TempRpt.bmp"))));
    const QString pdf = m_dir->filePath(QStringLiteral("plot.pdf"));
    QString error;
    QVERIFY2(WriteReportPdf(printed, pdf, &error), qPrintable(error));
    PdfCanvas canvas;
    printed.draw(canvas);
    QVERIFY2(canvas.ok(), qPrintable(canvas.errorText()));
    const QByteArray out = qgetenv("VLM_PLOT_SHOTS");
    if (!out.isEmpty()) {
        QFile::remove(QString::fromLocal8Bit(out) + QStringLiteral("/plot.pdf"));
        QFile::copy(pdf, QString::fromLocal8Bit(out) + QStringLiteral("/plot.pdf"));
        w->ShowReadOut({6, 4});
        w->grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/dish.png"));
        TFrmGraph *wire = open(QStringLiteral("Loc01-Ant01"));
        wire->ShowReadOut({12, 2});
        wire->grab().save(QString::fromLocal8Bit(out) + QStringLiteral("/wire.png"));
    }
}

void TestGraphWindow::printWithoutTemplateIsReported()
{
    int calls = 0;
    TFrmGraph::SetPrintPreviewHook([&](const ReportJob &) { ++calls; });
    TFrmGraph *w = open(QStringLiteral("Loc01-Ant01"));
    QVERIFY(w);
    child<QPushButton>(w, "bbnPrintGraph")->click();
    QCOMPARE(calls, 0);
    QCOMPARE(ShownMessages().size(), 1);
    QVERIFY(ShownMessages()[0].text.contains(QStringLiteral("Graph.rav")));
    QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("TempRpt.bmp"))));
}

void TestGraphWindow::doubleClickInThePointListOpensThePlot()
{
    FakeWizardHost host;
    host.dm = m_dm.get();
    QVERIFY(m_dm->OpenLookupTables());
    TfraCriticalPnts page(host);
    page.show();
    page.ActivatePage();
    QTableView *list = page.findChild<QTableView *>(QStringLiteral("lsvCtpOverView"));
    QVERIFY(list);
    QCOMPARE(page.Evaluation().count(), 4); // two points by two placements
    const int row = page.Evaluation().antennaRef.indexOf(QStringLiteral("Loc01-Ant02"));
    QVERIFY(row >= 0);
    emit list->doubleClicked(list->model()->index(row, 0));
    TFrmGraph *w = TFrmGraph::Instance();
    QVERIFY(w);
    QCOMPARE(w->Graph().info.placementRef, QStringLiteral("Loc01-Ant02"));
    QCOMPARE(w->Graph().info.siteName, QStringLiteral("Location_01"));
    QCOMPARE(w->Graph().points.size(), 2);
    QCOMPARE(page.Evaluation().count(), 4); // evaluated again afterwards
}

QTEST_MAIN(TestGraphWindow)
#include "test_graphwindow.moc"
