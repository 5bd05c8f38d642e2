<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
Las opciones propias de Qt, como -platform, -style y -display, funcionan como en
cualquier programa Qt. La página de manual trixola(6) explica cómo jugar.
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>Tres en raya contra el ordenador: empiezas tú con una cruz rosa,
el ordenador responde en azul.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta un valor tras «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="123"/>
        <source>Noughts and crosses against the computer</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>Tres en raya contra el ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Game status</source>
        <translation>Estado de la partida</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="125"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Turns the sound effects on or off</source>
        <translation>Activa o desactiva los efectos de sonido</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="129"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Empieza una nueva partida; se conserva la puntuación</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="130"/>
        <source>Ends the game</source>
        <translation>Cierra el juego</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="131"/>
        <source>Contact the author</source>
        <translation>Contactar con el autor</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="133"/>
        <source>Writes an e-mail to the author</source>
        <translation>Escribe un correo al autor</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Time in this match</source>
        <translation>Tiempo de esta partida</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Cell %1: yours</source>
        <translation>Casilla %1: tuya</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Cell %1: computer&apos;s</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>Casilla %1: del ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Cell %1: empty</source>
        <translation>Casilla %1: vacía</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="149"/>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="150"/>
        <source>Top middle</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="151"/>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="152"/>
        <source>Middle left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="153"/>
        <source>Centre</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>Middle right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="155"/>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Bottom middle</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="159"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 en el tablero; tecla %2, o %3 en el teclado numérico si el lector de pantalla no lo usa</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="168"/>
        <source>You: %1</source>
        <translation>Tú: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Computer: %1</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="171"/>
        <source>Draw: %1</source>
        <translation>Empates: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="178"/>
        <source>Matches you have won</source>
        <translation>Partidas que has ganado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Matches the computer has won</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>Partidas que ha ganado el ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="184"/>
        <source>Drawn matches</source>
        <translation>Partidas empatadas</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="189"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Tiempo: %n segundo</numerusform>
            <numerusform>Tiempo: %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="193"/>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="194"/>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="202"/>
        <source>Cell %1: yours.</source>
        <translation>Casilla %1: tuya.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source> Computer: cell %1.</source>
        <extracomment>Follows &quot;Cell %1: yours.&quot; in the same announcement; the leading space separates the two.</extracomment>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation> Ordenador: casilla %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="214"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <extracomment>%1 is the banner&apos;s result text; %2 to %4 are the score: matches won by the player, by the computer, drawn.</extracomment>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>%1. Tú %2, ordenador %3, empates %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="222"/>
        <source>New match. The board is empty.</source>
        <translation>Nueva partida. El tablero está vacío.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>Ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>Easy</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>Fácil</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="70"/>
        <source>Hard</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>Difícil</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>&amp;New Game</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from Exit&apos;s.</extracomment>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="76"/>
        <source>&amp;Exit</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from New Game&apos;s.</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>Sound On/Off</source>
        <translation>Sonido activado/desactivado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="84"/>
        <source>WELCOME TO TRIXOLA</source>
        <extracomment>Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font, three lines at most. TRIXOLA is the game&apos;s name.</extracomment>
        <translation>BIENVENIDO A TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="88"/>
        <source>  YOU WON THE GAME</source>
        <extracomment>Banner; the two leading spaces centre the English text and need not be kept.</extracomment>
        <translation>HAS GANADO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="90"/>
        <source>COMPUTER WON THE GAME</source>
        <translatorcomment>«Ordenador», como en la entrada del escritorio y los metadatos: los juegos de KDE dicen «máquina» para el rival, los de GNOME «equipo»; en España la palabra corriente es «ordenador».</translatorcomment>
        <translation>GANA EL ORDENADOR</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="94"/>
        <source>THE MATCH IS DRAW</source>
        <translation>EMPATE</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="106"/>
        <source>Draw: %1</source>
        <translation>Empates: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="111"/>
        <source>%n Seconds</source>
        <extracomment>The match&apos;s clock, 81 pixels wide; %n counts from 1 to thousands.</extracomment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>On</source>
        <extracomment>Beside the sound switch: the sound is on / off, in the words the desktop uses for a switch (not yes / no); about 80 pixels.</extracomment>
        <translation>Activado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Off</source>
        <translation>Desactivado</translation>
    </message>
</context>
</TS>
