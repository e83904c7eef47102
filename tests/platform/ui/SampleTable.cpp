#include "SampleTable.h"

#include "SqlFixture.h"

#include <QFile>

const QString SampleTable::FileName = QStringLiteral("test.db");

void SampleTable::SetUp() {
    // SQLite takes an empty file for an empty database; the fixture's connection never creates one.
    QFile file(FileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ExecSql(FileName, QStringLiteral("CREATE TABLE T (NOM TEXT(50), MONTANT CURRENCY CHECK (MONTANT >= 0), "
                                     "JOUR DATETIME);"
                                     "INSERT INTO T VALUES ('Dupont', 805000, '2010-03-15');"
                                     "INSERT INTO T VALUES ('Martin', 12000000, '2011-12-01');"
                                     "INSERT INTO T VALUES ('Petit', NULL, NULL);"));
    Connection.SetConnectionString(QStringLiteral("Data Source=") + FileName);
    Table.SetConnection(&Connection);
    Table.SetTableName(QStringLiteral("T"));
    Table.Open();
}

QList<QVariantList> SampleTable::FileRows() const {
    return QuerySql(FileName, QStringLiteral("SELECT NOM, MONTANT, JOUR FROM T ORDER BY rowid"));
}
