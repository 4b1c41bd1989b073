<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_BE">
<context>
    <name>AllAntennaReports</name>
    <message>
        <source>There is no antenna to report on.</source>
        <translation>Il n&apos;y a aucune antenne sur laquelle faire rapport.</translation>
    </message>
    <message>
        <source>The reports were saved in %1 :</source>
        <translation>Les rapports ont été enregistrés dans %1&#xa0;:</translation>
    </message>
    <message>
        <source>These reports could not be saved :</source>
        <translation>Ces rapports n&apos;ont pas pu être enregistrés&#xa0;:</translation>
    </message>
</context>
<context>
    <name>BmpReader</name>
    <message>
        <source>The file is not a BMP picture.</source>
        <translation>Le fichier n&apos;est pas une image BMP.</translation>
    </message>
    <message>
        <source>The BMP header is damaged.</source>
        <translation>L&apos;en-tête de l&apos;image BMP est endommagé.</translation>
    </message>
    <message>
        <source>The BMP picture has an unusable size.</source>
        <translation>L&apos;image BMP a une taille inutilisable.</translation>
    </message>
    <message>
        <source>Compressed BMP pictures are not supported.</source>
        <translation>Les images BMP compressées ne sont pas prises en charge.</translation>
    </message>
    <message>
        <source>The BMP picture has an unsupported colour depth.</source>
        <translation>L&apos;image BMP a une profondeur de couleur non prise en charge.</translation>
    </message>
    <message>
        <source>The BMP picture is truncated.</source>
        <translation>L&apos;image BMP est tronquée.</translation>
    </message>
    <message>
        <source>Cannot open the picture %1: %2</source>
        <translation>Impossible d&apos;ouvrir l&apos;image %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CheckInternet</name>
    <message>
        <source>No update server is configured.</source>
        <translation>Aucun serveur de mise à jour n&apos;est configuré.</translation>
    </message>
    <message>
        <source>The server did not answer within %1 seconds.</source>
        <translation>Le serveur n&apos;a pas répondu dans les %1 secondes.</translation>
    </message>
    <message>
        <source>The server sent the check to another host.</source>
        <translation>Le serveur a renvoyé la vérification vers un autre hôte.</translation>
    </message>
</context>
<context>
    <name>CtpTablePrinter</name>
    <message>
        <source>The table could not be saved as %1.</source>
        <translation>Le tableau n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>The table could not be printed.</source>
        <translation>Le tableau n&apos;a pas pu être imprimé.</translation>
    </message>
</context>
<context>
    <name>DownloadFile</name>
    <message>
        <source>The download is larger than %1 bytes and was refused.</source>
        <translation>Le téléchargement dépasse %1 octets et a été refusé.</translation>
    </message>
    <message>
        <source>The server did not send the file within %1 seconds.</source>
        <translation>Le serveur n&apos;a pas envoyé le fichier dans les %1 secondes.</translation>
    </message>
    <message>
        <source>The server sent the update to %1, which is not the update server; it was not followed.</source>
        <translation>Le serveur a renvoyé la mise à jour vers %1, qui n&apos;est pas le serveur de mise à jour&#xa0;; ce renvoi n&apos;a pas été suivi.</translation>
    </message>
    <message>
        <source>The transfer broke off after %1 bytes: %2</source>
        <translation>Le transfert s&apos;est interrompu après %1 octets&#xa0;: %2</translation>
    </message>
    <message>
        <source>The transfer broke off after %1 of %2 bytes.</source>
        <translation>Le transfert s&apos;est interrompu après %1 octets sur %2.</translation>
    </message>
</context>
<context>
    <name>Evaluation</name>
    <message>
        <source>Technical Antenna File</source>
        <translation>Dossier technique d&apos;antenne</translation>
    </message>
    <message>
        <source>Certification File</source>
        <translation>Dossier de certification</translation>
    </message>
    <message>
        <source>contact BIPT first !</source>
        <translation>contactez d&apos;abord l&apos;IBPT&#xa0;!</translation>
    </message>
    <message>
        <source>value above the exposure limit !</source>
        <translation>valeur au-dessus de la limite d&apos;exposition&#xa0;!</translation>
    </message>
    <message>
        <source>at %1 by %2: requires a</source>
        <translation>au point %1 par %2&#xa0;: nécessite un</translation>
    </message>
    <message>
        <source>at %1 by %2:</source>
        <translation>au point %1 par %2&#xa0;:</translation>
    </message>
    <message>
        <source>no limit applies below 10 MHz</source>
        <translation>aucune limite sous 10 MHz</translation>
    </message>
    <message>
        <source>no power chain</source>
        <translation>pas de chaîne de puissance</translation>
    </message>
    <message>
        <source>The evaluation is incomplete: no power chain for %1.</source>
        <translation>L&apos;évaluation est incomplète : pas de chaîne de puissance pour %1.</translation>
    </message>
    <message>
        <source>Together at %1 (%2): %3 of the limit</source>
        <translation>Ensemble en %1 (%2) : %3 de la limite</translation>
    </message>
</context>
<context>
    <name>ExportDatabase</name>
    <message>
        <source>The export database couldn&apos;t be created !</source>
        <translation>La base de données d&apos;exportation n&apos;a pas pu être créée&#xa0;!</translation>
    </message>
    <message>
        <source>Look and see if the file &quot;Empty_Vlm.mdb&quot; realy exists...</source>
        <translation>Vérifiez que le fichier &quot;Empty_Vlm.mdb&quot; existe bien...</translation>
    </message>
    <message>
        <source>The file &quot;Empty_Vlm.mdb&quot; is not a usable Access database: %1</source>
        <translation>Le fichier &quot;Empty_Vlm.mdb&quot; n&apos;est pas une base de données Access utilisable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unable to connect the Export Database !</source>
        <translation>Impossible de se connecter à la base de données d&apos;exportation&#xa0;!</translation>
    </message>
    <message>
        <source>An earlier export database was left as it was.</source>
        <translation>Une base de données d&apos;exportation antérieure a été laissée telle quelle.</translation>
    </message>
    <message>
        <source>The export database was written as :</source>
        <translation>La base de données d&apos;exportation a été écrite sous&#xa0;:</translation>
    </message>
    <message>
        <source>Antennas in it: %1</source>
        <translation>Antennes qu&apos;elle contient&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ExportStaging</name>
    <message>
        <source>&quot;%1&quot; where a whole number belongs</source>
        <translation>&quot;%1&quot; là où un nombre entier est attendu</translation>
    </message>
    <message>
        <source>&quot;%1&quot; where a number belongs</source>
        <translation>&quot;%1&quot; là où un nombre est attendu</translation>
    </message>
    <message>
        <source>Column %1 of table %2 has the type &quot;%3&quot;, which an Access database cannot hold.</source>
        <translation>La colonne %1 de la table %2 est du type &quot;%3&quot;, qu&apos;une base de données Access ne peut pas contenir.</translation>
    </message>
    <message>
        <source>Table %1, column %2: %3</source>
        <translation>Table %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>Table %1: %2</source>
        <translation>Table %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ExposureSummary</name>
    <message>
        <source>The database holds no text for the exposure summary (document &quot;ExposureSummary&quot;): update its reference tables.</source>
        <translation>La base de données ne contient pas le texte de la synthèse de l&apos;exposition (document &quot;ExposureSummary&quot;) : mettez à jour ses tables de référence.</translation>
    </message>
