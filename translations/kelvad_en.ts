<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CommandLine</name>
    <message>
        <source>このヘルプを表示して終わります。</source>
        <translation>Shows this help and exits.</translation>
    </message>
    <message>
        <source>ゲームのバージョンを表示して終わります。</source>
        <translation>Shows the game&apos;s version and exits.</translation>
    </message>
    <message>
        <source>ゲームの言語: %1。既定は ja（日本語）です。</source>
        <translation>The game&apos;s language: %1. The default is ja (Japanese).</translation>
    </message>
    <message>
        <source>ケルバド解消ゲーム (kelvad): マウスで遊ぶ30秒の射撃ゲームです。
跳びまわる3人の男を撃ち、一般人は右ボタンで救って、上位5位の得点表に名前を残しましょう。
Ctrl+S でゲームが始まり、F1 でヘルプが開きます。
得点はファイル TOKUTEN に記録されます。持ち運べるコピーではゲームと同じフォルダーに、
インストールしたゲームでは ~/.local/share/kelvad/ に置かれます。</source>
        <translation>Kelvad Buster (kelvad): a thirty-second shooting game played with the mouse.
Shoot the three men as they jump about the field, rescue the civilian with the right button,
and get your name into the table of the five best scores. Ctrl+S starts a game; F1 opens the help.
The scores are kept in the file TOKUTEN: beside a portable copy of the game, or in
~/.local/share/kelvad/ for an installed one.</translation>
    </message>
    <message>
        <source>kelvad: 言語 &apos;%1&apos; はありません。使える言語: %2
</source>
        <translation>kelvad: there is no language &apos;%1&apos;; the game speaks %2
</translation>
    </message>
    <message>
        <source>ゲームはファイルなどの引数を取りません: &apos;%1&apos;</source>
        <translation>the game takes no file or other argument: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>kelvad: %1
&apos;kelvad --help&apos; で使い方を表示します。
</source>
        <translation>kelvad: %1
Try &apos;kelvad --help&apos;.
</translation>
    </message>
    <message>
        <source>ライセンス: GPL-3.0-or-later（GNU 一般公衆利用許諾書 第3版以降）</source>
        <translation>Licence: GPL-3.0-or-later (GNU General Public License, version 3 or later)</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Kelvad.Hlp</source>
        <translation>Kelvad-en.Hlp</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を開けません: %2</source>
        <translation>Cannot open the help file %1: %2</translation>
    </message>
    <message>
        <source>ヘルプファイル %1 を読めません: %2</source>
        <translation>Cannot read the help file %1: %2</translation>
    </message>
    <message>
        <source>ケルバド解消ゲーム ヘルプ</source>
        <translation>Kelvad Buster Help</translation>
    </message>
</context>
<context>
    <name>MessageBar</name>
    <message>
        <source>一般人 ＴＨＡＮＫ&#x3000;ＹＯＵ!!</source>
        <translation>Civilian: THANK YOU!!</translation>
    </message>
    <message>
        <source>一般人&#x3000;うぁぁぁぁぁぁ!!</source>
        <translation>Civilian: Aaaaargh!!</translation>
    </message>
    <message>
        <source>弾がありません！</source>
        <translation>Out of ammo!</translation>
    </message>
    <message>
        <source>補給中…</source>
        <translation>Reloading…</translation>
    </message>
    <message>
        <source>この銃は補給ができません!!</source>
        <translation>This gun can&apos;t be reloaded!!</translation>
    </message>
    <message>
        <source>補給中完了!!</source>
        <translation>Reloaded!!</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>ケルバド解消ゲーム</source>
        <translation>Kelvad Buster</translation>
    </message>
    <message>
        <source>あなたの得点は%1点です！</source>
        <translation>You scored %1 points!</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>ケルバド解消ゲーム&#x3000;Ver1.51</source>
        <translation>Kelvad Buster Ver1.51</translation>
    </message>
    <message>
        <source>タイム中です。再会するには、ボタンをクリックしてください。</source>
        <translation>Time out. Click the button to play on.</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>起動した状態に戻しますか？</source>
        <translation>Go back to the start screen?</translation>
    </message>
    <message>
        <source>ｹﾙﾊﾞﾄﾞ解消ｹﾞｰﾑ</source>
        <translation>Kelvad Buster</translation>
    </message>
    <message>
        <source>データを初期化してもよろしいですか？</source>
        <translation>Reset the high scores?</translation>
    </message>
    <message>
        <source>ファイルの場所に、ファイルでないもの（フォルダなど）があります。</source>
        <translation>Something that is not a file (a folder, say) stands in its place.</translation>
    </message>
    <message>
        <source>フォルダに書き込む権限がありません。</source>
        <translation>The game may not write in its folder.</translation>
    </message>
    <message>
        <source>ディスクに空きがありません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>得点はハイスコアの表に入りましたが、ファイルに保存できませんでした。

ファイル：%1
理由：%2

ゲームは次の機会に、もう一度保存します。</source>
        <translation>Your score is in the high-score table, but the table could not be saved to its file.

File: %1
Reason: %2

The game will save it again at the next chance.</translation>
    </message>
    <message>
        <source>ハイスコアの表は初期化されましたが、ファイルに保存できませんでした。

