// The shipped VlmMain.mdb: every table the program opens is there and filled,
// and the reference data keep the promises the program relies on.
#include "exposure/engine/engine.h"
#include "referencedb.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

namespace
{

class ReferenceData : public ::testing::Test
{
protected:
    ReferenceDb db{QStringLiteral(VLM_TEST_DB)};
};

int Count(const ReferenceDb &db, const QString &sql)
{
    return db.value(sql).toInt();
}

// Characters of Windows-1252 outside Latin-1's printable range.
bool IsWindows1252(const QString &text)
{
    static const QString extra = QStringLiteral("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\n' || (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF))
            continue;
        if (!extra.contains(c))
            return false;
    }
    return true;
}

// --- Every dataset the data module opens at start-up, with the columns read.
struct LookupCase {
    const char *name;
    const char *columns;
};

class LookupTables : public ReferenceData, public ::testing::WithParamInterface<LookupCase>
{
};

TEST_P(LookupTables, ExistsWithItsColumnsAndHasRows)
{
    ASSERT_TRUE(db.isOpen());
    const QString sql =
        QStringLiteral("SELECT %1 FROM %2")
            .arg(QString::fromLatin1(GetParam().columns), QString::fromLatin1(GetParam().name));
    EXPECT_GT(db.rows(sql).size(), 0) << sql.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    All, LookupTables,
    ::testing::Values(
        LookupCase{"qryZipCity1", "IDZipCity1, Zip, CityNameN, CityNameF"},
        LookupCase{"qryZipCity2", "IdZipCity2, Zip, CityNameN, CityNameF"},
        LookupCase{"qryTxTime1", "IdTxTime, TxTimeValue, TxTimeAtt, TxTimeProc"},
        LookupCase{"qryTxTime2", "IDTxTime, TxTimeValue, TxTimeAtt, TxTimeProc"},
        LookupCase{"qryListAntFamily", "IdAntFamily, AntFamilyNameE"},
        LookupCase{"tblListAntFamily", "IdAntFamily, AntFamilyNameN, AntFamilyNameF"},
        LookupCase{"qryMode1", "IdMode, ModeDescrE, ModeAtt, ModeProcs"},
        LookupCase{"qryMode2", "IdMode, ModeDescrE, ModeAtt, ModeProcs"},
        LookupCase{"tblSpaceAtt", "IdSpaceAtt, SpaceAttDescrE, SpaceAttLow, SpaceAttHigh"},
        LookupCase{"tblListAnt",
                   "IdListAnt, IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr, "
                   "AntV00, AntV90, AntV100, AntDir, AntExtra"},
        LookupCase{"tblBandFreq", "IdBandFreq, BandFreqDescr, BandFreqCenter"},
        LookupCase{"qryCableLoss1", "IDCableLoss1, CableLossName, CableLossValue"},
        LookupCase{"qryCableLoss2", "IDCableLoss2, CableLossName, CableLossValue"},
        LookupCase{"qryCableLoss3", "IDCableLoss3, CableLossName, CableLossValue"},
        LookupCase{"qryCableLoss4", "IDCableLoss4, CableLossName, CableLossValue"},
        LookupCase{"tblLanguage", "IdLanguage, LanguageFullE"}, LookupCase{"tblErpVal", "*"},
        LookupCase{"tblListAntPol", "IdListAntPol, ListAntPolE, ListAntPolSh"},
        LookupCase{"tblBandFreqSt", "IDBandFreqSt, BandFreqDescr, BandFreqCenter"},
        LookupCase{"tblBandFreqQrp", "IdBandFreqQrp, BandFreqDescr, BandFreqCenter"},
        LookupCase{"tblDocs", "DocsName, IdLanguage, DocsDesc, DocsText"},
        LookupCase{"tblBipt",
                   "IdLanguage, BiptName, BiptService, BiptAddr1, BiptAddr2, BiptZip, BiptCity"}),
    [](const ::testing::TestParamInfo<LookupCase> &info) { return std::string(info.param.name); });

TEST_F(ReferenceData, LanguagesAreTheFourDocumentLanguagesInOrder)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT IdLanguage, LanguageFullE FROM tblLanguage ORDER BY 1"));
    const QStringList expected{QStringLiteral("English"), QStringLiteral("Dutch"),
                               QStringLiteral("French"), QStringLiteral("German")};
    ASSERT_EQ(rows.size(), expected.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0].toInt(), i + 1);
        EXPECT_EQ(rows[i][1].toString(), expected[i]);
    }
}

