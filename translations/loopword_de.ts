<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessibility</name>
    <message>
        <source>Figure being filled</source>
        <translation>Figur wird gefüllt</translation>
    </message>
    <message>
        <source>Puzzle sheet</source>
        <translation>Rätselblatt</translation>
    </message>
    <message>
        <source>Solution sheet</source>
        <translation>Lösungsblatt</translation>
    </message>
    <message>
        <source>Puzzle being solved</source>
        <translation>Rätsel wird gelöst</translation>
    </message>
    <message>
        <source>Empty figure</source>
        <translation>Leere Figur</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (gefunden)</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Wörter: %1</translation>
    </message>
    <message>
        <source>hint %1</source>
        <translation>Hinweis %1</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, falsch</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Quadrat %1</translation>
    </message>
    <message>
        <source>Square %1, cell %2: %3</source>
        <translation>Quadrat %1, Feld %2: %3</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Feld %1</translation>
    </message>
    <message>
        <source>%1, pencil</source>
        <translation>%1, Bleistift</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Loopword Puzzles</source>
        <translation>Loopword-Rätsel</translation>
    </message>
    <message>
        <source>Select a puzzle to open</source>
        <translation>Rätsel zum Öffnen auswählen</translation>
    </message>
    <message>
        <source>Select destination file for this puzzle</source>
        <translation>Zieldatei für dieses Rätsel auswählen</translation>
    </message>
    <message>
        <source>Select destination file for a web page of this puzzle</source>
        <translation>Zieldatei für eine Webseite dieses Rätsels auswählen</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Webseiten</translation>
    </message>
    <message>
        <source>Select a file to open</source>
        <translation>Datei zum Öffnen auswählen</translation>
    </message>
    <message>
        <source>Dictionary Files</source>
        <translation>Wörterbuchdateien</translation>
    </message>
    <message>
        <source>Select destination file for a bitmap copy of this puzzle</source>
        <translation>Zieldatei für ein Bitmap-Bild dieses Rätsels auswählen</translation>
    </message>
    <message>
        <source>Loopword Bitmap Files</source>
        <translation>Loopword-Bitmapdateien</translation>
    </message>
    <message>
        <source>Select destination file for a PDF of this puzzle</source>
        <translation>Zieldatei für ein PDF dieses Rätsels auswählen</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-Dateien</translation>
    </message>
    <message>
        <source>Select a name for the SVG files of this puzzle</source>
        <translation>Namen für die SVG-Dateien dieses Rätsels auswählen</translation>
    </message>
    <message>
        <source>SVG Files</source>
        <translation>SVG-Dateien</translation>
    </message>
    <message>
        <source>Do you wish to print puzzle and its solution?</source>
        <translation>Rätsel und Lösung drucken?</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Set up a default printer, then print again.</source>
        <translation>Es gibt keinen Drucker.
