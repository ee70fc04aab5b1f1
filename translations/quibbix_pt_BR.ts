<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AnswerLine</name>
    <message>
        <source>Your answer</source>
        <translation>Sua resposta</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Digite a resposta e pressione Enter</translation>
    </message>
    <message>
        <source>Right: Enter for &quot;I Know&quot;</source>
        <translation>Certo: Enter para “Eu sei”</translation>
    </message>
    <message>
        <source>Right but for the accents: Enter for &quot;Not Sure&quot;</source>
        <translation>Certo, exceto os acentos: Enter para “Não tenho certeza”</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s) off: Enter for &quot;Not Sure&quot;</source>
        <translation>
            <numerusform>%n letra errada: Enter para “Não tenho certeza”</numerusform>
            <numerusform>%n letras erradas: Enter para “Não tenho certeza”</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing typed: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Nada digitado: Enter para “Não sei”</translation>
    </message>
    <message>
        <source>Not the answer: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Não é a resposta: Enter para “Não sei”</translation>
    </message>
    <message>
        <source>Typed wrong: %1</source>
        <translation>Digitado errado: %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Falta: %1</translation>
    </message>
</context>
<context>
    <name>CBreakDlg</name>
    <message>
        <source>Time left</source>
        <translation>Tempo restante</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation>Esta é uma pausa de %1 minutos.
É uma boa hora para se alongar um pouco e descansar os olhos

Pressione OK para encerrar a pausa</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>Tempo restante: %1:%2</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>About the break</source>
        <translation>Sobre a pausa</translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation>Fim da pausa</translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation>Quibbix — Em pausa</translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation>Exemplo</translation>
    </message>
    <message>
        <source>Use for Every List</source>
        <translation>Para todas as listas</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list</source>
        <translation>Usar estas fontes e cores em todas as listas</translation>
    </message>
</context>
<context>
    <name>CQuibStatisticDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>How many times a word was shown, each repeat counted again: not the number of different words</source>
        <translation>Quantas vezes uma palavra foi mostrada, contando cada repetição: não é o número de palavras diferentes</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation>Não é possível abrir a janela Progresso.

</translation>
    </message>
    <message>
        <source>Known words come back for review when few words are left to be viewed, so on a small list most of them wait among those; the list of lists counts them as known</source>
        <translation>Palavras conhecidas voltam para revisão quando restam poucas palavras a ver, então numa lista pequena a maioria espera entre elas; a lista de listas as conta como conhecidas</translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation>Pressione “Eu sei” para começar</translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation>Não sincronizado desta vez: suas respostas aguardam a próxima sincronização</translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation>Use o botão “Fontes e cores” para escolher as fontes e as cores da caixa da palavra (acima) e da caixa da definição (aqui).

(V1.0)</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>ao contrário</translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation>, ao contrário</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Editar palavras…</translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation>Não foi possível ler parte do seu progresso. Sair agora para verificar? (Não = continuar estudando; os arquivos que não puderam ser lidos ficam como estão.)</translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation>Eu sei (K)</translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation>Não tenho certeza (S)</translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation>Não sei (D)</translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation>
Ctrl+Z ou Backspace desfaz a última avaliação
Ctrl+E edita as palavras da lista</translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation>
Ao contrário: responda com a palavra da definição mostrada</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Não é possível editar as palavras</translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation>O Quibbix não consegue mostrar as palavras: %1</translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation>As palavras de cada lista e o tempo de estudo</translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation>As fontes e as cores da palavra e da definição</translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation>Um descanso de dois minutos, agora</translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation>Salvar e sair</translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation>Não foi possível salvar seu progresso. Tentar de novo?</translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation>Deseja sair?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmação</translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation>Não foi possível salvar suas fontes e cores.

%1

Elas serão usadas até o Quibbix ser fechado; as salvas antes ficam como estavam. Libere espaço ou corrija o arquivo e pressione OK em “Fontes e cores” de novo.</translation>
    </message>
    <message>
        <source>Choose a &amp;List…</source>
        <translation>Escolher uma &amp;lista…</translation>
    </message>
    <message>
        <source>The lists cannot be shown: %1</source>
        <translation>Não é possível mostrar as listas: %1</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list, and for every list added from now on?</source>
        <translation>Usar estas fontes e cores em todas as listas, inclusive nas adicionadas daqui em diante?</translation>
    </message>
    <message>
        <source>Fonts and Colors</source>
        <translation>Fontes e cores</translation>
    </message>
    <message>
        <source>The fonts and colors are kept for this list only: %1</source>
        <translation>As fontes e cores ficam só nesta lista: %1</translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation>
            <numerusform>pausa em %n palavra</numerusform>
            <numerusform>pausa em %n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation>pausa em %1 min</translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation>pausa em %1 s</translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation>
            <numerusform>%n palavra vista</numerusform>
            <numerusform>Todas as %n vistas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation>
            <numerusform>%n palavra conhecida</numerusform>
            <numerusform>Todas as %n conhecidas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation>%1 a ver</translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation>Progresso do estudo</translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation>
            <numerusform>%n outra</numerusform>
            <numerusform>%n outras</numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation>Sessão: %1 “Eu sei”, %2
%3, %4</translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation>Agora sua avaliação:
você sabia mesmo?</translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation>Anotada como incerta:
qualquer resposta continua.</translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation>Anotada como desconhecida:
qualquer resposta continua.</translation>
    </message>
    <message>
        <source>Paused while you were away
%1, %2</source>
        <translation>Pausado enquanto você estava fora
