#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// One line of a text file: UTF-8 when the bytes are valid UTF-8, else Windows-1252,
// which is what older versions of the program wrote.
QString decodeLine(QByteArrayView bytes);

// Windows-1252 as Windows converts it: the five unassigned bytes keep their own code point.
QString decodeWindows1252(QByteArrayView bytes);
// No value when the text holds a character Windows-1252 has no byte for.
std::optional<QByteArray> encodeWindows1252(QStringView text);
