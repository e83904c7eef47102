// Writes the C++ source that puts the program's version record into its executable, in the
// section where the version reader looks for it. Run by the build:
//   quimbels_version_record_generator OUTPUT.cpp VERSION NAME=TEXT...
// VERSION has up to four numbers ("1.0.0.1") and gives both the file and product versions;
// each NAME=TEXT, in UTF-8, adds a string to the table.

#include "platform/os/FileVersionInfo.h"
#include "platform/os/VersionRecordWriter.h"

#include <QFile>
#include <QVersionNumber>
#include <cstdio>

namespace {

// French with the Western European code page, the translation the program always had.
constexpr quint16 French = 0x040C;
constexpr quint16 WesternEuropean = 0x04E4;
constexpr quint32 FixedRecordVersion = 0x00010000;
constexpr quint32 AllFileFlags = 0x3F;
constexpr quint32 Application = 1;

bool ParseVersion(const QString& text, quint32& high, quint32& low) {
    const QVersionNumber version = QVersionNumber::fromString(text);
    if (version.isNull() || version.segmentCount() > 4)
        return false;
    for (int index = 0; index < version.segmentCount(); ++index)
        if (version.segmentAt(index) < 0 || version.segmentAt(index) > 0xFFFF)
            return false;
    const auto part = [&](int index) { return static_cast<quint32>(version.segmentAt(index)); };
    high = part(0) << 16 | part(1);
    low = part(2) << 16 | part(3);
    return true;
}

QByteArray Source(const QByteArray& record) {
    QByteArray source = "// Made by the build from the project version; edits here are lost.\n"
                        "alignas(4) [[gnu::section(\"";
    source += VersionRecordSectionName;
    source += "\"), gnu::used]] extern const unsigned char QuimbelsVersionRecord[" +
              QByteArray::number(record.size()) + "] = {";
    for (qsizetype index = 0; index < record.size(); ++index) {
        source += index % 12 == 0 ? "\n   " : "";
        source += " 0x" +
                  QByteArray::number(static_cast<unsigned char>(record[index]), 16).rightJustified(2, '0') +
                  ',';
    }
    return source + "\n};\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: quimbels_version_record_generator OUTPUT.cpp VERSION NAME=TEXT...\n", stderr);
        return 2;
    }
    const QString version = QString::fromUtf8(argv[2]);
    TVersionRecordContent content;
    content.LanguageId = French;
    content.CodePage = WesternEuropean;
    TFixedFileInfo& fixed = content.FixedInfo;
    if (!ParseVersion(version, fixed.dwFileVersionMS, fixed.dwFileVersionLS)) {
        std::fprintf(stderr, "invalid version: %s\n", argv[2]);
        return 2;
    }
    fixed.dwSignature = TFixedFileInfo::Signature;
    fixed.dwStrucVersion = FixedRecordVersion;
    fixed.dwProductVersionMS = fixed.dwFileVersionMS;
    fixed.dwProductVersionLS = fixed.dwFileVersionLS;
    fixed.dwFileFlagsMask = AllFileFlags;
    fixed.dwFileType = Application;

    content.Strings.append({QStringLiteral("FileVersion"), version});
    content.Strings.append({QStringLiteral("ProductVersion"), version});
    for (int index = 3; index < argc; ++index) {
        const QString pair = QString::fromUtf8(argv[index]);
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            std::fprintf(stderr, "expected NAME=TEXT: %s\n", argv[index]);
            return 2;
        }
        content.Strings.append({pair.left(equals), pair.mid(equals + 1)});
    }

    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        output.write(Source(BuildVersionRecord(content))) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