%1, %2</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>never</source>
        <translation>nunca</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Add a List</source>
        <translation>Adicionar uma lista</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation>Listas de palavras (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation>Quibbix: escolha uma lista</translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation>&amp;Listas:</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listas de palavras</translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation>Cada lista com suas palavras, as palavras conhecidas em cada sentido, quando foi estudada pela última vez e a pasta pela qual é sincronizada</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Conhecidas</translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation>Conhecidas ao contrário</translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation>Último estudo</translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation>Sincronizada via</translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation>&amp;Adicionar lista…</translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation>Adicionar uma lista a partir de um arquivo</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nomear</translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation>Renomear a lista selecionada</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation>Mover a lista selecionada para a lixeira</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Editar palavras…</translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation>Editar as palavras da lista selecionada</translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation>&amp;Sincronizar…</translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation>Sincronizar a lista selecionada com outros computadores por meio de uma pasta</translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation>Es&amp;tudar</translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation>Estudar a lista selecionada</translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation>Ao &amp;contrário</translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation>Estudar a lista selecionada da definição para a palavra; cada sentido guarda seu próprio progresso</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Não é possível editar as palavras</translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation>Não é possível mostrar as palavras de “%1”.

%2</translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation>Renomear lista</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Novo nome:</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Não é possível renomear</translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation>“%1” não foi renomeada.

%2</translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation>Remover lista</translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation>Mover a lista “%1” para a lixeira?</translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation>Suas palavras e seu progresso vão para a lixeira da área de trabalho, de onde você pode restaurá-los.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover para a &amp;lixeira</translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation>Não é possível remover</translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation>“%1” não foi movida para a lixeira.

%2</translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation>&amp;Pronúncia…</translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation>Os idiomas em que a lista selecionada é falada e se cada palavra é falada ao aparecer</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>Não é possível salvar</translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation>As configurações de pronúncia de “%1” não foram salvas.

%2</translation>
    </message>
    <message>
        <source>&amp;Type the Answer</source>
        <translation>&amp;Digitar a resposta</translation>
    </message>
    <message>
        <source>Type each answer and be told what was off; backwards, this practises spelling</source>
        <translation>Digite cada resposta e veja o que estava errado; ao contrário, isso treina a ortografia</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation>Preto</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Castanho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul-marinho</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Azul-petróleo</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Cinza</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Prata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Verde-limão</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarelo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fúcsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Branco</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Cor:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fonte</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Quibbix</source>
        <translation>Quibbix</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Não sei</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Não tenho certeza</translation>
    </message>
    <message>
        <source>I Know</source>
        <translation>Eu sei</translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation>&amp;Fontes e cores</translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation>E&amp;statísticas</translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation>Fazer uma &amp;pausa</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulário</translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation>Fonte e cores da caixa da palavra</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Fonte</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source> Sample</source>
        <translation> Exemplo</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation>Fonte e cores da caixa da definição</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation>Cor de fundo do programa</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation>Total de palavras:</translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation>Palavras vistas:</translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation>Palavras aprendidas:</translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation>Tempo nesta sessão:</translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation>Tempo total de uso:</translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation>Palavras erradas:</translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation>Palavras em dúvida:</translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation>Palavras desconhecidas:</translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation>Palavras em aprendizado:</translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation>Palavras conhecidas:</translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation>Palavras a ver:</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Progresso...</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSA</translation>
    </message>
</context>
<context>
    <name>EncodingDialog</name>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>%1 does not read as %2.

%3</source>
        <translation>%1 não pode ser lido como %2.

%3</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation>%1 não está em UTF-8, e o Quibbix não consegue saber em que codificação foi salvo. Escolha aquela em que as primeiras linhas aparecem corretamente.</translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation>mas isso é pouco mais que um palpite</translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation>mas não tem certeza</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation>%1 não está em UTF-8. O Quibbix supõe que foi salvo em %2, %3. Se as primeiras linhas abaixo não aparecerem corretamente, escolha a codificação em que foi salvo.</translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation>Escolha a codificação do arquivo</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificação:</translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation>Primeiras &amp;linhas como seriam lidas:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Primeiras linhas do arquivo</translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation>Alguns bytes não têm caractere nesta codificação; eles aparecem como %1.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation>Adicionar o arquivo nesta codificação</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Cancelar, sem adicionar nada</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificação</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Word State</source>
        <translation>Estado das palavras</translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation>Manutenção da lista</translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation>Erro ao abrir </translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation>Erro: nenhum arquivo de registros válido</translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation>Falha ao gerar a lista aleatória</translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation>Não foi possível ler todo o seu histórico de estudo:</translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation>Não foi possível ler parte do seu progresso:</translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation>Não foi possível salvar seu progresso.</translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation>O que foi salvo antes fica como estava. Libere espaço ou corrija o arquivo e salve de novo.</translation>
    </message>
</context>
<context>
    <name>EntryChecker</name>
    <message>
        <source>the entry is refused</source>
        <translation>a entrada é recusada</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation>O Quibbix já está em execução nesta pasta.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Já em execução</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation>Ajuda do Quibbix</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>this row looks like column titles and was imported as an entry</source>
        <translation>esta linha parece conter títulos de colunas e foi importada como uma entrada</translation>
    </message>
    <message>
        <source>more than %1 fields on one line; the file is read no further</source>
        <translation>mais de %1 campos em uma linha; o restante do arquivo não é lido</translation>
    </message>
    <message>
        <source>quote that does not close the field; the field is read as written</source>
        <translation>aspas que não fecham o campo; o campo é lido como está escrito</translation>
    </message>
    <message>
        <source>quote inside an unquoted field, taken literally</source>
        <translation>aspas dentro de um campo sem aspas, tomadas literalmente</translation>
    </message>
    <message>
        <source>holds %1, which would break the record</source>
        <translation>contém %1, que quebraria o registro</translation>
    </message>
    <message>
        <source>holds the control character %1</source>
        <translation>contém o caractere de controle %1</translation>
    </message>
    <message>
        <source>holds %1 (%2), which Windows-1252 cannot hold</source>
        <translation>contém %1 (%2), que não existe em Windows-1252</translation>
    </message>
    <message>
        <source>is %1 bytes in %2 and has no place to cut it to %3</source>
        <translation>ocupa %1 bytes em %2 e não tem onde ser cortada para %3</translation>
    </message>
    <message>
        <source>would read back as &quot;%1&quot; when stored in %2</source>
        <translation>seria lida como “%1” ao ser salva em %2</translation>
    </message>
    <message>
        <source>more than %1 entries, the most a list can hold; the file is read no further</source>
        <translation>mais de %1 entradas, o máximo que uma lista pode ter; o restante do arquivo não é lido</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;</source>
        <translation>codificação desconhecida “%1”</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1)</source>
        <translation>não é UTF-8 válido (byte %1)</translation>
    </message>
    <message>
        <source>this system has no converter for %1</source>
        <translation>este sistema não tem conversor para %1</translation>
    </message>
    <message>
        <source>byte %1 has no character in %2</source>
        <translation>o byte %1 não tem caractere em %2</translation>
    </message>
    <message>
        <source>not UTF-8; read as %1 (guessed, %2% sure</source>
        <translation>não está em UTF-8; lido como %1 (suposição, %2% de certeza</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1) and in no encoding Quibbix can guess</source>
        <translation>não é UTF-8 válido (byte %1) nem está em uma codificação que o Quibbix consiga adivinhar</translation>
    </message>
    <message>
        <source>not a KVTML document (no &lt;kvtml&gt; root element)</source>
        <translation>não é um documento KVTML (sem elemento raiz &lt;kvtml&gt;)</translation>
    </message>
    <message>
        <source>XML error: %1</source>
        <translation>erro de XML: %1</translation>
    </message>
    <message>
        <source>deactivated entry skipped</source>
        <translation>entrada desativada ignorada</translation>
    </message>
    <message>
        <source>empty entry skipped</source>
        <translation>entrada vazia ignorada</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot; dropped</source>
        <translation>palavra repetida “%1” descartada</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot;</source>
        <translation>palavra repetida “%1”</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;</source>
        <translation>a palavra “%1”</translation>
    </message>
    <message>
        <source>definition of &quot;%1&quot;</source>
        <translation>a definição de “%1”</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 cut from %2 to %3</source>
        <translation>%1 cortada de %2 para %3</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>ignorada: %1</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europeu ocidental</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europeu central</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraico</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandês</translation>
    </message>
    <message>
        <source>South European</source>
        <translation>Europeu do sul</translation>
    </message>
    <message>
        <source>Nordic</source>
        <translation>Nórdico</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Celta</translation>
    </message>
    <message>
        <source>South-Eastern European</source>
        <translation>Europeu do sudeste</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Western European, Mac</source>
        <translation>Europeu ocidental, Mac</translation>
    </message>
    <message>
        <source>Central European, Mac</source>
        <translation>Europeu central, Mac</translation>
    </message>
    <message>
        <source>Cyrillic, Mac</source>
        <translation>Cirílico, Mac</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Chinese, Simplified</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Chinese, Traditional</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot; as a title line; if it is an entry, quote its word</source>
        <translation>linha de título “%1” ignorada; se for uma entrada, coloque a palavra entre aspas</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>lido como %1</translation>
    </message>
    <message>
        <source>this is a spreadsheet; save it as CSV (comma-separated values) and import that</source>
        <translation>é uma planilha; salve-a como CSV (valores separados por vírgulas) e importe esse arquivo</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most a word file may be; nothing read</source>
        <translation>tem mais de %1 MiB, o máximo para um arquivo de palavras; nada foi lido</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>não é possível ler o arquivo</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <source>it holds or computes a value larger than %1; refused as damaged</source>
        <translation>contém ou calcula um valor maior que %1; recusada como danificada</translation>
    </message>
    <message>
        <source>reading it takes more than %1 of memory; refused as damaged</source>
        <translation>lê-la exige mais de %1 de memória; recusada como danificada</translation>
    </message>
    <message>
        <source>reading it takes more work than any collection needs; refused as damaged</source>
        <translation>lê-la exige mais trabalho do que qualquer coleção precisa; recusada como danificada</translation>
    </message>
    <message>
        <source>it holds more than %1 notes, the most a list can hold</source>
        <translation>contém mais de %1 notas, o máximo que uma lista pode ter</translation>
    </message>
    <message>
        <source>it holds no notes table</source>
        <translation>não contém nenhuma tabela de notas</translation>
    </message>
    <message>
        <source>; it may come from a newer Anki: export it again with &quot;Support older Anki versions&quot; ticked</source>
        <translation>; pode vir de uma versão mais recente do Anki: exporte-o de novo com a compatibilidade com versões anteriores do Anki marcada (“Support older Anki versions”)</translation>
    </message>
    <message>
        <source>not a readable Anki package: the zip archive is damaged or cut short (%1)</source>
        <translation>não é um pacote do Anki legível: o arquivo zip está danificado ou incompleto (%1)</translation>
    </message>
    <message>
        <source>not an Anki package: the zip archive holds no collection (collection.anki21b, collection.anki21 or collection.anki2)</source>
        <translation>não é um pacote do Anki: o arquivo zip não contém nenhuma coleção (collection.anki21b, collection.anki21 ou collection.anki2)</translation>
    </message>
    <message>
        <source>not a readable Anki collection in %1: %2</source>
        <translation>não há uma coleção do Anki legível em %1: %2</translation>
    </message>
    <message>
        <source>unknown Anki package version %1</source>
        <translation>versão %1 de pacote do Anki desconhecida</translation>
    </message>
    <message>
        <source>the Anki package is encrypted (a zip with a password), which Anki never writes; nothing read</source>
        <translation>o pacote do Anki está criptografado (um zip com senha), algo que o Anki nunca gera; nada foi lido</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB; refused as damaged</source>
        <translation>%1 tem mais de %2 MiB; recusado como danificado</translation>
    </message>
    <message>
        <source>the Anki package is damaged: %1 cannot be read (%2)</source>
        <translation>o pacote do Anki está danificado: não é possível ler %1 (%2)</translation>
    </message>
    <message>
        <source>out of memory unpacking the collection</source>
        <translation>memória insuficiente ao descompactar a coleção</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection does not unpack (%1)</source>
        <translation>o pacote do Anki está danificado: não é possível descompactar a coleção (%1)</translation>
    </message>
    <message>
        <source>the collection unpacks to more than %1 MiB; refused as damaged</source>
        <translation>a coleção descompactada tem mais de %1 MiB; recusada como danificada</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection is cut short</source>
        <translation>o pacote do Anki está danificado: a coleção está incompleta</translation>
    </message>
    <message>
        <source> (first on line %1)</source>
        <translation> (primeira ocorrência na linha %1)</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>palavra vazia</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;: no definition</source>
        <translation>palavra “%1”: sem definição</translation>
    </message>
    <message>
        <source>has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>tem %1 letras; uma palavra comporta no máximo %2 (%3 em Windows-1252, %4 caracteres chineses, japoneses ou coreanos)</translation>
    </message>
    <message>
        <source>has %1 letters; a definition holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>tem %1 letras; uma definição comporta no máximo %2 (%3 em Windows-1252, %4 caracteres chineses, japoneses ou coreanos)</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: não é uma imagem nem uma gravação que o Quibbix guarde; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not in the package&apos;s media; left out</source>
        <translation>%1: não está entre as mídias do pacote; deixado de fora</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: maior que 16 MiB; deixado de fora</translation>
    </message>
    <message>
        <source>%1: cannot be read from the package; left out</source>
        <translation>%1: não pode ser lido do pacote; deixado de fora</translation>
    </message>
    <message>
        <source>%1: no such file; left out</source>
        <translation>%1: arquivo inexistente; deixado de fora</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: um link simbólico, que nunca é seguido; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: não é um arquivo comum; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a file beside the document; left out</source>
        <translation>%1: não é um arquivo ao lado do documento; deixado de fora</translation>
    </message>
</context>
<context>
    <name>ImportAdvice</name>
    <message>
        <source>; use --header to skip it, --no-header to keep it</source>
        <translation>; use --header para ignorá-la, --no-header para mantê-la</translation>
    </message>
    <message>
        <source>; give the encoding it was saved in with --input-encoding</source>
        <translation>; informe com --input-encoding a codificação em que foi salvo</translation>
    </message>
    <message>
        <source>; give the right encoding with --input-encoding</source>
        <translation>; informe a codificação correta com --input-encoding</translation>
    </message>
    <message>
        <source>; --input-encoding chooses)</source>
        <translation>; escolha com --input-encoding)</translation>
    </message>
    <message>
        <source> (--truncate cuts it)</source>
        <translation> (--truncate a corta)</translation>
    </message>
    <message>
        <source> (guessed; --format chooses)</source>
        <translation> (suposição; escolha com --format)</translation>
    </message>
    <message>
        <source> (--include-deactivated keeps it)</source>
        <translation> (--include-deactivated a mantém)</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Cannot Add This File</source>
        <translation>Não é possível adicionar este arquivo</translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation>O Quibbix não consegue criar uma lista a partir de %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation>
            <numerusform>%1 agora tem %n palavra.</numerusform>
            <numerusform>%1 agora tem %n palavras.</numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation> As palavras que continuam nela mantêm o progresso, e uma cópia do progresso anterior foi guardada.</translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation>Títulos de colunas?</translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation>A primeira linha parece conter títulos de colunas: ignorá-la?</translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation>Ela diz %1 e %2.</translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation>Já existe uma lista com este nome</translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation>Você já tem uma lista chamada %1, com progresso.</translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation>Você já tem uma lista chamada %1.</translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation>Atualizá-la com as palavras de %1 e manter o progresso de cada palavra que continua (antes é feita uma cópia de segurança da sessão), ou adicionar o arquivo como uma nova lista ao lado dela?</translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation>&amp;Atualizar e manter o progresso</translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation>Adicionar como &amp;nova lista</translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation>Lista atualizada</translation>
    </message>
    <message>
        <source>It holds no words.</source>
        <translation>Ele não contém nenhuma palavra.</translation>
    </message>
    <message>
        <source>; delete that row from the file if it holds no word</source>
        <translation>; exclua essa linha do arquivo se ela não contiver nenhuma palavra</translation>
    </message>
    <message>
        <source>; choose the encoding it was saved in</source>
        <translation>; escolha a codificação em que foi salvo</translation>
    </message>
    <message>
        <source>; choose another encoding</source>
        <translation>; escolha outra codificação</translation>
    </message>
    <message>
        <source>; shorten it in the file</source>
        <translation>; encurte-a no arquivo</translation>
    </message>
    <message>
        <source>text with a tab between each word and its meaning</source>
        <translation>texto com uma tabulação entre cada palavra e seu significado</translation>
    </message>
    <message>
        <source>comma-separated text</source>
        <translation>texto separado por vírgulas</translation>
    </message>
    <message>
        <source>text exported from Anki</source>
        <translation>texto exportado do Anki</translation>
    </message>
    <message>
        <source>a Mnemosyne export</source>
        <translation>uma exportação do Mnemosyne</translation>
    </message>
    <message>
        <source>a KVTML vocabulary file</source>
        <translation>um arquivo de vocabulário KVTML</translation>
    </message>
    <message>
        <source>an Anki package</source>
        <translation>um pacote do Anki</translation>
    </message>
    <message>
        <source>Quibbix read this file as %1</source>
        <translation>O Quibbix leu este arquivo como %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A message shown in a window ends as a sentence of the language does.</extracomment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>ListFolder</name>
    <message>
        <source>the list is being studied backwards; close Quibbix on it first</source>
        <translation>a lista está sendo estudada ao contrário; feche primeiro o Quibbix nessa lista</translation>
    </message>
    <message>
        <source>the list is being studied; close Quibbix on it first</source>
        <translation>a lista está sendo estudada; feche primeiro o Quibbix nessa lista</translation>
    </message>
