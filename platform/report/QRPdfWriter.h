#pragma once

#include "platform/report/QRPageModel.h"

// Writes the document to a PDF file, replacing the file if it exists. The pages go to a temporary
// file beside it that takes its name only once complete, so a failure leaves no partial file.
void WriteReportPdf(const TQRDocument& document, const QString& path);
