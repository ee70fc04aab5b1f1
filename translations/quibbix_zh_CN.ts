<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AnswerLine</name>
    <message>
        <source>Your answer</source>
        <translation>你的答案</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>输入答案，然后按 Enter</translation>
    </message>
    <message>
        <source>Right: Enter for &quot;I Know&quot;</source>
        <translation>正确：按 Enter 选“我认识”</translation>
    </message>
    <message>
        <source>Right but for the accents: Enter for &quot;Not Sure&quot;</source>
        <translation>除重音符号外正确：按 Enter 选“不确定”</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s) off: Enter for &quot;Not Sure&quot;</source>
        <translation>
            <numerusform>错了 %n 个字母：按 Enter 选“不确定”</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing typed: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>没有输入：按 Enter 选“不认识”</translation>
    </message>
    <message>
        <source>Not the answer: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>不是答案：按 Enter 选“不认识”</translation>
    </message>
    <message>
        <source>Typed wrong: %1</source>
        <translation>输入错误：%1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>缺少：%1</translation>
    </message>
</context>
<context>
    <name>CBreakDlg</name>
    <message>
        <source>Time left</source>
        <translation>剩余时间</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>休息中</translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation>这是 %1 分钟的休息。
正好伸展一下身体，放松眼睛

按“确定”结束休息</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>剩余时间：%1:%2</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>休息</translation>
    </message>
    <message>
        <source>About the break</source>
        <translation>关于休息</translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation>休息结束</translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation>Quibbix — 休息中</translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation>示例</translation>
    </message>
    <message>
        <source>Use for Every List</source>
        <translation>用于所有列表</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list</source>
        <translation>将这些字体和颜色用于所有列表</translation>
    </message>
</context>
<context>
    <name>CQuibStatisticDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1（%2%）</translation>
    </message>
    <message>
        <source>How many times a word was shown, each repeat counted again: not the number of different words</source>
        <translation>单词显示的次数，每次重复都计入：不是不同单词的个数</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation>无法打开“进度”窗口。

</translation>
    </message>
    <message>
        <source>Known words come back for review when few words are left to be viewed, so on a small list most of them wait among those; the list of lists counts them as known</source>
        <translation>当待查看的单词所剩无几时，已掌握的单词会回来复习，所以在小列表中它们大多在待查看的单词中等待；列表一览仍把它们算作已掌握</translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation>按“我认识”开始</translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation>本次未同步：你的回答将在下次同步时上传</translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation>使用“字体和颜色”按钮为单词显示框（上方）和释义显示框（此处）选择字体和颜色。

(V1.0)</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>反向</translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation>，反向</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>释义</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>编辑单词(&amp;E)…</translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation>部分学习进度无法读取。现在退出以便检查吗？（选“否”则继续学习；无法读取的文件保持原样。）</translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation>我认识 (K)</translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation>不确定 (S)</translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation>不认识 (D)</translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation>
Ctrl+Z 或 Backspace 撤销上一次判断
Ctrl+E 编辑列表中的单词</translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation>
反向：根据显示的释义回答对应的单词</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>无法编辑单词</translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation>Quibbix 无法显示单词：%1</translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation>各列表中的单词和学习时间</translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation>单词和释义的字体与颜色</translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation>立即休息两分钟</translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation>保存并退出</translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation>无法保存你的学习进度。要重试吗？</translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation>确定要退出吗？</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation>无法保存你的字体和颜色。

%1

在 Quibbix 关闭前仍会使用它们；之前保存的设置保持不变。请释放一些空间或修复该文件，然后在“字体和颜色”中再次按“确定”。</translation>
    </message>
    <message>
        <source>Choose a &amp;List…</source>
        <translation>选择列表(&amp;L)…</translation>
    </message>
    <message>
        <source>The lists cannot be shown: %1</source>
        <translation>无法显示列表：%1</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list, and for every list added from now on?</source>
        <translation>将这些字体和颜色用于所有列表，包括今后添加的列表吗？</translation>
    </message>
    <message>
        <source>Fonts and Colors</source>
        <translation>字体和颜色</translation>
    </message>
    <message>
        <source>The fonts and colors are kept for this list only: %1</source>
        <translation>字体和颜色仅用于此列表：%1</translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation>
            <numerusform>%n 个单词后休息</numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation>%1 分钟后休息</translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation>%1 秒后休息</translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation>
            <numerusform>全部 %n 个单词都已看过一遍</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation>
            <numerusform>全部 %n 个单词都已掌握</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation>%1 个待查看</translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation>学习进度</translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation>
            <numerusform>其他 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation>本次学习：%1 个“我认识”，%2
%3，%4</translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation>现在请判断：
你真的认识吗？</translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation>已记为不确定：
按任意回答继续。</translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation>已记为不认识：
按任意回答继续。</translation>
    </message>
    <message>
        <source>Paused while you were away
%1, %2</source>
        <translation>离开期间已暂停
