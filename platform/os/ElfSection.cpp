#include "platform/os/ElfSection.h"

#include <QFile>
#include <QtEndian>

namespace {

// Field offsets of the two ELF classes; only what a section lookup needs.
struct TElfLayout {
    qsizetype HeaderSize;
    qsizetype SectionTableOffset;
    qsizetype SectionTableOffsetSize;
    qsizetype SectionEntrySizeField;
    qsizetype SectionCountField;
    qsizetype NameTableIndexField;
    qsizetype SectionEntrySize;
    qsizetype SectionOffsetField;
    qsizetype SectionSizeField;
    qsizetype SectionAddressSize;
};

constexpr TElfLayout Elf32 = {52, 0x20, 4, 0x2E, 0x30, 0x32, 40, 16, 20, 4};
constexpr TElfLayout Elf64 = {64, 0x28, 8, 0x3A, 0x3C, 0x3E, 64, 24, 32, 8};

constexpr unsigned char ElfClass32 = 1;
constexpr unsigned char ElfClass64 = 2;
constexpr unsigned char ElfLittleEndian = 1;
constexpr quint32 SectionWithoutBytes = 8;

quint64 Number(const QByteArray& bytes, qsizetype offset, qsizetype size) {
    const char* at = bytes.constData() + offset;
    switch (size) {
    case 2:
        return qFromLittleEndian<quint16>(at);
    case 4:
        return qFromLittleEndian<quint32>(at);
    default:
        return qFromLittleEndian<quint64>(at);
    }
}

// Reads `size` bytes at `offset`; false when they are not all in the file.
bool ReadAt(QFile& file, quint64 offset, quint64 size, QByteArray& bytes) {
    const quint64 fileSize = static_cast<quint64>(file.size());
    if (offset > fileSize || size > fileSize - offset || !file.seek(static_cast<qint64>(offset)))
        return false;
    bytes = file.read(static_cast<qint64>(size));
    return static_cast<quint64>(bytes.size()) == size;
}

} // namespace

TElfSectionStatus FindElfSection(const QString& path, const QByteArray& name, TElfSection& section) {
    QFile file(path);
    if (!file.exists())
        return TElfSectionStatus::FileMissing;
    if (!file.open(QIODevice::ReadOnly))
        return TElfSectionStatus::FileUnreadable;

    const QByteArray header = file.read(Elf64.HeaderSize);
    if (header.size() < Elf32.HeaderSize ||
        !header.startsWith("\x7F"
                           "ELF") ||
        header[5] != ElfLittleEndian)
        return TElfSectionStatus::NotElf;
    const unsigned char elfClass = static_cast<unsigned char>(header[4]);
    if (elfClass != ElfClass32 && elfClass != ElfClass64)
        return TElfSectionStatus::NotElf;
    const TElfLayout& layout = elfClass == ElfClass64 ? Elf64 : Elf32;
    if (header.size() < layout.HeaderSize)
        return TElfSectionStatus::NotElf;

    const quint64 tableOffset = Number(header, layout.SectionTableOffset, layout.SectionTableOffsetSize);
    const quint64 entrySize = Number(header, layout.SectionEntrySizeField, 2);
    const quint64 count = Number(header, layout.SectionCountField, 2);
    const quint64 nameTableIndex = Number(header, layout.NameTableIndexField, 2);
    if (count == 0)
        return TElfSectionStatus::NoSuchSection;
    QByteArray table;
    if (entrySize < static_cast<quint64>(layout.SectionEntrySize) || nameTableIndex >= count ||
        !ReadAt(file, tableOffset, entrySize * count, table))
        return TElfSectionStatus::NotElf;

    const auto entryOffset = [&](quint64 index) { return static_cast<qsizetype>(index * entrySize); };
    const auto offsetOf = [&](quint64 index) {
        return Number(table, entryOffset(index) + layout.SectionOffsetField, layout.SectionAddressSize);
    };
    const auto sizeOf = [&](quint64 index) {
        return Number(table, entryOffset(index) + layout.SectionSizeField, layout.SectionAddressSize);
    };
    QByteArray names;
    if (!ReadAt(file, offsetOf(nameTableIndex), sizeOf(nameTableIndex), names))
        return TElfSectionStatus::NotElf;

    for (quint64 index = 0; index < count; ++index) {
        const qsizetype entry = entryOffset(index);
        const quint64 nameOffset = Number(table, entry, 4);
        if (nameOffset >= static_cast<quint64>(names.size()) ||
            Number(table, entry + 4, 4) == SectionWithoutBytes)
            continue;
        const qsizetype nameBegin = static_cast<qsizetype>(nameOffset);
        const qsizetype nameEnd = names.indexOf('\0', nameBegin);
        if (nameEnd < 0 || names.mid(nameBegin, nameEnd - nameBegin) != name)
            continue;
        const quint64 fileSize = static_cast<quint64>(file.size());
        const quint64 offset = offsetOf(index);
        const quint64 size = sizeOf(index);
        if (offset > fileSize || size > fileSize - offset)
            return TElfSectionStatus::NotElf;
        section = {static_cast<qint64>(offset), static_cast<qint64>(size)};
        return TElfSectionStatus::Found;
    }
    return TElfSectionStatus::NoSuchSection;
}
