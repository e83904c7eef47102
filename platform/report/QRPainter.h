#pragma once

#include "platform/report/QRPageModel.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// Paints a laid-out page with the paper's top-left corner at the painter's origin, millimetres
// turned into the dots of the painter's device.
void PaintReportPage(QPainter& painter, const TQRPage& page);

// Paints the pages onto a printer or a PDF writer set up for the document, one device page each,
// leaving out the pages outside the page ranges the device was given.
void PaintReport(QPagedPaintDevice& device, const TQRDocument& document);

// Gives a printer the document's paper, orientation and settings, with its origin at the
// paper's corner since the document carries its own margins.
void SetUpPrinter(QPrinter& printer, const TQRDocument& document);
