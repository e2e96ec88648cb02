#include "ControlFactory.h"

#include "Vantric.h"

namespace Orvane {

QWidget* createControl(const QString& progId, QWidget* parent)
{
    if (progId.compare(vantricProgId, Qt::CaseInsensitive) == 0)
        return new Vantric(parent);
    return nullptr;
}

} // namespace Orvane
