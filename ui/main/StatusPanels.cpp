#include "ui/main/StatusPanels.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {

// Blank space between the frame and the text on either side.
constexpr int padding = 3;

// Takes up to deficit from the given panels, in proportion to what each can give.
int shrink(std::array<int, 4>& widths, const std::array<int, 4>& floor, std::initializer_list<int> panels,
    int deficit)
{
    int room = 0;
    for (int i : panels)
        room += std::max(0, widths[size_t(i)] - floor[size_t(i)]);
    if (room <= 0 || deficit <= 0)
        return deficit;
    const int taken = std::min(room, deficit);
    int left = taken;
    for (int i : panels) {
        const int give = std::max(0, widths[size_t(i)] - floor[size_t(i)]);
        const int share = std::min(left, int((long long)(give)*taken / room));
        widths[size_t(i)] -= share;
        left -= share;
    }
    // Rounding leaves a few pixels: taken from the first panels that still have room.
    for (int i : panels) {
        const int give = std::min(left, std::max(0, widths[size_t(i)] - floor[size_t(i)]));
        widths[size_t(i)] -= give;
        left -= give;
    }
    return deficit - taken;
}

} // namespace

int StatusPanel::contentWidth() const
{
    return fontMetrics().horizontalAdvance(text()) + 2 * frameWidth() + 2 * padding + 1;
}

QSize StatusPanel::minimumSizeHint() const
{
    return QSize(0, QLabel::minimumSizeHint().height());
}

void StatusPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(padding, 0, -padding, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, std::max(0, area.width()));
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

StatusPanels::StatusPanels(const std::array<int, 4>& designWidths, QWidget* parent)
    : QWidget(parent)
    , m_designWidths(designWidths)
{
    for (auto& panel : m_panels)
        panel = new StatusPanel(this);
}

QSize StatusPanels::sizeHint() const
{
    const int width = std::accumulate(m_designWidths.begin(), m_designWidths.end(), 3 * gap);
    return QSize(width, m_panels[0]->sizeHint().height());
}

QSize StatusPanels::minimumSizeHint() const
{
    return QSize(0, m_panels[0]->sizeHint().height());
}

bool StatusPanels::event(QEvent* event)
{
    // A panel whose text changed asks for a new layout.
    if (event->type() == QEvent::LayoutRequest)
        layOut();
    return QWidget::event(event);
}

void StatusPanels::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void StatusPanels::layOut()
{
    std::array<int, 4> needed {};
    for (size_t i = 0; i < needed.size(); ++i)
        needed[i] = m_panels[i]->contentWidth();
    // Panel 1 shows menu tips of every length: it asks only for what "Ready." needs.
    needed[0]
        = std::min(needed[0], m_panels[0]->fontMetrics().horizontalAdvance(QStringLiteral("Ready.")) + 12);
    const std::array<int, 4> widths = statusPanelWidths(width() - 3 * gap, m_designWidths, needed);
    int x = 0;
    for (size_t i = 0; i < widths.size(); ++i) {
        m_panels[i]->setGeometry(x, 0, widths[i], height());
        x += widths[i] + gap;
    }
}

std::array<int, 4> statusPanelWidths(
    int available, const std::array<int, 4>& design, const std::array<int, 4>& needed)
{
    available = std::max(0, available);
    std::array<int, 4> widths = design;
    const int designTotal = std::accumulate(design.begin(), design.end(), 0);
    if (available >= designTotal) {
        widths[0] += available - designTotal;
        return widths;
    }
    std::array<int, 4> floor {};
    for (size_t i = 0; i < floor.size(); ++i)
        floor[i] = std::min(design[i], std::max(0, needed[i]));
    int deficit = designTotal - available;
    deficit = shrink(widths, floor, { 1, 2, 3 }, deficit);
    deficit = shrink(widths, floor, { 0 }, deficit);
    if (deficit > 0)
        shrink(widths, std::array<int, 4> {}, { 0, 1, 2, 3 }, deficit);
    return widths;
}
