<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
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
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1、%2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>オブジェクト変数が設定されていません</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>マス (%1, %2) は盤面の外にあります</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>プログラム自身のフォルダーが見つかりません: %1、また%2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>%1 を読み取れません (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 は動的ローダー %2 です</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>起動時の名前が分かりません</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>起動時の名前 %1 をたどれません (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>起動時の名前もローダーのものです</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>アクセスが拒否されました: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>通常のファイルではありません: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>ビットマップが小さすぎます (%1 x %2 ピクセル、%3 x %4 が必要): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>ビットマップが大きすぎます (%1 x %2 ピクセル、上限 %3 ピクセル): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>ビットマップの幅が大きすぎます (1 行 %1 ピクセル、上限 %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>無効なビットマップファイルです (途中で切れています): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>無効なビットマップファイルです (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>ビットマップのサイズが違います (%1 x %2 ピクセル、%3 x %4 が必要): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>ビットマップの画像が失われました: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>残すビットマップの範囲が無効です: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>サーフェスの指定が無効です</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>メモリが不足しています</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>メモリが不足しています: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>WAVE ファイルではありません: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>無効な WAVE ファイルです (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>無効な WAVE ファイルです (フォーマットチャンクが短すぎます): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>無効な WAVE ファイルです (チャンクが %1 個を超えています): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>無効な WAVE ファイルです (フォーマットより前にサンプルがあります): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>無効な WAVE ファイルです (サンプルがありません): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>無効な WAVE ファイルです (チャンネルがありません): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>WAVE ファイルのサンプリングレートが範囲外です (%1 Hz、%2 ～ %3 ではありません): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>WAVE ファイルに音が入っていません: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>WAVE ファイルが大きすぎます (サンプル %1 バイト、上限 %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>WAVE ファイルが長すぎます (%1 秒、上限 %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>WAVE ファイルが大きすぎます (デコード後 %1 バイト、上限 %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>サウンドデバイスがありません: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>サウンドを変換できません (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>サウンドを再生できません: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>サウンドの合計が大きすぎます (変換後 %1 バイト、上限 %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>サウンドを読み込めません (%1): %2</translation>
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
        <translation>閉じる</translation>
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
    <message>
        <source>Edge</source>
        <translation>端</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>サウンド オン</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>サウンド オフ</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>%1 個消去</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>列なし</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>コンボ %1、%2 個消去</translation>
    </message>
</context>
</TS>
