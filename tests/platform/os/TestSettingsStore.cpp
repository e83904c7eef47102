#include "platform/Error.h"
#include "platform/os/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <unistd.h>

namespace {

const QString RentedGoodKey = QStringLiteral("\\Software\\Quimbels\\NomDuBienLoue");

// Sets an environment variable for one test and gives the old value back.
class TEnvironmentOverride {
public:
    TEnvironmentOverride(const char* name, const std::optional<QByteArray>& value)
        : FName(name), FOld(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt) {
        Set(value);
    }
    ~TEnvironmentOverride() { Set(FOld); }
    TEnvironmentOverride(const TEnvironmentOverride&) = delete;
    TEnvironmentOverride& operator=(const TEnvironmentOverride&) = delete;

private:
    void Set(const std::optional<QByteArray>& value) {
        if (value)
            qputenv(FName, *value);
        else
            qunsetenv(FName);
    }
    const char* FName;
    std::optional<QByteArray> FOld;
};

class SettingsStoreTest : public testing::Test {
protected:
    static QString FilePath() {
        return QDir(qEnvironmentVariable("XDG_CONFIG_HOME"))
            .filePath(QStringLiteral("Quimbels/settings.reg"));
    }
    static QString Folder() { return QFileInfo(FilePath()).absolutePath(); }

    static void WriteFile(const QByteArray& bytes) {
        QDir().mkpath(Folder());
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray FileBytes() {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // A second store on the same file, as another run of the program would open it.
    static TSettingsStore OtherStore() { return TSettingsStore(FilePath()); }

    TSettingsStore FStore{TSettingsStore::DefaultFilePath(QStringLiteral("Quimbels"))};
};

QString ErrorText(const std::function<void()>& action) {
    try {
        action();
    } catch (const EPlatformError& error) {
        return error.Text();
    }
    return QStringLiteral("(no error)");
}

TEST_F(SettingsStoreTest, DefaultFilePathFollowsXdgConfigHome) {
    const QString home = QDir::current().filePath(QStringLiteral("home"));
    const TEnvironmentOverride homeOverride("HOME", home.toUtf8());
    const QString fromHome = home + QStringLiteral("/.config/Quimbels/settings.reg");
    const struct {
        std::optional<QByteArray> ConfigHome;
        QString Expected;
    } cases[] = {
        {QByteArray("/srv/réglages"), QStringLiteral("/srv/réglages/Quimbels/settings.reg")},
        {std::nullopt, fromHome},
        {QByteArray(""), fromHome},
        {QByteArray("relative/config"), fromHome},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ConfigHome.value_or("(unset)").toStdString());
        const TEnvironmentOverride configOverride("XDG_CONFIG_HOME", c.ConfigHome);
        EXPECT_EQ(TSettingsStore::DefaultFilePath(QStringLiteral("Quimbels")), c.Expected);
    }
    EXPECT_EQ(FStore.FilePath(), FilePath());
}

TEST_F(SettingsStoreTest, MissingFileIsAnEmptyStoreAndQueriesWriteNothing) {
    EXPECT_FALSE(FStore.KeyExists(QStringLiteral("\\Software")));
    EXPECT_FALSE(FStore.ValueExists(RentedGoodKey, QStringLiteral("Nom")));
    EXPECT_TRUE(FStore.KeyExists(QStringLiteral("\\")));
    EXPECT_FALSE(QFileInfo::exists(FilePath()));
}

TEST_F(SettingsStoreTest, CreateKeyCreatesItsParentsAndAnEmptyKeyPersists) {
    FStore.CreateKey(RentedGoodKey);

    const TSettingsStore other = OtherStore();
    EXPECT_TRUE(other.KeyExists(QStringLiteral("\\Software")));
    EXPECT_TRUE(other.KeyExists(QStringLiteral("\\Software\\Quimbels")));
    EXPECT_TRUE(other.KeyExists(RentedGoodKey));
    EXPECT_TRUE(other.KeyExists(QStringLiteral("Software\\Quimbels\\NomDuBienLoue\\")));
    EXPECT_FALSE(other.KeyExists(QStringLiteral("\\Software\\Quimbels\\Autre")));
    EXPECT_FALSE(other.KeyExists(QStringLiteral("\\Software\\Quimbels\\NomDuBienLoue\\Nom")));
    EXPECT_FALSE(other.ValueExists(RentedGoodKey, QStringLiteral("Nom")));
    EXPECT_EQ(FileBytes(), QByteArray("[\\Software]\n"
                                      "\n"
                                      "[\\Software\\Quimbels]\n"
                                      "\n"
                                      "[\\Software\\Quimbels\\NomDuBienLoue]\n"));
}

TEST_F(SettingsStoreTest, ReadingAMissingValueGivesEmptyTextAndCreatesTheKey) {
    EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QString());
    EXPECT_TRUE(OtherStore().KeyExists(RentedGoodKey));
    EXPECT_FALSE(OtherStore().ValueExists(RentedGoodKey, QStringLiteral("Nom")));
}

TEST_F(SettingsStoreTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
    FStore.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("GÎTE"));
    FStore.WriteString(QStringLiteral("\\SOFTWARE\\quimbels\\nomdubienloue"), QStringLiteral("NOM"),
                       QStringLiteral("CHAMBRE"));
    FStore.CreateKey(QStringLiteral("\\software\\QUIMBELS"));