</context>
<context>
    <name>ListGuard</name>
    <message>
        <source>The copy of the word list as last studied (%1) is damaged, so the progress stays with the words by their position; the copy is kept as %1.bad.</source>
        <translation>A cópia da lista de palavras como foi estudada pela última vez (%1) está danificada, então o progresso fica com as palavras pela posição delas; a cópia é guardada como %1.bad.</translation>
    </message>
    <message>
        <source>Quibbix cannot tell whether the words of this list changed since you last studied it, because its record of them is damaged. Your progress stays with the words as they are now.</source>
        <translation>O Quibbix não consegue saber se as palavras desta lista mudaram desde a última vez que você a estudou, porque o registro delas está danificado. Seu progresso fica com as palavras como estão agora.</translation>
    </message>
    <message>
        <source>An update of the list was interrupted and cannot be finished: %1.</source>
        <translation>Uma atualização da lista foi interrompida e não pode ser concluída: %1.</translation>
    </message>
    <message>
        <source>A change to the words of this list was interrupted and cannot be finished now, so the list cannot be studied. Your progress is as it was. Free some disk space, or make sure the list&apos;s folder can be written to, then start Quibbix again.</source>
        <translation>Uma alteração nas palavras desta lista foi interrompida e não pode ser concluída agora, então a lista não pode ser estudada. Seu progresso está como estava. Libere espaço em disco ou verifique se é possível gravar na pasta da lista e inicie o Quibbix de novo.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied, and the progress could not be moved onto it: %1</source>
        <translation>A lista de palavras mudou desde que foi estudada pela última vez, e não foi possível transferir o progresso para ela: %1</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it, and your progress could not be moved onto the new words. Nothing was changed. To study this list, put its earlier word list back, or add the new words as a list of their own.</source>
        <translation>As palavras desta lista mudaram desde a última vez que você a estudou, e não foi possível transferir seu progresso para as novas palavras. Nada foi alterado. Para estudar esta lista, coloque de volta a lista de palavras anterior ou adicione as novas palavras como uma lista própria.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied: %1.</source>
        <translation>A lista de palavras mudou desde que foi estudada pela última vez: %1.</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it. The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>As palavras desta lista mudaram desde a última vez que você a estudou. As palavras que continuam nela mantêm o progresso, e uma cópia do progresso anterior foi guardada.</translation>
    </message>
