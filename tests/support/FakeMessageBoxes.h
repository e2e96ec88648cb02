#pragma once

#include "platform/MessageBoxes.h"

#include <QList>
#include <QQueue>

// Answers boxes from a script and records every box it was asked to show.
// With the script empty, a question is cancelled, other boxes are confirmed with OK and an
// input box is cancelled: a test that forgot an answer never goes ahead by accident.
class FakeMessageBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        bool isInput = false;
        QString text; // the message, or the input box's prompt
        Icon icon = Icon::Information; // not meaningful for an input box
        QString defaultText; // input boxes only
    };

    Answer show(QWidget* parent, const QString& text, Icon icon) override;
    std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& defaultText) override;

    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // A text to type into the next input box; no value cancels it.
    void queueInput(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }

    const QList<Shown>& shown() const { return m_shown; }
    qsizetype pendingAnswers() const { return m_answers.size(); }
    qsizetype pendingInputs() const { return m_inputs.size(); }
    void clear();

private:
    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QList<Shown> m_shown;
};
