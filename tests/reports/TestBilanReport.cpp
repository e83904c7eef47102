#include "ReportsFixture.h"

#include "platform/report/QuickRep.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/RadioGroup.h"

#include <algorithm>
#include <cmath>

using namespace ReportInspect;

namespace {

constexpr double LineTop = 10.0 + 13.23; // margin and page header
constexpr double LineHeight = 11.38;
constexpr double ItemTop = 4.23;

class BilanReport : public ReportsTest {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TClient (NOM) VALUES ('Dupont'), ('Martin');"
            "INSERT INTO TRoom VALUES ('12', NULL), ('3', NULL);"
            "INSERT INTO TPeriod VALUES (5, 'Martin', '3', '2006-07-01', '2006-07-08', 805000, 3000000, "
            "'Note secrète');"
            "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2005-12-28', '2006-01-03', 0, 1000000, NULL);"
            "INSERT INTO TPeriod VALUES (2, 'Dupont', '3', '2006-02-01', '2006-02-03', NULL, 12345000, NULL);"
            "INSERT INTO TPeriod VALUES (1, 'Martin', '12', '2006-03-01', '2006-03-05', 1000000, NULL, "
            "'Autre note');");
    }

    void SetUp() override {
        ReportsTest::SetUp();
        StartReports();
        Form->EvOnActivateForm();
    }

    void ShowYear(const QString& year) {
        Form->RadioGroupBilan->SetItemIndex(2);
        Form->EvOnClickBilanRadioButton();
        Form->ComboBoxYears->SetItemIndex(Form->ComboBoxYears->findText(year));
        Form->EvOnChangeBilanSelection();
    }

    TQRDocument Prepare() { return ReportBilan->QuickRepBilan->Prepare(); }
};

} // namespace

TEST_F(BilanReport, ListsTheRowsOfTheStatementGridInItsOrderWithoutNotes) {
    ShowYear(QStringLiteral("2006"));
    const QAbstractItemModel* grid = Form->DBGridBilan->model();
    ASSERT_EQ(grid->rowCount(), 3);

    const TQRDocument document = Prepare();

    ASSERT_EQ(document.Pages.size(), 1);
    const TQRPage& page = document.Pages[0];
    // An empty value shows as nothing in the grid and prints nothing.
    const char* fields[] = {"QRDBTextNom", "QRDBTextChambre", "QRDBText1",
                            "QRDBText2",   "QRDBText3",       "QRDBText4"};
    int filledCells = 0;
    for (int row = 0; row < grid->rowCount(); ++row) {
        const double top = LineTop + row * LineHeight + ItemTop;
        for (int column = 0; column < 6; ++column) {
            const QString gridText = grid->index(row, column).data().toString();
            QStringList printed;
            for (const TQRItem& item : Texts(page, QString::fromLatin1(fields[column])))
                if (std::fabs(item.Rect.top() - top) < 1e-6)
                    printed << item.Text;
            EXPECT_EQ(printed, gridText.isEmpty() ? QStringList() : QStringList(gridText))
                << fields[column] << " row " << row;
            filledCells += gridText.isEmpty() ? 0 : 1;
        }
    }
    EXPECT_EQ(filledCells, 16);
    // The five labels of each line, the filled cells, and nothing else.
    const QStringList texts = AllTexts(page);
    EXPECT_EQ(texts.size(), 3 * 5 + filledCells);
    EXPECT_FALSE(texts.contains(QStringLiteral("Note secrète")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Autre note")));
    EXPECT_TRUE(std::all_of(page.Items.begin(), page.Items.end(),
                            [](const TQRItem& item) { return item.Kind == TQRItemKind::Text; }));
}

TEST_F(BilanReport, PrintsEachItemOfALineInPlace) {
    ShowYear(QStringLiteral("2006"));

    const TQRPage page = Prepare().Pages[0];

    const double top = LineTop + ItemTop;
    ExpectTexts(page, {
                          {"QRDBTextNom", QStringLiteral("Martin"), 10.0, top, 8},
                          {"QRLabelChambre", QStringLiteral("Chambre n°"), 29.05, top, 8},
                          {"QRDBTextChambre", QStringLiteral("3"), 43.87, top, 8},
                          {"QRLabelDu", QStringLiteral("Du :"), 58.68, top, 8},
                          {"QRDBText1", QStringLiteral("01/07/2006"), 65.03, top, 8},
                          {"QRLabelAu", QStringLiteral("Au :"), 90.43, top, 8},
                          {"QRDBText2", QStringLiteral("08/07/2006"), 96.78, top, 8},
                          {"QRLabelAccompte", QStringLiteral("Accompte (€):"), 117.95, top, 8},
                          {"QRDBText3", QStringLiteral("80,50 €"), 137.0, top, 8},
                          {"QRLabelTarif", QStringLiteral("Tarif (€):"), 168.75, top, 8},
                          {"QRDBText4", QStringLiteral("300,00 €"), 181.45, top, 8},
                          {"QRDBTextNom", QStringLiteral("Dupont"), 10.0, top + LineHeight, 8},
                          {"QRDBTextNom", QStringLiteral("Martin"), 10.0, top + 2 * LineHeight, 8},
                      });
}

TEST_F(BilanReport, EmptyStatementGivesOnePageWithoutLines) {
    ShowYear(QStringLiteral("1999"));
    ASSERT_EQ(Module->ADOQueryBilan.RecordCount(), 0);

    const TQRDocument document = Prepare();

    ASSERT_EQ(document.Pages.size(), 1);
    EXPECT_TRUE(document.Pages[0].Items.isEmpty());
}

TEST_F(BilanReport, RoomLabelStaysWhenTheRentedGoodIsRenamed) {
    Form->RentedGoodName = QStringLiteral("GÎTE");
    Form->ApplyRentedGoodName();
    ShowYear(QStringLiteral("2006"));

    const TQRPage page = Prepare().Pages[0];

    EXPECT_EQ(Form->DBGridBilan->Columns().value(1).Title, QStringLiteral("GÎTE"));
    EXPECT_EQ(TextsOf(Texts(page, QStringLiteral("QRLabelChambre"))),
              QStringList(3, QStringLiteral("Chambre n°")));
}