TEST_F(ReferenceData, DatabaseVersionIsAWholeNumber)
{
    bool ok = false;
    const QString version =
        db.value(QStringLiteral(
                     "SELECT ApplDataValue FROM tblApplData WHERE ApplDataName LIKE 'DBVer' "))
            .toString();
    EXPECT_GE(version.toInt(&ok), 1);
    EXPECT_TRUE(ok) << version.toStdString();
}

// --- Bands
TEST_F(ReferenceData, PlacementBandsMirrorCatalogueBandsUnderTheSameKeys)
{
    EXPECT_EQ(Count(db, QStringLiteral("SELECT COUNT(*) FROM tblBandFreq WHERE IdBandFreq = 16")),
              1);
    // Key 16 is no band: a placement can never be given it, so never 0 MHz.
    EXPECT_EQ(
        Count(db, QStringLiteral("SELECT COUNT(*) FROM tblBandFreqSt WHERE IdBandFreqSt = 16")), 0);
    EXPECT_EQ(
        Count(db, QStringLiteral("SELECT COUNT(*) FROM tblBandFreq b LEFT JOIN tblBandFreqSt s "
                                 "ON s.IdBandFreqSt = b.IdBandFreq WHERE b.IdBandFreq <> 16 AND "
                                 "(s.IdBandFreqSt IS NULL OR s.BandFreqCenter <> b.BandFreqCenter "
                                 "OR s.BandFreqDescr <> b.BandFreqDescr)")),
        0);
    EXPECT_EQ(Count(db, QStringLiteral(
                            "SELECT COUNT(*) FROM tblBandFreqSt WHERE NOT BandFreqCenter > 0")),
              0);
    EXPECT_EQ(Count(db, QStringLiteral(
                            "SELECT COUNT(*) FROM tblBandFreqQrp WHERE NOT BandFreqCenter > 0")),
              0);
    EXPECT_LE(db.value(QStringLiteral("SELECT MIN(BandFreqCenter) FROM tblBandFreqSt")).toDouble(),
              2.0);
    EXPECT_GE(db.value(QStringLiteral("SELECT MAX(BandFreqCenter) FROM tblBandFreqSt")).toDouble(),
              10000.0);
}

TEST_F(ReferenceData, EachBandCentreLiesBetweenTheEdgesItsDescriptionNames)
{
    // "2 m (144 - 146 MHz)", "60 m (5,3515 - 5,3665 MHz)"
    const QRegularExpression edges(QStringLiteral("\\(([0-9,]+) - ([0-9,]+) MHz\\)"));
    for (const auto &row :
         db.rows(QStringLiteral("SELECT BandFreqDescr, BandFreqCenter FROM tblBandFreqSt"))) {
        const auto match = edges.match(row[0].toString());
        ASSERT_TRUE(match.hasMatch()) << row[0].toString().toStdString();
        double low = 0, high = 0;
        ASSERT_TRUE(ParseCommaNumber(match.captured(1), &low));
        ASSERT_TRUE(ParseCommaNumber(match.captured(2), &high));
        EXPECT_LT(low, row[1].toDouble()) << row[0].toString().toStdString();
        EXPECT_GT(high, row[1].toDouble()) << row[0].toString().toStdString();
    }
}

