#include "platform/os/VersionRecordWriter.h"

#include "platform/Error.h"

#include <QtEndian>

namespace {

constexpr quint16 BinaryNode = 0;
constexpr quint16 TextNode = 1;

void AppendWord(QByteArray& bytes, quint16 word) {
    char little[2];
    qToLittleEndian<quint16>(word, little);
    bytes.append(little, 2);
}

void AppendZeroEndedText(QByteArray& bytes, const QString& text) {
    for (const QChar character : text)
        AppendWord(bytes, character.unicode());
    AppendWord(bytes, 0);
}

void PadToWord32(QByteArray& bytes) {
    while (bytes.size() % 4 != 0)
        bytes.append('\0');
}

quint16 Length(qsizetype size) {
    if (size > 0xFFFF)
        throw EPlatformError(QStringLiteral("L'enregistrement de version dépasse 65535 octets."));
    return static_cast<quint16>(size);
}

// Every node starts on a 32-bit boundary of the record, so padding inside the node lines its
// parts up with the record too.
QByteArray Node(const QString& key, quint16 type, const QByteArray& value, quint16 valueLength,
                const QList<QByteArray>& children) {
    QByteArray node;
    AppendWord(node, 0);
    AppendWord(node, valueLength);
    AppendWord(node, type);
    AppendZeroEndedText(node, key);
    PadToWord32(node);
    node.append(value);
    for (const QByteArray& child : children) {
        PadToWord32(node);
        node.append(child);
    }
    qToLittleEndian<quint16>(Length(node.size()), node.data());
    return node;
}

QByteArray StringNode(const QString& name, const QString& text) {
    QByteArray value;
    AppendZeroEndedText(value, text);
    // A text's value length counts its characters with the terminating zero.
    return Node(name, TextNode, value, Length(text.size() + 1), {});
}

} // namespace

QByteArray BuildVersionRecord(const TVersionRecordContent& content) {
    QList<QByteArray> strings;
    for (const auto& [name, text] : content.Strings)
        strings << StringNode(name, text);
    const QString tableKey = QString::asprintf("%04X%04X", content.LanguageId, content.CodePage);
    const QByteArray stringFileInfo =
        Node(QStringLiteral("StringFileInfo"), TextNode, {}, 0, {Node(tableKey, TextNode, {}, 0, strings)});

    QByteArray translation;
    AppendWord(translation, content.LanguageId);
    AppendWord(translation, content.CodePage);
    const QByteArray varFileInfo =
        Node(QStringLiteral("VarFileInfo"), TextNode, {}, 0,
             {Node(QStringLiteral("Translation"), BinaryNode, translation, 4, {})});

    return Node(QStringLiteral("VS_VERSION_INFO"), BinaryNode, content.FixedInfo.ToBytes(),
                static_cast<quint16>(TFixedFileInfo::RecordSize), {stringFileInfo, varFileInfo});
}
