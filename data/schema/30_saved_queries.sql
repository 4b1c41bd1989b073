-- Saved queries of "VlmMain.mdb", as views. Only their column names are part
-- of the program's contract; the rows they select are chosen here.

-- Family list of the antenna page.
CREATE VIEW qryListAntFamily AS
  SELECT IdAntFamily, AntFamilyNameE FROM tblListAntFamily ORDER BY IdAntFamily;

-- Mode lists of the low-power page (1) and the power page (2).
CREATE VIEW qryMode1 AS
  SELECT IdMode, ModeDescrE, ModeAtt, ModeProcs FROM tblMode ORDER BY IdMode;
CREATE VIEW qryMode2 AS
  SELECT IdMode, ModeDescrE, ModeAtt, ModeProcs FROM tblMode ORDER BY IdMode;

-- Transmit-time lists of the low-power page (1) and the power page (2).
CREATE VIEW qryTxTime1 AS
  SELECT IdTxTime, TxTimeValue, TxTimeAtt, TxTimeProc FROM tblTxTime ORDER BY IdTxTime;
CREATE VIEW qryTxTime2 AS
  SELECT IdTxTime, TxTimeValue, TxTimeAtt, TxTimeProc FROM tblTxTime ORDER BY IdTxTime;

-- One coax list per feed-line section; each names its key like the matching
-- column of tblStation.
CREATE VIEW qryCableLoss1 AS
  SELECT IdCableLoss AS IDCableLoss1, CableLossName, CableLossValue FROM tblCableLoss ORDER BY IdCableLoss;
CREATE VIEW qryCableLoss2 AS
  SELECT IdCableLoss AS IDCableLoss2, CableLossName, CableLossValue FROM tblCableLoss ORDER BY IdCableLoss;
CREATE VIEW qryCableLoss3 AS
  SELECT IdCableLoss AS IDCableLoss3, CableLossName, CableLossValue FROM tblCableLoss ORDER BY IdCableLoss;
CREATE VIEW qryCableLoss4 AS
  SELECT IdCableLoss AS IDCableLoss4, CableLossName, CableLossValue FROM tblCableLoss ORDER BY IdCableLoss;

-- Postcodes of the owner's address (1) and of the site (2).
-- CityMain is 1 for the main town of its postcode (tblZipCityMain), else 0.
CREATE VIEW qryZipCity1 AS
  SELECT IdZipCity AS IdZipCity1, Zip, CityNameN, CityNameF,
         (IdZipCity IN (SELECT IdZipCity FROM tblZipCityMain)) AS CityMain
  FROM tblZipCity ORDER BY Zip, IdZipCity;
CREATE VIEW qryZipCity2 AS
  SELECT IdZipCity AS IdZipCity2, Zip, CityNameN, CityNameF,
         (IdZipCity IN (SELECT IdZipCity FROM tblZipCityMain)) AS CityMain
  FROM tblZipCity ORDER BY Zip, IdZipCity;
