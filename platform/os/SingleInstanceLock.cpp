#include "platform/os/SingleInstanceLock.h"

#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsUsableFolder(const QString& path) {
    return QDir::isAbsolutePath(path) && QFileInfo(path).isDir() &&
           ::access(QFile::encodeName(path).constData(), W_OK | X_OK) == 0;
}

} // namespace

TSingleInstanceLock::TSingleInstanceLock(const QString& name) : FFilePath(LockFilePath(name)) {}

// Closing the file releases the lock. The file itself stays: removing it would let a second
// process lock a new file of the same name while a third still holds the old one.
TSingleInstanceLock::~TSingleInstanceLock() {
    if (FHandle != -1)
        ::close(FHandle);
}

QString TSingleInstanceLock::LockFilePath(const QString& name) {
    const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (IsUsableFolder(runtimeFolder))
        return QDir(runtimeFolder).filePath(name + QStringLiteral(".lock"));
    return QStringLiteral("/tmp/%1-%2.lock").arg(name).arg(::getuid());
}

bool TSingleInstanceLock::Acquire() {
    if (FHandle != -1)
        return true;
    // Close-on-exec, so that a program started from here does not carry the lock on after we exit;
    // no symbolic link followed, since the fallback lives in the shared /tmp.
    const int handle = ::open(QFile::encodeName(FFilePath).constData(),
                              O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, S_IRUSR | S_IWUSR);
    if (handle == -1)
        throw EPlatformError(
            QStringLiteral("Le fichier de verrou « %1 » ne peut pas être ouvert.").arg(FFilePath));
    // Another user could plant the file in /tmp and hold it to keep the program from starting.
    struct stat status {};
    if (::fstat(handle, &status) != 0 || status.st_uid != ::geteuid()) {
        ::close(handle);
        throw EPlatformError(
            QStringLiteral("Le fichier de verrou « %1 » appartient à un autre utilisateur.").arg(FFilePath));
    }
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(handle);
        if (error == EWOULDBLOCK)
            return false;
        throw EPlatformError(
            QStringLiteral("Le fichier de verrou « %1 » ne peut pas être verrouillé.").arg(FFilePath));
    }
    FHandle = handle;
    return true;
}
