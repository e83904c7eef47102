#include "VersionRecordImage.h"

#include "platform/os/ElfSection.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QByteArray Payload = QByteArrayLiteral("version record bytes");

QByteArray ReadSection(const QString& path, const TElfSection& section) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(section.Offset))
        return {};
    return file.read(section.Size);
}

TElfSectionStatus Find(const QByteArray& image, const QByteArray& name = ".quimbels_version") {
    WriteBytes(QStringLiteral("image"), image);
    TElfSection section;
    return FindElfSection(QStringLiteral("image"), name, section);
}

// The image with the given number of bytes cut off its end.
QByteArray Cut(const QByteArray& image, int bytes) {
    return image.left(image.size() - bytes);
}

} // namespace

TEST(ElfSection, FindsANamedSectionInBothImageClasses) {
    for (const bool elf64 : {true, false}) {
        SCOPED_TRACE(elf64 ? "64-bit" : "32-bit");
        WriteBytes(QStringLiteral("image"),
                   ElfImage({{".text", "code"}, {".quimbels_version", Payload}, {".data", "data"}}, elf64));
        TElfSection section;
        ASSERT_EQ(FindElfSection(QStringLiteral("image"), ".quimbels_version", section),
                  TElfSectionStatus::Found);
        EXPECT_EQ(section.Size, Payload.size());
        EXPECT_EQ(ReadSection(QStringLiteral("image"), section), Payload);
    }
}

TEST(ElfSection, FindsTheCodeOfARealExecutable) {
    TElfSection section;
    ASSERT_EQ(FindElfSection(QCoreApplication::applicationFilePath(), ".text", section),
              TElfSectionStatus::Found);
    EXPECT_GT(section.Size, 0);
}

TEST(ElfSection, TellsWhyASectionIsNotThere) {
    const QByteArray good = ElfImage({{".quimbels_version", Payload}});
    QByteArray bigEndian = good;
    bigEndian[5] = '\x02';
    QByteArray unknownClass = good;
    unknownClass[4] = '\x03';
    QByteArray sectionPastTheEnd = ElfImage({{".quimbels_version", Payload}});
    // The section table comes last: pointing the section's offset past the end of the file.
    const qsizetype entry = sectionPastTheEnd.size() - 2 * 64;
    sectionPastTheEnd.replace(entry + 24, 8, QByteArray("\xFF\xFF\xFF\x00\x00\x00\x00\x00", 8));
    QByteArray noSectionTable = good;
    noSectionTable.replace(0x3C, 2, QByteArray(2, '\0'));

    const struct {
        const char* Case;
        QByteArray Image;
        TElfSectionStatus Expected;
    } cases[] = {
        {"a text file", "just some text, long enough to hold an ELF header if it were one............",
         TElfSectionStatus::NotElf},
        {"a header cut short", good.left(40), TElfSectionStatus::NotElf},
        {"a big-endian image", bigEndian, TElfSectionStatus::NotElf},
        {"an unknown class", unknownClass, TElfSectionStatus::NotElf},
        {"a section table cut short", Cut(good, 10), TElfSectionStatus::NotElf},
        {"a section running past the end", sectionPastTheEnd, TElfSectionStatus::NotElf},
        {"no section table", noSectionTable, TElfSectionStatus::NoSuchSection},
        {"other sections only", ElfImage({{".text", "code"}, {".quimbels_versionX", Payload}}),
         TElfSectionStatus::NoSuchSection},
        {"the name on uninitialised data", ElfImage({{"!.quimbels_version", Payload}}),
         TElfSectionStatus::NoSuchSection},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.Image), c.Expected) << c.Case;

    TElfSection section;
    EXPECT_EQ(FindElfSection(QStringLiteral("missing"), ".quimbels_version", section),
              TElfSectionStatus::FileMissing);
}
