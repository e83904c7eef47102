#include "ReportsFixture.h"

#include "platform/report/QuickRep.h"

using namespace ReportInspect;

namespace {

constexpr double DetailTop = 15.0; // margin and page header
constexpr double BlockHeight = 6.3;

class RoomReport : public ReportsTest {
protected:
    TQRDocument Prepare() { return ReportRoom->QuickRepRoom->Prepare(); }
};

class RoomReportRows : public RoomReport {
protected:
    QString FixtureSql() const override {
        return QStringLiteral(
            "INSERT INTO TRoom VALUES ('12', 'Suite avec vue'), ('3', NULL), ('Grange', 'Gîte');");
    }
};

} // namespace

TEST_F(RoomReportRows, PrintsEveryElementInPlace) {
    StartReports();

    const TQRPage page = Prepare().Pages[0];

    ExpectTexts(page,
                {
                    {"QRLabelTitleRoom", QStringLiteral(" Liste des Chambres"), 10.0, 10.0, 8},
                    {"QRLabelChambreN", QStringLiteral("Chambre n°"), 10.0, DetailTop, 10},
                    {"QRDBTextRoomNumber", QStringLiteral("12"), 29.1, DetailTop, 10, true},
                    {"QRLabelDesignation", QStringLiteral("Désignation :"), 60.8, DetailTop, 10},
                    {"QRDBTextRoomDescription", QStringLiteral("Suite avec vue"), 82.0, DetailTop, 10, true},
                });
    EXPECT_EQ(TextsOf(Texts(page, QStringLiteral("QRDBTextRoomNumber"))),
              QStringList({QStringLiteral("12"), QStringLiteral("3"), QStringLiteral("Grange")}));
    // The label, as wide as its Arial text, ends before the number that follows it.
    EXPECT_LT(Texts(page, QStringLiteral("QRLabelChambreN")).value(0).Rect.right(), 29.1);
    EXPECT_EQ(Lines(page, QStringLiteral("QRLabelTitleRoom")).size(), 4);
}

TEST_F(RoomReportRows, UnderlinesEveryBlockTheFirstIncluded) {
    StartReports();

    const TQRPage page = Prepare().Pages[0];

    const QList<double> lines = BandLineHeights(page, QStringLiteral("QRBandRoomList"));
    ASSERT_EQ(lines.size(), 3);
    for (int block = 0; block < 3; ++block)
        EXPECT_NEAR(lines[block], DetailTop + (block + 1) * BlockHeight, 1e-9);
}

TEST_F(RoomReport, EmptyTablePrintsTheTitleAndOneUnderlinedBlockOfLabels) {
    StartReports();

    const TQRDocument document = Prepare();

    ASSERT_EQ(document.Pages.size(), 1);
    EXPECT_EQ(AllTexts(document.Pages[0]),
              QStringList({QStringLiteral(" Liste des Chambres"), QStringLiteral("Chambre n°"),
                           QStringLiteral("Désignation :")}));
    const QList<double> lines = BandLineHeights(document.Pages[0], QStringLiteral("QRBandRoomList"));
    ASSERT_EQ(lines.size(), 1);
    EXPECT_NEAR(lines[0], DetailTop + BlockHeight, 1e-9);
}