</context>
<context>
    <name>ListImporter</name>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the file holds no words to study</source>
        <translation>o arquivo não contém palavras para estudar</translation>
    </message>
    <message>
        <source>the file holds %1 words; Quibbix can study at most %2</source>
        <translation>o arquivo contém %1 palavras; o Quibbix pode estudar no máximo %2</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); nothing changed</source>
        <translation>não é possível ler %1 (%2); nada foi alterado</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere since its words were read; nothing changed</source>
        <translation>%1 foi alterado em outro lugar depois que suas palavras foram lidas; nada foi alterado</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>não é possível ler o arquivo</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>não há nenhuma lista chamada “%1”</translation>
    </message>
    <message>
        <source>cannot read %1, which the progress stands on</source>
        <translation>não é possível ler %1, no qual o progresso se baseia</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>não é possível gravar %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ListRebase</name>
    <message>
        <source>the session could not be rebased</source>
        <translation>não foi possível adaptar a sessão à nova lista</translation>
    </message>
    <message>
        <source>%1, %2 and %3; the old session files are kept as %4</source>
        <translation>%1, %2 e %3; os arquivos anteriores da sessão são guardados como %4</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) keep(s) its/their progress</source>
        <translation>
            <numerusform>%n palavra mantém o progresso</numerusform>
            <numerusform>%n palavras mantêm o progresso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are gone</source>
        <translation>
            <numerusform>%n saiu</numerusform>
            <numerusform>%n saíram</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are new</source>
        <translation>
            <numerusform>%n é nova</numerusform>
            <numerusform>%n são novas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot write (%2); the change is finished when the list is next opened</source>
        <translation>%1: não é possível gravar (%2); a alteração será concluída na próxima vez que a lista for aberta</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1: não é possível gravar (%2); nada foi alterado</translation>
    </message>
    <message>
        <source>backwards, </source>
        <translation>ao contrário, </translation>
    </message>
    <message>
        <source>the pairing names %1 for %2</source>
        <translation>o pareamento indica %1 para %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n registro</numerusform>
            <numerusform>%n registros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new record(s)</source>
        <translation>
            <numerusform>%n registro novo</numerusform>
            <numerusform>%n registros novos</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives new record %1 old record %2, which is not among the %3</source>
        <translation>o pareamento atribui ao registro novo %1 o registro antigo %2, que não está entre os %3</translation>
    </message>
    <message numerus="yes">
        <source>%n old record(s)</source>
        <translation>
            <numerusform>%n registro antigo</numerusform>
            <numerusform>%n registros antigos</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives old record %1 to two new records</source>
        <translation>o pareamento atribui o registro antigo %1 a dois registros novos</translation>
    </message>
    <message>
        <source>cannot write (%1); the change is finished when the list is next opened</source>
        <translation>não é possível gravar (%1); a alteração será concluída na próxima vez que a lista for aberta</translation>
    </message>
    <message>
        <source>cannot write (%1); nothing changed</source>
        <translation>não é possível gravar (%1); nada foi alterado</translation>
    </message>
    <message>
        <source>an interrupted update cannot be finished (%1); nothing changed</source>
        <translation>não é possível concluir uma atualização interrompida (%1); nada foi alterado</translation>
    </message>
    <message>
        <source>the new list has %1; a session needs 1 to %2</source>
        <translation>a nova lista tem %1; uma sessão precisa de 1 a %2</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; nada foi alterado</translation>
    </message>
    <message>
        <source>cannot be read (%1); nothing changed</source>
        <translation>não pode ser lido (%1); nada foi alterado</translation>
    </message>
    <message>
        <source>no session here (no %1); nothing to rebase</source>
        <translation>não há sessão aqui (falta %1); nada a adaptar</translation>
    </message>
    <message>
        <source>is damaged; nothing changed (Quibbix keeps a copy of it as .bad and repairs it when it next saves)</source>
        <translation>está danificado; nada foi alterado (o Quibbix guarda uma cópia como .bad e o repara na próxima vez que salvar)</translation>
    </message>
    <message>
        <source>the lists name word %1, beyond the %2 of the old list; is it the list this session was made with? Nothing changed (--force drops those entries)</source>
        <translation>as listas citam a palavra %1, além dos %2 da lista antiga; é a lista com que esta sessão foi criada? Nada foi alterado (--force descarta essas entradas)</translation>
    </message>
    <message>
        <source>ambiguous matches; nothing changed (--force pairs them in file order)</source>
        <translation>correspondências ambíguas; nada foi alterado (--force as pareia na ordem do arquivo)</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>a list needs a name</source>
        <translation>uma lista precisa de um nome</translation>
    </message>
    <message>
        <source>the name is too long (at most %1 bytes)</source>
        <translation>o nome é longo demais (no máximo %1 bytes)</translation>
    </message>
    <message>
        <source>the name holds control characters or outer spaces</source>
        <translation>o nome contém caracteres de controle ou espaços no início ou no fim</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>o nome não é UTF-8 válido</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>another program is changing the lists; try again in a moment</source>
        <translation>outro programa está alterando as listas; tente de novo daqui a pouco</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>não é possível bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot read the defaults in %1: %2</source>
        <translation>não é possível ler os arquivos padrão em %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>não é possível copiar %1 para %2: %3</translation>
    </message>
    <message>
        <source>cannot make a new list in %1: %2</source>
        <translation>não é possível criar uma nova lista em %1: %2</translation>
    </message>
    <message>
        <source>cannot move %1 to %2: %3</source>
        <translation>não é possível mover %1 para %2: %3</translation>
    </message>
    <message>
        <source>no free folder name for &quot;%1&quot; in %2</source>
        <translation>não há nome de pasta livre para “%1” em %2</translation>
    </message>
    <message>
        <source>a list named &quot;%1&quot; exists already</source>
        <translation>já existe uma lista chamada “%1”</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>não há nenhuma lista chamada “%1”</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>não é possível criar uma pasta em %1: %2</translation>
    </message>
    <message>
        <source>cannot move %1: %2</source>
        <translation>não é possível mover %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>the default word list was not found</source>
        <translation>a lista de palavras padrão não foi encontrada</translation>
    </message>
