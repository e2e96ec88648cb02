#pragma once

#include "stores/Settings.h"

#include <QString>

// The settings file, read and written key by key; the record is never written as a whole.
class SettingsFile
{
public:
    explicit SettingsFile(QString path)
        : m_path(std::move(path))
    {
    }

    // All 26 keys in record order, each as read; a missing key reads as the empty text.
    Settings read() const;
    // The 22 defaults of "System" and "List", each written whether or not it exists;
    // the position is left alone. A failed key does not stop the others.
    bool writeDefaults(QString* error = nullptr) const;
    bool writeValue(SettingKey key, const QString& value, QString* error = nullptr) const;

    // Start-up: read, and on a first run (an empty "Year") write the defaults and read again.
    Settings readAtStartup(QString* error = nullptr) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
};
