#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The base of every dialog: builds its controls from a dialog template, runs modally until
// it is ended with a result, and routes buttons, timers and painting to virtual handlers, the
// way the framework's dialog class does. The controls are built anew by every DoModal and
// live until the next one; controls added by the derived class (text boxes) are its own.
// A dialog too large for its screen (large fonts, a high scale) shrinks to fit and scrolls
// its controls. One that can be maximized lays itself out for its size (ClientSize, in its
// resizeEvent) and scrolls only when its minimum size is larger than the screen.
//
// Dialog units convert to pixels by the dialog font: x * averageCharWidth / 4 and
// y * lineHeight / 8, the font being the template's face when installed, else the
// application font at the template's size.

#include "engine/LogFont.h"
#include "platform/DialogTemplate.h"
#include "platform/Rect.h"

#include <QBasicTimer>
#include <QDialog>

#include <cstdint>
#include <map>
#include <vector>

class PushButton;
class QScrollArea;
class StaticControl;

class TemplateDialog : public QDialog {
public:
    // requires: a template with `templateId` is built in.
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    // Builds the controls, runs OnInitDialog, fits the dialog to its screen and runs the
    // modal loop; returns the EndDialog result.
    int DoModal();
    // Ends the modal loop with `result` (IDOK, IDCANCEL).
    void EndDialog(int result);

    // The first control with `id`, or null.
    QWidget* GetDlgItem(int id) const;
    PushButton* GetButton(int id) const;
    StaticControl* GetStatic(int id) const;

    // Starts (or restarts) timer `id`; OnTimer(id) then runs every `periodMs`. Returns `id`,
    // or 0 when `id` is 0.
    uint32_t SetTimer(uint32_t id, uint32_t periodMs);
    bool KillTimer(uint32_t id);

    // The dialog font as a font description, as the font dialog would report it.
    LogFont GetDialogLogFont() const;
    // Where a box goes over placeholder control `id`: its screen rectangle moved `inset`
    // pixels inward on every side, in this dialog's client coordinates.
    Rect PlaceholderRect(int id, int inset) const;
    // Converts a rectangle in dialog units (left, top, width, height) to pixels.
    Rect MapDialogRect(int x, int y, int width, int height) const;
    // The size the controls have to be laid out in: the dialog's, or that of what scrolls.
    QSize ClientSize() const;

protected:
    // Runs once the controls exist, before the dialog shows.
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK();
    virtual void OnCancel();
    // A click on push button `id`; the default sends 1 to OnOK and 2 to OnCancel.
    virtual void OnCommand(int id);
    virtual void OnTimer(uint32_t id) { (void)id; }
    // Paints the dialog's own surface; the controls paint themselves.
    virtual void OnPaint(QPainter& painter) { (void)painter; }
    // Runs after the modal loop ended, before its timers are stopped.
    virtual void OnDestroy() {}

    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void BuildControls();
    QWidget* CreateControl(const ControlTemplate& control);
    void FitToItsScreen();

    DialogTemplate m_template;
    int m_baseUnitX = 0;
    int m_baseUnitY = 0;
    std::vector<QWidget*> m_controls;
    std::map<int, QWidget*> m_controlsById;
    std::map<uint32_t, QBasicTimer> m_timers;
    // Holds the controls while the dialog is too large for its screen.
    QScrollArea* m_scrollArea = nullptr;
};
