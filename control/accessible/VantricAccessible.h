#pragma once

#include <QAccessibleWidget>

class Vantric;

namespace Orvane {

// What screen readers see of a Vantric: a push button named by its caption (without the
// access-key marker), described by its tooltip, with a press action and the focused,
// pressed, unavailable and default states.
class VantricAccessible : public QAccessibleWidget
{
public:
    explicit VantricAccessible(Vantric* button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    Vantric* button() const;
};

// The caption as it reads aloud: "&&" is a plain "&", a single "&" marks the access letter.
QString captionWithoutAccessMarker(const QString& caption);

} // namespace Orvane
