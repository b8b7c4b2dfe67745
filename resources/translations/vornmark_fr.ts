<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Plateau de Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>ligne %1, colonne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>pas de tir</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>votre tir de la salve %1, navire de Vornmark</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>votre tir de la salve %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>tir de la salve %1 de Vornmark</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>votre navire, touché par la salve %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>votre navire</translation>
    </message>
    <message>
        <source>water</source>
        <translation>eau</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>votre Corvette</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>votre Destroyer</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>votre Cuirassé</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>votre Sous-marin</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, case %2, touchée à la salve %3, navire sélectionné</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, case %2, non touchée, navire sélectionné</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, case %2, navire sélectionné</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, case %2, touchée à la salve %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, case %2, non touchée</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, case %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Indice&#xa0;: cibles possibles</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Votre flotte vue par Vornmark</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Vue de Vornmark&#xa0;: probabilité, %</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A ship&apos;s name and the number of its placements still possible.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Lancez une partie</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Bienvenue dans Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 ouvre l&apos;aide sur tout le jeu. Une partie en cours est conservée quand vous quittez et reprend au prochain lancement.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Mode Attaque&#xa0;: Vornmark cache quatre navires et ne riposte pas.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Choisissez Fichier/Nouvelle partie, puis cliquez sur des cases de la grille pour tirer votre salve, et coulez la flotte en aussi peu de salves que possible.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Trouvez et coulez les quatre navires cachés de Vornmark avant qu&apos;il ne coule les vôtres.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Disposez votre flotte</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Choisissez Fichier/Placer, puis cliquez sur «&#xa0;Disperser la flotte&#xa0;» en bas à gauche pour une disposition au hasard, ou choisissez le panneau d&apos;un navire et cliquez sur la grille.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Choisissez Fichier/Nouvelle partie, puis cliquez sur des cases de la grille pour tirer votre salve. Vornmark calcule lui-même ses touches sur votre flotte.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Trouvez et coulez les quatre navires cachés de Vornmark avant qu&apos;il ne coule les vôtres. En mode Manuel, votre propre flotte reste sur votre papier, et c&apos;est vous qui indiquez ses touches à Vornmark.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Choisissez Fichier/Nouvelle partie, puis cliquez sur des cases de la grille pour tirer votre salve.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Indiquez les touches de Vornmark</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Quand Vornmark a tiré, cliquez sur le panneau de chacun de vos navires touchés, une fois par touche, puis sur «&#xa0;Cliquez pour continuer&#xa0;».</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Voici où Vornmark a tiré</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Cliquez sur ce que Vornmark a touché</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Tir restant&#xa0;: %n</numerusform>
            <numerusform>Tirs restants&#xa0;: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>Ce que vous avez touché</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Vous dormez avec les poissons</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Félicitations, capitaine</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Placez vos navires.
[1] Cliquez sur un navire, puis sur la grille pour le placer
[2] Clic droit pour le faire pivoter
[3] Choisissez Fichier/Nouvelle partie pour jouer</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Erreur de taille de grille</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Le navire «&#xa0;%1&#xa0;» n&apos;est pas placé
Cliquez sur «&#xa0;Fichier/Placer&#xa0;»</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>Le seuil d&apos;ambiguïté doit être compris entre 1 et 30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>Le nombre de tirs par salve doit être compris entre 1 et 10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>La taille de la grille doit être comprise entre 4 et 30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
Impossible de placer %n tir</numerusform>
            <numerusform>
Impossible de placer %n tirs</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Erreur système 109 au niveau Avancé. Retour au niveau Intermédiaire</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Erreur à l&apos;ouverture du fichier stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>Le fichier des statistiques n&apos;a pas pu être lu et a été conservé sous le nom «&#xa0;%1&#xa0;».
Votre bilan repart de zéro.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark n&apos;a pas pu enregistrer son fichier de statistiques.
Il réessaiera à la fin de la prochaine partie.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>Un autre Vornmark est déjà lancé et conserve sa partie en cours.
Celui-ci n&apos;y touche pas&#xa0;: ce que vous jouez ici ne sera pas conservé à sa fermeture.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark ne peut pas conserver la partie en cours dans «&#xa0;%1&#xa0;».
Ce que vous jouez ne sera pas conservé à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>La partie conservée la dernière fois n&apos;a pas pu être reprise (%1).
Le fichier a été conservé sous le nom «&#xa0;%2&#xa0;», et le jeu repart de zéro.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>La partie conservée dans «&#xa0;%1&#xa0;» n&apos;a pu être ni reprise (%2) ni mise de côté.
Ce que vous jouez ne sera pas conservé à la fermeture de la fenêtre.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark n&apos;a pas pu enregistrer la partie en cours dans «&#xa0;%1&#xa0;».
Il réessaie à chaque changement, et quand vous quittez.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
Version %1

Le jeu de salves contre un adversaire qui compte&#xa0;: Vornmark n&apos;apprend jamais lesquels de ses tirs ont touché, seulement combien de touches chacun de vos navires a reçues, et trouve votre flotte en comptant chaque position encore possible.

Écrit par les développeurs de Vornmark.
Compilé avec Qt %2.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write &quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for any other.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Corvette</source>
        <translation>Corvette</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Destroyer</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Cuirassé</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Sous-marin</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>Ma Corvette</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>Mon Destroyer</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>Mon Cuirassé</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>Mon Sous-marin</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>Votre Corvette</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>Votre Destroyer</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>Votre Cuirassé</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>Votre Sous-marin</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Cliquez pour continuer</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Tirez sur la grille</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Cliquez pour voir vos touches</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Cliquez pour voir ma flotte</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Cliquez pour rejouer</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Disperser la flotte</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>phase A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>phase GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>phase DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>Expert, phase A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Expert, phase GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Expert, phase DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Erreur d&apos;accès à %1 en %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Erreur&#xa0;: salve hors limites %1 en %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Erreur&#xa0;: double tir sur %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Erreur&#xa0;: plus de touches que de cases %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Erreur&#xa0;: aucune touche à retirer %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Erreur&#xa0;: %1 non décrit
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Erreur&#xa0;: %1 non décrit f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostic</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>Géométrie</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>Nombre de cases (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Aide de Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Aide de Vornmark&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;Placer</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>&amp;Divers</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Géométrie</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Rythme</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>&amp;Vue de Vornmark</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classique</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>Adapté aux &amp;daltoniens</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>Contraste é&amp;levé</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>So&amp;n</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>À &amp;propos de Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Le fichier de configuration n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>Au prochain lancement, Vornmark parlera la langue du bureau.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>Au prochain lancement, Vornmark parlera %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Options de Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Automatique (Vornmark détermine lui-même où il vous a touché)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Manuel (vous indiquez à Vornmark où il vous a touché)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Attaque (Vornmark ne tire pas sur vous)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Qui commence</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Niveau de jeu</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Seuil d&apos;ambiguïté 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Tirs par salve</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>Rythme</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>Pause après vos tirs&#xa0;?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Pause après les tirs de Vornmark&#xa0;?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tirs</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jouées</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnées</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdues</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandons</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% victoires</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermédiaire</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Vos parties par niveau et par grille</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Salves des parties gagnées et perdues de la ligne sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Réinitialiser...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservé dans %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Aucune partie pour l&apos;instant</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Parties selon le nombre de salves tirées</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>Salves</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>Effacer le bilan de tous les niveaux et de toutes les grilles&#xa0;?
Cette action est irréversible.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>Le fichier des statistiques n&apos;a pas pu être écrit.</translation>
    </message>
</context>
</TS>
