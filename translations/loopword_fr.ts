<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Accessibility</name>
    <message>
        <source>Figure being filled</source>
        <translation>Figure en cours de remplissage</translation>
    </message>
    <message>
        <source>Puzzle sheet</source>
        <translation>Feuille de la grille</translation>
    </message>
    <message>
        <source>Solution sheet</source>
        <translation>Feuille de la solution</translation>
    </message>
    <message>
        <source>Puzzle being solved</source>
        <translation>Grille en cours de résolution</translation>
    </message>
    <message>
        <source>Empty figure</source>
        <translation>Figure vide</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (trouvé)</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Mots : %1</translation>
    </message>
    <message>
        <source>hint %1</source>
        <translation>indice %1</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, faux</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Carré %1</translation>
    </message>
    <message>
        <source>Square %1, cell %2: %3</source>
        <translation>Carré %1, case %2 : %3</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>%1, pencil</source>
        <translation>%1, au crayon</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Loopword Puzzles</source>
        <translation>Grilles Loopword</translation>
    </message>
    <message>
        <source>Select a puzzle to open</source>
        <translation>Choisir une grille à ouvrir</translation>
    </message>
    <message>
        <source>Select destination file for this puzzle</source>
        <translation>Choisir le fichier où enregistrer cette grille</translation>
    </message>
    <message>
        <source>Select destination file for a web page of this puzzle</source>
        <translation>Choisir le fichier d&apos;une page web de cette grille</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Pages web</translation>
    </message>
    <message>
        <source>Select a file to open</source>
        <translation>Choisir un fichier à ouvrir</translation>
    </message>
    <message>
        <source>Dictionary Files</source>
        <translation>Fichiers de dictionnaire</translation>
    </message>
    <message>
        <source>Select destination file for a bitmap copy of this puzzle</source>
        <translation>Choisir le fichier d&apos;une image bitmap de cette grille</translation>
    </message>
    <message>
        <source>Loopword Bitmap Files</source>
        <translation>Images bitmap Loopword</translation>
    </message>
    <message>
        <source>Select destination file for a PDF of this puzzle</source>
        <translation>Choisir le fichier d&apos;un PDF de cette grille</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Fichiers PDF</translation>
    </message>
    <message>
        <source>Select a name for the SVG files of this puzzle</source>
        <translation>Choisir un nom pour les fichiers SVG de cette grille</translation>
    </message>
    <message>
        <source>SVG Files</source>
        <translation>Fichiers SVG</translation>
    </message>
    <message>
        <source>Do you wish to print puzzle and its solution?</source>
        <translation>Imprimer la grille et sa solution ?</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Set up a default printer, then print again.</source>
        <translation>Aucune imprimante n&apos;est disponible.
