#include "charts/ui/xychart.h"

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The XY chart widget under the offscreen platform.
class TestXYChart : public QObject
{
    Q_OBJECT

private slots:
    void drawsItemsWhereTheWorldPointsAre();
    void polylinesFollowMoveToAndLineTo();
    void reportsMouseMovesInWorldCoordinates();
    void nearestMarkerOfAClass_data();
    void nearestMarkerOfAClass();
    void clearKeepsRangeAndCrosshairs();
    void savesItsPicture_data();
    void savesItsPicture();
    void extremeLinesDoNotBreakTheDrawing();
};

namespace
{

// A chart 400 × 300 with range 0..100 by 0..50 and nothing else.
void Setup(TXYChart &chart)
{
    chart.resize(400, 300);
    chart.setGridVisible(false);
    chart.setVisibleRange(0, 100, 0, 50);
}

QColor PixelAt(const QImage &image, const QPointF &p)
{
    return image.pixelColor(p.toPoint());
}

} // namespace

void TestXYChart::drawsItemsWhereTheWorldPointsAre()
{
    TXYChart chart;
    Setup(chart);
    chart.setAxisCaptions(QStringLiteral("Distance(m)"), QStringLiteral(" Height (m)"));
    chart.addLine({10, 25}, {90, 25}, Qt::red, 3, Qt::SolidLine);
    TXYChart::Label label;
    label.at = {50, 10};
    label.text = QStringLiteral("7");
    label.fontName = QStringLiteral("Small Fonts");
    label.fontSize = 6;
    label.textColour = QColor(0, 0, 128);
    label.border = QColor(0, 0, 128);
    label.background = QColor(189, 238, 166);
    chart.addLabel(label);
    const QImage image = chart.toImage();

    QCOMPARE(PixelAt(image, chart.worldToPixel({50, 25})), QColor(Qt::red));
    QCOMPARE(PixelAt(image, chart.worldToPixel({50, 30})), QColor(Qt::white));
    // The opaque label sits up and to the right of its point.
    const QPointF at = chart.worldToPixel({50, 10});
    int filled = 0;
    for (int dx = 7; dx < 14; ++dx) {
        for (int dy = -14; dy < -7; ++dy)
            filled += PixelAt(image, at + QPointF(dx, dy)) == QColor(189, 238, 166);
    }
    QVERIFY(filled > 5);
    QCOMPARE(chart.xCaption(), QStringLiteral("Distance(m)"));
    QCOMPARE(chart.yCaption(), QStringLiteral(" Height (m)"));
}

void TestXYChart::polylinesFollowMoveToAndLineTo()
{
    TXYChart chart;
    Setup(chart);
    chart.setPen(Qt::green, 2, Qt::SolidLine);
    chart.moveTo({0, 0});
    chart.lineTo({10, 10});
    chart.lineTo({20, 0});
    chart.setPen(Qt::blue, 1, Qt::DashDotDotLine);
    chart.moveTo({50, 0});
    chart.lineTo({50, 40});
    QCOMPARE(chart.polylines().size(), 2);
    QCOMPARE(chart.polylines()[0].points.size(), 3);
    QCOMPARE(chart.polylines()[0].colour, QColor(Qt::green));
    QCOMPARE(chart.polylines()[1].style, Qt::DashDotDotLine);
    QCOMPARE(chart.polylines()[1].points.last(), QPointF(50, 40));
}

void TestXYChart::reportsMouseMovesInWorldCoordinates()
{
    TXYChart chart;
    Setup(chart);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QSignalSpy spy(&chart, &TXYChart::mouseMovedWorld);
    const QPointF pixel = chart.worldToPixel({25, 40});
    QTest::mouseMove(&chart, pixel.toPoint());
    QTRY_VERIFY(!spy.isEmpty());
    const QPointF world = spy.last().at(0).toPointF();
    QVERIFY(qAbs(world.x() - 25) < 0.5);
    QVERIFY(qAbs(world.y() - 40) < 0.5);
    // Outside the plot area (on the axis labels) nothing is reported.
    spy.clear();
    QTest::mouseMove(&chart, QPoint(5, 5));
    QTest::qWait(20);
    QVERIFY(spy.isEmpty());
}

