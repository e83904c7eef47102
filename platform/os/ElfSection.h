#pragma once

#include <QByteArray>
#include <QString>

// Where a named section of an ELF image lies in its file.
struct TElfSection {
    qint64 Offset = 0;
    qint64 Size = 0;
};

enum class TElfSectionStatus {
    Found,
    FileMissing,
    FileUnreadable,
    // Not a little-endian ELF image, or one whose section table runs past the end of the file.
    NotElf,
    NoSuchSection,
};

// Looks a section up by name in the file's section header table. A section without bytes in
// the file (uninitialised data) is not found.
TElfSectionStatus FindElfSection(const QString& path, const QByteArray& name, TElfSection& section);
