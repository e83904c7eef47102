#include "ReportInspect.h"

#include "platform/Error.h"
#include "platform/report/QRPainter.h"
#include "platform/report/QRPdfWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

using namespace ReportInspect;

namespace {

constexpr double DotsPerInch = 150.0;

TQRItem TextItem(const QString& text, const QRectF& rect) {
    TQRItem item;
    item.Name = QStringLiteral("Text");
    item.Rect = rect;
    item.Text = text;
    item.Font = QFont(QStringLiteral("Arial"), 12);
    return item;
}

TQRItem LineItem(const QLineF& line, double width) {
    TQRItem item;
    item.Kind = TQRItemKind::Line;
    item.Name = QStringLiteral("Line");
    item.Line = line;
    item.PenWidth = width;
    return item;
}

// A document of the given number of pages, each naming its number.
TQRDocument NumberedPages(int count) {
    TQRDocument document;
    document.Title = QStringLiteral("Essai");
    for (int page = 1; page <= count; ++page)
        document.Pages << TQRPage{{TextItem(QStringLiteral("Page %1").arg(page), QRectF(20, 20, 30, 5))}};
    return document;
}

int Dots(double millimetres) {
    return qRound(millimetres * DotsPerInch / 25.4);
}

// Whether any pixel of the area, given in millimetres, is dark.
bool HasInk(const QImage& image, const QRectF& area) {
    for (int y = Dots(area.top()); y <= Dots(area.bottom()); ++y)
        for (int x = Dots(area.left()); x <= Dots(area.right()); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

TEST(QRPainter, PaintsTextsAndLinesInMillimetresAtTheDevicesResolution) {
    QImage image(Dots(210), Dots(297), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(DotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(DotsPerInch / 0.0254));
    image.fill(Qt::white);
    const TQRPage page{
        {TextItem(QStringLiteral("Bonjour"), QRectF(20, 30, 20, 5)), LineItem(QLineF(10, 60, 100, 60), 1.0)}};

    QPainter painter(&image);
    PaintReportPage(painter, page);
    painter.end();

    EXPECT_TRUE(HasInk(image, QRectF(20, 30, 20, 5)));
    EXPECT_FALSE(HasInk(image, QRectF(20, 36, 20, 10)));
    EXPECT_FALSE(HasInk(image, QRectF(45, 30, 20, 5)));
    for (double x : {11.0, 55.0, 99.0})
        EXPECT_TRUE(HasInk(image, QRectF(x, 59.9, 0, 0.2))) << x;
    EXPECT_FALSE(HasInk(image, QRectF(10, 58, 90, 1)));
    EXPECT_FALSE(HasInk(image, QRectF(102, 59.5, 5, 1)));
}

TEST(QRPainter, PdfHasOnePagePerLaidOutPage) {
    WriteReportPdf(NumberedPages(3), QStringLiteral("essai.pdf"));

    EXPECT_EQ(PdfPageCount(QStringLiteral("essai.pdf")), 3);
}

TEST(QRPainter, DeviceGetsOnlyThePagesInItsRanges) {
    {
        QPdfWriter writer(QStringLiteral("partie.pdf"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPageRanges ranges;
        ranges.addRange(2, 3);
        writer.setPageRanges(ranges);
        PaintReport(writer, NumberedPages(4));
    }
    EXPECT_EQ(PdfPageCount(QStringLiteral("partie.pdf")), 2);
}

TEST(QRPainter, PdfReplacesAnExistingFileWhole) {
    QFile old(QStringLiteral("essai.pdf"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(100000, 'x'));
    old.close();

    WriteReportPdf(NumberedPages(1), QStringLiteral("essai.pdf"));

    const QByteArray bytes = FileBytes(QStringLiteral("essai.pdf"));
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_FALSE(bytes.contains("xxxxxxxx"));
}

TEST(QRPainter, PdfThatCannotBeWrittenLeavesNoFile) {
    EXPECT_THROW(WriteReportPdf(NumberedPages(1), QStringLiteral("absent/essai.pdf")), EPlatformError);
    EXPECT_FALSE(QFile::exists(QStringLiteral("absent/essai.pdf")));
    EXPECT_TRUE(QDir::current().entryList(QDir::Files).isEmpty());
}
