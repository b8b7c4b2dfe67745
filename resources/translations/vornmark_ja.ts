<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Board</name>
    <message>
        <source>Vornmark board</source>
        <translation>Vornmark のゲーム盤</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>row %1, column %2: %3</source>
        <extracomment>A square of the grid and, after the colon, what it shows.</extracomment>
        <translation>%1 行 %2 列: %3</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>%1 行 %2 列</translation>
    </message>
    <message>
        <source>not shot</source>
        <translation>未射撃</translation>
    </message>
    <message>
        <source>your shot of volley %1, Vornmark&apos;s ship</source>
        <extracomment>%1 is a volley&apos;s number or letter.</extracomment>
        <translation>斉射 %1 のあなたの弾、Vornmark の艦</translation>
    </message>
    <message>
        <source>your shot of volley %1</source>
        <translation>斉射 %1 のあなたの弾</translation>
    </message>
    <message>
        <source>Vornmark&apos;s shot of volley %1</source>
        <translation>斉射 %1 の Vornmark の弾</translation>
    </message>
    <message>
        <source>your ship, hit by volley %1</source>
        <translation>あなたの艦、斉射 %1 で被弾</translation>
    </message>
    <message>
        <source>your ship</source>
        <translation>あなたの艦</translation>
    </message>
    <message>
        <source>water</source>
        <translation>海</translation>
    </message>
    <message>
        <source>your Corvette</source>
        <translation>あなたのコルベット</translation>
    </message>
    <message>
        <source>your Destroyer</source>
        <translation>あなたの駆逐艦</translation>
    </message>
    <message>
        <source>your Battleship</source>
        <translation>あなたの戦艦</translation>
    </message>
    <message>
        <source>your Submarine</source>
        <translation>あなたの潜水艦</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3, selected</source>
        <extracomment>A square of a ship&apos;s panel: %1 the ship, %2 the square&apos;s number, %3 a volley&apos;s number or letter.</extracomment>
        <translation>%1、マス %2、斉射 %3 で命中、選択中</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit, selected</source>
        <translation>%1、マス %2、命中なし、選択中</translation>
    </message>
    <message>
        <source>%1, cell %2, selected</source>
        <translation>%1、マス %2、選択中</translation>
    </message>
    <message>
        <source>%1, cell %2, hit in volley %3</source>
        <translation>%1、マス %2、斉射 %3 で命中</translation>
    </message>
    <message>
        <source>%1, cell %2, not hit</source>
        <translation>%1、マス %2、命中なし</translation>
    </message>
    <message>
        <source>%1, cell %2</source>
        <translation>%1、マス %2</translation>
    </message>
