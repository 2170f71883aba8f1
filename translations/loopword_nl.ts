<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>Accessibility</name>
    <message>
        <source>Figure being filled</source>
        <translation>Figuur wordt gevuld</translation>
    </message>
    <message>
        <source>Puzzle sheet</source>
        <translation>Puzzelblad</translation>
    </message>
    <message>
        <source>Solution sheet</source>
        <translation>Oplossingsblad</translation>
    </message>
    <message>
        <source>Puzzle being solved</source>
        <translation>Puzzel wordt opgelost</translation>
    </message>
    <message>
        <source>Empty figure</source>
        <translation>Lege figuur</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (gevonden)</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Woorden: %1</translation>
    </message>
    <message>
        <source>hint %1</source>
        <translation>hint %1</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, fout</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Vierkant %1</translation>
    </message>
    <message>
        <source>Square %1, cell %2: %3</source>
        <translation>Vierkant %1, vakje %2: %3</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Vakje %1</translation>
    </message>
    <message>
        <source>%1, pencil</source>
        <translation>%1, potlood</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Loopword Puzzles</source>
        <translation>Loopword-puzzels</translation>
    </message>
    <message>
        <source>Select a puzzle to open</source>
        <translation>Kies een puzzel om te openen</translation>
    </message>
    <message>
        <source>Select destination file for this puzzle</source>
        <translation>Kies het bestand voor deze puzzel</translation>
    </message>
    <message>
        <source>Select destination file for a web page of this puzzle</source>
        <translation>Kies het bestand voor een webpagina van deze puzzel</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Webpagina&apos;s</translation>
    </message>
    <message>
        <source>Select a file to open</source>
        <translation>Kies een bestand om te openen</translation>
    </message>
    <message>
        <source>Dictionary Files</source>
        <translation>Woordenboekbestanden</translation>
    </message>
    <message>
        <source>Select destination file for a bitmap copy of this puzzle</source>
        <translation>Kies het bestand voor een bitmapafbeelding van deze puzzel</translation>
    </message>
    <message>
        <source>Loopword Bitmap Files</source>
        <translation>Loopword-bitmapbestanden</translation>
    </message>
    <message>
        <source>Loopword could not save the bitmap to:</source>
        <translation>Loopword kon de bitmap niet opslaan in:</translation>
    </message>
    <message>
        <source>Select destination file for a PDF of this puzzle</source>
        <translation>Kies het bestand voor een PDF van deze puzzel</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-bestanden</translation>
    </message>
    <message>
        <source>Loopword could not save the PDF to:</source>
        <translation>Loopword kon de PDF niet opslaan in:</translation>
    </message>
    <message>
        <source>Select a name for the SVG files of this puzzle</source>
        <translation>Kies een naam voor de SVG-bestanden van deze puzzel</translation>
    </message>
    <message>
        <source>SVG Files</source>
        <translation>SVG-bestanden</translation>
    </message>
    <message>
        <source>Loopword could not save the SVG files to:</source>
        <translation>Loopword kon de SVG-bestanden niet opslaan in:</translation>
    </message>
    <message>
        <source>Do you wish to print puzzle and its solution?</source>
        <translation>Puzzel en oplossing afdrukken?</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Set up a default printer, then print again.</source>
        <translation>Er is geen printer.
