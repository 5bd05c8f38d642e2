<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
Le opzioni proprie di Qt, come -platform, -style e -display, funzionano come in
ogni programma Qt. La pagina di manuale trixola(6) spiega come si gioca.
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>Tris contro il computer: inizi tu con una croce rosa,
il computer risponde in blu.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argomento inatteso «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>Mostra la versione ed esce.</translation>
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
        <translation>[opzioni]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>Opzioni:</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opzione sconosciuta «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>Opzioni sconosciute: %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valore mancante dopo «%1».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valore inatteso dopo «%1».</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="123"/>
        <source>Noughts and crosses against the computer</source>
        <translation>Tris contro il computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Game status</source>
        <translation>Stato della partita</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="125"/>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Turns the sound effects on or off</source>
        <translation>Attiva o disattiva gli effetti sonori</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="129"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Inizia una nuova partita; il punteggio resta</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="130"/>
        <source>Ends the game</source>
        <translation>Chiude il gioco</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="131"/>
        <source>Contact the author</source>
        <translation>Contatta l&apos;autore</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="133"/>
        <source>Writes an e-mail to the author</source>
        <translation>Scrive un&apos;e-mail all&apos;autore</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Time in this match</source>
        <translation>Tempo di questa partita</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Cell %1: yours</source>
        <translation>Casella %1: tua</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>Casella %1: del computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Cell %1: empty</source>
        <translation>Casella %1: vuota</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="149"/>
        <source>Top left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="150"/>
        <source>Top middle</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="151"/>
        <source>Top right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="152"/>
        <source>Middle left</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="153"/>
        <source>Centre</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>Middle right</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="155"/>
        <source>Bottom left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Bottom middle</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Bottom right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="159"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 nella griglia; tasto %2, oppure %3 sul tastierino numerico se lo screen reader non lo usa</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="168"/>
        <source>You: %1</source>
        <translation>Tu: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="171"/>
        <source>Draw: %1</source>
        <translation>Patte: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="178"/>
        <source>Matches you have won</source>
        <translation>Partite vinte da te</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Matches the computer has won</source>
        <translation>Partite vinte dal computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="184"/>
        <source>Drawn matches</source>
        <translation>Partite patte</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="189"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Tempo: %n secondo</numerusform>
            <numerusform>Tempo: %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="193"/>
        <source>Sound on</source>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="194"/>
        <source>Sound off</source>
        <translation>Audio disattivato</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="202"/>
        <source>Cell %1: yours.</source>
        <translation>Casella %1: tua.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source> Computer: cell %1.</source>
        <extracomment>Follows &quot;Cell %1: yours.&quot; in the same announcement; the leading space separates the two.</extracomment>
        <translation> Computer: casella %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="214"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <extracomment>%1 is the banner&apos;s result text; %2 to %4 are the score: matches won by the player, by the computer, drawn.</extracomment>
        <translation>%1. Tu %2, computer %3, patte %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="222"/>
        <source>New match. The board is empty.</source>
        <translation>Nuova partita. La griglia è vuota.</translation>
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
        <translation>Tu</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>Easy</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>Facile</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="70"/>
        <source>Hard</source>
        <extracomment>Level option beside its radio button: use the word the desktop&apos;s games use; up to about 48 pixels of text fit (the options widen for it).</extracomment>
        <translation>Difficile</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>&amp;New Game</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from Exit&apos;s.</extracomment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="76"/>
        <source>&amp;Exit</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from New Game&apos;s.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>Sound On/Off</source>
        <translation>Audio attivato/disattivato</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="84"/>
        <source>WELCOME TO TRIXOLA</source>
        <extracomment>Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font, three lines at most. TRIXOLA is the game&apos;s name.</extracomment>
        <translation>BENVENUTO IN TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="88"/>
        <source>  YOU WON THE GAME</source>
        <extracomment>Banner; the two leading spaces centre the English text and need not be kept.</extracomment>
        <translation>HAI VINTO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="90"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>IL COMPUTER HA VINTO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="94"/>
        <source>THE MATCH IS DRAW</source>
        <translation>PARTITA PATTA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="106"/>
        <source>Draw: %1</source>
        <translation>Patte: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="111"/>
        <source>%n Seconds</source>
        <extracomment>The match&apos;s clock, 81 pixels wide; %n counts from 1 to thousands.</extracomment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>On</source>
        <extracomment>Beside the sound switch: the sound is on / off, in the words the desktop uses for a switch (not yes / no); about 80 pixels.</extracomment>
        <translation>Attivato</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Off</source>
        <translation>Disattivato</translation>
    </message>
</context>
</TS>
