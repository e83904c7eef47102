#include "app/Settings.h"

#include "app/Constants.h"
#include "platform/os/SettingsStore.h"

namespace {

TSettingsStore OpenStore() {
    return TSettingsStore(TSettingsStore::DefaultFilePath(Constants::ProductKeyName));
}

QString KeyPath(const QString& subkey) {
    return Constants::SoftwareKeyPrefix + subkey;
}

} // namespace

bool SettingsKeyExists(const QString& subkey) {
    return OpenStore().KeyExists(KeyPath(subkey));
}

void CreateSettingsKey(const QString& subkey) {
    OpenStore().CreateKey(KeyPath(subkey));
}

void WriteSettingString(const QString& subkey, const QString& valueName, const QString& text) {
    OpenStore().WriteString(KeyPath(subkey), valueName, text);
}

QString ReadSettingString(const QString& subkey, const QString& valueName) {
    return OpenStore().ReadString(KeyPath(subkey), valueName);
}
