#pragma once

#include "FaceRect.h"

class QColor;
class QFont;
class QPainter;
class QSize;
class QString;

// The caption as the button measures and draws it: word-wrapped, centred line by line, a margin
// of one average character width on each side, and "&" marking the underlined access letter.
namespace Orvane::CaptionText {

FaceRect measure(const QString& caption, const QFont& font, const FaceRect& start);
// The caption rectangle's size with the caption on one line: what measure needs as its start
// width for the caption not to wrap.
QSize oneLine(const QString& caption, const QFont& font);
void draw(
    QPainter& painter, const QString& caption, const QFont& font, const FaceRect& rect, const QColor& color);

} // namespace Orvane::CaptionText
