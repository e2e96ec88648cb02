#include "core/WorkRules.h"

#include "core/Moment.h"
#include "core/SpanSeconds.h"
#include "core/WorkRecord.h"

#include <limits>

namespace {

std::optional<qint32> whole32(const QString& text)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? std::optional<qint32>(value) : std::nullopt;
}

std::optional<qint32> fit32(std::int64_t value)
{
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

namespace WorkRules {

std::optional<qint32> runningSeconds(const WorkRecord& work, const Moment& now)
{
    const auto span = SpanSeconds(work.began, {}, now);
    const auto paused = whole32(work.pausedSeconds);
    if (!span || !paused)
        return std::nullopt;
    return fit32(*span - *paused);
}

std::optional<qint32> storedSeconds(const WorkRecord& work)
{
    return whole32(work.usedSeconds);
}

bool pause(WorkRecord& work, const Moment& now)
{
    if (!work.isStarted())
        return false;
    work.status = WorkStatus::paused;
    work.pausedAt = now.toText();
    return true;
}

bool stop(WorkRecord& work, const Moment& now)
{
    if (!work.isStarted())
        return false;
    work.status = WorkStatus::finished;
    work.finished = now.toText();
    return true;
}

bool restart(WorkRecord& work, const Moment& now)
{
    if (!work.isPaused())
        return false;
    work.status = WorkStatus::started;
    const auto pause = SpanSeconds(work.pausedAt, {}, now);
    const auto paused = whole32(work.pausedSeconds);
    if (pause && paused) {
        if (const auto sum = fit32(std::int64_t(*paused) + *pause))
            work.pausedSeconds = QString::number(*sum);
    }
    work.pausedAt = WorkRecord::none;
    work.finished = WorkRecord::none;
    return true;
}

} // namespace WorkRules
