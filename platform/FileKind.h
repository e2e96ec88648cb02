#pragma once

#include <QString>

// What a path names, following symbolic links. The program reads and writes only regular
// files; anything else at a data-file path (a folder, a FIFO, a device, a socket, a link
// that leads nowhere or in a loop) is refused rather than taken for a missing file.
enum class FileKind { Missing, Regular, Other };

FileKind fileKind(const QString& path);

// The regular file a path stands for: the path itself, or the file its chain of symbolic
// links ends at, so a write replaces the target and keeps the link. Empty when the path is
// missing or names no regular file.
QString regularFileBehind(const QString& path);
