<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Rotes Quadrat</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Grünes Sechseck</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Blaue Raute</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Gelbes Rechteck</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Weißer Kreis</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Lila Dreieck</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Oranges Oval</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Kein Stein</translation>
    </message>
</context>
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, ausgewählt</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>nicht ausgewählt</translation>
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
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objektvariable nicht festgelegt</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>Feld (%1, %2) liegt außerhalb des Spielfelds</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>Der eigene Ordner des Programms ist nicht zu finden: %1, und %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 ist der dynamische Lader %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>der Name, unter dem es gestartet wurde, ist nicht bekannt</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>der Name, unter dem es gestartet wurde, %1, lässt sich nicht auflösen (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>der Name, unter dem es gestartet wurde, ist ebenfalls der des Laders</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Keine reguläre Datei: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap zu klein (%1 x %2 Pixel, %3 x %4 nötig): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Bitmap zu groß (%1 x %2 Pixel, mehr als %3 Pixel): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Bitmap zu breit (%1 Pixel pro Zeile, mehr als %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Ungültige Bitmap-Datei (vorzeitig zu Ende): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Ungültige Bitmap-Datei (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap in falscher Größe (%1 x %2 Pixel, %3 x %4 nötig): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>Das Bild der Bitmap ist nicht mehr da: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Ungültiger Ausschnitt einer Bitmap zum Behalten: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Ungültige Beschreibung einer Zeichenfläche</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Nicht genügend Speicher: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>Keine Wave-Datei: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Ungültige Wave-Datei (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Ungültige Wave-Datei (Formatblock zu kurz): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Ungültige Wave-Datei (mehr als %1 Blöcke): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Ungültige Wave-Datei (Samples vor ihrem Format): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Ungültige Wave-Datei (keine Samples): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Ungültige Wave-Datei (keine Kanäle): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Abtastrate der Wave-Datei außerhalb des Bereichs (%1 Hz, nicht %2 bis %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>Wave-Datei enthält keinen Ton: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Wave-Datei zu groß (%1 Byte Samples, mehr als %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Wave-Datei zu lang (%1 Sekunden, mehr als %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Wave-Datei zu groß (%1 Byte dekodiert, mehr als %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Kein Audiogerät: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Ton kann nicht umgewandelt werden (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Ton kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Töne zusammen zu groß (%1 Byte nach der Umwandlung, mehr als %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Ton kann nicht geladen werden (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Das Direct-Sound-Objekt kann nicht erstellt werden.<byte value="xd"/>
Bitte prüfen Sie, ob eine Soundkarte eingebaut ist und richtig funktioniert.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>Das hätte nicht passieren dürfen!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Ein Fehler ist aufgetreten!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Töne abspielen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Hinweis</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Spielanleitung...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Der Ton lässt sich nicht einschalten, daher geht das Spiel ohne ihn weiter.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Anleitung:<byte value="xd"/>
Bilde eine Reihe aus drei gleichen Edelsteinen, damit sie<byte value="xd"/>
verschwinden. Ein Stein lässt sich nur bewegen, wenn er damit<byte value="xd"/>
eine Reihe aus drei gleichen Steinen bildet</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Diese Version des beliebten Spiels Glintrow wurde von Talbeck geschaffen.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Über dieses Spiel...</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Keine Reihe</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Kombo %1, %2 entfernt</translation>
    </message>
</context>
</TS>
