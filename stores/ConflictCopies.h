#pragma once

#include <QString>
#include <QStringList>

// Copies that synchronising tools leave beside a file both sides changed, such as
// "events.sync-conflict-20260101-101010-ABCDEFG.dll" (Syncthing) or
// "events (conflicted copy 2026-01-01).dll" (Nextcloud, Dropbox): the name of one of the data
// files, then a part that says "conflict", ending in ".dll". Letter case is ignored.
bool isConflictCopy(const QString& fileName);

// The conflict copies among these names, in the order given.
QStringList conflictCopies(const QStringList& fileNames);
