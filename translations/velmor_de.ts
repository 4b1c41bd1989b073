<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AllAntennaReports</name>
    <message>
        <source>There is no antenna to report on.</source>
        <translation>Es gibt keine Antenne, über die berichtet werden kann.</translation>
    </message>
    <message>
        <source>The reports were saved in %1 :</source>
        <translation>Die Berichte wurden gespeichert in %1 :</translation>
    </message>
    <message>
        <source>These reports could not be saved :</source>
        <translation>Diese Berichte konnten nicht gespeichert werden :</translation>
    </message>
</context>
<context>
    <name>BmpReader</name>
    <message>
        <source>The file is not a BMP picture.</source>
        <translation>Die Datei ist kein BMP-Bild.</translation>
    </message>
    <message>
        <source>The BMP header is damaged.</source>
        <translation>Der Kopf des BMP-Bildes ist beschädigt.</translation>
    </message>
    <message>
        <source>The BMP picture has an unusable size.</source>
        <translation>Das BMP-Bild hat eine unbrauchbare Größe.</translation>
    </message>
    <message>
        <source>Compressed BMP pictures are not supported.</source>
        <translation>Komprimierte BMP-Bilder werden nicht unterstützt.</translation>
    </message>
    <message>
        <source>The BMP picture has an unsupported colour depth.</source>
        <translation>Das BMP-Bild hat eine nicht unterstützte Farbtiefe.</translation>
    </message>
    <message>
        <source>The BMP picture is truncated.</source>
        <translation>Das BMP-Bild ist unvollständig.</translation>
    </message>
    <message>
        <source>Cannot open the picture %1: %2</source>
        <translation>Das Bild %1 kann nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>CheckInternet</name>
    <message>
        <source>No update server is configured.</source>
        <translation>Es ist kein Update-Server eingestellt.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Der Server hat nicht innerhalb von %1 Sekunden geantwortet.</translation>
    </message>
    <message>
        <source>The server sent the check to another host.</source>
        <translation>Der Server hat die Prüfung an einen anderen Host weitergeleitet.</translation>
    </message>
</context>
<context>
    <name>CtpTablePrinter</name>
    <message>
        <source>The table could not be saved as %1.</source>
        <translation>Die Tabelle konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>The table could not be printed.</source>
        <translation>Die Tabelle konnte nicht gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>The download is larger than %1 bytes and was refused.</source>
        <translation>Der Download ist größer als %1 Bytes und wurde abgelehnt.</translation>
    </message>
    <message>
        <source>The server did not send the file within %1 seconds.</source>
        <translation>Der Server hat die Datei nicht innerhalb von %1 Sekunden gesendet.</translation>
    </message>
    <message>
        <source>The server sent the update to %1, which is not the update server; it was not followed.</source>
        <translation>Der Server hat die Aktualisierung an %1 weitergeleitet, das nicht der Aktualisierungsserver ist; dem wurde nicht gefolgt.</translation>
    </message>
    <message>
        <source>The transfer broke off after %1 bytes: %2</source>
        <translation>Die Übertragung brach nach %1 Bytes ab: %2</translation>
    </message>
    <message>
        <source>The transfer broke off after %1 of %2 bytes.</source>
        <translation>Die Übertragung brach nach %1 von %2 Bytes ab.</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Technical Antenna File</source>
        <translation>Technische Antennenakte</translation>
    </message>
    <message>
        <source>Certification File</source>
        <translation>Zertifizierungsakte</translation>
    </message>
    <message>
        <source>contact BIPT first !</source>
        <translation>zuerst das BIPT kontaktieren !</translation>
    </message>
    <message>
        <source>value above the exposure limit !</source>
        <translation>Wert über dem Expositionsgrenzwert !</translation>
    </message>
    <message>
        <source>at %1 by %2: requires a</source>
        <translation>bei %1 durch %2: erfordert eine</translation>
    </message>
    <message>
        <source>at %1 by %2:</source>
        <translation>bei %1 durch %2:</translation>
    </message>
    <message>
        <source>no limit applies below 10 MHz</source>
        <translation>kein Grenzwert unter 10 MHz</translation>
    </message>
    <message>
        <source>no power chain</source>
        <translation>keine Leistungskette</translation>
    </message>
    <message>
        <source>The evaluation is incomplete: no power chain for %1.</source>
        <translation>Die Bewertung ist unvollständig: keine Leistungskette für %1.</translation>
    </message>
    <message>
        <source>Together at %1 (%2): %3 of the limit</source>
        <translation>Zusammen bei %1 (%2): %3 des Grenzwerts</translation>
    </message>
</context>
<context>
    <name>ExportDatabase</name>
    <message>
        <source>The export database couldn&apos;t be created !</source>
        <translation>Die Exportdatenbank konnte nicht erstellt werden !</translation>
    </message>
    <message>
        <source>Look and see if the file &quot;Empty_Vlm.mdb&quot; realy exists...</source>
        <translation>Prüfen Sie, ob die Datei &quot;Empty_Vlm.mdb&quot; wirklich vorhanden ist...</translation>
    </message>
    <message>
        <source>The file &quot;Empty_Vlm.mdb&quot; is not a usable Access database: %1</source>
        <translation>Die Datei &quot;Empty_Vlm.mdb&quot; ist keine verwendbare Access-Datenbank: %1</translation>
    </message>
    <message>
        <source>Unable to connect the Export Database !</source>
        <translation>Die Exportdatenbank kann nicht verbunden werden !</translation>
    </message>
    <message>
        <source>An earlier export database was left as it was.</source>
        <translation>Eine frühere Exportdatenbank blieb unverändert.</translation>
    </message>
    <message>
        <source>The export database was written as :</source>
        <translation>Die Exportdatenbank wurde geschrieben als :</translation>
    </message>
    <message>
        <source>Antennas in it: %1</source>
        <translation>Enthaltene Antennen: %1</translation>
    </message>
</context>
<context>
    <name>ExportStaging</name>
    <message>
        <source>&quot;%1&quot; where a whole number belongs</source>
        <translation>&quot;%1&quot;, wo eine ganze Zahl stehen muss</translation>
    </message>
    <message>
        <source>&quot;%1&quot; where a number belongs</source>
        <translation>&quot;%1&quot;, wo eine Zahl stehen muss</translation>
    </message>
    <message>
        <source>Column %1 of table %2 has the type &quot;%3&quot;, which an Access database cannot hold.</source>
        <translation>Spalte %1 der Tabelle %2 hat den Typ &quot;%3&quot;, den eine Access-Datenbank nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Table %1, column %2: %3</source>
        <translation>Tabelle %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>Table %1: %2</source>
        <translation>Tabelle %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ExposureSummary</name>
    <message>
        <source>The database holds no text for the exposure summary (document &quot;ExposureSummary&quot;): update its reference tables.</source>
        <translation>Die Datenbank enthält keinen Text für die Expositionszusammenfassung (Dokument &quot;ExposureSummary&quot;): aktualisieren Sie ihre Referenztabellen.</translation>
    </message>
