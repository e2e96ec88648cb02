#pragma once

#include "Vantric.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

// A shown, active window holding one button and a line edit to move the focus to.
struct ButtonWindow
{
    QWidget window;
    Vantric* button = nullptr;
    QLineEdit* other = nullptr;

    explicit ButtonWindow(const QSize& buttonSize = QSize(120, 40))
    {
        window.setObjectName(QStringLiteral("frmTest"));
        auto* layout = new QVBoxLayout(&window);
        button = new Vantric(&window);
        button->setObjectName(QStringLiteral("sbt"));
        button->InitNew();
        button->setFixedSize(buttonSize);
        other = new QLineEdit(&window);
        layout->addWidget(button);
        layout->addWidget(other);
        window.show();
        window.activateWindow();
    }

    bool ready()
    {
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        button->setFocus();
        return button->hasFocus();
    }
};
