#pragma once

#include <QString>

// A lock that one process of the user holds at a time, standing for a named mutex: an exclusive
// flock on a file of the user's runtime folder. The kernel drops it when the holder exits or
// dies, so a start after a crash is a start like any other.
class TSingleInstanceLock {
public:
    explicit TSingleInstanceLock(const QString& name);
    ~TSingleInstanceLock();
    TSingleInstanceLock(const TSingleInstanceLock&) = delete;
    TSingleInstanceLock& operator=(const TSingleInstanceLock&) = delete;

    // <name>.lock in $XDG_RUNTIME_DIR, or /tmp/<name>-<uid>.lock when that is unset or not a
    // writable folder.
    static QString LockFilePath(const QString& name);

    const QString& FilePath() const { return FFilePath; }

    // True when this object now holds the lock (or already did); false at once, without
    // waiting, when another process or another lock object holds it.
    bool Acquire();

private:
    QString FFilePath;
    int FHandle = -1;
};
