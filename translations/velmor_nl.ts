<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_BE">
<context>
    <name>AllAntennaReports</name>
    <message>
        <source>There is no antenna to report on.</source>
        <translation>Er is geen antenne om over te rapporteren.</translation>
    </message>
    <message>
        <source>The reports were saved in %1 :</source>
        <translation>De rapporten werden opgeslagen in %1 :</translation>
    </message>
    <message>
        <source>These reports could not be saved :</source>
        <translation>Deze rapporten konden niet opgeslagen worden :</translation>
    </message>
</context>
<context>
    <name>BmpReader</name>
    <message>
        <source>The file is not a BMP picture.</source>
        <translation>Het bestand is geen BMP-afbeelding.</translation>
    </message>
    <message>
        <source>The BMP header is damaged.</source>
        <translation>De kop van de BMP-afbeelding is beschadigd.</translation>
    </message>
    <message>
        <source>The BMP picture has an unusable size.</source>
        <translation>De BMP-afbeelding heeft een onbruikbare grootte.</translation>
    </message>
    <message>
        <source>Compressed BMP pictures are not supported.</source>
        <translation>Gecomprimeerde BMP-afbeeldingen worden niet ondersteund.</translation>
    </message>
    <message>
        <source>The BMP picture has an unsupported colour depth.</source>
        <translation>De BMP-afbeelding heeft een niet-ondersteunde kleurdiepte.</translation>
    </message>
    <message>
        <source>The BMP picture is truncated.</source>
        <translation>De BMP-afbeelding is onvolledig.</translation>
    </message>
    <message>
        <source>Cannot open the picture %1: %2</source>
        <translation>De afbeelding %1 kan niet worden geopend: %2</translation>
    </message>
</context>
<context>
    <name>CheckInternet</name>
    <message>
        <source>No update server is configured.</source>
        <translation>Er is geen updateserver ingesteld.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>De server antwoordde niet binnen %1 seconden.</translation>
    </message>
    <message>
        <source>The server sent the check to another host.</source>
        <translation>De server stuurde de controle door naar een andere host.</translation>
    </message>
</context>
<context>
    <name>CtpTablePrinter</name>
    <message>
        <source>The table could not be saved as %1.</source>
        <translation>De tabel kon niet opgeslagen worden als %1.</translation>
    </message>
    <message>
        <source>The table could not be printed.</source>
        <translation>De tabel kon niet afgedrukt worden.</translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>The download is larger than %1 bytes and was refused.</source>
        <translation>De download is groter dan %1 bytes en werd geweigerd.</translation>
    </message>
    <message>
        <source>The server did not send the file within %1 seconds.</source>
        <translation>De server stuurde het bestand niet binnen %1 seconden.</translation>
    </message>
    <message>
        <source>The server sent the update to %1, which is not the update server; it was not followed.</source>
        <translation>De server stuurde de bijwerking door naar %1, dat niet de bijwerkingsserver is; dat werd niet gevolgd.</translation>
    </message>
    <message>
        <source>The transfer broke off after %1 bytes: %2</source>
        <translation>De overdracht brak af na %1 bytes: %2</translation>
    </message>
    <message>
        <source>The transfer broke off after %1 of %2 bytes.</source>
        <translation>De overdracht brak af na %1 van %2 bytes.</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Technical Antenna File</source>
        <translation>Technisch antennedossier</translation>
    </message>
    <message>
        <source>Certification File</source>
        <translation>Certificatiedossier</translation>
    </message>
    <message>
        <source>contact BIPT first !</source>
        <translation>neem eerst contact op met het BIPT !</translation>
    </message>
    <message>
        <source>value above the exposure limit !</source>
        <translation>waarde boven de blootstellingslimiet !</translation>
    </message>
    <message>
        <source>at %1 by %2: requires a</source>
        <translation>bij %1 door %2: vereist een</translation>
    </message>
    <message>
        <source>at %1 by %2:</source>
        <translation>bij %1 door %2:</translation>
    </message>
    <message>
        <source>no limit applies below 10 MHz</source>
        <translation>geen grenswaarde onder 10 MHz</translation>
    </message>
    <message>
        <source>no power chain</source>
        <translation>geen vermogensketen</translation>
    </message>
    <message>
        <source>The evaluation is incomplete: no power chain for %1.</source>
        <translation>De evaluatie is onvolledig: geen vermogensketen voor %1.</translation>
    </message>
    <message>
        <source>Together at %1 (%2): %3 of the limit</source>
        <translation>Samen op %1 (%2): %3 van de grenswaarde</translation>
    </message>
</context>
<context>
    <name>ExportDatabase</name>
    <message>
        <source>The export database couldn&apos;t be created !</source>
        <translation>De exportdatabank kon niet worden aangemaakt !</translation>
    </message>
    <message>
        <source>Look and see if the file &quot;Empty_Vlm.mdb&quot; realy exists...</source>
        <translation>Kijk na of het bestand &quot;Empty_Vlm.mdb&quot; echt bestaat...</translation>
    </message>
    <message>
        <source>The file &quot;Empty_Vlm.mdb&quot; is not a usable Access database: %1</source>
        <translation>Het bestand &quot;Empty_Vlm.mdb&quot; is geen bruikbare Access-databank: %1</translation>
    </message>
    <message>
        <source>Unable to connect the Export Database !</source>
        <translation>Kan geen verbinding maken met de exportdatabank !</translation>
    </message>
    <message>
        <source>An earlier export database was left as it was.</source>
        <translation>Een eerdere exportdatabank is ongewijzigd gebleven.</translation>
    </message>
    <message>
        <source>The export database was written as :</source>
        <translation>De exportdatabank werd weggeschreven als :</translation>
    </message>
    <message>
        <source>Antennas in it: %1</source>
        <translation>Antennes erin: %1</translation>
    </message>
</context>
<context>
    <name>ExportStaging</name>
    <message>
        <source>&quot;%1&quot; where a whole number belongs</source>
        <translation>&quot;%1&quot; waar een geheel getal hoort</translation>
    </message>
    <message>
        <source>&quot;%1&quot; where a number belongs</source>
        <translation>&quot;%1&quot; waar een getal hoort</translation>
    </message>
    <message>
        <source>Column %1 of table %2 has the type &quot;%3&quot;, which an Access database cannot hold.</source>
        <translation>Kolom %1 van tabel %2 heeft het type &quot;%3&quot;, dat een Access-databank niet kan bevatten.</translation>
    </message>
    <message>
        <source>Table %1, column %2: %3</source>
        <translation>Tabel %1, kolom %2: %3</translation>
    </message>
    <message>
        <source>Table %1: %2</source>
        <translation>Tabel %1: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
