<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AnswerLine</name>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Tapez la réponse, puis Entrée</translation>
    </message>
    <message>
        <source>Right: Enter for &quot;I Know&quot;</source>
        <translation>Juste&#xa0;: Entrée pour «&#xa0;Je sais&#xa0;»</translation>
    </message>
    <message>
        <source>Right but for the accents: Enter for &quot;Not Sure&quot;</source>
        <translation>Juste aux accents près&#xa0;: Entrée pour «&#xa0;Pas sûr&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s) off: Enter for &quot;Not Sure&quot;</source>
        <translation>
            <numerusform>%n lettre fausse&#xa0;: Entrée pour «&#xa0;Pas sûr&#xa0;»</numerusform>
            <numerusform>%n lettres fausses&#xa0;: Entrée pour «&#xa0;Pas sûr&#xa0;»</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing typed: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Rien de tapé&#xa0;: Entrée pour «&#xa0;Je ne sais pas&#xa0;»</translation>
    </message>
    <message>
        <source>Not the answer: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Ce n&apos;est pas la réponse&#xa0;: Entrée pour «&#xa0;Je ne sais pas&#xa0;»</translation>
    </message>
    <message>
        <source>Typed wrong: %1</source>
        <translation>Tapé faux&#xa0;: %1</translation>
    </message>
    <message>
        <source>Missing: %1</source>
        <translation>Manque&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CBreakDlg</name>
    <message>
        <source>Time left</source>
        <translation>Temps restant</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation>Voici une pause de %1 minutes.
C&apos;est le moment de vous étirer un peu et de reposer vos yeux

Appuyez sur OK pour terminer la pause</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>Temps restant&#xa0;: %1:%2</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>About the break</source>
        <translation>À propos de la pause</translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation>Pause terminée</translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation>Quibbix — En pause</translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Use for Every List</source>
        <translation>Pour toutes les listes</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list</source>
        <translation>Utiliser ces polices et couleurs pour toutes les listes</translation>
    </message>
</context>
<context>
    <name>CQuibStatisticDlg</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>How many times a word was shown, each repeat counted again: not the number of different words</source>
        <translation>Nombre d&apos;affichages de mots, chaque répétition comptant à nouveau&#xa0;: pas le nombre de mots différents</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation>La fenêtre Progression ne peut pas s&apos;ouvrir.

</translation>
    </message>
    <message>
        <source>Known words come back for review when few words are left to be viewed, so on a small list most of them wait among those; the list of lists counts them as known</source>
        <translation>Les mots connus reviennent en révision quand il reste peu de mots à voir, donc sur une petite liste la plupart attendent parmi eux, et la liste des listes les compte comme connus</translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation>Appuyez sur «&#xa0;Je sais&#xa0;» pour commencer</translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation>Pas synchronisé cette fois&#xa0;: vos réponses attendent la prochaine synchronisation</translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation>Utilisez le bouton «&#xa0;Polices et couleurs&#xa0;» pour choisir les polices et les couleurs de la zone du mot (au-dessus) et de celle de la définition (ici).

(V1.0)</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>à l&apos;envers</translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation>, à l&apos;envers</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Modifier les mots…</translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation>Une partie de votre progression n&apos;a pas pu être lue. Quitter maintenant pour vérifier&#xa0;? (Non&#xa0;: l&apos;étude continue&#xa0;; les fichiers illisibles restent tels quels.)</translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation>Je sais (K)</translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation>Pas sûr (S)</translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation>Je ne sais pas (D)</translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation>
Ctrl+Z ou Retour arrière annule le dernier verdict
Ctrl+E modifie les mots de la liste</translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation>
À l&apos;envers&#xa0;: répondez par le mot de la définition affichée</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Impossible de modifier les mots</translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation>Quibbix ne peut pas afficher les mots&#xa0;: %1</translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation>Les mots de chaque liste et le temps d&apos;étude</translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation>Les polices et les couleurs du mot et de la définition</translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation>Une pause de deux minutes, tout de suite</translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation>Enregistrer et quitter</translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation>Votre progression n&apos;a pas pu être enregistrée. Réessayer&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation>Voulez-vous quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation>Vos polices et couleurs n&apos;ont pas pu être enregistrées.

%1

Elles restent utilisées jusqu&apos;à la fermeture de Quibbix&#xa0;; celles enregistrées auparavant sont conservées telles quelles. Libérez de l&apos;espace ou réparez le fichier, puis appuyez à nouveau sur OK dans «&#xa0;Polices et couleurs&#xa0;».</translation>
    </message>
    <message>
        <source>Choose a &amp;List…</source>
        <translation>Choisir une &amp;liste…</translation>
    </message>
    <message>
        <source>The lists cannot be shown: %1</source>
        <translation>Les listes ne peuvent pas être affichées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list, and for every list added from now on?</source>
        <translation>Utiliser ces polices et couleurs pour toutes les listes, y compris celles ajoutées désormais&#xa0;?</translation>
    </message>
    <message>
        <source>Fonts and Colors</source>
        <translation>Polices et couleurs</translation>
    </message>
    <message>
        <source>The fonts and colors are kept for this list only: %1</source>
        <translation>Les polices et couleurs ne valent que pour cette liste&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation>
            <numerusform>pause dans %n mot</numerusform>
            <numerusform>pause dans %n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation>pause dans %1 min</translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation>pause dans %1 s</translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation>
            <numerusform>Tout vu une fois&#xa0;: %n mot</numerusform>
            <numerusform>Tout vu une fois&#xa0;: %n mots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation>
            <numerusform>Tout est connu&#xa0;: %n mot</numerusform>
            <numerusform>Tout est connu&#xa0;: %n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation>%1 à voir</translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation>Avancement de l&apos;étude</translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation>Cette session&#xa0;: %1 «&#xa0;Je sais&#xa0;», %2
%3, %4</translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation>À vous de juger&#xa0;:
le saviez-vous vraiment&#xa0;?</translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation>Noté comme incertain&#xa0;:
toute réponse passe à la suite.</translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation>Noté comme inconnu&#xa0;:
toute réponse passe à la suite.</translation>
    </message>
    <message>
        <source>Paused while you were away
%1, %2</source>
        <translation>En pause pendant votre absence
%1, %2</translation>
    </message>
