#pragma once

#include <QString>
#include <optional>

class QWidget;

// Message and input boxes, always captioned with the program's title.
// Information and warning boxes have an OK button; questions Yes, No and Cancel.
class MessageBoxes
{
public:
    enum class Icon { Information, Question, Warning };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~MessageBoxes() = default;
    virtual Answer show(QWidget* parent, const QString& text, Icon icon) = 0;
    // The typed text, or no value when the box was cancelled.
    virtual std::optional<QString> input(
        QWidget* parent, const QString& prompt, const QString& defaultText = QString())
        = 0;
};
