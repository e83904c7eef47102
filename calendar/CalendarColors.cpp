#include "calendar/CalendarColors.h"

#include <QGuiApplication>
#include <QPalette>

QColor ToQColor(TColor color) {
    if (color == clBtnFace)
        return QGuiApplication::palette().color(QPalette::Button);
    return QColor::fromRgb(color);
}