</context>
<context>
    <name>ListSync</name>
    <message>
        <source>%1: not a Quibbix list manifest</source>
        <translation>%1: não é um manifesto de lista do Quibbix</translation>
    </message>
    <message>
        <source>%1: written by a newer Quibbix (format %2); update Quibbix to sync this list</source>
        <translation>%1: gravado por uma versão mais recente do Quibbix (formato %2); atualize o Quibbix para sincronizar esta lista</translation>
    </message>
    <message>
        <source>%1:%2: a damaged line (&quot;%3&quot;)</source>
        <translation>%1:%2: uma linha danificada (“%3”)</translation>
    </message>
    <message>
        <source>%1: names no list</source>
        <translation>%1: não indica nenhuma lista</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: still arriving (%2); the list is joined once it is whole</source>
        <translation>%1: ainda está chegando (%2); a lista entrará na pasta quando ele estiver completo</translation>
    </message>
    <message>
        <source>%1: another program is syncing the list; try again in a moment</source>
        <translation>%1: outro programa está sincronizando a lista; tente de novo daqui a pouco</translation>
    </message>
    <message>
        <source>%1: the words changed on another computer; they come in, with the progress of both directions, once no other program studies the list</source>
        <translation>%1: as palavras mudaram em outro computador; elas serão incorporadas, com o progresso dos dois sentidos, quando nenhum outro programa estiver estudando a lista</translation>
    </message>
    <message>
        <source>%1: studied by another program right now, which takes what arrived at its own next sync</source>
        <translation>%1: outro programa o está estudando agora mesmo e receberá o que chegou na próxima sincronização dele</translation>
    </message>
    <message>
        <source>%1: the journal of device %2, kept as %3; this computer starts a journal of its own</source>
        <translation>%1: o diário do dispositivo %2, guardado como %3; este computador começa um diário próprio</translation>
    </message>
    <message>
        <source>%1: names %2 of %3; leave the sync folder and join it again</source>
        <translation>%1: indica %2 de %3; saia da pasta de sincronização e entre nela de novo</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; what was done here syncs once the folder is back</source>
        <translation>%1; o que foi feito aqui será sincronizado quando a pasta voltar</translation>
    </message>
    <message>
        <source>%1; the journal is published at the next sync</source>
        <translation>%1; o diário será publicado na próxima sincronização</translation>
    </message>
    <message numerus="yes">
        <source>%n judgement(s) of words no journal made passed over</source>
        <translation>
            <numerusform>%n avaliação de palavras que nenhum diário criou foi ignorada</numerusform>
            <numerusform>%n avaliações de palavras que nenhum diário criou foram ignoradas</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>não é possível gravar %1</translation>
    </message>
    <message>
        <source>%1; the list has no words to share</source>
        <translation>%1; a lista não tem palavras para compartilhar</translation>
    </message>
    <message>
        <source>%1: events of another sync folder, kept in the trash as %2</source>
        <translation>%1: eventos de outra pasta de sincronização, guardados na lixeira como %2</translation>
    </message>
    <message>
        <source>%1: the list &quot;%2&quot; is still arriving; nothing changed, join again once it is whole</source>
        <translation>%1: a lista “%2” ainda está chegando; nada foi alterado, entre de novo quando ela estiver completa</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n resposta</numerusform>
            <numerusform>%n respostas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word change(s)</source>
        <translation>
            <numerusform>%n alteração de palavras</numerusform>
            <numerusform>%n alterações de palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 arrived from another computer</source>
        <translation>Recebido de outro computador: %1 e %2</translation>
    </message>
    <message>
        <source>%1 arrived from another computer</source>
        <translation>Recebido de outro computador: %1</translation>
    </message>
    <message>
        <source>the list syncs with %1 already; leave it first</source>
        <translation>a lista já é sincronizada por %1; saia dessa pasta antes</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1: %2; nada foi alterado</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; nada foi alterado</translation>
    </message>
    <message>
        <source>%1 holds the list &quot;%2&quot;, not &quot;%3&quot;; a sync folder holds one list, so give this one a folder of its own</source>
        <translation>%1 contém a lista “%2”, não “%3”; uma pasta de sincronização contém uma só lista, então dê a esta uma pasta própria</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>mais %n</numerusform>
            <numerusform>mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s (%2, or a list still arriving); pick an empty folder</source>
        <translation>%1 contém arquivos que não são de uma lista do Quibbix (%2, ou uma lista que ainda está chegando); escolha uma pasta vazia</translation>
    </message>
    <message>
        <source>%1: the list is joined to no sync folder</source>
        <translation>%1: a lista não está em nenhuma pasta de sincronização</translation>
    </message>
    <message>
        <source>%1: its contents do not match its name; left out</source>
        <translation>%1: o conteúdo não corresponde ao nome; deixado de fora</translation>
    </message>
