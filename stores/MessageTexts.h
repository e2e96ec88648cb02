#pragma once

#include <QString>

// The text of a message key from the "Message & Text" section of tips.dll. The file is read
// anew on every call, so an edited file shows at once; a key it lacks (a tips.dll of an older
// Kronvel) comes from the shipped tips.dll of its language, and is empty only when neither has it.
QString messageText(const QString& folder, const QString& key);

// An address of the "Links" section of tips.dll (web page, forum, mail, new version, publisher).
QString linkText(const QString& folder, const QString& key);
