<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Accessibility</name>
    <message>
        <source>Figure being filled</source>
        <translation>Figura in riempimento</translation>
    </message>
    <message>
        <source>Puzzle sheet</source>
        <translation>Foglio dello schema</translation>
    </message>
    <message>
        <source>Solution sheet</source>
        <translation>Foglio della soluzione</translation>
    </message>
    <message>
        <source>Puzzle being solved</source>
        <translation>Schema in risoluzione</translation>
    </message>
    <message>
        <source>Empty figure</source>
        <translation>Figura vuota</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (trovata)</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Parole: %1</translation>
    </message>
    <message>
        <source>hint %1</source>
        <translation>indizio %1</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, sbagliata</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vuota</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Quadrato %1</translation>
    </message>
    <message>
        <source>Square %1, cell %2: %3</source>
        <translation>Quadrato %1, casella %2: %3</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Casella %1</translation>
    </message>
    <message>
        <source>%1, pencil</source>
        <translation>%1, a matita</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Loopword Puzzles</source>
        <translation>Schemi Loopword</translation>
    </message>
    <message>
        <source>Select a puzzle to open</source>
        <translation>Scegli uno schema da aprire</translation>
    </message>
    <message>
        <source>Select destination file for this puzzle</source>
        <translation>Scegli il file in cui salvare questo schema</translation>
    </message>
    <message>
        <source>Select destination file for a web page of this puzzle</source>
        <translation>Scegli il file di una pagina web di questo schema</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Pagine web</translation>
    </message>
    <message>
        <source>Select a file to open</source>
        <translation>Scegli un file da aprire</translation>
    </message>
    <message>
        <source>Dictionary Files</source>
        <translation>File di dizionario</translation>
    </message>
    <message>
        <source>Select destination file for a bitmap copy of this puzzle</source>
        <translation>Scegli il file di un&apos;immagine bitmap di questo schema</translation>
    </message>
    <message>
        <source>Loopword Bitmap Files</source>
        <translation>Immagini bitmap di Loopword</translation>
    </message>
    <message>
        <source>Loopword could not save the bitmap to:</source>
        <translation>Loopword non ha potuto salvare la bitmap in:</translation>
    </message>
    <message>
        <source>Select destination file for a PDF of this puzzle</source>
        <translation>Scegli il file di un PDF di questo schema</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>File PDF</translation>
    </message>
    <message>
        <source>Loopword could not save the PDF to:</source>
        <translation>Loopword non ha potuto salvare il PDF in:</translation>
    </message>
    <message>
        <source>Select a name for the SVG files of this puzzle</source>
        <translation>Scegli un nome per i file SVG di questo schema</translation>
    </message>
    <message>
        <source>SVG Files</source>
        <translation>File SVG</translation>
    </message>
    <message>
        <source>Loopword could not save the SVG files to:</source>
        <translation>Loopword non ha potuto salvare i file SVG in:</translation>
    </message>
    <message>
        <source>Do you wish to print puzzle and its solution?</source>
        <translation>Stampare lo schema e la sua soluzione?</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Set up a default printer, then print again.</source>
        <translation>Non c&apos;è nessuna stampante.
