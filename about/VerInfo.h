#pragma once

#include "platform/os/FixedFileInfo.h"

#include <QString>
#include <array>

// Reads the version record attached to an executable, by default the running program's own,
// and keeps what it found. It never reports an error: a file without a record gives empty
// values, a zero fixed record and the platform's code in LastError.
class VerInfo {
public:
    static constexpr int ValueCount = 12;
    // The names of the string values, in the order of Values.
    static constexpr std::array<const char*, ValueCount> ValueNames = {
        "ProductName",  "ProductVersion", "OriginalFilename", "FileDescription",
        "FileVersion",  "CompanyName",    "LegalCopyright",   "LegalTrademarks",
        "InternalName", "PrivateBuild",   "SpecialBuild",     "Comments"};

    VerInfo();

    void ClearInfo();
    void SetFileName(const QString& name);
    void ReadInfo();
    QString GetFileVersion() const;

    QString FileName;
    TFixedFileInfo FixedInfo;
    // The first translation of the record; later ones are never read.
    quint16 LanguageId;
    quint16 CodePage;
    std::array<QString, ValueCount> Values;
    // The platform's code at the end of the last read: the failing step's code, or after a whole
    // read the code of its last lookup, that of "Comments", which many records do not hold.
    quint32 LastError;
};
