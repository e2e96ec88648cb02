#include "ui/worktime/WorkListStyle.h"

#include "models/WorkColours.h"
#include "ui/common/ListStyle.h"
#include "ui/common/ReportList.h"

#include <QApplication>

void ApplyWorkListStyle(ReportList& list, WorkListModel& model, const Settings& settings)
{
    applyListFontAndColours(list, settings);
    colourWorksByStatus(model, settings, QApplication::palette(&list));
}
