<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Plancia di Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>riga %1, colonna %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>riga %1, colonna %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>nessun colpo</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>tuo colpo della salva %1, nave di Vornmark</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>tuo colpo della salva %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>colpo di Vornmark della salva %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>tua nave, colpita dalla salva %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>tua nave</translation>
    </message>
    <message>
        <source>water</source>
        <translation>acqua</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>tua Corvetta</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>tuo Cacciatorpediniere</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>tua Corazzata</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>tuo Sottomarino</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, casella %2, colpita nella salva %3, nave selezionata</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, casella %2, non colpita, nave selezionata</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, casella %2, nave selezionata</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, casella %2, colpita nella salva %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, casella %2, non colpita</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, casella %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Suggerimento: dove colpire</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Vista di Vornmark: tua flotta</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Vista di Vornmark: prob. di nave, %</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Inizia una partita</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Benvenuto in Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 apre la guida completa del gioco. Una partita in corso viene conservata quando esci e riprende all&apos;avvio successivo.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Modalità Attacco: Vornmark nasconde quattro navi e non risponde al fuoco.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Scegli File/Nuova partita, poi clicca sulle caselle della griglia per sparare la tua salva, e affonda la flotta con meno salve possibile.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Trova e affonda le quattro navi nascoste di Vornmark prima che lui affondi le tue.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Schiera la tua flotta</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Scegli File/Schieramento, poi clicca «Schiera a caso» in basso a sinistra per una disposizione casuale, oppure scegli il pannello di una nave e clicca sulla griglia.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Scegli File/Nuova partita, poi clicca sulle caselle della griglia per sparare la tua salva. Vornmark ricava da solo i suoi centri sulla tua flotta.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Trova e affonda le quattro navi nascoste di Vornmark prima che lui affondi le tue. In modalità Manuale la tua flotta resta sul tuo foglio, e sei tu a dire a Vornmark i suoi centri.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Scegli File/Nuova partita, poi clicca sulle caselle della griglia per sparare la tua salva.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Segnala i centri di Vornmark</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Quando Vornmark ha sparato, clicca sul pannello di ogni tua nave colpita, una volta per ogni centro, poi su «Clicca per continuare».</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Ecco dove ha sparato Vornmark</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Clicca su ciò che Vornmark ha colpito</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Resta %n colpo</numerusform>
            <numerusform>Restano %n colpi</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>Cosa hai colpito</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Dormi con i pesci</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Congratulazioni, capitano</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Schiera le navi.
[1] Clicca su una nave per selezionarla, poi sulla griglia per collocarla
[2] Clic destro per ruotarla
[3] Scegli File/Nuova partita per giocare</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Errore nella dimensione della griglia</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Nave non collocata: %1
Clicca su «File/Schieramento»</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>La soglia di ambiguità deve essere tra 1 e 30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>I colpi per salva devono essere tra 1 e 10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>La dimensione della griglia deve essere tra 4 e 30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
Impossibile collocare %n colpo</numerusform>
            <numerusform>
Impossibile collocare %n colpi</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Errore di sistema 109 al livello Avanzato. Si torna al livello Intermedio</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Errore nell&apos;apertura di stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>Il file delle statistiche non era leggibile ed è stato conservato come «%1».
Il tuo registro riparte da zero.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark non è riuscito a salvare il file delle statistiche.
Riproverà alla fine della prossima partita.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>È già in esecuzione un altro Vornmark, che conserva la propria partita in corso.
Questo non la tocca: ciò che giochi qui non viene conservato quando lo chiudi.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark non può conservare la partita in corso in «%1».
Ciò che giochi non viene conservato quando chiudi la finestra.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>Non è stato possibile riprendere la partita conservata dall&apos;ultima volta (%1).
Il file è stato conservato come «%2» e si ricomincia da capo.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>Non è stato possibile riprendere la partita conservata in «%1» (%2), né spostarla da parte.
Ciò che giochi non viene conservato quando chiudi la finestra.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark non è riuscito a salvare la partita in corso in «%1».
Riprova a ogni cambiamento e quando esci.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
Versione %1

Il gioco a salve contro un avversario che conta: a Vornmark non viene mai detto quali dei suoi colpi sono andati a segno, ma solo quante volte è stata colpita ciascuna delle tue navi, e trova la tua flotta contando ogni posizione ancora possibile.

Scritto dagli sviluppatori di Vornmark.
Compilato con Qt %2.</translation>
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
        <translation>Corvetta</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Cacciatorpediniere</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Corazzata</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Sottomarino</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>la mia Corvetta</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>il mio Cacciatorpediniere</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>la mia Corazzata</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>il mio Sottomarino</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>la tua Corvetta</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>il tuo Cacciatorpediniere</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>la tua Corazzata</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>il tuo Sottomarino</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Clicca per continuare</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Spara cliccando la griglia</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Clicca per vedere i centri</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Clicca e vedi le mie navi</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Clicca e gioca ancora</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Schiera a caso</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>fase A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>fase GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>fase DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>Esperto, fase A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Esperto, fase GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Esperto, fase DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Errore di accesso a %1 in %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Errore: salva fuori dai limiti %1 in %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Errore: doppio colpo su %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Errore: più centri che caselle %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Errore: nessun centro da togliere %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Errore: %1 senza descrizione
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Errore: %1 senza descrizione f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostica</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>Numero di caselle (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Guida di Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Guida di Vornmark: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>Schie&amp;ramento</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>&amp;Varie</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometria</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Ritmo di gioco</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>S&amp;uggerimento</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>Vis&amp;ta di Vornmark</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiche...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colori</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Classico</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>Adatto ai &amp;daltonici</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Alto contrasto</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>Su&amp;oni</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Guida...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>&amp;Informazioni su Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulazione</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La lingua del desktop</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Impossibile scrivere il file delle impostazioni.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>Dal prossimo avvio, Vornmark userà la lingua del desktop.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>Dal prossimo avvio, la lingua di Vornmark sarà: %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Opzioni di Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Modalità di gioco</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Automatica (Vornmark capirà da solo dove ti ha colpito)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Manuale (sei tu a dire a Vornmark dove ti ha colpito)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Attacco (Vornmark non ti spara)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Chi inizia</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Tu</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Livello di gioco</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Soglia di ambiguità 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Colpi per salva</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>Ritmo di gioco</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>Pausa dopo i tuoi colpi?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Pausa dopo i colpi di Vornmark?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Colpi</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Sugger.</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Giocate</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vinte</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perse</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abbandonate</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% vittorie</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migliore</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Media vittoria</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Serie</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Serie migliore</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Le tue partite per livello e griglia</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Salve delle partite vinte e perse nella riga selezionata</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Azzera...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservate in %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Ancora nessuna partita</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Partite per numero di salve sparate</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>Salve</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partite</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>Cancellare il registro di ogni livello e griglia?
L&apos;operazione non può essere annullata.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>Impossibile scrivere il file delle statistiche.</translation>
    </message>
</context>
</TS>
