#include "core/RecordName.h"

QString cleanRecordName(const QString& typed)
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