</context>
<context>
    <name>GraphTemplate</name>
    <message>
        <source>Cannot read the report template %1: %2</source>
        <translation>Die Berichtsvorlage %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The report template has no report %1</source>
        <translation>Die Berichtsvorlage enthält keinen Bericht %1</translation>
    </message>
</context>
<context>
    <name>GraphTexts</name>
    <message>
        <source>X(m)   =  </source>
        <translation>X(m)   =  </translation>
    </message>
    <message>
        <source>Y(m)   =  </source>
        <translation>Y(m)   =  </translation>
    </message>
    <message>
        <source>FS(V/m)=  </source>
        <translation>E(V/m) =  </translation>
    </message>
    <message>
        <source>Critical point =</source>
        <translation>Krit. Messpunkt=</translation>
    </message>
    <message>
        <source>Height (m)     =</source>
        <translation>Höhe (m)       =</translation>
    </message>
    <message>
        <source>Distance (m)   =</source>
        <translation>Abstand (m)    =</translation>
    </message>
    <message>
        <source>Field Str(V/m) =</source>
        <translation>Feldst. (V/m)  =</translation>
    </message>
    <message>
        <source>Call:</source>
        <translation>Rufzeichen:</translation>
    </message>
    <message>
        <source>Antenna:</source>
        <translation>Antenne:</translation>
    </message>
    <message>
        <source>Ant.type:</source>
        <translation>Ant.-Typ:</translation>
    </message>
    <message>
        <source>Ant.descr:</source>
        <translation>Ant.-Beschr.:</translation>
    </message>
    <message>
        <source>Ant.Height(m)</source>
        <translation>Ant.-Höhe(m)</translation>
    </message>
    <message>
        <source>TX-Power(W):</source>
        <translation>Sendel.(W):</translation>
    </message>
    <message>
        <source>Mode-corr(dB):</source>
        <translation>Betr.korr(dB):</translation>
    </message>
    <message>
        <source>Time-corr(dB):</source>
        <translation>Zeitkorr.(dB):</translation>
    </message>
    <message>
        <source>Line-Loss(dB):</source>
        <translation>Kabelverl(dB):</translation>
    </message>
    <message>
        <source>Add.loss(dB):</source>
        <translation>Zus.verl.(dB):</translation>
    </message>
    <message>
        <source>Ant.PWR(dBW):</source>
        <translation>Ant.leis(dBW):</translation>
    </message>
    <message>
        <source>EIRP(dbW):</source>
        <translation>EIRP(dBW):</translation>
    </message>
    <message>
        <source>Tilt(deg)</source>
        <translation>Neigung(°)</translation>
    </message>
    <message>
        <source>Freq(MHz):</source>
        <translation>Freq.(MHz):</translation>
    </message>
    <message>
        <source>Diam(wvl):</source>
        <translation>Durchm.(WL):</translation>
    </message>
</context>
<context>
    <name>IncompleteEvaluation</name>
    <message>
        <source>The evaluation is incomplete: no power chain for %1.
The documents will show no field strength for it. Make the document anyway ?</source>
        <translation>Die Bewertung ist unvollständig: keine Leistungskette für %1.
Die Dokumente zeigen dafür keine Feldstärke. Das Dokument trotzdem erstellen ?</translation>
    </message>
</context>
<context>
    <name>NameProposals</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value: the site name &quot;%2&quot; does not end in a number.</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl: der Standortname &quot;%2&quot; endet nicht auf einer Zahl.</translation>
    </message>
    <message>
        <source>An owner can have at most %1 sites.</source>
        <translation>Ein Benutzer kann höchstens %1 Standorte haben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value: the placement reference &quot;%2&quot; does not end in a number.</source>
        <translation>&apos;%1&apos; ist keine gültige ganze Zahl: die Antennenreferenz &quot;%2&quot; endet nicht auf einer Zahl.</translation>
    </message>
    <message>
        <source>A site can have at most %1 antenna placements.</source>
        <translation>Ein Standort kann höchstens %1 Antennen haben.</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The output device refused the page.</source>
        <translation>Das Ausgabegerät hat die Seite abgelehnt.</translation>
    </message>
</context>
<context>
    <name>PdfCanvas</name>
    <message>
        <source>The PDF library could not start.</source>
        <translation>Die PDF-Bibliothek konnte nicht starten.</translation>
    </message>
    <message>
        <source>The PDF document could not be read back from memory.</source>
        <translation>Das PDF-Dokument konnte nicht aus dem Speicher zurückgelesen werden.</translation>
    </message>
    <message>
        <source>The PDF library failed (error 0x%1, detail %2).</source>
        <translation>Die PDF-Bibliothek ist fehlgeschlagen (Fehler 0x%1, Detail %2).</translation>
    </message>
</context>
<context>
    <name>PingHost</name>
    <message>
        <source>The host %1 cannot be found.</source>
        <translation>Der Rechner %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>PointRules</name>
    <message>
        <source>Critical Test Points</source>
        <translation>Kritische Messpunkte</translation>
    </message>
    <message>
        <source>0 or nothing is not a valid distance ! Please enter a new value...</source>
        <translation>0 oder nichts ist kein gültiger Abstand ! Bitte geben Sie einen neuen Wert ein...</translation>
    </message>
    <message>
        <source>Please enter a realistic &quot;Distance&quot; value...</source>
        <translation>Bitte geben Sie einen realistischen Wert für &quot;Abstand&quot; ein...</translation>
    </message>
    <message>
        <source>Please enter a realistic &quot;Height&quot; value...</source>
        <translation>Bitte geben Sie einen realistischen Wert für &quot;Höhe&quot; ein...</translation>
    </message>
    <message>
        <source>You should enter a description of the Critical Test Piont...</source>
        <translation>Bitte geben Sie eine Beschreibung des kritischen Messpunkts ein...</translation>
    </message>
    <message>
        <source>The reference &quot;%1&quot; does not end in a number.</source>
        <translation>Die Referenz &quot;%1&quot; endet nicht auf einer Zahl.</translation>
    </message>
    <message>
        <source>No reference is left after &quot;%1&quot;.</source>
        <translation>Nach &quot;%1&quot; ist keine Referenz mehr frei.</translation>
    </message>
</context>
<context>
    <name>PowerChain</name>
    <message>
        <source>The antenna %1 is not in the catalogue.</source>
        <translation>Die Antenne %1 ist nicht im Katalog.</translation>
    </message>
    <message>
        <source>The antenna placement %1 was not found.</source>
        <translation>Die Antennenplatzierung %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The configuration registry key is invalid.</source>
        <translation>Der Konfigurationsschlüssel ist ungültig.</translation>
    </message>
    <message>
        <source>Access is denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
    <message>
        <source>The preferences file is damaged: %1</source>
        <translation>Die Einstellungsdatei ist beschädigt: %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>VLM Help</source>
        <translation>VLM-Hilfe</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>User Data</source>
        <translation>Benutzerdaten</translation>
    </message>
