<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
گزینه‌های خود Qt، مانند -platform و -style و -display، مانند هر برنامهٔ Qt دیگری
کار می‌کنند. برای طرز بازی، صفحهٔ راهنمای trixola(6) را ببینید.
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>بازی دوز در برابر رایانه: شما با ضربدر صورتی شروع می‌کنید،
و رایانه با رنگ آبی پاسخ می‌دهد.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>آرگومان غیرمنتظرهٔ «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>نمایش این راهنما و خروج.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>نمایش نگارش و خروج.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>طرز استفاده: %1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[گزینه‌ها]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>گزینه‌ها:</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>گزینهٔ ناشناختهٔ «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>گزینه‌های ناشناخته: %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>مقداری پس از «%1» نیامده است.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>مقدار غیرمنتظره پس از «%1».</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="123"/>
        <source>Noughts and crosses against the computer</source>
        <translation>بازی دوز در برابر رایانه</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Game status</source>
        <translation>وضعیت بازی</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="125"/>
        <source>Level</source>
        <translation>سطح</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Turns the sound effects on or off</source>
        <translation>جلوه‌های صوتی را روشن یا خاموش می‌کند</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="129"/>
        <source>Starts a new match; the score is kept</source>
        <translation>دست تازه‌ای را شروع می‌کند؛ امتیازها حفظ می‌شوند</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="130"/>
        <source>Ends the game</source>
        <translation>از بازی خارج می‌شود</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="131"/>
        <source>Contact the author</source>
        <translation>تماس با سازنده</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="133"/>
        <source>Writes an e-mail to the author</source>
        <translation>به سازنده رایانامه می‌نویسد</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Time in this match</source>
        <translation>زمان این دست</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Cell %1: yours</source>
        <translation>خانهٔ %1: مال شما</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>خانهٔ %1: مال رایانه</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Cell %1: empty</source>
        <translation>خانهٔ %1: خالی</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="149"/>
        <source>Top left</source>
        <translation>بالا چپ</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="150"/>
        <source>Top middle</source>
        <translation>بالا وسط</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="151"/>
        <source>Top right</source>
        <translation>بالا راست</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="152"/>
        <source>Middle left</source>
        <translation>وسط چپ</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="153"/>
        <source>Centre</source>
        <translation>مرکز</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>Middle right</source>
        <translation>وسط راست</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="155"/>
        <source>Bottom left</source>
        <translation>پایین چپ</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Bottom middle</source>
        <translation>پایین وسط</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Bottom right</source>
        <translation>پایین راست</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="159"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 صفحهٔ بازی؛ کلید %2، یا %3 روی صفحه‌کلید عددی، اگر صفحه‌خوان از آن استفاده نکند</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="168"/>
        <source>You: %1</source>
        <translation>شما: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Computer: %1</source>
        <translation>رایانه: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="171"/>
        <source>Draw: %1</source>
        <translation>مساوی: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="178"/>
        <source>Matches you have won</source>
        <translation>دست‌هایی که شما برده‌اید</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Matches the computer has won</source>
        <translation>دست‌هایی که رایانه برده است</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="184"/>
        <source>Drawn matches</source>
        <translation>دست‌های مساوی</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="189"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>زمان: %n ثانیه</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="193"/>
        <source>Sound on</source>
        <translation>صدا روشن</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="194"/>
        <source>Sound off</source>
        <translation>صدا خاموش</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="202"/>
        <source>Cell %1: yours.</source>
        <translation>خانهٔ %1: مال شما.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source> Computer: cell %1.</source>
        <extracomment>Follows &quot;Cell %1: yours.&quot; in the same announcement; the leading space separates the two.</extracomment>
        <translation> رایانه: خانهٔ %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="214"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <extracomment>%1 is the banner&apos;s result text; %2 to %4 are the score: matches won by the player, by the computer, drawn.</extracomment>
        <translation>%1. شما %2، رایانه %3، مساوی %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="222"/>
        <source>New match. The board is empty.</source>
        <translation>دست تازه. صفحهٔ بازی خالی است.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translation>رایانه</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>شما</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>Easy</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>آسان</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="70"/>
        <source>Hard</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>سخت</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>&amp;New Game</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from Exit&apos;s.</extracomment>
        <translation>با&amp;زی جدید</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="76"/>
        <source>&amp;Exit</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from New Game&apos;s.</extracomment>
        <translation>خر&amp;وج</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>Sound On/Off</source>
        <translation>روشن/خاموش کردن صدا</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="84"/>
        <source>WELCOME TO TRIXOLA</source>
        <extracomment>Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font, three lines at most. TRIXOLA is the game&apos;s name.</extracomment>
        <translatorcomment>«به TRIXOLA خوش آمدید» در قلم عربی دبیان ۱۳ دو سطر بلندِ فارسی می‌شود و از بلندی کادر بیرون می‌زند؛ با «TRIXOLA» در سطر دوم جا می‌شود.</translatorcomment>
        <translation>خوش آمدید به TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="88"/>
        <source>  YOU WON THE GAME</source>
        <extracomment>Banner; the two leading spaces centre the English text and need not be kept.</extracomment>
        <translation>شما بردید</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="90"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>رایانه برد</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="94"/>
        <source>THE MATCH IS DRAW</source>
        <translation>مساوی شد</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="106"/>
        <source>Draw: %1</source>
        <translatorcomment>دنبالهٔ «ی» در «مساوی» با قلم عربی دبیان ۱۳ از خط پایین کادر امتیاز بیرون می‌زند؛ «تعادلات» در کادر جا می‌شود.</translatorcomment>
        <translation>تعادلات: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="111"/>
        <source>%n Seconds</source>
        <extracomment>The match&apos;s clock, 81 pixels wide; %n counts from 1 to thousands.</extracomment>
        <translation>
            <numerusform>%n ثانیه</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>On</source>
        <extracomment>Beside the sound switch: the sound is on / off, in the words the desktop uses for a switch (not yes / no); about 80 pixels.</extracomment>
        <translation>روشن</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Off</source>
        <translation>خاموش</translation>
    </message>
</context>
</TS>
