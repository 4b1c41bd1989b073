-- User tables of "VlmMain.mdb", filled by the program.
-- AutoNumber keys never reuse a deleted value (AUTOINCREMENT), so "the highest
-- key right after an INSERT" is always the row just written.
-- Long and Double columns default to 0 and Yes/No columns to 0 (No), as an
-- Access number or Yes/No field does. The owner's postcode references default
-- to the reserved "no town yet" row 1 so that the postcode joins keep the row.

-- The catalogue: shipped antennas and the user's custom antennas (family 49).
-- AntV00 ... AntV100 take the user's typed text with a decimal comma
-- ('12,5'); the triggers of 40_typed_doubles.sql store it as a number.
CREATE TABLE tblListAnt (
  IdListAnt     INTEGER PRIMARY KEY AUTOINCREMENT,
  IdAntFamily   INTEGER DEFAULT 0,
  IdListAntPol  INTEGER DEFAULT 0,
  IdBandFreq    INTEGER DEFAULT 0,
  AntType       TEXT COLLATE NOCASE,
  AntMakeDescr  TEXT COLLATE NOCASE,
  AntV00        REAL,                            -- gain at 0 degrees, dBi (the antenna gain)
  AntV10        REAL,
  AntV20        REAL,
  AntV30        REAL,
  AntV40        REAL,
  AntV50        REAL,
  AntV60        REAL,
  AntV70        REAL,
  AntV80        REAL,
  AntV90        REAL,
  AntV100       REAL,
  AntDir        TEXT COLLATE NOCASE,             -- 'CUSTOM' for custom antennas
  AntExtra      TEXT COLLATE NOCASE              -- dish diameter in wavelengths (number as text)
);

CREATE TABLE tblOwner (
  IdOwner              INTEGER PRIMARY KEY AUTOINCREMENT,
  IdZipCity1           INTEGER DEFAULT 1,
  IdZipCity2           INTEGER DEFAULT 1,
  IdLanguage           INTEGER DEFAULT 0,
  IdTxTime             INTEGER DEFAULT 0,
  IdMode               INTEGER DEFAULT 0,
  IdBandFreqQrp        INTEGER DEFAULT 0,
  OwnerSpecCase        INTEGER DEFAULT 0,
  OwnerQrpDistA        TEXT COLLATE NOCASE,
  OwnerQrpDistB        TEXT COLLATE NOCASE,
  OwnerQrpPower        TEXT COLLATE NOCASE,
  OwnerQrpGain         TEXT COLLATE NOCASE,
  OwnerQrpCoaxLoss     TEXT COLLATE NOCASE,
  OwnerFname           TEXT COLLATE NOCASE,
  OwnerName            TEXT COLLATE NOCASE,
  OwnerCall            TEXT COLLATE NOCASE,
  OwnerOtherOps        TEXT COLLATE NOCASE,
  OwnerAddress1        TEXT COLLATE NOCASE,
  OwnerAddress2        TEXT COLLATE NOCASE,
  OwnerPhHome          TEXT COLLATE NOCASE,
  OwnerPhOff           TEXT COLLATE NOCASE,
  OwnerPhMob           TEXT COLLATE NOCASE,
  OwnerPhFax           TEXT COLLATE NOCASE,
  OwnerEmail           TEXT COLLATE NOCASE,
  OwnerRem             TEXT COLLATE NOCASE,
  OwnerUserDir         TEXT COLLATE NOCASE,
  OwnerNote            TEXT COLLATE NOCASE,
  OwnerFileNote        TEXT COLLATE NOCASE,
  OwnerSiteAddr1       TEXT COLLATE NOCASE,
  OwnerSiteAddr2       TEXT COLLATE NOCASE,
  OwnerSiteRem         TEXT COLLATE NOCASE,
  OwnerSiteBiptRef     TEXT COLLATE NOCASE,
  OwnerSiteClubCall    TEXT COLLATE NOCASE,
  OwnerSiteSharedBy    TEXT COLLATE NOCASE,
  OwnerSiteShared      INTEGER NOT NULL DEFAULT 0,
  OwnerSiteClubStn     INTEGER NOT NULL DEFAULT 0,
  OwnerSiteAlreadyAnt  INTEGER NOT NULL DEFAULT 0,
  OwnerSiteNote        TEXT COLLATE NOCASE
);