%1，%2</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>never</source>
        <translation>从未</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Add a List</source>
        <translation>添加列表</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation>单词列表 (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation>Quibbix：选择列表</translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation>列表(&amp;L)：</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>单词列表</translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation>每个列表及其单词数、各方向已掌握的单词、上次学习时间以及用于同步的文件夹</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>已掌握</translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation>反向已掌握</translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation>上次学习</translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation>同步文件夹</translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation>添加列表(&amp;A)…</translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation>从文件添加列表</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>重命名(&amp;N)</translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation>重命名所选列表</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation>将所选列表移到回收站</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>编辑单词(&amp;E)…</translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation>编辑所选列表中的单词</translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation>同步(&amp;Y)…</translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation>通过文件夹与其他计算机同步所选列表</translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation>学习(&amp;S)</translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation>学习所选列表</translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation>反向(&amp;B)</translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation>从释义到单词学习所选列表；每个方向分别记录进度</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>无法编辑单词</translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation>无法显示“%1”中的单词。

%2</translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation>重命名列表</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新名称：</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>无法重命名</translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation>“%1”未重命名。

%2</translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation>移除列表</translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation>将列表“%1”移到回收站吗？</translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation>它的单词和学习进度会移到桌面的回收站，你可以从那里恢复。</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>移到回收站(&amp;T)</translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation>无法移除</translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation>“%1”未移到回收站。

%2</translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation>朗读(&amp;C)…</translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation>所选列表朗读时使用的语言，以及是否在每个单词出现时朗读</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>无法保存</translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation>“%1”的朗读设置未保存。

%2</translation>
    </message>
    <message>
        <source>&amp;Type the Answer</source>
        <translation>输入答案(&amp;T)</translation>
    </message>
    <message>
        <source>Type each answer and be told what was off; backwards, this practises spelling</source>
        <translation>输入每个答案并查看哪里错了；反向学习时可练习拼写</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>栗色</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿色</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>橄榄色</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>藏青色</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>紫色</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>青色</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰色</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>银色</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>红色</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>酸橙色</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄色</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝色</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>紫红色</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>浅绿色</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>颜色(&amp;C)：</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
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
        <translation>确定</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>不认识</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>不确定</translation>
    </message>
    <message>
        <source>I Know</source>
        <translation>我认识</translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation>字体和颜色(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation>显示统计(&amp;S)</translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation>休息一下(&amp;B)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation>单词框的字体和颜色</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source> Sample</source>
        <translation> 示例</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>释义</translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation>释义框的字体和颜色</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>程序</translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation>程序背景颜色</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation>单词总数：</translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation>已查看单词：</translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation>已学会单词：</translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation>本次学习时间：</translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation>总使用时间：</translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation>答错的单词：</translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation>不确定的单词：</translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation>不认识的单词：</translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation>学习中的单词：</translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation>已掌握的单词：</translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation>待查看的单词：</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>进度...</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>休息中</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>休息</translation>
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
        <translation>无法按 %2 读取 %1。

%3</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation>%1 不是 UTF-8 编码，Quibbix 无法判断它以哪种编码保存。请选择能让前几行正确显示的编码。</translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation>但这几乎只是猜测</translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation>但不能确定</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation>%1 不是 UTF-8 编码。Quibbix 猜测它以 %2 保存，%3。如果下面的前几行显示不正确，请选择它保存时使用的编码。</translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation>选择文件的编码</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>编码(&amp;E)：</translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation>按此编码显示的前几行(&amp;L)：</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>文件的前几行</translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation>有些字节在此编码中没有对应字符，显示为 %1。</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation>按此编码添加文件</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>取消，不添加任何内容</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>编码</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Word State</source>
        <translation>单词状态</translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation>维护列表</translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation>打开时出错：</translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation>错误：没有有效的记录文件</translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation>无法生成随机列表</translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation>无法完整读取你的学习记录：</translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation>部分学习进度无法读取：</translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation>无法保存你的学习进度。</translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation>之前保存的内容保持不变。请释放一些空间或修复该文件，然后再次保存。</translation>
    </message>
</context>
<context>
    <name>EntryChecker</name>
    <message>
        <source>the entry is refused</source>
        <translation>该条目被拒绝</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation>Quibbix 已在此文件夹上运行。</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>已在运行</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation>Quibbix 帮助</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>this row looks like column titles and was imported as an entry</source>
        <translation>这一行看起来是列标题，已作为条目导入</translation>
    </message>
    <message>
        <source>more than %1 fields on one line; the file is read no further</source>
        <translation>一行中超过 %1 个字段；不再继续读取该文件</translation>
    </message>
    <message>
        <source>quote that does not close the field; the field is read as written</source>
        <translation>引号未闭合该字段；该字段按原样读取</translation>
    </message>
    <message>
        <source>quote inside an unquoted field, taken literally</source>
        <translation>未加引号的字段中出现引号，已按字面读取</translation>
    </message>
    <message>
        <source>holds %1, which would break the record</source>
        <translation>包含 %1，会破坏记录</translation>
    </message>
    <message>
        <source>holds the control character %1</source>
        <translation>包含控制字符 %1</translation>
    </message>
    <message>
        <source>holds %1 (%2), which Windows-1252 cannot hold</source>
        <translation>包含 %1（%2），Windows-1252 无法表示该字符</translation>
    </message>
    <message>
        <source>is %1 bytes in %2 and has no place to cut it to %3</source>
        <translation>在 %2 中占 %1 字节，且无法截断到 %3 字节</translation>
    </message>
    <message>
        <source>would read back as &quot;%1&quot; when stored in %2</source>
        <translation>以 %2 存储后会读作“%1”</translation>
    </message>
    <message>
        <source>more than %1 entries, the most a list can hold; the file is read no further</source>
        <translation>超过 %1 个条目，这是一个列表的上限；不再继续读取该文件</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;</source>
        <translation>未知编码“%1”</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1)</source>
        <translation>不是有效的 UTF-8（字节 %1）</translation>
    </message>
    <message>
        <source>this system has no converter for %1</source>
        <translation>此系统没有 %1 的转换器</translation>
    </message>
    <message>
        <source>byte %1 has no character in %2</source>
        <translation>字节 %1 在 %2 中没有对应字符</translation>
    </message>
    <message>
        <source>not UTF-8; read as %1 (guessed, %2% sure</source>
        <translation>不是 UTF-8；已按 %1 读取 (猜测，把握 %2%</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1) and in no encoding Quibbix can guess</source>
        <translation>不是有效的 UTF-8（字节 %1），且不属于 Quibbix 能猜出的任何编码</translation>
    </message>
    <message>
        <source>not a KVTML document (no &lt;kvtml&gt; root element)</source>
        <translation>不是 KVTML 文档（没有 &lt;kvtml&gt; 根元素）</translation>
    </message>
    <message>
        <source>XML error: %1</source>
        <translation>XML 错误：%1</translation>
    </message>
    <message>
        <source>deactivated entry skipped</source>
        <translation>已跳过停用的条目</translation>
    </message>
    <message>
        <source>empty entry skipped</source>
        <translation>已跳过空条目</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot; dropped</source>
        <translation>已丢弃重复的单词“%1”</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot;</source>
        <translation>重复的单词“%1”</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;</source>
        <translation>单词“%1”</translation>
    </message>
    <message>
        <source>definition of &quot;%1&quot;</source>
        <translation>“%1”的释义</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1 cut from %2 to %3</source>
        <translation>%1已从 %2 截断为 %3</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>西欧</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊语</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其语</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来语</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯语</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波罗的海语</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南语</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰语</translation>
    </message>
    <message>
        <source>South European</source>
        <translation>南欧</translation>
    </message>
    <message>
        <source>Nordic</source>
        <translation>北欧</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>凯尔特语</translation>
    </message>
    <message>
        <source>South-Eastern European</source>
        <translation>东南欧</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>乌克兰语</translation>
    </message>
    <message>
        <source>Western European, Mac</source>
        <translation>Mac 西欧</translation>
    </message>
    <message>
        <source>Central European, Mac</source>
        <translation>Mac 中欧</translation>
    </message>
    <message>
        <source>Cyrillic, Mac</source>
        <translation>Mac 西里尔文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Chinese, Simplified</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese, Traditional</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩语</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot; as a title line; if it is an entry, quote its word</source>
        <translation>已将“%1”作为标题行跳过；如果它是条目，请给它的单词加上引号</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>已按 %1 读取</translation>
    </message>
    <message>
        <source>this is a spreadsheet; save it as CSV (comma-separated values) and import that</source>
        <translation>这是电子表格；请将其另存为 CSV（逗号分隔值）并导入该文件</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most a word file may be; nothing read</source>
        <translation>大于 %1 MiB，这是单词文件的上限；未读取任何内容</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>it holds or computes a value larger than %1; refused as damaged</source>
        <translation>其中存储或计算出的值大于 %1；视为已损坏而拒绝</translation>
    </message>
    <message>
        <source>reading it takes more than %1 of memory; refused as damaged</source>
        <translation>读取它需要超过 %1 的内存；视为已损坏而拒绝</translation>
    </message>
    <message>
        <source>reading it takes more work than any collection needs; refused as damaged</source>
        <translation>读取它所需的工作量超出任何集合的需要；视为已损坏而拒绝</translation>
    </message>
    <message>
        <source>it holds more than %1 notes, the most a list can hold</source>
        <translation>其中超过 %1 条笔记，这是一个列表的上限</translation>
    </message>
    <message>
        <source>it holds no notes table</source>
        <translation>其中没有笔记表</translation>
    </message>
    <message>
        <source>; it may come from a newer Anki: export it again with &quot;Support older Anki versions&quot; ticked</source>
        <translation>；它可能来自较新版本的 Anki：请勾选“Support older Anki versions”（支持旧版 Anki）后重新导出</translation>
    </message>
    <message>
        <source>not a readable Anki package: the zip archive is damaged or cut short (%1)</source>
        <translation>无法读取该 Anki 包：zip 压缩包已损坏或不完整（%1）</translation>
    </message>
    <message>
        <source>not an Anki package: the zip archive holds no collection (collection.anki21b, collection.anki21 or collection.anki2)</source>
        <translation>不是 Anki 包：zip 压缩包中没有集合（collection.anki21b、collection.anki21 或 collection.anki2）</translation>
    </message>
    <message>
        <source>not a readable Anki collection in %1: %2</source>
        <translation>无法读取 %1 中的 Anki 集合：%2</translation>
    </message>
    <message>
        <source>unknown Anki package version %1</source>
        <translation>未知的 Anki 包版本 %1</translation>
    </message>
    <message>
        <source>the Anki package is encrypted (a zip with a password), which Anki never writes; nothing read</source>
        <translation>该 Anki 包已加密（带密码的 zip），而 Anki 从不生成这种包；未读取任何内容</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB; refused as damaged</source>
        <translation>%1 大于 %2 MiB；视为已损坏而拒绝</translation>
    </message>
    <message>
        <source>the Anki package is damaged: %1 cannot be read (%2)</source>
        <translation>该 Anki 包已损坏：无法读取 %1（%2）</translation>
    </message>
    <message>
        <source>out of memory unpacking the collection</source>
        <translation>解压集合时内存不足</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection does not unpack (%1)</source>
        <translation>该 Anki 包已损坏：其中的集合无法解压（%1）</translation>
    </message>
    <message>
        <source>the collection unpacks to more than %1 MiB; refused as damaged</source>
        <translation>集合解压后超过 %1 MiB；视为已损坏而拒绝</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection is cut short</source>
        <translation>该 Anki 包已损坏：其中的集合不完整</translation>
    </message>
    <message>
        <source> (first on line %1)</source>
        <translation>（首次出现在第 %1 行）</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>空单词</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;: no definition</source>
        <translation>单词“%1”：没有释义</translation>
    </message>
    <message>
        <source>has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>有 %1 个字母；一个单词最多容纳 %2 个（Windows-1252 中为 %3 个，中文、日文或韩文字符为 %4 个）</translation>
    </message>
    <message>
        <source>has %1 letters; a definition holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>有 %1 个字母；一个释义最多容纳 %2 个（Windows-1252 中为 %3 个，中文、日文或韩文字符为 %4 个）</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1：不是 Quibbix 保存的图片或录音；已略过</translation>
    </message>
    <message>
        <source>%1: not in the package&apos;s media; left out</source>
        <translation>%1：不在包的媒体文件中；已略过</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1：大于 16 MiB；已略过</translation>
    </message>
    <message>
        <source>%1: cannot be read from the package; left out</source>
        <translation>%1：无法从包中读取；已略过</translation>
    </message>
    <message>
        <source>%1: no such file; left out</source>
        <translation>%1：没有这个文件；已略过</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1：符号链接，从不跟随；已略过</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1：不是普通文件；已略过</translation>
    </message>
    <message>
        <source>%1: not a file beside the document; left out</source>
        <translation>%1：不是文档旁边的文件；已略过</translation>
    </message>
</context>
<context>
    <name>ImportAdvice</name>
    <message>
        <source>; use --header to skip it, --no-header to keep it</source>
        <translation>；用 --header 跳过该行，用 --no-header 保留该行</translation>
    </message>
    <message>
        <source>; give the encoding it was saved in with --input-encoding</source>
        <translation>；请用 --input-encoding 指定它保存时使用的编码</translation>
    </message>
    <message>
        <source>; give the right encoding with --input-encoding</source>
        <translation>；请用 --input-encoding 指定正确的编码</translation>
    </message>
    <message>
        <source>; --input-encoding chooses)</source>
        <translation>；可用 --input-encoding 指定)</translation>
    </message>
    <message>
        <source> (--truncate cuts it)</source>
        <translation> (可用 --truncate 截断)</translation>
    </message>
    <message>
        <source> (guessed; --format chooses)</source>
        <translation> (猜测所得，可用 --format 指定)</translation>
    </message>
    <message>
        <source> (--include-deactivated keeps it)</source>
        <translation> (可用 --include-deactivated 保留)</translation>
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
        <translation>无法添加此文件</translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation>Quibbix 无法用 %1 创建列表。

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation>
            <numerusform>%1 现在有 %n 个单词。</numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>仍在其中的单词保留学习进度，之前的进度也已备份。</translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation>列标题？</translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation>第一行看起来是列标题：要跳过吗？</translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation>其内容为 %1 和 %2。</translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation>已有同名列表</translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation>你已有名为 %1 的列表，并且有学习进度。</translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation>你已有名为 %1 的列表。</translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation>用 %1 中的单词更新它，并保留仍在其中的每个单词的进度（会先备份其学习记录），还是将该文件作为新列表添加在它旁边？</translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation>更新并保留进度(&amp;U)</translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation>添加为新列表(&amp;N)</translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation>列表已更新</translation>
    </message>
    <message>
        <source>It holds no words.</source>
        <translation>其中没有任何单词。</translation>
    </message>
    <message>
        <source>; delete that row from the file if it holds no word</source>
        <translation>；如果该行不含单词，请从文件中删除它</translation>
    </message>
    <message>
        <source>; choose the encoding it was saved in</source>
        <translation>；请选择它保存时使用的编码</translation>
    </message>
    <message>
        <source>; choose another encoding</source>
        <translation>；请选择其他编码</translation>
    </message>
    <message>
        <source>; shorten it in the file</source>
        <translation>；请在文件中将其缩短</translation>
    </message>
    <message>
        <source>text with a tab between each word and its meaning</source>
        <translation>每个单词与其释义之间用制表符分隔的文本</translation>
    </message>
    <message>
        <source>comma-separated text</source>
        <translation>逗号分隔的文本</translation>
    </message>
    <message>
        <source>text exported from Anki</source>
        <translation>从 Anki 导出的文本</translation>
    </message>
    <message>
        <source>a Mnemosyne export</source>
        <translation>Mnemosyne 导出文件</translation>
    </message>
    <message>
        <source>a KVTML vocabulary file</source>
        <translation>KVTML 词汇文件</translation>
    </message>
    <message>
        <source>an Anki package</source>
        <translation>Anki 包</translation>
    </message>
    <message>
        <source>Quibbix read this file as %1</source>
        <translation>Quibbix 将此文件作为%1读取</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A message shown in a window ends as a sentence of the language does.</extracomment>
        <translation>%1。</translation>
    </message>