</context>
<context>
    <name>Counts</name>
    <message>
        <source>Hint: your shots could hit</source>
        <translation>ヒント: 命中しうる場所</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view of your fleet</source>
        <translation>Vornmark から見た艦隊</translation>
    </message>
    <message>
        <source>Vornmark&apos;s view: chance of a ship, %</source>
        <translation>Vornmark の視点: 艦がいる確率 %</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>FirstStartGuide</name>
    <message>
        <source>Start a game</source>
        <translation>ゲームを始める</translation>
    </message>
    <message>
        <source>Welcome to Vornmark</source>
        <translation>Vornmark へようこそ</translation>
    </message>
    <message>
        <source>%1 opens the help on the whole game. A game in progress is kept when you quit and goes on at the next start.</source>
        <extracomment>%1 is the help&apos;s key.</extracomment>
        <translation>%1 でゲーム全体のヘルプが開きます。進行中のゲームは終了しても保存され、次回の起動時に続きから遊べます。</translation>
    </message>
    <message>
        <source>Offense mode: Vornmark hides four ships and does not fire back.</source>
        <translation>攻撃モード: Vornmark は 4 隻の艦を隠し、反撃しません。</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley, and sink the fleet in as few volleys as you can.</source>
        <translation>「ファイル/新しいゲーム」を選び、盤面のマスをクリックして斉射してください。できるだけ少ない斉射で艦隊を撃沈しましょう。</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours.</source>
        <translation>Vornmark に撃沈される前に、隠された Vornmark の 4 隻の艦を見つけて撃沈しましょう。</translation>
    </message>
    <message>
        <source>Lay out your fleet</source>
        <translation>艦隊を配置する</translation>
    </message>
    <message>
        <source>Choose File/Place, then click “Click here to Scatter” at the bottom left for a random layout, or pick a ship&apos;s panel and click the grid.</source>
        <translation>「ファイル/配置」を選び、左下の「クリックしてランダム配置」をクリックしてランダムに配置するか、艦のパネルを選んで盤面をクリックしてください。</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley. Vornmark works out its hits on your fleet by itself.</source>
        <translation>「ファイル/新しいゲーム」を選び、盤面のマスをクリックして斉射してください。あなたの艦隊への命中は Vornmark が自分で判定します。</translation>
    </message>
    <message>
        <source>Find and sink Vornmark&apos;s four hidden ships before it sinks yours. In Manual mode your own fleet stays on your paper, and you tell Vornmark its hits.</source>
        <translation>Vornmark に撃沈される前に、隠された Vornmark の 4 隻の艦を見つけて撃沈しましょう。手動モードでは、あなたの艦隊は手元の紙の上に置き、Vornmark の命中をあなたが知らせます。</translation>
    </message>
    <message>
        <source>Choose File/New Game, then click squares of the grid to fire your volley.</source>
        <translation>「ファイル/新しいゲーム」を選び、盤面のマスをクリックして斉射してください。</translation>
    </message>
    <message>
        <source>Report Vornmark&apos;s hits</source>
        <translation>Vornmark の命中を知らせる</translation>
    </message>
    <message>
        <source>When Vornmark has fired, click the panel of each of your ships it hit, once per hit, then “Click here to Continue”.</source>
        <translation>Vornmark が撃ったら、命中したあなたの艦のパネルを命中 1 発につき 1 回ずつクリックし、「クリックして続行」をクリックしてください。</translation>
    </message>
</context>
<context>
    <name>Legend</name>
    <message>
        <source>This is where Vornmark has fired</source>
        <translation>Vornmark が撃ったのはここです</translation>
    </message>
    <message>
        <source>Click on what Vornmark has hit</source>
        <translation>Vornmark が命中させた艦をクリック</translation>
    </message>
    <message numerus="yes">
        <source>Shots left: %n</source>
        <extracomment>While you aim: the shots of this volley you have still to place.</extracomment>
        <translation>
            <numerusform>残り弾数: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>What you hit</source>
        <extracomment>After your volley: the panels show the hits it scored.</extracomment>
        <translation>命中結果</translation>
    </message>
    <message>
        <source>You sleep with the fishes</source>
        <extracomment>Vornmark has sunk your whole fleet.</extracomment>
        <translation>艦隊は海の藻屑と消えた</translation>
    </message>
    <message>
        <source>Congratulations, Captain</source>
        <translation>おめでとうございます、艦長</translation>
    </message>
    <message>
        <source>Place ships.
[1] Click on ship to select, then click on grid to place the ship
[2] Right-mouse click to rotate
[3] Choose File/New Game to play</source>
        <extracomment>Place mode. Keep the four lines; File/New Game as the menu says it.</extracomment>
        <translation>艦を配置してください。
[1] 艦をクリックして選び、盤面をクリックして配置
[2] 右クリックで回転
[3] ファイル/新しいゲームでプレイ開始</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Grid size error</source>
        <translation>盤面サイズのエラー</translation>
    </message>
    <message>
        <source>Ship &quot;%1&quot; not placed
Click on &apos;File/Place&apos;</source>
        <extracomment>%1 is a ship&apos;s name.</extracomment>
        <translation>「%1」が配置されていません
「ファイル/配置」をクリックしてください</translation>
    </message>
    <message>
        <source>Ambiguity Threshold must be between 1 and 30</source>
        <translation>曖昧さのしきい値は 1 から 30 の間で指定してください</translation>
    </message>
    <message>
        <source>Shots per volley must be between 1 and 10</source>
        <translation>斉射あたりの弾数は 1 から 10 の間で指定してください</translation>
    </message>
    <message>
        <source>Grid size must be between 4 and 30</source>
        <translation>盤面サイズは 4 から 30 の間で指定してください</translation>
    </message>
    <message numerus="yes">
        <source>
Couldn&apos;t place %n shots</source>
        <extracomment>Vornmark found fewer open squares than shots to fire. Keep the line break at the start.</extracomment>
        <translation>
            <numerusform>
