<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, seleccionado</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>no seleccionado</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>No se puede crear el objeto Direct Sound.<byte value="xd"/>
Compruebe que hay una tarjeta de sonido instalada y que funciona correctamente.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Se ha producido un error inesperado.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>¡Esto no debería haber pasado!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>¡Se ha producido un error!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Reproducir sonido</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Cómo jugar...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>No se puede activar el sonido, así que el juego continúa sin él.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Instrucciones:<byte value="xd"/>
Alinea tres gemas iguales para que desaparezcan. Solo puedes<byte value="xd"/>
mover una gema si con ello forma una línea<byte value="xd"/>
de tres gemas idénticas</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Esta versión del popular juego Glintrow fue creada por Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Acerca de este juego...</translation>
    </message>
</context>
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Cuadrado rojo</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Hexágono verde</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Rombo azul</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Rectángulo amarillo</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Círculo blanco</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Triángulo morado</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Óvalo naranja</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Sin gema</translation>
    </message>
</context>
</TS>