</context>
<context>
    <name>ChooserWindow</name>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Add a List</source>
        <translation>Ajouter une liste</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation>Listes de mots (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation>Quibbix&#xa0;: choisir une liste</translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation>&amp;Listes&#xa0;:</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listes de mots</translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation>Chaque liste avec ses mots, les mots connus dans chaque sens, sa dernière étude et le dossier par lequel elle se synchronise</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Connus</translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation>Connus à l&apos;envers</translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation>Dernière étude</translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation>Synchronisée par</translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation>&amp;Ajouter une liste…</translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation>Ajouter une liste à partir d&apos;un fichier</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation>Renommer la liste sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation>Mettre la liste sélectionnée à la corbeille</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>&amp;Modifier les mots…</translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation>Modifier les mots de la liste sélectionnée</translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation>S&amp;ynchroniser…</translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation>Synchroniser la liste sélectionnée avec d&apos;autres ordinateurs par un dossier</translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation>É&amp;tudier</translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation>Étudier la liste sélectionnée</translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation>À l&apos;&amp;envers</translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation>Étudier la liste sélectionnée de la définition vers le mot&#xa0;; chaque sens garde sa propre progression</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>Impossible de modifier les mots</translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation>Les mots de «&#xa0;%1&#xa0;» ne peuvent pas être affichés.

%2</translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation>Renommer la liste</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>Impossible de renommer</translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation>La liste «&#xa0;%1&#xa0;» n&apos;a pas été renommée.

%2</translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation>Retirer la liste</translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation>Mettre la liste «&#xa0;%1&#xa0;» à la corbeille&#xa0;?</translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation>Ses mots et sa progression vont dans la corbeille du bureau, d&apos;où vous pourrez les restaurer.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mettre à la &amp;corbeille</translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation>Impossible de retirer</translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation>La liste «&#xa0;%1&#xa0;» n&apos;a pas été mise à la corbeille.

%2</translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation>&amp;Voix…</translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation>Les langues dans lesquelles la liste sélectionnée est prononcée, et si chaque mot est prononcé dès qu&apos;il apparaît</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>Impossible d&apos;enregistrer</translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation>Les réglages de voix de «&#xa0;%1&#xa0;» n&apos;ont pas été enregistrés.

%2</translation>
    </message>
    <message>
        <source>&amp;Type the Answer</source>
        <translation>Taper la ré&amp;ponse</translation>
    </message>
    <message>
        <source>Type each answer and be told what was off; backwards, this practises spelling</source>
        <translation>Tapez chaque réponse et voyez ce qui était faux&#xa0;; à rebours, on s&apos;exerce à l&apos;orthographe</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
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
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Je ne sais pas</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Pas sûr</translation>
    </message>
    <message>
        <source>I Know</source>
        <translation>Je sais</translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation>Polices et
&amp;couleurs</translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation>&amp;Statistiques</translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation>Faire une &amp;pause</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulaire</translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation>Police et couleurs de la zone du mot</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source> Sample</source>
        <translation> Exemple</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation>Police et couleurs de la zone de la définition</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation>Couleur de fond du programme</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation>Mots au total&#xa0;:</translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation>Mots vus&#xa0;:</translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation>Mots appris&#xa0;:</translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation>Durée de la session&#xa0;:</translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation>Durée totale d&apos;étude&#xa0;:</translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation>Mots manqués&#xa0;:</translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation>Mots incertains&#xa0;:</translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation>Mots inconnus&#xa0;:</translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation>Mots en cours&#xa0;:</translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation>Mots connus&#xa0;:</translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation>Mots à voir&#xa0;:</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Progression...</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>En pause</translation>
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
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 does not read as %2.

%3</source>
        <translation>%1 ne se lit pas en %2.

%3</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation>%1 n&apos;est pas en UTF-8, et Quibbix ne sait pas dans quel encodage il a été enregistré. Choisissez celui dans lequel ses premières lignes se lisent correctement.</translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation>mais ce n&apos;est guère plus qu&apos;une supposition</translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation>mais sans certitude</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation>%1 n&apos;est pas en UTF-8. Quibbix suppose qu&apos;il a été enregistré en %2, %3. Si ses premières lignes ne se lisent pas correctement ci-dessous, choisissez l&apos;encodage dans lequel il a été enregistré.</translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation>Choisir l&apos;encodage du fichier</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage&#xa0;:</translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation>Premières &amp;lignes telles qu&apos;elles se liraient&#xa0;:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Premières lignes du fichier</translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation>Certains octets n&apos;ont pas de caractère dans cet encodage&#xa0;; ils s&apos;affichent comme %1.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation>Ajouter le fichier dans cet encodage</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Annuler, ne rien ajouter</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Encodage</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Word State</source>
        <translation>État du mot</translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation>Gestion de la liste</translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation>Erreur&#xa0;: ouverture de </translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation>Erreur&#xa0;: aucun fichier d&apos;enregistrement valide</translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation>Impossible de générer la liste aléatoire</translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation>Votre historique d&apos;étude n&apos;a pas pu être lu en entier&#xa0;:</translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation>Une partie de votre progression n&apos;a pas pu être lue&#xa0;:</translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation>Votre progression n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation>Ce qui avait été enregistré auparavant est conservé tel quel. Libérez de l&apos;espace ou réparez le fichier, puis enregistrez à nouveau.</translation>
    </message>
</context>
<context>
    <name>EntryChecker</name>
    <message>
        <source>the entry is refused</source>
        <translation>l&apos;entrée est refusée</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation>Quibbix est déjà lancé sur ce dossier.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Déjà lancé</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation>Aide de Quibbix</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>this row looks like column titles and was imported as an entry</source>
        <translation>cette ligne ressemble à des titres de colonnes et a été importée comme une entrée</translation>
    </message>
    <message>
        <source>more than %1 fields on one line; the file is read no further</source>
        <translation>plus de %1 champs sur une ligne&#xa0;; la suite du fichier n&apos;est pas lue</translation>
    </message>
    <message>
        <source>quote that does not close the field; the field is read as written</source>
        <translation>guillemet qui ne ferme pas le champ&#xa0;; le champ est lu tel quel</translation>
    </message>
    <message>
        <source>quote inside an unquoted field, taken literally</source>
        <translation>guillemet dans un champ sans guillemets, pris tel quel</translation>
    </message>
    <message>
        <source>holds %1, which would break the record</source>
        <translation>contient %1, qui casserait l&apos;enregistrement</translation>
    </message>
    <message>
        <source>holds the control character %1</source>
        <translation>contient le caractère de contrôle %1</translation>
    </message>
    <message>
        <source>holds %1 (%2), which Windows-1252 cannot hold</source>
        <translation>contient %1 (%2), que Windows-1252 ne peut pas représenter</translation>
    </message>
    <message>
        <source>is %1 bytes in %2 and has no place to cut it to %3</source>
        <translation>fait %1 octets en %2 et n&apos;offre aucun endroit où couper pour tenir en %3</translation>
    </message>
    <message>
        <source>would read back as &quot;%1&quot; when stored in %2</source>
        <translation>se relirait «&#xa0;%1&#xa0;» après enregistrement en %2</translation>
    </message>
    <message>
        <source>more than %1 entries, the most a list can hold; the file is read no further</source>
        <translation>plus de %1 entrées, le maximum pour une liste&#xa0;; la suite du fichier n&apos;est pas lue</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;</source>
        <translation>encodage inconnu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1)</source>
        <translation>UTF-8 non valide (octet %1)</translation>
    </message>
    <message>
        <source>this system has no converter for %1</source>
        <translation>ce système n&apos;a pas de convertisseur pour %1</translation>
    </message>
    <message>
        <source>byte %1 has no character in %2</source>
        <translation>l&apos;octet %1 n&apos;a pas de caractère en %2</translation>
    </message>
    <message>
        <source>not UTF-8; read as %1 (guessed, %2% sure</source>
        <translation>pas en UTF-8&#xa0;; lu en %1 (deviné, sûr à %2&#xa0;%</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1) and in no encoding Quibbix can guess</source>
        <translation>UTF-8 non valide (octet %1) et dans aucun encodage que Quibbix sache deviner</translation>
    </message>
    <message>
        <source>not a KVTML document (no &lt;kvtml&gt; root element)</source>
        <translation>pas un document KVTML (pas d&apos;élément racine &lt;kvtml&gt;)</translation>
    </message>
    <message>
        <source>XML error: %1</source>
        <translation>erreur XML&#xa0;: %1</translation>
    </message>
    <message>
        <source>deactivated entry skipped</source>
        <translation>entrée désactivée ignorée</translation>
    </message>
    <message>
        <source>empty entry skipped</source>
        <translation>entrée vide ignorée</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot; dropped</source>
        <translation>mot en double «&#xa0;%1&#xa0;» écarté</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot;</source>
        <translation>mot en double «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;</source>
        <translation>le mot «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>definition of &quot;%1&quot;</source>
        <translation>la définition de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 cut from %2 to %3</source>
        <translation>%1&#xa0;: longueur ramenée de %2 à %3</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>skipped: %1</source>
        <translation>ignoré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europe occidentale</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europe centrale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrillique</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hébreu</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Balte</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamien</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thaï</translation>
    </message>
    <message>
        <source>South European</source>
        <translation>Europe du Sud</translation>
    </message>
    <message>
        <source>Nordic</source>
        <translation>Nordique</translation>
    </message>
    <message>
        <source>Celtic</source>
        <translation>Celte</translation>
    </message>
    <message>
        <source>South-Eastern European</source>
        <translation>Europe du Sud-Est</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainien</translation>
    </message>
    <message>
        <source>Western European, Mac</source>
        <translation>Europe occidentale, Mac</translation>
    </message>
    <message>
        <source>Central European, Mac</source>
        <translation>Europe centrale, Mac</translation>
    </message>
    <message>
        <source>Cyrillic, Mac</source>
        <translation>Cyrillique, Mac</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonais</translation>
    </message>
    <message>
        <source>Chinese, Simplified</source>
        <translation>Chinois simplifié</translation>
    </message>
    <message>
        <source>Chinese, Traditional</source>
        <translation>Chinois traditionnel</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coréen</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot; as a title line; if it is an entry, quote its word</source>
        <translation>«&#xa0;%1&#xa0;» ignoré comme ligne de titre&#xa0;; s&apos;il s&apos;agit d&apos;une entrée, mettez son mot entre guillemets</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>lu comme %1</translation>
    </message>
    <message>
        <source>this is a spreadsheet; save it as CSV (comma-separated values) and import that</source>
        <translation>ceci est une feuille de calcul&#xa0;; enregistrez-la en CSV (valeurs séparées par des virgules) et importez ce fichier</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most a word file may be; nothing read</source>
        <translation>plus de %1&#xa0;Mio, le maximum pour un fichier de mots&#xa0;; rien n&apos;a été lu</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>impossible de lire le fichier</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>it holds or computes a value larger than %1; refused as damaged</source>
        <translation>elle contient ou calcule une valeur supérieure à %1&#xa0;; refusée comme endommagée</translation>
    </message>
    <message>
        <source>reading it takes more than %1 of memory; refused as damaged</source>
        <translation>sa lecture demande plus de %1 de mémoire&#xa0;; refusée comme endommagée</translation>
    </message>
    <message>
        <source>reading it takes more work than any collection needs; refused as damaged</source>
        <translation>sa lecture demande plus de travail qu&apos;aucune collection n&apos;en exige&#xa0;; refusée comme endommagée</translation>
    </message>
    <message>
        <source>it holds more than %1 notes, the most a list can hold</source>
        <translation>elle contient plus de %1 notes, le maximum pour une liste</translation>
    </message>
    <message>
        <source>it holds no notes table</source>
        <translation>elle ne contient pas de table des notes</translation>
    </message>
    <message>
        <source>; it may come from a newer Anki: export it again with &quot;Support older Anki versions&quot; ticked</source>
        <translation>&#xa0;; il provient peut-être d&apos;une version plus récente d&apos;Anki&#xa0;: exportez-le à nouveau en cochant «&#xa0;Prise en charge des anciennes versions d&apos;Anki&#xa0;»</translation>
    </message>
    <message>
        <source>not a readable Anki package: the zip archive is damaged or cut short (%1)</source>
        <translation>paquet Anki illisible&#xa0;: l&apos;archive zip est endommagée ou tronquée (%1)</translation>
    </message>
    <message>
        <source>not an Anki package: the zip archive holds no collection (collection.anki21b, collection.anki21 or collection.anki2)</source>
        <translation>pas un paquet Anki&#xa0;: l&apos;archive zip ne contient aucune collection (collection.anki21b, collection.anki21 ou collection.anki2)</translation>
    </message>
    <message>
        <source>not a readable Anki collection in %1: %2</source>
        <translation>collection Anki illisible dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>unknown Anki package version %1</source>
        <translation>version %1 de paquet Anki inconnue</translation>
    </message>
    <message>
        <source>the Anki package is encrypted (a zip with a password), which Anki never writes; nothing read</source>
        <translation>le paquet Anki est chiffré (un zip avec mot de passe), ce qu&apos;Anki ne produit jamais&#xa0;; rien n&apos;a été lu</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB; refused as damaged</source>
        <translation>%1 dépasse %2&#xa0;Mio&#xa0;; refusé comme endommagé</translation>
    </message>
    <message>
        <source>the Anki package is damaged: %1 cannot be read (%2)</source>
        <translation>le paquet Anki est endommagé&#xa0;: %1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>out of memory unpacking the collection</source>
        <translation>mémoire insuffisante pour décompresser la collection</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection does not unpack (%1)</source>
        <translation>le paquet Anki est endommagé&#xa0;: sa collection ne se décompresse pas (%1)</translation>
    </message>
    <message>
        <source>the collection unpacks to more than %1 MiB; refused as damaged</source>
        <translation>la collection décompressée dépasse %1&#xa0;Mio&#xa0;; refusée comme endommagée</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection is cut short</source>
        <translation>le paquet Anki est endommagé&#xa0;: sa collection est tronquée</translation>
    </message>
    <message>
        <source> (first on line %1)</source>
        <translation> (première occurrence à la ligne %1)</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>mot vide</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;: no definition</source>
        <translation>mot «&#xa0;%1&#xa0;»&#xa0;: aucune définition</translation>
    </message>
    <message>
        <source>has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>a %1 lettres&#xa0;; un mot en contient au plus %2 (%3 en Windows-1252, %4 caractères chinois, japonais ou coréens)</translation>
    </message>
    <message>
        <source>has %1 letters; a definition holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>a %1 lettres&#xa0;; une définition en contient au plus %2 (%3 en Windows-1252, %4 caractères chinois, japonais ou coréens)</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1&#xa0;: ni une image ni un enregistrement que Quibbix garde&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not in the package&apos;s media; left out</source>
        <translation>%1&#xa0;: absent des médias du paquet&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1&#xa0;: plus de 16&#xa0;Mio&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: cannot be read from the package; left out</source>
        <translation>%1&#xa0;: illisible dans le paquet&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: no such file; left out</source>
        <translation>%1&#xa0;: fichier introuvable&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1&#xa0;: un lien symbolique, jamais suivi&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1&#xa0;: pas un fichier ordinaire&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a file beside the document; left out</source>
        <translation>%1&#xa0;: pas un fichier à côté du document&#xa0;; laissé de côté</translation>
    </message>
</context>
<context>
    <name>ImportAdvice</name>
    <message>
        <source>; use --header to skip it, --no-header to keep it</source>
        <translation>&#xa0;; utilisez --header pour l&apos;ignorer, --no-header pour la garder</translation>
    </message>
    <message>
        <source>; give the encoding it was saved in with --input-encoding</source>
        <translation>&#xa0;; indiquez avec --input-encoding l&apos;encodage dans lequel il a été enregistré</translation>
    </message>
    <message>
        <source>; give the right encoding with --input-encoding</source>
        <translation>&#xa0;; indiquez le bon encodage avec --input-encoding</translation>
    </message>
    <message>
        <source>; --input-encoding chooses)</source>
        <translation>&#xa0;; --input-encoding permet de choisir)</translation>
    </message>
    <message>
        <source> (--truncate cuts it)</source>
        <translation> (--truncate tronque)</translation>
    </message>
    <message>
        <source> (guessed; --format chooses)</source>
        <translation> (deviné&#xa0;; --format permet de choisir)</translation>
    </message>
    <message>
        <source> (--include-deactivated keeps it)</source>
        <translation> (--include-deactivated la garde)</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot Add This File</source>
        <translation>Impossible d&apos;ajouter ce fichier</translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation>Quibbix ne peut pas créer de liste à partir de %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation>
            <numerusform>%1 contient maintenant %n mot.</numerusform>
            <numerusform>%1 contient maintenant %n mots.</numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation> Les mots qui y restent gardent leur progression, et une copie de votre progression précédente a été conservée.</translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation>Titres de colonnes&#xa0;?</translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation>La première ligne ressemble à des titres de colonnes&#xa0;: l&apos;ignorer&#xa0;?</translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation>On y lit %1 et %2.</translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation>Une liste de ce nom existe déjà</translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation>Vous avez déjà une liste nommée %1, avec une progression.</translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation>Vous avez déjà une liste nommée %1.</translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation>La mettre à jour avec les mots de %1 en gardant la progression de chaque mot qui reste (sa session est d&apos;abord sauvegardée), ou ajouter le fichier comme nouvelle liste à côté&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation>&amp;Mettre à jour et garder la progression</translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation>Ajouter comme &amp;nouvelle liste</translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation>Liste mise à jour</translation>
    </message>
    <message>
        <source>It holds no words.</source>
        <translation>Il ne contient aucun mot.</translation>
    </message>
    <message>
        <source>; delete that row from the file if it holds no word</source>
        <translation>&#xa0;; supprimez cette ligne du fichier si elle ne contient aucun mot</translation>
    </message>
    <message>
        <source>; choose the encoding it was saved in</source>
        <translation>&#xa0;; choisissez l&apos;encodage dans lequel il a été enregistré</translation>
    </message>
    <message>
        <source>; choose another encoding</source>
        <translation>&#xa0;; choisissez un autre encodage</translation>
    </message>
    <message>
        <source>; shorten it in the file</source>
        <translation>&#xa0;; raccourcissez le texte dans le fichier</translation>
    </message>
    <message>
        <source>text with a tab between each word and its meaning</source>
        <translation>du texte avec une tabulation entre chaque mot et sa signification</translation>
    </message>
    <message>
        <source>comma-separated text</source>
        <translation>du texte séparé par des virgules</translation>
    </message>
    <message>
        <source>text exported from Anki</source>
        <translation>du texte exporté d&apos;Anki</translation>
    </message>
    <message>
        <source>a Mnemosyne export</source>
        <translation>un export Mnemosyne</translation>
    </message>
    <message>
        <source>a KVTML vocabulary file</source>
        <translation>un fichier de vocabulaire KVTML</translation>
    </message>
    <message>
        <source>an Anki package</source>
        <translation>un paquet Anki</translation>
    </message>
    <message>
        <source>Quibbix read this file as %1</source>
        <translation>Quibbix a lu ce fichier comme %1</translation>
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
        <translation>la liste est en cours d&apos;étude à l&apos;envers&#xa0;; fermez d&apos;abord le Quibbix qui l&apos;étudie</translation>
    </message>
    <message>
        <source>the list is being studied; close Quibbix on it first</source>
        <translation>la liste est en cours d&apos;étude&#xa0;; fermez d&apos;abord le Quibbix qui l&apos;étudie</translation>
    </message>
</context>
<context>
    <name>ListGuard</name>
    <message>
        <source>The copy of the word list as last studied (%1) is damaged, so the progress stays with the words by their position; the copy is kept as %1.bad.</source>
        <translation>La copie de la liste de mots telle qu&apos;étudiée la dernière fois (%1) est endommagée, la progression reste donc attachée aux mots selon leur position&#xa0;; la copie est conservée sous %1.bad.</translation>
    </message>
    <message>
        <source>Quibbix cannot tell whether the words of this list changed since you last studied it, because its record of them is damaged. Your progress stays with the words as they are now.</source>
        <translation>Quibbix ne peut pas savoir si les mots de cette liste ont changé depuis votre dernière étude, car la trace qu&apos;il en garde est endommagée. Votre progression reste attachée aux mots tels qu&apos;ils sont maintenant.</translation>
    </message>
    <message>
        <source>An update of the list was interrupted and cannot be finished: %1.</source>
        <translation>Une mise à jour de la liste a été interrompue et ne peut pas être terminée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>A change to the words of this list was interrupted and cannot be finished now, so the list cannot be studied. Your progress is as it was. Free some disk space, or make sure the list&apos;s folder can be written to, then start Quibbix again.</source>
        <translation>Une modification des mots de cette liste a été interrompue et ne peut pas être terminée maintenant, la liste ne peut donc pas être étudiée. Votre progression est restée telle quelle. Libérez de l&apos;espace disque, ou vérifiez que le dossier de la liste est accessible en écriture, puis relancez Quibbix.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied, and the progress could not be moved onto it: %1</source>
        <translation>La liste de mots a changé depuis sa dernière étude, et la progression n&apos;a pas pu y être reportée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it, and your progress could not be moved onto the new words. Nothing was changed. To study this list, put its earlier word list back, or add the new words as a list of their own.</source>
        <translation>Les mots de cette liste ont changé depuis votre dernière étude, et votre progression n&apos;a pas pu être reportée sur les nouveaux mots. Rien n&apos;a été modifié. Pour étudier cette liste, remettez en place son ancienne liste de mots, ou ajoutez les nouveaux mots comme une liste à part.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied: %1.</source>
        <translation>La liste de mots a changé depuis sa dernière étude&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it. The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>Les mots de cette liste ont changé depuis votre dernière étude. Les mots qui y restent gardent leur progression, et une copie de votre progression précédente a été conservée.</translation>
    </message>
</context>
<context>
    <name>ListImporter</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the file holds no words to study</source>
        <translation>le fichier ne contient aucun mot à étudier</translation>
    </message>
    <message>
        <source>the file holds %1 words; Quibbix can study at most %2</source>
        <translation>le fichier contient %1 mots&#xa0;; Quibbix peut en étudier au plus %2</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); nothing changed</source>
        <translation>impossible de lire %1 (%2)&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere since its words were read; nothing changed</source>
        <translation>%1 a été modifié ailleurs depuis la lecture de ses mots&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>aucune liste nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot read %1, which the progress stands on</source>
        <translation>impossible de lire %1, sur lequel repose la progression</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>impossible d&apos;écrire %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ListRebase</name>
    <message>
        <source>the session could not be rebased</source>
        <translation>la session n&apos;a pas pu être transposée sur la nouvelle liste</translation>
    </message>
    <message>
        <source>%1, %2 and %3; the old session files are kept as %4</source>
        <translation>%1, %2 et %3&#xa0;; les anciens fichiers de session sont conservés sous %4</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) keep(s) its/their progress</source>
        <translation>
            <numerusform>%n mot garde sa progression</numerusform>
            <numerusform>%n mots gardent leur progression</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are gone</source>
        <translation>
            <numerusform>%n a disparu</numerusform>
            <numerusform>%n ont disparu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are new</source>
        <translation>
            <numerusform>%n est nouveau</numerusform>
            <numerusform>%n sont nouveaux</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot write (%2); the change is finished when the list is next opened</source>
        <translation>%1&#xa0;: écriture impossible (%2)&#xa0;; la modification sera terminée à la prochaine ouverture de la liste</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1&#xa0;: écriture impossible (%2)&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>backwards, </source>
        <translation>à l&apos;envers, </translation>
    </message>
    <message>
        <source>the pairing names %1 for %2</source>
        <translation>l&apos;appariement indique %1 pour %2</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s)</source>
        <translation>
            <numerusform>%n enregistrement</numerusform>
            <numerusform>%n enregistrements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new record(s)</source>
        <translation>
            <numerusform>%n nouvel enregistrement</numerusform>
            <numerusform>%n nouveaux enregistrements</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives new record %1 old record %2, which is not among the %3</source>
        <translation>l&apos;appariement donne au nouvel enregistrement %1 l&apos;ancien enregistrement %2, alors qu&apos;il n&apos;y a que %3</translation>
    </message>
    <message numerus="yes">
        <source>%n old record(s)</source>
        <translation>
            <numerusform>%n ancien enregistrement</numerusform>
            <numerusform>%n anciens enregistrements</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives old record %1 to two new records</source>
        <translation>l&apos;appariement donne l&apos;ancien enregistrement %1 à deux nouveaux enregistrements</translation>
    </message>
    <message>
        <source>cannot write (%1); the change is finished when the list is next opened</source>
        <translation>écriture impossible (%1)&#xa0;; la modification sera terminée à la prochaine ouverture de la liste</translation>
    </message>
    <message>
        <source>cannot write (%1); nothing changed</source>
        <translation>écriture impossible (%1)&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>an interrupted update cannot be finished (%1); nothing changed</source>
        <translation>une mise à jour interrompue ne peut pas être terminée (%1)&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>the new list has %1; a session needs 1 to %2</source>
        <translation>la nouvelle liste a %1&#xa0;; une session en demande de 1 à %2</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>cannot be read (%1); nothing changed</source>
        <translation>illisible (%1)&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>no session here (no %1); nothing to rebase</source>
        <translation>aucune session ici (pas de %1)&#xa0;; rien à transposer</translation>
    </message>
    <message>
        <source>is damaged; nothing changed (Quibbix keeps a copy of it as .bad and repairs it when it next saves)</source>
        <translation>est endommagé&#xa0;; rien n&apos;a changé (Quibbix en garde une copie en .bad et le répare au prochain enregistrement)</translation>
    </message>
    <message>
        <source>the lists name word %1, beyond the %2 of the old list; is it the list this session was made with? Nothing changed (--force drops those entries)</source>
        <translation>les listes nomment le mot %1, au-delà des %2 de l&apos;ancienne liste&#xa0;; est-ce bien la liste avec laquelle cette session a été créée&#xa0;? Rien n&apos;a changé (--force supprime ces entrées)</translation>
    </message>
    <message>
        <source>ambiguous matches; nothing changed (--force pairs them in file order)</source>
        <translation>correspondances ambiguës&#xa0;; rien n&apos;a changé (--force les apparie dans l&apos;ordre du fichier)</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>a list needs a name</source>
        <translation>une liste doit avoir un nom</translation>
    </message>
    <message>
        <source>the name is too long (at most %1 bytes)</source>
        <translation>le nom est trop long (%1 octets au plus)</translation>
    </message>
    <message>
        <source>the name holds control characters or outer spaces</source>
        <translation>le nom contient des caractères de contrôle ou des espaces au début ou à la fin</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>le nom n&apos;est pas en UTF-8 valide</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>another program is changing the lists; try again in a moment</source>
        <translation>un autre programme modifie les listes&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>impossible de verrouiller %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot read the defaults in %1: %2</source>
        <translation>impossible de lire les fichiers par défaut dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>impossible de copier %1 vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot make a new list in %1: %2</source>
        <translation>impossible de créer une nouvelle liste dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot move %1 to %2: %3</source>
        <translation>impossible de déplacer %1 vers %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>no free folder name for &quot;%1&quot; in %2</source>
        <translation>aucun nom de dossier libre pour «&#xa0;%1&#xa0;» dans %2</translation>
    </message>
    <message>
        <source>a list named &quot;%1&quot; exists already</source>
        <translation>une liste nommée «&#xa0;%1&#xa0;» existe déjà</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>aucune liste nommée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>impossible de créer un dossier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot move %1: %2</source>
        <translation>impossible de déplacer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the default word list was not found</source>
        <translation>la liste de mots par défaut est introuvable</translation>
    </message>
