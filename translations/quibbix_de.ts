<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AnswerLine</name>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Antwort eingeben, dann Enter drücken</translation>
    </message>
    <message>
        <source>Right: Enter for &quot;I Know&quot;</source>
        <translation>Richtig: Enter für „Weiß ich“</translation>
    </message>
    <message>
        <source>Right but for the accents: Enter for &quot;Not Sure&quot;</source>
        <translation>Richtig bis auf die Akzente: Enter für „Nicht sicher“</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s) off: Enter for &quot;Not Sure&quot;</source>
        <translation>
            <numerusform>%n Buchstabe daneben: Enter für „Nicht sicher“</numerusform>
            <numerusform>%n Buchstaben daneben: Enter für „Nicht sicher“</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing typed: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Nichts eingegeben: Enter für „Weiß nicht“</translation>
    </message>
    <message>
        <source>Not the answer: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Nicht die Antwort: Enter für „Weiß nicht“</translation>
    </message>
    <message>
        <source>Typed wrong: %1</source>
        <translation>Falsch getippt: %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Es fehlt: %1</translation>
    </message>
</context>
<context>
    <name>CBreakDlg</name>
    <message>
        <source>Time left</source>
        <translation>Verbleibende Zeit</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation>Eine Pause von %1 Minuten.
Strecken Sie sich ein wenig und entspannen Sie die Augen

OK beendet die Pause</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>Verbleibend: %1:%2</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>About the break</source>
        <translation>Über die Pause</translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation>Pause vorbei</translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation>Quibbix — Pause</translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Use for Every List</source>
        <translation>Für jede Liste</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list</source>
        <translation>Diese Darstellung für jede Liste verwenden</translation>
    </message>
</context>
<context>
    <name>CQuibStatisticDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>How many times a word was shown, each repeat counted again: not the number of different words</source>
        <translation>Wie oft ein Wort gezeigt wurde, jede Wiederholung erneut gezählt: nicht die Zahl verschiedener Wörter</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation>Das Fenster „Fortschritt“ lässt sich nicht öffnen.

</translation>
    </message>
    <message>
        <source>Known words come back for review when few words are left to be viewed, so on a small list most of them wait among those; the list of lists counts them as known</source>
        <translation>Gekonnte Wörter kommen zur Wiederholung zurück, sobald nur noch wenige Wörter nicht gesehen sind; bei einer kleinen Liste warten die meisten darum dort, und die Übersicht der Listen zählt sie als gekonnt</translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation>Mit „Weiß ich“ beginnen</translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation>Nicht synchronisiert: Ihre Antworten kommen beim nächsten Mal mit</translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation>Mit „Darstellung“ wählen Sie Schrift und Farben für das Wortfeld (oben) und das Bedeutungsfeld (hier).

(V1.0)</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>rückwärts</translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation>, rückwärts</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>Wörter &amp;bearbeiten…</translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation>Ein Teil Ihres Lernfortschritts ließ sich nicht lesen. Jetzt beenden, um der Sache nachzugehen? (Mit „Nein“ lernen Sie weiter; die unlesbaren Dateien bleiben, wie sie sind.)</translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation>Weiß ich (K)</translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation>Nicht sicher (S)</translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation>Weiß nicht (D)</translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation>
Strg+Z oder Rücktaste nimmt die letzte Bewertung zurück
Strg+E bearbeitet die Wörter der Liste</translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation>
Rückwärts: Antworten Sie mit dem Wort zur gezeigten Bedeutung</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Wörter lassen sich nicht bearbeiten</translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation>Quibbix kann die Wörter nicht anzeigen: %1</translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation>Die Wörter jeder Liste und die Lernzeit</translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation>Schrift und Farben von Wort und Bedeutung</translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation>Jetzt zwei Minuten Pause</translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation>Speichern und beenden</translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation>Ihr Lernfortschritt konnte nicht gespeichert werden. Erneut versuchen?</translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation>Möchten Sie Quibbix beenden?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation>Ihre Schrift und Farben konnten nicht gespeichert werden.

%1

Sie gelten, bis Quibbix geschlossen wird; die zuvor gespeicherten bleiben unverändert. Schaffen Sie Platz oder reparieren Sie die Datei und drücken Sie dann erneut OK in „Darstellung“.</translation>
    </message>
    <message>
        <source>Choose a &amp;List…</source>
        <translation>&amp;Liste wählen…</translation>
    </message>
    <message>
        <source>The lists cannot be shown: %1</source>
        <translation>Die Listen können nicht angezeigt werden: %1</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list, and for every list added from now on?</source>
        <translation>Diese Darstellung für jede Liste verwenden, auch für jede künftig hinzugefügte?</translation>
    </message>
    <message>
        <source>Fonts and Colors</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>The fonts and colors are kept for this list only: %1</source>
        <translation>Die Darstellung gilt nur für diese Liste: %1</translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation>
            <numerusform>Pause in %n Wort</numerusform>
            <numerusform>Pause in %n Wörtern</numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation>Pause in %1 Min.</translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation>Pause in %1 s</translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation>
            <numerusform>%n Wort, einmal gesehen</numerusform>
            <numerusform>Alle %n Wörter einmal gesehen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation>
            <numerusform>%n Wort, gekonnt</numerusform>
            <numerusform>Alle %n Wörter gekonnt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation>Noch %1 zu sehen</translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation>Lernfortschritt</translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation>
            <numerusform>%n andere</numerusform>
            <numerusform>%n andere</numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation>Diese Sitzung: %1 „Weiß ich“, %2
%3, %4</translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation>Jetzt Ihr Urteil:
wussten Sie es wirklich?</translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation>Als unsicher vermerkt:
jede Antwort geht weiter.</translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation>Als unbekannt vermerkt:
jede Antwort geht weiter.</translation>
    </message>
    <message>
        <source>Paused while you were away
%1, %2</source>
        <translation>Angehalten, während Sie weg waren
