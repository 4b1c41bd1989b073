-- Document templates in French (IdLanguage 3), one row per document
-- name. The program replaces the placeholders in angle brackets when it
-- prints: <CALL> becomes the owner's call (in a letter, in parentheses);
-- <CERT_INFO> and <FILE_INFO> in the cover letters become the findings of
-- the terrain study and the list of enclosed files; the antenna report's
-- placeholders become the owner's, the location's and the antenna's data,
-- and one line per critical test point follows its last line.
-- Letters keep their lines short (they are printed with a proportional font
-- between fixed margins) and their bodies within the lines the letter page
-- holds. Text written for this program.

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('AntReport', 3, 'Rapport d''un emplacement d''antenne',
'RAPPORT D''EXPOSITION AUX RAYONNEMENTS - ANTENNE <ANTREF>
Date : <DATE>

STATION
   Indicatif          : <CALL>
   Opérateur          : <FNAME> <NAME>
   Adresse            : <ADDRESS1>, <ZIP> <CITY>
   Téléphone          : <PHONE>
   E-mail             : <MAIL>

EMPLACEMENT
   Nom                : <LOCREM>
   Lambert 72         : X = <LAMX> m, Y = <LAMY> m
   Site principal     : <LOCMAIN>

ANTENNE
   Référence          : <ANTREF>
   Type               : <ANTTYPE>
   Marque/description : <ANTMAKE>
   Hauteur            : <ANTHEIGHT> m au-dessus du sol
   Inclinaison        : <ANTTILT>°
   Fréquence          : <ANTFREQ> MHz
   Gain               : <ANTGAIN> dBi

DIAGRAMME DE RAYONNEMENT VERTICAL (angle par rapport au lobe principal)
   Angle (°)   : 0     10    20    30    40    50    60    70    80    90
   Gain (dBi)  :<V00> <V10> <V20> <V30> <V40> <V50> <V60> <V70> <V80> <V90>

PUISSANCE
   Puissance moyenne à l''antenne : <ANTPWR> dBW
   PIRE                          : <EIRPPWR> dBW

CHAMP ÉLECTRIQUE AUX POINTS DE TEST CRITIQUES
   Point       Distance (m)    Hauteur (m)     Atténuation (dB)         E (V/m)');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('CertFile', 3, 'Lettre d''accompagnement : dossier de certification avec étude de terrain',
'Objet : dossier de certification de la station radioamateur <CALL>

Madame, Monsieur,

Veuillez trouver ci-joint le dossier d''antenne de ma station de
radioamateur. En un ou plusieurs points de test critiques, le champ
calculé n''est pas dans la classe la plus basse ; je vous soumets
donc un dossier de certification. Les constatations de l''étude de
terrain sont :
<CERT_INFO>
Le dossier comprend les documents suivants :
<FILE_INFO>
Je reste à votre disposition pour tout renseignement complémentaire.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('TechFile', 3, 'Lettre d''accompagnement : dossier technique d''antenne',
'Objet : dossier d''antenne de la station radioamateur <CALL>

Madame, Monsieur,

Veuillez trouver ci-joint le dossier technique d''antenne de ma
station de radioamateur. En chaque point de test critique, le champ
calculé reste dans la classe la plus basse, bien en dessous des
limites ; un dossier technique d''antenne suffit donc pour cette
installation.

Le dossier comprend les documents suivants :
<FILE_INFO>
Les mêmes données figurent aussi dans la base de données jointe. Je
reste à votre disposition pour tout renseignement complémentaire.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('QRP', 3, 'Lettre : installation de faible puissance',
'Objet : station radioamateur <CALL> de faible puissance

Madame, Monsieur,

Ma station de radioamateur émet uniquement en faible puissance. Au
lieu d''un calcul du champ par antenne, j''ai vérifié que la puissance
apparente rayonnée (PAR) de la station reste dans les classes de
puissance du tableau de faible puissance, et que l''antenne respecte
au moins la distance horizontale ou verticale requise par rapport à
tout endroit où des personnes peuvent séjourner.

Le résultat de cette vérification figure à la page suivante :
puissance de l''émetteur, gain de l''antenne, pertes et corrections,
PAR obtenue et distances applicables à la fréquence utilisée.

Je déclare que ces données sont exactes et que je n''augmenterai pas
la puissance ni ne réduirai les distances sans vous en avertir au
préalable.

Je reste à votre disposition pour tout renseignement complémentaire.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('MobilePortable', 3, 'Déclaration : station portable ou mobile uniquement',
'Objet : déclaration pour la station radioamateur <CALL>

Madame, Monsieur,

Par la présente, je déclare utiliser ma station de radioamateur
uniquement comme station portable ou mobile. Aucune antenne
d''émission n''est installée de façon permanente à mon adresse ni à un
autre endroit fixe.

Les antennes portables ne sont installées que pour la durée du
trafic, à des endroits où personne ne séjourne à proximité de
l''antenne pendant que j''émets.

Je vous ferai parvenir un dossier d''antenne complet avant
d''installer une antenne d''émission fixe.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Below10Mhz', 3, 'Déclaration : émission en dessous de 10 MHz uniquement',
'Objet : déclaration pour la station radioamateur <CALL>

Madame, Monsieur,

Par la présente, je déclare que ma station de radioamateur émet
uniquement sur les bandes amateur en dessous de 10 MHz (160 m, 80 m,
60 m et 40 m).

Pour ces fréquences, le champ n''est pas évalué par antenne, aucune
classe de limite ne s''appliquant en dessous de 10 MHz dans
l''évaluation. Mes antennes sont installées de sorte que personne ne
puisse les toucher ni séjourner à proximité immédiate pendant que
j''émets.

Je vous ferai parvenir un dossier d''antenne complet avant d''émettre
sur une bande de 10 MHz ou plus.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('Above10GHz', 3, 'Déclaration : émission au-dessus de 10 GHz uniquement',
'Objet : déclaration pour la station radioamateur <CALL>

Madame, Monsieur,

Par la présente, je déclare que ma station de radioamateur émet
uniquement sur les bandes amateur au-dessus de 10 GHz.

À ces fréquences, j''utilise de petites antennes directives avec une
faible puissance d''émission. Elles sont installées de sorte que leur
lobe principal ne soit jamais dirigé vers un endroit où des
personnes peuvent séjourner, et personne ne peut se trouver devant
une antenne pendant que j''émets.

Je vous ferai parvenir un dossier d''antenne complet avant d''émettre
sur une bande en dessous de 10 GHz.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('SWL', 3, 'Déclaration : station d''écoute uniquement',
'Objet : déclaration pour la station d''écoute <CALL>

Madame, Monsieur,

Par la présente, je déclare que ma station est uniquement une
station d''écoute (radioécouteur). Elle ne comporte aucun émetteur et
ne peut émettre sur aucune fréquence.

Les antennes de réception n''émettent aucune énergie radioélectrique
; mon installation n''expose donc pas le public aux rayonnements.

Je vous ferai parvenir un dossier d''antenne complet avant de mettre
un émetteur en service.

Veuillez agréer, Madame, Monsieur, mes salutations distinguées.');

-- The exposure summary: sections opened by [NAME] lines; POINTS and SAFETY hold the
-- column captions separated by "|", WORDS the words of the tables as key=text.
INSERT INTO tblDocs (DocsName, IdLanguage, DocsDesc, DocsText) VALUES ('ExposureSummary', 3, 'Synthèse de l''exposition de la station',
'[TITLE]
Synthèse de l''exposition RF de la station <CALL>
[INTRO]
Opérateur : <NAME>
Date : <DATE>
Pour chaque emplacement de la station : le champ de chaque antenne installée en chaque point de test critique, l''exposition due aux antennes qui émettent en même temps, et la distance de sécurité de chaque antenne.
[METHOD]
Méthode. Le champ électrique E (V/m, efficace) est calculé en espace libre à partir de la puissance moyenne P à l''antenne (après les pertes de la ligne, les pertes supplémentaires et les corrections de mode et de temps d''émission), diminuée de l''atténuation du point.
Antennes filaires : champ lointain, E = sqrt(30 × P × G) / R, avec R la distance oblique et G le gain vers le point selon le diagramme de rayonnement vertical, relevé là où il est bien en dessous du lobe principal.
Antennes à ouverture (paraboles, D = N longueurs d''onde) : champ proche jusqu''à A = D² / (4 × lambda), E = sqrt(960,5 × P) / D ; zone de transition jusqu''à B = 0,6 × lambda × N², E = sqrt(240,13 × P / (lambda × R)) ; au-delà de B le champ lointain. À côté du faisceau, les valeurs du champ proche et de la zone de transition perdent 24 dB par diamètre au-delà du bord, au plus 20 dB.
Limites L1 : 13,7 V/m de 10 à 400 MHz, 0,686 × sqrt(f) V/m de 400 à 2000 MHz, 30,7 V/m au-dessus de 2000 MHz (f en MHz). En dessous de 10 MHz aucune limite ne s''applique.
Les antennes qui émettent en même temps s''additionnent : Q = somme des (E / L1)² de ces antennes ; Q <= 1 est conforme. Indiqué comme 100 × sqrt(Q) % de la limite.
Distance de sécurité : la plus grande distance à l''antenne, dans la direction de son gain maximal, à laquelle E atteint encore L1 (puissance à l''antenne, sans atténuation).
Non pris en compte : les réflexions sur le sol et sur les bâtiments, et le champ magnétique en dessous de 10 MHz.
[POINTS]
Point|Antenne|f (MHz)|E (V/m)|Limite (V/m)|% de limite|Verdict
[SAFETY]
Antenne|f (MHz)|Limite (V/m)|Distance de sécurité
[WORDS]
site=Emplacement
points=Points de test critiques
together=Ensemble
safety=Distances de sécurité
nopower=pas de chaîne de puissance
nolimit=aucune limite sous 10 MHz
incomplete=L''évaluation est incomplète : pas de chaîne de puissance pour %1.
nopoints=Aucun point de test critique à cet emplacement.
verdict1=au-dessus de la limite
verdict2=au plus la limite
verdict3=sous le niveau d''alerte
verdict4=sous le niveau bas');
