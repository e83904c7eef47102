#include "ReportsFixture.h"

#include "platform/report/QuickRep.h"

using namespace ReportInspect;

namespace {

constexpr double DetailTop = 15.0; // margin and page header
constexpr double BlockHeight = 19.1;

class PeriodReport : public ReportsTest {
protected:
    TQRDocument Prepare() { return ReportPeriod->QuickRepPeriod->Prepare(); }
};

// The third period is the first with a note: 252 characters, too long for two lines of its box.
class PeriodReportRows : public PeriodReport {
protected:
    QString FixtureSql() const override {
        return QStringLiteral("INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2005-12-28', '2006-01-03', "
                              "805000, NULL, NULL);"
                              "INSERT INTO TPeriod VALUES (1, 'Martin', '3', '2006-02-01', '2006-02-03', "
                              "NULL, 12345000, '');"
                              "INSERT INTO TPeriod VALUES (2, 'Le Goff', '12', '2006-03-01', '2006-03-05', "
                              "0, 4500000, '%1');"
                              "INSERT INTO TPeriod VALUES (3, 'Petit', '3', '2006-04-01', '2006-04-02', "
                              "1000000, 1000000, NULL);")
            .arg(LongNote());
    }

    static QString LongNote() {
        return QStringLiteral(
                   "Arrivée vers vingt heures, clés chez la voisine, lit bébé et chaise haute demandés. ")
            .repeated(3);
    }
};

} // namespace

TEST_F(PeriodReportRows, PrintsEveryElementInPlaceWithAmountsThroughTheirMask) {
    StartReports();

    const TQRPage page = Prepare().Pages[0];

    const double top = DetailTop + 2.1;
    ExpectTexts(page,
                {
                    {"QRLabelTitlePeriod", QStringLiteral(" Liste des Périodes"), 10.0, 10.0, 10},
                    {"QRDBTextPeriodNom", QStringLiteral("Dupont"), 10.0, top, 10, true},
                    {"QRLabelChambre", QStringLiteral("Chambre n°"), 45.7, top, 8},
                    {"QRDBTextPeriodeChambre", QStringLiteral("12"), 60.8, top, 8, true},
                    {"QRLabelDu", QStringLiteral("Du :"), 82.0, top, 8},
                    {"QRDBTextPeriodDebut", QStringLiteral("28/12/2005"), 87.3, top, 8, true},
                    {"QRLabelAu", QStringLiteral("Au :"), 103.9, top, 8},
                    {"QRDBTextPeriodFin", QStringLiteral("03/01/2006"), 109.5, top, 8, true},
                    {"QRLabelAccompte", QStringLiteral("Accompte :"), 130.1, top, 8},
                    {"QRDBTextPeriodAccompte", QStringLiteral("80,50 €"), 161.6, top, 8, true, false, true},
                    {"QRLabelTarif", QStringLiteral("Tarif :"), 169.5, top, 8},
                    {"QRDBTextPeriodTarif", QStringLiteral("0,00 €"), 194.4, top, 8, true, false, true},
                    {"QRLabelNote", QStringLiteral("Note :"), 45.7, DetailTop + 8.5, 8, false, true},
                });
    EXPECT_EQ(TextsOf(Texts(page, QStringLiteral("QRDBTextPeriodAccompte"))),
              QStringList({QStringLiteral("80,50 €"), QStringLiteral("0,00 €"), QStringLiteral("0,00 €"),
                           QStringLiteral("100,00 €")}));
    EXPECT_EQ(TextsOf(Texts(page, QStringLiteral("QRDBTextPeriodTarif"))),
              QStringList({QStringLiteral("0,00 €"), QStringLiteral("1234,50 €"), QStringLiteral("450,00 €"),
                           QStringLiteral("100,00 €")}));
}

TEST_F(PeriodReportRows, NoteLongerThanTwoLinesIsCut) {
    StartReports();

    const TQRPage page = Prepare().Pages[0];

    const QList<TQRItem> lines = Texts(page, QStringLiteral("QRDBText1"));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(LongNote().startsWith(lines[0].Text + QLatin1Char(' ') + lines[1].Text));
    EXPECT_LT((lines[0].Text + lines[1].Text).size(), LongNote().trimmed().size() - 10);
    EXPECT_NEAR(lines[0].Rect.left(), 54.2, 1e-6);
    EXPECT_NEAR(lines[0].Rect.top(), DetailTop + 2 * BlockHeight + 8.5, 1e-6);
    EXPECT_NEAR(Texts(page, QStringLiteral("QRDBTextPeriodNom")).value(3).Rect.top(),
                DetailTop + 3 * BlockHeight + 2.1, 1e-6);
}

TEST_F(PeriodReportRows, UnderlinesFromTheFirstPeriodWithANoteAndEveryBlockOnTheNextShowing) {
    StartReports();

    const TQRDocument first = Prepare();
    const TQRDocument second = Prepare();

    const QList<double> firstLines = BandLineHeights(first.Pages[0], QStringLiteral("QRBandPeriodList"));
    ASSERT_EQ(firstLines.size(), 2);
    EXPECT_NEAR(firstLines[0], DetailTop + 3 * BlockHeight, 1e-9);
    EXPECT_NEAR(firstLines[1], DetailTop + 4 * BlockHeight, 1e-9);
    EXPECT_EQ(BandLineHeights(second.Pages[0], QStringLiteral("QRBandPeriodList")).size(), 4);
}

TEST_F(PeriodReport, EmptyTablePrintsOneBlockWithAmountsAtZero) {
    StartReports();

    const TQRDocument document = Prepare();

    ASSERT_EQ(document.Pages.size(), 1);
    EXPECT_EQ(AllTexts(document.Pages[0]),
              QStringList({QStringLiteral(" Liste des Périodes"), QStringLiteral("Chambre n°"),
                           QStringLiteral("Du :"), QStringLiteral("Au :"), QStringLiteral("Accompte :"),
                           QStringLiteral("0,00 €"), QStringLiteral("Tarif :"), QStringLiteral("0,00 €"),
                           QStringLiteral("Note :")}));
    EXPECT_TRUE(Lines(document.Pages[0], QStringLiteral("QRBandPeriodList")).isEmpty());
}
