<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CBreakDlg</name>
    <message>
        <source>Time left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End the break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuibStatisticDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many times a word was shown, each repeat counted again: not the number of different words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backwardsCheckBox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study backwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purple</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Quibbix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I Know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EncodingDialog</name>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not read as %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Add This File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin, speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No voice for %1: install speech-dispatcher-espeak-ng or another voice that speaks it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefusedDialog</name>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>None of the entries in “%1” can be added to a list:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak each word as it appears: on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak each word as it appears: off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>learning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>known</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
