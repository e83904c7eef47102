#pragma once

#include "platform/report/QRPageModel.h"

#include <QWidget>

// One laid-out page drawn on screen at a zoom, as large as the paper at that zoom. Only the page
// shown is ever painted, so a long report opens as fast as a short one.
class TQRPageView : public QWidget {
    Q_OBJECT
public:
    // The document belongs to the caller and outlives the view.
    TQRPageView(const TQRDocument& document, QWidget* parent);

    // Counted from 0.
    qsizetype PageIndex() const { return FPageIndex; }
    void SetPageIndex(qsizetype index);

    // 1 shows the paper at its real size on a screen of the stated resolution.
    double Zoom() const { return FZoom; }
    void SetZoom(double zoom);

    // The paper in pixels at the zoom of 1.
    QSizeF PaperPixels() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitToPaper();

    const TQRDocument& FDocument;
    qsizetype FPageIndex = 0;
    double FZoom = 1.0;
};
