<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Accessibility</name>
    <message>
        <source>Figure being filled</source>
        <translation>Figura a ser preenchida</translation>
    </message>
    <message>
        <source>Puzzle sheet</source>
        <translation>Folha do passatempo</translation>
    </message>
    <message>
        <source>Solution sheet</source>
        <translation>Folha da solução</translation>
    </message>
    <message>
        <source>Puzzle being solved</source>
        <translation>Passatempo a ser resolvido</translation>
    </message>
    <message>
        <source>Empty figure</source>
        <translation>Figura vazia</translation>
    </message>
    <message>
        <source>%1 (found)</source>
        <translation>%1 (encontrada)</translation>
    </message>
    <message>
        <source>Words: %1</source>
        <translation>Palavras: %1</translation>
    </message>
    <message>
        <source>hint %1</source>
        <translation>pista %1</translation>
    </message>
    <message>
        <source>%1, wrong</source>
        <translation>%1, errada</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vazia</translation>
    </message>
    <message>
        <source>Square %1</source>
        <translation>Quadrado %1</translation>
    </message>
    <message>
        <source>Square %1, cell %2: %3</source>
        <translation>Quadrado %1, casa %2: %3</translation>
    </message>
    <message>
        <source>Cell %1</source>
        <translation>Casa %1</translation>
    </message>
    <message>
        <source>%1, pencil</source>
        <translation>%1, a lápis</translation>
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
        <translation>Passatempos Loopword</translation>
    </message>
    <message>
        <source>Select a puzzle to open</source>
        <translation>Escolha um passatempo para abrir</translation>
    </message>
    <message>
        <source>Select destination file for this puzzle</source>
        <translation>Escolha o ficheiro onde guardar este passatempo</translation>
    </message>
    <message>
        <source>Select destination file for a web page of this puzzle</source>
        <translation>Escolha o ficheiro de uma página web deste passatempo</translation>
    </message>
    <message>
        <source>Web Pages</source>
        <translation>Páginas web</translation>
    </message>
    <message>
        <source>Select a file to open</source>
        <translation>Escolha um ficheiro para abrir</translation>
    </message>
    <message>
        <source>Dictionary Files</source>
        <translation>Ficheiros de dicionário</translation>
    </message>
    <message>
        <source>Select destination file for a bitmap copy of this puzzle</source>
        <translation>Escolha o ficheiro de uma imagem bitmap deste passatempo</translation>
    </message>
    <message>
        <source>Loopword Bitmap Files</source>
        <translation>Imagens bitmap do Loopword</translation>
    </message>
    <message>
        <source>Loopword could not save the bitmap to:</source>
        <translation>O Loopword não conseguiu guardar a imagem bitmap em:</translation>
    </message>
    <message>
        <source>Select destination file for a PDF of this puzzle</source>
        <translation>Escolha o ficheiro de um PDF deste passatempo</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>Ficheiros PDF</translation>
    </message>
    <message>
        <source>Loopword could not save the PDF to:</source>
        <translation>O Loopword não conseguiu guardar o PDF em:</translation>
    </message>
    <message>
        <source>Select a name for the SVG files of this puzzle</source>
        <translation>Escolha um nome para os ficheiros SVG deste passatempo</translation>
    </message>
    <message>
        <source>SVG Files</source>
        <translation>Ficheiros SVG</translation>
    </message>
    <message>
        <source>Loopword could not save the SVG files to:</source>
        <translation>O Loopword não conseguiu guardar os ficheiros SVG em:</translation>
    </message>
    <message>
        <source>Do you wish to print puzzle and its solution?</source>
        <translation>Imprimir o passatempo e a sua solução?</translation>
    </message>
    <message>
        <source>There is no printer to print on.
Set up a default printer, then print again.</source>
        <translation>Não há nenhuma impressora.
