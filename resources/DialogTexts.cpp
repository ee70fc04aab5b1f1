// SPDX-License-Identifier: GPL-2.0-or-later
// The texts of the dialog templates (dialogs/*.json) for lupdate, which reads no JSON. The
// templates keep their English; platform/DialogTemplate translates each text as it loads it.
// The translation check fails when a template text shown on screen is missing here.

#include <QtGlobal>

[[maybe_unused]] static const char* const kDialogTexts[] = {
    QT_TRANSLATE_NOOP("Dialog", "Quibbix"),
    QT_TRANSLATE_NOOP("Dialog", "OK"),
    QT_TRANSLATE_NOOP("Dialog", "E&xit"),
    QT_TRANSLATE_NOOP("Dialog", "Don't Know"),
    QT_TRANSLATE_NOOP("Dialog", "Not Sure"),
    QT_TRANSLATE_NOOP("Dialog", "I Know"),
    QT_TRANSLATE_NOOP("Dialog", "&Fonts and Colors"),
    QT_TRANSLATE_NOOP("Dialog", "&Show Statistics"),
    QT_TRANSLATE_NOOP("Dialog", "Take A &Break"),
    QT_TRANSLATE_NOOP("Dialog", "Configuration"),
    QT_TRANSLATE_NOOP("Dialog", "Cancel"),
    QT_TRANSLATE_NOOP("Dialog", "Vocabulary"),
    QT_TRANSLATE_NOOP("Dialog", "Word box font and colors"),
    QT_TRANSLATE_NOOP("Dialog", "Text Font"),
    QT_TRANSLATE_NOOP("Dialog", "Background Color"),
    QT_TRANSLATE_NOOP("Dialog", " Sample"),
    QT_TRANSLATE_NOOP("Dialog", "Definition"),
    QT_TRANSLATE_NOOP("Dialog", "Definition box font and colors"),
    QT_TRANSLATE_NOOP("Dialog", "Program"),
    QT_TRANSLATE_NOOP("Dialog", "Program background color"),
    QT_TRANSLATE_NOOP("Dialog", "Statistics"),
    QT_TRANSLATE_NOOP("Dialog", "Total Words in This Program :"),
    QT_TRANSLATE_NOOP("Dialog", "Words Viewed :"),
    QT_TRANSLATE_NOOP("Dialog", "Words Learned :"),
    QT_TRANSLATE_NOOP("Dialog", "Time for This Session :"),
    QT_TRANSLATE_NOOP("Dialog", "Time Use This Program :"),
    QT_TRANSLATE_NOOP("Dialog", "Mistaken Words :"),
    QT_TRANSLATE_NOOP("Dialog", "Not Sure Words :"),
    QT_TRANSLATE_NOOP("Dialog", "Don't Know Words :"),
    QT_TRANSLATE_NOOP("Dialog", "Learning Words :"),
    QT_TRANSLATE_NOOP("Dialog", "Known Words :"),
    QT_TRANSLATE_NOOP("Dialog", "Words in To Be Viewed List :"),
    QT_TRANSLATE_NOOP("Dialog", "Progress..."),
    QT_TRANSLATE_NOOP("Dialog", "On Break"),
    QT_TRANSLATE_NOOP("Dialog", "BREAK"),
};
