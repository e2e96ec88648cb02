#pragma once

#include "stores/Settings.h"

// A settings record holding every default, as after a first start.
inline Settings defaultSettings()
{
    Settings settings;
    for (int key = 0; key < settingCount; ++key) {
        const SettingDefinition& definition = settingDefinition(SettingKey(key));
        if (definition.defaultValue)
            settings.setValue(SettingKey(key), QString::fromLatin1(definition.defaultValue));
    }
    return settings;
}
