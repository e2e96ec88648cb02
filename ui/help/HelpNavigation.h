#pragma once

#include <QString>
#include <QUrl>

// Where the help pages are found, and which links leave the help window.

// The copy of the contents page built into the program.
QUrl embeddedHelpIndex();

// The page to show first: startPage when the file exists; otherwise the built-in copy of the
// same page, or else the built-in contents page; an empty URL when none of them exists.
QUrl resolveHelpStart(const QString& startPage);

// True when url names a help page file that exists (on disk or built in).
bool helpPageExists(const QUrl& url);

// Links to anything but a help page (web, mail, ...) open outside the help window.
bool isExternalLink(const QUrl& url);

// Shown instead of a page when no help pages can be found at all.
QString missingHelpHtml(const QString& startPage);
