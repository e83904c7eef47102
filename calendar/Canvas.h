#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

// The two drawing operations of the toolkit's canvas that the calendar's picture is made of.

// One-pixel lines just inside the rectangle.
void FrameRect(QPainter& Canvas, const QRect& Rect, const QColor& Color);
// Text in the canvas font, its top-left corner at the point given, written opaque on the background.
void TextOut(QPainter& Canvas, const QPoint& TopLeft, const QString& Text, const QColor& TextColor,
             const QColor& Background);