// --- Power chain factors
TEST_F(ReferenceData, CoaxLossesAreCommaNumbersAndEnoughTypesAreListed)
{
    int cables = 0;
    for (const auto &row :
         db.rows(QStringLiteral("SELECT CableLossName, CableLossValue FROM qryCableLoss1"))) {
        double loss = -1;
        EXPECT_TRUE(ParseCommaNumber(row[1].toString(), &loss)) << row[0].toString().toStdString();
        EXPECT_GE(loss, 0.0);
        EXPECT_LT(loss, 50.0) << row[0].toString().toStdString();
        if (loss > 0)
            ++cables;
    }
    EXPECT_GE(cables, 12);
}

struct CorrectionCase {
    const char *name;
    const char *sql;
};

class Corrections : public ReferenceData, public ::testing::WithParamInterface<CorrectionCase>
{
};

// The dB correction is what the displayed share of time or power says.
TEST_P(Corrections, DecibelsMatchTheShownPercentage)
{
    const auto rows = db.rows(QString::fromLatin1(GetParam().sql));
    ASSERT_GT(rows.size(), 0);
    for (const auto &row : rows) {
        const QString percent = row[2].toString().remove(QLatin1Char('%')).trimmed();
        double share = 0;
        ASSERT_TRUE(ParseCommaNumber(percent, &share)) << row[0].toString().toStdString();
        share /= 100.0;
        ASSERT_TRUE(share > 0 && share <= 1) << row[0].toString().toStdString();
        // The percentage is rounded for display; allow for that.
        EXPECT_NEAR(row[1].toDouble(), -10.0 * std::log10(share), 0.15)
            << row[0].toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, Corrections,
    ::testing::Values(CorrectionCase{"Modes",
                                     "SELECT ModeDescrE, ModeAtt, ModeProcs FROM qryMode2"},
                      CorrectionCase{"TransmitTimes",
                                     "SELECT TxTimeValue, TxTimeAtt, TxTimeProc FROM qryTxTime2"}),
    [](const ::testing::TestParamInfo<CorrectionCase> &info) {
        return std::string(info.param.name);
    });

TEST_F(ReferenceData, SpaceAttenuationsAreNonNegativeAndOneClassIsFreeField)
{
    EXPECT_EQ(Count(db, QStringLiteral("SELECT COUNT(*) FROM tblSpaceAtt WHERE NOT (SpaceAttLow >= "
                                       "0 AND SpaceAttHigh >= SpaceAttLow)")),
              0);
    EXPECT_EQ(
        Count(db,
              QStringLiteral(
                  "SELECT COUNT(*) FROM tblSpaceAtt WHERE SpaceAttLow = 0 AND SpaceAttHigh = 0")),
        1);
}

TEST_F(ReferenceData, LimitPerBandIsTheEngineLimitAtTheBandsLowerEdge)
{
    const auto rows = db.rows(QStringLiteral(
        "SELECT ErpValDescr, ErpValFreqLow, ErpValFreqHigh, ErpValLimit FROM tblErpVal"));
    ASSERT_GT(rows.size(), 0);
    for (const auto &row : rows) {
        const double f = row[1].toDouble();
        EXPECT_LT(f, row[2].toDouble());
        const double expected = f < 400     ? LowBandLevels().limit
                                : f <= 2000 ? MiddleBandLevels(f).limit
                                            : HighBandLevels().limit;
        EXPECT_NEAR(row[3].toDouble(), expected, 0.01) << row[0].toString().toStdString();
    }
}

// --- Antenna catalogue
TEST_F(ReferenceData, CatalogueHasFamiliesPolarisationsAndBandsForEveryAntenna)
{
    const int antennas = Count(db, QStringLiteral("SELECT COUNT(*) FROM tblListAnt"));
    EXPECT_GE(antennas, 30);
    // Every shipped antenna survives the inner joins of the antenna page.
    EXPECT_EQ(
        Count(db,
              QStringLiteral(
                  "SELECT COUNT(*) FROM (tblListAnt INNER JOIN tblListAntPol ON "
                  "tblListAntPol.IdListAntPol = tblListAnt.IdListAntPol) INNER JOIN tblBandFreq "
                  "ON tblBandFreq.IdBandFreq = tblListAnt.IdBandFreq INNER JOIN tblListAntFamily "
                  "ON tblListAntFamily.IdAntFamily = tblListAnt.IdAntFamily")),
        antennas);
    EXPECT_GE(Count(db, QStringLiteral("SELECT COUNT(DISTINCT IdAntFamily) FROM tblListAnt")), 6);
    // 48 (all) and 49 (custom) are listed but hold no shipped antenna.
    EXPECT_EQ(Count(db, QStringLiteral(
                            "SELECT COUNT(*) FROM qryListAntFamily WHERE IdAntFamily IN (48, 49)")),
              2);
    EXPECT_EQ(
        Count(db, QStringLiteral("SELECT COUNT(*) FROM tblListAnt WHERE IdAntFamily IN (48, 49)")),
        0);
    EXPECT_EQ(Count(db, QStringLiteral(
                            "SELECT COUNT(*) FROM tblListAntFamily WHERE AntFamilyNameE = '' OR "
                            "AntFamilyNameN = '' OR AntFamilyNameF = ''")),
              0);
}

TEST_F(ReferenceData, PatternsPeakOnTheMainBeam)
{
    for (const auto &row : db.rows(
             QStringLiteral("SELECT AntType, AntMakeDescr, AntV00, AntV10, AntV20, AntV30, "
                            "AntV40, AntV50, AntV60, AntV70, AntV80, AntV90 FROM tblListAnt"))) {
        const std::string name =
            QString(row[0].toString() + QLatin1Char(' ') + row[1].toString()).toStdString();
        for (int i = 2; i < 12; ++i) {
            ASSERT_EQ(row[i].typeName(), std::string("double")) << name;
            EXPECT_LE(row[i].toDouble(), row[2].toDouble()) << name << " at " << (i - 2) * 10;
            EXPECT_GE(row[i].toDouble(), -40.0) << name;
        }
        EXPECT_LE(row[2].toDouble(), 45.0) << name;
    }
}

TEST_F(ReferenceData, HalfWaveDipolesHaveTheirTextbookGain)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT AntV00 FROM tblListAnt WHERE AntType = 'Half-wave dipole'"));
    ASSERT_GE(rows.size(), 1);
    for (const auto &row : rows)
        EXPECT_DOUBLE_EQ(row[0].toDouble(), 2.15);
}

