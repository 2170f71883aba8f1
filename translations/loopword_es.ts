<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Accessibility</name>
    <message>
        <source>Figure being filled</source>
        <translation>Figura rellenándose</translation>
    </message>
    <message>
        <source>Puzzle sheet</source>
        <translation>Hoja del pasatiempo</translation>
    </message>
    <message>
        <source>Solution sheet</source>
        <translation>Hoja de la solución</translation>
    </message>
    <message>
        <source>Puzzle being solved</source>
        <translation>Pasatiempo en resolución</translation>
    </message>
    <message>
        <source>Empty figure</source>
        <translation>Figura vacía</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (encontrada)</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Palabras: %1</translation>
    </message>
    <message>
        <source>hint %1</source>
        <translation>pista %1</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, incorrecta</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Cuadrado %1</translation>
    </message>
    <message>
        <source>Square %1, cell %2: %3</source>
        <translation>Cuadrado %1, casilla %2: %3</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Casilla %1</translation>
    </message>
    <message>
        <source>%1, pencil</source>
        <translation>%1, a lápiz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Loopword Puzzles</source>
        <translation>Pasatiempos Loopword</translation>
    </message>
    <message>
        <source>Select a puzzle to open</source>
        <translation>Elija un pasatiempo para abrir</translation>
    </message>
    <message>
        <source>Select destination file for this puzzle</source>
        <translation>Elija el archivo donde guardar este pasatiempo</translation>
    </message>
    <message>
        <source>Select destination file for a web page of this puzzle</source>
        <translation>Elija el archivo de una página web de este pasatiempo</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Páginas web</translation>
    </message>
    <message>
        <source>Select a file to open</source>
        <translation>Elija un archivo para abrir</translation>
    </message>
    <message>
        <source>Dictionary Files</source>
        <translation>Archivos de diccionario</translation>
    </message>
    <message>
        <source>Select destination file for a bitmap copy of this puzzle</source>
        <translation>Elija el archivo de una imagen bitmap de este pasatiempo</translation>
    </message>
    <message>
        <source>Loopword Bitmap Files</source>
        <translation>Imágenes bitmap de Loopword</translation>
    </message>
    <message>
        <source>Select destination file for a PDF of this puzzle</source>
        <translation>Elija el archivo de un PDF de este pasatiempo</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Archivos PDF</translation>
    </message>
    <message>
        <source>Select a name for the SVG files of this puzzle</source>
        <translation>Elija un nombre para los archivos SVG de este pasatiempo</translation>
    </message>
    <message>
        <source>SVG Files</source>
        <translation>Archivos SVG</translation>
    </message>
    <message>
        <source>Do you wish to print puzzle and its solution?</source>
        <translation>¿Imprimir el pasatiempo y su solución?</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Set up a default printer, then print again.</source>
        <translation>No hay ninguna impresora.
