<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AnswerLine</name>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Type the answer, then press Enter</source>
        <translation>Escriba la respuesta y pulse Intro</translation>
    </message>
    <message>
        <source>Right: Enter for &quot;I Know&quot;</source>
        <translation>Correcto: Intro para «Lo sé»</translation>
    </message>
    <message>
        <source>Right but for the accents: Enter for &quot;Not Sure&quot;</source>
        <translation>Correcto salvo los acentos: Intro para «No estoy seguro»</translation>
    </message>
    <message numerus="yes">
        <source>%n letter(s) off: Enter for &quot;Not Sure&quot;</source>
        <translation>
            <numerusform>%n letra mal: Intro para «No estoy seguro»</numerusform>
            <numerusform>%n letras mal: Intro para «No estoy seguro»</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing typed: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>Nada escrito: Intro para «No lo sé»</translation>
    </message>
    <message>
        <source>Not the answer: Enter for &quot;Don&apos;t Know&quot;</source>
        <translation>No es la respuesta: Intro para «No lo sé»</translation>
    </message>
    <message>
        <source>Typed wrong: %1</source>
        <translation>Escrito mal: %1</translation>
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
        <translation>Tiempo restante</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>En descanso</translation>
    </message>
    <message>
        <source>This is a %1 minutes break.
It is good time to stretch a little and relax your eyes

Press OK to end break</source>
        <translation>Este es un descanso de %1 minutos.
Es un buen momento para estirarse un poco y descansar la vista

Pulse Aceptar para terminar el descanso</translation>
    </message>
    <message>
        <source>Time left: %1:%2</source>
        <translation>Tiempo restante: %1:%2</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Descanso</translation>
    </message>
    <message>
        <source>About the break</source>
        <translation>Sobre el descanso</translation>
    </message>
    <message>
        <source>Break Over</source>
        <translation>Fin del descanso</translation>
    </message>
    <message>
        <source>Quibbix — On Break</source>
        <translation>Quibbix — En descanso</translation>
    </message>
</context>
<context>
    <name>CQuibConfigDlg</name>
    <message>
        <source>Sample</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>Use for Every List</source>
        <translation>Para todas las listas</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list</source>
        <translation>Usar estas fuentes y colores para todas las listas</translation>
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
        <translation>Cuántas veces se mostró una palabra, contando cada repetición: no el número de palabras distintas</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened.

</source>
        <translation>No se puede abrir la ventana Progreso.

</translation>
    </message>
    <message>
        <source>Known words come back for review when few words are left to be viewed, so on a small list most of them wait among those; the list of lists counts them as known</source>
        <translation>Las palabras conocidas vuelven a repasarse cuando quedan pocas palabras por ver, así que en una lista pequeña la mayoría espera entre ellas; la lista de listas las cuenta como conocidas</translation>
    </message>
</context>
<context>
    <name>CQuibbixDlg</name>
    <message>
        <source>Press &quot;I Know&quot; to Start</source>
        <translation>Pulse «Lo sé» para empezar</translation>
    </message>
    <message>
        <source>Not synced this time: your answers wait for the next sync</source>
        <translation>Sin sincronizar esta vez: sus respuestas esperan a la próxima sincronización</translation>
    </message>
    <message>
        <source>Use &quot;Fonts and Colors&quot; button to select fonts and colors for vocabulary display box (above) and definition display box (here).

(V1.0)</source>
        <translation>Use el botón «Fuentes y colores» para elegir las fuentes y los colores del cuadro de la palabra (arriba) y del cuadro de la definición (aquí).

(V1.0)</translation>
    </message>
    <message>
        <source>backwards</source>
        <translation>al revés</translation>
    </message>
    <message>
        <source>, backwards</source>
        <translation>, al revés</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>E&amp;ditar palabras…</translation>
    </message>
    <message>
        <source>Some of your progress could not be read. Quit now to look into it? (No studies on; the files that could not be read are left as they are.)</source>
        <translation>Parte de su progreso no se pudo leer. ¿Salir ahora para revisarlo? (No: se sigue estudiando; los archivos que no se pudieron leer quedan como están).</translation>
    </message>
    <message>
        <source>I Know (K)</source>
        <translation>Lo sé (K)</translation>
    </message>
    <message>
        <source>Not Sure (S)</source>
        <translation>No estoy seguro (S)</translation>
    </message>
    <message>
        <source>Don&apos;t Know (D)</source>
        <translation>No lo sé (D)</translation>
    </message>
    <message>
        <source>
Ctrl+Z or Backspace takes the last verdict back
Ctrl+E edits the list&apos;s words</source>
        <translation>
Ctrl+Z o Retroceso deshace el último veredicto
Ctrl+E edita las palabras de la lista</translation>
    </message>
    <message>
        <source>
Backwards: answer with the word for the definition shown</source>
        <translation>
Al revés: responda con la palabra de la definición mostrada</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>No se pueden editar las palabras</translation>
    </message>
    <message>
        <source>Quibbix cannot show the words: %1</source>
        <translation>Quibbix no puede mostrar las palabras: %1</translation>
    </message>
    <message>
        <source>The words in each list and the time studied</source>
        <translation>Las palabras de cada lista y el tiempo de estudio</translation>
    </message>
    <message>
        <source>The fonts and colors of the word and the definition</source>
        <translation>Las fuentes y los colores de la palabra y de la definición</translation>
    </message>
    <message>
        <source>A two-minute rest, now</source>
        <translation>Un descanso de dos minutos, ahora</translation>
    </message>
    <message>
        <source>Save and leave</source>
        <translation>Guardar y salir</translation>
    </message>
    <message>
        <source>Your progress could not be saved. Try again?</source>
        <translation>No se pudo guardar su progreso. ¿Reintentar?</translation>
    </message>
    <message>
        <source>Do you want to leave?</source>
        <translation>¿Desea salir?</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>Your fonts and colors could not be saved.

%1

They are used until Quibbix closes; the ones saved before are kept as they were. Free some space or fix the file, then press OK in &quot;Fonts and Colors&quot; again.</source>
        <translation>No se pudieron guardar sus fuentes y colores.

%1

Se usan hasta que se cierre Quibbix; los guardados antes se conservan tal como estaban. Libere espacio o repare el archivo y vuelva a pulsar Aceptar en «Fuentes y colores».</translation>
    </message>
    <message>
        <source>Choose a &amp;List…</source>
        <translation>Elegir una &amp;lista…</translation>
    </message>
    <message>
        <source>The lists cannot be shown: %1</source>
        <translation>No se pueden mostrar las listas: %1</translation>
    </message>
    <message>
        <source>Use these fonts and colors for every list, and for every list added from now on?</source>
        <translation>¿Usar estas fuentes y colores para todas las listas, también para las que se añadan a partir de ahora?</translation>
    </message>
    <message>
        <source>Fonts and Colors</source>
        <translation>Fuentes y colores</translation>
    </message>
    <message>
        <source>The fonts and colors are kept for this list only: %1</source>
        <translation>Las fuentes y colores se quedan solo en esta lista: %1</translation>
    </message>
</context>
<context>
    <name>CStudyLine</name>
    <message numerus="yes">
        <source>break in %n word(s)</source>
        <translation>
            <numerusform>descanso en %n palabra</numerusform>
            <numerusform>descanso en %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>break in %1 min</source>
        <translation>descanso en %1 min</translation>
    </message>
    <message>
        <source>break in %1 s</source>
        <translation>descanso en %1 s</translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) seen once</source>
        <translation>
            <numerusform>Vista la única palabra (%n)</numerusform>
            <numerusform>Vistas las %n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All %n word(s) known</source>
        <translation>
            <numerusform>Todo conocido: %n palabra</numerusform>
            <numerusform>Todo conocido: %n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to view</source>
        <translation>%1 por ver</translation>
    </message>
    <message>
        <source>Study progress</source>
        <translation>Progreso del estudio</translation>
    </message>
    <message numerus="yes">
        <source>%n other(s)</source>
        <translation>
            <numerusform>%n otra</numerusform>
            <numerusform>%n otras</numerusform>
        </translation>
    </message>
    <message>
        <source>This session: %1 &quot;I Know&quot;, %2
%3, %4</source>
        <translation>Esta sesión: %1 «Lo sé», %2
%3, %4</translation>
    </message>
    <message>
        <source>Now your verdict:
did you really know it?</source>
        <translation>Ahora su veredicto:
¿de verdad la sabía?</translation>
    </message>
    <message>
        <source>Noted as not sure:
any answer goes on.</source>
        <translation>Anotada como dudosa:
cualquier respuesta pasa a la siguiente.</translation>
    </message>
    <message>
        <source>Noted as not known:
any answer goes on.</source>
        <translation>Anotada como desconocida:
cualquier respuesta pasa a la siguiente.</translation>
    </message>
    <message>
        <source>Paused while you were away
