<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Handicap stones</source>
        <translation>Pierres de handicap</translation>
    </message>
    <message>
        <source>Thinking time in minutes</source>
        <translation>Temps de réflexion en minutes</translation>
    </message>
    <message>
        <source>Strength of the opponent</source>
        <translation>Force de l’adversaire</translation>
    </message>
    <message>
        <source>First move</source>
        <translation>Premier coup</translation>
    </message>
    <message>
        <source>Previous move</source>
        <translation>Coup précédent</translation>
    </message>
    <message>
        <source>Next move</source>
        <translation>Coup suivant</translation>
    </message>
    <message>
        <source>Last move</source>
        <translation>Dernier coup</translation>
    </message>
</context>
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Analysis</source>
        <translation>Analyse</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Black&apos;s biggest mistakes</source>
        <translation>Les plus grosses erreurs de Noir</translation>
    </message>
    <message>
        <source>White&apos;s biggest mistakes</source>
        <translation>Les plus grosses erreurs de Blanc</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Coup</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdu</translation>
    </message>
    <message>
        <source>Better</source>
        <translation>Mieux</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Pourquoi</translation>
    </message>
    <message>
        <source>Black&apos;s lead, in points</source>
        <translation>Avance de Noir, en points</translation>
    </message>
    <message>
        <source>Analysing move %1 of %2</source>
        <translation>Analyse du coup %1 sur %2</translation>
    </message>
    <message>
        <source>Lead</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>Black&apos;s mistakes</source>
        <translation>Erreurs de Noir</translation>
    </message>
    <message>
        <source>Black&apos;s big mistakes</source>
        <translation>Grosses erreurs de Noir</translation>
    </message>
    <message>
        <source>White&apos;s mistakes</source>
        <translation>Erreurs de Blanc</translation>
    </message>
    <message>
        <source>White&apos;s big mistakes</source>
        <translation>Grosses erreurs de Blanc</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passer</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>How do you want to go on with this game?</source>
        <translation>Comment veux-tu continuer cette partie ?</translation>
    </message>
    <message>
        <source>As Black against %1</source>
        <translation>Avec noir contre %1</translation>
    </message>
    <message>
        <source>As White against %1</source>
        <translation>Avec blanc contre %1</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>À deux joueurs</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <source>&amp;About hoshi</source>
        <translation>À &amp;propos de hoshi</translation>
    </message>
    <message>
        <source>Go games (%1)</source>
        <translation>Parties de go (%1)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About hoshi</source>
        <translation>À propos de hoshi</translation>
    </message>
    <message>
        <source>hoshi %1
A game of Go on a 9 × 9 board.
The engine: %2</source>
        <translation>hoshi %1
Un jeu de go sur un goban 9 × 9.
Le moteur : %2</translation>
    </message>
    <message>
        <source>&amp;Take Back Move</source>
        <translation>&amp;Reprendre le coup</translation>
    </message>
    <message>
        <source>Game Not Saved</source>
        <translation>Partie non enregistrée</translation>
    </message>
    <message>
        <source>Quit anyway? Save As can still keep it elsewhere.</source>
        <translation>Quitter quand même ? « Enregistrer sous » peut encore la garder ailleurs.</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Game Not Opened</source>
        <translation>Partie non ouverte</translation>
    </message>
    <message>
        <source>Continue the Game</source>
        <translation>Continuer la partie</translation>
    </message>
    <message>
        <source>&amp;Analyse Game</source>
        <translation>&amp;Analyser la partie</translation>
    </message>
    <message>
        <source>P	Pass
R	Review on or off
Left, Right	One move back or forward in review
Home, End	First or last move in review
N, Shift+N	Next or previous mistake in review
?	A hint from the coach
T	The coach&apos;s territory on or off
Ctrl+N	New game
Ctrl+O	Open a game
Ctrl+S	Save the game as
Ctrl+Z	Take back a move
Ctrl+Q	Quit</source>
        <translation>P	Passer
