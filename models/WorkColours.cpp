#include "models/WorkColours.h"

#include "models/ColourValue.h"
#include "models/WorkListModel.h"
#include "stores/Settings.h"

void colourWorksByStatus(WorkListModel& model, const Settings& settings, const QPalette& desktop)
{
    const SettingValues& values = settings.parsed();
    const auto general = ColourValue::resolve(values.colour(SettingKey::General), desktop);
    const auto paused = ColourValue::resolve(values.colour(SettingKey::Paused), desktop);
    const auto finished = ColourValue::resolve(values.colour(SettingKey::Finished), desktop);
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString& status = model.work(row).status;
        const auto& colour = status == WorkStatus::paused ? paused
            : status == WorkStatus::finished              ? finished
                                                          : general;
        if (colour)
            model.setRowColour(row, colour);
    }
}
