#include "calendar/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

void FrameRect(QPainter& Canvas, const QRect& Rect, const QColor& Color) {
    Canvas.fillRect(Rect.left(), Rect.top(), Rect.width(), 1, Color);
    Canvas.fillRect(Rect.left(), Rect.bottom(), Rect.width(), 1, Color);
    Canvas.fillRect(Rect.left(), Rect.top(), 1, Rect.height(), Color);
    Canvas.fillRect(Rect.right(), Rect.top(), 1, Rect.height(), Color);
}

void TextOut(QPainter& Canvas, const QPoint& TopLeft, const QString& Text, const QColor& TextColor,
             const QColor& Background) {
    const QFontMetrics metrics(Canvas.font());
    const QRect box(TopLeft, QSize(metrics.horizontalAdvance(Text), metrics.height()));
    Canvas.fillRect(box, Background);
    Canvas.setPen(TextColor);
    Canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, Text);
}
