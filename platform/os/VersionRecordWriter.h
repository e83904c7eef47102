#pragma once

#include "platform/os/FixedFileInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

// What a version record says: the fixed record, one translation and the strings of its table.
struct TVersionRecordContent {
    TFixedFileInfo FixedInfo;
    quint16 LanguageId = 0;
    quint16 CodePage = 0;
    QList<std::pair<QString, QString>> Strings;
};

// The record in the VS_VERSIONINFO layout: the fixed record as the root's value, a
// "StringFileInfo" with one table keyed by the translation ("040C04E4"), and a "VarFileInfo"
// whose "Translation" holds the one language and code page pair. Throws EPlatformError when the
// record would pass the 65535 bytes that its 16-bit lengths can count.
QByteArray BuildVersionRecord(const TVersionRecordContent& content);
