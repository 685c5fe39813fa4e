<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, zaznaczony</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>niezaznaczony</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Nie można utworzyć obiektu Direct Sound.<byte value="xd"/>
Sprawdź, czy karta dźwiękowa jest zainstalowana i działa poprawnie.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Wystąpił nieoczekiwany błąd.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>To nie powinno się zdarzyć!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Wystąpił błąd!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Odtwarzaj dźwięki</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Podpowiedź</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Jak grać...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O grze...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Nie można włączyć dźwięku, więc gra toczy się dalej bez niego.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Instrukcja:<byte value="xd"/>
Ułóż w linii trzy jednakowe klejnoty, aby zniknęły. Klejnot można<byte value="xd"/>
przesunąć tylko wtedy, gdy utworzy w ten sposób linię<byte value="xd"/>
trzech jednakowych klejnotów</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Instrukcja</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Tę wersję popularnej gry Glintrow stworzył Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>O tej grze...</translation>
    </message>
</context>
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Czerwony kwadrat</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Zielony sześciokąt</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Niebieski romb</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Żółty prostokąt</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Biały okrąg</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Fioletowy trójkąt</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Pomarańczowy owal</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Brak klejnotu</translation>
    </message>
</context>
</TS>
