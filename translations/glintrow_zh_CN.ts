<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>红色正方形</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>绿色六边形</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>蓝色菱形</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>黄色长方形</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>白色圆形</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>紫色三角形</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>橙色椭圆</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>没有宝石</translation>
    </message>
</context>
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1，已选中</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>未选中</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>对象变量未设置</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>下标越界</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>格子 (%1, %2) 位于棋盘之外</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>找不到程序自身的文件夹：%1，并且%2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 是动态加载器 %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>启动时使用的名称未知</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>无法追踪启动时使用的名称 %1（%2）</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>启动时使用的名称也是加载器的名称</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>找不到文件：%1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>权限被拒绝：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>不是普通文件：%1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>位图太小（%1 x %2 像素，需要 %3 x %4）：%5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>位图太大（%1 x %2 像素，超过 %3 像素）：%4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>位图太宽（每行 %1 像素，超过 %2）：%3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>无效的位图文件（不完整）：%1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>无效的位图文件（%1）：%2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>位图尺寸不对（%1 x %2 像素，需要 %3 x %4）：%5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>位图的图像已丢失：%1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>要保留的位图部分无效：%1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>无效的表面描述</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>内存不足：%1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>不是 WAVE 文件：%1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>无效的 WAVE 文件（%1）：%2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>无效的 WAVE 文件（格式块太短）：%1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>无效的 WAVE 文件（超过 %1 个块）：%2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>无效的 WAVE 文件（采样数据在格式之前）：%1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>无效的 WAVE 文件（没有采样数据）：%1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>无效的 WAVE 文件（没有声道）：%1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>WAVE 文件的采样率超出范围（%1 Hz，不在 %2 到 %3 之间）：%4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>WAVE 文件不含声音：%1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>WAVE 文件太大（采样数据 %1 字节，超过 %2）：%3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>WAVE 文件太长（%1 秒，超过 %2）：%3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>WAVE 文件太大（解码后 %1 字节，超过 %2）：%3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>没有声音设备：%1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>无法转换声音（%1）：%2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>无法播放声音：%1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>声音合计太大（转换后 %1 字节，超过 %2）：%3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>无法加载声音（%1）：%2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>无法创建 Direct Sound 对象。<byte value="xd"/>
请检查声卡是否已安装并能正常工作。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>发生了意外错误。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>这本不该发生！</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>发生了错误！<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>播放声音(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>玩法(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>无法打开声音，游戏将在无声状态下继续。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>玩法说明：<byte value="xd"/>
将三颗相同的宝石连成一线即可消除。<byte value="xd"/>
只有当移动后能与相同的宝石连成三颗一线时，<byte value="xd"/>
才能移动宝石</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>这个版本的热门游戏 Glintrow 由 Talbeck 制作。</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>关于本游戏...</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>边缘</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>声音开</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>声音关</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>消除 %1 个</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>没有连线</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>连击 %1，消除 %2 个</translation>
    </message>
</context>
</TS>
