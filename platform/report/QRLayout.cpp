#include "platform/report/QRLayout.h"

#include "platform/db/DataSet.h"
#include "platform/report/QRBand.h"
#include "platform/report/QRPrintable.h"
#include "platform/report/QRTextMetrics.h"
#include "platform/report/QuickRep.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Tolerance on millimetres, far below what a printer resolves, so that a text exactly as high as
// its box still fits.
constexpr double Tolerance = 1e-6;

void AddFrameLines(QList<TQRItem>& items, const QString& name, const TQRFrame& frame, const QRectF& box) {
    const auto addLine = [&](const QPointF& from, const QPointF& to) {
        TQRItem item;
        item.Kind = TQRItemKind::Line;
        item.Name = name;
        item.Line = QLineF(from, to);
        item.PenWidth = frame.Width;
        item.PenStyle = frame.Style;
        item.Color = frame.Color;
        items << item;
    };
    if (frame.DrawTop)
        addLine(box.topLeft(), box.topRight());
    if (frame.DrawBottom)
        addLine(box.bottomLeft(), box.bottomRight());
    if (frame.DrawLeft)
        addLine(box.topLeft(), box.bottomLeft());
    if (frame.DrawRight)
        addLine(box.topRight(), box.bottomRight());
}

void MoveDown(TQRItem& item, double distance) {
    if (item.Kind == TQRItemKind::Text)
        item.Rect.translate(0.0, distance);
    else
        item.Line.translate(0.0, distance);
}

class TLayout {
public:
    explicit TLayout(TQuickRep& report);
    TQRDocument Run();

private:
    // Elements keep their font through a report as a rule, so each keeps its measures until its
    // font changes.
    struct TElementMetrics {
        QFont Font;
        std::optional<TQRTextMetrics> Metrics;
        // A column repeats its values from row to row: names, rooms, dates, amounts.
        QHash<QString, double> Widths;
    };

    // Prints a band into FBandItems, measured from the band's top; returns its height.
    double PrintBand(const TQRBand& band);
    double PrintElement(TQRPrintable& element);
    void PlaceBand(const TQRBand& band);
    void StartPage();
    TElementMetrics& MetricsOf(const TQRPrintable& element);

    TQuickRep& FReport;
    TQRDocument FDocument;
    double FLeft;
    double FTop;
    double FBottom;
    double FWidth;
    double FY = 0.0;
    bool FHasRow = false;
    bool FDetailOnPage = false;
    QList<TQRItem> FBandItems;
    QHash<const TQRPrintable*, TElementMetrics> FMetrics;
};

TLayout::TLayout(TQuickRep& report) : FReport(report) {
    FDocument.Title = report.ReportTitle;
    FDocument.PageSize = QPageSize(report.Page.PaperSize);
    FDocument.Orientation = report.Page.Orientation;
    FDocument.PrinterSettings = report.PrinterSettings;
    const QSizeF paper = FDocument.PaperSize();
    FLeft = report.Page.LeftMargin;
    FTop = report.Page.TopMargin;
    FBottom = paper.height() - report.Page.BottomMargin;
    FWidth = paper.width() - report.Page.LeftMargin - report.Page.RightMargin;
}

TLayout::TElementMetrics& TLayout::MetricsOf(const TQRPrintable& element) {
    TElementMetrics& metrics = FMetrics[&element];
    if (!metrics.Metrics || element.Font != metrics.Font) {
        metrics.Font = element.Font;
        metrics.Metrics.emplace(element.Font);
        metrics.Widths.clear();
    }
    return metrics;
}