TEST_F(ReferenceData, YagiGainFallsOffTheMainBeam)
{
    const auto rows = db.rows(
        QStringLiteral("SELECT AntType, AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, "
                       "AntV70, AntV80, AntV90 FROM tblListAnt WHERE AntType LIKE '%Yagi%'"));
    ASSERT_GE(rows.size(), 5);
    for (const auto &row : rows) {
        for (int i = 2; i < 11; ++i)
            EXPECT_LE(row[i].toDouble(), row[i - 1].toDouble()) << row[0].toString().toStdString();
        EXPECT_LE(row[10].toDouble(), row[1].toDouble() - 10.0) << row[0].toString().toStdString();
    }
}

TEST_F(ReferenceData, OnlyDishesCarryAnApertureInWavelengths)
{
    for (const auto &row : db.rows(QStringLiteral(
             "SELECT AntType, AntExtra, IdAntFamily, BandFreqCenter FROM tblListAnt "
             "INNER JOIN tblBandFreq ON tblBandFreq.IdBandFreq = tblListAnt.IdBandFreq"))) {
        const QString extra = row[1].toString().trimmed();
        const bool isDish = row[0].toString().contains(QStringLiteral("dish"));
        if (!isDish) {
            EXPECT_TRUE(extra.isEmpty() || extra == QStringLiteral("0"))
                << row[0].toString().toStdString();
            continue;
        }
        EXPECT_EQ(ApertureSizeFromText(extra.toStdString()), extra.toInt()) << extra.toStdString();
        EXPECT_GE(extra.toInt(), 3);
        EXPECT_GE(row[3].toDouble(), 1000.0) << "a dish for a band below 1 GHz";
        // Diameter in metres written in the type: D / lambda within rounding.
        const QRegularExpression metres(QStringLiteral("([0-9]+(,[0-9]+)?) m"));
        const auto match = metres.match(row[0].toString());
        ASSERT_TRUE(match.hasMatch());
        double diameter = 0;
        ASSERT_TRUE(ParseCommaNumber(match.captured(1), &diameter));
        EXPECT_NEAR(diameter / (299.792458 / row[3].toDouble()), extra.toDouble(), 0.5)
            << row[0].toString().toStdString();
    }
}