Configurez une imprimante par défaut, puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>Select destination file for the booklet</source>
        <translation>Choisir le fichier du livret</translation>
    </message>
    <message>
        <source>Enter 8-letter word A..Z</source>
        <translation>Saisir un mot de 8 lettres A..Z</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Mot de départ</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary.</source>
        <translation>Les mots du thème ne tiennent pas tous dans une même grille avec ce dictionnaire.</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary.</source>
        <translation>Aucune grille ne peut être créée avec ce dictionnaire.</translation>
    </message>
    <message>
        <source>Specify 8-letter word</source>
        <translation>Saisissez un mot de 8 lettres</translation>
    </message>
    <message>
        <source>Specify A..Z leters</source>
        <translation>Saisissez uniquement les lettres A..Z</translation>
    </message>
    <message>
        <source>Compiling a new puzzle ends solving this one. Compile anyway?</source>
        <translation>Créer une nouvelle grille met fin à la résolution de celle-ci. Créer quand même ?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Showing the solution ends solving this puzzle. Show it anyway?</source>
        <translation>Afficher la solution met fin à la résolution de cette grille. L&apos;afficher quand même ?</translation>
    </message>
    <message>
        <source>Opening a puzzle ends solving this one. Open anyway?</source>
        <translation>Ouvrir une grille met fin à la résolution de celle-ci. Ouvrir quand même ?</translation>
    </message>
    <message>
        <source>Exiting ends solving this puzzle. Exit anyway?</source>
        <translation>Quitter met fin à la résolution de cette grille. Quitter quand même ?</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Voir la grille</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Voir la solution</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>There are no 8-letter words in this dictionary</source>
        <translation>Ce dictionnaire ne contient aucun mot de 8 lettres</translation>
    </message>
    <message>
        <source>Dictionary limit is 49,000 words</source>
        <translation>Un dictionnaire contient au plus 49 000 mots</translation>
    </message>
    <message>
        <source>Loopword could not save the bitmap to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer l&apos;image bitmap dans :</translation>
    </message>
    <message>
        <source>Loopword could not save the PDF to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer le PDF dans :</translation>
    </message>
    <message>
        <source>Loopword could not save the SVG files to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer les fichiers SVG dans :</translation>
    </message>
    <message>
        <source>Loopword could not save the booklet to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer le livret dans :</translation>
    </message>
    <message>
        <source>A puzzle holds at most 23 theme words; these are %1.</source>
        <translation>Une grille contient au plus 23 mots du thème ; il y en a ici %1.</translation>
    </message>
    <message>
        <source>Not 8 letters A to Z: %1.</source>
        <translation>Pas 8 lettres de A à Z : %1.</translation>
    </message>
    <message>
        <source>Given twice: %1.</source>
        <translation>Donnés deux fois : %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary with the starting word %1.</source>
        <translation>Aucune grille ne peut être créée avec ce dictionnaire et le mot de départ %1.</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.</source>
        <translation>Les mots du thème ne tiennent pas tous dans une même grille avec ce dictionnaire et le mot de départ %1.</translation>
    </message>
    <message>
        <source>Without %1 they fit.</source>
        <translation>Sans %1, ils tiennent tous.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; this dictionary has %1.</source>
        <translation>Une grille demande 23 mots différents ; ce dictionnaire en a %1.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; the dictionary and the theme words have %1.</source>
        <translation>Une grille demande 23 mots différents ; le dictionnaire et les mots du thème en ont %1.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary.</source>
        <translation>Aucune grille de difficulté « %1 » n&apos;a été trouvée parmi %2 grilles créées avec ce dictionnaire.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.</source>
        <translation>Aucune grille de difficulté « %1 » n&apos;a été trouvée parmi %2 grilles créées avec ce dictionnaire et ces mots du thème.</translation>
    </message>
    <message>
        <source>No puzzle with all the theme words was found in %1 seconds.</source>
        <translation>Aucune grille contenant tous les mots du thème n&apos;a été trouvée en %1 secondes.</translation>
    </message>
    <message>
        <source>Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.</source>
        <translation>Les grilles 1 à %1 n&apos;ont aucun mot en commun ; la liste de mots n&apos;en permet pas plus, donc des mots se répètent à partir de la grille %2.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Ligne %1 : %2.</translation>
    </message>
    <message>
        <source>a puzzle needs 23 placement lines, this one has %1</source>
        <translation>une grille demande 23 lignes de placement, celle-ci en a %1</translation>
    </message>
    <message>
        <source>square %1 where square %2 belongs</source>
        <translation>le carré %1 est à la place du carré %2</translation>
    </message>
    <message>
        <source>the ring %1 is not the word %2 read clockwise from cell %3</source>
        <translation>l&apos;anneau %1 n&apos;est pas le mot %2 lu dans le sens horaire depuis la case %3</translation>
    </message>
    <message>
        <source>the word %1 is already in square %2</source>
        <translation>le mot %1 est déjà dans le carré %2</translation>
    </message>
    <message>
        <source>square %1 disagrees with square %2 at a shared cell</source>
        <translation>le carré %1 contredit le carré %2 sur une case commune</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>No complete puzzle could be made with this dictionary and starting word.</source>
        <translation>Aucune grille complète n&apos;a pu être créée avec ce dictionnaire et ce mot de départ.</translation>
    </message>
    <message>
        <source>There is no puzzle to put in the booklet.</source>
        <translation>Il n&apos;y a aucune grille à mettre dans le livret.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>Le PDF n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier porte déjà ce nom.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Il n&apos;y a aucune image à enregistrer.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>L&apos;image n&apos;a pas pu être écrite.</translation>
    </message>
    <message>
        <source>The word list is too small to keep words apart: words repeat from puzzle 2 on.</source>
        <translation>La liste de mots est trop petite pour éviter les répétitions : des mots se répètent à partir de la grille 2.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>not a placement line of the form &quot;SS RRRRRRRR D WWWWWWWW&quot;</source>
        <translation>pas une ligne de placement de la forme &quot;SS RRRRRRRR D WWWWWWWW&quot;</translation>
    </message>
    <message>
        <source>the difficulty must be standard, easy, medium, hard or expert</source>
        <translation>la difficulté doit être standard, easy, medium, hard ou expert</translation>
    </message>
    <message>
        <source>hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8</source>
        <translation>les cases d&apos;indice s&apos;écrivent SS.P : carré 01 à 23 sauf 12, position 1 à 8 sur l&apos;anneau</translation>
    </message>
    <message>
        <source>The file holds no puzzle.</source>
        <translation>Le fichier ne contient aucune grille.</translation>
    </message>
    <message>
        <source>bad character in a comment line</source>
        <translation>caractère non valide dans une ligne de commentaire</translation>
    </message>
    <message>
        <source>bad character in a placement line</source>
        <translation>caractère non valide dans une ligne de placement</translation>
    </message>
    <message>
        <source>more than 23 placement lines without an empty line between puzzles</source>
        <translation>plus de 23 lignes de placement sans ligne vide entre les grilles</translation>
    </message>
    <message>
        <source>Loopword could not open the puzzle file:</source>
        <translation>Loopword n&apos;a pas pu ouvrir le fichier de grille :</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>Le fichier dépasse 1 Mio.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Le fichier n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The letters typed into it are damaged.</source>
        <translation>Les lettres qui y ont été saisies sont endommagées.</translation>
    </message>
    <message>
        <source>Loopword could not save the puzzle to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer la grille dans :</translation>
    </message>
    <message>
        <source>Loopword&apos;s web page is missing or damaged:</source>
        <translation>La page web de Loopword est absente ou endommagée :</translation>
    </message>
    <message>
        <source>Loopword could not save the web page to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer la page web dans :</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>C&apos;est un dossier</translation>
    </message>
    <message>
        <source>Error while reading dictionary:</source>
        <translation>Erreur à la lecture du dictionnaire :</translation>
    </message>
    <message>
        <source>Program may not run correctly</source>
        <translation>Le programme risque de ne pas fonctionner correctement</translation>
    </message>
    <message>
        <source>No theme words: puzzles come from the word list alone.</source>
        <translation>Aucun mot du thème : les grilles viennent de la seule liste de mots.</translation>
    </message>
    <message>
        <source>read as Windows-1252, %1 with Ñ read as N</source>
        <translation>lu en Windows-1252, %1 avec Ñ lu comme N</translation>
    </message>
    <message>
        <source>%1 with Ñ read as N</source>
        <translation>%1 avec Ñ lu comme N</translation>
    </message>
    <message>
        <source>%1 reads as %2: not 8 letters A to Z.</source>
        <translation>%1 se lit %2 : pas 8 lettres de A à Z.</translation>
    </message>
    <message>
        <source>read as Windows-1252</source>
        <translation>lu en Windows-1252</translation>
    </message>
    <message>
        <source>the list is neither UTF-8 nor Windows-1252 text</source>
        <translation>la liste n&apos;est ni du texte UTF-8 ni du texte Windows-1252</translation>
    </message>
    <message>
        <source>Loopword is still compiling a puzzle.</source>
        <translation>Loopword est encore en train de créer une grille.</translation>
    </message>
    <message>
        <source>This program will create an 8-shaped word puzzle for you to print and solve at your leisure.

