#include "Vantric.h"

#include "FacePainter.h"
#include "LinkOpener.h"
#include "MousePointers.h"
#include "VantricState.h"

#include "CaptionText.h"

#include <QAccessible>
#include <QApplication>
#include <QPainter>

using namespace Orvane;

namespace {

// Tells screen readers what changed since they were last told: pressed, default, caption.
void announceChanges(Vantric* button, VantricState& d)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.pressed = d.isPressed != d.announcedPressed;
    changed.defaultButton = d.isDefault != d.announcedDefault;
    d.announcedPressed = d.isPressed;
    d.announcedDefault = d.isDefault;
    if (changed.pressed || changed.defaultButton) {
        QAccessibleStateChangeEvent event(button, changed);
        QAccessible::updateAccessibility(&event);
    }
    if (d.caption != d.announcedCaption) {
        d.announcedCaption = d.caption;
        QAccessibleEvent event(button, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

} // namespace

Vantric::Vantric(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<VantricState>())
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A child, so that the holding window (and a test) can find it by its name.
    d->overTimer.setParent(this);
    d->overTimer.setObjectName(QStringLiteral("OverTimer"));
    d->overTimer.setInterval(10);
    connect(&d->overTimer, &QTimer::timeout, this, &Vantric::overTimerTick);
    InitNew();
}

Vantric::~Vantric() = default;

void Vantric::changed(const char* name)
{
    Q_EMIT PropertyChanged(QString::fromLatin1(name));
}

void Vantric::Refresh()
{
    announceChanges(this, *d);
    FaceLayout::Input in;
    in.width = width();
    in.height = height();
    in.hasPicture = !d->picture.isNull();
    in.hasCaption = !d->caption.isEmpty();
    in.picturePosition = d->picturePosition;
    in.pictureWidth = d->pictureWidth;
    in.pictureHeight = d->pictureHeight;
    const QFont faceFont = font();
    const QString caption = d->caption;
    const bool laidOut = d->layout.layout(
        in, [&](const FaceRect& start) { return CaptionText::measure(caption, faceFont, start); });
    if (!laidOut || width() <= 0 || height() <= 0)
        return; // an overflow ends the redraw; the last face stays

    const QPalette& pal = palette();
    FaceState s;
    s.width = width();
    s.height = height();
    s.enabled = Enabled();
    s.hasFocus = d->hasFocus;
    s.isPressed = d->isPressed;
    s.isHovering = d->isHovering;
    s.raised = d->raised;
    s.borderEdged = d->borderEdged;
    s.showBorderOnFocus = d->showBorderOnFocus;
    s.showFocusRect = d->showFocusRect;
    s.isDefault = d->isDefault;
    s.designMode = d->designMode;
    s.caption = caption;
    s.font = faceFont;
    s.picture = d->picture;
    s.captionRect = d->layout.captionRect;
    s.pictureRect = d->layout.pictureRect;
    s.focusRect = d->focusRect;
    s.back = resolveColor(d->backColor, pal);
    s.fore = resolveColor(d->foreColor, pal);
    s.pictureBack = d->pictureBackIsFace ? s.back : d->ambientBack;
    s.shadow = resolveColor(buttonShadow, pal);
    s.highlight = resolveColor(buttonHighlight, pal);
    s.darkShadow = resolveColor(darkShadow3D, pal);
    s.light = resolveColor(light3D, pal);

    // Composed off screen, then shown at once.
    const qreal ratio = devicePixelRatioF();
    QImage face(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    face.setDevicePixelRatio(ratio);
    FacePainter::paint(face, s);
    d->face = face;
    update();
}

void Vantric::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (d->face.isNull())
        painter.fillRect(rect(), resolveColor(d->backColor, palette()));
    else
        painter.drawImage(0, 0, d->face);
}

void Vantric::GoToURL()
{
    LinkOpener& opener = d->linkOpener ? *d->linkOpener : d->desktopLinks;
    if (d->url.left(7) == QLatin1String("mailto:"))
        opener.shellExecute(window(), QStringLiteral("open"), d->url, QString(), QString(), 1);
    else if (!d->url.isEmpty())
        opener.navigateTo(d->url, QString(), QString());
}

void Vantric::SetLinkOpener(LinkOpener* opener)
{
    d->linkOpener = opener;
}

bool Vantric::isPressed() const
{
    return d->isPressed;
}
bool Vantric::isHovering() const
{
    return d->isHovering;
}
FaceRect Vantric::captionRect() const
{
    return d->layout.captionRect;
}
FaceRect Vantric::pictureRect() const
{
    return d->layout.pictureRect;
}

QSize Vantric::sizeHint() const
{
    // The face that shows the caption on one line, and the picture whole beside it.
    FaceLayout::Input in;
    in.hasPicture = !d->picture.isNull();
    in.hasCaption = !d->caption.isEmpty();
    if (!in.hasPicture && !in.hasCaption)
        return QSize(75, 25);
    in.picturePosition = d->picturePosition;
    in.pictureWidth = d->pictureWidth;
    in.pictureHeight = d->pictureHeight;
    const QSize caption = in.hasCaption ? CaptionText::oneLine(d->caption, font()) : QSize();
    return FaceLayout::fullSize(in, caption);
}

void Vantric::changeEvent(QEvent* event)
{
    // A change of what the container lends (font, colours) redraws the face.
    switch (event->type()) {
    case QEvent::FontChange:
        updateGeometry(); // a new size hint
        Refresh();
        break;
    case QEvent::PaletteChange:
    case QEvent::ParentChange:
    case QEvent::EnabledChange:
        Refresh();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void Vantric::resizeEvent(QResizeEvent*)
{
    // Never smaller than 10 pixels: a side below that becomes 150 twips.
    const int minimum = qRound(150.0 * logicalDpiX() / 1440.0);
    if (width() < 10 || height() < 10)
        resize(width() < 10 ? minimum : width(), height() < 10 ? minimum : height());
    d->focusRect = { 3, 3, width() - 3, height() - 3 };
    Refresh();
}

QFont Vantric::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : QApplication::font();
}

QColor Vantric::ambientBackColor() const
{
    const QWidget* holder = parentWidget();
    return holder ? holder->palette().color(holder->backgroundRole()) : palette().color(QPalette::Window);
}
