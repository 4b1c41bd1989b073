-- Document templates in German (IdLanguage 4), one row per document
-- name. The program replaces the placeholders in angle brackets when it
-- prints: <CALL> becomes the owner's call (in a letter, in parentheses);
-- <CERT_INFO> and <FILE_INFO> in the cover letters become the findings of
-- the terrain study and the list of enclosed files; the antenna report's
-- placeholders become the owner's, the location's and the antenna's data,
-- and one line per critical test point follows its last line.
-- Letters keep their lines short (they are printed with a proportional font
-- between fixed margins) and their bodies within the lines the letter page
-- holds. Text written for this program.

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('AntReport', 4, 'Bericht über einen Antennenstandort',
'BERICHT ZUR FELDEXPOSITION - ANTENNE <ANTREF>
Datum: <DATE>

STATION
   Rufzeichen         : <CALL>
   Funkamateur        : <FNAME> <NAME>
   Anschrift          : <ADDRESS1>, <ZIP> <CITY>
   Telefon            : <PHONE>
   E-Mail             : <MAIL>

STANDORT
   Name               : <LOCREM>
   Lambert 72         : X = <LAMX> m, Y = <LAMY> m
   Hauptstandort      : <LOCMAIN>

ANTENNE
   Referenz           : <ANTREF>
   Typ                : <ANTTYPE>
   Hersteller/Beschr. : <ANTMAKE>
   Höhe               : <ANTHEIGHT> m über dem Boden
   Neigung            : <ANTTILT>°
   Frequenz           : <ANTFREQ> MHz
   Gewinn             : <ANTGAIN> dBi

VERTIKALES STRAHLUNGSDIAGRAMM (Winkel zur Hauptstrahlrichtung)
   Winkel (°)  : 0     10    20    30    40    50    60    70    80    90
   Gewinn (dBi):<V00> <V10> <V20> <V30> <V40> <V50> <V60> <V70> <V80> <V90>

LEISTUNG
   Mittlere Leistung an der Antenne : <ANTPWR> dBW
   EIRP                             : <EIRPPWR> dBW

FELDSTÄRKE AN DEN KRITISCHEN MESSPUNKTEN
   Punkt       Abstand (m)     Höhe (m)        Dämpfung (dB)            E (V/m)');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('CertFile', 4, 'Begleitschreiben: Zertifizierungsakte mit Geländestudie',
'Betreff: Zertifizierungsakte der Amateurfunkstation <CALL>

Sehr geehrte Damen und Herren,

anbei erhalten Sie die Antennenakte meiner Amateurfunkstation. An
einem oder mehreren kritischen Messpunkten liegt die berechnete
Feldstärke nicht in der niedrigsten Klasse; ich reiche daher eine
Zertifizierungsakte ein. Die Ergebnisse der Geländestudie sind:
<CERT_INFO>
Die Akte enthält die folgenden Unterlagen:
<FILE_INFO>
Für weitere Auskünfte stehe ich Ihnen gerne zur Verfügung.

Mit freundlichen Grüßen');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('TechFile', 4, 'Begleitschreiben: technische Antennenakte',
'Betreff: Antennenakte der Amateurfunkstation <CALL>

Sehr geehrte Damen und Herren,

anbei erhalten Sie die technische Antennenakte meiner
Amateurfunkstation. An jedem kritischen Messpunkt bleibt die
berechnete Feldstärke in der niedrigsten Klasse, deutlich unter den
Grenzwerten; für diese Anlage genügt daher eine technische
Antennenakte.

Die Akte enthält die folgenden Unterlagen:
<FILE_INFO>
Dieselben Daten liegen auch als Datenbank in Ihrem Format bei. Für
weitere Auskünfte stehe ich Ihnen gerne zur Verfügung.

Mit freundlichen Grüßen');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('QRP', 4, 'Schreiben: Anlage mit geringer Leistung',
'Betreff: Anlage mit geringer Leistung der Amateurfunkstation <CALL>

Sehr geehrte Damen und Herren,

meine Amateurfunkstation sendet ausschließlich mit geringer
Leistung. Statt einer Feldstärkeberechnung je Antenne habe ich
geprüft, dass die effektive Strahlungsleistung (ERP) der Station
innerhalb der Leistungsklassen der Tabelle für geringe Leistung
bleibt und dass die Antenne mindestens den vorgeschriebenen
waagerechten oder senkrechten Abstand zu jedem Ort einhält, an dem
sich Personen aufhalten können.

Das Ergebnis dieser Prüfung steht auf der nächsten Seite:
Senderleistung, Antennengewinn, Verluste und Korrekturen, die sich
ergebende ERP und die Abstände, die bei der verwendeten Frequenz
gelten.

Ich erkläre, dass diese Angaben richtig sind und dass ich die
Leistung nicht erhöhen und die Abstände nicht verringern werde, ohne
Sie vorher zu benachrichtigen.

Für weitere Auskünfte stehe ich Ihnen gerne zur Verfügung.

Mit freundlichen Grüßen');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('MobilePortable', 4, 'Erklärung: nur tragbare oder mobile Station',
'Betreff: Erklärung für die Amateurfunkstation <CALL>

Sehr geehrte Damen und Herren,

hiermit erkläre ich, dass ich meine Amateurfunkstation
ausschließlich als tragbare oder mobile Station betreibe. An meiner
Anschrift oder an einem anderen festen Ort ist keine Sendeantenne
dauerhaft aufgebaut.

Tragbare Antennen werden nur für die Dauer des Funkbetriebs
aufgebaut, und zwar an Orten, an denen sich während des Sendens
niemand in der Nähe der Antenne aufhält.

Bevor ich eine feste Sendeantenne errichte, sende ich Ihnen eine
vollständige Antennenakte.

Mit freundlichen Grüßen');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Below10Mhz', 4, 'Erklärung: Sendebetrieb nur unter 10 MHz',
'Betreff: Erklärung für die Amateurfunkstation <CALL>

Sehr geehrte Damen und Herren,

hiermit erkläre ich, dass meine Amateurfunkstation ausschließlich
auf den Amateurfunkbändern unter 10 MHz sendet (160 m, 80 m, 60 m
und 40 m).

Für diese Frequenzen wird keine Feldstärke je Antenne bewertet, da
in der Bewertung unter 10 MHz keine Grenzwertklasse gilt. Meine
Antennen sind so aufgebaut, dass niemand sie berühren oder sich
während des Sendens in ihrer unmittelbaren Nähe aufhalten kann.

Bevor ich auf einem Band ab 10 MHz sende, sende ich Ihnen eine
vollständige Antennenakte.

Mit freundlichen Grüßen');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Above10GHz', 4, 'Erklärung: Sendebetrieb nur über 10 GHz',
'Betreff: Erklärung für die Amateurfunkstation <CALL>

Sehr geehrte Damen und Herren,

hiermit erkläre ich, dass meine Amateurfunkstation ausschließlich
auf den Amateurfunkbändern über 10 GHz sendet.

Auf diesen Frequenzen verwende ich kleine Richtantennen mit geringer
Sendeleistung. Sie sind so aufgebaut, dass ihre Hauptstrahlrichtung
nie auf einen Ort zeigt, an dem sich Personen aufhalten können, und
niemand kann während des Sendens vor eine Antenne treten.

Bevor ich auf einem Band unter 10 GHz sende, sende ich Ihnen eine
vollständige Antennenakte.

Mit freundlichen Grüßen');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('SWL', 4, 'Erklärung: nur Empfangsstation',
'Betreff: Erklärung für die Empfangsstation <CALL>

Sehr geehrte Damen und Herren,

hiermit erkläre ich, dass meine Station ausschließlich eine
Empfangsstation (Kurzwellenhörer) ist. Sie hat keinen Sender und
kann auf keiner Frequenz senden.

Empfangsantennen strahlen keine Hochfrequenzenergie ab; meine Anlage
verursacht daher keine Exposition der Öffentlichkeit.

Bevor ich einen Sender in Betrieb nehme, sende ich Ihnen eine
vollständige Antennenakte.

Mit freundlichen Grüßen');

-- The exposure summary: sections opened by [NAME] lines; POINTS and SAFETY hold the
-- column captions separated by "|", WORDS the words of the tables as key=text.
INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('ExposureSummary', 4, 'Zusammenfassung der Exposition der Station',
'[TITLE]
Zusammenfassung der HF-Exposition der Station <CALL>
[INTRO]
Betreiber: <NAME>
Datum: <DATE>
Für jeden Standort der Station: die Feldstärke jeder Antennenanlage an jedem kritischen Messpunkt, die Exposition durch gleichzeitig sendende Antennen und der Sicherheitsabstand jeder Anlage.
[METHOD]
Methode. Die elektrische Feldstärke E (V/m, effektiv) wird im freien Raum aus der mittleren Leistung P an der Antenne (nach den Kabel- und Zusatzverlusten und den Korrekturen für Betriebsart und Sendezeit) abzüglich der Dämpfung am Punkt berechnet.
Drahtantennen: Fernfeld, E = sqrt(30 × P × G) / R, mit R der Schrägentfernung und G dem Gewinn in Richtung des Punktes nach dem vertikalen Strahlungsdiagramm, angehoben, wo es weit unter der Hauptkeule liegt.
Aperturantennen (Parabolspiegel, D = N Wellenlängen): Nahfeld bis A = D² / (4 × lambda), E = sqrt(960,5 × P) / D; Übergangsbereich bis B = 0,6 × lambda × N², E = sqrt(240,13 × P / (lambda × R)); jenseits von B das Fernfeld. Neben der Keule verlieren die Werte des Nahfelds und des Übergangsbereichs 24 dB je Durchmesser außerhalb des Randes, höchstens 20 dB.
Grenzwerte L1: 13,7 V/m von 10 bis 400 MHz, 0,686 × sqrt(f) V/m von 400 bis 2000 MHz, 30,7 V/m über 2000 MHz (f in MHz). Unter 10 MHz gilt kein Grenzwert.
Gleichzeitig sendende Antennen werden zusammengezählt: Q = Summe von (E / L1)² über diese Antennen; Q <= 1 ist konform. Angegeben als 100 × sqrt(Q) % des Grenzwerts.
Sicherheitsabstand: der größte Abstand von der Antenne in Richtung ihres größten Gewinns, bei dem E noch L1 erreicht (Leistung an der Antenne, ohne Dämpfung).
Nicht berücksichtigt: Reflexionen am Boden und an Gebäuden sowie das Magnetfeld unter 10 MHz.
[POINTS]
Punkt|Anlage|f (MHz)|E (V/m)|Grenze (V/m)|% der Grenze|Urteil
[SAFETY]
Anlage|f (MHz)|Grenze (V/m)|Sicherheitsabstand
[WORDS]
site=Standort
points=Kritische Messpunkte
together=Zusammen
safety=Sicherheitsabstände
nopower=keine Leistungskette
nolimit=kein Grenzwert unter 10 MHz
incomplete=Die Bewertung ist unvollständig: keine Leistungskette für %1.
nopoints=Kein kritischer Messpunkt an diesem Standort.
verdict1=über dem Grenzwert
verdict2=höchstens der Grenzwert
verdict3=unter der Warnschwelle
verdict4=unter der unteren Schwelle');
