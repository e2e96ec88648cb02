#pragma once

#include <KronvelVersion.h>
#include <QString>
#include <QStringView>

// What the about box shows and opens. The name and version are the program's own; the
// addresses come from the "Links" section of tips.dll, so a distributor can set them.
namespace AboutInfo {

inline constexpr QStringView productName = u"Kronvel";
inline constexpr QStringView versionText = u"" KRN_VERSION_TEXT;
// How the shell shows an opened address: maximized.
constexpr int showMaximized = 3;

enum class Link { ProductPage, PublisherPage, SupportMail };

// The address to open, or an empty text when tips.dll names none (then nothing is opened,
// rather than a bare "mailto:").
QString address(const QString& folder, Link link);

} // namespace AboutInfo