</context>
<context>
    <name>RecordOps</name>
    <message>
        <source>No antenna of the catalogue is selected for the placement.</source>
        <translation>Für diese Platzierung ist keine Antenne aus dem Katalog gewählt.</translation>
    </message>
    <message>
        <source>The operating band %1 does not exist.</source>
        <translation>Das Band %1 gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>RecordStatement</name>
    <message>
        <source>No dataset to run on.</source>
        <translation>Kein Datensatz zum Ausführen.</translation>
    </message>
    <message>
        <source>The statement on %1 failed.</source>
        <translation>Die Anweisung auf %1 ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The new row of %1 was not found.</source>
        <translation>Die neue Zeile von %1 wurde nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>ReportCanvas</name>
    <message>
        <source>The picture is empty.</source>
        <translation>Das Bild ist leer.</translation>
    </message>
    <message>
        <source>A position on the page is not a number.</source>
        <translation>Eine Position auf der Seite ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>ReportJob</name>
    <message>
        <source>This document cannot be saved as RTF.</source>
        <translation>Dieses Dokument kann nicht als RTF gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>ReportJobs</name>
    <message>
        <source>There is no declaration for the normal case.</source>
        <translation>Für den Normalfall gibt es keine Erklärung.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report Preview</source>
        <translation>Berichtsvorschau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save as a PDF or RTF file</source>
        <translation>Als PDF- oder RTF-Datei speichern</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Ausgabeoptionen</translation>
    </message>
    <message>
        <source>VLM Reporting</source>
        <translation>VLM-Berichte</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>kein Dateiname angegeben</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>ein Ordner trägt diesen Namen</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>die Datei ist nicht geöffnet</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>VLM Info</source>
        <translation>VLM-Info</translation>
    </message>
    <message>
        <source>VLM Application already running !</source>
        <translation>Die VLM-Anwendung läuft bereits !</translation>
    </message>
    <message>
        <source>VLM Database</source>
        <translation>VLM-Datenbank</translation>
    </message>
</context>
<context>
    <name>TCtpListModel</name>
    <message>
        <source>CTP</source>
        <translation>KMP</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Standort</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Abst.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Spacial Att.</source>
        <translation>Dämpfung</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Field     </source>
        <translation>Feld      </translation>
    </message>
    <message>
        <source>% of limit (together)</source>
        <translation>% der Grenze (zusammen)</translation>
    </message>
</context>
<context>
    <name>TFrmGraph</name>
    <message>
        <source>Graphical view</source>
        <translation>Grafische Ansicht</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Grafik drucken</translation>
    </message>
    <message>
        <source>The picture of the plot cannot be written.</source>
        <translation>Das Bild der Grafik kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Save Screen</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>The picture cannot be written to %1.</source>
        <translation>Das Bild kann nicht nach %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>Sumary Data</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source> Print Graph</source>
        <translation> Grafik drucken</translation>
    </message>
    <message>
        <source>Save Screen  </source>
        <translation>Bild speichern  </translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Zoom zurücksetzen</translation>
    </message>
    <message>
        <source>   Close      </source>
        <translation>   Schließen      </translation>
    </message>
    <message>
        <source>Distance(m)</source>
        <translation>Abstand(m)</translation>
    </message>
    <message>
        <source> Height (m)</source>
        <translation> Höhe (m)</translation>
    </message>
    <message>
        <source>Safety distance %1 m</source>
        <translation>Sicherheitsabstand %1 m</translation>
    </message>
</context>
<context>
    <name>TJetConnection</name>
    <message>
        <source>Database file not found: %1</source>
        <translation>Datenbankdatei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>The connection is closed.</source>
        <translation>Die Verbindung ist geschlossen.</translation>
    </message>
    <message>
        <source>The VLM Database cannot be written: the change was not saved.</source>
        <translation>Die VLM-Datenbank kann nicht beschrieben werden: die Änderung wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>TJetDataset</name>
    <message>
        <source>The dataset %1 has no connection.</source>
        <translation>Der Datensatz %1 hat keine Verbindung.</translation>
    </message>
</context>
<context>
    <name>TOnlineWatchHandler</name>
    <message>
        <source>Looking for an Internet Connection...</source>
        <translation>Suche nach einer Internetverbindung...</translation>
    </message>
    <message>
        <source>No Internet Connection available!</source>
        <translation>Keine Internetverbindung verfügbar!</translation>
    </message>
    <message>
        <source>Looking for Updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>VLM Update</source>
        <translation>VLM-Update</translation>
    </message>
    <message>
        <source>The table update failed in block %1:
%2
None of its changes were kept; the database is as it was before.</source>
        <translation>Die Tabellenaktualisierung ist in Block %1 fehlgeschlagen:
%2
Keine ihrer Änderungen wurde behalten; die Datenbank ist wie vorher.</translation>
    </message>
    <message>
        <source>The table update was not applied:
%1</source>
        <translation>Die Tabellenaktualisierung wurde nicht angewendet:
%1</translation>
    </message>
    <message>
        <source>No update: the server took more than %1 s</source>
        <translation>Keine Aktualisierung: der Server brauchte mehr als %1 s</translation>
    </message>
    <message>
        <source>The table update could not be downloaded:
%1
Nothing of it was applied.</source>
        <translation>Die Tabellenaktualisierung konnte nicht heruntergeladen werden:
%1
Nichts davon wurde angewendet.</translation>
    </message>
    <message>
        <source>The table update was refused:
%1
None of its changes were kept; your data is as it was.</source>
        <translation>Die Tabellenaktualisierung wurde abgelehnt:
%1
Keine ihrer Änderungen wurde behalten; Ihre Daten sind unverändert.</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>No folder of your own was found for the program&apos;s instance socket.</source>
        <translation>Für den Instanz-Socket des Programms wurde kein eigener Ordner gefunden.</translation>
    </message>
    <message>
        <source>The socket %1 belongs to another user.</source>
        <translation>Der Socket %1 gehört einem anderen Benutzer.</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>VLM Database:</source>
        <translation>VLM-Datenbank:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Current User: </source>
        <translation>Benutzer: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Standort: </translation>
    </message>
    <message>
        <source>Antenna: </source>
        <translation>Antenne: </translation>
    </message>
    <message>
        <source>Internet : </source>
        <translation>Internet : </translation>
    </message>
    <message>
        <source>Ver.: </source>
        <translation>Vers.: </translation>
    </message>
    <message>
        <source>Velmor</source>
        <translation>Velmor</translation>
    </message>
