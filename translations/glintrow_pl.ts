<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Nie ustawiono zmiennej obiektowej</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indeks poza zakresem</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>Pole (%1, %2) leży poza planszą</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>Nie można znaleźć własnego folderu programu: %1, a %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>nie można odczytać %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 to dynamiczny program ładujący %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>nazwa, pod którą go uruchomiono, jest nieznana</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>nazwy, pod którą go uruchomiono, %1, nie można prześledzić (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>nazwa, pod którą go uruchomiono, również należy do programu ładującego</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Odmowa dostępu: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>To nie jest zwykły plik: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmapa za mała (%1 x %2 pikseli, potrzeba %3 x %4): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Bitmapa za duża (%1 x %2 pikseli, więcej niż %3 pikseli): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Bitmapa za szeroka (%1 pikseli w wierszu, więcej niż %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Nieprawidłowy plik bitmapy (urwany): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Nieprawidłowy plik bitmapy (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmapa o złym rozmiarze (%1 x %2 pikseli, potrzeba %3 x %4): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>Obraz bitmapy zniknął: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Nieprawidłowa część bitmapy do zachowania: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Nieprawidłowy opis powierzchni</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Brak pamięci: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>To nie jest plik wave: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Nieprawidłowy plik wave (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Nieprawidłowy plik wave (za krótki blok formatu): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Nieprawidłowy plik wave (więcej niż %1 bloków): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Nieprawidłowy plik wave (próbki przed ich formatem): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Nieprawidłowy plik wave (brak próbek): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Nieprawidłowy plik wave (brak kanałów): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Częstotliwość próbkowania pliku wave poza zakresem (%1 Hz, nie od %2 do %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>Plik wave nie zawiera dźwięku: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Plik wave za duży (%1 bajtów próbek, więcej niż %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Plik wave za długi (%1 s, więcej niż %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Plik wave za duży (%1 bajtów po zdekodowaniu, więcej niż %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Brak urządzenia dźwiękowego: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Nie można przekonwertować dźwięku (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Nie można odtworzyć dźwięku: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Dźwięki łącznie za duże (%1 bajtów po konwersji, więcej niż %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Nie można wczytać dźwięku (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
    <message>
        <source>Edge</source>
        <translation>Krawędź</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Dźwięk włączony</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Dźwięk wyłączony</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>Usunięto: %1</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Brak linii</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Kombo %1, usunięto: %2</translation>
    </message>
</context>
</TS>
