#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the window tests share: fake platform services, a fresh working directory with a
// small word list, and helpers that run a modal dialog's loop around a test body and answer
// the nested modal dialogs the body opens.

#include "platform/CommonDialogs.h"
#include "platform/DialogIds.h"
#include "platform/PlatformServices.h"
#include "platform/ScreenMetrics.h"
#include "platform/Sound.h"
#include "platform/TemplateDialog.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/PlatformFakes.h"
#include "tests/support/TempDir.h"
#include "ui/QuibbixDlg.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

// The common font and colour dialogs as a user answers them: OK with the prepared choice, or
// Cancel. Records what each dialog was opened with.
class FakeCommonDialogs : public CommonDialogs {
public:
    bool ChooseFont(LogFont& font, COLORREF& color) override {
        fontOpenedWith.push_back(font);
        fontColorOpenedWith.push_back(color);
        if (!accept) return false;
        font = nextFont;
        color = nextTextColor;
        return true;
    }
    bool ChooseColor(COLORREF& color) override {
        colorOpenedWith.push_back(color);
        if (!accept) return false;
        color = nextColor;
        return true;
    }

    bool accept = true;
    LogFont nextFont;
    COLORREF nextTextColor = RGB(0, 0, 0);
    COLORREF nextColor = RGB(0, 0, 0);
    std::vector<LogFont> fontOpenedWith;
    std::vector<COLORREF> fontColorOpenedWith;
    std::vector<COLORREF> colorOpenedWith;
};

struct FakePlatform {
    FakePlatform(int screenWidth, int screenHeight) : screen(screenWidth, screenHeight) {}

    ScriptedMessageBoxes messageBoxes;
    FixedScreenMetrics screen;
    FakeKeyState keys;
    RecordingAudioOutput audio;
    Sound sound{audio};
    FakeCommonDialogs dialogs;
    PlatformServices services{messageBoxes, screen, keys, sound, dialogs};
};

// Runs the modal loop of `dialog` with `body` inside it; whatever the body leaves open is
// cancelled when it returns. Returns the loop's result.
inline int RunModal(TemplateDialog& dialog, const std::function<void()>& body) {
    QTimer::singleShot(0, &dialog, [&dialog, &body] {
        body();
        if (dialog.isVisible()) dialog.EndDialog(IDCANCEL);
    });
    return dialog.DoModal();
}

// Runs `action`. When it opens a modal dialog, `handle` runs inside that dialog's loop and
// should end it (whatever it leaves open is rejected). Returns the dialog that opened, or
// null when none did.
inline QWidget* WithModal(const std::function<void()>& action,
                          const std::function<void(QWidget*)>& handle) {
    QWidget* const outer = QApplication::activeModalWidget();
    QWidget* opened = nullptr;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || top == outer || opened) return;
        opened = top;
        poll.stop();
        handle(top);
        if (top->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(top)) dialog->reject();
        }
    });
    poll.start();
    action();
    poll.stop();
    return opened;
}

// The colour of `widget` at `at` (its own coordinates) as its window shows it; by default a
// spot well inside a text box's client area, clear of centred text.
inline QColor PixelOf(const QWidget& widget, QPoint at = QPoint(4, 4)) {
    QWidget* window = widget.window();
    return window->grab().toImage().pixelColor(widget.mapTo(window, at));
}

// `widget` as its window shows it.
inline QImage Rendered(const QWidget& widget) {
    QWidget* window = widget.window();
    return window->grab(QRect(widget.mapTo(window, QPoint(0, 0)), widget.size())).toImage();
}

inline void Click(const TemplateDialog& dialog, int id) {
    QWidget* control = dialog.GetDlgItem(id);
    ASSERT_NE(control, nullptr) << "control " << id;
    QTest::mouseClick(control, Qt::LeftButton);
}

// Clicks control `id` of `dialog`, which must be one of ours.
inline void Click(QWidget* dialog, int id) {
    auto* ours = dynamic_cast<TemplateDialog*>(dialog);
    ASSERT_NE(ours, nullptr) << "not a template dialog";
    Click(*ours, id);
}

// A working directory with a word list of `words` records ("word<i>" / "definition <i>") and
// a main window on a screen of the given size, over fake services.
class MainWindowHarness {
public:
    explicit MainWindowHarness(int words = 60, int screenWidth = 800, int screenHeight = 600)
        : platform(screenWidth, screenHeight) {
        WriteFile("list/kelvo.lst", MakeWordList(words));
        dialog = std::make_unique<CQuibbixDlg>(platform.services, env);
        // No test here speaks: none waits for the desktop's speech service.
        dialog->SetVoiceFactory([](const SpeechVoice::Events&, QString& error) {
            error = QStringLiteral("no speech in the window's tests");
            return std::unique_ptr<SpeechVoice>();
        });
    }

    // Runs the main window with `body` inside its loop. The one-second timer is stopped
    // first: the tests give the ticks themselves.
    int Run(const std::function<void(CQuibbixDlg&)>& body) {
        CQuibbixDlg& dlg = *dialog;
        return RunModal(dlg, [&dlg, &body] {
            dlg.KillTimer(CQuibbixDlg::TICK_TIMER_ID);
            body(dlg);
        });
    }

    // The second press of a word (or the start press), answering any break it brings by
    // pressing OK at once. True when a break dialog opened.
    bool PressExpectingMaybeBreak(int buttonId) {
        QWidget* opened =
            WithModal([&] { Click(*dialog, buttonId); }, [](QWidget* w) { Click(w, IDOK); });
        return opened != nullptr;
    }

    // Both presses of one word; true when a break followed.
    bool Judge(int firstId, int secondId) {
        Click(*dialog, firstId);
        return PressExpectingMaybeBreak(secondId);
    }

    TempDir dir;
    FakeEnv env;
    FakePlatform platform;
    std::unique_ptr<CQuibbixDlg> dialog;
};
