<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AnswerLine</name>
    <message>
        <source>Your answer</source>
        <translation>Ваш ответ</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Введите ответ и нажмите Enter</translation>
    </message>
    <message>
        <source>Right: Enter for &quot;I Know&quot;</source>
        <translation>Верно: Enter — «Знаю»</translation>
    </message>
    <message>
        <source>Right but for the accents: Enter for &quot;Not Sure&quot;</source>
        <translation>Верно, кроме диакритики: Enter — «Не уверен»</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s) off: Enter for &quot;Not Sure&quot;</source>
        <translation>
            <numerusform>%n буква не та: Enter — «Не уверен»</numerusform>
            <numerusform>%n буквы не те: Enter — «Не уверен»</numerusform>
            <numerusform>%n букв не те: Enter — «Не уверен»</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing typed: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Ничего не введено: Enter — «Не знаю»</translation>
    </message>
    <message>
        <source>Not the answer: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Это не ответ: Enter — «Не знаю»</translation>
    </message>
    <message>
        <source>Typed wrong: %1</source>
        <translation>Введено неверно: %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Не хватает: %1</translation>
    </message>
</context>
<context>
    <name>CBreakDlg</name>
    <message>
        <source>Time left</source>
        <translation>Осталось времени</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>Перерыв</translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation>Это перерыв на %1 мин.
Самое время немного размяться и дать отдых глазам

Нажмите OK, чтобы закончить перерыв</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>Осталось: %1:%2</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Перерыв</translation>
    </message>
    <message>
        <source>About the break</source>
        <translation>О перерыве</translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation>Перерыв окончен</translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation>Quibbix — перерыв</translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation>Образец</translation>
    </message>
    <message>
        <source>Use for Every List</source>
        <translation>Для всех списков</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list</source>
        <translation>Использовать эти шрифты и цвета для всех списков</translation>
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
        <translation>Сколько раз показывались слова, каждый повтор считается снова: это не число разных слов</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation>Не удаётся открыть окно «Прогресс».

</translation>
    </message>
    <message>
        <source>Known words come back for review when few words are left to be viewed, so on a small list most of them wait among those; the list of lists counts them as known</source>
        <translation>Известные слова возвращаются на повторение, когда непоказанных слов остаётся мало, поэтому в небольшом списке большинство из них ждёт среди них; список списков считает их известными</translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation>Нажмите «Знаю» для начала</translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation>На этот раз без синхронизации: ваши ответы дождутся следующей</translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation>Кнопка «Оформление» задаёт шрифты и цвета поля слова (вверху) и поля значения (здесь).

(V1.0)</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>наоборот</translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation>, наоборот</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Изменить слова…</translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation>Часть вашего прогресса не удалось прочитать. Выйти сейчас, чтобы разобраться? («Нет» — продолжить занятие; непрочитанные файлы остаются как есть.)</translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation>Знаю (K)</translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation>Не уверен (S)</translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation>Не знаю (D)</translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation>
Ctrl+Z или Backspace отменяет последний ответ
Ctrl+E — изменить слова списка</translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation>
Наоборот: назовите слово по показанному значению</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Не удаётся изменить слова</translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation>Quibbix не может показать слова: %1</translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation>Слова в каждом списке и время занятий</translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation>Шрифты и цвета слова и значения</translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation>Двухминутный перерыв сейчас</translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation>Сохранить и выйти</translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation>Не удалось сохранить ваш прогресс. Повторить?</translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation>Не удалось сохранить шрифты и цвета.

%1

