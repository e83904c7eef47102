#pragma once

#include "platform/report/QRFrame.h"

#include <QList>
#include <QObject>

class TQRPrintable;
class TQuickRep;

enum class TQRBandType {
    // Printed at the top of every page, the first one included.
    PageHeader,
    // Printed once for each row of the report's data set.
    Detail
};

// A horizontal strip of a report, as wide as the space between the page's side margins, that
// holds elements. Its height, in millimetres, grows when an element stretches.
class TQRBand : public QObject {
    Q_OBJECT
public:
    // The band joins the report after the bands made before it.
    TQRBand(TQuickRep* report, const QString& name, TQRBandType bandType, double height);

    TQuickRep* Report() const { return FReport; }
    const QList<TQRPrintable*>& Elements() const { return FElements; }

    TQRBandType BandType;
    double Height;
    // Drawn after the band's elements, so a print handler of an element may still change it for
    // the band being printed.
    TQRFrame Frame;

private:
    friend class TQRPrintable;
    TQuickRep* FReport;
    QList<TQRPrintable*> FElements;
};
