#include "components/RawLines.h"

#include "components/TextDecoding.h"

#include <QStringDecoder>
#include <algorithm>
#include <map>

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

char16_t unitAt(const QByteArray& bytes, qsizetype at, RawLines::Encoding encoding)
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

RawLines RawLines::split(const QByteArray& bytes)
{
    RawLines file;
    qsizetype start = 0;
    if (bytes.startsWith("\xff\xfe")) {
        file.encoding = Encoding::Utf16LE;
        start = 2;
    } else if (bytes.startsWith("\xfe\xff")) {
        file.encoding = Encoding::Utf16BE;
        start = 2;
    } else if (bytes.startsWith("\xef\xbb\xbf")) {
        start = 3;
    }
    file.byteOrderMark = bytes.left(start);
    const int unit = unitSize(file.encoding);
    std::map<QByteArray, int> endCounts;
    QByteArray firstEnd;
    qsizetype lineStart = start;
    qsizetype at = start;
    while (at + unit <= bytes.size()) {
        const char16_t code = unitAt(bytes, at, file.encoding);
        if (code != u'\r' && code != u'\n') {
            at += unit;
            continue;
        }
        qsizetype endLength = unit;
        if (code == u'\r' && at + 2 * unit <= bytes.size()
            && unitAt(bytes, at + unit, file.encoding) == u'\n')
            endLength = 2 * unit;
        const QByteArray end = bytes.mid(at, endLength);
        file.lines.append({ bytes.mid(lineStart, at - lineStart), end });
        if (endCounts[end]++ == 0 && firstEnd.isEmpty())
            firstEnd = end;
        at += endLength;
        lineStart = at;
    }
    if (lineStart < bytes.size())
        file.lines.append({ bytes.mid(lineStart), QByteArray() });

    if (start == 0) {
        const bool utf8 = std::any_of(file.lines.cbegin(), file.lines.cend(),
            [](const Line& line) { return holdsUtf8BeyondAscii(line.bytes); });
        file.encoding = utf8 || file.lines.isEmpty() ? Encoding::Utf8 : Encoding::Windows1252;
    }
    file.ending = file.encodeAscii("\n");
    int most = 0;
    for (const auto& [end, count] : endCounts) {
        if (count > most || (count == most && end == firstEnd)) {
            most = count;
            file.ending = end;
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

QString RawLines::text(qsizetype line) const
{
    const QByteArray& bytes = lines[line].bytes;
    if (!isUtf16(encoding))
        return decodeLine(bytes);
    QString text;
    text.reserve(bytes.size() / 2);
    for (qsizetype at = 0; at + 2 <= bytes.size(); at += 2)
        text.append(QChar(unitAt(bytes, at, encoding)));
    return text;
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
