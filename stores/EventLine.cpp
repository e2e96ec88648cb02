#include "stores/EventLine.h"

std::optional<EventLine> EventLine::parse(const QString& line)
{
    const qsizetype separator = line.indexOf(u'\t');
    if (separator < 0)
        return std::nullopt;
    const auto moment = Moment::parse(QStringView(line).mid(separator + 1));
    if (!moment)
        return std::nullopt;
    return EventLine { line.left(separator), *moment };
}
