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
        <location filename="../ui/texts.h" line="118"/>
        <source>Noughts and crosses against the computer</source>
        <translation>Tris contro il computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="119"/>
        <source>Game status</source>
        <translation>Stato della partita</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="120"/>
        <source>Level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="122"/>
        <source>Turns the sound effects on or off</source>
        <translation>Attiva o disattiva gli effetti sonori</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Inizia una nuova partita; il punteggio resta</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="125"/>
        <source>Ends the game</source>
        <translation>Chiude il gioco</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="126"/>
        <source>Contact the author</source>
        <translation>Contatta l&apos;autore</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="128"/>
        <source>Writes an e-mail to the author</source>
        <translation>Scrive un&apos;e-mail all&apos;autore</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="130"/>
        <source>Time in this match</source>
        <translation>Tempo di questa partita</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="133"/>
        <source>Cell %1: yours</source>
        <translation>Casella %1: tua</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>Casella %1: del computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="136"/>
        <source>Cell %1: empty</source>
        <translation>Casella %1: vuota</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="144"/>
        <source>Top left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="145"/>
        <source>Top middle</source>
        <translation>In alto al centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="146"/>
        <source>Top right</source>
        <translation>In alto a destra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="147"/>
        <source>Middle left</source>
        <translation>Al centro a sinistra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="148"/>
        <source>Centre</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="149"/>
        <source>Middle right</source>
        <translation>Al centro a destra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="150"/>
        <source>Bottom left</source>
        <translation>In basso a sinistra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="151"/>
        <source>Bottom middle</source>
        <translation>In basso al centro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="152"/>
        <source>Bottom right</source>
        <translation>In basso a destra</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 nella griglia; tasto %2, oppure %3 sul tastierino numerico se lo screen reader non lo usa</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="163"/>
        <source>You: %1</source>
        <translation>Tu: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="165"/>
        <source>Computer: %1</source>
        <translation>Computer: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="166"/>
        <source>Draw: %1</source>
        <translation>Pareggi: %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="173"/>
        <source>Matches you have won</source>
        <translation>Partite vinte da te</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="175"/>
        <source>Matches the computer has won</source>
        <translation>Partite vinte dal computer</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="179"/>
        <source>Drawn matches</source>
        <translation>Partite pareggiate</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="184"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Tempo: %n secondo</numerusform>
            <numerusform>Tempo: %n secondi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="188"/>
        <source>Sound on</source>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="189"/>
        <source>Sound off</source>
        <translation>Audio disattivato</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="197"/>
        <source>Cell %1: yours.</source>
        <translation>Casella %1: tua.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="200"/>
        <source> Computer: cell %1.</source>
        <extracomment>Follows &quot;Cell %1: yours.&quot; in the same announcement; the leading space separates the two.</extracomment>
        <translation> Computer: casella %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="209"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <extracomment>%1 is the banner&apos;s result text; %2 to %4 are the score: matches won by the player, by the computer, drawn.</extracomment>
        <translation>%1. Tu %2, computer %3, pareggi %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="217"/>
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
        <location filename="../ui/texts.h" line="64"/>
        <source>Easy</source>
        <extracomment>Level option; about 28 pixels of text beside its radio button.</extracomment>
        <translation>Base</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="66"/>
        <source>Hard</source>
        <extracomment>Level option; about 28 pixels of text beside its radio button.</extracomment>
        <translation>Pro</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="70"/>
        <source>&amp;New Game</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from Exit&apos;s.</extracomment>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="72"/>
        <source>&amp;Exit</source>
        <extracomment>Button, 81 pixels wide. The letter after &amp; is its access key; it must differ from New Game&apos;s.</extracomment>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="73"/>
        <source>Sound On/Off</source>
        <translation>Audio sì/no</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="80"/>
        <source>WELCOME TO TRIXOLA</source>
        <extracomment>Banner, shouted (in capitals where the language has them): 161 x 89 pixels in a 24-pixel font, three lines at most. TRIXOLA is the game&apos;s name.</extracomment>
        <translation>BENVENUTO IN TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="84"/>
        <source>  YOU WON THE GAME</source>
        <extracomment>Banner; the two leading spaces centre the English text and need not be kept.</extracomment>
        <translation>HAI VINTO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="86"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>IL COMPUTER HA VINTO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="90"/>
        <source>THE MATCH IS DRAW</source>
        <translation>PAREGGIO</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="102"/>
        <source>Draw: %1</source>
        <translation>Pareggi: %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="107"/>
        <source>%n Seconds</source>
        <extracomment>The match&apos;s clock, 81 pixels wide; %n counts from 1 to thousands.</extracomment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="112"/>
        <source>On</source>
        <extracomment>Beside the sound switch: the sound is on / off.</extracomment>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="112"/>
        <source>Off</source>
        <translation>No</translation>
    </message>
</context>
</TS>
