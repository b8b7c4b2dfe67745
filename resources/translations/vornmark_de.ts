<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Vornmark-Spielbrett</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>Zeile %1, Spalte %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>nicht beschossen</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>Ihr Schuss der Salve %1, Vornmarks Schiff</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>Ihr Schuss der Salve %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>Vornmarks Schuss der Salve %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>Ihr Schiff, getroffen von Salve %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>Ihr Schiff</translation>
    </message>
    <message>
        <source>water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>Ihre Korvette</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>Ihr Zerstörer</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>Ihr Schlachtschiff</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>Ihr U-Boot</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, Feld %2, getroffen in Salve %3, gewählt</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, Feld %2, nicht getroffen, gewählt</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, Feld %2, gewählt</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, Feld %2, getroffen in Salve %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, Feld %2, nicht getroffen</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, Feld %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Hinweis: mögliche Treffer</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Vornmarks Sicht Ihrer Flotte</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Vornmarks Sicht: Schiffschance in %</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A ship&apos;s name and the number of its placements still possible.</extracomment>
        <translation>%1: %2</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Ein Spiel beginnen</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Willkommen bei Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 öffnet die Hilfe zum ganzen Spiel. Ein laufendes Spiel bleibt beim Beenden erhalten und geht beim nächsten Start weiter.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Angriffsmodus: Vornmark versteckt vier Schiffe und schießt nicht zurück.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Wählen Sie Datei/Neues Spiel, klicken Sie dann Felder des Spielfelds an, um Ihre Salve abzufeuern, und versenken Sie die Flotte mit so wenigen Salven wie möglich.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Finden und versenken Sie Vornmarks vier versteckte Schiffe, bevor er Ihre versenkt.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Flotte aufstellen</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Wählen Sie Datei/Aufstellen und klicken Sie dann unten links auf „Zufällig verteilen“, oder wählen Sie die Schiffsleiste eines Schiffs und klicken Sie ins Spielfeld.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Wählen Sie Datei/Neues Spiel und klicken Sie dann Felder des Spielfelds an, um Ihre Salve abzufeuern. Vornmark ermittelt seine Treffer auf Ihrer Flotte selbst.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Finden und versenken Sie Vornmarks vier versteckte Schiffe, bevor er Ihre versenkt. Im manuellen Modus bleibt Ihre eigene Flotte auf Ihrem Papier, und Sie melden Vornmark seine Treffer.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Wählen Sie Datei/Neues Spiel und klicken Sie dann Felder des Spielfelds an, um Ihre Salve abzufeuern.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Vornmarks Treffer melden</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Wenn Vornmark gefeuert hat, klicken Sie die Schiffsleiste jedes getroffenen Schiffs an, einmal pro Treffer, dann auf „Hier klicken: Weiter“.</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Hierhin hat Vornmark gefeuert</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Vornmarks Treffer anklicken</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Noch %n Schuss</numerusform>
            <numerusform>Noch %n Schüsse</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>Ihre Treffer</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Sie schlafen bei den Fischen</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Glückwunsch, Kapitän</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Schiffe aufstellen.
[1] Schiff anklicken zum Wählen, dann Spielfeld anklicken zum Setzen
[2] Rechtsklick zum Drehen
[3] Datei/Neues Spiel wählen, um zu spielen</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Fehler bei der Spielfeldgröße</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Schiff „%1“ nicht aufgestellt
Klicken Sie auf „Datei/Aufstellen“</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>Die Mehrdeutigkeitsschwelle muss zwischen 1 und 30 liegen</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>Die Schüsse pro Salve müssen zwischen 1 und 10 liegen</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>Die Spielfeldgröße muss zwischen 4 und 30 liegen</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
%n Schuss konnte nicht gesetzt werden</numerusform>
            <numerusform>