%1, %2</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Add a List</source>
        <translation>Liste hinzufügen</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation>Wortlisten (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation>Quibbix: Liste wählen</translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation>Li&amp;sten:</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Wortlisten</translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation>Jede Liste mit ihren Wörtern, den in jeder Richtung gekonnten Wörtern, dem letzten Lerntag und dem Ordner, über den sie synchronisiert wird</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Gekonnt</translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation>Gekonnt rückwärts</translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation>Zuletzt gelernt</translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation>Synchronisiert über</translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation>Liste &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation>Eine Liste aus einer Datei hinzufügen</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation>Die gewählte Liste umbenennen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation>Die gewählte Liste in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Wörter bearbeiten…</translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation>Die Wörter der gewählten Liste bearbeiten</translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation>S&amp;ynchronisieren…</translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation>Die gewählte Liste über einen Ordner mit anderen Computern synchronisieren</translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation>&amp;Lernen</translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation>Die gewählte Liste lernen</translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation>&amp;Rückwärts</translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation>Die gewählte Liste von der Bedeutung zum Wort lernen; jede Richtung hat ihren eigenen Fortschritt</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Wörter lassen sich nicht bearbeiten</translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation>Die Wörter von „%1“ lassen sich nicht anzeigen.

%2</translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation>Liste umbenennen</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Umbenennen nicht möglich</translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation>„%1“ wurde nicht umbenannt.

%2</translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation>Liste entfernen</translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation>Die Liste „%1“ in den Papierkorb verschieben?</translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation>Wörter und Lernfortschritt der Liste kommen in den Papierkorb, aus dem Sie sie wiederherstellen können.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>In den &amp;Papierkorb</translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation>Entfernen nicht möglich</translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation>„%1“ wurde nicht in den Papierkorb verschoben.

%2</translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation>Ausspra&amp;che…</translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation>Die Sprachen, in denen die gewählte Liste gesprochen wird, und ob jedes Wort beim Erscheinen gesprochen wird</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>Speichern nicht möglich</translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation>Die Sprachausgabe-Einstellungen von „%1“ wurden nicht gespeichert.

%2</translation>
    </message>
    <message>
        <source>&amp;Type the Answer</source>
        <translation>Antwort &amp;tippen</translation>
    </message>
    <message>
        <source>Type each answer and be told what was off; backwards, this practises spelling</source>
        <translation>Jede Antwort eintippen und erfahren, was daneben war; rückwärts übt das die Rechtschreibung</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
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
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Weiß nicht</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Nicht sicher</translation>
    </message>
    <message>
        <source>I Know</source>
        <translation>Weiß ich</translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation>&amp;Darstellung</translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation>&amp;Pause machen</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation>Schrift und Farben des Wortfelds</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source> Sample</source>
        <translation> Beispiel</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation>Schrift und Farben des Bedeutungsfelds</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation>Hintergrundfarbe des Programms</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation>Wörter im Programm:</translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation>Gezeigte Wörter:</translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation>Gelernte Wörter:</translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation>Zeit dieser Sitzung:</translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation>Gesamte Lernzeit:</translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation>Irrtümer:</translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation>Unsichere Wörter:</translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation>Unbekannte Wörter:</translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation>Wörter im Lernen:</translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation>Gekonnte Wörter:</translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation>Noch nicht gesehen:</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Fortschritt…</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>PAUSE</translation>
    </message>
</context>
<context>
    <name>EncodingDialog</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>%1 does not read as %2.

%3</source>
        <translation>%1 lässt sich nicht als %2 lesen.

%3</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation>%1 ist nicht in UTF-8, und Quibbix kann nicht erkennen, in welcher Kodierung die Datei gespeichert wurde. Wählen Sie die, in der ihre ersten Zeilen richtig zu lesen sind.</translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation>aber das ist kaum mehr als eine Vermutung</translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation>ist sich aber nicht sicher</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation>%1 ist nicht in UTF-8. Quibbix vermutet, dass die Datei in %2 gespeichert wurde, %3. Wenn ihre ersten Zeilen unten nicht richtig zu lesen sind, wählen Sie die Kodierung, in der sie gespeichert wurde.</translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation>Kodierung der Datei wählen</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation>&amp;Erste Zeilen in dieser Kodierung:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Erste Zeilen der Datei</translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation>Manche Bytes haben in dieser Kodierung kein Zeichen; sie erscheinen als %1.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation>Die Datei in dieser Kodierung hinzufügen</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Abbrechen, nichts hinzufügen</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Kodierung</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Word State</source>
        <translation>Wortstatus</translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation>Listenpflege</translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation>Fehler beim Öffnen von </translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation>Fehler: Keine gültige Fortschrittsdatei</translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation>Die Zufallsliste konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation>Ihr Lernverlauf ließ sich nicht vollständig lesen:</translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation>Ein Teil Ihres Lernfortschritts ließ sich nicht lesen:</translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation>Ihr Lernfortschritt konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation>Was zuvor gespeichert war, bleibt unverändert. Schaffen Sie Platz oder reparieren Sie die Datei und speichern Sie dann erneut.</translation>
    </message>
</context>
<context>
    <name>EntryChecker</name>
    <message>
        <source>the entry is refused</source>
        <translation>der Eintrag wird abgelehnt</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation>Quibbix läuft bereits mit diesem Ordner.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Läuft bereits</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation>Quibbix-Hilfe</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>this row looks like column titles and was imported as an entry</source>
        <translation>diese Zeile sieht nach Spaltentiteln aus und wurde als Eintrag übernommen</translation>
    </message>
    <message>
        <source>more than %1 fields on one line; the file is read no further</source>
        <translation>mehr als %1 Felder in einer Zeile; die Datei wird nicht weiter gelesen</translation>
    </message>
    <message>
        <source>quote that does not close the field; the field is read as written</source>
        <translation>Anführungszeichen, das das Feld nicht abschließt; das Feld wird so gelesen, wie es dasteht</translation>
    </message>
    <message>
        <source>quote inside an unquoted field, taken literally</source>
        <translation>Anführungszeichen in einem Feld ohne Anführungszeichen, wörtlich übernommen</translation>
    </message>
    <message>
        <source>holds %1, which would break the record</source>
        <translation>enthält %1, was den Datensatz zerstören würde</translation>
    </message>
    <message>
        <source>holds the control character %1</source>
        <translation>enthält das Steuerzeichen %1</translation>
    </message>
    <message>
        <source>holds %1 (%2), which Windows-1252 cannot hold</source>
        <translation>enthält %1 (%2), das Windows-1252 nicht darstellen kann</translation>
    </message>
    <message>
        <source>is %1 bytes in %2 and has no place to cut it to %3</source>
        <translation>ist in %2 %1 Bytes lang und lässt sich an keiner Stelle auf %3 kürzen</translation>
    </message>
    <message>
        <source>would read back as &quot;%1&quot; when stored in %2</source>
        <translation>würde nach dem Speichern in %2 als „%1“ zurückgelesen</translation>
    </message>
    <message>
        <source>more than %1 entries, the most a list can hold; the file is read no further</source>
        <translation>mehr als %1 Einträge, mehr kann eine Liste nicht enthalten; die Datei wird nicht weiter gelesen</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;</source>
        <translation>unbekannte Kodierung „%1“</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1)</source>
        <translation>kein gültiges UTF-8 (Byte %1)</translation>
    </message>
    <message>
        <source>this system has no converter for %1</source>
        <translation>dieses System hat keinen Konverter für %1</translation>
    </message>
    <message>
        <source>byte %1 has no character in %2</source>
        <translation>Byte %1 hat in %2 kein Zeichen</translation>
    </message>
    <message>
        <source>not UTF-8; read as %1 (guessed, %2% sure</source>
        <translation>kein UTF-8; gelesen als %1 (vermutet, zu %2 % sicher</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1) and in no encoding Quibbix can guess</source>
        <translation>kein gültiges UTF-8 (Byte %1) und in keiner Kodierung, die Quibbix erkennen kann</translation>
    </message>
    <message>
        <source>not a KVTML document (no &lt;kvtml&gt; root element)</source>
        <translation>kein KVTML-Dokument (kein Wurzelelement &lt;kvtml&gt;)</translation>
    </message>
    <message>
        <source>XML error: %1</source>
        <translation>XML-Fehler: %1</translation>
    </message>
    <message>
        <source>deactivated entry skipped</source>
        <translation>deaktivierter Eintrag übersprungen</translation>
    </message>
    <message>
        <source>empty entry skipped</source>
        <translation>leerer Eintrag übersprungen</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot; dropped</source>
        <translation>doppeltes Wort „%1“ verworfen</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot;</source>
        <translation>doppeltes Wort „%1“</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;</source>
        <translation>das Wort „%1“</translation>
    </message>
    <message>
        <source>definition of &quot;%1&quot;</source>
        <translation>die Bedeutung von „%1“</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 cut from %2 to %3</source>
        <translation>%1 von %2 auf %3 gekürzt</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>übersprungen: %1</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Westeuropäisch</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
    <message>
        <source>South European</source>
        <translation>Südeuropäisch</translation>
    </message>
    <message>
        <source>Nordic</source>
        <translation>Nordisch</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Keltisch</translation>
    </message>
    <message>
        <source>South-Eastern European</source>
        <translation>Südosteuropäisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
    <message>
        <source>Western European, Mac</source>
        <translation>Westeuropäisch, Mac</translation>
    </message>
    <message>
        <source>Central European, Mac</source>
        <translation>Mitteleuropäisch, Mac</translation>
    </message>
    <message>
        <source>Cyrillic, Mac</source>
        <translation>Kyrillisch, Mac</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Chinese, Simplified</source>
        <translation>Chinesisch, vereinfacht</translation>
    </message>
    <message>
        <source>Chinese, Traditional</source>
        <translation>Chinesisch, traditionell</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot; as a title line; if it is an entry, quote its word</source>
        <translation>„%1“ als Titelzeile übersprungen; falls es ein Eintrag ist, setzen Sie sein Wort in Anführungszeichen</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>gelesen als %1</translation>
    </message>
    <message>
        <source>this is a spreadsheet; save it as CSV (comma-separated values) and import that</source>
        <translation>dies ist ein Tabellendokument; speichern Sie es als CSV (kommagetrennte Werte) und importieren Sie diese Datei</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most a word file may be; nothing read</source>
        <translation>größer als %1 MiB, mehr darf eine Wortdatei nicht haben; nichts gelesen</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <source>it holds or computes a value larger than %1; refused as damaged</source>
        <translation>sie enthält oder berechnet einen Wert größer als %1; als beschädigt abgelehnt</translation>
    </message>
    <message>
        <source>reading it takes more than %1 of memory; refused as damaged</source>
        <translation>ihr Einlesen braucht mehr als %1 Arbeitsspeicher; als beschädigt abgelehnt</translation>
    </message>
    <message>
        <source>reading it takes more work than any collection needs; refused as damaged</source>
        <translation>ihr Einlesen erfordert mehr Arbeit, als irgendeine Sammlung braucht; als beschädigt abgelehnt</translation>
    </message>
    <message>
        <source>it holds more than %1 notes, the most a list can hold</source>
        <translation>sie enthält mehr als %1 Notizen, mehr kann eine Liste nicht enthalten</translation>
    </message>
    <message>
        <source>it holds no notes table</source>
        <translation>sie enthält keine Notiztabelle</translation>
    </message>
    <message>
        <source>; it may come from a newer Anki: export it again with &quot;Support older Anki versions&quot; ticked</source>
        <translation>; es stammt vielleicht aus einem neueren Anki: exportieren Sie es erneut mit angehakter Option „Unterstützung älterer Anki-Versionen“</translation>
    </message>
    <message>
        <source>not a readable Anki package: the zip archive is damaged or cut short (%1)</source>
        <translation>kein lesbares Anki-Paket: das ZIP-Archiv ist beschädigt oder unvollständig (%1)</translation>
    </message>
    <message>
        <source>not an Anki package: the zip archive holds no collection (collection.anki21b, collection.anki21 or collection.anki2)</source>
        <translation>kein Anki-Paket: das ZIP-Archiv enthält keine Sammlung (collection.anki21b, collection.anki21 oder collection.anki2)</translation>
    </message>
    <message>
        <source>not a readable Anki collection in %1: %2</source>
        <translation>keine lesbare Anki-Sammlung in %1: %2</translation>
    </message>
    <message>
        <source>unknown Anki package version %1</source>
        <translation>unbekannte Anki-Paketversion %1</translation>
    </message>
    <message>
        <source>the Anki package is encrypted (a zip with a password), which Anki never writes; nothing read</source>
        <translation>das Anki-Paket ist verschlüsselt (ein ZIP mit Passwort), was Anki nie erzeugt; nichts gelesen</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB; refused as damaged</source>
        <translation>%1 ist größer als %2 MiB; als beschädigt abgelehnt</translation>
    </message>
    <message>
        <source>the Anki package is damaged: %1 cannot be read (%2)</source>
        <translation>das Anki-Paket ist beschädigt: %1 lässt sich nicht lesen (%2)</translation>
    </message>
    <message>
        <source>out of memory unpacking the collection</source>
        <translation>zu wenig Arbeitsspeicher zum Entpacken der Sammlung</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection does not unpack (%1)</source>
        <translation>das Anki-Paket ist beschädigt: seine Sammlung lässt sich nicht entpacken (%1)</translation>
    </message>
    <message>
        <source>the collection unpacks to more than %1 MiB; refused as damaged</source>
        <translation>die Sammlung ist entpackt größer als %1 MiB; als beschädigt abgelehnt</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection is cut short</source>
        <translation>das Anki-Paket ist beschädigt: seine Sammlung ist unvollständig</translation>
    </message>
    <message>
        <source> (first on line %1)</source>
        <translation> (zuerst in Zeile %1)</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>leeres Wort</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;: no definition</source>
        <translation>Wort „%1“: keine Bedeutung</translation>
    </message>
    <message>
        <source>has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>hat %1 Buchstaben; ein Wort fasst höchstens %2 (%3 in Windows-1252, %4 chinesische, japanische oder koreanische Zeichen)</translation>
    </message>
    <message>
        <source>has %1 letters; a definition holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>hat %1 Buchstaben; eine Bedeutung fasst höchstens %2 (%3 in Windows-1252, %4 chinesische, japanische oder koreanische Zeichen)</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: kein Bild und keine Aufnahme, die Quibbix aufbewahrt; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not in the package&apos;s media; left out</source>
        <translation>%1: nicht unter den Medien des Pakets; ausgelassen</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: größer als 16 MiB; ausgelassen</translation>
    </message>
    <message>
        <source>%1: cannot be read from the package; left out</source>
        <translation>%1: kann aus dem Paket nicht gelesen werden; ausgelassen</translation>
    </message>
    <message>
        <source>%1: no such file; left out</source>
        <translation>%1: keine solche Datei; ausgelassen</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: ein symbolischer Link, dem nie gefolgt wird; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: keine gewöhnliche Datei; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a file beside the document; left out</source>
        <translation>%1: keine Datei neben dem Dokument; ausgelassen</translation>
    </message>
</context>
<context>
    <name>ImportAdvice</name>
    <message>
        <source>; use --header to skip it, --no-header to keep it</source>
        <translation>; mit --header überspringen, mit --no-header behalten</translation>
    </message>
    <message>
        <source>; give the encoding it was saved in with --input-encoding</source>
        <translation>; geben Sie mit --input-encoding die Kodierung an, in der die Datei gespeichert wurde</translation>
    </message>
    <message>
        <source>; give the right encoding with --input-encoding</source>
        <translation>; geben Sie mit --input-encoding die richtige Kodierung an</translation>
    </message>
    <message>
        <source>; --input-encoding chooses)</source>
        <translation>; mit --input-encoding wählbar)</translation>
    </message>
    <message>
        <source> (--truncate cuts it)</source>
        <translation> (--truncate kürzt)</translation>
    </message>
    <message>
        <source> (guessed; --format chooses)</source>
        <translation> (vermutet; mit --format wählbar)</translation>
    </message>
    <message>
        <source> (--include-deactivated keeps it)</source>
        <translation> (--include-deactivated behält ihn)</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>Cannot Add This File</source>
        <translation>Datei kann nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation>Quibbix kann aus %1 keine Liste erstellen.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation>
            <numerusform>%1 enthält jetzt %n Wort.</numerusform>
            <numerusform>%1 enthält jetzt %n Wörter.</numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation> Die Wörter, die darin bleiben, behalten ihren Lernfortschritt, und eine Kopie Ihres bisherigen Fortschritts wurde aufbewahrt.</translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation>Spaltentitel?</translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation>Die erste Zeile sieht nach Spaltentiteln aus: überspringen?</translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation>Darin steht %1 und %2.</translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation>Eine Liste dieses Namens gibt es schon</translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation>Sie haben schon eine Liste namens %1, mit Lernfortschritt.</translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation>Sie haben schon eine Liste namens %1.</translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation>Die Liste mit den Wörtern aus %1 aktualisieren und den Fortschritt jedes bleibenden Worts behalten (ihre Sitzung wird vorher gesichert) oder die Datei als neue Liste daneben hinzufügen?</translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation>&amp;Aktualisieren, Fortschritt behalten</translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation>Als &amp;neue Liste hinzufügen</translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation>Liste aktualisiert</translation>
    </message>
    <message>
        <source>It holds no words.</source>
        <translation>Die Datei enthält keine Wörter.</translation>
    </message>
    <message>
        <source>; delete that row from the file if it holds no word</source>
        <translation>; löschen Sie diese Zeile aus der Datei, wenn sie kein Wort enthält</translation>
    </message>
    <message>
        <source>; choose the encoding it was saved in</source>
        <translation>; wählen Sie die Kodierung, in der die Datei gespeichert wurde</translation>
    </message>
    <message>
        <source>; choose another encoding</source>
        <translation>; wählen Sie eine andere Kodierung</translation>
    </message>
    <message>
        <source>; shorten it in the file</source>
        <translation>; kürzen Sie den Text in der Datei</translation>
    </message>
    <message>
        <source>text with a tab between each word and its meaning</source>
        <translation>Text mit einem Tabulator zwischen Wort und Bedeutung</translation>
    </message>
    <message>
        <source>comma-separated text</source>
        <translation>kommagetrennten Text</translation>
    </message>
    <message>
        <source>text exported from Anki</source>
        <translation>aus Anki exportierten Text</translation>
    </message>
    <message>
        <source>a Mnemosyne export</source>
        <translation>Mnemosyne-Export</translation>
    </message>
    <message>
        <source>a KVTML vocabulary file</source>
        <translation>KVTML-Vokabeldatei</translation>
    </message>
    <message>
        <source>an Anki package</source>
        <translation>Anki-Paket</translation>
    </message>
    <message>
        <source>Quibbix read this file as %1</source>
        <translation>Quibbix hat diese Datei als %1 gelesen</translation>
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
        <translation>die Liste wird gerade rückwärts gelernt; schließen Sie zuerst das Quibbix-Fenster, in dem sie gelernt wird</translation>
    </message>
    <message>
        <source>the list is being studied; close Quibbix on it first</source>
        <translation>die Liste wird gerade gelernt; schließen Sie zuerst das Quibbix-Fenster, in dem sie gelernt wird</translation>
    </message>
