<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <source>Game Over</source>
        <translation>Fine partita</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Impossibile creare l'oggetto Direct Sound.<byte value="xd"/>
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
</context>
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
</TS>