R	Revoir les coups ou revenir au jeu
Gauche, Droite	Un coup en arrière ou en avant en revue
Début, Fin	Premier ou dernier coup en revue
N, Maj+N	Erreur suivante ou précédente en revue
?	Un conseil du professeur
T	Le territoire du professeur, montré ou caché
Ctrl+N	Nouvelle partie
Ctrl+O	Ouvrir une partie
Ctrl+S	Enregistrer la partie sous
Ctrl+Z	Reprendre un coup
Ctrl+Q	Quitter</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>S&amp;on</translation>
    </message>
    <message>
        <source>My &amp;Progress</source>
        <translation>Mes &amp;progrès</translation>
    </message>
</context>
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
    <message>
        <source>Click groups to mark them dead or alive, then press Pass to accept the count.</source>
        <translation>Clique sur les groupes pour les marquer morts ou vivants, puis appuie sur Passer pour accepter le décompte.</translation>
    </message>
</context>
<context>
    <name>BoardSpeech</name>
    <message>
        <source>White&apos;s clock</source>
        <translation>Pendule de Blanc</translation>
    </message>
    <message>
        <source>Black&apos;s clock</source>
        <translation>Pendule de Noir</translation>
    </message>
    <message>
        <source>White&apos;s prisoners</source>
        <translation>Prisonniers de Blanc</translation>
    </message>
    <message>
        <source>Black&apos;s prisoners</source>
        <translation>Prisonniers de Noir</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Goban</translation>
    </message>
    <message>
        <source>%1, black stone</source>
        <translation>%1, pierre noire</translation>
    </message>
    <message>
        <source>%1, white stone</source>
        <translation>%1, pierre blanche</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>Black passes</source>
        <translation>Noir passe</translation>
    </message>
    <message>
        <source>White passes</source>
        <translation>Blanc passe</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Noir %1</translation>
    </message>
    <message>
        <source>White %1</source>
        <translation>Blanc %1</translation>
    </message>
    <message>
        <source>%1, captures %2</source>
        <translation>%1, capture %2</translation>
    </message>
    <message>
        <source>No move yet</source>
        <translation>Pas encore de coup</translation>
    </message>
    <message>
        <source>Move %1: %2</source>
        <translation>Coup %1 : %2</translation>
    </message>
    <message>
        <source>Back to the game</source>
        <translation>Retour à la partie</translation>
    </message>
    <message>
        <source>Taken back. Black to play.</source>
        <translation>Coup repris. À Noir de jouer.</translation>
    </message>
    <message>
        <source>Taken back. White to play.</source>
        <translation>Coup repris. À Blanc de jouer.</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusé : %1</translation>
    </message>
    <message>
        <source>no time limit</source>
        <translation>sans limite de temps</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A field of the info column and what it shows: &quot;White&apos;s clock: 04:32&quot;</extracomment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>BoardViewController</name>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
</context>
<context>
    <name>CoachMenu</name>
    <message>
        <source>&amp;Coach</source>
        <translation>&amp;Professeur</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>&amp;Comment My Moves</source>
        <translation>Commenter &amp;mes coups</translation>
    </message>
    <message>
        <source>Show &amp;Territory</source>
        <translation>Montrer le &amp;territoire</translation>
    </message>