    const TSettingsStore other = OtherStore();
    EXPECT_TRUE(other.KeyExists(QStringLiteral("\\sOfTwArE\\QuImBeLs\\NOMDUBIENLOUE")));
    EXPECT_TRUE(other.ValueExists(RentedGoodKey, QStringLiteral("nOm")));
    EXPECT_EQ(
        OtherStore().ReadString(QStringLiteral("\\software\\quimbels\\NOMDUBIENLOUE"), QStringLiteral("nom")),
        QStringLiteral("CHAMBRE"));
    EXPECT_EQ(FileBytes(), QByteArray("[\\Software]\n"
                                      "\n"
                                      "[\\Software\\Quimbels]\n"
                                      "\n"
                                      "[\\Software\\Quimbels\\NomDuBienLoue]\n"
                                      "\"Nom\"=\"CHAMBRE\"\n"));
}

TEST_F(SettingsStoreTest, TextsAndNamesRoundTripThroughTheFile) {
    const QString texts[] = {
        QStringLiteral("CHAMBRE"),
        QString(),
        QStringLiteral("dit \"bonjour\""),
        QStringLiteral("C:\\Dossier\\"),
        QStringLiteral("\\\""),
        QStringLiteral("ligne 1\nligne 2\r\nligne 3\r"),
        QStringLiteral("Gîte d'été à Noël — Œuvre €"),
        QStringLiteral("  espacé\t"),
        QStringLiteral("; pas un commentaire"),
        QStringLiteral("[\\pas une clé]"),
        QStringLiteral("\"Nom\"=\"x\""),
        QString(100, QChar(u'é')) + QString(100, QLatin1Char('"')) + QString(100, QLatin1Char('\\')),
    };
    // Each text is also the name of its own value, so names go through the same escapes.
    for (const QString& text : texts)
        FStore.WriteString(RentedGoodKey, text, text);
    FStore.WriteString(QStringLiteral("\\"), QStringLiteral("À la racine"), QStringLiteral("oui"));

    TSettingsStore other = OtherStore();
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_TRUE(other.ValueExists(RentedGoodKey, text));
        EXPECT_EQ(other.ReadString(RentedGoodKey, text), text);
    }
    EXPECT_EQ(other.ReadString(QStringLiteral("\\"), QStringLiteral("à la racine")), QStringLiteral("oui"));
    // Line breaks stay escaped, so that an editor that takes a lone carriage return for the end of a
    // line cannot split a value.
    EXPECT_FALSE(FileBytes().contains('\r'));
}

TEST_F(SettingsStoreTest, EveryOperationReadsTheFileAfresh) {
    TSettingsStore other = OtherStore();
    EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QString());

    other.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("CHAMBRE"));
    EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QStringLiteral("CHAMBRE"));

    WriteFile("[\\Software\\Quimbels\\NomDuBienLoue]\n\"Nom\"=\"APPARTEMENT\"\n");
    EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QStringLiteral("APPARTEMENT"));
    EXPECT_FALSE(FStore.KeyExists(QStringLiteral("\\Software\\Quimbels\\Autre")));
    other.CreateKey(QStringLiteral("\\Software\\Quimbels\\Autre"));
    EXPECT_TRUE(FStore.KeyExists(QStringLiteral("\\Software\\Quimbels\\Autre")));
}

