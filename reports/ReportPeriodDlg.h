#pragma once

#include <QWidget>

class TDataModuleQuimbel;
class TQRBand;
class TQRDBText;
class TQRLabel;
class TQRPrintable;
class TQuickRep;

// Holds the period list report and its print handler; the form itself is never shown. Its texts
// keep the word "Chambre" whatever the rented good is called.
class TFormReportPeriod : public QWidget {
    Q_OBJECT
public:
    explicit TFormReportPeriod(QWidget* owner = nullptr);
    ~TFormReportPeriod() override;

    // The form is made before the data module: the report reads the period table once it exists.
    void ConnectDataModule(TDataModuleQuimbel* dataModule);

    TQuickRep* QuickRepPeriod;
    TQRBand* PageHeaderBand1;
    TQRLabel* QRLabelTitlePeriod;
    TQRBand* QRBandPeriodList;
    TQRDBText* QRDBTextPeriodNom;
    TQRLabel* QRLabelChambre;
    TQRDBText* QRDBTextPeriodeChambre;
    TQRLabel* QRLabelDu;
    TQRDBText* QRDBTextPeriodDebut;
    TQRLabel* QRLabelAu;
    TQRDBText* QRDBTextPeriodFin;
    TQRLabel* QRLabelAccompte;
    TQRDBText* QRDBTextPeriodAccompte;
    TQRLabel* QRLabelTarif;
    TQRDBText* QRDBTextPeriodTarif;
    TQRLabel* QRLabelNote;
    TQRDBText* QRDBText1;

    // Underlines the block of a period with a note, and every block printed after it while the
    // program runs.
    void EvOnPrintNote(TQRPrintable* Sender, QString& Value);
};

// The instance created at start-up.
extern TFormReportPeriod* FormReportPeriod;
