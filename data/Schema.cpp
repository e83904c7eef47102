#include "data/Schema.h"

#include "platform/Error.h"
#include "platform/db/SqliteStatement.h"
#include "platform/os/NoReplaceRename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <sqlite3.h>
#include <unistd.h>

QString DatabaseSchemaSql() {
    // Currency columns hold ten-thousandths as integers and dates ISO-8601 text; the declared
    // types tell the data sets how to present them. Names are compared without regard to case,
    // so the period indexes use NOCASE to serve the overlap test and the statements.
    return QStringLiteral(
        "CREATE TABLE TClient (NOM TEXT(50), PRENOM TEXT(50), TELEPHONE TEXT(30), ADRESSE TEXT(255), "
        "CP TEXT(10), VILLE TEXT(50), NOTE TEXT);"
        "CREATE TABLE TRoom (CHAMBRE TEXT(50), DESIGNATION TEXT(255));"
        "CREATE TABLE TPeriod (IDPERIODE INTEGER, NOM TEXT(50), CHAMBRE TEXT(50), DATEDEBUT DATETIME, "
        "DATEFIN DATETIME, ACCOMPTE CURRENCY, TARIF CURRENCY, NOTE TEXT(255));"
        "CREATE UNIQUE INDEX TPeriodIdPeriode ON TPeriod (IDPERIODE);"
        "CREATE INDEX TPeriodChambreDebut ON TPeriod (CHAMBRE COLLATE NOCASE, DATEDEBUT);"
        "CREATE INDEX TPeriodNom ON TPeriod (NOM COLLATE NOCASE);");
}

void CreateEmptyDatabase(const QString& path) {
    const QFileInfo target(path);
    if (target.exists())
        throw EDatabaseError(QStringLiteral("Le fichier « %1 » existe déjà : il n'a pas été remplacé.").arg(path));
    if (!target.absoluteDir().exists())
        throw EDatabaseError(QStringLiteral("Le dossier « %1 » n'existe pas.").arg(target.absolutePath()));

    const QString temporary = target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(target.fileName(), QUuid::createUuid().toString(QUuid::Id128)));
    const QByteArray temporaryName = QFile::encodeName(temporary);
    sqlite3* db = nullptr;
    int code = sqlite3_open_v2(temporaryName.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (code == SQLITE_OK)
        code = sqlite3_exec(db, DatabaseSchemaSql().toUtf8().constData(), nullptr, nullptr, nullptr);
    const QString failure = code == SQLITE_OK ? QString() : SqliteErrorText(db, code);
    sqlite3_close_v2(db);
    const int naming =
        code == SQLITE_OK ? RenameWithoutReplacing(temporaryName, QFile::encodeName(target.absoluteFilePath())) : 0;
    ::unlink(temporaryName.constData());
    if (naming != 0)
        throw EDatabaseError(QStringLiteral("Le fichier « %1 » n'a pas pu être créé.").arg(path));
    if (!failure.isEmpty())
        throw EDatabaseError(failure);
}
