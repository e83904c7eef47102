#include "platform/report/QRBand.h"

#include "platform/report/QuickRep.h"

TQRBand::TQRBand(TQuickRep* report, const QString& name, TQRBandType bandType, double height)
    : QObject(report), BandType(bandType), Height(height), FReport(report) {
    setObjectName(name);
    report->FBands.append(this);
}
