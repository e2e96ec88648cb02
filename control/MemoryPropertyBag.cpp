#include "MemoryPropertyBag.h"

namespace Orvane {

qsizetype MemoryPropertyBag::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QVariant MemoryPropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    const qsizetype i = indexOf(name);
    return i < 0 ? defaultValue : m_values.at(i);
}

void MemoryPropertyBag::WriteProperty(
    const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    // A value equal to its default is left out, so a reader falls back to that default.
    if (value == defaultValue && value.isValid() == defaultValue.isValid())
        remove(name);
    else
        set(name, value);
}

void MemoryPropertyBag::set(const QString& name, const QVariant& value)
{
    const qsizetype i = indexOf(name);
    if (i < 0) {
        m_names.append(name);
        m_values.append(value);
    } else {
        m_values[i] = value;
    }
}

void MemoryPropertyBag::remove(const QString& name)
{
    const qsizetype i = indexOf(name);
    if (i >= 0) {
        m_names.removeAt(i);
        m_values.removeAt(i);
    }
}

bool MemoryPropertyBag::contains(const QString& name) const
{
    return indexOf(name) >= 0;
}

QVariant MemoryPropertyBag::value(const QString& name) const
{
    return ReadProperty(name, QVariant());
}

} // namespace Orvane