void TestXYChart::nearestMarkerOfAClass_data()
{
    QTest::addColumn<int>("markerClass");
    QTest::addColumn<QPointF>("world");
    QTest::addColumn<int>("tag");
    QTest::newRow("on a point") << 1 << QPointF(20, 10) << 1;
    QTest::newRow("nearer to the second") << 1 << QPointF(29, 10) << 2;
    QTest::newRow("the antenna is another class") << 1 << QPointF(0, 20) << 0;
    QTest::newRow("antenna class") << 0 << QPointF(0.5, 20) << 9;
    QTest::newRow("far from every marker") << 1 << QPointF(70, 40) << 0;
}

void TestXYChart::nearestMarkerOfAClass()
{
    QFETCH(int, markerClass);
    QFETCH(QPointF, world);
    QFETCH(int, tag);
    TXYChart chart;
    Setup(chart); // 3,2 px per metre
    chart.addMarker({0, 20}, 0, TXYChart::MarkerTriangle, Qt::black, 3, 9);
    chart.addMarker({20, 10}, 1, TXYChart::MarkerSquare, Qt::blue, 1, 1);
    chart.addMarker({30, 10}, 1, TXYChart::MarkerSquare, Qt::blue, 1, 2);
    QCOMPARE(chart.nearestMarkerTag(markerClass, world), tag);
}

void TestXYChart::clearKeepsRangeAndCrosshairs()
{
    TXYChart chart;
    Setup(chart);
    chart.setVerticalCrosshair(0, Qt::black, 1, Qt::DotLine);
    chart.setHorizontalCrosshair(0, QColor(128, 0, 128), 1, Qt::DashDotDotLine);
    chart.addLine({0, 0}, {1, 1}, Qt::red, 1, Qt::SolidLine);
    chart.addMarker({1, 1}, 1, TXYChart::MarkerSquare, Qt::blue, 1, 1);
    chart.moveTo({0, 0});
    chart.clear();
    QVERIFY(chart.lines().isEmpty());
    QVERIFY(chart.markers().isEmpty());
    QVERIFY(chart.polylines().isEmpty());
    QCOMPARE(chart.xMax(), 100.0);
    QVERIFY(chart.verticalCrosshair().visible);
    QCOMPARE(chart.horizontalCrosshair().style, Qt::DashDotDotLine);
}

void TestXYChart::savesItsPicture_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << QStringLiteral("chart.bmp");
    QTest::newRow("jpeg") << QStringLiteral("chart.jpg");
}

void TestXYChart::savesItsPicture()
{
    QFETCH(QString, name);
    TXYChart chart;
    Setup(chart);
    chart.addLine({0, 0}, {100, 50}, Qt::red, 2, Qt::SolidLine);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(chart.saveImage(path, nullptr, 100));
    const QImage image(path);
    QCOMPARE(image.size(), QSize(400, 300));
    QVERIFY(!chart.saveImage(dir.filePath(QStringLiteral("missing/") + name)));
}

void TestXYChart::extremeLinesDoNotBreakTheDrawing()
{
    TXYChart chart;
    Setup(chart);
    chart.addLine({50, 10}, {50 + 1e15, 1e18}, Qt::red, 3, Qt::SolidLine);
    chart.addLine({qQNaN(), 0}, {1, 1}, Qt::red, 1, Qt::SolidLine);
    chart.setPen(Qt::blue, 2, Qt::SolidLine);
    chart.moveTo({0, 0});
    chart.lineTo({1e300, -1e300});
    const QImage image = chart.toImage();
    QVERIFY(!image.isNull());
    // The steep line still leaves its start point upwards.
    QCOMPARE(PixelAt(image, chart.worldToPixel({50, 10}) + QPointF(0, -3)), QColor(Qt::red));
}

QTEST_MAIN(TestXYChart)
#include "test_xychart.moc"
