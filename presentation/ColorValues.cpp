#include "presentation/ColorValues.h"

#include <QGuiApplication>
#include <QPalette>

namespace zorvane {

namespace {

// The desktop colours 0x80000000.. in their order, as the nearest palette role.
constexpr QPalette::ColorRole kSystemRoles[] = {
    QPalette::Button,           // clScrollBar
    QPalette::Window,           // clBackground
    QPalette::Highlight,        // clActiveCaption
    QPalette::Mid,              // clInactiveCaption
    QPalette::Window,           // clMenu
    QPalette::Base,             // clWindow
    QPalette::Shadow,           // clWindowFrame
    QPalette::WindowText,       // clMenuText
    QPalette::Text,             // clWindowText
    QPalette::HighlightedText,  // clCaptionText
    QPalette::Button,           // clActiveBorder
    QPalette::Button,           // clInactiveBorder
    QPalette::Dark,             // clAppWorkSpace
    QPalette::Highlight,        // clHighlight
    QPalette::HighlightedText,  // clHighlightText
    QPalette::Button,           // clBtnFace
    QPalette::Dark,             // clBtnShadow
    QPalette::PlaceholderText,  // clGrayText
    QPalette::ButtonText,       // clBtnText
    QPalette::Text,             // clInactiveCaptionText
    QPalette::Light,            // clBtnHighlight
    QPalette::Shadow,           // cl3DDkShadow
    QPalette::Midlight,         // cl3DLight
    QPalette::ToolTipText,      // clInfoText
    QPalette::ToolTipBase,      // clInfoBk
};

}  // namespace

QColor ToQColor(ColorValue value) {
    if (value <= 0x00FFFFFF) {
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    }
    const ColorValue system = value - 0x80000000u;
    if (value >= 0x80000000u && system < std::size(kSystemRoles)) {
        return QGuiApplication::palette().color(kSystemRoles[system]);
    }
    return QColor(Qt::transparent);
}

ColorValue FromQColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<ColorValue>(rgb.red()) | (static_cast<ColorValue>(rgb.green()) << 8) |
           (static_cast<ColorValue>(rgb.blue()) << 16);
}

}  // namespace zorvane