// Every catalogue antenna at every band it can be placed on gives an ordinary,
// finite field strength at a point beside and below it.
TEST_F(ReferenceData, EveryPlacementOfTheCatalogueGivesAFiniteFieldStrength)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT AntType, AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, "
                               "AntV60, AntV70, AntV80, AntV90, AntExtra, "
                               "s.BandFreqCenter FROM tblListAnt a INNER JOIN tblBandFreqSt s ON "
                               "(a.IdBandFreq = 16 OR s.IdBandFreqSt = a.IdBandFreq)"));
    ASSERT_GT(rows.size(), 30);
    for (const auto &row : rows) {
        AntennaPattern pattern{};
        for (int i = 0; i < 10; ++i)
            pattern[i] = row[i + 1].toDouble();
        const int n = ApertureSizeFromText(row[11].toString().toStdString());
        const double e = FieldStrength(pattern, n, row[12].toDouble(), 0, 10, 1.5, 10, 12);
        EXPECT_TRUE(std::isfinite(e) && e > 0 && e < OutOfPatternValue)
            << row[0].toString().toStdString() << " at " << row[12].toDouble() << " MHz: " << e;
    }
}

// --- Postcodes
TEST_F(ReferenceData, PostcodesStartWithTwoNoTownRows)
{
    const auto rows = db.rows(QStringLiteral("SELECT IdZipCity1, Zip, CityNameN, CityNameF FROM "
                                             "qryZipCity1 WHERE IdZipCity1 IN (1, 2)"));
    ASSERT_EQ(rows.size(), 2);
    for (const auto &row : rows) {
        EXPECT_EQ(row[1].toString(), QStringLiteral("0000"));
        EXPECT_FALSE(row[2].toString().isEmpty());
        EXPECT_FALSE(row[3].toString().isEmpty());
    }
    EXPECT_EQ(
        Count(db, QStringLiteral(
                      "SELECT COUNT(*) FROM qryZipCity2 WHERE Zip <> '0000' AND IdZipCity2 < 3")),
        0);
}

TEST_F(ReferenceData, PostcodesCoverBelgiumWithBothTownNames)
{
    EXPECT_EQ(Count(db, QStringLiteral(
                            "SELECT COUNT(DISTINCT Zip) FROM qryZipCity1 WHERE Zip <> '0000'")),
              1145);
    EXPECT_EQ(
        Count(db,
              QStringLiteral(
                  "SELECT COUNT(*) FROM qryZipCity1 WHERE length(Zip) <> 4 OR Zip GLOB '*[^0-9]*' "
                  "OR trim(CityNameN) = '' OR trim(CityNameF) = '' OR CityNameN IS NULL OR "
                  "CityNameF IS NULL")),
        0);
}

struct TownCase {
    const char *zip;
    const char *dutch;
    const char *french;
};

class BilingualTowns : public ReferenceData, public ::testing::WithParamInterface<TownCase>
{
};