</context>
<context>
    <name>ListFolder</name>
    <message>
        <source>the list is being studied backwards; close Quibbix on it first</source>
        <translation>该列表正在被反向学习；请先关闭正在使用它的 Quibbix</translation>
    </message>
    <message>
        <source>the list is being studied; close Quibbix on it first</source>
        <translation>该列表正在被学习；请先关闭正在使用它的 Quibbix</translation>
    </message>
</context>
<context>
    <name>ListGuard</name>
    <message>
        <source>The copy of the word list as last studied (%1) is damaged, so the progress stays with the words by their position; the copy is kept as %1.bad.</source>
        <translation>上次学习时的单词列表副本（%1）已损坏，因此学习进度按单词的位置保留；该副本已保存为 %1.bad。</translation>
    </message>
    <message>
        <source>Quibbix cannot tell whether the words of this list changed since you last studied it, because its record of them is damaged. Your progress stays with the words as they are now.</source>
        <translation>Quibbix 无法判断此列表的单词自上次学习以来是否有变化，因为其记录已损坏。你的学习进度按单词现在的样子保留。</translation>
    </message>
    <message>
        <source>An update of the list was interrupted and cannot be finished: %1.</source>
        <translation>列表的更新被中断，且无法完成：%1。</translation>
    </message>
    <message>
        <source>A change to the words of this list was interrupted and cannot be finished now, so the list cannot be studied. Your progress is as it was. Free some disk space, or make sure the list&apos;s folder can be written to, then start Quibbix again.</source>
        <translation>对此列表单词的修改被中断，现在无法完成，因此无法学习此列表。你的学习进度保持原样。请释放一些磁盘空间，或确保列表所在的文件夹可写，然后重新启动 Quibbix。</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied, and the progress could not be moved onto it: %1</source>
        <translation>单词列表自上次学习以来已更改，且无法将学习进度转移到新列表：%1</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it, and your progress could not be moved onto the new words. Nothing was changed. To study this list, put its earlier word list back, or add the new words as a list of their own.</source>
        <translation>此列表的单词自你上次学习以来已更改，且无法将你的学习进度转移到新单词上。未做任何更改。要学习此列表，请恢复之前的单词列表，或将新单词添加为单独的列表。</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied: %1.</source>
        <translation>单词列表自上次学习以来已更改：%1。</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it. The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>此列表的单词自你上次学习以来已更改。仍在其中的单词保留学习进度，之前的进度也已备份。</translation>
    </message>
