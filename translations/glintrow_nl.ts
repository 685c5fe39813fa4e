<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <source>Game Over</source>
        <translation>Spel voorbij</translation>
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
</context>
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
</TS>
