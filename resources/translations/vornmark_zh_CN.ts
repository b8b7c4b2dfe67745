<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Vornmark 棋盘</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>第 %1 行，第 %2 列：%3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>未射击</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>你在齐射 %1 中的炮弹，Vornmark 的舰船</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>你在齐射 %1 中的炮弹</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>Vornmark 在齐射 %1 中的炮弹</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>你的舰船，被齐射 %1 命中</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>你的舰船</translation>
    </message>
    <message>
        <source>water</source>
        <translation>水面</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>你的护卫舰</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>你的驱逐舰</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>你的战列舰</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>你的潜艇</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1，第 %2 格，齐射 %3 命中，已选中</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1，第 %2 格，未被命中，已选中</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1，第 %2 格，已选中</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1，第 %2 格，齐射 %3 命中</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1，第 %2 格，未被命中</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1，第 %2 格</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>提示：可能命中之处</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Vornmark 视角：你的舰队</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Vornmark 视角：有舰船的概率，%</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>欢迎来到 Vornmark</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>按 %1 打开整个游戏的帮助。退出时，进行中的游戏会被保存，下次启动时继续。</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>进攻模式：Vornmark 隐藏四艘舰船，且不还击。</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>选择“文件/新游戏”，然后点击网格中的方格进行齐射，用尽可能少的齐射击沉整支舰队。</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>在 Vornmark 击沉你的舰船之前，找出并击沉它隐藏的四艘舰船。</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>为舰队布阵</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>选择“文件/布阵”，然后点击左下角的“点此随机布阵”随机布置舰队，或者选中一艘舰船的面板再点击网格。</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>选择“文件/新游戏”，然后点击网格中的方格进行齐射。Vornmark 会自行算出它对你舰队的命中。</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>在 Vornmark 击沉你的舰船之前，找出并击沉它隐藏的四艘舰船。在手动模式下，你的舰队只画在你自己的纸上，由你告诉 Vornmark 它的命中。</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>选择“文件/新游戏”，然后点击网格中的方格进行齐射。</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>报告 Vornmark 的命中</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Vornmark 开火后，点击被它命中的每艘舰船的面板，每命中一次点一次，然后点击“点此继续”。</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>这是 Vornmark 开火的位置</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>点击 Vornmark 命中的舰船</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>剩余炮弹：%n</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>你的命中</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>你已葬身鱼腹</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>恭喜你，舰长</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>放置舰船。
[1] 点击舰船将其选中，再点击网格放置该舰船
[2] 单击鼠标右键旋转
[3] 选择“文件/新游戏”开始游戏</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>网格尺寸错误</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>舰船“%1”尚未放置
请点击“文件/布阵”</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>模糊阈值必须在 1 到 30 之间</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>每轮齐射炮弹数必须在 1 到 10 之间</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>网格尺寸必须在 4 到 30 之间</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
有 %n 发炮弹无处可射</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>高级难度下出现 System Error 109。改回中级</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>打开 stats 时出错
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>无法读取统计文件，该文件已保留为“%1”。
你的战绩将重新开始记录。</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark 无法保存统计文件。
下一局结束时会再次尝试。</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>另一个 Vornmark 正在运行，并保存着它进行中的游戏。
这一个不会动那局游戏：你在这里玩的内容在关闭后不会保留。</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark 无法把进行中的游戏保存在“%1”中。
关闭窗口后，你玩的内容不会保留。</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>上次保存的游戏无法恢复（%1）。
该文件已保留为“%2”，程序将重新开始。</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>保存在“%1”中的游戏无法恢复（%2），也无法移到一旁。
关闭窗口后，你玩的内容不会保留。</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark 无法把进行中的游戏保存到“%1”。
每次有变化时以及你退出时，它都会再次尝试。</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
版本 %1

与会统计的对手对战的齐射游戏：Vornmark 从不知道它的哪些炮弹命中了，只知道你的每艘舰船各中了几弹，并通过统计每一种仍然可能的位置找出你的舰队。

由 Vornmark 开发者编写。
使用 Qt %2 构建。</translation>
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
        <translation>护卫舰</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>驱逐舰</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>战列舰</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>潜艇</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>我的护卫舰</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>我的驱逐舰</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>我的战列舰</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>我的潜艇</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>你的护卫舰</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>你的驱逐舰</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>你的战列舰</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>你的潜艇</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>点此继续</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>点击网格开火</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>点此查看命中</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>点此显示我的舰船</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>点此再来一局</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>点此随机布阵</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>A/B 阶段</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>GAMMA 阶段</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>DELTA 阶段</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>专家，A/B 阶段</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>专家，GAMMA 阶段</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>专家，DELTA 阶段</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
访问 %1 时出错，位置 %2,%3
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>错误：齐射越界 %1，位置 %2,%3</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>错误：重复射击 %1 %2,%3</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>错误：命中数多于格数 %1</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>错误：没有可撤销的命中 %1</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>错误：%1 未描述
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>错误：%1 未描述 f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>诊断</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>网格尺寸</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>每边格数 (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Vornmark 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>后退(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>前进(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Vornmark 帮助：%1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>布阵(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>打印(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>杂项(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>网格尺寸(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>节奏(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>Vornmark 视角(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>统计(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>配色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>经典(&amp;C)</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>色盲友好(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>高对比度(&amp;H)</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>声音(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>帮助(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>关于 Vornmark(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>模拟(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>桌面语言</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>无法写入设置文件。</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>下次启动起，Vornmark 将使用桌面语言。</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>下次启动起，Vornmark 将使用 %1。</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Vornmark 选项</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>游戏模式</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>自动（Vornmark 会自动算出它命中了你哪里）</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>手动（由你告诉 Vornmark 它命中了你哪里）</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>进攻（Vornmark 不向你开火）</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>谁先开火</translation>
    </message>
    <message>
        <source>You</source>
        <translation>你</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中级</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>模糊阈值
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>每轮齐射炮弹数</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>节奏</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>你射击后暂停？</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Vornmark 射击后暂停？</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>网格</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>弹数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>胜率</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最佳</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>平均胜局轮数</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>连胜</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>最长连胜</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中级</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>按难度和网格统计的你的游戏</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>所选行中胜局与负局的齐射轮数</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>重置(&amp;R)...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>保存在 %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>尚无对局</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>按你发射的齐射轮数统计的对局</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>齐射轮数</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>局数</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>清除所有难度和网格的战绩？
此操作无法撤销。</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>无法写入统计文件。</translation>
    </message>
</context>
</TS>
