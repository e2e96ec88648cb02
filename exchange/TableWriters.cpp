#include "exchange/TableWriters.h"

#include "core/UnitText.h"
#include "exchange/DataTable.h"

#include <QLocale>
#include <cmath>

namespace {

template <class... Kinds> struct Visitor : Kinds...
{
    using Kinds::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <class... Kinds> Visitor(Kinds...) -> Visitor<Kinds...>;

// A plain number: a point, no grouping, no "-0". No text for a value that is not finite.
QString plainNumber(const Amount& amount)
{
    if (!std::isfinite(amount.value))
        return {};
    const bool roundsToZero = std::round(std::fabs(amount.value) * std::pow(10.0, amount.decimals)) == 0;
    return QString::number(roundsToZero ? 0.0 : amount.value, 'f', amount.decimals);
}

QString csvField(const QString& text)
{
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\n')
        || text.contains(u'\r') || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    QString doubled = text;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' % doubled % u'"';
}

QString csvText(const DataValue& value)
{
    return std::visit(Visitor {
                          [](std::monostate) { return QString(); },
                          [](const QString& text) { return csvField(text); },
                          [](qint64 number) { return QString::number(number); },
                          [](const Amount& amount) { return plainNumber(amount); },
                          [](const Moment& moment) { return isoText(moment); },
                          [](const PeriodStart& period) { return isoText(period); },
                      },
        value);
}

QString jsonString(const QString& text)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            quoted += u"\\\"";
            break;
        case u'\\':
            quoted += u"\\\\";
            break;
        case u'\n':
            quoted += u"\\n";
            break;
        case u'\r':
            quoted += u"\\r";
            break;
        case u'\t':
            quoted += u"\\t";
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

QString jsonText(const DataValue& value)
{
    const QString null = QStringLiteral("null");
    return std::visit(Visitor {
                          [&](std::monostate) { return null; },
                          [](const QString& text) { return jsonString(text); },
                          [](qint64 number) { return QString::number(number); },
                          [&](const Amount& amount) {
                              const QString text = plainNumber(amount);
                              return text.isEmpty() ? null : text;
                          },
                          [](const Moment& moment) { return jsonString(isoText(moment)); },
                          [](const PeriodStart& period) { return jsonString(isoText(period)); },
                      },
        value);
}

} // namespace

QByteArray toCsv(const DataTable& table)
{
    QStringList header;
    for (const QString& column : table.columns)
        header << csvField(column);
    QString csv = header.join(u',') % u"\r\n";
    for (const auto& row : table.rows) {
        QStringList fields;
        for (const DataValue& value : row)
            fields << csvText(value);
        csv += fields.join(u',') % u"\r\n";
    }
    return csv.toUtf8();
}

QByteArray toJson(const DataTable& table)
{
    QStringList objects;
    for (const auto& row : table.rows) {
        QStringList members;
        for (qsizetype column = 0; column < row.size() && column < table.columns.size(); ++column)
            members << jsonString(table.columns[column]) % u": " % jsonText(row[column]);
        objects << u"  {" % members.join(u", ") % u'}';
    }
    if (objects.isEmpty())
        return QByteArrayLiteral("[]\n");
    return (u"[\n" % objects.join(u",\n") % u"\n]\n").toUtf8();
}

QString toTabText(const DataTable& table, const QLocale& locale)
{
    QString text;
    for (const auto& row : table.rows) {
        QStringList fields;
        for (const DataValue& value : row) {
            fields << std::visit(
                Visitor {
                    [](std::monostate) { return QStringLiteral("-"); },
                    [](const QString& name) { return name; },
                    [](qint64 number) { return QString::number(number); },
                    [&](const Amount& amount) {
                        return std::isfinite(amount.value) ? unitText(amount.value, amount.decimals, locale)
                                                           : QString();
                    },
                    [](const Moment& moment) { return moment.toText(); },
                    [](const PeriodStart& period) {
                        return period.wholeMonth ? period.day.toText().left(7) : period.day.dateText();
                    },
                },
                value);
        }
        text += fields.join(u'\t') % u'\n';
    }
    return text;
}
