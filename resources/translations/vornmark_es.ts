<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Tablero de Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>fila %1, columna %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>fila %1, columna %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>sin disparar</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>su disparo de la salva %1, barco de Vornmark</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>su disparo de la salva %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>disparo de Vornmark de la salva %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>su barco, tocado por la salva %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>su barco</translation>
    </message>
    <message>
        <source>water</source>
        <translation>agua</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>su Corbeta</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>su Destructor</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>su Acorazado</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>su Submarino</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, casilla %2, impacto en la salva %3, barco seleccionado</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, casilla %2, sin impacto, barco seleccionado</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, casilla %2, barco seleccionado</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, casilla %2, impacto en la salva %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, casilla %2, sin impacto</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, casilla %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Pista: posibles impactos</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Vista de Vornmark de su flota</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Vista de Vornmark: probabilidad, %</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Empiece una partida</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Le damos la bienvenida a Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 abre la ayuda de todo el juego. La partida en curso se conserva al salir y continúa en el siguiente arranque.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Modo Ataque: Vornmark esconde cuatro barcos y no devuelve el fuego.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Elija Archivo/Nueva partida, pulse en casillas de la cuadrícula para disparar su salva y hunda la flota con el menor número de salvas posible.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Encuentre y hunda los cuatro barcos escondidos de Vornmark antes de que él hunda los suyos.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Disponga su flota</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Elija Archivo/Colocar y pulse «Pulse para repartir», abajo a la izquierda, para repartirla al azar, o elija el panel de un barco y pulse en la cuadrícula.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Elija Archivo/Nueva partida y pulse en casillas de la cuadrícula para disparar su salva. Vornmark averigua por sí mismo los impactos que logra en su flota.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Encuentre y hunda los cuatro barcos escondidos de Vornmark antes de que él hunda los suyos. En modo Manual su propia flota se queda en su papel, y es usted quien le indica a Vornmark sus impactos.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Elija Archivo/Nueva partida y pulse en casillas de la cuadrícula para disparar su salva.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Indique los impactos de Vornmark</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Cuando Vornmark haya disparado, pulse en el panel de cada barco suyo que haya tocado, una vez por impacto, y luego en «Pulse para continuar».</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Aquí ha disparado Vornmark</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Pulse en lo que ha tocado Vornmark</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Queda %n disparo</numerusform>
            <numerusform>Quedan %n disparos</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>Lo que ha tocado</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Duerme con los peces</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Enhorabuena, capitán</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Coloque los barcos.
[1] Pulse en un barco para seleccionarlo y luego en la cuadrícula para colocarlo
[2] Pulse con el botón derecho para girarlo
[3] Elija Archivo/Nueva partida para jugar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Error en el tamaño de la cuadrícula</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Barco «%1» sin colocar
Pulse en «Archivo/Colocar»</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>El umbral de ambigüedad debe estar entre 1 y 30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>Los disparos por salva deben estar entre 1 y 10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>El tamaño de la cuadrícula debe estar entre 4 y 30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
No se pudo colocar %n disparo</numerusform>
            <numerusform>
No se pudieron colocar %n disparos</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Error del sistema 109 en el nivel Avanzado. Se vuelve al nivel Intermedio</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Error al abrir stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>No se pudo leer el archivo de estadísticas y se ha conservado como «%1».
Su historial empieza de cero.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark no pudo guardar su archivo de estadísticas.
Lo volverá a intentar cuando termine la próxima partida.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>Hay otro Vornmark en marcha que conserva su partida en curso.
Este no toca esa partida: lo que juegue aquí no se conservará al cerrarlo.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark no puede conservar la partida en curso en «%1».
Lo que juegue no se conservará al cerrar la ventana.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>No se pudo reanudar la partida guardada la última vez (%1).
El archivo se ha conservado como «%2» y se empieza de nuevo.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>No se pudo reanudar la partida guardada en «%1» (%2), ni apartarla.
Lo que juegue no se conservará al cerrar la ventana.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark no pudo guardar la partida en curso en «%1».
Lo vuelve a intentar en cada cambio y al salir.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
Versión %1

El juego de salvas contra un adversario que cuenta: a Vornmark nunca se le dice cuáles de sus disparos han tocado, solo cuántos impactos ha recibido cada uno de sus barcos, y encuentra su flota contando todas las colocaciones que aún son posibles.

Escrito por los desarrolladores de Vornmark.
Compilado con Qt %2.</translation>
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
        <translation>Corbeta</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Destructor</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Acorazado</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Submarino</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>Mi Corbeta</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>Mi Destructor</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>Mi Acorazado</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>Mi Submarino</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>Su Corbeta</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>Su Destructor</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>Su Acorazado</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>Su Submarino</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Pulse para continuar</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Dispare en la cuadrícula</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Pulse para ver sus impactos</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Pulse para ver mis barcos</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Pulse para otra partida</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Pulse para repartir</translation>
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
        <translation>Novato</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>Experto, fase A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Experto, fase GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Experto, fase DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Error al acceder a %1 en %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Error: salva fuera de límites %1 en %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Error: doble disparo en %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Error: más impactos que casillas %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Error: no quedan impactos que quitar %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Error: %1 sin describir
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Error: %1 sin describir f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnóstico</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>Geometría</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>Número de casillas (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Ayuda de Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Ayuda de Vornmark: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;Colocar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>V&amp;arios</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometría</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Ritmo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>&amp;Vista de Vornmark</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Colores</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clásico</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>Apto para &amp;daltónicos</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Alto contraste</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>A&amp;yuda...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>&amp;Acerca de Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulación</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>No se pudo escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>A partir del próximo arranque, Vornmark hablará el idioma del escritorio.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>A partir del próximo arranque, Vornmark hablará %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Opciones de Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Automático (Vornmark averiguará por sí mismo dónde le ha tocado)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Manual (usted le indica a Vornmark dónde le ha tocado)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Ataque (Vornmark no le dispara)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Quién empieza</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Usted</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Nivel de juego</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Umbral de ambigüedad 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Disparos por salva</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>¿Pausa tras sus disparos?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>¿Pausa tras los disparos de Vornmark?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Cuadrícula</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Disparos</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% ganadas</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Media para ganar</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Racha</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Sus partidas por nivel y cuadrícula</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Salvas de las partidas ganadas y perdidas de la fila seleccionada</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Restablecer...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardado en %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Todavía no hay partidas</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Partidas según las salvas que disparó</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>Salvas</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>¿Borrar el historial de todos los niveles y cuadrículas?
No se puede deshacer.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>No se pudo escribir el archivo de estadísticas.</translation>
    </message>
</context>
</TS>
