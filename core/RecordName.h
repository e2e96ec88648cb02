#pragma once

#include <QString>

// A name as typed, made fit for a one-line, tab-separated record: every control character
// (tab, line break and the like) becomes a blank, since it would split the record, and the
// blanks at both ends are removed.
QString cleanRecordName(const QString& typed);
