#pragma once

#include <QByteArray>

// Gives a finished file its final name only if that name is still free, so that no existing
// file is ever replaced. Returns 0, or the errno of the failure (EEXIST when the name is taken).
// The temporary name may remain where the file system only knows hard links: callers unlink it.
int RenameWithoutReplacing(const QByteArray& temporaryName, const QByteArray& finalName);
