#include "platform/os/FileVersionInfo.h"

#include "platform/os/ElfSection.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr quint32 LongestRecord = 0xFFFF;
constexpr qsizetype NodeHeaderSize = 6;
constexpr quint16 TextNode = 1;

quint32& LastError() {
    static quint32 code = VersionError::None;
    return code;
}

bool Fail(quint32 code) {
    LastError() = code;
    return false;
}

bool Succeed() {
    LastError() = VersionError::None;
    return true;
}

// Finds the record's section; on failure sets the code and returns false.
bool FindRecord(const QString& fileName, TElfSection& section) {
    switch (FindElfSection(fileName, VersionRecordSectionName, section)) {
    case TElfSectionStatus::Found:
        return section.Size > 0 || Fail(VersionError::ResourceTypeNotFound);
    case TElfSectionStatus::FileMissing:
        return Fail(VersionError::FileNotFound);
    case TElfSectionStatus::FileUnreadable:
        return Fail(VersionError::AccessDenied);
    case TElfSectionStatus::NotElf:
        return Fail(VersionError::ResourceDataNotFound);
    case TElfSectionStatus::NoSuchSection:
        return Fail(VersionError::ResourceTypeNotFound);
    }
    return Fail(VersionError::ResourceDataNotFound);
}

// One node of the record: a length, a value length, a type, a zero-ended UTF-16 key, then the
// value and the children, each starting on a 32-bit boundary of the record.
struct TNode {
    qsizetype End = 0;
    QString Key;
    qsizetype ValueBegin = 0;
    qsizetype ValueSize = 0;
    qsizetype ChildrenBegin = 0;
};

qsizetype Align4(qsizetype offset) {
    return (offset + 3) & ~qsizetype(3);
}

quint16 Word(QByteArrayView record, qsizetype offset) {
    return qFromLittleEndian<quint16>(record.data() + offset);
}

// Reads the node at `begin` inside a parent that ends at `limit`; false when it does not fit.
bool ReadNode(QByteArrayView record, qsizetype begin, qsizetype limit, TNode& node) {
    if (limit - begin < NodeHeaderSize)
        return false;
    const quint16 length = Word(record, begin);
    if (length < NodeHeaderSize || length > limit - begin)
        return false;
    node.End = begin + length;
    node.Key.clear();
    qsizetype at = begin + NodeHeaderSize;
    for (;; at += 2) {
        if (node.End - at < 2)
            return false;
        const quint16 character = Word(record, at);
        if (character == 0)
            break;
        node.Key.append(QChar(character));
    }
    node.ValueBegin = std::min(Align4(at + 2), node.End);
    const quint16 valueLength = Word(record, begin + 2);
    const bool text = Word(record, begin + 4) == TextNode;
    node.ValueSize = text ? 2 * qsizetype(valueLength) : qsizetype(valueLength);
    if (node.ValueSize > node.End - node.ValueBegin) {
        if (!text)
            return false;
        // Some resource compilers count a text's bytes instead of its characters.
        node.ValueSize = node.End - node.ValueBegin;
    }
    node.ChildrenBegin = std::min(Align4(node.ValueBegin + node.ValueSize), node.End);
    return true;
}

enum class TChildSearch { Found, Missing, Damaged };

TChildSearch FindChild(QByteArrayView record, const TNode& parent, const QString& key, TNode& child) {
    qsizetype at = parent.ChildrenBegin;
    // Whatever follows the last child is padding; some compilers pad with zero words.
    while (parent.End - at >= NodeHeaderSize && Word(record, at) != 0) {
        if (!ReadNode(record, at, parent.End, child))
            return TChildSearch::Damaged;
        if (child.Key.compare(key, Qt::CaseInsensitive) == 0)
            return TChildSearch::Found;
        at = Align4(child.End);
    }
    return TChildSearch::Missing;
}

} // namespace

quint32 FileVersionInfoSize(const QString& fileName) {
    TElfSection section;
    if (!FindRecord(fileName, section))
        return 0;
    Succeed();
    return static_cast<quint32>(std::min<qint64>(section.Size, LongestRecord));
}

bool ReadFileVersionInfo(const QString& fileName, quint32 size, char* data) {
    TElfSection section;
    if (!FindRecord(fileName, section))
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(VersionError::AccessDenied);
    const qint64 wanted = std::min<qint64>(size, section.Size);
    if (!file.seek(section.Offset) || file.read(data, wanted) != wanted)
        return Fail(VersionError::ReadFault);
    return Succeed();
}

bool QueryVersionValue(QByteArrayView record, const QString& path, QByteArrayView& value) {
    TNode node;
    if (!ReadNode(record, 0, record.size(), node) || node.Key != QLatin1String("VS_VERSION_INFO"))
        return Fail(VersionError::InvalidData);
    for (const QString& key : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        TNode child;
        switch (FindChild(record, node, key, child)) {
        case TChildSearch::Found:
            node = child;
            break;
        case TChildSearch::Missing:
            return Fail(VersionError::ResourceNameNotFound);
        case TChildSearch::Damaged:
            return Fail(VersionError::InvalidData);
        }
    }
    value = record.sliced(node.ValueBegin, node.ValueSize);
    return Succeed();
}

quint32 VersionInfoLastError() {
    return LastError();
}