</context>
<context>
    <name>CoachWords</name>
    <message>
        <source>Pass</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>%1. %2 (%3)</source>
        <translation>%1. %2 (%3)</translation>
    </message>
    <message>
        <source>No move is worth more than a pass.</source>
        <translation>Aucun coup ne vaut plus qu’un passe.</translation>
    </message>
    <message>
        <source>%1 lost %2.</source>
        <translation>%1 a perdu %2.</translation>
    </message>
    <message>
        <source>%1 was better.</source>
        <translation>%1 était meilleur.</translation>
    </message>
    <message>
        <source>%1 was better: %2.</source>
        <translation>%1 était meilleur : %2.</translation>
    </message>
    <message>
        <source>Your stones at %1 can be captured (at %2).</source>
        <translation>Tes pierres en %1 peuvent être capturées (en %2).</translation>
    </message>
    <message>
        <source>The game is about even.</source>
        <translation>La partie est à peu près égale.</translation>
    </message>
    <message>
        <source>Black leads by %1.</source>
        <translation>Noir mène d’%1.</translation>
    </message>
    <message>
        <source>White leads by %1.</source>
        <translation>Blanc mène d’%1.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last of several reasons</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>it attacks %1</source>
        <translation>il attaque %1</translation>
    </message>
    <message>
        <source>it defends %1</source>
        <translation>il défend %1</translation>
    </message>
    <message>
        <source>it threatens %1</source>
        <translation>il menace %1</translation>
    </message>
    <message>
        <source>it prepares to save %1</source>
        <translation>il prépare le sauvetage de %1</translation>
    </message>
    <message>
        <source>it kills the group at %1</source>
        <translation>il tue le groupe en %1</translation>
    </message>
    <message>
        <source>it makes the group at %1 live</source>
        <translation>il fait vivre le groupe en %1</translation>
    </message>
    <message>
        <source>it threatens to kill the group at %1</source>
        <translation>il menace de tuer le groupe en %1</translation>
    </message>
    <message>
        <source>it threatens to make the group at %1 live</source>
        <translation>il menace de faire vivre le groupe en %1</translation>
    </message>
    <message>
        <source>it stops a threat to %1</source>
        <translation>il pare une menace contre %1</translation>
    </message>
    <message>
        <source>it attacks either %1 or %2</source>
        <translation>il attaque soit %1 soit %2</translation>
    </message>
    <message>
        <source>it defends both %1 and %2</source>
        <translation>il défend à la fois %1 et %2</translation>
    </message>
    <message>
        <source>it connects %1 and %2</source>
        <translation>il connecte %1 et %2</translation>
    </message>
    <message>
        <source>it cuts %1 from %2</source>
        <translation>il coupe %1 de %2</translation>
    </message>
    <message>
        <source>it weakens %1</source>
        <translation>il affaiblit %1</translation>
    </message>
    <message>
        <source>it strengthens %1</source>
        <translation>il renforce %1</translation>
    </message>
    <message>
        <source>it wins the capturing race against %1</source>
        <translation>il gagne la course aux libertés contre %1</translation>
    </message>
    <message>
        <source>it threatens to win the capturing race against %1</source>
        <translation>il menace de gagner la course aux libertés contre %1</translation>
    </message>
    <message>
        <source>it captures stones</source>
        <translation>il capture des pierres</translation>
    </message>
    <message>
        <source>it stops a combination</source>
        <translation>il empêche une combinaison</translation>
    </message>
    <message>
        <source>it expands territory</source>
        <translation>il agrandit le territoire</translation>
    </message>
    <message>
        <source>it builds a framework</source>
        <translation>il construit un moyo</translation>
    </message>
    <message>
        <source>it invades</source>
        <translation>il envahit</translation>
    </message>
    <message>
        <source>%1: no mistake.</source>
        <translation>%1 : pas d’erreur.</translation>
    </message>
    <message>
        <source>A hint is given on your turn.</source>
        <translation>Un conseil se demande quand c’est ton tour.</translation>
    </message>
    <message>
        <source>The coach is not available: it needs GNU Go (package gnugo).</source>
        <translation>Le professeur n’est pas disponible : il lui faut GNU Go (paquet gnugo).</translation>
    </message>
    <message>
        <source>about 1 point</source>
        <translation>environ 1 point</translation>
    </message>
    <message>
        <source>about %1 points</source>
        <translation>environ %1 points</translation>
    </message>
</context>
<context>
    <name>EngineDisplayName</name>
    <message>
        <source>the engine</source>
        <translation>le moteur</translation>
    </message>