TEST_F(SettingsStoreTest, ReadsAHandWrittenFileAndKeepsItsTypedValues) {
    WriteFile("\xEF\xBB\xBF; écrit à la main\r\n"
              "\r\n"
              "   [\\Software\\Quimbels\\NomDuBienLoue]   \r\n"
              "\"Nom\"=\"GÎTE\"\r\n"
              "\"Compteur\"=dword:0000002A\r\n"
              "\"Liste\"=hex(7):41,00,00,00\r\n"
              "[\\SOFTWARE\\quimbels\\Autre]\r\n"
              "\"nom\"=\"premier\"\r\n"
              "[\\software\\quimbels\\nomdubienloue]\r\n"
              "\"NOM\"=\"MAISON\"\r\n");

    EXPECT_TRUE(FStore.KeyExists(QStringLiteral("\\Software")));
    EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QStringLiteral("MAISON"));
    EXPECT_EQ(FStore.ReadString(QStringLiteral("\\Software\\Quimbels\\Autre"), QStringLiteral("Nom")),
              QStringLiteral("premier"));

    FStore.WriteString(QStringLiteral("\\Software\\Quimbels\\Autre"), QStringLiteral("Nom"),
                       QStringLiteral("second"));
    EXPECT_EQ(FileBytes(), QByteArray("[\\Software]\n"
                                      "\n"
                                      "[\\Software\\Quimbels]\n"
                                      "\n"
                                      "[\\Software\\Quimbels\\NomDuBienLoue]\n"
                                      "\"Nom\"=\"MAISON\"\n"
                                      "\"Compteur\"=dword:0000002A\n"
                                      "\"Liste\"=hex(7):41,00,00,00\n"
                                      "\n"
                                      "[\\Software\\Quimbels\\Autre]\n"
                                      "\"nom\"=\"second\"\n"));
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeCannotBeReadAsText) {
    const struct {
        QByteArray Line;
        QString Type;
    } cases[] = {
        {"\"Nom\"=dword:00000001", QStringLiteral("dword")},
        {"\"Nom\"=hex:", QStringLiteral("hex")},
        {"\"Nom\"=HEX(2):43,00", QStringLiteral("hex(2)")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Line.toStdString());
        const QByteArray bytes = "[\\Software\\Quimbels\\NomDuBienLoue]\n" + c.Line + "\n";
        WriteFile(bytes);
        EXPECT_TRUE(FStore.ValueExists(RentedGoodKey, QStringLiteral("Nom")));
        EXPECT_EQ(
            ErrorText([&] { FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")); }),
            QStringLiteral("La valeur « Nom » de la clé « %1 » du fichier de réglages « %2 » n'est pas un "
                           "texte (type %3).")
                .arg(RentedGoodKey, FilePath(), c.Type));
        EXPECT_EQ(FileBytes(), bytes);

        // Writing text over it gives the value the type the program expects, as the registry does.
        FStore.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("CHAMBRE"));
        EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QStringLiteral("CHAMBRE"));
    }
}

TEST_F(SettingsStoreTest, ADamagedFileRaisesAnErrorAndIsLeftUnchanged) {
    const struct {
        QByteArray Bytes;
        int Line;
        QString Detail;
    } cases[] = {
        {"[\\Software]\nceci n'est pas un réglage\n", 2, QStringLiteral("ligne non reconnue")},
        {"[\\Software]\n\"Nom\"=\"CHAMBRE\n", 2, QStringLiteral("guillemet fermant manquant")},
        {"[\\Software]\n\"Nom\"=\"CHAMBRE\\\"\n", 2, QStringLiteral("guillemet fermant manquant")},
        {"[\\Software]\n\"Nom=\"CHAMBRE\"\n", 2,
         QStringLiteral("signe « = » manquant après le nom de la valeur")},
        {"[\\Software]\n\"Nom\"=\"a\\tb\"\n", 2, QStringLiteral("séquence d'échappement inconnue « \\t »")},
        {"[\\Software]\n\"Nom\"=\"a\" b\n", 2, QStringLiteral("texte en trop après la valeur")},
        {"; seul\n\"Nom\"=\"CHAMBRE\"\n", 2, QStringLiteral("valeur placée avant toute clé")},
        {"[\\Software\n", 1, QStringLiteral("crochet fermant manquant")},
        {"[\\Soft\tware]\n", 1, QStringLiteral("nom de clé contenant un caractère de contrôle")},
        {"[\\Software]\n\n\"Nom\"=dword:12\n", 3, QStringLiteral("valeur mal formée « dword:12 »")},
        {"[\\Software]\n\"Nom\"=CHAMBRE\n", 2, QStringLiteral("valeur mal formée « CHAMBRE »")},
        {"[\\Software]\n\"Nom\"=\"\xC3\x28\"\n", 2, QStringLiteral("texte qui n'est pas en UTF-8")},
        // What a crash can leave at the end of a file: blocks of zero bytes.
        {QByteArray("[\\Software]\n\0\0\0\0", 16), 2, QStringLiteral("ligne non reconnue")},
    };
    const std::function<void(TSettingsStore&)> operations[] = {
        [](TSettingsStore& store) { store.KeyExists(RentedGoodKey); },
        [](TSettingsStore& store) { store.CreateKey(RentedGoodKey); },
        [](TSettingsStore& store) { store.ValueExists(RentedGoodKey, QStringLiteral("Nom")); },
        [](TSettingsStore& store) {
            store.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("X"));
        },
        [](TSettingsStore& store) { store.ReadString(RentedGoodKey, QStringLiteral("Nom")); },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Detail.toStdString());
        WriteFile(c.Bytes);
        const QString expected =
            QStringLiteral("Le fichier de réglages « %1 » est endommagé (ligne %2) : %3.")
                .arg(FilePath())
                .arg(c.Line)
                .arg(c.Detail);
        for (const auto& operation : operations)
            EXPECT_EQ(ErrorText([&] { operation(FStore); }), expected);
        EXPECT_EQ(FileBytes(), c.Bytes);
    }
}

