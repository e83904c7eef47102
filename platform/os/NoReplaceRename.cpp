#include "platform/os/NoReplaceRename.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int RenameWithoutReplacing(const QByteArray& temporaryName, const QByteArray& finalName) {
    if (::renameat2(AT_FDCWD, temporaryName.constData(), AT_FDCWD, finalName.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // Some file systems know no such rename, but they refuse a hard link to a name in use.
    if (::link(temporaryName.constData(), finalName.constData()) != 0)
        return errno;
    return 0;
}
