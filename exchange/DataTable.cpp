#include "exchange/DataTable.h"

namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

QString isoDate(const Moment& moment, bool withDay)
{
    QString text
        = QStringLiteral("%1").arg(moment.year(), 4, 10, QLatin1Char('0')) % u'-' % twoDigits(moment.month());
    if (withDay)
        text += u'-' % twoDigits(moment.day());
    return text;
}

} // namespace

QString isoText(const Moment& moment)
{
    return isoDate(moment, true) % u'T' % moment.timeText();
}

QString isoText(const PeriodStart& period)
{
    return isoDate(period.day, !period.wholeMonth);
}
