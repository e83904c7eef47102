#include "reports/ReportRoomDlg.h"

#include "data/QuimbelDataModule.h"
#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRLabel.h"
#include "platform/report/QuickRep.h"
#include "reports/ReportElements.h"

using namespace ReportElements;

TFormReportRoom* FormReportRoom = nullptr;

TFormReportRoom::TFormReportRoom(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("FormReportRoom"));
    setWindowTitle(QStringLiteral("FormReportRoom"));

    QuickRepRoom = new TQuickRep(this, QStringLiteral("QuickRepRoom"));
    QuickRepRoom->ReportTitle = QStringLiteral("Liste des Chambres");
    QuickRepRoom->WhenEmpty = TQREmptyDataSet::EmptyDetail;

    PageHeaderBand1 =
        new TQRBand(QuickRepRoom, QStringLiteral("PageHeaderBand1"), TQRBandType::PageHeader, 5.0);
    QRLabelTitleRoom = TitleLabel(PageHeaderBand1, QStringLiteral("QRLabelTitleRoom"),
                                  QStringLiteral(" Liste des Chambres"), Arial(8));

    QRBandRoomList = new TQRBand(QuickRepRoom, QStringLiteral("QRBandRoomList"), TQRBandType::Detail, 6.3);
    QRLabelChambreN = AutoSizeLabel(QRBandRoomList, QStringLiteral("QRLabelChambreN"),
                                    QStringLiteral("Chambre n°"), 0.0, 0.0, Arial(10));
    QRLabelChambreN->OnPrint = [this](TQRPrintable* sender, QString& value) { EvOnPrintRoom(sender, value); };
    QRDBTextRoomNumber = AutoSizeField(QRBandRoomList, QStringLiteral("QRDBTextRoomNumber"),
                                       QStringLiteral("CHAMBRE"), 19.1, 0.0, Arial(10, true));
    QRLabelDesignation = AutoSizeLabel(QRBandRoomList, QStringLiteral("QRLabelDesignation"),
                                       QStringLiteral("Désignation :"), 50.8, 0.0, Arial(10));
    QRDBTextRoomDescription = AutoSizeField(QRBandRoomList, QStringLiteral("QRDBTextRoomDescription"),
                                            QStringLiteral("DESIGNATION"), 72.0, 0.0, Arial(10, true));
}

TFormReportRoom::~TFormReportRoom() {
    if (FormReportRoom == this)
        FormReportRoom = nullptr;
}

void TFormReportRoom::ConnectDataModule(TDataModuleQuimbel* dataModule) {
    QuickRepRoom->DataSet = &dataModule->ADOTableRoom;
}

void TFormReportRoom::EvOnPrintRoom(TQRPrintable*, QString&) {
    QRBandRoomList->Frame.DrawBottom = true;
}
