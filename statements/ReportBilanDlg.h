#pragma once

#include <QWidget>

class TDataModuleQuimbel;
class TQRBand;
class TQRDBText;
class TQRLabel;
class TQuickRep;

// Holds the statement report: one line per period of the statement on screen, nothing else.
// The form itself is never shown.
class TFormReportBilan : public QWidget {
    Q_OBJECT
public:
    explicit TFormReportBilan(QWidget* owner = nullptr);
    ~TFormReportBilan() override;

    // The report reads the statement query, as its last rebuild left it.
    void ConnectDataModule(TDataModuleQuimbel* dataModule);

    TQuickRep* QuickRepBilan;
    TQRBand* PageHeaderBand1;
    TQRBand* DetailBand1;
    TQRDBText* QRDBTextNom;
    TQRLabel* QRLabelChambre;
    TQRDBText* QRDBTextChambre;
    TQRLabel* QRLabelDu;
    TQRDBText* QRDBText1;
    TQRLabel* QRLabelAu;
    TQRDBText* QRDBText2;
    TQRLabel* QRLabelAccompte;
    TQRDBText* QRDBText3;
    TQRLabel* QRLabelTarif;
    TQRDBText* QRDBText4;
};

// The instance created at start-up.
extern TFormReportBilan* FormReportBilan;