Configure uma impressora predefinida e volte a imprimir.</translation>
    </message>
    <message>
        <source>Select destination file for the booklet</source>
        <translation>Escolha o ficheiro do caderno</translation>
    </message>
    <message>
        <source>Loopword could not save the booklet to:</source>
        <translation>O Loopword não conseguiu guardar o caderno em:</translation>
    </message>
    <message>
        <source>Enter 8-letter word A..Z</source>
        <translation>Escreva uma palavra de 8 letras A..Z</translation>
    </message>
    <message>
        <source>Start Word</source>
        <translation>Palavra inicial</translation>
    </message>
    <message>
        <source>A puzzle holds at most 23 theme words; these are %1.</source>
        <translation>Um passatempo leva no máximo 23 palavras do tema; estas são %1.</translation>
    </message>
    <message>
        <source>Not 8 letters A to Z: %1.</source>
        <translation>Não são 8 letras de A a Z: %1.</translation>
    </message>
    <message>
        <source>Given twice: %1.</source>
        <translation>Escritas duas vezes: %1.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary with the starting word %1.</source>
        <translation>Com este dicionário não se pode criar nenhum passatempo com a palavra inicial %1.</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary with the starting word %1.</source>
        <translation>Com este dicionário e a palavra inicial %1, as palavras do tema não cabem todas num mesmo passatempo.</translation>
    </message>
    <message>
        <source>Without %1 they fit.</source>
        <translation>Sem %1 cabem.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; this dictionary has %1.</source>
        <translation>Um passatempo precisa de 23 palavras diferentes; este dicionário tem %1.</translation>
    </message>
    <message>
        <source>A puzzle needs 23 different words; the dictionary and the theme words have %1.</source>
        <translation>Um passatempo precisa de 23 palavras diferentes; o dicionário e as palavras do tema têm %1.</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary.</source>
        <translation>Em %2 passatempos criados com este dicionário não se encontrou nenhum de dificuldade «%1».</translation>
    </message>
    <message>
        <source>No %1 puzzle was found in %2 puzzles made with this dictionary and these theme words.</source>
        <translation>Em %2 passatempos criados com este dicionário e estas palavras do tema não se encontrou nenhum de dificuldade «%1».</translation>
    </message>
    <message>
        <source>No puzzle with all the theme words was found in %1 seconds.</source>
        <translation>Em %1 segundos não se encontrou nenhum passatempo com todas as palavras do tema.</translation>
    </message>
    <message>
        <source>Puzzles 1 to %1 share no word; the word list allows no more, so words repeat from puzzle %2 on.</source>
        <translation>Os passatempos do 1 ao %1 não têm palavras em comum; a lista de palavras não permite mais, por isso as palavras repetem-se a partir do passatempo %2.</translation>
    </message>
    <message>
        <source>Line %1: %2.</source>
        <translation>Linha %1: %2.</translation>
    </message>
    <message>
        <source>a puzzle needs 23 placement lines, this one has %1</source>
        <translation>um passatempo precisa de 23 linhas de colocação, este tem %1</translation>
    </message>
    <message>
        <source>square %1 where square %2 belongs</source>
        <translation>quadrado %1 onde deveria estar o quadrado %2</translation>
    </message>
    <message>
        <source>the ring %1 is not the word %2 read clockwise from cell %3</source>
        <translation>o anel %1 não é a palavra %2 lida em sentido horário a partir da casa %3</translation>
    </message>
    <message>
        <source>the word %1 is already in square %2</source>
        <translation>a palavra %1 já está no quadrado %2</translation>
    </message>
    <message>
        <source>square %1 disagrees with square %2 at a shared cell</source>
        <translation>o quadrado %1 não concorda com o quadrado %2 numa casa partilhada</translation>
    </message>
    <message>
        <source>standard</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>easy</source>
        <translation>fácil</translation>
    </message>
    <message>
        <source>medium</source>
        <translation>média</translation>
    </message>
    <message>
        <source>hard</source>
        <translation>difícil</translation>
    </message>
    <message>
        <source>expert</source>
        <translation>especialista</translation>
    </message>
    <message>
        <source>The theme words cannot all be placed in one puzzle with this dictionary.</source>
        <translation>Com este dicionário as palavras do tema não cabem todas num mesmo passatempo.</translation>
    </message>
    <message>
        <source>No puzzle can be made from this dictionary.</source>
        <translation>Com este dicionário não se pode criar nenhum passatempo.</translation>
    </message>
    <message>
        <source>No complete puzzle could be made with this dictionary and starting word.</source>
        <translation>Com este dicionário e esta palavra inicial não foi possível criar um passatempo completo.</translation>
    </message>
    <message>
        <source>Specify 8-letter word</source>
        <translation>Escreva uma palavra de 8 letras</translation>
    </message>
    <message>
        <source>Specify A..Z leters</source>
        <translation>Escreva só letras A..Z</translation>
    </message>
    <message>
        <source>There is no puzzle to put in the booklet.</source>
        <translation>Não há nenhum passatempo para pôr no caderno.</translation>
    </message>
    <message>
        <source>The PDF could not be written.</source>
        <translation>Não foi possível escrever o PDF.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Já existe uma pasta com esse nome.</translation>
    </message>
    <message>
        <source>There is no picture to save.</source>
        <translation>Não há nenhuma imagem para guardar.</translation>
    </message>
    <message>
        <source>The picture could not be written.</source>
        <translation>Não foi possível escrever a imagem.</translation>
    </message>
    <message>
        <source>The word list is too small to keep words apart: words repeat from puzzle 2 on.</source>
        <translation>A lista de palavras é demasiado pequena para não as repetir: as palavras repetem-se a partir do passatempo 2.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Não foi possível escrever o ficheiro.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>O ficheiro é só de leitura.</translation>
    </message>
    <message>
        <source>not a placement line of the form &quot;SS RRRRRRRR D WWWWWWWW&quot;</source>
        <translation>não é uma linha de colocação da forma &quot;SS RRRRRRRR D WWWWWWWW&quot;</translation>
    </message>
    <message>
        <source>the difficulty must be standard, easy, medium, hard or expert</source>
        <translation>a dificuldade deve ser standard, easy, medium, hard ou expert</translation>
    </message>
    <message>
        <source>hint cells must be written SS.P: square 01 to 23 but not 12, ring position 1 to 8</source>
        <translation>as casas de pista escrevem-se SS.P: quadrado 01 a 23 mas não 12, posição no anel 1 a 8</translation>
    </message>
    <message>
        <source>The file holds no puzzle.</source>
        <translation>O ficheiro não contém nenhum passatempo.</translation>
    </message>
    <message>
        <source>bad character in a comment line</source>
        <translation>carácter inválido numa linha de comentário</translation>
    </message>
    <message>
        <source>bad character in a placement line</source>
        <translation>carácter inválido numa linha de colocação</translation>
    </message>
    <message>
        <source>more than 23 placement lines without an empty line between puzzles</source>
        <translation>mais de 23 linhas de colocação sem uma linha vazia entre passatempos</translation>
    </message>
    <message>
        <source>Loopword could not open the puzzle file:</source>
        <translation>O Loopword não conseguiu abrir o ficheiro do passatempo:</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB.</source>
        <translation>O ficheiro tem mais de 1 MiB.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Não foi possível ler o ficheiro.</translation>
    </message>
    <message>
        <source>The letters typed into it are damaged.</source>
        <translation>As letras nele escritas estão danificadas.</translation>
    </message>
    <message>
        <source>Compiling a new puzzle ends solving this one. Compile anyway?</source>
        <translation>Criar um passatempo novo termina a resolução deste. Criar mesmo assim?</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Showing the solution ends solving this puzzle. Show it anyway?</source>
        <translation>Mostrar a solução termina a resolução deste passatempo. Mostrar mesmo assim?</translation>
    </message>
    <message>
        <source>Opening a puzzle ends solving this one. Open anyway?</source>
        <translation>Abrir um passatempo termina a resolução deste. Abrir mesmo assim?</translation>
    </message>
    <message>
        <source>Loopword could not save the puzzle to:</source>
        <translation>O Loopword não conseguiu guardar o passatempo em:</translation>
    </message>
    <message>
        <source>Loopword&apos;s web page is missing or damaged:</source>
        <translation>A página web do Loopword não existe ou está danificada:</translation>
    </message>
    <message>
        <source>Loopword could not save the web page to:</source>
        <translation>O Loopword não conseguiu guardar a página web em:</translation>
    </message>
    <message>
        <source>Exiting ends solving this puzzle. Exit anyway?</source>
        <translation>Sair termina a resolução deste passatempo. Sair mesmo assim?</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Ver passatempo</translation>
    </message>
    <message>
        <source>Show Solution</source>
        <translation>Ver solução</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Is a folder</source>
        <translation>É uma pasta</translation>
    </message>
    <message>
        <source>There are no 8-letter words in this dictionary</source>
        <translation>Este dicionário não tem palavras de 8 letras</translation>
    </message>
    <message>
        <source>Dictionary limit is 49,000 words</source>
        <translation>Um dicionário tem no máximo 49.000 palavras</translation>
    </message>
    <message>
        <source>Error while reading dictionary:</source>
        <translation>Erro ao ler o dicionário:</translation>
    </message>
    <message>
        <source>Program may not run correctly</source>
        <translation>O programa pode não funcionar corretamente</translation>
    </message>
    <message>
        <source>No theme words: puzzles come from the word list alone.</source>
        <translation>Nenhuma palavra do tema: os passatempos saem só da lista de palavras.</translation>
    </message>
    <message>
        <source>read as Windows-1252, %1 with Ñ read as N</source>
        <translation>lido como Windows-1252, %1 com Ñ lido como N</translation>
    </message>
    <message>
        <source>%1 with Ñ read as N</source>
        <translation>%1 com Ñ lido como N</translation>
    </message>
    <message>
        <source>%1 reads as %2: not 8 letters A to Z.</source>
        <translation>%1 lê-se %2: não são 8 letras de A a Z.</translation>
    </message>
    <message>
        <source>read as Windows-1252</source>
        <translation>lido como Windows-1252</translation>
    </message>
    <message>
        <source>the list is neither UTF-8 nor Windows-1252 text</source>
        <translation>a lista não é texto UTF-8 nem Windows-1252</translation>
    </message>
    <message>
        <source>Loopword is still compiling a puzzle.</source>
        <translation>O Loopword ainda está a criar um passatempo.</translation>
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
        <translation>Este programa cria um passatempo de palavras em forma de 8 para imprimir e resolver com calma.

