#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A dialog as the resource data describes it: caption, font, size and controls, all
// positions in dialog units. The four dialogs live as JSON under ":/dialogs/<id>.json".

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

enum class ControlKind { Static, PushButton, GroupBox };

// Control styles, or-ed together.
enum ControlStyle : uint32_t {
    kStyleVisible = 1u << 0,
    kStyleDisabled = 1u << 1,
    kStyleDefault = 1u << 2,  // the default push button
    kStyleTabStop = 1u << 3,
    kStyleBitmap = 1u << 4,  // a push button that shows a picture instead of its text
    kStyleSunken = 1u << 5,
    kStyleCenter = 1u << 6,  // text alignment; left when neither is set
    kStyleRight = 1u << 7,
};

// Dialog styles, or-ed together.
enum DialogStyle : uint32_t {
    kDialogCaption = 1u << 0,
    kDialogSystemMenu = 1u << 1,
};

struct ControlTemplate {
    static constexpr int kNoId = -1;

    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    QString text;
    // In dialog units.
    int x = 0, y = 0, width = 0, height = 0;
    uint32_t styles = 0;
    // The name a screen reader speaks for a picture button, which has no text of its own.
    QString accessibleName;

    bool Has(ControlStyle s) const { return (styles & s) != 0; }
};

struct DialogTemplate {
    int id = 0;
    QString caption;
    QString fontFace;
    int fontPoints = 8;
    int width = 0, height = 0;  // dialog units
    uint32_t styles = 0;
    // What a screen reader calls the dialog; empty leaves it to the window title, which a
    // dialog may change as it runs.
    QString accessibleName;
    std::vector<ControlTemplate> controls;

    bool Has(DialogStyle s) const { return (styles & s) != 0; }

    // Reads ":/dialogs/<id>.json" from the program's built-in resources.
    static std::optional<DialogTemplate> Load(int id);
    // Parses the JSON form; nothing for malformed data.
    static std::optional<DialogTemplate> Parse(const QByteArray& json);
};