%n 発の弾を配置できませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>System Error 109 in Advanced mode. Reverting to Intermediate</source>
        <translation>上級でシステムエラー 109 が発生しました。中級に戻します</translation>
    </message>
    <message>
        <source>Error opening stats
</source>
        <extracomment>&quot;stats&quot; is the name of the file of Vornmark&apos;s reasoning: keep it.</extracomment>
        <translation>stats を開けませんでした
</translation>
    </message>
    <message>
        <source>The statistics file could not be read and was kept as &quot;%1&quot;.
Your record starts afresh.</source>
        <translation>統計ファイルを読み込めなかったため、「%1」として残しました。
記録は新しく始まります。</translation>
    </message>
    <message>
        <source>Vornmark could not save its statistics file.
It will try again when the next game ends.</source>
        <translation>Vornmark は統計ファイルを保存できませんでした。
次のゲームが終わったときにもう一度試みます。</translation>
    </message>
    <message>
        <source>Another Vornmark is running and keeps its game in progress.
This one leaves that game alone: what you play here is not kept when you close it.</source>
        <translation>別の Vornmark が実行中で、進行中のゲームを保存しています。
こちらはそのゲームには触れません: ここで遊んだ内容は、閉じると保存されません。</translation>
    </message>
    <message>
        <source>Vornmark cannot keep the game in progress in &quot;%1&quot;.
What you play is not kept when you close the window.</source>
        <translation>Vornmark は進行中のゲームを「%1」に保存できません。
ウィンドウを閉じると、遊んだ内容は保存されません。</translation>
    </message>
    <message>
        <source>The game kept from the last time could not be resumed (%1).
The file was kept as &quot;%2&quot;, and a new start is made.</source>
        <translation>前回保存したゲームを再開できませんでした (%1)。
ファイルは「%2」として残し、新しく始めます。</translation>
    </message>
    <message>
        <source>The game kept in &quot;%1&quot; could not be resumed (%2), nor moved aside.
What you play is not kept when you close the window.</source>
        <translation>「%1」に保存されたゲームを再開できず (%2)、別名で退避することもできませんでした。
ウィンドウを閉じると、遊んだ内容は保存されません。</translation>
    </message>
    <message>
        <source>Vornmark could not save the game in progress in &quot;%1&quot;.
It tries again at every change, and when you quit.</source>
        <translation>Vornmark は進行中のゲームを「%1」に保存できませんでした。
変更のたびと終了時にもう一度試みます。</translation>
    </message>
    <message>
        <source>Vornmark
Version %1

The salvo game against an opponent that counts: Vornmark is never told which of its shots hit, only how many hits each of your ships took, and finds your fleet by counting every placement that is still possible.

Written by the Vornmark developers.
Built with Qt %2.</source>
        <extracomment>The About box. %1 is the version, %2 the version of Qt.</extracomment>
        <translation>Vornmark
バージョン %1

数え上げる相手と戦う斉射ゲーム: Vornmark は自分のどの弾が命中したかを知らされず、あなたの各艦が何発被弾したかだけを知らされます。そこから、まだあり得る配置を一つ残らず数えて、あなたの艦隊を見つけ出します。

