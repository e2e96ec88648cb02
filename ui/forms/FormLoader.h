#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;
class QWidget;

// Builds a window's controls from its form data (see FormData.h): each control is created
// through the control library's factory by its ProgID, named, told whether it is the window's
// default or cancel button, reads its own stored properties and is placed in pixels.
class FormLoader
{
public:
    struct Result
    {
        QList<QWidget*> controls; // in the order of the form data
        QStringList problems; // a control that could not be made is skipped and named here
    };

    static Result load(const QString& path, QWidget* window);
    static Result load(QIODevice& device, QWidget* window);
};