</context>
<context>
    <name>ListGuard</name>
    <message>
        <source>The copy of the word list as last studied (%1) is damaged, so the progress stays with the words by their position; the copy is kept as %1.bad.</source>
        <translation>Die Kopie der Wortliste vom letzten Lernen (%1) ist beschädigt, daher bleibt der Fortschritt nach ihrer Position bei den Wörtern; die Kopie wird als %1.bad aufbewahrt.</translation>
    </message>
    <message>
        <source>Quibbix cannot tell whether the words of this list changed since you last studied it, because its record of them is damaged. Your progress stays with the words as they are now.</source>
        <translation>Quibbix kann nicht erkennen, ob sich die Wörter dieser Liste seit Ihrem letzten Lernen geändert haben, weil seine Aufzeichnung darüber beschädigt ist. Ihr Lernfortschritt bleibt bei den Wörtern, wie sie jetzt sind.</translation>
    </message>
    <message>
        <source>An update of the list was interrupted and cannot be finished: %1.</source>
        <translation>Eine Aktualisierung der Liste wurde unterbrochen und lässt sich nicht abschließen: %1.</translation>
    </message>
    <message>
        <source>A change to the words of this list was interrupted and cannot be finished now, so the list cannot be studied. Your progress is as it was. Free some disk space, or make sure the list&apos;s folder can be written to, then start Quibbix again.</source>
        <translation>Eine Änderung an den Wörtern dieser Liste wurde unterbrochen und lässt sich jetzt nicht abschließen, daher kann die Liste nicht gelernt werden. Ihr Lernfortschritt ist unverändert. Schaffen Sie Platz auf dem Datenträger oder sorgen Sie dafür, dass in den Ordner der Liste geschrieben werden kann, und starten Sie Quibbix dann erneut.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied, and the progress could not be moved onto it: %1</source>
        <translation>Die Wortliste hat sich seit dem letzten Lernen geändert, und der Fortschritt ließ sich nicht auf sie übertragen: %1</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it, and your progress could not be moved onto the new words. Nothing was changed. To study this list, put its earlier word list back, or add the new words as a list of their own.</source>
        <translation>Die Wörter dieser Liste haben sich seit Ihrem letzten Lernen geändert, und Ihr Lernfortschritt ließ sich nicht auf die neuen Wörter übertragen. Es wurde nichts geändert. Um diese Liste zu lernen, stellen Sie ihre frühere Wortliste wieder her oder fügen Sie die neuen Wörter als eigene Liste hinzu.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied: %1.</source>
        <translation>Die Wortliste hat sich seit dem letzten Lernen geändert: %1.</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it. The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>Die Wörter dieser Liste haben sich seit Ihrem letzten Lernen geändert. Die Wörter, die darin bleiben, behalten ihren Lernfortschritt, und eine Kopie Ihres bisherigen Fortschritts wurde aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>ListImporter</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>the file holds no words to study</source>
        <translation>die Datei enthält keine Wörter zum Lernen</translation>
    </message>
    <message>
        <source>the file holds %1 words; Quibbix can study at most %2</source>
        <translation>die Datei enthält %1 Wörter; Quibbix kann höchstens %2 lernen</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); nothing changed</source>
        <translation>%1 lässt sich nicht lesen (%2); nichts geändert</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere since its words were read; nothing changed</source>
        <translation>%1 wurde anderswo geändert, seit seine Wörter gelesen wurden; nichts geändert</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>keine Liste namens „%1“</translation>
    </message>
    <message>
        <source>cannot read %1, which the progress stands on</source>
        <translation>%1 lässt sich nicht lesen, und darauf beruht der Fortschritt</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>%1 lässt sich nicht schreiben (%2)</translation>
    </message>
