<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
De eigen opties van Qt, zoals -platform, -style en -display, werken zoals in elk
Qt-programma. De handleiding trixola(6) legt uit hoe je speelt.
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>Boter, kaas en eieren tegen de computer: jij begint met een roze kruis,
de computer antwoordt in het blauw.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Onverwacht argument &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translatorcomment>Het spel zegt „Afsluiten”; hier staat het scheidbare werkwoord in de zin: „sluit af”.</translatorcomment>
        <translation>Toont deze hulp en sluit af.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translatorcomment>Het spel zegt „Afsluiten”; hier staat het scheidbare werkwoord in de zin: „sluit af”.</translatorcomment>
        <translation>Toont de versie en sluit af.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>Gebruik: %1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[opties]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>Opties:</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Onbekende optie &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>Onbekende opties: %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Ontbrekende waarde na &apos;%1&apos;.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Onverwachte waarde na &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="123"/>
        <source>Noughts and crosses against the computer</source>
        <translation>Boter, kaas en eieren tegen de computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Game status</source>
        <translation>Spelstatus</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="125"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Turns the sound effects on or off</source>
        <translation>Zet de geluidseffecten aan of uit</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="129"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Begint een nieuw spel; de score blijft staan</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="130"/>
        <source>Ends the game</source>
        <translation>Sluit het spel af</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="131"/>
        <source>Contact the author</source>
        <translation>Contact met de maker</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="133"/>
        <source>Writes an e-mail to the author</source>
        <translation>Schrijft een e-mail aan de maker</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Time in this match</source>
        <translation>Tijd in dit spel</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Cell %1: yours</source>
        <translation>Vak %1: van jou</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>Vak %1: van de computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Cell %1: empty</source>
        <translation>Vak %1: leeg</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="149"/>
        <source>Top left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="150"/>
        <source>Top middle</source>
        <translation>Middenboven</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="151"/>
        <source>Top right</source>
        <translation>Rechtsboven</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="152"/>
        <source>Middle left</source>
        <translation>Linksmidden</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="153"/>
        <source>Centre</source>
        <translation>Midden</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>Middle right</source>
        <translation>Rechtsmidden</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="155"/>
        <source>Bottom left</source>
        <translation>Linksonder</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Bottom middle</source>
        <translation>Middenonder</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Bottom right</source>
        <translation>Rechtsonder</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="159"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 op het bord; toets %2, of %3 op het numerieke toetsenblok als de schermlezer dat niet gebruikt</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="168"/>
        <source>You: %1</source>
        <translation>Jij: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="171"/>
        <source>Draw: %1</source>
        <translation>Gelijk: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="178"/>
        <source>Matches you have won</source>
        <translation>Spellen die jij hebt gewonnen</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Matches the computer has won</source>
        <translation>Spellen die de computer heeft gewonnen</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="184"/>
        <source>Drawn matches</source>
        <translation>Gelijke spellen</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="189"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Tijd: %n seconde</numerusform>
            <numerusform>Tijd: %n seconden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="193"/>
        <source>Sound on</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="194"/>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="202"/>
        <source>Cell %1: yours.</source>
        <translation>Vak %1: van jou.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source> Computer: cell %1.</source>
        <extracomment>Follows &quot;Cell %1: yours.&quot; in the same announcement; the leading space separates the two.</extracomment>
        <translation> Computer: vak %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="214"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <extracomment>%1 is the banner&apos;s result text; %2 to %4 are the score: matches won by the player, by the computer, drawn.</extracomment>
        <translation>%1. Jij %2, computer %3, gelijk %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="222"/>
        <source>New match. The board is empty.</source>
        <translation>Nieuw spel. Het bord is leeg.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>Jij</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>Easy</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="70"/>
        <source>Hard</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>&amp;New Game</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from Exit&apos;s.</extracomment>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="76"/>
        <source>&amp;Exit</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from New Game&apos;s.</extracomment>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>Sound On/Off</source>
        <translation>Geluid aan/uit</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="84"/>
        <source>WELCOME TO TRIXOLA</source>
        <extracomment>Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font, three lines at most. TRIXOLA is the game&apos;s name.</extracomment>
        <translation>WELKOM BIJ TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="88"/>
        <source>  YOU WON THE GAME</source>
        <extracomment>Banner; the two leading spaces centre the English text and need not be kept.</extracomment>
        <translation>JIJ HEBT GEWONNEN</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="90"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>COMPUTER WINT</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="94"/>
        <source>THE MATCH IS DRAW</source>
        <translation>GELIJKSPEL</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="106"/>
        <source>Draw: %1</source>
        <translation>Gelijk: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="111"/>
        <source>%n Seconds</source>
        <extracomment>The match&apos;s clock, 81 pixels wide; %n counts from 1 to thousands.</extracomment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>On</source>
        <extracomment>Beside the sound switch: the sound is on / off, in the words the desktop uses for a switch (not yes / no); about 80 pixels.</extracomment>
        <translation>Aan</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
</context>
</TS>