Configure una impresora predeterminada y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Select destination file for the booklet</source>
        <translation>Elija el archivo del cuadernillo</translation>
    </message>
    <message>
        <source>Enter 8-letter word A..Z</source>
        <translation>Escriba una palabra de 8 letras A..Z</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Palabra inicial</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary.</source>
        <translation>Las palabras del tema no caben todas en un mismo pasatiempo con este diccionario.</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary.</source>
        <translation>Con este diccionario no se puede crear ningún pasatiempo.</translation>
    </message>
    <message>
        <source>Specify 8-letter word</source>
        <translation>Escriba una palabra de 8 letras</translation>
    </message>
    <message>
        <source>Specify A..Z leters</source>
        <translation>Escriba solo letras A..Z</translation>
    </message>
    <message>
        <source>Compiling a new puzzle ends solving this one. Compile anyway?</source>
        <translation>Crear un pasatiempo nuevo termina la resolución de este. ¿Crearlo de todos modos?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Showing the solution ends solving this puzzle. Show it anyway?</source>
        <translation>Mostrar la solución termina la resolución de este pasatiempo. ¿Mostrarla de todos modos?</translation>
    </message>
    <message>
        <source>Opening a puzzle ends solving this one. Open anyway?</source>
        <translation>Abrir un pasatiempo termina la resolución de este. ¿Abrirlo de todos modos?</translation>
    </message>
    <message>
        <source>Exiting ends solving this puzzle. Exit anyway?</source>
        <translation>Salir termina la resolución de este pasatiempo. ¿Salir de todos modos?</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Ver pasatiempo</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Ver solución</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>There are no 8-letter words in this dictionary</source>
        <translation>Este diccionario no tiene palabras de 8 letras</translation>
    </message>
    <message>
        <source>Dictionary limit is 49,000 words</source>
        <translation>Un diccionario tiene como máximo 49.000 palabras</translation>
    </message>
    <message>
        <source>Loopword could not save the bitmap to:</source>
        <translation>Loopword no pudo guardar la imagen bitmap en:</translation>
    </message>
    <message>
        <source>Loopword could not save the PDF to:</source>
        <translation>Loopword no pudo guardar el PDF en:</translation>
    </message>
    <message>
        <source>Loopword could not save the SVG files to:</source>
        <translation>Loopword no pudo guardar los archivos SVG en:</translation>
    </message>
    <message>
        <source>Loopword could not save the booklet to:</source>
        <translation>Loopword no pudo guardar el cuadernillo en:</translation>
    </message>
    <message>
        <source>A puzzle holds at most 23 theme words; these are %1.</source>
        <translation>Un pasatiempo admite como máximo 23 palabras del tema; estas son %1.</translation>
    </message>
    <message>
        <source>Not 8 letters A to Z: %1.</source>
        <translation>No son 8 letras de la A a la Z: %1.</translation>
    </message>
    <message>
        <source>Given twice: %1.</source>
        <translation>Repetidas: %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary with the starting word %1.</source>
        <translation>Con este diccionario y la palabra inicial %1 no se puede crear ningún pasatiempo.</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.</source>
        <translation>Las palabras del tema no caben todas en un mismo pasatiempo con este diccionario y la palabra inicial %1.</translation>
    </message>
    <message>
        <source>Without %1 they fit.</source>
        <translation>Sin %1 caben todas.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; this dictionary has %1.</source>
        <translation>Un pasatiempo necesita 23 palabras distintas; este diccionario tiene %1.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; the dictionary and the theme words have %1.</source>
        <translation>Un pasatiempo necesita 23 palabras distintas; el diccionario y las palabras del tema tienen %1.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary.</source>
        <translation>No se encontró ningún pasatiempo de dificultad «%1» entre %2 pasatiempos creados con este diccionario.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.</source>
        <translation>No se encontró ningún pasatiempo de dificultad «%1» entre %2 pasatiempos creados con este diccionario y estas palabras del tema.</translation>
    </message>
    <message>
        <source>No puzzle with all the theme words was found in %1 seconds.</source>
        <translation>En %1 segundos no se encontró ningún pasatiempo con todas las palabras del tema.</translation>
    </message>
    <message>
        <source>Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.</source>
        <translation>Los pasatiempos del 1 al %1 no comparten ninguna palabra; la lista de palabras no da para más, así que las palabras se repiten a partir del pasatiempo %2.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Línea %1: %2.</translation>
    </message>
    <message>
        <source>a puzzle needs 23 placement lines, this one has %1</source>
        <translation>un pasatiempo necesita 23 líneas de colocación, este tiene %1</translation>
    </message>
    <message>
        <source>square %1 where square %2 belongs</source>
        <translation>el cuadrado %1 está donde va el cuadrado %2</translation>
    </message>
    <message>
        <source>the ring %1 is not the word %2 read clockwise from cell %3</source>
        <translation>el anillo %1 no es la palabra %2 leída en sentido horario desde la casilla %3</translation>
    </message>
    <message>
        <source>the word %1 is already in square %2</source>
        <translation>la palabra %1 ya está en el cuadrado %2</translation>
    </message>
    <message>
        <source>square %1 disagrees with square %2 at a shared cell</source>
        <translation>el cuadrado %1 no coincide con el cuadrado %2 en una casilla compartida</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>No complete puzzle could be made with this dictionary and starting word.</source>
        <translation>No se pudo crear ningún pasatiempo completo con este diccionario y esta palabra inicial.</translation>
    </message>
    <message>
        <source>There is no puzzle to put in the booklet.</source>
        <translation>No hay ningún pasatiempo para el cuadernillo.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>No se pudo escribir el PDF.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ya hay una carpeta con ese nombre.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>No hay ninguna imagen que guardar.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>No se pudo escribir la imagen.</translation>
    </message>
    <message>
        <source>The word list is too small to keep words apart: words repeat from puzzle 2 on.</source>
        <translation>La lista de palabras es demasiado pequeña para no repetir palabras: se repiten a partir del pasatiempo 2.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>not a placement line of the form &quot;SS RRRRRRRR D WWWWWWWW&quot;</source>
        <translation>no es una línea de colocación de la forma &quot;SS RRRRRRRR D WWWWWWWW&quot;</translation>
    </message>
    <message>
        <source>the difficulty must be standard, easy, medium, hard or expert</source>
        <translation>la dificultad debe ser standard, easy, medium, hard o expert</translation>
    </message>
    <message>
        <source>hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8</source>
        <translation>las casillas de pista se escriben SS.P: cuadrado 01 a 23 salvo el 12, posición 1 a 8 en el anillo</translation>
    </message>
    <message>
        <source>The file holds no puzzle.</source>
        <translation>El archivo no contiene ningún pasatiempo.</translation>
    </message>
    <message>
        <source>bad character in a comment line</source>
        <translation>carácter no válido en una línea de comentario</translation>
    </message>
    <message>
        <source>bad character in a placement line</source>
        <translation>carácter no válido en una línea de colocación</translation>
    </message>
    <message>
        <source>more than 23 placement lines without an empty line between puzzles</source>
        <translation>más de 23 líneas de colocación sin una línea vacía entre pasatiempos</translation>
    </message>
    <message>
        <source>Loopword could not open the puzzle file:</source>
        <translation>Loopword no pudo abrir el archivo de pasatiempo:</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>El archivo ocupa más de 1 MiB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>No se pudo leer el archivo.</translation>
    </message>
    <message>
        <source>The letters typed into it are damaged.</source>
        <translation>Las letras escritas en él están dañadas.</translation>
    </message>
    <message>
        <source>Loopword could not save the puzzle to:</source>
        <translation>Loopword no pudo guardar el pasatiempo en:</translation>
    </message>
    <message>
        <source>Loopword&apos;s web page is missing or damaged:</source>
        <translation>La página web de Loopword falta o está dañada:</translation>
    </message>
    <message>
        <source>Loopword could not save the web page to:</source>
        <translation>Loopword no pudo guardar la página web en:</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>Es una carpeta</translation>
    </message>
    <message>
        <source>Error while reading dictionary:</source>
        <translation>Error al leer el diccionario:</translation>
    </message>
    <message>
        <source>Program may not run correctly</source>
        <translation>Puede que el programa no funcione bien</translation>
    </message>
    <message>
        <source>No theme words: puzzles come from the word list alone.</source>
        <translation>Sin palabras del tema: los pasatiempos salen solo de la lista de palabras.</translation>
    </message>
    <message>
        <source>read as Windows-1252, %1 with Ñ read as N</source>
        <translation>leído como Windows-1252, %1 con Ñ leída como N</translation>
    </message>
    <message>
        <source>%1 with Ñ read as N</source>
        <translation>%1 con Ñ leída como N</translation>
    </message>
    <message>
        <source>%1 reads as %2: not 8 letters A to Z.</source>
        <translation>%1 se lee %2: no son 8 letras de la A a la Z.</translation>
    </message>
    <message>
        <source>read as Windows-1252</source>
        <translation>leído como Windows-1252</translation>
    </message>
    <message>
        <source>the list is neither UTF-8 nor Windows-1252 text</source>
        <translation>la lista no es texto UTF-8 ni Windows-1252</translation>
    </message>
    <message>
        <source>Loopword is still compiling a puzzle.</source>
        <translation>Loopword todavía está creando un pasatiempo.</translation>
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
        <translation>Este programa crea un pasatiempo de palabras en forma de 8 para que lo imprima y lo resuelva con calma.