Они действуют, пока Quibbix не закрыт; сохранённые ранее остаются без изменений. Освободите место или исправьте файл, затем снова нажмите OK в окне «Оформление».</translation>
    </message>
    <message>
        <source>Choose a &amp;List…</source>
        <translation>Выбрать &amp;список…</translation>
    </message>
    <message>
        <source>The lists cannot be shown: %1</source>
        <translation>Не удаётся показать списки: %1</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list, and for every list added from now on?</source>
        <translation>Использовать эти шрифты и цвета для всех списков, в том числе добавленных в дальнейшем?</translation>
    </message>
    <message>
        <source>Fonts and Colors</source>
        <translation>Шрифты и цвета</translation>
    </message>
    <message>
        <source>The fonts and colors are kept for this list only: %1</source>
        <translation>Шрифты и цвета останутся только у этого списка: %1</translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation>
            <numerusform>перерыв через %n слово</numerusform>
            <numerusform>перерыв через %n слова</numerusform>
            <numerusform>перерыв через %n слов</numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation>перерыв через %1 мин</translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation>перерыв через %1 с</translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation>
            <numerusform>Показаны все слова (%n)</numerusform>
            <numerusform>Показаны все слова (%n)</numerusform>
            <numerusform>Показаны все слова (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation>
            <numerusform>Известны все слова (%n)</numerusform>
            <numerusform>Известны все слова (%n)</numerusform>
            <numerusform>Известны все слова (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation>Осталось показать: %1</translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation>Ход занятия</translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation>
            <numerusform>%n другой</numerusform>
            <numerusform>%n других</numerusform>
            <numerusform>%n других</numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation>Это занятие: %1 «Знаю», %2
%3, %4</translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation>Теперь оцените себя:
вы правда знали?</translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation>Отмечено «не уверен»:
любой ответ — дальше.</translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation>Отмечено «не знаю»:
любой ответ — дальше.</translation>
    </message>
    <message>
        <source>Paused while you were away
%1, %2</source>
        <translation>Пауза, пока вас не было
%1, %2</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Add a List</source>
        <translation>Добавить список</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation>Списки слов (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation>Quibbix: выбор списка</translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation>&amp;Списки:</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Списки слов</translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation>Каждый список: его слова, известные в каждом направлении слова, дата последнего занятия и папка синхронизации</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Слов</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Известно</translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation>Известно наоборот</translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation>Последнее занятие</translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation>Синхронизация через</translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation>&amp;Добавить список…</translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation>Добавить список из файла</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>П&amp;ереименовать</translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation>Переименовать выбранный список</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Уда&amp;лить</translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation>Переместить выбранный список в корзину</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Изменить слова…</translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation>Изменить слова выбранного списка</translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation>Син&amp;хронизация…</translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation>Синхронизировать выбранный список с другими компьютерами через папку</translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation>&amp;Учить</translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation>Учить выбранный список</translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation>&amp;Наоборот</translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation>Учить выбранный список от значения к слову; у каждого направления свой прогресс</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Не удаётся изменить слова</translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation>Не удаётся показать слова списка «%1».

%2</translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation>Переименовать список</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Новое имя:</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Не удаётся переименовать</translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation>Список «%1» не переименован.

%2</translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation>Удалить список</translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation>Переместить список «%1» в корзину?</translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation>Его слова и прогресс попадут в корзину рабочего стола, откуда их можно восстановить.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>В &amp;корзину</translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation>Не удаётся удалить</translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation>Список «%1» не перемещён в корзину.

%2</translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation>&amp;Произношение…</translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation>Языки, на которых озвучивается выбранный список, и произносится ли каждое слово при появлении</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>Не удаётся сохранить</translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation>Настройки озвучки списка «%1» не сохранены.

%2</translation>
    </message>
    <message>
        <source>&amp;Type the Answer</source>
        <translation>&amp;Вводить ответ</translation>
    </message>
    <message>
        <source>Type each answer and be told what was off; backwards, this practises spelling</source>
        <translation>Вводите каждый ответ и узнавайте, что было не так; в обратную сторону это тренирует правописание</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Бордовый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Оливковый</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Тёмно-синий</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Пурпурный</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Сине-зелёный</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Серебристый</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Лаймовый</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Фуксия</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Голубой</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Цвет:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
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
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Не знаю</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Не уверен</translation>
    </message>
    <message>
        <source>I Know</source>
        <translation>Знаю</translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation>&amp;Оформление</translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation>&amp;Статистика</translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation>&amp;Перерыв</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation>Шрифт и цвета поля слова</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source> Sample</source>
        <translation> Образец</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation>Шрифт и цвета поля значения</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation>Цвет фона программы</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation>Всего слов:</translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation>Показано слов:</translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation>Выучено слов:</translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation>Время занятия:</translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation>Всего времени:</translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation>Ошибочные:</translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation>«Не уверен»:</translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation>«Не знаю»:</translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation>Изучаемые:</translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation>Известные:</translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation>Ещё не показаны:</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Прогресс…</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>Перерыв</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>ПЕРЕРЫВ</translation>
    </message>
</context>
<context>
    <name>EncodingDialog</name>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>%1 does not read as %2.

%3</source>
        <translation>%1 не читается как %2.

%3</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation>%1 не в UTF-8, и Quibbix не может определить, в какой кодировке он сохранён. Выберите ту, в которой первые строки читаются правильно.</translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation>но это лишь догадка</translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation>но не уверен в этом</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation>%1 не в UTF-8. Quibbix предполагает, что он сохранён в %2, %3. Если первые строки ниже читаются неправильно, выберите кодировку, в которой он сохранён.</translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation>Выбор кодировки файла</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Кодировка:</translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation>&amp;Первые строки в этой кодировке:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Первые строки файла</translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation>Некоторым байтам нет символа в этой кодировке; они показаны как %1.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation>Добавить файл в этой кодировке</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Отмена, ничего не добавлять</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Кодировка</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Word State</source>
        <translation>Состояние слов</translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation>Обслуживание списка</translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation>Ошибка при открытии </translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation>Ошибка: нет действительного файла прогресса</translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation>Не удалось составить случайный список</translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation>Историю занятий не удалось прочитать полностью:</translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation>Часть вашего прогресса не удалось прочитать:</translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation>Не удалось сохранить ваш прогресс.</translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation>Сохранённое ранее остаётся без изменений. Освободите место или исправьте файл, затем сохраните снова.</translation>
    </message>
</context>
<context>
    <name>EntryChecker</name>
    <message>
        <source>the entry is refused</source>
        <translation>запись отклонена</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation>Quibbix уже работает с этой папкой.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Уже запущен</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation>Справка Quibbix</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>this row looks like column titles and was imported as an entry</source>
        <translation>эта строка похожа на заголовки столбцов и была импортирована как запись</translation>
    </message>
    <message>
        <source>more than %1 fields on one line; the file is read no further</source>
        <translation>больше %1 полей в одной строке; дальше файл не читается</translation>
    </message>
    <message>
        <source>quote that does not close the field; the field is read as written</source>
        <translation>кавычка не закрывает поле; поле прочитано как есть</translation>
    </message>
    <message>
        <source>quote inside an unquoted field, taken literally</source>
        <translation>кавычка внутри поля без кавычек, взята как обычный символ</translation>
    </message>
    <message>
        <source>holds %1, which would break the record</source>
        <translation>содержит %1, что нарушило бы запись</translation>
    </message>
    <message>
        <source>holds the control character %1</source>
        <translation>содержит управляющий символ %1</translation>
    </message>
    <message>
        <source>holds %1 (%2), which Windows-1252 cannot hold</source>
        <translation>содержит %1 (%2), которого нет в Windows-1252</translation>
    </message>
    <message>
        <source>is %1 bytes in %2 and has no place to cut it to %3</source>
        <translation>занимает в %2 %1 Б, и его нельзя обрезать до %3 Б</translation>
    </message>
    <message>
        <source>would read back as &quot;%1&quot; when stored in %2</source>
        <translation>при сохранении в %2 читалось бы как «%1»</translation>
    </message>
    <message>
        <source>more than %1 entries, the most a list can hold; the file is read no further</source>
        <translation>больше %1 записей — это предел для списка; дальше файл не читается</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;</source>
        <translation>неизвестная кодировка «%1»</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1)</source>
        <translation>некорректный UTF-8 (байт %1)</translation>
    </message>
    <message>
        <source>this system has no converter for %1</source>
        <translation>в этой системе нет преобразователя для %1</translation>
    </message>
    <message>
        <source>byte %1 has no character in %2</source>
        <translation>байту %1 нет символа в %2</translation>
    </message>
    <message>
        <source>not UTF-8; read as %1 (guessed, %2% sure</source>
        <translation>не в UTF-8; прочитан как %1 (предположение, уверенность %2%</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1) and in no encoding Quibbix can guess</source>
        <translation>некорректный UTF-8 (байт %1), и Quibbix не может угадать кодировку</translation>
    </message>
    <message>
        <source>not a KVTML document (no &lt;kvtml&gt; root element)</source>
        <translation>не документ KVTML (нет корневого элемента &lt;kvtml&gt;)</translation>
    </message>
    <message>
        <source>XML error: %1</source>
        <translation>ошибка XML: %1</translation>
    </message>
    <message>
        <source>deactivated entry skipped</source>
        <translation>отключённая запись пропущена</translation>
    </message>
    <message>
        <source>empty entry skipped</source>
        <translation>пустая запись пропущена</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot; dropped</source>
        <translation>повтор слова «%1» отброшен</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot;</source>
        <translation>повтор слова «%1»</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;</source>
        <translation>слово «%1»</translation>
    </message>
    <message>
        <source>definition of &quot;%1&quot;</source>
        <translation>значение слова «%1»</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 cut from %2 to %3</source>
        <translation>%1 обрезано с %2 до %3</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>пропущено: %1</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Юникод</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Западноевропейская</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейская</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческая</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкая</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабская</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийская</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамская</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайская</translation>
    </message>
    <message>
        <source>South European</source>
        <translation>Южноевропейская</translation>
    </message>
    <message>
        <source>Nordic</source>
        <translation>Скандинавская</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Кельтская</translation>
    </message>
    <message>
        <source>South-Eastern European</source>
        <translation>Юго-восточноевропейская</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинская</translation>
    </message>
    <message>
        <source>Western European, Mac</source>
        <translation>Западноевропейская, Mac</translation>
    </message>
    <message>
        <source>Central European, Mac</source>
        <translation>Центральноевропейская, Mac</translation>
    </message>
    <message>
        <source>Cyrillic, Mac</source>
        <translation>Кириллица, Mac</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японская</translation>
    </message>
    <message>
        <source>Chinese, Simplified</source>
        <translation>Китайская упрощённая</translation>
    </message>
    <message>
        <source>Chinese, Traditional</source>
        <translation>Китайская традиционная</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейская</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot; as a title line; if it is an entry, quote its word</source>
        <translation>строка «%1» пропущена как заголовок; если это запись, заключите её слово в кавычки</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>прочитан как %1</translation>
    </message>
    <message>
        <source>this is a spreadsheet; save it as CSV (comma-separated values) and import that</source>
        <translation>это электронная таблица; сохраните её в формате CSV (значения через запятую) и добавьте получившийся файл</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most a word file may be; nothing read</source>
        <translation>больше %1 МиБ — это предел для файла слов; ничего не прочитано</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>it holds or computes a value larger than %1; refused as damaged</source>
        <translation>в ней хранится или вычисляется значение больше %1; отклонена как повреждённая</translation>
    </message>
    <message>
        <source>reading it takes more than %1 of memory; refused as damaged</source>
        <translation>для её чтения нужно больше %1 памяти; отклонена как повреждённая</translation>
    </message>
    <message>
        <source>reading it takes more work than any collection needs; refused as damaged</source>
        <translation>её чтение требует больше работы, чем нужно любой коллекции; отклонена как повреждённая</translation>
    </message>
    <message>
        <source>it holds more than %1 notes, the most a list can hold</source>
        <translation>в ней больше %1 записей — это предел для списка</translation>
    </message>
    <message>
        <source>it holds no notes table</source>
        <translation>в ней нет таблицы записей</translation>
    </message>
    <message>
        <source>; it may come from a newer Anki: export it again with &quot;Support older Anki versions&quot; ticked</source>
        <translation>; возможно, он из более новой версии Anki: экспортируйте его заново, отметив «Support older Anki versions» (поддержка старых версий Anki)</translation>
    </message>
    <message>
        <source>not a readable Anki package: the zip archive is damaged or cut short (%1)</source>
        <translation>не удаётся прочитать пакет Anki: zip-архив повреждён или обрезан (%1)</translation>
    </message>
    <message>
        <source>not an Anki package: the zip archive holds no collection (collection.anki21b, collection.anki21 or collection.anki2)</source>
        <translation>не пакет Anki: в zip-архиве нет коллекции (collection.anki21b, collection.anki21 или collection.anki2)</translation>
    </message>
    <message>
        <source>not a readable Anki collection in %1: %2</source>
        <translation>не удаётся прочитать коллекцию Anki в %1: %2</translation>
    </message>
    <message>
        <source>unknown Anki package version %1</source>
        <translation>неизвестная версия пакета Anki: %1</translation>
    </message>
    <message>
        <source>the Anki package is encrypted (a zip with a password), which Anki never writes; nothing read</source>
        <translation>пакет Anki зашифрован (zip с паролем), а Anki таких не создаёт; ничего не прочитано</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB; refused as damaged</source>
        <translation>%1 больше %2 МиБ; отклонён как повреждённый</translation>
    </message>
    <message>
        <source>the Anki package is damaged: %1 cannot be read (%2)</source>
        <translation>пакет Anki повреждён: не удаётся прочитать %1 (%2)</translation>
    </message>
    <message>
        <source>out of memory unpacking the collection</source>
        <translation>недостаточно памяти для распаковки коллекции</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection does not unpack (%1)</source>
        <translation>пакет Anki повреждён: его коллекция не распаковывается (%1)</translation>
    </message>
    <message>
        <source>the collection unpacks to more than %1 MiB; refused as damaged</source>
        <translation>коллекция распаковывается в более чем %1 МиБ; отклонена как повреждённая</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection is cut short</source>
        <translation>пакет Anki повреждён: его коллекция обрезана</translation>
    </message>
    <message>
        <source> (first on line %1)</source>
        <translation> (впервые в строке %1)</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>пустое слово</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;: no definition</source>
        <translation>слово «%1»: нет значения</translation>
    </message>
    <message>
        <source>has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>содержит букв: %1; слово вмещает не больше %2 (%3 в Windows-1252, %4 китайских, японских или корейских иероглифов)</translation>
    </message>
    <message>
        <source>has %1 letters; a definition holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>содержит букв: %1; определение вмещает не больше %2 (%3 в Windows-1252, %4 китайских, японских или корейских иероглифов)</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: не изображение и не запись, которые хранит Quibbix; пропущено</translation>
    </message>
    <message>
        <source>%1: not in the package&apos;s media; left out</source>
        <translation>%1: нет среди медиафайлов пакета; пропущено</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: больше 16 МиБ; пропущено</translation>
    </message>
    <message>
        <source>%1: cannot be read from the package; left out</source>
        <translation>%1: не читается из пакета; пропущено</translation>
    </message>
    <message>
        <source>%1: no such file; left out</source>
        <translation>%1: нет такого файла; пропущено</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: символическая ссылка, по ссылкам Quibbix не переходит; пропущено</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: не обычный файл; пропущено</translation>
    </message>
    <message>
        <source>%1: not a file beside the document; left out</source>
        <translation>%1: не файл рядом с документом; пропущено</translation>
    </message>
</context>
<context>
    <name>ImportAdvice</name>
    <message>
        <source>; use --header to skip it, --no-header to keep it</source>
        <translation>; --header пропустит её, --no-header оставит</translation>
    </message>
    <message>
        <source>; give the encoding it was saved in with --input-encoding</source>
        <translation>; укажите кодировку, в которой он сохранён, через --input-encoding</translation>
    </message>
    <message>
        <source>; give the right encoding with --input-encoding</source>
        <translation>; укажите правильную кодировку через --input-encoding</translation>
    </message>
    <message>
        <source>; --input-encoding chooses)</source>
        <translation>; выбрать: --input-encoding)</translation>
    </message>
    <message>
        <source> (--truncate cuts it)</source>
        <translation> (--truncate обрежет его)</translation>
    </message>
    <message>
        <source> (guessed; --format chooses)</source>
        <translation> (предположение; выбрать: --format)</translation>
    </message>
    <message>
        <source> (--include-deactivated keeps it)</source>
        <translation> (--include-deactivated сохранит её)</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>Cannot Add This File</source>
        <translation>Не удаётся добавить файл</translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation>Quibbix не может составить список из %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation>
            <numerusform>Теперь в %1 %n слово.</numerusform>
            <numerusform>Теперь в %1 %n слова.</numerusform>
            <numerusform>Теперь в %1 %n слов.</numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation> Оставшиеся в нём слова сохраняют свой прогресс, а копия прежнего прогресса сохранена.</translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation>Заголовки столбцов?</translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation>Первая строка похожа на заголовки столбцов: пропустить её?</translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation>В ней: %1 и %2.</translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation>Список с таким именем уже есть</translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation>У вас уже есть список %1, с прогрессом.</translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation>У вас уже есть список %1.</translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation>Обновить его словами из %1 и сохранить прогресс каждого оставшегося слова (сначала делается резервная копия занятий) или добавить файл как новый список рядом?</translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation>&amp;Обновить, сохранив прогресс</translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation>Добавить как &amp;новый список</translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation>Список обновлён</translation>
    </message>
    <message>
        <source>It holds no words.</source>
        <translation>В файле нет слов.</translation>
    </message>
    <message>
        <source>; delete that row from the file if it holds no word</source>
        <translation>; удалите эту строку из файла, если в ней нет слова</translation>
    </message>
    <message>
        <source>; choose the encoding it was saved in</source>
        <translation>; выберите кодировку, в которой он сохранён</translation>
    </message>
    <message>
        <source>; choose another encoding</source>
        <translation>; выберите другую кодировку</translation>
    </message>
    <message>
        <source>; shorten it in the file</source>
        <translation>; сократите его в файле</translation>
    </message>
    <message>
        <source>text with a tab between each word and its meaning</source>
        <translation>текст с табуляцией между словом и его значением</translation>
    </message>
    <message>
        <source>comma-separated text</source>
        <translation>текст с разделителями-запятыми</translation>
    </message>
    <message>
        <source>text exported from Anki</source>
        <translation>текст, экспортированный из Anki</translation>
    </message>
    <message>
        <source>a Mnemosyne export</source>
        <translation>экспорт из Mnemosyne</translation>
    </message>
    <message>
        <source>a KVTML vocabulary file</source>
        <translation>словарный файл KVTML</translation>
    </message>
    <message>
        <source>an Anki package</source>
        <translation>пакет Anki</translation>
    </message>
    <message>
        <source>Quibbix read this file as %1</source>
        <translation>Quibbix прочитал этот файл как %1</translation>
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
        <translation>список сейчас изучается наоборот; сначала закройте в нём Quibbix</translation>
    </message>
    <message>
        <source>the list is being studied; close Quibbix on it first</source>
        <translation>список сейчас изучается; сначала закройте в нём Quibbix</translation>
    </message>
</context>
<context>
    <name>ListGuard</name>
    <message>
        <source>The copy of the word list as last studied (%1) is damaged, so the progress stays with the words by their position; the copy is kept as %1.bad.</source>
        <translation>Копия списка слов на момент последнего занятия (%1) повреждена, поэтому прогресс остаётся за словами по их позициям; копия сохранена как %1.bad.</translation>
    </message>
    <message>
        <source>Quibbix cannot tell whether the words of this list changed since you last studied it, because its record of them is damaged. Your progress stays with the words as they are now.</source>
        <translation>Quibbix не может определить, изменились ли слова этого списка с последнего занятия, потому что их запись повреждена. Ваш прогресс остаётся за словами в нынешнем виде.</translation>
    </message>
    <message>
        <source>An update of the list was interrupted and cannot be finished: %1.</source>
        <translation>Обновление списка было прервано и не может быть завершено: %1.</translation>
    </message>
    <message>
        <source>A change to the words of this list was interrupted and cannot be finished now, so the list cannot be studied. Your progress is as it was. Free some disk space, or make sure the list&apos;s folder can be written to, then start Quibbix again.</source>
        <translation>Изменение слов этого списка было прервано и сейчас не может быть завершено, поэтому список нельзя учить. Ваш прогресс не изменился. Освободите место на диске или убедитесь, что в папку списка можно записывать, затем снова запустите Quibbix.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied, and the progress could not be moved onto it: %1</source>
        <translation>Список слов изменился с последнего занятия, и перенести на него прогресс не удалось: %1</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it, and your progress could not be moved onto the new words. Nothing was changed. To study this list, put its earlier word list back, or add the new words as a list of their own.</source>
        <translation>Слова этого списка изменились с последнего занятия, и перенести ваш прогресс на новые слова не удалось. Ничего не изменено. Чтобы учить этот список, верните прежний список слов или добавьте новые слова отдельным списком.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied: %1.</source>
        <translation>Список слов изменился с последнего занятия: %1.</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it. The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>Слова этого списка изменились с последнего занятия. Оставшиеся в нём слова сохраняют свой прогресс, а копия прежнего прогресса сохранена.</translation>
    </message>
</context>
<context>
    <name>ListImporter</name>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>the file holds no words to study</source>
        <translation>в файле нет слов для занятий</translation>
    </message>
    <message>
        <source>the file holds %1 words; Quibbix can study at most %2</source>
        <translation>слов в файле: %1; Quibbix может учить не больше %2</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); nothing changed</source>
        <translation>не удаётся прочитать %1 (%2); ничего не изменено</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere since its words were read; nothing changed</source>
        <translation>%1 был изменён в другом месте после чтения его слов; ничего не изменено</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>нет списка с именем «%1»</translation>
    </message>
    <message>
        <source>cannot read %1, which the progress stands on</source>
        <translation>не удаётся прочитать %1, на котором основан прогресс</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>не удаётся записать %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ListRebase</name>
    <message>
        <source>the session could not be rebased</source>
        <translation>не удалось перенести занятия на новый список</translation>
    </message>
    <message>
        <source>%1, %2 and %3; the old session files are kept as %4</source>
        <translation>%1, %2 и %3; старые файлы занятий сохранены как %4</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) keep(s) its/their progress</source>
        <translation>
            <numerusform>%n слово сохраняет прогресс</numerusform>
            <numerusform>%n слова сохраняют прогресс</numerusform>
            <numerusform>%n слов сохраняют прогресс</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are gone</source>
        <translation>
            <numerusform>%n слово удалено</numerusform>
            <numerusform>%n слова удалены</numerusform>
            <numerusform>%n слов удалено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are new</source>
        <translation>
            <numerusform>%n слово добавлено</numerusform>
            <numerusform>%n слова добавлены</numerusform>
            <numerusform>%n слов добавлено</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot write (%2); the change is finished when the list is next opened</source>
        <translation>%1: не удаётся записать (%2); изменение будет завершено при следующем открытии списка</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1: не удаётся записать (%2); ничего не изменено</translation>
    </message>
    <message>
        <source>backwards, </source>
        <translation>наоборот: </translation>
    </message>
    <message>
        <source>the pairing names %1 for %2</source>
        <translation>в сопоставлении %1 для %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new record(s)</source>
        <translation>
            <numerusform>%n новой записи</numerusform>
            <numerusform>%n новых записей</numerusform>
            <numerusform>%n новых записей</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives new record %1 old record %2, which is not among the %3</source>
        <translation>сопоставление даёт новой записи %1 старую запись %2, которой нет среди %3</translation>
    </message>
    <message numerus="yes">
        <source>%n old record(s)</source>
        <translation>
            <numerusform>%n старой записи</numerusform>
            <numerusform>%n старых записей</numerusform>
            <numerusform>%n старых записей</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives old record %1 to two new records</source>
        <translation>сопоставление даёт старую запись %1 двум новым записям</translation>
    </message>
    <message>
        <source>cannot write (%1); the change is finished when the list is next opened</source>
        <translation>не удаётся записать (%1); изменение будет завершено при следующем открытии списка</translation>
    </message>
    <message>
        <source>cannot write (%1); nothing changed</source>
        <translation>не удаётся записать (%1); ничего не изменено</translation>
    </message>
    <message>
        <source>an interrupted update cannot be finished (%1); nothing changed</source>
        <translation>прерванное обновление не может быть завершено (%1); ничего не изменено</translation>
    </message>
    <message>
        <source>the new list has %1; a session needs 1 to %2</source>
        <translation>в новом списке %1; для занятий нужно от 1 до %2</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; ничего не изменено</translation>
    </message>
    <message>
        <source>cannot be read (%1); nothing changed</source>
        <translation>не удаётся прочитать (%1); ничего не изменено</translation>
    </message>
    <message>
        <source>no session here (no %1); nothing to rebase</source>
        <translation>здесь нет занятий (нет %1); переносить нечего</translation>
    </message>
    <message>
        <source>is damaged; nothing changed (Quibbix keeps a copy of it as .bad and repairs it when it next saves)</source>
        <translation>повреждён; ничего не изменено (Quibbix сохраняет его копию как .bad и исправляет его при следующем сохранении)</translation>
    </message>
    <message>
        <source>the lists name word %1, beyond the %2 of the old list; is it the list this session was made with? Nothing changed (--force drops those entries)</source>
        <translation>списки ссылаются на слово %1, а в старом списке всего %2; с этим ли списком создавались занятия? Ничего не изменено (--force отбросит эти элементы)</translation>
    </message>
    <message>
        <source>ambiguous matches; nothing changed (--force pairs them in file order)</source>
        <translation>неоднозначные совпадения; ничего не изменено (--force сопоставит их по порядку в файле)</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>a list needs a name</source>
        <translation>у списка должно быть имя</translation>
    </message>
    <message>
        <source>the name is too long (at most %1 bytes)</source>
        <translation>имя слишком длинное (не больше %1 байт)</translation>
    </message>
    <message>
        <source>the name holds control characters or outer spaces</source>
        <translation>имя содержит управляющие символы или пробелы по краям</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>имя не в корректном UTF-8</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>another program is changing the lists; try again in a moment</source>
        <translation>другая программа изменяет списки; повторите через минуту</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>не удаётся заблокировать %1: %2</translation>
    </message>
    <message>
        <source>cannot read the defaults in %1: %2</source>
        <translation>не удаётся прочитать настройки по умолчанию в %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>не удаётся скопировать %1 в %2: %3</translation>
    </message>
    <message>
        <source>cannot make a new list in %1: %2</source>
        <translation>не удаётся создать новый список в %1: %2</translation>
    </message>
    <message>
        <source>cannot move %1 to %2: %3</source>
        <translation>не удаётся переместить %1 в %2: %3</translation>
    </message>
    <message>
        <source>no free folder name for &quot;%1&quot; in %2</source>
        <translation>нет свободного имени папки для «%1» в %2</translation>
    </message>
    <message>
        <source>a list named &quot;%1&quot; exists already</source>
        <translation>список с именем «%1» уже есть</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>нет списка с именем «%1»</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>не удаётся создать папку в %1: %2</translation>
    </message>
    <message>
        <source>cannot move %1: %2</source>
        <translation>не удаётся переместить %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>the default word list was not found</source>
        <translation>список слов по умолчанию не найден</translation>
    </message>