Stel een standaardprinter in en druk dan opnieuw af.</translation>
    </message>
    <message>
        <source>Select destination file for the booklet</source>
        <translation>Kies het bestand voor het boekje</translation>
    </message>
    <message>
        <source>Loopword could not save the booklet to:</source>
        <translation>Loopword kon het boekje niet opslaan in:</translation>
    </message>
    <message>
        <source>Enter 8-letter word A..Z</source>
        <translation>Typ een woord van 8 letters A..Z</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Beginwoord</translation>
    </message>
    <message>
        <source>A puzzle holds at most 23 theme words; these are %1.</source>
        <translation>Een puzzel bevat hoogstens 23 themawoorden; dit zijn er %1.</translation>
    </message>
    <message>
        <source>Not 8 letters A to Z: %1.</source>
        <translation>Geen 8 letters A tot Z: %1.</translation>
    </message>
    <message>
        <source>Given twice: %1.</source>
        <translation>Dubbel opgegeven: %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary with the starting word %1.</source>
        <translation>Met dit woordenboek kan geen puzzel gemaakt worden met het beginwoord %1.</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.</source>
        <translation>Met dit woordenboek en het beginwoord %1 passen de themawoorden niet allemaal in één puzzel.</translation>
    </message>
    <message>
        <source>Without %1 they fit.</source>
        <translation>Zonder %1 passen ze.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; this dictionary has %1.</source>
        <translation>Een puzzel heeft 23 verschillende woorden nodig; dit woordenboek heeft er %1.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; the dictionary and the theme words have %1.</source>
        <translation>Een puzzel heeft 23 verschillende woorden nodig; het woordenboek en de themawoorden hebben er %1.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary.</source>
        <translation>In %2 puzzels gemaakt met dit woordenboek is geen puzzel van moeilijkheid ‘%1’ gevonden.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.</source>
        <translation>In %2 puzzels gemaakt met dit woordenboek en deze themawoorden is geen puzzel van moeilijkheid ‘%1’ gevonden.</translation>
    </message>
    <message>
        <source>No puzzle with all the theme words was found in %1 seconds.</source>
        <translation>In %1 seconden is geen puzzel met alle themawoorden gevonden.</translation>
    </message>
    <message>
        <source>Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.</source>
        <translation>Puzzels 1 tot en met %1 hebben geen woord gemeen; de woordenlijst laat niet meer toe, dus vanaf puzzel %2 komen woorden terug.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Regel %1: %2.</translation>
    </message>
    <message>
        <source>a puzzle needs 23 placement lines, this one has %1</source>
        <translation>een puzzel heeft 23 plaatsingsregels nodig, deze heeft er %1</translation>
    </message>
    <message>
        <source>square %1 where square %2 belongs</source>
        <translation>vierkant %1 waar vierkant %2 hoort</translation>
    </message>
    <message>
        <source>the ring %1 is not the word %2 read clockwise from cell %3</source>
        <translation>de ring %1 is niet het woord %2 met de klok mee gelezen vanaf vakje %3</translation>
    </message>
    <message>
        <source>the word %1 is already in square %2</source>
        <translation>het woord %1 staat al in vierkant %2</translation>
    </message>
    <message>
        <source>square %1 disagrees with square %2 at a shared cell</source>
        <translation>vierkant %1 en vierkant %2 verschillen in een gedeeld vakje</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>standaard</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>makkelijk</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>gemiddeld</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>moeilijk</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>expert</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary.</source>
        <translation>Met dit woordenboek passen de themawoorden niet allemaal in één puzzel.</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary.</source>
        <translation>Met dit woordenboek kan geen puzzel gemaakt worden.</translation>
    </message>
    <message>
        <source>No complete puzzle could be made with this dictionary and starting word.</source>
        <translation>Met dit woordenboek en dit beginwoord kon geen volledige puzzel gemaakt worden.</translation>
    </message>
    <message>
        <source>Specify 8-letter word</source>
        <translation>Typ een woord van 8 letters</translation>
    </message>
    <message>
        <source>Specify A..Z leters</source>
        <translation>Typ alleen letters A..Z</translation>
    </message>
    <message>
        <source>There is no puzzle to put in the booklet.</source>
        <translation>Er is geen puzzel om in het boekje te zetten.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>De PDF kon niet geschreven worden.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Er staat een map met die naam in de weg.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Er is geen afbeelding om op te slaan.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>De afbeelding kon niet geschreven worden.</translation>
    </message>
    <message>
        <source>The word list is too small to keep words apart: words repeat from puzzle 2 on.</source>
        <translation>De woordenlijst is te klein om herhaling te vermijden: vanaf puzzel 2 komen woorden terug.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Het bestand kon niet geschreven worden.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Het bestand is alleen-lezen.</translation>
    </message>
    <message>
        <source>not a placement line of the form &quot;SS RRRRRRRR D WWWWWWWW&quot;</source>
        <translation>geen plaatsingsregel van de vorm &quot;SS RRRRRRRR D WWWWWWWW&quot;</translation>
    </message>
    <message>
        <source>the difficulty must be standard, easy, medium, hard or expert</source>
        <translation>de moeilijkheid moet standard, easy, medium, hard of expert zijn</translation>
    </message>
    <message>
        <source>hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8</source>
        <translation>hintvakjes worden geschreven als SS.P: vierkant 01 tot 23 maar niet 12, positie in de ring 1 tot 8</translation>
    </message>
    <message>
        <source>The file holds no puzzle.</source>
        <translation>Het bestand bevat geen puzzel.</translation>
    </message>
    <message>
        <source>bad character in a comment line</source>
        <translation>ongeldig teken in een commentaarregel</translation>
    </message>
    <message>
        <source>bad character in a placement line</source>
        <translation>ongeldig teken in een plaatsingsregel</translation>
    </message>
    <message>
        <source>more than 23 placement lines without an empty line between puzzles</source>
        <translation>meer dan 23 plaatsingsregels zonder lege regel tussen de puzzels</translation>
    </message>
    <message>
        <source>Loopword could not open the puzzle file:</source>
        <translation>Loopword kon het puzzelbestand niet openen:</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>Het bestand is groter dan 1 MiB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Het bestand kon niet gelezen worden.</translation>
    </message>
    <message>
        <source>The letters typed into it are damaged.</source>
        <translation>De letters die erin zijn ingetypt, zijn beschadigd.</translation>
    </message>
    <message>
        <source>Compiling a new puzzle ends solving this one. Compile anyway?</source>
        <translation>Een nieuwe puzzel samenstellen beëindigt het oplossen van deze puzzel. Toch samenstellen?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Showing the solution ends solving this puzzle. Show it anyway?</source>
        <translation>De oplossing tonen beëindigt het oplossen van deze puzzel. Toch tonen?</translation>
    </message>
    <message>
        <source>Opening a puzzle ends solving this one. Open anyway?</source>
        <translation>Een puzzel openen beëindigt het oplossen van deze puzzel. Toch openen?</translation>
    </message>
    <message>
        <source>Loopword could not save the puzzle to:</source>
        <translation>Loopword kon de puzzel niet opslaan in:</translation>
    </message>
    <message>
        <source>Loopword&apos;s web page is missing or damaged:</source>
        <translation>De webpagina van Loopword ontbreekt of is beschadigd:</translation>
    </message>
    <message>
        <source>Loopword could not save the web page to:</source>
        <translation>Loopword kon de webpagina niet opslaan in:</translation>
    </message>
    <message>
        <source>Exiting ends solving this puzzle. Exit anyway?</source>
        <translation>Afsluiten beëindigt het oplossen van deze puzzel. Toch afsluiten?</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Puzzel tonen</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Oplossing tonen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Is een map</translation>
    </message>
    <message>
        <source>There are no 8-letter words in this dictionary</source>
        <translation>Dit woordenboek bevat geen woorden van 8 letters</translation>
    </message>
    <message>
        <source>Dictionary limit is 49,000 words</source>
        <translation>Een woordenboek heeft hoogstens 49.000 woorden</translation>
    </message>
    <message>
        <source>Error while reading dictionary:</source>
        <translation>Fout bij het lezen van het woordenboek:</translation>
    </message>
    <message>
        <source>Program may not run correctly</source>
        <translation>Het programma werkt mogelijk niet goed</translation>
    </message>
    <message>
        <source>No theme words: puzzles come from the word list alone.</source>
        <translation>Geen themawoorden: de puzzels komen alleen uit de woordenlijst.</translation>
    </message>
    <message>
        <source>read as Windows-1252, %1 with Ñ read as N</source>
        <translation>gelezen als Windows-1252, %1 met Ñ gelezen als N</translation>
    </message>
    <message>
        <source>%1 with Ñ read as N</source>
        <translation>%1 met Ñ gelezen als N</translation>
    </message>
    <message>
        <source>%1 reads as %2: not 8 letters A to Z.</source>
        <translation>%1 wordt %2: geen 8 letters A tot Z.</translation>
    </message>
    <message>
        <source>read as Windows-1252</source>
        <translation>gelezen als Windows-1252</translation>
    </message>
    <message>
        <source>the list is neither UTF-8 nor Windows-1252 text</source>
        <translation>de lijst is geen UTF-8- of Windows-1252-tekst</translation>
    </message>
    <message>
        <source>Loopword is still compiling a puzzle.</source>
        <translation>Loopword is nog een puzzel aan het samenstellen.</translation>
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
        <translation>Dit programma maakt een woordpuzzel in de vorm van een 8, om af te drukken en op je gemak op te lossen.