</context>
<context>
    <name>ListImporter</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>the file holds no words to study</source>
        <translation>该文件中没有可学习的单词</translation>
    </message>
    <message>
        <source>the file holds %1 words; Quibbix can study at most %2</source>
        <translation>该文件有 %1 个单词；Quibbix 最多只能学习 %2 个</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); nothing changed</source>
        <translation>无法读取 %1（%2）；未做任何更改</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere since its words were read; nothing changed</source>
        <translation>读取 %1 的单词后，它已在别处被修改；未做任何更改</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>无法读取该文件</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>没有名为“%1”的列表</translation>
    </message>
    <message>
        <source>cannot read %1, which the progress stands on</source>
        <translation>无法读取学习进度所依据的 %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>无法写入 %1（%2）</translation>
    </message>
</context>
<context>
    <name>ListRebase</name>
    <message>
        <source>the session could not be rebased</source>
        <translation>无法将学习记录迁移到新列表</translation>
    </message>
    <message>
        <source>%1, %2 and %3; the old session files are kept as %4</source>
        <translation>%1，%2，%3；旧的学习记录文件已保留为 %4</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) keep(s) its/their progress</source>
        <translation>
            <numerusform>%n 个单词保留学习进度</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are gone</source>
        <translation>
            <numerusform>%n 个已删除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are new</source>
        <translation>
            <numerusform>%n 个为新增</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot write (%2); the change is finished when the list is next opened</source>
        <translation>%1：无法写入（%2）；下次打开该列表时会完成此更改</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1：无法写入（%2）；未做任何更改</translation>
    </message>
    <message>
        <source>backwards, </source>
        <translation>反向：</translation>
    </message>
    <message>
        <source>the pairing names %1 for %2</source>
        <translation>配对列出了 %1，但应为 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n 条记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new record(s)</source>
        <translation>
            <numerusform>%n 条新记录</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives new record %1 old record %2, which is not among the %3</source>
        <translation>配对为新记录 %1 指定了旧记录 %2，但它不在这 %3 中</translation>
    </message>
    <message numerus="yes">
        <source>%n old record(s)</source>
        <translation>
            <numerusform>%n 条旧记录</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives old record %1 to two new records</source>
        <translation>配对将旧记录 %1 指定给了两条新记录</translation>
    </message>
    <message>
        <source>cannot write (%1); the change is finished when the list is next opened</source>
        <translation>无法写入（%1）；下次打开该列表时会完成此更改</translation>
    </message>
    <message>
        <source>cannot write (%1); nothing changed</source>
        <translation>无法写入（%1）；未做任何更改</translation>
    </message>
    <message>
        <source>an interrupted update cannot be finished (%1); nothing changed</source>
        <translation>被中断的更新无法完成（%1）；未做任何更改</translation>
    </message>
    <message>
        <source>the new list has %1; a session needs 1 to %2</source>
        <translation>新列表有 %1；学习记录需要 1 到 %2 条</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1；未做任何更改</translation>
    </message>
    <message>
        <source>cannot be read (%1); nothing changed</source>
        <translation>无法读取（%1）；未做任何更改</translation>
    </message>
    <message>
        <source>no session here (no %1); nothing to rebase</source>
        <translation>此处没有学习记录（没有 %1）；无需迁移</translation>
    </message>
    <message>
        <source>is damaged; nothing changed (Quibbix keeps a copy of it as .bad and repairs it when it next saves)</source>
        <translation>已损坏；未做任何更改（Quibbix 会将其副本保存为 .bad，并在下次保存时修复它）</translation>
    </message>
    <message>
        <source>the lists name word %1, beyond the %2 of the old list; is it the list this session was made with? Nothing changed (--force drops those entries)</source>
        <translation>这些列表引用了第 %1 个单词，超出了旧列表的 %2；这是创建此学习记录时使用的列表吗？未做任何更改 (--force 会丢弃这些条目)</translation>
    </message>
    <message>
        <source>ambiguous matches; nothing changed (--force pairs them in file order)</source>
        <translation>匹配有歧义；未做任何更改 (--force 会按文件顺序配对)</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>a list needs a name</source>
        <translation>列表需要一个名称</translation>
    </message>
    <message>
        <source>the name is too long (at most %1 bytes)</source>
        <translation>名称太长（最多 %1 字节）</translation>
    </message>
    <message>
        <source>the name holds control characters or outer spaces</source>
        <translation>名称包含控制字符或首尾空格</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>名称不是有效的 UTF-8</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>another program is changing the lists; try again in a moment</source>
        <translation>另一个程序正在修改列表；请稍后再试</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <source>cannot read the defaults in %1: %2</source>
        <translation>无法读取 %1 中的默认设置：%2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>无法将 %1 复制到 %2：%3</translation>
    </message>
    <message>
        <source>cannot make a new list in %1: %2</source>
        <translation>无法在 %1 中新建列表：%2</translation>
    </message>
    <message>
        <source>cannot move %1 to %2: %3</source>
        <translation>无法将 %1 移动到 %2：%3</translation>
    </message>
    <message>
        <source>no free folder name for &quot;%1&quot; in %2</source>
        <translation>在 %2 中没有可用于“%1”的空闲文件夹名</translation>
    </message>
    <message>
        <source>a list named &quot;%1&quot; exists already</source>
        <translation>已有名为“%1”的列表</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>没有名为“%1”的列表</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>无法在 %1 中创建文件夹：%2</translation>
    </message>
    <message>
        <source>cannot move %1: %2</source>
        <translation>无法移动 %1：%2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>the default word list was not found</source>
        <translation>找不到默认单词列表</translation>
    </message>