CREATE TABLE tblTower (
  IdTower          INTEGER PRIMARY KEY AUTOINCREMENT,
  IdOwner          INTEGER DEFAULT 0,
  TowerName        TEXT COLLATE NOCASE,
  TowerCoordLamX   INTEGER DEFAULT 0,
  TowerCoordLamY   INTEGER DEFAULT 0,
  TowerCoordWgsEd  INTEGER DEFAULT 0,
  TowerCoordWgsEm  INTEGER DEFAULT 0,
  TowerCoordWgsEs  INTEGER DEFAULT 0,
  TowerCoordWgsNd  INTEGER DEFAULT 0,
  TowerCoordWgsNm  INTEGER DEFAULT 0,
  TowerCoordWgsNs  INTEGER DEFAULT 0,
  TowerRem         TEXT COLLATE NOCASE,
  TowerMain        INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX idxTowerOwner ON tblTower (IdOwner);

-- AntennasHeight and AntennasTilt take the user's typed text (see tblListAnt).
CREATE TABLE tblStation (
  IdStation            INTEGER PRIMARY KEY AUTOINCREMENT,
  IdTower              INTEGER DEFAULT 0,
  IdListAnt            INTEGER DEFAULT 0,
  IdBandFreqSt         INTEGER DEFAULT 0,
  AntennasRef          TEXT COLLATE NOCASE,
  AntennasHeight       REAL DEFAULT 0,
  AntennasTilt         REAL DEFAULT 0,
  AntennasPol          TEXT COLLATE NOCASE,
  AntennasRem          TEXT COLLATE NOCASE,
  IdMode               INTEGER DEFAULT 0,
  IdTxTime             INTEGER DEFAULT 0,
  IdCableLoss1         INTEGER DEFAULT 0,
  IdCableLoss2         INTEGER DEFAULT 0,
  IdCableLoss3         INTEGER DEFAULT 0,
  IdCableLoss4         INTEGER DEFAULT 0,
  StationCableLength1  REAL DEFAULT 0,
  StationCableLength2  REAL DEFAULT 0,
  StationCableLength3  REAL DEFAULT 0,
  StationCableLength4  REAL DEFAULT 0,
  StationTxPower       REAL DEFAULT 0,
  StationAttSwr        REAL DEFAULT 0,
  StationAttLpf        REAL DEFAULT 0,
  StationAttAtu        REAL DEFAULT 0,
  StationNoConn        INTEGER DEFAULT 0,
  StationAttConn       REAL DEFAULT 0,
  StationAttFeeder     REAL DEFAULT 0,
  StationAttAdd        REAL DEFAULT 0,
  StationCalcFeeder    INTEGER NOT NULL DEFAULT 0,
  StationCalcAdd       INTEGER NOT NULL DEFAULT 0,
  AntennasAntPwr       REAL DEFAULT 0,           -- average power at the antenna, dBW
  AntennasAvgPwr       REAL DEFAULT 0,           -- average power at the antenna, W
  AntennasEirp         REAL DEFAULT 0,           -- EIRP, dBW
  -- Yes/No: the placement transmits at the same time as the site's other antennas
  AntennasSimTx        INTEGER NOT NULL DEFAULT 1
);
CREATE INDEX idxStationTower ON tblStation (IdTower);

CREATE TABLE tblCriticalPnt (
  IdCriticalPnt      INTEGER PRIMARY KEY AUTOINCREMENT,
  IdTower            INTEGER DEFAULT 0,
  IdSpaceAtt         INTEGER DEFAULT 0,
  CriticalPntRef     TEXT COLLATE NOCASE,
  CriticalPntDist    REAL DEFAULT 0,
  CriticalPntHeight  REAL DEFAULT 0,
  CriticalPntRem     TEXT COLLATE NOCASE
);
CREATE INDEX idxCriticalPntTower ON tblCriticalPnt (IdTower);