- O passatempo tem 23 palavras de 8 letras em 23 quadrados
- Uma palavra e algumas letras são dadas como pista
- Cada palavra escreve-se em sentido horário à volta do seu quadrado
- Uma palavra pode começar em qualquer casa à volta do quadrado
- As letras das casas partilhadas têm de ser iguais
- Nenhuma palavra pode ser usada duas vezes
- Pode usar um dos três dicionários incluídos ou um dicionário próprio
- Um dicionário próprio tem de ser um ficheiro de texto ordenado, com uma palavra por linha</translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words)</source>
        <comment>Dictionary: %1 (1 word)</comment>
        <translation>
            <numerusform>Dicionário: %1 (%n palavra)</numerusform>
            <numerusform>Dicionário: %1 (%n palavras)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Dictionary: %1 (%n words, %2)</source>
        <comment>Dictionary: %1 (1 word, %2)</comment>
        <translation>
            <numerusform>Dicionário: %1 (%n palavra, %2)</numerusform>
            <numerusform>Dicionário: %1 (%n palavras, %2)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 - %n theme words</source>
        <comment>%1 - 1 theme word</comment>
        <translation>
            <numerusform>%1 - %n palavra do tema</numerusform>
            <numerusform>%1 - %n palavras do tema</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n theme words will be in every puzzle.</source>
        <comment>1 theme word will be in every puzzle.</comment>
        <translation>
            <numerusform>%n palavra do tema estará em todos os passatempos.</numerusform>
            <numerusform>%n palavras do tema estarão em todos os passatempos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The seed &quot;%1&quot; is not a whole number from 0 to 18446744073709551615: no puzzle was made.</source>
        <translation>A semente «%1» não é um número inteiro de 0 a 18446744073709551615: não foi criado nenhum passatempo.</translation>
    </message>
    <message>
        <source>Some choices could not be read and are back at their defaults: %1.</source>
        <translation>Algumas escolhas não puderam ser lidas e voltam ao valor predefinido: %1.</translation>
    </message>
    <message>
        <source>Check: every letter so far is right.</source>
        <translation>Verificação: todas as letras até agora estão certas.</translation>
    </message>
    <message numerus="yes">
        <source>Check: %n letters are wrong, marked in the figure.</source>
        <comment>Check: 1 letter is wrong, marked in the figure.</comment>
        <translation>
            <numerusform>Verificação: %n letra está errada, marcada na figura.</numerusform>
            <numerusform>Verificação: %n letras estão erradas, marcadas na figura.</numerusform>
        </translation>
    </message>
    <message>
        <source>Still trying: attempt %1 of %2.</source>
        <translation>Ainda a tentar: tentativa %1 de %2.</translation>
    </message>
    <message>
        <source>Searching every puzzle the word list allows…</source>
        <translation>A procurar entre todos os passatempos que a lista de palavras permite…</translation>
    </message>
    <message>
        <source>A title holds at most 60 characters; this one has %1.</source>
        <translation>Um título tem no máximo 60 carateres; este tem %1.</translation>
    </message>
    <message>
        <source>The theme box takes up to %1 characters, and this is %2: keep the words a puzzle can hold.</source>
        <translation>A caixa das palavras do tema aceita até %1 carateres, e esta tem %2: deixe só as palavras que cabem num passatempo.</translation>
    </message>
    <message>
        <source>What your teacher turned off could not be read (&quot;%1&quot;): everything is allowed.</source>
        <translation>Não foi possível ler o que o professor desativou («%1»): tudo é permitido.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1.</source>
        <translation>O professor desativou %1.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1 and %2.</source>
        <translation>O professor desativou %1 e %2.</translation>
    </message>
    <message>
        <source>Your teacher has turned off %1, %2 and %3.</source>
        <translation>O professor desativou %1, %2 e %3.</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>«Verificar»</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>«Revelar letra»</translation>
    </message>
    <message>
        <source>the timer</source>
        <translation>o cronómetro</translation>
    </message>
    <message>
        <source>Some pencil letters kept with this puzzle were damaged and were left out.</source>
        <translation>Algumas letras a lápis guardadas com este passatempo estavam danificadas e foram omitidas.</translation>
    </message>
    <message>
        <source>Solved in %1 with %2 and %3</source>
        <translation>Resolvido em %1 com %2 e %3</translation>
    </message>
    <message>
        <source>Solved with %1 and %2</source>
        <translation>Resolvido com %1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n checks</source>
        <comment>1 check</comment>
        <translation>
            <numerusform>%n verificação</numerusform>
            <numerusform>%n verificações</numerusform>
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
        <translation>Escolha o ficheiro do conjunto para a turma</translation>
    </message>
    <message>
        <source>Puzzles made: %1 of %2</source>
        <translation>Passatempos criados: %1 de %2</translation>
    </message>
    <message>
        <source>a clue line must be &quot;# clue: WORD clue&quot;: 8 capitals, then a clue of 1 to 60 characters</source>
        <translation>uma linha de definição tem de ser «# clue: PALAVRA definição»: 8 maiúsculas e depois uma definição de 1 a 60 caracteres</translation>
    </message>
    <message>
        <source>the word %1 has a clue already</source>
        <translation>a palavra %1 já tem uma definição</translation>
    </message>
    <message>
        <source>the clue is for %1, which is not in the puzzle</source>
        <translation>a definição é de %1, que não está no passatempo</translation>
    </message>
    <message>
        <source>This class link is cut short or damaged, so it cannot make your puzzle: ask your teacher for the link again.</source>
        <translation>Esta ligação da turma está cortada ou danificada e não pode criar o passatempo: peça de novo a ligação ao professor.</translation>
    </message>
    <message>
        <source>A class set is for %1 to %2 pupils.</source>
        <translation>Um conjunto para a turma é para %1 a %2 alunos.</translation>
    </message>
    <message>
        <source>Choose your number from 1 to %1.</source>
        <translation>Escolha o seu número de 1 a %1.</translation>
    </message>
    <message>
        <source>A class link needs one of the page&apos;s own word lists: pupils&apos; pages do not have the list you opened.</source>
        <translation>Uma ligação da turma precisa de uma das listas de palavras da página: as páginas dos alunos não têm a lista que foi aberta.</translation>
    </message>
    <message>
        <source>The class link would be %1 characters long, more than the %2 a link can safely hold: shorten the clues or the title.</source>
        <translation>A ligação da turma teria %1 caracteres, mais do que os %2 que uma ligação comporta com segurança: encurte as definições ou o título.</translation>
    </message>
    <message>
        <source>These choices give too few different puzzles for %1 pupils: try fewer theme words or a longer word list.</source>
        <translation>Estas escolhas dão poucos passatempos diferentes para %1 alunos: experimente menos palavras do tema ou uma lista de palavras mais longa.</translation>
    </message>
    <message>
        <source>A clue cannot hold &quot;=&quot;, so these words have none: %1.</source>
        <translation>Uma definição não pode conter «=», por isso estas palavras não têm nenhuma: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them are listed by their clues.</source>
        <comment>1 of them is listed by its clue.</comment>
        <translation>
            <numerusform>%n delas aparece pela sua definição.</numerusform>
            <numerusform>%n delas aparecem pela sua definição.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pencil on</source>
        <translation>Lápis ativado</translation>
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
        <translation>Limpar as palavras do tema, as suas definições e o título?</translation>
    </message>
    <message>
        <source>Start this puzzle over? Its letters and time go.</source>
        <translation>Recomeçar este passatempo? As suas letras e o tempo perdem-se.</translation>
    </message>
    <message>
        <source>A result code has 11 characters; this one has %1.</source>
        <translation>Um código de resultado tem 11 caracteres; este tem %1.</translation>
    </message>
    <message>
        <source>A result code has only digits 2 to 9 and letters other than I, L and O; this one has %1.</source>
        <translation>Um código de resultado só tem os algarismos de 2 a 9 e letras que não sejam I, L nem O; este tem %1.</translation>
    </message>
    <message>
        <source>This code is for puzzle %1, but the class set has %2 puzzles: a character may be typed wrongly.</source>
        <translation>Este código é do passatempo %1, mas o conjunto para a turma tem %2 passatempos: talvez um carácter tenha sido mal escrito.</translation>
    </message>
    <message>
        <source>This code does not fit the class set: a character may be typed wrongly, or it is from another set.</source>
        <translation>Este código não corresponde ao conjunto para a turma: talvez um carácter tenha sido mal escrito, ou é de outro conjunto.</translation>
    </message>
    <message>
        <source>Solved!</source>
        <translation>Resolvido!</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2 · set %3</source>
        <translation>Passatempo %1 de %2 · conjunto %3</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Checks: %1 · letters revealed: %2</source>
        <translation>Verificações: %1 · letras reveladas: %2</translation>
    </message>
    <message>
        <source>Result code for your teacher: %1</source>
        <translation>Código de resultado para o professor: %1</translation>
    </message>
    <message>
        <source>The choices changed, so this is a new class set, set %2: links and prints made before belong to set %1.</source>
        <translation>As opções mudaram, por isso este é um novo conjunto para a turma, o conjunto %2: as ligações e impressões feitas antes pertencem ao conjunto %1.</translation>
    </message>
    <message>
        <source>A clue may have up to 60 characters: these lines have longer ones and are left out: %1.</source>
        <translation>Uma definição pode ter até 60 caracteres: estas linhas têm definições mais longas e ficam de fora: %1.</translation>
    </message>
    <message>
        <source>Result codes are read against the class set on screen: print the class set or copy its link first, or give its seed.</source>
        <translation>Os códigos de resultado são lidos com o conjunto para a turma no ecrã: imprima primeiro o conjunto ou copie a sua ligação, ou indique a sua semente.</translation>
    </message>
    <message>
        <source>Select a file of result codes</source>
        <translation>Escolha um ficheiro de códigos de resultado</translation>
    </message>
    <message>
        <source>Text Files</source>
        <translation>Ficheiros de texto</translation>
    </message>
    <message>
        <source>Select destination file for the class results</source>
        <translation>Escolha o ficheiro de destino dos resultados da turma</translation>
    </message>
    <message>
        <source>CSV Files</source>
        <translation>Ficheiros CSV</translation>
    </message>
    <message>
        <source>Loopword could not save the class results to:</source>
        <translation>O Loopword não conseguiu guardar os resultados da turma em:</translation>
    </message>
    <message>
        <source>Save these results as a CSV file for a spreadsheet?</source>
        <translation>Guardar estes resultados como ficheiro CSV para uma folha de cálculo?</translation>
    </message>
    <message>
        <source>Pupil %1: time %2, checks %3, letters revealed %4</source>
        <translation>Aluno %1: tempo %2, verificações %3, letras reveladas %4</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Select destination file for a learning platform package of this puzzle</source>
        <translation>Selecione o ficheiro de destino de um pacote para plataforma de aprendizagem deste passatempo</translation>
    </message>
    <message>
        <source>Learning Platform Packages</source>
        <translation>Pacotes para plataforma de aprendizagem</translation>
    </message>
    <message>
        <source>Loopword could not save the learning platform package to:</source>
        <translation>O Loopword não conseguiu guardar o pacote para plataforma de aprendizagem em:</translation>
    </message>
    <message>
        <source>The learning platform did not say who you are, so this is puzzle 1 of the set.</source>
        <translation>A plataforma de aprendizagem não disse quem és, por isso este é o passatempo 1 da série.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept for this puzzle is damaged or cut short: the puzzle starts afresh.</source>
        <translation>O progresso que a plataforma de aprendizagem guardou deste passatempo está danificado ou incompleto: o passatempo recomeça do início.</translation>
    </message>
    <message>
        <source>The progress the learning platform kept is of another puzzle: this one starts afresh.</source>
        <translation>O progresso que a plataforma de aprendizagem guardou é de outro passatempo: este recomeça do início.</translation>
    </message>
    <message>
        <source>The learning platform shows this puzzle for a look only: nothing you do here is recorded.</source>
        <translation>A plataforma de aprendizagem mostra este passatempo só para ver: nada do que fizeres aqui é registado.</translation>
    </message>
    <message>
        <source>The learning platform did not take what this page told it: you can go on solving, but your progress and result are not recorded.</source>
        <translation>A plataforma de aprendizagem não aceitou o que esta página lhe comunicou: podes continuar a resolver, mas o teu progresso e o teu resultado não são registados.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Loopword User Guide</source>
        <translation>Guia do Loopword</translation>
    </message>
    <message>
        <source>OverWrite file: %1 ?</source>
        <translation>Substituir o ficheiro %1?</translation>
    </message>
    <message>
        <source>Loopword copied to:
