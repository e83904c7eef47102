#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRectF>
#include <QString>

enum class TQRItemKind { Text, Line };

// One mark on a laid-out page. Positions are in millimetres from the paper's top-left corner.
struct TQRItem {
    TQRItemKind Kind = TQRItemKind::Text;
    // The element or band that printed it.
    QString Name;
    // Text: one line of text and the box it takes, as wide as the text and one line high, with
    // the baseline at Ascent below the box's top.
    QRectF Rect;
    double Ascent = 0.0;
    QString Text;
    QFont Font;
    // Line: its two ends, its width in points and its pen.
    QLineF Line;
    double PenWidth = 0.0;
    Qt::PenStyle PenStyle = Qt::SolidLine;
    QColor Color = Qt::black;
};

struct TQRPage {
    QList<TQRItem> Items;
};

// What a printer is told besides the pages themselves.
struct TQRPrinterSettings {
    int Copies = 1;
    QPrinter::DuplexMode Duplex = QPrinter::DuplexNone;
    QPrinter::PaperSource PaperSource = QPrinter::Auto;
};

// A report laid out page by page, ready to paint on any device.
struct TQRDocument {
    QString Title;
    QPageSize PageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    TQRPrinterSettings PrinterSettings;
    QList<TQRPage> Pages;

    // The paper in millimetres, turned to the orientation.
    QSizeF PaperSize() const {
        const QSizeF size = PageSize.size(QPageSize::Millimeter);
        return Orientation == QPageLayout::Landscape ? size.transposed() : size;
    }
};
