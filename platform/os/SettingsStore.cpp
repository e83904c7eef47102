#include "platform/os/SettingsStore.h"

#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

struct TSettingsValue {
    QString Name;
    // Empty for text; otherwise the .reg type written before the colon (dword, hex, hex(7)...).
    QString Type;
    // The text itself, or a typed value exactly as the file spells it after the equals sign, so
    // that rewriting the file keeps what was written there by hand.
    QString Data;
};

struct TSettingsKey {
    QString Name;
    std::vector<TSettingsValue> Values;
    std::vector<TSettingsKey> Children;
};

// Thrown while reading one line; the reader adds the file and the line number.
struct TFormatFault {
    QString Detail;
};

QString DamagedText(const QString& filePath, qsizetype lineNumber, const QString& detail) {
    return QStringLiteral("Le fichier de réglages « %1 » est endommagé (ligne %2) : %3.")
        .arg(filePath)
        .arg(lineNumber)
        .arg(detail);
}

// Names compare as the registry compares them: without regard to case.
template <typename Items> auto FindNamed(Items& items, const QString& name) -> decltype(&items.front()) {
    for (auto& item : items)
        if (item.Name.compare(name, Qt::CaseInsensitive) == 0)
            return &item;
    return nullptr;
}

QStringList KeyNames(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// The file holds one key path per line, so a key name may not carry a line break, nor any other
// control character, which the registry refuses as well.
bool IsValidKeyName(const QString& name) {
    return std::none_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; });
}

QStringList CheckedKeyNames(const QString& path) {
    const QStringList names = KeyNames(path);
    for (const QString& name : names)
        if (!IsValidKeyName(name))
            throw EPlatformError(
                QStringLiteral("Le nom de clé « %1 » contient un caractère de contrôle.").arg(name));
    return names;
}

const TSettingsKey* FindKey(const TSettingsKey& root, const QStringList& names) {
    const TSettingsKey* key = &root;
    for (const QString& name : names) {
        key = FindNamed(key->Children, name);
        if (key == nullptr)
            return nullptr;
    }
    return key;
}

TSettingsKey& FindOrCreateKey(TSettingsKey& root, const QStringList& names) {
    TSettingsKey* key = &root;
    for (const QString& name : names) {
        TSettingsKey* child = FindNamed(key->Children, name);
        if (child == nullptr)
            child = &key->Children.emplace_back(TSettingsKey{name, {}, {}});
        key = child;
    }
    return *key;
}

// A value keeps the spelling of its name from its first writing, as a key does.
void SetValue(TSettingsKey& key, TSettingsValue value) {
    if (TSettingsValue* existing = FindNamed(key.Values, value.Name)) {
        existing->Type = std::move(value.Type);
        existing->Data = std::move(value.Data);
    } else {
        key.Values.push_back(std::move(value));
    }
}

QString Quoted(const QString& text) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            quoted += QLatin1String("\\\\");
        else if (c == QLatin1Char('"'))
            quoted += QLatin1String("\\\"");
        else if (c == QLatin1Char('\n'))
            quoted += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            quoted += QLatin1String("\\r");
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

// Reads the quoted text that opens at `position` and leaves `position` just after its closing quote.
QString Unquoted(const QString& line, qsizetype& position) {
    QString text;
    ++position;
    while (position < line.size()) {
        const QChar c = line[position++];
        if (c == QLatin1Char('"'))
            return text;
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (position == line.size())
            break;
        const QChar escaped = line[position++];
        if (escaped == QLatin1Char('\\') || escaped == QLatin1Char('"'))
            text += escaped;
        else if (escaped == QLatin1Char('n'))
            text += QLatin1Char('\n');
        else if (escaped == QLatin1Char('r'))
            text += QLatin1Char('\r');
        else
            throw TFormatFault{QStringLiteral("séquence d'échappement inconnue « \\%1 »").arg(escaped)};
    }
    throw TFormatFault{QStringLiteral("guillemet fermant manquant")};
}

