#include "tests/support/FakeMessageBoxes.h"

MessageBoxes::Answer FakeMessageBoxes::show(QWidget*, const QString& text, Icon icon)
{
    m_shown.append({ false, text, icon, QString() });
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return icon == Icon::Question ? Answer::Cancel : Answer::Ok;
}

std::optional<QString> FakeMessageBoxes::input(QWidget*, const QString& prompt, const QString& defaultText)
{
    m_shown.append({ true, prompt, Icon::Information, defaultText });
    if (!m_inputs.isEmpty())
        return m_inputs.dequeue();
    return std::nullopt;
}

void FakeMessageBoxes::clear()
{
    m_answers.clear();
    m_inputs.clear();
    m_shown.clear();
}
