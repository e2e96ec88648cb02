#include "models/WorkColours.h"

#include "models/ColourValue.h"
#include "stores/Settings.h"
#include "models/WorkListModel.h"

void colourWorksByStatus(WorkListModel& model, const Settings& settings, const QPalette& desktop)
{
    const auto general = ColourValue::resolve(settings.value(SettingKey::General), desktop);
    const auto paused = ColourValue::resolve(settings.value(SettingKey::Paused), desktop);
    const auto finished = ColourValue::resolve(settings.value(SettingKey::Finished), desktop);
    for (int row = 0; row < model.rowCount(); ++row) {
        const QString& status = model.work(row).status;
        const auto& colour = status == WorkStatus::paused ? paused
            : status == WorkStatus::finished              ? finished
                                                          : general;
        if (colour)
            model.setRowColour(row, colour);
    }
}
