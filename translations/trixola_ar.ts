<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
خيارات Qt نفسها، مثل -platform و-style و-display، تعمل كما في أي برنامج Qt.
راجع صفحة الدليل trixola(6) لمعرفة طريقة اللعب.
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>لعبة إكس-أو ضد الحاسوب: تبدأ أنت بعلامة × وردية،
ويرد الحاسوب باللون الأزرق.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>يعرض هذه المساعدة ثم يخرج.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>يعرض الإصدار ثم يخرج.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>الاستخدام: %1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[خيارات]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>الخيارات:</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>خيار غير معروف &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>خيارات غير معروفة: %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>قيمة مفقودة بعد &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة غير متوقعة بعد &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="109"/>
        <source>Noughts and crosses against the computer</source>
        <translation>لعبة إكس-أو ضد الحاسوب</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="110"/>
        <source>Game status</source>
        <translation>حالة اللعبة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="111"/>
        <source>Level</source>
        <translation>المستوى</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="113"/>
        <source>Turns the sound effects on or off</source>
        <translation>يشغّل المؤثرات الصوتية أو يوقفها</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="115"/>
        <source>Starts a new match; the score is kept</source>
        <translation>يبدأ مباراة جديدة؛ وتبقى النتيجة محفوظة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="116"/>
        <source>Ends the game</source>
        <translation>يُنهي اللعبة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Contact the author</source>
        <translation>راسل المؤلف</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="119"/>
        <source>Writes an e-mail to the author</source>
        <translation>يكتب رسالة بريد إلكتروني إلى المؤلف</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="121"/>
        <source>Time in this match</source>
        <translation>وقت هذه المباراة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Cell %1: yours</source>
        <translation>الخانة %1: لك</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="126"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>الخانة %1: للحاسوب</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Cell %1: empty</source>
        <translation>الخانة %1: فارغة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Top left</source>
        <translation>أعلى اليسار</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="136"/>
        <source>Top middle</source>
        <translation>أعلى الوسط</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="137"/>
        <source>Top right</source>
        <translation>أعلى اليمين</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Middle left</source>
        <translation>وسط اليسار</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="139"/>
        <source>Centre</source>
        <translation>الوسط</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Middle right</source>
        <translation>وسط اليمين</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Bottom left</source>
        <translation>أسفل اليسار</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="142"/>
        <source>Bottom middle</source>
        <translation>أسفل الوسط</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="143"/>
        <source>Bottom right</source>
        <translation>أسفل اليمين</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="145"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 في اللوحة؛ المفتاح %2، أو %3 على لوحة الأرقام ما لم يستخدمها قارئ الشاشة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>You: %1</source>
        <translation>أنت: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Computer: %1</source>
        <translation>الحاسوب: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Draw: %1</source>
        <translation>تعادلات: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="164"/>
        <source>Matches you have won</source>
        <translation>المباريات التي فزت بها</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="166"/>
        <source>Matches the computer has won</source>
        <translation>المباريات التي فاز بها الحاسوب</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Drawn matches</source>
        <translation>المباريات المنتهية بالتعادل</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="175"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>الوقت: %n ثانية</numerusform>
            <numerusform>الوقت: %n ثانية</numerusform>
            <numerusform>الوقت: %n ثانيتان</numerusform>
            <numerusform>الوقت: %n ثوانٍ</numerusform>
            <numerusform>الوقت: %n ثانية</numerusform>
            <numerusform>الوقت: %n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="179"/>
        <source>Sound on</source>
        <translation>الصوت مُشغَّل</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Sound off</source>
        <translation>الصوت متوقف</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="188"/>
        <source>Cell %1: yours.</source>
        <translation>الخانة %1: لك.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="190"/>
        <source> Computer: cell %1.</source>
        <translation> الحاسوب: الخانة %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="197"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <translation>%1. أنت %2، الحاسوب %3، التعادل %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source>New match. The board is empty.</source>
        <translation>مباراة جديدة. اللوحة فارغة.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translation>الحاسوب</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>أنت</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="63"/>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="64"/>
        <source>Hard</source>
        <translation>صعب</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>&amp;New Game</source>
        <translation>&amp;لعبة جديدة</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="68"/>
        <source>&amp;Exit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="69"/>
        <source>Sound On/Off</source>
        <translation>تشغيل/إيقاف الصوت</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>WELCOME TO TRIXOLA</source>
        <translation>مرحبًا بك في TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>  YOU WON THE GAME</source>
        <translation>لقد فزت</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="79"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>فاز الحاسوب</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="83"/>
        <source>THE MATCH IS DRAW</source>
        <translation>تعادل</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="95"/>
        <source>Draw: %1</source>
        <translation>تعادلات: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="99"/>
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانيتان</numerusform>
            <numerusform>%n ثوانٍ</numerusform>
            <numerusform>%n ثانية</numerusform>
            <numerusform>%n ثانية</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
</context>
</TS>
