#include "StoredValues.h"

#include "Picture.h"

namespace Orvane::StoredValues {

namespace {

bool isText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray;
}

} // namespace

bool toBool(const QVariant& value)
{
    if (!isText(value))
        return value.toBool();
    const QString text = value.toString().trimmed();
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const qlonglong number = text.toLongLong(&isNumber);
    return isNumber && number != 0;
}

qint32 toInt(const QVariant& value)
{
    if (!isText(value))
        return value.toInt();
    const QString text = value.toString().trimmed();
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok, 0);
    return ok ? static_cast<qint32>(number) : 0;
}

OleColor toColor(const QVariant& value)
{
    if (!isText(value))
        return static_cast<OleColor>(value.toLongLong());
    QString text = value.toString().trimmed();
    // The form-file notation &H8000000F& is read as well.
    if (text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive)) {
        text = QLatin1String("0x") + text.mid(2);
        if (text.endsWith(QLatin1Char('&')))
            text.chop(1);
    }
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok, 0);
    return ok ? static_cast<OleColor>(number) : 0;
}

QFont toFont(const QVariant& value)
{
    if (value.typeId() == QMetaType::QFont)
        return value.value<QFont>();
    QFont font;
    font.fromString(value.toString());
    return font;
}

Picture toPicture(const QVariant& value)
{
    if (value.canConvert<Picture>() && value.metaType() == QMetaType::fromType<Picture>())
        return value.value<Picture>();
    return Picture::fromStoredText(value.toString());
}

QVariant fromPicture(const Picture& picture)
{
    const QString text = picture.toStoredText();
    return text.isEmpty() ? QVariant() : QVariant(text);
}

} // namespace Orvane::StoredValues