</context>
<context>
    <name>ExposureSummary</name>
    <message>
        <source>The database holds no text for the exposure summary (document &quot;ExposureSummary&quot;): update its reference tables.</source>
        <translation>De databank bevat geen tekst voor de samenvatting van de blootstelling (document &quot;ExposureSummary&quot;): werk de referentietabellen bij.</translation>
    </message>
</context>
<context>
    <name>GraphTemplate</name>
    <message>
        <source>Cannot read the report template %1: %2</source>
        <translation>Het rapportsjabloon %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>The report template has no report %1</source>
        <translation>Het rapportsjabloon bevat geen rapport %1</translation>
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
        <translation>VS(V/m)=  </translation>
    </message>
    <message>
        <source>Critical point =</source>
        <translation>Kritisch punt  =</translation>
    </message>
    <message>
        <source>Height (m)     =</source>
        <translation>Hoogte (m)     =</translation>
    </message>
    <message>
        <source>Distance (m)   =</source>
        <translation>Afstand (m)    =</translation>
    </message>
    <message>
        <source>Field Str(V/m) =</source>
        <translation>Veldst. (V/m)  =</translation>
    </message>
    <message>
        <source>Call:</source>
        <translation>Roepnaam:</translation>
    </message>
    <message>
        <source>Antenna:</source>
        <translation>Antenne:</translation>
    </message>
    <message>
        <source>Ant.type:</source>
        <translation>Ant.type:</translation>
    </message>
    <message>
        <source>Ant.descr:</source>
        <translation>Ant.beschr.:</translation>
    </message>
    <message>
        <source>Ant.Height(m)</source>
        <translation>Ant.hoogte(m)</translation>
    </message>
    <message>
        <source>TX-Power(W):</source>
        <translation>Zendverm.(W):</translation>
    </message>
    <message>
        <source>Mode-corr(dB):</source>
        <translation>Modecorr.(dB):</translation>
    </message>
    <message>
        <source>Time-corr(dB):</source>
        <translation>Tijdcorr.(dB):</translation>
    </message>
    <message>
        <source>Line-Loss(dB):</source>
        <translation>Lijnverl.(dB):</translation>
    </message>
    <message>
        <source>Add.loss(dB):</source>
        <translation>Bijk.verl(dB):</translation>
    </message>
    <message>
        <source>Ant.PWR(dBW):</source>
        <translation>Ant.verm(dBW):</translation>
    </message>
    <message>
        <source>EIRP(dbW):</source>
        <translation>EIRP(dBW):</translation>
    </message>
    <message>
        <source>Tilt(deg)</source>
        <translation>Kanteling(°)</translation>
    </message>
    <message>
        <source>Freq(MHz):</source>
        <translation>Freq.(MHz):</translation>
    </message>
    <message>
        <source>Diam(wvl):</source>
        <translation>Diam.(golfl.):</translation>
    </message>
</context>
<context>
    <name>IncompleteEvaluation</name>
    <message>
        <source>The evaluation is incomplete: no power chain for %1.
The documents will show no field strength for it. Make the document anyway ?</source>
        <translation>De evaluatie is onvolledig: geen vermogensketen voor %1.
De documenten tonen er geen veldsterkte voor. Het document toch maken ?</translation>
    </message>
</context>
<context>
    <name>NameProposals</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value: the site name &quot;%2&quot; does not end in a number.</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal: de locatienaam &quot;%2&quot; eindigt niet op een getal.</translation>
    </message>
    <message>
        <source>An owner can have at most %1 sites.</source>
        <translation>Een gebruiker kan ten hoogste %1 locaties hebben.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value: the placement reference &quot;%2&quot; does not end in a number.</source>
        <translation>&apos;%1&apos; is geen geldig geheel getal: de antennereferentie &quot;%2&quot; eindigt niet op een getal.</translation>
    </message>
    <message>
        <source>A site can have at most %1 antenna placements.</source>
        <translation>Een locatie kan ten hoogste %1 antennes hebben.</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The output device refused the page.</source>
        <translation>Het uitvoerapparaat weigerde de pagina.</translation>
    </message>
</context>
<context>
    <name>PdfCanvas</name>
    <message>
        <source>The PDF library could not start.</source>
        <translation>De PDF-bibliotheek kon niet starten.</translation>
    </message>
    <message>
        <source>The PDF document could not be read back from memory.</source>
        <translation>Het PDF-document kon niet uit het geheugen worden teruggelezen.</translation>
    </message>
    <message>
        <source>The PDF library failed (error 0x%1, detail %2).</source>
        <translation>De PDF-bibliotheek faalde (fout 0x%1, detail %2).</translation>
    </message>
</context>
<context>
    <name>PingHost</name>
    <message>
        <source>The host %1 cannot be found.</source>
        <translation>De server %1 is niet te vinden.</translation>
    </message>
</context>
<context>
    <name>PointRules</name>
    <message>
        <source>Critical Test Points</source>
        <translation>Kritische testpunten</translation>
    </message>
    <message>
        <source>0 or nothing is not a valid distance ! Please enter a new value...</source>
        <translation>0 of niets is geen geldige afstand ! Geef een nieuwe waarde in...</translation>
    </message>
    <message>
        <source>Please enter a realistic &quot;Distance&quot; value...</source>
        <translation>Geef een realistische waarde in voor &quot;Afstand&quot;...</translation>
    </message>
    <message>
        <source>Please enter a realistic &quot;Height&quot; value...</source>
        <translation>Geef een realistische waarde in voor &quot;Hoogte&quot;...</translation>
    </message>
    <message>
        <source>You should enter a description of the Critical Test Piont...</source>
        <translation>Geef een beschrijving van het kritisch testpunt in...</translation>
    </message>
    <message>
        <source>The reference &quot;%1&quot; does not end in a number.</source>
        <translation>De referentie &quot;%1&quot; eindigt niet op een getal.</translation>
    </message>
    <message>
        <source>No reference is left after &quot;%1&quot;.</source>
        <translation>Na &quot;%1&quot; is er geen referentie meer vrij.</translation>
    </message>
</context>
<context>
    <name>PowerChain</name>
    <message>
        <source>The antenna %1 is not in the catalogue.</source>
        <translation>De antenne %1 staat niet in de catalogus.</translation>
    </message>
    <message>
        <source>The antenna placement %1 was not found.</source>
        <translation>De antenneplaatsing %1 werd niet gevonden.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The configuration registry key is invalid.</source>
        <translation>De configuratiesleutel is ongeldig.</translation>
    </message>
    <message>
        <source>Access is denied: %1</source>
        <translation>Toegang geweigerd: %1</translation>
    </message>
    <message>
        <source>The preferences file is damaged: %1</source>
        <translation>Het voorkeurenbestand is beschadigd: %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>VLM Help</source>
        <translation>VLM-help</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found.</source>
        <translation>Het helpbestand %1 is niet te vinden.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>User Data</source>
        <translation>Gebruikersgegevens</translation>
    </message>
