#pragma once

#include <QString>
#include <QVariant>

namespace Orvane {

// Where a button keeps its stored properties. Values cross as QVariant; a bag filled from a
// text file may hand every value over as text, and the button converts it.
class PropertyBag
{
public:
    virtual ~PropertyBag() = default;
    // The stored value, or defaultValue when the bag has no entry of that name.
    virtual QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const = 0;
    // Stores the value, or leaves the entry out when the value equals defaultValue.
    virtual void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue) = 0;
};

} // namespace Orvane
