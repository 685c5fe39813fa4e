<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variable objet non définie</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>La case (%1, %2) est hors du plateau</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>Le dossier du programme est introuvable : %1, et %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 est illisible (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 est le chargeur dynamique %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>le nom sous lequel il a été lancé est inconnu</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>le nom sous lequel il a été lancé, %1, ne peut pas être suivi (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>le nom sous lequel il a été lancé est aussi celui du chargeur</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée : %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Ce n’est pas un fichier ordinaire : %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Image bitmap trop petite (%1 x %2 pixels, %3 x %4 requis) : %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Image bitmap trop grande (%1 x %2 pixels, plus de %3 pixels) : %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Image bitmap trop large (%1 pixels par ligne, plus de %2) : %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Fichier bitmap non valide (tronqué) : %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Fichier bitmap non valide (%1) : %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Image bitmap de mauvaise taille (%1 x %2 pixels, %3 x %4 requis) : %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>L’image du bitmap a disparu : %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Partie d’une image bitmap à conserver non valide : %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Description de surface non valide</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Mémoire insuffisante : %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>Ce n’est pas un fichier wave : %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Fichier wave non valide (%1) : %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Fichier wave non valide (bloc de format trop court) : %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Fichier wave non valide (plus de %1 blocs) : %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Fichier wave non valide (échantillons avant leur format) : %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Fichier wave non valide (aucun échantillon) : %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Fichier wave non valide (aucun canal) : %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Fréquence d’échantillonnage du fichier wave hors limites (%1 Hz, pas entre %2 et %3) : %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>Le fichier wave ne contient aucun son : %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Fichier wave trop volumineux (%1 octets d’échantillons, plus de %2) : %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Fichier wave trop long (%1 secondes, plus de %2) : %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Fichier wave trop volumineux (%1 octets décodés, plus de %2) : %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Aucun périphérique audio : %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Impossible de convertir le son (%1) : %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Impossible de jouer le son : %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Sons trop volumineux ensemble (%1 octets une fois convertis, plus de %2) : %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Impossible de charger le son (%1) : %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
    <message>
        <source>Edge</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Son activé</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Son désactivé</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>Retirées : %1</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Pas de ligne</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Combo %1, retirées : %2</translation>
    </message>
</context>
</TS>