作成: Vornmark 開発者
Qt %2 でビルドされています。</translation>
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
        <translation>コルベット</translation>
    </message>
    <message>
        <source>Destroyer</source>
        <translation>駆逐艦</translation>
    </message>
    <message>
        <source>Battleship</source>
        <translation>戦艦</translation>
    </message>
    <message>
        <source>Submarine</source>
        <translation>潜水艦</translation>
    </message>
    <message>
        <source>My Corvette</source>
        <extracomment>&quot;My&quot; ships are Vornmark&apos;s own; &quot;His&quot; ships are the player&apos;s, as Vornmark calls them.</extracomment>
        <translation>私のコルベット</translation>
    </message>
    <message>
        <source>My Destroyer</source>
        <translation>私の駆逐艦</translation>
    </message>
    <message>
        <source>My Battleship</source>
        <translation>私の戦艦</translation>
    </message>
    <message>
        <source>My Submarine</source>
        <translation>私の潜水艦</translation>
    </message>
    <message>
        <source>His Corvette</source>
        <translation>あなたのコルベット</translation>
    </message>
    <message>
        <source>His Destroyer</source>
        <translation>あなたの駆逐艦</translation>
    </message>
    <message>
        <source>His Battleship</source>
        <translation>あなたの戦艦</translation>
    </message>
    <message>
        <source>His Submarine</source>
        <translation>あなたの潜水艦</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>Click here to Continue</source>
        <translation>クリックして続行</translation>
    </message>
    <message>
        <source>Click on grid to fire shots</source>
        <translation>盤面をクリックして射撃</translation>
    </message>
    <message>
        <source>Click here to see what you hit</source>
        <translation>クリックして命中を確認</translation>
    </message>
    <message>
        <source>Click here to Show my ships</source>
        <translation>クリックして私の艦を表示</translation>
    </message>
    <message>
        <source>Click here to Play again</source>
        <translation>クリックしてもう一度プレイ</translation>
    </message>
    <message>
        <source>Click here to Scatter</source>
        <translation>クリックしてランダム配置</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>phase A/B</source>
        <extracomment>The window&apos;s title names how Vornmark chose its volley. A/B, GAMMA and DELTA are names.</extracomment>
        <translation>フェーズ A/B</translation>
    </message>
    <message>
        <source>phase GAMMA</source>
        <translation>フェーズ GAMMA</translation>
    </message>
    <message>
        <source>phase DELTA</source>
        <translation>フェーズ DELTA</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Expert, phase A/B</source>
        <translation>エキスパート、フェーズ A/B</translation>
    </message>
    <message>
        <source>Expert, phase GAMMA</source>
        <translation>エキスパート、フェーズ GAMMA</translation>
    </message>
    <message>
        <source>Expert, phase DELTA</source>
        <translation>エキスパート、フェーズ DELTA</translation>
    </message>
</context>
<context>
    <name>Warnings</name>
    <message>
        <source>
Error accessing %1 at %2,%3
</source>
        <translation>
エラー: %1 の %2,%3 にアクセスできません
</translation>
    </message>
    <message>
        <source>Error volley out of bounds %1 at %2,%3</source>
        <translation>エラー: %1 の %2,%3 への斉射が範囲外です</translation>
    </message>
    <message>
        <source>Error firing twice at %1 %2,%3</source>
        <translation>エラー: %1 の %2,%3 に二度射撃しました</translation>
    </message>
    <message>
        <source>Error: more hits than cells %1</source>
        <translation>エラー: %1 の命中数がマス数を超えています</translation>
    </message>
    <message>
        <source>Error: no hits left to remove %1</source>
        <translation>エラー: %1 に取り消せる命中がありません</translation>
    </message>
    <message>
        <source>Error: %1 not described
</source>
        <translation>エラー: %1 が定義されていません
</translation>
    </message>
    <message>
        <source>Error: %1 not described f
</source>
        <translation>エラー: %1 が定義されていません f
</translation>
    </message>
</context>
<context>
    <name>vornmark::DiagnosticWindow</name>
    <message>
        <source>Diagnostic</source>
        <translation>診断</translation>
    </message>
</context>
<context>
    <name>vornmark::GeometryDialog</name>
    <message>
        <source>Geometry</source>
        <translation>盤面サイズ</translation>
    </message>
    <message>
        <source>Number of squares (4-30)</source>
        <translation>マス数 (4-30)</translation>
    </message>
