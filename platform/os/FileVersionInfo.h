#pragma once

#include <QByteArrayView>
#include <QString>

// What stands in for the platform's version-information functions: an executable carries its
// version record (the VS_VERSIONINFO layout, little-endian) in an ELF section of that name.
inline constexpr char VersionRecordSectionName[] = ".quimbels_version";

// The codes left by the functions below, with the values of the platform whose record layout
// this is, so that a code read from a reader means the same thing there and here.
namespace VersionError {
constexpr quint32 None = 0;
// No file at that path.
constexpr quint32 FileNotFound = 2;
// The file exists but cannot be read.
constexpr quint32 AccessDenied = 5;
// The record is damaged: a length runs past the end of what holds it, a key has no end, or
// the record does not start with "VS_VERSION_INFO".
constexpr quint32 InvalidData = 13;
// The file changed or shrank while its record was being copied.
constexpr quint32 ReadFault = 30;
// The file is no executable image with a section table.
constexpr quint32 ResourceDataNotFound = 1812;
// The image carries no version record.
constexpr quint32 ResourceTypeNotFound = 1813;
// The record holds nothing at the path asked for.
constexpr quint32 ResourceNameNotFound = 1814;
} // namespace VersionError

// Size in bytes of the file's version record; 0 when it has none. A record is never longer
// than 65535 bytes, since its length is a 16-bit word.
quint32 FileVersionInfoSize(const QString& fileName);

// Copies the first `size` bytes of the file's version record into `data`.
bool ReadFileVersionInfo(const QString& fileName, quint32 size, char* data);

// Finds the value at `path` in a record: "\\" for the fixed record, "\\VarFileInfo\\Translation"
// for the translations, "\\StringFileInfo\\040C04E4\\FileVersion" for a string. A text value
// comes as its UTF-16LE characters (its terminating zero included when the record counts it),
// any other as its bytes. Keys compare without regard to case, as the platform's did. A value
// may be empty: the node is there but holds none.
bool QueryVersionValue(QByteArrayView record, const QString& path, QByteArrayView& value);

// The code of the last call above: VersionError::None when it succeeded.
quint32 VersionInfoLastError();
