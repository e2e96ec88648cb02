#pragma once

#include <QStyledItemDelegate>

// Draws a row's own text colour so that it stays readable on the list's background: a
// colour too close to the background in brightness (the default blue of future events on a
// dark theme) is shown lighter or darker, keeping its hue. What is stored is not changed.
class ReadableTextDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The colour shown for text of colour text on background; text itself when readable.
    static QColor readable(const QColor& text, const QColor& background);

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};
