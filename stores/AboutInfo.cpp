#include "stores/AboutInfo.h"

#include "stores/MessageTexts.h"

namespace AboutInfo {

QString address(const QString& folder, Link link)
{
    switch (link) {
    case Link::ProductPage:
        return linkText(folder, QStringLiteral("Web")).trimmed();
    case Link::PublisherPage:
        return linkText(folder, QStringLiteral("Publisher")).trimmed();
    case Link::SupportMail: {
        const QString mail = linkText(folder, QStringLiteral("Mail")).trimmed();
        return mail.isEmpty() ? QString() : u"mailto:" % mail;
    }
    }
    return {};
}

} // namespace AboutInfo