%1, %2</source>
        <translation>En pausa mientras no estaba
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
        <translation>Añadir una lista</translation>
    </message>
    <message>
        <source>Word lists (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;All files (*)</source>
        <translation>Listas de palabras (*.kvtml *.csv *.tsv *.txt *.xml *.apkg *.colpkg);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Quibbix: Choose a List</source>
        <translation>Quibbix: elegir una lista</translation>
    </message>
    <message>
        <source>&amp;Lists:</source>
        <translation>&amp;Listas:</translation>
    </message>
    <message>
        <source>Word lists</source>
        <translation>Listas de palabras</translation>
    </message>
    <message>
        <source>Each list with its words, the words known each way, when it was last studied and the folder it syncs through</source>
        <translation>Cada lista con sus palabras, las palabras conocidas en cada sentido, cuándo se estudió por última vez y la carpeta mediante la que se sincroniza</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Known</source>
        <translation>Conocidas</translation>
    </message>
    <message>
        <source>Known Backwards</source>
        <translation>Conocidas al revés</translation>
    </message>
    <message>
        <source>Last Studied</source>
        <translation>Último estudio</translation>
    </message>
    <message>
        <source>Synced Through</source>
        <translation>Sincronizada con</translation>
    </message>
    <message>
        <source>&amp;Add a List…</source>
        <translation>&amp;Añadir una lista…</translation>
    </message>
    <message>
        <source>Add a list from a file</source>
        <translation>Añadir una lista desde un archivo</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nombrar</translation>
    </message>
    <message>
        <source>Rename the selected list</source>
        <translation>Renombrar la lista seleccionada</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move the selected list to the trash</source>
        <translation>Mover la lista seleccionada a la papelera</translation>
    </message>
    <message>
        <source>&amp;Edit Words…</source>
        <translation>E&amp;ditar palabras…</translation>
    </message>
    <message>
        <source>Edit the words of the selected list</source>
        <translation>Editar las palabras de la lista seleccionada</translation>
    </message>
    <message>
        <source>S&amp;ync…</source>
        <translation>&amp;Sincronizar…</translation>
    </message>
    <message>
        <source>Sync the selected list through a folder with other computers</source>
        <translation>Sincronizar la lista seleccionada con otros equipos mediante una carpeta</translation>
    </message>
    <message>
        <source>&amp;Study</source>
        <translation>&amp;Estudiar</translation>
    </message>
    <message>
        <source>Study the selected list</source>
        <translation>Estudiar la lista seleccionada</translation>
    </message>
    <message>
        <source>&amp;Backwards</source>
        <translation>Al &amp;revés</translation>
    </message>
    <message>
        <source>Study the selected list from the definition to the word; each way keeps its own progress</source>
        <translation>Estudiar la lista seleccionada de la definición a la palabra; cada sentido conserva su propio progreso</translation>
    </message>
    <message>
        <source>Cannot Edit the Words</source>
        <translation>No se pueden editar las palabras</translation>
    </message>
    <message>
        <source>The words of “%1” cannot be shown.

%2</source>
        <translation>No se pueden mostrar las palabras de «%1».

%2</translation>
    </message>
    <message>
        <source>Rename List</source>
        <translation>Renombrar la lista</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>Nuevo nombre:</translation>
    </message>
    <message>
        <source>Cannot Rename</source>
        <translation>No se puede renombrar</translation>
    </message>
    <message>
        <source>“%1” was not renamed.

%2</source>
        <translation>No se ha renombrado «%1».

%2</translation>
    </message>
    <message>
        <source>Remove List</source>
        <translation>Quitar la lista</translation>
    </message>
    <message>
        <source>Move the list “%1” to the trash?</source>
        <translation>¿Mover la lista «%1» a la papelera?</translation>
    </message>
    <message>
        <source>Its words and its progress go to the desktop&apos;s trash, from where you can restore them.</source>
        <translation>Sus palabras y su progreso van a la papelera del escritorio, desde donde puede restaurarlos.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover a la &amp;papelera</translation>
    </message>
    <message>
        <source>Cannot Remove</source>
        <translation>No se puede quitar</translation>
    </message>
    <message>
        <source>“%1” was not moved to the trash.

%2</source>
        <translation>No se ha movido «%1» a la papelera.

%2</translation>
    </message>
    <message>
        <source>Spee&amp;ch…</source>
        <translation>&amp;Voz…</translation>
    </message>
    <message>
        <source>The languages the selected list is spoken in, and whether each word is spoken as it appears</source>
        <translation>Los idiomas en que se pronuncia la lista seleccionada y si cada palabra se pronuncia al aparecer</translation>
    </message>
    <message>
        <source>Cannot Save</source>
        <translation>No se puede guardar</translation>
    </message>
    <message>
        <source>The speech settings of “%1” were not saved.

%2</source>
        <translation>No se han guardado los ajustes de voz de «%1».

%2</translation>
    </message>
    <message>
        <source>&amp;Type the Answer</source>
        <translation>Escri&amp;bir la respuesta</translation>
    </message>
    <message>
        <source>Type each answer and be told what was off; backwards, this practises spelling</source>
        <translation>Escriba cada respuesta y vea qué estaba mal; al revés, practica la ortografía</translation>
    </message>
</context>
<context>
    <name>CommonDialogs</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
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
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Aguamarina</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Color:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
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
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>No lo sé</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>No estoy seguro</translation>
    </message>
    <message>
        <source>I Know</source>
        <translation>Lo sé</translation>
    </message>
    <message>
        <source>&amp;Fonts and Colors</source>
        <translation>&amp;Fuentes y
colores</translation>
    </message>
    <message>
        <source>&amp;Show Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Take A &amp;Break</source>
        <translation>&amp;Descansar</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Vocabulary</source>
        <translation>Vocabulario</translation>
    </message>
    <message>
        <source>Word box font and colors</source>
        <translation>Fuente y colores del cuadro de la palabra</translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source> Sample</source>
        <translation> Ejemplo</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <source>Definition box font and colors</source>
        <translation>Fuente y colores del cuadro de la definición</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Program background color</source>
        <translation>Color de fondo del programa</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Total Words in This Program :</source>
        <translation>Total de palabras:</translation>
    </message>
    <message>
        <source>Words Viewed :</source>
        <translation>Palabras vistas:</translation>
    </message>
    <message>
        <source>Words Learned :</source>
        <translation>Palabras aprendidas:</translation>
    </message>
    <message>
        <source>Time for This Session :</source>
        <translation>Tiempo de la sesión:</translation>
    </message>
    <message>
        <source>Time Use This Program :</source>
        <translation>Tiempo total de uso:</translation>
    </message>
    <message>
        <source>Mistaken Words :</source>
        <translation>Palabras falladas:</translation>
    </message>
    <message>
        <source>Not Sure Words :</source>
        <translation>Palabras dudosas:</translation>
    </message>
    <message>
        <source>Don&apos;t Know Words :</source>
        <translation>Palabras desconocidas:</translation>
    </message>
    <message>
        <source>Learning Words :</source>
        <translation>Palabras en curso:</translation>
    </message>
    <message>
        <source>Known Words :</source>
        <translation>Palabras conocidas:</translation>
    </message>
    <message>
        <source>Words in To Be Viewed List :</source>
        <translation>Palabras por ver:</translation>
    </message>
    <message>
        <source>Progress...</source>
        <translation>Progreso...</translation>
    </message>
    <message>
        <source>On Break</source>
        <translation>En descanso</translation>
    </message>
    <message>
        <source>BREAK</source>
        <translation>DESCANSO</translation>
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
        <translation>%1 no se lee como %2.

%3</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. Choose the one in which its first lines read right.</source>
        <translation>%1 no está en UTF-8, y Quibbix no sabe con qué codificación se guardó. Elija aquella con la que sus primeras líneas se leen bien.</translation>
    </message>
    <message>
        <source>but that is hardly more than a guess</source>
        <translation>pero es poco más que una suposición</translation>
    </message>
    <message>
        <source>but it is not sure of it</source>
        <translation>pero sin estar seguro</translation>
    </message>
    <message>
        <source>%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines do not read right below, choose the encoding it was saved in.</source>
        <translation>%1 no está en UTF-8. Quibbix supone que se guardó en %2, %3. Si sus primeras líneas no se leen bien abajo, elija la codificación con la que se guardó.</translation>
    </message>
    <message>
        <source>Choose the File&apos;s Encoding</source>
        <translation>Elegir la codificación del archivo</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codificación:</translation>
    </message>
    <message>
        <source>First &amp;lines as they would read:</source>
        <translation>&amp;Primeras líneas tal como se leerían:</translation>
    </message>
    <message>
        <source>First lines of the file</source>
        <translation>Primeras líneas del archivo</translation>
    </message>
    <message>
        <source>Some bytes have no character in this encoding; they show as %1.</source>
        <translation>Algunos bytes no tienen carácter en esta codificación; se muestran como %1.</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Add the file in this encoding</source>
        <translation>Añadir el archivo con esta codificación</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Cancelar, no añadir nada</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Codificación</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Word State</source>
        <translation>Estado de la palabra</translation>
    </message>
    <message>
        <source>Maintain List</source>
        <translation>Mantenimiento de la lista</translation>
    </message>
    <message>
        <source>Error: Opening </source>
        <translation>Error al abrir </translation>
    </message>
    <message>
        <source>Error: No Valid Record File</source>
        <translation>Error: no hay ningún archivo de registro válido</translation>
    </message>
    <message>
        <source>Failed to generate random list</source>
        <translation>No se pudo generar la lista aleatoria</translation>
    </message>
    <message>
        <source>Your study history could not be read whole:</source>
        <translation>Su historial de estudio no se pudo leer por completo:</translation>
    </message>
    <message>
        <source>Some of your progress could not be read:</source>
        <translation>Parte de su progreso no se pudo leer:</translation>
    </message>
    <message>
        <source>Your progress could not be saved.</source>
        <translation>No se pudo guardar su progreso.</translation>
    </message>
    <message>
        <source>What was saved before is kept as it was. Free some space or fix the file, then save again.</source>
        <translation>Lo guardado antes se conserva tal como estaba. Libere espacio o repare el archivo y vuelva a guardar.</translation>
    </message>
</context>
<context>
    <name>EntryChecker</name>
    <message>
        <source>the entry is refused</source>
        <translation>la entrada se rechaza</translation>
    </message>
</context>
<context>
    <name>FolderLock</name>
    <message>
        <source>Quibbix is already running on this folder.</source>
        <translation>Quibbix ya se está ejecutando en esta carpeta.</translation>
    </message>
    <message>
        <source>Already Running</source>
        <translation>Ya en ejecución</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quibbix Help</source>
        <translation>Ayuda de Quibbix</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>this row looks like column titles and was imported as an entry</source>
        <translation>esta fila parece de títulos de columna y se importó como una entrada</translation>
    </message>
    <message>
        <source>more than %1 fields on one line; the file is read no further</source>
        <translation>más de %1 campos en una línea; no se lee el resto del archivo</translation>
    </message>
    <message>
        <source>quote that does not close the field; the field is read as written</source>
        <translation>comilla que no cierra el campo; el campo se lee tal como está escrito</translation>
    </message>
    <message>
        <source>quote inside an unquoted field, taken literally</source>
        <translation>comilla dentro de un campo sin comillas, tomada literalmente</translation>
    </message>
    <message>
        <source>holds %1, which would break the record</source>
        <translation>contiene %1, que rompería el registro</translation>
    </message>
    <message>
        <source>holds the control character %1</source>
        <translation>contiene el carácter de control %1</translation>
    </message>
    <message>
        <source>holds %1 (%2), which Windows-1252 cannot hold</source>
        <translation>contiene %1 (%2), que no existe en Windows-1252</translation>
    </message>
    <message>
        <source>is %1 bytes in %2 and has no place to cut it to %3</source>
        <translation>ocupa %1 bytes en %2 y no tiene dónde recortarse a %3</translation>
    </message>
    <message>
        <source>would read back as &quot;%1&quot; when stored in %2</source>
        <translation>se leería como «%1» al guardarse en %2</translation>
    </message>
    <message>
        <source>more than %1 entries, the most a list can hold; the file is read no further</source>
        <translation>más de %1 entradas, el máximo que admite una lista; no se lee el resto del archivo</translation>
    </message>
    <message>
        <source>unknown encoding &quot;%1&quot;</source>
        <translation>codificación desconocida «%1»</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1)</source>
        <translation>no es UTF-8 válido (byte %1)</translation>
    </message>
    <message>
        <source>this system has no converter for %1</source>
        <translation>este sistema no tiene ningún conversor para %1</translation>
    </message>
    <message>
        <source>byte %1 has no character in %2</source>
        <translation>el byte %1 no tiene carácter en %2</translation>
    </message>
    <message>
        <source>not UTF-8; read as %1 (guessed, %2% sure</source>
        <translation>no está en UTF-8; se lee como %1 (por suposición, con un %2 por ciento de seguridad</translation>
    </message>
    <message>
        <source>not valid UTF-8 (byte %1) and in no encoding Quibbix can guess</source>
        <translation>no es UTF-8 válido (byte %1) ni está en ninguna codificación que Quibbix pueda adivinar</translation>
    </message>
    <message>
        <source>not a KVTML document (no &lt;kvtml&gt; root element)</source>
        <translation>no es un documento KVTML (no hay elemento raíz &lt;kvtml&gt;)</translation>
    </message>
    <message>
        <source>XML error: %1</source>
        <translation>error de XML: %1</translation>
    </message>
    <message>
        <source>deactivated entry skipped</source>
        <translation>entrada desactivada omitida</translation>
    </message>
    <message>
        <source>empty entry skipped</source>
        <translation>entrada vacía omitida</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot; dropped</source>
        <translation>palabra repetida «%1» descartada</translation>
    </message>
    <message>
        <source>duplicate word &quot;%1&quot;</source>
        <translation>palabra repetida «%1»</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;</source>
        <translation>la palabra «%1»</translation>
    </message>
    <message>
        <source>definition of &quot;%1&quot;</source>
        <translation>la definición de «%1»</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 cut from %2 to %3</source>
        <translation>%1 recortada de %2 a %3</translation>
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
        <translation>omitida: %1</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Western European</source>
        <translation>Europeo occidental</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Europeo central</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
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
        <translation>Tailandés</translation>
    </message>
    <message>
        <source>South European</source>
        <translation>Europeo del sur</translation>
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
        <translation>Europeo del sudeste</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
    <message>
        <source>Western European, Mac</source>
        <translation>Europeo occidental, Mac</translation>
    </message>
    <message>
        <source>Central European, Mac</source>
        <translation>Europeo central, Mac</translation>
    </message>
    <message>
        <source>Cyrillic, Mac</source>
        <translation>Cirílico, Mac</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Chinese, Simplified</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Chinese, Traditional</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>skipped &quot;%1&quot; as a title line; if it is an entry, quote its word</source>
        <translation>se omitió «%1» como línea de título; si es una entrada, ponga su palabra entre comillas</translation>
    </message>
    <message>
        <source>read as %1</source>
        <translation>leído como %1</translation>
    </message>
    <message>
        <source>this is a spreadsheet; save it as CSV (comma-separated values) and import that</source>
        <translation>es una hoja de cálculo; guárdela como CSV (valores separados por comas) e importe ese archivo</translation>
    </message>
    <message>
        <source>larger than %1 MiB, the most a word file may be; nothing read</source>
        <translation>ocupa más de %1 MiB, el máximo para un archivo de palabras; no se ha leído nada</translation>
    </message>
    <message>
        <source>cannot read the file</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria insuficiente</translation>
    </message>
    <message>
        <source>it holds or computes a value larger than %1; refused as damaged</source>
        <translation>contiene o calcula un valor mayor que %1; se rechaza como dañada</translation>
    </message>
    <message>
        <source>reading it takes more than %1 of memory; refused as damaged</source>
        <translation>leerla requiere más de %1 de memoria; se rechaza como dañada</translation>
    </message>
    <message>
        <source>reading it takes more work than any collection needs; refused as damaged</source>
        <translation>leerla requiere más trabajo del que necesita cualquier colección; se rechaza como dañada</translation>
    </message>
    <message>
        <source>it holds more than %1 notes, the most a list can hold</source>
        <translation>contiene más de %1 notas, el máximo que admite una lista</translation>
    </message>
    <message>
        <source>it holds no notes table</source>
        <translation>no contiene ninguna tabla de notas</translation>
    </message>
    <message>
        <source>; it may come from a newer Anki: export it again with &quot;Support older Anki versions&quot; ticked</source>
        <translation>; puede proceder de una versión más reciente de Anki: expórtelo de nuevo con la compatibilidad con versiones anteriores de Anki marcada («Support older Anki versions»)</translation>
    </message>
    <message>
        <source>not a readable Anki package: the zip archive is damaged or cut short (%1)</source>
        <translation>no es un paquete de Anki legible: el archivo zip está dañado o incompleto (%1)</translation>
    </message>
    <message>
        <source>not an Anki package: the zip archive holds no collection (collection.anki21b, collection.anki21 or collection.anki2)</source>
        <translation>no es un paquete de Anki: el archivo zip no contiene ninguna colección (collection.anki21b, collection.anki21 o collection.anki2)</translation>
    </message>
    <message>
        <source>not a readable Anki collection in %1: %2</source>
        <translation>no hay una colección de Anki legible en %1: %2</translation>
    </message>
    <message>
        <source>unknown Anki package version %1</source>
        <translation>versión %1 de paquete de Anki desconocida</translation>
    </message>
    <message>
        <source>the Anki package is encrypted (a zip with a password), which Anki never writes; nothing read</source>
        <translation>el paquete de Anki está cifrado (un zip con contraseña), algo que Anki nunca genera; no se ha leído nada</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MiB; refused as damaged</source>
        <translation>%1 ocupa más de %2 MiB; se rechaza como dañado</translation>
    </message>
    <message>
        <source>the Anki package is damaged: %1 cannot be read (%2)</source>
        <translation>el paquete de Anki está dañado: no se puede leer %1 (%2)</translation>
    </message>
    <message>
        <source>out of memory unpacking the collection</source>
        <translation>memoria insuficiente al descomprimir la colección</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection does not unpack (%1)</source>
        <translation>el paquete de Anki está dañado: su colección no se puede descomprimir (%1)</translation>
    </message>
    <message>
        <source>the collection unpacks to more than %1 MiB; refused as damaged</source>
        <translation>la colección descomprimida ocupa más de %1 MiB; se rechaza como dañada</translation>
    </message>
    <message>
        <source>the Anki package is damaged: its collection is cut short</source>
        <translation>el paquete de Anki está dañado: su colección está incompleta</translation>
    </message>
    <message>
        <source> (first on line %1)</source>
        <translation> (primera aparición en la línea %1)</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>palabra vacía</translation>
    </message>
    <message>
        <source>word &quot;%1&quot;: no definition</source>
        <translation>palabra «%1»: sin definición</translation>
    </message>
    <message>
        <source>has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>tiene %1 letras; una palabra admite como mucho %2 (%3 en Windows-1252, %4 caracteres chinos, japoneses o coreanos)</translation>
    </message>
    <message>
        <source>has %1 letters; a definition holds at most %2 (%3 in Windows-1252, %4 Chinese, Japanese or Korean characters)</source>
        <translation>tiene %1 letras; una definición admite como mucho %2 (%3 en Windows-1252, %4 caracteres chinos, japoneses o coreanos)</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: no es una imagen ni una grabación que Quibbix guarde; se omite</translation>
    </message>
    <message>
        <source>%1: not in the package&apos;s media; left out</source>
        <translation>%1: no está entre los archivos del paquete; se omite</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: mayor de 16 MiB; se omite</translation>
    </message>
    <message>
        <source>%1: cannot be read from the package; left out</source>
        <translation>%1: no se puede leer del paquete; se omite</translation>
    </message>
    <message>
        <source>%1: no such file; left out</source>
        <translation>%1: no existe ese archivo; se omite</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: un enlace simbólico, que nunca se sigue; se omite</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: no es un archivo normal; se omite</translation>
    </message>
    <message>
        <source>%1: not a file beside the document; left out</source>
        <translation>%1: no es un archivo junto al documento; se omite</translation>
    </message>
</context>
<context>
    <name>ImportAdvice</name>
    <message>
        <source>; use --header to skip it, --no-header to keep it</source>
        <translation>; use --header para omitirla, --no-header para conservarla</translation>
    </message>
    <message>
        <source>; give the encoding it was saved in with --input-encoding</source>
        <translation>; indique con --input-encoding la codificación con la que se guardó</translation>
    </message>
    <message>
        <source>; give the right encoding with --input-encoding</source>
        <translation>; indique la codificación correcta con --input-encoding</translation>
    </message>
    <message>
        <source>; --input-encoding chooses)</source>
        <translation>; se elige con --input-encoding)</translation>
    </message>
    <message>
        <source> (--truncate cuts it)</source>
        <translation> (--truncate la recorta)</translation>
    </message>
    <message>
        <source> (guessed; --format chooses)</source>
        <translation> (por suposición; se elige con --format)</translation>
    </message>
    <message>
        <source> (--include-deactivated keeps it)</source>
        <translation> (--include-deactivated la conserva)</translation>
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
        <translation>No se puede añadir este archivo</translation>
    </message>
    <message>
        <source>Quibbix cannot make a list from %1.

