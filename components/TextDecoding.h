#pragma once

#include <QByteArray>
#include <QString>

// One line of a text file: UTF-8 when the bytes are valid UTF-8, else Windows-1252,
// which is what older versions of the program wrote.
QString decodeLine(const QByteArray& bytes);
