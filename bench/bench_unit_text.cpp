// Prints what one unit text and the seven texts of one list row cost.
#include "bench/Timing.h"
#include "core/SpanSeconds.h"
#include "core/TimeUnit.h"
#include "core/UnitText.h"

#include <QLocale>
#include <cstdio>

int main()
{
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const QString decimals[timeUnitCount] = { QStringLiteral("3"), QStringLiteral("3"), QStringLiteral("2"),
        QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("0") };
    const Moment now = *Moment::parse(u"2026/12/07 12:00:00");
    const QString event = QStringLiteral("1975/09/21 00:00:00");
    qsizetype sink = 0;
    const int calls = 200000;

    const double oneText = nanosecondsPerCall(calls, [&](int i) {
        sink += unitText(unitAmount(90061 + i, TimeUnit::Minutes), decimals[5], locale)->size();
    });
    const double oneRow = nanosecondsPerCall(calls / 7, [&](int i) {
        const auto seconds = SpanSeconds(event, QString(), now);
        for (TimeUnit unit : allTimeUnits)
            sink += unitText(unitAmount(*seconds + i, unit), decimals[int(unit)], locale)->size();
    });
    std::printf("one unit text:               %8.0f ns\n", oneText);
    std::printf("one row (span + seven texts): %8.0f ns\n", oneRow);
    return sink == 0 ? 1 : 0;
}
