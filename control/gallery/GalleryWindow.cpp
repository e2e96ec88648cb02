#include "GalleryWindow.h"

#include "GalleryPictures.h"
#include "Vantric.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

using namespace Orvane;

GalleryWindow::GalleryWindow(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("orvaneGallery"));
    setWindowTitle(QStringLiteral("Orvane gallery"));
    auto* grid = new QGridLayout(this);
    grid->setSpacing(10);

    // Row 0 and 1: the borders and states.
    int c = 0;
    addSpecimen(grid, 0, c++, QStringLiteral("flat, at rest"), QStringLiteral("&Flat"));
    hover(addSpecimen(grid, 0, c++, QStringLiteral("flat, hovered"), QStringLiteral("&Hovered")));
    press(addSpecimen(grid, 0, c++, QStringLiteral("flat, pressed"), QStringLiteral("&Pressed")));
    addSpecimen(grid, 0, c++, QStringLiteral("raised"), QStringLiteral("&Raised"))->SetRaised(true);
    Vantric* raisedFocus
        = addSpecimen(grid, 0, c++, QStringLiteral("raised, focused"), QStringLiteral("F&ocused"));
    raisedFocus->SetRaised(true);
    focus(raisedFocus);
    addSpecimen(grid, 0, c++, QStringLiteral("default"), QStringLiteral("&Default"))->SetDefault(true);

    c = 0;
    addSpecimen(grid, 2, c++, QStringLiteral("edged"), QStringLiteral("&Edged"))->SetBorderEdged(true);
    Vantric* edgedHover
        = addSpecimen(grid, 2, c++, QStringLiteral("edged, hovered"), QStringLiteral("Ed&ged"));
    edgedHover->SetBorderEdged(true);
    hover(edgedHover);
    Vantric* edgedPressed
        = addSpecimen(grid, 2, c++, QStringLiteral("edged, pressed"), QStringLiteral("Edged"));
    edgedPressed->SetBorderEdged(true);
    press(edgedPressed);
    Vantric* focusRect
        = addSpecimen(grid, 2, c++, QStringLiteral("focus rectangle"), QStringLiteral("Focus"));
    focusRect->SetShowFocusRect(true);
    focusRect->SetRaised(true);
    focus(focusRect);
    Vantric* disabled = addSpecimen(grid, 2, c++, QStringLiteral("disabled"), QStringLiteral("&Disabled"));
    disabled->SetPicture(GalleryPictures::icon());
    disabled->SetEnabled(false);
    addSpecimen(grid, 2, c++, QStringLiteral("design mode"), QStringLiteral("Design"))->SetDesignMode(true);

    // Rows 4 and 6: pictures in every position.
    c = 0;
    const QString positions[] = { QStringLiteral("gbTOP"), QStringLiteral("gbLEFT"),
        QStringLiteral("gbRIGHT"), QStringLiteral("gbBOTTOM") };
    for (int position = 0; position < 4; ++position) {
        Vantric* b = addSpecimen(grid, 4, c++, positions[position], QStringLiteral("Picture"));
        b->SetRaised(true);
        b->SetPicture(position % 2 == 0 ? GalleryPictures::icon() : GalleryPictures::bitmap());
        b->SetPicturePosition(static_cast<GB_PIC_POSITION>(position));
    }
    Vantric* only = addSpecimen(grid, 4, c++, QStringLiteral("picture only"), QString());
    only->SetPicture(GalleryPictures::icon());
    only->SetRaised(true);
    Vantric* hoverPicture
        = addSpecimen(grid, 4, c++, QStringLiteral("hover picture"), QStringLiteral("Hover"));
    hoverPicture->SetPicture(GalleryPictures::icon());
    hoverPicture->SetPictureHover(GalleryPictures::hoverIcon());
    hover(hoverPicture);

    c = 0;
    Vantric* wrapped = addSpecimen(
        grid, 6, c++, QStringLiteral("wrapped caption"), QStringLiteral("A caption that wraps && centres"));
    wrapped->SetRaised(true);
    Vantric* stretched
        = addSpecimen(grid, 6, c++, QStringLiteral("16 x 16, pressed"), QStringLiteral("Small"));
    stretched->SetPicture(GalleryPictures::bitmap());
    stretched->SetPictureSize(size16x16);
    press(stretched);
    Vantric* colours = addSpecimen(grid, 6, c++, QStringLiteral("own colours"), QStringLiteral("&Colours"));
    colours->SetBackColor(rgbColor(40, 70, 120));
    colours->SetForeColor(rgbColor(255, 255, 255));
    colours->SetRaised(true);
    Vantric* big = addSpecimen(grid, 6, c++, QStringLiteral("default size"), QStringLiteral("Natural"));
    big->SetPictureSize(sizeDefault);
    big->SetPicture(GalleryPictures::bitmap());
    big->SetPicturePosition(gbTOP);
    big->SetBorderEdged(true);
    Vantric* bold = addSpecimen(grid, 6, c++, QStringLiteral("bold font"), QStringLiteral("&Bold"));
    QFont font = bold->Font();
    font.setBold(true);
    bold->SetFont(font);
    bold->SetRaised(true);
    Vantric* link = addSpecimen(grid, 6, c++, QStringLiteral("link"), QStringLiteral("example.org"));
    link->SetURL(QStringLiteral("https://example.org/"));
    link->SetForeColor(rgbColor(0, 0, 200));
}

Vantric* GalleryWindow::addSpecimen(
    QGridLayout* grid, int row, int column, const QString& title, const QString& caption)
{
    auto* label = new QLabel(title, this);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(label, row, column);
    auto* button = new Vantric(this);
    button->setObjectName(title);
    button->InitNew();
    button->SetCaption(caption);
    button->setFixedSize(caption.size() > 12 ? QSize(110, 56) : QSize(110, 64));
    grid->addWidget(button, row + 1, column);
    return button;
}

void GalleryWindow::press(Vantric* button)
{
    // A left press without its release keeps the face pressed.
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent event(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

void GalleryWindow::hover(Vantric* button)
{
    // The pointer cannot be over every specimen at once, so the hover timer is told it is.
    button->SetHoverProbe([] { return true; });
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent event(
        QEvent::MouseMove, centre, button->mapToGlobal(centre), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

void GalleryWindow::focus(Vantric* button)
{
    // Only one widget holds the real focus; the others are told they gained it.
    QFocusEvent event(QEvent::FocusIn, Qt::OtherFocusReason);
    QApplication::sendEvent(button, &event);
}
