<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>رقعة Vornmark</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>الصف %1، العمود %2: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>الصف %1، العمود %2</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>لم يُطلق عليه</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>طلقتك من الرشقة %1، سفينة Vornmark</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>طلقتك من الرشقة %1</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>طلقة Vornmark من الرشقة %1</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>سفينتك، أُصيبت في الرشقة %1</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>سفينتك</translation>
    </message>
    <message>
        <source>water</source>
        <translation>ماء</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>كورفيتك</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>مدمّرتك</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>بارجتك</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>غوّاصتك</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1، المربع %2، أُصيب في الرشقة %3، محدد</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1، المربع %2، لم يُصَب، محدد</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1، المربع %2، محدد</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1، المربع %2، أُصيب في الرشقة %3</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1، المربع %2، لم يُصَب</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1، المربع %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>تلميح: ما قد تصيبه طلقاتك</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>منظور Vornmark لأسطولك</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>منظور Vornmark: احتمال وجود سفينة، %</translation>
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
        <translation>حسنًا</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>ابدأ لعبة</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>مرحبًا بك في Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>يفتح %1 المساعدة عن اللعبة كلها. وتُحفظ اللعبة الجارية حين تخرج، وتستمر عند التشغيل التالي.</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>وضع الهجوم: يخفي Vornmark أربع سفن ولا يردّ بإطلاق النار.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>اختر ملف/لعبة جديدة، ثم انقر مربعات الشبكة لتطلق رشقتك، وأغرق الأسطول بأقل عدد ممكن من الرشقات.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>اعثر على سفن Vornmark الأربع المخفية وأغرقها قبل أن يُغرق سفنك.</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>انشر أسطولك</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>اختر ملف/نشر الأسطول، ثم انقر «انقر هنا لنشر عشوائي» في أسفل اليسار لتُنشر السفن عشوائيًا، أو اختر لوحة سفينة وانقر الشبكة.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>اختر ملف/لعبة جديدة، ثم انقر مربعات الشبكة لتطلق رشقتك. ويستنتج Vornmark إصاباته في أسطولك بنفسه.</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>اعثر على سفن Vornmark الأربع المخفية وأغرقها قبل أن يُغرق سفنك. في الوضع اليدوي يبقى أسطولك على ورقتك أنت، وتخبر Vornmark بإصاباته.</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>اختر ملف/لعبة جديدة، ثم انقر مربعات الشبكة لتطلق رشقتك.</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>أبلغ عن إصابات Vornmark</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>بعد أن يطلق Vornmark، انقر لوحة كل سفينة من سفنك أصابها، مرة عن كل إصابة، ثم «انقر هنا للمتابعة».</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>هنا أطلق Vornmark</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>انقر على ما أصابه Vornmark</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>الطلقات المتبقية: %n</numerusform>
            <numerusform>الطلقات المتبقية: %n</numerusform>
            <numerusform>الطلقات المتبقية: %n</numerusform>
            <numerusform>الطلقات المتبقية: %n</numerusform>
            <numerusform>الطلقات المتبقية: %n</numerusform>
            <numerusform>الطلقات المتبقية: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>ما أصبته</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>صرتَ طعامًا للأسماك</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>تهانينا أيها القبطان</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>انشر السفن.
[1] انقر سفينة لتحديدها، ثم انقر الشبكة لوضعها
[2] انقر بزر الفأرة الأيمن للتدوير
[3] اختر ملف/لعبة جديدة لتلعب</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>خطأ في حجم الشبكة</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>السفينة «%1» غير منشورة
انقر «ملف/نشر الأسطول»</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>يجب أن تكون عتبة الغموض بين 1 و30</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>يجب أن تكون الطلقات في كل رشقة بين 1 و10</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>يجب أن يكون حجم الشبكة بين 4 و30</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
تعذّر وضع %n طلقة</numerusform>
            <numerusform>
تعذّر وضع %n طلقة</numerusform>
            <numerusform>
تعذّر وضع %n طلقتين</numerusform>
            <numerusform>
تعذّر وضع %n طلقات</numerusform>
            <numerusform>
تعذّر وضع %n طلقة</numerusform>
            <numerusform>
تعذّر وضع %n طلقة</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>خطأ النظام 109 في المستوى المتقدم. العودة إلى المستوى المتوسط</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>خطأ في فتح stats
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>تعذّرت قراءة ملف الإحصائيات، فحُفظ باسم «%1».
يبدأ سجلك من جديد.</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>تعذّر على Vornmark حفظ ملف إحصائياته.
سيحاول مجددًا حين تنتهي اللعبة التالية.</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>نسخة أخرى من Vornmark تعمل وتحفظ لعبتها الجارية.
هذه النسخة تترك تلك اللعبة على حالها: ما تلعبه هنا لا يُحفظ حين تغلقها.</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>لا يستطيع Vornmark حفظ اللعبة الجارية في «%1».
ما تلعبه لا يُحفظ حين تغلق النافذة.</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>تعذّر استئناف اللعبة المحفوظة من المرة السابقة (%1).
حُفظ الملف باسم «%2»، وتبدأ اللعبة من جديد.</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>تعذّر استئناف اللعبة المحفوظة في «%1» (%2)، وتعذّر نقلها جانبًا.
ما تلعبه لا يُحفظ حين تغلق النافذة.</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>تعذّر على Vornmark حفظ اللعبة الجارية في «%1».
سيحاول مجددًا عند كل تغيير، وحين تخرج.</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
الإصدار %1

