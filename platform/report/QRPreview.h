#pragma once

#include "platform/report/QRPageModel.h"

#include <QDialog>
#include <QIcon>
#include <QKeySequence>

class QAction;
class QLabel;
class QPrinter;
class QScrollArea;
class QSpinBox;
class TQRPageView;

// The print preview of a laid-out report: one page at a time, with paging, zoom, printing and a
// button that writes the report to a PDF file. It paints only the page in view, so it opens on
// the first page however many follow.
class TQRPreview : public QDialog {
    Q_OBJECT
public:
    // The printer belongs to the caller and outlives the preview.
    TQRPreview(TQRDocument document, QPrinter* printer, QWidget* parent);

    const TQRDocument& Document() const { return FDocument; }
    QPrinter* Printer() const { return FPrinter; }

    // Counted from 1.
    int CurrentPage() const;
    int PageCount() const;
    void ShowPage(int page);

    double Zoom() const;
    void SetZoom(double zoom);
    void FitWidth();
    void FitPage();

    // Asks for the printer and the pages, then prints them.
    void Print();
    // Asks for a file name and writes the report there; an existing file is replaced only when
    // the user confirms.
    void SaveAsPdf();

    QAction* ActionFirstPage;
    QAction* ActionPreviousPage;
    QAction* ActionNextPage;
    QAction* ActionLastPage;
    QAction* ActionZoomIn;
    QAction* ActionZoomOut;
    QAction* ActionFitWidth;
    QAction* ActionFitPage;
    QAction* ActionPrint;
    QAction* ActionSavePdf;
    // Shows "Page 3 / 715" and takes a page number typed in.
    QSpinBox* SpinBoxPage;
    QLabel* LabelZoom;
    QScrollArea* ScrollAreaPages;
    TQRPageView* PageView;

private:
    QAction* AddAction(const QString& name, const QString& text, const QIcon& icon, const QKeySequence& key);
    void UpdateControls();

    TQRDocument FDocument;
    QPrinter* FPrinter;
};
