#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

struct OptionsValues;

// What Save refuses, in the order it checks.
enum class OptionsProblem { None, EmptyPrecision, EmptyRefresh, RefreshScope, NoWorkday };

struct OptionsCheck
{
    OptionsProblem problem = OptionsProblem::None;
    int box = -1; // the number box that takes the focus; -1 leaves the focus where it is
};

// The first problem of the values: an empty (or blank) number box in index order, a refresh
// outside 1 to 65 seconds, or no workday ticked.
OptionsCheck checkOptions(const OptionsValues& values);

// The refresh interval in seconds when the text is a whole number from 1 to 65. A number too
// large for any integer is outside that range too, never a wrapped or default value.
std::optional<int> refreshSeconds(QStringView text);

// The tag of precision box 0 to 6: the unit's plural name, "Years" to "Seconds".
QString precisionTag(int box);

// The text of the box Save shows, from the message texts looked up by key.
QString optionsMessage(const OptionsCheck& check, const std::function<QString(const QString&)>& message);
