#include "about/VerInfo.h"

#include "platform/os/FileVersionInfo.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QtEndian>

namespace {

constexpr int FileVersionIndex = 4;

QString TextUpToZero(QByteArrayView value) {
    QString text;
    for (qsizetype at = 0; at + 1 < value.size(); at += 2) {
        const quint16 character = qFromLittleEndian<quint16>(value.data() + at);
        if (character == 0)
            break;
        text.append(QChar(character));
    }
    return text;
}

} // namespace

VerInfo::VerInfo() {
    ClearInfo();
    SetFileName(QCoreApplication::applicationFilePath());
}

void VerInfo::ClearInfo() {
    FixedInfo = {};
    LanguageId = 0;
    CodePage = 0;
    Values.fill(QString());
    LastError = VersionError::None;
}

void VerInfo::SetFileName(const QString& name) {
    FileName = name;
    ReadInfo();
}

void VerInfo::ReadInfo() {
    ClearInfo();
    const quint32 size = FileVersionInfoSize(FileName);
    if (size == 0) {
        LastError = VersionInfoLastError();
        return;
    }
    QByteArray block(size, '\0');
    if (!ReadFileVersionInfo(FileName, size, block.data())) {
        LastError = VersionInfoLastError();
        return;
    }

    QByteArrayView value;
    if (!QueryVersionValue(block, QStringLiteral("\\"), value)) {
        LastError = VersionInfoLastError();
        return;
    }
    if (value.size() < TFixedFileInfo::RecordSize) {
        LastError = VersionError::InvalidData;
        return;
    }
    FixedInfo = TFixedFileInfo::FromBytes(value);

    if (!QueryVersionValue(block, QStringLiteral("\\VarFileInfo\\Translation"), value)) {
        LastError = VersionInfoLastError();
        return;
    }
    if (value.size() < 4) {
        LastError = VersionError::InvalidData;
        return;
    }
    LanguageId = qFromLittleEndian<quint16>(value.data());
    CodePage = qFromLittleEndian<quint16>(value.data() + 2);

    const QString tableKey = QString::asprintf("%04X%04X", LanguageId, CodePage);
    for (int index = 0; index < ValueCount; ++index) {
        const QString path =
            QStringLiteral("\\StringFileInfo\\%1\\%2").arg(tableKey, QLatin1String(ValueNames[index]));
        if (QueryVersionValue(block, path, value))
            Values[static_cast<size_t>(index)] = TextUpToZero(value);
    }
    LastError = VersionInfoLastError();
}

QString VerInfo::GetFileVersion() const {
    return Values[FileVersionIndex];
}
