#include "ReportsFixture.h"

#include "platform/report/QuickRep.h"

using namespace ReportInspect;

namespace {

constexpr double DetailTop = 15.0; // margin and page header
constexpr double BlockHeight = 36.0;

class ClientReport : public ReportsTest {
protected:
    TQRDocument Prepare() { return ReportClient->QuickRepClient->Prepare(); }
};

class ClientReportRows : public ClientReport {
protected:
    // The third client is the first with a note.
    QString FixtureSql() const override {
        return QStringLiteral("INSERT INTO TClient VALUES ('Dupont', 'Jean', '02 98 00 00 01', '3 rue des "
                              "Lilas', '29000', 'Quimper', "
                              "NULL);"
                              "INSERT INTO TClient VALUES ('Martin', 'Anne', NULL, NULL, NULL, NULL, '');"
                              "INSERT INTO TClient VALUES ('Le Goff', 'Yann', '02 98 00 00 03', '1 place "
                              "Saint-Corentin', '29000', "
                              "'Quimper', 'Client fidèle');"
                              "INSERT INTO TClient VALUES ('Bernard', NULL, NULL, NULL, NULL, NULL, NULL);"
                              "INSERT INTO TClient VALUES ('Petit', NULL, NULL, NULL, NULL, NULL, NULL);");
    }
};

} // namespace

TEST_F(ClientReportRows, PrintsEveryElementInPlace) {
    StartReports();

    const TQRDocument document = Prepare();

    ASSERT_EQ(document.Pages.size(), 1);
    const TQRPage& page = document.Pages[0];
    const double top = DetailTop + 2 * BlockHeight;
    const QList<TQRItem> names = Texts(page, QStringLiteral("QRDBTextClientNom"));
    ASSERT_EQ(TextsOf(names),
              QStringList({QStringLiteral("Dupont"), QStringLiteral("Martin"), QStringLiteral("Le Goff"),
                           QStringLiteral("Bernard"), QStringLiteral("Petit")}));
    ExpectTexts(page,
                {
                    {"QRLabelClientTitle", QStringLiteral(" Liste des Clients"), 10.0, 10.0, 10},
                    {"QRDBTextClientNom", QStringLiteral("Le Goff"), 10.0, top + 2.1, 10, true},
                    {"QRDBTextClientPrenom", QStringLiteral("Yann"), 39.6, top + 2.1, 10},
                    {"QRDBTextClientAdresse", QStringLiteral("1 place Saint-Corentin"), 70.1, top + 2.1, 10},
                    {"QRDBTextClientCP", QStringLiteral("29000"), 70.1, top + 8.5, 10},
                    {"QRDBTextClientVille", QStringLiteral("Quimper"), 80.6, top + 8.5, 10},
                    {"QRDBTextClientTelephone", QStringLiteral("02 98 00 00 03"), 70.1, top + 14.8, 10},
                    {"QRLabelNote", QStringLiteral("Note:"), 69.3, top + 21.2, 8, false, true},
                    {"QRDBTextClientNote", QStringLiteral("Client fidèle"), 79.8, top + 21.2, 8},
                });
    QList<QLineF> titleBox;
    for (const TQRItem& line : Lines(page, QStringLiteral("QRLabelClientTitle")))
        titleBox << line.Line;
    EXPECT_EQ(titleBox, QList<QLineF>({QLineF(10, 10, 200.8, 10), QLineF(10, 14.5, 200.8, 14.5),
                                       QLineF(10, 10, 10, 14.5), QLineF(200.8, 10, 200.8, 14.5)}));
}

TEST_F(ClientReportRows, UnderlinesFromTheFirstClientWithANoteAndEveryBlockOnTheNextShowing) {
    StartReports();

    const TQRDocument first = Prepare();
    const TQRDocument second = Prepare();

    const QList<double> firstLines = BandLineHeights(first.Pages[0], QStringLiteral("QRBandClientList"));
    EXPECT_EQ(firstLines, QList<double>({DetailTop + 3 * BlockHeight, DetailTop + 4 * BlockHeight,
                                         DetailTop + 5 * BlockHeight}));
    const QList<double> secondLines = BandLineHeights(second.Pages[0], QStringLiteral("QRBandClientList"));
    EXPECT_EQ(secondLines.size(), 5);
    EXPECT_EQ(secondLines.value(0), DetailTop + BlockHeight);
    const TQRItem line = Lines(first.Pages[0], QStringLiteral("QRBandClientList")).value(0);
    EXPECT_EQ(line.Line, QLineF(10.0, DetailTop + 3 * BlockHeight, 200.0, DetailTop + 3 * BlockHeight));
    EXPECT_EQ(line.Color, QColor(Qt::black));
    EXPECT_EQ(line.PenWidth, 1.0);
    EXPECT_EQ(line.PenStyle, Qt::SolidLine);
}

TEST_F(ClientReportRows, NoteLongerThanItsBoxMakesTheBlockTaller) {
    const QString note =
        QStringLiteral("Arrive toujours tard le soir, préfère la chambre du fond. ").repeated(8);
    ExecSql(QStringLiteral("Quimbels.mdb"),
            QStringLiteral("UPDATE TClient SET NOTE = '%1' WHERE NOM = 'Dupont'").arg(note));
    StartReports();

    const TQRPage page = Prepare().Pages[0];

    const QList<TQRItem> lines = Texts(page, QStringLiteral("QRDBTextClientNote"));
    ASSERT_GT(lines.size(), 4);
    const double lineHeight = lines[0].Rect.height();
    const QList<TQRItem> dupontLines = lines.mid(0, lines.size() - 1);
    for (const TQRItem& line : dupontLines) {
        EXPECT_GE(line.Rect.left(), 79.8 - 1e-6);
        EXPECT_LE(line.Rect.right(), 79.8 + 120.9);
    }
    EXPECT_EQ(TextsOf(dupontLines).join(QLatin1Char(' ')), note.trimmed());
    const double grownBlock = BlockHeight + dupontLines.size() * lineHeight - 13.0;
    EXPECT_NEAR(Texts(page, QStringLiteral("QRDBTextClientNom")).value(1).Rect.top(),
                DetailTop + grownBlock + 2.1, 1e-6);
}

TEST_F(ClientReport, EmptyTablePrintsTheTitleAndOneBlockOfLabels) {
    StartReports();

    const TQRDocument document = Prepare();

    ASSERT_EQ(document.Pages.size(), 1);
    EXPECT_EQ(AllTexts(document.Pages[0]),
              QStringList({QStringLiteral(" Liste des Clients"), QStringLiteral("Note:")}));
    EXPECT_NEAR(Texts(document.Pages[0], QStringLiteral("QRLabelNote")).value(0).Rect.top(), DetailTop + 21.2,
                1e-6);
    EXPECT_TRUE(Lines(document.Pages[0], QStringLiteral("QRBandClientList")).isEmpty());
}
