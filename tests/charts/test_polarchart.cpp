// The polar chart's scale and what the widget draws.
#include "charts/polarchartgeometry.h"
#include "charts/ui/polarchart.h"

#include <QImage>
#include <QtTest>

class TestPolarChart : public QObject
{
    Q_OBJECT

private slots:
    void mapsAnglesAndValues_data();
    void mapsAnglesAndValues();
    void emptyRangeAndLowValues();
    void scaleFollowsTheWidgetSize();
    void labelsReadTheShiftedAngle();
    void drawsThePolylinesInTheirColour();
};

void TestPolarChart::mapsAnglesAndValues_data()
{
    QTest::addColumn<double>("angle");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("counterClockwise");
    QTest::addColumn<QPointF>("expected");
    // Centre (100, 100), radius 50, range -10..10, offset -90.
    QTest::newRow("chart 90 points right") << 90.0 << 10.0 << true << QPointF(150, 100);
    QTest::newRow("chart 0 points down") << 0.0 << 10.0 << true << QPointF(100, 150);
    QTest::newRow("chart 180 points up") << 180.0 << 10.0 << true << QPointF(100, 50);
    QTest::newRow("mid value at half radius") << 90.0 << 0.0 << true << QPointF(125, 100);
    QTest::newRow("clockwise turns chart 0 up") << 0.0 << 10.0 << false << QPointF(100, 50);
}

void TestPolarChart::mapsAnglesAndValues()
{
    QFETCH(double, angle);
    QFETCH(double, value);
    QFETCH(bool, counterClockwise);
    QFETCH(QPointF, expected);
    TPolarScale s;
    s.centre = QPointF(100, 100);
    s.radius = 50;
    s.low = -10;
    s.high = 10;
    s.angleOffset = -90;
    s.counterClockwise = counterClockwise;
    const QPointF p = s.map(angle, value);
    QVERIFY2(qAbs(p.x() - expected.x()) < 1e-9 && qAbs(p.y() - expected.y()) < 1e-9,
             qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
}

void TestPolarChart::emptyRangeAndLowValues()
{
    TPolarScale s;
    s.radius = 40;
    s.low = 3;
    s.high = 3;
    QCOMPARE(s.distance(3), 40.0); // no division by zero: on the outer ring
    s.high = 5;
    QCOMPARE(s.distance(1), 0.0); // below the range: at the centre
    QCOMPARE(s.distance(4), 20.0);
}

void TestPolarChart::scaleFollowsTheWidgetSize()
{
    TPolarChart chart;
    chart.resize(480, 220);
    chart.setCentre(QPointF(1.0 / 12.0, 0.5));
    chart.setMargins(10, 10);
    TPolarScale s = chart.scale();
    QCOMPARE(s.centre, QPointF(40, 110));
    QCOMPARE(s.radius, 86.0); // (220 - 10 - 10) / 2, less room for the labels
    chart.resize(960, 420);
    s = chart.scale();
    QCOMPARE(s.centre, QPointF(80, 210));
    QCOMPARE(s.radius, 186.0);
}

void TestPolarChart::labelsReadTheShiftedAngle()
{
    TPolarChart chart;
    chart.setAngleLabelShift(-90);
    QCOMPARE(chart.angleLabel(90), QStringLiteral("0°"));
    QCOMPARE(chart.angleLabel(0), QStringLiteral("-90°"));
    QCOMPARE(chart.angleLabel(150), QStringLiteral("60°"));
}

void TestPolarChart::drawsThePolylinesInTheirColour()
{
    TPolarChart chart;
    chart.resize(300, 220);
    chart.setCentre(QPointF(0.5, 0.5));
    chart.setRadialRange(0, 10);
    chart.setAngleOffset(-90);
    chart.addPolyline({QPointF(60, 10), QPointF(120, 10)}, Qt::red, Qt::SolidLine, 3);
    QCOMPARE(chart.polylines().size(), 1);
    const QImage image = chart.grab().toImage();
    // The chord between chart angles 60 and 120 on the outer ring is vertical,
    // right of the centre at radius * cos(30°).
    const TPolarScale s = chart.scale();
    const QPoint mid = ((s.map(60, 10) + s.map(120, 10)) / 2).toPoint();
    const QColor c = image.pixelColor(mid * image.devicePixelRatio());
    QVERIFY2(c.red() > 200 && c.green() < 80 && c.blue() < 80, qPrintable(c.name()));
    chart.clear();
    QVERIFY(chart.polylines().isEmpty());
    const QColor after = chart.grab().toImage().pixelColor(mid);
    QVERIFY2(!(after.red() > 200 && after.green() < 80), qPrintable(after.name()));
}

QTEST_MAIN(TestPolarChart)
#include "test_polarchart.moc"