</context>
<context>
    <name>ListSync</name>
    <message>
        <source>%1: not a Quibbix list manifest</source>
        <translation>%1：不是 Quibbix 列表清单</translation>
    </message>
    <message>
        <source>%1: written by a newer Quibbix (format %2); update Quibbix to sync this list</source>
        <translation>%1：由较新版本的 Quibbix 写入（格式 %2）；请更新 Quibbix 以同步此列表</translation>
    </message>
    <message>
        <source>%1:%2: a damaged line (&quot;%3&quot;)</source>
        <translation>%1:%2：损坏的行（“%3”）</translation>
    </message>
    <message>
        <source>%1: names no list</source>
        <translation>%1：未指明任何列表</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: still arriving (%2); the list is joined once it is whole</source>
        <translation>%1：仍在传输中（%2）；完整到达后即加入该列表</translation>
    </message>
    <message>
        <source>%1: another program is syncing the list; try again in a moment</source>
        <translation>%1：另一个程序正在同步该列表；请稍后再试</translation>
    </message>
    <message>
        <source>%1: the words changed on another computer; they come in, with the progress of both directions, once no other program studies the list</source>
        <translation>%1：单词已在另一台计算机上更改；等到没有其他程序在学习该列表时，这些更改会连同两个方向的学习进度一起同步过来</translation>
    </message>
    <message>
        <source>%1: studied by another program right now, which takes what arrived at its own next sync</source>
        <translation>%1：另一个程序正在学习，它会在自己下次同步时接收已到达的内容</translation>
    </message>
    <message>
        <source>%1: the journal of device %2, kept as %3; this computer starts a journal of its own</source>
        <translation>%1：设备 %2 的日志，已保存为 %3；此计算机将开始自己的日志</translation>
    </message>
    <message>
        <source>%1: names %2 of %3; leave the sync folder and join it again</source>
        <translation>%1：列出了 %2，而列表有 %3 个；请退出同步文件夹后重新加入</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n 个单词</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; what was done here syncs once the folder is back</source>
        <translation>%1；在此处所做的更改会在文件夹恢复后同步</translation>
    </message>
    <message>
        <source>%1; the journal is published at the next sync</source>
        <translation>%1；日志将在下次同步时发布</translation>
    </message>
    <message numerus="yes">
        <source>%n judgement(s) of words no journal made passed over</source>
        <translation>
            <numerusform>已略过 %n 条评定，其单词不是由任何日志创建的</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>%1; the list has no words to share</source>
        <translation>%1；该列表没有可共享的单词</translation>
    </message>
    <message>
        <source>%1: events of another sync folder, kept in the trash as %2</source>
        <translation>%1：另一个同步文件夹的事件，已作为 %2 保存在回收站中</translation>
    </message>
    <message>
        <source>%1: the list &quot;%2&quot; is still arriving; nothing changed, join again once it is whole</source>
        <translation>%1：列表“%2”仍在传输中；未做任何更改，请在其完整到达后重新加入</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n 个回答</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word change(s)</source>
        <translation>
            <numerusform>%n 处单词修改</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 arrived from another computer</source>
        <translation>从另一台计算机收到了 %1 和 %2</translation>
    </message>
    <message>
        <source>%1 arrived from another computer</source>
        <translation>从另一台计算机收到了 %1</translation>
    </message>
    <message>
        <source>the list syncs with %1 already; leave it first</source>
        <translation>该列表已通过 %1 同步；请先退出该同步文件夹</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1：%2；未做任何更改</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1；未做任何更改</translation>
    </message>
    <message>
        <source>%1 holds the list &quot;%2&quot;, not &quot;%3&quot;; a sync folder holds one list, so give this one a folder of its own</source>
        <translation>%1 中存放的是列表“%2”，而不是“%3”；一个同步文件夹只存放一个列表，请为此列表另选一个文件夹</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>另外 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s (%2, or a list still arriving); pick an empty folder</source>
        <translation>%1 中有不属于 Quibbix 列表的文件（%2，或仍在传输中的列表）；请选择一个空文件夹</translation>
    </message>
    <message>
        <source>%1: the list is joined to no sync folder</source>
        <translation>%1：该列表未加入任何同步文件夹</translation>
    </message>
    <message>
        <source>%1: its contents do not match its name; left out</source>
        <translation>%1：内容与名称不符；已略过</translation>
    </message>
