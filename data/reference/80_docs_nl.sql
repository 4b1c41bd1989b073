-- Document templates in Dutch (IdLanguage 2), one row per document
-- name. The program replaces the placeholders in angle brackets when it
-- prints: <CALL> becomes the owner's call (in a letter, in parentheses);
-- <CERT_INFO> and <FILE_INFO> in the cover letters become the findings of
-- the terrain study and the list of enclosed files; the antenna report's
-- placeholders become the owner's, the location's and the antenna's data,
-- and one line per critical test point follows its last line.
-- Letters keep their lines short (they are printed with a proportional font
-- between fixed margins) and their bodies within the lines the letter page
-- holds. Text written for this program.

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('AntReport', 2, 'Rapport van één antenneplaatsing',
'RAPPORT STRALINGSBLOOTSTELLING - ANTENNE <ANTREF>
Datum: <DATE>

STATION
   Roepnaam           : <CALL>
   Operator           : <FNAME> <NAME>
   Adres              : <ADDRESS1>, <ZIP> <CITY>
   Telefoon           : <PHONE>
   E-mail             : <MAIL>

LOCATIE
   Naam               : <LOCREM>
   Lambert 72         : X = <LAMX> m, Y = <LAMY> m
   Hoofdlocatie       : <LOCMAIN>

ANTENNE
   Referentie         : <ANTREF>
   Type               : <ANTTYPE>
   Merk / beschrijving: <ANTMAKE>
   Hoogte             : <ANTHEIGHT> m boven de grond
   Kanteling          : <ANTTILT>°
   Frequentie         : <ANTFREQ> MHz
   Winst              : <ANTGAIN> dBi

VERTICAAL STRALINGSDIAGRAM (hoek ten opzichte van de hoofdbundel)
   Hoek (°)    : 0     10    20    30    40    50    60    70    80    90
   Winst (dBi) :<V00> <V10> <V20> <V30> <V40> <V50> <V60> <V70> <V80> <V90>

VERMOGEN
   Gemiddeld vermogen aan de antenne : <ANTPWR> dBW
   EIRP                              : <EIRPPWR> dBW

VELDSTERKTE OP DE KRITISCHE TESTPUNTEN
   Punt        Afstand (m)     Hoogte (m)      Ruimteverz. (dB)         E (V/m)');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('CertFile', 2, 'Begeleidende brief: certificatiedossier met terreinstudie',
'Betreft: certificatiedossier van radioamateurstation <CALL>

Geachte mevrouw, geachte heer,

Hierbij vindt u het antennedossier van mijn radioamateurstation. Op
een of meer kritische testpunten ligt de berekende veldsterkte niet
in de laagste klasse; daarom dien ik een certificatiedossier in. De
bevindingen van de terreinstudie zijn:
<CERT_INFO>
Het dossier bevat de volgende documenten:
<FILE_INFO>
Voor verdere inlichtingen sta ik steeds tot uw beschikking.

Met de meeste hoogachting,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('TechFile', 2, 'Begeleidende brief: technisch antennedossier',
'Betreft: antennedossier van radioamateurstation <CALL>

Geachte mevrouw, geachte heer,

Hierbij vindt u het technisch antennedossier van mijn
radioamateurstation. Op elk kritisch testpunt blijft de berekende
veldsterkte in de laagste klasse, ruim onder de grenswaarden; een
technisch antennedossier volstaat daarom voor deze installatie.

Het dossier bevat de volgende documenten:
<FILE_INFO>
Dezelfde gegevens vindt u ook in de bijgevoegde databank in uw
formaat. Voor verdere inlichtingen sta ik steeds tot uw beschikking.

Met de meeste hoogachting,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('QRP', 2, 'Brief: installatie met laag vermogen',
'Betreft: installatie met laag vermogen van radioamateurstation
<CALL>

Geachte mevrouw, geachte heer,

Mijn radioamateurstation zendt uitsluitend met laag vermogen uit. In
plaats van een veldsterkteberekening per antenne heb ik nagegaan dat
het effectief uitgestraald vermogen (ERP) van het station binnen de
vermogensklassen van de tabel voor laag vermogen blijft, en dat de
antenne ten minste de vereiste horizontale of verticale afstand
houdt tot elke plaats waar personen kunnen verblijven.

Het resultaat van deze controle staat op de volgende bladzijde:
zendvermogen, antennewinst, verliezen en correcties, het
resulterende ERP en de afstanden die op de gebruikte frequentie
gelden.

Ik verklaar dat deze gegevens juist zijn en dat ik het vermogen niet
zal verhogen of de afstanden niet zal verkleinen zonder u eerst te
verwittigen.

Voor verdere inlichtingen sta ik steeds tot uw beschikking.

Met de meeste hoogachting,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('MobilePortable', 2, 'Verklaring: enkel draagbaar of mobiel station',
'Betreft: verklaring voor radioamateurstation <CALL>

Geachte mevrouw, geachte heer,

Hierbij verklaar ik dat ik mijn radioamateurstation uitsluitend als
draagbaar of mobiel station gebruik. Er is geen zendantenne vast
opgesteld op mijn adres of op een andere vaste plaats.

Draagbare antennes worden enkel opgesteld voor de duur van de
verbinding en op plaatsen waar niemand in de nabijheid van de
antenne verblijft terwijl ik uitzend.

Ik bezorg u een volledig antennedossier voor ik een vaste
zendantenne installeer.

Met de meeste hoogachting,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Below10Mhz', 2, 'Verklaring: enkel uitzendingen onder 10 MHz',
'Betreft: verklaring voor radioamateurstation <CALL>

Geachte mevrouw, geachte heer,

Hierbij verklaar ik dat mijn radioamateurstation uitsluitend
uitzendt op de amateurbanden onder 10 MHz (160 m, 80 m, 60 m en 40
m).

Voor deze frequenties wordt geen veldsterkte per antenne beoordeeld,
omdat onder 10 MHz geen grenswaardeklasse van toepassing is in de
beoordeling. Mijn antennes zijn zo opgesteld dat niemand ze kan
aanraken of in hun onmiddellijke nabijheid kan verblijven terwijl ik
uitzend.

Ik bezorg u een volledig antennedossier voor ik uitzend op een band
van 10 MHz of hoger.

Met de meeste hoogachting,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Above10GHz', 2, 'Verklaring: enkel uitzendingen boven 10 GHz',
'Betreft: verklaring voor radioamateurstation <CALL>

Geachte mevrouw, geachte heer,

Hierbij verklaar ik dat mijn radioamateurstation uitsluitend
uitzendt op de amateurbanden boven 10 GHz.

Op deze frequenties gebruik ik kleine richtantennes met een laag
zendvermogen. Ze zijn zo opgesteld dat hun hoofdbundel nooit gericht
is op een plaats waar personen kunnen verblijven, en niemand kan
voor een antenne komen terwijl ik uitzend.

Ik bezorg u een volledig antennedossier voor ik uitzend op een band
onder 10 GHz.

Met de meeste hoogachting,');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('SWL', 2, 'Verklaring: enkel luisterstation',
'Betreft: verklaring voor luisterstation <CALL>

Geachte mevrouw, geachte heer,

Hierbij verklaar ik dat mijn station uitsluitend een luisterstation
(kortegolfluisteraar) is. Het heeft geen zender en kan op geen
enkele frequentie uitzenden.

Ontvangstantennes stralen geen radiofrequente energie uit; mijn
installatie veroorzaakt dus geen blootstelling van het publiek.

Ik bezorg u een volledig antennedossier voor ik een zender in
gebruik neem.

Met de meeste hoogachting,');

-- The exposure summary: sections opened by [NAME] lines; POINTS and SAFETY hold the
-- column captions separated by "|", WORDS the words of the tables as key=text.
INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('ExposureSummary', 2, 'Samenvatting van de blootstelling van het station',
'[TITLE]
Samenvatting RF-blootstelling van station <CALL>
[INTRO]
Operator: <NAME>
Datum: <DATE>
Voor elke locatie van het station: de veldsterkte van elke antenneopstelling op elk kritisch testpunt, de blootstelling door de antennes die tegelijk zenden, en de veiligheidsafstand van elke opstelling.
[METHOD]
Methode. De elektrische veldsterkte E (V/m, RMS) wordt in de vrije ruimte berekend uit het gemiddelde vermogen P aan de antenne (na de verliezen in de voedingslijn, de bijkomende verliezen en de correcties voor modulatie en zendtijd), verminderd met de ruimtelijke verzwakking van het punt.
Draadantennes: verre veld, E = sqrt(30 × P × G) / R, met R de schuine afstand en G de winst naar het punt volgens het verticale stralingsdiagram, verhoogd waar het ver onder de hoofdbundel ligt.
Apertuurantennes (schotels, D = N golflengten breed): nabije veld tot A = D² / (4 × lambda), E = sqrt(960,5 × P) / D; overgangsgebied tot B = 0,6 × lambda × N², E = sqrt(240,13 × P / (lambda × R)); voorbij B het verre veld. Naast de bundel verliezen de waarden van het nabije veld en het overgangsgebied 24 dB per diameter buiten de rand, ten hoogste 20 dB.
Grenswaarden L1: 13,7 V/m van 10 tot 400 MHz, 0,686 × sqrt(f) V/m van 400 tot 2000 MHz, 30,7 V/m boven 2000 MHz (f in MHz). Onder 10 MHz geldt geen grenswaarde.
Antennes die tegelijk zenden worden samengeteld: Q = som van (E / L1)² over die antennes; Q <= 1 voldoet. Weergegeven als 100 × sqrt(Q) % van de grenswaarde.
Veiligheidsafstand: de grootste afstand tot de antenne, in de richting van haar grootste winst, waarop E nog L1 bereikt (vermogen aan de antenne, zonder ruimtelijke verzwakking).
Niet in rekening gebracht: reflecties op de grond en op gebouwen, en het magnetische veld onder 10 MHz.
[POINTS]
Punt|Opstelling|f (MHz)|E (V/m)|Grens (V/m)|% van grens|Oordeel
[SAFETY]
Opstelling|f (MHz)|Grens (V/m)|Veiligheidsafstand
[WORDS]
site=Locatie
points=Kritische testpunten
together=Samen
safety=Veiligheidsafstanden
nopower=geen vermogensketen
nolimit=geen grenswaarde onder 10 MHz
incomplete=De evaluatie is onvolledig: geen vermogensketen voor %1.
nopoints=Geen kritisch testpunt op deze locatie.
verdict1=boven de grenswaarde
verdict2=ten hoogste de grenswaarde
verdict3=onder het waarschuwingsniveau
verdict4=onder het lage niveau');
