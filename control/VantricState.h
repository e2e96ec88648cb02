#pragma once

#include "DesktopLinkOpener.h"
#include "FaceLayout.h"
#include "OleColor.h"
#include "OrvaneTypes.h"
#include "Picture.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>
#include <QTimer>

#include <functional>

namespace Orvane {

class LinkOpener;

// What one button holds besides what its QWidget keeps (enabled state, face font, pointer).
struct VantricState
{
    // Properties
    QFont font; // g_Font: what Font returns; the face font is the widget's own font
    int mousePointer = 0;
    Picture mouseIcon;
    bool showBorderOnFocus = true;
    bool showFocusRect = false;
    bool raised = false;
    bool borderEdged = false;
    QString url;
    QString caption;
    qint32 picturePosition = gbLEFT;
    Picture picture; // the drawn picture
    Picture normalPicture;
    Picture pictureHover;
    qint32 pictureWidth = 32;
    qint32 pictureHeight = 32;
    qint32 pictureSize = size32x32;
    OleColor foreColor = buttonText;
    OleColor backColor = buttonFace;

    // What the holding window sets
    bool isDefault = false;
    bool isCancel = false;
    bool designMode = false;

    // Input and hover state
    bool hasFocus = false;
    bool isPressed = false;
    bool isHovering = false;
    bool keyLatch = false;
    bool pressSinceRelease = false;
    qint16 lastButton = 0;
    qint16 lastShift = 0;
    float lastX = 0;
    float lastY = 0;

    // The picture surface's background: the ambient back colour until the face colour is set.
    bool pictureBackIsFace = false;
    QColor ambientBack;

    FaceLayout layout;
    FaceRect focusRect;
    QImage face;
    QTimer overTimer;

    int mnemonicShortcut = 0;
    int enterShortcut = 0;
    int keypadEnterShortcut = 0;
    int escapeShortcut = 0;

    // What assistive tools were last told, so each change is announced once.
    bool announcedPressed = false;
    bool announcedDefault = false;
    QString announcedCaption;

    std::function<bool()> hoverProbe;
    LinkOpener* linkOpener = nullptr;
    DesktopLinkOpener desktopLinks;
};

} // namespace Orvane
