#include "stores/RefreshInterval.h"

#include <limits>

std::optional<int> refreshIntervalMs(const QString& refreshSetting)
{
    bool ok = false;
    const qlonglong seconds = refreshSetting.trimmed().toLongLong(&ok);
    if (!ok || seconds < 0 || seconds * 1000 > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(seconds * 1000);
}
