#pragma once

#include <QProxyStyle>

// The header's sort marker points up while the list is sorted ascending and down while it is
// sorted descending, as the program's own header images always have. Qt's styles draw the
// opposite arrow (down for ascending), which reads as the wrong direction to anyone used to
// the original; this style draws the marker from the header's actual order.
class SortMarkerStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
};
