<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>glintrow::PictureBox</name>
    <message>
        <source>Board</source>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>%1, selected</source>
        <translation>%1, selecionado</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>não selecionado</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
</context>
<context>
    <name>glintrow::frmMain</name>
    <message>
        <source>Unable to create Direct Sound object.<byte value="xd"/>
Check to ensure that a sound card is installed and working properly.<byte value="xd"/>
</source>
        <translation>Não foi possível criar o objeto Direct Sound.<byte value="xd"/>
Verifique se há uma placa de som instalada e funcionando corretamente.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Unexpected error has occurred.<byte value="xd"/>
</source>
        <translation>Ocorreu um erro inesperado.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>This is uncalled-for!</source>
        <translation>Isso não deveria ter acontecido!</translation>
    </message>
    <message>
        <source>Some error has occurred!<byte value="xd"/>
</source>
        <translation>Ocorreu um erro!<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novo jogo</translation>
    </message>
    <message>
        <source>&amp;Play Sound</source>
        <translation>&amp;Tocar sons</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Dica</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;How to play...</source>
        <translation>&amp;Como jogar...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>Sound cannot be switched on, so the game goes on without it.<byte value="xd"/>
</source>
        <translation>Não é possível ativar o som, então o jogo continua sem ele.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Instructions:<byte value="xd"/>
Line up three of the same gem to make them disapear. You can not<byte value="xd"/>
move a pice unless you are moving it to line it up with three<byte value="xd"/>
identical pices</source>
        <translation>Instruções:<byte value="xd"/>
Alinhe três gemas iguais para fazê-las desaparecer. Você só pode<byte value="xd"/>
mover uma gema se ela formar assim uma linha<byte value="xd"/>
de três gemas idênticas</translation>
    </message>
    <message>
        <source>Instructions.</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>This version of the popular Glintrow game was created by Talbeck.</source>
        <translation>Esta versão do popular jogo Glintrow foi criada por Talbeck.</translation>
    </message>
    <message>
        <source>About this game...</source>
        <translation>Sobre este jogo...</translation>
    </message>
</context>
<context>
    <name>CellName</name>
    <message>
        <source>Red square</source>
        <translation>Quadrado vermelho</translation>
    </message>
    <message>
        <source>Green hexagon</source>
        <translation>Hexágono verde</translation>
    </message>
    <message>
        <source>Blue diamond</source>
        <translation>Losango azul</translation>
    </message>
    <message>
        <source>Yellow rectangle</source>
        <translation>Retângulo amarelo</translation>
    </message>
    <message>
        <source>White circle</source>
        <translation>Círculo branco</translation>
    </message>
    <message>
        <source>Purple triangle</source>
        <translation>Triângulo roxo</translation>
    </message>
    <message>
        <source>Orange oval</source>
        <translation>Oval laranja</translation>
    </message>
    <message>
        <source>No gem</source>
        <translation>Sem gema</translation>
    </message>
</context>
</TS>
