#pragma once

#include <QWidget>

class QToolButton;

// The up-down control beside a number box: two small arrow buttons that repeat while held.
// It keeps no value of its own; the window steps its buddy box.
class UpDown : public QWidget
{
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

Q_SIGNALS:
    // +1 for the up arrow, -1 for the down arrow.
    void stepped(int delta);

private:
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};