</context>
<context>
    <name>MediaStore</name>
    <message>
        <source>%1: cannot be read (%2); left out</source>
        <translation>%1：无法读取（%2）；已略过</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1：符号链接，从不跟随；已略过</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1：不是普通文件；已略过</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1：大于 16 MiB；已略过</translation>
    </message>
    <message>
        <source>%1: could not be copied into the list; left out</source>
        <translation>%1：无法复制到列表中；已略过</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1：不是 Quibbix 保存的图片或录音；已略过</translation>
    </message>
    <message>
        <source>%1: the list&apos;s pictures and recordings would pass 1 GiB; left out</source>
        <translation>%1：列表的图片和录音将超过 1 GiB；已略过</translation>
    </message>
    <message>
        <source>%1: not a recording; left out</source>
        <translation>%1：不是录音；已略过</translation>
    </message>
    <message>
        <source>%1: not a picture; left out</source>
        <translation>%1：不是图片；已略过</translation>
    </message>
    <message>
        <source>%1: a picture too large to show (%2); left out</source>
        <translation>%1：图片太大，无法显示（%2）；已略过</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation>无法加载 %1（%2）。重新安装 Quibbix 即可恢复。</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation>%1 属于另一个版本的 Quibbix。重新安装 Quibbix 即可换上正确的版本。</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation>已掌握</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>学习中</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>不认识</translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation>答错</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>不确定</translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation>待查看</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation>已连续学习 %1（最长：%2）</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>导出为 CSV...</translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation>各状态的单词数</translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation>每天学习的分钟数（最近 %1 天）</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation>尚无学习记录。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 %1</translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation>%1：%2。已掌握的单词从 %4 的 %3 个增加到 %5 个。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation>最近 %1 天：学习了 %2，共 %3。</translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation>最多的一天是 %2，学习了 %1。</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>导出学习记录</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV 文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation>无法导出学习记录。

</translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation>无法朗读：%1</translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation>无法朗读：请安装 speech-dispatcher 和 speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng</source>
        <translation>无法朗读：请安装 qt6-speech-speechd-plugin 和 speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No voice for %1: install a speech-dispatcher voice for it</source>
        <translation>没有 %1 语音：请为其安装 speech-dispatcher 语音</translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation>单词列表已更改</translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation>无法学习此列表</translation>
    </message>
</context>
<context>
    <name>RecordChecker</name>
    <message>
        <source>record end</source>
        <translation>记录末尾</translation>
    </message>
    <message>
        <source>unused field</source>
        <translation>未使用字段</translation>
    </message>
    <message>
        <source>word</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>definition</source>
        <translation>释义</translation>
    </message>
    <message>
        <source>byte %1 at offset %2 (%3) breaks the record when read as text</source>
        <translation>偏移 %2 处的字节 %1（%3）在按文本读取时会破坏记录</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the word (UTF-8) does not show as a character</source>
        <translation>单词第 %2 字节处的控制字符 %1（UTF-8）无法显示为字符</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the definition (UTF-8) does not show as a character</source>
        <translation>释义第 %2 字节处的控制字符 %1（UTF-8）无法显示为字符</translation>
    </message>
    <message>
        <source>control character %1 in the word does not show as a character</source>
        <translation>单词中的控制字符 %1 无法显示为字符</translation>
    </message>
    <message>
        <source>control character %1 in the definition does not show as a character</source>
        <translation>释义中的控制字符 %1 无法显示为字符</translation>
    </message>
    <message>
        <source>undefined byte %1 in the word, which is not valid UTF-8 either, does not show as a character</source>
        <translation>单词中的未定义字节 %1 也不是有效的 UTF-8，无法显示为字符</translation>
    </message>
    <message>
        <source>undefined byte %1 in the definition, which is not valid UTF-8 either, does not show as a character</source>
        <translation>释义中的未定义字节 %1 也不是有效的 UTF-8，无法显示为字符</translation>
    </message>
    <message>
        <source>the word is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>单词是在最后一个字符中间被截断的 UTF-8，因此按 Windows-1252 显示</translation>
    </message>
    <message>
        <source>the definition is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>释义是在最后一个字符中间被截断的 UTF-8，因此按 Windows-1252 显示</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>空单词</translation>
    </message>
    <message>
        <source>word of spaces only</source>
        <translation>只有空格的单词</translation>
    </message>
    <message>
        <source>empty definition</source>
        <translation>空释义</translation>
    </message>
    <message>
        <source>definition of spaces only</source>
        <translation>只有空格的释义</translation>
    </message>
