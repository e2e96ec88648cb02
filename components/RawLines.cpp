#include "components/RawLines.h"

#include "components/TextDecoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

bool isUtf16(RawLines::Encoding encoding)
{
    return encoding == RawLines::Encoding::Utf16LE || encoding == RawLines::Encoding::Utf16BE;
}

// The code units of the bytes: single bytes, or 16-bit units in the file's byte order.
int unitSize(RawLines::Encoding encoding)
{
    return isUtf16(encoding) ? 2 : 1;
}

char16_t unitAt(QByteArrayView bytes, qsizetype at, RawLines::Encoding encoding)
{
    const auto byte = [&](qsizetype i) { return char16_t(static_cast<unsigned char>(bytes.at(i))); };
    if (encoding == RawLines::Encoding::Utf16LE)
        return char16_t(byte(at) | (byte(at + 1) << 8));
    if (encoding == RawLines::Encoding::Utf16BE)
        return char16_t((byte(at) << 8) | byte(at + 1));
    return byte(at);
}

bool holdsUtf8BeyondAscii(const QByteArray& line)
{
    const bool beyondAscii = std::any_of(line.begin(), line.end(), [](char c) { return c & 0x80; });
    if (!beyondAscii)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8.decode(line);
    return !utf8.hasError();
}

QByteArray encodeUtf16(const QString& text, RawLines::Encoding encoding)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        if (encoding == RawLines::Encoding::Utf16LE)
            bytes.append(low).append(high);
        else
            bytes.append(high).append(low);
    }
    return bytes;
}

} // namespace

RawLines::Encoding RawLines::markedEncoding(QByteArrayView bytes, qsizetype* markLength)
{
    if (bytes.startsWith("\xff\xfe")) {
        *markLength = 2;
        return Encoding::Utf16LE;
    }
    if (bytes.startsWith("\xfe\xff")) {
        *markLength = 2;
        return Encoding::Utf16BE;
    }
    *markLength = bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
    return Encoding::Utf8;
}

QList<RawLines::Span> RawLines::spans(QByteArrayView bytes, qsizetype from, Encoding encoding)
{
    QList<Span> found;
    const int unit = unitSize(encoding);
    const qsizetype size = bytes.size();
    qsizetype lineStart = from;
    qsizetype at = from;
    while (at + unit <= size) {
        const char16_t code = unitAt(bytes, at, encoding);
        if (code != u'\r' && code != u'\n') {
            at += unit;
            continue;
        }
        qsizetype endLength = unit;
        if (code == u'\r' && at + 2 * unit <= size && unitAt(bytes, at + unit, encoding) == u'\n')
            endLength = 2 * unit;
        found.append({ lineStart, at, at + endLength });
        at += endLength;
        lineStart = at;
    }
    if (lineStart < size)
        found.append({ lineStart, size, size });
    return found;
}

RawLines RawLines::split(const QByteArray& bytes)
{
    RawLines file;
    qsizetype start = 0;
    file.encoding = markedEncoding(bytes, &start);
    file.byteOrderMark = bytes.left(start);
    const int unit = unitSize(file.encoding);
    // The three breaks in the order their bytes sort; each is made once and shared by its lines.
    const std::array<QByteArray, 3> breaks
        = { file.encodeAscii("\n"), file.encodeAscii("\r"), file.encodeAscii("\r\n") };
    std::array<int, 3> counts {};
    int firstKind = -1;
    const QList<Span> found = spans(bytes, start, file.encoding);
    file.lines.reserve(found.size());
    for (const Span& span : found) {
        const qsizetype breakLength = span.end - span.textEnd;
        int kind = -1;
        if (breakLength == 2 * unit)
            kind = 2;
        else if (breakLength == unit)
            kind = unitAt(bytes, span.textEnd, file.encoding) == u'\n' ? 0 : 1;
        file.lines.append(
            { bytes.mid(span.start, span.textEnd - span.start), kind < 0 ? QByteArray() : breaks[kind] });
        if (kind >= 0 && counts[kind]++ == 0 && firstKind < 0)
            firstKind = kind;
    }

    if (start == 0) {
        const bool utf8 = std::any_of(file.lines.cbegin(), file.lines.cend(),
            [](const Line& line) { return holdsUtf8BeyondAscii(line.bytes); });
        file.encoding = utf8 || file.lines.isEmpty() ? Encoding::Utf8 : Encoding::Windows1252;
    }
    // The most common break; of breaks as common, the first one found.
    file.ending = breaks[0];
    int most = 0;
    for (int kind = 0; kind < 3; ++kind) {
        if (counts[kind] > most || (counts[kind] > 0 && counts[kind] == most && kind == firstKind)) {
            most = counts[kind];
            file.ending = breaks[kind];
        }
    }
    return file;
}

QByteArray RawLines::join() const
{
    QByteArray bytes = byteOrderMark;
    for (const Line& line : lines)
        bytes += line.bytes + line.end;
    return bytes;
}

QString RawLines::decode(QByteArrayView line, Encoding encoding)
{
    if (!isUtf16(encoding))
        return decodeLine(line);
    QString text(line.size() / 2, Qt::Uninitialized);
    QChar* unit = text.data();
    for (qsizetype at = 0; at + 2 <= line.size(); at += 2)
        *unit++ = QChar(unitAt(line, at, encoding));
    return text;
}

QString RawLines::text(qsizetype line) const
{
    return decode(lines[line].bytes, encoding);
}

QStringList RawLines::texts() const
{
    QStringList all;
    all.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        all.append(text(i));
    return all;
}

void RawLines::setText(qsizetype line, const QString& text)
{
    const QByteArray bytes = encode(text);
    lines[line].bytes = bytes;
}

void RawLines::insert(qsizetype at, const QString& text)
{
    const QByteArray bytes = encode(text);
    if (at > 0 && lines[at - 1].end.isEmpty())
        lines[at - 1].end = ending;
    lines.insert(at, { bytes, ending });
}

QByteArray RawLines::encode(const QString& text)
{
    switch (encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Windows1252:
        if (const auto bytes = encodeWindows1252(text))
            return *bytes;
        // Never line by line: the whole file becomes UTF-8, its breaks stay as they are.
        for (qsizetype i = 0; i < lines.size(); ++i)
            lines[i].bytes = decodeLine(lines[i].bytes).toUtf8();
        encoding = Encoding::Utf8;
        return text.toUtf8();
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        break;
    }
    return encodeUtf16(text, encoding);
}

QByteArray RawLines::encodeAscii(const char* ascii) const
{
    return isUtf16(encoding) ? encodeUtf16(QString::fromLatin1(ascii), encoding) : QByteArray(ascii);
}
