#include "components/RawLines.h"

RawLines RawLines::split(const QByteArray& bytes)
{
    RawLines result;
    const qsizetype firstBreak = bytes.indexOf('\n');
    if (firstBreak > 0 && bytes.at(firstBreak - 1) == '\r')
        result.ending = "\r\n";
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool ended = end >= 0;
        if (!ended)
            end = bytes.size();
        QByteArray line = bytes.mid(start, end - start);
        if (ended && line.endsWith('\r'))
            line.chop(1);
        result.lines.append(line);
        result.lastLineEnded = ended;
        start = end + 1;
    }
    return result;
}

QByteArray RawLines::join() const
{
    QByteArray bytes;
    for (const QByteArray& line : lines)
        bytes += line + ending;
    return bytes;
}
