#pragma once

#include <QList>
#include <QString>
#include <array>

// The names of the main database "VlmMain.mdb" (data/schema/*.sql): tables,
// saved queries and columns. Code that names a table or reads a column by
// name uses these constants, so that a misspelt name does not compile and a
// column is found wherever it is read. The statements themselves stay written
// out as text. The database and the datasets compare names without regard to
// case; a column shared by several tables is declared once, with the first.
namespace Schema
{

// tblLanguage
inline constexpr QLatin1String tblLanguage("tblLanguage");
inline constexpr QLatin1String IdLanguage("IdLanguage"); // also tblDocs, tblBipt, tblOwner
inline constexpr QLatin1String LanguageFullE("LanguageFullE");

// tblListAntFamily
inline constexpr QLatin1String tblListAntFamily("tblListAntFamily");
inline constexpr QLatin1String IdAntFamily("IdAntFamily"); // also tblListAnt
inline constexpr QLatin1String AntFamilyNameE("AntFamilyNameE");
inline constexpr QLatin1String AntFamilyNameN("AntFamilyNameN");
inline constexpr QLatin1String AntFamilyNameF("AntFamilyNameF");

// tblListAntPol
inline constexpr QLatin1String tblListAntPol("tblListAntPol");
inline constexpr QLatin1String IdListAntPol("IdListAntPol"); // also tblListAnt
inline constexpr QLatin1String ListAntPolE("ListAntPolE");
inline constexpr QLatin1String ListAntPolSh("ListAntPolSh");

// tblBandFreq
inline constexpr QLatin1String tblBandFreq("tblBandFreq");
inline constexpr QLatin1String IdBandFreq("IdBandFreq");       // also tblListAnt
inline constexpr QLatin1String BandFreqDescr("BandFreqDescr"); // also tblBandFreqSt, tblBandFreqQrp
inline constexpr QLatin1String
    BandFreqCenter("BandFreqCenter"); // also tblBandFreqSt, tblBandFreqQrp

// tblBandFreqSt
inline constexpr QLatin1String tblBandFreqSt("tblBandFreqSt");
inline constexpr QLatin1String IdBandFreqSt("IdBandFreqSt"); // also tblStation

// tblBandFreqQrp
inline constexpr QLatin1String tblBandFreqQrp("tblBandFreqQrp");
inline constexpr QLatin1String IdBandFreqQrp("IdBandFreqQrp"); // also tblOwner

// tblMode
inline constexpr QLatin1String tblMode("tblMode");
inline constexpr QLatin1String IdMode("IdMode"); // also tblOwner, tblStation
inline constexpr QLatin1String ModeDescrE("ModeDescrE");
inline constexpr QLatin1String ModeAtt("ModeAtt");
inline constexpr QLatin1String ModeProcs("ModeProcs");

// tblTxTime
inline constexpr QLatin1String tblTxTime("tblTxTime");
inline constexpr QLatin1String IdTxTime("IdTxTime"); // also tblOwner, tblStation
inline constexpr QLatin1String TxTimeValue("TxTimeValue");
inline constexpr QLatin1String TxTimeAtt("TxTimeAtt");
inline constexpr QLatin1String TxTimeProc("TxTimeProc");

// tblCableLoss
inline constexpr QLatin1String tblCableLoss("tblCableLoss");
inline constexpr QLatin1String IdCableLoss("IdCableLoss");
inline constexpr QLatin1String CableLossName("CableLossName");
inline constexpr QLatin1String CableLossValue("CableLossValue");

// tblSpaceAtt
inline constexpr QLatin1String tblSpaceAtt("tblSpaceAtt");
inline constexpr QLatin1String IdSpaceAtt("IdSpaceAtt"); // also tblCriticalPnt
inline constexpr QLatin1String SpaceAttDescrE("SpaceAttDescrE");
inline constexpr QLatin1String SpaceAttLow("SpaceAttLow");
inline constexpr QLatin1String SpaceAttHigh("SpaceAttHigh");

// tblZipCity
inline constexpr QLatin1String tblZipCity("tblZipCity");
inline constexpr QLatin1String IdZipCity("IdZipCity");
inline constexpr QLatin1String Zip("Zip");
inline constexpr QLatin1String CityNameN("CityNameN");
inline constexpr QLatin1String CityNameF("CityNameF");

// tblZipCityMain: the main town of each postcode (IdZipCity)
inline constexpr QLatin1String tblZipCityMain("tblZipCityMain");

// tblDocs
inline constexpr QLatin1String tblDocs("tblDocs");
inline constexpr QLatin1String DocsName("DocsName");
inline constexpr QLatin1String DocsDesc("DocsDesc");
inline constexpr QLatin1String DocsText("DocsText");

// tblBipt
inline constexpr QLatin1String tblBipt("tblBipt");
inline constexpr QLatin1String BiptName("BiptName");
inline constexpr QLatin1String BiptService("BiptService");
inline constexpr QLatin1String BiptAddr1("BiptAddr1");
inline constexpr QLatin1String BiptAddr2("BiptAddr2");
inline constexpr QLatin1String BiptZip("BiptZip");
inline constexpr QLatin1String BiptCity("BiptCity");

// tblErpVal
inline constexpr QLatin1String tblErpVal("tblErpVal");
inline constexpr QLatin1String IdErpVal("IdErpVal");
inline constexpr QLatin1String ErpValDescr("ErpValDescr");
inline constexpr QLatin1String ErpValFreqLow("ErpValFreqLow");
inline constexpr QLatin1String ErpValFreqHigh("ErpValFreqHigh");
inline constexpr QLatin1String ErpValLimit("ErpValLimit");

// tblApplData
inline constexpr QLatin1String tblApplData("tblApplData");
inline constexpr QLatin1String ApplDataName("ApplDataName");
inline constexpr QLatin1String ApplDataValue("ApplDataValue");

// tblListAnt
inline constexpr QLatin1String tblListAnt("tblListAnt");
inline constexpr QLatin1String IdListAnt("IdListAnt"); // also tblStation
inline constexpr QLatin1String AntType("AntType");
inline constexpr QLatin1String AntMakeDescr("AntMakeDescr");
inline constexpr QLatin1String AntV00("AntV00");
inline constexpr QLatin1String AntV10("AntV10");
inline constexpr QLatin1String AntV20("AntV20");
inline constexpr QLatin1String AntV30("AntV30");
inline constexpr QLatin1String AntV40("AntV40");
inline constexpr QLatin1String AntV50("AntV50");
inline constexpr QLatin1String AntV60("AntV60");
inline constexpr QLatin1String AntV70("AntV70");
inline constexpr QLatin1String AntV80("AntV80");
inline constexpr QLatin1String AntV90("AntV90");
inline constexpr QLatin1String AntV100("AntV100");
inline constexpr QLatin1String AntDir("AntDir");
inline constexpr QLatin1String AntExtra("AntExtra");

// tblOwner
inline constexpr QLatin1String tblOwner("tblOwner");
inline constexpr QLatin1String IdOwner("IdOwner"); // also tblTower
inline constexpr QLatin1String IdZipCity1("IdZipCity1");
inline constexpr QLatin1String IdZipCity2("IdZipCity2");
inline constexpr QLatin1String OwnerSpecCase("OwnerSpecCase");
inline constexpr QLatin1String OwnerQrpDistA("OwnerQrpDistA");
inline constexpr QLatin1String OwnerQrpDistB("OwnerQrpDistB");
inline constexpr QLatin1String OwnerQrpPower("OwnerQrpPower");
inline constexpr QLatin1String OwnerQrpGain("OwnerQrpGain");
inline constexpr QLatin1String OwnerQrpCoaxLoss("OwnerQrpCoaxLoss");
inline constexpr QLatin1String OwnerFname("OwnerFname");
inline constexpr QLatin1String OwnerName("OwnerName");
inline constexpr QLatin1String OwnerCall("OwnerCall");
inline constexpr QLatin1String OwnerOtherOps("OwnerOtherOps");
inline constexpr QLatin1String OwnerAddress1("OwnerAddress1");
inline constexpr QLatin1String OwnerAddress2("OwnerAddress2");
inline constexpr QLatin1String OwnerPhHome("OwnerPhHome");
inline constexpr QLatin1String OwnerPhOff("OwnerPhOff");
inline constexpr QLatin1String OwnerPhMob("OwnerPhMob");
inline constexpr QLatin1String OwnerPhFax("OwnerPhFax");
inline constexpr QLatin1String OwnerEmail("OwnerEmail");
inline constexpr QLatin1String OwnerRem("OwnerRem");
inline constexpr QLatin1String OwnerUserDir("OwnerUserDir");
inline constexpr QLatin1String OwnerNote("OwnerNote");
inline constexpr QLatin1String OwnerFileNote("OwnerFileNote");
inline constexpr QLatin1String OwnerSiteAddr1("OwnerSiteAddr1");
inline constexpr QLatin1String OwnerSiteAddr2("OwnerSiteAddr2");
inline constexpr QLatin1String OwnerSiteRem("OwnerSiteRem");
inline constexpr QLatin1String OwnerSiteBiptRef("OwnerSiteBiptRef");
inline constexpr QLatin1String OwnerSiteClubCall("OwnerSiteClubCall");
inline constexpr QLatin1String OwnerSiteSharedBy("OwnerSiteSharedBy");
inline constexpr QLatin1String OwnerSiteShared("OwnerSiteShared");
inline constexpr QLatin1String OwnerSiteClubStn("OwnerSiteClubStn");
inline constexpr QLatin1String OwnerSiteAlreadyAnt("OwnerSiteAlreadyAnt");
inline constexpr QLatin1String OwnerSiteNote("OwnerSiteNote");

// tblTower
inline constexpr QLatin1String tblTower("tblTower");
inline constexpr QLatin1String IdTower("IdTower"); // also tblStation, tblCriticalPnt
inline constexpr QLatin1String TowerName("TowerName");
inline constexpr QLatin1String TowerCoordLamX("TowerCoordLamX");
inline constexpr QLatin1String TowerCoordLamY("TowerCoordLamY");
inline constexpr QLatin1String TowerCoordWgsEd("TowerCoordWgsEd");
inline constexpr QLatin1String TowerCoordWgsEm("TowerCoordWgsEm");
inline constexpr QLatin1String TowerCoordWgsEs("TowerCoordWgsEs");
inline constexpr QLatin1String TowerCoordWgsNd("TowerCoordWgsNd");
inline constexpr QLatin1String TowerCoordWgsNm("TowerCoordWgsNm");
inline constexpr QLatin1String TowerCoordWgsNs("TowerCoordWgsNs");
inline constexpr QLatin1String TowerRem("TowerRem");
inline constexpr QLatin1String TowerMain("TowerMain");

// tblStation
inline constexpr QLatin1String tblStation("tblStation");
inline constexpr QLatin1String IdStation("IdStation");
inline constexpr QLatin1String AntennasRef("AntennasRef");
inline constexpr QLatin1String AntennasHeight("AntennasHeight");
inline constexpr QLatin1String AntennasTilt("AntennasTilt");
inline constexpr QLatin1String AntennasPol("AntennasPol");
inline constexpr QLatin1String AntennasRem("AntennasRem");
inline constexpr QLatin1String IdCableLoss1("IdCableLoss1");
inline constexpr QLatin1String IdCableLoss2("IdCableLoss2");
inline constexpr QLatin1String IdCableLoss3("IdCableLoss3");
inline constexpr QLatin1String IdCableLoss4("IdCableLoss4");
inline constexpr QLatin1String StationCableLength1("StationCableLength1");
inline constexpr QLatin1String StationCableLength2("StationCableLength2");
inline constexpr QLatin1String StationCableLength3("StationCableLength3");
inline constexpr QLatin1String StationCableLength4("StationCableLength4");
inline constexpr QLatin1String StationTxPower("StationTxPower");
inline constexpr QLatin1String StationAttSwr("StationAttSwr");
inline constexpr QLatin1String StationAttLpf("StationAttLpf");
inline constexpr QLatin1String StationAttAtu("StationAttAtu");
inline constexpr QLatin1String StationNoConn("StationNoConn");
inline constexpr QLatin1String StationAttConn("StationAttConn");
inline constexpr QLatin1String StationAttFeeder("StationAttFeeder");
inline constexpr QLatin1String StationAttAdd("StationAttAdd");
inline constexpr QLatin1String StationCalcFeeder("StationCalcFeeder");
inline constexpr QLatin1String StationCalcAdd("StationCalcAdd");
inline constexpr QLatin1String AntennasAntPwr("AntennasAntPwr");
inline constexpr QLatin1String AntennasAvgPwr("AntennasAvgPwr");
inline constexpr QLatin1String AntennasEirp("AntennasEirp");
inline constexpr QLatin1String AntennasSimTx("AntennasSimTx");

// tblCriticalPnt
inline constexpr QLatin1String tblCriticalPnt("tblCriticalPnt");
inline constexpr QLatin1String IdCriticalPnt("IdCriticalPnt");
inline constexpr QLatin1String CriticalPntRef("CriticalPntRef");
inline constexpr QLatin1String CriticalPntDist("CriticalPntDist");
inline constexpr QLatin1String CriticalPntHeight("CriticalPntHeight");
inline constexpr QLatin1String CriticalPntRem("CriticalPntRem");

// Saved queries (views); their columns are those of the tables above.
inline constexpr QLatin1String qryListAntFamily("qryListAntFamily"); // from tblListAntFamily
inline constexpr QLatin1String qryMode1("qryMode1");                 // from tblMode
inline constexpr QLatin1String qryMode2("qryMode2");                 // from tblMode
inline constexpr QLatin1String qryTxTime1("qryTxTime1");             // from tblTxTime
inline constexpr QLatin1String qryTxTime2("qryTxTime2");             // from tblTxTime
inline constexpr QLatin1String qryCableLoss1("qryCableLoss1");       // from tblCableLoss
inline constexpr QLatin1String qryCableLoss2("qryCableLoss2");       // from tblCableLoss
inline constexpr QLatin1String qryCableLoss3("qryCableLoss3");       // from tblCableLoss
inline constexpr QLatin1String qryCableLoss4("qryCableLoss4");       // from tblCableLoss
inline constexpr QLatin1String qryZipCity1("qryZipCity1");           // from tblZipCity
inline constexpr QLatin1String qryZipCity2("qryZipCity2");           // from tblZipCity

// The pattern columns of tblListAnt: gains in dBi at 0, 10, ... 100 degrees
// below the horizon.
inline constexpr std::array<QLatin1String, 11> PatternColumns = {
    AntV00, AntV10, AntV20, AntV30, AntV40, AntV50, AntV60, AntV70, AntV80, AntV90, AntV100};

// Each table of the database with its columns in the order of the schema.
struct TSchemaTable {
    QLatin1String name;
    QList<QLatin1String> columns;
};
const QList<TSchemaTable> &SchemaTables();

} // namespace Schema
