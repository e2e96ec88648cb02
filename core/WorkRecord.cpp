#include "core/WorkRecord.h"

#include "core/Moment.h"

#include <QStringList>

namespace {

const QChar tab = u'\t';

} // namespace

QString WorkRecord::cleanName(const QString& typed)
{
    QString name = typed;
    for (QChar& c : name) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            c = u' ';
    }
    return name.trimmed();
}

WorkRecord WorkRecord::startedAt(const QString& name, const Moment& now)
{
    WorkRecord work;
    work.name = name;
    work.status = WorkStatus::started;
    work.began = now.toText();
    return work;
}

WorkRecord WorkRecord::fromLine(const QString& line)
{
    const QStringList fields = line.split(tab);
    const auto field = [&fields](int index) { return index < fields.size() ? fields[index] : QString(); };
    WorkRecord work;
    work.name = field(0);
    work.status = field(1);
    const QString began = field(2);
    const auto moment = Moment::parse(began);
    work.began = moment ? moment->toText() : began;
    work.finished = field(3);
    work.pausedSeconds = field(4);
    work.pausedAt = field(5);
    work.usedSeconds = field(6);
    return work;
}

QString WorkRecord::line() const
{
    return name % tab % status % tab % began % tab % finished % tab % pausedSeconds % tab % pausedAt % tab
        % usedSeconds;
}
