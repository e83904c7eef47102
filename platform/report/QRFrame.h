#pragma once

#include <QColor>

// The lines drawn along the sides of an element or a band, each side switched on by itself.
struct TQRFrame {
    bool DrawTop = false;
    bool DrawBottom = false;
    bool DrawLeft = false;
    bool DrawRight = false;
    QColor Color = Qt::black;
    // In points, as printers measure line widths.
    double Width = 1.0;
    Qt::PenStyle Style = Qt::SolidLine;
};