</context>
<context>
    <name>ListSync</name>
    <message>
        <source>%1: not a Quibbix list manifest</source>
        <translation>%1&#xa0;: pas un manifeste de liste Quibbix</translation>
    </message>
    <message>
        <source>%1: written by a newer Quibbix (format %2); update Quibbix to sync this list</source>
        <translation>%1&#xa0;: écrit par un Quibbix plus récent (format %2)&#xa0;; mettez Quibbix à jour pour synchroniser cette liste</translation>
    </message>
    <message>
        <source>%1:%2: a damaged line (&quot;%3&quot;)</source>
        <translation>%1:%2&#xa0;: une ligne endommagée («&#xa0;%3&#xa0;»)</translation>
    </message>
    <message>
        <source>%1: names no list</source>
        <translation>%1&#xa0;: ne nomme aucune liste</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: still arriving (%2); the list is joined once it is whole</source>
        <translation>%1&#xa0;: encore en cours d&apos;arrivée (%2)&#xa0;; la liste sera reliée une fois complète</translation>
    </message>
    <message>
        <source>%1: another program is syncing the list; try again in a moment</source>
        <translation>%1&#xa0;: un autre programme synchronise la liste&#xa0;; réessayez dans un instant</translation>
    </message>
    <message>
        <source>%1: the words changed on another computer; they come in, with the progress of both directions, once no other program studies the list</source>
        <translation>%1&#xa0;: les mots ont changé sur un autre ordinateur&#xa0;; ils arriveront, avec la progression des deux sens, dès qu&apos;aucun autre programme n&apos;étudiera la liste</translation>
    </message>
    <message>
        <source>%1: studied by another program right now, which takes what arrived at its own next sync</source>
        <translation>%1&#xa0;: en cours d&apos;étude dans un autre programme, qui prendra ce qui est arrivé à sa propre prochaine synchronisation</translation>
    </message>
    <message>
        <source>%1: the journal of device %2, kept as %3; this computer starts a journal of its own</source>
        <translation>%1&#xa0;: le journal de l&apos;appareil %2, conservé sous %3&#xa0;; cet ordinateur commence son propre journal</translation>
    </message>
    <message>
        <source>%1: names %2 of %3; leave the sync folder and join it again</source>
        <translation>%1&#xa0;: nomme %2 sur %3&#xa0;; quittez le dossier de synchronisation et reliez-vous-y à nouveau</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; what was done here syncs once the folder is back</source>
        <translation>%1&#xa0;; ce qui a été fait ici se synchronisera dès le retour du dossier</translation>
    </message>
    <message>
        <source>%1; the journal is published at the next sync</source>
        <translation>%1&#xa0;; le journal sera publié à la prochaine synchronisation</translation>
    </message>
    <message numerus="yes">
        <source>%n judgement(s) of words no journal made passed over</source>
        <translation>
            <numerusform>%n verdict sur des mots qu&apos;aucun journal n&apos;a créés, laissé de côté</numerusform>
            <numerusform>%n verdicts sur des mots qu&apos;aucun journal n&apos;a créés, laissés de côté</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>%1; the list has no words to share</source>
        <translation>%1&#xa0;; la liste n&apos;a aucun mot à partager</translation>
    </message>
    <message>
        <source>%1: events of another sync folder, kept in the trash as %2</source>
        <translation>%1&#xa0;: événements d&apos;un autre dossier de synchronisation, conservés dans la corbeille sous %2</translation>
    </message>
    <message>
        <source>%1: the list &quot;%2&quot; is still arriving; nothing changed, join again once it is whole</source>
        <translation>%1&#xa0;: la liste «&#xa0;%2&#xa0;» est encore en cours d&apos;arrivée&#xa0;; rien n&apos;a changé, reliez-vous-y à nouveau une fois qu&apos;elle sera complète</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n réponse</numerusform>
            <numerusform>%n réponses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word change(s)</source>
        <translation>
            <numerusform>%n modification de mot</numerusform>
            <numerusform>%n modifications de mots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 arrived from another computer</source>
        <translation>Reçu d&apos;un autre ordinateur&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>%1 arrived from another computer</source>
        <translation>Reçu d&apos;un autre ordinateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>the list syncs with %1 already; leave it first</source>
        <translation>la liste se synchronise déjà avec %1&#xa0;; quittez-le d&apos;abord</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1&#xa0;: %2&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1&#xa0;; rien n&apos;a changé</translation>
    </message>
    <message>
        <source>%1 holds the list &quot;%2&quot;, not &quot;%3&quot;; a sync folder holds one list, so give this one a folder of its own</source>
        <translation>%1 contient la liste «&#xa0;%2&#xa0;», et non «&#xa0;%3&#xa0;»&#xa0;; un dossier de synchronisation ne contient qu&apos;une liste, donnez donc à celle-ci un dossier à elle</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n autre</numerusform>
            <numerusform>%n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s (%2, or a list still arriving); pick an empty folder</source>
        <translation>%1 contient des fichiers qui n&apos;appartiennent à aucune liste Quibbix (%2, ou une liste encore en cours d&apos;arrivée)&#xa0;; choisissez un dossier vide</translation>
    </message>
    <message>
        <source>%1: the list is joined to no sync folder</source>
        <translation>%1&#xa0;: la liste n&apos;est reliée à aucun dossier de synchronisation</translation>
    </message>
    <message>
        <source>%1: its contents do not match its name; left out</source>
        <translation>%1&#xa0;: son contenu ne correspond pas à son nom&#xa0;; laissé de côté</translation>
    </message>
