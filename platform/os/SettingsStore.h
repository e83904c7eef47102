#pragma once

#include <QString>

// The user's own settings, kept as a tree of keys holding named text values, the way the
// registry of the current user keeps them on Windows: a key may exist without any value, and key
// and value names compare without regard to case while keeping the spelling they were first
// given. Paths are backslash-separated ("\Software\Quimbels\NomDuBienLoue").
//
// The tree lives in one small text file in the spirit of a .reg file. Every operation reads the
// file afresh, so a change made by another process is never hidden, and every change rewrites it
// atomically. A damaged or unreadable file raises EPlatformError and is left untouched: the
// user's settings are never silently reset.
class TSettingsStore {
public:
    explicit TSettingsStore(const QString& filePath);

    // $XDG_CONFIG_HOME/<productFolder>/settings.reg, with $HOME/.config when XDG_CONFIG_HOME is
    // unset or not absolute.
    static QString DefaultFilePath(const QString& productFolder);

    const QString& FilePath() const { return FFilePath; }

    bool KeyExists(const QString& path) const;
    // Creates the missing keys along the path.
    void CreateKey(const QString& path);
    bool ValueExists(const QString& path, const QString& valueName) const;
    // Creates the key when it is missing; replaces a value of the same name, whatever its type.
    void WriteString(const QString& path, const QString& valueName, const QString& text);
    // Creates the key when it is missing; a missing value reads as empty text, a value that is
    // not text (a dword written by hand) raises EPlatformError.
    QString ReadString(const QString& path, const QString& valueName);

private:
    QString FFilePath;
};
