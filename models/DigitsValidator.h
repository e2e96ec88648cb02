#pragma once

#include <QValidator>

// The number boxes of the options dialog hold unsigned whole numbers or nothing: only the
// digits 0 to 9 go in, whether typed, pasted or dropped. A precision box takes at most two
// digits, since the counters show 0 to 99 decimals. Text put in by the program (a value
// from the settings file) is not checked.
class DigitsValidator : public QValidator
{
    Q_OBJECT

public:
    // maxDigits below 1: no limit.
    explicit DigitsValidator(int maxDigits, QObject* parent = nullptr);

    State validate(QString& input, int& position) const override;

private:
    int m_maxDigits;
};
