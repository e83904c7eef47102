#pragma once

#include <QWidget>

class TDataModuleQuimbel;
class TQRBand;
class TQRDBText;
class TQRLabel;
class TQRPrintable;
class TQuickRep;

// Holds the room list report and its print handler; the form itself is never shown. Its texts
// keep the word "Chambre" whatever the rented good is called.
class TFormReportRoom : public QWidget {
    Q_OBJECT
public:
    explicit TFormReportRoom(QWidget* owner = nullptr);
    ~TFormReportRoom() override;

    // The form is made before the data module: the report reads the room table once it exists.
    void ConnectDataModule(TDataModuleQuimbel* dataModule);

    TQuickRep* QuickRepRoom;
    TQRBand* PageHeaderBand1;
    TQRLabel* QRLabelTitleRoom;
    TQRBand* QRBandRoomList;
    TQRLabel* QRLabelChambreN;
    TQRDBText* QRDBTextRoomNumber;
    TQRLabel* QRLabelDesignation;
    TQRDBText* QRDBTextRoomDescription;

    // Underlines the block being printed; its label always has a text, so every block is underlined.
    void EvOnPrintRoom(TQRPrintable* Sender, QString& Value);
};

// The instance created at start-up.
extern TFormReportRoom* FormReportRoom;
