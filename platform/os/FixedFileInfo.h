#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

// The fixed part of a version record: thirteen little-endian 32-bit words, 52 bytes, with the
// field names the record's documentation gives them.
struct TFixedFileInfo {
    quint32 dwSignature = 0;
    quint32 dwStrucVersion = 0;
    quint32 dwFileVersionMS = 0;
    quint32 dwFileVersionLS = 0;
    quint32 dwProductVersionMS = 0;
    quint32 dwProductVersionLS = 0;
    quint32 dwFileFlagsMask = 0;
    quint32 dwFileFlags = 0;
    quint32 dwFileOS = 0;
    quint32 dwFileType = 0;
    quint32 dwFileSubtype = 0;
    quint32 dwFileDateMS = 0;
    quint32 dwFileDateLS = 0;

    static constexpr quint32 Signature = 0xFEEF04BD;
    static constexpr qsizetype RecordSize = 52;

    bool operator==(const TFixedFileInfo&) const = default;

    // Reads the first 52 bytes of a record's root value.
    static TFixedFileInfo FromBytes(QByteArrayView bytes);
    QByteArray ToBytes() const;
};

static_assert(sizeof(TFixedFileInfo) == TFixedFileInfo::RecordSize);