</context>
<context>
    <name>RecordOps</name>
    <message>
        <source>No antenna of the catalogue is selected for the placement.</source>
        <translation>Er is geen antenne uit de catalogus gekozen voor deze plaatsing.</translation>
    </message>
    <message>
        <source>The operating band %1 does not exist.</source>
        <translation>De band %1 bestaat niet.</translation>
    </message>
</context>
<context>
    <name>RecordStatement</name>
    <message>
        <source>No dataset to run on.</source>
        <translation>Geen dataset om op uit te voeren.</translation>
    </message>
    <message>
        <source>The statement on %1 failed.</source>
        <translation>De opdracht op %1 is mislukt.</translation>
    </message>
    <message>
        <source>The new row of %1 was not found.</source>
        <translation>De nieuwe rij van %1 werd niet gevonden.</translation>
    </message>
</context>
<context>
    <name>ReportCanvas</name>
    <message>
        <source>The picture is empty.</source>
        <translation>De afbeelding is leeg.</translation>
    </message>
    <message>
        <source>A position on the page is not a number.</source>
        <translation>Een positie op de pagina is geen getal.</translation>
    </message>
</context>
<context>
    <name>ReportJob</name>
    <message>
        <source>This document cannot be saved as RTF.</source>
        <translation>Dit document kan niet als RTF worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>ReportJobs</name>
    <message>
        <source>There is no declaration for the normal case.</source>
        <translation>Er is geen verklaring voor het normale geval.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Het PDF-bestand kon niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report Preview</source>
        <translation>Afdrukvoorbeeld van het rapport</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Save as a PDF or RTF file</source>
        <translation>Opslaan als PDF- of RTF-bestand</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Uitvoeropties</translation>
    </message>
    <message>
        <source>VLM Reporting</source>
        <translation>VLM-rapportering</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kan niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>geen bestandsnaam opgegeven</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>een map heeft die naam</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>het bestand is niet geopend</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>VLM Info</source>
        <translation>VLM-info</translation>
    </message>
    <message>
        <source>VLM Application already running !</source>
        <translation>De VLM-toepassing draait al !</translation>
    </message>
    <message>
        <source>VLM Database</source>
        <translation>VLM-databank</translation>
    </message>
</context>
<context>
    <name>TCtpListModel</name>
    <message>
        <source>CTP</source>
        <translation>KTP</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Locatie</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Afst.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Spacial Att.</source>
        <translation>Ruimteverz.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Field     </source>
        <translation>Veld      </translation>
    </message>
    <message>
        <source>% of limit (together)</source>
        <translation>% van grens (samen)</translation>
    </message>
</context>
<context>
    <name>TFrmGraph</name>
    <message>
        <source>Graphical view</source>
        <translation>Grafische weergave</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Grafiek afdrukken</translation>
    </message>
    <message>
        <source>The picture of the plot cannot be written.</source>
        <translation>De afbeelding van de grafiek kan niet worden geschreven.</translation>
    </message>
    <message>
        <source>Save Screen</source>
        <translation>Scherm opslaan</translation>
    </message>
    <message>
        <source>The picture cannot be written to %1.</source>
        <translation>De afbeelding kan niet naar %1 worden geschreven.</translation>
    </message>
    <message>
        <source>Sumary Data</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source> Print Graph</source>
        <translation> Grafiek afdrukken</translation>
    </message>
    <message>
        <source>Save Screen  </source>
        <translation>Scherm opslaan  </translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Zoom herstellen</translation>
    </message>
    <message>
        <source>   Close      </source>
        <translation>   Sluiten      </translation>
    </message>
    <message>
        <source>Distance(m)</source>
        <translation>Afstand(m)</translation>
    </message>
    <message>
        <source> Height (m)</source>
        <translation> Hoogte (m)</translation>
    </message>
    <message>
        <source>Safety distance %1 m</source>
        <translation>Veiligheidsafstand %1 m</translation>
    </message>
</context>
<context>
    <name>TJetConnection</name>
    <message>
        <source>Database file not found: %1</source>
        <translation>Databankbestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>The connection is closed.</source>
        <translation>De verbinding is gesloten.</translation>
    </message>
    <message>
        <source>The VLM Database cannot be written: the change was not saved.</source>
        <translation>De VLM-databank kan niet worden beschreven: de wijziging werd niet opgeslagen.</translation>
    </message>
</context>
<context>
    <name>TJetDataset</name>
    <message>
        <source>The dataset %1 has no connection.</source>
        <translation>De dataset %1 heeft geen verbinding.</translation>
    </message>
</context>
<context>
    <name>TOnlineWatchHandler</name>
    <message>
        <source>Looking for an Internet Connection...</source>
        <translation>Zoeken naar een internetverbinding...</translation>
    </message>
    <message>
        <source>No Internet Connection available!</source>
        <translation>Geen internetverbinding beschikbaar!</translation>
    </message>
    <message>
        <source>Looking for Updates...</source>
        <translation>Zoeken naar updates...</translation>
    </message>
    <message>
        <source>VLM Update</source>
        <translation>VLM-update</translation>
    </message>
    <message>
        <source>The table update failed in block %1:
%2
None of its changes were kept; the database is as it was before.</source>
        <translation>De tabelupdate mislukte in blok %1:
%2
Geen enkele wijziging werd behouden; de databank is zoals voordien.</translation>
    </message>
    <message>
        <source>The table update was not applied:
%1</source>
        <translation>De tabelupdate werd niet toegepast:
%1</translation>
    </message>
    <message>
        <source>No update: the server took more than %1 s</source>
        <translation>Geen bijwerking: de server deed er meer dan %1 s over</translation>
    </message>
    <message>
        <source>The table update could not be downloaded:
%1
Nothing of it was applied.</source>
        <translation>De tabelbijwerking kon niet worden gedownload:
%1
Er werd niets van toegepast.</translation>
    </message>
    <message>
        <source>The table update was refused:
%1
None of its changes were kept; your data is as it was.</source>
        <translation>De tabelbijwerking werd geweigerd:
