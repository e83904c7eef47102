#pragma once

#include "platform/report/QRPageModel.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class QDialog;
class QPrinter;
class QWidget;
class TDataSet;
class TQRBand;

// The paper and its margins, in millimetres.
struct TQRPageSetup {
    QPageSize::PageSizeId PaperSize = QPageSize::A4;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    double TopMargin = 10.0;
    double BottomMargin = 10.0;
    double LeftMargin = 10.0;
    double RightMargin = 10.0;
};

// What a report prints over an empty data set besides its page header.
enum class TQREmptyDataSet {
    HeaderOnly,
    // One detail band whose fields have no value.
    EmptyDetail
};

// A banded report over a data set: page header bands on every page, detail bands once per row.
class TQuickRep : public QObject {
    Q_OBJECT
public:
    TQuickRep(QObject* owner, const QString& name);
    ~TQuickRep() override;

    TDataSet* DataSet = nullptr;
    // Names the preview window and the PDF file it proposes.
    QString ReportTitle;
    TQRPageSetup Page;
    TQRPrinterSettings PrinterSettings;
    // The font an element starts with.
    QFont Font;
    TQREmptyDataSet WhenEmpty = TQREmptyDataSet::HeaderOnly;

    const QList<TQRBand*>& Bands() const { return FBands; }

    // Lays out every page from the data set's current content.
    TQRDocument Prepare();
    // Lays the report out and shows it in a print preview that the other windows wait for.
    void PreviewModal(QWidget* parent);
    // Lays the report out and shows it in a print preview beside the other windows, which stay
    // usable; returns when the preview closes or the application ends. Asked again while its
    // preview is open, the report brings that preview to the front and returns at once.
    void PreviewModeless(QWidget* parent);

private:
    friend class TQRBand;
    void Preview(QWidget* parent, bool modal);
    QPrinter& Printer();

    QList<TQRBand*> FBands;
    // Made on first use, and kept so that a printer chosen in the preview stays chosen.
    std::unique_ptr<QPrinter> FPrinter;
    QPointer<QDialog> FOpenPreview;
};
