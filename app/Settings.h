#pragma once

#include <QString>

// The program's settings under the user's "\Software\" key. A subkey is the path that follows
// that prefix ("Quimbels\NomDuBienLoue"). Each call opens the store and does its one action;
// the store's errors reach the caller.
bool SettingsKeyExists(const QString& subkey);
void CreateSettingsKey(const QString& subkey);
void WriteSettingString(const QString& subkey, const QString& valueName, const QString& text);
// Creates the key when it is missing; a missing value reads as empty text.
QString ReadSettingString(const QString& subkey, const QString& valueName);
