#include "platform/report/QRPainter.h"

#include "platform/Error.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

void PaintReportPage(QPainter& painter, const TQRPage& page) {
    const double dotsPerInchX = painter.device()->logicalDpiX();
    const double dotsPerInchY = painter.device()->logicalDpiY();
    const double xScale = dotsPerInchX / 25.4;
    const double yScale = dotsPerInchY / 25.4;
    const auto toDevice = [&](const QPointF& point) {
        return QPointF(point.x() * xScale, point.y() * yScale);
    };

    painter.save();
    // Items of one element follow each other with the same font: setting it anew costs a lookup.
    const QFont* lastFont = nullptr;
    for (const TQRItem& item : page.Items) {
        if (item.Kind == TQRItemKind::Text) {
            if (lastFont == nullptr || *lastFont != item.Font) {
                painter.setFont(item.Font);
                lastFont = &item.Font;
            }
            painter.setPen(item.Color);
            painter.drawText(toDevice(item.Rect.topLeft() + QPointF(0.0, item.Ascent)), item.Text);
        } else {
            QPen pen(item.Color, item.PenWidth * dotsPerInchY / 72.0, item.PenStyle);
            pen.setCapStyle(Qt::SquareCap);
            painter.setPen(pen);
            painter.drawLine(toDevice(item.Line.p1()), toDevice(item.Line.p2()));
        }
    }
    painter.restore();
}

void PaintReport(QPagedPaintDevice& device, const TQRDocument& document) {
    QPainter painter;
    if (!painter.begin(&device))
        throw EPlatformError(
            QStringLiteral("L'impression de « %1 » n'a pas pu commencer.").arg(document.Title));
    const QPageRanges ranges = device.pageRanges();
    bool firstPrinted = true;
    for (qsizetype index = 0; index < document.Pages.size(); ++index) {
        if (!ranges.isEmpty() && !ranges.contains(static_cast<int>(index) + 1))
            continue;
        if (!firstPrinted)
            device.newPage();
        firstPrinted = false;
        PaintReportPage(painter, document.Pages.at(index));
    }
    painter.end();
}

void SetUpPrinter(QPrinter& printer, const TQRDocument& document) {
    printer.setPageLayout(QPageLayout(document.PageSize, document.Orientation, QMarginsF()));
    printer.setFullPage(true);
    printer.setCopyCount(document.PrinterSettings.Copies);
    printer.setDuplex(document.PrinterSettings.Duplex);
    printer.setPaperSource(document.PrinterSettings.PaperSource);
    printer.setPrintRange(QPrinter::AllPages);
}
