#include "platform/db/DatabaseBackup.h"

#include "platform/Error.h"
#include "platform/db/SqliteStatement.h"
#include "platform/os/NoReplaceRename.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <sqlite3.h>
#include <unistd.h>

namespace {

QString AlreadyExistsText(const QString& path) {
    return QStringLiteral("Le fichier « %1 » existe déjà : il n'a pas été remplacé.").arg(path);
}

void CopyInto(sqlite3* source, const QByteArray& temporaryName) {
    sqlite3* copy = nullptr;
    int code = sqlite3_open_v2(temporaryName.constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                               nullptr);
    if (code == SQLITE_OK) {
        sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
        if (backup == nullptr) {
            code = sqlite3_errcode(copy);
        } else {
            // A busy or locked source stops the step without being an error of the backup itself.
            const int stepped = sqlite3_backup_step(backup, -1);
            const int finished = sqlite3_backup_finish(backup);
            code = stepped == SQLITE_DONE ? finished : stepped;
        }
    }
    const QString failure = code == SQLITE_OK ? QString() : SqliteErrorText(copy, code);
    sqlite3_close_v2(copy);
    if (!failure.isEmpty())
        throw EDatabaseError(failure);
}

} // namespace

void BackupDatabase(sqlite3* source, const QString& targetPath) {
    const QFileInfo target(targetPath);
    if (!target.absoluteDir().exists())
        throw EDatabaseError(QStringLiteral("Le dossier « %1 » n'existe pas.").arg(target.absolutePath()));
    // Checked first so that a large file is not copied for nothing; the naming checks again.
    if (target.exists() || target.isSymLink())
        throw EDatabaseError(AlreadyExistsText(targetPath));

    const QByteArray temporaryName = QFile::encodeName(target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.tmp").arg(target.fileName(), QUuid::createUuid().toString(QUuid::Id128))));
    try {
        CopyInto(source, temporaryName);
    } catch (...) {
        ::unlink(temporaryName.constData());
        throw;
    }
    const int error = RenameWithoutReplacing(temporaryName, QFile::encodeName(target.absoluteFilePath()));
    // After a rename there is nothing left to remove; after a link, the temporary name goes.
    ::unlink(temporaryName.constData());
    if (error == EEXIST)
        throw EDatabaseError(AlreadyExistsText(targetPath));
    if (error != 0)
        throw EDatabaseError(QStringLiteral("L'archive « %1 » n'a pas pu être créée.").arg(targetPath));
}
