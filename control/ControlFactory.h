#pragma once

#include "OrvaneExport.h"

#include <QString>

class QWidget;

namespace Orvane {

inline const QString vantricProgId = QStringLiteral("Orvane.Vantric");

// Creates the control registered under progId (compared ignoring case, as ProgIDs are), as a
// child of parent; nullptr for a ProgID the library does not offer. The control is a new
// instance: read its stored properties, or call InitNew, before showing it.
ORVANE_EXPORT QWidget* createControl(const QString& progId, QWidget* parent);

} // namespace Orvane
