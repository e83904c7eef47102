#include "platform/os/FixedFileInfo.h"

#include <QtEndian>
#include <array>

namespace {

// The words in the order in which the record stores them.
std::array<quint32 TFixedFileInfo::*, 13> Words() {
    return {&TFixedFileInfo::dwSignature,        &TFixedFileInfo::dwStrucVersion,
            &TFixedFileInfo::dwFileVersionMS,    &TFixedFileInfo::dwFileVersionLS,
            &TFixedFileInfo::dwProductVersionMS, &TFixedFileInfo::dwProductVersionLS,
            &TFixedFileInfo::dwFileFlagsMask,    &TFixedFileInfo::dwFileFlags,
            &TFixedFileInfo::dwFileOS,           &TFixedFileInfo::dwFileType,
            &TFixedFileInfo::dwFileSubtype,      &TFixedFileInfo::dwFileDateMS,
            &TFixedFileInfo::dwFileDateLS};
}

} // namespace

TFixedFileInfo TFixedFileInfo::FromBytes(QByteArrayView bytes) {
    Q_ASSERT(bytes.size() >= RecordSize);
    TFixedFileInfo info;
    qsizetype offset = 0;
    for (quint32 TFixedFileInfo::*word : Words()) {
        info.*word = qFromLittleEndian<quint32>(bytes.data() + offset);
        offset += 4;
    }
    return info;
}

QByteArray TFixedFileInfo::ToBytes() const {
    QByteArray bytes(RecordSize, '\0');
    qsizetype offset = 0;
    for (quint32 TFixedFileInfo::*word : Words()) {
        qToLittleEndian<quint32>(this->*word, bytes.data() + offset);
        offset += 4;
    }
    return bytes;
}
