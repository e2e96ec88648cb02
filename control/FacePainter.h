#pragma once

#include "FaceRect.h"
#include "Picture.h"

#include <QColor>
#include <QFont>
#include <QString>

class QImage;
class QPainter;

namespace Orvane {

// Everything one redraw of the button's face needs, taken from the control at that moment.
struct FaceState
{
    int width = 0;
    int height = 0;
    bool enabled = true;
    bool hasFocus = false;
    bool isPressed = false;
    bool isHovering = false;
    bool raised = false;
    bool borderEdged = false;
    bool showBorderOnFocus = true;
    bool showFocusRect = false;
    bool isDefault = false;
    bool designMode = false;
    QString caption;
    QFont font;
    Picture picture;
    FaceRect captionRect;
    FaceRect pictureRect;
    FaceRect focusRect;
    QColor back, fore, pictureBack;
    QColor shadow, highlight, darkShadow, light; // S, HL, DK, LT
};

// Draws the face in the order of a redraw: picture, focus frame, caption, border.
namespace FacePainter {
void paint(QImage& face, const FaceState& state);
void drawPicture(QPainter& painter, const FaceState& state);
void drawFocusRect(QPainter& painter, const FaceRect& rect);
void drawCaption(QPainter& painter, const FaceState& state);
void drawBorder(QPainter& painter, const FaceState& state);
} // namespace FacePainter

} // namespace Orvane
