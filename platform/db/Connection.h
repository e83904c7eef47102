#pragma once

#include <QHash>
#include <QString>
#include <memory>
#include <unordered_map>

struct sqlite3;
class TDataSet;
class TSqliteStatement;

// The one connection to the database file. The file is named by the "Data Source" of the
// connection text, relative to the current directory; it is opened read-write and never created.
class TADOConnection {
public:
    TADOConnection();
    ~TADOConnection();
    TADOConnection(const TADOConnection&) = delete;
    TADOConnection& operator=(const TADOConnection&) = delete;

    const QString& ConnectionString() const { return FConnectionString; }
    void SetConnectionString(const QString& text) { FConnectionString = text; }
    // The value of one key of the connection text, empty when absent.
    QString ConnectionParameter(const QString& key) const;
    QString DataSource() const { return ConnectionParameter(QStringLiteral("Data Source")); }

    bool LoginPrompt() const { return false; }
    bool KeepConnection() const { return FKeepConnection; }
    // Without KeepConnection the file is released as soon as no data set uses it.
    void SetKeepConnection(bool keep);

    void Open();
    void Close();
    bool Connected() const { return FDb != nullptr; }
    sqlite3* Handle() const;
    // Absolute path of the file opened.
    const QString& FilePath() const { return FFilePath; }
    // Declared type of a column, empty when the table or column is unknown.
    QString ColumnDeclaredType(const QString& table, const QString& column);
    // Changes whenever another connection commits to the file, never for this one's own writes.
    qint64 DataVersion();
    // A prepared statement kept for the life of the connection: the statements of the program
    // repeat with new values, and preparing them anew each time would cost more than running them.
    TSqliteStatement& CachedStatement(const QString& sql);

    void DataSetOpened(TDataSet* dataSet);
    void DataSetClosed(TDataSet* dataSet);

private:
    void CheckFileBeforeOpen(const QString& path) const;
    void CheckReadable();

    QString FConnectionString;
    QString FFilePath;
    sqlite3* FDb = nullptr;
    bool FKeepConnection = true;
    int FOpenDataSets = 0;
    QHash<QString, QHash<QString, QString>> FDeclaredTypes;
    std::unordered_map<QString, std::unique_ptr<TSqliteStatement>> FStatements;
};
