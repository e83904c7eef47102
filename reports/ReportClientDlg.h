#pragma once

#include <QWidget>

class TDataModuleQuimbel;
class TQRBand;
class TQRDBText;
class TQRLabel;
class TQRPrintable;
class TQuickRep;

// Holds the client list report and its print handler; the form itself is never shown.
class TFormReportClient : public QWidget {
    Q_OBJECT
public:
    explicit TFormReportClient(QWidget* owner = nullptr);
    ~TFormReportClient() override;

    // The form is made before the data module: the report reads the client table once it exists.
    void ConnectDataModule(TDataModuleQuimbel* dataModule);

    TQuickRep* QuickRepClient;
    TQRBand* PageHeaderBand1;
    TQRLabel* QRLabelClientTitle;
    TQRBand* QRBandClientList;
    TQRDBText* QRDBTextClientNom;
    TQRDBText* QRDBTextClientPrenom;
    TQRDBText* QRDBTextClientAdresse;
    TQRDBText* QRDBTextClientCP;
    TQRDBText* QRDBTextClientVille;
    TQRDBText* QRDBTextClientTelephone;
    TQRLabel* QRLabelNote;
    TQRDBText* QRDBTextClientNote;

    // Underlines the block of a client with a note, and every block printed after it while the
    // program runs.
    void EvOnPrintNote(TQRPrintable* Sender, QString& Value);
};

// The instance created at start-up.
extern TFormReportClient* FormReportClient;
