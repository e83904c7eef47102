#include "platform/report/QRPdfWriter.h"

#include "platform/Error.h"
#include "platform/report/QRPainter.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>

void WriteReportPdf(const TQRDocument& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EPlatformError(
            QStringLiteral("Le fichier « %1 » ne peut pas être créé : %2").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setTitle(document.Title);
        writer.setCreator(QCoreApplication::applicationName());
        writer.setPageLayout(QPageLayout(document.PageSize, document.Orientation, QMarginsF()));
        PaintReport(writer, document);
    }
    if (!file.commit())
        throw EPlatformError(
            QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2").arg(path, file.errorString()));
}
