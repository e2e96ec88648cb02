#pragma once

#include "platform/MessageBoxes.h"

// Message and input boxes shown with QMessageBox and QInputDialog, captioned with the
// program's title.
class QtMessageBoxes final : public MessageBoxes
{
public:
    explicit QtMessageBoxes(QString title = QStringLiteral("Kronvel"));

    Answer show(QWidget* parent, const QString& text, Icon icon) override;
    std::optional<QString> input(QWidget* parent, const QString& prompt, const QString& defaultText) override;

private:
    QString m_title;
};
