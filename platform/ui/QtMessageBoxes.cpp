#include "platform/ui/QtMessageBoxes.h"

#include <QInputDialog>
#include <QMessageBox>

#include <utility>

QtMessageBoxes::QtMessageBoxes(QString title)
    : m_title(std::move(title))
{
}

MessageBoxes::Answer QtMessageBoxes::show(QWidget* parent, const QString& text, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(m_title);
    box.setText(text);
    switch (icon) {
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return icon == Icon::Question ? Answer::Cancel : Answer::Ok;
    }
}

std::optional<QString> QtMessageBoxes::input(
    QWidget* parent, const QString& prompt, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, m_title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}
