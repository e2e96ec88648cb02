#pragma once

#include <QByteArray>
#include <QList>

// A text file as its lines of raw bytes, so that lines a change does not touch are written
// back byte for byte, whatever their encoding.
struct RawLines
{
    QList<QByteArray> lines; // without their line breaks
    QByteArray ending = "\n"; // the file's line ending: the first one found, LF when none
    bool lastLineEnded = true; // false when the last line lacks its line break

    static RawLines split(const QByteArray& bytes);
    // Every line followed by the file's line ending.
    QByteArray join() const;
};