</context>
<context>
    <name>GraphTemplate</name>
    <message>
        <source>Cannot read the report template %1: %2</source>
        <translation>Impossible de lire le modèle de rapport %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The report template has no report %1</source>
        <translation>Le modèle de rapport ne contient pas de rapport %1</translation>
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
        <translation>CE(V/m)=  </translation>
    </message>
    <message>
        <source>Critical point =</source>
        <translation>Point critique =</translation>
    </message>
    <message>
        <source>Height (m)     =</source>
        <translation>Hauteur (m)    =</translation>
    </message>
    <message>
        <source>Distance (m)   =</source>
        <translation>Distance (m)   =</translation>
    </message>
    <message>
        <source>Field Str(V/m) =</source>
        <translation>Champ (V/m)    =</translation>
    </message>
    <message>
        <source>Call:</source>
        <translation>Indicatif&#xa0;:</translation>
    </message>
    <message>
        <source>Antenna:</source>
        <translation>Antenne&#xa0;:</translation>
    </message>
    <message>
        <source>Ant.type:</source>
        <translation>Type ant.&#xa0;:</translation>
    </message>
    <message>
        <source>Ant.descr:</source>
        <translation>Descr. ant.&#xa0;:</translation>
    </message>
    <message>
        <source>Ant.Height(m)</source>
        <translation>Haut.ant.(m)</translation>
    </message>
    <message>
        <source>TX-Power(W):</source>
        <translation>Puiss.TX(W):</translation>
    </message>
    <message>
        <source>Mode-corr(dB):</source>
        <translation>Corr.mode(dB):</translation>
    </message>
    <message>
        <source>Time-corr(dB):</source>
        <translation>Corr.tps(dB):</translation>
    </message>
    <message>
        <source>Line-Loss(dB):</source>
        <translation>Pert.lig.(dB):</translation>
    </message>
    <message>
        <source>Add.loss(dB):</source>
        <translation>Pert.add.(dB):</translation>
    </message>
    <message>
        <source>Ant.PWR(dBW):</source>
        <translation>P.ant.(dBW):</translation>
    </message>
    <message>
        <source>EIRP(dbW):</source>
        <translation>PIRE(dBW):</translation>
    </message>
    <message>
        <source>Tilt(deg)</source>
        <translation>Inclin.(°)</translation>
    </message>
    <message>
        <source>Freq(MHz):</source>
        <translation>Fréq.(MHz):</translation>
    </message>
    <message>
        <source>Diam(wvl):</source>
        <translation>Diam.(lambda):</translation>
    </message>
</context>
<context>
    <name>IncompleteEvaluation</name>
    <message>
        <source>The evaluation is incomplete: no power chain for %1.
The documents will show no field strength for it. Make the document anyway ?</source>
        <translation>L&apos;évaluation est incomplète : pas de chaîne de puissance pour %1.
Les documents n&apos;en montreront pas le champ. Créer le document quand même ?</translation>
    </message>
</context>
<context>
    <name>NameProposals</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value: the site name &quot;%2&quot; does not end in a number.</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valable&#xa0;: le nom d&apos;emplacement &quot;%2&quot; ne se termine pas par un nombre.</translation>
    </message>
    <message>
        <source>An owner can have at most %1 sites.</source>
        <translation>Un utilisateur peut avoir au plus %1 emplacements.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value: the placement reference &quot;%2&quot; does not end in a number.</source>
        <translation>&apos;%1&apos; n&apos;est pas un nombre entier valable&#xa0;: la référence d&apos;antenne &quot;%2&quot; ne se termine pas par un nombre.</translation>
    </message>
    <message>
        <source>A site can have at most %1 antenna placements.</source>
        <translation>Un emplacement peut avoir au plus %1 antennes.</translation>
    </message>
</context>
<context>
    <name>PainterCanvas</name>
    <message>
        <source>The output device refused the page.</source>
        <translation>Le périphérique de sortie a refusé la page.</translation>
    </message>
</context>
<context>
    <name>PdfCanvas</name>
    <message>
        <source>The PDF library could not start.</source>
        <translation>La bibliothèque PDF n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The PDF document could not be read back from memory.</source>
        <translation>Le document PDF n&apos;a pas pu être relu depuis la mémoire.</translation>
    </message>
    <message>
        <source>The PDF library failed (error 0x%1, detail %2).</source>
        <translation>La bibliothèque PDF a échoué (erreur 0x%1, détail %2).</translation>
    </message>
</context>
<context>
    <name>PingHost</name>
    <message>
        <source>The host %1 cannot be found.</source>
        <translation>L&apos;hôte %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>PointRules</name>
    <message>
        <source>Critical Test Points</source>
        <translation>Points de test critiques</translation>
    </message>
    <message>
        <source>0 or nothing is not a valid distance ! Please enter a new value...</source>
        <translation>0 ou rien n&apos;est pas une distance valable&#xa0;! Veuillez introduire une nouvelle valeur...</translation>
    </message>
    <message>
        <source>Please enter a realistic &quot;Distance&quot; value...</source>
        <translation>Veuillez introduire une valeur réaliste pour &quot;Distance&quot;...</translation>
    </message>
    <message>
        <source>Please enter a realistic &quot;Height&quot; value...</source>
        <translation>Veuillez introduire une valeur réaliste pour &quot;Hauteur&quot;...</translation>
    </message>
    <message>
        <source>You should enter a description of the Critical Test Piont...</source>
        <translation>Veuillez introduire une description du point de test critique...</translation>
    </message>
    <message>
        <source>The reference &quot;%1&quot; does not end in a number.</source>
        <translation>La référence &quot;%1&quot; ne se termine pas par un nombre.</translation>
    </message>
    <message>
        <source>No reference is left after &quot;%1&quot;.</source>
        <translation>Il ne reste plus de référence après &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>PowerChain</name>
    <message>
        <source>The antenna %1 is not in the catalogue.</source>
        <translation>L&apos;antenne %1 ne figure pas dans le catalogue.</translation>
    </message>
    <message>
        <source>The antenna placement %1 was not found.</source>
        <translation>Le placement d&apos;antenne %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>Preferences</name>
    <message>
        <source>The configuration registry key is invalid.</source>
        <translation>La clé de configuration n&apos;est pas valable.</translation>
    </message>
    <message>
        <source>Access is denied: %1</source>
        <translation>Accès refusé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The preferences file is damaged: %1</source>
        <translation>Le fichier des préférences est endommagé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QDialog</name>
    <message>
        <source>VLM Help</source>
        <translation>Aide VLM</translation>
    </message>
    <message>
        <source>The help file %1 cannot be found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>User Data</source>
        <translation>Données de l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>RecordOps</name>
    <message>
        <source>No antenna of the catalogue is selected for the placement.</source>
        <translation>Aucune antenne du catalogue n&apos;est choisie pour ce placement.</translation>
    </message>
    <message>
        <source>The operating band %1 does not exist.</source>
        <translation>La bande %1 n&apos;existe pas.</translation>
    </message>
