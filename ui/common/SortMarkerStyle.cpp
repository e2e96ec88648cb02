#include "ui/common/SortMarkerStyle.h"

#include <QHeaderView>
#include <QStyleOptionHeader>

void SortMarkerStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* header = qobject_cast<const QHeaderView*>(widget);
    const auto* headerOption = qstyleoption_cast<const QStyleOptionHeader*>(option);
    if (element != PE_IndicatorHeaderArrow || !header || !headerOption
        || headerOption->sortIndicator == QStyleOptionHeader::None) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionHeader marker(*headerOption);
    marker.sortIndicator = header->sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortUp
                                                                              : QStyleOptionHeader::SortDown;
    QProxyStyle::drawPrimitive(element, &marker, painter, widget);
}
