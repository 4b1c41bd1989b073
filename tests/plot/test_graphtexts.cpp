#include "exposure/graphtexts.h"

#include <gtest/gtest.h>

namespace
{

TGraphInfo Dish()
{
    TGraphInfo info;
    info.callSign = QStringLiteral("ON4AAA");
    info.placementRef = QStringLiteral("Loc01-Ant02");
    info.antennaType = QStringLiteral("Parabolic dish 1,2 m");
    info.antennaDescription = QStringLiteral("23 cm band");
    info.antennaHeight = 8;
    info.txPower = 100;
    info.modeCorrection = 3.98;
    info.timeCorrection = 3.01;
    info.feederLoss = 1.234;
    info.additionalLoss = 0.5;
    info.antennaPower = 12.345;
    info.eirp = 34.1;
    info.tilt = 10;
    info.frequency = 1270;
    info.apertureSize = 5;
    return info;
}

TEST(GraphTexts, ReadOutAlignsItsNumbers)
{
    EXPECT_EQ(ReadOutText(12.34, 5, 1.234),
              QStringLiteral("X(m)   =   12,3\n\rY(m)   =      5\n\rFS(V/m)=    1,23"));
    EXPECT_EQ(ReadOutText(250.06, -3.25, 99999.9),
              QStringLiteral("X(m)   =  250,1\n\rY(m)   =   -3,2\n\rFS(V/m)=  99999,9"));
}

TEST(GraphTexts, PointPanel)
{
    TGraphPoint p;
    p.number = 3;
    p.x = 12.5;
    p.y = 1.5;
    p.fieldStrength = 4.56;
    EXPECT_EQ(PointPanelText(p), QStringLiteral("Critical point =    3\n\r"
                                                "Height (m)     =  1,5\n\r"
                                                "Distance (m)   = 12,5\n\r"
                                                "Field Str(V/m) =  4,56"));
}

TEST(GraphTexts, GridRowsOfAnApertureAntenna)
{
    const QVector<TGraphGridRow> rows = GraphGridRows(Dish());
    const QStringList labels = {QStringLiteral("Call:"),          QStringLiteral(""),
                                QStringLiteral("Antenna:"),       QStringLiteral("Ant.type:"),
                                QStringLiteral("Ant.descr:"),     QStringLiteral("Ant.Height(m)"),
                                QStringLiteral("TX-Power(W):"),   QStringLiteral("Mode-corr(dB):"),
                                QStringLiteral("Time-corr(dB):"), QStringLiteral("Line-Loss(dB):"),
                                QStringLiteral("Add.loss(dB):"),  QStringLiteral("Ant.PWR(dBW):"),
                                QStringLiteral("EIRP(dbW):"),     QStringLiteral("Tilt(deg)"),
                                QStringLiteral("Freq(MHz):"),     QStringLiteral("Diam(wvl):")};
    const QStringList values = {
        QStringLiteral("ON4AAA"),      QStringLiteral(""),
        QStringLiteral("Loc01-Ant02"), QStringLiteral("Parabolic dish 1,2 m"),
        QStringLiteral("23 cm band"),  QStringLiteral("     8"),
        QStringLiteral("   100"),      QStringLiteral("  3,98"),
        QStringLiteral("  3,01"),      QStringLiteral("  1,23"),
        QStringLiteral("   0,5"),      QStringLiteral(" 12,34"),
        QStringLiteral("  34,1"),      QStringLiteral("    10"),
        QStringLiteral("      1270"),  QStringLiteral("5")};
    ASSERT_EQ(rows.size(), labels.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].label, labels[i]) << i;
        EXPECT_EQ(rows[i].value, values[i]) << i;
    }
}

TEST(GraphTexts, NoDiameterRowForAnOrdinaryAntenna)
{
    TGraphInfo info = Dish();
    info.apertureSize = 0;
    const QVector<TGraphGridRow> rows = GraphGridRows(info);
    EXPECT_EQ(rows.size(), 15);
    EXPECT_EQ(rows.last().label, QStringLiteral("Freq(MHz):"));
}

TEST(GraphTexts, PrintParametersFromTheGridRows)
{
    const QVector<TGraphGridRow> rows = GraphGridRows(Dish());
    EXPECT_EQ(PrintAntennaDescription(rows), QStringLiteral("Ant.descr:        23 cm band"));
    const QStringList memo = PrintMemoLines(rows);
    ASSERT_EQ(memo.size(), 2 * 11); // rows 5 to 15, each with a blank line
    EXPECT_EQ(memo[0], QStringLiteral("Ant.Height(m)          8"));
    EXPECT_EQ(memo[1], QStringLiteral(" "));
    EXPECT_EQ(memo[18], QStringLiteral("Freq(MHz):              1270"));
    EXPECT_EQ(memo[20], QStringLiteral("Diam(wvl):            5"));
    // A label longer than 18 characters is cut.
    QVector<TGraphGridRow> longLabel = rows;
    longLabel[5].label = QStringLiteral("A label far longer than eighteen");
    EXPECT_EQ(PrintMemoLines(longLabel)[0], QStringLiteral("A label far longer     8"));
}

} // namespace
