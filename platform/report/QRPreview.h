#pragma once

#include "platform/report/QRPageModel.h"

#include <QPrintPreviewDialog>

class QAction;

// The print preview of a laid-out report: the toolkit's preview window, with paging, zoom, page
// setup and printing, and a button that writes the report to a PDF file.
class TQRPreview : public QPrintPreviewDialog {
    Q_OBJECT
public:
    // The printer belongs to the caller and outlives the preview.
    TQRPreview(TQRDocument document, QPrinter* printer, QWidget* parent);

    const TQRDocument& Document() const { return FDocument; }

    QAction* ActionSavePdf;
    // Asks for a file name and writes the report there; an existing file is replaced only when
    // the user confirms.
    void SaveAsPdf();

private:
    void PaintPages(QPrinter* printer);

    TQRDocument FDocument;
};