Imposta una stampante predefinita e stampa di nuovo.</translation>
    </message>
    <message>
        <source>Select destination file for the booklet</source>
        <translation>Scegli il file del libretto</translation>
    </message>
    <message>
        <source>Loopword could not save the booklet to:</source>
        <translation>Loopword non ha potuto salvare il libretto in:</translation>
    </message>
    <message>
        <source>Enter 8-letter word A..Z</source>
        <translation>Scrivi una parola di 8 lettere A..Z</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Parola iniziale</translation>
    </message>
    <message>
        <source>A puzzle holds at most 23 theme words; these are %1.</source>
        <translation>Uno schema contiene al massimo 23 parole a tema; queste sono %1.</translation>
    </message>
    <message>
        <source>Not 8 letters A to Z: %1.</source>
        <translation>Non sono 8 lettere dalla A alla Z: %1.</translation>
    </message>
    <message>
        <source>Given twice: %1.</source>
        <translation>Inserite due volte: %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altre %2</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary with the starting word %1.</source>
        <translation>Con questo dizionario non si può creare nessuno schema con la parola iniziale %1.</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.</source>
        <translation>Con questo dizionario e la parola iniziale %1 le parole a tema non stanno tutte in uno stesso schema.</translation>
    </message>
    <message>
        <source>Without %1 they fit.</source>
        <translation>Senza %1 ci stanno.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; this dictionary has %1.</source>
        <translation>Uno schema richiede 23 parole diverse; questo dizionario ne ha %1.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; the dictionary and the theme words have %1.</source>
        <translation>Uno schema richiede 23 parole diverse; il dizionario e le parole a tema ne hanno %1.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary.</source>
        <translation>Fra %2 schemi creati con questo dizionario non ne è stato trovato nessuno di difficoltà «%1».</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.</source>
        <translation>Fra %2 schemi creati con questo dizionario e queste parole a tema non ne è stato trovato nessuno di difficoltà «%1».</translation>
    </message>
    <message>
        <source>No puzzle with all the theme words was found in %1 seconds.</source>
        <translation>In %1 secondi non è stato trovato nessuno schema con tutte le parole a tema.</translation>
    </message>
    <message>
        <source>Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.</source>
        <translation>Gli schemi da 1 a %1 non hanno parole in comune; l&apos;elenco di parole non permette di più, perciò le parole si ripetono dallo schema %2 in poi.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Riga %1: %2.</translation>
    </message>
    <message>
        <source>a puzzle needs 23 placement lines, this one has %1</source>
        <translation>uno schema richiede 23 righe di posizionamento, questo ne ha %1</translation>
    </message>
    <message>
        <source>square %1 where square %2 belongs</source>
        <translation>quadrato %1 al posto del quadrato %2</translation>
    </message>
    <message>
        <source>the ring %1 is not the word %2 read clockwise from cell %3</source>
        <translation>l&apos;anello %1 non è la parola %2 letta in senso orario dalla casella %3</translation>
    </message>
    <message>
        <source>the word %1 is already in square %2</source>
        <translation>la parola %1 è già nel quadrato %2</translation>
    </message>
    <message>
        <source>square %1 disagrees with square %2 at a shared cell</source>
        <translation>il quadrato %1 non concorda con il quadrato %2 in una casella comune</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standard</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>facile</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>media</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>difficile</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>esperto</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary.</source>
        <translation>Con questo dizionario le parole a tema non stanno tutte in uno stesso schema.</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary.</source>
        <translation>Con questo dizionario non si può creare nessuno schema.</translation>
    </message>
    <message>
        <source>No complete puzzle could be made with this dictionary and starting word.</source>
        <translation>Con questo dizionario e questa parola iniziale non è stato possibile creare uno schema completo.</translation>
    </message>
    <message>
        <source>Specify 8-letter word</source>
        <translation>Scrivi una parola di 8 lettere</translation>
    </message>
    <message>
        <source>Specify A..Z leters</source>
        <translation>Scrivi solo lettere A..Z</translation>
    </message>
    <message>
        <source>There is no puzzle to put in the booklet.</source>
        <translation>Non c&apos;è nessuno schema da mettere nel libretto.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>Non è stato possibile scrivere il PDF.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>C&apos;è già una cartella con quel nome.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Non c&apos;è nessuna immagine da salvare.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Non è stato possibile scrivere l&apos;immagine.</translation>
    </message>
    <message>
        <source>The word list is too small to keep words apart: words repeat from puzzle 2 on.</source>
        <translation>L&apos;elenco di parole è troppo piccolo per non ripeterle: le parole si ripetono dallo schema 2 in poi.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Non è stato possibile scrivere il file.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Il file è di sola lettura.</translation>
    </message>
    <message>
        <source>not a placement line of the form &quot;SS RRRRRRRR D WWWWWWWW&quot;</source>
        <translation>non è una riga di posizionamento della forma &quot;SS RRRRRRRR D WWWWWWWW&quot;</translation>
    </message>
    <message>
        <source>the difficulty must be standard, easy, medium, hard or expert</source>
        <translation>la difficoltà deve essere standard, easy, medium, hard o expert</translation>
    </message>
    <message>
        <source>hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8</source>
        <translation>le caselle indizio si scrivono SS.P: quadrato da 01 a 23 ma non 12, posizione nell&apos;anello da 1 a 8</translation>
    </message>
    <message>
        <source>The file holds no puzzle.</source>
        <translation>Il file non contiene nessuno schema.</translation>
    </message>
    <message>
        <source>bad character in a comment line</source>
        <translation>carattere non valido in una riga di commento</translation>
    </message>
    <message>
        <source>bad character in a placement line</source>
        <translation>carattere non valido in una riga di posizionamento</translation>
    </message>
    <message>
        <source>more than 23 placement lines without an empty line between puzzles</source>
        <translation>più di 23 righe di posizionamento senza una riga vuota fra gli schemi</translation>
    </message>
    <message>
        <source>Loopword could not open the puzzle file:</source>
        <translation>Loopword non ha potuto aprire il file dello schema:</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>Il file è più grande di 1 MiB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Non è stato possibile leggere il file.</translation>
    </message>
    <message>
        <source>The letters typed into it are damaged.</source>
        <translation>Le lettere inserite nel file sono danneggiate.</translation>
    </message>
    <message>
        <source>Compiling a new puzzle ends solving this one. Compile anyway?</source>
        <translation>Creare un nuovo schema interrompe la risoluzione di questo. Crearlo comunque?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Showing the solution ends solving this puzzle. Show it anyway?</source>
        <translation>Mostrare la soluzione interrompe la risoluzione di questo schema. Mostrarla comunque?</translation>
    </message>
    <message>
        <source>Opening a puzzle ends solving this one. Open anyway?</source>
        <translation>Aprire uno schema interrompe la risoluzione di questo. Aprirlo comunque?</translation>
    </message>
    <message>
        <source>Loopword could not save the puzzle to:</source>
        <translation>Loopword non ha potuto salvare lo schema in:</translation>
    </message>
    <message>
        <source>Loopword&apos;s web page is missing or damaged:</source>
        <translation>La pagina web di Loopword manca o è danneggiata:</translation>
    </message>
    <message>
        <source>Loopword could not save the web page to:</source>
        <translation>Loopword non ha potuto salvare la pagina web in:</translation>
    </message>
    <message>
        <source>Exiting ends solving this puzzle. Exit anyway?</source>
        <translation>Uscire interrompe la risoluzione di questo schema. Uscire comunque?</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Mostra schema</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Mostra soluzione</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>È una cartella</translation>
    </message>
    <message>
        <source>There are no 8-letter words in this dictionary</source>
        <translation>Questo dizionario non ha parole di 8 lettere</translation>
    </message>
    <message>
        <source>Dictionary limit is 49,000 words</source>
        <translation>Un dizionario ha al massimo 49.000 parole</translation>
    </message>
    <message>
        <source>Error while reading dictionary:</source>
        <translation>Errore durante la lettura del dizionario:</translation>
    </message>
    <message>
        <source>Program may not run correctly</source>
        <translation>Il programma potrebbe non funzionare correttamente</translation>
    </message>
    <message>
        <source>No theme words: puzzles come from the word list alone.</source>
        <translation>Nessuna parola a tema: gli schemi vengono solo dall&apos;elenco di parole.</translation>
    </message>
    <message>
        <source>read as Windows-1252, %1 with Ñ read as N</source>
        <translation>letto come Windows-1252, %1 con Ñ letta come N</translation>
    </message>
    <message>
        <source>%1 with Ñ read as N</source>
        <translation>%1 con Ñ letta come N</translation>
    </message>
    <message>
        <source>%1 reads as %2: not 8 letters A to Z.</source>
        <translation>%1 si legge %2: non sono 8 lettere dalla A alla Z.</translation>
    </message>
    <message>
        <source>read as Windows-1252</source>
        <translation>letto come Windows-1252</translation>
    </message>
    <message>
        <source>the list is neither UTF-8 nor Windows-1252 text</source>
        <translation>l&apos;elenco non è testo UTF-8 né Windows-1252</translation>
    </message>
    <message>
        <source>Loopword is still compiling a puzzle.</source>
        <translation>Loopword sta ancora creando uno schema.</translation>
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
        <translation>Questo programma crea uno schema di parole a forma di 8 da stampare e risolvere con calma.

