#include "CommandOutput.h"
#include "SqlFixture.h"

#include "tools/AdminCommand.h"
#include "tools/SqlCommand.h"

#include <gtest/gtest.h>

namespace {

TCommandOutput Sql(const QString& statement) {
    return Capture([&](QTextStream& out, QTextStream& err) { return RunSqlCommand(statement, out, err); });
}

void CreateFixture() {
    CreateQuimbelsDatabase();
    ExecSql(
        QStringLiteral("Quimbels.mdb"),
        QStringLiteral(
            "INSERT INTO TClient (NOM, PRENOM, VILLE, NOTE) VALUES "
            "('D''Artagnan', 'Charles', 'Auch', NULL), "
            "('Lefèvre', 'Jérôme', 'Nantes', 'Deux' || char(9) || 'colonnes' || char(10) || 'et un \\');"
            "INSERT INTO TPeriod (IDPERIODE, NOM, CHAMBRE, DATEDEBUT, DATEFIN, ACCOMPTE, TARIF, NOTE) VALUES "
            "(0, 'Lefèvre', '1', '2024-03-05', '2024-03-08', 200000, 805000, NULL), "
            "(1, 'D''Artagnan', 'Suite', '2024-07-14', '2024-07-20', 0, 12345678, 'Feu d''artifice');"));
}

struct TSqlCase {
    QString Statement;
    QString Output;
};

} // namespace

TEST(SqlCommand, PrintsNamesThenRowsAsTheProgramDisplaysThem) {
    CreateFixture();
    const TSqlCase cases[] = {
        {QStringLiteral(
             "SELECT NOM, CHAMBRE, DATEDEBUT, ACCOMPTE, TARIF, NOTE FROM TPeriod ORDER BY IDPERIODE"),
         QStringLiteral("NOM\tCHAMBRE\tDATEDEBUT\tACCOMPTE\tTARIF\tNOTE\n"
                        "Lefèvre\t1\t05/03/2024\t20,00 €\t80,50 €\t\n"
                        "D'Artagnan\tSuite\t14/07/2024\t0,00 €\t1234,57 €\tFeu d'artifice\n")},
        {QStringLiteral("SELECT TPeriod.NOM FROM TPeriod WHERE (TPeriod.DATEDEBUT >= #07/01/24#)"),
         QStringLiteral("NOM\nD'Artagnan\n")},
        {QStringLiteral("SELECT TClient.VILLE FROM TClient WHERE (TClient.NOM = \"D'Artagnan\")"),
         QStringLiteral("VILLE\nAuch\n")},
        {QStringLiteral("SELECT NOTE FROM TClient WHERE NOM = 'Lefèvre'"),
         QStringLiteral("NOTE\nDeux\\tcolonnes\\net un \\\\\n")},
        {QStringLiteral("SELECT NOM, PRENOM FROM TClient WHERE NOM = 'Personne'"),
         QStringLiteral("NOM\tPRENOM\n")},
    };
    for (const TSqlCase& sql : cases) {
        SCOPED_TRACE(sql.Statement.toStdString());
        const TCommandOutput output = Sql(sql.Statement);
        EXPECT_EQ(output.ExitCode, AdminDone);
        EXPECT_EQ(output.Out, sql.Output);
        EXPECT_EQ(output.Err, QString());
    }
}

TEST(SqlCommand, AStatementThatCannotRunGivesItsFrenchReasonAndChangesNothing) {
    CreateFixture();
    const QString statements[] = {
        QStringLiteral("DELETE FROM TClient"),
        QStringLiteral("SELECT NOM FROM TClient WHERE NOM = 'Lefèvre"),
        QStringLiteral("SELECT NOM FROM TClient; DROP TABLE TClient"),
    };
    for (const QString& statement : statements) {
        SCOPED_TRACE(statement.toStdString());
        const TCommandOutput output = Sql(statement);
        EXPECT_EQ(output.ExitCode, AdminFailed);
        EXPECT_EQ(output.Out, QString());
        EXPECT_TRUE(output.Err.startsWith(QStringLiteral("Instruction SQL incorrecte")))
            << output.Err.toStdString();
        EXPECT_TRUE(output.Err.endsWith(QLatin1Char('\n')));
    }
    EXPECT_EQ(QuerySql(QStringLiteral("Quimbels.mdb"), QStringLiteral("SELECT count(*) FROM TClient"))
                  .at(0)
                  .at(0)
                  .toLongLong(),
              2);
}

TEST(SqlCommand, WithoutADatabaseSaysWhereItLooked) {
    const TCommandOutput output = Sql(QStringLiteral("SELECT NOM FROM TClient"));
    EXPECT_EQ(output.ExitCode, AdminFailed);
    EXPECT_EQ(output.Out, QString());
    EXPECT_TRUE(output.Err.contains(QStringLiteral("« Quimbels.mdb » est introuvable")))
        << output.Err.toStdString();
}
