#pragma once

#include <QString>

class QWidget;

namespace Orvane {

// The two ways the button opens its link, after the profile-and-shell style of the program:
// mail links go to the shell, every other address to the hyperlink service.
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;
    // owner: the window that holds the button; showCommand 1 is a normal window.
    virtual void shellExecute(QWidget* owner, const QString& verb, const QString& file,
        const QString& parameters, const QString& directory, int showCommand)
        = 0;
    virtual void navigateTo(const QString& target, const QString& location, const QString& frameName) = 0;
};

} // namespace Orvane
