#include "FormLoader.h"

#include "ControlFactory.h"
#include "FormData.h"
#include "Vantric.h"
#include "platform/Twips.h"

#include <QFile>
#include <QWidget>

FormLoader::Result FormLoader::load(const QString& path, QWidget* window)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return Result { {}, { path + QStringLiteral(": ") + file.errorString() } };
    return load(file, window);
}

FormLoader::Result FormLoader::load(QIODevice& device, QWidget* window)
{
    Result result;
    const FormData form = FormData::parse(device);
    const double dpiX = window->logicalDpiX();
    const double dpiY = window->logicalDpiY();
    for (const FormControl& entry : form.controls) {
        QWidget* control = Orvane::createControl(entry.progId, window);
        if (!control) {
            result.problems << entry.name + QStringLiteral(": no control is registered as ") + entry.progId;
            continue;
        }
        // Named first: a button without a stored caption shows its name.
        control->setObjectName(entry.name);
        if (auto* button = qobject_cast<Vantric*>(control)) {
            button->SetDefault(entry.isDefault);
            button->SetCancel(entry.isCancel);
            button->ReadProperties(entry.properties);
        }
        control->setGeometry(Twips::toPixels(entry.twips.left(), dpiX),
            Twips::toPixels(entry.twips.top(), dpiY), Twips::toPixels(entry.twips.width(), dpiX),
            Twips::toPixels(entry.twips.height(), dpiY));
        result.controls << control;
    }
    return result;
}
