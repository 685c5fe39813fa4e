<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, sélectionné</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>non sélectionné</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Impossible de créer l’objet Direct Sound.<byte value="xd"/>
Vérifiez qu’une carte son est installée et qu’elle fonctionne correctement.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Une erreur inattendue s’est produite.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>Cela n’aurait pas dû arriver !</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Une erreur s’est produite !<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Comment jouer...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Le son ne peut pas être activé, la partie continue donc sans lui.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Instructions :<byte value="xd"/>
Alignez trois gemmes identiques pour les faire disparaître. Vous ne<byte value="xd"/>
pouvez déplacer une gemme que si elle forme alors une ligne<byte value="xd"/>
de trois gemmes identiques</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Cette version du célèbre jeu Glintrow a été créée par Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>À propos de ce jeu...</translation>
    </message>
</context>
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Carré rouge</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Hexagone vert</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Losange bleu</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Rectangle jaune</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Cercle blanc</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Triangle violet</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Ovale orange</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Aucune gemme</translation>
    </message>
</context>
</TS>
