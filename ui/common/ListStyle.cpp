#include "ui/common/ListStyle.h"

#include "models/ColourValue.h"
#include "models/EventListModel.h"
#include "stores/Settings.h"
#include "ui/common/ReportList.h"

#include <QApplication>

void applyListFontAndColours(ReportList& list, const Settings& settings)
{
    // System colours come from the desktop's scheme, not from colours the list was given.
    const QPalette desktop = QApplication::palette(&list);
    const SettingValues& values = settings.parsed();
    list.applyFontAndColours(settings.value(SettingKey::Name), values.fontSize,
        ColourValue::resolve(values.colour(SettingKey::Back), desktop),
        ColourValue::resolve(values.colour(SettingKey::General), desktop));
}

void ApplyListStyle(ReportList& list, EventListModel& model, const Settings& settings)
{
    applyListFontAndColours(list, settings);
    const QPalette desktop = QApplication::palette(&list);
    const auto future = ColourValue::resolve(settings.parsed().colour(SettingKey::Future), desktop);
    if (!future)
        return;
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.event(row).type == u"Future")
            model.setRowColour(row, future);
    }
}
