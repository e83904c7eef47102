#pragma once

#include "platform/report/QRPrintable.h"

// An element that prints a fixed text.
class TQRLabel : public TQRPrintable {
    Q_OBJECT
public:
    TQRLabel(TQRBand* band, const QString& name, const QString& caption);

    QString Caption;

    QString PrintText(bool hasRow) const override;
};