%1
Geen enkele wijziging ervan bleef behouden; uw gegevens zijn zoals voorheen.</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>No folder of your own was found for the program&apos;s instance socket.</source>
        <translation>Er werd geen eigen map gevonden voor de instantiesocket van het programma.</translation>
    </message>
    <message>
        <source>The socket %1 belongs to another user.</source>
        <translation>De socket %1 behoort toe aan een andere gebruiker.</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>VLM Database:</source>
        <translation>VLM-databank:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>Current User: </source>
        <translation>Gebruiker: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Locatie: </translation>
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
        <translation>Versie: </translation>
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
        <translation>De update kon geen transactie starten: %1</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>De databank is niet verbonden.</translation>
    </message>
    <message>
        <source>Applying Update (%1)...</source>
        <translation>Update toepassen (%1)...</translation>
    </message>
    <message>
        <source>The update file is larger than 10 MB and was not applied.</source>
        <translation>Het updatebestand is groter dan 10 MB en werd niet toegepast.</translation>
    </message>
    <message>
        <source>Applying Updates...</source>
        <translation>Updates toepassen...</translation>
    </message>
    <message>
        <source>Updates were successfull...</source>
        <translation>De updates zijn gelukt...</translation>
    </message>
    <message>
        <source>Block %1 asks for %2, which a table update may not do.</source>
        <translation>Blok %1 vraagt om %2, wat een tabelbijwerking niet mag.</translation>
    </message>
</context>
<context>
    <name>TableUpdateGuard</name>
    <message>
        <source>a change outside the main database</source>
        <translation>een wijziging buiten de hoofddatabank</translation>
    </message>
    <message>
        <source>loading an extension</source>
        <translation>het laden van een uitbreiding</translation>
    </message>
    <message>
        <source>a change to %1</source>
        <translation>een wijziging van %1</translation>
    </message>
    <message>
        <source>dropping %1</source>
        <translation>het verwijderen van %1</translation>
    </message>
    <message>
        <source>altering %1</source>
        <translation>het wijzigen van %1</translation>
    </message>
    <message>
        <source>an index on %1</source>
        <translation>een index op %1</translation>
    </message>
    <message>
        <source>attaching the file %1</source>
        <translation>het koppelen van het bestand %1</translation>
    </message>
    <message>
        <source>the setting PRAGMA %1</source>
        <translation>de instelling PRAGMA %1</translation>
    </message>
    <message>
        <source>a transaction of its own</source>
        <translation>een eigen transactie</translation>
    </message>
    <message>
        <source>a change to the database&apos;s structure</source>
        <translation>een wijziging van de structuur van de databank</translation>
    </message>
    <message>
        <source>The database connection does not allow a guarded update.</source>
        <translation>De databankverbinding laat geen beveiligde bijwerking toe.</translation>
    </message>
