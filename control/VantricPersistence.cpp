// A new button's defaults, and reading and writing the button's stored properties, each in
// the order the form data has always used.
#include "Vantric.h"

#include "PropertyBag.h"
#include "StoredValues.h"
#include "VantricState.h"

using namespace Orvane;
namespace SV = Orvane::StoredValues;

void Vantric::InitNew()
{
    d->ambientBack = ambientBackColor();
    d->pictureBackIsFace = false;
    d->showBorderOnFocus = true;
    d->showFocusRect = false;
    setFont(ambientFont());
    d->font = ambientFont();
    d->caption = objectName();
    d->picturePosition = gbLEFT;
    d->pictureWidth = 32;
    d->pictureHeight = 32;
    d->pictureSize = size32x32;
    d->pictureHover = Picture::empty();
    d->normalPicture = Picture::empty();
    d->raised = false;
    d->borderEdged = false;
    d->url.clear();
    updateShortcuts();
    Refresh();
}

void Vantric::ReadProperties(const PropertyBag& bag)
{
    const QVariant none;
    const QVariant ambient = QVariant::fromValue(ambientFont());
    d->backColor = SV::toColor(bag.ReadProperty(QStringLiteral("BackColor"), buttonFace));
    d->pictureBackIsFace = true;
    d->showFocusRect = SV::toBool(bag.ReadProperty(QStringLiteral("ShowFocusRect"), false));
    d->showBorderOnFocus = SV::toBool(bag.ReadProperty(QStringLiteral("ShowBorderOnFocus"), true));
    d->caption = bag.ReadProperty(QStringLiteral("Caption"), objectName()).toString();
    d->picturePosition = SV::toInt(bag.ReadProperty(QStringLiteral("PicturePosition"), 1));
    d->picture = SV::toPicture(bag.ReadProperty(QStringLiteral("Picture"), none));
    d->pictureWidth = SV::toInt(bag.ReadProperty(QStringLiteral("PictureWidth"), 32));
    d->pictureHeight = SV::toInt(bag.ReadProperty(QStringLiteral("PictureHeight"), 32));
    // Stored as is: the stored width and height stand.
    d->pictureSize = SV::toInt(bag.ReadProperty(QStringLiteral("PictureSize"), 1));
    setFont(SV::toFont(bag.ReadProperty(QStringLiteral("Font"), ambient)));
    d->font = SV::toFont(bag.ReadProperty(QStringLiteral("Font"), ambient));
    d->pictureHover = SV::toPicture(bag.ReadProperty(QStringLiteral("PictureHover"), none));
    d->normalPicture = SV::toPicture(bag.ReadProperty(QStringLiteral("Picture"), none));
    SetMouseIcon(SV::toPicture(bag.ReadProperty(QStringLiteral("MouseIcon"), none)));
    // An empty default: a missing entry reads as false.
    setEnabled(SV::toBool(bag.ReadProperty(QStringLiteral("Enabled"), none)));
    d->mousePointer = SV::toInt(bag.ReadProperty(QStringLiteral("MousePointer"), 0));
    applyPointer();
    d->foreColor = SV::toColor(bag.ReadProperty(QStringLiteral("ForeColor"), buttonText));
    d->raised = SV::toBool(bag.ReadProperty(QStringLiteral("Raised"), false));
    d->borderEdged = SV::toBool(bag.ReadProperty(QStringLiteral("BorderEdged"), false));
    d->url = bag.ReadProperty(QStringLiteral("URL"), QString()).toString();
    updateShortcuts();
    Refresh();
}

void Vantric::WriteProperties(PropertyBag& bag) const
{
    const QVariant none;
    bag.WriteProperty(QStringLiteral("Caption"), d->caption, objectName());
    bag.WriteProperty(QStringLiteral("PicturePosition"), d->picturePosition, 1);
    bag.WriteProperty(QStringLiteral("Picture"), SV::fromPicture(d->picture), none);
    bag.WriteProperty(QStringLiteral("PictureWidth"), d->pictureWidth, 32);
    bag.WriteProperty(QStringLiteral("PictureHeight"), d->pictureHeight, 32);
    bag.WriteProperty(QStringLiteral("PictureSize"), d->pictureSize, 1);
    bag.WriteProperty(QStringLiteral("PictureHover"), SV::fromPicture(d->pictureHover), none);
    // An empty default, so the value is always written.
    bag.WriteProperty(QStringLiteral("Enabled"), Enabled(), none);
    bag.WriteProperty(
        QStringLiteral("Font"), QVariant::fromValue(font()), QVariant::fromValue(ambientFont()));
    bag.WriteProperty(QStringLiteral("MouseIcon"), SV::fromPicture(d->mouseIcon), none);
    bag.WriteProperty(QStringLiteral("MousePointer"), d->mousePointer, 0);
    bag.WriteProperty(QStringLiteral("ShowBorderOnFocus"), d->showBorderOnFocus, true);
    bag.WriteProperty(QStringLiteral("ShowFocusRect"), d->showFocusRect, false);
    bag.WriteProperty(QStringLiteral("Raised"), d->raised, false);
    bag.WriteProperty(QStringLiteral("BorderEdged"), d->borderEdged, false);
    bag.WriteProperty(QStringLiteral("URL"), d->url, QString());
    bag.WriteProperty(QStringLiteral("BackColor"), d->backColor, buttonFace);
    bag.WriteProperty(QStringLiteral("ForeColor"), d->foreColor, buttonText);
}
