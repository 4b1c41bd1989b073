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
