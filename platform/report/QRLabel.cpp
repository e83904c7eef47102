#include "platform/report/QRLabel.h"

TQRLabel::TQRLabel(TQRBand* band, const QString& name, const QString& caption)
    : TQRPrintable(band, name), Caption(caption) {}

QString TQRLabel::PrintText(bool) const {
    return Caption;
}
