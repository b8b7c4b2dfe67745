<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Plansza gry Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>wiersz %1, kolumna %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>wiersz %1, kolumna %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>nieostrzelane</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>twój strzał z salwy %1, okręt Vornmarka</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>twój strzał z salwy %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>strzał Vornmarka z salwy %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>twój okręt, trafiony w salwie %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>twój okręt</translation>
    </message>
    <message>
        <source>water</source>
        <translation>woda</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>twoja korweta</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>twój niszczyciel</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>twój pancernik</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>twój okręt podwodny</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, pole %2, trafienie w salwie %3, okręt wybrany</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, pole %2, bez trafienia, okręt wybrany</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, pole %2, okręt wybrany</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, pole %2, trafienie w salwie %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, pole %2, bez trafienia</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, pole %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Podpowiedź: możliwe cele</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Widok Vornmarka: twoja flota</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Widok Vornmarka: szansa na okręt, %</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Rozpocznij grę</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Witaj w grze Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 otwiera pomoc do całej gry. Trwająca gra zostaje zachowana przy wyjściu i toczy się dalej przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Tryb ataku: Vornmark ukrywa cztery okręty i nie odpowiada ogniem.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Wybierz Plik/Nowa gra, potem klikaj pola planszy, by oddać salwę, i zatop flotę w jak najmniejszej liczbie salw.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Znajdź i zatop cztery ukryte okręty Vornmarka, zanim on zatopi twoje.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Rozstaw flotę</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Wybierz Plik/Rozstaw flotę, potem naciśnij przycisk „Kliknij, by rozrzucić” w lewym dolnym rogu, aby rozstawić okręty losowo, albo wybierz panel okrętu i kliknij planszę.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Wybierz Plik/Nowa gra, potem klikaj pola planszy, by oddać salwę. Vornmark sam ustala swoje trafienia w twoją flotę.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Znajdź i zatop cztery ukryte okręty Vornmarka, zanim on zatopi twoje. W trybie ręcznym twoja flota zostaje na twojej kartce, a ty podajesz Vornmarkowi jego trafienia.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Wybierz Plik/Nowa gra, potem klikaj pola planszy, by oddać salwę.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Zgłaszaj trafienia Vornmarka</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Gdy Vornmark odda salwę, kliknij panel każdego trafionego okrętu, raz za każde trafienie, a potem przycisk „Kliknij, by grać dalej”.</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Tu strzelał Vornmark</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Kliknij trafienia Vornmarka</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Został %n strzał</numerusform>
            <numerusform>Zostały %n strzały</numerusform>
            <numerusform>Zostało %n strzałów</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>Twoje trafienia</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Śpisz z rybami</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Gratulacje, kapitanie</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Rozstaw okręty.
[1] Kliknij okręt, a potem pole planszy, by go ustawić
[2] Prawy przycisk obraca okręt
[3] Aby grać: Plik/Nowa gra</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Błędny rozmiar planszy</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Okręt „%1” nie został rozstawiony
Kliknij „Plik/Rozstaw flotę”</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>Próg niejednoznaczności musi wynosić od 1 do 30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>Liczba strzałów w salwie musi wynosić od 1 do 10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>Rozmiar planszy musi wynosić od 4 do 30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
Nie udało się rozmieścić %n strzału</numerusform>
            <numerusform>
Nie udało się rozmieścić %n strzałów</numerusform>
            <numerusform>