Richten Sie einen Standarddrucker ein und drucken Sie dann erneut.</translation>
    </message>
    <message>
        <source>Select destination file for the booklet</source>
        <translation>Zieldatei für das Heft auswählen</translation>
    </message>
    <message>
        <source>Enter 8-letter word A..Z</source>
        <translation>Wort aus 8 Buchstaben A..Z eingeben</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Startwort</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary.</source>
        <translation>Die Themenwörter passen mit diesem Wörterbuch nicht alle in ein Rätsel.</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary.</source>
        <translation>Aus diesem Wörterbuch lässt sich kein Rätsel erstellen.</translation>
    </message>
    <message>
        <source>Specify 8-letter word</source>
        <translation>Bitte ein Wort aus 8 Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Specify A..Z leters</source>
        <translation>Bitte nur Buchstaben A..Z eingeben</translation>
    </message>
    <message>
        <source>Compiling a new puzzle ends solving this one. Compile anyway?</source>
        <translation>Ein neues Rätsel zu erstellen beendet das Lösen dieses Rätsels. Trotzdem erstellen?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Showing the solution ends solving this puzzle. Show it anyway?</source>
        <translation>Die Lösung zu zeigen beendet das Lösen dieses Rätsels. Trotzdem zeigen?</translation>
    </message>
    <message>
        <source>Opening a puzzle ends solving this one. Open anyway?</source>
        <translation>Ein Rätsel zu öffnen beendet das Lösen dieses Rätsels. Trotzdem öffnen?</translation>
    </message>
    <message>
        <source>Exiting ends solving this puzzle. Exit anyway?</source>
        <translation>Beim Beenden endet das Lösen dieses Rätsels. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Rätsel zeigen</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Lösung zeigen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>There are no 8-letter words in this dictionary</source>
        <translation>Dieses Wörterbuch enthält keine Wörter aus 8 Buchstaben</translation>
    </message>
    <message>
        <source>Dictionary limit is 49,000 words</source>
        <translation>Ein Wörterbuch darf höchstens 49.000 Wörter enthalten</translation>
    </message>
    <message>
        <source>Loopword could not save the bitmap to:</source>
        <translation>Loopword konnte das Bitmap-Bild nicht speichern unter:</translation>
    </message>
    <message>
        <source>Loopword could not save the PDF to:</source>
        <translation>Loopword konnte das PDF nicht speichern unter:</translation>
    </message>
    <message>
        <source>Loopword could not save the SVG files to:</source>
        <translation>Loopword konnte die SVG-Dateien nicht speichern unter:</translation>
    </message>
    <message>
        <source>Loopword could not save the booklet to:</source>
        <translation>Loopword konnte das Heft nicht speichern unter:</translation>
    </message>
    <message>
        <source>A puzzle holds at most 23 theme words; these are %1.</source>
        <translation>Ein Rätsel fasst höchstens 23 Themenwörter; dies sind %1.</translation>
    </message>
    <message>
        <source>Not 8 letters A to Z: %1.</source>
        <translation>Nicht 8 Buchstaben A bis Z: %1.</translation>
    </message>
    <message>
        <source>Given twice: %1.</source>
        <translation>Doppelt angegeben: %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary with the starting word %1.</source>
        <translation>Aus diesem Wörterbuch lässt sich mit dem Startwort %1 kein Rätsel erstellen.</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.</source>
        <translation>Die Themenwörter passen mit diesem Wörterbuch und dem Startwort %1 nicht alle in ein Rätsel.</translation>
    </message>
    <message>
        <source>Without %1 they fit.</source>
        <translation>Ohne %1 passen sie.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; this dictionary has %1.</source>
        <translation>Ein Rätsel braucht 23 verschiedene Wörter; dieses Wörterbuch hat %1.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; the dictionary and the theme words have %1.</source>
        <translation>Ein Rätsel braucht 23 verschiedene Wörter; Wörterbuch und Themenwörter haben zusammen %1.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary.</source>
        <translation>Unter %2 mit diesem Wörterbuch erstellten Rätseln war keines der Schwierigkeit „%1“.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.</source>
        <translation>Unter %2 mit diesem Wörterbuch und diesen Themenwörtern erstellten Rätseln war keines der Schwierigkeit „%1“.</translation>
    </message>
    <message>
        <source>No puzzle with all the theme words was found in %1 seconds.</source>
        <translation>In %1 Sekunden wurde kein Rätsel mit allen Themenwörtern gefunden.</translation>
    </message>
    <message>
        <source>Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.</source>
        <translation>Die Rätsel 1 bis %1 haben kein Wort gemeinsam; mehr lässt die Wortliste nicht zu, daher wiederholen sich ab Rätsel %2 Wörter.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message>
        <source>a puzzle needs 23 placement lines, this one has %1</source>
        <translation>ein Rätsel braucht 23 Platzierungszeilen, dieses hat %1</translation>
    </message>
    <message>
        <source>square %1 where square %2 belongs</source>
        <translation>an der Stelle von Quadrat %2 steht Quadrat %1</translation>
    </message>
    <message>
        <source>the ring %1 is not the word %2 read clockwise from cell %3</source>
        <translation>der Ring %1 ist nicht das Wort %2, im Uhrzeigersinn ab Feld %3 gelesen</translation>
    </message>
    <message>
        <source>the word %1 is already in square %2</source>
        <translation>das Wort %1 steht schon in Quadrat %2</translation>
    </message>
    <message>
        <source>square %1 disagrees with square %2 at a shared cell</source>
        <translation>das Quadrat %1 widerspricht dem Quadrat %2 in einem gemeinsamen Feld</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>No complete puzzle could be made with this dictionary and starting word.</source>
        <translation>Mit diesem Wörterbuch und Startwort ließ sich kein vollständiges Rätsel erstellen.</translation>
    </message>
    <message>
        <source>There is no puzzle to put in the booklet.</source>
        <translation>Es gibt kein Rätsel für das Heft.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>Das PDF konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Es gibt bereits einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Es gibt kein Bild zum Speichern.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Das Bild konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The word list is too small to keep words apart: words repeat from puzzle 2 on.</source>
        <translation>Die Wortliste ist zu klein, um Wiederholungen zu vermeiden: ab Rätsel 2 wiederholen sich Wörter.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>not a placement line of the form &quot;SS RRRRRRRR D WWWWWWWW&quot;</source>
        <translation>keine Platzierungszeile der Form &quot;SS RRRRRRRR D WWWWWWWW&quot;</translation>
    </message>
    <message>
        <source>the difficulty must be standard, easy, medium, hard or expert</source>
        <translation>die Schwierigkeit muss standard, easy, medium, hard oder expert sein</translation>
    </message>
    <message>
        <source>hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8</source>
        <translation>die Hinweisfelder werden SS.P geschrieben: Quadrat 01 bis 23 außer 12, Ringposition 1 bis 8</translation>
    </message>
    <message>
        <source>The file holds no puzzle.</source>
        <translation>Die Datei enthält kein Rätsel.</translation>
    </message>
    <message>
        <source>bad character in a comment line</source>
        <translation>ungültiges Zeichen in einer Kommentarzeile</translation>
    </message>
    <message>
        <source>bad character in a placement line</source>
        <translation>ungültiges Zeichen in einer Platzierungszeile</translation>
    </message>
    <message>
        <source>more than 23 placement lines without an empty line between puzzles</source>
        <translation>mehr als 23 Platzierungszeilen ohne Leerzeile zwischen den Rätseln</translation>
    </message>
    <message>
        <source>Loopword could not open the puzzle file:</source>
        <translation>Loopword konnte die Rätseldatei nicht öffnen:</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>Die Datei ist größer als 1 MiB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The letters typed into it are damaged.</source>
        <translation>Die darin eingetragenen Buchstaben sind beschädigt.</translation>
    </message>
    <message>
        <source>Loopword could not save the puzzle to:</source>
        <translation>Loopword konnte das Rätsel nicht speichern unter:</translation>
    </message>
    <message>
        <source>Loopword&apos;s web page is missing or damaged:</source>
        <translation>Die Webseite von Loopword fehlt oder ist beschädigt:</translation>
    </message>
    <message>
        <source>Loopword could not save the web page to:</source>
        <translation>Loopword konnte die Webseite nicht speichern unter:</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Ist ein Ordner</translation>
    </message>
    <message>
        <source>Error while reading dictionary:</source>
        <translation>Fehler beim Lesen des Wörterbuchs:</translation>
    </message>
    <message>
        <source>Program may not run correctly</source>
        <translation>Das Programm läuft möglicherweise nicht richtig</translation>
    </message>
    <message>
        <source>No theme words: puzzles come from the word list alone.</source>
        <translation>Keine Themenwörter: Die Rätsel entstehen nur aus der Wortliste.</translation>
    </message>
    <message>
        <source>read as Windows-1252, %1 with Ñ read as N</source>
        <translation>als Windows-1252 gelesen, %1 mit Ñ als N gelesen</translation>
    </message>
    <message>
        <source>%1 with Ñ read as N</source>
        <translation>%1 mit Ñ als N gelesen</translation>
    </message>
    <message>
        <source>%1 reads as %2: not 8 letters A to Z.</source>
        <translation>%1 ergibt %2: nicht 8 Buchstaben A bis Z.</translation>
    </message>
    <message>
        <source>read as Windows-1252</source>
        <translation>als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>the list is neither UTF-8 nor Windows-1252 text</source>
        <translation>die Liste ist weder UTF-8- noch Windows-1252-Text</translation>
    </message>
    <message>
        <source>Loopword is still compiling a puzzle.</source>
        <translation>Loopword erstellt noch ein Rätsel.</translation>
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
        <translation>Dieses Programm erstellt ein Worträtsel in Form einer 8, das Sie ausdrucken und in Ruhe lösen können.