- El pasatiempo tiene 23 palabras de 8 letras en 23 cuadrados
- Como pista se dan una palabra y algunas letras
- Cada palabra se escribe en sentido horario alrededor de su cuadrado
- Una palabra puede empezar en cualquier casilla alrededor del cuadrado
- Las letras de las casillas compartidas deben coincidir
- Ninguna palabra puede usarse dos veces
- Puede usar uno de los tres diccionarios incluidos o uno propio
- Un diccionario propio debe ser un archivo de texto ordenado, con una palabra por línea</translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words)</source>
        <comment>Dictionary: %1 (1 word)</comment>
        <translation>
            <numerusform>Diccionario: %1 (%n palabra)</numerusform>
            <numerusform>Diccionario: %1 (%n palabras)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words, %2)</source>
        <comment>Dictionary: %1 (1 word, %2)</comment>
        <translation>
            <numerusform>Diccionario: %1 (%n palabra, %2)</numerusform>
            <numerusform>Diccionario: %1 (%n palabras, %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n theme words</source>
        <comment>%1 - 1 theme word</comment>
        <translation>
            <numerusform>%1 - %n palabra del tema</numerusform>
            <numerusform>%1 - %n palabras del tema</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n theme words will be in every puzzle.</source>
        <comment>1 theme word will be in every puzzle.</comment>
        <translation>
            <numerusform>%n palabra del tema estará en cada pasatiempo.</numerusform>
            <numerusform>%n palabras del tema estarán en cada pasatiempo.</numerusform>
        </translation>
    </message>
    <message>
        <source>The seed &quot;%1&quot; is not a whole number from 0 to 18446744073709551615: no puzzle was made.</source>
        <translation>La semilla «%1» no es un número entero de 0 a 18446744073709551615: no se creó ningún pasatiempo.</translation>
    </message>
    <message>
        <source>Some choices could not be read and are back at their defaults: %1.</source>
        <translation>Algunas opciones no se pudieron leer y vuelven a su valor predeterminado: %1.</translation>
    </message>
    <message>
        <source>Check: every letter so far is right.</source>
        <translation>Comprobación: todas las letras hasta ahora son correctas.</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n letters are wrong, marked in the figure.</source>
        <comment>Check: 1 letter is wrong, marked in the figure.</comment>
        <translation>
            <numerusform>Comprobación: %n letra es incorrecta, marcada en la figura.</numerusform>
            <numerusform>Comprobación: %n letras son incorrectas, marcadas en la figura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Still trying: attempt %1 of %2.</source>
        <translation>Sigue intentándolo: intento %1 de %2.</translation>
    </message>
    <message>
        <source>Searching every puzzle the word list allows…</source>
        <translation>Buscando entre todos los pasatiempos que permite la lista de palabras…</translation>
    </message>
    <message>
        <source>A title holds at most 60 characters; this one has %1.</source>
        <translation>Un título tiene como máximo 60 caracteres; este tiene %1.</translation>
    </message>
    <message>
        <source>The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.</source>
        <translation>El cuadro de palabras del tema admite hasta %1 caracteres, y este tiene %2: deje solo las palabras que caben en un pasatiempo.</translation>
    </message>
    <message>
        <source>What your teacher turned off could not be read (&quot;%1&quot;): everything is allowed.</source>
        <translation>No se pudo leer lo que su profesor desactivó («%1»): todo está permitido.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1.</source>
        <translation>Su profesor ha desactivado %1.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1 and %2.</source>
        <translation>Su profesor ha desactivado %1 y %2.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1, %2 and %3.</source>
        <translation>Su profesor ha desactivado %1, %2 y %3.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>«Comprobar»</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>«Revelar letra»</translation>
    </message>
    <message>
        <source>the timer</source>
        <translation>el cronómetro</translation>
    </message>
    <message>
        <source>Some pencil letters kept with this puzzle were damaged and were left out.</source>
        <translation>Algunas letras a lápiz guardadas con este pasatiempo estaban dañadas y se han omitido.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 and %3</source>
        <translation>Resuelto en %1 con %2 y %3</translation>
    </message>
    <message>
        <source>Solved with %1 and %2</source>
        <translation>Resuelto con %1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n checks</source>
        <comment>1 check</comment>
        <translation>
            <numerusform>%n comprobación</numerusform>
            <numerusform>%n comprobaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n letters revealed</source>
        <comment>1 letter revealed</comment>
        <translation>
            <numerusform>%n letra revelada</numerusform>
            <numerusform>%n letras reveladas</numerusform>
        </translation>
    </message>
    <message>
        <source>Select destination file for the class set</source>
        <translation>Elija el archivo del juego para la clase</translation>
    </message>
    <message>
        <source>Puzzles made: %1 of %2</source>
        <translation>Pasatiempos creados: %1 de %2</translation>
    </message>
    <message>
        <source>a clue line must be &quot;# clue: WORD clue&quot;: 8 capitals, then a clue of 1 to 60 characters</source>
        <translation>una línea de definición debe ser «# clue: PALABRA definición»: 8 mayúsculas y luego una definición de 1 a 60 caracteres</translation>
    </message>
    <message>
        <source>the word %1 has a clue already</source>
        <translation>la palabra %1 ya tiene una definición</translation>
    </message>
    <message>
        <source>the clue is for %1, which is not in the puzzle</source>
        <translation>la definición es de %1, que no está en el pasatiempo</translation>
    </message>
    <message>
        <source>This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.</source>
        <translation>Este enlace de clase está cortado o dañado y no puede crear su pasatiempo: pida otra vez el enlace a su profesor.</translation>
    </message>
    <message>
        <source>A class set is for %1 to %2 pupils.</source>
        <translation>Un juego para la clase es para %1 a %2 alumnos.</translation>
    </message>
    <message>
        <source>Choose your number from 1 to %1.</source>
        <translation>Elija su número del 1 al %1.</translation>
    </message>
    <message>
        <source>A class link needs one of the page&apos;s own word lists: pupils&apos; pages do not have the list you opened.</source>
        <translation>Un enlace de clase necesita una de las listas de palabras de la página: las páginas de los alumnos no tienen la lista que usted abrió.</translation>
    </message>
    <message>
        <source>The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title.</source>
        <translation>El enlace de clase tendría %1 caracteres, más de los %2 que un enlace admite con seguridad: acorte las definiciones o el título.</translation>
    </message>
    <message>
        <source>These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list.</source>
        <translation>Estas opciones dan demasiado pocos pasatiempos distintos para %1 alumnos: pruebe con menos palabras del tema o una lista de palabras más larga.</translation>
    </message>
    <message>
        <source>A clue cannot hold &quot;=&quot;, so these words have none: %1.</source>
        <translation>Una definición no puede contener «=», así que estas palabras no tienen ninguna: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them are listed by their clues.</source>
        <comment>1 of them is listed by its clue.</comment>
        <translation>
            <numerusform>%n de ellas aparece por su definición.</numerusform>
            <numerusform>%n de ellas aparecen por su definición.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pencil on</source>
        <translation>Lápiz activado</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copiar resultado</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Clear the theme words, their clues and the title?</source>
        <translation>¿Borrar las palabras del tema, sus definiciones y el título?</translation>
    </message>
    <message>
        <source>Start this puzzle over? Its letters and time go.</source>
        <translation>¿Empezar de nuevo este pasatiempo? Se pierden sus letras y su tiempo.</translation>
    </message>
    <message>
        <source>A result code has 11 characters; this one has %1.</source>
        <translation>Un código de resultado tiene 11 caracteres; este tiene %1.</translation>
    </message>
    <message>
        <source>A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.</source>
        <translation>Un código de resultado solo tiene las cifras del 2 al 9 y letras que no sean I, L ni O; este tiene %1.</translation>
    </message>
    <message>
        <source>This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.</source>
        <translation>Este código es del pasatiempo %1, pero el juego para la clase tiene %2 pasatiempos: quizá se escribió mal un carácter.</translation>
    </message>
    <message>
        <source>This code does not fit the class set: a character may be typed wrongly, or it is from another set.</source>
        <translation>Este código no corresponde al juego para la clase: quizá se escribió mal un carácter, o es de otro juego.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>¡Resuelto!</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2 · set %3</source>
        <translation>Pasatiempo %1 de %2 · juego %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Checks: %1 · letters revealed: %2</source>
        <translation>Comprobaciones: %1 · letras reveladas: %2</translation>
    </message>
    <message>
        <source>Result code for your teacher: %1</source>
        <translation>Código de resultado para su profesor: %1</translation>
    </message>
    <message>
        <source>The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.</source>
        <translation>Las opciones cambiaron, así que este es un nuevo juego para la clase, el juego %2: los enlaces y las impresiones de antes pertenecen al juego %1.</translation>
    </message>
    <message>
        <source>A clue may have up to 60 characters: these lines have longer ones and are left out: %1.</source>
        <translation>Una definición puede tener hasta 60 caracteres: estas líneas las tienen más largas y se dejan fuera: %1.</translation>
    </message>
    <message>
        <source>Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.</source>
        <translation>Los códigos de resultado se leen con el juego para la clase en pantalla: imprima antes el juego o copie su enlace, o indique su semilla.</translation>
    </message>
    <message>
        <source>Select a file of result codes</source>
        <translation>Elija un archivo de códigos de resultado</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Archivos de texto</translation>
    </message>
    <message>
        <source>Select destination file for the class results</source>
        <translation>Elija el archivo de destino de los resultados de la clase</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>Loopword could not save the class results to:</source>
        <translation>Loopword no pudo guardar los resultados de la clase en:</translation>
    </message>
    <message>
        <source>Save these results as a CSV file for a spreadsheet?</source>
        <translation>¿Guardar estos resultados como archivo CSV para una hoja de cálculo?</translation>
    </message>
    <message>
        <source>Pupil %1: time %2, checks %3, letters revealed %4</source>
        <translation>Alumno %1: tiempo %2, comprobaciones %3, letras reveladas %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select destination file for a learning platform package of this puzzle</source>
        <translation>Seleccione el archivo de destino de un paquete para plataforma de aprendizaje de este pasatiempo</translation>
    </message>
    <message>
        <source>Learning Platform Packages</source>
        <translation>Paquetes para plataforma de aprendizaje</translation>
    </message>
    <message>
        <source>Loopword could not save the learning platform package to:</source>
        <translation>Loopword no pudo guardar el paquete para plataforma de aprendizaje en:</translation>
    </message>
    <message>
        <source>The learning platform did not say who you are, so this is puzzle 1 of the set.</source>
        <translation>La plataforma de aprendizaje no dijo quién eres, así que este es el pasatiempo 1 de la serie.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.</source>
        <translation>El progreso que la plataforma de aprendizaje guardó de este pasatiempo está dañado o incompleto: el pasatiempo empieza de nuevo.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept is of another puzzle: this one starts afresh.</source>
        <translation>El progreso que la plataforma de aprendizaje guardó es de otro pasatiempo: este empieza de nuevo.</translation>
    </message>
    <message>
        <source>The learning platform shows this puzzle for a look only: nothing you do here is recorded.</source>
        <translation>La plataforma de aprendizaje muestra este pasatiempo solo para verlo: nada de lo que hagas aquí se registra.</translation>
    </message>
    <message>
        <source>The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.</source>
        <translation>La plataforma de aprendizaje no aceptó lo que esta página le comunicó: puedes seguir resolviendo, pero tu progreso y tu resultado no se registran.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loopword User Guide</source>
        <translation>Guía de Loopword</translation>
    </message>
    <message>
        <source>OverWrite file: %1 ?</source>
        <translation>¿Sobrescribir el archivo %1?</translation>
    </message>
    <message>
        <source>Loopword copied to:
%1
 %2 bytes</source>
        <translation>Loopword ha copiado la imagen en:
%1
 %2 bytes</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>La impresora %1 no pudo empezar a imprimir.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer %1.</source>
        <translation>No se pudo enviar la página a la impresora %1.</translation>
    </message>
    <message>
        <source>Booklet written: %1, %2 pages.</source>
        <translation>Cuadernillo escrito: %1, %2 páginas.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open puzzle…</source>
        <translation>&amp;Abrir pasatiempo…</translation>
    </message>
    <message>
        <source>&amp;Save puzzle…</source>
        <translation>&amp;Guardar pasatiempo…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as &amp;bitmap</source>
        <translation>Guardar como &amp;bitmap</translation>
    </message>
    <message>
        <source>&amp;Export PDF…</source>
        <translation>&amp;Exportar PDF…</translation>
    </message>
    <message>
        <source>Export S&amp;VG…</source>
        <translation>Exportar S&amp;VG…</translation>
    </message>
    <message>
        <source>Export &amp;web page…</source>
        <translation>Exportar página &amp;web…</translation>
    </message>
    <message>
        <source>Make boo&amp;klet…</source>
        <translation>Crear &amp;cuadernillo…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solución</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Crear</translation>
    </message>
    <message>
        <source>&amp;Varied words</source>
        <translation>Palabras &amp;variadas</translation>
    </message>
    <message>
        <source>&amp;One solution</source>
        <translation>&amp;Una sola solución</translation>
    </message>
    <message>
        <source>Solve on &amp;screen</source>
        <translation>Resolver en &amp;pantalla</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>C&amp;omprobar</translation>
    </message>
    <message>
        <source>&amp;Reveal letter</source>
        <translation>&amp;Revelar letra</translation>
    </message>
    <message>
        <source>S&amp;tarting Word</source>
        <translation>&amp;Palabra inicial</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Al azar</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Escrita</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Diccionario</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Propio</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Nivel &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Nivel &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Nivel &amp;3</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Theme words…</source>
        <translation>Palabras del &amp;tema…</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guía</translation>
    </message>
    <message>
        <source>Make booklet</source>
        <translation>Crear cuadernillo</translation>
    </message>
    <message>
        <source>No word twice in the booklet</source>
        <translation>Ninguna palabra dos veces en el cuadernillo</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Palabras variadas</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Una sola solución</translation>
    </message>
    <message>
        <source>Number of puzzles:</source>
        <translation>Número de pasatiempos:</translation>
    </message>
    <message>
        <source>Theme words</source>
        <translation>Palabras del tema</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>Di&amp;ficultad</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Re&amp;hacer</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Lápiz</translation>
    </message>
    <message>
        <source>Hide &amp;timer</source>
        <translation>Ocultar el cro&amp;nómetro</translation>
    </message>
    <message>
        <source>Number of pupils:</source>
        <translation>Número de alumnos:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Juego para la clase</translation>
    </message>
    <message>
        <source>&amp;Class set…</source>
        <translation>&amp;Juego para la clase…</translation>
    </message>
    <message>
        <source>&amp;Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>&amp;Palabras, separadas por saltos de línea, espacios o comas; una línea PALABRA = definición da la palabra por su definición:</translation>
    </message>
    <message>
        <source>St&amp;art over</source>
        <translation>&amp;Empezar de nuevo</translation>
    </message>
    <message>
        <source>Class &amp;results…</source>
        <translation>&amp;Resultados de la clase…</translation>
    </message>
    <message>
        <source>Export for a &amp;learning platform…</source>
        <translation>Exportar para una plataforma de a&amp;prendizaje…</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Place 23 8-letter words clock-wise into 8 spaces around each square.</source>
        <translation>Rodee los cuadrados con 23 palabras de 8 letras en sentido horario.</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>PASATIEMPO</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUCIÓN</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Dificultad:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Pasatiempo %1 de %2</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>set %1</source>
        <translation>juego %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Page language</source>
        <translation>Idioma de la página</translation>
    </message>
    <message>
        <source>Faces</source>
        <translation>Vistas</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>Make a puzzle</source>
        <translation>Crear un pasatiempo</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Lista de palabras</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Nivel 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nivel 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nivel 3</translation>
    </message>
    <message>
        <source>Own list…</source>
        <translation>Lista propia…</translation>
    </message>
    <message>
        <source>Puzzle language</source>
        <translation>Idioma del pasatiempo</translation>
    </message>
    <message>
        <source>Own word list file</source>
        <translation>Archivo de la lista de palabras propia</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Estándar</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Starting word</source>
        <translation>Palabra inicial</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>This word:</source>
        <translation>Esta palabra:</translation>
    </message>
    <message>
        <source>Starting word, 8 letters</source>
        <translation>Palabra inicial, 8 letras</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>any</source>
        <translation>cualquiera</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Palabras variadas</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Una sola solución</translation>
    </message>
    <message>
        <source>Theme words and title</source>
        <translation>Palabras del tema y título</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Puzzle commands</source>
        <translation>Órdenes del pasatiempo</translation>
    </message>
    <message>
        <source>Make puzzle</source>
        <translation>Crear pasatiempo</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Ver pasatiempo</translation>
    </message>
    <message>
        <source>Print puzzle and solution</source>
        <translation>Imprimir pasatiempo y solución</translation>
    </message>
    <message>
        <source>Save puzzle file</source>
        <translation>Guardar archivo del pasatiempo</translation>
    </message>
    <message>
        <source>Open puzzle file…</source>
        <translation>Abrir archivo de pasatiempo…</translation>
    </message>
    <message>
        <source>Puzzle file</source>
        <translation>Archivo de pasatiempo</translation>
    </message>
    <message>
        <source>Copy pupil link</source>
        <translation>Copiar enlace para los alumnos</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>Forget this browser&apos;s puzzles</source>
        <translation>Olvidar los pasatiempos de este navegador</translation>
    </message>
    <message>
        <source>Solving commands</source>
        <translation>Órdenes para resolver</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Revelar letra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Empezar de nuevo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Puzzle figure: choose a square and type its letters clockwise</source>
        <translation>Figura del pasatiempo: elija un cuadrado y escriba sus letras en sentido horario</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <translation>Teclado en pantalla</translation>
    </message>
    <message>
        <source>Loopword stopped working: %1</source>
        <translation>Loopword dejó de funcionar: %1</translation>
    </message>
    <message>
        <source>This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.</source>
        <translation>Este navegador no guarda aquí el progreso (su almacenamiento está lleno o desactivado): las letras se pierden al cerrar la página.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use &quot;%1&quot; and give pupils that file.</source>
        <translation>Esta página se abrió desde un archivo de este ordenador, así que un enlace a ella solo funciona aquí. Ponga la página en un servidor web para compartir enlaces, o use «%1» y dé ese archivo a los alumnos.</translation>
    </message>
    <message>
        <source>The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.</source>
        <translation>El enlace para los alumnos está copiado: péguelo donde su clase lo encuentre. Abre este pasatiempo, listo para resolver.</translation>
    </message>
    <message>
        <source>Copy this pupil link: %1</source>
        <translation>Copie este enlace para los alumnos: %1</translation>
    </message>
    <message>
        <source>Forget every puzzle and all progress kept in this browser? Use this on a shared computer.</source>
        <translation>¿Olvidar todos los pasatiempos y todo el progreso guardados en este navegador? Úselo en un ordenador compartido.</translation>
    </message>
    <message>
        <source>This browser has forgotten its puzzles.</source>
        <translation>Este navegador ha olvidado sus pasatiempos.</translation>
    </message>
    <message>
        <source>Previous square</source>
        <translation>Cuadrado anterior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Next square</source>
        <translation>Cuadrado siguiente</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>The puzzle inside this page is damaged and cannot be read.</source>
        <translation>El pasatiempo de esta página está dañado y no se puede leer.</translation>
    </message>
    <message>
        <source>the puzzle in the link</source>
        <translation>el pasatiempo del enlace</translation>
    </message>
    <message>
        <source>the puzzle made</source>
        <translation>el pasatiempo creado</translation>
    </message>
    <message>
        <source>the puzzle kept here</source>
        <translation>el pasatiempo guardado aquí</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>A damaged entry this browser kept for the page was dropped.</source>
        <translation>Se descartó una entrada dañada que este navegador guardaba para la página.</translation>
    </message>
    <message>
        <source>The word lists in %1 could not be fetched: connect to the internet and reload the page.</source>
        <translation>No se pudieron descargar las listas de palabras en %1: conéctese a internet y vuelva a cargar la página.</translation>
    </message>
    <message>
        <source>The page to save could not be fetched: connect to the internet and try again.</source>
        <translation>No se pudo descargar la página que se iba a guardar: conéctese a internet y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.</source>
        <translation>Esta es la versión de Loopword para un servidor web: ábrala desde un servidor web, o abra loopword.html, la página de un solo archivo, desde el disco.</translation>
    </message>
    <message>
        <source>What pupils may do</source>
        <translation>Lo que pueden hacer los alumnos</translation>
    </message>
    <message>
        <source>Pupils may check</source>
        <translation>Los alumnos pueden comprobar</translation>
    </message>
    <message>
        <source>Pupils may reveal letters</source>
        <translation>Los alumnos pueden revelar letras</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Mostrar el cronómetro</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>Hide timer</source>
        <translation>Ocultar el cronómetro</translation>
    </message>
    <message>
        <source>Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>Palabras, separadas por saltos de línea, espacios o comas; una línea PALABRA = definición da la palabra por su definición:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Juego para la clase</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Alumnos</translation>
    </message>
    <message>
        <source>Print class set</source>
        <translation>Imprimir el juego para la clase</translation>
    </message>
    <message>
        <source>Copy class link</source>
        <translation>Copiar enlace de clase</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>Su número</translation>
    </message>
    <message>
        <source>Your teacher gave each pupil a number: choose yours to open your own puzzle.</source>
        <translation>Su profesor dio un número a cada alumno: elija el suyo para abrir su propio pasatiempo.</translation>
    </message>
    <message>
        <source>Open my puzzle</source>
        <translation>Abrir mi pasatiempo</translation>
    </message>
    <message>
        <source>This page makes your puzzle from the link. Another version of the page may make a different puzzle for the same number, which your teacher&apos;s answers do not fit: then ask for a new link.</source>
        <translation>Esta página crea su pasatiempo a partir del enlace. Otra versión de la página puede crear un pasatiempo distinto para el mismo número, al que no corresponden las soluciones de su profesor: pida entonces un enlace nuevo.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use &quot;%1&quot;.</source>
        <translation>Esta página se abrió desde un archivo de este ordenador, así que un enlace de clase a ella solo funciona aquí. Ponga la página en un servidor web para dar un enlace a su clase, o use «%1».</translation>
    </message>
    <message>
        <source>The class link is copied: give it to your class. Each pupil opens it and chooses their number.</source>
        <translation>El enlace de clase está copiado: déselo a su clase. Cada alumno lo abre y elige su número.</translation>
    </message>
    <message>
        <source>Copy this class link: %1</source>
        <translation>Copie este enlace de clase: %1</translation>
    </message>
    <message>
        <source>your puzzle</source>
        <translation>su pasatiempo</translation>
    </message>
    <message>
        <source>Something went wrong; your letters are kept. Reload the page to go on.</source>
        <translation>Algo ha fallado; sus letras se conservan. Recargue la página para continuar.</translation>
    </message>
    <message>
        <source>This link is damaged or cut short. Ask your teacher for it again.</source>
        <translation>Este enlace está dañado o cortado. Pídalo otra vez a su profesor.</translation>
    </message>
    <message>
        <source>Make your own puzzle</source>
        <translation>Crear su propio pasatiempo</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Not your number?</source>
        <translation>¿No es su número?</translation>
    </message>
    <message>
        <source>Scan the code to open the link</source>
        <translation>Escanee el código para abrir el enlace</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>Código QR del enlace</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Scan to solve on a phone</source>
        <translation>Escanee para resolverlo en un móvil</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Comprobaciones</translation>
    </message>
    <message>
        <source>Letters revealed</source>
        <translation>Letras reveladas</translation>
    </message>
    <message>
        <source>Result code</source>
        <translation>Código de resultado</translation>
    </message>
    <message>
        <source>What is wrong</source>
        <translation>Qué falla</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Result codes, one a line, as pupils copied them from their result cards:</source>
        <translation>Códigos de resultado, uno por línea, tal como los alumnos los copiaron de su tarjeta de resultado:</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Leer resultados</translation>
    </message>
    <message>
        <source>Download as CSV</source>
        <translation>Descargar como CSV</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copiar el resultado</translation>
    </message>
    <message>
        <source>This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.</source>
        <translation>Esta página no tiene sitio para pasatiempos: guarde el paquete para plataforma de aprendizaje desde loopword.html tal como se distribuyó.</translation>
    </message>
    <message>
        <source>Save for a learning platform</source>
        <translation>Guardar para una plataforma de aprendizaje</translation>
    </message>
    <message>
        <source>The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.</source>
        <translation>No se pudo descargar la parte de Loopword que crea pasatiempos: conéctese a internet y vuelva a intentarlo. Puede seguir resolviendo.</translation>
    </message>
</context>
<context>
    <name>loopword::AboutForm</name>
    <message>
        <source>About Loopword</source>
        <translation>Acerca de Loopword</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versión 1.0</translation>
    </message>
    <message>
        <source>
Loopword - October 2005
Makes 8-shaped word puzzles to print and solve on paper.
</source>
        <translation>
Loopword - octubre de 2005
Crea pasatiempos de palabras en forma de 8 para imprimir y resolver en papel.
</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3
or (at your option) any later version: GPL-3.0-or-later.
</source>
        <translation>Software libre bajo la GNU General Public License, versión 3
o (a su elección) cualquier versión posterior: GPL-3.0-or-later.
</translation>
    </message>
    <message>
        <source>English word lists from SCOWL (Spell Checker Oriented Word Lists)</source>
        <translation>Listas de palabras en inglés de SCOWL (Spell Checker Oriented Word Lists)</translation>
    </message>
    <message>
        <source>German from igerman98</source>
        <translation>Alemán: igerman98</translation>
    </message>
    <message>
        <source>French from wfrench</source>
        <translation>Francés: wfrench</translation>
    </message>
    <message>
        <source>Spanish from wspanish</source>
        <translation>Español: wspanish</translation>
    </message>
    <message>
        <source>Italian from witalian</source>
        <translation>Italiano: witalian</translation>
    </message>
    <message>
        <source>Portuguese from ispell.pt</source>
        <translation>Portugués: ispell.pt</translation>
    </message>
    <message>
        <source>Dutch from OpenTaal</source>
        <translation>Neerlandés: OpenTaal</translation>
    </message>
    <message>
        <source>Offensive words left out with the naughty-words blocklist</source>
        <translation>Palabras ofensivas excluidas con la lista de bloqueo naughty-words</translation>
    </message>
    <message>
        <source>Word frequencies from subtitle word lists</source>
        <translation>Frecuencias de palabras tomadas de listas de palabras de subtítulos</translation>
    </message>
</context>
</TS>