</context>
<context>
    <name>RefusedDialog</name>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n 个条目</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the entries in “%1” can be added to a list:</source>
        <translation>“%1”中没有任何条目可以添加到列表：</translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation>“%2”中有 %1无法添加到列表；其余 %3 个可以：</translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation>无法添加的条目</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation>无法添加的条目</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>取消，不添加任何内容</translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation>跳过它们并添加其余条目(&amp;S)</translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation>跳过这些条目并添加其余条目</translation>
    </message>
    <message>
        <source>C&amp;ut Them to Fit</source>
        <translation>截短以适应(&amp;U)</translation>
    </message>
    <message>
        <source>Cut the words and definitions too long for the list at their last whole letter that fits</source>
        <translation>把过长的单词和释义截到最后一个能放下的完整字符</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation>朗读</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>单词的语言</translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation>释义的语言</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>单词(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation>释义(&amp;D)：</translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation>每个单词出现时朗读</translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation>无法学习此列表</translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>Each word is spoken</source>
        <translation>每个单词都会读出</translation>
    </message>
    <message>
        <source>Words are not spoken</source>
        <translation>不读出单词</translation>
    </message>
    <message>
        <source>No sound output: the word cannot be spoken</source>
        <translation>没有声音输出：无法读出单词</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>: held no device id (&quot;</source>
        <translation>：不含设备 ID（“</translation>
    </message>
    <message>
        <source>&quot;); this computer now syncs as the new device </source>
        <translation>”）；此计算机现在作为新设备同步，设备 ID 为 </translation>
    </message>
    <message>
        <source>: the data folder was made at </source>
        <translation>：数据文件夹创建于 </translation>
    </message>
    <message>
        <source> (copied or moved from there, where it may still sync); this computer now syncs as the new device </source>
        <translation>（是从那里复制或移动过来的，那里可能仍在同步）；此计算机现在作为新设备同步，设备 ID 为 </translation>
    </message>
    <message>
        <source>, so that no journal is written from two places</source>
        <translation>，以免同一日志从两处写入</translation>
    </message>
    <message>
        <source>: written in journal format </source>
        <translation>：日志格式为 </translation>
    </message>
    <message>
        <source> by a newer Quibbix; this one reads format </source>
        <translation>，由较新版本的 Quibbix 写入；此版本读取的格式为 </translation>
    </message>
    <message>
        <source> and leaves the journal unread until it is updated</source>
        <translation>，在 Quibbix 更新之前不会读取该日志</translation>
    </message>
    <message>
        <source>: not a Quibbix journal (its first line is &quot;</source>
        <translation>：不是 Quibbix 日志 (其第一行为 &quot;</translation>
    </message>
    <message>
        <source>an event of device </source>
        <translation>一个属于设备 </translation>
    </message>
    <message>
        <source> in the journal of </source>
        <translation> 的事件出现在以下设备的日志中：</translation>
    </message>
    <message>
        <source>: the journal of device </source>
        <translation>：这是设备 </translation>
    </message>
    <message>
        <source>, not of this computer&apos;s </source>
        <translation> 的日志，不是此计算机的日志；此计算机的设备 ID 为 </translation>
    </message>
    <message>
        <source>: holds the journal of device </source>
        <translation>：存放的日志属于设备 </translation>
    </message>
    <message>
        <source>no direction (f or b)</source>
        <translation>没有方向（f 或 b）</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD)</source>
        <translation>没有日期（YYYY-MM-DD）</translation>
    </message>
    <message>
        <source>no seconds of use</source>
        <translation>没有使用时长（秒）</translation>
    </message>
    <message>
        <source>the event it undoes is no earlier event of its device</source>
        <translation>它撤销的事件不是其设备的更早事件</translation>
    </message>
    <message>
        <source>no word id</source>
        <translation>没有单词 ID</translation>
    </message>
    <message>
        <source>no judgement code (0 to 3)</source>
        <translation>没有评定代码（0 到 3）</translation>
    </message>
    <message>
        <source>no wall-clock offset</source>
        <translation>没有系统时钟偏移</translation>
    </message>
    <message>
        <source>a broken %XX escape in the word&apos;s text</source>
        <translation>单词文本中的 %XX 转义已损坏</translation>
    </message>
    <message>
        <source>it has </source>
        <translation>字段数为 </translation>
    </message>
    <message>
        <source> fields, not </source>
        <translation>，应为 </translation>
    </message>
    <message>
        <source>no clock time</source>
        <translation>没有时钟时间</translation>
    </message>
    <message>
        <source>no device id</source>
        <translation>没有设备 ID</translation>
    </message>
    <message>
        <source>no sequence number</source>
        <translation>没有序号</translation>
    </message>
    <message>
        <source>The list to replay holds </source>
        <translation>要重放的列表中单词数为 </translation>
    </message>
    <message>
        <source> words: a list studies from 1 to </source>
        <translation>；可学习的列表单词数须为 1 到 </translation>
    </message>
    <message>
        <source>a judgement of word </source>
        <translation>对单词 </translation>
    </message>
    <message>
        <source>, which the list does not hold, was left out</source>
        <translation> 的评定已略过，该列表中没有这个单词</translation>
    </message>
    <message>
        <source>; what was taken from it before stays, and the computer that writes it replaces it at its next sync</source>
        <translation>；此前从中取得的内容保留，写入它的计算机会在下次同步时替换它</translation>
    </message>
    <message>
        <source>: not the journal its name says; passed over</source>
        <translation>：并非其名称所指的日志；已跳过</translation>
    </message>
    <message>
        <source>: no longer begins with what was taken from it; both are kept and read</source>
        <translation>：开头已不是此前从中取得的内容；两者都保留并读取</translation>
    </message>
    <message>
        <source>: the journals there hold more than </source>
        <translation>：其中的日志共有超过 </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; the list keeps its progress here and is not synced</source>
        <translation> 个事件，超出 Quibbix 的合并上限；列表在此保留其进度，不进行同步</translation>
    </message>
    <message>
        <source>: changed what it held too many times; passed over, what was taken from it stays</source>
        <translation>：内容更改次数过多；已跳过，此前从中取得的内容保留</translation>
    </message>
    <message>
        <source>a word that is empty, holds a control character or is too long</source>
        <translation>单词为空、含有控制字符或过长</translation>
    </message>
    <message>
        <source>a definition that holds a control character or is too long</source>
        <translation>释义含有控制字符或过长</translation>
    </message>
    <message>
        <source>: events of a kind a newer Quibbix writes, passed over; update Quibbix to take them</source>
        <translation>：较新版本的 Quibbix 写入的事件类型，已跳过；请更新 Quibbix 以读取它们</translation>
    </message>
    <message>
        <source>a sequence number beyond the events before it</source>
        <translation>序号超出其之前的事件</translation>
    </message>
    <message>
        <source>: taking it would make the journals hold more than </source>
        <translation>：取用它会使日志超过 </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; passed over</source>
        <translation> 个事件，超出 Quibbix 的合并上限；已跳过</translation>
    </message>
    <message>
        <source>the words of the list as it joined cannot be read; nothing was written</source>
        <translation>无法读取列表加入时的单词；未写入任何内容</translation>
    </message>
    <message>
        <source>no name of a picture or recording</source>
        <translation>没有图片或录音的名称</translation>
    </message>
    <message>
        <source>no event of this format (J, U, E, R, T or M)</source>
        <translation>没有这种格式的事件（J、U、E、R、T 或 M）</translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation>该文件夹包含来自另一台计算机的“%1”。</translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation>此处的“%1”将由它生成，包括单词和进度；其现有内容会先移到回收站。</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation>它将作为新列表添加到此处，包括其单词和进度，“%1”保持不变。</translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation>添加“%1”(&amp;A)</translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation>无法同步</translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation>“%1”未添加。

%2</translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation>通过文件夹同步“%1”</translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation>“%1”无法通过 %2 同步。

%3</translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation>“%1”现在通过 %2 同步。</translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation>

在你的其他计算机上，等该文件夹同步过去后，选择“同步…”并使用同一个文件夹。</translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation>

它的单词和进度来自该文件夹。</translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation>“%1”通过 %2 同步。</translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation>每次打开或保存时都会同步。停止同步后，文件夹和列表的进度保持原样。</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>立即同步(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>停止同步(&amp;S)</translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation>无法停止同步</translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation>“%1”仍在同步。

%2</translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation>“%1”未同步。

%2</translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation>其他计算机没有新内容。</translation>
    </message>
    <message>
        <source>Pick an empty folder inside the folder your sync program shares (Syncthing, Nextcloud, Dropbox…), or, on another computer, the folder the first one made for this list. A name typed that is not there yet becomes a new folder.</source>
        <translation>请选择同步程序所共享文件夹（Syncthing、Nextcloud、Dropbox…）中的一个空文件夹；在另一台电脑上，则选择第一台电脑为此列表建立的文件夹。输入一个尚不存在的名称会新建文件夹。</translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s, such as “%2”. Pick an empty folder, or the folder another computer made for this list.</source>
        <translation>%1 中有不属于任何 Quibbix 列表的文件，例如“%2”。请选择一个空文件夹，或另一台电脑为此列表建立的文件夹。</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>无法建立 %1：%2</translation>
    </message>
    <message>
        <source>Not This Folder</source>
        <translation>不能用这个文件夹</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>cannot make the trash folder %1: %2</source>
        <translation>无法创建回收站文件夹 %1：%2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is in the trash, but the disk did not confirm it: %2</source>
        <translation>%1 已在回收站中，但磁盘未确认：%2</translation>
    </message>
    <message>
        <source>the trash (%1) is on another file system, and nothing is deleted here; %2 was left as it was</source>
        <translation>回收站（%1）位于另一个文件系统上，此处不会删除任何内容；%2 保持原样</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>无法将 %1 移到回收站：%2</translation>
    </message>
    <message>
        <source>no free name in the trash for %1</source>
        <translation>回收站中没有可用于 %1 的空闲名称</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation>待查看</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新词</translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation>答错</translation>
    </message>
    <message>
        <source>unsure</source>
        <translation>不确定</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>学习中</translation>
    </message>
    <message>
        <source>known</source>
        <translation>已掌握</translation>
    </message>
    <message>
        <source>known, under review</source>
        <translation>已掌握，复习中</translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation>只能修改单词或释义。</translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation>此列表已有 %1 个单词，达到列表的上限。</translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation>列表至少要保留一个单词。</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>释义</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>计数</translation>
    </message>
    <message>
        <source>State Back</source>
        <translation>反向状态</translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation>反向计数</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>它的释义</translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation>从单词到释义学习时，该单词所处的状态</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation>学习中连续答对的次数（从单词到释义）</translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation>反向学习（从释义到单词）时，该单词所处的状态</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation>学习中连续答对的次数（反向学习）</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录音</translation>
    </message>
    <message>
        <source>Picture and Sound</source>
        <translation>图片和声音</translation>
    </message>
    <message>
        <source>The card&apos;s picture, and whether it has its own recording</source>
        <translation>卡片的图片，以及是否有自己的录音</translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation>
            <numerusform>删除 %n 个单词吗？</numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation>它有学习进度，会一并删除（保留一份副本）。</translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation>它们都有学习进度，会一并删除（保留一份副本）。</translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation>
            <numerusform>其中 %n 个有学习进度，会一并删除（保留一份副本）。</numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>添加单词</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>新单词</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>它的释义</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>单词(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation>释义(&amp;D)：</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation>单词 — %1[*]</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>搜索(&amp;S)：</translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation>搜索单词和释义</translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation>单词和释义，不区分大小写和重音</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>单词</translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation>每个单词及其释义和两个方向的学习进度</translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation>显示的单词</translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation>添加单词(&amp;A)…</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>添加一个单词</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation>删除所选单词</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>撤销上一次修改</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>保存(&amp;V)</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>保存修改</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n 个单词</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>显示 %1 / %2 个</translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation>单词未添加：%1。</translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation>删除单词</translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation>未修改：%1。</translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation>单词未保存：此窗口打开列表后，列表已在别处被修改，保存会撤销那些修改。请不保存而关闭窗口，然后重新打开。</translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation>单词未保存：%1。</translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation>单词已保存，但无法重新显示：%1。</translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation> — 已保存：</translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation>保存对 %1 中单词的修改吗？</translation>
    </message>
    <message>
        <source>&amp;Picture and Sound</source>
        <translation>图片和声音(&amp;P)</translation>
    </message>
    <message>
        <source>Give the word a picture or a recording from a file, or take them away</source>
        <translation>从文件给单词添加图片或录音，或将其移除</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Picture…</source>
        <translation>添加或替换图片(&amp;P)…</translation>
    </message>
    <message>
        <source>Remove P&amp;icture</source>
        <translation>删除图片(&amp;I)</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Recording…</source>
        <translation>添加或替换录音(&amp;R)…</translation>
    </message>
    <message>
        <source>Remove R&amp;ecording</source>
        <translation>删除录音(&amp;E)</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</source>
        <translation>图片 (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)</source>
        <translation>录音 (*.wav *.flac *.ogg *.oga *.opus *.mp3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录音</translation>
    </message>
</context>
</TS>
