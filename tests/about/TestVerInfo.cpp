#include "VersionRecordImage.h"

#include "about/VerInfo.h"
#include "platform/os/FileVersionInfo.h"

#include <gtest/gtest.h>

namespace {

const QByteArray Fixed = FixedRecord(0x00020001, 0x00000007);

QByteArray StringFileInfo(const QList<QByteArray>& tables) {
    return RecordNode(QStringLiteral("StringFileInfo"), 1, {}, 0, tables);
}

// A string table holding every name of the reader, each valued "<name> of <key>".
QByteArray FullTable(const QString& key) {
    QList<QByteArray> strings;
    for (const char* name : VerInfo::ValueNames)
        strings << RecordString(QLatin1String(name),
                                QStringLiteral("%1 of %2").arg(QLatin1String(name), key));
    return RecordStringTable(key, strings);
}

// Writes an executable image carrying the record and reads it.
VerInfo Read(const QByteArray& record) {
    WriteBytes(QStringLiteral("program"), ElfImage({{".text", "code"}, {".quimbels_version", record}}));
    VerInfo info;
    info.SetFileName(QStringLiteral("program"));
    return info;
}

} // namespace

TEST(VerInfo, ReadsTheFixedRecordTheTranslationAndTheTwelveValuesInOrder) {
    const VerInfo info = Read(VersionRecord(Fixed, {StringFileInfo({FullTable(QStringLiteral("040C04E4"))}),
                                                    RecordTranslations({{0x040C, 0x04E4}})}));
    EXPECT_EQ(info.FileName, QStringLiteral("program"));
    EXPECT_EQ(info.FixedInfo.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.FixedInfo.dwFileVersionMS, 0x00020001u);
    EXPECT_EQ(info.FixedInfo.dwFileVersionLS, 0x00000007u);
    EXPECT_EQ(info.FixedInfo.dwFileType, 1u);
    EXPECT_EQ(info.LanguageId, 0x040C);
    EXPECT_EQ(info.CodePage, 0x04E4);
    const QStringList expectedOrder = {"ProductName",     "ProductVersion",  "OriginalFilename",
                                       "FileDescription", "FileVersion",     "CompanyName",
                                       "LegalCopyright",  "LegalTrademarks", "InternalName",
                                       "PrivateBuild",    "SpecialBuild",    "Comments"};
    for (int index = 0; index < VerInfo::ValueCount; ++index)
        EXPECT_EQ(info.Values[static_cast<size_t>(index)],
                  expectedOrder[index] + QStringLiteral(" of 040C04E4"));
    EXPECT_EQ(info.GetFileVersion(), QStringLiteral("FileVersion of 040C04E4"));
    EXPECT_EQ(info.LastError, VersionError::None);
}

TEST(VerInfo, OnlyTheFirstOfTwoTranslationsIsRead) {
    const VerInfo info = Read(VersionRecord(
        Fixed,
        {StringFileInfo({FullTable(QStringLiteral("040904B0")), FullTable(QStringLiteral("040C04E4"))}),
         RecordTranslations({{0x040C, 0x04E4}, {0x0409, 0x04B0}})}));
    EXPECT_EQ(info.LanguageId, 0x040C);
    EXPECT_EQ(info.CodePage, 0x04E4);
    EXPECT_EQ(info.GetFileVersion(), QStringLiteral("FileVersion of 040C04E4"));
    EXPECT_EQ(info.Values[11], QStringLiteral("Comments of 040C04E4"));
}

TEST(VerInfo, ATranslationKeyIsWrittenInUpperCaseHexadecimalWithLeadingZeros) {
    const QByteArray table = RecordStringTable(
        QStringLiteral("000A00FF"), {RecordString(QStringLiteral("FileVersion"), QStringLiteral("3.1"))});
    const VerInfo info =
        Read(VersionRecord(Fixed, {StringFileInfo({table}), RecordTranslations({{0x000A, 0x00FF}})}));
    EXPECT_EQ(info.GetFileVersion(), QStringLiteral("3.1"));
}

TEST(VerInfo, ANameMissingFromTheTableGivesAnEmptyValueForThatNameAlone) {
    const QByteArray table =
        RecordStringTable(QStringLiteral("040C04E4"),
                          {RecordString(QStringLiteral("ProductName"), QStringLiteral("Quimbels")),
                           RecordString(QStringLiteral("FileVersion"), QStringLiteral("1.0.0.21"))});
    const VerInfo info =
        Read(VersionRecord(Fixed, {StringFileInfo({table}), RecordTranslations({{0x040C, 0x04E4}})}));
    EXPECT_EQ(info.Values[0], QStringLiteral("Quimbels"));
    EXPECT_EQ(info.Values[4], QStringLiteral("1.0.0.21"));
    for (const int index : {1, 2, 3, 5, 6, 7, 8, 9, 10, 11})
        EXPECT_EQ(info.Values[static_cast<size_t>(index)], QString()) << index;
    // The read ends on the lookup of "Comments", which found nothing.
    EXPECT_EQ(info.LastError, VersionError::ResourceNameNotFound);
}

