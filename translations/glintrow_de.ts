<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
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
</context>
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
</TS>
