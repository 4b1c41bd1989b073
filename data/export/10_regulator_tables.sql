-- The regulator's application database ("Empty_Vlm.mdb"): its table layout
-- for an amateur station's antenna file. Table and column names are the
-- regulator's and must stay as they are. The submission page copies this
-- empty template, fills the application row 61 of the five file tables and
-- replaces the rows of the four antenna tables.
-- Yes/No columns hold 1/0 (the program writes the words True and False).

-- The application itself.
CREATE TABLE FileTable (
  FilePK        INTEGER PRIMARY KEY,
  FileLanguage  TEXT COLLATE NOCASE            -- 'N' Dutch, 'F' French
);

-- Applicant.
CREATE TABLE File1Table (
  File1PK                     INTEGER PRIMARY KEY,
  FileFK                      INTEGER,          -- row of FileTable
  AA01NameApplicant           TEXT COLLATE NOCASE,
  AA02AddressApplicant        TEXT COLLATE NOCASE,
  AA03ZipCodeApplicant        TEXT COLLATE NOCASE,
  AA03CityApplicant           TEXT COLLATE NOCASE,
  AA04NameContactApplicant    TEXT COLLATE NOCASE,
  AA05TelContactApplicant     TEXT COLLATE NOCASE,
  AA06EmailContactApplicant   TEXT COLLATE NOCASE,
  AA07RefApplicant            TEXT COLLATE NOCASE,
  AA08RefBIPTApplicant        TEXT COLLATE NOCASE,
  AA09InfoApplicant           TEXT COLLATE NOCASE
);

-- Operators and site sharing.
CREATE TABLE File2Table (
  File2PK              INTEGER PRIMARY KEY,
  FileFK               INTEGER,
  AO01OtherExploitant  TEXT COLLATE NOCASE,
  BS01SiteShareable    INTEGER NOT NULL DEFAULT 0,
  BI01SiteDescription  TEXT COLLATE NOCASE
);

-- Location of the site.
CREATE TABLE File3Table (
  File3PK                  INTEGER PRIMARY KEY,
  FileFK                   INTEGER,
  LS02AddressSite          TEXT COLLATE NOCASE,
  LS03ZipCodeSite          TEXT COLLATE NOCASE,
  LS03CitySite             TEXT COLLATE NOCASE,
  AS04SiteExists           INTEGER NOT NULL DEFAULT 0,
  LS07XLambertCoordinates  INTEGER DEFAULT 0,
  LS07YLambertCoordinates  INTEGER DEFAULT 0
);

-- Kind of service.
CREATE TABLE File4Table (
  File4PK               INTEGER PRIMARY KEY,
  FileFK                INTEGER,
  ST01Other10MHHz10GHz  TEXT COLLATE NOCASE
);

-- One default antenna per antenna of the application.
CREATE TABLE DefaultAntennaTable (
  DefaultAntennaPK                   INTEGER PRIMARY KEY,
  DefaultAntennaType                 TEXT COLLATE NOCASE,
  DefaultAntennaTilt                 REAL,        -- degrees
  DefaultAntennaHorizontalBeamWidth  REAL,        -- degrees
  DefaultAntennaGaindB               REAL,        -- dBi
  DefaultAntennaHeight               REAL,        -- m
  DefaultAntennaFrequencyMHz         REAL,
  DefaultAntennaPowerdBm             REAL
);

-- The antennas of the application.
CREATE TABLE File4BTable (
  AntennaPK                    INTEGER PRIMARY KEY,
  FileFK                       INTEGER,         -- row of FileTable
  AntennaNr                    INTEGER,
  DefaultAntennaFK             INTEGER,         -- row of DefaultAntennaTable
  AntennaName                  TEXT COLLATE NOCASE,
  AntennaType                  TEXT COLLATE NOCASE,
  AntennaPositionHeight        REAL,            -- m
  AntennaAzimut                REAL,            -- degrees
  AntennaTilt                  REAL,
  AntennaElectricalTilt        REAL,
  AntennaMechanicalTilt        REAL,
  AntennaEntryPowerdBm         REAL,
  AntennaFrequency             REAL,            -- MHz
  AntennaHorizontalOpening     REAL,            -- degrees
  AntennaVerticalOpening       REAL,
  AntennaFromFrequency         REAL,
  AntennaToFrequency           REAL,
  AntennaGaindB                REAL,
  AntennaGainRef               TEXT COLLATE NOCASE,  -- 'I' isotropic, 'D' dipole
  AntennaEIRPdBW               REAL,
  AntennaERPdBW                REAL,
  AntennaPolarization          TEXT COLLATE NOCASE,
  AntennaNumberOfTransmitters  INTEGER,
  AntennaDefaultTxPowerdBm     REAL
);

-- Horizontal and vertical radiation diagrams of the default antennas:
-- gain in dB relative to the main beam between two angles (degrees).
CREATE TABLE DefaultAntennaHorizontalDiagramEntryTable (
  DefaultAntennaHorizontalDiagramEntryPK  INTEGER PRIMARY KEY,
  DefaultAntennaFK                        INTEGER,
  FromAngle                               REAL,
  ToAngle                                 REAL,
  GaindB                                  REAL
);

CREATE TABLE DefaultAntennaVerticalDiagramEntryTable (
  DefaultAntennaVerticalDiagramEntryPK  INTEGER PRIMARY KEY,
  DefaultAntennaFK                      INTEGER,
  FromAngle                             REAL,
  ToAngle                               REAL,
  GaindB                                REAL
);
CREATE INDEX idxVerticalDiagramAntenna ON DefaultAntennaVerticalDiagramEntryTable (DefaultAntennaFK);