- Lo schema ha 23 parole di 8 lettere in 23 quadrati
- Come indizio sono date una parola e alcune lettere
- Ogni parola va scritta in senso orario attorno al suo quadrato
- Una parola può cominciare in qualsiasi casella attorno al quadrato
- Le lettere delle caselle comuni devono coincidere
- Nessuna parola può essere usata due volte
- Puoi usare uno dei tre dizionari forniti o uno tuo
- Un dizionario personale deve essere un file di testo ordinato, con una parola per riga</translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words)</source>
        <comment>Dictionary: %1 (1 word)</comment>
        <translation>
            <numerusform>Dizionario: %1 (%n parola)</numerusform>
            <numerusform>Dizionario: %1 (%n parole)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words, %2)</source>
        <comment>Dictionary: %1 (1 word, %2)</comment>
        <translation>
            <numerusform>Dizionario: %1 (%n parola, %2)</numerusform>
            <numerusform>Dizionario: %1 (%n parole, %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n theme words</source>
        <comment>%1 - 1 theme word</comment>
        <translation>
            <numerusform>%1 - %n parola a tema</numerusform>
            <numerusform>%1 - %n parole a tema</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n theme words will be in every puzzle.</source>
        <comment>1 theme word will be in every puzzle.</comment>
        <translation>
            <numerusform>%n parola a tema sarà in ogni schema.</numerusform>
            <numerusform>%n parole a tema saranno in ogni schema.</numerusform>
        </translation>
    </message>
    <message>
        <source>The seed &quot;%1&quot; is not a whole number from 0 to 18446744073709551615: no puzzle was made.</source>
        <translation>Il seme «%1» non è un numero intero da 0 a 18446744073709551615: non è stato creato nessuno schema.</translation>
    </message>
    <message>
        <source>Some choices could not be read and are back at their defaults: %1.</source>
        <translation>Alcune scelte non si possono leggere e tornano al valore predefinito: %1.</translation>
    </message>
    <message>
        <source>Check: every letter so far is right.</source>
        <translation>Controllo: tutte le lettere finora sono giuste.</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n letters are wrong, marked in the figure.</source>
        <comment>Check: 1 letter is wrong, marked in the figure.</comment>
        <translation>
            <numerusform>Controllo: %n lettera è sbagliata, segnata nella figura.</numerusform>
            <numerusform>Controllo: %n lettere sono sbagliate, segnate nella figura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Still trying: attempt %1 of %2.</source>
        <translation>Ancora in corso: tentativo %1 di %2.</translation>
    </message>
    <message>
        <source>Searching every puzzle the word list allows…</source>
        <translation>Ricerca fra tutti gli schemi che l’elenco di parole permette…</translation>
    </message>
    <message>
        <source>A title holds at most 60 characters; this one has %1.</source>
        <translation>Un titolo ha al massimo 60 caratteri; questo ne ha %1.</translation>
    </message>
    <message>
        <source>The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.</source>
        <translation>Il riquadro delle parole a tema accetta fino a %1 caratteri, e questo ne ha %2: tieni solo le parole che uno schema può contenere.</translation>
    </message>
    <message>
        <source>What your teacher turned off could not be read (&quot;%1&quot;): everything is allowed.</source>
        <translation>Non è stato possibile leggere che cosa ha disattivato il tuo insegnante («%1»): è tutto permesso.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1.</source>
        <translation>Il tuo insegnante ha disattivato %1.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1 and %2.</source>
        <translation>Il tuo insegnante ha disattivato %1 e %2.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1, %2 and %3.</source>
        <translation>Il tuo insegnante ha disattivato %1, %2 e %3.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>«Controlla»</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>«Rivela lettera»</translation>
    </message>
    <message>
        <source>the timer</source>
        <translation>il cronometro</translation>
    </message>
    <message>
        <source>Some pencil letters kept with this puzzle were damaged and were left out.</source>
        <translation>Alcune lettere a matita salvate con questo schema erano danneggiate e sono state tralasciate.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 and %3</source>
        <translation>Risolto in %1 con %2 e %3</translation>
    </message>
    <message>
        <source>Solved with %1 and %2</source>
        <translation>Risolto con %1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n checks</source>
        <comment>1 check</comment>
        <translation>
            <numerusform>%n controllo</numerusform>
            <numerusform>%n controlli</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters revealed</source>
        <comment>1 letter revealed</comment>
        <translation>
            <numerusform>%n lettera rivelata</numerusform>
            <numerusform>%n lettere rivelate</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination file for the class set</source>
        <translation>Scegli il file della serie per la classe</translation>
    </message>
    <message>
        <source>Puzzles made: %1 of %2</source>
        <translation>Schemi creati: %1 di %2</translation>
    </message>
    <message>
        <source>a clue line must be &quot;# clue: WORD clue&quot;: 8 capitals, then a clue of 1 to 60 characters</source>
        <translation>una riga di definizione deve essere «# clue: PAROLA definizione»: 8 maiuscole, poi una definizione da 1 a 60 caratteri</translation>
    </message>
    <message>
        <source>the word %1 has a clue already</source>
        <translation>la parola %1 ha già una definizione</translation>
    </message>
    <message>
        <source>the clue is for %1, which is not in the puzzle</source>
        <translation>la definizione è di %1, che non è nello schema</translation>
    </message>
    <message>
        <source>This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.</source>
        <translation>Questo link di classe è troncato o danneggiato e non può creare il tuo schema: chiedi di nuovo il link al tuo insegnante.</translation>
    </message>
    <message>
        <source>A class set is for %1 to %2 pupils.</source>
        <translation>Una serie per la classe è per %1-%2 alunni.</translation>
    </message>
    <message>
        <source>Choose your number from 1 to %1.</source>
        <translation>Scegli il tuo numero da 1 a %1.</translation>
    </message>
    <message>
        <source>A class link needs one of the page&apos;s own word lists: pupils&apos; pages do not have the list you opened.</source>
        <translation>Un link di classe richiede uno degli elenchi di parole della pagina: le pagine degli alunni non hanno l’elenco che hai aperto.</translation>
    </message>
    <message>
        <source>The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title.</source>
        <translation>Il link di classe sarebbe lungo %1 caratteri, più dei %2 che un link contiene senza rischi: accorcia le definizioni o il titolo.</translation>
    </message>
    <message>
        <source>These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list.</source>
        <translation>Queste scelte danno troppo pochi schemi diversi per %1 alunni: prova con meno parole a tema o un elenco di parole più lungo.</translation>
    </message>
    <message>
        <source>A clue cannot hold &quot;=&quot;, so these words have none: %1.</source>
        <translation>Una definizione non può contenere «=», quindi queste parole non ne hanno: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them are listed by their clues.</source>
        <comment>1 of them is listed by its clue.</comment>
        <translation>
            <numerusform>%n di esse compare con la sua definizione.</numerusform>
            <numerusform>%n di esse compaiono con la loro definizione.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pencil on</source>
        <translation>Matita attiva</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copia risultato</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Clear the theme words, their clues and the title?</source>
        <translation>Svuotare le parole a tema, le loro definizioni e il titolo?</translation>
    </message>
    <message>
        <source>Start this puzzle over? Its letters and time go.</source>
        <translation>Ricominciare questo schema? Le sue lettere e il tempo andranno persi.</translation>
    </message>
    <message>
        <source>A result code has 11 characters; this one has %1.</source>
        <translation>Un codice del risultato ha 11 caratteri; questo ne ha %1.</translation>
    </message>
    <message>
        <source>A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.</source>
        <translation>Un codice del risultato ha solo le cifre da 2 a 9 e le lettere tranne I, L e O; questo contiene %1.</translation>
    </message>
    <message>
        <source>This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.</source>
        <translation>Questo codice è dello schema %1, ma la serie per la classe ha %2 schemi: forse un carattere è stato scritto male.</translation>
    </message>
    <message>
        <source>This code does not fit the class set: a character may be typed wrongly, or it is from another set.</source>
        <translation>Questo codice non corrisponde alla serie per la classe: forse un carattere è stato scritto male, o viene da un&apos;altra serie.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Risolto!</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2 · set %3</source>
        <translation>Schema %1 di %2 · serie %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Checks: %1 · letters revealed: %2</source>
        <translation>Controlli: %1 · lettere rivelate: %2</translation>
    </message>
    <message>
        <source>Result code for your teacher: %1</source>
        <translation>Codice del risultato per il tuo insegnante: %1</translation>
    </message>
    <message>
        <source>The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.</source>
        <translation>Le scelte sono cambiate, quindi questa è una nuova serie per la classe, la serie %2: i link e le stampe fatti prima appartengono alla serie %1.</translation>
    </message>
    <message>
        <source>A clue may have up to 60 characters: these lines have longer ones and are left out: %1.</source>
        <translation>Una definizione può avere fino a 60 caratteri: queste righe ne hanno di più lunghe e sono escluse: %1.</translation>
    </message>
    <message>
        <source>Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.</source>
        <translation>I codici del risultato si leggono con la serie per la classe sullo schermo: stampa prima la serie o copiane il link, oppure indica il suo seme.</translation>
    </message>
    <message>
        <source>Select a file of result codes</source>
        <translation>Scegli un file di codici del risultato</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>File di testo</translation>
    </message>
    <message>
        <source>Select destination file for the class results</source>
        <translation>Scegli il file di destinazione dei risultati della classe</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>File CSV</translation>
    </message>
    <message>
        <source>Loopword could not save the class results to:</source>
        <translation>Loopword non ha potuto salvare i risultati della classe in:</translation>
    </message>
    <message>
        <source>Save these results as a CSV file for a spreadsheet?</source>
        <translation>Salvare questi risultati come file CSV per un foglio di calcolo?</translation>
    </message>
    <message>
        <source>Pupil %1: time %2, checks %3, letters revealed %4</source>
        <translation>Alunno %1: tempo %2, controlli %3, lettere rivelate %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select destination file for a learning platform package of this puzzle</source>
        <translation>Seleziona il file di destinazione di un pacchetto per piattaforma didattica di questo schema</translation>
    </message>
    <message>
        <source>Learning Platform Packages</source>
        <translation>Pacchetti per piattaforma didattica</translation>
    </message>
    <message>
        <source>Loopword could not save the learning platform package to:</source>
        <translation>Loopword non ha potuto salvare il pacchetto per piattaforma didattica in:</translation>
    </message>
    <message>
        <source>The learning platform did not say who you are, so this is puzzle 1 of the set.</source>
        <translation>La piattaforma didattica non ha detto chi sei, quindi questo è lo schema 1 della serie.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.</source>
        <translation>I progressi che la piattaforma didattica ha conservato per questo schema sono danneggiati o incompleti: lo schema ricomincia da capo.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept is of another puzzle: this one starts afresh.</source>
        <translation>I progressi che la piattaforma didattica ha conservato sono di un altro schema: questo ricomincia da capo.</translation>
    </message>
    <message>
        <source>The learning platform shows this puzzle for a look only: nothing you do here is recorded.</source>
        <translation>La piattaforma didattica mostra questo schema solo da guardare: niente di ciò che fai qui viene registrato.</translation>
    </message>
    <message>
        <source>The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.</source>
        <translation>La piattaforma didattica non ha accettato ciò che questa pagina le ha comunicato: puoi continuare a risolvere, ma progressi e risultato non vengono registrati.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loopword User Guide</source>
        <translation>Guida di Loopword</translation>
    </message>
    <message>
        <source>OverWrite file: %1 ?</source>
        <translation>Sovrascrivere il file %1?</translation>
    </message>
    <message>
        <source>Loopword copied to:
%1
 %2 bytes</source>
        <translation>Loopword ha copiato l&apos;immagine in:
%1
 %2 byte</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>La stampante %1 non ha potuto iniziare la stampa.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer %1.</source>
        <translation>Non è stato possibile inviare la pagina alla stampante %1.</translation>
    </message>
    <message>
        <source>Booklet written: %1, %2 pages.</source>
        <translation>Libretto scritto: %1, %2 pagine.</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Difficoltà</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Open puzzle…</source>
        <translation>A&amp;pri schema…</translation>
    </message>
    <message>
        <source>&amp;Save puzzle…</source>
        <translation>&amp;Salva schema…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Save as &amp;bitmap</source>
        <translation>Salva come &amp;bitmap</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>&amp;Esporta PDF…</translation>
    </message>
    <message>
        <source>Export S&amp;VG…</source>
        <translation>Esporta S&amp;VG…</translation>
    </message>
    <message>
        <source>Export &amp;web page…</source>
        <translation>Esporta pagina &amp;web…</translation>
    </message>
    <message>
        <source>Make boo&amp;klet…</source>
        <translation>Crea &amp;libretto…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Soluzione</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>&amp;Varied words</source>
        <translation>Parole &amp;variate</translation>
    </message>
    <message>
        <source>&amp;One solution</source>
        <translation>&amp;Una sola soluzione</translation>
    </message>
    <message>
        <source>Solve on &amp;screen</source>
        <translation>Risolvi sullo &amp;schermo</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>C&amp;ontrolla</translation>
    </message>
    <message>
        <source>&amp;Reveal letter</source>
        <translation>&amp;Rivela lettera</translation>
    </message>
    <message>
        <source>S&amp;tarting Word</source>
        <translation>&amp;Parola iniziale</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Casuale</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Inserita</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dizionario</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Personale</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Livello &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Livello &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Livello &amp;3</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;Theme words…</source>
        <translation>Parole a &amp;tema…</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>Make booklet</source>
        <translation>Crea libretto</translation>
    </message>
    <message>
        <source>No word twice in the booklet</source>
        <translation>Nessuna parola due volte nel libretto</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Parole variate</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Una sola soluzione</translation>
    </message>
    <message>
        <source>Number of puzzles:</source>
        <translation>Numero di schemi:</translation>
    </message>
    <message>
        <source>Theme words</source>
        <translation>Parole a tema</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Svuota</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>R&amp;ipeti</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Matita</translation>
    </message>
    <message>
        <source>Hide &amp;timer</source>
        <translation>&amp;Nascondi il cronometro</translation>
    </message>
    <message>
        <source>Number of pupils:</source>
        <translation>Numero di alunni:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Serie per la classe</translation>
    </message>
    <message>
        <source>&amp;Class set…</source>
        <translation>Se&amp;rie per la classe…</translation>
    </message>
    <message>
        <source>&amp;Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>&amp;Parole, separate da a capo, spazi o virgole; una riga PAROLA = definizione dà la parola con la sua definizione:</translation>
    </message>
    <message>
        <source>St&amp;art over</source>
        <translation>Ricomincia da ca&amp;po</translation>
    </message>
    <message>
        <source>Class &amp;results…</source>
        <translation>&amp;Risultati della classe…</translation>
    </message>
    <message>
        <source>Export for a &amp;learning platform…</source>
        <translation>Esporta per una piattaforma &amp;didattica…</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Place 23 8-letter words clock-wise into 8 spaces around each square.</source>
        <translation>Metti 23 parole di 8 lettere in senso orario attorno ai quadrati.</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>SCHEMA</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUZIONE</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Difficoltà:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Schema %1 di %2</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>set %1</source>
        <translation>serie %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Page language</source>
        <translation>Lingua della pagina</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Viste</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Risolvi</translation>
    </message>
    <message>
        <source>Make a puzzle</source>
        <translation>Crea uno schema</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Elenco di parole</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Livello 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Livello 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Livello 3</translation>
    </message>
    <message>
        <source>Own list…</source>
        <translation>Elenco personale…</translation>
    </message>
    <message>
        <source>Puzzle language</source>
        <translation>Lingua dello schema</translation>
    </message>
    <message>
        <source>Own word list file</source>
        <translation>File dell&apos;elenco di parole personale</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Difficoltà</translation>
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
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Starting word</source>
        <translation>Parola iniziale</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
    </message>
    <message>
        <source>This word:</source>
        <translation>Questa parola:</translation>
    </message>
    <message>
        <source>Starting word, 8 letters</source>
        <translation>Parola iniziale, 8 lettere</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Seme</translation>
    </message>
    <message>
        <source>any</source>
        <translation>qualsiasi</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Parole variate</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Una sola soluzione</translation>
    </message>
    <message>
        <source>Theme words and title</source>
        <translation>Parole a tema e titolo</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Puzzle commands</source>
        <translation>Comandi dello schema</translation>
    </message>
    <message>
        <source>Make puzzle</source>
        <translation>Crea schema</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Mostra schema</translation>
    </message>
    <message>
        <source>Print puzzle and solution</source>
        <translation>Stampa schema e soluzione</translation>
    </message>
    <message>
        <source>Save puzzle file</source>
        <translation>Salva file dello schema</translation>
    </message>
    <message>
        <source>Open puzzle file…</source>
        <translation>Apri file di schema…</translation>
    </message>
    <message>
        <source>Puzzle file</source>
        <translation>File di schema</translation>
    </message>
    <message>
        <source>Copy pupil link</source>
        <translation>Copia link per gli alunni</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Salva come pagina web</translation>
    </message>
    <message>
        <source>Forget this browser&apos;s puzzles</source>
        <translation>Dimentica gli schemi di questo browser</translation>
    </message>
    <message>
        <source>Solving commands</source>
        <translation>Comandi per risolvere</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controlla</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Rivela lettera</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Puzzle figure: choose a square and type its letters clockwise</source>
        <translation>Figura dello schema: scegli un quadrato e digita le sue lettere in senso orario</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <translation>Tastiera su schermo</translation>
    </message>
    <message>
        <source>Loopword stopped working: %1</source>
        <translation>Loopword ha smesso di funzionare: %1</translation>
    </message>
    <message>
        <source>This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.</source>
        <translation>Questo browser non conserva qui i progressi (la sua memoria è piena o disattivata): le lettere si perdono alla chiusura della pagina.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use &quot;%1&quot; and give pupils that file.</source>
        <translation>Questa pagina è stata aperta da un file di questo computer, quindi un link a essa funziona solo qui. Metti la pagina su un server web per condividere i link, oppure usa «%1» e dai quel file agli alunni.</translation>
    </message>
    <message>
        <source>The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.</source>
        <translation>Il link per gli alunni è copiato: incollalo dove la tua classe lo troverà. Apre questo schema, pronto da risolvere.</translation>
    </message>
    <message>
        <source>Copy this pupil link: %1</source>
        <translation>Copia questo link per gli alunni: %1</translation>
    </message>
    <message>
        <source>Forget every puzzle and all progress kept in this browser? Use this on a shared computer.</source>
        <translation>Dimenticare tutti gli schemi e tutti i progressi conservati in questo browser? Usalo su un computer condiviso.</translation>
    </message>
    <message>
        <source>This browser has forgotten its puzzles.</source>
        <translation>Questo browser ha dimenticato i suoi schemi.</translation>
    </message>
    <message>
        <source>Previous square</source>
        <translation>Quadrato precedente</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Next square</source>
        <translation>Quadrato successivo</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>The puzzle inside this page is damaged and cannot be read.</source>
        <translation>Lo schema contenuto in questa pagina è danneggiato e non si può leggere.</translation>
    </message>
    <message>
        <source>the puzzle in the link</source>
        <translation>lo schema del link</translation>
    </message>
    <message>
        <source>the puzzle made</source>
        <translation>lo schema creato</translation>
    </message>
    <message>
        <source>the puzzle kept here</source>
        <translation>lo schema conservato qui</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>A damaged entry this browser kept for the page was dropped.</source>
        <translation>Una voce danneggiata che questo browser conservava per la pagina è stata scartata.</translation>
    </message>
    <message>
        <source>The word lists in %1 could not be fetched: connect to the internet and reload the page.</source>
        <translation>Non è stato possibile scaricare le liste di parole in %1: connettiti a internet e ricarica la pagina.</translation>
    </message>
    <message>
        <source>The page to save could not be fetched: connect to the internet and try again.</source>
        <translation>Non è stato possibile scaricare la pagina da salvare: connettiti a internet e riprova.</translation>
    </message>
    <message>
        <source>This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.</source>
        <translation>Questa è la versione di Loopword per un server web: aprila da un server web, oppure apri dal disco loopword.html, la pagina in un solo file.</translation>
    </message>
    <message>
        <source>What pupils may do</source>
        <translation>Che cosa possono fare gli alunni</translation>
    </message>
    <message>
        <source>Pupils may check</source>
        <translation>Gli alunni possono controllare</translation>
    </message>
    <message>
        <source>Pupils may reveal letters</source>
        <translation>Gli alunni possono rivelare lettere</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Mostra il cronometro</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Matita</translation>
    </message>
    <message>
        <source>Hide timer</source>
        <translation>Nascondi il cronometro</translation>
    </message>
    <message>
        <source>Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>Parole, separate da a capo, spazi o virgole; una riga PAROLA = definizione dà la parola con la sua definizione:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Serie per la classe</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Alunni</translation>
    </message>
    <message>
        <source>Print class set</source>
        <translation>Stampa la serie per la classe</translation>
    </message>
    <message>
        <source>Copy class link</source>
        <translation>Copia link di classe</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Il tuo numero</translation>
    </message>
    <message>
        <source>Your teacher gave each pupil a number: choose yours to open your own puzzle.</source>
        <translation>Il tuo insegnante ha dato un numero a ogni alunno: scegli il tuo per aprire il tuo schema.</translation>
    </message>
    <message>
        <source>Open my puzzle</source>
        <translation>Apri il mio schema</translation>
    </message>
    <message>
        <source>This page makes your puzzle from the link. Another version of the page may make a different puzzle for the same number, which your teacher&apos;s answers do not fit: then ask for a new link.</source>
        <translation>Questa pagina crea il tuo schema dal link. Un’altra versione della pagina può creare uno schema diverso per lo stesso numero, a cui le soluzioni del tuo insegnante non corrispondono: allora chiedi un nuovo link.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use &quot;%1&quot;.</source>
        <translation>Questa pagina è stata aperta da un file di questo computer, quindi un link di classe a essa funziona solo qui. Metti la pagina su un server web per dare un link alla tua classe, oppure usa «%1».</translation>
    </message>
    <message>
        <source>The class link is copied: give it to your class. Each pupil opens it and chooses their number.</source>
        <translation>Il link di classe è copiato: dallo alla tua classe. Ogni alunno lo apre e sceglie il suo numero.</translation>
    </message>
    <message>
        <source>Copy this class link: %1</source>
        <translation>Copia questo link di classe: %1</translation>
    </message>
    <message>
        <source>your puzzle</source>
        <translation>il tuo schema</translation>
    </message>
    <message>
        <source>Something went wrong; your letters are kept. Reload the page to go on.</source>
        <translation>Qualcosa è andato storto; le lettere sono conservate. Ricarica la pagina per continuare.</translation>
    </message>
    <message>
        <source>This link is damaged or cut short. Ask your teacher for it again.</source>
        <translation>Questo link è danneggiato o troncato. Chiedilo di nuovo al tuo insegnante.</translation>
    </message>
    <message>
        <source>Make your own puzzle</source>
        <translation>Crea il tuo schema</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Schermo intero</translation>
    </message>
    <message>
        <source>Not your number?</source>
        <translation>Non è il tuo numero?</translation>
    </message>
    <message>
        <source>Scan the code to open the link</source>
        <translation>Scansiona il codice per aprire il link</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>Codice QR del link</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Scan to solve on a phone</source>
        <translation>Scansiona per risolverlo sul telefono</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Controlli</translation>
    </message>
    <message>
        <source>Letters revealed</source>
        <translation>Lettere rivelate</translation>
    </message>
    <message>
        <source>Result code</source>
        <translation>Codice del risultato</translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation>Cosa non va</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Risultati della classe</translation>
    </message>
    <message>
        <source>Result codes, one a line, as pupils copied them from their result cards:</source>
        <translation>Codici del risultato, uno per riga, come gli alunni li hanno copiati dalla loro scheda del risultato:</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Leggi i risultati</translation>
    </message>
    <message>
        <source>Download as CSV</source>
        <translation>Scarica come CSV</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copia il risultato</translation>
    </message>
    <message>
        <source>This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.</source>
        <translation>Questa pagina non ha spazio per gli schemi: salva il pacchetto per piattaforma didattica da loopword.html così come è stato distribuito.</translation>
    </message>
    <message>
        <source>Save for a learning platform</source>
        <translation>Salva per una piattaforma didattica</translation>
    </message>
    <message>
        <source>The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.</source>
        <translation>Non è stato possibile scaricare la parte di Loopword che crea gli schemi: connettiti a internet e riprova. Puoi continuare a risolvere.</translation>
    </message>
</context>
<context>
    <name>loopword::AboutForm</name>
    <message>
        <source>About Loopword</source>
        <translation>Informazioni su Loopword</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versione 1.0</translation>
    </message>
    <message>
        <source>
Loopword - October 2005
Makes 8-shaped word puzzles to print and solve on paper.
</source>
        <translation>
Loopword - ottobre 2005
Crea schemi di parole a forma di 8 da stampare e risolvere su carta.
</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3
or (at your option) any later version: GPL-3.0-or-later.
</source>
        <translation>Software libero sotto la GNU General Public License, versione 3
o (a tua scelta) qualsiasi versione successiva: GPL-3.0-or-later.
</translation>
    </message>
    <message>
        <source>English word lists from SCOWL (Spell Checker Oriented Word Lists)</source>
        <translation>Elenchi di parole inglesi da SCOWL (Spell Checker Oriented Word Lists)</translation>
    </message>
    <message>
        <source>German from igerman98</source>
        <translation>Tedesco: igerman98</translation>
    </message>
    <message>
        <source>French from wfrench</source>
        <translation>Francese: wfrench</translation>
    </message>
    <message>
        <source>Spanish from wspanish</source>
        <translation>Spagnolo: wspanish</translation>
    </message>
    <message>
        <source>Italian from witalian</source>
        <translation>Italiano: witalian</translation>
    </message>
    <message>
        <source>Portuguese from ispell.pt</source>
        <translation>Portoghese: ispell.pt</translation>
    </message>
    <message>
        <source>Dutch from OpenTaal</source>
        <translation>Olandese: OpenTaal</translation>
    </message>
    <message>
        <source>Offensive words left out with the naughty-words blocklist</source>
        <translation>Parole offensive escluse con la lista di blocco naughty-words</translation>
    </message>
    <message>
        <source>Word frequencies from subtitle word lists</source>
        <translation>Frequenze delle parole da elenchi di parole dei sottotitoli</translation>
    </message>
</context>
</TS>