</context>
<context>
    <name>MediaStore</name>
    <message>
        <source>%1: cannot be read (%2); left out</source>
        <translation>%1&#xa0;: illisible (%2)&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1&#xa0;: un lien symbolique, jamais suivi&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1&#xa0;: pas un fichier ordinaire&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1&#xa0;: plus de 16&#xa0;Mio&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: could not be copied into the list; left out</source>
        <translation>%1&#xa0;: n&apos;a pas pu être copié dans la liste&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1&#xa0;: ni une image ni un enregistrement que Quibbix garde&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: the list&apos;s pictures and recordings would pass 1 GiB; left out</source>
        <translation>%1&#xa0;: les images et enregistrements de la liste dépasseraient 1&#xa0;Gio&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a recording; left out</source>
        <translation>%1&#xa0;: pas un enregistrement&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: not a picture; left out</source>
        <translation>%1&#xa0;: pas une image&#xa0;; laissé de côté</translation>
    </message>
    <message>
        <source>%1: a picture too large to show (%2); left out</source>
        <translation>%1&#xa0;: une image trop grande pour être affichée (%2)&#xa0;; laissé de côté</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation>%1 n&apos;a pas pu être chargé (%2). Réinstaller Quibbix le rétablit.</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation>%1 appartient à une autre version de Quibbix. Réinstaller Quibbix le remplace par le bon.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation>Connus</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Inconnus</translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation>Manqués</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Incertains</translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation>À voir</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n jour</numerusform>
            <numerusform>%n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minute(s)</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation>Jours d&apos;étude d&apos;affilée&#xa0;: %1 (record&#xa0;: %2)</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation>Mots dans chaque état</translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation>Minutes d&apos;étude par jour, %1 derniers jours</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation>Aucune étude enregistrée pour l&apos;instant.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2&#xa0;: %1</translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation>Le %1&#xa0;: %2. Les mots connus sont passés de %3 le %4 à %5.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation>Sur les %1 derniers jours&#xa0;: %2 d&apos;étude, %3 au total.</translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation> Maximum&#xa0;: %1, le %2.</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation>L&apos;historique n&apos;a pas pu être exporté.

</translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation>Pas de voix&#xa0;: %1</translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation>Pas de voix&#xa0;: installez speech-dispatcher et speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng</source>
        <translation>Pas de voix&#xa0;: installez qt6-speech-speechd-plugin et speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No voice for %1: install a speech-dispatcher voice for it</source>
        <translation>Pas de voix pour %1&#xa0;: installez une voix de speech-dispatcher</translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation>Liste de mots modifiée</translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation>Impossible d&apos;étudier cette liste</translation>
    </message>
</context>
<context>
    <name>RecordChecker</name>
    <message>
        <source>record end</source>
        <translation>fin de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>unused field</source>
        <translation>champ inutilisé</translation>
    </message>
    <message>
        <source>word</source>
        <translation>mot</translation>
    </message>
    <message>
        <source>definition</source>
        <translation>définition</translation>
    </message>
    <message>
        <source>byte %1 at offset %2 (%3) breaks the record when read as text</source>
        <translation>l&apos;octet %1 à la position %2 (%3) casse l&apos;enregistrement lu comme texte</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the word (UTF-8) does not show as a character</source>
        <translation>le caractère de contrôle %1 à l&apos;octet %2 du mot (UTF-8) ne s&apos;affiche pas comme un caractère</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the definition (UTF-8) does not show as a character</source>
        <translation>le caractère de contrôle %1 à l&apos;octet %2 de la définition (UTF-8) ne s&apos;affiche pas comme un caractère</translation>
    </message>
    <message>
        <source>control character %1 in the word does not show as a character</source>
        <translation>le caractère de contrôle %1 du mot ne s&apos;affiche pas comme un caractère</translation>
    </message>
    <message>
        <source>control character %1 in the definition does not show as a character</source>
        <translation>le caractère de contrôle %1 de la définition ne s&apos;affiche pas comme un caractère</translation>
    </message>
    <message>
        <source>undefined byte %1 in the word, which is not valid UTF-8 either, does not show as a character</source>
        <translation>l&apos;octet indéfini %1 du mot, qui n&apos;est pas non plus de l&apos;UTF-8 valide, ne s&apos;affiche pas comme un caractère</translation>
    </message>
    <message>
        <source>undefined byte %1 in the definition, which is not valid UTF-8 either, does not show as a character</source>
        <translation>l&apos;octet indéfini %1 de la définition, qui n&apos;est pas non plus de l&apos;UTF-8 valide, ne s&apos;affiche pas comme un caractère</translation>
    </message>
    <message>
        <source>the word is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>le mot est de l&apos;UTF-8 coupé au milieu de son dernier caractère ; il s&apos;affiche donc en Windows-1252</translation>
    </message>
    <message>
        <source>the definition is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>la définition est de l&apos;UTF-8 coupé au milieu de son dernier caractère ; elle s&apos;affiche donc en Windows-1252</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>mot vide</translation>
    </message>
    <message>
        <source>word of spaces only</source>
        <translation>mot fait uniquement d&apos;espaces</translation>
    </message>
    <message>
        <source>empty definition</source>
        <translation>définition vide</translation>
    </message>
    <message>
        <source>definition of spaces only</source>
        <translation>définition faite uniquement d&apos;espaces</translation>
    </message>
