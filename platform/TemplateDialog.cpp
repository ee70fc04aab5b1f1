// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/TemplateDialog.h"

#include "platform/DialogAccessible.h"
#include "platform/DialogIds.h"
#include "platform/FontConversion.h"
#include "platform/MulDiv.h"
#include "platform/PushButton.h"
#include "platform/StaticControl.h"
#include "platform/WindowOps.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTimerEvent>

#include <map>

#include "windowfit/WindowFit.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Template faces such as "MS Sans Serif" are not installed on Linux; the application font
// then stands in (on Debian fontconfig resolves it to DejaVu Sans).
// Asked once per face: each question costs fontconfig a substitution of its own.
QFont DialogFont(const DialogTemplate& t) {
    static std::map<QString, bool> installed;
    const auto known = installed.try_emplace(t.fontFace, false);
    if (known.second) known.first->second = QFontDatabase::hasFamily(t.fontFace);
    QFont font = known.first->second ? QFont(t.fontFace) : QApplication::font();
    font.setPointSize(t.fontPoints);
    return font;
}

Qt::WindowFlags WindowFlagsFor(const DialogTemplate& t) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (t.Has(kDialogCaption)) flags |= Qt::WindowTitleHint;
    if (t.Has(kDialogSystemMenu)) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return flags;
}

Qt::Alignment AlignmentFor(const ControlTemplate& c) {
    if (c.Has(kStyleCenter)) return Qt::AlignHCenter | Qt::AlignTop;
    if (c.Has(kStyleRight)) return Qt::AlignRight | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

}  // namespace

TemplateDialog::TemplateDialog(int templateId, QWidget* parent) : QDialog(parent) {
    DialogAccessible::Install();
    if (auto t = DialogTemplate::Load(templateId)) m_template = std::move(*t);
    setWindowFlags(WindowFlagsFor(m_template));
    setWindowTitle(m_template.caption);
    if (!m_template.accessibleName.isEmpty()) setAccessibleName(m_template.accessibleName);
    setFont(DialogFont(m_template));
    const QFontMetrics fm(font());
    m_baseUnitX = (fm.horizontalAdvance(QLatin1String(kAlphabet)) / 26 + 1) / 2;
    m_baseUnitY = fm.height();
    const Rect client = MapDialogRect(0, 0, m_template.width, m_template.height);
    resize(client.Width(), client.Height());
}

TemplateDialog::~TemplateDialog() = default;

int TemplateDialog::DoModal() {
    BuildControls();
    OnInitDialog();
    FitToItsScreen();
    const int result = exec();
    OnDestroy();
    for (auto& [id, timer] : m_timers) timer.stop();
    m_timers.clear();
    return result;
}

void TemplateDialog::EndDialog(int result) { done(result); }

void TemplateDialog::OnOK() { EndDialog(IDOK); }

void TemplateDialog::OnCancel() { EndDialog(IDCANCEL); }

void TemplateDialog::OnCommand(int id) {
    if (id == IDOK) OnOK();
    if (id == IDCANCEL) OnCancel();
}

QWidget* TemplateDialog::GetDlgItem(int id) const {
    auto it = m_controlsById.find(id);
    return it == m_controlsById.end() ? nullptr : it->second;
}

PushButton* TemplateDialog::GetButton(int id) const {
    return dynamic_cast<PushButton*>(GetDlgItem(id));
}

StaticControl* TemplateDialog::GetStatic(int id) const {
    return dynamic_cast<StaticControl*>(GetDlgItem(id));
}

uint32_t TemplateDialog::SetTimer(uint32_t id, uint32_t periodMs) {
    if (id == 0) return 0;
    m_timers[id].start(static_cast<int>(periodMs), Qt::PreciseTimer, this);
    return id;
}

bool TemplateDialog::KillTimer(uint32_t id) {
    auto it = m_timers.find(id);
    if (it == m_timers.end()) return false;
    it->second.stop();
    m_timers.erase(it);
    return true;
}

