// The members of the button: each setter stores the value, tells the holding window that the
// property changed, and redraws where the face shows the value at once.
#include "Vantric.h"

#include "MousePointers.h"
#include "VantricState.h"

using namespace Orvane;

bool Vantric::Enabled() const
{
    // The button's own state, not the one it inherits from a disabled window.
    return !testAttribute(Qt::WA_ForceDisabled);
}

void Vantric::SetEnabled(bool value)
{
    setEnabled(value);
    changed("Enabled");
    Refresh();
}

QFont Vantric::Font() const
{
    return d->font;
}

void Vantric::SetFont(const QFont& value)
{
    // Only these six attributes are taken over; the given font is not kept.
    d->font.setFamily(value.family());
    if (value.pointSizeF() > 0)
        d->font.setPointSizeF(value.pointSizeF());
    else if (value.pixelSize() > 0)
        d->font.setPixelSize(value.pixelSize());
    d->font.setBold(value.bold());
    d->font.setItalic(value.italic());
    d->font.setUnderline(value.underline());
    d->font.setStrikeOut(value.strikeOut());
    changed("Font");
    setFont(d->font);
    Refresh();
}

WId Vantric::hwnd()
{
    return winId();
}

int Vantric::MousePointer() const
{
    return d->mousePointer;
}

void Vantric::SetMousePointer(int value)
{
    d->mousePointer = value;
    applyPointer();
    changed("MousePointer");
}

Picture Vantric::MouseIcon() const
{
    return d->mouseIcon;
}

void Vantric::SetMouseIcon(const Orvane::Picture& value)
{
    d->mouseIcon = value;
    applyPointer();
    changed("MouseIcon");
}

void Vantric::applyPointer()
{
    QCursor cursor;
    if (MousePointers::cursorFor(d->mousePointer, d->mouseIcon, &cursor))
        setCursor(cursor);
    else
        unsetCursor();
}

bool Vantric::ShowBorderOnFocus() const
{
    return d->showBorderOnFocus;
}

void Vantric::SetShowBorderOnFocus(bool value)
{
    d->showBorderOnFocus = value;
    changed("ShowBorderOnFocus");
    Refresh();
}

bool Vantric::ShowFocusRect() const
{
    return d->showFocusRect;
}

void Vantric::SetShowFocusRect(bool value)
{
    d->showFocusRect = value;
    changed("ShowFocusRect");
    Refresh();
}

bool Vantric::Raised() const
{
    return d->raised;
}

void Vantric::SetRaised(bool value)
{
    // No redraw: the new look shows at the next one.
    d->raised = value;
    changed("Raised");
}

bool Vantric::BorderEdged() const
{
    return d->borderEdged;
}

void Vantric::SetBorderEdged(bool value)
{
    d->borderEdged = value;
    changed("BorderEdged");
    Refresh();
}

QString Vantric::URL() const
{
    return d->url;
}

void Vantric::SetURL(const QString& value)
{
    d->url = value;
    changed("URL");
}

QString Vantric::Caption() const
{
    return d->caption;
}

void Vantric::SetCaption(const QString& value)
{
    d->caption = value;
    updateShortcuts();
    changed("Caption");
    updateGeometry(); // a new size hint
    Refresh();
}

GB_PIC_POSITION Vantric::PicturePosition() const
{
    return static_cast<GB_PIC_POSITION>(d->picturePosition);
}

void Vantric::SetPicturePosition(GB_PIC_POSITION value)
{
    d->picturePosition = value;
    changed("PicturePosition");
    updateGeometry(); // a new size hint
    Refresh();
}

Picture Vantric::Picture() const
{
    return d->picture;
}

void Vantric::SetPicture(const Orvane::Picture& value)
{
    d->picture = value;
    d->normalPicture = value;
    if (d->pictureSize == sizeDefault)
        applyPictureSizeRule();
    changed("Picture");
    updateGeometry(); // a new size hint
    Refresh();
}

qint32 Vantric::PictureWidth() const
{
    return d->pictureWidth;
}

void Vantric::SetPictureWidth(qint32 value)
{
    d->pictureWidth = value;
    changed("PictureWidth");
    updateGeometry(); // a new size hint
    Refresh();
}

qint32 Vantric::PictureHeight() const
{
    return d->pictureHeight;
}

void Vantric::SetPictureHeight(qint32 value)
{
    d->pictureHeight = value;
    changed("PictureHeight");
    updateGeometry(); // a new size hint
    Refresh();
}

GB_PIC_SIZE Vantric::PictureSize() const
{
    return static_cast<GB_PIC_SIZE>(d->pictureSize);
}

void Vantric::SetPictureSize(GB_PIC_SIZE value)
{
    d->pictureSize = value;
    applyPictureSizeRule();
    changed("PictureSize");
    Refresh();
}

void Vantric::applyPictureSizeRule()
{
    QSize size(d->pictureWidth, d->pictureHeight);
    switch (d->pictureSize) {
    case size16x16:
        size = QSize(16, 16);
        break;
    case size32x32:
        size = QSize(32, 32);
        break;
    case sizeDefault:
        // With no picture there is no natural size: fall back to 32 x 32.
        size = d->picture.isNull() ? QSize(32, 32) : d->picture.naturalSize();
        break;
    default:
        break;
    }
    d->pictureWidth = size.width();
    d->pictureHeight = size.height();
}

Picture Vantric::PictureHover() const
{
    return d->pictureHover;
}

void Vantric::SetPictureHover(const Orvane::Picture& value)
{
    // Used from the next time the pointer enters.
    d->pictureHover = value;
    changed("PictureHover");
}

OleColor Vantric::ForeColor() const
{
    return d->foreColor;
}

void Vantric::SetForeColor(OleColor value)
{
    d->foreColor = value;
    changed("ForeColor");
    Refresh();
}

OleColor Vantric::BackColor() const
{
    return d->backColor;
}

void Vantric::SetBackColor(OleColor value)
{
    d->backColor = value;
    d->pictureBackIsFace = true;
    changed("BackColor");
    Refresh();
}

bool Vantric::Default() const
{
    return d->isDefault;
}

void Vantric::SetDefault(bool value)
{
    d->isDefault = value;
    updateShortcuts();
    Refresh();
}

bool Vantric::Cancel() const
{
    return d->isCancel;
}

void Vantric::SetCancel(bool value)
{
    d->isCancel = value;
    updateShortcuts();
}

bool Vantric::DesignMode() const
{
    return d->designMode;
}

void Vantric::SetDesignMode(bool value)
{
    d->designMode = value;
    Refresh();
}