</context>
<context>
    <name>ListRebase</name>
    <message>
        <source>the session could not be rebased</source>
        <translation>die Sitzung ließ sich nicht auf die neue Liste übertragen</translation>
    </message>
    <message>
        <source>%1, %2 and %3; the old session files are kept as %4</source>
        <translation>%1, %2 und %3; die alten Sitzungsdateien werden als %4 aufbewahrt</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) keep(s) its/their progress</source>
        <translation>
            <numerusform>%n Wort behält seinen Fortschritt</numerusform>
            <numerusform>%n Wörter behalten ihren Fortschritt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are gone</source>
        <translation>
            <numerusform>%n ist weggefallen</numerusform>
            <numerusform>%n sind weggefallen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are new</source>
        <translation>
            <numerusform>%n ist neu</numerusform>
            <numerusform>%n sind neu</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot write (%2); the change is finished when the list is next opened</source>
        <translation>%1: lässt sich nicht schreiben (%2); die Änderung wird beim nächsten Öffnen der Liste abgeschlossen</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1: lässt sich nicht schreiben (%2); nichts geändert</translation>
    </message>
    <message>
        <source>backwards, </source>
        <translation>rückwärts, </translation>
    </message>
    <message>
        <source>the pairing names %1 for %2</source>
        <translation>die Zuordnung nennt %1 für %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n Datensatz</numerusform>
            <numerusform>%n Datensätze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new record(s)</source>
        <translation>
            <numerusform>%n neuen Datensatz</numerusform>
            <numerusform>%n neue Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives new record %1 old record %2, which is not among the %3</source>
        <translation>die Zuordnung gibt dem neuen Datensatz %1 den alten Datensatz %2, es gibt aber nur %3</translation>
    </message>
    <message numerus="yes">
        <source>%n old record(s)</source>
        <translation>
            <numerusform>%n alten Datensatz</numerusform>
            <numerusform>%n alte Datensätze</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives old record %1 to two new records</source>
        <translation>die Zuordnung gibt den alten Datensatz %1 an zwei neue Datensätze</translation>
    </message>
    <message>
        <source>cannot write (%1); the change is finished when the list is next opened</source>
        <translation>lässt sich nicht schreiben (%1); die Änderung wird beim nächsten Öffnen der Liste abgeschlossen</translation>
    </message>
    <message>
        <source>cannot write (%1); nothing changed</source>
        <translation>lässt sich nicht schreiben (%1); nichts geändert</translation>
    </message>
    <message>
        <source>an interrupted update cannot be finished (%1); nothing changed</source>
        <translation>eine unterbrochene Aktualisierung lässt sich nicht abschließen (%1); nichts geändert</translation>
    </message>
    <message>
        <source>the new list has %1; a session needs 1 to %2</source>
        <translation>die neue Liste hat %1; eine Sitzung braucht 1 bis %2</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; nichts geändert</translation>
    </message>
    <message>
        <source>cannot be read (%1); nothing changed</source>
        <translation>lässt sich nicht lesen (%1); nichts geändert</translation>
    </message>
    <message>
        <source>no session here (no %1); nothing to rebase</source>
        <translation>hier gibt es keine Sitzung (kein %1); nichts zu übertragen</translation>
    </message>
    <message>
        <source>is damaged; nothing changed (Quibbix keeps a copy of it as .bad and repairs it when it next saves)</source>
        <translation>ist beschädigt; nichts geändert (Quibbix bewahrt eine Kopie als .bad auf und repariert die Datei beim nächsten Speichern)</translation>
    </message>
    <message>
        <source>the lists name word %1, beyond the %2 of the old list; is it the list this session was made with? Nothing changed (--force drops those entries)</source>
        <translation>die Listen nennen Wort %1, jenseits der %2 der alten Liste; ist das die Liste, mit der diese Sitzung angelegt wurde? Nichts geändert (--force verwirft diese Einträge)</translation>
    </message>
    <message>
        <source>ambiguous matches; nothing changed (--force pairs them in file order)</source>
        <translation>mehrdeutige Zuordnungen; nichts geändert (--force ordnet sie in Dateireihenfolge zu)</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>cannot write %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>a list needs a name</source>
        <translation>eine Liste braucht einen Namen</translation>
    </message>
    <message>
        <source>the name is too long (at most %1 bytes)</source>
        <translation>der Name ist zu lang (höchstens %1 Bytes)</translation>
    </message>
    <message>
        <source>the name holds control characters or outer spaces</source>
        <translation>der Name enthält Steuerzeichen oder Leerzeichen am Anfang oder Ende</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>der Name ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>%1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>another program is changing the lists; try again in a moment</source>
        <translation>ein anderes Programm ändert gerade die Listen; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>%1 lässt sich nicht sperren: %2</translation>
    </message>
    <message>
        <source>cannot read the defaults in %1: %2</source>
        <translation>die Standarddateien in %1 lassen sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>%1 lässt sich nicht nach %2 kopieren: %3</translation>
    </message>
    <message>
        <source>cannot make a new list in %1: %2</source>
        <translation>in %1 lässt sich keine neue Liste anlegen: %2</translation>
    </message>
    <message>
        <source>cannot move %1 to %2: %3</source>
        <translation>%1 lässt sich nicht nach %2 verschieben: %3</translation>
    </message>
    <message>
        <source>no free folder name for &quot;%1&quot; in %2</source>
        <translation>kein freier Ordnername für „%1“ in %2</translation>
    </message>
    <message>
        <source>a list named &quot;%1&quot; exists already</source>
        <translation>eine Liste namens „%1“ gibt es schon</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>keine Liste namens „%1“</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>in %1 lässt sich kein Ordner anlegen: %2</translation>
    </message>
    <message>
        <source>cannot move %1: %2</source>
        <translation>%1 lässt sich nicht verschieben: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>%1 lässt sich nicht erstellen: %2</translation>
    </message>
    <message>
        <source>the default word list was not found</source>
        <translation>die Standard-Wortliste wurde nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ListSync</name>
    <message>
        <source>%1: not a Quibbix list manifest</source>
        <translation>%1: kein Quibbix-Listenmanifest</translation>
    </message>
    <message>
        <source>%1: written by a newer Quibbix (format %2); update Quibbix to sync this list</source>
        <translation>%1: von einem neueren Quibbix geschrieben (Format %2); aktualisieren Sie Quibbix, um diese Liste zu synchronisieren</translation>
    </message>
    <message>
        <source>%1:%2: a damaged line (&quot;%3&quot;)</source>
        <translation>%1:%2: eine beschädigte Zeile („%3“)</translation>
    </message>
    <message>
        <source>%1: names no list</source>
        <translation>%1: nennt keine Liste</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: still arriving (%2); the list is joined once it is whole</source>
        <translation>%1: kommt noch an (%2); die Liste wird verbunden, sobald sie vollständig ist</translation>
    </message>
    <message>
        <source>%1: another program is syncing the list; try again in a moment</source>
        <translation>%1: ein anderes Programm synchronisiert gerade die Liste; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>%1: the words changed on another computer; they come in, with the progress of both directions, once no other program studies the list</source>
        <translation>%1: die Wörter wurden auf einem anderen Computer geändert; sie kommen mit dem Fortschritt beider Richtungen herein, sobald kein anderes Programm die Liste mehr lernt</translation>
    </message>
    <message>
        <source>%1: studied by another program right now, which takes what arrived at its own next sync</source>
        <translation>%1: wird gerade von einem anderen Programm gelernt, das das Angekommene bei seiner nächsten Synchronisierung übernimmt</translation>
    </message>
    <message>
        <source>%1: the journal of device %2, kept as %3; this computer starts a journal of its own</source>
        <translation>%1: das Journal von Gerät %2, aufbewahrt als %3; dieser Computer beginnt ein eigenes Journal</translation>
    </message>
    <message>
        <source>%1: names %2 of %3; leave the sync folder and join it again</source>
        <translation>%1: nennt %2 von %3; trennen Sie die Liste vom Sync-Ordner und verbinden Sie sie erneut</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; what was done here syncs once the folder is back</source>
        <translation>%1; was hier getan wurde, wird synchronisiert, sobald der Ordner wieder da ist</translation>
    </message>
    <message>
        <source>%1; the journal is published at the next sync</source>
        <translation>%1; das Journal wird bei der nächsten Synchronisierung veröffentlicht</translation>
    </message>
    <message numerus="yes">
        <source>%n judgement(s) of words no journal made passed over</source>
        <translation>
            <numerusform>%n Bewertung von Wörtern, die kein Journal angelegt hat, übergangen</numerusform>
            <numerusform>%n Bewertungen von Wörtern, die kein Journal angelegt hat, übergangen</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>Schreiben nicht möglich: %1</translation>
    </message>
    <message>
        <source>%1; the list has no words to share</source>
        <translation>%1; die Liste hat keine Wörter zum Teilen</translation>
    </message>
    <message>
        <source>%1: events of another sync folder, kept in the trash as %2</source>
        <translation>%1: Ereignisse eines anderen Sync-Ordners, im Papierkorb als %2 aufbewahrt</translation>
    </message>
    <message>
        <source>%1: the list &quot;%2&quot; is still arriving; nothing changed, join again once it is whole</source>
        <translation>%1: die Liste „%2“ kommt noch an; nichts geändert, verbinden Sie erneut, sobald sie vollständig ist</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n Antwort</numerusform>
            <numerusform>%n Antworten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word change(s)</source>
        <translation>
            <numerusform>%n Wortänderung</numerusform>
            <numerusform>%n Wortänderungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 arrived from another computer</source>
        <translation>%1 und %2 von einem anderen Computer angekommen</translation>
    </message>
    <message>
        <source>%1 arrived from another computer</source>
        <translation>%1 von einem anderen Computer angekommen</translation>
    </message>
    <message>
        <source>the list syncs with %1 already; leave it first</source>
        <translation>die Liste wird bereits mit %1 synchronisiert; trennen Sie sie zuerst davon</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1: %2; nichts geändert</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; nichts geändert</translation>
    </message>
    <message>
        <source>%1 holds the list &quot;%2&quot;, not &quot;%3&quot;; a sync folder holds one list, so give this one a folder of its own</source>
        <translation>%1 enthält die Liste „%2“, nicht „%3“; ein Sync-Ordner enthält nur eine Liste, geben Sie dieser also einen eigenen Ordner</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n weitere</numerusform>
            <numerusform>%n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s (%2, or a list still arriving); pick an empty folder</source>
        <translation>%1 enthält Dateien, die zu keiner Quibbix-Liste gehören (%2, oder eine Liste, die noch ankommt); wählen Sie einen leeren Ordner</translation>
    </message>
    <message>
        <source>%1: the list is joined to no sync folder</source>
        <translation>%1: die Liste ist mit keinem Sync-Ordner verbunden</translation>
    </message>
    <message>
        <source>%1: its contents do not match its name; left out</source>
        <translation>%1: Inhalt passt nicht zum Namen; ausgelassen</translation>
    </message>