%2</source>
        <translation>Quibbix no puede crear una lista a partir de %1.

%2</translation>
    </message>
    <message numerus="yes">
        <source>%1 now holds %n word(s).</source>
        <translation>
            <numerusform>%1 contiene ahora %n palabra.</numerusform>
            <numerusform>%1 contiene ahora %n palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source> The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation> Las palabras que siguen en ella conservan su progreso, y se guardó una copia de su progreso anterior.</translation>
    </message>
    <message>
        <source>Column Titles?</source>
        <translation>¿Títulos de columna?</translation>
    </message>
    <message>
        <source>The first row looks like column titles: skip it?</source>
        <translation>La primera fila parece de títulos de columna: ¿omitirla?</translation>
    </message>
    <message>
        <source>It reads %1 and %2.</source>
        <translation>Dice %1 y %2.</translation>
    </message>
    <message>
        <source>A List of This Name Exists</source>
        <translation>Ya existe una lista con este nombre</translation>
    </message>
    <message>
        <source>You already have a list named %1, with progress.</source>
        <translation>Ya tiene una lista llamada %1, con progreso.</translation>
    </message>
    <message>
        <source>You already have a list named %1.</source>
        <translation>Ya tiene una lista llamada %1.</translation>
    </message>
    <message>
        <source>Update it with the words of %1 and keep the progress of every word that stays (its session is backed up first), or add the file as a new list beside it?</source>
        <translation>¿Actualizarla con las palabras de %1 y conservar el progreso de cada palabra que se mantenga (antes se hace una copia de su sesión), o añadir el archivo como una lista nueva junto a ella?</translation>
    </message>
    <message>
        <source>&amp;Update and Keep Progress</source>
        <translation>&amp;Actualizar y conservar el progreso</translation>
    </message>
    <message>
        <source>Add as a &amp;New List</source>
        <translation>Añadir como lista &amp;nueva</translation>
    </message>
    <message>
        <source>List Updated</source>
        <translation>Lista actualizada</translation>
    </message>
    <message>
        <source>It holds no words.</source>
        <translation>No contiene ninguna palabra.</translation>
    </message>
    <message>
        <source>; delete that row from the file if it holds no word</source>
        <translation>; elimine esa fila del archivo si no contiene ninguna palabra</translation>
    </message>
    <message>
        <source>; choose the encoding it was saved in</source>
        <translation>; elija la codificación con la que se guardó</translation>
    </message>
    <message>
        <source>; choose another encoding</source>
        <translation>; elija otra codificación</translation>
    </message>
    <message>
        <source>; shorten it in the file</source>
        <translation>; acórtela en el archivo</translation>
    </message>
    <message>
        <source>text with a tab between each word and its meaning</source>
        <translation>texto con un tabulador entre cada palabra y su significado</translation>
    </message>
    <message>
        <source>comma-separated text</source>
        <translation>texto separado por comas</translation>
    </message>
    <message>
        <source>text exported from Anki</source>
        <translation>texto exportado de Anki</translation>
    </message>
    <message>
        <source>a Mnemosyne export</source>
        <translation>una exportación de Mnemosyne</translation>
    </message>
    <message>
        <source>a KVTML vocabulary file</source>
        <translation>un archivo de vocabulario KVTML</translation>
    </message>
    <message>
        <source>an Anki package</source>
        <translation>un paquete de Anki</translation>
    </message>
    <message>
        <source>Quibbix read this file as %1</source>
        <translation>Quibbix leyó este archivo como %1</translation>
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
        <translation>la lista se está estudiando al revés; cierre primero Quibbix en esa lista</translation>
    </message>
    <message>
        <source>the list is being studied; close Quibbix on it first</source>
        <translation>la lista se está estudiando; cierre primero Quibbix en esa lista</translation>
    </message>
