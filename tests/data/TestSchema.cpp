#include "SqlFixture.h"

#include "data/Schema.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(Schema, CreatesTheThreeTablesWithDeclaredTypesAndIndexes) {
    CreateEmptyDatabase(QStringLiteral("neuf.mdb"));
    const auto columns = QuerySql(QStringLiteral("neuf.mdb"), QStringLiteral("SELECT name, type FROM pragma_table_info('TPeriod')"));
    QStringList described;
    for (const auto& column : columns)
        described << column[0].toString() + QLatin1Char(' ') + column[1].toString();
    EXPECT_EQ(described, QStringList({"IDPERIODE INTEGER", "NOM TEXT(50)", "CHAMBRE TEXT(50)", "DATEDEBUT DATETIME",
                                      "DATEFIN DATETIME", "ACCOMPTE CURRENCY", "TARIF CURRENCY", "NOTE TEXT(255)"}));
    const auto indexes = QuerySql(QStringLiteral("neuf.mdb"),
                                  QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index' ORDER BY name"));
    EXPECT_EQ(indexes.size(), 3);
    EXPECT_THROW(ExecSql(QStringLiteral("neuf.mdb"), QStringLiteral("INSERT INTO TPeriod (IDPERIODE) VALUES (1), (1)")),
                 std::runtime_error);
}

TEST(Schema, NeverReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    QFile existing(QStringLiteral("Quimbels.mdb"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("données précieuses");
    existing.close();
    EXPECT_THROW(CreateEmptyDatabase(QStringLiteral("Quimbels.mdb")), EDatabaseError);
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("données précieuses"));
    EXPECT_THROW(CreateEmptyDatabase(QStringLiteral("absent/Quimbels.mdb")), EDatabaseError);
    EXPECT_EQ(QDir::current().entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Quimbels.mdb")});
}
