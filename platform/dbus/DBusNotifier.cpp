#include "platform/dbus/DBusNotifier.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");
const QString defaultAction = QStringLiteral("default");
// A notice the service cannot take within this time is told another way.
constexpr int replyTimeoutMs = 3000;

// The "image-data" hint: width, height, row stride, alpha, bits per sample, channels, bytes.
struct ImageData
{
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const ImageData& data)
{
    const QImage image = data.image.convertToFormat(QImage::Format_RGBA8888);
    argument.beginStructure();
    argument << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, ImageData&)
{
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(ImageData)

DBusNotifier::DBusNotifier(
    QString applicationName, QString icon, QString desktopEntry, QImage image, QObject* parent)
    : Notifier(parent)
    , m_applicationName(std::move(applicationName))
    , m_icon(std::move(icon))
    , m_desktopEntry(std::move(desktopEntry))
    , m_image(std::move(image))
{
    qDBusRegisterMetaType<ImageData>();
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(
        service, path, interface, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus.connect(service, path, interface, QStringLiteral("NotificationClosed"), this,
        SLOT(notificationClosed(uint, uint)));
}

bool DBusNotifier::notify(const Notice& notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), m_desktopEntry);
    if (!m_image.isNull())
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(ImageData { m_image }));
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, QStringLiteral("Notify"));
    // The default action is what a click on the notice runs; its text is not shown.
    call << m_applicationName << uint(0) << m_icon << notice.title << notice.body
         << QStringList { defaultAction, notice.title } << hints << int(-1);
    const QDBusMessage reply = bus.call(call, QDBus::Block, replyTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    m_targets.insert(reply.arguments().constFirst().toUInt(), notice.target);
    return true;
}

void DBusNotifier::actionInvoked(uint id, const QString& action)
{
    if (action == defaultAction && m_targets.contains(id))
        Q_EMIT activated(m_targets.value(id));
}

void DBusNotifier::notificationClosed(uint id, uint)
{
    m_targets.remove(id);
}
