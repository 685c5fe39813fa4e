<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Rood vierkant</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Groene zeshoek</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Blauwe ruit</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Gele rechthoek</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Witte cirkel</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Paarse driehoek</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Oranje ovaal</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Geen edelsteen</translation>
    </message>
</context>
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, geselecteerd</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>niet geselecteerd</translation>
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
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Objectvariabele niet ingesteld</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index buiten bereik</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>Vak (%1, %2) ligt buiten het bord</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>De eigen map van het programma is niet te vinden: %1, en %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 kan niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 is de dynamische lader %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>de naam waarmee het is gestart, is niet bekend</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>de naam waarmee het is gestart, %1, kan niet worden gevolgd (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>de naam waarmee het is gestart, is ook die van de lader</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Bestand niet gevonden: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Toegang geweigerd: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Geen gewoon bestand: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap te klein (%1 x %2 pixels, %3 x %4 nodig): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Bitmap te groot (%1 x %2 pixels, meer dan %3 pixels): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Bitmap te breed (%1 pixels per rij, meer dan %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Ongeldig bitmapbestand (afgebroken): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Ongeldig bitmapbestand (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap met de verkeerde grootte (%1 x %2 pixels, %3 x %4 nodig): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>De afbeelding van de bitmap is weg: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Ongeldig deel van een bitmap om te bewaren: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Ongeldige beschrijving van een tekenvlak</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Onvoldoende geheugen: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>Geen wave-bestand: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Ongeldig wave-bestand (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Ongeldig wave-bestand (formaatblok te kort): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Ongeldig wave-bestand (meer dan %1 blokken): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Ongeldig wave-bestand (samples vóór hun formaat): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Ongeldig wave-bestand (geen samples): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Ongeldig wave-bestand (geen kanalen): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Samplefrequentie van het wave-bestand buiten bereik (%1 Hz, niet %2 tot %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>Wave-bestand bevat geen geluid: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Wave-bestand te groot (%1 bytes aan samples, meer dan %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Wave-bestand te lang (%1 seconden, meer dan %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Wave-bestand te groot (%1 bytes gedecodeerd, meer dan %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Geen geluidsapparaat: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Geluid kan niet worden omgezet (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Geluid kan niet worden afgespeeld: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Geluiden samen te groot (%1 bytes na omzetting, meer dan %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Geluid kan niet worden geladen (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Kan het Direct Sound-object niet aanmaken.<byte value="xd"/>
Controleer of er een geluidskaart is geïnstalleerd die goed werkt.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Er is een onverwachte fout opgetreden.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>Dit had niet mogen gebeuren!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Er is een fout opgetreden!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Geluid afspelen</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tip</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Hoe te spelen...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Het geluid kan niet worden ingeschakeld, dus het spel gaat zonder geluid verder.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Instructies:<byte value="xd"/>
Zet drie gelijke edelstenen op een rij om ze te laten<byte value="xd"/>
verdwijnen. Je kunt een steen alleen verplaatsen als hij<byte value="xd"/>
daarmee een rij van drie gelijke stenen vormt</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Instructies</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Deze versie van het populaire spel Glintrow is gemaakt door Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Over dit spel...</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Rand</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Geluid aan</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>%1 weggehaald</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Geen rij</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Combo %1, %2 weggehaald</translation>
    </message>
</context>
</TS>
