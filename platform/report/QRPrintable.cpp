#include "platform/report/QRPrintable.h"

#include "platform/report/QRBand.h"
#include "platform/report/QuickRep.h"

TQRPrintable::TQRPrintable(TQRBand* band, const QString& name)
    : QObject(band), Font(band->Report()->Font), FBand(band) {
    setObjectName(name);
    band->FElements.append(this);
}

void TQRPrintable::SetBounds(double left, double top, double width, double height) {
    Left = left;
    Top = top;
    Width = width;
    Height = height;
}