</context>
<context>
    <name>MediaStore</name>
    <message>
        <source>%1: cannot be read (%2); left out</source>
        <translation>%1: não pode ser lido (%2); deixado de fora</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: um link simbólico, que nunca é seguido; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: não é um arquivo comum; deixado de fora</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: maior que 16 MiB; deixado de fora</translation>
    </message>
    <message>
        <source>%1: could not be copied into the list; left out</source>
        <translation>%1: não pôde ser copiado para a lista; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: não é uma imagem nem uma gravação que o Quibbix guarde; deixado de fora</translation>
    </message>
    <message>
        <source>%1: the list&apos;s pictures and recordings would pass 1 GiB; left out</source>
        <translation>%1: as imagens e gravações da lista passariam de 1 GiB; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a recording; left out</source>
        <translation>%1: não é uma gravação; deixado de fora</translation>
    </message>
    <message>
        <source>%1: not a picture; left out</source>
        <translation>%1: não é uma imagem; deixado de fora</translation>
    </message>
    <message>
        <source>%1: a picture too large to show (%2); left out</source>
        <translation>%1: uma imagem grande demais para mostrar (%2); deixado de fora</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation>Não foi possível carregar %1 (%2). Reinstalar o Quibbix o restaura.</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation>%1 pertence a outra versão do Quibbix. Reinstalar o Quibbix coloca a versão certa no lugar.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation>Conhecidas</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Em aprendizado</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Desconhecidas</translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation>Erradas</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Em dúvida</translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation>A ver</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n dia</numerusform>
            <numerusform>%n dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation>Sequência de estudo: %1 (recorde: %2)</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation>Palavras em cada estado</translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation>Minutos de estudo por dia, últimos %1 dias</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation>Nenhum estudo registrado ainda.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation>Em %1: %2. As palavras conhecidas passaram de %3 em %4 para %5.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation>Nos últimos %1 dias: %2 de estudo, %3 no total.</translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation> O máximo foi %1, em %2.</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Exportar o histórico</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation>Não foi possível exportar o histórico.

</translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation>Sem fala: %1</translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation>Sem fala: instale speech-dispatcher e speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng</source>
        <translation>Sem fala: instale qt6-speech-speechd-plugin e speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No voice for %1: install a speech-dispatcher voice for it</source>
        <translation>Sem voz em %1: instale uma voz do speech-dispatcher</translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation>A lista de palavras mudou</translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation>Não é possível estudar esta lista</translation>
    </message>
</context>
<context>
    <name>RecordChecker</name>
    <message>
        <source>record end</source>
        <translation>fim do registro</translation>
    </message>
    <message>
        <source>unused field</source>
        <translation>campo não usado</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palavra</translation>
    </message>
    <message>
        <source>definition</source>
        <translation>definição</translation>
    </message>
    <message>
        <source>byte %1 at offset %2 (%3) breaks the record when read as text</source>
        <translation>o byte %1 na posição %2 (%3) quebra o registro quando lido como texto</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the word (UTF-8) does not show as a character</source>
        <translation>o caractere de controle %1 no byte %2 da palavra (UTF-8) não aparece como caractere</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the definition (UTF-8) does not show as a character</source>
        <translation>o caractere de controle %1 no byte %2 da definição (UTF-8) não aparece como caractere</translation>
    </message>
    <message>
        <source>control character %1 in the word does not show as a character</source>
        <translation>o caractere de controle %1 na palavra não aparece como caractere</translation>
    </message>
    <message>
        <source>control character %1 in the definition does not show as a character</source>
        <translation>o caractere de controle %1 na definição não aparece como caractere</translation>
    </message>
    <message>
        <source>undefined byte %1 in the word, which is not valid UTF-8 either, does not show as a character</source>
        <translation>o byte indefinido %1 na palavra, que também não é UTF-8 válido, não aparece como caractere</translation>
    </message>
    <message>
        <source>undefined byte %1 in the definition, which is not valid UTF-8 either, does not show as a character</source>
        <translation>o byte indefinido %1 na definição, que também não é UTF-8 válido, não aparece como caractere</translation>
    </message>
    <message>
        <source>the word is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>a palavra é UTF-8 cortado dentro do último caractere, por isso aparece como Windows-1252</translation>
    </message>
    <message>
        <source>the definition is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>a definição é UTF-8 cortado dentro do último caractere, por isso aparece como Windows-1252</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>palavra vazia</translation>
    </message>
    <message>
        <source>word of spaces only</source>
        <translation>palavra só de espaços</translation>
    </message>
    <message>
        <source>empty definition</source>
        <translation>definição vazia</translation>
    </message>
    <message>
        <source>definition of spaces only</source>
        <translation>definição só de espaços</translation>
    </message>
