#include "ui/calculator/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* arrowButton(QWidget* parent, const char* name, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The buddy box keeps the focus, as with the platform's up-down control.
    button->setFocusPolicy(Qt::NoFocus);
    // Each arrow takes half the height of the box beside it.
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    button->setMinimumSize(0, 0);
    return button;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_up = arrowButton(this, "up", Qt::UpArrow);
    m_down = arrowButton(this, "down", Qt::DownArrow);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, [this] { Q_EMIT stepped(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Q_EMIT stepped(-1); });
}