</context>
<context>
    <name>ListGuard</name>
    <message>
        <source>The copy of the word list as last studied (%1) is damaged, so the progress stays with the words by their position; the copy is kept as %1.bad.</source>
        <translation>La copia de la lista de palabras tal como se estudió por última vez (%1) está dañada, así que el progreso se mantiene con las palabras según su posición; la copia se guarda como %1.bad.</translation>
    </message>
    <message>
        <source>Quibbix cannot tell whether the words of this list changed since you last studied it, because its record of them is damaged. Your progress stays with the words as they are now.</source>
        <translation>Quibbix no puede saber si las palabras de esta lista cambiaron desde la última vez que la estudió, porque su registro de ellas está dañado. Su progreso se mantiene con las palabras tal como están ahora.</translation>
    </message>
    <message>
        <source>An update of the list was interrupted and cannot be finished: %1.</source>
        <translation>Se interrumpió una actualización de la lista y no se puede terminar: %1.</translation>
    </message>
    <message>
        <source>A change to the words of this list was interrupted and cannot be finished now, so the list cannot be studied. Your progress is as it was. Free some disk space, or make sure the list&apos;s folder can be written to, then start Quibbix again.</source>
        <translation>Se interrumpió un cambio en las palabras de esta lista y ahora no se puede terminar, así que la lista no se puede estudiar. Su progreso está como estaba. Libere espacio en el disco o asegúrese de que se puede escribir en la carpeta de la lista, y vuelva a iniciar Quibbix.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied, and the progress could not be moved onto it: %1</source>
        <translation>La lista de palabras cambió desde la última vez que se estudió, y no se pudo trasladar el progreso a ella: %1</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it, and your progress could not be moved onto the new words. Nothing was changed. To study this list, put its earlier word list back, or add the new words as a list of their own.</source>
        <translation>Las palabras de esta lista cambiaron desde la última vez que la estudió, y no se pudo trasladar su progreso a las nuevas palabras. No se ha cambiado nada. Para estudiar esta lista, vuelva a poner su lista de palabras anterior o añada las nuevas palabras como una lista aparte.</translation>
    </message>
    <message>
        <source>The word list changed since it was last studied: %1.</source>
        <translation>La lista de palabras cambió desde la última vez que se estudió: %1.</translation>
    </message>
    <message>
        <source>The words of this list changed since you last studied it. The words still in it keep their progress, and a copy of your earlier progress was kept.</source>
        <translation>Las palabras de esta lista cambiaron desde la última vez que la estudió. Las palabras que siguen en ella conservan su progreso, y se guardó una copia de su progreso anterior.</translation>
    </message>
</context>
<context>
    <name>ListImporter</name>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file holds no words to study</source>
        <translation>el archivo no contiene palabras que estudiar</translation>
    </message>
    <message>
        <source>the file holds %1 words; Quibbix can study at most %2</source>
        <translation>el archivo contiene %1 palabras; Quibbix puede estudiar como máximo %2</translation>
    </message>
    <message>
        <source>cannot read %1 (%2); nothing changed</source>
        <translation>no se puede leer %1 (%2); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>%1 was changed elsewhere since its words were read; nothing changed</source>
        <translation>%1 se cambió en otro lugar después de leer sus palabras; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>no hay ninguna lista llamada «%1»</translation>
    </message>
    <message>
        <source>cannot read %1, which the progress stands on</source>
        <translation>no se puede leer %1, en el que se basa el progreso</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>cannot write %1 (%2)</source>
        <translation>no se puede escribir %1 (%2)</translation>
    </message>
