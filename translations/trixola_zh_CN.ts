<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
Qt 自身的选项（如 -platform、-style 和 -display）与在任何 Qt 程序中一样有效。
玩法请参阅 trixola(6) 手册页。
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>与电脑对战的井字棋：你执粉色叉先走，
电脑以蓝色应对。</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>意外的参数“%1”。</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>用法：%1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[选项]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>未知选项“%1”。</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>未知选项：%1。</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>“%1”之后缺少值。</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>“%1”之后有意外的值。</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="123"/>
        <source>Noughts and crosses against the computer</source>
        <translation>与电脑对战的井字棋</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Game status</source>
        <translation>游戏状态</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="125"/>
        <source>Level</source>
        <translation>难度</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Turns the sound effects on or off</source>
        <translation>打开或关闭音效</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="129"/>
        <source>Starts a new match; the score is kept</source>
        <translation>开始新的一局；得分保留</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="130"/>
        <source>Ends the game</source>
        <translation>退出游戏</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="131"/>
        <source>Contact the author</source>
        <translation>联系作者</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="133"/>
        <source>Writes an e-mail to the author</source>
        <translation>给作者写邮件</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Time in this match</source>
        <translation>本局用时</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Cell %1: yours</source>
        <translation>格 %1：你的</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>格 %1：电脑的</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Cell %1: empty</source>
        <translation>格 %1：空</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="149"/>
        <source>Top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="150"/>
        <source>Top middle</source>
        <translation>上中</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="151"/>
        <source>Top right</source>
        <translation>右上</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="152"/>
        <source>Middle left</source>
        <translation>左中</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="153"/>
        <source>Centre</source>
        <translation>中央</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>Middle right</source>
        <translation>右中</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="155"/>
        <source>Bottom left</source>
        <translation>左下</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Bottom middle</source>
        <translation>下中</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Bottom right</source>
        <translation>右下</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="159"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>棋盘%1；按键 %2，或在屏幕阅读器未占用小键盘时按小键盘 %3</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="168"/>
        <source>You: %1</source>
        <translation>你：%1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Computer: %1</source>
        <translation>电脑：%1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="171"/>
        <source>Draw: %1</source>
        <translation>平局：%1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="178"/>
        <source>Matches you have won</source>
        <translation>你赢的局数</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Matches the computer has won</source>
        <translation>电脑赢的局数</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="184"/>
        <source>Drawn matches</source>
        <translation>平局数</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="189"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>用时：%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="193"/>
        <source>Sound on</source>
        <translation>声音已打开</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="194"/>
        <source>Sound off</source>
        <translation>声音已关闭</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="202"/>
        <source>Cell %1: yours.</source>
        <translation>格 %1：你的。</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source> Computer: cell %1.</source>
        <extracomment>Follows &quot;Cell %1: yours.&quot; in the same announcement; the leading space separates the two.</extracomment>
        <translation>电脑：格 %1。</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="214"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <extracomment>%1 is the banner&apos;s result text; %2 to %4 are the score: matches won by the player, by the computer, drawn.</extracomment>
        <translation>%1。你 %2，电脑 %3，平局 %4。</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="222"/>
        <source>New match. The board is empty.</source>
        <translation>新的一局。棋盘已清空。</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translation>电脑</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>你</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>Easy</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>简单</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="70"/>
        <source>Hard</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>困难</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>&amp;New Game</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from Exit&apos;s.</extracomment>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="76"/>
        <source>&amp;Exit</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from New Game&apos;s.</extracomment>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>Sound On/Off</source>
        <translation>声音 打开/关闭</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="84"/>
        <source>WELCOME TO TRIXOLA</source>
        <extracomment>Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font, three lines at most. TRIXOLA is the game&apos;s name.</extracomment>
        <translation>欢迎来到 TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="88"/>
        <source>  YOU WON THE GAME</source>
        <extracomment>Banner; the two leading spaces centre the English text and need not be kept.</extracomment>
        <translation>你赢了</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="90"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>电脑赢了</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="94"/>
        <source>THE MATCH IS DRAW</source>
        <translation>平局</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="106"/>
        <source>Draw: %1</source>
        <translation>平局：%1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="111"/>
        <source>%n Seconds</source>
        <extracomment>The match&apos;s clock, 81 pixels wide; %n counts from 1 to thousands.</extracomment>
        <translation>
            <numerusform>%n 秒</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>On</source>
        <extracomment>Beside the sound switch: the sound is on / off, in the words the desktop uses for a switch (not yes / no); about 80 pixels.</extracomment>
        <translation>已打开</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Off</source>
        <translation>已关闭</translation>
    </message>
</context>
</TS>
