#include "VersionRecordImage.h"

#include "platform/os/FileVersionInfo.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QByteArray Fixed = FixedRecord(0x00010002, 0x00030004);

QByteArray SampleRecord() {
    return VersionRecord(
        Fixed, {RecordNode(QStringLiteral("StringFileInfo"), 1, {}, 0,
                           {RecordStringTable(
                               QStringLiteral("040C04E4"),
                               {RecordString(QStringLiteral("FileVersion"), QStringLiteral("1.2.3.4")),
                                RecordString(QStringLiteral("Comments"), QStringLiteral("Gîte"))})}),
                RecordTranslations({{0x040C, 0x04E4}, {0x0409, 0x04B0}})});
}

QString Text(QByteArrayView value) {
    QString text;
    for (qsizetype at = 0; at + 1 < value.size(); at += 2)
        text.append(QChar(qFromLittleEndian<quint16>(value.data() + at)));
    return text;
}

// The value at a path, or the last error as "error N".
QString Query(const QByteArray& record, const QString& path) {
    QByteArrayView value;
    if (!QueryVersionValue(record, path, value))
        return QStringLiteral("error %1").arg(VersionInfoLastError());
    EXPECT_EQ(VersionInfoLastError(), VersionError::None);
    return Text(value);
}

} // namespace

TEST(FileVersionInfo, GivesTheSizeAndBytesOfAnImagesRecord) {
    const QByteArray record = SampleRecord();
    WriteBytes(QStringLiteral("image"), ElfImage({{".text", "code"}, {".quimbels_version", record}}));
    const quint32 size = FileVersionInfoSize(QStringLiteral("image"));
    ASSERT_EQ(size, static_cast<quint32>(record.size()));
    QByteArray copy(size, '\0');
    ASSERT_TRUE(ReadFileVersionInfo(QStringLiteral("image"), size, copy.data()));
    EXPECT_EQ(copy, record);
    EXPECT_EQ(VersionInfoLastError(), VersionError::None);
}

TEST(FileVersionInfo, AFileWithoutARecordHasSizeZeroAndTheReasonInTheLastError) {
    WriteBytes(QStringLiteral("text"), "plain text, no executable image at all, just words and more words.");
    WriteBytes(QStringLiteral("bare"), ElfImage({{".text", "code"}}));
    WriteBytes(QStringLiteral("empty"), ElfImage({{".quimbels_version", {}}}));
    const struct {
        const char* File;
        quint32 Error;
    } cases[] = {
        {"missing", VersionError::FileNotFound},
        {"text", VersionError::ResourceDataNotFound},
        {"bare", VersionError::ResourceTypeNotFound},
        {"empty", VersionError::ResourceTypeNotFound},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileVersionInfoSize(QString::fromLatin1(c.File)), 0u) << c.File;
        EXPECT_EQ(VersionInfoLastError(), c.Error) << c.File;
        char byte = 0;
        EXPECT_FALSE(ReadFileVersionInfo(QString::fromLatin1(c.File), 1, &byte)) << c.File;
        EXPECT_EQ(VersionInfoLastError(), c.Error) << c.File;
    }
}

TEST(FileVersionInfo, FindsValuesByPathWithoutRegardToCase) {
    const QByteArray record = SampleRecord();
    QByteArrayView root;
    ASSERT_TRUE(QueryVersionValue(record, QStringLiteral("\\"), root));
    EXPECT_EQ(root.toByteArray(), Fixed);

    QByteArrayView translations;
    ASSERT_TRUE(QueryVersionValue(record, QStringLiteral("\\VarFileInfo\\Translation"), translations));
    EXPECT_EQ(translations.toByteArray(), QByteArray("\x0C\x04\xE4\x04\x09\x04\xB0\x04", 8));

    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\040C04E4\\FileVersion")),
              QStringLiteral("1.2.3.4") + QChar(0));
    EXPECT_EQ(Query(record, QStringLiteral("\\stringfileinfo\\040c04e4\\COMMENTS")),
              QStringLiteral("Gîte") + QChar(0));
    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\040C04E4\\ProductName")),
              QStringLiteral("error 1814"));
    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\040904B0\\FileVersion")),
              QStringLiteral("error 1814"));
}

TEST(FileVersionInfo, ATextLengthCountedInBytesStopsAtTheEndOfItsNode) {
    // Some resource compilers write a text's byte count where its character count belongs.
    QByteArray version = RecordString(QStringLiteral("FileVersion"), QStringLiteral("5.6"));
    version[2] = 8;
    const QByteArray record =
        VersionRecord(Fixed, {RecordNode(QStringLiteral("StringFileInfo"), 1, {}, 0,
                                         {RecordStringTable(QStringLiteral("040C04E4"),
                                                            {version, RecordString(QStringLiteral("Comments"),
                                                                                   QStringLiteral("x"))})})});
    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\040C04E4\\FileVersion")),
              QStringLiteral("5.6") + QChar(0));
    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\040C04E4\\Comments")),
              QStringLiteral("x") + QChar(0));
}

TEST(FileVersionInfo, ADamagedRecordGivesNoValueAndNeverAReadPastItsEnd) {
    const QByteArray record = SampleRecord();
    QByteArray wrongRoot = record;
    wrongRoot[6] = 'X';
    QByteArray childTooLong = record;
    // The first child, "StringFileInfo", right after the 40-byte root header and the 52-byte fixed record.
    childTooLong[92] = '\xFF';
    childTooLong[93] = '\x0F';
    QByteArray childTooShort = record;
    childTooShort[92] = '\x04';
    childTooShort[93] = '\x00';
    const QByteArray keyWithoutEnd =
        VersionRecord(Fixed, {RecordNode(QStringLiteral("StringFileInfo"), 1, {}, 0, {}, 12)});
    const QByteArray fixedPastItsNode = RecordNode(QStringLiteral("VS_VERSION_INFO"), 0, Fixed, 200);

    const struct {
        const char* Case;
        QByteArray Record;
        const char* Path;
    } cases[] = {
        {"truncated", record.left(record.size() / 2), "\\"},
        {"truncated to a header", record.left(4), "\\"},
        {"another root key", wrongRoot, "\\"},
        {"a child longer than its parent", childTooLong, "\\StringFileInfo\\040C04E4\\FileVersion"},
        {"a child shorter than a header", childTooShort, "\\VarFileInfo\\Translation"},
        {"a key without its zero", keyWithoutEnd, "\\StringFileInfo\\040C04E4"},
        {"a binary value past its node", fixedPastItsNode, "\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Query(c.Record, QString::fromLatin1(c.Path)), QStringLiteral("error 13")) << c.Case;
}

TEST(FileVersionInfo, ZeroWordsAfterTheLastChildArePadding) {
    const QByteArray strings =
        RecordNode(QStringLiteral("StringFileInfo"), 1, {}, 0,
                   {RecordStringTable(QStringLiteral("040C04E4"), {}), QByteArray(8, '\0')});
    const QByteArray record = VersionRecord(Fixed, {strings});
    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\Other")), QStringLiteral("error 1814"));
    EXPECT_EQ(Query(record, QStringLiteral("\\StringFileInfo\\040C04E4")), QString());
}
