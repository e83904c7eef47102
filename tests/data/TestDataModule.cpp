#include "SqlFixture.h"

#include "data/QuimbelDataModule.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

TEST(DataModule, OpensTheThreeTablesWithTheDeclaredPeriodFields) {
    CreateQuimbelsDatabase();
    ExecSql(QStringLiteral("Quimbels.mdb"),
            QStringLiteral("INSERT INTO TClient (NOM) VALUES ('Dupont');"
                           "INSERT INTO TRoom VALUES ('12', 'Vue sur mer');"
                           "INSERT INTO TPeriod VALUES (0, 'Dupont', '12', '2024-07-01', '2024-07-10', 1000000, NULL, 'n');"));
    TDataModuleQuimbel module;
    EXPECT_TRUE(module.ADOTableClient.Active());
    EXPECT_TRUE(module.ADOTableRoom.Active());
    EXPECT_FALSE(module.ADOQueryQuimbels.Active());
    EXPECT_EQ(module.DataSourceBilan.DataSet(), &module.ADOQueryBilan);
    QStringList names;
    for (int i = 0; i < module.ADOTablePeriod.FieldCount(); ++i)
        names << module.ADOTablePeriod.Field(i)->FieldName();
    EXPECT_EQ(names, QStringList({"IDPERIODE", "NOM", "CHAMBRE", "DATEDEBUT", "DATEFIN", "ACCOMPTE", "TARIF", "SOLDE", "NOTE"}));
    EXPECT_EQ(module.ADOTablePeriodSOLDE->DisplayWidth(), 20);
    EXPECT_EQ(module.ADOTablePeriodDATEDEBUT->EditMask(), QStringLiteral("!99/99/00;1;_"));
    // An empty price with a deposit of 100 leaves a balance of -100.
    EXPECT_DOUBLE_EQ(module.ADOTablePeriodSOLDE->AsFloat(), -100.0);
    EXPECT_EQ(module.ADOTablePeriodSOLDE->DisplayText(), QStringLiteral("-100,00 €"));
}

TEST(DataModule, BalanceIsPriceLessDepositForEveryRowAndAfterEachChange) {
    CreateQuimbelsDatabase();
    ExecSql(QStringLiteral("Quimbels.mdb"),
            QStringLiteral("INSERT INTO TPeriod (IDPERIODE, ACCOMPTE, TARIF) VALUES (0, NULL, 8050000), (1, 200000, 500000);"));
    TDataModuleQuimbel module;
    EXPECT_EQ(module.ADOTablePeriodSOLDE->DisplayText(), QStringLiteral("805,00 €"));
    module.ADOTablePeriod.Next();
    EXPECT_DOUBLE_EQ(module.ADOTablePeriodSOLDE->AsFloat(), 30.0);
    module.ADOTablePeriod.Edit();
    module.ADOTablePeriodACCOMPTE->SetAsFloat(12.34567);
    module.ADOTablePeriod.Post();
    EXPECT_DOUBLE_EQ(module.ADOTablePeriodSOLDE->AsFloat(), 50.0 - 12.3457);
}

TEST(DataModule, LongNamesAreCutToTheirColumnsWhenAPeriodIsWritten) {
    CreateQuimbelsDatabase();
    TDataModuleQuimbel module;
    module.ADOTablePeriod.AppendRecord({0, QString(60, QLatin1Char('N')), QStringLiteral("12"), QStringLiteral("01/07/24"),
                                        QStringLiteral("02/07/24"), 1.0, 2.0, QVariant(), QString(300, QLatin1Char('n'))});
    const auto row = QuerySql(QStringLiteral("Quimbels.mdb"), QStringLiteral("SELECT length(NOM), length(NOTE) FROM TPeriod"));
    EXPECT_EQ(row[0], (QVariantList{qint64(50), qint64(255)}));
}

TEST(DataModule, WithoutADatabaseFileCreationFailsWithTheEnginesText) {
    try {
        TDataModuleQuimbel module;
        FAIL() << "opened a missing database";
    } catch (const EDatabaseError& error) {
        EXPECT_TRUE(error.Text().contains(QStringLiteral("Quimbels.mdb")));
    }
}

TEST(DataModule, TheSmallestFreeIdentifierFollowsTheFileEvenWhenAnotherProgramWritesIt) {
    CreateQuimbelsDatabase();
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("INSERT INTO TPeriod (IDPERIODE) VALUES (0), (1), (3), (-4)"));
    TDataModuleQuimbel module;
    EXPECT_EQ(module.SmallestFreePeriodId(), 2);
    module.ADOTablePeriod.AppendRecord({2});
    EXPECT_EQ(module.SmallestFreePeriodId(), 4);
    // An edit may give an identifier up.
    module.ADOTablePeriod.Last();
    module.ADOTablePeriod.Edit();
    module.ADOTablePeriodIDPERIODE->SetAsInteger(9);
    module.ADOTablePeriod.Post();
    EXPECT_EQ(module.SmallestFreePeriodId(), 2);
    module.ADOTablePeriod.AppendRecord({2});
    EXPECT_EQ(module.SmallestFreePeriodId(), 4);
    module.ADOTablePeriod.First();
    module.ADOTablePeriod.Delete();
    EXPECT_EQ(module.SmallestFreePeriodId(), 0);
    // Rows written by another program are not in the table, but they count.
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("INSERT INTO TPeriod (IDPERIODE) VALUES (0), (4)"));
    EXPECT_EQ(module.SmallestFreePeriodId(), 5);
    ExecSql(QStringLiteral("Quimbels.mdb"), QStringLiteral("DELETE FROM TPeriod WHERE IDPERIODE = 1"));
    EXPECT_EQ(module.SmallestFreePeriodId(), 1);
}