- There are 23 words in 23 squares in the puzzle, each 8-letter long
- One word and a number of letters are provided as hint
- Each word must be placed clock-wise around each square
- A word can start in any position around a square
- Overlapping letters must be same
- A word cannot be made twice
- You can three standard or your own dictionary
- User dictionaries must be sorted text files, one word in each line</source>
        <translation>Ce programme crée une grille de mots en forme de 8, à imprimer et à résoudre à votre rythme.

- La grille compte 23 mots de 8 lettres dans 23 carrés
- Un mot et quelques lettres sont donnés comme indices
- Chaque mot s&apos;écrit dans le sens horaire autour de son carré
- Un mot peut commencer sur n&apos;importe quelle case autour du carré
- Les cases communes à deux carrés portent la même lettre
- Un même mot ne peut pas servir deux fois
- Vous pouvez utiliser l&apos;un des trois dictionnaires fournis ou le vôtre
- Un dictionnaire personnel doit être un fichier texte trié, avec un mot par ligne</translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words)</source>
        <comment>Dictionary: %1 (1 word)</comment>
        <translation>
            <numerusform>Dictionnaire : %1 (%n mot)</numerusform>
            <numerusform>Dictionnaire : %1 (%n mots)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words, %2)</source>
        <comment>Dictionary: %1 (1 word, %2)</comment>
        <translation>
            <numerusform>Dictionnaire : %1 (%n mot, %2)</numerusform>
            <numerusform>Dictionnaire : %1 (%n mots, %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n theme words</source>
        <comment>%1 - 1 theme word</comment>
        <translation>
            <numerusform>%1 - %n mot du thème</numerusform>
            <numerusform>%1 - %n mots du thème</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n theme words will be in every puzzle.</source>
        <comment>1 theme word will be in every puzzle.</comment>
        <translation>
            <numerusform>%n mot du thème sera dans chaque grille.</numerusform>
            <numerusform>%n mots du thème seront dans chaque grille.</numerusform>
        </translation>
    </message>
    <message>
        <source>The seed &quot;%1&quot; is not a whole number from 0 to 18446744073709551615: no puzzle was made.</source>
        <translation>La graine « %1 » n&apos;est pas un nombre entier de 0 à 18446744073709551615 : aucune grille n&apos;a été créée.</translation>
    </message>
    <message>
        <source>Some choices could not be read and are back at their defaults: %1.</source>
        <translation>Certains choix n’ont pas pu être lus et reprennent leur valeur par défaut : %1.</translation>
    </message>
    <message>
        <source>Check: every letter so far is right.</source>
        <translation>Vérification : toutes les lettres jusqu&apos;ici sont justes.</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n letters are wrong, marked in the figure.</source>
        <comment>Check: 1 letter is wrong, marked in the figure.</comment>
        <translation>
            <numerusform>Vérification : %n lettre est fausse, marquée dans la figure.</numerusform>
            <numerusform>Vérification : %n lettres sont fausses, marquées dans la figure.</numerusform>
        </translation>
    </message>
    <message>
        <source>Still trying: attempt %1 of %2.</source>
        <translation>Nouvel essai : tentative %1 sur %2.</translation>
    </message>
    <message>
        <source>Searching every puzzle the word list allows…</source>
        <translation>Recherche parmi toutes les grilles que la liste de mots permet…</translation>
    </message>
    <message>
        <source>A title holds at most 60 characters; this one has %1.</source>
        <translation>Un titre compte au plus 60 caractères ; celui-ci en a %1.</translation>
    </message>
    <message>
        <source>The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.</source>
        <translation>La zone des mots du thème accepte jusqu&apos;à %1 caractères, et celle-ci en a %2 : ne gardez que les mots qu&apos;une grille peut contenir.</translation>
    </message>
    <message>
        <source>What your teacher turned off could not be read (&quot;%1&quot;): everything is allowed.</source>
        <translation>Ce que votre enseignant a désactivé n’a pas pu être lu (« %1 ») : tout est permis.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1.</source>
        <translation>Votre enseignant a désactivé %1.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1 and %2.</source>
        <translation>Votre enseignant a désactivé %1 et %2.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1, %2 and %3.</source>
        <translation>Votre enseignant a désactivé %1, %2 et %3.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>« Vérifier »</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>« Dévoiler une lettre »</translation>
    </message>
    <message>
        <source>the timer</source>
        <translation>le chronomètre</translation>
    </message>
    <message>
        <source>Some pencil letters kept with this puzzle were damaged and were left out.</source>
        <translation>Certaines lettres au crayon gardées avec cette grille étaient endommagées et ont été laissées de côté.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 and %3</source>
        <translation>Résolue en %1 avec %2 et %3</translation>
    </message>
    <message>
        <source>Solved with %1 and %2</source>
        <translation>Résolue avec %1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n checks</source>
        <comment>1 check</comment>
        <translation>
            <numerusform>%n vérification</numerusform>
            <numerusform>%n vérifications</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters revealed</source>
        <comment>1 letter revealed</comment>
        <translation>
            <numerusform>%n lettre dévoilée</numerusform>
            <numerusform>%n lettres dévoilées</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination file for the class set</source>
        <translation>Choisir le fichier du jeu pour la classe</translation>
    </message>
    <message>
        <source>Puzzles made: %1 of %2</source>
        <translation>Grilles créées : %1 sur %2</translation>
    </message>
    <message>
        <source>a clue line must be &quot;# clue: WORD clue&quot;: 8 capitals, then a clue of 1 to 60 characters</source>
        <translation>une ligne de définition doit être « # clue: MOT définition » : 8 majuscules, puis une définition de 1 à 60 caractères</translation>
    </message>
    <message>
        <source>the word %1 has a clue already</source>
        <translation>le mot %1 a déjà une définition</translation>
    </message>
    <message>
        <source>the clue is for %1, which is not in the puzzle</source>
        <translation>la définition est celle de %1, qui n’est pas dans la grille</translation>
    </message>
    <message>
        <source>This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.</source>
        <translation>Ce lien de classe est tronqué ou abîmé et ne peut pas créer votre grille : redemandez le lien à votre enseignant.</translation>
    </message>
    <message>
        <source>A class set is for %1 to %2 pupils.</source>
        <translation>Un jeu pour la classe compte de %1 à %2 élèves.</translation>
    </message>
    <message>
        <source>Choose your number from 1 to %1.</source>
        <translation>Choisissez votre numéro de 1 à %1.</translation>
    </message>
    <message>
        <source>A class link needs one of the page&apos;s own word lists: pupils&apos; pages do not have the list you opened.</source>
        <translation>Un lien de classe demande l’une des listes de mots de la page : les pages des élèves n’ont pas la liste que vous avez ouverte.</translation>
    </message>
    <message>
        <source>The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title.</source>
        <translation>Le lien de classe ferait %1 caractères, plus que les %2 qu’un lien contient sans risque : raccourcissez les définitions ou le titre.</translation>
    </message>
    <message>
        <source>These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list.</source>
        <translation>Ces choix donnent trop peu de grilles différentes pour %1 élèves : essayez moins de mots du thème ou une liste de mots plus longue.</translation>
    </message>
    <message>
        <source>A clue cannot hold &quot;=&quot;, so these words have none: %1.</source>
        <translation>Une définition ne peut pas contenir « = », ces mots n’en ont donc pas : %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them are listed by their clues.</source>
        <comment>1 of them is listed by its clue.</comment>
        <translation>
            <numerusform>%n d’entre eux figure par sa définition.</numerusform>
            <numerusform>%n d’entre eux figurent par leur définition.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pencil on</source>
        <translation>Crayon activé</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Clear the theme words, their clues and the title?</source>
        <translation>Effacer les mots du thème, leurs définitions et le titre ?</translation>
    </message>
    <message>
        <source>Start this puzzle over? Its letters and time go.</source>
        <translation>Recommencer cette grille ? Ses lettres et son temps seront perdus.</translation>
    </message>
    <message>
        <source>A result code has 11 characters; this one has %1.</source>
        <translation>Un code de résultat a 11 caractères ; celui-ci en a %1.</translation>
    </message>
    <message>
        <source>A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.</source>
        <translation>Un code de résultat n’a que les chiffres 2 à 9 et les lettres autres que I, L et O ; celui-ci contient %1.</translation>
    </message>
    <message>
        <source>This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.</source>
        <translation>Ce code est celui de la grille %1, mais le jeu pour la classe a %2 grilles : un caractère a peut-être été mal tapé.</translation>
    </message>
    <message>
        <source>This code does not fit the class set: a character may be typed wrongly, or it is from another set.</source>
        <translation>Ce code ne correspond pas au jeu pour la classe : un caractère a peut-être été mal tapé, ou il vient d’un autre jeu.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Résolu !</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2 · set %3</source>
        <translation>Grille %1 sur %2 · jeu %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>Checks: %1 · letters revealed: %2</source>
        <translation>Vérifications : %1 · lettres dévoilées : %2</translation>
    </message>
    <message>
        <source>Result code for your teacher: %1</source>
        <translation>Code de résultat pour votre enseignant : %1</translation>
    </message>
    <message>
        <source>The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.</source>
        <translation>Les choix ont changé : voici donc un nouveau jeu pour la classe, le jeu %2. Les liens et impressions faits avant appartiennent au jeu %1.</translation>
    </message>
    <message>
        <source>A clue may have up to 60 characters: these lines have longer ones and are left out: %1.</source>
        <translation>Une définition peut avoir jusqu&apos;à 60 caractères : ces lignes en ont de plus longues et sont laissées de côté : %1.</translation>
    </message>
    <message>
        <source>Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.</source>
        <translation>Les codes de résultat se lisent avec le jeu pour la classe à l&apos;écran : imprimez d&apos;abord le jeu ou copiez son lien, ou donnez sa graine.</translation>
    </message>
    <message>
        <source>Select a file of result codes</source>
        <translation>Choisissez un fichier de codes de résultat</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Fichiers texte</translation>
    </message>
    <message>
        <source>Select destination file for the class results</source>
        <translation>Choisissez le fichier de destination des résultats de la classe</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>Loopword could not save the class results to:</source>
        <translation>Loopword n&apos;a pas pu enregistrer les résultats de la classe dans :</translation>
    </message>
    <message>
        <source>Save these results as a CSV file for a spreadsheet?</source>
        <translation>Enregistrer ces résultats dans un fichier CSV pour un tableur ?</translation>
    </message>
    <message>
        <source>Pupil %1: time %2, checks %3, letters revealed %4</source>
        <translation>Élève %1 : temps %2, vérifications %3, lettres dévoilées %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Select destination file for a learning platform package of this puzzle</source>
        <translation>Choisir le fichier de destination d’un paquet pour plateforme d’apprentissage de cette grille</translation>
    </message>
    <message>
        <source>Learning Platform Packages</source>
        <translation>Paquets pour plateforme d’apprentissage</translation>
    </message>
    <message>
        <source>Loopword could not save the learning platform package to:</source>
        <translation>Loopword n’a pas pu enregistrer le paquet pour plateforme d’apprentissage dans :</translation>
    </message>
    <message>
        <source>The learning platform did not say who you are, so this is puzzle 1 of the set.</source>
        <translation>La plateforme d’apprentissage n’a pas dit qui tu es : voici donc la grille 1 de la série.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.</source>
        <translation>La progression gardée par la plateforme d’apprentissage pour cette grille est abîmée ou tronquée : la grille recommence à zéro.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept is of another puzzle: this one starts afresh.</source>
        <translation>La progression gardée par la plateforme d’apprentissage est celle d’une autre grille : celle-ci recommence à zéro.</translation>
    </message>
    <message>
        <source>The learning platform shows this puzzle for a look only: nothing you do here is recorded.</source>
        <translation>La plateforme d’apprentissage montre cette grille pour consultation seulement : rien de ce que tu fais ici n’est enregistré.</translation>
    </message>
    <message>
        <source>The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.</source>
        <translation>La plateforme d’apprentissage n’a pas accepté ce que cette page lui a transmis : tu peux continuer à résoudre, mais ta progression et ton résultat ne sont pas enregistrés.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loopword User Guide</source>
        <translation>Guide de Loopword</translation>
    </message>
    <message>
        <source>OverWrite file: %1 ?</source>
        <translation>Remplacer le fichier %1 ?</translation>
    </message>
    <message>
        <source>Loopword copied to:
%1
 %2 bytes</source>
        <translation>Loopword a copié l&apos;image dans :
%1
 %2 octets</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas pu commencer l&apos;impression.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer %1.</source>
        <translation>La page n&apos;a pas pu être envoyée à l&apos;imprimante %1.</translation>
    </message>
    <message>
        <source>Booklet written: %1, %2 pages.</source>
        <translation>Livret écrit : %1, %2 pages.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open puzzle…</source>
        <translation>&amp;Ouvrir une grille…</translation>
    </message>
    <message>
        <source>&amp;Save puzzle…</source>
        <translation>&amp;Enregistrer la grille…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as &amp;bitmap</source>
        <translation>Enregistrer en &amp;bitmap</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>E&amp;xporter en PDF…</translation>
    </message>
    <message>
        <source>Export S&amp;VG…</source>
        <translation>Exporter en S&amp;VG…</translation>
    </message>
    <message>
        <source>Export &amp;web page…</source>
        <translation>Exporter en page &amp;web…</translation>
    </message>
    <message>
        <source>Make boo&amp;klet…</source>
        <translation>Créer un &amp;livret…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>&amp;Varied words</source>
        <translation>&amp;Mots variés</translation>
    </message>
    <message>
        <source>&amp;One solution</source>
        <translation>&amp;Une seule solution</translation>
    </message>
    <message>
        <source>Solve on &amp;screen</source>
        <translation>&amp;Résoudre à l&apos;écran</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Vérifier</translation>
    </message>
    <message>
        <source>&amp;Reveal letter</source>
        <translation>&amp;Dévoiler une lettre</translation>
    </message>
    <message>
        <source>S&amp;tarting Word</source>
        <translation>&amp;Mot de départ</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Au hasard</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Saisi</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dictionnaire</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Personnel</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Niveau &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Niveau &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Niveau &amp;3</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Theme words…</source>
        <translation>Mots du &amp;thème…</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>Make booklet</source>
        <translation>Créer un livret</translation>
    </message>
    <message>
        <source>No word twice in the booklet</source>
        <translation>Aucun mot deux fois dans le livret</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Mots variés</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Une seule solution</translation>
    </message>
    <message>
        <source>Number of puzzles:</source>
        <translation>Nombre de grilles :</translation>
    </message>
    <message>
        <source>Theme words</source>
        <translation>Mots du thème</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>Di&amp;fficulté</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>Cra&amp;yon</translation>
    </message>
    <message>
        <source>Hide &amp;timer</source>
        <translation>Masquer le chr&amp;onomètre</translation>
    </message>
    <message>
        <source>Number of pupils:</source>
        <translation>Nombre d’élèves :</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Jeu pour la classe</translation>
    </message>
    <message>
        <source>&amp;Class set…</source>
        <translation>Jeu pour la &amp;classe…</translation>
    </message>
    <message>
        <source>&amp;Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>&amp;Mots, séparés par des fins de ligne, des espaces ou des virgules ; une ligne MOT = définition donne le mot par sa définition :</translation>
    </message>
    <message>
        <source>St&amp;art over</source>
        <translation>R&amp;ecommencer</translation>
    </message>
    <message>
        <source>Class &amp;results…</source>
        <translation>&amp;Résultats de la classe…</translation>
    </message>
    <message>
        <source>Export for a &amp;learning platform…</source>
        <translation>Exporter pour une plateforme d’&amp;apprentissage…</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Place 23 8-letter words clock-wise into 8 spaces around each square.</source>
        <translation>Placez 23 mots de 8 lettres dans le sens horaire autour de chaque carré.</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>GRILLE</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUTION</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Difficulté :</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Grille %1 sur %2</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>set %1</source>
        <translation>jeu %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Page language</source>
        <translation>Langue de la page</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Vues</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>Make a puzzle</source>
        <translation>Créer une grille</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Liste de mots</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Niveau 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Niveau 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Niveau 3</translation>
    </message>
    <message>
        <source>Own list…</source>
        <translation>Liste personnelle…</translation>
    </message>
    <message>
        <source>Puzzle language</source>
        <translation>Langue de la grille</translation>
    </message>
    <message>
        <source>Own word list file</source>
        <translation>Fichier de la liste de mots personnelle</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Starting word</source>
        <translation>Mot de départ</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>This word:</source>
        <translation>Ce mot :</translation>
    </message>
    <message>
        <source>Starting word, 8 letters</source>
        <translation>Mot de départ, 8 lettres</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>any</source>
        <translation>au choix</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Mots variés</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Une seule solution</translation>
    </message>
    <message>
        <source>Theme words and title</source>
        <translation>Mots du thème et titre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Puzzle commands</source>
        <translation>Commandes de la grille</translation>
    </message>
    <message>
        <source>Make puzzle</source>
        <translation>Créer la grille</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Voir la grille</translation>
    </message>
    <message>
        <source>Print puzzle and solution</source>
        <translation>Imprimer la grille et la solution</translation>
    </message>
    <message>
        <source>Save puzzle file</source>
        <translation>Enregistrer le fichier de la grille</translation>
    </message>
    <message>
        <source>Open puzzle file…</source>
        <translation>Ouvrir un fichier de grille…</translation>
    </message>
    <message>
        <source>Puzzle file</source>
        <translation>Fichier de grille</translation>
    </message>
    <message>
        <source>Copy pupil link</source>
        <translation>Copier le lien pour les élèves</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Enregistrer en page web</translation>
    </message>
    <message>
        <source>Forget this browser&apos;s puzzles</source>
        <translation>Oublier les grilles de ce navigateur</translation>
    </message>
    <message>
        <source>Solving commands</source>
        <translation>Commandes de résolution</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Dévoiler une lettre</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recommencer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Puzzle figure: choose a square and type its letters clockwise</source>
        <translation>Figure de la grille : choisissez un carré et tapez ses lettres dans le sens horaire</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <translation>Clavier à l&apos;écran</translation>
    </message>
    <message>
        <source>Loopword stopped working: %1</source>
        <translation>Loopword s&apos;est arrêté : %1</translation>
    </message>
    <message>
        <source>This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.</source>
        <translation>Ce navigateur ne garde ici aucune progression (son stockage est plein ou désactivé) : les lettres seront perdues à la fermeture de la page.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use &quot;%1&quot; and give pupils that file.</source>
        <translation>Cette page a été ouverte depuis un fichier de cet ordinateur : un lien vers elle ne fonctionne qu&apos;ici. Mettez la page sur un serveur web pour partager des liens, ou utilisez « %1 » et donnez ce fichier aux élèves.</translation>
    </message>
    <message>
        <source>The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.</source>
        <translation>Le lien pour les élèves est copié : collez-le là où votre classe le trouvera. Il ouvre cette grille, prête à être résolue.</translation>
    </message>
    <message>
        <source>Copy this pupil link: %1</source>
        <translation>Copiez ce lien pour les élèves : %1</translation>
    </message>
    <message>
        <source>Forget every puzzle and all progress kept in this browser? Use this on a shared computer.</source>
        <translation>Oublier toutes les grilles et toute la progression gardées dans ce navigateur ? À utiliser sur un ordinateur partagé.</translation>
    </message>
    <message>
        <source>This browser has forgotten its puzzles.</source>
        <translation>Ce navigateur a oublié ses grilles.</translation>
    </message>
    <message>
        <source>Previous square</source>
        <translation>Carré précédent</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Next square</source>
        <translation>Carré suivant</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>The puzzle inside this page is damaged and cannot be read.</source>
        <translation>La grille contenue dans cette page est endommagée et ne peut pas être lue.</translation>
    </message>
    <message>
        <source>the puzzle in the link</source>
        <translation>la grille du lien</translation>
    </message>
    <message>
        <source>the puzzle made</source>
        <translation>la grille créée</translation>
    </message>
    <message>
        <source>the puzzle kept here</source>
        <translation>la grille gardée ici</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>A damaged entry this browser kept for the page was dropped.</source>
        <translation>Une entrée endommagée que ce navigateur gardait pour la page a été supprimée.</translation>
    </message>
    <message>
        <source>The word lists in %1 could not be fetched: connect to the internet and reload the page.</source>
        <translation>Les listes de mots en %1 n’ont pas pu être chargées : connectez-vous à Internet et rechargez la page.</translation>
    </message>
    <message>
        <source>The page to save could not be fetched: connect to the internet and try again.</source>
        <translation>La page à enregistrer n’a pas pu être chargée : connectez-vous à Internet et réessayez.</translation>
    </message>
    <message>
        <source>This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.</source>
        <translation>Ceci est la version de Loopword pour un hébergeur web : ouvrez-la depuis un serveur web, ou ouvrez loopword.html, la page en un seul fichier, depuis le disque.</translation>
    </message>
    <message>
        <source>What pupils may do</source>
        <translation>Ce que les élèves peuvent faire</translation>
    </message>
    <message>
        <source>Pupils may check</source>
        <translation>Les élèves peuvent vérifier</translation>
    </message>
    <message>
        <source>Pupils may reveal letters</source>
        <translation>Les élèves peuvent dévoiler des lettres</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Afficher le chronomètre</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Crayon</translation>
    </message>
    <message>
        <source>Hide timer</source>
        <translation>Masquer le chronomètre</translation>
    </message>
    <message>
        <source>Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>Mots, séparés par des retours à la ligne, des espaces ou des virgules ; une ligne MOT = définition donne le mot par sa définition :</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Jeu pour la classe</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Print class set</source>
        <translation>Imprimer le jeu pour la classe</translation>
    </message>
    <message>
        <source>Copy class link</source>
        <translation>Copier le lien de classe</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Votre numéro</translation>
    </message>
    <message>
        <source>Your teacher gave each pupil a number: choose yours to open your own puzzle.</source>
        <translation>Votre enseignant a donné un numéro à chaque élève : choisissez le vôtre pour ouvrir votre propre grille.</translation>
    </message>
    <message>
        <source>Open my puzzle</source>
        <translation>Ouvrir ma grille</translation>
    </message>
    <message>
        <source>This page makes your puzzle from the link. Another version of the page may make a different puzzle for the same number, which your teacher&apos;s answers do not fit: then ask for a new link.</source>
        <translation>Cette page crée votre grille à partir du lien. Une autre version de la page peut créer une autre grille pour le même numéro, à laquelle les solutions de votre enseignant ne correspondent pas : demandez alors un nouveau lien.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use &quot;%1&quot;.</source>
        <translation>Cette page a été ouverte depuis un fichier de cet ordinateur : un lien de classe vers elle ne fonctionne qu’ici. Mettez la page sur un serveur web pour donner un seul lien à votre classe, ou utilisez « %1 ».</translation>
    </message>
    <message>
        <source>The class link is copied: give it to your class. Each pupil opens it and chooses their number.</source>
        <translation>Le lien de classe est copié : donnez-le à votre classe. Chaque élève l’ouvre et choisit son numéro.</translation>
    </message>
    <message>
        <source>Copy this class link: %1</source>
        <translation>Copiez ce lien de classe : %1</translation>
    </message>
    <message>
        <source>your puzzle</source>
        <translation>votre grille</translation>
    </message>
    <message>
        <source>Something went wrong; your letters are kept. Reload the page to go on.</source>
        <translation>Une erreur s&apos;est produite ; vos lettres sont conservées. Rechargez la page pour continuer.</translation>
    </message>
    <message>
        <source>This link is damaged or cut short. Ask your teacher for it again.</source>
        <translation>Ce lien est abîmé ou tronqué. Redemandez-le à votre enseignant.</translation>
    </message>
    <message>
        <source>Make your own puzzle</source>
        <translation>Créer votre propre grille</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Not your number?</source>
        <translation>Ce n&apos;est pas votre numéro ?</translation>
    </message>
    <message>
        <source>Scan the code to open the link</source>
        <translation>Scannez le code pour ouvrir le lien</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>Code QR du lien</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Scan to solve on a phone</source>
        <translation>Scannez pour résoudre sur un téléphone</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Vérifications</translation>
    </message>
    <message>
        <source>Letters revealed</source>
        <translation>Lettres dévoilées</translation>
    </message>
    <message>
        <source>Result code</source>
        <translation>Code de résultat</translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation>Ce qui ne va pas</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Résultats de la classe</translation>
    </message>
    <message>
        <source>Result codes, one a line, as pupils copied them from their result cards:</source>
        <translation>Codes de résultat, un par ligne, tels que les élèves les ont copiés de leur carte de résultat :</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Lire les résultats</translation>
    </message>
    <message>
        <source>Download as CSV</source>
        <translation>Télécharger en CSV</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copier le résultat</translation>
    </message>
    <message>
        <source>This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.</source>
        <translation>Cette page n’a pas de place pour des grilles : enregistrez le paquet pour plateforme d’apprentissage depuis loopword.html tel qu’il a été livré.</translation>
    </message>
    <message>
        <source>Save for a learning platform</source>
        <translation>Enregistrer pour une plateforme d’apprentissage</translation>
    </message>
    <message>
        <source>The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.</source>
        <translation>La partie de Loopword qui crée les grilles n’a pas pu être chargée : connectez-vous à Internet et réessayez. La résolution continue.</translation>
    </message>
</context>
<context>
    <name>loopword::AboutForm</name>
    <message>
        <source>About Loopword</source>
        <translation>À propos de Loopword</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>
Loopword - October 2005
Makes 8-shaped word puzzles to print and solve on paper.
</source>
        <translation>
Loopword - octobre 2005
Crée des grilles de mots en forme de 8 à imprimer et à résoudre sur papier.
</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3
or (at your option) any later version: GPL-3.0-or-later.
</source>
        <translation>Logiciel libre sous licence GNU General Public License, version 3
ou (à votre choix) toute version ultérieure : GPL-3.0-or-later.
</translation>
    </message>
    <message>
        <source>English word lists from SCOWL (Spell Checker Oriented Word Lists)</source>
        <translation>Listes de mots anglais issues de SCOWL (Spell Checker Oriented Word Lists)</translation>
    </message>
    <message>
        <source>German from igerman98</source>
        <translation>Allemand : igerman98</translation>
    </message>
    <message>
        <source>French from wfrench</source>
        <translation>Français : wfrench</translation>
    </message>
    <message>
        <source>Spanish from wspanish</source>
        <translation>Espagnol : wspanish</translation>
    </message>
    <message>
        <source>Italian from witalian</source>
        <translation>Italien : witalian</translation>
    </message>
    <message>
        <source>Portuguese from ispell.pt</source>
        <translation>Portugais : ispell.pt</translation>
    </message>
    <message>
        <source>Dutch from OpenTaal</source>
        <translation>Néerlandais : OpenTaal</translation>
    </message>
    <message>
        <source>Offensive words left out with the naughty-words blocklist</source>
        <translation>Mots injurieux écartés grâce à la liste de blocage naughty-words</translation>
    </message>
    <message>
        <source>Word frequencies from subtitle word lists</source>
        <translation>Fréquences des mots issues de listes de mots de sous-titres</translation>
    </message>
</context>
</TS>
