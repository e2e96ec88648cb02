#include "stores/ShownRemindersFile.h"

#include "components/FileReplace.h"
#include "components/TextDecoding.h"

#include <QStringBuilder>
#include <QStringList>
#include <algorithm>

namespace {

const QString checkedTag = QStringLiteral("Checked");

} // namespace

namespace ShownRemindersFile {

std::optional<ReminderState> read(const QString& path)
{
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, nullptr) || bytes.isEmpty())
        return std::nullopt;
    QList<QByteArray> lines = bytes.split('\n');
    const QStringList head = decodeLine(lines.takeFirst().trimmed()).split(u'\t');
    if (head.size() != 3 || head[0] != checkedTag)
        return std::nullopt;
    const auto checked = Moment::parse(head[1]);
    const auto latest = Moment::parse(head[2]);
    if (!checked || !latest)
        return std::nullopt;
    ReminderState state { *checked, std::max(*checked, *latest), {} };
    for (const QByteArray& line : std::as_const(lines)) {
        const QString key = decodeLine(line.endsWith('\r') ? line.chopped(1) : line);
        if (!key.isEmpty())
            state.shown.insert(key);
    }
    return state;
}

bool write(const QString& path, const ReminderState& state, QString* error)
{
    QStringList keys(state.shown.begin(), state.shown.end());
    keys.sort();
    QString text = checkedTag % u'\t' % state.checked.toText() % u'\t' % state.latest.toText() % u'\n';
    for (const QString& key : std::as_const(keys))
        text += key % u'\n';
    return FileReplace::replace(path, text.toUtf8(), error);
}

} // namespace ShownRemindersFile
