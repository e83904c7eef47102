#include "platform/report/QRPageView.h"

#include "platform/report/QRPainter.h"

#include <QPaintEvent>
#include <QPainter>

TQRPageView::TQRPageView(const TQRDocument& document, QWidget* parent)
    : QWidget(parent), FDocument(document) {
    setObjectName(QStringLiteral("PageView"));
    FitToPaper();
}

void TQRPageView::SetPageIndex(qsizetype index) {
    if (index == FPageIndex)
        return;
    FPageIndex = index;
    update();
}

void TQRPageView::SetZoom(double zoom) {
    if (qFuzzyCompare(zoom, FZoom))
        return;
    FZoom = zoom;
    FitToPaper();
    update();
}

QSizeF TQRPageView::PaperPixels() const {
    const QSizeF paper = FDocument.PaperSize();
    return {paper.width() / 25.4 * logicalDpiX(), paper.height() / 25.4 * logicalDpiY()};
}

void TQRPageView::FitToPaper() {
    setFixedSize((PaperPixels() * FZoom).toSize());
}

void TQRPageView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    if (FPageIndex < 0 || FPageIndex >= FDocument.Pages.size())
        return;
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(FZoom, FZoom);
    PaintReportPage(painter, FDocument.Pages.at(FPageIndex));
}
