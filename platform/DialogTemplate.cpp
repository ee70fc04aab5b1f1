// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DialogTemplate.h"

#include "platform/Resources.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "translations/Translations.h"

namespace {

struct StyleName {
    const char* name;
    uint32_t bit;
};

constexpr StyleName kControlStyles[] = {
    {"visible", kStyleVisible}, {"disabled", kStyleDisabled}, {"default", kStyleDefault},
    {"tabstop", kStyleTabStop}, {"bitmap", kStyleBitmap},     {"sunken", kStyleSunken},
    {"center", kStyleCenter},   {"right", kStyleRight},
};

constexpr StyleName kDialogStyles[] = {
    {"caption", kDialogCaption},
    {"sysmenu", kDialogSystemMenu},
};

template <size_t N>
std::optional<uint32_t> ParseStyles(const QJsonValue& value, const StyleName (&names)[N]) {
    uint32_t styles = 0;
    for (const QJsonValue& item : value.toArray()) {
        bool known = false;
        for (const StyleName& s : names) {
            if (item.toString() == QLatin1String(s.name)) {
                styles |= s.bit;
                known = true;
            }
        }
        if (!known) return std::nullopt;
    }
    return styles;
}

std::optional<ControlKind> ParseKind(const QString& kind) {
    if (kind == QLatin1String("static")) return ControlKind::Static;
    if (kind == QLatin1String("button")) return ControlKind::PushButton;
    if (kind == QLatin1String("groupbox")) return ControlKind::GroupBox;
    return std::nullopt;
}

std::optional<ControlTemplate> ParseControl(const QJsonObject& o) {
    ControlTemplate c;
    c.id = o.value("id").toInt(ControlTemplate::kNoId);
    const auto kind = ParseKind(o.value("kind").toString());
    const auto styles = ParseStyles(o.value("styles"), kControlStyles);
    const QJsonArray rect = o.value("rect").toArray();
    if (!kind || !styles || rect.size() != 4) return std::nullopt;
    c.kind = *kind;
    c.styles = *styles;
    c.text = Translations::DialogText(o.value("text").toString());
    c.accessibleName = Translations::DialogText(o.value("accessibleName").toString());
    c.x = rect[0].toInt();
    c.y = rect[1].toInt();
    c.width = rect[2].toInt();
    c.height = rect[3].toInt();
    return c;
}

}  // namespace

std::optional<DialogTemplate> DialogTemplate::Parse(const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    DialogTemplate t;
    t.id = o.value("id").toInt();
    t.caption = Translations::DialogText(o.value("caption").toString());
    t.accessibleName = Translations::DialogText(o.value("accessibleName").toString());
    const QJsonObject font = o.value("font").toObject();
    t.fontFace = font.value("face").toString();
    t.fontPoints = font.value("points").toInt(8);
    const QJsonArray size = o.value("size").toArray();
    const auto styles = ParseStyles(o.value("styles"), kDialogStyles);
    if (size.size() != 2 || !styles) return std::nullopt;
    t.width = size[0].toInt();
    t.height = size[1].toInt();
    t.styles = *styles;
    for (const QJsonValue& item : o.value("controls").toArray()) {
        auto control = ParseControl(item.toObject());
        if (!control) return std::nullopt;
        t.controls.push_back(*control);
    }
    return t;
}

std::optional<DialogTemplate> DialogTemplate::Load(int id) {
    EnsureBuiltInResources();
    QFile file(QStringLiteral(":/dialogs/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return Parse(file.readAll());
}