</context>
<context>
    <name>RecordStatement</name>
    <message>
        <source>No dataset to run on.</source>
        <translation>Aucun jeu de données sur lequel exécuter.</translation>
    </message>
    <message>
        <source>The statement on %1 failed.</source>
        <translation>L&apos;instruction sur %1 a échoué.</translation>
    </message>
    <message>
        <source>The new row of %1 was not found.</source>
        <translation>La nouvelle ligne de %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>ReportCanvas</name>
    <message>
        <source>The picture is empty.</source>
        <translation>L&apos;image est vide.</translation>
    </message>
    <message>
        <source>A position on the page is not a number.</source>
        <translation>Une position sur la page n&apos;est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>ReportJob</name>
    <message>
        <source>This document cannot be saved as RTF.</source>
        <translation>Ce document ne peut pas être enregistré en RTF.</translation>
    </message>
</context>
<context>
    <name>ReportJobs</name>
    <message>
        <source>There is no declaration for the normal case.</source>
        <translation>Il n&apos;y a pas de déclaration pour le cas normal.</translation>
    </message>
    <message>
        <source>The PDF file could not be written.</source>
        <translation>Le fichier PDF n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report Preview</source>
        <translation>Aperçu du rapport</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save as a PDF or RTF file</source>
        <translation>Enregistrer en fichier PDF ou RTF</translation>
    </message>
    <message>
        <source>Output Options</source>
        <translation>Options de sortie</translation>
    </message>
    <message>
        <source>VLM Reporting</source>
        <translation>Rapports VLM</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>no file name given</source>
        <translation>aucun nom de fichier donné</translation>
    </message>
    <message>
        <source>a folder has that name</source>
        <translation>un dossier porte ce nom</translation>
    </message>
    <message>
        <source>the file is not open</source>
        <translation>le fichier n&apos;est pas ouvert</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>VLM Info</source>
        <translation>Info VLM</translation>
    </message>
    <message>
        <source>VLM Application already running !</source>
        <translation>L&apos;application VLM est déjà en cours d&apos;exécution&#xa0;!</translation>
    </message>
    <message>
        <source>VLM Database</source>
        <translation>Base de données VLM</translation>
    </message>
</context>
<context>
    <name>TCtpListModel</name>
    <message>
        <source>CTP</source>
        <translation>PTC</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Dist.</source>
        <translation>Dist.</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Spacial Att.</source>
        <translation>Atténuation</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Field     </source>
        <translation>Champ     </translation>
    </message>
    <message>
        <source>% of limit (together)</source>
        <translation>% de la limite (ensemble)</translation>
    </message>
</context>
<context>
    <name>TFrmGraph</name>
    <message>
        <source>Graphical view</source>
        <translation>Vue graphique</translation>
    </message>
    <message>
        <source>Print Graph</source>
        <translation>Imprimer le graphique</translation>
    </message>
    <message>
        <source>The picture of the plot cannot be written.</source>
        <translation>L&apos;image du graphique ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>Save Screen</source>
        <translation>Enregistrer l&apos;écran</translation>
    </message>
    <message>
        <source>The picture cannot be written to %1.</source>
        <translation>L&apos;image ne peut pas être écrite dans %1.</translation>
    </message>
    <message>
        <source>Sumary Data</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source> Print Graph</source>
        <translation> Imprimer le graphique</translation>
    </message>
    <message>
        <source>Save Screen  </source>
        <translation>Enregistrer l&apos;écran  </translation>
    </message>
    <message>
        <source>Reset Zoom</source>
        <translation>Réinitialiser le zoom</translation>
    </message>
    <message>
        <source>   Close      </source>
        <translation>   Fermer      </translation>
    </message>
    <message>
        <source>Distance(m)</source>
        <translation>Distance(m)</translation>
    </message>
    <message>
        <source> Height (m)</source>
        <translation> Hauteur (m)</translation>
    </message>
    <message>
        <source>Safety distance %1 m</source>
        <translation>Distance de sécurité %1 m</translation>
    </message>
</context>
<context>
    <name>TJetConnection</name>
    <message>
        <source>Database file not found: %1</source>
        <translation>Fichier de base de données introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>The connection is closed.</source>
        <translation>La connexion est fermée.</translation>
    </message>
    <message>
        <source>The VLM Database cannot be written: the change was not saved.</source>
        <translation>La base de données VLM ne peut pas être écrite&#xa0;: la modification n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>TJetDataset</name>
    <message>
        <source>The dataset %1 has no connection.</source>
        <translation>Le jeu de données %1 n&apos;a pas de connexion.</translation>
    </message>
</context>
<context>
    <name>TOnlineWatchHandler</name>
    <message>
        <source>Looking for an Internet Connection...</source>
        <translation>Recherche d&apos;une connexion Internet...</translation>
    </message>
    <message>
        <source>No Internet Connection available!</source>
        <translation>Pas de connexion Internet disponible&#xa0;!</translation>
    </message>
    <message>
        <source>Looking for Updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>VLM Update</source>
        <translation>Mise à jour VLM</translation>
    </message>
    <message>
        <source>The table update failed in block %1:
%2
None of its changes were kept; the database is as it was before.</source>
        <translation>La mise à jour des tables a échoué dans le bloc %1&#xa0;:
%2
Aucune de ses modifications n&apos;a été conservée&#xa0;; la base de données est restée telle quelle.</translation>
    </message>
    <message>
        <source>The table update was not applied:
%1</source>
        <translation>La mise à jour des tables n&apos;a pas été appliquée&#xa0;:
%1</translation>
    </message>
    <message>
        <source>No update: the server took more than %1 s</source>
        <translation>Pas de mise à jour&#xa0;: le serveur a mis plus de %1 s</translation>
    </message>
    <message>
        <source>The table update could not be downloaded:
%1
Nothing of it was applied.</source>
        <translation>La mise à jour des tables n&apos;a pas pu être téléchargée&#xa0;:
%1
Rien n&apos;en a été appliqué.</translation>
    </message>
    <message>
        <source>The table update was refused:
%1
None of its changes were kept; your data is as it was.</source>
        <translation>La mise à jour des tables a été refusée&#xa0;:
%1
Aucune de ses modifications n&apos;a été conservée&#xa0;; vos données sont restées telles quelles.</translation>
    </message>
