<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, выбран</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>не выбран</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Не удалось создать объект Direct Sound.<byte value="xd"/>
Убедитесь, что звуковая карта установлена и работает правильно.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Произошла непредвиденная ошибка.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>Такого не должно было случиться!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Произошла ошибка!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Воспроизводить звуки</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Подсказка</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Как играть...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О игре...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Не удаётся включить звук, поэтому игра продолжается без него.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Правила:<byte value="xd"/>
Выстройте в ряд три одинаковых камня, чтобы они<byte value="xd"/>
исчезли. Камень можно передвинуть, только если он<byte value="xd"/>
встанет в ряд из трёх одинаковых камней</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Эту версию популярной игры Glintrow создал Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Об этой игре...</translation>
    </message>
</context>
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Красный квадрат</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Зелёный шестиугольник</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Синий ромб</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Жёлтый прямоугольник</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Белый круг</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Фиолетовый треугольник</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Оранжевый овал</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Нет камня</translation>
    </message>
</context>
</TS>