- De puzzel heeft 23 woorden van 8 letters in 23 vierkanten
- Eén woord en een aantal letters zijn als hint gegeven
- Elk woord wordt met de klok mee rond zijn vierkant geschreven
- Een woord kan in elk vakje rond het vierkant beginnen
- Letters in gedeelde vakjes moeten gelijk zijn
- Geen woord mag twee keer voorkomen
- Je kunt een van de drie meegeleverde woordenboeken gebruiken of een eigen woordenboek
- Een eigen woordenboek moet een gesorteerd tekstbestand zijn, met één woord per regel</translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words)</source>
        <comment>Dictionary: %1 (1 word)</comment>
        <translation>
            <numerusform>Woordenboek: %1 (%n woord)</numerusform>
            <numerusform>Woordenboek: %1 (%n woorden)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words, %2)</source>
        <comment>Dictionary: %1 (1 word, %2)</comment>
        <translation>
            <numerusform>Woordenboek: %1 (%n woord, %2)</numerusform>
            <numerusform>Woordenboek: %1 (%n woorden, %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n theme words</source>
        <comment>%1 - 1 theme word</comment>
        <translation>
            <numerusform>%1 - %n themawoord</numerusform>
            <numerusform>%1 - %n themawoorden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n theme words will be in every puzzle.</source>
        <comment>1 theme word will be in every puzzle.</comment>
        <translation>
            <numerusform>%n themawoord komt in elke puzzel.</numerusform>
            <numerusform>%n themawoorden komen in elke puzzel.</numerusform>
        </translation>
    </message>
    <message>
        <source>The seed &quot;%1&quot; is not a whole number from 0 to 18446744073709551615: no puzzle was made.</source>
        <translation>Het startgetal „%1” is geen geheel getal van 0 tot 18446744073709551615: er is geen puzzel gemaakt.</translation>
    </message>
    <message>
        <source>Some choices could not be read and are back at their defaults: %1.</source>
        <translation>Sommige keuzes konden niet worden gelezen en staan weer op hun standaardwaarde: %1.</translation>
    </message>
    <message>
        <source>Check: every letter so far is right.</source>
        <translation>Controle: alle letters tot nu toe zijn goed.</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n letters are wrong, marked in the figure.</source>
        <comment>Check: 1 letter is wrong, marked in the figure.</comment>
        <translation>
            <numerusform>Controle: %n letter is fout, gemarkeerd in de figuur.</numerusform>
            <numerusform>Controle: %n letters zijn fout, gemarkeerd in de figuur.</numerusform>
        </translation>
    </message>
    <message>
        <source>Still trying: attempt %1 of %2.</source>
        <translation>Nog bezig: poging %1 van %2.</translation>
    </message>
    <message>
        <source>Searching every puzzle the word list allows…</source>
        <translation>Alle puzzels die de woordenlijst toelaat worden doorzocht…</translation>
    </message>
    <message>
        <source>A title holds at most 60 characters; this one has %1.</source>
        <translation>Een titel heeft hoogstens 60 tekens; deze heeft er %1.</translation>
    </message>
    <message>
        <source>The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.</source>
        <translation>Het vak voor themawoorden neemt tot %1 tekens, en dit zijn er %2: houd het bij de woorden die een puzzel kan bevatten.</translation>
    </message>
    <message>
        <source>What your teacher turned off could not be read (&quot;%1&quot;): everything is allowed.</source>
        <translation>Wat je leraar heeft uitgezet, kon niet worden gelezen („%1”): alles is toegestaan.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1.</source>
        <translation>Je leraar heeft %1 uitgezet.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1 and %2.</source>
        <translation>Je leraar heeft %1 en %2 uitgezet.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1, %2 and %3.</source>
        <translation>Je leraar heeft %1, %2 en %3 uitgezet.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>„Controleren”</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>„Letter onthullen”</translation>
    </message>
    <message>
        <source>the timer</source>
        <translation>de timer</translation>
    </message>
    <message>
        <source>Some pencil letters kept with this puzzle were damaged and were left out.</source>
        <translation>Sommige potloodletters die bij deze puzzel bewaard waren, waren beschadigd en zijn weggelaten.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 and %3</source>
        <translation>Opgelost in %1 met %2 en %3</translation>
    </message>
    <message>
        <source>Solved with %1 and %2</source>
        <translation>Opgelost met %1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>%n checks</source>
        <comment>1 check</comment>
        <translation>
            <numerusform>%n controle</numerusform>
            <numerusform>%n controles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters revealed</source>
        <comment>1 letter revealed</comment>
        <translation>
            <numerusform>%n onthulde letter</numerusform>
            <numerusform>%n onthulde letters</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination file for the class set</source>
        <translation>Kies het bestand voor de klassenset</translation>
    </message>
    <message>
        <source>Puzzles made: %1 of %2</source>
        <translation>Puzzels gemaakt: %1 van %2</translation>
    </message>
    <message>
        <source>a clue line must be &quot;# clue: WORD clue&quot;: 8 capitals, then a clue of 1 to 60 characters</source>
        <translation>een omschrijvingsregel moet „# clue: WOORD omschrijving” zijn: 8 hoofdletters, dan een omschrijving van 1 tot 60 tekens</translation>
    </message>
    <message>
        <source>the word %1 has a clue already</source>
        <translation>het woord %1 heeft al een omschrijving</translation>
    </message>
    <message>
        <source>the clue is for %1, which is not in the puzzle</source>
        <translation>de omschrijving hoort bij %1, dat niet in de puzzel staat</translation>
    </message>
    <message>
        <source>This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.</source>
        <translation>Deze klassenlink is afgebroken of beschadigd en kan je puzzel niet maken: vraag je leraar opnieuw om de link.</translation>
    </message>
    <message>
        <source>A class set is for %1 to %2 pupils.</source>
        <translation>Een klassenset is voor %1 tot %2 leerlingen.</translation>
    </message>
    <message>
        <source>Choose your number from 1 to %1.</source>
        <translation>Kies je nummer van 1 tot %1.</translation>
    </message>
    <message>
        <source>A class link needs one of the page&apos;s own word lists: pupils&apos; pages do not have the list you opened.</source>
        <translation>Een klassenlink heeft een van de woordenlijsten van de pagina nodig: de pagina’s van de leerlingen hebben de lijst die je opende niet.</translation>
    </message>
    <message>
        <source>The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title.</source>
        <translation>De klassenlink zou %1 tekens lang zijn, meer dan de %2 die een link veilig kan bevatten: maak de omschrijvingen of de titel korter.</translation>
    </message>
    <message>
        <source>These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list.</source>
        <translation>Deze keuzes geven te weinig verschillende puzzels voor %1 leerlingen: probeer minder themawoorden of een langere woordenlijst.</translation>
    </message>
    <message>
        <source>A clue cannot hold &quot;=&quot;, so these words have none: %1.</source>
        <translation>Een omschrijving mag geen „=” bevatten, dus deze woorden hebben er geen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them are listed by their clues.</source>
        <comment>1 of them is listed by its clue.</comment>
        <translation>
            <numerusform>%n daarvan staat in de lijst als omschrijving.</numerusform>
            <numerusform>%n daarvan staan in de lijst als omschrijving.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pencil on</source>
        <translation>Potlood aan</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Resultaat kopiëren</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Clear the theme words, their clues and the title?</source>
        <translation>De themawoorden, hun omschrijvingen en de titel leegmaken?</translation>
    </message>
    <message>
        <source>Start this puzzle over? Its letters and time go.</source>
        <translation>Deze puzzel opnieuw beginnen? De letters en de tijd gaan verloren.</translation>
    </message>
    <message>
        <source>A result code has 11 characters; this one has %1.</source>
        <translation>Een resultaatcode heeft 11 tekens; deze heeft er %1.</translation>
    </message>
    <message>
        <source>A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.</source>
        <translation>Een resultaatcode heeft alleen de cijfers 2 tot en met 9 en letters behalve I, L en O; deze heeft %1.</translation>
    </message>
    <message>
        <source>This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.</source>
        <translation>Deze code hoort bij puzzel %1, maar de klassenset heeft %2 puzzels: misschien is een teken verkeerd getypt.</translation>
    </message>
    <message>
        <source>This code does not fit the class set: a character may be typed wrongly, or it is from another set.</source>
        <translation>Deze code past niet bij de klassenset: misschien is een teken verkeerd getypt, of hij hoort bij een andere set.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Opgelost!</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2 · set %3</source>
        <translation>Puzzel %1 van %2 · set %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Checks: %1 · letters revealed: %2</source>
        <translation>Controles: %1 · onthulde letters: %2</translation>
    </message>
    <message>
        <source>Result code for your teacher: %1</source>
        <translation>Resultaatcode voor je leraar: %1</translation>
    </message>
    <message>
        <source>The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.</source>
        <translation>De keuzes zijn veranderd, dus dit is een nieuwe klassenset, set %2: links en afdrukken van eerder horen bij set %1.</translation>
    </message>
    <message>
        <source>A clue may have up to 60 characters: these lines have longer ones and are left out: %1.</source>
        <translation>Een omschrijving mag hoogstens 60 tekens hebben: deze regels hebben langere en worden weggelaten: %1.</translation>
    </message>
    <message>
        <source>Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.</source>
        <translation>Resultaatcodes worden gelezen tegen de klassenset op het scherm: druk eerst de klassenset af of kopieer de link ervan, of geef het startgetal.</translation>
    </message>
    <message>
        <source>Select a file of result codes</source>
        <translation>Kies een bestand met resultaatcodes</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Tekstbestanden</translation>
    </message>
    <message>
        <source>Select destination file for the class results</source>
        <translation>Kies het doelbestand voor de resultaten van de klas</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>CSV-bestanden</translation>
    </message>
    <message>
        <source>Loopword could not save the class results to:</source>
        <translation>Loopword kon de resultaten van de klas niet opslaan in:</translation>
    </message>
    <message>
        <source>Save these results as a CSV file for a spreadsheet?</source>
        <translation>Deze resultaten als CSV-bestand voor een spreadsheet opslaan?</translation>
    </message>
    <message>
        <source>Pupil %1: time %2, checks %3, letters revealed %4</source>
        <translation>Leerling %1: tijd %2, controles %3, onthulde letters %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select destination file for a learning platform package of this puzzle</source>
        <translation>Kies het doelbestand voor een leerplatformpakket van deze puzzel</translation>
    </message>
    <message>
        <source>Learning Platform Packages</source>
        <translation>Leerplatformpakketten</translation>
    </message>
    <message>
        <source>Loopword could not save the learning platform package to:</source>
        <translation>Loopword kon het leerplatformpakket niet opslaan in:</translation>
    </message>
    <message>
        <source>The learning platform did not say who you are, so this is puzzle 1 of the set.</source>
        <translation>Het leerplatform heeft niet gezegd wie je bent, dus dit is puzzel 1 van de reeks.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.</source>
        <translation>De voortgang die het leerplatform voor deze puzzel bewaarde, is beschadigd of afgebroken: de puzzel begint opnieuw.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept is of another puzzle: this one starts afresh.</source>
        <translation>De voortgang die het leerplatform bewaarde, hoort bij een andere puzzel: deze begint opnieuw.</translation>
    </message>
    <message>
        <source>The learning platform shows this puzzle for a look only: nothing you do here is recorded.</source>
        <translation>Het leerplatform toont deze puzzel alleen om te bekijken: niets wat je hier doet, wordt vastgelegd.</translation>
    </message>
    <message>
        <source>The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.</source>
        <translation>Het leerplatform nam niet aan wat deze pagina doorgaf: je kunt verder puzzelen, maar je voortgang en resultaat worden niet vastgelegd.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loopword User Guide</source>
        <translation>Handleiding van Loopword</translation>
    </message>
    <message>
        <source>OverWrite file: %1 ?</source>
        <translation>Bestand %1 overschrijven?</translation>
    </message>
    <message>
        <source>Loopword copied to:
%1
 %2 bytes</source>
        <translation>Loopword heeft de afbeelding gekopieerd naar:
%1
 %2 bytes</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>Printer %1 kon niet beginnen met afdrukken.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer %1.</source>
        <translation>De pagina kon niet naar printer %1 gestuurd worden.</translation>
    </message>
    <message>
        <source>Booklet written: %1, %2 pages.</source>
        <translation>Boekje geschreven: %1, %2 pagina&apos;s.</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Moeilijkheid</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Open puzzle…</source>
        <translation>Puzzel o&amp;penen…</translation>
    </message>
    <message>
        <source>&amp;Save puzzle…</source>
        <translation>Puzzel op&amp;slaan…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Af&amp;drukken</translation>
    </message>
    <message>
        <source>Save as &amp;bitmap</source>
        <translation>Opslaan als &amp;bitmap</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>PDF &amp;exporteren…</translation>
    </message>
    <message>
        <source>Export S&amp;VG…</source>
        <translation>S&amp;VG exporteren…</translation>
    </message>
    <message>
        <source>Export &amp;web page…</source>
        <translation>&amp;Webpagina exporteren…</translation>
    </message>
    <message>
        <source>Make boo&amp;klet…</source>
        <translation>Boekje &amp;maken…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Oplossing</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Samenstellen</translation>
    </message>
    <message>
        <source>&amp;Varied words</source>
        <translation>&amp;Gevarieerde woorden</translation>
    </message>
    <message>
        <source>&amp;One solution</source>
        <translation>&amp;Unieke oplossing</translation>
    </message>
    <message>
        <source>Solve on &amp;screen</source>
        <translation>Op het scherm &amp;oplossen</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>&amp;Reveal letter</source>
        <translation>&amp;Letter onthullen</translation>
    </message>
    <message>
        <source>S&amp;tarting Word</source>
        <translation>Be&amp;ginwoord</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Willekeurig</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Ingevoerd</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Woordenboek</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Eigen</translation>
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
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;Theme words…</source>
        <translation>T&amp;hemawoorden…</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Handleiding</translation>
    </message>
    <message>
        <source>Make booklet</source>
        <translation>Boekje maken</translation>
    </message>
    <message>
        <source>No word twice in the booklet</source>
        <translation>Geen woord twee keer in het boekje</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Gevarieerde woorden</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Unieke oplossing</translation>
    </message>
    <message>
        <source>Number of puzzles:</source>
        <translation>Aantal puzzels:</translation>
    </message>
    <message>
        <source>Theme words</source>
        <translation>Themawoorden</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Leeg&amp;maken</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Onge&amp;daan maken</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Opn&amp;ieuw</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Potlood</translation>
    </message>
    <message>
        <source>Hide &amp;timer</source>
        <translation>&amp;Timer verbergen</translation>
    </message>
    <message>
        <source>Number of pupils:</source>
        <translation>Aantal leerlingen:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Klassenset</translation>
    </message>
    <message>
        <source>&amp;Class set…</source>
        <translation>&amp;Klassenset…</translation>
    </message>
    <message>
        <source>&amp;Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>&amp;Woorden, gescheiden door regeleinden, spaties of komma&apos;s; een regel WOORD = omschrijving geeft het woord met zijn omschrijving:</translation>
    </message>
    <message>
        <source>St&amp;art over</source>
        <translation>Opnieuw &amp;beginnen</translation>
    </message>
    <message>
        <source>Class &amp;results…</source>
        <translation>&amp;Resultaten van de klas…</translation>
    </message>
    <message>
        <source>Export for a &amp;learning platform…</source>
        <translation>Exporteren voor een &amp;leerplatform…</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Place 23 8-letter words clock-wise into 8 spaces around each square.</source>
        <translation>Zet 23 woorden van 8 letters met de klok mee rond de vierkanten.</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>PUZZEL</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>OPLOSSING</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Moeilijkheid:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Puzzel %1 van %2</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>set %1</source>
        <translation>set %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Page language</source>
        <translation>Taal van de pagina</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Weergaven</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Oplossen</translation>
    </message>
    <message>
        <source>Make a puzzle</source>
        <translation>Puzzel maken</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Woordenlijst</translation>
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
        <translation>Eigen lijst…</translation>
    </message>
    <message>
        <source>Puzzle language</source>
        <translation>Taal van de puzzel</translation>
    </message>
    <message>
        <source>Own word list file</source>
        <translation>Bestand van de eigen woordenlijst</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Moeilijkheid</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
    <message>
        <source>Starting word</source>
        <translation>Beginwoord</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Willekeurig</translation>
    </message>
    <message>
        <source>This word:</source>
        <translation>Dit woord:</translation>
    </message>
    <message>
        <source>Starting word, 8 letters</source>
        <translation>Beginwoord, 8 letters</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startgetal</translation>
    </message>
    <message>
        <source>any</source>
        <translation>willekeurig</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Gevarieerde woorden</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Unieke oplossing</translation>
    </message>
    <message>
        <source>Theme words and title</source>
        <translation>Themawoorden en titel</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Puzzle commands</source>
        <translation>Puzzelopdrachten</translation>
    </message>
    <message>
        <source>Make puzzle</source>
        <translation>Puzzel maken</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Puzzel tonen</translation>
    </message>
    <message>
        <source>Print puzzle and solution</source>
        <translation>Puzzel en oplossing afdrukken</translation>
    </message>
    <message>
        <source>Save puzzle file</source>
        <translation>Puzzelbestand opslaan</translation>
    </message>
    <message>
        <source>Open puzzle file…</source>
        <translation>Puzzelbestand openen…</translation>
    </message>
    <message>
        <source>Puzzle file</source>
        <translation>Puzzelbestand</translation>
    </message>
    <message>
        <source>Copy pupil link</source>
        <translation>Leerlingenlink kopiëren</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Opslaan als webpagina</translation>
    </message>
    <message>
        <source>Forget this browser&apos;s puzzles</source>
        <translation>Puzzels van deze browser vergeten</translation>
    </message>
    <message>
        <source>Solving commands</source>
        <translation>Opdrachten voor het oplossen</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Controleren</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Letter onthullen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Opnieuw beginnen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Puzzle figure: choose a square and type its letters clockwise</source>
        <translation>Puzzelfiguur: kies een vierkant en typ de letters met de klok mee</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <translation>Schermtoetsenbord</translation>
    </message>
    <message>
        <source>Loopword stopped working: %1</source>
        <translation>Loopword werkt niet meer: %1</translation>
    </message>
    <message>
        <source>This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.</source>
        <translation>Deze browser bewaart hier geen voortgang (de opslag is vol of uitgeschakeld): de letters gaan verloren als de pagina sluit.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use &quot;%1&quot; and give pupils that file.</source>
        <translation>Deze pagina is geopend vanuit een bestand op deze computer, dus een link ernaar werkt alleen hier. Zet de pagina op een webserver om links te delen, of gebruik „%1” en geef leerlingen dat bestand.</translation>
    </message>
    <message>
        <source>The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.</source>
        <translation>De leerlingenlink is gekopieerd: plak hem waar je klas hem vindt. Hij opent deze puzzel, klaar om op te lossen.</translation>
    </message>
    <message>
        <source>Copy this pupil link: %1</source>
        <translation>Kopieer deze leerlingenlink: %1</translation>
    </message>
    <message>
        <source>Forget every puzzle and all progress kept in this browser? Use this on a shared computer.</source>
        <translation>Alle puzzels en alle voortgang in deze browser vergeten? Gebruik dit op een gedeelde computer.</translation>
    </message>
    <message>
        <source>This browser has forgotten its puzzles.</source>
        <translation>Deze browser is zijn puzzels vergeten.</translation>
    </message>
    <message>
        <source>Previous square</source>
        <translation>Vorig vierkant</translation>
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
        <translation>Volgend vierkant</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>The puzzle inside this page is damaged and cannot be read.</source>
        <translation>De puzzel in deze pagina is beschadigd en kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>the puzzle in the link</source>
        <translation>de puzzel in de link</translation>
    </message>
    <message>
        <source>the puzzle made</source>
        <translation>de gemaakte puzzel</translation>
    </message>
    <message>
        <source>the puzzle kept here</source>
        <translation>de hier bewaarde puzzel</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Handleiding</translation>
    </message>
    <message>
        <source>A damaged entry this browser kept for the page was dropped.</source>
        <translation>Een beschadigd gegeven dat deze browser voor de pagina bewaarde, is verwijderd.</translation>
    </message>
    <message>
        <source>The word lists in %1 could not be fetched: connect to the internet and reload the page.</source>
        <translation>De woordenlijsten in het %1 konden niet worden opgehaald: maak verbinding met internet en laad de pagina opnieuw.</translation>
    </message>
    <message>
        <source>The page to save could not be fetched: connect to the internet and try again.</source>
        <translation>De pagina om op te slaan kon niet worden opgehaald: maak verbinding met internet en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.</source>
        <translation>Dit is de vorm van Loopword voor een webserver: open hem via een webserver, of open loopword.html, de pagina in één bestand, vanaf de schijf.</translation>
    </message>
    <message>
        <source>What pupils may do</source>
        <translation>Wat leerlingen mogen</translation>
    </message>
    <message>
        <source>Pupils may check</source>
        <translation>Leerlingen mogen controleren</translation>
    </message>
    <message>
        <source>Pupils may reveal letters</source>
        <translation>Leerlingen mogen letters onthullen</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Timer tonen</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Potlood</translation>
    </message>
    <message>
        <source>Hide timer</source>
        <translation>Timer verbergen</translation>
    </message>
    <message>
        <source>Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>Woorden, gescheiden door regeleinden, spaties of komma&apos;s; een regel WOORD = omschrijving geeft het woord met zijn omschrijving:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Klassenset</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Leerlingen</translation>
    </message>
    <message>
        <source>Print class set</source>
        <translation>Klassenset afdrukken</translation>
    </message>
    <message>
        <source>Copy class link</source>
        <translation>Klassenlink kopiëren</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Je nummer</translation>
    </message>
    <message>
        <source>Your teacher gave each pupil a number: choose yours to open your own puzzle.</source>
        <translation>Je leraar heeft elke leerling een nummer gegeven: kies het jouwe om je eigen puzzel te openen.</translation>
    </message>
    <message>
        <source>Open my puzzle</source>
        <translation>Mijn puzzel openen</translation>
    </message>
    <message>
        <source>This page makes your puzzle from the link. Another version of the page may make a different puzzle for the same number, which your teacher&apos;s answers do not fit: then ask for a new link.</source>
        <translation>Deze pagina maakt je puzzel uit de link. Een andere versie van de pagina kan voor hetzelfde nummer een andere puzzel maken, waar de antwoorden van je leraar niet bij passen: vraag dan om een nieuwe link.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use &quot;%1&quot;.</source>
        <translation>Deze pagina is geopend vanuit een bestand op deze computer, dus een klassenlink ernaar werkt alleen hier. Zet de pagina op een webserver om je klas één link te geven, of gebruik „%1”.</translation>
    </message>
    <message>
        <source>The class link is copied: give it to your class. Each pupil opens it and chooses their number.</source>
        <translation>De klassenlink is gekopieerd: geef hem aan je klas. Elke leerling opent hem en kiest zijn nummer.</translation>
    </message>
    <message>
        <source>Copy this class link: %1</source>
        <translation>Kopieer deze klassenlink: %1</translation>
    </message>
    <message>
        <source>your puzzle</source>
        <translation>je puzzel</translation>
    </message>
    <message>
        <source>Something went wrong; your letters are kept. Reload the page to go on.</source>
        <translation>Er is iets misgegaan; de letters blijven bewaard. Laad de pagina opnieuw om verder te gaan.</translation>
    </message>
    <message>
        <source>This link is damaged or cut short. Ask your teacher for it again.</source>
        <translation>Deze link is beschadigd of afgebroken. Vraag je leraar er opnieuw om.</translation>
    </message>
    <message>
        <source>Make your own puzzle</source>
        <translation>Maak je eigen puzzel</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Not your number?</source>
        <translation>Niet jouw nummer?</translation>
    </message>
    <message>
        <source>Scan the code to open the link</source>
        <translation>Scan de code om de link te openen</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>QR-code van de link</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Scan to solve on a phone</source>
        <translation>Scan om op een telefoon op te lossen</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Controles</translation>
    </message>
    <message>
        <source>Letters revealed</source>
        <translation>Onthulde letters</translation>
    </message>
    <message>
        <source>Result code</source>
        <translation>Resultaatcode</translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation>Wat er mis is</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Resultaten van de klas</translation>
    </message>
    <message>
        <source>Result codes, one a line, as pupils copied them from their result cards:</source>
        <translation>Resultaatcodes, één per regel, zoals leerlingen ze van hun resultaatkaart kopieerden:</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Resultaten lezen</translation>
    </message>
    <message>
        <source>Download as CSV</source>
        <translation>Downloaden als CSV</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Resultaat kopiëren</translation>
    </message>
    <message>
        <source>This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.</source>
        <translation>Deze pagina heeft geen plaats voor puzzels: sla het leerplatformpakket op vanuit loopword.html zoals het geleverd is.</translation>
    </message>
    <message>
        <source>Save for a learning platform</source>
        <translation>Opslaan voor een leerplatform</translation>
    </message>
    <message>
        <source>The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.</source>
        <translation>Het deel van Loopword dat puzzels maakt kon niet worden opgehaald: maak verbinding met internet en probeer het opnieuw. Je kunt verder met oplossen.</translation>
    </message>
</context>
<context>
    <name>loopword::AboutForm</name>
    <message>
        <source>About Loopword</source>
        <translation>Over Loopword</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versie 1.0</translation>
    </message>
    <message>
        <source>
Loopword - October 2005
Makes 8-shaped word puzzles to print and solve on paper.
</source>
        <translation>
Loopword - oktober 2005
Maakt woordpuzzels in de vorm van een 8 om af te drukken en op papier op te lossen.
</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3
or (at your option) any later version: GPL-3.0-or-later.
</source>
        <translation>Vrije software onder de GNU General Public License, versie 3
of (naar keuze) een latere versie: GPL-3.0-or-later.
</translation>
    </message>
    <message>
        <source>English word lists from SCOWL (Spell Checker Oriented Word Lists)</source>
        <translation>Engelse woordenlijsten uit SCOWL (Spell Checker Oriented Word Lists)</translation>
    </message>
    <message>
        <source>German from igerman98</source>
        <translation>Duits uit igerman98</translation>
    </message>
    <message>
        <source>French from wfrench</source>
        <translation>Frans uit wfrench</translation>
    </message>
    <message>
        <source>Spanish from wspanish</source>
        <translation>Spaans uit wspanish</translation>
    </message>
    <message>
        <source>Italian from witalian</source>
        <translation>Italiaans uit witalian</translation>
    </message>
    <message>
        <source>Portuguese from ispell.pt</source>
        <translation>Portugees uit ispell.pt</translation>
    </message>
    <message>
        <source>Dutch from OpenTaal</source>
        <translation>Nederlands uit OpenTaal</translation>
    </message>
    <message>
        <source>Offensive words left out with the naughty-words blocklist</source>
        <translation>Aanstootgevende woorden weggelaten met de blokkeerlijst naughty-words</translation>
    </message>
    <message>
        <source>Word frequencies from subtitle word lists</source>
        <translation>Woordfrequenties uit woordenlijsten van ondertitels</translation>
    </message>
</context>
</TS>
