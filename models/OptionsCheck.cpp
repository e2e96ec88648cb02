#include "models/OptionsCheck.h"

#include "models/OptionsValues.h"
#include "stores/SettingValues.h"

#include <algorithm>

namespace {

constexpr int minimumRefresh = 1;
constexpr int maximumRefresh = 65;

} // namespace

std::optional<int> refreshSeconds(QStringView text)
{
    const auto milliseconds = SettingValues::parseRefreshMs(text);
    if (!milliseconds || *milliseconds < minimumRefresh * 1000 || *milliseconds > maximumRefresh * 1000)
        return std::nullopt;
    return *milliseconds / 1000;
}

QString precisionTag(int box)
{
    static constexpr std::array<const char*, OptionsValues::precisionCount> tags { "Years", "Months", "Weeks",
        "Days", "Hours", "Minutes", "Seconds" };
    if (box < 0 || box >= int(tags.size()))
        return {};
    return QString::fromLatin1(tags[size_t(box)]);
}

OptionsCheck checkOptions(const OptionsValues& values)
{
    for (int box = 0; box < int(values.numbers.size()); ++box) {
        if (values.numbers[size_t(box)].trimmed().isEmpty()) {
            const bool refresh = box == OptionsValues::refreshBox;
            return { refresh ? OptionsProblem::EmptyRefresh : OptionsProblem::EmptyPrecision, box };
        }
    }
    if (!refreshSeconds(values.numbers[OptionsValues::refreshBox]))
        return { OptionsProblem::RefreshScope, OptionsValues::refreshBox };
    if (std::none_of(values.workdays.begin(), values.workdays.end(), [](bool ticked) { return ticked; }))
        return { OptionsProblem::NoWorkday, -1 };
    return {};
}

QString optionsMessage(const OptionsCheck& check, const std::function<QString(const QString&)>& message)
{
    switch (check.problem) {
    case OptionsProblem::EmptyPrecision:
        return message(QStringLiteral("INPUT PREC")) % u' ' % precisionTag(check.box).toLower() % u'.';
    case OptionsProblem::EmptyRefresh:
        return message(QStringLiteral("INPUT REFRE"));
    case OptionsProblem::RefreshScope:
        return message(QStringLiteral("REFRE SCOPE"));
    case OptionsProblem::NoWorkday:
        return message(QStringLiteral("WORKDAY"));
    case OptionsProblem::None:
        break;
    }
    return {};
}
