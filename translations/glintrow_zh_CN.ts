<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <source>Game Over</source>
        <translation>游戏结束</translation>
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
</context>
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
</TS>
