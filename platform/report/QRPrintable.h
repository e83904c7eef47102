#pragma once

#include "platform/report/QRFrame.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <functional>

class TQRBand;

// An element printed on a band: a fixed text or the value of a field. Its position is in
// millimetres from the band's top-left corner.
class TQRPrintable : public QObject {
    Q_OBJECT
public:
    // The element joins the band after the elements made before it, with the report's font.
    TQRPrintable(TQRBand* band, const QString& name);

    TQRBand* Band() const { return FBand; }

    void SetBounds(double left, double top, double width, double height);
    double Left = 0.0;
    double Top = 0.0;
    double Width = 0.0;
    double Height = 0.0;

    QFont Font;
    QColor FontColor = Qt::black;
    // Where the text stands across the element's width.
    Qt::Alignment Alignment = Qt::AlignLeft;
    // The element is as wide as its text. It keeps its left edge, or its right edge (Left + Width)
    // when right-aligned, or its centre when centred.
    bool AutoSize = false;
    // A line wider than the element, or reaching beyond the band when the element is as wide as
    // its text, breaks between words, or within a word that cannot fit.
    bool WordWrap = false;
    // The element grows downwards to hold every line, and its band with it. Otherwise the lines
    // that do not fit in its height are not printed, the first one excepted.
    bool AutoStretch = false;
    TQRFrame Frame;

    // Called just before the element prints, with the text it prints, only when that text is not
    // empty; the handler may change the text.
    std::function<void(TQRPrintable* sender, QString& value)> OnPrint;

    // The text for the current row of the report's data set; without a row (an empty data set)
    // a field has no value.
    virtual QString PrintText(bool hasRow) const = 0;

private:
    TQRBand* FBand;
};