</context>
<context>
    <name>TableUpdate</name>
    <message>
        <source>The update could not start a transaction: %1</source>
        <translation>Die Aktualisierung konnte keine Transaktion starten: %1</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>Die Datenbank ist nicht verbunden.</translation>
    </message>
    <message>
        <source>Applying Update (%1)...</source>
        <translation>Aktualisierung wird angewendet (%1)...</translation>
    </message>
    <message>
        <source>The update file is larger than 10 MB and was not applied.</source>
        <translation>Die Aktualisierungsdatei ist größer als 10 MB und wurde nicht angewendet.</translation>
    </message>
    <message>
        <source>Applying Updates...</source>
        <translation>Aktualisierungen werden angewendet...</translation>
    </message>
    <message>
        <source>Updates were successfull...</source>
        <translation>Die Aktualisierungen waren erfolgreich...</translation>
    </message>
    <message>
        <source>Block %1 asks for %2, which a table update may not do.</source>
        <translation>Block %1 verlangt %2, was eine Tabellenaktualisierung nicht darf.</translation>
    </message>
</context>
<context>
    <name>TableUpdateGuard</name>
    <message>
        <source>a change outside the main database</source>
        <translation>eine Änderung außerhalb der Hauptdatenbank</translation>
    </message>
    <message>
        <source>loading an extension</source>
        <translation>das Laden einer Erweiterung</translation>
    </message>
    <message>
        <source>a change to %1</source>
        <translation>eine Änderung an %1</translation>
    </message>
    <message>
        <source>dropping %1</source>
        <translation>das Löschen von %1</translation>
    </message>
    <message>
        <source>altering %1</source>
        <translation>das Ändern von %1</translation>
    </message>
    <message>
        <source>an index on %1</source>
        <translation>einen Index auf %1</translation>
    </message>
    <message>
        <source>attaching the file %1</source>
        <translation>das Anhängen der Datei %1</translation>
    </message>
    <message>
        <source>the setting PRAGMA %1</source>
        <translation>die Einstellung PRAGMA %1</translation>
    </message>
    <message>
        <source>a transaction of its own</source>
        <translation>eine eigene Transaktion</translation>
    </message>
    <message>
        <source>a change to the database&apos;s structure</source>
        <translation>eine Änderung am Aufbau der Datenbank</translation>
    </message>
    <message>
        <source>The database connection does not allow a guarded update.</source>
        <translation>Die Datenbankverbindung erlaubt keine geschützte Aktualisierung.</translation>
    </message>
