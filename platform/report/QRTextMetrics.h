#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QStringList>

// Text measured in millimetres as a printer of high resolution sets it, so that a layout holds
// on the screen, on paper and in a PDF alike.
class TQRTextMetrics {
public:
    explicit TQRTextMetrics(const QFont& font);

    // The font as it is measured and painted: outlines without hinting, whose widths scale
    // exactly with the resolution.
    static QFont PrintFont(const QFont& font);
    // The text's lines as written, split at its line breaks.
    static QStringList Paragraphs(const QString& text);

    const QFont& Font() const { return FFont; }
    double LineHeight() const { return FLineHeight; }
    double Ascent() const { return FAscent; }
    double Width(const QString& text) const;
    // The text's paragraphs, each broken into lines no wider than the width: between words, or
    // within a word that is wider on its own.
    QStringList WrappedLines(const QString& text, double width) const;

private:
    QFont FFont;
    QFontMetricsF FMetrics;
    double FLineHeight;
    double FAscent;
};
