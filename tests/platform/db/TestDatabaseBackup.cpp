#include "SqlFixture.h"

#include "platform/Error.h"
#include "platform/db/DatabaseBackup.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

sqlite3* Open(const QString& path) {
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    return db;
}

void Exec(sqlite3* db, const char* sql) {
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
}

class DatabaseBackup : public testing::Test {
protected:
    void SetUp() override {
        Source = Open(QStringLiteral("source.db"));
        Exec(Source, "CREATE TABLE T (N INTEGER, TEXTE TEXT);"
                     "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 2000) "
                     "INSERT INTO T SELECT n, 'ligne ' || n FROM c;");
    }
    void TearDown() override { sqlite3_close_v2(Source); }

    sqlite3* Source = nullptr;
};

} // namespace

TEST_F(DatabaseBackup, CopiesWhatTheConnectionCommittedWhileItReadsAndTheShellOpensTheCopy) {
    // A data set in the middle of its rows, then an edit stored right before the copy.
    sqlite3_stmt* reading = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(Source, "SELECT N FROM T", -1, &reading, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(reading), SQLITE_ROW);
    Exec(Source, "UPDATE T SET TEXTE = 'modifiée' WHERE N = 1500; INSERT INTO T VALUES (2001, 'ajoutée');");

    BackupDatabase(Source, QStringLiteral("archive.mdb"));
    sqlite3_finalize(reading);

    EXPECT_EQ(Shell(QStringLiteral("archive.mdb"), QStringLiteral("SELECT count(*), sum(N) FROM T")),
              QStringLiteral("2001|2003001"));
    EXPECT_EQ(Shell(QStringLiteral("archive.mdb"),
                    QStringLiteral("SELECT TEXTE FROM T WHERE N IN (1500, 2001) ORDER BY N")),
              QStringLiteral("modifiée\najoutée"));
    EXPECT_EQ(Shell(QStringLiteral("archive.mdb"), QStringLiteral("PRAGMA integrity_check")),
              QStringLiteral("ok"));
    EXPECT_EQ(FolderFiles(), QStringList({"archive.mdb", "source.db"}));
}

TEST_F(DatabaseBackup, NeverReplacesAnExistingFile) {
    QFile existing(QStringLiteral("archive.mdb"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("archive d'hier");
    existing.close();

    EXPECT_THROW(BackupDatabase(Source, QStringLiteral("archive.mdb")), EDatabaseError);

    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("archive d'hier"));
    EXPECT_EQ(FolderFiles(), QStringList({"archive.mdb", "source.db"}));
}

TEST_F(DatabaseBackup, AFailedCopyLeavesNoFileBehind) {
    // Another program holding the file for writing keeps the copy from reading it.
    sqlite3* other = Open(QStringLiteral("source.db"));
    Exec(other, "BEGIN EXCLUSIVE; UPDATE T SET N = N;");
    EXPECT_THROW(BackupDatabase(Source, QStringLiteral("archive.mdb")), EDatabaseError);
    Exec(other, "ROLLBACK;");
    sqlite3_close_v2(other);
    EXPECT_EQ(FolderFiles(), QStringList({"source.db"}));

    EXPECT_THROW(BackupDatabase(Source, QStringLiteral("missing/archive.mdb")), EDatabaseError);
    EXPECT_FALSE(QDir(QStringLiteral("missing")).exists());
}
