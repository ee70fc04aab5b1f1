// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/CommonDialogs.h"

#include "platform/FontConversion.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>

namespace {

// The sixteen colours the Windows font dialog offers, in its order.
const struct {
    const char* name;
    COLORREF color;
} kFontColors[] = {
    {QT_TRANSLATE_NOOP("CommonDialogs", "Black"), RGB(0, 0, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Maroon"), RGB(128, 0, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Green"), RGB(0, 128, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Olive"), RGB(128, 128, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Navy"), RGB(0, 0, 128)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Purple"), RGB(128, 0, 128)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Teal"), RGB(0, 128, 128)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Gray"), RGB(128, 128, 128)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Silver"), RGB(192, 192, 192)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Red"), RGB(255, 0, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Lime"), RGB(0, 255, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Yellow"), RGB(255, 255, 0)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Blue"), RGB(0, 0, 255)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Fuchsia"), RGB(255, 0, 255)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "Aqua"), RGB(0, 255, 255)},
    {QT_TRANSLATE_NOOP("CommonDialogs", "White"), RGB(255, 255, 255)},
};

QPixmap Swatch(COLORREF color) {
    QPixmap swatch(24, 12);
    swatch.fill(ColorFromColorref(color));
    return swatch;
}

// Qt's font dialog has no colour; this adds the Windows dialog's colour list to its effects
// group (the box that holds the strike-out and underline check boxes), so that font and
// colour are chosen in one dialog.
QComboBox* AddColorChoice(QFontDialog& dialog, COLORREF current) {
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("fontColorCombo"));
    int currentIndex = -1;
    for (const auto& c : kFontColors) {
        combo->addItem(QIcon(Swatch(c.color)), QCoreApplication::translate("CommonDialogs", c.name),
                       QVariant::fromValue(c.color));
        if ((current & 0xFFFFFF) == c.color) currentIndex = combo->count() - 1;
    }
    if (currentIndex < 0) {
        combo->addItem(QIcon(Swatch(current & 0xFFFFFF)),
                       QCoreApplication::translate("CommonDialogs", "Custom"),
                       QVariant::fromValue(current & 0xFFFFFFu));
        currentIndex = combo->count() - 1;
    }
    combo->setCurrentIndex(currentIndex);

    QWidget* host = &dialog;
    if (auto* strikeOut = dialog.findChild<QCheckBox*>()) host = strikeOut->parentWidget();
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QCoreApplication::translate("CommonDialogs", "&Color:"));
    label->setBuddy(combo);
    row->addWidget(label);
    row->addWidget(combo, 1);
    if (auto* box = host->layout()) {
        if (auto* vbox = qobject_cast<QBoxLayout*>(box)) {
            vbox->addLayout(row);
        } else if (auto* grid = qobject_cast<QGridLayout*>(box)) {
            grid->addLayout(row, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    // Show the chosen colour in the sample text, as the Windows dialog does.
    auto recolor = [&dialog, combo] {
        for (auto* group : dialog.findChildren<QGroupBox*>()) {
            for (auto* sample : group->findChildren<QLineEdit*>()) {
                QPalette palette = sample->palette();
                palette.setColor(QPalette::Text,
                                 ColorFromColorref(combo->currentData().value<COLORREF>()));
                sample->setPalette(palette);
            }
        }
    };
    QObject::connect(combo, &QComboBox::currentIndexChanged, &dialog, recolor);
    recolor();
    return combo;
}

int ScreenDpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(screen->logicalDotsPerInchY() + 0.5) : 96;
}

}  // namespace

bool QtCommonDialogs::ChooseFont(LogFont& font, COLORREF& color) {
    QFontDialog dialog;
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QCoreApplication::translate("CommonDialogs", "Font"));
    const int dpiY = ScreenDpiY();
    if (auto start = DialogFontFor(font, QApplication::font(), dpiY)) dialog.setCurrentFont(*start);
    // The dialog's own reading of the start, to tell afterwards whether the user changed it.
    const QFont opened = dialog.currentFont();
    QComboBox* colors = AddColorChoice(dialog, color);
    const int openedColor = colors->currentIndex();
    if (dialog.exec() != QDialog::Accepted) return false;
    font = ChosenLogFont(font, opened, dialog.selectedFont(), dpiY);
    // The list holds plain RGB; a palette-relative colour left alone keeps its flag byte.
    if (colors->currentIndex() != openedColor) color = colors->currentData().value<COLORREF>();
    return true;
}

bool QtCommonDialogs::ChooseColor(COLORREF& color) {
    QColorDialog dialog;
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    color = ColorrefFromColor(dialog.selectedColor());
    return true;
}