</context>
<context>
    <name>TdtmMain</name>
    <message>
        <source>Executing</source>
        <translation>Bezig</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Niet verbonden</translation>
    </message>
    <message>
        <source>VLM Database</source>
        <translation>VLM-databank</translation>
    </message>
    <message>
        <source>Unable to connect the VLM Database !</source>
        <translation>Kan geen verbinding maken met de VLM-databank !</translation>
    </message>
    <message>
        <source>This application will terminate...</source>
        <translation>Deze toepassing wordt afgesloten...</translation>
    </message>
    <message>
        <source>Locate the VLM Database</source>
        <translation>Zoek de VLM-databank</translation>
    </message>
    <message>
        <source>Access Database</source>
        <translation>Access-databank</translation>
    </message>
    <message>
        <source>Database Connection</source>
        <translation>Databankverbinding</translation>
    </message>
    <message>
        <source>There is no connection to the VLM Database !</source>
        <translation>Er is geen verbinding met de VLM-databank !</translation>
    </message>
    <message>
        <source>Try again...</source>
        <translation>Probeer opnieuw...</translation>
    </message>
    <message>
        <source>Starting VLM</source>
        <translation>VLM starten</translation>
    </message>
    <message>
        <source>Error when loading the lookup tables ! You will have to connect to the database manually...</source>
        <translation>Fout bij het laden van de opzoektabellen ! U zult de databank manueel moeten verbinden...</translation>
    </message>
    <message>
        <source>Error when opening VLM Database (table: </source>
        <translation>Fout bij het openen van de VLM-databank (tabel: </translation>
    </message>
    <message>
        <source>The VLM Database cannot be written:</source>
        <translation>De VLM-databank kan niet worden beschreven:</translation>
    </message>
    <message>
        <source>You can look at your data, but no change can be saved. Give yourself the right to write the file and its folder, then start the program again.</source>
        <translation>U kunt uw gegevens bekijken, maar geen enkele wijziging kan worden opgeslagen. Geef uzelf schrijfrechten op het bestand en zijn map en start het programma opnieuw.</translation>
    </message>
</context>
<context>
    <name>TfraAntennaDef</name>
    <message>
        <source>Database</source>
        <translation>Databank</translation>
    </message>
    <message>
        <source>Modifying the Antenna Selection</source>
        <translation>De antennekeuze wijzigen</translation>
    </message>
    <message>
        <source>Are you sure you want to change the antenna selection ?</source>
        <translation>Bent u zeker dat u de antennekeuze wilt wijzigen ?</translation>
    </message>
    <message>
        <source>Custom Antennas</source>
        <translation>Eigen antennes</translation>
    </message>
    <message>
        <source>This antenna is still in use in the Antenna/Station table</source>
        <translation>Deze antenne is nog in gebruik in de tabel Antenne/Station</translation>
    </message>
    <message>
        <source>First, you should delete it in that table...</source>
        <translation>Verwijder ze eerst in die tabel...</translation>
    </message>
    <message>
        <source>  Antennas  </source>
        <translation>  Antennes  </translation>
    </message>
    <message>
        <source>Antenna Selection</source>
        <translation>Antennekeuze</translation>
    </message>
    <message>
        <source>Add / Modify / Remove Custom Antenna</source>
        <translation>Eigen antenne toevoegen / wijzigen / verwijderen</translation>
    </message>
    <message>
        <source>  Select Antenna Family  </source>
        <translation>  Kies de antennefamilie  </translation>
    </message>
    <message>
        <source>Antenna Type</source>
        <translation>Antennetype</translation>
    </message>
    <message>
        <source>Antenna Make or Description</source>
        <translation>Merk of beschrijving</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Winst</translation>
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
        <translation>Frequentie nog te bepalen !</translation>
    </message>
    <message>
        <source>Vert. Radiation Pattern</source>
        <translation>Vert. stralingsdiagram</translation>
    </message>
    <message>
        <source>  Custom Antenna Input  </source>
        <translation>  Invoer eigen antenne  </translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisatie</translation>
    </message>
    <message>
        <source>Band / Frequency</source>
        <translation>Band / frequentie</translation>
    </message>
    <message>
        <source>Ø in</source>
        <translation>Ø in</translation>
    </message>
    <message>
        <source>  &amp;Add</source>
        <translation>  Toevoe&amp;gen</translation>
    </message>
    <message>
        <source>  &amp;Delete</source>
        <translation>  Verwij&amp;deren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>  Select the Antenna Location  </source>
        <translation>  Kies de antennelocatie  </translation>
    </message>
    <message>
        <source>  Add / Modify / Remove Antennas at the Antenna Location  </source>
        <translation>  Antennes op de antennelocatie toevoegen / wijzigen / verwijderen  </translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Frequentie (MHz)</translation>
    </message>
    <message>
        <source>Loc./Ant. Reference</source>
        <translation>Referentie loc./ant.</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Hoogte (m)</translation>
    </message>
    <message>
        <source>Tilt (Deg.)</source>
        <translation>Kanteling (°)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Nieuwe toevoegen</translation>
    </message>
    <message>
        <source>  Antenna Location Configuration  </source>
        <translation>  Configuratie van de antennelocatie  </translation>
    </message>
    <message>
        <source>Loc. Ref.</source>
        <translation>Ref. loc.</translation>
    </message>
    <message>
        <source>Antenna Data</source>
        <translation>Antennegegevens</translation>
    </message>
    <message>
        <source>Select an antenna of the catalogue first.</source>
        <translation>Kies eerst een antenne uit de catalogus.</translation>
    </message>
    <message>
        <source>This value should be maximum 45° !</source>
        <translation>Deze waarde mag ten hoogste 45° zijn !</translation>
    </message>
    <message>
        <source>Transmits at the same time as the other antennas of the site</source>
        <translation>Zendt tegelijk met de andere antennes van de locatie</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Frequentieband</translation>
    </message>
    <message>
        <source>This antenna works on several bands: please choose its frequency first...</source>
        <translation>Deze antenne werkt op meerdere banden: kies eerst haar frequentie...</translation>
    </message>
    <message>
        <source>There is no correct value for the &quot;%1&quot; field !</source>
        <translation>Er is geen correcte waarde voor het veld &quot;%1&quot; !</translation>
    </message>
    <message>
        <source>Off the beam</source>
        <translation>Hoek t.o.v. de bundel</translation>
    </message>
    <message>
        <source>+ raises the beam, - lowers it</source>
        <translation>+ heft de bundel op, - laat hem zakken</translation>
    </message>
</context>
<context>
    <name>TfraBase</name>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>  &amp;Back</source>
        <translation>  &amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Next  </source>
        <translation>&amp;Volgende  </translation>
    </message>
    <message>
        <source>Save the changes ?</source>
        <translation>De wijzigingen opslaan ?</translation>
    </message>
</context>
<context>
    <name>TfraBiptData</name>
    <message>
        <source>VLM Last Steps</source>
        <translation>VLM laatste stappen</translation>
    </message>
    <message>
        <source>  All Files in Personal Directory (</source>
        <translation>  Alle bestanden in de persoonlijke map (</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>All files have been written in a ZIP File as :</source>
        <translation>Alle bestanden werden in een ZIP-bestand geschreven als :</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the ZIP File in </source>
        <translation>Kon het ZIP-bestand niet aanmaken in </translation>
    </message>
    <message>
        <source>Check if the folder exists...</source>
        <translation>Kijk na of de map bestaat...</translation>
    </message>
    <message>
        <source>  Findings Terrain Study  </source>
        <translation>  Bevindingen terreinstudie  </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>  Create BIPT Database File  </source>
        <translation>  BIPT-databankbestand aanmaken  </translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Aanmaken</translation>
    </message>
    <message>
        <source>  Final Report  </source>
        <translation>  Eindrapport  </translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> A&amp;fdrukken</translation>
    </message>
    <message>
        <source>Save &amp;Letter</source>
        <translation>&amp;Brief opslaan</translation>
    </message>
    <message>
        <source>  Create the ZIP File  </source>
        <translation>  Het ZIP-bestand aanmaken  </translation>
    </message>
    <message>
        <source>Are all required files in your personal directory? Also the plan and the terrain study map if applicable? Remove all files that are redundant or not required before creating the Zip file! </source>
        <translation>Staan alle vereiste bestanden in uw persoonlijke map? Ook het plan en de kaart van de terreinstudie, indien van toepassing? Verwijder alle overbodige of niet vereiste bestanden voor u het ZIP-bestand aanmaakt! </translation>
    </message>
    <message>
        <source>  All Files in Personal Directory  </source>
        <translation>  Alle bestanden in de persoonlijke map  </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Aangemaakt</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Geopend</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Kenmerken</translation>
    </message>
</context>
<context>
    <name>TfraCriticalPnts</name>
    <message>
        <source>Critical Test Points</source>
        <translation>Kritische testpunten</translation>
    </message>
    <message>
        <source>None of your sites has an antenna yet. Place an antenna first.</source>
        <translation>Geen enkele van uw locaties heeft al een antenne. Plaats eerst een antenne.</translation>
    </message>
    <message>
        <source>Deleting All Critical Test Points</source>
        <translation>Alle kritische testpunten verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete All Critical Test Points ?</source>
        <translation>Bent u zeker dat u alle kritische testpunten wilt verwijderen ?</translation>
    </message>
    <message>
        <source>  Critical Test Points (Overview)  </source>
        <translation>  Kritische testpunten (overzicht)  </translation>
    </message>
    <message>
        <source>Double Click to see the Graphical View</source>
        <translation>Dubbelklik voor de grafische weergave</translation>
    </message>
    <message>
        <source>Maximum Field Strength: </source>
        <translation>Maximale veldsterkte: </translation>
    </message>
    <message>
        <source>  Modify Critical Test Points  </source>
        <translation>  Kritische testpunten wijzigen  </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Afstand</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hoogte</translation>
    </message>
    <message>
        <source>Space Attenuation</source>
        <translation>Ruimteverzwakking</translation>
    </message>
    <message>
        <source>Description of the Critical Point</source>
        <translation>Beschrijving van het kritisch punt</translation>
    </message>
    <message>
        <source>  Add Critical Test Points  </source>
        <translation>  Kritische testpunten toevoegen  </translation>
    </message>
    <message>
        <source>First press &quot;Enter&quot; and then &quot;Save&quot; or go to &quot;Next&quot;...</source>
        <translation>Druk eerst op &quot;Enter&quot; en daarna op &quot;Opslaan&quot; of ga naar &quot;Volgende&quot;...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Vorige</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;Add CTP</source>
        <translation>KTP toevoe&amp;gen</translation>
    </message>
    <message>
        <source>  &amp;Delete</source>
        <translation>  Verwij&amp;deren</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> A&amp;fdrukken</translation>
    </message>
    <message>
        <source>D&amp;elete All</source>
        <translation>Alles v&amp;erwijderen</translation>
    </message>
    <message>
        <source>Updating %1</source>
        <translation>%1 bijwerken</translation>
    </message>
    <message>
        <source>Are you sure you want to update %1 ?</source>
        <translation>Bent u zeker dat u %1 wilt bijwerken ?</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>%1 verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation>Bent u zeker dat u %1 wilt verwijderen ?</translation>
    </message>
    <message>
        <source>The power chain of %1 was never saved: enter its power on the power page to see its plot.</source>
        <translation>De vermogensketen van %1 werd nooit opgeslagen: geef het vermogen in op de vermogenspagina om de grafiek te zien.</translation>
    </message>
    <message>
        <source>%1 dB below 1 GHz, %2 dB from 1 GHz</source>
        <translation>%1 dB onder 1 GHz, %2 dB vanaf 1 GHz</translation>
    </message>
</context>
<context>
    <name>TfraPowerFreq</name>
    <message>
        <source>Power Data</source>
        <translation>Vermogensgegevens</translation>
    </message>
    <message>
        <source>No Antenna Selected !</source>
        <translation>Geen antenne gekozen !</translation>
    </message>
    <message>
        <source>For : </source>
        <translation>Voor : </translation>
    </message>
    <message>
        <source>This value should be greater than 0 Watt !</source>
        <translation>Deze waarde moet groter zijn dan 0 watt !</translation>
    </message>
    <message>
        <source>The power data of %1 were changed. Save the changes ?</source>
        <translation>De vermogensgegevens van %1 werden gewijzigd. De wijzigingen opslaan ?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number. Nothing was saved.</source>
        <translation>&quot;%1&quot; is geen geldig getal. Er werd niets opgeslagen.</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type :</translation>
    </message>
    <message>
        <source>Make / Description :</source>
        <translation>Merk / beschrijving :</translation>
    </message>
    <message>
        <source>Gain (dBi) :</source>
        <translation>Winst (dBi) :</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Frequentie :</translation>
    </message>
    <message>
        <source>Transmitter Power (W) :</source>
        <translation>Zendvermogen (W) :</translation>
    </message>
    <message>
        <source>dBW</source>
        <translation>dBW</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Zendmode :</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Transmit Time :</source>
        <translation>Zendtijd :</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>  Feeder Losses  </source>
        <translation>  Kabelverliezen  </translation>
    </message>
    <message>
        <source>Calculate Losses</source>
        <translation>Verliezen berekenen</translation>
    </message>
    <message>
        <source>Cable Type</source>
        <translation>Kabeltype</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Lengte (m)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Verlies (dB)</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Sectie %1</translation>
    </message>
    <message>
        <source>Total of Feeder Losses =</source>
        <translation>Totaal kabelverliezen =</translation>
    </message>
    <message>
        <source>Total (dB) :</source>
        <translation>Totaal (dB) :</translation>
    </message>
    <message>
        <source>  Additional Losses  </source>
        <translation>  Bijkomende verliezen  </translation>
    </message>
    <message>
        <source>Power / SWR Meter :</source>
        <translation>Vermogens-/SWR-meter :</translation>
    </message>
    <message>
        <source>Antenna Tuner :</source>
        <translation>Antennetuner :</translation>
    </message>
    <message>
        <source>Low Pass Filter :</source>
        <translation>Laagdoorlaatfilter :</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Connector Pairs :</source>
        <translation>Connectorparen :</translation>
    </message>
    <message>
        <source>Total of Additional Losses =</source>
        <translation>Totaal bijkomende verliezen =</translation>
    </message>
    <message>
        <source>  Result  </source>
        <translation>  Resultaat  </translation>
    </message>
    <message>
        <source>Average Power at the Antenna :</source>
        <translation>Gemiddeld vermogen aan de antenne :</translation>
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
        <translation>SWR-/vermogensmeter: 
0,03 dB op HF
0,05 dB op VHF
tot 0,01 dB op UHF</translation>
    </message>
    <message>
        <source>Antenna Tuner: 
Typical 0.1 to 0.3 dB max.</source>
        <translation>Antennetuner: 
Typisch 0,1 tot 0,3 dB max.</translation>
    </message>
    <message>
        <source>Connectors (one male + one female): 
0.005 to 0.05 dB on HF
0.01 to 0.05 dB on VHF
0.02 to 0.1 dB on UHF</source>
        <translation>Connectoren (één mannelijk + één vrouwelijk): 
0,005 tot 0,05 dB op HF
0,01 tot 0,05 dB op VHF
0,02 tot 0,1 dB op UHF</translation>
    </message>
    <message>
        <source>Other Sources of Attenuation: 
Specify as required (dB)</source>
        <translation>Andere verliesbronnen: 
Opgeven zoals vereist (dB)</translation>
    </message>
    <message>
        <source>Low Pass Filter Attenuation: 
Specify as required (dB)</source>
        <translation>Verzwakking laagdoorlaatfilter: 
Opgeven zoals vereist (dB)</translation>
    </message>
    <message>
        <source>Safety Distance :</source>
        <translation>Veiligheidsafstand :</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Fills the fields with the power data of the chosen antenna; Save keeps them</source>
        <translation>Vult de velden met de vermogensgegevens van de gekozen antenne; Opslaan bewaart ze</translation>
    </message>
    <message>
        <source>Power data of :</source>
        <translation>Vermogensgegevens van :</translation>
    </message>
    <message>
        <source>%1 (duty factor %2)</source>
        <translation>%1 (inschakelduur %2)</translation>
    </message>
</context>
<context>
    <name>TfraQrpInput</name>
    <message>
        <source>Special Low Power Case</source>
        <translation>Speciaal geval laag vermogen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>The requirements are met ...</source>
        <translation>Aan de voorwaarden is voldaan ...</translation>
    </message>
    <message>
        <source>The requirements are not met !</source>
        <translation>Aan de voorwaarden is niet voldaan !</translation>
    </message>
    <message>
        <source>This value should be greater than 0 Watt !</source>
        <translation>Deze waarde moet groter zijn dan 0 watt !</translation>
    </message>
    <message>
        <source>QRP Report</source>
        <translation>QRP-rapport</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1 !</source>
        <translation>De afbeelding kon niet worden opgeslagen als %1 !</translation>
    </message>
    <message>
        <source>All files were saved... (</source>
        <translation>Alle bestanden werden opgeslagen... (</translation>
    </message>
    <message>
        <source>  Station  </source>
        <translation>  Station  </translation>
    </message>
    <message>
        <source>Min. Hor. Clearance (m)</source>
        <translation>Min. hor. afstand (m)</translation>
    </message>
    <message>
        <source>Min. Vert. Clearance (m)</source>
        <translation>Min. vert. afstand (m)</translation>
    </message>
    <message>
        <source>TX Output Power (W)</source>
        <translation>Zendvermogen (W)</translation>
    </message>
    <message>
        <source>Max. Antenna Gain (dBi)</source>
        <translation>Max. antennewinst (dBi)</translation>
    </message>
    <message>
        <source>Coax Losses (dB)</source>
        <translation>Coaxverliezen (dB)</translation>
    </message>
    <message>
        <source>Mode correction</source>
        <translation>Correctie zendmode</translation>
    </message>
    <message>
        <source>Time correction</source>
        <translation>Correctie zendtijd</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequentie</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>  Result  </source>
        <translation>  Resultaat  </translation>
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
        <translation>Horiz. afstand</translation>
    </message>
    <message>
        <source>Vert. Clearance</source>
        <translation>Vert. afstand</translation>
    </message>
    <message>
        <source>ERP (W) :</source>
        <translation>ERP (W) :</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>&amp;Bestanden</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> A&amp;fdrukken</translation>
    </message>
</context>
<context>
    <name>TfraReportView</name>
    <message>
        <source>VLM Reporting</source>
        <translation>VLM-rapportering</translation>
    </message>
    <message>
        <source>  Select Antenna  </source>
        <translation>  Kies de antenne  </translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> A&amp;fdrukken</translation>
    </message>
    <message>
        <source>Make &amp;File</source>
        <translation>&amp;Bestand maken</translation>
    </message>
    <message>
        <source>  Report  </source>
        <translation>  Rapport  </translation>
    </message>
    <message>
        <source>Report on</source>
        <translation>Rapport over</translation>
    </message>
    <message>
        <source>The Report was saved... (</source>
        <translation>Het rapport werd opgeslagen... (</translation>
    </message>
    <message>
        <source>E&amp;xposure Summary</source>
        <translation>Samenvatting blootstelli&amp;ng</translation>
    </message>
    <message>
        <source>The method, every critical test point against every antenna, the combined exposure and the safety distances, as a PDF file</source>
        <translation>De methode, elk kritisch testpunt tegenover elke antenne, de gezamenlijke blootstelling en de veiligheidsafstanden, als PDF-bestand</translation>
    </message>
    <message>
        <source>The exposure summary was saved... (</source>
        <translation>De samenvatting van de blootstelling werd opgeslagen... (</translation>
    </message>
    <message>
        <source>Make &amp;all reports</source>
        <translation>&amp;Alle rapporten maken</translation>
    </message>
    <message>
        <source>Saves the report of every antenna as a PDF file in your personal directory</source>
        <translation>Slaat het rapport van elke antenne op als PDF-bestand in uw persoonlijke map</translation>
    </message>
    <message>
        <source>Saving the antenna reports...</source>
        <translation>De antennerapporten worden opgeslagen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>TfraSiteDef</name>
    <message>
        <source>There is no correct value for the &quot;%1&quot; field !</source>
        <translation>Er is geen correcte waarde voor het veld &quot;%1&quot; !</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Databank</translation>
    </message>
    <message>
        <source>&lt; Invalid Values</source>
        <translation>&lt; Ongeldige waarden</translation>
    </message>
    <message>
        <source>Invalid Values &gt;</source>
        <translation>Ongeldige waarden &gt;</translation>
    </message>
    <message>
        <source>  Site Data  </source>
        <translation>  Locatiegegevens  </translation>
    </message>
    <message>
        <source>Clubstation :</source>
        <translation>Clubstation :</translation>
    </message>
    <message>
        <source>This antenna(s) already exists on this site :</source>
        <translation>Deze antenne(s) staan al op deze locatie :</translation>
    </message>
    <message>
        <source>Site also used by another operator (ex. GSM) :</source>
        <translation>Locatie ook gebruikt door een andere operator (bv. GSM) :</translation>
    </message>
    <message>
        <source>Address (Main)</source>
        <translation>Adres (hoofd)</translation>
    </message>
    <message>
        <source>Address (Complement)</source>
        <translation>Adres (aanvulling)</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Gemeente</translation>
    </message>
    <message>
        <source>BIPT Reference</source>
        <translation>BIPT-referentie</translation>
    </message>
    <message>
        <source>Club Call</source>
        <translation>Roepnaam club</translation>
    </message>
    <message>
        <source>Antenna location shared with... (Provider)</source>
        <translation>Antennelocatie gedeeld met... (operator)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>  Note to BIPT  </source>
        <translation>  Nota voor het BIPT  </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Copy  </source>
        <translation>Kopiëren  </translation>
    </message>
    <message>
        <source>  Tower Location / Antenna Location  </source>
        <translation>  Mastlocatie / antennelocatie  </translation>
    </message>
    <message>
        <source>Main Location</source>
        <translation>Hoofdlocatie</translation>
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
        <translation>Geografische coördinaten</translation>
    </message>
    <message>
        <source>WGS84</source>
        <translation>WGS84</translation>
    </message>
    <message>
        <source>Deg.</source>
        <translation>Gr.</translation>
    </message>
    <message>
        <source>Min.</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>Sec.</source>
        <translation>Sec.</translation>
    </message>
    <message>
        <source>Longitude (East)</source>
        <translation>Lengte (oost)</translation>
    </message>
    <message>
        <source>Latitude (North)</source>
        <translation>Breedte (noord)</translation>
    </message>
    <message>
        <source>Select Tower / Antenna Location</source>
        <translation>Kies mast / antennelocatie</translation>
    </message>
    <message>
        <source>Add Location</source>
        <translation>Locatie toevoegen</translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation>Locatie verwijderen</translation>
    </message>
    <message>
        <source>  Overview of the Antanna Locations   </source>
        <translation>  Overzicht van de antennelocaties   </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Longitude (E)</source>
        <translation>Lengte (O)</translation>
    </message>
    <message>
        <source>Latitude (N)</source>
        <translation>Breedte (N)</translation>
    </message>
    <message>
        <source>Ref.</source>
        <translation>Ref.</translation>
    </message>
    <message>
        <source>Antenna Location</source>
        <translation>Antennelocatie</translation>
    </message>
    <message>
        <source>Deleting Current Site</source>
        <translation>Huidige locatie verwijderen</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Antenna Site ?</source>
        <translation>Bent u zeker dat u deze antennelocatie wilt verwijderen ?</translation>
    </message>
    <message>
        <source>The antenna locations and their coordinates appear here once the address and the town above are saved.</source>
        <translation>De antennelocaties en hun coördinaten verschijnen hier zodra het adres en de gemeente hierboven opgeslagen zijn.</translation>
    </message>
    <message>
        <source>The Lambert 72 and the WGS84 coordinates do not describe the same place ! Type one of the two again, so that the other is converted from it.</source>
        <translation>De Lambert 72- en de WGS84-coördinaten beschrijven niet dezelfde plaats ! Typ een van beide opnieuw, zodat de andere ervan wordt omgerekend.</translation>
    </message>
    <message>
        <source>Site Data</source>
        <translation>Locatiegegevens</translation>
    </message>
</context>
<context>
    <name>TfraUserData</name>
    <message>
        <source>There is no Database Connection available !</source>
        <translation>Er is geen databankverbinding beschikbaar !</translation>
    </message>
    <message>
        <source>Select User Data</source>
        <translation>Kies de gebruiker</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Gebruiker toevoegen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>Search DB</source>
        <translation>Databank zoeken</translation>
    </message>
    <message>
        <source>QR&amp;P</source>
        <translation>QR&amp;P</translation>
    </message>
    <message>
        <source>  User Data  </source>
        <translation>  Gebruikersgegevens  </translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Roepnaam</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Voornaam</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Other Ham Operators</source>
        <translation>Andere radioamateurs</translation>
    </message>
    <message>
        <source>Address (Main)</source>
        <translation>Adres (hoofd)</translation>
    </message>
    <message>
        <source>Address (Complement)</source>
        <translation>Adres (aanvulling)</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Gemeente</translation>
    </message>
    <message>
        <source>Phone (Home)</source>
        <translation>Telefoon (thuis)</translation>
    </message>
    <message>
        <source>Phone (Mobile)</source>
        <translation>Telefoon (gsm)</translation>
    </message>
    <message>
        <source>Phone (Office)</source>
        <translation>Telefoon (werk)</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>User Directory</source>
        <translation>Persoonlijke map</translation>
    </message>
    <message>
        <source>  Note to BIPT  </source>
        <translation>  Nota voor het BIPT  </translation>
    </message>
    <message>
        <source>  Select Case  </source>
        <translation>  Kies het geval  </translation>
    </message>
    <message>
        <source>Normal Case</source>
        <translation>Normaal geval</translation>
    </message>
    <message>
        <source>Only Portable or Mobile</source>
        <translation>Enkel draagbaar of mobiel</translation>
    </message>
    <message>
        <source>Only below 10 MHz</source>
        <translation>Enkel onder 10 MHz</translation>
    </message>
    <message>
        <source>Only above 10 GHz</source>
        <translation>Enkel boven 10 GHz</translation>
    </message>
    <message>
        <source>Only SWL</source>
        <translation>Enkel luisteramateur (SWL)</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> A&amp;fdrukken</translation>
    </message>
    <message>
        <source>User Data</source>
        <translation>Gebruikersgegevens</translation>
    </message>
    <message>
        <source>Printing the declaration is not available in this version.</source>
        <translation>Het afdrukken van de verklaring is niet beschikbaar in deze versie.</translation>
    </message>
    <message>
        <source>Select an Output Directory...</source>
        <translation>Kies een uitvoermap...</translation>
    </message>
    <message>
        <source>There is no value for the &quot;First Name&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Voornaam&quot; !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Name&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Naam&quot; !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Call&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Roepnaam&quot; !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Language&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Taal&quot; !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Address (Main)&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Adres (hoofd)&quot; !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Zip&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Postcode&quot; !</translation>
    </message>
    <message>
        <source>There is no value for the &quot;City&quot; field !</source>
        <translation>Er is geen waarde voor het veld &quot;Gemeente&quot; !</translation>
    </message>
    <message>
        <source>The call &quot;%1&quot; cannot be used as a file name.</source>
        <translation>De roepnaam &quot;%1&quot; kan niet als bestandsnaam worden gebruikt.</translation>
    </message>
    <message>
        <source>The call may not contain path separators, control characters or any of : * ? &quot; &lt; &gt; |, because it becomes part of the names of your files.</source>
        <translation>De roepnaam mag geen padscheidingstekens, stuurtekens of een van : * ? &quot; &lt; &gt; | bevatten, want hij wordt een deel van de namen van uw bestanden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no town yet: type the postcode of your address !</source>
        <translation>&quot;%1&quot; staat voor nog geen gemeente: typ de postcode van uw adres !</translation>
    </message>
</context>
<context>
    <name>TfraWelcome</name>
    <message>
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Nederlands</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Duits</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Taal wijzigen</translation>
    </message>
    <message>
        <source>The translation of the program into %1 cannot be found, so the program stays in English. Install the program again to repair it.</source>
        <translation>De vertaling van het programma (%1) is niet te vinden; het programma blijft daarom in het Engels. Installeer het programma opnieuw om dit te herstellen.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The page %1 cannot be found.&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;De pagina %1 is niet te vinden.&lt;/h3&gt;</translation>
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
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Welcome</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbonden</translation>
    </message>
    <message>
        <source>Starting VLM</source>
        <translation>VLM starten</translation>
    </message>
    <message>
        <source>Leaving VLM</source>
        <translation>VLM verlaten</translation>
    </message>
    <message>
        <source>Are you sure you want to leave VLM ?</source>
        <translation>Bent u zeker dat u VLM wilt verlaten ?</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Looking for an Internet Connection...</source>
        <translation>Zoeken naar een internetverbinding...</translation>
    </message>
    <message>
        <source>Ver.: </source>
        <translation>Versie: </translation>
    </message>
</context>
<context>
    <name>UpdateNotifier</name>
    <message>
        <source>VLM Update</source>
        <translation>VLM-update</translation>
    </message>
    <message>
        <source>A new version of VLM (%1) is available; you are using %2.</source>
        <translation>Er is een nieuwe versie van VLM (%1) beschikbaar; u gebruikt %2.</translation>
    </message>
    <message>
        <source>Do you want to download it into %1 ?</source>
        <translation>Wilt u ze downloaden naar %1 ?</translation>
    </message>
    <message>
        <source>The new version has been saved as :</source>
        <translation>De nieuwe versie werd opgeslagen als :</translation>
    </message>
    <message>
        <source>Close VLM before installing it.</source>
        <translation>Sluit VLM voor u ze installeert.</translation>
    </message>
    <message>
        <source>The new version couldn&apos;t be downloaded !</source>
        <translation>De nieuwe versie kon niet worden gedownload !</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>In de map %1 kan niet worden geschreven.</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Welcome to VLM</source>
        <translation>Welkom bij VLM</translation>
    </message>
    <message>
        <source>User Personal Data</source>
        <translation>Persoonlijke gegevens</translation>
    </message>
    <message>
        <source>Special Low Power Case</source>
        <translation>Speciaal geval laag vermogen</translation>
    </message>
    <message>
        <source>Site Data</source>
        <translation>Locatiegegevens</translation>
    </message>
    <message>
        <source>Antenna Data</source>
        <translation>Antennegegevens</translation>
    </message>
    <message>
        <source>Power Data</source>
        <translation>Vermogensgegevens</translation>
    </message>
    <message>
        <source>Critical Test Points</source>
        <translation>Kritische testpunten</translation>
    </message>
    <message>
        <source>VLM Reporting</source>
        <translation>VLM-rapportering</translation>
    </message>
    <message>
        <source>Last Step...</source>
        <translation>Laatste stap...</translation>
    </message>
</context>
</TS>