TEST_P(BilingualTowns, CarryTheirDutchAndFrenchNames)
{
    const auto rows = db.rows(
        QStringLiteral(
            "SELECT CityNameN, CityNameF FROM qryZipCity1 WHERE Zip = '%1' AND CityNameN = '%2'")
            .arg(QString::fromLatin1(GetParam().zip), QString::fromUtf8(GetParam().dutch)));
    ASSERT_EQ(rows.size(), 1) << GetParam().zip << " " << GetParam().dutch;
    EXPECT_EQ(rows[0][1].toString(), QString::fromUtf8(GetParam().french));
}

INSTANTIATE_TEST_SUITE_P(
    All, BilingualTowns,
    ::testing::Values(
        TownCase{"1000", "Brussel", "Bruxelles"}, TownCase{"1050", "Elsene", "Ixelles"},
        TownCase{"2000", "Antwerpen", "Anvers"}, TownCase{"9000", "Gent", "Gand"},
        TownCase{"3000", "Leuven", "Louvain"}, TownCase{"4000", "Luik", "Liège"},
        TownCase{"5000", "Namen", "Namur"}, TownCase{"7000", "Bergen", "Mons"},
        TownCase{"8000", "Brugge", "Bruges"}, TownCase{"8500", "Kortrijk", "Courtrai"},
        TownCase{"2800", "Mechelen", "Malines"}, TownCase{"3790", "Voeren", "Fourons"},
        TownCase{"4780", "Sankt Vith", "Saint-Vith"},
        // A town with one name has it in both columns.
        TownCase{"3500", "Hasselt", "Hasselt"}, TownCase{"6000", "Charleroi", "Charleroi"}));

// --- Documents
TEST_F(ReferenceData, EveryDocumentExistsOnceInEveryLanguage)
{
    const QStringList names{QStringLiteral("AntReport"),      QStringLiteral("CertFile"),
                            QStringLiteral("TechFile"),       QStringLiteral("QRP"),
                            QStringLiteral("MobilePortable"), QStringLiteral("Below10Mhz"),
                            QStringLiteral("Above10GHz"),     QStringLiteral("SWL"),
                            QStringLiteral("ExposureSummary")};
    for (const QString &name : names) {
        for (int language = 1; language <= 4; ++language) {
            const auto rows = db.rows(QStringLiteral("SELECT DocsDesc, DocsText FROM tblDocs WHERE "
                                                     "DocsName LIKE '%1' AND IdLanguage =%2")
                                          .arg(name)
                                          .arg(language));
            ASSERT_EQ(rows.size(), 1) << name.toStdString() << " " << language;
            EXPECT_FALSE(rows[0][0].toString().isEmpty());
            EXPECT_TRUE(IsWindows1252(rows[0][1].toString()))
                << name.toStdString() << " " << language;
            EXPECT_FALSE(rows[0][1].toString().contains(QLatin1Char('\r')));
        }
    }
    EXPECT_EQ(Count(db, QStringLiteral("SELECT COUNT(*) FROM tblDocs")), 36);
}

struct LetterCase {
    const char *name;
    const char *placeholders; // that must appear, upper case as the program looks for them
    int maxLines;             // body lines the letter page prints
};

class Letters : public ReferenceData, public ::testing::WithParamInterface<LetterCase>
{
};