</context>
<context>
    <name>RefusedDialog</name>
    <message numerus="yes">
        <source>%n entry(s)</source>
        <translation>
            <numerusform>%n entrée</numerusform>
            <numerusform>%n entrées</numerusform>
        </translation>
    </message>
    <message>
        <source>None of the entries in “%1” can be added to a list:</source>
        <translation>Aucune des entrées de «&#xa0;%1&#xa0;» ne peut être ajoutée à une liste&#xa0;:</translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation>Impossible d&apos;ajouter à la liste %1 de «&#xa0;%2&#xa0;»&#xa0;; les %3 autres peuvent l&apos;être&#xa0;:</translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation>Entrées impossibles à ajouter</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Raison</translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation>Entrées impossibles à ajouter</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Annuler, ne rien ajouter</translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation>&amp;Ignorer et ajouter le reste</translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation>Ignorer ces entrées et ajouter le reste</translation>
    </message>
    <message>
        <source>C&amp;ut Them to Fit</source>
        <translation>&amp;Couper pour que ça tienne</translation>
    </message>
    <message>
        <source>Cut the words and definitions too long for the list at their last whole letter that fits</source>
        <translation>Couper les mots et définitions trop longs après la dernière lettre entière qui tient</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation>Voix</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Langue des mots</translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation>Langue des définitions</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Mots&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation>&amp;Définitions&#xa0;:</translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation>Prononcer chaque mot dès qu&apos;il apparaît</translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation>Impossible d&apos;étudier cette liste</translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Each word is spoken</source>
        <translation>Chaque mot est prononcé</translation>
    </message>
    <message>
        <source>Words are not spoken</source>
        <translation>Les mots ne sont pas prononcés</translation>
    </message>
    <message>
        <source>No sound output: the word cannot be spoken</source>
        <translation>Pas de sortie audio&#xa0;: le mot ne peut pas être prononcé</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>: held no device id (&quot;</source>
        <translation>&#xa0;: ne contenait aucun identifiant d&apos;appareil («&#xa0;</translation>
    </message>
    <message>
        <source>&quot;); this computer now syncs as the new device </source>
        <translation>&#xa0;»)&#xa0;; cet ordinateur se synchronise désormais comme nouvel appareil </translation>
    </message>
    <message>
        <source>: the data folder was made at </source>
        <translation>&#xa0;: le dossier de données a été créé à l&apos;emplacement </translation>
    </message>
    <message>
        <source> (copied or moved from there, where it may still sync); this computer now syncs as the new device </source>
        <translation> (copié ou déplacé depuis cet endroit, où il se synchronise peut-être encore)&#xa0;; cet ordinateur se synchronise désormais comme nouvel appareil </translation>
    </message>
    <message>
        <source>, so that no journal is written from two places</source>
        <translation>, afin qu&apos;aucun journal ne soit écrit depuis deux endroits</translation>
    </message>
    <message>
        <source>: written in journal format </source>
        <translation>&#xa0;: écrit au format de journal </translation>
    </message>
    <message>
        <source> by a newer Quibbix; this one reads format </source>
        <translation> par un Quibbix plus récent&#xa0;; celui-ci lit le format </translation>
    </message>
    <message>
        <source> and leaves the journal unread until it is updated</source>
        <translation> et laisse le journal non lu jusqu&apos;à sa propre mise à jour</translation>
    </message>
    <message>
        <source>: not a Quibbix journal (its first line is &quot;</source>
        <translation>&#xa0;: pas un journal Quibbix (sa première ligne est &quot;</translation>
    </message>
    <message>
        <source>an event of device </source>
        <translation>un événement de l&apos;appareil </translation>
    </message>
    <message>
        <source> in the journal of </source>
        <translation> dans le journal de </translation>
    </message>
    <message>
        <source>: the journal of device </source>
        <translation>&#xa0;: le journal de l&apos;appareil </translation>
    </message>
    <message>
        <source>, not of this computer&apos;s </source>
        <translation>, et non celui de cet ordinateur, </translation>
    </message>
    <message>
        <source>: holds the journal of device </source>
        <translation>&#xa0;: contient le journal de l&apos;appareil </translation>
    </message>
    <message>
        <source>no direction (f or b)</source>
        <translation>pas de sens (f ou b)</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD)</source>
        <translation>pas de date (YYYY-MM-DD)</translation>
    </message>
    <message>
        <source>no seconds of use</source>
        <translation>pas de secondes d&apos;utilisation</translation>
    </message>
    <message>
        <source>the event it undoes is no earlier event of its device</source>
        <translation>l&apos;événement qu&apos;il annule n&apos;est pas un événement antérieur de son appareil</translation>
    </message>
    <message>
        <source>no word id</source>
        <translation>pas d&apos;identifiant de mot</translation>
    </message>
    <message>
        <source>no judgement code (0 to 3)</source>
        <translation>pas de code de verdict (0 à 3)</translation>
    </message>
    <message>
        <source>no wall-clock offset</source>
        <translation>pas de décalage d&apos;horloge</translation>
    </message>
    <message>
        <source>a broken %XX escape in the word&apos;s text</source>
        <translation>une séquence d&apos;échappement %XX invalide dans le texte du mot</translation>
    </message>
    <message>
        <source>it has </source>
        <translation>elle a </translation>
    </message>
    <message>
        <source> fields, not </source>
        <translation> champs au lieu de </translation>
    </message>
    <message>
        <source>no clock time</source>
        <translation>pas d&apos;heure</translation>
    </message>
    <message>
        <source>no device id</source>
        <translation>pas d&apos;identifiant d&apos;appareil</translation>
    </message>
    <message>
        <source>no sequence number</source>
        <translation>pas de numéro de séquence</translation>
    </message>
    <message>
        <source>The list to replay holds </source>
        <translation>La liste à rejouer contient </translation>
    </message>
    <message>
        <source> words: a list studies from 1 to </source>
        <translation> mots&#xa0;; une liste peut en compter de 1 à </translation>
    </message>
    <message>
        <source>a judgement of word </source>
        <translation>un verdict sur le mot </translation>
    </message>
    <message>
        <source>, which the list does not hold, was left out</source>
        <translation>, que la liste ne contient pas, a été laissé de côté</translation>
    </message>
    <message>
        <source>; what was taken from it before stays, and the computer that writes it replaces it at its next sync</source>
        <translation>&#xa0;; ce qui en a été repris auparavant reste, et l’ordinateur qui l’écrit la remplace à sa prochaine synchronisation</translation>
    </message>
    <message>
        <source>: not the journal its name says; passed over</source>
        <translation>&#xa0;: pas le journal que son nom indique&#xa0;; ignoré</translation>
    </message>
    <message>
        <source>: no longer begins with what was taken from it; both are kept and read</source>
        <translation>&#xa0;: ne commence plus par ce qui en a été repris&#xa0;; les deux sont gardés et lus</translation>
    </message>
    <message>
        <source>: the journals there hold more than </source>
        <translation>&#xa0;: les journaux qu’il contient comptent plus de </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; the list keeps its progress here and is not synced</source>
        <translation> événements, plus que Quibbix n’en fusionne&#xa0;; la liste garde ici sa progression et n’est pas synchronisée</translation>
    </message>
    <message>
        <source>: changed what it held too many times; passed over, what was taken from it stays</source>
        <translation>&#xa0;: a changé son contenu trop de fois&#xa0;; ignoré, ce qui en a été repris reste</translation>
    </message>
    <message>
        <source>a word that is empty, holds a control character or is too long</source>
        <translation>un mot vide, contenant un caractère de contrôle ou trop long</translation>
    </message>
    <message>
        <source>a definition that holds a control character or is too long</source>
        <translation>une définition contenant un caractère de contrôle ou trop longue</translation>
    </message>
    <message>
        <source>: events of a kind a newer Quibbix writes, passed over; update Quibbix to take them</source>
        <translation>&#xa0;: événements d’un type qu’écrit un Quibbix plus récent, ignorés&#xa0;; mettez Quibbix à jour pour les prendre en compte</translation>
    </message>
    <message>
        <source>a sequence number beyond the events before it</source>
        <translation>un numéro de séquence au-delà des événements qui le précèdent</translation>
    </message>
    <message>
        <source>: taking it would make the journals hold more than </source>
        <translation>&#xa0;: la reprendre porterait les journaux à plus de </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; passed over</source>
        <translation> événements, plus que Quibbix n’en fusionne&#xa0;; ignoré</translation>
    </message>
    <message>
        <source>the words of the list as it joined cannot be read; nothing was written</source>
        <translation>les mots de la liste telle qu’elle a rejoint le dossier ne peuvent pas être lus&#xa0;; rien n’a été écrit</translation>
    </message>
    <message>
        <source>no name of a picture or recording</source>
        <translation>aucun nom d&apos;image ou d&apos;enregistrement</translation>
    </message>
    <message>
        <source>no event of this format (J, U, E, R, T or M)</source>
        <translation>aucun événement de ce format (J, U, E, R, T ou M)</translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation>Le dossier contient «&#xa0;%1&#xa0;», provenant d&apos;un autre ordinateur.</translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation>La liste «&#xa0;%1&#xa0;» d&apos;ici est refaite à partir de celle du dossier, mots et progression&#xa0;; son contenu actuel va d&apos;abord à la corbeille.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation>Elle est ajoutée ici comme nouvelle liste, avec ses mots et sa progression, et la liste «&#xa0;%1&#xa0;» reste telle quelle.</translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation>&amp;Ajouter «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation>Impossible de synchroniser</translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation>La liste «&#xa0;%1&#xa0;» n&apos;a pas été ajoutée.