%1
 %2 bytes</source>
        <translation>O Loopword copiou a imagem para:
%1
 %2 bytes</translation>
    </message>
    <message>
        <source>The printer %1 could not start printing.</source>
        <translation>A impressora %1 não conseguiu começar a imprimir.</translation>
    </message>
    <message>
        <source>The page could not be sent to the printer %1.</source>
        <translation>Não foi possível enviar a página para a impressora %1.</translation>
    </message>
    <message>
        <source>Booklet written: %1, %2 pages.</source>
        <translation>Caderno escrito: %1, %2 páginas.</translation>
    </message>
    <message>
        <source>&amp;Difficulty</source>
        <translation>&amp;Dificuldade</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ficheiro</translation>
    </message>
    <message>
        <source>&amp;Open puzzle…</source>
        <translation>&amp;Abrir passatempo…</translation>
    </message>
    <message>
        <source>&amp;Save puzzle…</source>
        <translation>&amp;Guardar passatempo…</translation>
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
        <translation>Criar &amp;caderno…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Solution</source>
        <translation>&amp;Solução</translation>
    </message>
    <message>
        <source>&amp;Compile</source>
        <translation>&amp;Criar</translation>
    </message>
    <message>
        <source>&amp;Varied words</source>
        <translation>&amp;Palavras variadas</translation>
    </message>
    <message>
        <source>&amp;One solution</source>
        <translation>&amp;Uma só solução</translation>
    </message>
    <message>
        <source>Solve on &amp;screen</source>
        <translation>Resolver no &amp;ecrã</translation>
    </message>
    <message>
        <source>C&amp;heck</source>
        <translation>&amp;Verificar</translation>
    </message>
    <message>
        <source>&amp;Reveal letter</source>
        <translation>&amp;Revelar letra</translation>
    </message>
    <message>
        <source>S&amp;tarting Word</source>
        <translation>&amp;Palavra inicial</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Aleatória</translation>
    </message>
    <message>
        <source>&amp;Input</source>
        <translation>&amp;Escrita</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dicionário</translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation>&amp;Próprio</translation>
    </message>
    <message>
        <source>Level &amp;1</source>
        <translation>Nível &amp;1</translation>
    </message>
    <message>
        <source>Level &amp;2</source>
        <translation>Nível &amp;2</translation>
    </message>
    <message>
        <source>Level &amp;3</source>
        <translation>Nível &amp;3</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Língua</translation>
    </message>
    <message>
        <source>&amp;Theme words…</source>
        <translation>Palavras do &amp;tema…</translation>
    </message>
    <message>
        <source>&amp;User guide</source>
        <translation>&amp;Guia</translation>
    </message>
    <message>
        <source>Make booklet</source>
        <translation>Criar caderno</translation>
    </message>
    <message>
        <source>No word twice in the booklet</source>
        <translation>Nenhuma palavra duas vezes no caderno</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Palavras variadas</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Uma só solução</translation>
    </message>
    <message>
        <source>Number of puzzles:</source>
        <translation>Número de passatempos:</translation>
    </message>
    <message>
        <source>Theme words</source>
        <translation>Palavras do tema</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
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
        <source>&amp;Undo</source>
        <translation>&amp;Anular</translation>
    </message>
    <message>
        <source>R&amp;edo</source>
        <translation>Re&amp;fazer</translation>
    </message>
    <message>
        <source>&amp;Pencil</source>
        <translation>&amp;Lápis</translation>
    </message>
    <message>
        <source>Hide &amp;timer</source>
        <translation>&amp;Ocultar o cronómetro</translation>
    </message>
    <message>
        <source>Number of pupils:</source>
        <translation>Número de alunos:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Conjunto para a turma</translation>
    </message>
    <message>
        <source>&amp;Class set…</source>
        <translation>Conjunto para a &amp;turma…</translation>
    </message>
    <message>
        <source>&amp;Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>&amp;Palavras, separadas por mudanças de linha, espaços ou vírgulas; uma linha PALAVRA = definição dá a palavra pela sua definição:</translation>
    </message>
    <message>
        <source>St&amp;art over</source>
        <translation>Reco&amp;meçar</translation>
    </message>
    <message>
        <source>Class &amp;results…</source>
        <translation>&amp;Resultados da turma…</translation>
    </message>
    <message>
        <source>Export for a &amp;learning platform…</source>
        <translation>Exportar para uma plataforma de a&amp;prendizagem…</translation>
    </message>
