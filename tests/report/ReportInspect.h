#pragma once

#include "platform/report/QRPageModel.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

// Reading laid-out pages and written PDF files in tests.
namespace ReportInspect {

inline QList<TQRItem> Items(const TQRPage& page, const QString& name, TQRItemKind kind) {
    QList<TQRItem> items;
    for (const TQRItem& item : page.Items)
        if (item.Name == name && item.Kind == kind)
            items << item;
    return items;
}

inline QList<TQRItem> Texts(const TQRPage& page, const QString& name) {
    return Items(page, name, TQRItemKind::Text);
}

inline QList<TQRItem> Lines(const TQRPage& page, const QString& name) {
    return Items(page, name, TQRItemKind::Line);
}

inline QStringList TextsOf(const QList<TQRItem>& items) {
    QStringList texts;
    for (const TQRItem& item : items)
        texts << item.Text;
    return texts;
}

// Every text printed on the page, in the order printed.
inline QStringList AllTexts(const TQRPage& page) {
    QStringList texts;
    for (const TQRItem& item : page.Items)
        if (item.Kind == TQRItemKind::Text)
            texts << item.Text;
    return texts;
}

// The heights, from the page's top edge, of the horizontal lines a band's frame drew.
inline QList<double> BandLineHeights(const TQRPage& page, const QString& band) {
    QList<double> heights;
    for (const TQRItem& line : Lines(page, band))
        if (line.Line.dy() == 0.0)
            heights << line.Line.y1();
    return heights;
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The page count a PDF file states in its page tree; -1 when it is not a PDF.
inline int PdfPageCount(const QString& path) {
    const QByteArray bytes = FileBytes(path);
    if (!bytes.startsWith("%PDF-"))
        return -1;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)"))
            .match(QString::fromLatin1(bytes));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace ReportInspect
