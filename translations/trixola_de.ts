<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
Die Optionen von Qt selbst, etwa -platform, -style und -display, wirken wie in
jedem Qt-Programm. Wie man spielt, steht in der Handbuchseite trixola(6).
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>Tic-Tac-Toe gegen den Computer: Du beginnst mit einem rosa Kreuz,
der Computer antwortet in Blau.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>Zeigt diese Hilfe an und beendet das Programm.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>Zeigt die Version an und beendet das Programm.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option „%1“.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Fehlender Wert nach „%1“.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Unerwarteter Wert nach „%1“.</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="109"/>
        <source>Noughts and crosses against the computer</source>
        <translation>Tic-Tac-Toe gegen den Computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="110"/>
        <source>Game status</source>
        <translation>Spielstatus</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="111"/>
        <source>Level</source>
        <translation>Schwierigkeitsgrad</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="113"/>
        <source>Turns the sound effects on or off</source>
        <translation>Schaltet die Toneffekte ein oder aus</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="115"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Startet eine neue Partie; der Spielstand bleibt erhalten</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="116"/>
        <source>Ends the game</source>
        <translation>Beendet das Spiel</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Contact the author</source>
        <translation>Den Autor kontaktieren</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="119"/>
        <source>Writes an e-mail to the author</source>
        <translation>Schreibt dem Autor eine E-Mail</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="121"/>
        <source>Time in this match</source>
        <translation>Zeit in dieser Partie</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Cell %1: yours</source>
        <translation>Feld %1: deins</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="126"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>Feld %1: Computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Cell %1: empty</source>
        <translation>Feld %1: leer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Top left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="136"/>
        <source>Top middle</source>
        <translation>Oben Mitte</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="137"/>
        <source>Top right</source>
        <translation>Oben rechts</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Middle left</source>
        <translation>Mitte links</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="139"/>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Middle right</source>
        <translation>Mitte rechts</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Bottom left</source>
        <translation>Unten links</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="142"/>
        <source>Bottom middle</source>
        <translation>Unten Mitte</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="143"/>
        <source>Bottom right</source>
        <translation>Unten rechts</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="145"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 auf dem Spielfeld; Taste %2, oder %3 auf dem Ziffernblock, wenn der Bildschirmleser ihn nicht belegt</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>You: %1</source>
        <translation>Du: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Draw: %1</source>
        <translation>Remis: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="164"/>
        <source>Matches you have won</source>
        <translation>Deine gewonnenen Partien</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="166"/>
        <source>Matches the computer has won</source>
        <translation>Vom Computer gewonnene Partien</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Drawn matches</source>
        <translation>Unentschiedene Partien</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="175"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Zeit: %n Sekunde</numerusform>
            <numerusform>Zeit: %n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="179"/>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="188"/>
        <source>Cell %1: yours.</source>
        <translation>Feld %1: deins.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="190"/>
        <source> Computer: cell %1.</source>
        <translation> Computer: Feld %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="197"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <translation>%1. Du %2, Computer %3, Remis %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source>New match. The board is empty.</source>
        <translation>Neue Partie. Das Spielfeld ist leer.</translation>
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
        <translation>Du</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="63"/>
        <source>Easy</source>
        <translation>Laie</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="64"/>
        <source>Hard</source>
        <translation>Profi</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="68"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="69"/>
        <source>Sound On/Off</source>
        <translation>Ton an/aus</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>WELCOME TO TRIXOLA</source>
        <translation>LOS GEHT&apos;S MIT TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>  YOU WON THE GAME</source>
        <translation>DU HAST GEWONNEN</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="79"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>COMPUTER GEWINNT</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="83"/>
        <source>THE MATCH IS DRAW</source>
        <translation>REMIS</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="95"/>
        <source>Draw: %1</source>
        <translation>Remis: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="99"/>
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>On</source>
        <translation>An</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
</context>
</TS>
