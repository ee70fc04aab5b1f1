#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A message box that shows its texts as they are. QMessageBox guesses whether a text is markup,
// and a list's or a file's name that reads like a tag would be drawn as one, and its line
// breaks lost; the launcher's and the Words window's messages go through this instead.

#include <QMessageBox>

class PlainMessageBox : public QMessageBox {
public:
    PlainMessageBox(Icon icon, const QString& title, const QString& text,
                    StandardButtons buttons = NoButton, QWidget* parent = nullptr);

    // QMessageBox's own calls, with the texts shown as they are.
    static StandardButton Critical(QWidget* parent, const QString& title, const QString& text);
    static StandardButton Warning(QWidget* parent, const QString& title, const QString& text);
    static StandardButton Information(QWidget* parent, const QString& title, const QString& text);
    static StandardButton Question(QWidget* parent, const QString& title, const QString& text,
                                   StandardButtons buttons, StandardButton defaultButton);

protected:
    // The informative text has a label of its own, made when it is first set.
    void showEvent(QShowEvent* event) override;

private:
    static StandardButton Run(Icon icon, QWidget* parent, const QString& title, const QString& text,
                              StandardButtons buttons, StandardButton defaultButton);
};
