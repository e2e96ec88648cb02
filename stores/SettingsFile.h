#pragma once

#include "stores/Settings.h"

#include <QList>
#include <QString>

#include <utility>

class WriteWatch;

// The settings file. Each logical change (the defaults, the options, the position) is one
// atomic replacement of the file; the record is never written as a whole.
class SettingsFile
{
public:
    explicit SettingsFile(QString path, WriteWatch* watch = nullptr)
        : m_path(std::move(path))
        , m_watch(watch)
    {
    }

    // All 26 keys in record order, each as read; a missing key reads as the empty text.
    Settings read() const;
    // The 22 defaults of "System" and "List", each written whether or not it exists, in one
    // write; the position is left alone.
    bool writeDefaults(QString* error = nullptr) const;
    bool writeValue(SettingKey key, const QString& value, QString* error = nullptr) const;
    // All the values in one write: the file holds all of them afterwards, or none.
    bool writeValues(const QList<std::pair<SettingKey, QString>>& values, QString* error = nullptr) const;

    // Start-up: read; on a first run (an empty "Year") write the defaults, on a later start
    // the defaults of the values that read empty; then read again.
    Settings readAtStartup(QString* error = nullptr) const;

    const QString& path() const { return m_path; }

private:
    QString m_path;
    WriteWatch* m_watch;
};
