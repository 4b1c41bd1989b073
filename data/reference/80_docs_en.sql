-- Document templates in English (IdLanguage 1), one row per document
-- name. The program replaces the placeholders in angle brackets when it
-- prints: <CALL> becomes the owner's call (in a letter, in parentheses);
-- <CERT_INFO> and <FILE_INFO> in the cover letters become the findings of
-- the terrain study and the list of enclosed files; the antenna report's
-- placeholders become the owner's, the location's and the antenna's data,
-- and one line per critical test point follows its last line.
-- Letters keep their lines short (they are printed with a proportional font
-- between fixed margins) and their bodies within the lines the letter page
-- holds. Text written for this program.

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('AntReport', 1, 'Report of one antenna placement',
'RF EXPOSURE REPORT - ANTENNA <ANTREF>
Date: <DATE>

STATION
   Call sign          : <CALL>
   Operator           : <FNAME> <NAME>
   Address            : <ADDRESS1>, <ZIP> <CITY>
   Telephone          : <PHONE>
   E-mail             : <MAIL>

LOCATION
   Name               : <LOCREM>
   Lambert 72         : X = <LAMX> m, Y = <LAMY> m
   Main location      : <LOCMAIN>

ANTENNA
   Reference          : <ANTREF>
   Type               : <ANTTYPE>
   Make / description : <ANTMAKE>
   Height             : <ANTHEIGHT> m above ground
   Tilt               : <ANTTILT>°
   Frequency          : <ANTFREQ> MHz
   Gain               : <ANTGAIN> dBi

VERTICAL RADIATION PATTERN (angle from the main beam)
   Angle (°)   : 0     10    20    30    40    50    60    70    80    90
   Gain (dBi)  :<V00> <V10> <V20> <V30> <V40> <V50> <V60> <V70> <V80> <V90>

POWER
   Average power at the antenna : <ANTPWR> dBW
   EIRP                         : <EIRPPWR> dBW

FIELD STRENGTH AT THE CRITICAL TEST POINTS
   Point       Distance (m)    Height (m)      Space att. (dB)          E (V/m)');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('CertFile', 1, 'Cover letter: certification file with terrain study',
'Subject: certification file of amateur radio station <CALL>

Dear Sir or Madam,

Please find enclosed the antenna file of my amateur radio station.
At one or more critical test points the calculated field strength is
not in the lowest class, so I submit a certification file. The
findings of the terrain study are:
<CERT_INFO>
The file contains the following documents:
<FILE_INFO>
I remain at your disposal for any further information.

Yours faithfully,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('TechFile', 1, 'Cover letter: technical antenna file',
'Subject: antenna file of amateur radio station <CALL>

Dear Sir or Madam,

Please find enclosed the technical antenna file of my amateur radio
station. At every critical test point the calculated field strength
stays in the lowest class, well below the limits; a technical
antenna file is therefore sufficient for this installation.

The file contains the following documents:
<FILE_INFO>
The same data are also enclosed as a database in your own layout. I
remain at your disposal for any further information.

Yours faithfully,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('QRP', 1, 'Letter: low-power installation',
'Subject: low-power installation of amateur radio station <CALL>

Dear Sir or Madam,

My amateur radio station transmits with low power only. Instead of a
field-strength calculation per antenna I have checked that the
effective radiated power (ERP) of the station stays within the power
classes of the low-power table, and that the antenna keeps at least
the required horizontal or vertical clearance from every place where
people may stay.

The result of this check is printed on the next page: transmitter
power, antenna gain, losses and corrections, the resulting ERP and
the clearances that apply at the frequency used.

I declare that these data are correct and that I will not raise the
power or reduce the clearances without informing you first.

I remain at your disposal for any further information.

Yours faithfully,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('MobilePortable', 1, 'Declaration: portable or mobile station only',
'Subject: declaration for amateur radio station <CALL>

Dear Sir or Madam,

I hereby declare that I use my amateur radio station only as a
portable or mobile station. No transmitting antenna is installed
permanently at my address or at any other fixed location.

Portable antennas are put up only for the time of operation and at
places where no person stays within the area of the antenna while I
transmit.

I will send you a complete antenna file before I install a fixed
transmitting antenna.

Yours faithfully,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Below10Mhz', 1, 'Declaration: transmission below 10 MHz only',
'Subject: declaration for amateur radio station <CALL>

Dear Sir or Madam,

I hereby declare that my amateur radio station transmits only on the
amateur bands below 10 MHz (160 m, 80 m, 60 m and 40 m).

For these frequencies no field-strength evaluation per antenna is
made, as no exposure limit class applies below 10 MHz in the
evaluation. My antennas are installed so that no person can touch
them or stay in their immediate vicinity while I transmit.

I will send you a complete antenna file before I transmit on any
band at or above 10 MHz.

Yours faithfully,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Above10GHz', 1, 'Declaration: transmission above 10 GHz only',
'Subject: declaration for amateur radio station <CALL>

Dear Sir or Madam,

I hereby declare that my amateur radio station transmits only on the
amateur bands above 10 GHz.

At these frequencies I use small directional antennas with low
transmitter power. They are installed so that their main beam never
points at a place where people may stay, and no person can come in
front of an antenna while I transmit.

I will send you a complete antenna file before I transmit on any
band below 10 GHz.

Yours faithfully,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('SWL', 1, 'Declaration: listening station only',
'Subject: declaration for listening station <CALL>

Dear Sir or Madam,

I hereby declare that my station is a listening station (short-wave
listener) only. It has no transmitter and cannot transmit on any
frequency.

Receiving antennas do not emit radio-frequency energy, so my
installation causes no exposure of the public.

I will send you a complete antenna file before I put any transmitter
into service.

Yours faithfully,');

-- The exposure summary: sections opened by [NAME] lines; POINTS and SAFETY hold the
-- column captions separated by "|", WORDS the words of the tables as key=text.
INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('ExposureSummary', 1, 'Exposure summary of the station',
'[TITLE]
RF exposure summary of station <CALL>
[INTRO]
Operator: <NAME>
Date: <DATE>
For every site of the station: the field strength of each antenna placement at each critical test point, the exposure of the antennas that transmit at the same time, and the safety distance of each placement.
[METHOD]
Method. The electric field strength E (V/m, RMS) is computed in free space from the average power P at the antenna (after the feed-line and additional losses and the mode and transmit-time corrections), less the space attenuation of the point.
Wire antennas: far field, E = sqrt(30 × P × G) / R, with R the slant distance and G the gain towards the point from the vertical radiation pattern, raised where it lies far below the main beam.
Aperture antennas (dishes, D = N wavelengths across): near field up to A = D² / (4 × lambda), E = sqrt(960,5 × P) / D; transition region up to B = 0,6 × lambda × N², E = sqrt(240,13 × P / (lambda × R)); beyond B the far field. Beside the beam the near-field and transition values lose 24 dB per diameter beyond the rim, at most 20 dB.
Limits L1: 13,7 V/m from 10 to 400 MHz, 0,686 × sqrt(f) V/m from 400 to 2000 MHz, 30,7 V/m above 2000 MHz (f in MHz). Below 10 MHz no limit applies.
Antennas that transmit at the same time add up: Q = sum of (E / L1)² over them; Q <= 1 complies. Shown as 100 × sqrt(Q) % of the limit.
Safety distance: the largest distance from the antenna, in the direction of its largest gain, at which E still reaches L1 (power at the antenna, no space attenuation).
Not considered: reflections from the ground and from buildings, and the magnetic field below 10 MHz.
[POINTS]
Point|Placement|f (MHz)|E (V/m)|Limit (V/m)|% of limit|Verdict
[SAFETY]
Placement|f (MHz)|Limit (V/m)|Safety distance
[WORDS]
site=Site
points=Critical test points
together=Together
safety=Safety distances
nopower=no power chain
nolimit=no limit applies below 10 MHz
incomplete=The evaluation is incomplete: no power chain for %1.
nopoints=No critical test point at this site.
verdict1=above the limit
verdict2=at most the limit
verdict3=below the warning level
verdict4=below the low level');