</context>
<context>
    <name>MediaStore</name>
    <message>
        <source>%1: cannot be read (%2); left out</source>
        <translation>%1: kann nicht gelesen werden (%2); ausgelassen</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: ein symbolischer Link, dem nie gefolgt wird; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: keine gewöhnliche Datei; ausgelassen</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: größer als 16 MiB; ausgelassen</translation>
    </message>
    <message>
        <source>%1: could not be copied into the list; left out</source>
        <translation>%1: konnte nicht in die Liste kopiert werden; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: kein Bild und keine Aufnahme, die Quibbix aufbewahrt; ausgelassen</translation>
    </message>
    <message>
        <source>%1: the list&apos;s pictures and recordings would pass 1 GiB; left out</source>
        <translation>%1: die Bilder und Aufnahmen der Liste würden 1 GiB überschreiten; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a recording; left out</source>
        <translation>%1: keine Aufnahme; ausgelassen</translation>
    </message>
    <message>
        <source>%1: not a picture; left out</source>
        <translation>%1: kein Bild; ausgelassen</translation>
    </message>
    <message>
        <source>%1: a picture too large to show (%2); left out</source>
        <translation>%1: ein Bild, zu groß zum Anzeigen (%2); ausgelassen</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation>%1 konnte nicht geladen werden (%2). Eine Neuinstallation von Quibbix stellt die Datei wieder her.</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation>%1 gehört zu einer anderen Version von Quibbix. Eine Neuinstallation von Quibbix setzt die richtige an ihre Stelle.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation>Gekonnt</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Im Lernen</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Weiß nicht</translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation>Irrtum</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Nicht sicher</translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation>Nicht gesehen</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n Tag</numerusform>
            <numerusform>%n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation>%1 in Folge gelernt (Rekord: %2)</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Als CSV exportieren…</translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation>Wörter je Stand</translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation>Lernminuten pro Tag, letzte %1 Tage</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation>Noch nichts gelernt.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation>Am %1: %2. Gekonnte Wörter: von %3 am %4 auf %5.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation>In den letzten %1 Tagen: %2 gelernt, insgesamt %3.</translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation> Am meisten: %1, am %2.</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation>Der Verlauf konnte nicht exportiert werden.

</translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation>Keine Sprachausgabe: %1</translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation>Für Sprachausgabe speech-dispatcher und speech-dispatcher-espeak-ng installieren</translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng</source>
        <translation>Für Sprachausgabe qt6-speech-speechd-plugin und speech-dispatcher-espeak-ng installieren</translation>
    </message>
    <message>
        <source>No voice for %1: install a speech-dispatcher voice for it</source>
        <translation>Keine Stimme für %1: speech-dispatcher-Stimme installieren</translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation>Wortliste geändert</translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation>Diese Liste kann nicht gelernt werden</translation>
    </message>
</context>
<context>
    <name>RecordChecker</name>
    <message>
        <source>record end</source>
        <translation>Datensatzende</translation>
    </message>
    <message>
        <source>unused field</source>
        <translation>ungenutztes Feld</translation>
    </message>
    <message>
        <source>word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>byte %1 at offset %2 (%3) breaks the record when read as text</source>
        <translation>Byte %1 an Position %2 (%3) zerbricht den Datensatz, wenn er als Text gelesen wird</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the word (UTF-8) does not show as a character</source>
        <translation>Steuerzeichen %1 an Byte %2 des Wortes (UTF-8) wird nicht als Zeichen angezeigt</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the definition (UTF-8) does not show as a character</source>
        <translation>Steuerzeichen %1 an Byte %2 der Bedeutung (UTF-8) wird nicht als Zeichen angezeigt</translation>
    </message>
    <message>
        <source>control character %1 in the word does not show as a character</source>
        <translation>Steuerzeichen %1 im Wort wird nicht als Zeichen angezeigt</translation>
    </message>
    <message>
        <source>control character %1 in the definition does not show as a character</source>
        <translation>Steuerzeichen %1 in der Bedeutung wird nicht als Zeichen angezeigt</translation>
    </message>
    <message>
        <source>undefined byte %1 in the word, which is not valid UTF-8 either, does not show as a character</source>
        <translation>undefiniertes Byte %1 im Wort, das auch kein gültiges UTF-8 ist, wird nicht als Zeichen angezeigt</translation>
    </message>
    <message>
        <source>undefined byte %1 in the definition, which is not valid UTF-8 either, does not show as a character</source>
        <translation>undefiniertes Byte %1 in der Bedeutung, das auch kein gültiges UTF-8 ist, wird nicht als Zeichen angezeigt</translation>
    </message>
    <message>
        <source>the word is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>das Wort ist UTF-8, das mitten im letzten Zeichen abgeschnitten ist, und wird daher als Windows-1252 angezeigt</translation>
    </message>
    <message>
        <source>the definition is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>die Bedeutung ist UTF-8, das mitten im letzten Zeichen abgeschnitten ist, und wird daher als Windows-1252 angezeigt</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>leeres Wort</translation>
    </message>
    <message>
        <source>word of spaces only</source>
        <translation>Wort nur aus Leerzeichen</translation>
    </message>
    <message>
        <source>empty definition</source>
        <translation>leere Bedeutung</translation>
    </message>
    <message>
        <source>definition of spaces only</source>
        <translation>Bedeutung nur aus Leerzeichen</translation>
    </message>
