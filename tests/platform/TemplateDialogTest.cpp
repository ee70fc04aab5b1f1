// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DialogIds.h"
#include "platform/FontConversion.h"
#include "platform/MulDiv.h"
#include "platform/PushButton.h"
#include "platform/StaticControl.h"
#include "platform/TemplateDialog.h"
#include "platform/WindowOps.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>
#include <vector>

namespace {

class ProbeDialog : public TemplateDialog {
public:
    explicit ProbeDialog(int id) : TemplateDialog(id) {}

    std::vector<uint32_t> ticks;
    std::vector<int> commands;
    int initCount = 0;
    int destroyCount = 0;
    bool ignoreCancel = false;
    int cancelCount = 0;

protected:
    bool OnInitDialog() override {
        ++initCount;
        return true;
    }
    void OnTimer(uint32_t id) override { ticks.push_back(id); }
    void OnCommand(int id) override {
        commands.push_back(id);
        TemplateDialog::OnCommand(id);
    }
    void OnCancel() override {
        ++cancelCount;
        if (!ignoreCancel) TemplateDialog::OnCancel();
    }
    void OnDestroy() override { ++destroyCount; }
};

// Runs `action` once the modal loop has started.
void WhenRunning(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

TEST(TemplateDialogTest, DialogUnits_FollowTheDialogFontMetrics) {
    ProbeDialog dlg(111);
    const QFontMetrics fm(dlg.font());
    const int baseX = (fm.horizontalAdvance(
                           QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                           26 +
                       1) /
                      2;
    const int baseY = fm.height();
    EXPECT_EQ(dlg.font().pointSize(), 8);
    EXPECT_EQ(dlg.width(), MulDiv(155, baseX, 4));
    EXPECT_EQ(dlg.height(), MulDiv(327, baseY, 8));
    const Rect r = dlg.MapDialogRect(92, 309, 50, 14);
    EXPECT_EQ(r, (Rect{MulDiv(92, baseX, 4), MulDiv(309, baseY, 8), MulDiv(142, baseX, 4),
                       MulDiv(323, baseY, 8)}));
}

TEST(TemplateDialogTest, DoModal_BuildsControlsFromTheTemplateBeforeInit) {
    ProbeDialog dlg(101);
    WhenRunning([&] {
        PushButton* yes = dlg.GetButton(1008);
        ASSERT_NE(yes, nullptr);
        EXPECT_TRUE(yes->isVisible());
        EXPECT_TRUE(yes->isDefault());
        EXPECT_TRUE(yes->IsPictureButton());
        EXPECT_TRUE(yes->text().isEmpty());
        EXPECT_EQ(yes->accessibleName(), QStringLiteral("I Know"));
        EXPECT_EQ(yes->geometry(), dlg.MapDialogRect(368, 288, 56, 44).ToQRect());
        EXPECT_FALSE(dlg.GetDlgItem(1000)->isVisible());
        EXPECT_FALSE(dlg.GetDlgItem(1)->isEnabled());
        EXPECT_EQ(dlg.GetButton(1021)->focusPolicy(), Qt::StrongFocus);
        EXPECT_NE(dlg.GetStatic(1022), nullptr);
        EXPECT_EQ(dlg.GetDlgItem(4242), nullptr);
        dlg.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.initCount, 1);
    EXPECT_EQ(dlg.destroyCount, 1);
}

TEST(TemplateDialogTest, Buttons_EndTheDialogThroughOkAndCancel) {
    ProbeDialog dlg(111);
    WhenRunning([&] { QTest::mouseClick(dlg.GetButton(2), Qt::LeftButton); });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    WhenRunning([&] {
        QTest::mouseClick(dlg.GetButton(1018), Qt::LeftButton);
        dlg.GetButton(1)->click();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.commands, (std::vector<int>{2, 1018, 1}));
    EXPECT_EQ(dlg.initCount, 2);
}

TEST(TemplateDialogTest, EscapeAndClose_GoThroughOnCancel_WhichMayRefuse) {
    ProbeDialog dlg(112);
    dlg.ignoreCancel = true;
    WhenRunning([&] {
        QTest::keyClick(&dlg, Qt::Key_Escape);
        dlg.close();
        EXPECT_TRUE(dlg.isVisible());
        dlg.ignoreCancel = false;
        QTest::keyClick(&dlg, Qt::Key_Escape);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.cancelCount, 3);
}

TEST(TemplateDialogTest, Timers_ReachOnTimerWithTheirIds_UntilKilled) {
    ProbeDialog dlg(113);
    EXPECT_EQ(dlg.SetTimer(113, 5), 113u);
    EXPECT_EQ(dlg.SetTimer(1, 5), 1u);
    EXPECT_EQ(dlg.SetTimer(0, 5), 0u);
    QTest::qWait(40);
    EXPECT_TRUE(dlg.KillTimer(113));
    EXPECT_FALSE(dlg.KillTimer(113));
    dlg.ticks.clear();
    QTest::qWait(30);
    ASSERT_FALSE(dlg.ticks.empty());
    for (uint32_t id : dlg.ticks) EXPECT_EQ(id, 1u);
}

TEST(TemplateDialogTest, DialogFont_ReportsAsEightPointDescription) {
    ProbeDialog dlg(101);
    const LogFont lf = dlg.GetDialogLogFont();
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_FALSE(FaceName(lf).isEmpty());
}

TEST(TemplateDialogTest, WindowOps_MoveAndConvertBetweenScreenAndClient) {
    ProbeDialog dlg(101);
    dlg.move(30, 40);
    WhenRunning([&] {
        QWidget* exit = dlg.GetDlgItem(IDCANCEL);
        Rect screen = GetWindowRect(exit);
        const Rect client = ScreenToClient(&dlg, screen);
        EXPECT_EQ(client.ToQRect(), exit->geometry());
        screen.left += 7;
        screen.right += 7;
        screen.bottom += 3;
        MoveWindow(exit, ScreenToClient(&dlg, screen));
        EXPECT_EQ(exit->geometry(), client.ToQRect().adjusted(7, 0, 7, 3));
        HideWindow(exit);
        EXPECT_FALSE(exit->isVisible());
        ShowWindow(exit);
        EnableWindow(exit, false);
        EXPECT_TRUE(exit->isVisible());
        EXPECT_FALSE(exit->isEnabled());
        dlg.EndDialog(IDOK);
    });
    dlg.DoModal();
}

// A translated caption may be longer than the template's button: it goes on two lines, parted
// where the longer line is shortest, and the button's text stays the caption itself.
TEST(PushButtonTest, ACaptionWiderThanTheButton_IsDrawnOnTwoLines) {
    PushButton button(QStringLiteral("Schrift und &Farben"), false);
    button.resize(400, 40);
    EXPECT_EQ(button.ShownText().toStdString(), "Schrift und &Farben");
    button.resize(90, 40);
    const std::string shown = button.ShownText().toStdString();
    EXPECT_TRUE(shown == "Schrift\nund &Farben" || shown == "Schrift und\n&Farben") << shown;
    EXPECT_EQ(button.text().toStdString(), "Schrift und &Farben");
}

}  // namespace
