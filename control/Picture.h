#pragma once

#include "OrvaneExport.h"

#include <QPixmap>
#include <QSize>
#include <QString>

namespace Orvane {

// A picture as the button holds it: absent, an empty picture object, a bitmap, an icon, or a
// metafile. Only bitmaps and icons are drawn; a metafile keeps its place in the layout.
class ORVANE_EXPORT Picture
{
public:
    enum class Kind { None, Empty, Bitmap, Icon, Metafile };

    Picture() = default;
    static Picture empty();
    static Picture bitmap(const QPixmap& image, const QString& source = {});
    static Picture icon(const QPixmap& image, const QString& source = {});
    // sizeHimetric: the metafile's frame in hundredths of a millimetre.
    static Picture metafile(const QSize& sizeHimetric, const QString& source = {});
    // A resource path (":/...") or a file; the kind follows the suffix. Absent when unreadable.
    static Picture fromFile(const QString& path);

    // Stored form: the source path or data address it was read from, a new data address for an
    // image made in code, or "" for none.
    QString toStoredText() const;
    static Picture fromStoredText(const QString& text);

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::None; }
    bool hasImage() const;
    const QPixmap& pixmap() const { return m_pixmap; }
    // In the button's pixels, rounded.
    QSize naturalSize() const { return m_naturalSize; }
    const QString& source() const { return m_source; }

private:
    Kind m_kind = Kind::None;
    QPixmap m_pixmap;
    QSize m_naturalSize;
    QString m_source;
};

} // namespace Orvane