</context>
<context>
    <name>Sheets</name>
    <message>
        <source>Place 23 8-letter words clock-wise into 8 spaces around each square.</source>
        <translation>Rodeie os quadrados com 23 palavras de 8 letras em sentido horário.</translation>
    </message>
    <message>
        <source>PUZZLE</source>
        <translation>PASSATEMPO</translation>
    </message>
    <message>
        <source>SOLUTION</source>
        <translation>SOLUÇÃO</translation>
    </message>
    <message>
        <source>Difficulty:</source>
        <translation>Dificuldade:</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Puzzle %1 of %2</source>
        <translation>Passatempo %1 de %2</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>set %1</source>
        <translation>conjunto %1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Page language</source>
        <translation>Língua da página</translation>
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
        <translation>Criar um passatempo</translation>
    </message>
    <message>
        <source>Word list</source>
        <translation>Lista de palavras</translation>
    </message>
    <message>
        <source>Level 1</source>
        <translation>Nível 1</translation>
    </message>
    <message>
        <source>Level 2</source>
        <translation>Nível 2</translation>
    </message>
    <message>
        <source>Level 3</source>
        <translation>Nível 3</translation>
    </message>
    <message>
        <source>Own list…</source>
        <translation>Lista própria…</translation>
    </message>
    <message>
        <source>Puzzle language</source>
        <translation>Língua do passatempo</translation>
    </message>
    <message>
        <source>Own word list file</source>
        <translation>Ficheiro da lista de palavras própria</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificuldade</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Especialista</translation>
    </message>
    <message>
        <source>Starting word</source>
        <translation>Palavra inicial</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatória</translation>
    </message>
    <message>
        <source>This word:</source>
        <translation>Esta palavra:</translation>
    </message>
    <message>
        <source>Starting word, 8 letters</source>
        <translation>Palavra inicial, 8 letras</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>any</source>
        <translation>qualquer</translation>
    </message>
    <message>
        <source>Varied words</source>
        <translation>Palavras variadas</translation>
    </message>
    <message>
        <source>One solution</source>
        <translation>Uma só solução</translation>
    </message>
    <message>
        <source>Theme words and title</source>
        <translation>Palavras do tema e título</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Puzzle commands</source>
        <translation>Comandos do passatempo</translation>
    </message>
    <message>
        <source>Make puzzle</source>
        <translation>Criar passatempo</translation>
    </message>
    <message>
        <source>Show Puzzle</source>
        <translation>Ver passatempo</translation>
    </message>
    <message>
        <source>Print puzzle and solution</source>
        <translation>Imprimir passatempo e solução</translation>
    </message>
    <message>
        <source>Save puzzle file</source>
        <translation>Guardar ficheiro do passatempo</translation>
    </message>
    <message>
        <source>Open puzzle file…</source>
        <translation>Abrir ficheiro de passatempo…</translation>
    </message>
    <message>
        <source>Puzzle file</source>
        <translation>Ficheiro de passatempo</translation>
    </message>
    <message>
        <source>Copy pupil link</source>
        <translation>Copiar ligação para os alunos</translation>
    </message>
    <message>
        <source>Save as web page</source>
        <translation>Guardar como página web</translation>
    </message>
    <message>
        <source>Forget this browser&apos;s puzzles</source>
        <translation>Esquecer os passatempos deste navegador</translation>
    </message>
    <message>
        <source>Solving commands</source>
        <translation>Comandos para resolver</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Reveal letter</source>
        <translation>Revelar letra</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Start over</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Puzzle figure: choose a square and type its letters clockwise</source>
        <translation>Figura do passatempo: escolha um quadrado e escreva as suas letras em sentido horário</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>On-screen keyboard</source>
        <translation>Teclado no ecrã</translation>
    </message>
    <message>
        <source>Loopword stopped working: %1</source>
        <translation>O Loopword deixou de funcionar: %1</translation>
    </message>
    <message>
        <source>This browser keeps no progress here (its storage is full or turned off): the letters go when the page closes.</source>
        <translation>Este navegador não guarda aqui o progresso (o seu armazenamento está cheio ou desativado): as letras perdem-se ao fechar a página.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a link to it works only here. Put the page on a web server to share links, or use &quot;%1&quot; and give pupils that file.</source>
        <translation>Esta página foi aberta a partir de um ficheiro deste computador, por isso uma ligação para ela só funciona aqui. Coloque a página num servidor web para partilhar ligações, ou use «%1» e dê esse ficheiro aos alunos.</translation>
    </message>
    <message>
        <source>The pupil link is copied: paste it where your class will find it. It opens this puzzle, ready to solve.</source>
        <translation>A ligação para os alunos foi copiada: cole-a onde a turma a encontre. Abre este passatempo, pronto a resolver.</translation>
    </message>
    <message>
        <source>Copy this pupil link: %1</source>
        <translation>Copie esta ligação para os alunos: %1</translation>
    </message>
    <message>
        <source>Forget every puzzle and all progress kept in this browser? Use this on a shared computer.</source>
        <translation>Esquecer todos os passatempos e todo o progresso guardados neste navegador? Use isto num computador partilhado.</translation>
    </message>
    <message>
        <source>This browser has forgotten its puzzles.</source>
        <translation>Este navegador esqueceu os seus passatempos.</translation>
    </message>
    <message>
        <source>Previous square</source>
        <translation>Quadrado anterior</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Next square</source>
        <translation>Quadrado seguinte</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retrocesso</translation>
    </message>
    <message>
        <source>The puzzle inside this page is damaged and cannot be read.</source>
        <translation>O passatempo desta página está danificado e não pode ser lido.</translation>
    </message>
    <message>
        <source>the puzzle in the link</source>
        <translation>o passatempo da ligação</translation>
    </message>
    <message>
        <source>the puzzle made</source>
        <translation>o passatempo criado</translation>
    </message>
    <message>
        <source>the puzzle kept here</source>
        <translation>o passatempo guardado aqui</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guia</translation>
    </message>
    <message>
        <source>A damaged entry this browser kept for the page was dropped.</source>
        <translation>Foi descartada uma entrada danificada que este navegador guardava para a página.</translation>
    </message>
    <message>
        <source>The word lists in %1 could not be fetched: connect to the internet and reload the page.</source>
        <translation>Não foi possível descarregar as listas de palavras em %1: ligue-se à internet e recarregue a página.</translation>
    </message>
    <message>
        <source>The page to save could not be fetched: connect to the internet and try again.</source>
        <translation>Não foi possível descarregar a página a guardar: ligue-se à internet e tente de novo.</translation>
    </message>
    <message>
        <source>This is the form of Loopword for a web host: open it from a web server, or open loopword.html, the one-file page, from disk.</source>
        <translation>Esta é a versão do Loopword para um servidor web: abra-a a partir de um servidor web, ou abra do disco loopword.html, a página num só ficheiro.</translation>
    </message>
    <message>
        <source>What pupils may do</source>
        <translation>O que os alunos podem fazer</translation>
    </message>
    <message>
        <source>Pupils may check</source>
        <translation>Os alunos podem verificar</translation>
    </message>
    <message>
        <source>Pupils may reveal letters</source>
        <translation>Os alunos podem revelar letras</translation>
    </message>
    <message>
        <source>Show the timer</source>
        <translation>Mostrar o cronómetro</translation>
    </message>
    <message>
        <source>Pencil</source>
        <translation>Lápis</translation>
    </message>
    <message>
        <source>Hide timer</source>
        <translation>Ocultar o cronómetro</translation>
    </message>
    <message>
        <source>Words, with line ends, spaces or commas between them; a line WORD = clue lists the word by its clue:</source>
        <translation>Palavras, separadas por mudanças de linha, espaços ou vírgulas; uma linha PALAVRA = definição dá a palavra pela sua definição:</translation>
    </message>
    <message>
        <source>Class set</source>
        <translation>Conjunto para a turma</translation>
    </message>
    <message>
        <source>Pupils</source>
        <translation>Alunos</translation>
    </message>
    <message>
        <source>Print class set</source>
        <translation>Imprimir o conjunto para a turma</translation>
    </message>
    <message>
        <source>Copy class link</source>
        <translation>Copiar ligação da turma</translation>
    </message>
    <message>
        <source>Your number</source>
        <translation>O seu número</translation>
    </message>
    <message>
        <source>Your teacher gave each pupil a number: choose yours to open your own puzzle.</source>
        <translation>O professor deu um número a cada aluno: escolha o seu para abrir o seu próprio passatempo.</translation>
    </message>
    <message>
        <source>Open my puzzle</source>
        <translation>Abrir o meu passatempo</translation>
    </message>
    <message>
        <source>This page makes your puzzle from the link. Another version of the page may make a different puzzle for the same number, which your teacher&apos;s answers do not fit: then ask for a new link.</source>
        <translation>Esta página cria o passatempo a partir da ligação. Outra versão da página pode criar um passatempo diferente para o mesmo número, ao qual as soluções do professor não correspondem: peça então uma nova ligação.</translation>
    </message>
    <message>
        <source>This page was opened from a file on this computer, so a class link to it works only here. Put the page on a web server to give your class one link, or use &quot;%1&quot;.</source>
        <translation>Esta página foi aberta a partir de um ficheiro deste computador, por isso uma ligação da turma para ela só funciona aqui. Coloque a página num servidor web para dar uma ligação à turma, ou use «%1».</translation>
    </message>
    <message>
        <source>The class link is copied: give it to your class. Each pupil opens it and chooses their number.</source>
        <translation>A ligação da turma foi copiada: dê-a à turma. Cada aluno abre-a e escolhe o seu número.</translation>
    </message>
    <message>
        <source>Copy this class link: %1</source>
        <translation>Copie esta ligação da turma: %1</translation>
    </message>
    <message>
        <source>your puzzle</source>
        <translation>o seu passatempo</translation>
    </message>
    <message>
        <source>Something went wrong; your letters are kept. Reload the page to go on.</source>
        <translation>Algo correu mal; as letras ficam guardadas. Recarregue a página para continuar.</translation>
    </message>
    <message>
        <source>This link is damaged or cut short. Ask your teacher for it again.</source>
        <translation>Esta ligação está danificada ou cortada. Peça-a de novo ao professor.</translation>
    </message>
    <message>
        <source>Make your own puzzle</source>
        <translation>Criar o seu próprio passatempo</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>Ecrã inteiro</translation>
    </message>
    <message>
        <source>Not your number?</source>
        <translation>Não é o seu número?</translation>
    </message>
    <message>
        <source>Scan the code to open the link</source>
        <translation>Leia o código para abrir a ligação</translation>
    </message>
    <message>
        <source>QR code of the link</source>
        <translation>Código QR da ligação</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Scan to solve on a phone</source>
        <translation>Leia para resolver num telemóvel</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Checks</source>
        <translation>Verificações</translation>
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
        <translation>O que está errado</translation>
    </message>
    <message>
        <source>Class results</source>
        <translation>Resultados da turma</translation>
    </message>
    <message>
        <source>Result codes, one a line, as pupils copied them from their result cards:</source>
        <translation>Códigos de resultado, um por linha, tal como os alunos os copiaram do seu cartão de resultado:</translation>
    </message>
    <message>
        <source>Read results</source>
        <translation>Ler resultados</translation>
    </message>
    <message>
        <source>Download as CSV</source>
        <translation>Descarregar como CSV</translation>
    </message>
    <message>
        <source>Copy result</source>
        <translation>Copiar o resultado</translation>
    </message>
    <message>
        <source>This page has no room for puzzles: save the learning platform package from loopword.html as it was shipped.</source>
        <translation>Esta página não tem lugar para passatempos: guarde o pacote para plataforma de aprendizagem a partir do loopword.html tal como foi distribuído.</translation>
    </message>
    <message>
        <source>Save for a learning platform</source>
        <translation>Guardar para uma plataforma de aprendizagem</translation>
    </message>
    <message>
        <source>The part of Loopword that makes puzzles could not be fetched: connect to the internet and try again. Solving goes on.</source>
        <translation>Não foi possível descarregar a parte do Loopword que cria passatempos: ligue-se à internet e tente de novo. Pode continuar a resolver.</translation>
    </message>
