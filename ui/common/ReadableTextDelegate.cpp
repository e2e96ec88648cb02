#include "ui/common/ReadableTextDelegate.h"

#include <QBrush>
#include <cmath>

namespace {

double luminance(const QColor& colour)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
        + 0.0722 * channel(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The contrast asked of large text by the usual accessibility guidance.
constexpr double enough = 3.0;

} // namespace

QColor ReadableTextDelegate::readable(const QColor& text, const QColor& background)
{
    if (contrast(text, background) >= enough)
        return text;
    const bool darkBackground = luminance(background) < 0.18;
    QColor shown = text.toHsl();
    for (int step = 0; step < 20 && contrast(shown, background) < enough; ++step) {
        const int lightness = std::clamp(shown.lightness() + (darkBackground ? 12 : -12), 0, 255);
        shown.setHsl(shown.hslHue(), shown.hslSaturation(), lightness);
    }
    return shown.toRgb();
}

void ReadableTextDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QVariant own = index.data(Qt::ForegroundRole);
    QColor colour;
    if (own.metaType() == QMetaType::fromType<QBrush>())
        colour = own.value<QBrush>().color();
    else if (own.canConvert<QColor>())
        colour = own.value<QColor>();
    if (!colour.isValid())
        return;
    const QColor shown = readable(colour, option->palette.color(QPalette::Base));
    option->palette.setColor(QPalette::Text, shown);
}