</context>
<context>
    <name>GameArchive</name>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Le dossier %1 ne peut pas être créé.</translation>
    </message>
    <message>
        <source>The game could not be saved to %1: %2</source>
        <translation>La partie n&apos;a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>the point is taken.</source>
        <translation>le point est déjà pris.</translation>
    </message>
    <message>
        <source>it would be suicide.</source>
        <translation>ce serait un suicide.</translation>
    </message>
    <message>
        <source>it takes back a ko at once.</source>
        <translation>il reprend un ko tout de suite.</translation>
    </message>
    <message>
        <source>it is the other side&apos;s turn.</source>
        <translation>c&apos;est au tour de l&apos;autre camp.</translation>
    </message>
    <message>
        <source>This is not a game file that hoshi can read (SGF).</source>
        <translation>Ce n&apos;est pas un fichier de partie que hoshi sait lire (SGF).</translation>
    </message>
    <message>
        <source>The file ends before its game does: it is incomplete.</source>
        <translation>Le fichier se termine avant sa partie : il est incomplet.</translation>
    </message>
    <message>
        <source>The file holds a game other than Go.</source>
        <translation>Le fichier contient un autre jeu que le go.</translation>
    </message>
    <message>
        <source>The board is %1; hoshi plays on 9 × 9 only.</source>
        <translation>Le goban fait %1 ; hoshi ne joue que sur 9 × 9.</translation>
    </message>
    <message>
        <source>The game starts from stones set up where hoshi would not put its handicap stones.</source>
        <translation>La partie commence avec des pierres posées là où hoshi ne mettrait pas ses pierres de handicap.</translation>
    </message>
    <message>
        <source>Move %1 (%2) is off the board.</source>
        <translation>Le coup %1 (%2) est hors du goban.</translation>
    </message>
    <message>
        <source>Move %1 (%2) is not legal here: %3</source>
        <translation>Le coup %1 (%2) n&apos;est pas permis ici : %3</translation>
    </message>
    <message>
        <source>Move %1 (%2) comes after the end of the game.</source>
        <translation>Le coup %1 (%2) vient après la fin de la partie.</translation>
    </message>
    <message>
        <source>The file is too large to be a game of hoshi&apos;s.</source>
        <translation>Le fichier est trop grand pour être une partie de hoshi.</translation>
    </message>
    <message>
        <source>%1 is not a file that holds a game.</source>
        <translation>%1 n’est pas un fichier qui contient une partie.</translation>
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
    <message>
        <source>Handicap</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>Counting</source>
        <translation>Décompte</translation>
    </message>
    <message>
        <source>Stones</source>
        <extracomment>Counting the stones on the board only</extracomment>
        <translation>Pierres</translation>
    </message>
    <message>
        <source>Area</source>
        <extracomment>Area counting: stones and surrounded points</extracomment>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
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
    <name>OpponentStrength</name>
    <message>
        <source>Beginner 1</source>
        <translation>Débutant 1</translation>
    </message>
    <message>
        <source>Beginner 2</source>
        <translation>Débutant 2</translation>
    </message>
    <message>
        <source>Beginner 3</source>
        <translation>Débutant 3</translation>
    </message>
    <message>
        <source>Beginner 4</source>
        <translation>Débutant 4</translation>
    </message>
    <message>
        <source>GNU Go</source>
        <translation>GNU Go</translation>
    </message>
</context>
<context>
    <name>ProgressChart</name>
    <message>
        <source>My Progress</source>
        <translation>Mes progrès</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Losses</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>No game against GNU Go has ended yet: its results will show here.</source>
        <translation>Aucune partie contre GNU Go n’est encore terminée : ses résultats s’afficheront ici.</translation>
    </message>
</context>
<context>
    <name>ProgressRecord</name>
    <message>
        <source>Your progress could not be recorded in %1: %2.</source>
        <translation>Tes progrès n’ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
</context>
<context>
    <name>StrengthText</name>
    <message>
        <source>%1 with a handicap of %2</source>
        <translation>%1 avec un handicap de %2</translation>
    </message>
    <message>
        <source>Three wins in a row against %1: try %2.</source>
        <translation>Trois victoires de suite contre %1 : essaie %2.</translation>
    </message>
    <message>
        <source>Three wins in a row against %1: try a handicap of %2.</source>
        <translation>Trois victoires de suite contre %1 : essaie un handicap de %2.</translation>
    </message>
    <message>
        <source>Three losses in a row against %1: %2 may suit you better.</source>
        <translation>Trois défaites de suite contre %1 : %2 te conviendra peut-être mieux.</translation>
    </message>
    <message>
        <source>Three losses in a row against %1: try a handicap of %2.</source>
        <translation>Trois défaites de suite contre %1 : essaie un handicap de %2.</translation>
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
