// The program's binding to libmeridox.so: loading from the program's folder,
// the start-up definitions, the two site-page conversions and the missing
// library.
#include "base/meridoxbinding.h"
#include "base/messages.h"
#include "base/programfolder.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class MeridoxBinding : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetConversionLibrary();
        ClearShownMessages();
    }
    void TearDown() override
    {
        ResetConversionLibrary();
        SetProgramFolder(QString());
    }
};

TEST_F(MeridoxBinding, WorkedExample)
{
    SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
    const ConversionLibraryLoad load = LoadConversionLibrary();
    ASSERT_TRUE(load.loaded) << load.errorText.toStdString();
    EXPECT_TRUE(IsConversionLibraryLoaded());
    ReportConversionLibraryLoad(load);
    EXPECT_TRUE(ShownMessages().isEmpty()) << "nothing to tell after a successful load";

    Wgs84DmsTexts dms;
    ASSERT_TRUE(Lambert72ToWgs84(QStringLiteral("150000"), QStringLiteral("170000"), &dms));
    EXPECT_EQ(dms.latDeg, QStringLiteral("50"));
    EXPECT_EQ(dms.latMin, QStringLiteral("50"));
    EXPECT_EQ(dms.latSec, QStringLiteral("25"));
    EXPECT_EQ(dms.lonDeg, QStringLiteral("4"));
    EXPECT_EQ(dms.lonMin, QStringLiteral("22"));
    EXPECT_EQ(dms.lonSec, QStringLiteral("08"));

    QString x, y;
    ASSERT_TRUE(Wgs84ToLambert72(dms.latDeg, dms.latMin, dms.latSec, dms.lonDeg, dms.lonMin,
                                 dms.lonSec, &x, &y));
    EXPECT_EQ(x, QStringLiteral("150010"));
    EXPECT_EQ(y, QStringLiteral("169985"));

    // Program number format: thousands "." and decimal ",".
    ASSERT_TRUE(Lambert72ToWgs84(QStringLiteral("150.000,4"), QStringLiteral("170.000"), &dms));
    EXPECT_EQ(dms.latSec, QStringLiteral("25"));

    // A second call keeps the first load.
    EXPECT_TRUE(LoadConversionLibrary().loaded);
}

struct SplitCase {
    const char *why;
    double packed;
    const char *degrees, *minutes, *seconds;
};

TEST(SplitPackedDms, RoundsToTheWholeSecondInThePackedForm)
{
    const SplitCase cases[] = {
        {"worked latitude", 50.5025487, "50", "50", "25"},
        {"worked longitude rounds up", 4.2207513, "4", "22", "08"},
        {"leading zeros", 50.05074, "50", "05", "07"},
        {"59.6 seconds give 60 without carry", 50.59596, "50", "59", "60"},
        {"half a second goes to even (down)", 50.50245, "50", "50", "24"},
        {"half a second goes to even (up)", 50.50255, "50", "50", "26"},
        {"failed conversion", 0.0, "0", "00", "00"},
        {"negative angle", -4.3015, "-4", "30", "15"},
        {"between -1 and 0 degrees keeps its sign", -0.3015, "-0", "30", "15"},
    };
    for (const auto &c : cases) {
        QString d, m, s;
        SplitPackedDms(c.packed, &d, &m, &s);
        EXPECT_EQ(d, QString::fromLatin1(c.degrees)) << c.why;
        EXPECT_EQ(m, QString::fromLatin1(c.minutes)) << c.why;
        EXPECT_EQ(s, QString::fromLatin1(c.seconds)) << c.why;
    }
}

TEST_F(MeridoxBinding, LambertTextsAreWholeMetres)
{
    SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
    ASSERT_TRUE(LoadConversionLibrary().loaded);
    QString x, y;
    ASSERT_TRUE(Wgs84ToLambert72(QStringLiteral("50"), QStringLiteral("59"), QStringLiteral("59,6"),
                                 QStringLiteral("4"), QStringLiteral("30"), QStringLiteral("01,7"),
                                 &x, &y));
    EXPECT_FALSE(x.contains(QLatin1Char(','))) << x.toStdString();
    EXPECT_FALSE(y.contains(QLatin1Char(','))) << y.toStdString();
    EXPECT_FALSE(x.contains(QLatin1Char('.'))) << "no thousands separators";
}

