#include "statements/ReportBilanDlg.h"

#include "data/QuimbelDataModule.h"
#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRLabel.h"
#include "platform/report/QRPrintable.h"
#include "platform/report/QuickRep.h"
#include "reports/ReportElements.h"

using namespace ReportElements;

TFormReportBilan* FormReportBilan = nullptr;

namespace {

constexpr double ItemTop = 4.23;

} // namespace

TFormReportBilan::TFormReportBilan(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("FormReportBilan"));
    setWindowTitle(QStringLiteral("FormReportBilan"));

    QuickRepBilan = new TQuickRep(this, QStringLiteral("QuickRepBilan"));
    QuickRepBilan->ReportTitle = QStringLiteral("Bilan");
    QuickRepBilan->WhenEmpty = TQREmptyDataSet::HeaderOnly;
    PageHeaderBand1 =
        new TQRBand(QuickRepBilan, QStringLiteral("PageHeaderBand1"), TQRBandType::PageHeader, 13.23);
    DetailBand1 = new TQRBand(QuickRepBilan, QStringLiteral("DetailBand1"), TQRBandType::Detail, 11.38);

    const QFont font = Arial(8);
    const auto field = [&](const char* name, const char* dataField, double left) {
        return AutoSizeField(DetailBand1, QString::fromLatin1(name), QString::fromLatin1(dataField), left,
                             ItemTop, font);
    };
    const auto label = [&](const char* name, const QString& caption, double left) {
        return AutoSizeLabel(DetailBand1, QString::fromLatin1(name), caption, left, ItemTop, font);
    };
    QRDBTextNom = field("QRDBTextNom", "NOM", 0.0);
    QRLabelChambre = label("QRLabelChambre", QStringLiteral("Chambre n°"), 19.05);
    QRDBTextChambre = field("QRDBTextChambre", "CHAMBRE", 33.87);
    QRLabelDu = label("QRLabelDu", QStringLiteral("Du :"), 48.68);
    QRDBText1 = field("QRDBText1", "DATEDEBUT", 55.03);
    QRLabelAu = label("QRLabelAu", QStringLiteral("Au :"), 80.43);
    QRDBText2 = field("QRDBText2", "DATEFIN", 86.78);
    QRLabelAccompte = label("QRLabelAccompte", QStringLiteral("Accompte (€):"), 107.95);
    QRDBText3 = field("QRDBText3", "ACCOMPTE", 127.00);
    QRLabelTarif = label("QRLabelTarif", QStringLiteral("Tarif (€):"), 158.75);
    QRDBText4 = field("QRDBText4", "TARIF", 171.45);
    // As wide as their texts, the items break a line only at the band's right edge.
    for (TQRPrintable* element : DetailBand1->Elements())
        element->WordWrap = true;
}

TFormReportBilan::~TFormReportBilan() {
    if (FormReportBilan == this)
        FormReportBilan = nullptr;
}

void TFormReportBilan::ConnectDataModule(TDataModuleQuimbel* dataModule) {
    QuickRepBilan->DataSet = &dataModule->ADOQueryBilan;
}
