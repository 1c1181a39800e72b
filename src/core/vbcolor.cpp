#include "vbcolor.h"

#include <QGuiApplication>
#include <QPalette>

namespace lumetra {

namespace {

QPalette::ColorRole systemRole(int index)
{
    switch (index) {
    case 5:
        return QPalette::Base;
    case 7:
        return QPalette::WindowText;
    case 8:
        return QPalette::Text;
    case 12:
        return QPalette::Mid;
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button;
    case 16:
        return QPalette::Dark;
    case 17:
        return QPalette::PlaceholderText;
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light;
    case 21:
        return QPalette::Shadow;
    case 22:
        return QPalette::Midlight;
    case 23:
        return QPalette::ToolTipText;
    case 24:
        return QPalette::ToolTipBase;
    default:
        return QPalette::Window;
    }
}

} // namespace

QColor colorFromStored(qint32 value)
{
    if (value < 0) {
        const auto role = systemRole(value & 0xFF);
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            return QGuiApplication::palette().color(role);
        return role == QPalette::Text || role == QPalette::WindowText || role == QPalette::ButtonText
                   ? QColor(Qt::black)
                   : QColor(Qt::white);
    }
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 storedFromColor(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

} // namespace lumetra
