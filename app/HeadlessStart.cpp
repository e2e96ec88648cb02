#include "app/HeadlessStart.h"

#include "components/TextSet.h"
#include "platform/DataFolder.h"
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <cstdio>

HeadlessStart::HeadlessStart() = default;
HeadlessStart::HeadlessStart(HeadlessStart&&) noexcept = default;
HeadlessStart::~HeadlessStart() = default;

std::optional<HeadlessStart> startWithoutWindow(const QString& folderOption, const QString& shippedFiles)
{
    HeadlessStart start;
    start.folder = resolveDataFolder(folderOption, QCoreApplication::applicationDirPath());
    if (!QFileInfo(start.folder).isDir()) {
        std::fputs(qPrintable(QStringLiteral("krn: the data folder %1 is not a folder\n").arg(start.folder)),
            stderr);
        return std::nullopt;
    }
    start.instance = std::make_unique<SingleInstance>(start.folder);
    start.owner = start.instance->acquire();
    if (start.owner) {
        sweepStaleTemporaries(start.folder);
        // The text files in the user's language where a set for it is shipped, the rest as shipped.
        installShippedFiles(start.folder, TextSet::setForFolder(start.folder, QLocale::system()));
        installShippedFiles(start.folder, shippedFiles);
    }
    return start;
}