- Das Rätsel hat 23 Wörter aus je 8 Buchstaben in 23 Quadraten
- Ein Wort und einige Buchstaben sind als Hinweis vorgegeben
- Jedes Wort wird im Uhrzeigersinn um sein Quadrat geschrieben
- Ein Wort kann in jedem Feld rund um das Quadrat beginnen
- Buchstaben in gemeinsamen Feldern müssen übereinstimmen
- Kein Wort darf zweimal vorkommen
- Sie können eines der drei mitgelieferten Wörterbücher oder ein eigenes verwenden
- Eigene Wörterbücher müssen sortierte Textdateien mit einem Wort pro Zeile sein</translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words)</source>
        <comment>Dictionary: %1 (1 word)</comment>
        <translation>
            <numerusform>Wörterbuch: %1 (%n Wort)</numerusform>
            <numerusform>Wörterbuch: %1 (%n Wörter)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words, %2)</source>
        <comment>Dictionary: %1 (1 word, %2)</comment>
        <translation>
            <numerusform>Wörterbuch: %1 (%n Wort, %2)</numerusform>
            <numerusform>Wörterbuch: %1 (%n Wörter, %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n theme words</source>
        <comment>%1 - 1 theme word</comment>
        <translation>
            <numerusform>%1 - %n Themenwort</numerusform>
            <numerusform>%1 - %n Themenwörter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n theme words will be in every puzzle.</source>
        <comment>1 theme word will be in every puzzle.</comment>
        <translation>
            <numerusform>%n Themenwort kommt in jedes Rätsel.</numerusform>
            <numerusform>%n Themenwörter kommen in jedes Rätsel.</numerusform>
        </translation>
    </message>
    <message>
        <source>The seed &quot;%1&quot; is not a whole number from 0 to 18446744073709551615: no puzzle was made.</source>
        <translation>Die Startzahl „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615: Es wurde kein Rätsel erstellt.</translation>
    </message>
    <message>
        <source>Some choices could not be read and are back at their defaults: %1.</source>
        <translation>Einige Einstellungen konnten nicht gelesen werden und stehen wieder auf ihrem Vorgabewert: %1.</translation>
    </message>
    <message>
        <source>Check: every letter so far is right.</source>
        <translation>Prüfung: Alle Buchstaben bis jetzt sind richtig.</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n letters are wrong, marked in the figure.</source>
        <comment>Check: 1 letter is wrong, marked in the figure.</comment>
        <translation>
            <numerusform>Prüfung: %n Buchstabe ist falsch, in der Figur markiert.</numerusform>
            <numerusform>Prüfung: %n Buchstaben sind falsch, in der Figur markiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Still trying: attempt %1 of %2.</source>
        <translation>Noch am Versuchen: Versuch %1 von %2.</translation>
    </message>
    <message>
        <source>Searching every puzzle the word list allows…</source>
        <translation>Alle Rätsel werden durchsucht, die die Wortliste zulässt …</translation>
    </message>
    <message>
        <source>A title holds at most 60 characters; this one has %1.</source>
        <translation>Ein Titel hat höchstens 60 Zeichen; dieser hat %1.</translation>
    </message>
    <message>
        <source>The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.</source>
        <translation>Das Feld für Themenwörter fasst bis zu %1 Zeichen, dies sind %2: Geben Sie nur so viele Wörter ein, wie ein Rätsel aufnehmen kann.</translation>
    </message>
    <message>
        <source>What your teacher turned off could not be read (&quot;%1&quot;): everything is allowed.</source>
        <translation>Was Ihre Lehrkraft ausgeschaltet hat, ließ sich nicht lesen („%1“): Alles ist erlaubt.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1.</source>
        <translation>Ihre Lehrkraft hat %1 ausgeschaltet.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1 and %2.</source>
        <translation>Ihre Lehrkraft hat %1 und %2 ausgeschaltet.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1, %2 and %3.</source>
        <translation>Ihre Lehrkraft hat %1, %2 und %3 ausgeschaltet.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>„Prüfen“</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>„Buchstaben aufdecken“</translation>
    </message>
    <message>
        <source>the timer</source>
        <translation>die Zeitanzeige</translation>
    </message>
    <message>
        <source>Some pencil letters kept with this puzzle were damaged and were left out.</source>
        <translation>Einige mit diesem Rätsel aufbewahrte Bleistiftbuchstaben waren beschädigt und wurden weggelassen.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 and %3</source>
        <translation>Gelöst in %1 mit %2 und %3</translation>
    </message>
    <message>
        <source>Solved with %1 and %2</source>
        <translation>Gelöst mit %1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n checks</source>
        <comment>1 check</comment>
        <translation>
            <numerusform>%n Prüfung</numerusform>
            <numerusform>%n Prüfungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters revealed</source>
        <comment>1 letter revealed</comment>
        <translation>
            <numerusform>%n aufgedecktem Buchstaben</numerusform>
            <numerusform>%n aufgedeckten Buchstaben</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination file for the class set</source>
        <translation>Zieldatei für den Klassensatz auswählen</translation>
    </message>
    <message>
        <source>Puzzles made: %1 of %2</source>
        <translation>Erstellte Rätsel: %1 von %2</translation>
    </message>
    <message>
        <source>a clue line must be &quot;# clue: WORD clue&quot;: 8 capitals, then a clue of 1 to 60 characters</source>
        <translation>eine Umschreibungszeile muss „# clue: WORT Umschreibung“ lauten: 8 Großbuchstaben, dann eine Umschreibung von 1 bis 60 Zeichen</translation>
    </message>
    <message>
        <source>the word %1 has a clue already</source>
        <translation>das Wort %1 hat schon eine Umschreibung</translation>
    </message>
    <message>
        <source>the clue is for %1, which is not in the puzzle</source>
        <translation>die Umschreibung gilt %1, das nicht im Rätsel steht</translation>
    </message>
    <message>
        <source>This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.</source>
        <translation>Dieser Klassenlink ist abgeschnitten oder beschädigt und kann Ihr Rätsel nicht erstellen: Bitten Sie Ihre Lehrkraft noch einmal um den Link.</translation>
    </message>
    <message>
        <source>A class set is for %1 to %2 pupils.</source>
        <translation>Ein Klassensatz ist für %1 bis %2 Schüler.</translation>
    </message>
    <message>
        <source>Choose your number from 1 to %1.</source>
        <translation>Wählen Sie Ihre Nummer von 1 bis %1.</translation>
    </message>
    <message>
        <source>A class link needs one of the page&apos;s own word lists: pupils&apos; pages do not have the list you opened.</source>
        <translation>Ein Klassenlink braucht eine der Wortlisten der Seite: Die Seiten der Schüler haben die geöffnete Liste nicht.</translation>
    </message>
    <message>
        <source>The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title.</source>
        <translation>Der Klassenlink wäre %1 Zeichen lang, mehr als die %2, die ein Link sicher fasst: Kürzen Sie die Umschreibungen oder den Titel.</translation>
    </message>
    <message>
        <source>These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list.</source>
        <translation>Diese Einstellungen ergeben zu wenige verschiedene Rätsel für %1 Schüler: Versuchen Sie weniger Themenwörter oder eine längere Wortliste.</translation>
    </message>
    <message>
        <source>A clue cannot hold &quot;=&quot;, so these words have none: %1.</source>
        <translation>Eine Umschreibung darf kein „=“ enthalten, daher haben diese Wörter keine: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them are listed by their clues.</source>
        <comment>1 of them is listed by its clue.</comment>
        <translation>
            <numerusform>%n davon steht als Umschreibung in der Liste.</numerusform>
            <numerusform>%n davon stehen als Umschreibung in der Liste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pencil on</source>
        <translation>Bleistift an</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Clear the theme words, their clues and the title?</source>
        <translation>Die Themenwörter, ihre Umschreibungen und den Titel leeren?</translation>
    </message>
    <message>
        <source>Start this puzzle over? Its letters and time go.</source>
        <translation>Dieses Rätsel neu beginnen? Seine Buchstaben und die Zeit gehen verloren.</translation>
    </message>
    <message>
        <source>A result code has 11 characters; this one has %1.</source>
        <translation>Ein Ergebniscode hat 11 Zeichen; dieser hat %1.</translation>
    </message>
    <message>
        <source>A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.</source>
        <translation>Ein Ergebniscode hat nur die Ziffern 2 bis 9 und Buchstaben außer I, L und O; dieser hat %1.</translation>
    </message>
    <message>
        <source>This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.</source>
        <translation>Dieser Code gehört zu Rätsel %1, aber der Klassensatz hat %2 Rätsel: Vielleicht ist ein Zeichen falsch getippt.</translation>
    </message>
    <message>
        <source>This code does not fit the class set: a character may be typed wrongly, or it is from another set.</source>
        <translation>Dieser Code passt nicht zum Klassensatz: Vielleicht ist ein Zeichen falsch getippt, oder er gehört zu einem anderen Satz.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Gelöst!</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2 · set %3</source>
        <translation>Rätsel %1 von %2 · Satz %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Checks: %1 · letters revealed: %2</source>
        <translation>Prüfungen: %1 · aufgedeckte Buchstaben: %2</translation>
    </message>
    <message>
        <source>Result code for your teacher: %1</source>
        <translation>Ergebniscode für Ihre Lehrkraft: %1</translation>
    </message>
    <message>
        <source>The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.</source>
        <translation>Die Einstellungen haben sich geändert, daher ist dies ein neuer Klassensatz, Satz %2: Links und Ausdrucke von vorher gehören zu Satz %1.</translation>
    </message>
    <message>
        <source>A clue may have up to 60 characters: these lines have longer ones and are left out: %1.</source>
        <translation>Eine Umschreibung darf bis zu 60 Zeichen haben: Diese Zeilen haben längere und werden weggelassen: %1.</translation>
    </message>
    <message>
        <source>Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.</source>
        <translation>Ergebniscodes werden mit dem Klassensatz auf dem Bildschirm gelesen: Drucken Sie zuerst den Klassensatz oder kopieren Sie seinen Link, oder geben Sie seine Startzahl an.</translation>
    </message>
    <message>
        <source>Select a file of result codes</source>
        <translation>Wählen Sie eine Datei mit Ergebniscodes</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>Select destination file for the class results</source>
        <translation>Wählen Sie die Zieldatei für die Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>Loopword could not save the class results to:</source>
        <translation>Loopword konnte die Ergebnisse der Klasse nicht speichern unter:</translation>
    </message>
    <message>
        <source>Save these results as a CSV file for a spreadsheet?</source>
        <translation>Diese Ergebnisse als CSV-Datei für eine Tabellenkalkulation speichern?</translation>
    </message>
    <message>
        <source>Pupil %1: time %2, checks %3, letters revealed %4</source>
        <translation>Schüler %1: Zeit %2, Prüfungen %3, aufgedeckte Buchstaben %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select destination file for a learning platform package of this puzzle</source>
        <translation>Zieldatei für ein Lernplattform-Paket dieses Rätsels wählen</translation>
    </message>
    <message>
        <source>Learning Platform Packages</source>
        <translation>Lernplattform-Pakete</translation>
    </message>
    <message>
        <source>Loopword could not save the learning platform package to:</source>
        <translation>Loopword konnte das Lernplattform-Paket nicht speichern unter:</translation>
    </message>
    <message>
        <source>The learning platform did not say who you are, so this is puzzle 1 of the set.</source>
        <translation>Die Lernplattform hat nicht gesagt, wer du bist, darum ist dies Rätsel 1 der Reihe.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.</source>
        <translation>Der Fortschritt, den die Lernplattform für dieses Rätsel aufbewahrt hat, ist beschädigt oder unvollständig: Das Rätsel beginnt von vorn.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept is of another puzzle: this one starts afresh.</source>
        <translation>Der Fortschritt, den die Lernplattform aufbewahrt hat, gehört zu einem anderen Rätsel: Dieses beginnt von vorn.</translation>
    </message>
    <message>
        <source>The learning platform shows this puzzle for a look only: nothing you do here is recorded.</source>
        <translation>Die Lernplattform zeigt dieses Rätsel nur zum Ansehen: Nichts, was du hier tust, wird gespeichert.</translation>
    </message>
    <message>
        <source>The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.</source>
        <translation>Die Lernplattform hat nicht angenommen, was diese Seite ihr mitgeteilt hat: Du kannst weiterlösen, aber Fortschritt und Ergebnis werden nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loopword User Guide</source>
        <translation>Loopword-Anleitung</translation>
    </message>
    <message>
        <source>OverWrite file: %1 ?</source>
        <translation>Datei %1 überschreiben?</translation>
    </message>
    <message>
        <source>Loopword copied to:
%1
 %2 bytes</source>
        <translation>Loopword hat das Bild kopiert nach:
%1
 %2 Bytes</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>Der Drucker %1 konnte den Druck nicht beginnen.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer %1.</source>
        <translation>Die Seite konnte nicht an den Drucker %1 gesendet werden.</translation>
    </message>
    <message>
        <source>Booklet written: %1, %2 pages.</source>
        <translation>Heft geschrieben: %1, %2 Seiten.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open puzzle…</source>
        <translation>Rätsel ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save puzzle…</source>
        <translation>Rätsel &amp;speichern…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as &amp;bitmap</source>
        <translation>Als Bit&amp;map speichern</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>PDF &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export S&amp;VG…</source>
        <translation>S&amp;VG exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;web page…</source>
        <translation>&amp;Webseite exportieren…</translation>
    </message>
    <message>
        <source>Make boo&amp;klet…</source>
        <translation>Heft ers&amp;tellen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Übe&amp;r</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Lösung</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>&amp;Varied words</source>
        <translation>&amp;Abwechslungsreiche Wörter</translation>
    </message>
    <message>
        <source>&amp;One solution</source>
        <translation>Eindeutige &amp;Lösung</translation>
    </message>
    <message>
        <source>Solve on &amp;screen</source>
        <translation>Am &amp;Bildschirm lösen</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>&amp;Reveal letter</source>
        <translation>Buchstaben a&amp;ufdecken</translation>
    </message>
    <message>
        <source>S&amp;tarting Word</source>
        <translation>S&amp;tartwort</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Eingabe</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Wörterbuch</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Eigene Liste</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Stufe &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Stufe &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Stufe &amp;3</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;Theme words…</source>
        <translation>&amp;Themenwörter…</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Make booklet</source>
        <translation>Heft erstellen</translation>
    </message>
    <message>
        <source>No word twice in the booklet</source>
        <translation>Kein Wort zweimal im Heft</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Abwechslungsreiche Wörter</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Eindeutige Lösung</translation>
    </message>
    <message>
        <source>Number of puzzles:</source>
        <translation>Anzahl der Rätsel:</translation>
    </message>
    <message>
        <source>Theme words</source>
        <translation>Themenwörter</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Leeren</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>Sch&amp;wierigkeit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>Blei&amp;stift</translation>
    </message>
    <message>
        <source>Hide &amp;timer</source>
        <translation>&amp;Zeitanzeige ausblenden</translation>
    </message>
    <message>
        <source>Number of pupils:</source>
        <translation>Anzahl der Schüler:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>&amp;Class set…</source>
        <translation>&amp;Klassensatz…</translation>
    </message>
    <message>
        <source>&amp;Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>&amp;Wörter, getrennt durch Zeilenenden, Leerzeichen oder Kommas; eine Zeile WORT = Umschreibung führt das Wort mit seiner Umschreibung auf:</translation>
    </message>
    <message>
        <source>St&amp;art over</source>
        <translation>Neu be&amp;ginnen</translation>
    </message>
    <message>
        <source>Class &amp;results…</source>
        <translation>&amp;Ergebnisse der Klasse…</translation>
    </message>
    <message>
        <source>Export for a &amp;learning platform…</source>
        <translation>Für eine &amp;Lernplattform exportieren…</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Place 23 8-letter words clock-wise into 8 spaces around each square.</source>
        <translation>23 Wörter aus 8 Buchstaben im Uhrzeigersinn um die Quadrate eintragen.</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>RÄTSEL</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>LÖSUNG</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Schwierigkeit:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Rätsel %1 von %2</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>set %1</source>
        <translation>Satz %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Page language</source>
        <translation>Sprache der Seite</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Ansichten</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Lösen</translation>
    </message>
    <message>
        <source>Make a puzzle</source>
        <translation>Rätsel erstellen</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Wortliste</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Stufe 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Stufe 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Stufe 3</translation>
    </message>
    <message>
        <source>Own list…</source>
        <translation>Eigene Liste…</translation>
    </message>
    <message>
        <source>Puzzle language</source>
        <translation>Sprache des Rätsels</translation>
    </message>
    <message>
        <source>Own word list file</source>
        <translation>Datei der eigenen Wortliste</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <source>Starting word</source>
        <translation>Startwort</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>This word:</source>
        <translation>Dieses Wort:</translation>
    </message>
    <message>
        <source>Starting word, 8 letters</source>
        <translation>Startwort, 8 Buchstaben</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startzahl</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Abwechslungsreiche Wörter</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Eindeutige Lösung</translation>
    </message>
    <message>
        <source>Theme words and title</source>
        <translation>Themenwörter und Titel</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Puzzle commands</source>
        <translation>Befehle zum Rätsel</translation>
    </message>
    <message>
        <source>Make puzzle</source>
        <translation>Rätsel erstellen</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Rätsel zeigen</translation>
    </message>
    <message>
        <source>Print puzzle and solution</source>
        <translation>Rätsel und Lösung drucken</translation>
    </message>
    <message>
        <source>Save puzzle file</source>
        <translation>Rätseldatei speichern</translation>
    </message>
    <message>
        <source>Open puzzle file…</source>
        <translation>Rätseldatei öffnen…</translation>
    </message>
    <message>
        <source>Puzzle file</source>
        <translation>Rätseldatei</translation>
    </message>
    <message>
        <source>Copy pupil link</source>
        <translation>Link für Schüler kopieren</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Als Webseite speichern</translation>
    </message>
    <message>
        <source>Forget this browser&apos;s puzzles</source>
        <translation>Rätsel dieses Browsers vergessen</translation>
    </message>
    <message>
        <source>Solving commands</source>
        <translation>Befehle zum Lösen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Buchstaben aufdecken</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Neu beginnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Puzzle figure: choose a square and type its letters clockwise</source>
        <translation>Rätselfigur: Wählen Sie ein Quadrat und tippen Sie seine Buchstaben im Uhrzeigersinn ein</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
    <message>
        <source>Loopword stopped working: %1</source>
        <translation>Loopword funktioniert nicht mehr: %1</translation>
    </message>
    <message>
        <source>This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.</source>
        <translation>Dieser Browser speichert hier keinen Fortschritt (sein Speicher ist voll oder abgeschaltet): Die Buchstaben gehen verloren, wenn die Seite geschlossen wird.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use &quot;%1&quot; and give pupils that file.</source>
        <translation>Diese Seite wurde aus einer Datei auf diesem Computer geöffnet, ein Link darauf funktioniert also nur hier. Legen Sie die Seite auf einen Webserver, um Links zu teilen, oder verwenden Sie „%1“ und geben Sie den Schülern diese Datei.</translation>
    </message>
    <message>
        <source>The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.</source>
        <translation>Der Link für Schüler ist kopiert: Fügen Sie ihn dort ein, wo Ihre Klasse ihn findet. Er öffnet dieses Rätsel, bereit zum Lösen.</translation>
    </message>
    <message>
        <source>Copy this pupil link: %1</source>
        <translation>Kopieren Sie diesen Link für Schüler: %1</translation>
    </message>
    <message>
        <source>Forget every puzzle and all progress kept in this browser? Use this on a shared computer.</source>
        <translation>Alle Rätsel und allen Fortschritt vergessen, die dieser Browser gespeichert hat? Nützlich auf einem gemeinsam genutzten Computer.</translation>
    </message>
    <message>
        <source>This browser has forgotten its puzzles.</source>
        <translation>Dieser Browser hat seine Rätsel vergessen.</translation>
    </message>
    <message>
        <source>Previous square</source>
        <translation>Vorheriges Quadrat</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Next square</source>
        <translation>Nächstes Quadrat</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>The puzzle inside this page is damaged and cannot be read.</source>
        <translation>Das Rätsel in dieser Seite ist beschädigt und kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>the puzzle in the link</source>
        <translation>das Rätsel im Link</translation>
    </message>
    <message>
        <source>the puzzle made</source>
        <translation>das erstellte Rätsel</translation>
    </message>
    <message>
        <source>the puzzle kept here</source>
        <translation>das hier gespeicherte Rätsel</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>A damaged entry this browser kept for the page was dropped.</source>
        <translation>Ein beschädigter Eintrag, den dieser Browser für die Seite aufbewahrt hatte, wurde verworfen.</translation>
    </message>
    <message>
        <source>The word lists in %1 could not be fetched: connect to the internet and reload the page.</source>
        <translation>Die Wortlisten auf %1 konnten nicht geladen werden: Verbinden Sie sich mit dem Internet und laden Sie die Seite neu.</translation>
    </message>
    <message>
        <source>The page to save could not be fetched: connect to the internet and try again.</source>
        <translation>Die zu speichernde Seite konnte nicht geladen werden: Verbinden Sie sich mit dem Internet und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.</source>
        <translation>Dies ist die Form von Loopword für einen Webserver: Öffnen Sie sie über einen Webserver, oder öffnen Sie loopword.html, die Seite in einer Datei, direkt von der Festplatte.</translation>
    </message>
    <message>
        <source>What pupils may do</source>
        <translation>Was Schüler dürfen</translation>
    </message>
    <message>
        <source>Pupils may check</source>
        <translation>Schüler dürfen prüfen</translation>
    </message>
    <message>
        <source>Pupils may reveal letters</source>
        <translation>Schüler dürfen Buchstaben aufdecken</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Zeitanzeige zeigen</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Bleistift</translation>
    </message>
    <message>
        <source>Hide timer</source>
        <translation>Zeitanzeige ausblenden</translation>
    </message>
    <message>
        <source>Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>Wörter, getrennt durch Zeilenumbrüche, Leerzeichen oder Kommas; eine Zeile WORT = Umschreibung führt das Wort mit seiner Umschreibung auf:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Klassensatz</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Print class set</source>
        <translation>Klassensatz drucken</translation>
    </message>
    <message>
        <source>Copy class link</source>
        <translation>Klassenlink kopieren</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Ihre Nummer</translation>
    </message>
    <message>
        <source>Your teacher gave each pupil a number: choose yours to open your own puzzle.</source>
        <translation>Ihre Lehrkraft hat jedem Schüler eine Nummer gegeben: Wählen Sie Ihre, um Ihr eigenes Rätsel zu öffnen.</translation>
    </message>
    <message>
        <source>Open my puzzle</source>
        <translation>Mein Rätsel öffnen</translation>
    </message>
    <message>
        <source>This page makes your puzzle from the link. Another version of the page may make a different puzzle for the same number, which your teacher&apos;s answers do not fit: then ask for a new link.</source>
        <translation>Diese Seite erstellt Ihr Rätsel aus dem Link. Eine andere Version der Seite kann für dieselbe Nummer ein anderes Rätsel erstellen, zu dem die Lösungen Ihrer Lehrkraft nicht passen: Bitten Sie dann um einen neuen Link.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use &quot;%1&quot;.</source>
        <translation>Diese Seite wurde aus einer Datei auf diesem Computer geöffnet, ein Klassenlink darauf funktioniert also nur hier. Legen Sie die Seite auf einen Webserver, um Ihrer Klasse einen Link zu geben, oder verwenden Sie „%1“.</translation>
    </message>
    <message>
        <source>The class link is copied: give it to your class. Each pupil opens it and chooses their number.</source>
        <translation>Der Klassenlink ist kopiert: Geben Sie ihn Ihrer Klasse. Jeder Schüler öffnet ihn und wählt seine Nummer.</translation>
    </message>
    <message>
        <source>Copy this class link: %1</source>
        <translation>Kopieren Sie diesen Klassenlink: %1</translation>
    </message>
    <message>
        <source>your puzzle</source>
        <translation>Ihr Rätsel</translation>
    </message>
    <message>
        <source>Something went wrong; your letters are kept. Reload the page to go on.</source>
        <translation>Etwas ist schiefgegangen; Ihre Buchstaben bleiben erhalten. Laden Sie die Seite neu, um weiterzumachen.</translation>
    </message>
    <message>
        <source>This link is damaged or cut short. Ask your teacher for it again.</source>
        <translation>Dieser Link ist beschädigt oder abgeschnitten. Bitten Sie Ihre Lehrkraft noch einmal darum.</translation>
    </message>
    <message>
        <source>Make your own puzzle</source>
        <translation>Eigenes Rätsel erstellen</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Not your number?</source>
        <translation>Nicht Ihre Nummer?</translation>
    </message>
    <message>
        <source>Scan the code to open the link</source>
        <translation>Scannen Sie den Code, um den Link zu öffnen</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>QR-Code des Links</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Scan to solve on a phone</source>
        <translation>Zum Lösen auf dem Handy scannen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Prüfungen</translation>
    </message>
    <message>
        <source>Letters revealed</source>
        <translation>Aufgedeckte Buchstaben</translation>
    </message>
    <message>
        <source>Result code</source>
        <translation>Ergebniscode</translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation>Was nicht stimmt</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Result codes, one a line, as pupils copied them from their result cards:</source>
        <translation>Ergebniscodes, einer pro Zeile, wie die Schüler sie von ihrer Ergebniskarte kopiert haben:</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Ergebnisse lesen</translation>
    </message>
    <message>
        <source>Download as CSV</source>
        <translation>Als CSV herunterladen</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Ergebnis kopieren</translation>
    </message>
    <message>
        <source>This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.</source>
        <translation>Diese Seite hat keinen Platz für Rätsel: Speichere das Lernplattform-Paket aus loopword.html, wie es ausgeliefert wurde.</translation>
    </message>
    <message>
        <source>Save for a learning platform</source>
        <translation>Für eine Lernplattform speichern</translation>
    </message>
    <message>
        <source>The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.</source>
        <translation>Der Teil von Loopword, der Rätsel erstellt, konnte nicht geladen werden: Verbinden Sie sich mit dem Internet und versuchen Sie es noch einmal. Das Lösen geht weiter.</translation>
    </message>
</context>
<context>
    <name>loopword::AboutForm</name>
    <message>
        <source>About Loopword</source>
        <translation>Über Loopword</translation>
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
Loopword - Oktober 2005
Erstellt Worträtsel in Form einer 8 zum Ausdrucken und Lösen auf Papier.
</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3
or (at your option) any later version: GPL-3.0-or-later.
</source>
        <translation>Freie Software unter der GNU General Public License, Version 3
oder (nach Ihrer Wahl) jeder späteren Version: GPL-3.0-or-later.
</translation>
    </message>
    <message>
        <source>English word lists from SCOWL (Spell Checker Oriented Word Lists)</source>
        <translation>Englische Wortlisten aus SCOWL (Spell Checker Oriented Word Lists)</translation>
    </message>
    <message>
        <source>German from igerman98</source>
        <translation>Deutsch aus igerman98</translation>
    </message>
    <message>
        <source>French from wfrench</source>
        <translation>Französisch aus wfrench</translation>
    </message>
    <message>
        <source>Spanish from wspanish</source>
        <translation>Spanisch aus wspanish</translation>
    </message>
    <message>
        <source>Italian from witalian</source>
        <translation>Italienisch aus witalian</translation>
    </message>
    <message>
        <source>Portuguese from ispell.pt</source>
        <translation>Portugiesisch aus ispell.pt</translation>
    </message>
    <message>
        <source>Dutch from OpenTaal</source>
        <translation>Niederländisch aus OpenTaal</translation>
    </message>
    <message>
        <source>Offensive words left out with the naughty-words blocklist</source>
        <translation>Anstößige Wörter mit der Sperrliste naughty-words ausgelassen</translation>
    </message>
    <message>
        <source>Word frequencies from subtitle word lists</source>
        <translation>Worthäufigkeiten aus Wortlisten von Untertiteln</translation>
    </message>
</context>
</TS>
