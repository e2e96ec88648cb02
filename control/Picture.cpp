#include "Picture.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QScreen>
#include <QtEndian>

#include <cmath>

namespace Orvane {

namespace {

const QString pngPrefix = QStringLiteral("data:image/png;base64,");
const QString iconPrefix = QStringLiteral("data:image/x-icon;base64,");

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

int himetricToPixels(int himetric)
{
    return static_cast<int>(std::lround(himetric * logicalDpi() / 2540.0));
}

// The frame of an enhanced metafile, or of a placeable Windows metafile, in HIMETRIC.
QSize metafileFrame(const QByteArray& head)
{
    const auto* bytes = reinterpret_cast<const uchar*>(head.constData());
    if (head.size() >= 40 && qFromLittleEndian<quint32>(bytes) == 1) {
        const auto l = qFromLittleEndian<qint32>(bytes + 24);
        const auto t = qFromLittleEndian<qint32>(bytes + 28);
        const auto r = qFromLittleEndian<qint32>(bytes + 32);
        const auto b = qFromLittleEndian<qint32>(bytes + 36);
        return QSize(r - l, b - t);
    }
    if (head.size() >= 16 && qFromLittleEndian<quint32>(bytes) == 0x9AC6CDD7u) {
        const auto l = qFromLittleEndian<qint16>(bytes + 6);
        const auto t = qFromLittleEndian<qint16>(bytes + 8);
        const auto r = qFromLittleEndian<qint16>(bytes + 10);
        const auto b = qFromLittleEndian<qint16>(bytes + 12);
        const int perInch = qFromLittleEndian<quint16>(bytes + 14);
        if (perInch > 0)
            return QSize((r - l) * 2540 / perInch, (b - t) * 2540 / perInch);
    }
    return {};
}

QString encoded(const QPixmap& pixmap, const char* format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(pixmap.toImage()))
        return {};
    return QString::fromLatin1(buffer.data().toBase64());
}

} // namespace

Picture Picture::empty()
{
    Picture p;
    p.m_kind = Kind::Empty;
    p.m_naturalSize = QSize(0, 0);
    return p;
}

Picture Picture::bitmap(const QPixmap& image, const QString& source)
{
    Picture p;
    p.m_kind = image.isNull() ? Kind::Empty : Kind::Bitmap;
    p.m_pixmap = image;
    p.m_naturalSize = image.deviceIndependentSize().toSize();
    p.m_source = source;
    return p;
}

Picture Picture::icon(const QPixmap& image, const QString& source)
{
    Picture p = bitmap(image, source);
    if (p.m_kind == Kind::Bitmap)
        p.m_kind = Kind::Icon;
    return p;
}

Picture Picture::metafile(const QSize& sizeHimetric, const QString& source)
{
    Picture p;
    p.m_kind = Kind::Metafile;
    p.m_naturalSize = QSize(himetricToPixels(sizeHimetric.width()), himetricToPixels(sizeHimetric.height()));
    p.m_source = source;
    return p;
}

Picture Picture::fromFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wmf") || suffix == QLatin1String("emf")) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return metafile(metafileFrame(file.read(40)), path);
    }
    QPixmap image(path);
    if (image.isNull())
        return {};
    const bool isIcon = suffix == QLatin1String("ico") || suffix == QLatin1String("cur");
    return isIcon ? icon(image, path) : bitmap(image, path);
}

bool Picture::hasImage() const
{
    return m_kind == Kind::Bitmap || m_kind == Kind::Icon || m_kind == Kind::Metafile;
}

QString Picture::toStoredText() const
{
    if (!m_source.isEmpty())
        return m_source;
    if (m_kind == Kind::Icon) {
        const QString data = encoded(m_pixmap, "ico");
        if (!data.isEmpty())
            return iconPrefix + data;
    }
    if (m_kind == Kind::Bitmap || m_kind == Kind::Icon)
        return pngPrefix + encoded(m_pixmap, "png");
    return {};
}

Picture Picture::fromStoredText(const QString& text)
{
    const bool isIcon = text.startsWith(iconPrefix);
    if (isIcon || text.startsWith(pngPrefix)) {
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        QPixmap image;
        image.loadFromData(QByteArray::fromBase64(text.mid(comma + 1).toLatin1()));
        // Keeps its text, so that writing it again gives the same stored data.
        return isIcon ? icon(image, text) : bitmap(image, text);
    }
    if (text.isEmpty())
        return {};
    return fromFile(text);
}

} // namespace Orvane
