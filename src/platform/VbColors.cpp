#include "platform/VbColors.h"

#include <QGuiApplication>

namespace kalvex {

namespace {
QColor systemColor(quint32 index, const QPalette& p)
{
    using R = QPalette::ColorRole;
    switch (index) {
    case 0x00: return p.color(R::Mid);
    case 0x01: return p.color(R::Dark);
    case 0x02: return p.color(QPalette::Active, R::Highlight);
    case 0x03: return p.color(QPalette::Inactive, R::Highlight);
    case 0x04: return p.color(R::Window);
    case 0x05: return p.color(R::Base);
    case 0x06: return p.color(R::Shadow);
    case 0x07: return p.color(R::WindowText);
    case 0x08: return p.color(R::Text);
    case 0x09: return p.color(QPalette::Active, R::HighlightedText);
    case 0x0A: return p.color(R::Mid);
    case 0x0B: return p.color(R::Midlight);
    case 0x0C: return p.color(R::Dark);
    case 0x0D: return p.color(R::Highlight);
    case 0x0E: return p.color(R::HighlightedText);
    case 0x0F: return p.color(R::Button);
    case 0x10: return p.color(R::Mid);
    case 0x11: return p.color(QPalette::Disabled, R::Text);
    case 0x12: return p.color(R::ButtonText);
    case 0x13: return p.color(QPalette::Disabled, R::WindowText);
    case 0x14: return p.color(R::Light);
    case 0x15: return p.color(R::Shadow);
    case 0x16: return p.color(R::Midlight);
    case 0x17: return p.color(R::ToolTipText);
    case 0x18: return p.color(R::ToolTipBase);
    default: return p.color(R::Window);
    }
}
} // namespace

QColor vbl_color_resolve(quint32 code)
{
    return vbl_color_resolve(code, QGuiApplication::palette());
}

QColor vbl_color_resolve(quint32 code, const QPalette& palette)
{
    if (vbl_color_isSystem(code))
        return systemColor(code & 0xFFu, palette);
    return QColor(static_cast<int>(code & 0xFFu), static_cast<int>((code >> 8) & 0xFFu),
                  static_cast<int>((code >> 16) & 0xFFu));
}

quint32 vbl_color_fromQColor(const QColor& c)
{
    return static_cast<quint32>(c.red()) | (static_cast<quint32>(c.green()) << 8)
        | (static_cast<quint32>(c.blue()) << 16);
}

} // namespace kalvex
