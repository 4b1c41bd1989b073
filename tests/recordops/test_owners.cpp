#include "recordopsfixture.h"
#include "store/recordops_owner.h"

namespace
{

using OwnerOps = RecordOpsTest;

TOwnerValues obrien()
{
    TOwnerValues v;
    v.idZipCity1 = 3;
    v.idLanguage = 3;
    v.specialCase = 0;
    v.firstName = QStringLiteral("Seán");
    v.name = QStringLiteral("O'Brien");
    v.call = QStringLiteral("ON4OB");
    v.otherOps = QStringLiteral("");
    v.address1 = QStringLiteral("Rue de l'Église 1");
    v.userDir = QStringLiteral("/home/ob/ON4OB");
    v.remark = QStringLiteral("'quoted'");
    return v;
}

TEST_F(OwnerOps, InsertStoresQuotesIntactAndReturnsTheNewKey)
{
    addOwner(QStringLiteral("ON4FIRST"));
    issued();
    const TOpResult<qint32> id = InsertOwner(
        *dm, obrien(),
        QStringList({QStringLiteral("Note with 'quotes'"), QStringLiteral("second line")}));
    ASSERT_TRUE(id.ok()) << id.error.toStdString();

    const QStringList statements = issued();
    ASSERT_EQ(statements.size(), 2);
    EXPECT_EQ(statements[0],
              QString::fromUtf8(
                  "INSERT INTO tblOwner( IdZipCity1, IdLanguage, OwnerSpecCase, OwnerFname, "
                  "OwnerName, OwnerCall, OwnerOtherOps, OwnerAddress1, OwnerAddress2, OwnerPhHome, "
                  "OwnerPhOff, OwnerPhMob, OwnerPhFax, OwnerEmail, OwnerNote, OwnerUserDir, "
                  "OwnerRem) VALUES ( 3, 3, 0, 'Seán', 'O''Brien', 'ON4OB', '', "
                  "'Rue de l''Église 1', '', '', '', '', '', '', 'Note with ''quotes'' second "
                  "line ', '/home/ob/ON4OB', '''quoted''')"));
    EXPECT_EQ(statements[1],
              QStringLiteral("SELECT TOP 1 IdOwner FROM tblOwner ORDER BY IdOwner DESC"));
    EXPECT_EQ(column(QStringLiteral("SELECT MAX(IdOwner) FROM tblOwner")),
              QStringList{QString::number(id.value)});

    const QString where =
        QStringLiteral(" FROM tblOwner WHERE IdOwner = ") + QString::number(id.value);
    EXPECT_EQ(column(QStringLiteral("SELECT OwnerName") + where),
              QStringList{QStringLiteral("O'Brien")});
    EXPECT_EQ(column(QStringLiteral("SELECT OwnerAddress1") + where),
              QStringList{QString::fromUtf8("Rue de l'Église 1")});
    EXPECT_EQ(column(QStringLiteral("SELECT OwnerRem") + where),
              QStringList{QStringLiteral("'quoted'")});
    EXPECT_EQ(column(QStringLiteral("SELECT OwnerNote") + where),
              QStringList{QStringLiteral("Note with 'quotes'\nsecond line\n")});
    EXPECT_EQ(CurrentSelection().languageId, 3);
}

TEST_F(OwnerOps, UpdatesWriteEveryColumnOfTheirGroup)
{
    const qint32 owner = addOwner(QStringLiteral("ON4OLD"));
    const QString o = QString::number(owner);
    const QString where = QStringLiteral(" FROM tblOwner WHERE IdOwner = ") + o;
    issued();

    TOwnerValues v = obrien();
    v.idLanguage = 4;
    ASSERT_TRUE(UpdateOwner(*dm, owner, v, QStringList{QStringLiteral("n")}).ok());
    EXPECT_EQ(issued().last(),
              QString::fromUtf8(
                  "UPDATE tblOwner SET IdZipCity1 =3, IdLanguage =4, OwnerSpecCase =0, "
                  "OwnerFname ='Seán', OwnerName ='O''Brien', OwnerCall ='ON4OB', OwnerOtherOps "
                  "='', OwnerAddress1 ='Rue de l''Église 1', OwnerAddress2 ='', OwnerPhHome ='', "
                  "OwnerPhOff ='', OwnerPhMob ='', OwnerPhFax ='', OwnerEmail ='', OwnerNote "
                  "='n ', OwnerUserDir ='/home/ob/ON4OB', OwnerRem ='''quoted''' WHERE IdOwner "
                  "=") +
                  o);
    EXPECT_EQ(
        column(QStringLiteral("SELECT OwnerCall || '|' || OwnerName || '|' || IdLanguage") + where),
        QStringList{QStringLiteral("ON4OB|O'Brien|4")});
    EXPECT_EQ(CurrentSelection().languageId, 4);

    TOwnerLowPowerValues low;
    low.idTxTime = 2;
    low.idMode = 3;
    low.idBandFreqQrp = 12;
    low.distA = QStringLiteral("2,5");
    low.distB = QStringLiteral("1");
    low.power = QStringLiteral("10");
    low.gain = QStringLiteral("2,15");
    low.coaxLoss = QStringLiteral("0,5");
    ASSERT_TRUE(UpdateOwnerLowPower(*dm, owner, low).ok());
    EXPECT_EQ(issued().last(),
              QStringLiteral("UPDATE tblOwner SET IdTxTime =2, IdMode =3, IdBandFreqQrp =12, "
                             "OwnerQrpDistA ='2,5', OwnerQrpDistB ='1', OwnerQrpPower ='10', "
                             "OwnerQrpGain ='2,15', OwnerQrpCoaxLoss ='0,5' WHERE IdOwner =") +
                  o);
    EXPECT_EQ(column(QStringLiteral(
                         "SELECT OwnerQrpDistA || '|' || OwnerQrpGain || '|' || IdBandFreqQrp") +
                     where),
              QStringList{QStringLiteral("2,5|2,15|12")});

    TOwnerSiteInfo info;
    info.idZipCity2 = 7;
    info.shared = true;
    info.clubStation = false;
    info.antennasExist = true;
    info.address1 = QStringLiteral("Kerkstraat 't Hoekje");
    info.sharedBy = QStringLiteral("Proximus");
    ASSERT_TRUE(UpdateOwnerSiteInfo(*dm, owner, info,
                                    QStringList({QStringLiteral("a"), QStringLiteral("b")}))
                    .ok());
    EXPECT_EQ(
        issued().last(),
        QStringLiteral(
            "UPDATE tblOwner SET IdZipCity2 =7, OwnerSiteAddr1 ='Kerkstraat ''t Hoekje', "
            "OwnerSiteAddr2 ='', OwnerSiteRem = '', OwnerSiteBiptRef = '', OwnerSiteClubCall = "
            "'', OwnerSiteSharedBy = 'Proximus', OwnerSiteShared = 1, OwnerSiteClubStn = 0, "
            "OwnerSiteAlreadyAnt = 1, OwnerSiteNote ='a b ' WHERE IdOwner =") +
            o);
    EXPECT_EQ(column(QStringLiteral(
                         "SELECT OwnerSiteAddr1 || '|' || OwnerSiteShared || OwnerSiteClubStn || "
                         "OwnerSiteAlreadyAnt || '|' || OwnerSiteNote") +
                     where),
              QStringList{QStringLiteral("Kerkstraat 't Hoekje|101|a\nb\n")});
}

TEST_F(OwnerOps, CountListAndUserDirectory)
{
    EXPECT_EQ(CountOwners(*dm).value, 0);
    EXPECT_TRUE(ListOwners(*dm).value.calls.isEmpty());
    const qint32 a = addOwner(QStringLiteral("ON4AA"));
    const qint32 b = addOwner(QStringLiteral("ON4BB"));
    sql(QStringLiteral("UPDATE tblOwner SET OwnerUserDir = '/data/ON4BB' WHERE IdOwner = ") +
        QString::number(b));
    EXPECT_EQ(CountOwners(*dm).value, 2);
    const TOpResult<TOwnerList> list = ListOwners(*dm);
    EXPECT_EQ(list.value.calls, QStringList({QStringLiteral("ON4AA"), QStringLiteral("ON4BB")}));
    EXPECT_EQ(list.value.ids, QVector<qint32>({a, b}));
    EXPECT_EQ(GetOwnerUserDir(*dm, b).value, QStringLiteral("/data/ON4BB"));
    EXPECT_EQ(GetOwnerUserDir(*dm, a).value, QStringLiteral(""));
}

TEST_F(OwnerOps, OpenOwnerRecordSetsTheDocumentLanguage)
{
    CurrentSelection().languageId = 9;
    ASSERT_TRUE(OpenOwnerRecord(*dm, 0, false).ok());
    EXPECT_EQ(CurrentSelection().languageId, 0); // no owner
    EXPECT_EQ(dm->qryUserData->fieldCount(), 38);

    const qint32 first = addOwner(QStringLiteral("ON4AA")); // language 2
    const qint32 second = addOwner(QStringLiteral("ON4BB"));
    sql(QStringLiteral("UPDATE tblOwner SET IdLanguage = 3 WHERE IdOwner = ") +
        QString::number(second));
    const struct {
        const char *why;
        qint32 id;
        bool newRecord;
        int language;
        QString call;
        int rows;
    } cases[] = {
        {"owner 0 is the first owner", 0, false, 2, QStringLiteral("ON4AA"), 1},
        {"a given owner", second, false, 3, QStringLiteral("ON4BB"), 1},
        {"new record reads every owner, stands on the first", second, true, 2,
         QStringLiteral("ON4AA"), 2},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(OpenOwnerRecord(*dm, c.id, c.newRecord).ok()) << c.why;
        EXPECT_EQ(CurrentSelection().languageId, c.language) << c.why;
        EXPECT_EQ(dm->qryUserData->fieldValue(QStringLiteral("OwnerCall")).toString(), c.call)
            << c.why;
        EXPECT_EQ(dm->qryUserData->recordCount(), c.rows) << c.why;
    }
    EXPECT_EQ(issued().last(),
              QStringLiteral("SELECT IdOwner, IdZipCity1, IdZipCity2, IdLanguage, IdTxTime, "
                             "IdMode, IdBandFreqQrp, OwnerSpecCase, OwnerQrpDistA, OwnerQrpDistB, "
                             "OwnerQrpPower, OwnerQrpGain, OwnerQrpCoaxLoss, OwnerFname, "
                             "OwnerName, OwnerCall, OwnerOtherOps, OwnerAddress1, OwnerAddress2, "
                             "OwnerPhHome, OwnerPhOff, OwnerPhMob, OwnerPhFax, OwnerEmail, "
                             "OwnerRem, OwnerUserDir, OwnerNote, OwnerFileNote, OwnerSiteAddr1, "
                             "OwnerSiteAddr2, OwnerSiteRem, OwnerSiteBiptRef, OwnerSiteClubCall, "
                             "OwnerSiteSharedBy, OwnerSiteShared, OwnerSiteClubStn, "
                             "OwnerSiteAlreadyAnt, OwnerSiteNote FROM tblOwner"));
    Q_UNUSED(first);
}

} // namespace
