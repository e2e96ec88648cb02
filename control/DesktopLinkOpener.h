#pragma once

#include "LinkOpener.h"
#include "OrvaneExport.h"

namespace Orvane {

// Opens links with the desktop's handlers (the mail program, the default browser).
class ORVANE_EXPORT DesktopLinkOpener : public LinkOpener
{
public:
    void shellExecute(QWidget* owner, const QString& verb, const QString& file, const QString& parameters,
        const QString& directory, int showCommand) override;
    void navigateTo(const QString& target, const QString& location, const QString& frameName) override;
};

} // namespace Orvane
