<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Tabuleiro do Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>linha %1, coluna %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>linha %1, coluna %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>sem tiro</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>seu tiro da salva %1, navio do Vornmark</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>seu tiro da salva %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>tiro do Vornmark da salva %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>seu navio, atingido pela salva %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>seu navio</translation>
    </message>
    <message>
        <source>water</source>
        <translation>água</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>sua Corveta</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>seu Destróier</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>seu Encouraçado</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>seu Submarino</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, casa %2, atingida na salva %3, navio selecionado</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, casa %2, não atingida, navio selecionado</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, casa %2, navio selecionado</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, casa %2, atingida na salva %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, casa %2, não atingida</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, casa %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Dica: seus alvos possíveis</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Visão do Vornmark: sua frota</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Visão do Vornmark: % de haver navio</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Comece uma partida</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Boas-vindas ao Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 abre a ajuda sobre o jogo inteiro. Uma partida em andamento fica guardada quando você sai e continua na próxima inicialização.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Modo Ataque: o Vornmark esconde quatro navios e não revida.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Escolha Arquivo/Nova partida e depois clique em casas da grade para disparar a sua salva; afunde a frota com o mínimo de salvas que conseguir.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Encontre e afunde os quatro navios escondidos do Vornmark antes que ele afunde os seus.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Disponha a sua frota</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Escolha Arquivo/Posicionar e depois clique em “Clique para espalhar”, no canto inferior esquerdo, para uma disposição aleatória, ou escolha o painel de um navio e clique na grade.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Escolha Arquivo/Nova partida e depois clique em casas da grade para disparar a sua salva. O Vornmark calcula sozinho os acertos dele na sua frota.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Encontre e afunde os quatro navios escondidos do Vornmark antes que ele afunde os seus. No modo Manual, a sua frota fica no seu papel, e você informa ao Vornmark os acertos dele.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Escolha Arquivo/Nova partida e depois clique em casas da grade para disparar a sua salva.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Informe os acertos do Vornmark</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Quando o Vornmark tiver atirado, clique no painel de cada navio seu que ele atingiu, uma vez por acerto, e depois em “Clique para continuar”.</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Aqui é onde o Vornmark atirou</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Clique no que o Vornmark acertou</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Tiros restantes: %n</numerusform>
            <numerusform>Tiros restantes: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>O que você acertou</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Você foi dormir com os peixes</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Parabéns, capitão</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Posicione os navios.
[1] Clique num navio para selecioná-lo e depois na grade para posicioná-lo
[2] Clique com o botão direito para girar
[3] Escolha Arquivo/Nova partida para jogar</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Erro no tamanho da grade</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Navio &quot;%1&quot; não posicionado
Clique em &apos;Arquivo/Posicionar&apos;</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>O limiar de ambiguidade deve estar entre 1 e 30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>Os tiros por salva devem estar entre 1 e 10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>O tamanho da grade deve estar entre 4 e 30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
Não foi possível disparar %n tiro</numerusform>
            <numerusform>
Não foi possível disparar %n tiros</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Erro de sistema 109 no nível Avançado. Voltando ao Intermediário</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Erro ao abrir stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>Não foi possível ler o arquivo de estatísticas, que foi guardado como &quot;%1&quot;.
O seu histórico recomeça do zero.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>O Vornmark não conseguiu salvar o arquivo de estatísticas.
Ele tentará de novo quando a próxima partida terminar.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>Outro Vornmark está em execução e guarda a partida em andamento dele.
Este não mexe naquela partida: o que você jogar aqui não será guardado quando fechá-lo.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>O Vornmark não consegue guardar a partida em andamento em &quot;%1&quot;.
O que você jogar não será guardado quando fechar a janela.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>Não foi possível retomar a partida guardada da última vez (%1).
O arquivo foi guardado como &quot;%2&quot;, e o jogo começa do zero.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>Não foi possível retomar a partida guardada em &quot;%1&quot; (%2), nem tirá-la do caminho.
O que você jogar não será guardado quando fechar a janela.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>O Vornmark não conseguiu salvar a partida em andamento em &quot;%1&quot;.
Ele tenta de novo a cada mudança e quando você sai.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
Versão %1

O jogo de salvas contra um adversário que conta: o Vornmark nunca fica sabendo quais dos tiros dele acertaram, só quantos acertos cada um dos seus navios levou, e encontra a sua frota contando cada posicionamento que ainda é possível.

Escrito pelos desenvolvedores do Vornmark.
Feito com Qt %2.</translation>
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
        <translation>Corveta</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Destróier</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Encouraçado</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Submarino</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>Minha Corveta</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>Meu Destróier</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>Meu Encouraçado</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>Meu Submarino</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>Sua Corveta</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>Seu Destróier</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>Seu Encouraçado</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>Seu Submarino</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Clique para continuar</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Clique na grade para atirar</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Clique para ver o que acertou</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Clique para ver meus navios</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Clique e jogue de novo</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Clique para espalhar</translation>
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
        <translation>Especialista, fase A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Especialista, fase GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Especialista, fase DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Erro ao acessar %1 em %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Erro: salva fora dos limites %1 em %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Erro: dois tiros em %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Erro: mais acertos que casas %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Erro: nenhum acerto restante para remover %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Erro: %1 não descrito
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Erro: %1 não descrito f
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
        <translation>Geometria</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>Número de casas (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Ajuda do Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Ajuda do Vornmark: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova partida</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;Posicionar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>&amp;Diversos</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometria</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Ritmo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>Dic&amp;a</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>&amp;Visão do Vornmark</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estatísticas...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Cores</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Clássico</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>Seguro para &amp;daltônicos</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Alto contraste</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Ajuda...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>&amp;Sobre o Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulação</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Idioma da área de trabalho</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de configurações.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>A partir da próxima inicialização, o Vornmark usará o idioma da área de trabalho.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>A partir da próxima inicialização, o Vornmark falará %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Opções do Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Modo de jogo</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Automático (o Vornmark descobre sozinho onde acertou você)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Manual (você informa ao Vornmark onde ele acertou você)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Ataque (o Vornmark não atira em você)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Quem começa</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Você</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Nível de jogo</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Limiar de ambiguidade 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Tiros por salva</translation>
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
        <translation>Pausa após os seus tiros?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Pausa após os tiros do Vornmark?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Nível</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Tiros</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% vitórias</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhor</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Média p/ vencer</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Sequência</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Maior sequência</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermediário</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
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
        <translation>Ligada</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligada</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Suas partidas por nível e grade</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Salvas das partidas ganhas e perdidas da linha selecionada</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Zerar...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardadas em %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Nenhuma partida ainda</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Partidas pelo número de salvas disparadas</translation>
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
        <translation>Apagar o histórico de todos os níveis e grades?
Isso não pode ser desfeito.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de estatísticas.</translation>
    </message>
</context>
</TS>
