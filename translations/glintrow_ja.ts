<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>盤面</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1、選択中</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>未選択</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Direct Sound オブジェクトを作成できません。<byte value="xd"/>
サウンドカードが取り付けられ、正しく動作しているか確認してください。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>予期しないエラーが発生しました。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>こんなはずではなかった！</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>エラーが発生しました！<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>新しいゲーム(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>サウンドを鳴らす(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>ヒント(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>遊び方(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>サウンドをオンにできないため、サウンドなしでゲームを続けます。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>遊び方:<byte value="xd"/>
同じ宝石を3つ並べると消えます。宝石は、<byte value="xd"/>
同じ宝石が3つ並ぶように動かすときだけ<byte value="xd"/>
動かすことができます</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>人気ゲーム Glintrow のこのバージョンは Talbeck が作りました。</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>このゲームについて...</translation>
    </message>
</context>
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>赤い正方形</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>緑の六角形</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>青いひし形</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>黄色い長方形</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>白い円</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>紫の三角形</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>オレンジの楕円</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>宝石なし</translation>
    </message>
</context>
</TS>