LogFont TemplateDialog::GetDialogLogFont() const { return LogFontFromQFont(font(), logicalDpiY()); }

Rect TemplateDialog::MapDialogRect(int x, int y, int width, int height) const {
    return {MulDiv(x, m_baseUnitX, 4), MulDiv(y, m_baseUnitY, 8), MulDiv(x + width, m_baseUnitX, 4),
            MulDiv(y + height, m_baseUnitY, 8)};
}

Rect TemplateDialog::PlaceholderRect(int id, int inset) const {
    Rect rect = GetWindowRect(GetDlgItem(id));
    rect.Deflate(inset);
    return ScreenToClient(this, rect);
}

void TemplateDialog::timerEvent(QTimerEvent* event) {
    for (auto& [id, timer] : m_timers) {
        if (timer.timerId() == event->timerId()) {
            // Copy the id: the handler may kill this very timer.
            const uint32_t timerId = id;
            OnTimer(timerId);
            return;
        }
    }
    QDialog::timerEvent(event);
}

void TemplateDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    OnPaint(painter);
}

void TemplateDialog::FitToItsScreen() {
    const bool laysItselfOut = windowFlags() & Qt::WindowMaximizeButtonHint;
    m_scrollArea = laysItselfOut ? ScrollBelowMinimum(*this) : FitToScreen(*this);
    // What scrolls is resized after the dialog, and perhaps without it: a resize of it is
    // one of the dialog's for the derived class that lays its controls out.
    if (m_scrollArea && laysItselfOut) m_scrollArea->widget()->installEventFilter(this);
}

QSize TemplateDialog::ClientSize() const {
    return m_scrollArea ? m_scrollArea->widget()->size() : size();
}

bool TemplateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (m_scrollArea && watched == m_scrollArea->widget() && event->type() == QEvent::Resize) {
        QResizeEvent resize(size(), size());
        resizeEvent(&resize);
    }
    return QDialog::eventFilter(watched, event);
}

void TemplateDialog::BuildControls() {
    // The text boxes the last showing made are the derived class's members: they come back
    // out of the scroll area before it goes, and the template's size is measured afresh.
    Unscroll(*this, m_scrollArea);
    m_scrollArea = nullptr;
    const Rect client = MapDialogRect(0, 0, m_template.width, m_template.height);
    resize(client.Width(), client.Height());
    for (QWidget* control : m_controls) delete control;
    m_controls.clear();
    m_controlsById.clear();
    for (const ControlTemplate& c : m_template.controls) {
        QWidget* control = CreateControl(c);
        control->setGeometry(MapDialogRect(c.x, c.y, c.width, c.height).ToQRect());
        control->setEnabled(!c.Has(kStyleDisabled));
        if (!c.Has(kStyleVisible)) control->setVisible(false);
        if (!c.accessibleName.isEmpty()) control->setAccessibleName(c.accessibleName);
        control->setObjectName(QStringLiteral("control_%1").arg(c.id));
        m_controls.push_back(control);
        if (c.id != ControlTemplate::kNoId) m_controlsById.emplace(c.id, control);
    }
}

QWidget* TemplateDialog::CreateControl(const ControlTemplate& c) {
    switch (c.kind) {
        case ControlKind::PushButton: {
            auto* button = new PushButton(c.text, c.Has(kStyleBitmap), this);
            button->setDefault(c.Has(kStyleDefault));
            button->setFocusPolicy(c.Has(kStyleTabStop) ? Qt::StrongFocus : Qt::ClickFocus);
            const int id = c.id;
            connect(button, &QPushButton::clicked, this, [this, id] { OnCommand(id); });
            return button;
        }
        case ControlKind::GroupBox:
            return new QGroupBox(c.text, this);
        case ControlKind::Static:
            break;
    }
    auto* label = new StaticControl(this);
    label->setTextFormat(Qt::PlainText);
    label->setText(c.text);
    label->setWordWrap(true);
    label->setAlignment(AlignmentFor(c));
    if (c.Has(kStyleSunken)) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}