double TLayout::PrintElement(TQRPrintable& element) {
    QString text = element.PrintText(FHasRow);
    if (!text.isEmpty() && element.OnPrint)
        element.OnPrint(&element, text);

    TElementMetrics& elementMetrics = MetricsOf(element);
    const TQRTextMetrics& metrics = *elementMetrics.Metrics;
    QStringList lines;
    if (!text.isEmpty() && !element.WordWrap)
        lines = TQRTextMetrics::Paragraphs(text);
    else if (!text.isEmpty())
        lines = metrics.WrappedLines(text, element.AutoSize ? FWidth - element.Left : element.Width);
    const double lineHeight = metrics.LineHeight();
    double height = element.Height;
    if (element.AutoStretch)
        height = std::max(height, static_cast<double>(lines.size()) * lineHeight);
    else if (lines.size() > 1)
        lines = lines.mid(0, std::max(1, static_cast<int>(std::floor((height + Tolerance) / lineHeight))));

    std::vector<double> widths;
    widths.reserve(static_cast<size_t>(lines.size()));
    for (const QString& line : lines) {
        auto known = elementMetrics.Widths.constFind(line);
        if (known == elementMetrics.Widths.constEnd())
            known = elementMetrics.Widths.insert(line, metrics.Width(line));
        widths.push_back(*known);
    }

    const Qt::Alignment horizontal = element.Alignment & Qt::AlignHorizontal_Mask;
    double boxLeft = FLeft + element.Left;
    double boxWidth = element.Width;
    if (element.AutoSize) {
        boxWidth = widths.empty() ? 0.0 : *std::max_element(widths.begin(), widths.end());
        if (horizontal & Qt::AlignRight)
            boxLeft += element.Width - boxWidth;
        else if (horizontal & Qt::AlignHCenter)
            boxLeft += (element.Width - boxWidth) / 2.0;
    }

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const double width = widths[static_cast<size_t>(i)];
        double left = boxLeft;
        if (horizontal & Qt::AlignRight)
            left = boxLeft + boxWidth - width;
        else if (horizontal & Qt::AlignHCenter)
            left = boxLeft + (boxWidth - width) / 2.0;
        TQRItem item;
        item.Name = element.objectName();
        item.Rect = QRectF(left, element.Top + static_cast<double>(i) * lineHeight, width, lineHeight);
        item.Ascent = metrics.Ascent();
        item.Text = lines.at(i);
        item.Font = metrics.Font();
        item.Color = element.FontColor;
        FBandItems << item;
    }
    AddFrameLines(FBandItems, element.objectName(), element.Frame,
                  QRectF(boxLeft, element.Top, boxWidth, height));
    return element.AutoStretch ? height - element.Height : 0.0;
}

double TLayout::PrintBand(const TQRBand& band) {
    FBandItems.clear();
    double growth = 0.0;
    for (TQRPrintable* element : band.Elements())
        growth = std::max(growth, PrintElement(*element));
    const double height = band.Height + growth;
    AddFrameLines(FBandItems, band.objectName(), band.Frame, QRectF(FLeft, 0.0, FWidth, height));
    return height;
}

void TLayout::PlaceBand(const TQRBand& band) {
    const double height = PrintBand(band);
    const bool detail = band.BandType == TQRBandType::Detail;
    if (detail && FDetailOnPage && FY + height > FBottom + Tolerance) {
        // The header bands print into the same scratch list: keep this band's items apart.
        QList<TQRItem> items = std::move(FBandItems);
        StartPage();
        FBandItems = std::move(items);
    }
    QList<TQRItem>& pageItems = FDocument.Pages.last().Items;
    for (TQRItem& item : FBandItems) {
        MoveDown(item, FY);
        pageItems << item;
    }
    FY += height;
    FDetailOnPage = FDetailOnPage || detail;
}

void TLayout::StartPage() {
    FDocument.Pages.append(TQRPage());
    FY = FTop;
    FDetailOnPage = false;
    for (const TQRBand* band : FReport.Bands())
        if (band->BandType == TQRBandType::PageHeader)
            PlaceBand(*band);
}

TQRDocument TLayout::Run() {
    TDataSet* dataSet = FReport.DataSet;
    const auto printDetails = [this] {
        for (const TQRBand* band : FReport.Bands())
            if (band->BandType == TQRBandType::Detail)
                PlaceBand(*band);
    };

    FHasRow = dataSet != nullptr && dataSet->Active() && !dataSet->IsEmpty();
    if (FHasRow)
        dataSet->First();
    StartPage();
    if (FHasRow) {
        for (; !dataSet->Eof(); dataSet->Next())
            printDetails();
    } else if (FReport.WhenEmpty == TQREmptyDataSet::EmptyDetail) {
        printDetails();
    }
    return std::move(FDocument);
}

} // namespace

TQRDocument LayOutReport(TQuickRep& report) {
    return TLayout(report).Run();
}