</context>
<context>
    <name>ListSync</name>
    <message>
        <source>%1: not a Quibbix list manifest</source>
        <translation>%1: не описание списка Quibbix</translation>
    </message>
    <message>
        <source>%1: written by a newer Quibbix (format %2); update Quibbix to sync this list</source>
        <translation>%1: записан более новой версией Quibbix (формат %2); обновите Quibbix, чтобы синхронизировать этот список</translation>
    </message>
    <message>
        <source>%1:%2: a damaged line (&quot;%3&quot;)</source>
        <translation>%1:%2: повреждённая строка («%3»)</translation>
    </message>
    <message>
        <source>%1: names no list</source>
        <translation>%1: не указывает ни на какой список</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: still arriving (%2); the list is joined once it is whole</source>
        <translation>%1: ещё не дошёл полностью (%2); список будет подключён, когда всё дойдёт</translation>
    </message>
    <message>
        <source>%1: another program is syncing the list; try again in a moment</source>
        <translation>%1: другая программа синхронизирует список; повторите через минуту</translation>
    </message>
    <message>
        <source>%1: the words changed on another computer; they come in, with the progress of both directions, once no other program studies the list</source>
        <translation>%1: слова изменились на другом компьютере; они будут приняты вместе с прогрессом обоих направлений, когда список перестанет учить другая программа</translation>
    </message>
    <message>
        <source>%1: studied by another program right now, which takes what arrived at its own next sync</source>
        <translation>%1: сейчас занятие идёт в другой программе; она примет пришедшее при своей следующей синхронизации</translation>
    </message>
    <message>
        <source>%1: the journal of device %2, kept as %3; this computer starts a journal of its own</source>
        <translation>%1: журнал устройства %2, сохранён как %3; этот компьютер начинает свой журнал</translation>
    </message>
    <message>
        <source>%1: names %2 of %3; leave the sync folder and join it again</source>
        <translation>%1: указано %2 из %3; отключите список от папки синхронизации и подключите снова</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n слово</numerusform>
            <numerusform>%n слова</numerusform>
            <numerusform>%n слов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; what was done here syncs once the folder is back</source>
        <translation>%1; сделанное здесь синхронизируется, когда папка снова будет доступна</translation>
    </message>
    <message>
        <source>%1; the journal is published at the next sync</source>
        <translation>%1; журнал будет опубликован при следующей синхронизации</translation>
    </message>
    <message numerus="yes">
        <source>%n judgement(s) of words no journal made passed over</source>
        <translation>
            <numerusform>%n оценка слов, не созданных ни одним журналом, пропущена</numerusform>
            <numerusform>%n оценки слов, не созданных ни одним журналом, пропущены</numerusform>
            <numerusform>%n оценок слов, не созданных ни одним журналом, пропущено</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>%1; the list has no words to share</source>
        <translation>%1; в списке нет слов, которыми можно поделиться</translation>
    </message>
    <message>
        <source>%1: events of another sync folder, kept in the trash as %2</source>
        <translation>%1: события другой папки синхронизации, сохранены в корзине как %2</translation>
    </message>
    <message>
        <source>%1: the list &quot;%2&quot; is still arriving; nothing changed, join again once it is whole</source>
        <translation>%1: список «%2» ещё не дошёл полностью; ничего не изменено, подключитесь снова, когда он дойдёт целиком</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n ответ</numerusform>
            <numerusform>%n ответа</numerusform>
            <numerusform>%n ответов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word change(s)</source>
        <translation>
            <numerusform>%n изменение слов</numerusform>
            <numerusform>%n изменения слов</numerusform>
            <numerusform>%n изменений слов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 arrived from another computer</source>
        <translation>С другого компьютера пришли: %1 и %2</translation>
    </message>
    <message>
        <source>%1 arrived from another computer</source>
        <translation>С другого компьютера пришли: %1</translation>
    </message>
    <message>
        <source>the list syncs with %1 already; leave it first</source>
        <translation>список уже синхронизируется через %1; сначала отключите его</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1: %2; ничего не изменено</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; ничего не изменено</translation>
    </message>
    <message>
        <source>%1 holds the list &quot;%2&quot;, not &quot;%3&quot;; a sync folder holds one list, so give this one a folder of its own</source>
        <translation>в %1 хранится список «%2», а не «%3»; в папке синхронизации хранится один список, поэтому дайте этому списку свою папку</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
            <numerusform>ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s (%2, or a list still arriving); pick an empty folder</source>
        <translation>в %1 есть файлы, не относящиеся к спискам Quibbix (%2 или список, который ещё не дошёл); выберите пустую папку</translation>
    </message>
    <message>
        <source>%1: the list is joined to no sync folder</source>
        <translation>%1: список не подключён ни к одной папке синхронизации</translation>
    </message>
    <message>
        <source>%1: its contents do not match its name; left out</source>
        <translation>%1: содержимое не соответствует имени; пропущено</translation>
    </message>