</context>
<context>
    <name>RefusedDialog</name>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n entrada</numerusform>
            <numerusform>%n entradas</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the entries in “%1” can be added to a list:</source>
        <translation>Nenhuma das entradas de “%1” pode ser adicionada a uma lista:</translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation>Não é possível adicionar à lista %1 de “%2”; as outras %3 podem ser adicionadas:</translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation>Entradas que não podem ser adicionadas</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation>Entradas que não podem ser adicionadas</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Cancelar, sem adicionar nada</translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation>&amp;Ignorá-las e adicionar o resto</translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation>Ignorar estas entradas e adicionar o resto</translation>
    </message>
    <message>
        <source>C&amp;ut Them to Fit</source>
        <translation>&amp;Cortá-las para caber</translation>
    </message>
    <message>
        <source>Cut the words and definitions too long for the list at their last whole letter that fits</source>
        <translation>Cortar as palavras e definições longas demais na última letra inteira que couber</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation>Pronúncia</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma das palavras</translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation>Idioma das definições</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Palavras:</translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation>&amp;Definições:</translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation>Falar cada palavra quando aparecer</translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation>Não é possível estudar esta lista</translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Não salvo: %1</translation>
    </message>
    <message>
        <source>Each word is spoken</source>
        <translation>Cada palavra é falada</translation>
    </message>
    <message>
        <source>Words are not spoken</source>
        <translation>As palavras não são faladas</translation>
    </message>
    <message>
        <source>No sound output: the word cannot be spoken</source>
        <translation>Sem saída de som: a palavra não pode ser falada</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>: held no device id (&quot;</source>
        <translation>: não continha identificador de dispositivo (“</translation>
    </message>
    <message>
        <source>&quot;); this computer now syncs as the new device </source>
        <translation>”); este computador agora é sincronizado como o novo dispositivo </translation>
    </message>
    <message>
        <source>: the data folder was made at </source>
        <translation>: a pasta de dados foi criada em </translation>
    </message>
    <message>
        <source> (copied or moved from there, where it may still sync); this computer now syncs as the new device </source>
        <translation> (copiada ou movida de lá, onde ainda pode ser sincronizada); este computador agora é sincronizado como o novo dispositivo </translation>
    </message>
    <message>
        <source>, so that no journal is written from two places</source>
        <translation>, para que nenhum diário seja gravado de dois lugares</translation>
    </message>
    <message>
        <source>: written in journal format </source>
        <translation>: gravado no formato de diário </translation>
    </message>
    <message>
        <source> by a newer Quibbix; this one reads format </source>
        <translation> por uma versão mais recente do Quibbix; esta lê o formato </translation>
    </message>
    <message>
        <source> and leaves the journal unread until it is updated</source>
        <translation> e deixa o diário sem ler até ser atualizada</translation>
    </message>
    <message>
        <source>: not a Quibbix journal (its first line is &quot;</source>
        <translation>: não é um diário do Quibbix (a primeira linha é &quot;</translation>
    </message>
    <message>
        <source>an event of device </source>
        <translation>um evento do dispositivo </translation>
    </message>
    <message>
        <source> in the journal of </source>
        <translation> no diário de </translation>
    </message>
    <message>
        <source>: the journal of device </source>
        <translation>: o diário do dispositivo </translation>
    </message>
    <message>
        <source>, not of this computer&apos;s </source>
        <translation>, não o deste computador, que é </translation>
    </message>
    <message>
        <source>: holds the journal of device </source>
        <translation>: contém o diário do dispositivo </translation>
    </message>
    <message>
        <source>no direction (f or b)</source>
        <translation>falta o sentido (f ou b)</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD)</source>
        <translation>falta a data (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>no seconds of use</source>
        <translation>faltam os segundos de uso</translation>
    </message>
    <message>
        <source>the event it undoes is no earlier event of its device</source>
        <translation>o evento que ele desfaz não é um evento anterior do seu dispositivo</translation>
    </message>
    <message>
        <source>no word id</source>
        <translation>falta o identificador da palavra</translation>
    </message>
    <message>
        <source>no judgement code (0 to 3)</source>
        <translation>falta o código de avaliação (0 a 3)</translation>
    </message>
    <message>
        <source>no wall-clock offset</source>
        <translation>falta o deslocamento do relógio</translation>
    </message>
    <message>
        <source>a broken %XX escape in the word&apos;s text</source>
        <translation>uma sequência de escape %XX inválida no texto da palavra</translation>
    </message>
    <message>
        <source>it has </source>
        <translation>tem </translation>
    </message>
    <message>
        <source> fields, not </source>
        <translation> campos, não </translation>
    </message>
    <message>
        <source>no clock time</source>
        <translation>falta a hora do relógio</translation>
    </message>
    <message>
        <source>no device id</source>
        <translation>falta o identificador do dispositivo</translation>
    </message>
    <message>
        <source>no sequence number</source>
        <translation>falta o número de sequência</translation>
    </message>
    <message>
        <source>The list to replay holds </source>
        <translation>A lista a ser reconstruída contém </translation>
    </message>
    <message>
        <source> words: a list studies from 1 to </source>
        <translation> palavras: uma lista pode ter de 1 a </translation>
    </message>
    <message>
        <source>a judgement of word </source>
        <translation>uma avaliação da palavra </translation>
    </message>
    <message>
        <source>, which the list does not hold, was left out</source>
        <translation>, que não está na lista, foi deixada de fora</translation>
    </message>
    <message>
        <source>; what was taken from it before stays, and the computer that writes it replaces it at its next sync</source>
        <translation>; o que foi tirado dela antes permanece, e o computador que a escreve a substitui na próxima sincronização</translation>
    </message>
    <message>
        <source>: not the journal its name says; passed over</source>
        <translation>: não é o diário que o nome indica; ignorado</translation>
    </message>
    <message>
        <source>: no longer begins with what was taken from it; both are kept and read</source>
        <translation>: não começa mais com o que foi tirado dela; as duas são mantidas e lidas</translation>
    </message>
    <message>
        <source>: the journals there hold more than </source>
        <translation>: os diários ali contêm mais de </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; the list keeps its progress here and is not synced</source>
        <translation> eventos, mais do que o Quibbix mescla; a lista mantém aqui o seu progresso e não é sincronizada</translation>
    </message>
    <message>
        <source>: changed what it held too many times; passed over, what was taken from it stays</source>
        <translation>: mudou o que continha vezes demais; ignorado, o que foi tirado dela permanece</translation>
    </message>
    <message>
        <source>a word that is empty, holds a control character or is too long</source>
        <translation>uma palavra vazia, com um caractere de controle ou longa demais</translation>
    </message>
    <message>
        <source>a definition that holds a control character or is too long</source>
        <translation>uma definição com um caractere de controle ou longa demais</translation>
    </message>
    <message>
        <source>: events of a kind a newer Quibbix writes, passed over; update Quibbix to take them</source>
        <translation>: eventos de um tipo que um Quibbix mais novo escreve, ignorados; atualize o Quibbix para incorporá-los</translation>
    </message>
    <message>
        <source>a sequence number beyond the events before it</source>
        <translation>um número de sequência além dos eventos anteriores</translation>
    </message>
    <message>
        <source>: taking it would make the journals hold more than </source>
        <translation>: tomá-la faria os diários conterem mais de </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; passed over</source>
        <translation> eventos, mais do que o Quibbix mescla; ignorado</translation>
    </message>
    <message>
        <source>the words of the list as it joined cannot be read; nothing was written</source>
        <translation>as palavras da lista como ela entrou não podem ser lidas; nada foi gravado</translation>
    </message>
    <message>
        <source>no name of a picture or recording</source>
        <translation>nenhum nome de imagem ou gravação</translation>
    </message>
    <message>
        <source>no event of this format (J, U, E, R, T or M)</source>
        <translation>nenhum evento deste formato (J, U, E, R, T ou M)</translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation>A pasta contém “%1” de outro computador.</translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation>“%1” aqui é refeita a partir dela, com palavras e progresso; o que ela contém agora vai antes para a lixeira.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation>Ela é adicionada aqui como uma nova lista, com suas palavras e progresso, e “%1” fica como está.</translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation>&amp;Adicionar “%1”</translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation>Não é possível sincronizar</translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation>“%1” não foi adicionada.

%2</translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation>Sincronizar “%1” por uma pasta</translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation>“%1” não pode ser sincronizada por %2.

%3</translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation>“%1” agora é sincronizada por %2.</translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation>

Nos seus outros computadores, quando a pasta tiver chegado lá, escolha Sincronizar… com a mesma pasta.</translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation>

Suas palavras e seu progresso vieram da pasta. </translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation>“%1” é sincronizada por %2.</translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation>Ela é sincronizada sempre que é aberta ou salva. Parar mantém a pasta e o progresso da lista como estão.</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>Sincronizar &amp;agora</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>&amp;Parar de sincronizar</translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation>Não é possível parar de sincronizar</translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation>“%1” continua sendo sincronizada.

%2</translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation>“%1” não foi sincronizada.

%2</translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation>Nada novo chegou de outros computadores.</translation>
    </message>
    <message>
        <source>Pick an empty folder inside the folder your sync program shares (Syncthing, Nextcloud, Dropbox…), or, on another computer, the folder the first one made for this list. A name typed that is not there yet becomes a new folder.</source>
        <translation>Escolha uma pasta vazia dentro da pasta que seu programa de sincronização compartilha (Syncthing, Nextcloud, Dropbox…) ou, em outro computador, a pasta que o primeiro criou para esta lista. Um nome digitado que ainda não existe vira uma pasta nova.</translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s, such as “%2”. Pick an empty folder, or the folder another computer made for this list.</source>
        <translation>%1 contém arquivos que não são de nenhuma lista do Quibbix, como “%2”. Escolha uma pasta vazia ou a pasta que outro computador criou para esta lista.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>Not This Folder</source>
        <translation>Esta pasta não</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>cannot make the trash folder %1: %2</source>
        <translation>não é possível criar a pasta da lixeira %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 is in the trash, but the disk did not confirm it: %2</source>
        <translation>%1 está na lixeira, mas o disco não confirmou: %2</translation>
    </message>
    <message>
        <source>the trash (%1) is on another file system, and nothing is deleted here; %2 was left as it was</source>
        <translation>a lixeira (%1) está em outro sistema de arquivos, e nada é excluído aqui; %2 ficou como estava</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>não é possível mover %1 para a lixeira: %2</translation>
    </message>
    <message>
        <source>no free name in the trash for %1</source>
        <translation>não há nome livre na lixeira para %1</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation>a ver</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nova</translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation>errada</translation>
    </message>
    <message>
        <source>unsure</source>
        <translation>em dúvida</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>em aprendizado</translation>
    </message>
    <message>
        <source>known</source>
        <translation>conhecida</translation>
    </message>
    <message>
        <source>known, under review</source>
        <translation>conhecida, em revisão</translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation>Só uma palavra ou uma definição pode ser alterada.</translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation>A lista tem %1 palavras, o máximo que uma lista pode ter.</translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation>Uma lista mantém pelo menos uma palavra.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palavra</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Acertos</translation>
    </message>
    <message>
        <source>State Back</source>
        <translation>Estado inverso</translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation>Acertos inversos</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>A palavra</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Sua definição</translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation>Em que ponto está a palavra, estudada da palavra para a definição</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation>Acertos seguidos durante o aprendizado, da palavra para a definição</translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation>Em que ponto está a palavra, estudada ao contrário, da definição para a palavra</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation>Acertos seguidos durante o aprendizado, estudada ao contrário</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Picture and Sound</source>
        <translation>Imagem e som</translation>
    </message>
    <message>
        <source>The card&apos;s picture, and whether it has its own recording</source>
        <translation>A imagem do cartão, e se ele tem gravação própria</translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation>
            <numerusform>Excluir %n palavra?</numerusform>
            <numerusform>Excluir %n palavras?</numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation> Ela tem progresso, que vai junto (uma cópia é guardada).</translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation>Todas têm progresso, que vai junto (uma cópia é guardada).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation>
            <numerusform>%n delas tem progresso, que vai junto (uma cópia é guardada).</numerusform>
            <numerusform>%n delas têm progresso, que vai junto (uma cópia é guardada).</numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Adicionar uma palavra</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Nova palavra</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Sua definição</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Palavra:</translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation>&amp;Definição:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation>Palavras — %1[*]</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Pesquisar:</translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation>Pesquisar palavras e definições</translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation>Palavras e definições, sem diferenciar maiúsculas nem acentos</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palavras</translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation>Cada palavra com sua definição e seu progresso nos dois sentidos</translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation>Palavras mostradas</translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation>&amp;Adicionar palavra…</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Adicionar uma palavra</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;xcluir</translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation>Excluir as palavras selecionadas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Desfazer a última alteração</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>Salvar as alterações</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palavra</numerusform>
            <numerusform>%n palavras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 de %2 mostradas</translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation>A palavra não foi adicionada: %1.</translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation>Excluir palavras</translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation>Não alterado: %1.</translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation>As palavras não foram salvas: a lista foi alterada em outro lugar depois que esta janela a abriu, e salvar desfaria essa alteração. Feche a janela sem salvar e abra-a de novo.</translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation>As palavras não foram salvas: %1.</translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation>As palavras foram salvas, mas não podem ser mostradas de novo: %1.</translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation> — salvo: </translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation>Salvar as alterações nas palavras de %1?</translation>
    </message>
    <message>
        <source>&amp;Picture and Sound</source>
        <translation>&amp;Imagem e som</translation>
    </message>
    <message>
        <source>Give the word a picture or a recording from a file, or take them away</source>
        <translation>Dar à palavra uma imagem ou uma gravação de um arquivo, ou removê-las</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Picture…</source>
        <translation>Adicionar ou substituir &amp;imagem…</translation>
    </message>
    <message>
        <source>Remove P&amp;icture</source>
        <translation>&amp;Remover imagem</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Recording…</source>
        <translation>Adicionar ou substituir &amp;gravação…</translation>
    </message>
    <message>
        <source>Remove R&amp;ecording</source>
        <translation>Remo&amp;ver gravação</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</source>
        <translation>Imagens (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)</source>
        <translation>Gravações (*.wav *.flac *.ogg *.oga *.opus *.mp3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
</context>
</TS>
