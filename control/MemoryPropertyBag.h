#pragma once

#include "OrvaneExport.h"
#include "PropertyBag.h"

#include <QStringList>
#include <QVariantMap>

namespace Orvane {

// A property bag held in memory, in the order the entries were written. Names match ignoring
// letter case, as the names in stored form data do.
class ORVANE_EXPORT MemoryPropertyBag : public PropertyBag
{
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const override;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) override;

    // Puts a value in as stored data, without a default to compare against.
    void set(const QString& name, const QVariant& value);
    void remove(const QString& name);
    bool contains(const QString& name) const;
    QVariant value(const QString& name) const;
    // The names in the order they were first stored.
    QStringList names() const { return m_names; }

private:
    qsizetype indexOf(const QString& name) const;

    QStringList m_names;
    QVariantList m_values;
};

} // namespace Orvane