</context>
<context>
    <name>loopword::AboutForm</name>
    <message>
        <source>About Loopword</source>
        <translation>Acerca do Loopword</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>
Loopword - October 2005
Makes 8-shaped word puzzles to print and solve on paper.
</source>
        <translation>
Loopword - outubro de 2005
Cria passatempos de palavras em forma de 8 para imprimir e resolver em papel.
</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3
or (at your option) any later version: GPL-3.0-or-later.
</source>
        <translation>Software livre sob a GNU General Public License, versão 3
ou (à sua escolha) qualquer versão posterior: GPL-3.0-or-later.
</translation>
    </message>
    <message>
        <source>English word lists from SCOWL (Spell Checker Oriented Word Lists)</source>
        <translation>Listas de palavras inglesas do SCOWL (Spell Checker Oriented Word Lists)</translation>
    </message>
    <message>
        <source>German from igerman98</source>
        <translation>Alemão: igerman98</translation>
    </message>
    <message>
        <source>French from wfrench</source>
        <translation>Francês: wfrench</translation>
    </message>
    <message>
        <source>Spanish from wspanish</source>
        <translation>Espanhol: wspanish</translation>
    </message>
    <message>
        <source>Italian from witalian</source>
        <translation>Italiano: witalian</translation>
    </message>
    <message>
        <source>Portuguese from ispell.pt</source>
        <translation>Português: ispell.pt</translation>
    </message>
    <message>
        <source>Dutch from OpenTaal</source>
        <translation>Neerlandês: OpenTaal</translation>
    </message>
    <message>
        <source>Offensive words left out with the naughty-words blocklist</source>
        <translation>Palavras ofensivas excluídas com a lista de bloqueio naughty-words</translation>
    </message>
    <message>
        <source>Word frequencies from subtitle word lists</source>
        <translation>Frequências de palavras tiradas de listas de palavras de legendas</translation>
    </message>
</context>
</TS>