</context>
<context>
    <name>MediaStore</name>
    <message>
        <source>%1: cannot be read (%2); left out</source>
        <translation>%1: не читается (%2); пропущено</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: символическая ссылка, по ссылкам Quibbix не переходит; пропущено</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: не обычный файл; пропущено</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: больше 16 МиБ; пропущено</translation>
    </message>
    <message>
        <source>%1: could not be copied into the list; left out</source>
        <translation>%1: не удалось скопировать в список; пропущено</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: не изображение и не запись, которые хранит Quibbix; пропущено</translation>
    </message>
    <message>
        <source>%1: the list&apos;s pictures and recordings would pass 1 GiB; left out</source>
        <translation>%1: изображения и записи списка превысили бы 1 ГиБ; пропущено</translation>
    </message>
    <message>
        <source>%1: not a recording; left out</source>
        <translation>%1: не запись; пропущено</translation>
    </message>
    <message>
        <source>%1: not a picture; left out</source>
        <translation>%1: не картинка; пропущено</translation>
    </message>
    <message>
        <source>%1: a picture too large to show (%2); left out</source>
        <translation>%1: картинка слишком велика для показа (%2); пропущено</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation>Не удалось загрузить %1 (%2). Переустановка Quibbix вернёт его.</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation>%1 относится к другой версии Quibbix. Переустановка Quibbix поставит на его место правильный.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation>Известные</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Изучаемые</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Не знаю</translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation>Ошибочные</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Не уверен</translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation>Не показанные</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Прогресс</translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation>Занятия подряд: %1 (рекорд: %2)</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Экспорт в CSV…</translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation>Слова по состояниям</translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation>Минуты занятий по дням, последние %1 дней</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation>Занятий ещё не было.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation>На %1: %2. Известных слов: от %3 (%4) до %5.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation>За последние %1 дней: занимались %2, всего %3.</translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation> Больше всего — %1 (%2).</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Экспорт истории</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Файлы CSV (*.csv);;Все файлы (*)</translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation>Не удалось экспортировать историю.

</translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation>Нет озвучки: %1</translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation>Нет озвучки: нужны speech-dispatcher и speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng</source>
        <translation>Нет озвучки: нужны qt6-speech-speechd-plugin и speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No voice for %1: install a speech-dispatcher voice for it</source>
        <translation>Нет голоса для языка %1: установите голос speech-dispatcher</translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation>Список слов изменён</translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation>Этот список нельзя учить</translation>
    </message>
</context>
<context>
    <name>RecordChecker</name>
    <message>
        <source>record end</source>
        <translation>конец записи</translation>
    </message>
    <message>
        <source>unused field</source>
        <translation>неиспользуемое поле</translation>
    </message>
    <message>
        <source>word</source>
        <translation>слово</translation>
    </message>
    <message>
        <source>definition</source>
        <translation>значение</translation>
    </message>
    <message>
        <source>byte %1 at offset %2 (%3) breaks the record when read as text</source>
        <translation>байт %1 на позиции %2 (%3) разрывает запись при чтении как текста</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the word (UTF-8) does not show as a character</source>
        <translation>управляющий символ %1 в байте %2 слова (UTF-8) не отображается как символ</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the definition (UTF-8) does not show as a character</source>
        <translation>управляющий символ %1 в байте %2 значения (UTF-8) не отображается как символ</translation>
    </message>
    <message>
        <source>control character %1 in the word does not show as a character</source>
        <translation>управляющий символ %1 в слове не отображается как символ</translation>
    </message>
    <message>
        <source>control character %1 in the definition does not show as a character</source>
        <translation>управляющий символ %1 в значении не отображается как символ</translation>
    </message>
    <message>
        <source>undefined byte %1 in the word, which is not valid UTF-8 either, does not show as a character</source>
        <translation>неопределённый байт %1 в слове, который не является и допустимым UTF-8, не отображается как символ</translation>
    </message>
    <message>
        <source>undefined byte %1 in the definition, which is not valid UTF-8 either, does not show as a character</source>
        <translation>неопределённый байт %1 в значении, который не является и допустимым UTF-8, не отображается как символ</translation>
    </message>
    <message>
        <source>the word is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>слово — это UTF-8, обрезанный внутри последнего символа, поэтому оно отображается как Windows-1252</translation>
    </message>
    <message>
        <source>the definition is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>значение — это UTF-8, обрезанный внутри последнего символа, поэтому оно отображается как Windows-1252</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>пустое слово</translation>
    </message>
    <message>
        <source>word of spaces only</source>
        <translation>слово из одних пробелов</translation>
    </message>
    <message>
        <source>empty definition</source>
        <translation>пустое значение</translation>
    </message>
    <message>
        <source>definition of spaces only</source>
        <translation>значение из одних пробелов</translation>
    </message>
