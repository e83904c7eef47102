#pragma once

#include "platform/report/QRPrintable.h"

// An element that prints a field of the report's data set for the current row.
class TQRDBText : public TQRPrintable {
    Q_OBJECT
public:
    TQRDBText(TQRBand* band, const QString& name, const QString& dataField);

    QString DataField;
    // Empty: the field's display text. Otherwise the field's number written through the mask
    // (see FormatMask), an empty value counting as zero.
    QString Mask;

    QString PrintText(bool hasRow) const override;
};