</context>
<context>
    <name>TSingleInstance</name>
    <message>
        <source>No folder of your own was found for the program&apos;s instance socket.</source>
        <translation>Aucun dossier personnel n&apos;a été trouvé pour le socket d&apos;instance du programme.</translation>
    </message>
    <message>
        <source>The socket %1 belongs to another user.</source>
        <translation>Le socket %1 appartient à un autre utilisateur.</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>VLM Database:</source>
        <translation>Base VLM&#xa0;:</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Current User: </source>
        <translation>Utilisateur&#xa0;: </translation>
    </message>
    <message>
        <source>Location: </source>
        <translation>Emplacement&#xa0;: </translation>
    </message>
    <message>
        <source>Antenna: </source>
        <translation>Antenne&#xa0;: </translation>
    </message>
    <message>
        <source>Internet : </source>
        <translation>Internet&#xa0;: </translation>
    </message>
    <message>
        <source>Ver.: </source>
        <translation>Version&#xa0;: </translation>
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
        <translation>La mise à jour n&apos;a pas pu démarrer de transaction&#xa0;: %1</translation>
    </message>
    <message>
        <source>The database is not connected.</source>
        <translation>La base de données n&apos;est pas connectée.</translation>
    </message>
    <message>
        <source>Applying Update (%1)...</source>
        <translation>Application de la mise à jour (%1)...</translation>
    </message>
    <message>
        <source>The update file is larger than 10 MB and was not applied.</source>
        <translation>Le fichier de mise à jour dépasse 10 Mo et n&apos;a pas été appliqué.</translation>
    </message>
    <message>
        <source>Applying Updates...</source>
        <translation>Application des mises à jour...</translation>
    </message>
    <message>
        <source>Updates were successfull...</source>
        <translation>Les mises à jour ont réussi...</translation>
    </message>
    <message>
        <source>Block %1 asks for %2, which a table update may not do.</source>
        <translation>Le bloc %1 demande %2, ce qu&apos;une mise à jour des tables n&apos;a pas le droit de faire.</translation>
    </message>
</context>
<context>
    <name>TableUpdateGuard</name>
    <message>
        <source>a change outside the main database</source>
        <translation>une modification en dehors de la base de données principale</translation>
    </message>
    <message>
        <source>loading an extension</source>
        <translation>le chargement d&apos;une extension</translation>
    </message>
    <message>
        <source>a change to %1</source>
        <translation>une modification de %1</translation>
    </message>
    <message>
        <source>dropping %1</source>
        <translation>la suppression de %1</translation>
    </message>
    <message>
        <source>altering %1</source>
        <translation>la modification de %1</translation>
    </message>
    <message>
        <source>an index on %1</source>
        <translation>un index sur %1</translation>
    </message>
    <message>
        <source>attaching the file %1</source>
        <translation>l&apos;attachement du fichier %1</translation>
    </message>
    <message>
        <source>the setting PRAGMA %1</source>
        <translation>le réglage PRAGMA %1</translation>
    </message>
    <message>
        <source>a transaction of its own</source>
        <translation>une transaction à elle</translation>
    </message>
    <message>
        <source>a change to the database&apos;s structure</source>
        <translation>une modification de la structure de la base de données</translation>
    </message>
    <message>
        <source>The database connection does not allow a guarded update.</source>
        <translation>La connexion à la base de données ne permet pas de mise à jour protégée.</translation>
    </message>
