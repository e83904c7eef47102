#include "reports/ReportClientDlg.h"

#include "data/QuimbelDataModule.h"
#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRLabel.h"
#include "platform/report/QuickRep.h"
#include "reports/ReportElements.h"

using namespace ReportElements;

TFormReportClient* FormReportClient = nullptr;

TFormReportClient::TFormReportClient(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("FormReportClient"));
    setWindowTitle(QStringLiteral("FormReportClient"));

    QuickRepClient = new TQuickRep(this, QStringLiteral("QuickRepClient"));
    QuickRepClient->ReportTitle = QStringLiteral("Liste des Clients");
    QuickRepClient->WhenEmpty = TQREmptyDataSet::EmptyDetail;

    PageHeaderBand1 =
        new TQRBand(QuickRepClient, QStringLiteral("PageHeaderBand1"), TQRBandType::PageHeader, 5.0);
    QRLabelClientTitle = TitleLabel(PageHeaderBand1, QStringLiteral("QRLabelClientTitle"),
                                    QStringLiteral(" Liste des Clients"), Arial(10));

    QRBandClientList =
        new TQRBand(QuickRepClient, QStringLiteral("QRBandClientList"), TQRBandType::Detail, 36.0);
    QRDBTextClientNom = AutoSizeField(QRBandClientList, QStringLiteral("QRDBTextClientNom"),
                                      QStringLiteral("NOM"), 0.0, 2.1, Arial(10, true));
    QRDBTextClientPrenom = AutoSizeField(QRBandClientList, QStringLiteral("QRDBTextClientPrenom"),
                                         QStringLiteral("PRENOM"), 29.6, 2.1, Arial(10));
    QRDBTextClientAdresse = AutoSizeField(QRBandClientList, QStringLiteral("QRDBTextClientAdresse"),
                                          QStringLiteral("ADRESSE"), 60.1, 2.1, Arial(10));
    QRDBTextClientCP = AutoSizeField(QRBandClientList, QStringLiteral("QRDBTextClientCP"),
                                     QStringLiteral("CP"), 60.1, 8.5, Arial(10));
    QRDBTextClientVille = AutoSizeField(QRBandClientList, QStringLiteral("QRDBTextClientVille"),
                                        QStringLiteral("VILLE"), 70.6, 8.5, Arial(10));
    QRDBTextClientTelephone = AutoSizeField(QRBandClientList, QStringLiteral("QRDBTextClientTelephone"),
                                            QStringLiteral("TELEPHONE"), 60.1, 14.8, Arial(10));
    QRLabelNote = AutoSizeLabel(QRBandClientList, QStringLiteral("QRLabelNote"), QStringLiteral("Note:"),
                                59.3, 21.2, Arial(8, false, true));
    QRDBTextClientNote =
        new TQRDBText(QRBandClientList, QStringLiteral("QRDBTextClientNote"), QStringLiteral("NOTE"));
    QRDBTextClientNote->SetBounds(69.8, 21.2, 120.9, 13.0);
    QRDBTextClientNote->Font = Arial(8);
    QRDBTextClientNote->WordWrap = true;
    QRDBTextClientNote->AutoStretch = true;
    QRDBTextClientNote->OnPrint = [this](TQRPrintable* sender, QString& value) {
        EvOnPrintNote(sender, value);
    };
}

TFormReportClient::~TFormReportClient() {
    if (FormReportClient == this)
        FormReportClient = nullptr;
}

void TFormReportClient::ConnectDataModule(TDataModuleQuimbel* dataModule) {
    QuickRepClient->DataSet = &dataModule->ADOTableClient;
}

void TFormReportClient::EvOnPrintNote(TQRPrintable*, QString&) {
    QRBandClientList->Frame.DrawBottom = true;
}
