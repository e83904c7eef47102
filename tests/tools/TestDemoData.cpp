#include "CommandOutput.h"
#include "SqlFixture.h"

#include "platform/Error.h"
#include "platform/os/Clock.h"
#include "tools/DemoData.h"
#include "tools/SqlCommand.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString DemoFile = QStringLiteral("Quimbels.mdb");

qint64 Count(const QString& sql) {
    return QuerySql(DemoFile, sql).at(0).at(0).toLongLong();
}

QString Scalar(const QString& sql) {
    return QuerySql(DemoFile, sql).at(0).at(0).toString();
}

TDemoSummary MakeDemo(const QDate& today) {
    Clock::SetFixed(QDateTime(today, QTime(9, 30)));
    CreateQuimbelsDatabase(DemoFile);
    return FillDemoDatabase(DemoFile);
}

QString Dump(const QString& table) {
    QString text;
    for (const QVariantList& row :
         QuerySql(DemoFile, QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table)))
        for (const QVariant& value : row)
            text += (value.isNull() ? QStringLiteral("<null>") : value.toString()) + QLatin1Char('|');
    return text;
}

} // namespace

TEST(DemoData, HoldsAStableSmallBusiness) {
    const TDemoSummary summary = MakeDemo(QDate(2024, 6, 15));

    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TClient")), summary.Clients);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TRoom")), summary.Rooms);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TPeriod")), summary.Periods);
    EXPECT_GE(summary.Clients, 35);
    EXPECT_LE(summary.Clients, 45);
    EXPECT_GE(summary.Periods, 300);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(DISTINCT NOM) FROM TClient")), summary.Clients);

    QSet<QString> rooms;
    for (const QVariantList& row :
         QuerySql(DemoFile, QStringLiteral("SELECT CHAMBRE FROM TRoom WHERE DESIGNATION <> ''")))
        rooms << row.at(0).toString();
    EXPECT_EQ(rooms, (QSet<QString>{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                    QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                    QStringLiteral("Gîte des Tilleuls"), QStringLiteral("Suite")}));

    // Names that a careless quoting or encoding would break.
    for (const QString& name :
         {QStringLiteral("D'Artagnan"), QStringLiteral("Lefèvre"), QStringLiteral("Müller")}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(
            Count(QStringLiteral(
                      "SELECT count(*) FROM TClient WHERE NOM = '%1' AND PRENOM <> '' AND TELEPHONE <> '' "
                      "AND ADRESSE <> '' AND CP <> '' AND VILLE <> ''")
                      .arg(QString(name).replace(QLatin1Char('\''), QStringLiteral("''")))),
            1);
    }
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TClient WHERE NOTE IS NOT NULL")), 0);
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TClient WHERE NOTE IS NULL")), 0);
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE NOTE IS NOT NULL")), 0);
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE NOTE IS NULL")), 0);
}

TEST(DemoData, PeriodsAreConsistentBookings) {
    const TDemoSummary summary = MakeDemo(QDate(2024, 6, 15));

    EXPECT_EQ(Count(QStringLiteral("SELECT count(DISTINCT IDPERIODE) FROM TPeriod")), summary.Periods);
    EXPECT_EQ(Count(QStringLiteral("SELECT min(IDPERIODE) FROM TPeriod")), 0);
    EXPECT_EQ(Count(QStringLiteral("SELECT max(IDPERIODE) FROM TPeriod")), summary.Periods - 1);
    // Two stays of a room never share a day: days are counted from the first to the last, both included.
    EXPECT_EQ(Count(QStringLiteral(
                  "SELECT count(*) FROM TPeriod a JOIN TPeriod b ON a.CHAMBRE = b.CHAMBRE "
                  "AND a.IDPERIODE < b.IDPERIODE AND a.DATEDEBUT <= b.DATEFIN AND b.DATEDEBUT <= a.DATEFIN")),
              0);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE NOM NOT IN (SELECT NOM FROM TClient) "
                                   "OR CHAMBRE NOT IN (SELECT CHAMBRE FROM TRoom)")),
              0);
    // Stored as the program writes them: ISO dates, currency in integer ten-thousandths.
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE date(DATEDEBUT) IS NOT DATEDEBUT "
                                   "OR date(DATEFIN) IS NOT DATEFIN OR DATEDEBUT > DATEFIN")),
              0);
    EXPECT_EQ(Count(QStringLiteral(
                  "SELECT count(*) FROM TPeriod WHERE typeof(ACCOMPTE) <> 'integer' "
                  "OR typeof(TARIF) <> 'integer' OR TARIF <= 0 OR ACCOMPTE < 0 OR ACCOMPTE > TARIF")),
              0);
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE ACCOMPTE = 0")), 0);
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE ACCOMPTE > 0 AND ACCOMPTE < TARIF")),
              0);
    EXPECT_GT(Count(QStringLiteral("SELECT count(*) FROM TPeriod WHERE TARIF % 10000 <> 0")), 0);
}

