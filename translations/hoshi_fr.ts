<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BoardMessages</name>
    <message>
        <source>You can&apos;t capture back right away! This is the Ko rule.</source>
        <translation>Tu ne peux pas reprendre tout de suite ! C&apos;est la règle du Ko.</translation>
    </message>
    <message>
        <source>There is already a stone here!</source>
        <translation>Il y a déjà une pierre ici !</translation>
    </message>
    <message>
        <source>You can&apos;t play here, it&apos;s a suicide move!</source>
        <translation>Tu ne peux pas jouer ici, c&apos;est un suicide !</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Une erreur inconnue s&apos;est produite.</translation>
    </message>
    <message>
        <source>%1 passed.</source>
        <extracomment>%1 is the engine&apos;s name, e.g. GNU Go</extracomment>
        <translation>%1 a passé.</translation>
    </message>
    <message>
        <source>%1 resigned.
You win!</source>
        <translation>%1 a abandonné.
Tu as gagné !</translation>
    </message>
    <message>
        <source>%1 ran out of time.
You win!</source>
        <translation>%1 a dépassé son temps.
Tu as gagné !</translation>
    </message>
    <message>
        <source>%1 did not answer with a legal move.
You win!</source>
        <translation>%1 n&apos;a pas répondu par un coup légal.
Tu as gagné !</translation>
    </message>
    <message>
        <source>The Go engine could not be started.
Install GNU Go (package gnugo) or set HOSHI_ENGINE.</source>
        <translation>Le moteur de Go n&apos;a pas pu être lancé.
Installe GNU Go (paquet gnugo) ou définis HOSHI_ENGINE.</translation>
    </message>
    <message>
        <source>The Go engine stopped unexpectedly.
The game is over.</source>
        <translation>Le moteur de Go s&apos;est arrêté inopinément.
La partie est terminée.</translation>
    </message>
    <message>
        <source>White has %1 points and Black has %2 points.</source>
        <translation>Blanc a %1 points et Noir a %2 points.</translation>
    </message>
    <message>
        <source>Black wins by %1 points!</source>
        <translation>Noir gagne de %1 points !</translation>
    </message>
    <message>
        <source>White wins by %1 points!</source>
        <translation>Blanc gagne de %1 points !</translation>
    </message>
    <message>
        <source>It&apos;s a draw!</source>
        <translation>Il y a égalité !</translation>
    </message>
    <message>
        <source>Both players have passed.
The game is now over.</source>
        <translation>Les deux joueurs ont passé.
La partie est terminée.</translation>
    </message>
    <message>
        <source>Resign</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>Review previous moves</source>
        <translation>Revoir les derniers coups</translation>
    </message>
</context>
<context>
    <name>GameInfoViewController</name>
    <message>
        <source>Play</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>stones</source>
        <translation>pierres</translation>
    </message>
</context>
<context>
    <name>MainMenuViewController</name>
    <message>
        <source>Play against %1 as White</source>
        <translation>Jouer avec blanc contre %1</translation>
    </message>
    <message>
        <source>Play against %1 as Black</source>
        <translation>Jouer avec noir contre %1</translation>
    </message>
    <message>
        <source>Play against another player</source>
        <translation>Jouer contre un autre joueur</translation>
    </message>
</context>
<context>
    <name>Translations</name>
    <message>
        <source>English</source>
        <translation>Français</translation>
    </message>
</context>
</TS>