// The typed values a .reg file may hold on one line; the store never interprets them, it only
// keeps them and refuses to read them as text.
const QRegularExpression& TypedValuePattern() {
    static const QRegularExpression pattern(
        QStringLiteral("^(dword):[0-9a-f]{8}$|^(hex(?:\\([0-9a-f]+\\))?):(?:[0-9a-f]{2}(?:,[0-9a-f]{2})*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

TSettingsValue ParseValue(const QString& line) {
    qsizetype position = 0;
    const QString name = Unquoted(line, position);
    if (position == line.size() || line[position] != QLatin1Char('='))
        throw TFormatFault{QStringLiteral("signe « = » manquant après le nom de la valeur")};
    ++position;
    if (position < line.size() && line[position] == QLatin1Char('"')) {
        const QString text = Unquoted(line, position);
        if (position != line.size())
            throw TFormatFault{QStringLiteral("texte en trop après la valeur")};
        return {name, {}, text};
    }
    const QString typed = line.mid(position);
    const QRegularExpressionMatch match = TypedValuePattern().match(typed);
    if (!match.hasMatch())
        throw TFormatFault{QStringLiteral("valeur mal formée « %1 »").arg(typed)};
    const QString type = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    return {name, type.toLower(), typed};
}

// Reads one line into the tree; returns the key that the following value lines belong to.
TSettingsKey* ParseLine(const QByteArray& bytes, TSettingsKey& root, TSettingsKey* current) {
    if (!QUtf8StringView(bytes).isValidUtf8())
        throw TFormatFault{QStringLiteral("texte qui n'est pas en UTF-8")};
    // Trimming also drops the carriage return of a file edited on Windows; every text sits
    // between quotes or brackets, so no meaningful space is lost.
    const QString line = QString::fromUtf8(bytes).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
        return current;
    if (line.startsWith(QLatin1Char('['))) {
        if (!line.endsWith(QLatin1Char(']')))
            throw TFormatFault{QStringLiteral("crochet fermant manquant")};
        const QStringList names = KeyNames(line.mid(1, line.size() - 2));
        if (!std::all_of(names.begin(), names.end(), IsValidKeyName))
            throw TFormatFault{QStringLiteral("nom de clé contenant un caractère de contrôle")};
        return &FindOrCreateKey(root, names);
    }
    if (line.startsWith(QLatin1Char('"'))) {
        if (current == nullptr)
            throw TFormatFault{QStringLiteral("valeur placée avant toute clé")};
        SetValue(*current, ParseValue(line));
        return current;
    }
    throw TFormatFault{QStringLiteral("ligne non reconnue")};
}

TSettingsKey ParseTree(QByteArray bytes, const QString& filePath) {
    // Some editors open a UTF-8 file with a byte order mark.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    TSettingsKey root;
    TSettingsKey* current = nullptr;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype index = 0; index < lines.size(); ++index) {
        try {
            current = ParseLine(lines[index], root, current);
        } catch (const TFormatFault& fault) {
            throw EPlatformError(DamagedText(filePath, index + 1, fault.Detail));
        }
    }
    return root;
}

TSettingsKey LoadTree(const QString& filePath) {
    if (!QFileInfo::exists(filePath))
        return {};
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        throw EPlatformError(
            QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(filePath));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EPlatformError(
            QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(filePath));
    return ParseTree(bytes, filePath);
}

// Every key but the root is written, even without values, so that an empty key persists.
void AppendKey(QString& text, const TSettingsKey& key, const QString& path) {
    if (!path.isEmpty() || !key.Values.empty()) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + (path.isEmpty() ? QStringLiteral("\\") : path) + QLatin1String("]\n");
        for (const TSettingsValue& value : key.Values)
            text += Quoted(value.Name) + QLatin1Char('=') +
                    (value.Type.isEmpty() ? Quoted(value.Data) : value.Data) + QLatin1Char('\n');
    }
    for (const TSettingsKey& child : key.Children)
        AppendKey(text, child, path + QLatin1Char('\\') + child.Name);
}

// QSaveFile writes a temporary file beside the old one and renames it over: a crash or a full
// disk leaves the previous settings whole.
void SaveTree(const TSettingsKey& root, const QString& filePath) {
    const QString folder = QFileInfo(filePath).absolutePath();
    if (!QDir().mkpath(folder))
        throw EPlatformError(
            QStringLiteral("Le dossier de réglages « %1 » ne peut pas être créé.").arg(folder));
    QString text;
    AppendKey(text, root, QString());
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EPlatformError(
            QStringLiteral("Le fichier de réglages « %1 » ne peut pas être enregistré.").arg(filePath));
}

} // namespace

TSettingsStore::TSettingsStore(const QString& filePath) : FFilePath(filePath) {}

QString TSettingsStore::DefaultFilePath(const QString& productFolder) {
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG base directory rules ignore a relative path.
    if (!QDir::isAbsolutePath(configHome))
        configHome = QDir::home().filePath(QStringLiteral(".config"));
    return QDir(configHome).filePath(productFolder + QStringLiteral("/settings.reg"));
}

bool TSettingsStore::KeyExists(const QString& path) const {
    return FindKey(LoadTree(FFilePath), KeyNames(path)) != nullptr;
}

void TSettingsStore::CreateKey(const QString& path) {
    TSettingsKey root = LoadTree(FFilePath);
    const QStringList names = CheckedKeyNames(path);
    if (FindKey(root, names) != nullptr)
        return;
    FindOrCreateKey(root, names);
    SaveTree(root, FFilePath);
}

bool TSettingsStore::ValueExists(const QString& path, const QString& valueName) const {
    const TSettingsKey root = LoadTree(FFilePath);
    const TSettingsKey* key = FindKey(root, KeyNames(path));
    return key != nullptr && FindNamed(key->Values, valueName) != nullptr;
}

void TSettingsStore::WriteString(const QString& path, const QString& valueName, const QString& text) {
    TSettingsKey root = LoadTree(FFilePath);
    SetValue(FindOrCreateKey(root, CheckedKeyNames(path)), {valueName, {}, text});
    SaveTree(root, FFilePath);
}

QString TSettingsStore::ReadString(const QString& path, const QString& valueName) {
    TSettingsKey root = LoadTree(FFilePath);
    const QStringList names = CheckedKeyNames(path);
    const TSettingsKey* key = FindKey(root, names);
    if (key == nullptr) {
        FindOrCreateKey(root, names);
        SaveTree(root, FFilePath);
        return {};
    }
    const TSettingsValue* value = FindNamed(key->Values, valueName);
    if (value == nullptr)
        return {};
    if (!value->Type.isEmpty())
        throw EPlatformError(QStringLiteral("La valeur « %1 » de la clé « %2 » du fichier de réglages « %3 » "
                                            "n'est pas un texte (type %4).")
                                 .arg(valueName, path, FFilePath, value->Type));
    return value->Data;
}
