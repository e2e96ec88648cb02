#pragma once

#include <QByteArray>
#include <QString>

class QLocale;
struct DataTable;

// CSV as RFC 4180 has it: a header row, CRLF after every record, a field quoted when it holds
// a comma, a quote, a line break or blanks at either end (so spreadsheets keep them), quotes
// doubled. Numbers with a point and no grouping; moments in ISO 8601. UTF-8.
QByteArray toCsv(const DataTable& table);

// One JSON array of objects keyed by the column names, one object per line: texts as given,
// counters and seconds as numbers, moments as ISO 8601 texts, no value as null. UTF-8.
QByteArray toJson(const DataTable& table);

// For people: one line per row, fields separated by tabs, moments in the program's own form,
// counters as the lists show them in the locale, no value as "-". No header.
QString toTabText(const DataTable& table, const QLocale& locale);