</context>
<context>
    <name>TdtmMain</name>
    <message>
        <source>Executing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>VLM Database</source>
        <translation>Base de données VLM</translation>
    </message>
    <message>
        <source>Unable to connect the VLM Database !</source>
        <translation>Impossible de se connecter à la base de données VLM&#xa0;!</translation>
    </message>
    <message>
        <source>This application will terminate...</source>
        <translation>Cette application va se fermer...</translation>
    </message>
    <message>
        <source>Locate the VLM Database</source>
        <translation>Localiser la base de données VLM</translation>
    </message>
    <message>
        <source>Access Database</source>
        <translation>Base de données Access</translation>
    </message>
    <message>
        <source>Database Connection</source>
        <translation>Connexion à la base de données</translation>
    </message>
    <message>
        <source>There is no connection to the VLM Database !</source>
        <translation>Il n&apos;y a pas de connexion à la base de données VLM&#xa0;!</translation>
    </message>
    <message>
        <source>Try again...</source>
        <translation>Réessayez...</translation>
    </message>
    <message>
        <source>Starting VLM</source>
        <translation>Démarrage de VLM</translation>
    </message>
    <message>
        <source>Error when loading the lookup tables ! You will have to connect to the database manually...</source>
        <translation>Erreur lors du chargement des tables de référence&#xa0;! Vous devrez connecter la base de données manuellement...</translation>
    </message>
    <message>
        <source>Error when opening VLM Database (table: </source>
        <translation>Erreur à l&apos;ouverture de la base de données VLM (table&#xa0;: </translation>
    </message>
    <message>
        <source>The VLM Database cannot be written:</source>
        <translation>La base de données VLM ne peut pas être écrite&#xa0;:</translation>
    </message>
    <message>
        <source>You can look at your data, but no change can be saved. Give yourself the right to write the file and its folder, then start the program again.</source>
        <translation>Vous pouvez consulter vos données, mais aucune modification ne peut être enregistrée. Donnez-vous le droit d&apos;écrire le fichier et son dossier, puis redémarrez le programme.</translation>
    </message>
</context>
<context>
    <name>TfraAntennaDef</name>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>Modifying the Antenna Selection</source>
        <translation>Modification du choix d&apos;antenne</translation>
    </message>
    <message>
        <source>Are you sure you want to change the antenna selection ?</source>
        <translation>Êtes-vous sûr de vouloir modifier le choix d&apos;antenne&#xa0;?</translation>
    </message>
    <message>
        <source>Custom Antennas</source>
        <translation>Antennes personnelles</translation>
    </message>
    <message>
        <source>This antenna is still in use in the Antenna/Station table</source>
        <translation>Cette antenne est encore utilisée dans la table Antenne/Station</translation>
    </message>
    <message>
        <source>First, you should delete it in that table...</source>
        <translation>Supprimez-la d&apos;abord dans cette table...</translation>
    </message>
    <message>
        <source>  Antennas  </source>
        <translation>  Antennes  </translation>
    </message>
    <message>
        <source>Antenna Selection</source>
        <translation>Choix de l&apos;antenne</translation>
    </message>
    <message>
        <source>Add / Modify / Remove Custom Antenna</source>
        <translation>Ajouter / modifier / supprimer une antenne personnelle</translation>
    </message>
    <message>
        <source>  Select Antenna Family  </source>
        <translation>  Famille d&apos;antennes  </translation>
    </message>
    <message>
        <source>Antenna Type</source>
        <translation>Type d&apos;antenne</translation>
    </message>
    <message>
        <source>Antenna Make or Description</source>
        <translation>Marque ou description</translation>
    </message>
    <message>
        <source>Pol.</source>
        <translation>Pol.</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>dBi</source>
        <translation>dBi</translation>
    </message>
    <message>
        <source>Freq. (MHz)</source>
        <translation>Fréq. (MHz)</translation>
    </message>
    <message>
        <source>Frequency to be defined !</source>
        <translation>Fréquence à définir&#xa0;!</translation>
    </message>
    <message>
        <source>Vert. Radiation Pattern</source>
        <translation>Diagramme de rayonnement vert.</translation>
    </message>
    <message>
        <source>  Custom Antenna Input  </source>
        <translation>  Saisie d&apos;une antenne personnelle  </translation>
    </message>
    <message>
        <source>Polarization</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Band / Frequency</source>
        <translation>Bande / fréquence</translation>
    </message>
    <message>
        <source>Ø in</source>
        <translation>Ø en</translation>
    </message>
    <message>
        <source>  &amp;Add</source>
        <translation>  &amp;Ajouter</translation>
    </message>
    <message>
        <source>  &amp;Delete</source>
        <translation>  Su&amp;pprimer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>  Select the Antenna Location  </source>
        <translation>  Choisir l&apos;emplacement d&apos;antenne  </translation>
    </message>
    <message>
        <source>  Add / Modify / Remove Antennas at the Antenna Location  </source>
        <translation>  Ajouter / modifier / supprimer des antennes à l&apos;emplacement  </translation>
    </message>
    <message>
        <source>Frequency (MHz)</source>
        <translation>Fréquence (MHz)</translation>
    </message>
    <message>
        <source>Loc./Ant. Reference</source>
        <translation>Référence empl./ant.</translation>
    </message>
    <message>
        <source>Height (m)</source>
        <translation>Hauteur (m)</translation>
    </message>
    <message>
        <source>Tilt (Deg.)</source>
        <translation>Inclinaison (°)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>Ajouter un &amp;nouveau</translation>
    </message>
    <message>
        <source>  Antenna Location Configuration  </source>
        <translation>  Configuration de l&apos;emplacement d&apos;antenne  </translation>
    </message>
    <message>
        <source>Loc. Ref.</source>
        <translation>Réf. empl.</translation>
    </message>
    <message>
        <source>Antenna Data</source>
        <translation>Données de l&apos;antenne</translation>
    </message>
    <message>
        <source>Select an antenna of the catalogue first.</source>
        <translation>Choisissez d&apos;abord une antenne du catalogue.</translation>
    </message>
    <message>
        <source>This value should be maximum 45° !</source>
        <translation>Cette valeur doit être de 45° au maximum&#xa0;!</translation>
    </message>
    <message>
        <source>Transmits at the same time as the other antennas of the site</source>
        <translation>Émet en même temps que les autres antennes de l&apos;emplacement</translation>
    </message>
    <message>
        <source>Band</source>
        <translation>Bande</translation>
    </message>
    <message>
        <source>This antenna works on several bands: please choose its frequency first...</source>
        <translation>Cette antenne fonctionne sur plusieurs bandes : choisissez d&apos;abord sa fréquence...</translation>
    </message>
    <message>
        <source>There is no correct value for the &quot;%1&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur correcte pour le champ «&#xa0;%1&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>Off the beam</source>
        <translation>Écart au faisceau</translation>
    </message>
    <message>
        <source>+ raises the beam, - lowers it</source>
        <translation>+ relève le faisceau, - l&apos;abaisse</translation>
    </message>
</context>
<context>
    <name>TfraBase</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>  &amp;Back</source>
        <translation>  &amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Next  </source>
        <translation>&amp;Suivant  </translation>
    </message>
    <message>
        <source>Save the changes ?</source>
        <translation>Enregistrer les modifications&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TfraBiptData</name>
    <message>
        <source>VLM Last Steps</source>
        <translation>VLM&#xa0;: dernières étapes</translation>
    </message>
    <message>
        <source>  All Files in Personal Directory (</source>
        <translation>  Tous les fichiers du dossier personnel (</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>All files have been written in a ZIP File as :</source>
        <translation>Tous les fichiers ont été écrits dans un fichier ZIP&#xa0;:</translation>
    </message>
    <message>
        <source>Couldn&apos;t create the ZIP File in </source>
        <translation>Impossible de créer le fichier ZIP dans </translation>
    </message>
    <message>
        <source>Check if the folder exists...</source>
        <translation>Vérifiez que le dossier existe...</translation>
    </message>
    <message>
        <source>  Findings Terrain Study  </source>
        <translation>  Constatations de l&apos;étude de terrain  </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>  Create BIPT Database File  </source>
        <translation>  Créer le fichier de base de données IBPT  </translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>  Final Report  </source>
        <translation>  Rapport final  </translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Imprimer</translation>
    </message>
    <message>
        <source>Save &amp;Letter</source>
        <translation>Enregistrer la &amp;lettre</translation>
    </message>
    <message>
        <source>  Create the ZIP File  </source>
        <translation>  Créer le fichier ZIP  </translation>
    </message>
    <message>
        <source>Are all required files in your personal directory? Also the plan and the terrain study map if applicable? Remove all files that are redundant or not required before creating the Zip file! </source>
        <translation>Tous les fichiers requis sont-ils dans votre dossier personnel&#xa0;? Aussi le plan et la carte de l&apos;étude de terrain, le cas échéant&#xa0;? Supprimez tous les fichiers superflus ou non requis avant de créer le fichier ZIP&#xa0;! </translation>
    </message>
    <message>
        <source>  All Files in Personal Directory  </source>
        <translation>  Tous les fichiers du dossier personnel  </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Created</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Accessed</source>
        <translation>Consulté</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
</context>
<context>
    <name>TfraCriticalPnts</name>
    <message>
        <source>Critical Test Points</source>
        <translation>Points de test critiques</translation>
    </message>
    <message>
        <source>None of your sites has an antenna yet. Place an antenna first.</source>
        <translation>Aucun de vos emplacements n&apos;a encore d&apos;antenne. Placez d&apos;abord une antenne.</translation>
    </message>
    <message>
        <source>Deleting All Critical Test Points</source>
        <translation>Suppression de tous les points de test critiques</translation>
    </message>
    <message>
        <source>Are you sure you want to delete All Critical Test Points ?</source>
        <translation>Êtes-vous sûr de vouloir supprimer tous les points de test critiques&#xa0;?</translation>
    </message>
    <message>
        <source>  Critical Test Points (Overview)  </source>
        <translation>  Points de test critiques (aperçu)  </translation>
    </message>
    <message>
        <source>Double Click to see the Graphical View</source>
        <translation>Double-cliquez pour voir la vue graphique</translation>
    </message>
    <message>
        <source>Maximum Field Strength: </source>
        <translation>Champ électrique maximal&#xa0;: </translation>
    </message>
    <message>
        <source>  Modify Critical Test Points  </source>
        <translation>  Modifier les points de test critiques  </translation>
    </message>
    <message>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Space Attenuation</source>
        <translation>Atténuation de l&apos;espace</translation>
    </message>
    <message>
        <source>Description of the Critical Point</source>
        <translation>Description du point critique</translation>
    </message>
    <message>
        <source>  Add Critical Test Points  </source>
        <translation>  Ajouter des points de test critiques  </translation>
    </message>
    <message>
        <source>First press &quot;Enter&quot; and then &quot;Save&quot; or go to &quot;Next&quot;...</source>
        <translation>Appuyez d&apos;abord sur &quot;Entrée&quot;, puis sur &quot;Enregistrer&quot; ou passez à &quot;Suivant&quot;...</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>&amp;Add CTP</source>
        <translation>&amp;Ajouter un PTC</translation>
    </message>
    <message>
        <source>  &amp;Delete</source>
        <translation>  Su&amp;pprimer</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Imprimer</translation>
    </message>
    <message>
        <source>D&amp;elete All</source>
        <translation>&amp;Tout supprimer</translation>
    </message>
    <message>
        <source>Updating %1</source>
        <translation>Mise à jour de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to update %1 ?</source>
        <translation>Êtes-vous sûr de vouloir mettre à jour %1&#xa0;?</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>Suppression de %1</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 ?</source>
        <translation>Êtes-vous sûr de vouloir supprimer %1&#xa0;?</translation>
    </message>
    <message>
        <source>The power chain of %1 was never saved: enter its power on the power page to see its plot.</source>
        <translation>La chaîne de puissance de %1 n&apos;a jamais été enregistrée : entrez sa puissance sur la page de puissance pour voir son graphique.</translation>
    </message>
    <message>
        <source>%1 dB below 1 GHz, %2 dB from 1 GHz</source>
        <translation>%1 dB sous 1 GHz, %2 dB dès 1 GHz</translation>
    </message>
</context>
<context>
    <name>TfraPowerFreq</name>
    <message>
        <source>Power Data</source>
        <translation>Données de puissance</translation>
    </message>
    <message>
        <source>No Antenna Selected !</source>
        <translation>Aucune antenne choisie&#xa0;!</translation>
    </message>
    <message>
        <source>For : </source>
        <translation>Pour&#xa0;: </translation>
    </message>
    <message>
        <source>This value should be greater than 0 Watt !</source>
        <translation>Cette valeur doit être supérieure à 0 watt&#xa0;!</translation>
    </message>
    <message>
        <source>The power data of %1 were changed. Save the changes ?</source>
        <translation>Les données de puissance de %1 ont été modifiées. Enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid number. Nothing was saved.</source>
        <translation>&quot;%1&quot; n&apos;est pas un nombre valable. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Antenna</source>
        <translation>Antenne</translation>
    </message>
    <message>
        <source>Type :</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Make / Description :</source>
        <translation>Marque / description&#xa0;:</translation>
    </message>
    <message>
        <source>Gain (dBi) :</source>
        <translation>Gain (dBi)&#xa0;:</translation>
    </message>
    <message>
        <source>Frequency :</source>
        <translation>Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>Transmitter Power (W) :</source>
        <translation>Puissance d&apos;émission (W)&#xa0;:</translation>
    </message>
    <message>
        <source>dBW</source>
        <translation>dBW</translation>
    </message>
    <message>
        <source>Mode :</source>
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Transmit Time :</source>
        <translation>Temps d&apos;émission&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>  Feeder Losses  </source>
        <translation>  Pertes de la ligne d&apos;alimentation  </translation>
    </message>
    <message>
        <source>Calculate Losses</source>
        <translation>Calculer les pertes</translation>
    </message>
    <message>
        <source>Cable Type</source>
        <translation>Type de câble</translation>
    </message>
    <message>
        <source>Length (m)</source>
        <translation>Longueur (m)</translation>
    </message>
    <message>
        <source>Loss (dB)</source>
        <translation>Pertes (dB)</translation>
    </message>
    <message>
        <source>Section %1</source>
        <translation>Tronçon %1</translation>
    </message>
    <message>
        <source>Total of Feeder Losses =</source>
        <translation>Total des pertes de ligne =</translation>
    </message>
    <message>
        <source>Total (dB) :</source>
        <translation>Somme (dB)&#xa0;:</translation>
    </message>
    <message>
        <source>  Additional Losses  </source>
        <translation>  Pertes additionnelles  </translation>
    </message>
    <message>
        <source>Power / SWR Meter :</source>
        <translation>Wattmètre / ROS-mètre&#xa0;:</translation>
    </message>
    <message>
        <source>Antenna Tuner :</source>
        <translation>Boîte d&apos;accord&#xa0;:</translation>
    </message>
    <message>
        <source>Low Pass Filter :</source>
        <translation>Filtre passe-bas&#xa0;:</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>Connector Pairs :</source>
        <translation>Paires de connecteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Total of Additional Losses =</source>
        <translation>Total des pertes additionnelles =</translation>
    </message>
    <message>
        <source>  Result  </source>
        <translation>  Résultat  </translation>
    </message>
    <message>
        <source>Average Power at the Antenna :</source>
        <translation>Puissance moyenne à l&apos;antenne&#xa0;:</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>EIRP :</source>
        <translation>PIRE&#xa0;:</translation>
    </message>
    <message>
        <source>SWR/Power Meter: 
0.03 dB on HF
0.05 dB on VHF
up to 0.01 dB on UHF</source>
        <translation>ROS-mètre/wattmètre&#xa0;: 
0,03 dB en HF
0,05 dB en VHF
jusqu&apos;à 0,01 dB en UHF</translation>
    </message>
    <message>
        <source>Antenna Tuner: 
Typical 0.1 to 0.3 dB max.</source>
        <translation>Boîte d&apos;accord&#xa0;: 
Typiquement 0,1 à 0,3 dB max.</translation>
    </message>
    <message>
        <source>Connectors (one male + one female): 
0.005 to 0.05 dB on HF
0.01 to 0.05 dB on VHF
0.02 to 0.1 dB on UHF</source>
        <translation>Connecteurs (un mâle + un femelle)&#xa0;: 
0,005 à 0,05 dB en HF
0,01 à 0,05 dB en VHF
0,02 à 0,1 dB en UHF</translation>
    </message>
    <message>
        <source>Other Sources of Attenuation: 
Specify as required (dB)</source>
        <translation>Autres sources d&apos;atténuation&#xa0;: 
À préciser selon le cas (dB)</translation>
    </message>
    <message>
        <source>Low Pass Filter Attenuation: 
Specify as required (dB)</source>
        <translation>Atténuation du filtre passe-bas&#xa0;: 
À préciser selon le cas (dB)</translation>
    </message>
    <message>
        <source>Safety Distance :</source>
        <translation>Distance de sécurité :</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>Fills the fields with the power data of the chosen antenna; Save keeps them</source>
        <translation>Remplit les champs avec les données de puissance de l&apos;antenne choisie&#xa0;; Enregistrer les conserve</translation>
    </message>
    <message>
        <source>Power data of :</source>
        <translation>Données de puissance de&#xa0;:</translation>
    </message>
    <message>
        <source>%1 (duty factor %2)</source>
        <translation>%1 (facteur d&apos;utilisation %2)</translation>
    </message>
</context>
<context>
    <name>TfraQrpInput</name>
    <message>
        <source>Special Low Power Case</source>
        <translation>Cas particulier de faible puissance</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The requirements are met ...</source>
        <translation>Les exigences sont remplies ...</translation>
    </message>
    <message>
        <source>The requirements are not met !</source>
        <translation>Les exigences ne sont pas remplies&#xa0;!</translation>
    </message>
    <message>
        <source>This value should be greater than 0 Watt !</source>
        <translation>Cette valeur doit être supérieure à 0 watt&#xa0;!</translation>
    </message>
    <message>
        <source>QRP Report</source>
        <translation>Rapport QRP</translation>
    </message>
    <message>
        <source>The picture could not be saved as %1 !</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée sous %1&#xa0;!</translation>
    </message>
    <message>
        <source>All files were saved... (</source>
        <translation>Tous les fichiers ont été enregistrés... (</translation>
    </message>
    <message>
        <source>  Station  </source>
        <translation>  Station  </translation>
    </message>
    <message>
        <source>Min. Hor. Clearance (m)</source>
        <translation>Dist. hor. min. (m)</translation>
    </message>
    <message>
        <source>Min. Vert. Clearance (m)</source>
        <translation>Dist. vert. min. (m)</translation>
    </message>
    <message>
        <source>TX Output Power (W)</source>
        <translation>Puissance d&apos;émission (W)</translation>
    </message>
    <message>
        <source>Max. Antenna Gain (dBi)</source>
        <translation>Gain d&apos;antenne max. (dBi)</translation>
    </message>
    <message>
        <source>Coax Losses (dB)</source>
        <translation>Pertes du coaxial (dB)</translation>
    </message>
    <message>
        <source>Mode correction</source>
        <translation>Correction de mode</translation>
    </message>
    <message>
        <source>Time correction</source>
        <translation>Correction de temps</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>  Result  </source>
        <translation>  Résultat  </translation>
    </message>
    <message>
        <source>ERP</source>
        <translation>PAR</translation>
    </message>
    <message>
        <source>Watt</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Horiz. Clearance</source>
        <translation>Distance horiz.</translation>
    </message>
    <message>
        <source>Vert. Clearance</source>
        <translation>Distance vert.</translation>
    </message>
    <message>
        <source>ERP (W) :</source>
        <translation>PAR (W)&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Files</source>
        <translation>Fic&amp;hiers</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Imprimer</translation>
    </message>
</context>
<context>
    <name>TfraReportView</name>
    <message>
        <source>VLM Reporting</source>
        <translation>Rapports VLM</translation>
    </message>
    <message>
        <source>  Select Antenna  </source>
        <translation>  Choisir l&apos;antenne  </translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Imprimer</translation>
    </message>
    <message>
        <source>Make &amp;File</source>
        <translation>Créer le &amp;fichier</translation>
    </message>
    <message>
        <source>  Report  </source>
        <translation>  Rapport  </translation>
    </message>
    <message>
        <source>Report on</source>
        <translation>Rapport sur</translation>
    </message>
    <message>
        <source>The Report was saved... (</source>
        <translation>Le rapport a été enregistré... (</translation>
    </message>
    <message>
        <source>E&amp;xposure Summary</source>
        <translation>Synthèse de l&apos;e&amp;xposition</translation>
    </message>
    <message>
        <source>The method, every critical test point against every antenna, the combined exposure and the safety distances, as a PDF file</source>
        <translation>La méthode, chaque point de test critique face à chaque antenne, l&apos;exposition combinée et les distances de sécurité, en fichier PDF</translation>
    </message>
    <message>
        <source>The exposure summary was saved... (</source>
        <translation>La synthèse de l&apos;exposition a été enregistrée... (</translation>
    </message>
    <message>
        <source>Make &amp;all reports</source>
        <translation>Créer &amp;tous les rapports</translation>
    </message>
    <message>
        <source>Saves the report of every antenna as a PDF file in your personal directory</source>
        <translation>Enregistre le rapport de chaque antenne en fichier PDF dans votre dossier personnel</translation>
    </message>
    <message>
        <source>Saving the antenna reports...</source>
        <translation>Enregistrement des rapports d&apos;antenne...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>TfraSiteDef</name>
    <message>
        <source>There is no correct value for the &quot;%1&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur correcte pour le champ &quot;%1&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Base de données</translation>
    </message>
    <message>
        <source>&lt; Invalid Values</source>
        <translation>&lt; Valeurs non valables</translation>
    </message>
    <message>
        <source>Invalid Values &gt;</source>
        <translation>Valeurs non valables &gt;</translation>
    </message>
    <message>
        <source>  Site Data  </source>
        <translation>  Données de l&apos;emplacement  </translation>
    </message>
    <message>
        <source>Clubstation :</source>
        <translation>Station de club&#xa0;:</translation>
    </message>
    <message>
        <source>This antenna(s) already exists on this site :</source>
        <translation>Cette ou ces antennes existent déjà sur cet emplacement&#xa0;:</translation>
    </message>
    <message>
        <source>Site also used by another operator (ex. GSM) :</source>
        <translation>Emplacement aussi utilisé par un autre opérateur (p. ex. GSM)&#xa0;:</translation>
    </message>
    <message>
        <source>Address (Main)</source>
        <translation>Adresse (principale)</translation>
    </message>
    <message>
        <source>Address (Complement)</source>
        <translation>Adresse (complément)</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Commune</translation>
    </message>
    <message>
        <source>BIPT Reference</source>
        <translation>Référence IBPT</translation>
    </message>
    <message>
        <source>Club Call</source>
        <translation>Indicatif du club</translation>
    </message>
    <message>
        <source>Antenna location shared with... (Provider)</source>
        <translation>Emplacement d&apos;antenne partagé avec... (opérateur)</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>  Note to BIPT  </source>
        <translation>  Note à l&apos;IBPT  </translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Copy  </source>
        <translation>Copier  </translation>
    </message>
    <message>
        <source>  Tower Location / Antenna Location  </source>
        <translation>  Pylône / emplacement d&apos;antenne  </translation>
    </message>
    <message>
        <source>Main Location</source>
        <translation>Site principal</translation>
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
        <translation>Coordonnées géographiques</translation>
    </message>
    <message>
        <source>WGS84</source>
        <translation>WGS84</translation>
    </message>
    <message>
        <source>Deg.</source>
        <translation>Deg.</translation>
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
        <translation>Longitude (est)</translation>
    </message>
    <message>
        <source>Latitude (North)</source>
        <translation>Latitude (nord)</translation>
    </message>
    <message>
        <source>Select Tower / Antenna Location</source>
        <translation>Choisir pylône / emplacement d&apos;antenne</translation>
    </message>
    <message>
        <source>Add Location</source>
        <translation>Ajouter un emplacement</translation>
    </message>
    <message>
        <source>Delete Location</source>
        <translation>Supprimer l&apos;emplacement</translation>
    </message>
    <message>
        <source>  Overview of the Antanna Locations   </source>
        <translation>  Aperçu des emplacements d&apos;antenne   </translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Longitude (E)</source>
        <translation>Longitude (E)</translation>
    </message>
    <message>
        <source>Latitude (N)</source>
        <translation>Latitude (N)</translation>
    </message>
    <message>
        <source>Ref.</source>
        <translation>Réf.</translation>
    </message>
    <message>
        <source>Antenna Location</source>
        <translation>Emplacement d&apos;antenne</translation>
    </message>
    <message>
        <source>Deleting Current Site</source>
        <translation>Suppression de l&apos;emplacement actuel</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this Antenna Site ?</source>
        <translation>Êtes-vous sûr de vouloir supprimer cet emplacement d&apos;antenne&#xa0;?</translation>
    </message>
    <message>
        <source>The antenna locations and their coordinates appear here once the address and the town above are saved.</source>
        <translation>Les emplacements d&apos;antenne et leurs coordonnées apparaissent ici dès que l&apos;adresse et la commune ci-dessus sont enregistrées.</translation>
    </message>
    <message>
        <source>The Lambert 72 and the WGS84 coordinates do not describe the same place ! Type one of the two again, so that the other is converted from it.</source>
        <translation>Les coordonnées Lambert 72 et WGS84 ne décrivent pas le même endroit&#xa0;! Retapez l&apos;une des deux, afin que l&apos;autre en soit convertie.</translation>
    </message>
    <message>
        <source>Site Data</source>
        <translation>Données du site</translation>
    </message>
</context>
<context>
    <name>TfraUserData</name>
    <message>
        <source>There is no Database Connection available !</source>
        <translation>Aucune connexion à la base de données n&apos;est disponible&#xa0;!</translation>
    </message>
    <message>
        <source>Select User Data</source>
        <translation>Choisir l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Add User</source>
        <translation>Ajouter un utilisateur</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Search DB</source>
        <translation>Chercher la base</translation>
    </message>
    <message>
        <source>QR&amp;P</source>
        <translation>QR&amp;P</translation>
    </message>
    <message>
        <source>  User Data  </source>
        <translation>  Données de l&apos;utilisateur  </translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>First Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Other Ham Operators</source>
        <translation>Autres radioamateurs</translation>
    </message>
    <message>
        <source>Address (Main)</source>
        <translation>Adresse (principale)</translation>
    </message>
    <message>
        <source>Address (Complement)</source>
        <translation>Adresse (complément)</translation>
    </message>
    <message>
        <source>Zip</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Town</source>
        <translation>Commune</translation>
    </message>
    <message>
        <source>Phone (Home)</source>
        <translation>Téléphone (domicile)</translation>
    </message>
    <message>
        <source>Phone (Mobile)</source>
        <translation>Téléphone (GSM)</translation>
    </message>
    <message>
        <source>Phone (Office)</source>
        <translation>Téléphone (bureau)</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Remark</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>User Directory</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>  Note to BIPT  </source>
        <translation>  Note à l&apos;IBPT  </translation>
    </message>
    <message>
        <source>  Select Case  </source>
        <translation>  Choisir le cas  </translation>
    </message>
    <message>
        <source>Normal Case</source>
        <translation>Cas normal</translation>
    </message>
    <message>
        <source>Only Portable or Mobile</source>
        <translation>Uniquement portable ou mobile</translation>
    </message>
    <message>
        <source>Only below 10 MHz</source>
        <translation>Uniquement en dessous de 10 MHz</translation>
    </message>
    <message>
        <source>Only above 10 GHz</source>
        <translation>Uniquement au-dessus de 10 GHz</translation>
    </message>
    <message>
        <source>Only SWL</source>
        <translation>Uniquement écouteur (SWL)</translation>
    </message>
    <message>
        <source> &amp;Print</source>
        <translation> &amp;Imprimer</translation>
    </message>
    <message>
        <source>User Data</source>
        <translation>Données de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Printing the declaration is not available in this version.</source>
        <translation>L&apos;impression de la déclaration n&apos;est pas disponible dans cette version.</translation>
    </message>
    <message>
        <source>Select an Output Directory...</source>
        <translation>Choisissez un dossier de sortie...</translation>
    </message>
    <message>
        <source>There is no value for the &quot;First Name&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Prénom&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Name&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Nom&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Call&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Indicatif&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Language&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Langue&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Address (Main)&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Adresse (principale)&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>There is no value for the &quot;Zip&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Code postal&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>There is no value for the &quot;City&quot; field !</source>
        <translation>Il n&apos;y a pas de valeur pour le champ &quot;Commune&quot;&#xa0;!</translation>
    </message>
    <message>
        <source>The call &quot;%1&quot; cannot be used as a file name.</source>
        <translation>L&apos;indicatif &quot;%1&quot; ne peut pas servir de nom de fichier.</translation>
    </message>
    <message>
        <source>The call may not contain path separators, control characters or any of : * ? &quot; &lt; &gt; |, because it becomes part of the names of your files.</source>
        <translation>L&apos;indicatif ne peut contenir ni séparateurs de chemin, ni caractères de contrôle, ni aucun de&#xa0;: *&#xa0;? &quot; &lt; &gt; |, car il fait partie des noms de vos fichiers.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands for no town yet: type the postcode of your address !</source>
        <translation>&quot;%1&quot; signifie pas encore de commune&#xa0;: tapez le code postal de votre adresse&#xa0;!</translation>
    </message>
</context>
<context>
    <name>TfraWelcome</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Changer de langue</translation>
    </message>
    <message>
        <source>The translation of the program into %1 cannot be found, so the program stays in English. Install the program again to repair it.</source>
        <translation>La traduction du programme (%1) est introuvable&#xa0;; le programme reste donc en anglais. Réinstallez le programme pour le réparer.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;The page %1 cannot be found.&lt;/h3&gt;</source>
        <translation>&lt;h3&gt;La page %1 est introuvable.&lt;/h3&gt;</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenue</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Starting VLM</source>
        <translation>Démarrage de VLM</translation>
    </message>
    <message>
        <source>Leaving VLM</source>
        <translation>Quitter VLM</translation>
    </message>
    <message>
        <source>Are you sure you want to leave VLM ?</source>
        <translation>Êtes-vous sûr de vouloir quitter VLM&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TfrmSplash</name>
    <message>
        <source>Looking for an Internet Connection...</source>
        <translation>Recherche d&apos;une connexion Internet...</translation>
    </message>
    <message>
        <source>Ver.: </source>
        <translation>Version&#xa0;: </translation>
    </message>
</context>
<context>
    <name>UpdateNotifier</name>
    <message>
        <source>VLM Update</source>
        <translation>Mise à jour VLM</translation>
    </message>
    <message>
        <source>A new version of VLM (%1) is available; you are using %2.</source>
        <translation>Une nouvelle version de VLM (%1) est disponible&#xa0;; vous utilisez la %2.</translation>
    </message>
    <message>
        <source>Do you want to download it into %1 ?</source>
        <translation>Voulez-vous la télécharger dans %1&#xa0;?</translation>
    </message>
    <message>
        <source>The new version has been saved as :</source>
        <translation>La nouvelle version a été enregistrée sous&#xa0;:</translation>
    </message>
    <message>
        <source>Close VLM before installing it.</source>
        <translation>Fermez VLM avant de l&apos;installer.</translation>
    </message>
    <message>
        <source>The new version couldn&apos;t be downloaded !</source>
        <translation>La nouvelle version n&apos;a pas pu être téléchargée&#xa0;!</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written.</source>
        <translation>Le dossier %1 n&apos;est pas accessible en écriture.</translation>
    </message>
</context>
<context>
    <name>Wizard</name>
    <message>
        <source>Welcome to VLM</source>
        <translation>Bienvenue dans VLM</translation>
    </message>
    <message>
        <source>User Personal Data</source>
        <translation>Données personnelles</translation>
    </message>
    <message>
        <source>Special Low Power Case</source>
        <translation>Cas particulier de faible puissance</translation>
    </message>
    <message>
        <source>Site Data</source>
        <translation>Données de l&apos;emplacement</translation>
    </message>
    <message>
        <source>Antenna Data</source>
        <translation>Données de l&apos;antenne</translation>
    </message>
    <message>
        <source>Power Data</source>
        <translation>Données de puissance</translation>
    </message>
    <message>
        <source>Critical Test Points</source>
        <translation>Points de test critiques</translation>
    </message>
    <message>
        <source>VLM Reporting</source>
        <translation>Rapports VLM</translation>
    </message>
    <message>
        <source>Last Step...</source>
        <translation>Dernière étape...</translation>
    </message>
</context>
</TS>
