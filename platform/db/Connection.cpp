#include "platform/db/Connection.h"

#include "platform/Error.h"
#include "platform/db/SqliteStatement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

quint32 BigEndian(const QByteArray& bytes, int offset, int size) {
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
}

} // namespace

TADOConnection::TADOConnection() = default;

TADOConnection::~TADOConnection() { Close(); }

QString TADOConnection::ConnectionParameter(const QString& key) const {
    for (const QString& pair : FConnectionString.split(QLatin1Char(';'))) {
        const int equals = static_cast<int>(pair.indexOf(QLatin1Char('=')));
        if (equals > 0 && pair.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            const QString value = pair.mid(equals + 1).trimmed();
            return value == QLatin1String("\"\"") ? QString() : value;
        }
    }
    return {};
}

void TADOConnection::SetKeepConnection(bool keep) {
    FKeepConnection = keep;
    if (!keep && FOpenDataSets == 0)
        Close();
}

sqlite3* TADOConnection::Handle() const {
    if (FDb == nullptr)
        throw EDatabaseError(QStringLiteral("La connexion à la base de données n'est pas ouverte."));
    return FDb;
}

void TADOConnection::CheckFileBeforeOpen(const QString& path) const {
    const QFileInfo info(path);
    const QString name = DataSource();
    if (!info.exists())
        throw EDatabaseError(QStringLiteral("Le fichier de base de données « %1 » est introuvable dans le dossier « %2 ».")
                                 .arg(name, QDir::currentPath()));
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw EDatabaseError(QStringLiteral("Le fichier de base de données « %1 » ne peut pas être lu.").arg(name));
    const QByteArray header = file.read(100);
    if (header.mid(4, 15) == "Standard Jet DB" || header.mid(4, 15) == "Standard ACE DB")
        throw EDatabaseError(QStringLiteral("« %1 » est une base Microsoft Access. Ce programme lit les bases au format "
                                            "SQLite : convertissez-la ou créez une base avec « quimbels-admin create ».")
                                 .arg(name));
    if (!header.startsWith(QByteArray("SQLite format 3\0", 16)) || header.size() < 100)
        throw EDatabaseError(QStringLiteral("« %1 » n'est pas une base de données reconnue.").arg(name));
    // A file cut short (a copy interrupted, a full disk) is refused before any row is read from it.
    quint32 pageSize = BigEndian(header, 16, 2);
    if (pageSize == 1)
        pageSize = 65536;
    const bool pageCountValid = BigEndian(header, 24, 4) == BigEndian(header, 92, 4);
    const qint64 pageCount = BigEndian(header, 28, 4);
    if (pageSize < 512 || info.size() % pageSize != 0 ||
        (pageCountValid && pageCount > 0 && info.size() < pageCount * pageSize))
        throw EDatabaseError(QStringLiteral("La base de données « %1 » est endommagée (fichier tronqué).").arg(name));
    if (!info.isWritable())
        throw EDatabaseError(QStringLiteral("La base de données « %1 » est en lecture seule : ce programme doit "
                                            "pouvoir y enregistrer les modifications.")
                                 .arg(name));
}

void TADOConnection::Open() {
    if (FDb != nullptr)
        return;
    const QString name = DataSource();
    if (name.isEmpty())
        throw EDatabaseError(QStringLiteral("Aucune base de données n'est indiquée dans la connexion."));
    const QString path = QDir::current().absoluteFilePath(name);
    CheckFileBeforeOpen(path);
    sqlite3* db = nullptr;
    // One thread uses the connection: SQLite's own locking around each call would be wasted.
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        const QString text = SqliteErrorText(db, code);
        sqlite3_close_v2(db);
        throw EDatabaseError(text);
    }
    FDb = db;
    FFilePath = path;
    sqlite3_busy_timeout(FDb, 2000);
    try {
        CheckReadable();
    } catch (...) {
        Close();
        throw;
    }
}

void TADOConnection::CheckReadable() {
    TSqliteStatement probe(FDb, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    probe.Step();
}

void TADOConnection::Close() {
    if (FDb == nullptr)
        return;
    FStatements.clear();
    FDeclaredTypes.clear();
    sqlite3_close_v2(FDb);
    FDb = nullptr;
    FFilePath.clear();
}

QString TADOConnection::ColumnDeclaredType(const QString& table, const QString& column) {
    const QString tableKey = table.toUpper();
    auto found = FDeclaredTypes.find(tableKey);
    if (found == FDeclaredTypes.end()) {
        QHash<QString, QString> columns;
        TSqliteStatement info(Handle(), QStringLiteral("SELECT name, type FROM pragma_table_info(?)"));
        info.Bind(1, table);
        while (info.Step())
            columns.insert(info.ColumnValue(0).toString().toUpper(), info.ColumnValue(1).toString());
        found = FDeclaredTypes.insert(tableKey, columns);
    }
    return found->value(column.toUpper());
}

qint64 TADOConnection::DataVersion() {
    TSqliteStatement& version = CachedStatement(QStringLiteral("PRAGMA data_version"));
    version.Step();
    const qint64 value = version.ColumnInteger(0);
    version.Reset();
    return value;
}

TSqliteStatement& TADOConnection::CachedStatement(const QString& sql) {
    auto found = FStatements.find(sql);
    if (found == FStatements.end()) {
        if (FStatements.size() >= 64)
            FStatements.clear();
        found = FStatements.emplace(sql, std::make_unique<TSqliteStatement>(Handle(), sql)).first;
    }
    found->second->Reset();
    return *found->second;
}

void TADOConnection::DataSetOpened(TDataSet*) { ++FOpenDataSets; }

void TADOConnection::DataSetClosed(TDataSet*) {
    if (FOpenDataSets > 0)
        --FOpenDataSets;
    if (!FKeepConnection && FOpenDataSets == 0)
        Close();
}
