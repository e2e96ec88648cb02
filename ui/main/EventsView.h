#pragma once

#include "ui/common/ReportList.h"

// The events list of the main window. A refresh tick changes the counters of every row at
// once; the tree view would walk every changed row to find what to repaint, so a change is
// cut down to the rows on screen first, and a tick costs what those rows cost.
class EventsView : public ReportList
{
    Q_OBJECT

public:
    using ReportList::ReportList;

protected:
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
        const QList<int>& roles = QList<int>()) override;
};
