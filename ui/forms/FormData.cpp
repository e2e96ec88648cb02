#include "FormData.h"

#include "ControlFactory.h"

#include <QIODevice>
#include <QTextStream>

#include <algorithm>

namespace {

bool isKey(const QString& key, const char* name)
{
    return key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

bool isTrue(const QString& value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || value.toInt() != 0;
}

// The container's own keys; false for a stored property of the control.
bool applyContainerKey(FormControl& control, const QString& key, const QString& value)
{
    if (isKey(key, "Class"))
        control.progId = value;
    else if (isKey(key, "Left"))
        control.twips.moveLeft(value.toInt());
    else if (isKey(key, "Top"))
        control.twips.moveTop(value.toInt());
    else if (isKey(key, "Width"))
        control.twips.setWidth(value.toInt());
    else if (isKey(key, "Height"))
        control.twips.setHeight(value.toInt());
    else if (isKey(key, "Default"))
        control.isDefault = isTrue(value);
    else if (isKey(key, "Cancel"))
        control.isCancel = isTrue(value);
    else
        return false;
    return true;
}

} // namespace

FormData FormData::parse(QIODevice& device)
{
    FormData form;
    QTextStream in(&device);
    FormControl* current = nullptr;
    QStringList seenKeys;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            const QString name = line.mid(1, line.size() - 2).trimmed();
            current = nullptr;
            seenKeys.clear();
            const bool duplicate = std::any_of(form.controls.cbegin(), form.controls.cend(),
                [&](const FormControl& c) { return c.name.compare(name, Qt::CaseInsensitive) == 0; });
            if (!duplicate) {
                form.controls.append(FormControl { name, Orvane::vantricProgId, QRect(), false, false, {} });
                current = &form.controls.last();
            }
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!current || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (seenKeys.contains(key, Qt::CaseInsensitive))
            continue;
        seenKeys.append(key);
        if (!applyContainerKey(*current, key, value))
            current->properties.set(key, value);
    }
    return form;
}