</context>
<context>
    <name>TdtmMain</name>
    <message>
        <source>Executing</source>
        <translation>Ausführung</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>VLM Database</source>
        <translation>VLM-Datenbank</translation>
    </message>
    <message>
        <source>Unable to connect the VLM Database !</source>
        <translation>Die VLM-Datenbank kann nicht verbunden werden !</translation>
    </message>
    <message>
        <source>This application will terminate...</source>
        <translation>Diese Anwendung wird beendet...</translation>
    </message>
    <message>
        <source>Locate the VLM Database</source>
        <translation>VLM-Datenbank suchen</translation>
    </message>
    <message>
        <source>Access Database</source>
        <translation>Access-Datenbank</translation>
    </message>
    <message>
        <source>Database Connection</source>
        <translation>Datenbankverbindung</translation>
    </message>
    <message>
        <source>There is no connection to the VLM Database !</source>
        <translation>Es besteht keine Verbindung zur VLM-Datenbank !</translation>
    </message>
    <message>
        <source>Try again...</source>
        <translation>Versuchen Sie es noch einmal...</translation>
    </message>
    <message>
        <source>Starting VLM</source>
        <translation>VLM wird gestartet</translation>
    </message>
    <message>
        <source>Error when loading the lookup tables ! You will have to connect to the database manually...</source>
        <translation>Fehler beim Laden der Nachschlagetabellen ! Sie müssen die Datenbank von Hand verbinden...</translation>
    </message>
    <message>
        <source>Error when opening VLM Database (table: </source>
        <translation>Fehler beim Öffnen der VLM-Datenbank (Tabelle: </translation>
    </message>
    <message>
        <source>The VLM Database cannot be written:</source>
        <translation>Die VLM-Datenbank kann nicht beschrieben werden:</translation>
    </message>
    <message>
        <source>You can look at your data, but no change can be saved. Give yourself the right to write the file and its folder, then start the program again.</source>
        <translation>Sie können Ihre Daten ansehen, aber keine Änderung kann gespeichert werden. Geben Sie sich das Schreibrecht für die Datei und ihren Ordner und starten Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>TfraAntennaDef</name>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>Modifying the Antenna Selection</source>
        <translation>Antennenauswahl ändern</translation>
    </message>
    <message>
        <source>Are you sure you want to change the antenna selection ?</source>
        <translation>Wollen Sie die Antennenauswahl wirklich ändern ?</translation>
    </message>
    <message>
        <source>Custom Antennas</source>
        <translation>Eigene Antennen</translation>
    </message>
    <message>
        <source>This antenna is still in use in the Antenna/Station table</source>
        <translation>Diese Antenne wird in der Tabelle Antenne/Station noch verwendet</translation>
    </message>
    <message>
        <source>First, you should delete it in that table...</source>
        <translation>Löschen Sie sie zuerst in dieser Tabelle...</translation>
    </message>
    <message>
        <source>  Antennas  </source>
        <translation>  Antennen  </translation>
    </message>
    <message>
        <source>Antenna Selection</source>
        <translation>Antennenauswahl</translation>
    </message>
    <message>
        <source>Add / Modify / Remove Custom Antenna</source>
        <translation>Eigene Antenne hinzufügen / ändern / entfernen</translation>
    </message>
    <message>
        <source>  Select Antenna Family  </source>
        <translation>  Antennenfamilie wählen  </translation>
    </message>
    <message>
        <source>Antenna Type</source>
        <translation>Antennentyp</translation>
    </message>
    <message>
        <source>Antenna Make or Description</source>
        <translation>Hersteller / Beschreibung</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>dBi</source>
        <translation>dBi</translation>
    </message>
    <message>
        <source>Freq. (MHz)</source>
        <translation>Freq. (MHz)</translation>
    </message>
    <message>
        <source>Frequency to be defined !</source>
        <translation>Frequenz noch festzulegen !</translation>
    </message>
    <message>
        <source>Vert. Radiation Pattern</source>
        <translation>Vert. Strahlungsdiagramm</translation>
    </message>
    <message>
        <source>  Custom Antenna Input  </source>
        <translation>  Eingabe eigene Antenne  </translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Band / Frequency</source>
        <translation>Band / Frequenz</translation>
    </message>
    <message>
        <source>Ø in</source>
        <translation>Ø in</translation>
    </message>
    <message>
        <source>  &amp;Add</source>
        <translation>  &amp;Hinzufügen</translation>
    </message>
    <message>
        <source>  &amp;Delete</source>
        <translation>  &amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>  Select the Antenna Location  </source>
        <translation>  Antennenstandort wählen  </translation>
    </message>
    <message>
        <source>  Add / Modify / Remove Antennas at the Antenna Location  </source>
        <translation>  Antennen am Antennenstandort hinzufügen / ändern / entfernen  </translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequenz (MHz)</translation>
    </message>
    <message>
        <source>Loc./Ant. Reference</source>
        <translation>Referenz Std./Ant.</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Höhe (m)</translation>
    </message>
    <message>
        <source>Tilt (Deg.)</source>
        <translation>Neigung (°)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Neu hinzufügen</translation>
    </message>
    <message>
        <source>  Antenna Location Configuration  </source>
        <translation>  Konfiguration des Antennenstandorts  </translation>
    </message>
    <message>
        <source>Loc. Ref.</source>
        <translation>Ref. Std.</translation>
    </message>
    <message>
        <source>Antenna Data</source>
        <translation>Antennendaten</translation>
    </message>
    <message>
        <source>Select an antenna of the catalogue first.</source>
        <translation>Wählen Sie zuerst eine Antenne aus dem Katalog.</translation>
    </message>
    <message>
        <source>This value should be maximum 45° !</source>
        <translation>Dieser Wert darf höchstens 45° betragen !</translation>
    </message>
    <message>
        <source>Transmits at the same time as the other antennas of the site</source>
        <translation>Sendet gleichzeitig mit den anderen Antennen des Standorts</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Frequenzband</translation>
    </message>
    <message>
        <source>This antenna works on several bands: please choose its frequency first...</source>
        <translation>Diese Antenne arbeitet auf mehreren Bändern: wählen Sie zuerst ihre Frequenz...</translation>
    </message>
    <message>
        <source>There is no correct value for the &quot;%1&quot; field !</source>
        <translation>Es gibt keinen korrekten Wert für das Feld &quot;%1&quot; !</translation>
    </message>
    <message>
        <source>Off the beam</source>
        <translation>Winkel zur Hauptkeule</translation>
    </message>
    <message>
        <source>+ raises the beam, - lowers it</source>
        <translation>+ hebt die Hauptkeule, - senkt sie</translation>
    </message>
</context>
<context>
    <name>TfraBase</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>  &amp;Back</source>
        <translation>  &amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next  </source>
        <translation>&amp;Weiter  </translation>
    </message>
    <message>
        <source>Save the changes ?</source>
        <translation>Änderungen speichern ?</translation>
    </message>
</context>
<context>
    <name>TfraBiptData</name>
    <message>
        <source>VLM Last Steps</source>
        <translation>VLM: letzte Schritte</translation>
    </message>
    <message>
        <source>  All Files in Personal Directory (</source>
        <translation>  Alle Dateien im persönlichen Ordner (</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>All files have been written in a ZIP File as :</source>
        <translation>Alle Dateien wurden in eine ZIP-Datei geschrieben als :</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the ZIP File in </source>
        <translation>Die ZIP-Datei konnte nicht erstellt werden in </translation>
    </message>
    <message>
        <source>Check if the folder exists...</source>
        <translation>Prüfen Sie, ob der Ordner vorhanden ist...</translation>
    </message>
    <message>
        <source>  Findings Terrain Study  </source>
        <translation>  Ergebnisse der Geländestudie  </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>  Create BIPT Database File  </source>
        <translation>  BIPT-Datenbankdatei erstellen  </translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>  Final Report  </source>
        <translation>  Abschlussbericht  </translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
    <message>
        <source>Save &amp;Letter</source>
        <translation>&amp;Brief speichern</translation>
    </message>
    <message>
        <source>  Create the ZIP File  </source>
        <translation>  ZIP-Datei erstellen  </translation>
    </message>
    <message>
        <source>Are all required files in your personal directory? Also the plan and the terrain study map if applicable? Remove all files that are redundant or not required before creating the Zip file! </source>
        <translation>Sind alle erforderlichen Dateien in Ihrem persönlichen Ordner? Auch der Plan und die Karte der Geländestudie, falls zutreffend? Entfernen Sie alle überflüssigen oder nicht erforderlichen Dateien, bevor Sie die ZIP-Datei erstellen! </translation>
    </message>
    <message>
        <source>  All Files in Personal Directory  </source>
        <translation>  Alle Dateien im persönlichen Ordner  </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Letzter Zugriff</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
</context>
<context>
    <name>TfraCriticalPnts</name>
    <message>
        <source>Critical Test Points</source>
        <translation>Kritische Messpunkte</translation>
    </message>
    <message>
        <source>None of your sites has an antenna yet. Place an antenna first.</source>
        <translation>Keiner Ihrer Standorte hat bisher eine Antenne. Platzieren Sie zuerst eine Antenne.</translation>
    </message>
    <message>
        <source>Deleting All Critical Test Points</source>
        <translation>Alle kritischen Messpunkte löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete All Critical Test Points ?</source>
        <translation>Wollen Sie wirklich alle kritischen Messpunkte löschen ?</translation>
    </message>
    <message>
        <source>  Critical Test Points (Overview)  </source>
        <translation>  Kritische Messpunkte (Übersicht)  </translation>
    </message>
    <message>
        <source>Double Click to see the Graphical View</source>
        <translation>Doppelklick für die grafische Ansicht</translation>
    </message>
    <message>
        <source>Maximum Field Strength: </source>
        <translation>Maximale Feldstärke: </translation>
    </message>
    <message>
        <source>  Modify Critical Test Points  </source>
        <translation>  Kritische Messpunkte ändern  </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Space Attenuation</source>
        <translation>Raumdämpfung</translation>
    </message>
    <message>
        <source>Description of the Critical Point</source>
        <translation>Beschreibung des kritischen Punkts</translation>
    </message>
    <message>
        <source>  Add Critical Test Points  </source>
        <translation>  Kritische Messpunkte hinzufügen  </translation>
    </message>
    <message>
        <source>First press &quot;Enter&quot; and then &quot;Save&quot; or go to &quot;Next&quot;...</source>
        <translation>Drücken Sie zuerst &quot;Enter&quot; und dann &quot;Speichern&quot; oder gehen Sie zu &quot;Weiter&quot;...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Voriger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>&amp;Add CTP</source>
        <translation>KMP &amp;hinzufügen</translation>
    </message>
    <message>
        <source>  &amp;Delete</source>
        <translation>  &amp;Löschen</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
    <message>
        <source>D&amp;elete All</source>
        <translation>Alle l&amp;öschen</translation>
    </message>
    <message>
        <source>Updating %1</source>
        <translation>%1 aktualisieren</translation>
    </message>
    <message>
        <source>Are you sure you want to update %1 ?</source>
        <translation>Wollen Sie %1 wirklich aktualisieren ?</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation>Wollen Sie %1 wirklich löschen ?</translation>
    </message>
    <message>
        <source>The power chain of %1 was never saved: enter its power on the power page to see its plot.</source>
        <translation>Die Leistungskette von %1 wurde nie gespeichert: geben Sie ihre Leistung auf der Leistungsseite ein, um die Grafik zu sehen.</translation>
    </message>
    <message>
        <source>%1 dB below 1 GHz, %2 dB from 1 GHz</source>
        <translation>%1 dB unter 1 GHz, %2 dB ab 1 GHz</translation>
    </message>
</context>
<context>
    <name>TfraPowerFreq</name>
    <message>
        <source>Power Data</source>
        <translation>Leistungsdaten</translation>
    </message>
    <message>
        <source>No Antenna Selected !</source>
        <translation>Keine Antenne gewählt !</translation>
    </message>
    <message>
        <source>For : </source>
        <translation>Für : </translation>
    </message>
    <message>
        <source>This value should be greater than 0 Watt !</source>
        <translation>Dieser Wert muss größer als 0 Watt sein !</translation>
    </message>
    <message>
        <source>The power data of %1 were changed. Save the changes ?</source>
        <translation>Die Leistungsdaten von %1 wurden geändert. Änderungen speichern ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number. Nothing was saved.</source>
        <translation>&quot;%1&quot; ist keine gültige Zahl. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Typ :</translation>
    </message>
    <message>
        <source>Make / Description :</source>
        <translation>Hersteller / Beschreibung :</translation>
    </message>
    <message>
        <source>Gain (dBi) :</source>
        <translation>Gewinn (dBi) :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequenz :</translation>
    </message>
    <message>
        <source>Transmitter Power (W) :</source>
        <translation>Sendeleistung (W) :</translation>
    </message>
    <message>
        <source>dBW</source>
        <translation>dBW</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Betriebsart :</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Transmit Time :</source>
        <translation>Sendezeit :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>  Feeder Losses  </source>
        <translation>  Kabelverluste  </translation>
    </message>
    <message>
        <source>Calculate Losses</source>
        <translation>Verluste berechnen</translation>
    </message>
    <message>
        <source>Cable Type</source>
        <translation>Kabeltyp</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Länge (m)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Verlust (dB)</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Abschnitt %1</translation>
    </message>
    <message>
        <source>Total of Feeder Losses =</source>
        <translation>Summe der Kabelverluste =</translation>
    </message>
    <message>
        <source>Total (dB) :</source>
        <translation>Summe (dB) :</translation>
    </message>
    <message>
        <source>  Additional Losses  </source>
        <translation>  Zusätzliche Verluste  </translation>
    </message>
    <message>
        <source>Power / SWR Meter :</source>
        <translation>Leistungs-/SWR-Messer :</translation>
    </message>
    <message>
        <source>Antenna Tuner :</source>
        <translation>Antennentuner :</translation>
    </message>
    <message>
        <source>Low Pass Filter :</source>
        <translation>Tiefpassfilter :</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Connector Pairs :</source>
        <translation>Steckverbinderpaare :</translation>
    </message>
    <message>
        <source>Total of Additional Losses =</source>
        <translation>Summe der zusätzlichen Verluste =</translation>
    </message>
    <message>
        <source>  Result  </source>
        <translation>  Ergebnis  </translation>
    </message>
    <message>
        <source>Average Power at the Antenna :</source>
        <translation>Mittlere Leistung an der Antenne :</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>EIRP :</source>
        <translation>EIRP :</translation>
    </message>
    <message>
        <source>SWR/Power Meter: 
0.03 dB on HF
0.05 dB on VHF
up to 0.01 dB on UHF</source>
        <translation>SWR-/Leistungsmesser: 
0,03 dB auf KW
0,05 dB auf UKW
bis 0,01 dB auf UHF</translation>
    </message>
    <message>
        <source>Antenna Tuner: 
Typical 0.1 to 0.3 dB max.</source>
        <translation>Antennentuner: 
Typisch 0,1 bis 0,3 dB max.</translation>
    </message>
    <message>
        <source>Connectors (one male + one female): 
0.005 to 0.05 dB on HF
0.01 to 0.05 dB on VHF
0.02 to 0.1 dB on UHF</source>
        <translation>Steckverbinder (ein Stecker + eine Buchse): 
0,005 bis 0,05 dB auf KW
0,01 bis 0,05 dB auf UKW
0,02 bis 0,1 dB auf UHF</translation>
    </message>
    <message>
        <source>Other Sources of Attenuation: 
Specify as required (dB)</source>
        <translation>Andere Dämpfungsquellen: 
Nach Bedarf angeben (dB)</translation>
    </message>
    <message>
        <source>Low Pass Filter Attenuation: 
Specify as required (dB)</source>
        <translation>Dämpfung des Tiefpassfilters: 
Nach Bedarf angeben (dB)</translation>
    </message>
    <message>
        <source>Safety Distance :</source>
        <translation>Sicherheitsabstand :</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opieren</translation>
    </message>
    <message>
        <source>Fills the fields with the power data of the chosen antenna; Save keeps them</source>
        <translation>Füllt die Felder mit den Leistungsdaten der gewählten Antenne; Speichern behält sie</translation>
    </message>
    <message>
        <source>Power data of :</source>
        <translation>Leistungsdaten von :</translation>
    </message>
    <message>
        <source>%1 (duty factor %2)</source>
        <translation>%1 (Tastgrad %2)</translation>
    </message>
</context>
<context>
    <name>TfraQrpInput</name>
    <message>
        <source>Special Low Power Case</source>
        <translation>Sonderfall geringe Leistung</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>The requirements are met ...</source>
        <translation>Die Anforderungen sind erfüllt ...</translation>
    </message>
    <message>
        <source>The requirements are not met !</source>
        <translation>Die Anforderungen sind nicht erfüllt !</translation>
    </message>
    <message>
        <source>This value should be greater than 0 Watt !</source>
        <translation>Dieser Wert muss größer als 0 Watt sein !</translation>
    </message>
    <message>
        <source>QRP Report</source>
        <translation>QRP-Bericht</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1 !</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden !</translation>
    </message>
    <message>
        <source>All files were saved... (</source>
        <translation>Alle Dateien wurden gespeichert... (</translation>
    </message>
    <message>
        <source>  Station  </source>
        <translation>  Station  </translation>
    </message>
    <message>
        <source>Min. Hor. Clearance (m)</source>
        <translation>Min. hor. Abstand (m)</translation>
    </message>
    <message>
        <source>Min. Vert. Clearance (m)</source>
        <translation>Min. vert. Abstand (m)</translation>
    </message>
    <message>
        <source>TX Output Power (W)</source>
        <translation>Sendeleistung (W)</translation>
    </message>
    <message>
        <source>Max. Antenna Gain (dBi)</source>
        <translation>Max. Antennengewinn (dBi)</translation>
    </message>
    <message>
        <source>Coax Losses (dB)</source>
        <translation>Koaxverluste (dB)</translation>
    </message>
    <message>
        <source>Mode correction</source>
        <translation>Korrektur Betriebsart</translation>
    </message>
    <message>
        <source>Time correction</source>
        <translation>Korrektur Sendezeit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>  Result  </source>
        <translation>  Ergebnis  </translation>
    </message>
    <message>
        <source>ERP</source>
        <translation>ERP</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Horiz. Clearance</source>
        <translation>Horiz. Abstand</translation>
    </message>
    <message>
        <source>Vert. Clearance</source>
        <translation>Vert. Abstand</translation>
    </message>
    <message>
        <source>ERP (W) :</source>
        <translation>ERP (W) :</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>Da&amp;teien</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
</context>
<context>
    <name>TfraReportView</name>
    <message>
        <source>VLM Reporting</source>
        <translation>VLM-Berichte</translation>
    </message>
    <message>
        <source>  Select Antenna  </source>
        <translation>  Antenne wählen  </translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
    <message>
        <source>Make &amp;File</source>
        <translation>Datei &amp;erstellen</translation>
    </message>
    <message>
        <source>  Report  </source>
        <translation>  Bericht  </translation>
    </message>
    <message>
        <source>Report on</source>
        <translation>Bericht über</translation>
    </message>
    <message>
        <source>The Report was saved... (</source>
        <translation>Der Bericht wurde gespeichert... (</translation>
    </message>
    <message>
        <source>E&amp;xposure Summary</source>
        <translation>E&amp;xpositionszusammenfassung</translation>
    </message>
    <message>
        <source>The method, every critical test point against every antenna, the combined exposure and the safety distances, as a PDF file</source>
        <translation>Die Methode, jeder kritische Messpunkt gegen jede Antenne, die gemeinsame Exposition und die Sicherheitsabstände, als PDF-Datei</translation>
    </message>
    <message>
        <source>The exposure summary was saved... (</source>
        <translation>Die Expositionszusammenfassung wurde gespeichert... (</translation>
    </message>
    <message>
        <source>Make &amp;all reports</source>
        <translation>&amp;Alle Berichte erstellen</translation>
    </message>
    <message>
        <source>Saves the report of every antenna as a PDF file in your personal directory</source>
        <translation>Speichert den Bericht jeder Antenne als PDF-Datei in Ihrem persönlichen Ordner</translation>
    </message>
    <message>
        <source>Saving the antenna reports...</source>
        <translation>Die Antennenberichte werden gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TfraSiteDef</name>
    <message>
        <source>There is no correct value for the &quot;%1&quot; field !</source>
        <translation>Für das Feld &quot;%1&quot; gibt es keinen korrekten Wert !</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Datenbank</translation>
    </message>
    <message>
        <source>&lt; Invalid Values</source>
        <translation>&lt; Ungültige Werte</translation>
    </message>
    <message>
        <source>Invalid Values &gt;</source>
        <translation>Ungültige Werte &gt;</translation>
    </message>
    <message>
        <source>  Site Data  </source>
        <translation>  Standortdaten  </translation>
    </message>
    <message>
        <source>Clubstation :</source>
        <translation>Klubstation :</translation>
    </message>
    <message>
        <source>This antenna(s) already exists on this site :</source>
        <translation>Diese Antenne(n) gibt es an diesem Standort bereits :</translation>
    </message>
    <message>
        <source>Site also used by another operator (ex. GSM) :</source>
        <translation>Standort auch von einem anderen Betreiber genutzt (z. B. GSM) :</translation>
    </message>
    <message>
        <source>Address (Main)</source>
        <translation>Anschrift (Haupt)</translation>
    </message>
    <message>
        <source>Address (Complement)</source>
        <translation>Anschrift (Zusatz)</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Gemeinde</translation>
    </message>
    <message>
        <source>BIPT Reference</source>
        <translation>BIPT-Referenz</translation>
    </message>
    <message>
        <source>Club Call</source>
        <translation>Klubrufzeichen</translation>
    </message>
    <message>
        <source>Antenna location shared with... (Provider)</source>
        <translation>Antennenstandort geteilt mit... (Betreiber)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>  Note to BIPT  </source>
        <translation>  Hinweis an das BIPT  </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Copy  </source>
        <translation>Kopieren  </translation>
    </message>
    <message>
        <source>  Tower Location / Antenna Location  </source>
        <translation>  Mast / Antennenstandort  </translation>
    </message>
    <message>
        <source>Main Location</source>
        <translation>Hauptstandort</translation>
    </message>
    <message>
        <source>Lambert (X)</source>
        <translation>Lambert (X)</translation>
    </message>
    <message>
        <source>Lambert (Y)</source>
        <translation>Lambert (Y)</translation>
    </message>
    <message>
        <source>Geographic Coordinates</source>
        <translation>Geografische Koordinaten</translation>
    </message>
    <message>
        <source>WGS84</source>
        <translation>WGS84</translation>
    </message>
    <message>
        <source>Deg.</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sec.</source>
        <translation>Sek.</translation>
    </message>
    <message>
        <source>Longitude (East)</source>
        <translation>Länge (Ost)</translation>
    </message>
    <message>
        <source>Latitude (North)</source>
        <translation>Breite (Nord)</translation>
    </message>
    <message>
        <source>Select Tower / Antenna Location</source>
        <translation>Mast / Antennenstandort wählen</translation>
    </message>
    <message>
        <source>Add Location</source>
        <translation>Standort hinzufügen</translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation>Standort löschen</translation>
    </message>
    <message>
        <source>  Overview of the Antanna Locations   </source>
        <translation>  Übersicht der Antennenstandorte   </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Longitude (E)</source>
        <translation>Länge (O)</translation>
    </message>
    <message>
        <source>Latitude (N)</source>
        <translation>Breite (N)</translation>
    </message>
    <message>
        <source>Ref.</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Antenna Location</source>
        <translation>Antennenstandort</translation>
    </message>
    <message>
        <source>Deleting Current Site</source>
        <translation>Aktuellen Standort löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Antenna Site ?</source>
        <translation>Wollen Sie diesen Antennenstandort wirklich löschen ?</translation>
    </message>
    <message>
        <source>The antenna locations and their coordinates appear here once the address and the town above are saved.</source>
        <translation>Die Antennenstandorte und ihre Koordinaten erscheinen hier, sobald Adresse und Gemeinde oben gespeichert sind.</translation>
    </message>
    <message>
        <source>The Lambert 72 and the WGS84 coordinates do not describe the same place ! Type one of the two again, so that the other is converted from it.</source>
        <translation>Die Lambert-72- und die WGS84-Koordinaten beschreiben nicht denselben Ort ! Geben Sie eine der beiden erneut ein, damit die andere daraus umgerechnet wird.</translation>
    </message>
    <message>
        <source>Site Data</source>
        <translation>Standortdaten</translation>
    </message>
</context>
<context>
    <name>TfraUserData</name>
    <message>
        <source>There is no Database Connection available !</source>
        <translation>Es ist keine Datenbankverbindung verfügbar !</translation>
    </message>
    <message>
        <source>Select User Data</source>
        <translation>Benutzer wählen</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Benutzer hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;bbrechen</translation>
    </message>
    <message>
        <source>Search DB</source>
        <translation>DB suchen</translation>
    </message>
    <message>
        <source>QR&amp;P</source>
        <translation>QR&amp;P</translation>
    </message>
    <message>
        <source>  User Data  </source>
        <translation>  Benutzerdaten  </translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Other Ham Operators</source>
        <translation>Weitere Funkamateure</translation>
    </message>
    <message>
        <source>Address (Main)</source>
        <translation>Anschrift (Haupt)</translation>
    </message>
    <message>
        <source>Address (Complement)</source>
        <translation>Anschrift (Zusatz)</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>PLZ</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Gemeinde</translation>
    </message>
    <message>
        <source>Phone (Home)</source>
        <translation>Telefon (privat)</translation>
    </message>
    <message>
        <source>Phone (Mobile)</source>
        <translation>Telefon (mobil)</translation>
    </message>
    <message>
        <source>Phone (Office)</source>
        <translation>Telefon (Büro)</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Bemerkung</translation>
    </message>
    <message>
        <source>User Directory</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>  Note to BIPT  </source>
        <translation>  Hinweis an das BIPT  </translation>
    </message>
    <message>
        <source>  Select Case  </source>
        <translation>  Fall wählen  </translation>
    </message>
    <message>
        <source>Normal Case</source>
        <translation>Normalfall</translation>
    </message>
    <message>
        <source>Only Portable or Mobile</source>
        <translation>Nur tragbar oder mobil</translation>
    </message>
    <message>
        <source>Only below 10 MHz</source>
        <translation>Nur unter 10 MHz</translation>
    </message>
    <message>
        <source>Only above 10 GHz</source>
        <translation>Nur über 10 GHz</translation>
    </message>
    <message>
        <source>Only SWL</source>
        <translation>Nur Empfangsamateur (SWL)</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Drucken</translation>
    </message>
    <message>
        <source>User Data</source>
        <translation>Benutzerdaten</translation>
    </message>
    <message>
        <source>Printing the declaration is not available in this version.</source>
        <translation>Das Drucken der Erklärung ist in dieser Version nicht verfügbar.</translation>
    </message>
    <message>
        <source>Select an Output Directory...</source>
        <translation>Ausgabeordner wählen...</translation>
    </message>
    <message>
        <source>There is no value for the &quot;First Name&quot; field !</source>
        <translation>Für das Feld &quot;Vorname&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Name&quot; field !</source>
        <translation>Für das Feld &quot;Name&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Call&quot; field !</source>
        <translation>Für das Feld &quot;Rufzeichen&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Language&quot; field !</source>
        <translation>Für das Feld &quot;Sprache&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Address (Main)&quot; field !</source>
        <translation>Für das Feld &quot;Anschrift (Haupt)&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Zip&quot; field !</source>
        <translation>Für das Feld &quot;PLZ&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;City&quot; field !</source>
        <translation>Für das Feld &quot;Gemeinde&quot; gibt es keinen Wert !</translation>
    </message>
    <message>
        <source>The call &quot;%1&quot; cannot be used as a file name.</source>
        <translation>Das Rufzeichen &quot;%1&quot; kann nicht als Dateiname verwendet werden.</translation>
    </message>
    <message>
        <source>The call may not contain path separators, control characters or any of : * ? &quot; &lt; &gt; |, because it becomes part of the names of your files.</source>
        <translation>Das Rufzeichen darf keine Pfadtrenner, Steuerzeichen oder eines von : * ? &quot; &lt; &gt; | enthalten, weil es Teil der Namen Ihrer Dateien wird.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no town yet: type the postcode of your address !</source>
        <translation>&quot;%1&quot; steht für noch keine Gemeinde: geben Sie die PLZ Ihrer Adresse ein !</translation>
    </message>
</context>
<context>
    <name>TfraWelcome</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Niederländisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>The translation of the program into %1 cannot be found, so the program stays in English. Install the program again to repair it.</source>
        <translation>Die Übersetzung des Programms (%1) wurde nicht gefunden; das Programm bleibt daher englisch. Installieren Sie das Programm neu, um es zu reparieren.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The page %1 cannot be found.&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;Die Seite %1 wurde nicht gefunden.&lt;/h3&gt;</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Starting VLM</source>
        <translation>VLM wird gestartet</translation>
    </message>
    <message>
        <source>Leaving VLM</source>
        <translation>VLM beenden</translation>
    </message>
    <message>
        <source>Are you sure you want to leave VLM ?</source>
        <translation>Wollen Sie VLM wirklich beenden ?</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Looking for an Internet Connection...</source>
        <translation>Suche nach einer Internetverbindung...</translation>
    </message>
    <message>
        <source>Ver.: </source>
        <translation>Vers.: </translation>
    </message>
</context>
<context>
    <name>UpdateNotifier</name>
    <message>
        <source>VLM Update</source>
        <translation>VLM-Update</translation>
    </message>
    <message>
        <source>A new version of VLM (%1) is available; you are using %2.</source>
        <translation>Eine neue Version von VLM (%1) ist verfügbar; Sie verwenden %2.</translation>
    </message>
    <message>
        <source>Do you want to download it into %1 ?</source>
        <translation>Wollen Sie sie nach %1 herunterladen ?</translation>
    </message>
    <message>
        <source>The new version has been saved as :</source>
        <translation>Die neue Version wurde gespeichert als :</translation>
    </message>
    <message>
        <source>Close VLM before installing it.</source>
        <translation>Beenden Sie VLM, bevor Sie sie installieren.</translation>
    </message>
    <message>
        <source>The new version couldn&apos;t be downloaded !</source>
        <translation>Die neue Version konnte nicht heruntergeladen werden !</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Welcome to VLM</source>
        <translation>Willkommen bei VLM</translation>
    </message>
    <message>
        <source>User Personal Data</source>
        <translation>Persönliche Daten</translation>
    </message>
    <message>
        <source>Special Low Power Case</source>
        <translation>Sonderfall geringe Leistung</translation>
    </message>
    <message>
        <source>Site Data</source>
        <translation>Standortdaten</translation>
    </message>
    <message>
        <source>Antenna Data</source>
        <translation>Antennendaten</translation>
    </message>
    <message>
        <source>Power Data</source>
        <translation>Leistungsdaten</translation>
    </message>
    <message>
        <source>Critical Test Points</source>
        <translation>Kritische Messpunkte</translation>
    </message>
    <message>
        <source>VLM Reporting</source>
        <translation>VLM-Berichte</translation>
    </message>
    <message>
        <source>Last Step...</source>
        <translation>Letzter Schritt...</translation>
    </message>
</context>
</TS>
