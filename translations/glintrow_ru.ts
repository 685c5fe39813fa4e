<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
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
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>Переполнение</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Объектная переменная не задана</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Индекс вне диапазона</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>Клетка (%1, %2) лежит за пределами поля</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>Не удаётся найти собственную папку программы: %1, а %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>не удаётся прочитать %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 — это динамический загрузчик %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>имя, под которым она запущена, неизвестно</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>имя, под которым она запущена, %1, не удаётся отследить (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>имя, под которым она запущена, тоже принадлежит загрузчику</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Файл не найден: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Доступ запрещён: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Это не обычный файл: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Растровое изображение слишком мало (%1 x %2 пикс., нужно %3 x %4): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Растровое изображение слишком велико (%1 x %2 пикс., больше %3 пикс.): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Растровое изображение слишком широко (%1 пикс. в строке, больше %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Недопустимый файл растрового изображения (обрывается): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Недопустимый файл растрового изображения (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Растровое изображение неверного размера (%1 x %2 пикс., нужно %3 x %4): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>Картинка растрового изображения утрачена: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Недопустимая часть растрового изображения для сохранения: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Недопустимое описание поверхности</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Недостаточно памяти: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>Это не файл WAVE: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Недопустимый файл WAVE (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Недопустимый файл WAVE (блок формата слишком короткий): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Недопустимый файл WAVE (больше %1 блоков): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Недопустимый файл WAVE (сэмплы раньше своего формата): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Недопустимый файл WAVE (нет сэмплов): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Недопустимый файл WAVE (нет каналов): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Частота дискретизации файла WAVE вне диапазона (%1 Гц, не от %2 до %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>В файле WAVE нет звука: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Файл WAVE слишком велик (%1 байт сэмплов, больше %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Файл WAVE слишком длинный (%1 с, больше %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Файл WAVE слишком велик (%1 байт после декодирования, больше %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Нет звукового устройства: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Не удаётся преобразовать звук (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Не удаётся воспроизвести звук: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Звуки вместе слишком велики (%1 байт после преобразования, больше %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Не удаётся загрузить звук (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
        <translation>&amp;Об игре...</translation>
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
    <message>
        <source>Edge</source>
        <translation>Край</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Звук включён</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Звук выключен</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>Убрано: %1</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Нет линии</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Комбо %1, убрано: %2</translation>
    </message>
</context>
</TS>