TEST(VerInfo, ARecordWithoutTranslationTableGivesTheFixedRecordAndEmptyValues) {
    const VerInfo info =
        Read(VersionRecord(Fixed, {StringFileInfo({FullTable(QStringLiteral("040C04E4"))})}));
    EXPECT_EQ(info.FixedInfo.dwFileVersionMS, 0x00020001u);
    EXPECT_EQ(info.LanguageId, 0);
    EXPECT_EQ(info.CodePage, 0);
    for (const QString& value : info.Values)
        EXPECT_EQ(value, QString());
    EXPECT_EQ(info.LastError, VersionError::ResourceNameNotFound);
}

TEST(VerInfo, AFileWithoutUsableRecordGivesEmptyValuesAZeroFixedRecordAndTheReason) {
    const QByteArray whole = VersionRecord(Fixed, {StringFileInfo({FullTable(QStringLiteral("040C04E4"))}),
                                                   RecordTranslations({{0x040C, 0x04E4}})});
    const QByteArray shortFixed = RecordNode(QStringLiteral("VS_VERSION_INFO"), 0, Fixed.left(20), 20);
    WriteBytes(QStringLiteral("no record"), ElfImage({{".text", "code"}}));
    WriteBytes(QStringLiteral("truncated"), ElfImage({{".quimbels_version", whole.left(whole.size() - 40)}}));
    WriteBytes(QStringLiteral("short fixed record"), ElfImage({{".quimbels_version", shortFixed}}));
    WriteBytes(QStringLiteral("not a program"),
               "Quimbels.mdb is a database, not a program: no version record here.");
    const struct {
        const char* File;
        quint32 Error;
    } cases[] = {
        {"no record", VersionError::ResourceTypeNotFound},
        {"truncated", VersionError::InvalidData},
        {"short fixed record", VersionError::InvalidData},
        {"not a program", VersionError::ResourceDataNotFound},
        {"missing", VersionError::FileNotFound},
    };
    for (const auto& c : cases) {
        VerInfo info;
        info.SetFileName(QString::fromLatin1(c.File));
        EXPECT_EQ(info.GetFileVersion(), QString()) << c.File;
        EXPECT_EQ(info.FixedInfo, TFixedFileInfo()) << c.File;
        EXPECT_EQ(info.LanguageId, 0) << c.File;
        EXPECT_EQ(info.LastError, c.Error) << c.File;
    }
}

TEST(VerInfo, ReadingAgainGivesTheSameValuesAndANewFileFirstClearsTheLast) {
    VerInfo info = Read(VersionRecord(Fixed, {StringFileInfo({FullTable(QStringLiteral("040C04E4"))}),
                                              RecordTranslations({{0x040C, 0x04E4}})}));
    const auto values = info.Values;
    const TFixedFileInfo fixed = info.FixedInfo;
    info.ReadInfo();
    EXPECT_EQ(info.Values, values);
    EXPECT_EQ(info.FixedInfo, fixed);

    WriteBytes(QStringLiteral("fixed only"),
               ElfImage({{".quimbels_version", VersionRecord(FixedRecord(9, 9), {})}}));
    info.SetFileName(QStringLiteral("fixed only"));
    EXPECT_EQ(info.FixedInfo.dwFileVersionMS, 9u);
    EXPECT_EQ(info.LanguageId, 0);
    EXPECT_EQ(info.CodePage, 0);
    EXPECT_EQ(info.GetFileVersion(), QString());
    EXPECT_EQ(info.Values[0], QString());
}

TEST(VerInfo, ThisBuildsProgramAndTheRunningExecutableCarryTheProjectVersion) {
    // The build links the same record into this test as into the program.
    VerInfo running;
    VerInfo program;
    program.SetFileName(QStringLiteral(QUIMBELS_EXECUTABLE));
    for (const VerInfo* info : {&running, &program}) {
        EXPECT_EQ(info->GetFileVersion(), QStringLiteral(QUIMBELS_FILE_VERSION))
            << info->FileName.toStdString();
        EXPECT_EQ(info->Values[1], QStringLiteral(QUIMBELS_FILE_VERSION));
        EXPECT_EQ(info->Values[0], QStringLiteral("Quimbels"));
        EXPECT_EQ(info->LanguageId, 0x040C);
        EXPECT_EQ(info->CodePage, 0x04E4);
        EXPECT_EQ(info->FixedInfo.dwSignature, TFixedFileInfo::Signature);
        const QStringList parts = QStringLiteral(QUIMBELS_FILE_VERSION).split(QLatin1Char('.'));
        ASSERT_EQ(parts.size(), 4);
        EXPECT_EQ(info->FixedInfo.dwFileVersionMS, parts[0].toUInt() << 16 | parts[1].toUInt());
        EXPECT_EQ(info->FixedInfo.dwFileVersionLS, parts[2].toUInt() << 16 | parts[3].toUInt());
    }
}