TEST_F(SettingsStoreTest, AFileThatCannotBeReadRaisesAnError) {
    QDir().mkpath(FilePath());
    EXPECT_EQ(ErrorText([&] { FStore.KeyExists(RentedGoodKey); }),
              QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(FilePath()));
    EXPECT_EQ(
        ErrorText([&] { FStore.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("X")); }),
        QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(FilePath()));
    EXPECT_TRUE(QFileInfo(FilePath()).isDir());
}

TEST_F(SettingsStoreTest, AFileWithoutReadPermissionRaisesAnError) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads a file whatever its permissions";
    const QByteArray bytes = "[\\Software\\Quimbels\\NomDuBienLoue]\n\"Nom\"=\"CHAMBRE\"\n";
    WriteFile(bytes);
    QFile::setPermissions(FilePath(), QFileDevice::Permissions());
    EXPECT_EQ(ErrorText([&] { FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")); }),
              QStringLiteral("Le fichier de réglages « %1 » ne peut pas être lu.").arg(FilePath()));
    EXPECT_ANY_THROW(FStore.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("X")));
    QFile::setPermissions(FilePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(SettingsStoreTest, WritesReplaceTheFileWholeAndLeaveNoTemporaryFile) {
    for (int i = 0; i < 3; ++i)
        FStore.WriteString(RentedGoodKey, QStringLiteral("Nom%1").arg(i), QStringLiteral("valeur %1").arg(i));
    FStore.CreateKey(QStringLiteral("\\Software\\Quimbels\\Vide"));
    EXPECT_EQ(QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("settings.reg")});
}

TEST_F(SettingsStoreTest, AFailedWriteLeavesThePreviousFileIntact) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes in a read-only folder";
    FStore.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("CHAMBRE"));
    const QByteArray before = FileBytes();
    const QFileDevice::Permissions permissions = QFileInfo(Folder()).permissions();
    QFile::setPermissions(Folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    EXPECT_EQ(
        ErrorText([&] { FStore.WriteString(RentedGoodKey, QStringLiteral("Nom"), QStringLiteral("GÎTE")); }),
        QStringLiteral("Le fichier de réglages « %1 » ne peut pas être enregistré.").arg(FilePath()));
    EXPECT_EQ(FStore.ReadString(RentedGoodKey, QStringLiteral("Nom")), QStringLiteral("CHAMBRE"));
    QFile::setPermissions(Folder(), permissions);
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(QDir(Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("settings.reg")});
}

TEST_F(SettingsStoreTest, AFolderThatCannotBeCreatedRaisesAnError) {
    QFile blocker(QDir::current().filePath(QStringLiteral("fichier")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    TSettingsStore store(QDir::current().filePath(QStringLiteral("fichier/Quimbels/settings.reg")));

    EXPECT_EQ(ErrorText([&] { store.CreateKey(RentedGoodKey); }),
              QStringLiteral("Le dossier de réglages « %1 » ne peut pas être créé.")
                  .arg(QDir::current().filePath(QStringLiteral("fichier/Quimbels"))));
    EXPECT_FALSE(store.KeyExists(RentedGoodKey));
}

TEST_F(SettingsStoreTest, AKeyNameWithAControlCharacterIsRefused) {
    FStore.CreateKey(QStringLiteral("\\Software"));
    const QByteArray before = FileBytes();
    const QString path = QStringLiteral("\\Software\\Deux\nlignes");
    const QString expected =
        QStringLiteral("Le nom de clé « Deux\nlignes » contient un caractère de contrôle.");
    EXPECT_EQ(ErrorText([&] { FStore.CreateKey(path); }), expected);
    EXPECT_EQ(ErrorText([&] { FStore.WriteString(path, QStringLiteral("Nom"), QStringLiteral("X")); }),
              expected);
    EXPECT_EQ(ErrorText([&] { FStore.ReadString(path, QStringLiteral("Nom")); }), expected);
    EXPECT_FALSE(FStore.KeyExists(path));
    EXPECT_EQ(FileBytes(), before);
}

} // namespace