%2</translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation>Synchroniser «&#xa0;%1&#xa0;» par un dossier</translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas se synchroniser par %2.

%3</translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation>«&#xa0;%1&#xa0;» se synchronise désormais par %2.</translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation>

Sur vos autres ordinateurs, une fois le dossier arrivé, choisissez Synchroniser… avec le même dossier.</translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation>

Ses mots et sa progression viennent du dossier. </translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation>«&#xa0;%1&#xa0;» se synchronise par %2.</translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation>Elle se synchronise à chaque ouverture ou enregistrement. Arrêter laisse le dossier et la progression de la liste tels quels.</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>Synchroniser &amp;maintenant</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>&amp;Arrêter la synchronisation</translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation>Impossible d&apos;arrêter la synchronisation</translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation>«&#xa0;%1&#xa0;» se synchronise toujours.

%2</translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation>La liste «&#xa0;%1&#xa0;» n&apos;a pas été synchronisée.

%2</translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation>Rien de nouveau n&apos;est arrivé des autres ordinateurs.</translation>
    </message>
    <message>
        <source>Pick an empty folder inside the folder your sync program shares (Syncthing, Nextcloud, Dropbox…), or, on another computer, the folder the first one made for this list. A name typed that is not there yet becomes a new folder.</source>
        <translation>Choisissez un dossier vide dans le dossier que partage votre programme de synchronisation (Syncthing, Nextcloud, Dropbox…), ou, sur un autre ordinateur, le dossier que le premier a créé pour cette liste. Un nom tapé qui n’existe pas encore devient un nouveau dossier.</translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s, such as “%2”. Pick an empty folder, or the folder another computer made for this list.</source>
        <translation>%1 contient des fichiers qui n’appartiennent à aucune liste Quibbix, comme «&#xa0;%2&#xa0;». Choisissez un dossier vide, ou le dossier qu’un autre ordinateur a créé pour cette liste.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 ne peut pas être créé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Not This Folder</source>
        <translation>Pas ce dossier</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>cannot make the trash folder %1: %2</source>
        <translation>impossible de créer le dossier de la corbeille %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is in the trash, but the disk did not confirm it: %2</source>
        <translation>%1 est dans la corbeille, mais le disque ne l&apos;a pas confirmé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the trash (%1) is on another file system, and nothing is deleted here; %2 was left as it was</source>
        <translation>la corbeille (%1) est sur un autre système de fichiers, et rien n&apos;est supprimé ici&#xa0;; %2 a été laissé tel quel</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>impossible de mettre %1 à la corbeille&#xa0;: %2</translation>
    </message>
    <message>
        <source>no free name in the trash for %1</source>
        <translation>aucun nom libre dans la corbeille pour %1</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation>à voir</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation>manqué</translation>
    </message>
    <message>
        <source>unsure</source>
        <translation>incertain</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>known</source>
        <translation>connu</translation>
    </message>
    <message>
        <source>known, under review</source>
        <translation>connu, en révision</translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation>Seul un mot ou une définition peut être modifié.</translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation>La liste contient %1 mots, le maximum pour une liste.</translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation>Une liste garde au moins un mot.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>State Back</source>
        <translation>État inverse</translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation>Compteur inverse</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>Le mot</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Sa définition</translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation>Où en est le mot, étudié du mot vers la définition</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation>Bonnes réponses d&apos;affilée pendant son apprentissage, du mot vers la définition</translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation>Où en est le mot, étudié à l&apos;envers, de la définition vers le mot</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation>Bonnes réponses d&apos;affilée pendant son apprentissage, à l&apos;envers</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Picture and Sound</source>
        <translation>Image et son</translation>
    </message>
    <message>
        <source>The card&apos;s picture, and whether it has its own recording</source>
        <translation>L&apos;image de la carte, et si elle a son propre enregistrement</translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation>
            <numerusform>Supprimer %n mot&#xa0;?</numerusform>
            <numerusform>Supprimer %n mots&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation> Sa progression part avec lui (une copie est conservée).</translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation>Tous ont une progression, qui part avec eux (une copie est conservée).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation>
            <numerusform>%n d&apos;entre eux a une progression, qui part avec lui (une copie est conservée).</numerusform>
            <numerusform>%n d&apos;entre eux ont une progression, qui part avec eux (une copie est conservée).</numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Nouveau mot</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Sa définition</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Mot&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation>&amp;Définition&#xa0;:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation>Mots — %1[*]</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation>Rechercher dans les mots et les définitions</translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation>Mots et définitions, sans tenir compte de la casse ni des accents</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation>Chaque mot avec sa définition et sa progression dans les deux sens</translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation>Mots affichés</translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation>&amp;Ajouter un mot…</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Ajouter un mot</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation>Supprimer les mots sélectionnés</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ann&amp;uler</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annuler la dernière modification</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>Enregistrer les modifications</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n mot</numerusform>
            <numerusform>%n mots</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 sur %2 affichés</translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation>Le mot n&apos;est pas ajouté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation>Supprimer des mots</translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation>Non modifié&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation>Les mots ne sont pas enregistrés&#xa0;: la liste a été modifiée ailleurs depuis que cette fenêtre l&apos;a ouverte, et l&apos;enregistrement annulerait ces modifications. Fermez la fenêtre sans enregistrer et rouvrez-la.</translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation>Les mots ne sont pas enregistrés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation>Les mots ont été enregistrés, mais ne peuvent pas être réaffichés&#xa0;: %1.</translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation> — enregistrés&#xa0;: </translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation>Enregistrer les modifications des mots de %1&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Picture and Sound</source>
        <translation>&amp;Image et son</translation>
    </message>
    <message>
        <source>Give the word a picture or a recording from a file, or take them away</source>
        <translation>Donner au mot une image ou un enregistrement depuis un fichier, ou les retirer</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Picture…</source>
        <translation>Ajouter ou remplacer l&apos;&amp;image…</translation>
    </message>
    <message>
        <source>Remove P&amp;icture</source>
        <translation>&amp;Retirer l&apos;image</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Recording…</source>
        <translation>Ajouter ou remplacer l&apos;&amp;enregistrement…</translation>
    </message>
    <message>
        <source>Remove R&amp;ecording</source>
        <translation>Re&amp;tirer l&apos;enregistrement</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</source>
        <translation>Images (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)</source>
        <translation>Enregistrements (*.wav *.flac *.ogg *.oga *.opus *.mp3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Enregistrement</translation>
    </message>
</context>
</TS>
