-- Reference tables of "VlmMain.mdb". They come filled with the database file
-- (data/reference/*.sql) and are changed only by table-update files.
-- Text columns compare and sort without regard to case, as the program expects.
-- Keys of reference tables are given by the rows themselves (no AutoNumber),
-- except tblListAnt, which also receives the user's custom antennas.

CREATE TABLE tblLanguage (
  IdLanguage     INTEGER PRIMARY KEY,            -- 1 English, 2 Dutch, 3 French, 4 German
  LanguageFullE  TEXT COLLATE NOCASE
);

CREATE TABLE tblListAntFamily (
  IdAntFamily     INTEGER PRIMARY KEY,           -- 49 holds the custom antennas; 48 means all in the catalogue query
  AntFamilyNameE  TEXT COLLATE NOCASE,           -- English name, shown by qryListAntFamily
  AntFamilyNameN  TEXT COLLATE NOCASE,           -- Dutch name (export)
  AntFamilyNameF  TEXT COLLATE NOCASE            -- French name (export)
);

CREATE TABLE tblListAntPol (
  IdListAntPol  INTEGER PRIMARY KEY,
  ListAntPolE   TEXT COLLATE NOCASE,             -- full name
  ListAntPolSh  TEXT COLLATE NOCASE              -- short code ("Pol." column, AntennasPol)
);

CREATE TABLE tblBandFreq (
  IdBandFreq      INTEGER PRIMARY KEY,           -- 16: band chosen per placement
  BandFreqDescr   TEXT COLLATE NOCASE,
  BandFreqCenter  REAL                           -- MHz
);

-- Operating bands of placements: same keys as tblBandFreq for the same band.
CREATE TABLE tblBandFreqSt (
  IdBandFreqSt    INTEGER PRIMARY KEY,
  BandFreqDescr   TEXT COLLATE NOCASE,
  BandFreqCenter  REAL                           -- MHz
);

CREATE TABLE tblBandFreqQrp (
  IdBandFreqQrp   INTEGER PRIMARY KEY,
  BandFreqDescr   TEXT COLLATE NOCASE,
  BandFreqCenter  REAL                           -- MHz
);

CREATE TABLE tblMode (
  IdMode      INTEGER PRIMARY KEY,
  ModeDescrE  TEXT COLLATE NOCASE,
  ModeAtt     REAL,                              -- correction, dB
  ModeProcs   TEXT COLLATE NOCASE                -- shown as text, e.g. '50 %'
);

CREATE TABLE tblTxTime (
  IdTxTime    INTEGER PRIMARY KEY,
  TxTimeValue TEXT COLLATE NOCASE,
  TxTimeAtt   REAL,                              -- correction, dB
  TxTimeProc  TEXT COLLATE NOCASE                -- shown as text
);

CREATE TABLE tblCableLoss (
  IdCableLoss     INTEGER PRIMARY KEY,
  CableLossName   TEXT COLLATE NOCASE,
  CableLossValue  TEXT COLLATE NOCASE            -- number as text (decimal comma): dB per 100 m at 100 MHz
);

CREATE TABLE tblSpaceAtt (
  IdSpaceAtt      INTEGER PRIMARY KEY,
  SpaceAttDescrE  TEXT COLLATE NOCASE,
  SpaceAttLow     REAL,                          -- dB, bands centred below 1000 MHz
  SpaceAttHigh    REAL                           -- dB, bands from 1000 MHz up
);

-- Belgian postcodes; keys 1 and 2 are reserved rows meaning "no town yet".
CREATE TABLE tblZipCity (
  IdZipCity  INTEGER PRIMARY KEY,
  Zip        TEXT COLLATE NOCASE,
  CityNameN  TEXT COLLATE NOCASE,                -- Dutch town name
  CityNameF  TEXT COLLATE NOCASE                 -- French town name
);

-- The main town of a postcode (the locality that is the municipality itself,
-- Liège for 4000): typing a postcode picks it. A table of its own, so that the
-- postcode table keeps the four columns that table-update files insert.
CREATE TABLE tblZipCityMain (
  IdZipCity  INTEGER PRIMARY KEY                 -- a key of tblZipCity
);

CREATE TABLE tblDocs (
  DocsName    TEXT COLLATE NOCASE,               -- AntReport, CertFile, TechFile, QRP, MobilePortable, Below10Mhz, Above10GHz, SWL, ExposureSummary
  IdLanguage  INTEGER,
  DocsDesc    TEXT COLLATE NOCASE,
  DocsText    TEXT COLLATE NOCASE                -- template (memo)
);
CREATE INDEX idxDocsNameLanguage ON tblDocs (DocsName, IdLanguage);

CREATE TABLE tblBipt (
  IdLanguage   INTEGER,
  BiptName     TEXT COLLATE NOCASE,
  BiptService  TEXT COLLATE NOCASE,
  BiptAddr1    TEXT COLLATE NOCASE,
  BiptAddr2    TEXT COLLATE NOCASE,
  BiptZip      TEXT COLLATE NOCASE,
  BiptCity     TEXT COLLATE NOCASE
);

-- Opened with the lookup tables at start-up; no column is read by the program.
-- One row per limit class: frequency range and the field-strength limit.
CREATE TABLE tblErpVal (
  IdErpVal       INTEGER PRIMARY KEY,
  ErpValDescr    TEXT COLLATE NOCASE,
  ErpValFreqLow  REAL,                           -- MHz
  ErpValFreqHigh REAL,                           -- MHz
  ErpValLimit    REAL                            -- V/m
);

CREATE TABLE tblApplData (
  ApplDataName   TEXT COLLATE NOCASE UNIQUE,     -- e.g. 'DBVer'
  ApplDataValue  TEXT COLLATE NOCASE             -- e.g. '7'
);