</context>
<context>
    <name>vornmark::HelpWindow</name>
    <message>
        <source>Vornmark Help</source>
        <translation>Vornmark ヘルプ</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>進む(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Vornmark Help: %1</source>
        <translation>Vornmark ヘルプ: %1</translation>
    </message>
</context>
<context>
    <name>vornmark::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>P&amp;lace</source>
        <translation>配置(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>印刷(&amp;P)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>Misc.</source>
        <translation>その他(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Geometry</source>
        <translation>盤面サイズ(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Pacing</source>
        <translation>ペース(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>ヒント(&amp;H)</translation>
    </message>
    <message>
        <source>Vornmark&apos;s &amp;View</source>
        <translation>Vornmark の視点(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>統計(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Colours</source>
        <translation>配色(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Classic</source>
        <translation>クラシック(&amp;C)</translation>
    </message>
    <message>
        <source>Colour-&amp;blind safe</source>
        <translation>色覚バリアフリー(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;High contrast</source>
        <translation>ハイコントラスト(&amp;H)</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>サウンド(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>ヘルプ(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;About Vornmark...</source>
        <translation>Vornmark について(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>シミュレーション(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <extracomment>The menu of the languages the game speaks; each language is named in itself.</extracomment>
        <translation>言語(&amp;L)</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>デスクトップの言語</translation>
    </message>
    <message>
        <source>The settings file could not be written.</source>
        <translation>設定ファイルに書き込めませんでした。</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks the desktop&apos;s language.</source>
        <translation>次回の起動から、Vornmark はデスクトップの言語で表示されます。</translation>
    </message>
    <message>
        <source>From its next start, Vornmark speaks %1.</source>
        <translation>次回の起動から、Vornmark は %1 で表示されます。</translation>
    </message>
</context>
<context>
    <name>vornmark::OptionsDialog</name>
    <message>
        <source>Vornmark Options</source>
        <translation>Vornmark のオプション</translation>
    </message>
    <message>
        <source>Mode of Play</source>
        <translation>プレイモード</translation>
    </message>
    <message>
        <source>Automatic (Vornmark will automatically figure out where it has hit you)</source>
        <translation>自動 (Vornmark が命中を自動的に判定します)</translation>
    </message>
    <message>
        <source>Manual (you tell Vornmark where it has hit you)</source>
        <translation>手動 (Vornmark の命中をあなたが知らせます)</translation>
    </message>
    <message>
        <source>Offense (Vornmark does not fire at you)</source>
        <translation>攻撃 (Vornmark は反撃しません)</translation>
    </message>
    <message>
        <source>Who starts</source>
        <translation>先攻</translation>
    </message>
    <message>
        <source>You</source>
        <translation>あなた</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>コンピューター</translation>
    </message>
    <message>
        <source>Level of Play</source>
        <translation>プレイレベル</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>エキスパート</translation>
    </message>
    <message>
        <source>Ambiguity Threshold 
(1-10)</source>
        <translation>曖昧さのしきい値
(1-10)</translation>
    </message>
    <message>
        <source>Shots per volley</source>
        <translation>斉射あたりの弾数</translation>
    </message>
</context>
<context>
    <name>vornmark::PacingDialog</name>
    <message>
        <source>Pacing</source>
        <translation>ペース</translation>
    </message>
    <message>
        <source>Pause after your shots?</source>
        <translation>あなたの射撃の後で一時停止しますか?</translation>
    </message>
    <message>
        <source>Pause after Vornmark&apos;s shots?</source>
        <translation>Vornmark の射撃の後で一時停止しますか?</translation>
    </message>
</context>
<context>
    <name>vornmark::StatisticsDialog</name>
    <message>
        <source>Level</source>
        <translation>レベル</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Shots</source>
        <translation>弾数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>対戦数</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>勝ち</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>負け</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>放棄</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>勝率</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>最短勝利</translation>
    </message>
    <message>
        <source>Mean to win</source>
        <translation>勝利平均</translation>
    </message>
    <message>
        <source>Streak</source>
        <translation>連勝</translation>
    </message>
    <message>
        <source>Longest streak</source>
        <translation>最長連勝</translation>
    </message>
    <message>
        <source>Novice</source>
        <translation>初級</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中級</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>エキスパート</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>上級</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自動</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>統計</translation>
    </message>
    <message>
        <source>Your games by level and grid</source>
        <translation>レベル・盤面別の対戦成績</translation>
    </message>
    <message>
        <source>Volleys of the won and lost games of the selected row</source>
        <translation>選択した行の勝ち・負けゲームの斉射数</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>リセット(&amp;R)...</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>保存先: %1</translation>
    </message>
    <message>
        <source>No games yet</source>
        <translation>まだ対戦がありません</translation>
    </message>
    <message>
        <source>Games by the volleys you fired</source>
        <translation>撃った斉射数ごとのゲーム数</translation>
    </message>
    <message>
        <source>Volleys</source>
        <translation>斉射数</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>ゲーム数</translation>
    </message>
    <message>
        <source>Clear the record of every level and grid?
This cannot be undone.</source>
        <translation>すべてのレベルと盤面の記録を消去しますか?
この操作は元に戻せません。</translation>
    </message>
    <message>
        <source>The statistics file could not be written.</source>
        <translation>統計ファイルに書き込めませんでした。</translation>
    </message>
</context>
</TS>
