#include "app/EventsListing.h"

#include "components/TextLineFile.h"
#include "models/EventListModel.h"
#include "platform/DataFolder.h"
#include "platform/FileSystem.h"
#include "stores/DataFiles.h"
#include "stores/EventsFile.h"
#include "stores/SettingsFile.h"

#include <QTemporaryDir>

QString eventsListing(
    const QString& folder, const Moment& now, const QLocale& locale, bool owner, QString* error)
{
    const FileSystem files;
    const TextLineFile lines;
    const SettingsFile settingsFile(dataFilePath(folder, DataFileName::settings));
    Settings settings;
    EventListModel events;
    if (owner) {
        ensureDataFiles(folder, files, error);
        settings = settingsFile.readAtStartup(error);
        events.loadFrom(EventsFile(folder, lines, files), now, error);
    } else {
        settings = settingsFile.read();
        // A load writes the sample events into an empty file; here it writes them into the copy.
        QTemporaryDir copy;
        if (copy.isValid()
            && files.copyFile(dataFilePath(folder, DataFileName::events),
                dataFilePath(copy.path(), DataFileName::events), true, error))
            events.loadFrom(EventsFile(copy.path(), lines, files), now, error);
    }

    std::array<QString, timeUnitCount> decimals;
    for (TimeUnit unit : allTimeUnits)
        decimals[int(unit)] = settings.decimals(unit);
    events.setDecimals(decimals);
    events.setLocale(locale);
    events.refreshAll(now);

    QString table;
    for (int row = 0; row < events.rowCount(); ++row) {
        for (int column = 0; column < EventListModel::ColumnCount; ++column) {
            if (column > 0)
                table += u'\t';
            table += events.cellText(row, column);
        }
        table += u'\n';
    }
    return table;
}
