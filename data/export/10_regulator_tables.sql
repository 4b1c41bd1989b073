-- The regulator's application database ("Empty_Vlm.mdb"): its table layout
-- for an amateur station's antenna file. Table and column names are the
-- regulator's and must stay as they are. The build writes these tables as an
-- Access 2000 file; the export reads that template into a staging database,
-- fills the application row 61 of the five file tables and replaces the rows
-- of the four antenna tables.
-- The declared types give the Access column types (src/reports/exportstaging.h):
-- INTEGER Long Integer, DOUBLE Double, VARCHAR(255) Text (255), LONGTEXT Memo,
-- BOOLEAN Yes/No (1/0; the program writes the words True and False). The
-- PRIMARY KEY column of each table becomes its primary key.

-- The application itself.
CREATE TABLE FileTable (
  FilePK        INTEGER PRIMARY KEY,
  FileLanguage  VARCHAR(255) COLLATE NOCASE            -- 'N' Dutch, 'F' French
);

-- Applicant.
CREATE TABLE File1Table (
  File1PK                     INTEGER PRIMARY KEY,
  FileFK                      INTEGER,          -- row of FileTable
  AA01NameApplicant           VARCHAR(255) COLLATE NOCASE,
  AA02AddressApplicant        VARCHAR(255) COLLATE NOCASE,
  AA03ZipCodeApplicant        VARCHAR(255) COLLATE NOCASE,
  AA03CityApplicant           VARCHAR(255) COLLATE NOCASE,
  AA04NameContactApplicant    VARCHAR(255) COLLATE NOCASE,
  AA05TelContactApplicant     VARCHAR(255) COLLATE NOCASE,
  AA06EmailContactApplicant   VARCHAR(255) COLLATE NOCASE,
  AA07RefApplicant            VARCHAR(255) COLLATE NOCASE,
  AA08RefBIPTApplicant        VARCHAR(255) COLLATE NOCASE,
  AA09InfoApplicant           LONGTEXT COLLATE NOCASE
);

-- Operators and site sharing.
CREATE TABLE File2Table (
  File2PK              INTEGER PRIMARY KEY,
  FileFK               INTEGER,
  AO01OtherExploitant  VARCHAR(255) COLLATE NOCASE,
  BS01SiteShareable    BOOLEAN NOT NULL DEFAULT 0,
  BI01SiteDescription  LONGTEXT COLLATE NOCASE
);

-- Location of the site.
CREATE TABLE File3Table (
  File3PK                  INTEGER PRIMARY KEY,
  FileFK                   INTEGER,
  LS02AddressSite          VARCHAR(255) COLLATE NOCASE,
  LS03ZipCodeSite          VARCHAR(255) COLLATE NOCASE,
  LS03CitySite             VARCHAR(255) COLLATE NOCASE,
  AS04SiteExists           BOOLEAN NOT NULL DEFAULT 0,
  LS07XLambertCoordinates  INTEGER DEFAULT 0,
  LS07YLambertCoordinates  INTEGER DEFAULT 0
);

-- Kind of service.
CREATE TABLE File4Table (
  File4PK               INTEGER PRIMARY KEY,
  FileFK                INTEGER,
  ST01Other10MHHz10GHz  VARCHAR(255) COLLATE NOCASE
);

-- One default antenna per antenna of the application.
CREATE TABLE DefaultAntennaTable (
  DefaultAntennaPK                   INTEGER PRIMARY KEY,
  DefaultAntennaType                 VARCHAR(255) COLLATE NOCASE,
  DefaultAntennaTilt                 DOUBLE,        -- degrees
  DefaultAntennaHorizontalBeamWidth  DOUBLE,        -- degrees
  DefaultAntennaGaindB               DOUBLE,        -- dBi
  DefaultAntennaHeight               DOUBLE,        -- m
  DefaultAntennaFrequencyMHz         DOUBLE,
  DefaultAntennaPowerdBm             DOUBLE
);

-- The antennas of the application.
CREATE TABLE File4BTable (
  AntennaPK                    INTEGER PRIMARY KEY,
  FileFK                       INTEGER,         -- row of FileTable
  AntennaNr                    INTEGER,
  DefaultAntennaFK             INTEGER,         -- row of DefaultAntennaTable
  AntennaName                  VARCHAR(255) COLLATE NOCASE,
  AntennaType                  VARCHAR(255) COLLATE NOCASE,
  AntennaPositionHeight        DOUBLE,            -- m
  AntennaAzimut                DOUBLE,            -- degrees
  AntennaTilt                  DOUBLE,
  AntennaElectricalTilt        DOUBLE,
  AntennaMechanicalTilt        DOUBLE,
  AntennaEntryPowerdBm         DOUBLE,
  AntennaFrequency             DOUBLE,            -- MHz
  AntennaHorizontalOpening     DOUBLE,            -- degrees
  AntennaVerticalOpening       DOUBLE,
  AntennaFromFrequency         DOUBLE,
  AntennaToFrequency           DOUBLE,
  AntennaGaindB                DOUBLE,
  AntennaGainRef               VARCHAR(255) COLLATE NOCASE,  -- 'I' isotropic, 'D' dipole
  AntennaEIRPdBW               DOUBLE,
  AntennaERPdBW                DOUBLE,
  AntennaPolarization          VARCHAR(255) COLLATE NOCASE,
  AntennaNumberOfTransmitters  INTEGER,
  AntennaDefaultTxPowerdBm     DOUBLE
);

-- Horizontal and vertical radiation diagrams of the default antennas:
-- gain in dB relative to the main beam between two angles (degrees).
CREATE TABLE DefaultAntennaHorizontalDiagramEntryTable (
  DefaultAntennaHorizontalDiagramEntryPK  INTEGER PRIMARY KEY,
  DefaultAntennaFK                        INTEGER,
  FromAngle                               DOUBLE,
  ToAngle                                 DOUBLE,
  GaindB                                  DOUBLE
);

CREATE TABLE DefaultAntennaVerticalDiagramEntryTable (
  DefaultAntennaVerticalDiagramEntryPK  INTEGER PRIMARY KEY,
  DefaultAntennaFK                      INTEGER,
  FromAngle                             DOUBLE,
  ToAngle                               DOUBLE,
  GaindB                                DOUBLE
);
CREATE INDEX idxVerticalDiagramAntenna ON DefaultAntennaVerticalDiagramEntryTable (DefaultAntennaFK);
