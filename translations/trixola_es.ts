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
        <location filename="../ui/texts.h" line="109"/>
        <source>Noughts and crosses against the computer</source>
        <translation>Tres en raya contra el ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="110"/>
        <source>Game status</source>
        <translation>Estado de la partida</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="111"/>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="113"/>
        <source>Turns the sound effects on or off</source>
        <translation>Activa o desactiva los efectos de sonido</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="115"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Empieza una nueva partida; se conserva el marcador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="116"/>
        <source>Ends the game</source>
        <translation>Cierra el juego</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Contact the author</source>
        <translation>Contactar con el autor</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="119"/>
        <source>Writes an e-mail to the author</source>
        <translation>Escribe un correo al autor</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="121"/>
        <source>Time in this match</source>
        <translation>Tiempo de esta partida</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Cell %1: yours</source>
        <translation>Casilla %1: tuya</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="126"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>Casilla %1: del ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Cell %1: empty</source>
        <translation>Casilla %1: vacía</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Top left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="136"/>
        <source>Top middle</source>
        <translation>Arriba en el centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="137"/>
        <source>Top right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Middle left</source>
        <translation>En medio a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="139"/>
        <source>Centre</source>
        <translation>En el centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Middle right</source>
        <translation>En medio a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Bottom left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="142"/>
        <source>Bottom middle</source>
        <translation>Abajo en el centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="143"/>
        <source>Bottom right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="145"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 en el tablero; tecla %2, o %3 en el teclado numérico si el lector de pantalla no lo usa</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>You: %1</source>
        <translation>Tú: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Computer: %1</source>
        <translation>Ordenador: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Draw: %1</source>
        <translation>Empates: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="164"/>
        <source>Matches you have won</source>
        <translation>Partidas que has ganado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="166"/>
        <source>Matches the computer has won</source>
        <translation>Partidas que ha ganado el ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Drawn matches</source>
        <translation>Partidas empatadas</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="175"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Tiempo: %n segundo</numerusform>
            <numerusform>Tiempo: %n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="179"/>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="188"/>
        <source>Cell %1: yours.</source>
        <translation>Casilla %1: tuya.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="190"/>
        <source> Computer: cell %1.</source>
        <translation> Ordenador: casilla %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="197"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <translation>%1. Tú %2, ordenador %3, empates %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source>New match. The board is empty.</source>
        <translation>Nueva partida. El tablero está vacío.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>Tú</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="63"/>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="64"/>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="68"/>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="69"/>
        <source>Sound On/Off</source>
        <translation>Sonido sí/no</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>WELCOME TO TRIXOLA</source>
        <translation>BIENVENIDO A TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>  YOU WON THE GAME</source>
        <translation>HAS GANADO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="79"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>GANA EL ORDENADOR</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="83"/>
        <source>THE MATCH IS DRAW</source>
        <translation>EMPATE</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="95"/>
        <source>Draw: %1</source>
        <translation>Empates: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="99"/>
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>Off</source>
        <translation>No</translation>
    </message>
</context>
</TS>