لعبة الرشقات ضد خصم يُحصي: لا يُخبَر Vornmark أبدًا أيّ طلقاته أصابت، بل فقط كم إصابة تلقتها كل سفينة من سفنك، ويعثر على أسطولك بإحصاء كل تموضع ما زال ممكنًا.

كتبه مطورو Vornmark.
بُني باستخدام Qt %2.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Write &quot;RTL&quot; for a language written from right to left, &quot;LTR&quot; for any other.</extracomment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Ships</name>
    <message>
        <source>Corvette</source>
        <translation>كورفيت</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>مدمّرة</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>بارجة</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>غوّاصة</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>كورفيتي</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>مدمّرتي</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>بارجتي</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>غوّاصتي</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>كورفيتك</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>مدمّرتك</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>بارجتك</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>غوّاصتك</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>انقر هنا للمتابعة</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>انقر الشبكة لإطلاق النار</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>انقر هنا لترى ما أصبت</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>انقر هنا لعرض سفني</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>انقر هنا للعب مجددًا</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>انقر هنا لنشر عشوائي</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>المرحلة A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>المرحلة GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>المرحلة DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>خبير، المرحلة A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>خبير، المرحلة GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>خبير، المرحلة DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
خطأ في الوصول إلى %1 عند %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>خطأ: رشقة خارج الحدود %1 عند %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>خطأ: إطلاق مرتين على %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>خطأ: إصابات أكثر من المربعات %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>خطأ: لا إصابات متبقية لإزالتها %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>خطأ: %1 غير موصوفة
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>خطأ: %1 غير موصوفة f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>التشخيص</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>الأبعاد</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>عدد المربعات (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>مساعدة Vornmark</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;تقدّم</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>مساعدة Vornmark: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>لعبة &amp;جديدة</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>&amp;نشر الأسطول</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;طباعة</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;خيارات</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>&amp;متفرقات</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>الأ&amp;بعاد</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>الإ&amp;يقاع</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;تلميح</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>م&amp;نظور Vornmark</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>الإ&amp;حصائيات...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>الأ&amp;لوان</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>&amp;كلاسيكي</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>ملائم ل&amp;عمى الألوان</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>&amp;تباين عالٍ</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>ال&amp;صوت</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;مساعدة...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>&amp;عن Vornmark...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>م&amp;حاكاة</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>الل&amp;غة</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>لغة سطح المكتب</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>تعذّرت كتابة ملف الإعدادات.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>سيستخدم Vornmark لغة سطح المكتب بدءًا من تشغيله التالي.</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>سيستخدم Vornmark لغة «%1» بدءًا من تشغيله التالي.</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>خيارات Vornmark</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>وضع اللعب</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>تلقائي (سيستنتج Vornmark تلقائيًا أين أصابك)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>يدوي (تخبر أنت Vornmark أين أصابك)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>هجوم (لا يطلق Vornmark النار عليك)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>من يبدأ</translation>
    </message>
    <message>
        <source>You</source>
        <translation>أنت</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>مستوى اللعب</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>خبير</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>عتبة الغموض 
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>الطلقات في كل رشقة</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>الإيقاع</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>التوقف بعد طلقاتك؟</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>التوقف بعد طلقات Vornmark؟</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>الطلقات</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>الوضع</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>التلميح</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>لُعبت</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>رُبحت</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>خُسرت</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>تُركت</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>نسبة الفوز</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>الأفضل</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>متوسط الرشقات</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>السلسلة</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>أطول سلسلة</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>مبتدئ</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>خبير</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>متقدم</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>يدوي</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>On</source>
        <translation>مفعّل</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>معطّل</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>الإحصائيات</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>ألعابك حسب المستوى والشبكة</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>رشقات الألعاب الرابحة والخاسرة في الصف المحدد</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>إعادة &amp;تعيين...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>محفوظة في %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>لا ألعاب بعد</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>الألعاب حسب عدد الرشقات التي أطلقتها</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>الرشقات</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>الألعاب</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>أتريد مسح سجل كل مستوى وشبكة؟
لا يمكن التراجع عن هذا.</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>تعذّرت كتابة ملف الإحصائيات.</translation>
    </message>
</context>
</TS>
