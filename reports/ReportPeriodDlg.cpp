#include "reports/ReportPeriodDlg.h"

#include "data/QuimbelDataModule.h"
#include "platform/report/QRBand.h"
#include "platform/report/QRDBText.h"
#include "platform/report/QRLabel.h"
#include "platform/report/QuickRep.h"
#include "reports/ReportElements.h"

using namespace ReportElements;

TFormReportPeriod* FormReportPeriod = nullptr;

namespace {

const QString AmountMask = QStringLiteral("0.00 €");

} // namespace

TFormReportPeriod::TFormReportPeriod(QWidget* owner) : QWidget(owner) {
    setObjectName(QStringLiteral("FormReportPeriod"));
    setWindowTitle(QStringLiteral("FormReportPeriod"));

    QuickRepPeriod = new TQuickRep(this, QStringLiteral("QuickRepPeriod"));
    QuickRepPeriod->ReportTitle = QStringLiteral("Liste des Périodes");
    QuickRepPeriod->WhenEmpty = TQREmptyDataSet::EmptyDetail;

    PageHeaderBand1 =
        new TQRBand(QuickRepPeriod, QStringLiteral("PageHeaderBand1"), TQRBandType::PageHeader, 5.0);
    QRLabelTitlePeriod = TitleLabel(PageHeaderBand1, QStringLiteral("QRLabelTitlePeriod"),
                                    QStringLiteral(" Liste des Périodes"), Arial(10));

    TQRBand* band = QRBandPeriodList =
        new TQRBand(QuickRepPeriod, QStringLiteral("QRBandPeriodList"), TQRBandType::Detail, 19.1);
    QRDBTextPeriodNom = AutoSizeField(band, QStringLiteral("QRDBTextPeriodNom"), QStringLiteral("NOM"), 0.0,
                                      2.1, Arial(10, true));
    QRLabelChambre = AutoSizeLabel(band, QStringLiteral("QRLabelChambre"), QStringLiteral("Chambre n°"), 35.7,
                                   2.1, Arial(8));
    QRDBTextPeriodeChambre = AutoSizeField(band, QStringLiteral("QRDBTextPeriodeChambre"),
                                           QStringLiteral("CHAMBRE"), 50.8, 2.1, Arial(8, true));
    QRLabelDu = AutoSizeLabel(band, QStringLiteral("QRLabelDu"), QStringLiteral("Du :"), 72.0, 2.1, Arial(8));
    QRDBTextPeriodDebut = AutoSizeField(band, QStringLiteral("QRDBTextPeriodDebut"),
                                        QStringLiteral("DATEDEBUT"), 77.3, 2.1, Arial(8, true));
    QRLabelAu = AutoSizeLabel(band, QStringLiteral("QRLabelAu"), QStringLiteral("Au :"), 93.9, 2.1, Arial(8));
    QRDBTextPeriodFin = AutoSizeField(band, QStringLiteral("QRDBTextPeriodFin"), QStringLiteral("DATEFIN"),
                                      99.5, 2.1, Arial(8, true));
    QRLabelAccompte = AutoSizeLabel(band, QStringLiteral("QRLabelAccompte"), QStringLiteral("Accompte :"),
                                    120.1, 2.1, Arial(8));
    // Right-aligned and as wide as its text, the deposit ends at 151.6 mm whatever its length.
    QRDBTextPeriodAccompte = AutoSizeField(band, QStringLiteral("QRDBTextPeriodAccompte"),
                                           QStringLiteral("ACCOMPTE"), 0.0, 2.1, Arial(8, true));
    QRDBTextPeriodAccompte->Width = 151.6;
    QRDBTextPeriodAccompte->Alignment = Qt::AlignRight;
    QRDBTextPeriodAccompte->Mask = AmountMask;
    QRLabelTarif =
        AutoSizeLabel(band, QStringLiteral("QRLabelTarif"), QStringLiteral("Tarif :"), 159.5, 2.1, Arial(8));
    QRDBTextPeriodTarif = new TQRDBText(band, QStringLiteral("QRDBTextPeriodTarif"), QStringLiteral("TARIF"));
    QRDBTextPeriodTarif->SetBounds(167.2, 2.1, 17.2, LineHeight);
    QRDBTextPeriodTarif->Font = Arial(8, true);
    QRDBTextPeriodTarif->Alignment = Qt::AlignRight;
    QRDBTextPeriodTarif->WordWrap = true;
    QRDBTextPeriodTarif->AutoStretch = true;
    QRDBTextPeriodTarif->Mask = AmountMask;
    QRLabelNote = AutoSizeLabel(band, QStringLiteral("QRLabelNote"), QStringLiteral("Note :"), 35.7, 8.5,
                                Arial(8, false, true));
    QRDBText1 = new TQRDBText(band, QStringLiteral("QRDBText1"), QStringLiteral("NOTE"));
    QRDBText1->SetBounds(44.2, 8.5, 146.6, 8.7);
    QRDBText1->Font = Arial(8);
    QRDBText1->WordWrap = true;
    QRDBText1->OnPrint = [this](TQRPrintable* sender, QString& value) { EvOnPrintNote(sender, value); };
}

TFormReportPeriod::~TFormReportPeriod() {
    if (FormReportPeriod == this)
        FormReportPeriod = nullptr;
}

void TFormReportPeriod::ConnectDataModule(TDataModuleQuimbel* dataModule) {
    QuickRepPeriod->DataSet = &dataModule->ADOTablePeriod;
}

void TFormReportPeriod::EvOnPrintNote(TQRPrintable*, QString&) {
    QRBandPeriodList->Frame.DrawBottom = true;
}
