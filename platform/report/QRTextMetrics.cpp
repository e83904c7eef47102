#include "platform/report/QRTextMetrics.h"

#include <QImage>
#include <QTextLayout>

namespace {

constexpr double DotsPerInch = 1200.0;
constexpr double MillimetresPerDot = 25.4 / DotsPerInch;

// A device of printer resolution that fonts are measured against; no pixel is ever painted.
const QImage& MeasuringDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_Mono);
        const int dotsPerMetre = qRound(DotsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return device;
}

QString WithoutTrailingSpaces(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

} // namespace

QFont TQRTextMetrics::PrintFont(const QFont& font) {
    QFont printFont = font;
    printFont.setHintingPreference(QFont::PreferNoHinting);
    return printFont;
}

QStringList TQRTextMetrics::Paragraphs(const QString& text) {
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return {text};
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines.split(QLatin1Char('\n'));
}

TQRTextMetrics::TQRTextMetrics(const QFont& font)
    : FFont(PrintFont(font)), FMetrics(FFont, &MeasuringDevice()),
      FLineHeight(FMetrics.lineSpacing() * MillimetresPerDot),
      FAscent(FMetrics.ascent() * MillimetresPerDot) {}

double TQRTextMetrics::Width(const QString& text) const {
    return FMetrics.horizontalAdvance(text) * MillimetresPerDot;
}

QStringList TQRTextMetrics::WrappedLines(const QString& text, double width) const {
    QStringList lines;
    for (const QString& paragraph : Paragraphs(text)) {
        if (Width(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, FFont, &MeasuringDevice());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width / MillimetresPerDot);
            lines << WithoutTrailingSpaces(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}
