#include "VantricAccessibleFactory.h"

#include "Vantric.h"
#include "VantricAccessible.h"

namespace {

QAccessibleInterface* createVantricInterface(const QString& className, QObject* object)
{
    if (className != QLatin1StringView(Vantric::staticMetaObject.className()))
        return nullptr;
    return new Orvane::VantricAccessible(static_cast<Vantric*>(object));
}

} // namespace

namespace Orvane {

void installVantricAccessibility()
{
    // Qt adds a factory once, however often it is installed.
    QAccessible::installFactory(createVantricInterface);
}

} // namespace Orvane
