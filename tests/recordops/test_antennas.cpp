#include "recordopsfixture.h"
#include "store/recordops_antenna.h"

namespace
{

using AntennaOps = RecordOpsTest;

const QString CatalogueJoin =
    QStringLiteral("FROM tblListAnt INNER JOIN tblListAntPol ON tblListAntPol.IdListAntPol = "
                   "tblListAnt.IdListAntPol INNER JOIN tblBandFreq ON tblBandFreq.IdBandFreq = "
                   "tblListAnt.IdBandFreq");

TEST_F(AntennaOps, CatalogueFamily48IsEveryFamily)
{
    const QString all = column(QStringLiteral("SELECT COUNT(*) ") + CatalogueJoin).value(0);
    const QString yagis = column(QStringLiteral("SELECT COUNT(*) ") + CatalogueJoin +
                                 QStringLiteral(" WHERE IdAntFamily = 4"))
                              .value(0);
    ASSERT_GT(yagis.toInt(), 0);
    ASSERT_LT(yagis.toInt(), all.toInt());

    const TOpResult<int> everything = OpenCatalogue(*dm, AllAntennaFamilies);
    ASSERT_TRUE(everything.ok()) << everything.error.toStdString();
    EXPECT_EQ(everything.value, all.toInt());
    EXPECT_FALSE(issued().last().contains(QStringLiteral("WHERE")));

    const TOpResult<int> family = OpenCatalogue(*dm, 4);
    ASSERT_TRUE(family.ok());
    EXPECT_EQ(family.value, yagis.toInt());
    EXPECT_TRUE(issued().last().endsWith(QStringLiteral(
        "FROM (tblListAnt INNER JOIN tblListAntPol ON tblListAntPol.IdListAntPol = "
        "tblListAnt.IdListAntPol) INNER JOIN tblBandFreq ON tblBandFreq.IdBandFreq = "
        "tblListAnt.IdBandFreq WHERE IdAntFamily =4")));
    for (int row = 0; row < family.value; ++row)
        EXPECT_EQ(dm->qryAntList->value(row, QStringLiteral("IdAntFamily")).toInt(), 4);
    EXPECT_GE(dm->qryAntList->fieldIndex(QStringLiteral("AntPol")), 0);
    EXPECT_GE(dm->qryAntList->fieldIndex(QStringLiteral("BandFreqCenter")), 0);
}

TEST_F(AntennaOps, CatalogueIsSortedByMakeWithoutRegardToCase)
{
    sql(QStringLiteral(
        "INSERT INTO tblListAnt (IdAntFamily, IdListAntPol, IdBandFreq, AntType, AntMakeDescr) "
        "VALUES (4, 1, 12, 'x', 'zz last'), (4, 1, 12, 'x', '0AAB second'), "
        "(4, 1, 12, 'x', '0aaa first')"));
    const TOpResult<int> rows = OpenCatalogue(*dm, 4);
    ASSERT_TRUE(rows.ok());
    EXPECT_EQ(dm->qryAntList->value(0, QStringLiteral("AntMakeDescr")).toString(),
              QStringLiteral("0aaa first"));
    EXPECT_EQ(dm->qryAntList->value(1, QStringLiteral("AntMakeDescr")).toString(),
              QStringLiteral("0AAB second"));
    QString previous;
    for (int row = 0; row < rows.value; ++row) {
        const QString make = dm->qryAntList->value(row, QStringLiteral("AntMakeDescr")).toString();
        EXPECT_LE(previous.compare(make, Qt::CaseInsensitive), 0) << make.toStdString();
        previous = make;
    }
    EXPECT_EQ(dm->qryAntList->recNo(), 0);
}

TEST_F(AntennaOps, CustomAntennaInsertUpdateAndList)
{
    const int before = OpenCustomAntennas(*dm, TCustomAntennaMode::Browse).value;
    TAntennaValues v;
    v.idPolarisation = 2;
    v.idBand = 12;
    const char *pattern[11] = {"12,5", "11",  "9,5", "6",   "2",  "-3",
                               "-8",   "-12", "-20", "-25", "-25"};
    for (int i = 0; i < 11; ++i)
        v.pattern[i] = QString::fromLatin1(pattern[i]);
    v.type = QStringLiteral("Yagi 9 el.");
    v.makeDescr = QStringLiteral("O'Brien's beam");
    v.extra = QStringLiteral("0");
    issued();

    const TOpResult<qint32> id = InsertAntenna(*dm, v);
    ASSERT_TRUE(id.ok()) << id.error.toStdString();
    EXPECT_EQ(
        issued().first(),
        QStringLiteral(
            "INSERT INTO tblListAnt( IdAntFamily, IdListAntPol, IdBandFreq, AntV00, AntV10, "
            "AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100, AntType, "
            "AntMakeDescr, AntExtra, AntDir) VALUES ( 49, 2, 12, '12,5', '11', '9,5', '6', '2', "
            "'-3', '-8', '-12', '-20', '-25', '-25', 'Yagi 9 el.', 'O''Brien''s beam', '0', "
            "'CUSTOM')"));
    const QString where =
        QStringLiteral(" FROM tblListAnt WHERE IdListAnt = ") + QString::number(id.value);
    EXPECT_EQ(column(QStringLiteral("SELECT AntV00 + AntV20") + where),
              QStringList{QStringLiteral("22")});
    EXPECT_EQ(column(QStringLiteral("SELECT AntMakeDescr || '|' || AntDir") + where),
              QStringList{QStringLiteral("O'Brien's beam|CUSTOM")});
    EXPECT_EQ(OpenCustomAntennas(*dm, TCustomAntennaMode::Browse).value, before + 1);

    v.pattern[0] = QStringLiteral("7,25");
    v.makeDescr = QStringLiteral("Renamed");
    ASSERT_TRUE(UpdateAntenna(*dm, id.value, v).ok());
    EXPECT_EQ(issued().last(),
              QStringLiteral(
                  "UPDATE tblListAnt SET IdAntFamily =49, IdListAntPol =2, IdBandFreq =12, AntV00 "
                  "='7,25', AntV10 ='11', AntV20 ='9,5', AntV30 ='6', AntV40 ='2', AntV50 ='-3', "
                  "AntV60 ='-8', AntV70 ='-12', AntV80 ='-20', AntV90 ='-25', AntV100 ='-25', "
                  "AntType ='Yagi 9 el.', AntMakeDescr ='Renamed', AntExtra ='0', AntDir ='CUSTOM' "
                  "WHERE IdListAnt =") +
                  QString::number(id.value));
    EXPECT_EQ(column(QStringLiteral("SELECT AntV00") + where), QStringList{QStringLiteral("7.25")});

    ASSERT_TRUE(OpenAntennaSummary(*dm, id.value).ok());
    EXPECT_EQ(dm->qryTemp3->fieldValue(QStringLiteral("AntMakeDescr")).toString(),
              QStringLiteral("Renamed"));
    EXPECT_DOUBLE_EQ(dm->qryTemp3->fieldValue(QStringLiteral("AntV00")).toDouble(), 7.25);
}

TEST_F(AntennaOps, FamiliesListed)
{
    const TOpResult<int> rows = OpenAntennaFamilies(*dm);
    ASSERT_TRUE(rows.ok()) << rows.error.toStdString();
    EXPECT_EQ(rows.value,
              column(QStringLiteral("SELECT COUNT(*) FROM qryListAntFamily")).value(0).toInt());
    EXPECT_GE(dm->qryAntListKind->fieldIndex(QStringLiteral("AntFamily")), 0);
}

TEST_F(AntennaOps, PlacementsUsingAntennaJoinsTheirReferences)
{
    const qint32 owner = addOwner(QStringLiteral("ON4AA"));
    const qint32 s = addSite(owner, QStringLiteral("Location_01"), true);
    const struct {
        qint32 antenna;
        QStringList refs;
        QString expected;
    } cases[] = {
        {101, {}, QStringLiteral("")},
        {102, {QStringLiteral("Loc01-Ant01")}, QStringLiteral("Loc01-Ant01")},
        {103,
         {QStringLiteral("Loc01-Ant02"), QStringLiteral("Loc01-Ant03")},
         QStringLiteral("Loc01-Ant02 & Loc01-Ant03.")},
        {104,
         {QStringLiteral("Loc01-Ant04"), QStringLiteral("Loc01-Ant05"),
          QStringLiteral("Loc01-Ant06")},
         QStringLiteral("Loc01-Ant04, Loc01-Ant05 & Loc01-Ant06.")},
    };
    for (const auto &c : cases)
        for (const QString &ref : c.refs)
            addPlacement(s, ref, c.antenna);
    for (const auto &c : cases) {
        const TOpResult<QString> text = PlacementsUsingAntenna(*dm, c.antenna);
        ASSERT_TRUE(text.ok());
        EXPECT_EQ(text.value, c.expected);
        EXPECT_EQ(issued().last(),
                  QStringLiteral("SELECT IdStation, IdListAnt, AntennasRef FROM tblStation WHERE "
                                 "IdListAnt =") +
                      QString::number(c.antenna) + QStringLiteral(" ORDER BY IdListAnt"));
    }
}

} // namespace
