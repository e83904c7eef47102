#include "SqlFixture.h"

#include "platform/Error.h"
#include "platform/db/Connection.h"
#include "platform/db/Table.h"

#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString DbFile = QStringLiteral("Quimbels.mdb");

QString OpenError() {
    TADOConnection connection;
    connection.SetConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=Quimbels.mdb;Mode=Share Deny None"));
    try {
        connection.Open();
        TADOTable table;
        table.SetConnection(&connection);
        table.SetTableName(QStringLiteral("TPeriod"));
        table.Open();
    } catch (const EDatabaseError& error) {
        return error.Text();
    }
    return {};
}

void WriteFile(const QByteArray& bytes) {
    QFile file(DbFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(Connection, ReadsTheFileNameFromTheConnectionText) {
    TADOConnection connection;
    connection.SetConnectionString(QStringLiteral("Provider=X;Password=\"\";Data Source=Quimbels.mdb;Mode=Share Deny None"));
    EXPECT_EQ(connection.DataSource(), QStringLiteral("Quimbels.mdb"));
    EXPECT_EQ(connection.ConnectionParameter(QStringLiteral("Password")), QString());
    EXPECT_EQ(connection.ConnectionParameter(QStringLiteral("mode")), QStringLiteral("Share Deny None"));
}

TEST(Connection, OpensAGoodFileAndNeverCreatesAMissingOne) {
    EXPECT_TRUE(OpenError().contains(QStringLiteral("introuvable")));
    EXPECT_FALSE(QFile::exists(DbFile));
    CreateQuimbelsDatabase(DbFile);
    EXPECT_EQ(OpenError(), QString());
}

TEST(Connection, RefusesFilesThatAreNotUsableDatabasesWithAClearText) {
    QByteArray access(4096, '\0');
    access.replace(4, 15, "Standard Jet DB");
    QByteArray sqliteHeaderOnly("SQLite format 3");
    sqliteHeaderOnly.append('\0');
    sqliteHeaderOnly.append(QByteArray(84, '\x01'));
    struct Case {
        QByteArray bytes;
        QString expected;
    };
    const Case cases[] = {
        {access, QStringLiteral("Microsoft Access")},
        {QByteArray("Nom;Prénom\nDupont;Jean\n"), QStringLiteral("n'est pas une base de données reconnue")},
        {QByteArray(), QStringLiteral("n'est pas une base de données reconnue")},
        {sqliteHeaderOnly, QStringLiteral("endommagée")},
    };
    for (const Case& c : cases) {
        WriteFile(c.bytes);
        EXPECT_TRUE(OpenError().contains(c.expected)) << OpenError().toStdString();
        QFile::remove(DbFile);
    }
}

TEST(Connection, RefusesATruncatedFile) {
    CreateQuimbelsDatabase(DbFile);
    ExecSql(DbFile, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                                   "INSERT INTO TPeriod (IDPERIODE, NOM, NOTE) SELECT i, 'Client ' || i, "
                                   "printf('%.200c', 'x') FROM n"));
    QFile file(DbFile);
    const qint64 size = file.size();
    ASSERT_TRUE(file.resize(size / 2));
    const QString error = OpenError();
    EXPECT_TRUE(error.contains(QStringLiteral("endommagée"))) << error.toStdString();
}

TEST(Connection, RefusesAReadOnlyFile) {
    CreateQuimbelsDatabase(DbFile);
    if (geteuid() == 0)
        GTEST_SKIP() << "root can write to any file";
    ASSERT_EQ(chmod(DbFile.toLocal8Bit().constData(), 0444), 0);
    EXPECT_TRUE(OpenError().contains(QStringLiteral("lecture seule")));
}

TEST(Connection, ReportsAFileLockedByAnotherProcess) {
    CreateQuimbelsDatabase(DbFile);
    // Another process holds an exclusive transaction for a while.
    QProcess holder;
    holder.start(QStringLiteral("sqlite3"), {DbFile});
    ASSERT_TRUE(holder.waitForStarted());
    holder.write("BEGIN EXCLUSIVE; INSERT INTO TRoom VALUES ('x', 'y');\n");
    holder.write(".shell sleep 6\n");
    holder.waitForBytesWritten();
    QThread::msleep(500);
    const QString error = OpenError();
    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(error.contains(QStringLiteral("verrouillée"))) << error.toStdString();
    // The other program's unfinished row was never written.
    EXPECT_EQ(QuerySql(DbFile, QStringLiteral("SELECT count(*) FROM TRoom"))[0][0].toInt(), 0);
}

TEST(Connection, KeepsTheFileOpenWhileADataSetUsesIt) {
    CreateQuimbelsDatabase(DbFile);
    TADOConnection connection;
    connection.SetConnectionString(QStringLiteral("Data Source=Quimbels.mdb"));
    TADOTable table;
    table.SetConnection(&connection);
    table.SetTableName(QStringLiteral("TRoom"));
    table.Open();
    connection.SetKeepConnection(false);
    EXPECT_TRUE(connection.Connected());
    connection.SetKeepConnection(true);
    table.Close();
    EXPECT_TRUE(connection.Connected());
    connection.SetKeepConnection(false);
    EXPECT_FALSE(connection.Connected());
}