TEST_F(MeridoxBinding, NegativeAnglesSurviveARoundTrip)
{
    SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
    ASSERT_TRUE(LoadConversionLibrary().loaded);
    const char *const longitudes[][3] = {{"-0", "30", "15"}, {"-1", "05", "20"}, {"0", "30", "15"}};
    QString previousX;
    for (const auto &lon : longitudes) {
        QString x, y;
        ASSERT_TRUE(Wgs84ToLambert72(QStringLiteral("50"), QStringLiteral("50"),
                                     QStringLiteral("25"), QString::fromLatin1(lon[0]),
                                     QString::fromLatin1(lon[1]), QString::fromLatin1(lon[2]), &x,
                                     &y))
            << lon[0];
        EXPECT_NE(x, previousX) << "each longitude is its own point";
        previousX = x;
        Wgs84DmsTexts back;
        ASSERT_TRUE(Lambert72ToWgs84(x, y, &back)) << lon[0];
        EXPECT_EQ(back.lonDeg, QString::fromLatin1(lon[0]));
        EXPECT_EQ(back.lonMin, QString::fromLatin1(lon[1]));
        EXPECT_EQ(back.lonSec, QString::fromLatin1(lon[2]));
        EXPECT_EQ(back.latDeg, QStringLiteral("50"));
    }
}

TEST_F(MeridoxBinding, FailedConversionGivesZeros)
{
    SetProgramFolder(QStringLiteral(VLM_PROGRAM_DIR));
    ASSERT_TRUE(LoadConversionLibrary().loaded);
    QString x, y;
    EXPECT_FALSE(Wgs84ToLambert72(QStringLiteral("95"), QStringLiteral("0"), QStringLiteral("0"),
                                  QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("0"), &x,
                                  &y))
        << "latitude beyond 90";
    EXPECT_EQ(x, QStringLiteral("0"));
    EXPECT_EQ(y, QStringLiteral("0"));
}

TEST_F(MeridoxBinding, MissingLibraryIsToldOnceAndConversionsFail)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    SetProgramFolder(empty.path());
    const ConversionLibraryLoad load = LoadConversionLibrary();
    EXPECT_FALSE(load.loaded);
    EXPECT_FALSE(load.errorText.isEmpty());
    EXPECT_FALSE(IsConversionLibraryLoaded());

    ReportConversionLibraryLoad(load);
    ReportConversionLibraryLoad(LoadConversionLibrary());
    const auto shown = ShownMessages();
    ASSERT_EQ(shown.size(), 1) << "told once";
    EXPECT_EQ(shown.first().kind, int(MessageError));

    Wgs84DmsTexts dms;
    EXPECT_FALSE(Lambert72ToWgs84(QStringLiteral("150000"), QStringLiteral("170000"), &dms));
    EXPECT_EQ(dms.latDeg, QStringLiteral("0"));
    EXPECT_EQ(dms.latSec, QStringLiteral("00"));
    QString x, y;
    EXPECT_FALSE(Wgs84ToLambert72(QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("25"),
                                  QStringLiteral("4"), QStringLiteral("22"), QStringLiteral("08"),
                                  &x, &y));
    EXPECT_EQ(x, QStringLiteral("0"));
}

TEST_F(MeridoxBinding, FileThatIsNoLibraryIsNotUsed)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile fake(folder.filePath(QStringLiteral("libmeridox.so")));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a library");
    fake.close();
    SetProgramFolder(folder.path());
    EXPECT_FALSE(LoadConversionLibrary().loaded);
    EXPECT_FALSE(IsConversionLibraryLoaded());
}

TEST_F(MeridoxBinding, LibraryWithoutAllItsFunctionsIsNotUsed)
{
    // A stand-in libmeridox.so that lacks SetPivot.
    SetProgramFolder(QStringLiteral(MERIDOX_STUB_DIR));
    const ConversionLibraryLoad load = LoadConversionLibrary();
    EXPECT_FALSE(load.loaded);
    EXPECT_TRUE(load.errorText.contains(QStringLiteral("SetPivot")))
        << load.errorText.toStdString();
    EXPECT_FALSE(IsConversionLibraryLoaded());
    Wgs84DmsTexts dms;
    EXPECT_FALSE(Lambert72ToWgs84(QStringLiteral("150000"), QStringLiteral("170000"), &dms));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