</context>
<context>
    <name>RefusedDialog</name>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n Eintrag</numerusform>
            <numerusform>%n Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the entries in “%1” can be added to a list:</source>
        <translation>Keiner der Einträge in „%1“ kann in eine Liste aufgenommen werden:</translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation>Nicht in die Liste aufzunehmen: %1 aus „%2“. Die übrigen %3 lassen sich aufnehmen:</translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation>Einträge, die nicht aufgenommen werden können</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation>Nicht aufnehmbare Einträge</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Abbrechen, nichts hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation>Diese ü&amp;berspringen, Rest hinzufügen</translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation>Diese Einträge überspringen und den Rest hinzufügen</translation>
    </message>
    <message>
        <source>C&amp;ut Them to Fit</source>
        <translation>Passend &amp;kürzen</translation>
    </message>
    <message>
        <source>Cut the words and definitions too long for the list at their last whole letter that fits</source>
        <translation>Zu lange Wörter und Bedeutungen beim letzten ganzen Buchstaben kürzen, der noch passt</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation>Aussprache</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Sprache der Wörter</translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation>Sprache der Bedeutungen</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Wörter:</translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation>&amp;Bedeutungen:</translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation>Jedes Wort beim Erscheinen sprechen</translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation>Diese Liste kann nicht gelernt werden</translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Each word is spoken</source>
        <translation>Jedes Wort wird gesprochen</translation>
    </message>
    <message>
        <source>Words are not spoken</source>
        <translation>Wörter werden nicht gesprochen</translation>
    </message>
    <message>
        <source>No sound output: the word cannot be spoken</source>
        <translation>Keine Tonausgabe: Das Wort kann nicht gesprochen werden</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>: held no device id (&quot;</source>
        <translation>: enthielt keine Geräte-ID („</translation>
    </message>
    <message>
        <source>&quot;); this computer now syncs as the new device </source>
        <translation>“); dieser Computer synchronisiert jetzt als neues Gerät </translation>
    </message>
    <message>
        <source>: the data folder was made at </source>
        <translation>: der Datenordner wurde angelegt unter </translation>
    </message>
    <message>
        <source> (copied or moved from there, where it may still sync); this computer now syncs as the new device </source>
        <translation> (von dort kopiert oder verschoben, wo er womöglich noch synchronisiert wird); dieser Computer synchronisiert jetzt als neues Gerät </translation>
    </message>
    <message>
        <source>, so that no journal is written from two places</source>
        <translation>, damit kein Journal von zwei Orten aus geschrieben wird</translation>
    </message>
    <message>
        <source>: written in journal format </source>
        <translation>: geschrieben im Journalformat </translation>
    </message>
    <message>
        <source> by a newer Quibbix; this one reads format </source>
        <translation> von einem neueren Quibbix; dieses liest Format </translation>
    </message>
    <message>
        <source> and leaves the journal unread until it is updated</source>
        <translation> und lässt das Journal ungelesen, bis es aktualisiert ist</translation>
    </message>
    <message>
        <source>: not a Quibbix journal (its first line is &quot;</source>
        <translation>: kein Quibbix-Journal (seine erste Zeile lautet &quot;</translation>
    </message>
    <message>
        <source>an event of device </source>
        <translation>ein Ereignis von Gerät </translation>
    </message>
    <message>
        <source> in the journal of </source>
        <translation> im Journal von </translation>
    </message>
    <message>
        <source>: the journal of device </source>
        <translation>: das Journal von Gerät </translation>
    </message>
    <message>
        <source>, not of this computer&apos;s </source>
        <translation>, nicht das dieses Computers, </translation>
    </message>
    <message>
        <source>: holds the journal of device </source>
        <translation>: enthält das Journal von Gerät </translation>
    </message>
    <message>
        <source>no direction (f or b)</source>
        <translation>keine Richtung (f oder b)</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD)</source>
        <translation>kein Datum (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>no seconds of use</source>
        <translation>keine Nutzungssekunden</translation>
    </message>
    <message>
        <source>the event it undoes is no earlier event of its device</source>
        <translation>das Ereignis, das es rückgängig macht, ist kein früheres Ereignis seines Geräts</translation>
    </message>
    <message>
        <source>no word id</source>
        <translation>keine Wort-ID</translation>
    </message>
    <message>
        <source>no judgement code (0 to 3)</source>
        <translation>kein Bewertungscode (0 bis 3)</translation>
    </message>
    <message>
        <source>no wall-clock offset</source>
        <translation>kein Uhrzeitversatz</translation>
    </message>
    <message>
        <source>a broken %XX escape in the word&apos;s text</source>
        <translation>eine fehlerhafte %XX-Maskierung im Text des Worts</translation>
    </message>
    <message>
        <source>it has </source>
        <translation>sie hat </translation>
    </message>
    <message>
        <source> fields, not </source>
        <translation> Felder statt </translation>
    </message>
    <message>
        <source>no clock time</source>
        <translation>keine Uhrzeit</translation>
    </message>
    <message>
        <source>no device id</source>
        <translation>keine Geräte-ID</translation>
    </message>
    <message>
        <source>no sequence number</source>
        <translation>keine Folgenummer</translation>
    </message>
    <message>
        <source>The list to replay holds </source>
        <translation>Die nachzuspielende Liste enthält </translation>
    </message>
    <message>
        <source> words: a list studies from 1 to </source>
        <translation> Wörter; erlaubt sind 1 bis </translation>
    </message>
    <message>
        <source>a judgement of word </source>
        <translation>eine Bewertung von Wort </translation>
    </message>
    <message>
        <source>, which the list does not hold, was left out</source>
        <translation>, das die Liste nicht enthält, wurde ausgelassen</translation>
    </message>
    <message>
        <source>; what was taken from it before stays, and the computer that writes it replaces it at its next sync</source>
        <translation>; was zuvor daraus übernommen wurde, bleibt, und der Computer, der sie schreibt, ersetzt sie bei seiner nächsten Synchronisierung</translation>
    </message>
    <message>
        <source>: not the journal its name says; passed over</source>
        <translation>: nicht das Journal, das sein Name angibt; übergangen</translation>
    </message>
    <message>
        <source>: no longer begins with what was taken from it; both are kept and read</source>
        <translation>: beginnt nicht mehr mit dem, was daraus übernommen wurde; beide werden behalten und gelesen</translation>
    </message>
    <message>
        <source>: the journals there hold more than </source>
        <translation>: die Journale dort enthalten mehr als </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; the list keeps its progress here and is not synced</source>
        <translation> Ereignisse, mehr als Quibbix zusammenführt; die Liste behält hier ihren Fortschritt und wird nicht synchronisiert</translation>
    </message>
    <message>
        <source>: changed what it held too many times; passed over, what was taken from it stays</source>
        <translation>: hat seinen Inhalt zu oft geändert; übergangen, was daraus übernommen wurde, bleibt</translation>
    </message>
    <message>
        <source>a word that is empty, holds a control character or is too long</source>
        <translation>ein Wort, das leer ist, ein Steuerzeichen enthält oder zu lang ist</translation>
    </message>
    <message>
        <source>a definition that holds a control character or is too long</source>
        <translation>eine Bedeutung, die ein Steuerzeichen enthält oder zu lang ist</translation>
    </message>
    <message>
        <source>: events of a kind a newer Quibbix writes, passed over; update Quibbix to take them</source>
        <translation>: Ereignisse einer Art, die ein neueres Quibbix schreibt, übergangen; aktualisieren Sie Quibbix, um sie zu übernehmen</translation>
    </message>
    <message>
        <source>a sequence number beyond the events before it</source>
        <translation>eine laufende Nummer jenseits der Ereignisse davor</translation>
    </message>
    <message>
        <source>: taking it would make the journals hold more than </source>
        <translation>: es zu übernehmen, brächte die Journale auf mehr als </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; passed over</source>
        <translation> Ereignisse, mehr als Quibbix zusammenführt; übergangen</translation>
    </message>
    <message>
        <source>the words of the list as it joined cannot be read; nothing was written</source>
        <translation>die Wörter der Liste, wie sie beigetreten ist, können nicht gelesen werden; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>no name of a picture or recording</source>
        <translation>kein Name eines Bildes oder einer Aufnahme</translation>
    </message>
    <message>
        <source>no event of this format (J, U, E, R, T or M)</source>
        <translation>kein Ereignis dieses Formats (J, U, E, R, T oder M)</translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisieren</translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation>Der Ordner enthält „%1“ von einem anderen Computer.</translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation>„%1“ wird hier daraus erstellt, Wörter und Fortschritt; was die Liste jetzt enthält, kommt zuerst in den Papierkorb.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation>Die Liste aus dem Ordner wird hier als neue hinzugefügt, mit ihren Wörtern und ihrem Fortschritt, und „%1“ bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation>„%1“ &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation>Synchronisieren nicht möglich</translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation>„%1“ wurde nicht hinzugefügt.

%2</translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation>„%1“ über einen Ordner synchronisieren</translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation>„%1“ kann nicht über %2 synchronisiert werden.

%3</translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation>„%1“ wird jetzt über %2 synchronisiert.</translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation>

Wählen Sie auf Ihren anderen Computern, sobald der Ordner dort angekommen ist, „Synchronisieren…“ mit demselben Ordner.</translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation>

Wörter und Fortschritt der Liste kamen aus dem Ordner. </translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation>„%1“ wird über %2 synchronisiert.</translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation>Die Liste wird bei jedem Öffnen und Speichern synchronisiert. Beenden lässt den Ordner und den Fortschritt der Liste, wie sie sind.</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>&amp;Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>Synchronisierung &amp;beenden</translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation>Synchronisierung lässt sich nicht beenden</translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation>„%1“ wird weiter synchronisiert.

%2</translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation>„%1“ wurde nicht synchronisiert.

%2</translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation>Von anderen Computern ist nichts Neues angekommen.</translation>
    </message>
    <message>
        <source>Pick an empty folder inside the folder your sync program shares (Syncthing, Nextcloud, Dropbox…), or, on another computer, the folder the first one made for this list. A name typed that is not there yet becomes a new folder.</source>
        <translation>Wählen Sie einen leeren Ordner in dem Ordner, den Ihr Synchronisationsprogramm teilt (Syncthing, Nextcloud, Dropbox…), oder auf einem anderen Computer den Ordner, den der erste für diese Liste angelegt hat. Ein eingetippter Name, den es noch nicht gibt, wird ein neuer Ordner.</translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s, such as “%2”. Pick an empty folder, or the folder another computer made for this list.</source>
        <translation>%1 enthält Dateien, die zu keiner Quibbix-Liste gehören, etwa „%2“. Wählen Sie einen leeren Ordner oder den Ordner, den ein anderer Computer für diese Liste angelegt hat.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Not This Folder</source>
        <translation>Nicht dieser Ordner</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>cannot make the trash folder %1: %2</source>
        <translation>der Papierkorb-Ordner %1 lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 lässt sich nicht schreiben: %2</translation>
    </message>
    <message>
        <source>%1 is in the trash, but the disk did not confirm it: %2</source>
        <translation>%1 ist im Papierkorb, aber der Datenträger hat es nicht bestätigt: %2</translation>
    </message>
    <message>
        <source>the trash (%1) is on another file system, and nothing is deleted here; %2 was left as it was</source>
        <translation>der Papierkorb (%1) liegt auf einem anderen Dateisystem, und hier wird nichts gelöscht; %2 blieb, wie es war</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>%1 lässt sich nicht in den Papierkorb verschieben: %2</translation>
    </message>
    <message>
        <source>no free name in the trash for %1</source>
        <translation>kein freier Name im Papierkorb für %1</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation>nicht gesehen</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation>Irrtum</translation>
    </message>
    <message>
        <source>unsure</source>
        <translation>unsicher</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>im Lernen</translation>
    </message>
    <message>
        <source>known</source>
        <translation>gekonnt</translation>
    </message>
    <message>
        <source>known, under review</source>
        <translation>gekonnt, zur Wiederholung</translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation>Nur ein Wort oder eine Bedeutung lässt sich ändern.</translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation>Die Liste enthält %1 Wörter, mehr kann eine Liste nicht enthalten.</translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation>Eine Liste behält mindestens ein Wort.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Bedeutung</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>State Back</source>
        <translation>Stand rückwärts</translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation>Zähler rückwärts</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>Das Wort</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Seine Bedeutung</translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation>Wo das Wort steht, gelernt vom Wort zur Bedeutung</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation>Richtige Antworten in Folge, solange es gelernt wird, vom Wort zur Bedeutung</translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation>Wo das Wort steht, rückwärts gelernt, von der Bedeutung zum Wort</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation>Richtige Antworten in Folge, solange es gelernt wird, rückwärts</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Picture and Sound</source>
        <translation>Bild und Ton</translation>
    </message>
    <message>
        <source>The card&apos;s picture, and whether it has its own recording</source>
        <translation>Das Bild der Karte und ob sie eine eigene Aufnahme hat</translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation>
            <numerusform>%n Wort löschen?</numerusform>
            <numerusform>%n Wörter löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation> Sein Lernfortschritt wird mit gelöscht (eine Kopie bleibt erhalten).</translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation>Alle haben Lernfortschritt, der mit gelöscht wird (eine Kopie bleibt erhalten).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation>
            <numerusform>%n davon hat Lernfortschritt, der mit gelöscht wird (eine Kopie bleibt erhalten).</numerusform>
            <numerusform>%n davon haben Lernfortschritt, der mit gelöscht wird (eine Kopie bleibt erhalten).</numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Wort hinzufügen</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Neues Wort</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Seine Bedeutung</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Wort:</translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation>&amp;Bedeutung:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation>Wörter — %1[*]</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>S&amp;uchen:</translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation>Wörter und Bedeutungen durchsuchen</translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation>Wörter und Bedeutungen, ohne Rücksicht auf Groß- und Kleinschreibung und Akzente</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation>Jedes Wort mit seiner Bedeutung und seinem Fortschritt in beiden Richtungen</translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation>Gezeigte Wörter</translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation>Wort &amp;hinzufügen…</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Ein Wort hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation>Die gewählten Wörter löschen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Die letzte Änderung rückgängig machen</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>Die Änderungen speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n Wort</numerusform>
            <numerusform>%n Wörter</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 von %2 gezeigt</translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation>Das Wort wird nicht hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation>Wörter löschen</translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation>Nicht geändert: %1.</translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation>Die Wörter werden nicht gespeichert: Die Liste wurde anderswo geändert, seit dieses Fenster sie geöffnet hat, und Speichern würde das rückgängig machen. Schließen Sie das Fenster ohne zu speichern und öffnen Sie es erneut.</translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation>Die Wörter werden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation>Die Wörter wurden gespeichert, lassen sich aber nicht erneut anzeigen: %1.</translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation> — gespeichert: </translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation>Die Änderungen an den Wörtern von %1 speichern?</translation>
    </message>
    <message>
        <source>&amp;Picture and Sound</source>
        <translation>&amp;Bild und Ton</translation>
    </message>
    <message>
        <source>Give the word a picture or a recording from a file, or take them away</source>
        <translation>Dem Wort ein Bild oder eine Aufnahme aus einer Datei geben oder sie entfernen</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Picture…</source>
        <translation>&amp;Bild hinzufügen oder ersetzen…</translation>
    </message>
    <message>
        <source>Remove P&amp;icture</source>
        <translation>Bild &amp;entfernen</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Recording…</source>
        <translation>&amp;Aufnahme hinzufügen oder ersetzen…</translation>
    </message>
    <message>
        <source>Remove R&amp;ecording</source>
        <translation>Aufnahme e&amp;ntfernen</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)</source>
        <translation>Aufnahmen (*.wav *.flac *.ogg *.oga *.opus *.mp3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Aufnahme</translation>
    </message>
</context>
</TS>
