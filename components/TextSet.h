#pragma once

#include <QList>
#include <QString>

#include <utility>

class QLocale;

// The interface-text files of a data folder (tips.dll, menus.dll, menutips.dll) read over the
// sets shipped inside the program: English under ":/shipped", each other language under
// ":/shipped-<language code>". A folder set up by an older Kronvel keeps its own files, which
// lack the texts added since; a key or section such a file lacks is read from the shipped file
// of the same language, so no window shows a raw name or an empty text. The folder's files are
// never rewritten for this: they may be edited or translated by hand.
namespace TextSet {

inline constexpr char16_t englishSet[] = u":/shipped";

// The shipped set a text file belongs to: the set whose same-named file gives the most of its
// keys the very same text (so an edited German file is still German), English on a tie or when
// no set matches (a file translated by hand into another language). Judged from the file's
// content each time, so a file replaced from outside is judged anew.
QString setOf(const QString& path);

// The set a start copies missing files from: for a folder that has its tips.dll, the set that
// file belongs to (so a German folder gets the German help pages added since); for a first
// start, the set of the locale's language when one ships, else English.
QString setForFolder(const QString& folder, const QLocale& locale);

// A key's text: the file's own when it has the key (an empty value included), else the text
// the shipped file of its set gives; empty when neither has it.
QString readText(const QString& path, const QString& section, const QString& key);

// A section's keys and values: the file's own in file order, then the keys only the shipped
// file of its set has.
QList<std::pair<QString, QString>> readSection(const QString& path, const QString& section);

} // namespace TextSet