</context>
<context>
    <name>ListRebase</name>
    <message>
        <source>the session could not be rebased</source>
        <translation>no se pudo adaptar la sesión a la nueva lista</translation>
    </message>
    <message>
        <source>%1, %2 and %3; the old session files are kept as %4</source>
        <translation>%1, %2 y %3; los archivos anteriores de la sesión se guardan como %4</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s) keep(s) its/their progress</source>
        <translation>
            <numerusform>%n palabra conserva su progreso</numerusform>
            <numerusform>%n palabras conservan su progreso</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are gone</source>
        <translation>
            <numerusform>%n ya no está</numerusform>
            <numerusform>%n ya no están</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n is/are new</source>
        <translation>
            <numerusform>%n es nueva</numerusform>
            <numerusform>%n son nuevas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: cannot write (%2); the change is finished when the list is next opened</source>
        <translation>%1: no se puede escribir (%2); el cambio se completará la próxima vez que se abra la lista</translation>
    </message>
    <message>
        <source>%1: cannot write (%2); nothing changed</source>
        <translation>%1: no se puede escribir (%2); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>backwards, </source>
        <translation>al revés, </translation>
    </message>
    <message>
        <source>the pairing names %1 for %2</source>
        <translation>el emparejamiento indica %1 para %2</translation>
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
            <numerusform>%n registro nuevo</numerusform>
            <numerusform>%n registros nuevos</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives new record %1 old record %2, which is not among the %3</source>
        <translation>el emparejamiento asigna al registro nuevo %1 el registro antiguo %2, que no está entre los %3</translation>
    </message>
    <message numerus="yes">
        <source>%n old record(s)</source>
        <translation>
            <numerusform>%n registro antiguo</numerusform>
            <numerusform>%n registros antiguos</numerusform>
        </translation>
    </message>
    <message>
        <source>the pairing gives old record %1 to two new records</source>
        <translation>el emparejamiento asigna el registro antiguo %1 a dos registros nuevos</translation>
    </message>
    <message>
        <source>cannot write (%1); the change is finished when the list is next opened</source>
        <translation>no se puede escribir (%1); el cambio se completará la próxima vez que se abra la lista</translation>
    </message>
    <message>
        <source>cannot write (%1); nothing changed</source>
        <translation>no se puede escribir (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>an interrupted update cannot be finished (%1); nothing changed</source>
        <translation>no se puede terminar una actualización interrumpida (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>the new list has %1; a session needs 1 to %2</source>
        <translation>la nueva lista tiene %1; una sesión necesita de 1 a %2</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>cannot be read (%1); nothing changed</source>
        <translation>no se puede leer (%1); no se ha cambiado nada</translation>
    </message>
    <message>
        <source>no session here (no %1); nothing to rebase</source>
        <translation>aquí no hay ninguna sesión (falta %1); no hay nada que adaptar</translation>
    </message>
    <message>
        <source>is damaged; nothing changed (Quibbix keeps a copy of it as .bad and repairs it when it next saves)</source>
        <translation>está dañado; no se ha cambiado nada (Quibbix guarda una copia como .bad y lo repara la próxima vez que guarde)</translation>
    </message>
    <message>
        <source>the lists name word %1, beyond the %2 of the old list; is it the list this session was made with? Nothing changed (--force drops those entries)</source>
        <translation>las listas nombran la palabra %1, más allá de los %2 de la lista antigua; ¿es la lista con la que se creó esta sesión? No se ha cambiado nada (--force descarta esas entradas)</translation>
    </message>
    <message>
        <source>ambiguous matches; nothing changed (--force pairs them in file order)</source>
        <translation>coincidencias ambiguas; no se ha cambiado nada (--force las empareja en el orden del archivo)</translation>
    </message>
</context>
<context>
    <name>ListStore</name>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>a list needs a name</source>
        <translation>una lista necesita un nombre</translation>
    </message>
    <message>
        <source>the name is too long (at most %1 bytes)</source>
        <translation>el nombre es demasiado largo (como máximo %1 bytes)</translation>
    </message>
    <message>
        <source>the name holds control characters or outer spaces</source>
        <translation>el nombre contiene caracteres de control o espacios al principio o al final</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8</source>
        <translation>el nombre no es UTF-8 válido</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>another program is changing the lists; try again in a moment</source>
        <translation>otro programa está modificando las listas; vuelva a intentarlo en un momento</translation>
    </message>
    <message>
        <source>cannot lock %1: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
    <message>
        <source>cannot read the defaults in %1: %2</source>
        <translation>no se pueden leer los archivos predeterminados de %1: %2</translation>
    </message>
    <message>
        <source>cannot copy %1 to %2: %3</source>
        <translation>no se puede copiar %1 en %2: %3</translation>
    </message>
    <message>
        <source>cannot make a new list in %1: %2</source>
        <translation>no se puede crear una lista nueva en %1: %2</translation>
    </message>
    <message>
        <source>cannot move %1 to %2: %3</source>
        <translation>no se puede mover %1 a %2: %3</translation>
    </message>
    <message>
        <source>no free folder name for &quot;%1&quot; in %2</source>
        <translation>no hay ningún nombre de carpeta libre para «%1» en %2</translation>
    </message>
    <message>
        <source>a list named &quot;%1&quot; exists already</source>
        <translation>ya existe una lista llamada «%1»</translation>
    </message>
    <message>
        <source>no list named &quot;%1&quot;</source>
        <translation>no hay ninguna lista llamada «%1»</translation>
    </message>
    <message>
        <source>cannot make a folder in %1: %2</source>
        <translation>no se puede crear una carpeta en %1: %2</translation>
    </message>
    <message>
        <source>cannot move %1: %2</source>
        <translation>no se puede mover %1: %2</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <translation>no se puede crear %1: %2</translation>
    </message>
    <message>
        <source>the default word list was not found</source>
        <translation>no se encontró la lista de palabras predeterminada</translation>
    </message>
</context>
<context>
    <name>ListSync</name>
    <message>
        <source>%1: not a Quibbix list manifest</source>
        <translation>%1: no es un manifiesto de lista de Quibbix</translation>
    </message>
    <message>
        <source>%1: written by a newer Quibbix (format %2); update Quibbix to sync this list</source>
        <translation>%1: escrito por una versión más reciente de Quibbix (formato %2); actualice Quibbix para sincronizar esta lista</translation>
    </message>
    <message>
        <source>%1:%2: a damaged line (&quot;%3&quot;)</source>
        <translation>%1:%2: una línea dañada («%3»)</translation>
    </message>
    <message>
        <source>%1: names no list</source>
        <translation>%1: no indica ninguna lista</translation>
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
        <translation>%1: aún está llegando (%2); la lista se unirá a la carpeta cuando esté completo</translation>
    </message>
    <message>
        <source>%1: another program is syncing the list; try again in a moment</source>
        <translation>%1: otro programa está sincronizando la lista; vuelva a intentarlo en un momento</translation>
    </message>
    <message>
        <source>%1: the words changed on another computer; they come in, with the progress of both directions, once no other program studies the list</source>
        <translation>%1: las palabras cambiaron en otro equipo; se incorporarán, con el progreso de ambos sentidos, cuando ningún otro programa esté estudiando la lista</translation>
    </message>
    <message>
        <source>%1: studied by another program right now, which takes what arrived at its own next sync</source>
        <translation>%1: otro programa lo está estudiando ahora mismo y recogerá lo que ha llegado en su próxima sincronización</translation>
    </message>
    <message>
        <source>%1: the journal of device %2, kept as %3; this computer starts a journal of its own</source>
        <translation>%1: el diario del dispositivo %2, guardado como %3; este equipo empieza un diario propio</translation>
    </message>
    <message>
        <source>%1: names %2 of %3; leave the sync folder and join it again</source>
        <translation>%1: indica %2 de %3; salga de la carpeta de sincronización y vuelva a unirse a ella</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; what was done here syncs once the folder is back</source>
        <translation>%1; lo hecho aquí se sincronizará cuando vuelva la carpeta</translation>
    </message>
    <message>
        <source>%1; the journal is published at the next sync</source>
        <translation>%1; el diario se publicará en la próxima sincronización</translation>
    </message>
    <message numerus="yes">
        <source>%n judgement(s) of words no journal made passed over</source>
        <translation>
            <numerusform>se pasó por alto %n veredicto sobre palabras que ningún diario creó</numerusform>
            <numerusform>se pasaron por alto %n veredictos sobre palabras que ningún diario creó</numerusform>
        </translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>no se puede escribir %1</translation>
    </message>
    <message>
        <source>%1; the list has no words to share</source>
        <translation>%1; la lista no tiene palabras que compartir</translation>
    </message>
    <message>
        <source>%1: events of another sync folder, kept in the trash as %2</source>
        <translation>%1: eventos de otra carpeta de sincronización, guardados en la papelera como %2</translation>
    </message>
    <message>
        <source>%1: the list &quot;%2&quot; is still arriving; nothing changed, join again once it is whole</source>
        <translation>%1: la lista «%2» todavía está llegando; no se ha cambiado nada, vuelva a unirse cuando esté completa</translation>
    </message>
    <message numerus="yes">
        <source>%n answer(s)</source>
        <translation>
            <numerusform>%n respuesta</numerusform>
            <numerusform>%n respuestas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n word change(s)</source>
        <translation>
            <numerusform>%n cambio de palabras</numerusform>
            <numerusform>%n cambios de palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 arrived from another computer</source>
        <translation>Recibido de otro equipo: %1 y %2</translation>
    </message>
    <message>
        <source>%1 arrived from another computer</source>
        <translation>Recibido de otro equipo: %1</translation>
    </message>
    <message>
        <source>the list syncs with %1 already; leave it first</source>
        <translation>la lista ya se sincroniza mediante %1; salga antes de esa carpeta</translation>
    </message>
    <message>
        <source>%1: %2; nothing changed</source>
        <translation>%1: %2; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>%1; nothing changed</source>
        <translation>%1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>%1 holds the list &quot;%2&quot;, not &quot;%3&quot;; a sync folder holds one list, so give this one a folder of its own</source>
        <translation>%1 contiene la lista «%2», no «%3»; una carpeta de sincronización contiene una sola lista, así que dé a esta una carpeta propia</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%n more</source>
        <translation>
            <numerusform>%n más</numerusform>
            <numerusform>%n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s (%2, or a list still arriving); pick an empty folder</source>
        <translation>%1 contiene archivos que no son de una lista de Quibbix (%2, o una lista que aún está llegando); elija una carpeta vacía</translation>
    </message>
    <message>
        <source>%1: the list is joined to no sync folder</source>
        <translation>%1: la lista no está unida a ninguna carpeta de sincronización</translation>
    </message>
    <message>
        <source>%1: its contents do not match its name; left out</source>
        <translation>%1: su contenido no coincide con su nombre; se omite</translation>
    </message>
</context>
<context>
    <name>MediaStore</name>
    <message>
        <source>%1: cannot be read (%2); left out</source>
        <translation>%1: no se puede leer (%2); se omite</translation>
    </message>
    <message>
        <source>%1: a symbolic link, which is never followed; left out</source>
        <translation>%1: un enlace simbólico, que nunca se sigue; se omite</translation>
    </message>
    <message>
        <source>%1: not a regular file; left out</source>
        <translation>%1: no es un archivo normal; se omite</translation>
    </message>
    <message>
        <source>%1: larger than 16 MiB; left out</source>
        <translation>%1: mayor de 16 MiB; se omite</translation>
    </message>
    <message>
        <source>%1: could not be copied into the list; left out</source>
        <translation>%1: no se pudo copiar en la lista; se omite</translation>
    </message>
    <message>
        <source>%1: not a picture or recording Quibbix keeps; left out</source>
        <translation>%1: no es una imagen ni una grabación que Quibbix guarde; se omite</translation>
    </message>
    <message>
        <source>%1: the list&apos;s pictures and recordings would pass 1 GiB; left out</source>
        <translation>%1: las imágenes y grabaciones de la lista superarían 1 GiB; se omite</translation>
    </message>
    <message>
        <source>%1: not a recording; left out</source>
        <translation>%1: no es una grabación; se omite</translation>
    </message>
    <message>
        <source>%1: not a picture; left out</source>
        <translation>%1: no es una imagen; se omite</translation>
    </message>
    <message>
        <source>%1: a picture too large to show (%2); left out</source>
        <translation>%1: una imagen demasiado grande para mostrarla (%2); se omite</translation>
    </message>
</context>
<context>
    <name>ModuleLoader</name>
    <message>
        <source>%1 could not be loaded (%2). Reinstalling Quibbix brings it back.</source>
        <translation>No se pudo cargar %1 (%2). Al reinstalar Quibbix se restablece.</translation>
    </message>
    <message>
        <source>%1 belongs to another version of Quibbix. Reinstalling Quibbix puts the right one in its place.</source>
        <translation>%1 pertenece a otra versión de Quibbix. Al reinstalar Quibbix se sustituye por el correcto.</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Known</source>
        <translation>Conocidas</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>Don&apos;t Know</source>
        <translation>Desconocidas</translation>
    </message>
    <message>
        <source>Mistaken</source>
        <translation>Falladas</translation>
    </message>
    <message>
        <source>Not Sure</source>
        <translation>Dudosas</translation>
    </message>
    <message>
        <source>To Be Viewed</source>
        <translation>Por ver</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n día</numerusform>
            <numerusform>%n días</numerusform>
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
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Studied %1 in a row (longest: %2)</source>
        <translation>Racha de estudio: %1 (la más larga: %2)</translation>
    </message>
    <message>
        <source>Export as CSV...</source>
        <translation>Exportar como CSV...</translation>
    </message>
    <message>
        <source>Words in each state</source>
        <translation>Palabras en cada estado</translation>
    </message>
    <message>
        <source>Minutes studied per day, last %1 days</source>
        <translation>Minutos de estudio por día, últimos %1 días</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>No study recorded yet.</source>
        <translation>Aún no hay ningún estudio registrado.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2: %1</translation>
    </message>
    <message>
        <source>On %1: %2. Known words went from %3 on %4 to %5.</source>
        <translation>El %1: %2. Las palabras conocidas pasaron de %3 el %4 a %5.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>In the last %1 days: %2 studied, %3 in all.</source>
        <translation>En los últimos %1 días: %2 de estudio, %3 en total.</translation>
    </message>
    <message>
        <source> The most was %1, on %2.</source>
        <translation> El máximo fue %1, el %2.</translation>
    </message>
    <message>
        <source>Export the History</source>
        <translation>Exportar el historial</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The history could not be exported.

</source>
        <translation>No se pudo exportar el historial.

</translation>
    </message>
</context>
<context>
    <name>Pronouncer</name>
    <message>
        <source>No speech: %1</source>
        <translation>Sin voz: %1</translation>
    </message>
    <message>
        <source>No speech: install speech-dispatcher and speech-dispatcher-espeak-ng</source>
        <translation>Sin voz: instale speech-dispatcher y speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No speech: install qt6-speech-speechd-plugin and speech-dispatcher-espeak-ng</source>
        <translation>Sin voz: instale qt6-speech-speechd-plugin y speech-dispatcher-espeak-ng</translation>
    </message>
    <message>
        <source>No voice for %1: install a speech-dispatcher voice for it</source>
        <translation>No hay voz para %1: instale una voz de speech-dispatcher</translation>
    </message>
</context>
<context>
    <name>Quibbix</name>
    <message>
        <source>Word List Changed</source>
        <translation>Lista de palabras modificada</translation>
    </message>
    <message>
        <source>Cannot Study This List</source>
        <translation>No se puede estudiar esta lista</translation>
    </message>
</context>
<context>
    <name>RecordChecker</name>
    <message>
        <source>record end</source>
        <translation>fin del registro</translation>
    </message>
    <message>
        <source>unused field</source>
        <translation>campo sin usar</translation>
    </message>
    <message>
        <source>word</source>
        <translation>palabra</translation>
    </message>
    <message>
        <source>definition</source>
        <translation>definición</translation>
    </message>
    <message>
        <source>byte %1 at offset %2 (%3) breaks the record when read as text</source>
        <translation>el byte %1 en la posición %2 (%3) rompe el registro al leerlo como texto</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the word (UTF-8) does not show as a character</source>
        <translation>el carácter de control %1 en el byte %2 de la palabra (UTF-8) no se muestra como carácter</translation>
    </message>
    <message>
        <source>control character %1 at byte %2 of the definition (UTF-8) does not show as a character</source>
        <translation>el carácter de control %1 en el byte %2 de la definición (UTF-8) no se muestra como carácter</translation>
    </message>
    <message>
        <source>control character %1 in the word does not show as a character</source>
        <translation>el carácter de control %1 de la palabra no se muestra como carácter</translation>
    </message>
    <message>
        <source>control character %1 in the definition does not show as a character</source>
        <translation>el carácter de control %1 de la definición no se muestra como carácter</translation>
    </message>
    <message>
        <source>undefined byte %1 in the word, which is not valid UTF-8 either, does not show as a character</source>
        <translation>el byte indefinido %1 de la palabra, que tampoco es UTF-8 válido, no se muestra como carácter</translation>
    </message>
    <message>
        <source>undefined byte %1 in the definition, which is not valid UTF-8 either, does not show as a character</source>
        <translation>el byte indefinido %1 de la definición, que tampoco es UTF-8 válido, no se muestra como carácter</translation>
    </message>
    <message>
        <source>the word is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>la palabra es UTF-8 cortado dentro de su último carácter, por lo que se muestra como Windows-1252</translation>
    </message>
    <message>
        <source>the definition is UTF-8 cut off inside its last character, so it shows as Windows-1252</source>
        <translation>la definición es UTF-8 cortado dentro de su último carácter, por lo que se muestra como Windows-1252</translation>
    </message>
    <message>
        <source>empty word</source>
        <translation>palabra vacía</translation>
    </message>
    <message>
        <source>word of spaces only</source>
        <translation>palabra solo de espacios</translation>
    </message>
    <message>
        <source>empty definition</source>
        <translation>definición vacía</translation>
    </message>
    <message>
        <source>definition of spaces only</source>
        <translation>definición solo de espacios</translation>
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
        <translation>Ninguna de las entradas de «%1» se puede añadir a una lista:</translation>
    </message>
    <message>
        <source>%1 in “%2” cannot be added to the list; the other %3 can:</source>
        <translation>No es posible añadir a la lista %1 de «%2»; las otras %3 sí:</translation>
    </message>
    <message>
        <source>Entries that cannot be added</source>
        <translation>Entradas que no se pueden añadir</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Entries That Cannot Be Added</source>
        <translation>Entradas que no se pueden añadir</translation>
    </message>
    <message>
        <source>Cancel, add nothing</source>
        <translation>Cancelar, no añadir nada</translation>
    </message>
    <message>
        <source>&amp;Skip Them and Add the Rest</source>
        <translation>&amp;Omitirlas y añadir el resto</translation>
    </message>
    <message>
        <source>Skip these entries and add the rest</source>
        <translation>Omitir estas entradas y añadir el resto</translation>
    </message>
    <message>
        <source>C&amp;ut Them to Fit</source>
        <translation>&amp;Recortarlas para que quepan</translation>
    </message>
    <message>
        <source>Cut the words and definitions too long for the list at their last whole letter that fits</source>
        <translation>Recortar las palabras y definiciones demasiado largas en la última letra entera que quepa</translation>
    </message>
</context>
<context>
    <name>SpeechDialog</name>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma de las palabras</translation>
    </message>
    <message>
        <source>Language of the definitions</source>
        <translation>Idioma de las definiciones</translation>
    </message>
    <message>
        <source>&amp;Words:</source>
        <translation>&amp;Palabras:</translation>
    </message>
    <message>
        <source>&amp;Definitions:</source>
        <translation>&amp;Definiciones:</translation>
    </message>
    <message>
        <source>Speak each word as it appears</source>
        <translation>Pronunciar cada palabra al aparecer</translation>
    </message>
</context>
<context>
    <name>StudyCheck</name>
    <message>
        <source>Cannot Study This List</source>
        <translation>No se puede estudiar esta lista</translation>
    </message>
</context>
<context>
    <name>StudySpeech</name>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>Each word is spoken</source>
        <translation>Cada palabra se pronuncia</translation>
    </message>
    <message>
        <source>Words are not spoken</source>
        <translation>Las palabras no se pronuncian</translation>
    </message>
    <message>
        <source>No sound output: the word cannot be spoken</source>
        <translation>Sin salida de sonido: la palabra no se puede pronunciar</translation>
    </message>
</context>
<context>
    <name>Sync</name>
    <message>
        <source>: held no device id (&quot;</source>
        <translation>: no contenía ningún identificador de dispositivo («</translation>
    </message>
    <message>
        <source>&quot;); this computer now syncs as the new device </source>
        <translation>»); este equipo se sincroniza ahora como el nuevo dispositivo </translation>
    </message>
    <message>
        <source>: the data folder was made at </source>
        <translation>: la carpeta de datos se creó en </translation>
    </message>
    <message>
        <source> (copied or moved from there, where it may still sync); this computer now syncs as the new device </source>
        <translation> (se copió o movió desde allí, donde puede que aún se sincronice); este equipo se sincroniza ahora como el nuevo dispositivo </translation>
    </message>
    <message>
        <source>, so that no journal is written from two places</source>
        <translation>, para que ningún diario se escriba desde dos lugares</translation>
    </message>
    <message>
        <source>: written in journal format </source>
        <translation>: escrito en el formato de diario </translation>
    </message>
    <message>
        <source> by a newer Quibbix; this one reads format </source>
        <translation> por una versión más reciente de Quibbix; esta lee el formato </translation>
    </message>
    <message>
        <source> and leaves the journal unread until it is updated</source>
        <translation> y deja el diario sin leer hasta que se actualice</translation>
    </message>
    <message>
        <source>: not a Quibbix journal (its first line is &quot;</source>
        <translation>: no es un diario de Quibbix (su primera línea es &quot;</translation>
    </message>
    <message>
        <source>an event of device </source>
        <translation>un evento del dispositivo </translation>
    </message>
    <message>
        <source> in the journal of </source>
        <translation> en el diario de </translation>
    </message>
    <message>
        <source>: the journal of device </source>
        <translation>: el diario del dispositivo </translation>
    </message>
    <message>
        <source>, not of this computer&apos;s </source>
        <translation>, no el de este equipo, que es </translation>
    </message>
    <message>
        <source>: holds the journal of device </source>
        <translation>: contiene el diario del dispositivo </translation>
    </message>
    <message>
        <source>no direction (f or b)</source>
        <translation>falta el sentido (f o b)</translation>
    </message>
    <message>
        <source>no date (YYYY-MM-DD)</source>
        <translation>falta la fecha (AAAA-MM-DD)</translation>
    </message>
    <message>
        <source>no seconds of use</source>
        <translation>faltan los segundos de uso</translation>
    </message>
    <message>
        <source>the event it undoes is no earlier event of its device</source>
        <translation>el evento que deshace no es un evento anterior de su dispositivo</translation>
    </message>
    <message>
        <source>no word id</source>
        <translation>falta el identificador de la palabra</translation>
    </message>
    <message>
        <source>no judgement code (0 to 3)</source>
        <translation>falta el código de veredicto (0 a 3)</translation>
    </message>
    <message>
        <source>no wall-clock offset</source>
        <translation>falta el desfase del reloj</translation>
    </message>
    <message>
        <source>a broken %XX escape in the word&apos;s text</source>
        <translation>una secuencia de escape %XX inválida en el texto de la palabra</translation>
    </message>
    <message>
        <source>it has </source>
        <translation>tiene </translation>
    </message>
    <message>
        <source> fields, not </source>
        <translation> campos, no </translation>
    </message>
    <message>
        <source>no clock time</source>
        <translation>falta la hora del reloj</translation>
    </message>
    <message>
        <source>no device id</source>
        <translation>falta el identificador del dispositivo</translation>
    </message>
    <message>
        <source>no sequence number</source>
        <translation>falta el número de secuencia</translation>
    </message>
    <message>
        <source>The list to replay holds </source>
        <translation>La lista que se reconstruye contiene </translation>
    </message>
    <message>
        <source> words: a list studies from 1 to </source>
        <translation> palabras: una lista puede tener de 1 a </translation>
    </message>
    <message>
        <source>a judgement of word </source>
        <translation>se omitió un veredicto sobre la palabra </translation>
    </message>
    <message>
        <source>, which the list does not hold, was left out</source>
        <translation>, que no está en la lista</translation>
    </message>
    <message>
        <source>; what was taken from it before stays, and the computer that writes it replaces it at its next sync</source>
        <translation>; lo que se tomó de ella antes se conserva, y el ordenador que la escribe la sustituye en su próxima sincronización</translation>
    </message>
    <message>
        <source>: not the journal its name says; passed over</source>
        <translation>: no es el diario que dice su nombre; se pasa por alto</translation>
    </message>
    <message>
        <source>: no longer begins with what was taken from it; both are kept and read</source>
        <translation>: ya no empieza por lo que se tomó de ella; se conservan y se leen las dos</translation>
    </message>
    <message>
        <source>: the journals there hold more than </source>
        <translation>: los diarios que contiene tienen más de </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; the list keeps its progress here and is not synced</source>
        <translation> eventos, más de los que Quibbix combina; la lista conserva aquí su progreso y no se sincroniza</translation>
    </message>
    <message>
        <source>: changed what it held too many times; passed over, what was taken from it stays</source>
        <translation>: ha cambiado su contenido demasiadas veces; se pasa por alto, lo que se tomó de ella se conserva</translation>
    </message>
    <message>
        <source>a word that is empty, holds a control character or is too long</source>
        <translation>una palabra vacía, con un carácter de control o demasiado larga</translation>
    </message>
    <message>
        <source>a definition that holds a control character or is too long</source>
        <translation>una definición con un carácter de control o demasiado larga</translation>
    </message>
    <message>
        <source>: events of a kind a newer Quibbix writes, passed over; update Quibbix to take them</source>
        <translation>: eventos de un tipo que escribe un Quibbix más reciente, pasados por alto; actualice Quibbix para incorporarlos</translation>
    </message>
    <message>
        <source>a sequence number beyond the events before it</source>
        <translation>un número de secuencia más allá de los eventos anteriores</translation>
    </message>
    <message>
        <source>: taking it would make the journals hold more than </source>
        <translation>: tomarla haría que los diarios tuvieran más de </translation>
    </message>
    <message>
        <source> events, more than Quibbix merges; passed over</source>
        <translation> eventos, más de los que Quibbix combina; se pasa por alto</translation>
    </message>
    <message>
        <source>the words of the list as it joined cannot be read; nothing was written</source>
        <translation>no se pueden leer las palabras de la lista tal como se unió; no se escribió nada</translation>
    </message>
    <message>
        <source>no name of a picture or recording</source>
        <translation>ningún nombre de imagen o grabación</translation>
    </message>
    <message>
        <source>no event of this format (J, U, E, R, T or M)</source>
        <translation>ningún evento de este formato (J, U, E, R, T o M)</translation>
    </message>
</context>
<context>
    <name>SyncFlow</name>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>The folder holds “%1” from another computer.</source>
        <translation>La carpeta contiene «%1», de otro equipo.</translation>
    </message>
    <message>
        <source>“%1” here is made from it, words and progress; what it holds now goes to the trash first.</source>
        <translation>«%1» de aquí se rehace a partir de la de la carpeta, palabras y progreso; lo que contiene ahora va antes a la papelera.</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>It is added here as a new list, with its words and progress, and “%1” stays as it is.</source>
        <translation>Se añade aquí como lista nueva, con sus palabras y su progreso, y «%1» queda como está.</translation>
    </message>
    <message>
        <source>&amp;Add “%1”</source>
        <translation>&amp;Añadir «%1»</translation>
    </message>
    <message>
        <source>Cannot Sync</source>
        <translation>No se puede sincronizar</translation>
    </message>
    <message>
        <source>“%1” was not added.

%2</source>
        <translation>No se ha añadido «%1».

%2</translation>
    </message>
    <message>
        <source>Sync “%1” Through a Folder</source>
        <translation>Sincronizar «%1» mediante una carpeta</translation>
    </message>
    <message>
        <source>“%1” cannot sync through %2.

%3</source>
        <translation>«%1» no se puede sincronizar mediante %2.

%3</translation>
    </message>
    <message>
        <source>“%1” now syncs through %2.</source>
        <translation>«%1» se sincroniza ahora mediante %2.</translation>
    </message>
    <message>
        <source>

On your other computers, once the folder has arrived there, choose Sync… with the same folder.</source>
        <translation>

En sus otros equipos, cuando la carpeta haya llegado, elija Sincronizar… con la misma carpeta.</translation>
    </message>
    <message>
        <source>

Its words and progress came from the folder. </source>
        <translation>

Sus palabras y su progreso vinieron de la carpeta. </translation>
    </message>
    <message>
        <source>“%1” syncs through %2.</source>
        <translation>«%1» se sincroniza mediante %2.</translation>
    </message>
    <message>
        <source>It syncs whenever it is opened or saved. Stopping keeps the folder and the list&apos;s progress as they are.</source>
        <translation>Se sincroniza cada vez que se abre o se guarda. Si deja de sincronizarla, la carpeta y el progreso de la lista quedan como están.</translation>
    </message>
    <message>
        <source>Sync &amp;Now</source>
        <translation>Sincronizar &amp;ahora</translation>
    </message>
    <message>
        <source>&amp;Stop Syncing</source>
        <translation>&amp;Dejar de sincronizar</translation>
    </message>
    <message>
        <source>Cannot Stop Syncing</source>
        <translation>No se puede dejar de sincronizar</translation>
    </message>
    <message>
        <source>“%1” still syncs.

%2</source>
        <translation>«%1» sigue sincronizándose.

%2</translation>
    </message>
    <message>
        <source>“%1” was not synced.

%2</source>
        <translation>No se ha sincronizado «%1».

%2</translation>
    </message>
    <message>
        <source>Nothing new arrived from other computers.</source>
        <translation>No ha llegado nada nuevo de otros equipos.</translation>
    </message>
    <message>
        <source>Pick an empty folder inside the folder your sync program shares (Syncthing, Nextcloud, Dropbox…), or, on another computer, the folder the first one made for this list. A name typed that is not there yet becomes a new folder.</source>
        <translation>Elija una carpeta vacía dentro de la carpeta que comparte su programa de sincronización (Syncthing, Nextcloud, Dropbox…) o, en otro ordenador, la carpeta que el primero creó para esta lista. Un nombre escrito que aún no existe se convierte en una carpeta nueva.</translation>
    </message>
    <message>
        <source>%1 holds files that are no Quibbix list&apos;s, such as “%2”. Pick an empty folder, or the folder another computer made for this list.</source>
        <translation>%1 contiene archivos que no son de ninguna lista de Quibbix, como «%2». Elija una carpeta vacía o la carpeta que otro ordenador creó para esta lista.</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Not This Folder</source>
        <translation>Esta carpeta no</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>cannot make the trash folder %1: %2</source>
        <translation>no se puede crear la carpeta de la papelera %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is in the trash, but the disk did not confirm it: %2</source>
        <translation>%1 está en la papelera, pero el disco no lo confirmó: %2</translation>
    </message>
    <message>
        <source>the trash (%1) is on another file system, and nothing is deleted here; %2 was left as it was</source>
        <translation>la papelera (%1) está en otro sistema de archivos, y aquí no se elimina nada; %2 se ha dejado como estaba</translation>
    </message>
    <message>
        <source>cannot move %1 to the trash: %2</source>
        <translation>no se puede mover %1 a la papelera: %2</translation>
    </message>
    <message>
        <source>no free name in the trash for %1</source>
        <translation>no hay ningún nombre libre en la papelera para %1</translation>
    </message>
</context>
<context>
    <name>WordProgress</name>
    <message>
        <source>to be viewed</source>
        <translation>por ver</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nueva</translation>
    </message>
    <message>
        <source>mistaken</source>
        <translation>fallada</translation>
    </message>
    <message>
        <source>unsure</source>
        <translation>dudosa</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en curso</translation>
    </message>
    <message>
        <source>known</source>
        <translation>conocida</translation>
    </message>
    <message>
        <source>known, under review</source>
        <translation>conocida, en repaso</translation>
    </message>
</context>
<context>
    <name>WordsModel</name>
    <message>
        <source>Only a word or a definition can be changed.</source>
        <translation>Solo se puede cambiar una palabra o una definición.</translation>
    </message>
    <message>
        <source>The list holds %1 words, the most a list can hold.</source>
        <translation>La lista contiene %1 palabras, el máximo que admite una lista.</translation>
    </message>
    <message>
        <source>A list keeps at least one word.</source>
        <translation>Una lista conserva al menos una palabra.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>State Back</source>
        <translation>Estado inverso</translation>
    </message>
    <message>
        <source>Counter Back</source>
        <translation>Contador inverso</translation>
    </message>
    <message>
        <source>The word</source>
        <translation>La palabra</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Su definición</translation>
    </message>
    <message>
        <source>Where the word stands, studied from the word to the definition</source>
        <translation>En qué punto está la palabra, estudiada de la palabra a la definición</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, from the word to the definition</source>
        <translation>Aciertos seguidos mientras se aprende, de la palabra a la definición</translation>
    </message>
    <message>
        <source>Where the word stands, studied backwards, from the definition to the word</source>
        <translation>En qué punto está la palabra, estudiada al revés, de la definición a la palabra</translation>
    </message>
    <message>
        <source>Right answers in a row while it is learned, studied backwards</source>
        <translation>Aciertos seguidos mientras se aprende, estudiada al revés</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Picture and Sound</source>
        <translation>Imagen y sonido</translation>
    </message>
    <message>
        <source>The card&apos;s picture, and whether it has its own recording</source>
        <translation>La imagen de la tarjeta, y si tiene grabación propia</translation>
    </message>
</context>
<context>
    <name>WordsWindow</name>
    <message numerus="yes">
        <source>Delete %n word(s)?</source>
        <translation>
            <numerusform>¿Eliminar %n palabra?</numerusform>
            <numerusform>¿Eliminar %n palabras?</numerusform>
        </translation>
    </message>
    <message>
        <source> It has progress, which goes with it (a copy is kept).</source>
        <translation> Tiene progreso, que se elimina con ella (se guarda una copia).</translation>
    </message>
    <message>
        <source>All of them have progress, which goes with them (a copy is kept).</source>
        <translation>Todas tienen progreso, que se elimina con ellas (se guarda una copia).</translation>
    </message>
    <message numerus="yes">
        <source>%n of them have progress, which goes with them (a copy is kept).</source>
        <translation>
            <numerusform>%n de ellas tiene progreso, que se elimina con ella (se guarda una copia).</numerusform>
            <numerusform>%n de ellas tienen progreso, que se elimina con ellas (se guarda una copia).</numerusform>
        </translation>
    </message>
    <message>
        <source>Add a Word</source>
        <translation>Añadir una palabra</translation>
    </message>
    <message>
        <source>New word</source>
        <translation>Palabra nueva</translation>
    </message>
    <message>
        <source>Its definition</source>
        <translation>Su definición</translation>
    </message>
    <message>
        <source>&amp;Word:</source>
        <translation>&amp;Palabra:</translation>
    </message>
    <message>
        <source>&amp;Definition:</source>
        <translation>&amp;Definición:</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Words — %1[*]</source>
        <translation>Palabras — %1[*]</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Search words and definitions</source>
        <translation>Buscar en palabras y definiciones</translation>
    </message>
    <message>
        <source>Words and definitions, any case and accents</source>
        <translation>Palabras y definiciones, sin distinguir mayúsculas ni acentos</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Each word with its definition and its progress in both directions</source>
        <translation>Cada palabra con su definición y su progreso en ambos sentidos</translation>
    </message>
    <message>
        <source>Words shown</source>
        <translation>Palabras mostradas</translation>
    </message>
    <message>
        <source>&amp;Add Word…</source>
        <translation>&amp;Añadir palabra…</translation>
    </message>
    <message>
        <source>Add a word</source>
        <translation>Añadir una palabra</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Delete the selected words</source>
        <translation>Eliminar las palabras seleccionadas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshacer el último cambio</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the changes</source>
        <translation>Guardar los cambios</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation>
            <numerusform>%n palabra</numerusform>
            <numerusform>%n palabras</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 de %2 mostradas</translation>
    </message>
    <message>
        <source>The word is not added: %1.</source>
        <translation>No se ha añadido la palabra: %1.</translation>
    </message>
    <message>
        <source>Delete Words</source>
        <translation>Eliminar palabras</translation>
    </message>
    <message>
        <source>Not changed: %1.</source>
        <translation>Sin cambios: %1.</translation>
    </message>
    <message>
        <source>The words are not saved: the list was changed elsewhere since this window opened it, and saving would undo that. Close the window without saving and open it again.</source>
        <translation>No se han guardado las palabras: la lista se cambió en otro lugar después de que esta ventana la abriera, y guardar desharía ese cambio. Cierre la ventana sin guardar y vuelva a abrirla.</translation>
    </message>
    <message>
        <source>The words are not saved: %1.</source>
        <translation>No se han guardado las palabras: %1.</translation>
    </message>
    <message>
        <source>The words were saved, but cannot be shown again: %1.</source>
        <translation>Las palabras se guardaron, pero no se pueden volver a mostrar: %1.</translation>
    </message>
    <message>
        <source> — saved: </source>
        <translation> — guardado: </translation>
    </message>
    <message>
        <source>Save the changes to the words of %1?</source>
        <translation>¿Guardar los cambios en las palabras de %1?</translation>
    </message>
    <message>
        <source>&amp;Picture and Sound</source>
        <translation>&amp;Imagen y sonido</translation>
    </message>
    <message>
        <source>Give the word a picture or a recording from a file, or take them away</source>
        <translation>Dar a la palabra una imagen o una grabación desde un archivo, o quitárselas</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Picture…</source>
        <translation>Añadir o sustituir &amp;imagen…</translation>
    </message>
    <message>
        <source>Remove P&amp;icture</source>
        <translation>&amp;Quitar imagen</translation>
    </message>
    <message>
        <source>Add or Replace &amp;Recording…</source>
        <translation>Añadir o sustituir &amp;grabación…</translation>
    </message>
    <message>
        <source>Remove R&amp;ecording</source>
        <translation>Quitar g&amp;rabación</translation>
    </message>
    <message>
        <source>Pictures (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.gif *.svg *.webp *.bmp)</translation>
    </message>
    <message>
        <source>Recordings (*.wav *.flac *.ogg *.oga *.opus *.mp3)</source>
        <translation>Grabaciones (*.wav *.flac *.ogg *.oga *.opus *.mp3)</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
</context>
</TS>