TEST(DemoData, CoversThreeYearsEndingWithTheClocksYear) {
    struct TYearCase {
        QDate Today;
        QString FirstMonth;
        QString LastMonth;
    };
    const TYearCase cases[] = {
        {QDate(2024, 6, 15), QStringLiteral("2022-01"), QStringLiteral("2024-12")},
        {QDate(2031, 1, 2), QStringLiteral("2029-01"), QStringLiteral("2031-12")},
    };
    for (const TYearCase& year : cases) {
        SCOPED_TRACE(year.Today.toString(Qt::ISODate).toStdString());
        MakeDemo(year.Today);
        EXPECT_EQ(Scalar(QStringLiteral("SELECT substr(min(DATEDEBUT), 1, 7) FROM TPeriod")),
                  year.FirstMonth);
        EXPECT_EQ(Scalar(QStringLiteral("SELECT substr(max(DATEFIN), 1, 7) FROM TPeriod")), year.LastMonth);
        QFile::remove(DemoFile);
    }
}

TEST(DemoData, IsTheSameForTheSameYear) {
    MakeDemo(QDate(2024, 3, 1));
    const QString first =
        Dump(QStringLiteral("TClient")) + Dump(QStringLiteral("TRoom")) + Dump(QStringLiteral("TPeriod"));
    QFile::remove(DemoFile);
    MakeDemo(QDate(2024, 11, 30));
    EXPECT_EQ(Dump(QStringLiteral("TClient")) + Dump(QStringLiteral("TRoom")) +
                  Dump(QStringLiteral("TPeriod")),
              first);
}

TEST(DemoData, ReadsBackThroughTheEngineAsDatesAndAmounts) {
    MakeDemo(QDate(2024, 6, 15));
    const TCommandOutput output = Capture([](QTextStream& out, QTextStream& err) {
        return RunSqlCommand(QStringLiteral("SELECT DATEDEBUT, TARIF FROM TPeriod WHERE IDPERIODE = 0"), out,
                             err);
    });
    ASSERT_EQ(output.ExitCode, 0) << output.Err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^DATEDEBUT\tTARIF\n\\d\\d/01/2022\t\\d+,\\d\\d €\n$"))
                    .match(output.Out)
                    .hasMatch())
        << output.Out.toStdString();
}

TEST(DemoData, FailingHalfwayWritesNothing) {
    CreateQuimbelsDatabase(DemoFile);
    // An identifier already taken makes the period rows fail after the clients and rooms were written.
    ExecSql(DemoFile, QStringLiteral("INSERT INTO TPeriod (IDPERIODE, NOM) VALUES (5, 'Avant')"));
    EXPECT_THROW(FillDemoDatabase(DemoFile), EDatabaseError);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TClient")), 0);
    EXPECT_EQ(Count(QStringLiteral("SELECT count(*) FROM TRoom")), 0);
    EXPECT_EQ(Dump(QStringLiteral("TPeriod")),
              QStringLiteral("5|Avant|<null>|<null>|<null>|<null>|<null>|<null>|"));
}
