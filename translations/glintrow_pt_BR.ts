<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <source>%1, %2</source>
        <extracomment>A gem and its place on the board: &quot;Red square, C3&quot; (column C, row 3 from the top).</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>glintrow::Reason</name>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Object variable not set</source>
        <translation>Variável de objeto não definida</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Cell (%1, %2) lies off the board</source>
        <translation>A casa (%1, %2) fica fora do tabuleiro</translation>
    </message>
    <message>
        <source>The program&apos;s own folder cannot be found: %1, and %2</source>
        <extracomment>%1 says what the system&apos;s record of the running program gave, %2 what its starting name gave.</extracomment>
        <translation>Não foi possível encontrar a pasta do próprio programa: %1, e %2</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <translation>não é possível ler %1 (%2)</translation>
    </message>
    <message>
        <source>%1 is the dynamic loader %2</source>
        <translation>%1 é o carregador dinâmico %2</translation>
    </message>
    <message>
        <source>the name it was started by is not known</source>
        <translation>o nome com que ele foi iniciado não é conhecido</translation>
    </message>
    <message>
        <source>the name it was started by, %1, cannot be followed (%2)</source>
        <translation>o nome com que ele foi iniciado, %1, não pode ser seguido (%2)</translation>
    </message>
    <message>
        <source>the name it was started by is the loader&apos;s too</source>
        <translation>o nome com que ele foi iniciado também é o do carregador</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permissão negada: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not a regular file: %1</source>
        <translation>Não é um arquivo comum: %1</translation>
    </message>
    <message>
        <source>Bitmap too small (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap pequeno demais (%1 x %2 pixels, são necessários %3 x %4): %5</translation>
    </message>
    <message>
        <source>Bitmap too large (%1 x %2 pixels, more than %3 pixels): %4</source>
        <translation>Bitmap grande demais (%1 x %2 pixels, mais de %3 pixels): %4</translation>
    </message>
    <message>
        <source>Bitmap too wide (%1 pixels a row, more than %2): %3</source>
        <translation>Bitmap largo demais (%1 pixels por linha, mais de %2): %3</translation>
    </message>
    <message>
        <source>Invalid bitmap file (cut short): %1</source>
        <translation>Arquivo de bitmap inválido (incompleto): %1</translation>
    </message>
    <message>
        <source>Invalid bitmap file (%1): %2</source>
        <translation>Arquivo de bitmap inválido (%1): %2</translation>
    </message>
    <message>
        <source>Bitmap of the wrong size (%1 x %2 pixels, %3 x %4 needed): %5</source>
        <translation>Bitmap do tamanho errado (%1 x %2 pixels, são necessários %3 x %4): %5</translation>
    </message>
    <message>
        <source>The picture of the bitmap is gone: %1</source>
        <translation>A imagem do bitmap não existe mais: %1</translation>
    </message>
    <message>
        <source>Invalid part of a bitmap to keep: %1</source>
        <translation>Parte inválida de um bitmap a manter: %1</translation>
    </message>
    <message>
        <source>Invalid surface description</source>
        <translation>Descrição de superfície inválida</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>Out of memory: %1</source>
        <translation>Memória insuficiente: %1</translation>
    </message>
    <message>
        <source>Not a wave file: %1</source>
        <translation>Não é um arquivo wave: %1</translation>
    </message>
    <message>
        <source>Invalid wave file (%1): %2</source>
        <translation>Arquivo wave inválido (%1): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (format chunk too short): %1</source>
        <translation>Arquivo wave inválido (bloco de formato curto demais): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (more than %1 chunks): %2</source>
        <translation>Arquivo wave inválido (mais de %1 blocos): %2</translation>
    </message>
    <message>
        <source>Invalid wave file (samples before their format): %1</source>
        <translation>Arquivo wave inválido (amostras antes do seu formato): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no samples): %1</source>
        <translation>Arquivo wave inválido (sem amostras): %1</translation>
    </message>
    <message>
        <source>Invalid wave file (no channels): %1</source>
        <translation>Arquivo wave inválido (sem canais): %1</translation>
    </message>
    <message>
        <source>Wave file&apos;s sample rate out of range (%1 Hz, not %2 to %3): %4</source>
        <translation>Taxa de amostragem do arquivo wave fora do intervalo (%1 Hz, não de %2 a %3): %4</translation>
    </message>
    <message>
        <source>Wave file holds no sound: %1</source>
        <translation>O arquivo wave não contém som: %1</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes of samples, more than %2): %3</source>
        <translation>Arquivo wave grande demais (%1 bytes de amostras, mais de %2): %3</translation>
    </message>
    <message>
        <source>Wave file too long (%1 seconds, more than %2): %3</source>
        <translation>Arquivo wave longo demais (%1 segundos, mais de %2): %3</translation>
    </message>
    <message>
        <source>Wave file too large (%1 bytes decoded, more than %2): %3</source>
        <translation>Arquivo wave grande demais (%1 bytes decodificados, mais de %2): %3</translation>
    </message>
    <message>
        <source>No sound device: %1</source>
        <translation>Nenhum dispositivo de som: %1</translation>
    </message>
    <message>
        <source>Sound cannot be converted (%1): %2</source>
        <translation>Não é possível converter o som (%1): %2</translation>
    </message>
    <message>
        <source>Sound cannot be played: %1</source>
        <translation>Não é possível reproduzir o som: %1</translation>
    </message>
    <message>
        <source>Sounds too large together (%1 bytes once converted, more than %2): %3</source>
        <translation>Sons grandes demais juntos (%1 bytes depois de convertidos, mais de %2): %3</translation>
    </message>
    <message>
        <source>Sound cannot be loaded (%1): %2</source>
        <translation>Não é possível carregar o som (%1): %2</translation>
    </message>
</context>
<context>
    <name>glintrow::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
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
    <message>
        <source>Edge</source>
        <translation>Borda</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Som ligado</translation>
    </message>
    <message>
        <source>Sound off</source>
        <translation>Som desligado</translation>
    </message>
    <message>
        <source>Cleared %1</source>
        <translation>Removidas: %1</translation>
    </message>
    <message>
        <source>No line</source>
        <translation>Sem linha</translation>
    </message>
    <message>
        <source>Combo %1, cleared %2</source>
        <translation>Combo %1, removidas: %2</translation>
    </message>
</context>
</TS>
