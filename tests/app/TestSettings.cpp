#include "app/Settings.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

const QString RentedGoodSubkey = QStringLiteral("Quimbels\\NomDuBienLoue");

QString SettingsFilePath() {
    return QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Quimbels/settings.reg"));
}

QByteArray SettingsFileBytes() {
    QFile file(SettingsFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SettingsTest, SettingsLiveUnderSoftwareInTheUsersConfigFolder) {
    EXPECT_FALSE(SettingsKeyExists(RentedGoodSubkey));
    WriteSettingString(RentedGoodSubkey, QStringLiteral("Nom"), QStringLiteral("CHAMBRE"));

    EXPECT_TRUE(SettingsKeyExists(QStringLiteral("Quimbels")));
    EXPECT_EQ(ReadSettingString(QStringLiteral("quimbels\\nomdubienloue"), QStringLiteral("nom")),
              QStringLiteral("CHAMBRE"));
    EXPECT_EQ(SettingsFileBytes(), QByteArray("[\\Software]\n"
                                              "\n"
                                              "[\\Software\\Quimbels]\n"
                                              "\n"
                                              "[\\Software\\Quimbels\\NomDuBienLoue]\n"
                                              "\"Nom\"=\"CHAMBRE\"\n"));
}

TEST(SettingsTest, AKeyCreatedOrReadExistsWithoutAValue) {
    CreateSettingsKey(QStringLiteral("Quimbels\\Vide"));
    EXPECT_TRUE(SettingsKeyExists(QStringLiteral("Quimbels\\Vide")));

    EXPECT_FALSE(SettingsKeyExists(RentedGoodSubkey));
    EXPECT_EQ(ReadSettingString(RentedGoodSubkey, QStringLiteral("Nom")), QString());
    EXPECT_TRUE(SettingsKeyExists(RentedGoodSubkey));
}

TEST(SettingsTest, TheStoresErrorsReachTheCaller) {
    QDir().mkpath(QFileInfo(SettingsFilePath()).absolutePath());
    QFile file(SettingsFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[\\Software\\Quimbels\\NomDuBienLoue]\n\"Nom\"=dword:00000001\n");
    file.close();

    EXPECT_THROW(ReadSettingString(RentedGoodSubkey, QStringLiteral("Nom")), EPlatformError);

    file.open(QIODevice::WriteOnly);
    file.write("garbage\n");
    file.close();
    EXPECT_THROW(SettingsKeyExists(RentedGoodSubkey), EPlatformError);
    EXPECT_THROW(CreateSettingsKey(RentedGoodSubkey), EPlatformError);
    EXPECT_THROW(WriteSettingString(RentedGoodSubkey, QStringLiteral("Nom"), QStringLiteral("X")),
                 EPlatformError);
    EXPECT_THROW(ReadSettingString(RentedGoodSubkey, QStringLiteral("Nom")), EPlatformError);
    EXPECT_EQ(SettingsFileBytes(), QByteArray("garbage\n"));
}

} // namespace