</context>
<context>
    <name>RefusedDialog</name>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the entries in “%1” can be added to a list:</source>
        <translation>Ни одну запись из «%1» нельзя добавить в список:</translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation>Из «%2» нельзя добавить в список: %1; остальные (%3) можно:</translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation>Записи, которые нельзя добавить</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Строка</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation>Записи, которые нельзя добавить</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Отмена, ничего не добавлять</translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation>&amp;Пропустить их и добавить остальные</translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation>Пропустить эти записи и добавить остальные</translation>
    </message>
    <message>
        <source>C&amp;ut Them to Fit</source>
        <translation>&amp;Обрезать по размеру</translation>
    </message>
    <message>
        <source>Cut the words and definitions too long for the list at their last whole letter that fits</source>
        <translation>Обрезать слишком длинные слова и определения по последней целой букве, которая помещается</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation>Произношение</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Язык слов</translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation>Язык значений</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Слова:</translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation>&amp;Значения:</translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation>Произносить каждое слово при появлении</translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation>Этот список нельзя учить</translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Не сохранено: %1</translation>
    </message>
    <message>
        <source>Each word is spoken</source>
        <translation>Каждое слово произносится</translation>
    </message>
    <message>
        <source>Words are not spoken</source>
        <translation>Слова не произносятся</translation>
    </message>
    <message>
        <source>No sound output: the word cannot be spoken</source>
        <translation>Нет вывода звука: слово нельзя произнести</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>: held no device id (&quot;</source>
        <translation>: нет идентификатора устройства («</translation>
    </message>
    <message>
        <source>&quot;); this computer now syncs as the new device </source>
        <translation>»); этот компьютер теперь синхронизируется как новое устройство </translation>
    </message>
    <message>
        <source>: the data folder was made at </source>
        <translation>: папка данных была создана в месте </translation>
    </message>
    <message>
        <source> (copied or moved from there, where it may still sync); this computer now syncs as the new device </source>
        <translation> (она скопирована или перемещена оттуда и, возможно, ещё синхронизируется там); этот компьютер теперь синхронизируется как новое устройство </translation>
    </message>
    <message>
        <source>, so that no journal is written from two places</source>
        <translation>, чтобы ни один журнал не записывался из двух мест</translation>
    </message>
    <message>
        <source>: written in journal format </source>
        <translation>: записан в формате журнала </translation>
    </message>
    <message>
        <source> by a newer Quibbix; this one reads format </source>
        <translation> более новой версией Quibbix; эта версия читает формат </translation>
    </message>
    <message>
        <source> and leaves the journal unread until it is updated</source>
        <translation> и не читает журнал, пока её не обновят</translation>
    </message>
    <message>
        <source>: not a Quibbix journal (its first line is &quot;</source>
        <translation>: не журнал Quibbix (его первая строка: &quot;</translation>
    </message>
    <message>
        <source>an event of device </source>
        <translation>событие устройства </translation>
    </message>
    <message>
        <source> in the journal of </source>
        <translation> в журнале устройства </translation>
    </message>
    <message>
        <source>: the journal of device </source>
        <translation>: журнал устройства </translation>
    </message>
    <message>
        <source>, not of this computer&apos;s </source>
        <translation>, а не этого компьютера — </translation>
    </message>
    <message>
        <source>: holds the journal of device </source>
        <translation>: содержит журнал устройства </translation>
    </message>
    <message>
        <source>no direction (f or b)</source>
        <translation>нет направления (f или b)</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD)</source>
        <translation>нет даты (ГГГГ-ММ-ДД)</translation>
    </message>
    <message>
        <source>no seconds of use</source>
        <translation>нет секунд занятий</translation>
    </message>
    <message>
        <source>the event it undoes is no earlier event of its device</source>
        <translation>отменяемое событие не является более ранним событием того же устройства</translation>
    </message>
    <message>
        <source>no word id</source>
        <translation>нет идентификатора слова</translation>
    </message>
    <message>
        <source>no judgement code (0 to 3)</source>
        <translation>нет кода оценки (от 0 до 3)</translation>
    </message>
    <message>
        <source>no wall-clock offset</source>
        <translation>нет смещения часов</translation>
    </message>
    <message>
        <source>a broken %XX escape in the word&apos;s text</source>
        <translation>повреждённая последовательность %XX в тексте слова</translation>
    </message>
    <message>
        <source>it has </source>
        <translation>полей: </translation>
    </message>
    <message>
        <source> fields, not </source>
        <translation>, а должно быть </translation>
    </message>
    <message>
        <source>no clock time</source>
        <translation>нет отметки времени</translation>
    </message>
    <message>
        <source>no device id</source>
        <translation>нет идентификатора устройства</translation>
    </message>
    <message>
        <source>no sequence number</source>
        <translation>нет порядкового номера</translation>
    </message>
    <message>
        <source>The list to replay holds </source>
        <translation>В воспроизводимом списке слов: </translation>
    </message>
    <message>
        <source> words: a list studies from 1 to </source>
        <translation>; список для занятий может содержать от 1 до </translation>
    </message>
    <message>
        <source>a judgement of word </source>
        <translation>оценка слова </translation>
    </message>
    <message>
        <source>, which the list does not hold, was left out</source>
        <translation>, которого нет в списке, пропущена</translation>
    </message>
    <message>
        <source>; what was taken from it before stays, and the computer that writes it replaces it at its next sync</source>
        <translation>; взятое из него раньше сохраняется, а компьютер, который его пишет, заменит его при следующей синхронизации</translation>
    </message>
    <message>
        <source>: not the journal its name says; passed over</source>
        <translation>: не тот журнал, который указан в его имени; пропущен</translation>
    </message>
    <message>
        <source>: no longer begins with what was taken from it; both are kept and read</source>
        <translation>: больше не начинается с того, что из него было взято; сохраняются и читаются оба</translation>
    </message>
    <message>
        <source>: the journals there hold more than </source>
        <translation>: журналы в ней содержат более </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; the list keeps its progress here and is not synced</source>
        <translation> событий — больше, чем объединяет Quibbix; список сохраняет здесь свой прогресс и не синхронизируется</translation>
    </message>
    <message>
        <source>: changed what it held too many times; passed over, what was taken from it stays</source>
        <translation>: слишком много раз менял своё содержимое; пропущен, взятое из него сохраняется</translation>
    </message>
    <message>
        <source>a word that is empty, holds a control character or is too long</source>
        <translation>слово пустое, содержит управляющий символ или слишком длинное</translation>
    </message>
    <message>
        <source>a definition that holds a control character or is too long</source>
        <translation>определение содержит управляющий символ или слишком длинное</translation>
    </message>
    <message>
        <source>: events of a kind a newer Quibbix writes, passed over; update Quibbix to take them</source>
        <translation>: события того вида, который пишет более новый Quibbix, пропущены; обновите Quibbix, чтобы их учесть</translation>
    </message>
    <message>
        <source>a sequence number beyond the events before it</source>
        <translation>порядковый номер за пределами предшествующих событий</translation>
    </message>
    <message>
        <source>: taking it would make the journals hold more than </source>
        <translation>: если взять его, журналы будут содержать более </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; passed over</source>
        <translation> событий — больше, чем объединяет Quibbix; пропущен</translation>
    </message>
    <message>
        <source>the words of the list as it joined cannot be read; nothing was written</source>
        <translation>не удаётся прочитать слова списка в том виде, в каком он присоединился; ничего не записано</translation>
    </message>
    <message>
        <source>no name of a picture or recording</source>
        <translation>нет имени картинки или записи</translation>
    </message>
    <message>
        <source>no event of this format (J, U, E, R, T or M)</source>
        <translation>нет события такого формата (J, U, E, R, T или M)</translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation>Синхронизация</translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation>В папке есть «%1» с другого компьютера.</translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation>Список «%1» здесь будет заменён им, со словами и прогрессом; нынешнее содержимое сначала уйдёт в корзину.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation>Он будет добавлен сюда как новый список, со словами и прогрессом, а «%1» останется как есть.</translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation>&amp;Добавить «%1»</translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation>Не удаётся синхронизировать</translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation>«%1» не добавлен.

%2</translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation>Синхронизация «%1» через папку</translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation>«%1» не может синхронизироваться через %2.

%3</translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation>«%1» теперь синхронизируется через %2.</translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation>

На других компьютерах, когда папка туда дойдёт, выберите «Синхронизация…» с той же папкой.</translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation>

Его слова и прогресс взяты из папки. </translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation>«%1» синхронизируется через %2.</translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation>Синхронизация идёт при каждом открытии и сохранении. Остановка оставляет папку и прогресс списка как есть.</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>Синхронизировать &amp;сейчас</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>&amp;Остановить синхронизацию</translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation>Не удаётся остановить синхронизацию</translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation>«%1» по-прежнему синхронизируется.

%2</translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation>«%1» не синхронизирован.

%2</translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation>С других компьютеров ничего нового не пришло.</translation>
    </message>
    <message>
        <source>Pick an empty folder inside the folder your sync program shares (Syncthing, Nextcloud, Dropbox…), or, on another computer, the folder the first one made for this list. A name typed that is not there yet becomes a new folder.</source>
        <translation>Выберите пустую папку внутри папки, которую открывает для синхронизации ваша программа (Syncthing, Nextcloud, Dropbox…), или, на другом компьютере, папку, которую первый создал для этого списка. Введённое имя, которого ещё нет, станет новой папкой.</translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s, such as “%2”. Pick an empty folder, or the folder another computer made for this list.</source>
        <translation>В %1 есть файлы, не относящиеся ни к одному списку Quibbix, например «%2». Выберите пустую папку или папку, которую другой компьютер создал для этого списка.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>Не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>Not This Folder</source>
        <translation>Не эта папка</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>cannot make the trash folder %1: %2</source>
        <translation>не удаётся создать папку корзины %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 is in the trash, but the disk did not confirm it: %2</source>
        <translation>%1 в корзине, но диск не подтвердил запись: %2</translation>
    </message>
    <message>
        <source>the trash (%1) is on another file system, and nothing is deleted here; %2 was left as it was</source>
        <translation>корзина (%1) находится в другой файловой системе, и здесь ничего не удаляется; %2 оставлен как есть</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>не удаётся переместить %1 в корзину: %2</translation>
    </message>
    <message>
        <source>no free name in the trash for %1</source>
        <translation>нет свободного имени в корзине для %1</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation>не показано</translation>
    </message>
    <message>
        <source>new</source>
        <translation>новое</translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation>ошибка</translation>
    </message>
    <message>
        <source>unsure</source>
        <translation>не уверен</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>изучается</translation>
    </message>
    <message>
        <source>known</source>
        <translation>известно</translation>
    </message>
    <message>
        <source>known, under review</source>
        <translation>известно, на повторении</translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation>Изменить можно только слово или значение.</translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation>Список полон: в нём не может быть больше %1 слов.</translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation>В списке должно остаться хотя бы одно слово.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Счётчик</translation>
    </message>
    <message>
        <source>State Back</source>
        <translation>Состояние (обр.)</translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation>Счётчик (обр.)</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>Слово</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Его значение</translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation>Состояние слова при изучении от слова к значению</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation>Верных ответов подряд, пока слово изучается, от слова к значению</translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation>Состояние слова при изучении наоборот, от значения к слову</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation>Верных ответов подряд, пока слово изучается, наоборот</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Picture and Sound</source>
        <translation>Картинка и звук</translation>
    </message>
    <message>
        <source>The card&apos;s picture, and whether it has its own recording</source>
        <translation>Картинка карточки и есть ли у неё своя запись</translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation>
            <numerusform>Удалить %n слово?</numerusform>
            <numerusform>Удалить %n слова?</numerusform>
            <numerusform>Удалить %n слов?</numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation> Его прогресс будет удалён вместе с ним (копия сохраняется).</translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation>У всех них есть прогресс, он будет удалён вместе с ними (копия сохраняется).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation>
            <numerusform>У %n из них есть прогресс, он будет удалён вместе с ними (копия сохраняется).</numerusform>
            <numerusform>У %n из них есть прогресс, он будет удалён вместе с ними (копия сохраняется).</numerusform>
            <numerusform>У %n из них есть прогресс, он будет удалён вместе с ними (копия сохраняется).</numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Добавить слово</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Новое слово</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Его значение</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Слово:</translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation>&amp;Значение:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation>Слова — %1[*]</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Поиск:</translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation>Поиск по словам и значениям</translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation>Слова и значения, без учёта регистра и диакритики</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Слова</translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation>Каждое слово со значением и прогрессом в обоих направлениях</translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation>Показанные слова</translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation>&amp;Добавить слово…</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Добавить слово</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation>Удалить выбранные слова</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Отменить последнее изменение</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>Сохранить изменения</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n слово</numerusform>
            <numerusform>%n слова</numerusform>
            <numerusform>%n слов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>Показано %1 из %2</translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation>Слово не добавлено: %1.</translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation>Удаление слов</translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation>Не изменено: %1.</translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation>Слова не сохранены: список был изменён в другом месте после открытия этого окна, и сохранение отменило бы эти изменения. Закройте окно без сохранения и откройте его снова.</translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation>Слова не сохранены: %1.</translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation>Слова сохранены, но показать их снова не удаётся: %1.</translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation> — сохранено: </translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation>Сохранить изменения в словах списка %1?</translation>
    </message>
    <message>
        <source>&amp;Picture and Sound</source>
        <translation>&amp;Картинка и звук</translation>
    </message>
    <message>
        <source>Give the word a picture or a recording from a file, or take them away</source>
        <translation>Дать слову картинку или запись из файла либо убрать их</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Picture…</source>
        <translation>Добавить или заменить &amp;картинку…</translation>
    </message>
    <message>
        <source>Remove P&amp;icture</source>
        <translation>&amp;Убрать картинку</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Recording…</source>
        <translation>Добавить или заменить &amp;запись…</translation>
    </message>
    <message>
        <source>Remove R&amp;ecording</source>
        <translation>Убрать з&amp;апись</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</source>
        <translation>Картинки (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)</source>
        <translation>Записи (*.wav *.flac *.ogg *.oga *.opus *.mp3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
</context>
</TS>
