<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable de objeto no establecida</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>La casilla (%1, %2) está fuera del tablero</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>No se encuentra la carpeta del propio programa: %1, y %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 es el cargador dinámico %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>no se conoce el nombre con el que se inició</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>el nombre con el que se inició, %1, no se puede seguir (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>el nombre con el que se inició también es el del cargador</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>No es un archivo normal: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Mapa de bits demasiado pequeño (%1 x %2 píxeles, se necesitan %3 x %4): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Mapa de bits demasiado grande (%1 x %2 píxeles, más de %3 píxeles): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Mapa de bits demasiado ancho (%1 píxeles por fila, más de %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Archivo de mapa de bits no válido (incompleto): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Archivo de mapa de bits no válido (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Mapa de bits de tamaño incorrecto (%1 x %2 píxeles, se necesitan %3 x %4): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>La imagen del mapa de bits ya no está: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Parte no válida de un mapa de bits para conservar: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Descripción de superficie no válida</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Memoria insuficiente: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>No es un archivo wave: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Archivo wave no válido (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Archivo wave no válido (bloque de formato demasiado corto): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Archivo wave no válido (más de %1 bloques): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Archivo wave no válido (muestras antes de su formato): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Archivo wave no válido (sin muestras): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Archivo wave no válido (sin canales): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Frecuencia de muestreo del archivo wave fuera del intervalo (%1 Hz, no de %2 a %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>El archivo wave no contiene sonido: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Archivo wave demasiado grande (%1 bytes de muestras, más de %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Archivo wave demasiado largo (%1 segundos, más de %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Archivo wave demasiado grande (%1 bytes decodificados, más de %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>No hay dispositivo de sonido: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>No se puede convertir el sonido (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>No se puede reproducir el sonido: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Sonidos demasiado grandes en conjunto (%1 bytes una vez convertidos, más de %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>No se puede cargar el sonido (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
    <message>
        <source>Edge</source>
        <translation>Borde</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Partida nueva</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Sonido activado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Sonido desactivado</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>Eliminadas: %1</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Sin línea</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Combo %1, eliminadas: %2</translation>
    </message>
</context>
</TS>