ファイル：%1
理由：%2

ゲームは次の機会に、もう一度保存します。</source>
        <translation>The high-score table was reset, but could not be saved to its file.

File: %1
Reason: %2

The game will save it again at the next chance.</translation>
    </message>
</context>
<context>
    <name>NameEntry</name>
    <message>
        <source>一位</source>
        <translation>1st place</translation>
    </message>
    <message>
        <source>二位</source>
        <translation>2nd place</translation>
    </message>
    <message>
        <source>三位</source>
        <translation>3rd place</translation>
    </message>
    <message>
        <source>四位</source>
        <translation>4th place</translation>
    </message>
    <message>
        <source>五位</source>
        <translation>5th place</translation>
    </message>
    <message>
        <source>名前なし</source>
        <translation>No Name</translation>
    </message>
</context>
<context>
    <name>kelvad::HighScoreTableWindow</name>
    <message>
        <source>ハイスコア</source>
        <translation>High Scores</translation>
    </message>
    <message>
        <source>点</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>初期化</source>
        <translation>Reset</translation>
    </message>
</context>
<context>
    <name>kelvad::MainWindow</name>
    <message>
        <source>ケルバド解消ゲーム</source>
        <translation>Kelvad Buster</translation>
    </message>
    <message>
        <source>撃破数</source>
        <translation>Kills</translation>
    </message>
    <message>
        <source>タイムボーナス</source>
        <translation>Time bonus</translation>
    </message>
    <message>
        <source>始める</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>射撃場</source>
        <translation>Shooting range</translation>
    </message>
    <message>
        <source>黒い男</source>
        <translation>Black Man</translation>
    </message>
    <message>
        <source>青い男</source>
        <translation>Blue Man</translation>
    </message>
    <message>
        <source>黄色い男</source>
        <translation>Yellow Man</translation>
    </message>
    <message>
        <source>一般人</source>
        <translation>Civilian</translation>
    </message>
    <message>
        <source>ボーナス%1</source>
        <translation>Bonus %1</translation>
    </message>
    <message>
        <source>制作：ケルバド工房</source>
        <translation>By Kelvad Works</translation>
    </message>
    <message>
        <source>１９９８年８月</source>
        <translation>August 1998</translation>
    </message>
    <message>
        <source>…10点</source>
        <translation>…10 pts</translation>
    </message>
    <message>
        <source>…20点</source>
        <translation>…20 pts</translation>
    </message>
    <message>
        <source>…30点</source>
        <translation>…30 pts</translation>
    </message>
    <message>
        <source>残り時間</source>
        <translation>Time Left</translation>
    </message>
    <message>
        <source>残り時間のバー</source>
        <translation>Time gauge</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>命中率</source>
        <translation>Hit Rate</translation>
    </message>
    <message>
        <source>タマ数</source>
        <translation>Ammo</translation>
    </message>
    <message>
        <source>弾</source>
        <translation>Bullet</translation>
    </message>
    <message>
        <source>弾のバー</source>
        <translation>Ammo gauge</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑ(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ(&amp;S)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ﾀｲﾑ(&amp;T)</source>
        <translation>&amp;Time Out</translation>
    </message>
    <message>
        <source>ｽﾀｰﾄ時に戻す(&amp;B)</source>
        <translation>&amp;Back to Start</translation>
    </message>
    <message>
        <source>ﾊｲｽｺｱ(&amp;H)...</source>
        <translation>&amp;High Scores...</translation>
    </message>
    <message>
        <source>終了(&amp;E)</source>
        <translation>&amp;Exit</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>ｹﾞｰﾑｽﾋﾟｰﾄﾞ(&amp;G)...</source>
        <translation>&amp;Game Speed...</translation>
    </message>
    <message>
        <source>銃の種類(&amp;S)</source>
        <translation>Gun &amp;Type</translation>
    </message>
    <message>
        <source>ﾉｰﾏﾙｶﾞﾝ(&amp;N)</source>
        <translation>&amp;Normal Gun</translation>
    </message>
    <message>
        <source>ｻﾌﾞﾏｼﾝｶﾞﾝ(&amp;S)</source>
        <translation>&amp;Submachine Gun</translation>
    </message>
    <message>
        <source>ｼﾞｬｯｸｶﾞﾝ(&amp;G)</source>
        <translation>&amp;Jack Gun</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>黒い男</source>
        <comment>legend</comment>
        <translation>Black</translation>
    </message>
    <message>
        <source>青い男</source>
        <comment>legend</comment>
        <translation>Blue</translation>
    </message>
    <message>
        <source>黄色い男</source>
        <comment>legend</comment>
        <translation>Yellow</translation>
    </message>
</context>
<context>
    <name>kelvad::NameEntryWindow</name>
    <message>
        <source>ハイスコアへ登録</source>
        <translation>New High Score</translation>
    </message>
    <message>
        <source>ﾊｲｽｺｱに登録します。名前を入力してください。</source>
        <translation>You made the high scores! Enter your name.</translation>
    </message>
</context>
<context>
    <name>kelvad::SpeedWindow</name>
    <message>
        <source>ゲームスピード</source>
        <translation>Game Speed</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>普通</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>開始点数</source>
        <translation>Starts at</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
