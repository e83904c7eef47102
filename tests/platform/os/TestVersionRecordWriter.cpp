#include "platform/Error.h"
#include "platform/os/FileVersionInfo.h"
#include "platform/os/VersionRecordWriter.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

TVersionRecordContent SmallContent() {
    TVersionRecordContent content;
    content.FixedInfo.dwSignature = TFixedFileInfo::Signature;
    content.FixedInfo.dwFileVersionMS = 0x00010000;
    content.FixedInfo.dwFileVersionLS = 0x00000001;
    content.LanguageId = 0x040C;
    content.CodePage = 0x04E4;
    content.Strings = {{QStringLiteral("A"), QStringLiteral("B")}};
    return content;
}

QByteArray Utf16WithZero(const char* key) {
    QByteArray bytes;
    for (const char* at = key; *at != '\0'; ++at)
        bytes.append(*at).append('\0');
    return bytes.append(2, '\0');
}

// wLength, wValueLength and wType of the node at an offset.
QList<int> Header(const QByteArray& record, int offset) {
    return {qFromLittleEndian<quint16>(record.constData() + offset),
            qFromLittleEndian<quint16>(record.constData() + offset + 2),
            qFromLittleEndian<quint16>(record.constData() + offset + 4)};
}

} // namespace

TEST(VersionRecordWriter, LaysTheRecordOutAsDocumented) {
    const QByteArray record = BuildVersionRecord(SmallContent());
    // Offsets worked out by hand: each key is UTF-16 with its zero, each part starts on 32 bits.
    ASSERT_EQ(record.size(), 236);
    EXPECT_EQ(Header(record, 0), QList<int>({236, 52, 0}));
    EXPECT_EQ(record.mid(6, 32), Utf16WithZero("VS_VERSION_INFO"));
    EXPECT_EQ(record.mid(40, 8), QByteArray("\xBD\x04\xEF\xFE\x00\x00\x00\x00", 8));
    EXPECT_EQ(record.mid(48, 8), QByteArray("\x00\x00\x01\x00\x01\x00\x00\x00", 8));
    EXPECT_EQ(Header(record, 92), QList<int>({76, 0, 1}));  // StringFileInfo
    EXPECT_EQ(Header(record, 128), QList<int>({40, 0, 1})); // 040C04E4
    EXPECT_EQ(record.mid(134, 18), Utf16WithZero("040C04E4"));
    EXPECT_EQ(Header(record, 152), QList<int>({16, 2, 1})); // A
    EXPECT_EQ(record.mid(164, 4), QByteArray("B\0\0\0", 4));
    EXPECT_EQ(Header(record, 168), QList<int>({68, 0, 1})); // VarFileInfo
    EXPECT_EQ(Header(record, 200), QList<int>({36, 4, 0})); // Translation
    EXPECT_EQ(record.mid(232, 4), QByteArray("\x0C\x04\xE4\x04", 4));
}

TEST(VersionRecordWriter, EveryStringReadsBackUnderItsTranslation) {
    TVersionRecordContent content = SmallContent();
    content.Strings = {{QStringLiteral("FileVersion"), QStringLiteral("1.0.0.1")},
                       {QStringLiteral("LegalCopyright"), QStringLiteral("Copyright © Vorandel")},
                       {QStringLiteral("Comments"), QString()}};
    const QByteArray record = BuildVersionRecord(content);
    for (const auto& [name, text] : content.Strings) {
        QByteArrayView value;
        ASSERT_TRUE(QueryVersionValue(record, QStringLiteral("\\StringFileInfo\\040C04E4\\") + name, value))
            << name.toStdString();
        QString read;
        for (qsizetype at = 0; at + 1 < value.size(); at += 2)
            read.append(QChar(qFromLittleEndian<quint16>(value.data() + at)));
        EXPECT_EQ(read, text + QChar(0));
    }
    QByteArrayView root;
    ASSERT_TRUE(QueryVersionValue(record, QStringLiteral("\\"), root));
    EXPECT_EQ(TFixedFileInfo::FromBytes(root), content.FixedInfo);
}

TEST(VersionRecordWriter, RefusesARecordLongerThanItsLengthsCanCount) {
    TVersionRecordContent content = SmallContent();
    content.Strings = {{QStringLiteral("Comments"), QString(40000, QLatin1Char('x'))}};
    EXPECT_THROW(BuildVersionRecord(content), EPlatformError);
}
