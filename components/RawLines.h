#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// A text file as its lines of raw bytes, so that lines a change does not touch are written
// back byte for byte, line break included. The file keeps the encoding it has, decided from
// its content: UTF-16 with its byte-order mark, UTF-8 with its mark or when a line holds
// valid UTF-8 beyond ASCII, else Windows-1252; an empty file is UTF-8. A line ends at CRLF,
// LF or a lone CR alike.
struct RawLines
{
    enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE };
    struct Line
    {
        QByteArray bytes; // in the file's encoding, without the break
        QByteArray end; // the line's own break as found; empty for an unended last line
    };

    Encoding encoding = Encoding::Utf8;
    QByteArray byteOrderMark;
    QList<Line> lines;
    QByteArray ending = "\n"; // the break new lines get: the file's most common one, LF when none

    static RawLines split(const QByteArray& bytes);
    QByteArray join() const;

    // Where a line lies in the file's bytes: its text from start to textEnd, its break to end.
    struct Span
    {
        qsizetype start;
        qsizetype textEnd;
        qsizetype end;
    };
    // The encoding a byte-order mark names, UTF-8 without one, and the mark's length.
    static Encoding markedEncoding(QByteArrayView bytes, qsizetype* markLength);
    // The lines of bytes from offset from on, split as split() splits them.
    static QList<Span> spans(QByteArrayView bytes, qsizetype from, Encoding encoding);
    // The text of a line's bytes (without its break), as text() reads it.
    static QString decode(QByteArrayView line, Encoding encoding);

    QString text(qsizetype line) const;
    QStringList texts() const;
    // Changed and added lines are encoded the file's way; a text Windows-1252 cannot hold
    // turns the whole file into UTF-8 first.
    void setText(qsizetype line, const QString& text);
    // Inserts a line ended by the file's break; an unended line before it is ended first.
    void insert(qsizetype at, const QString& text);
    void append(const QString& text) { insert(lines.size(), text); }

private:
    QByteArray encode(const QString& text);
    QByteArray encodeAscii(const char* ascii) const;
};
