// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DialogTemplate.h"

#include <gtest/gtest.h>

namespace {

const ControlTemplate* Find(const DialogTemplate& t, int id) {
    for (const ControlTemplate& c : t.controls)
        if (c.id == id) return &c;
    return nullptr;
}

TEST(DialogTemplateTest, AllFourTemplates_LoadWithTheirSizesAndControls) {
    struct Expected {
        int id;
        const char* caption;
        int width, height;
        size_t controls;
    };
    const Expected table[] = {
        {101, "Quibbix", 553, 376, 16},
        {111, "Configuration", 155, 327, 13},
        {112, "Statistics", 201, 241, 25},
        {113, "", 349, 271, 4},
    };
    for (const Expected& e : table) {
        const auto t = DialogTemplate::Load(e.id);
        ASSERT_TRUE(t.has_value()) << e.id;
        EXPECT_EQ(t->id, e.id);
        EXPECT_EQ(t->caption, QString::fromLatin1(e.caption));
        EXPECT_EQ(t->fontFace, QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(t->fontPoints, 8);
        EXPECT_EQ(t->width, e.width);
        EXPECT_EQ(t->height, e.height);
        EXPECT_EQ(t->controls.size(), e.controls) << e.id;
    }
}

TEST(DialogTemplateTest, MainTemplate_KeepsStylesOfItsControls) {
    const auto t = DialogTemplate::Load(101);
    ASSERT_TRUE(t.has_value());
    EXPECT_FALSE(t->Has(kDialogSystemMenu));
    const ControlTemplate* yes = Find(*t, 1008);
    ASSERT_NE(yes, nullptr);
    EXPECT_TRUE(yes->Has(kStyleDefault) && yes->Has(kStyleBitmap) && yes->Has(kStyleVisible));
    EXPECT_EQ(yes->accessibleName, QStringLiteral("I Know"));
    EXPECT_EQ(yes->x, 368);
    EXPECT_EQ(yes->height, 44);
    EXPECT_FALSE(Find(*t, 1000)->Has(kStyleVisible));
    EXPECT_TRUE(Find(*t, 1)->Has(kStyleDisabled));
    for (int id : {2, 1021, 1028, 1029}) EXPECT_TRUE(Find(*t, id)->Has(kStyleTabStop)) << id;
}

TEST(DialogTemplateTest, BrokenData_IsRefused) {
    const char* broken[] = {
        "not json",
        R"({"size": [1], "styles": [], "controls": []})",
        R"({"size": [1, 2], "styles": ["shiny"], "controls": []})",
        R"({"size": [1, 2], "styles": [], "controls": [{"kind": "slider", "rect": [0,0,1,1], "styles": []}]})",
        R"({"size": [1, 2], "styles": [], "controls": [{"kind": "static", "rect": [0,0,1], "styles": []}]})",
    };
    for (const char* json : broken) EXPECT_FALSE(DialogTemplate::Parse(json).has_value()) << json;
    EXPECT_FALSE(DialogTemplate::Load(999).has_value());
}

}  // namespace