TEST_P(Letters, CarryTheirPlaceholdersAndFitTheLetterPage)
{
    for (int language = 1; language <= 4; ++language) {
        const QString text =
            db.value(QStringLiteral(
                         "SELECT DocsText FROM tblDocs WHERE DocsName LIKE '%1' AND IdLanguage =%2")
                         .arg(QString::fromLatin1(GetParam().name))
                         .arg(language))
                .toString();
        for (const QString &placeholder :
             QString::fromLatin1(GetParam().placeholders).split(QLatin1Char(' ')))
            EXPECT_TRUE(text.contains(placeholder))
                << GetParam().name << " " << language << " " << placeholder.toStdString();
        const QStringList lines = text.split(QLatin1Char('\n'));
        // Two empty lines and the signature follow the body of a cover letter.
        EXPECT_LE(lines.size(), GetParam().maxLines) << GetParam().name << " " << language;
        for (const QString &line : lines)
            EXPECT_LE(line.size(), 72)
                << GetParam().name << " " << language << ": " << line.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, Letters,
    ::testing::Values(LetterCase{"QRP", "<CALL>", 25}, LetterCase{"MobilePortable", "<CALL>", 25},
                      LetterCase{"Below10Mhz", "<CALL>", 25},
                      LetterCase{"Above10GHz", "<CALL>", 25}, LetterCase{"SWL", "<CALL>", 25},
                      LetterCase{"TechFile", "<CALL> <FILE_INFO>", 22 - 3},
                      LetterCase{"CertFile", "<CALL> <CERT_INFO> <FILE_INFO>", 22 - 3}),
    [](const ::testing::TestParamInfo<LetterCase> &info) { return std::string(info.param.name); });

TEST_F(ReferenceData, AntennaReportUsesEveryPlaceholderAndEndsWithThePointTableHeader)
{
    QStringList placeholders{
        QStringLiteral("<DATE>"),     QStringLiteral("<NAME>"),      QStringLiteral("<FNAME>"),
        QStringLiteral("<ADDRESS1>"), QStringLiteral("<ZIP>"),       QStringLiteral("<CITY>"),
        QStringLiteral("<CALL>"),     QStringLiteral("<PHONE>"),     QStringLiteral("<MAIL>"),
        QStringLiteral("<LOCREM>"),   QStringLiteral("<LAMX>"),      QStringLiteral("<LAMY>"),
        QStringLiteral("<LOCMAIN>"),  QStringLiteral("<ANTREF>"),    QStringLiteral("<ANTTYPE>"),
        QStringLiteral("<ANTMAKE>"),  QStringLiteral("<ANTHEIGHT>"), QStringLiteral("<ANTTILT>"),
        QStringLiteral("<ANTFREQ>"),  QStringLiteral("<ANTGAIN>"),   QStringLiteral("<ANTPWR>"),
        QStringLiteral("<EIRPPWR>")};
    for (int angle = 0; angle <= 90; angle += 10)
        placeholders << QStringLiteral("<V%1>").arg(angle, 2, 10, QLatin1Char('0'));
    for (int language = 1; language <= 4; ++language) {
        const QString text = db.value(QStringLiteral("SELECT DocsText FROM tblDocs WHERE DocsName "
                                                     "LIKE 'AntReport' AND IdLanguage =%1")
                                          .arg(language))
                                 .toString();
        for (const QString &placeholder : placeholders)
            EXPECT_TRUE(text.contains(placeholder)) << language << " " << placeholder.toStdString();
        const QStringList lines = text.split(QLatin1Char('\n'));
        // The point lines that follow have columns of 12, 16, 16 and 25 characters
        // after three spaces; the header's titles start where those columns start.
        const QString header = lines.last();
        for (const int column : {3, 15, 31, 47, 72}) {
            ASSERT_GT(header.size(), column) << language;
            EXPECT_NE(header[column], QLatin1Char(' ')) << language << " column " << column;
            EXPECT_EQ(header[column - 1], QLatin1Char(' ')) << language << " column " << column;
        }
        for (const QString &line : lines)
            EXPECT_LE(line.size(), 90) << language << ": " << line.toStdString();
    }
}

TEST_F(ReferenceData, RegulatorAddressExistsInEveryLanguage)
{
    for (int language = 1; language <= 4; ++language) {
        const auto rows = db.rows(
            QStringLiteral("SELECT BiptName, BiptService, BiptAddr2, BiptAddr1, BiptZip, BiptCity "
                           "FROM tblBipt WHERE IdLanguage =%1")
                .arg(language));
        ASSERT_EQ(rows.size(), 1) << language;
        for (const QVariant &field : rows[0])
            EXPECT_FALSE(field.toString().trimmed().isEmpty()) << language;
    }
}

} // namespace
