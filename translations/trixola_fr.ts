<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../ui/command_line.cpp" line="65"/>
        <source>
Qt&apos;s own options, such as -platform, -style and -display, work as in any Qt
program. See the trixola(6) manual page for how to play.
</source>
        <translation>
Les options propres à Qt, comme -platform, -style et -display, fonctionnent
comme dans tout programme Qt. La page de manuel trixola(6) explique comment jouer.
</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="91"/>
        <source>Noughts and crosses against the computer: you move first with a pink cross,
the computer answers in blue.</source>
        <translation>Morpion contre l&apos;ordinateur : vous commencez avec une croix rose,
l&apos;ordinateur répond en bleu.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="108"/>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="116"/>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="119"/>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="../ui/command_line.cpp" line="74"/>
        <source>Usage: %1</source>
        <translation>Usage : %1</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="75"/>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="76"/>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="77"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue « %1 ».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="78"/>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="79"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après « %1 ».</translation>
    </message>
    <message>
        <location filename="../ui/command_line.cpp" line="80"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après « %1 ».</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <location filename="../ui/texts.h" line="109"/>
        <source>Noughts and crosses against the computer</source>
        <translation>Morpion contre l&apos;ordinateur</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="110"/>
        <source>Game status</source>
        <translation>État de la partie</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="111"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="113"/>
        <source>Turns the sound effects on or off</source>
        <translation>Active ou coupe les effets sonores</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="115"/>
        <source>Starts a new match; the score is kept</source>
        <translation>Commence une nouvelle partie ; le score est conservé</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="116"/>
        <source>Ends the game</source>
        <translation>Quitte le jeu</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="117"/>
        <source>Contact the author</source>
        <translation>Contacter l&apos;auteur</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="119"/>
        <source>Writes an e-mail to the author</source>
        <translation>Écrit un courriel à l&apos;auteur</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="121"/>
        <source>Time in this match</source>
        <translation>Temps de cette partie</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="124"/>
        <source>Cell %1: yours</source>
        <translation>Case %1 : à vous</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="126"/>
        <source>Cell %1: computer&apos;s</source>
        <translation>Case %1 : à l&apos;ordinateur</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="127"/>
        <source>Cell %1: empty</source>
        <translation>Case %1 : vide</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="135"/>
        <source>Top left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="136"/>
        <source>Top middle</source>
        <translation>En haut au milieu</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="137"/>
        <source>Top right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="138"/>
        <source>Middle left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="139"/>
        <source>Centre</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="140"/>
        <source>Middle right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="141"/>
        <source>Bottom left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="142"/>
        <source>Bottom middle</source>
        <translation>En bas au milieu</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="143"/>
        <source>Bottom right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="145"/>
        <source>%1 of the board; key %2, or %3 on the keypad unless the screen reader uses it</source>
        <translation>%1 du plateau ; touche %2, ou %3 sur le pavé numérique si le lecteur d&apos;écran ne l&apos;utilise pas</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="154"/>
        <source>You: %1</source>
        <translation>Vous : %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="156"/>
        <source>Computer: %1</source>
        <translation>Ordinateur : %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="157"/>
        <source>Draw: %1</source>
        <translation>Nuls : %1</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="164"/>
        <source>Matches you have won</source>
        <translation>Parties que vous avez gagnées</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="166"/>
        <source>Matches the computer has won</source>
        <translation>Parties gagnées par l&apos;ordinateur</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="170"/>
        <source>Drawn matches</source>
        <translation>Parties nulles</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="175"/>
        <source>Time: %n Seconds</source>
        <translation>
            <numerusform>Temps : %n seconde</numerusform>
            <numerusform>Temps : %n secondes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="179"/>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="180"/>
        <source>Sound off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="188"/>
        <source>Cell %1: yours.</source>
        <translation>Case %1 : à vous.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="190"/>
        <source> Computer: cell %1.</source>
        <translation> Ordinateur : case %1.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="197"/>
        <source>%1. You %2, computer %3, draws %4.</source>
        <translation>%1. Vous %2, ordinateur %3, nuls %4.</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="205"/>
        <source>New match. The board is empty.</source>
        <translation>Nouvelle partie. Le plateau est vide.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <location filename="../ui/texts.h" line="61"/>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="62"/>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="63"/>
        <source>Easy</source>
        <translation>Aisé</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="64"/>
        <source>Hard</source>
        <translation>Ardu</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="67"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="68"/>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="69"/>
        <source>Sound On/Off</source>
        <translation>Son activé/coupé</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="74"/>
        <source>WELCOME TO TRIXOLA</source>
        <translation>BIENVENUE DANS TRIXOLA</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="77"/>
        <source>  YOU WON THE GAME</source>
        <translation>VOUS AVEZ GAGNÉ</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="79"/>
        <source>COMPUTER WON THE GAME</source>
        <translation>L&apos;ORDI A GAGNÉ</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="83"/>
        <source>THE MATCH IS DRAW</source>
        <translation>MATCH NUL</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="95"/>
        <source>Draw: %1</source>
        <translation>Nuls : %1</translation>
    </message>
    <message numerus="yes">
        <location filename="../ui/texts.h" line="99"/>
        <source>%n Seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../ui/texts.h" line="103"/>
        <source>Off</source>
        <translation>Non</translation>
    </message>
</context>
</TS>
