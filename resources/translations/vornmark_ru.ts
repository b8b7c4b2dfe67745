<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Игровое поле Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>строка %1, столбец %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>строка %1, столбец %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>не обстреляна</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>ваш выстрел, залп %1, корабль Vornmark</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>ваш выстрел, залп %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>выстрел Vornmark, залп %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>ваш корабль, подбит залпом %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>ваш корабль</translation>
    </message>
    <message>
        <source>water</source>
        <translation>вода</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>ваш корвет</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>ваш эсминец</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>ваш линкор</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>ваша подлодка</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1, клетка %2, попадание в залпе %3, корабль выбран</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1, клетка %2, без попадания, корабль выбран</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1, клетка %2, корабль выбран</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1, клетка %2, попадание в залпе %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1, клетка %2, без попадания</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1, клетка %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>Подсказка: возможные цели</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Взгляд Vornmark на ваш флот</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Взгляд Vornmark: шанс корабля, %</translation>
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
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>Начните игру</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Добро пожаловать в Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 открывает справку по всей игре. Начатая игра сохраняется при выходе и продолжается при следующем запуске.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>Режим атаки: Vornmark прячет четыре корабля и не стреляет в ответ.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>Выберите Файл/Новая игра, затем щёлкайте по клеткам поля, чтобы дать залп, и потопите флот за как можно меньшее число залпов.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Найдите и потопите четыре спрятанных корабля Vornmark раньше, чем он потопит ваши.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>Расставьте свой флот</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>Выберите Файл/Расстановка, затем нажмите «Расставить случайно» внизу слева, чтобы расставить флот наугад, или выберите панель корабля и щёлкните по полю.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>Выберите Файл/Новая игра, затем щёлкайте по клеткам поля, чтобы дать залп. Vornmark сам определяет свои попадания по вашему флоту.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Найдите и потопите четыре спрятанных корабля Vornmark раньше, чем он потопит ваши. В ручном режиме ваш флот остаётся на вашем листке бумаги, а о попаданиях Vornmark сообщаете вы.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>Выберите Файл/Новая игра, затем щёлкайте по клеткам поля, чтобы дать залп.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Сообщайте о попаданиях Vornmark</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Когда Vornmark выстрелит, щёлкните по панели каждого вашего корабля, в который он попал, по разу на каждое попадание, затем нажмите «Продолжить».</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Сюда стрелял Vornmark</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Отметьте, куда попал Vornmark</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>Остался %n выстрел</numerusform>
            <numerusform>Осталось %n выстрела</numerusform>
            <numerusform>Осталось %n выстрелов</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>Ваши попадания</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>Вы пошли на корм рыбам</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>Поздравляем, капитан</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>Расставьте корабли.
[1] Щёлкните по кораблю, чтобы выбрать его, затем по полю, чтобы поставить
[2] Правый щелчок — поворот
[3] Выберите Файл/Новая игра, чтобы играть</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>Ошибка размера поля</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>Корабль «%1» не расставлен
Выберите «Файл/Расстановка»</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>Порог неоднозначности должен быть от 1 до 30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>Число выстрелов в залпе должно быть от 1 до 10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>Размер поля должен быть от 4 до 30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
Не удалось разместить %n выстрел</numerusform>
            <numerusform>
Не удалось разместить %n выстрела</numerusform>
            <numerusform>
Не удалось разместить %n выстрелов</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>Системная ошибка 109 на уровне «Мастер». Возврат к уровню «Любитель»</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>Ошибка при открытии stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>Не удалось прочитать файл статистики, он сохранён как «%1».
Учёт ваших игр начинается заново.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark не смог сохранить файл статистики.
Он попробует ещё раз, когда закончится следующая игра.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>Уже запущена другая копия Vornmark, и она сохраняет свою текущую игру.
Эта копия ту игру не трогает: то, что вы сыграете здесь, не сохранится после её закрытия.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark не может сохранять текущую игру в «%1».
То, что вы сыграете, не сохранится после закрытия окна.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>Не удалось продолжить игру, сохранённую в прошлый раз (%1).
Файл сохранён как «%2», игра начинается заново.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>Игру, сохранённую в «%1», не удалось ни продолжить (%2), ни отложить в сторону.
То, что вы сыграете, не сохранится после закрытия окна.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark не смог сохранить текущую игру в «%1».
Он пробует снова при каждом изменении и при выходе.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
Версия %1

Игра залпами против соперника, который умеет считать: Vornmark никогда не узнаёт, какие из его выстрелов попали, — только сколько попаданий получил каждый ваш корабль, и находит ваш флот, перебирая все ещё возможные расположения.

Написано разработчиками Vornmark.
Собрано с Qt %2.</translation>
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
        <translation>Корвет</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>Эсминец</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>Линкор</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>Подлодка</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>Мой корвет</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>Мой эсминец</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>Мой линкор</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>Моя подлодка</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>Ваш корвет</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>Ваш эсминец</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>Ваш линкор</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>Ваша подлодка</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>Стреляйте по клеткам поля</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>Показать попадания</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>Показать мои корабли</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>Сыграть ещё раз</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>Расставить случайно</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>фаза A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>фаза GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>фаза DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>Эксперт, фаза A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>Эксперт, фаза GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>Эксперт, фаза DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
Ошибка доступа к %1 в %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>Ошибка: залп за пределами поля, %1 в %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>Ошибка: повторный выстрел по %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>Ошибка: попаданий больше, чем клеток, %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>Ошибка: не осталось попаданий для отмены, %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>Ошибка: нет описания %1
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>Ошибка: нет описания %1 f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>Диагностика</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>Геометрия</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>Число клеток (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Справка Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Справка Vornmark: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;Расстановка</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>Разное</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>&amp;Геометрия</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>&amp;Темп</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>&amp;Взгляд Vornmark</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Статистика...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>&amp;Цвета</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;Классическая</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>&amp;Для дальтоников</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;Высокий контраст</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Справка...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>&amp;О программе Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>Си&amp;муляция</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Язык рабочего стола</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>Не удалось записать файл настроек.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>Со следующего запуска Vornmark будет говорить на языке рабочего стола.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>Со следующего запуска язык Vornmark: %1.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Параметры Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>Режим игры</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>Автоматический (Vornmark сам определит, куда он в вас попал)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>Ручной (вы сообщаете Vornmark, куда он в вас попал)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>Атака (Vornmark не стреляет по вам)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>Кто начинает</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>Уровень игры</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>Порог неоднозначности 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>Выстрелов в залпе</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>Темп</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>Пауза после ваших выстрелов</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Пауза после выстрелов Vornmark</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>Выстрелы</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Сыграно</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Победы</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Поражения</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Брошено</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Доля побед</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>Ср. до победы</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>Лучшая серия</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>Новичок</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Любитель</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Ручной</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>Ваши игры по уровням и полям</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>Залпы выигранных и проигранных игр выбранной строки</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Сбросить...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Хранится в %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>Игр пока нет</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>Игры по числу ваших залпов</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>Залпы</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>Стереть записи для всех уровней и полей?
Это действие нельзя отменить.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>Не удалось записать файл статистики.</translation>
    </message>
</context>
</TS>