Nie udało się rozmieścić %n strzałów</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Błąd systemowy 109 na poziomie Zaawansowany. Powrót do poziomu Średniozaawansowany</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Błąd otwarcia pliku stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>Nie udało się odczytać pliku statystyk; zachowano go jako „%1”.
Rejestr twoich gier zaczyna się od nowa.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark nie zdołał zapisać pliku statystyk.
Spróbuje ponownie po zakończeniu następnej gry.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>Działa już inna kopia programu Vornmark i to ona przechowuje trwającą grę.
Ta kopia nie narusza tamtej gry: to, w co tu zagrasz, nie zostanie zachowane po jej zamknięciu.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark nie może przechowywać trwającej gry w „%1”.
To, w co zagrasz, nie zostanie zachowane po zamknięciu okna.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>Nie udało się wznowić gry zachowanej ostatnim razem (%1).
Plik zachowano jako „%2”, a program zaczyna od nowa.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>Nie udało się wznowić gry zachowanej w „%1” (%2) ani odsunąć jej pliku na bok.
To, w co zagrasz, nie zostanie zachowane po zamknięciu okna.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark nie zdołał zapisać trwającej gry w „%1”.
Ponowi próbę przy każdej zmianie i przy wyjściu z programu.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
Wersja %1

Gra w salwy przeciwko przeciwnikowi, który liczy: Vornmark nigdy nie dowiaduje się, które z jego strzałów trafiły, a jedynie ile trafień otrzymał każdy z twoich okrętów, i odnajduje twoją flotę, licząc każde położenie, które wciąż jest możliwe.

Autorzy: twórcy programu Vornmark.
Zbudowano z użyciem Qt %2.</translation>
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
        <translation>Korweta</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Niszczyciel</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Pancernik</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Okręt podwodny</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>Moja korweta</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>Mój niszczyciel</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>Mój pancernik</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>Mój okręt podwodny</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>Twoja korweta</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>Twój niszczyciel</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>Twój pancernik</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>Twój okręt podwodny</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Kliknij, by grać dalej</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Klikaj pola, by strzelać</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Kliknij, by zobaczyć trafienia</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Kliknij, pokażę moje okręty</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Kliknij, by zagrać znowu</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Kliknij, by rozrzucić</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>faza A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>faza GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>faza DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>Ekspert, faza A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Ekspert, faza GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Ekspert, faza DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Błąd dostępu do %1 na polu %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Błąd: salwa poza planszą %1 na polu %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Błąd: podwójny strzał w %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Błąd: więcej trafień niż pól %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Błąd: brak trafień do usunięcia %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Błąd: brak opisu %1
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Błąd: brak opisu %1 f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostyka</translation>
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
        <translation>Liczba pól (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Pomoc programu Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Do &amp;przodu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Pomoc programu Vornmark: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;Rozstaw flotę</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>&amp;Różne</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Geometria</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Tempo</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>&amp;Widok Vornmarka</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statystyki...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Kolory</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Klasyczny</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>&amp;Dla daltonistów</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Wysoki kontrast</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Pomoc...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>&amp;O programie Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Symulacja</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Język pulpitu</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Nie udało się zapisać pliku ustawień.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>Od następnego uruchomienia Vornmark będzie mówić w języku pulpitu.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>Od następnego uruchomienia Vornmark będzie mówić w języku: %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Opcje programu Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Tryb gry</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Automatyczny (Vornmark sam ustala, gdzie cię trafił)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Ręczny (podajesz Vornmarkowi, gdzie cię trafił)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Atak (Vornmark do ciebie nie strzela)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Kto zaczyna</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Ty</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Poziom gry</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Próg niejednoznaczności 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Strzały w salwie</translation>
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
        <translation>Pauza po twoich strzałach?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Pauza po strzałach Vornmarka?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Strzały</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Tryb</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Rozegrane</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Porzucone</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% wygranych</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Najlepsza</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Śr. do wygranej</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Seria</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Najdłuższa seria</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Początkujący</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średniozaawansowany</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ręczny</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatyczny</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Twoje gry według poziomu i planszy</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Salwy wygranych i przegranych gier z wybranego wiersza</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Wyzeruj...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Przechowywane w %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Brak rozegranych gier</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Gry według liczby oddanych salw</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>Salwy</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>Wyczyścić rejestr wszystkich poziomów i plansz?
Tej operacji nie można cofnąć.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>Nie udało się zapisać pliku statystyk.</translation>
    </message>
</context>
</TS>
