// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-bench-floor: the least a Qt program with a window like ours costs, for bench/startup.sh
// to weigh the study window against. One full-screen dialog with a text box and three push
// buttons, titled "Floor", and nothing else: no files read, no fonts chosen, no pictures.

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Floor"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLineEdit(QStringLiteral("word"), &dialog));
    auto* buttons = new QHBoxLayout;
    for (const char* text : {"I Know", "Not Sure", "Don't Know"})
        buttons->addWidget(new QPushButton(QString::fromUtf8(text), &dialog));
    layout->addLayout(buttons);
    // Without a window manager (Xvfb) the state alone leaves the dialog at its natural size;
    // the study window sets its geometry too.
    dialog.setGeometry(QGuiApplication::primaryScreen()->geometry());
    dialog.setWindowState(Qt::WindowFullScreen);
    return dialog.exec();
}