%n Schüsse konnten nicht gesetzt werden</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Systemfehler 109 bei Fortgeschritten. Zurück zu Mittel</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Fehler beim Öffnen von stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>Die Statistikdatei konnte nicht gelesen werden und wurde als „%1“ aufbewahrt.
Ihre Bilanz beginnt von vorn.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark konnte seine Statistikdatei nicht speichern.
Vornmark versucht es erneut, wenn das nächste Spiel endet.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>Ein anderes Vornmark läuft bereits und bewahrt sein laufendes Spiel auf.
Dieses hier lässt jenes Spiel unberührt: Was Sie hier spielen, wird beim Schließen nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark kann das laufende Spiel nicht in „%1“ aufbewahren.
Was Sie spielen, wird beim Schließen des Fensters nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>Das vom letzten Mal aufbewahrte Spiel konnte nicht fortgesetzt werden (%1).
Die Datei wurde als „%2“ aufbewahrt, und es wird neu begonnen.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>Das in „%1“ aufbewahrte Spiel konnte weder fortgesetzt (%2) noch beiseitegelegt werden.
Was Sie spielen, wird beim Schließen des Fensters nicht aufbewahrt.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark konnte das laufende Spiel nicht in „%1“ speichern.
Vornmark versucht es bei jeder Änderung erneut und beim Beenden.</translation>
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

Das Salvenspiel gegen einen Gegner, der zählt: Vornmark erfährt nie, welche seiner Schüsse getroffen haben, nur wie viele Treffer jedes Ihrer Schiffe abbekommen hat, und findet Ihre Flotte, indem er jede Lage zählt, die noch möglich ist.

Geschrieben von den Vornmark-Entwicklern.
Erstellt mit Qt %2.</translation>
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
        <translation>Korvette</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Zerstörer</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Schlachtschiff</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>U-Boot</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>Meine Korvette</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>Mein Zerstörer</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>Mein Schlachtschiff</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>Mein U-Boot</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>Ihre Korvette</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>Ihr Zerstörer</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>Ihr Schlachtschiff</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>Ihr U-Boot</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Hier klicken: Weiter</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Zum Feuern Felder anklicken</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Hier klicken: Treffer zeigen</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Hier klicken: Meine Schiffe</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Hier klicken: Neue Runde</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Zufällig verteilen</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>Phase A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>Phase GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>Phase DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>Experte, Phase A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Experte, Phase GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Experte, Phase DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Fehler beim Zugriff auf %1 bei %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Fehler: Salve außerhalb des Spielfelds %1 bei %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Fehler: zweimal auf %1 %2,%3 geschossen</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Fehler: mehr Treffer als Felder %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Fehler: keine Treffer mehr zu entfernen %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Fehler: %1 nicht beschrieben
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Fehler: %1 nicht beschrieben f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnose</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>Anzahl der Felder (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Vornmark-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Vornmark-Hilfe: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;Aufstellen</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>So&amp;nstiges</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometrie</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>Vornmarks &amp;Sicht</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>Stat&amp;istik...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klassisch</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>Für &amp;Farbenblinde</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>Ü&amp;ber Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>S&amp;prache</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Die Einstellungsdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>Ab dem nächsten Start spricht Vornmark die Sprache des Desktops.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>Ab dem nächsten Start spricht Vornmark %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Vornmark-Optionen</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Automatisch (Vornmark ermittelt selbst, wo er Sie getroffen hat)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Manuell (Sie melden Vornmark, wo er Sie getroffen hat)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Angriff (Vornmark schießt nicht auf Sie)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Wer beginnt</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Spielstärke</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Mehrdeutigkeitsschwelle 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Schüsse pro Salve</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>Pause nach Ihren Schüssen?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Pause nach Vornmarks Schüssen?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Schüsse</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Verloren</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Siegquote</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bester</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Ø bis Sieg</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Fortgeschritten</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Ihre Spiele nach Spielstärke und Spielfeld</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Salven der gewonnenen und verlorenen Spiele der gewählten Zeile</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zurücksetzen...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Gespeichert in %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Noch keine Spiele</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Spiele nach Zahl Ihrer Salven</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>Salven</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>Die Bilanz aller Spielstärken und Spielfelder löschen?
Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>Die Statistikdatei konnte nicht geschrieben werden.</translation>
    </message>
</context>
</TS>
