<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Quadrato rosso</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Esagono verde</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Rombo blu</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Rettangolo giallo</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Cerchio bianco</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Triangolo viola</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Ovale arancione</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Nessuna gemma</translation>
    </message>
</context>
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selezionato</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>non selezionato</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variabile oggetto non impostata</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice non compreso nell&apos;intervallo</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>La casella (%1, %2) è fuori dal tabellone</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>Impossibile trovare la cartella del programma: %1, e %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 non è leggibile (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 è il caricatore dinamico %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>il nome con cui è stato avviato non è noto</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>il nome con cui è stato avviato, %1, non può essere seguito (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>anche il nome con cui è stato avviato è quello del caricatore</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permesso negato: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Non è un file regolare: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap troppo piccola (%1 x %2 pixel, ne servono %3 x %4): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Bitmap troppo grande (%1 x %2 pixel, più di %3 pixel): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Bitmap troppo larga (%1 pixel per riga, più di %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>File bitmap non valido (troncato): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>File bitmap non valido (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap di dimensioni errate (%1 x %2 pixel, ne servono %3 x %4): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>L&apos;immagine della bitmap non c&apos;è più: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Parte di bitmap da conservare non valida: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Descrizione della superficie non valida</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria esaurita</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Memoria esaurita: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>Non è un file wave: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>File wave non valido (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>File wave non valido (blocco del formato troppo corto): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>File wave non valido (più di %1 blocchi): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>File wave non valido (campioni prima del loro formato): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>File wave non valido (nessun campione): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>File wave non valido (nessun canale): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Frequenza di campionamento del file wave fuori intervallo (%1 Hz, non tra %2 e %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>Il file wave non contiene alcun suono: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>File wave troppo grande (%1 byte di campioni, più di %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>File wave troppo lungo (%1 secondi, più di %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>File wave troppo grande (%1 byte decodificati, più di %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Nessun dispositivo audio: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Impossibile convertire il suono (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Impossibile riprodurre il suono: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Suoni troppo grandi nel complesso (%1 byte una volta convertiti, più di %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Impossibile caricare il suono (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Impossibile creare l&apos;oggetto Direct Sound.<byte value="xd"/>
Verificare che una scheda audio sia installata e funzioni correttamente.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Si è verificato un errore imprevisto.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>Questo non doveva succedere!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Si è verificato un errore!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Riproduci suoni</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Suggerimento</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Come giocare...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Impossibile attivare il suono, quindi il gioco prosegue senza.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Istruzioni:<byte value="xd"/>
Allinea tre gemme uguali per farle sparire. Puoi spostare<byte value="xd"/>
una gemma solo se così forma una fila<byte value="xd"/>
di tre gemme identiche</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Questa versione del famoso gioco Glintrow è stata creata da Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Informazioni su questo gioco...</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Audio attivo</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Audio disattivato</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>Rimosse: %1</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Nessuna linea</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Combo %1, rimosse: %2</translation>
    </message>
</context>
</TS>
