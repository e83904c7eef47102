#include "platform/report/QRDBText.h"

#include "platform/db/DataSet.h"
#include "platform/report/QRBand.h"
#include "platform/report/QRMask.h"
#include "platform/report/QuickRep.h"

TQRDBText::TQRDBText(TQRBand* band, const QString& name, const QString& dataField)
    : TQRPrintable(band, name), DataField(dataField) {}

QString TQRDBText::PrintText(bool hasRow) const {
    const TField* field = hasRow ? Band()->Report()->DataSet->FieldByName(DataField) : nullptr;
    if (Mask.isEmpty())
        return field != nullptr ? field->DisplayText() : QString();
    return FormatMask(field != nullptr ? field->AsFloat() : 0.0, Mask);
}
