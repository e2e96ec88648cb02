#include "ui/common/ContentFit.h"

#include "ui/common/ScreenFit.h"

#include <QAbstractButton>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>

namespace {

constexpr char designGeometry[] = "krnDesignGeometry";

// What a caption needs: its own size hint for labels and check and option buttons; for a
// group box, the title and the frame's indent.
QSize neededSize(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        return label->sizeHint();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        const int title = group->fontMetrics().horizontalAdvance(group->title());
        return { title + 4 * group->fontMetrics().averageCharWidth(), 0 };
    }
    const auto* button = qobject_cast<const QAbstractButton*>(&widget);
    if (button && !button->text().isEmpty())
        return button->sizeHint();
    // A Vantric (known by its Caption, as the forms know it) measures its own face.
    if (!widget.property("Caption").toString().isEmpty())
        return widget.sizeHint();
    return {};
}

// Frames and plain panels hold controls placed by hand; a control's own parts (a spin box's
// line edit, a list's viewport) are its business.
bool holdsPlacedControls(const QWidget& parent, const QWidget& window)
{
    const QMetaObject* kind = parent.metaObject();
    return &parent == &window || qobject_cast<const QGroupBox*>(&parent) || kind == &QFrame::staticMetaObject
        || kind == &QWidget::staticMetaObject;
}

// The controls placed by hand, at any depth; a layout sizes its own children.
QList<QWidget*> placedChildren(QWidget& window)
{
    QList<QWidget*> placed;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const QWidget* parent = child->parentWidget();
        if (child->isWindow() || !parent || parent->layout() || child->objectName().isEmpty())
            continue;
        if (holdsPlacedControls(*parent, window) && (parent == &window || placed.contains(parent)))
            placed << child;
    }
    return placed;
}

} // namespace

namespace ContentFit {

void stretchToTexts(QWidget& window)
{
    const QList<QWidget*> placed = placedChildren(ScreenFit::placingArea(window));
    const auto scaled = [](int value, double factor) { return int(value * factor + 0.999); };
    const auto designOf = [](const QWidget* child) { return child->property(designGeometry).toRect(); };
    double across = 1.0;
    for (QWidget* child : placed) {
        if (!child->property(designGeometry).isValid())
            child->setProperty(designGeometry, child->geometry());
        const QRect design = designOf(child);
        const int needed = neededSize(*child).width();
        if (design.width() > 0 && needed > design.width())
            across = std::max(across, double(needed) / design.width());
    }
    // Down after across: a wrapped text needs the fewer lines, the wider it becomes.
    double down = 1.0;
    for (QWidget* child : placed) {
        const QRect design = designOf(child);
        const auto* label = qobject_cast<const QLabel*>(child);
        const int needed = label && label->wordWrap() && !label->text().isEmpty()
            ? label->heightForWidth(scaled(design.width(), across))
            : neededSize(*child).height();
        if (design.height() > 0 && needed > design.height())
            down = std::max(down, double(needed) / design.height());
    }
    for (QWidget* child : placed) {
        const QRect design = designOf(child);
        child->setGeometry(scaled(design.x(), across), scaled(design.y(), down),
            scaled(design.width(), across), scaled(design.height(), down));
    }
}

} // namespace ContentFit
