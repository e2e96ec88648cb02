#include "stores/KeptEventLines.h"

#include "components/FileReplace.h"
#include "core/SpanSeconds.h"

#include <QHash>

#include <algorithm>

namespace {

QByteArrayView textOf(const QByteArray& bytes, const RawLines::Span& span)
{
    return QByteArrayView(bytes.constData() + span.start, span.textEnd - span.start);
}

bool isUtf16(RawLines::Encoding encoding)
{
    return encoding == RawLines::Encoding::Utf16LE || encoding == RawLines::Encoding::Utf16BE;
}

// How many bytes a and b share at their start.
qsizetype commonPrefix(const QByteArray& a, const QByteArray& b)
{
    const qsizetype length = std::min(a.size(), b.size());
    return std::mismatch(a.cbegin(), a.cbegin() + length, b.cbegin()).first - a.cbegin();
}

// How many bytes a and b share at their end, at most most.
qsizetype commonSuffix(const QByteArray& a, const QByteArray& b, qsizetype most)
{
    return std::mismatch(a.crbegin(), a.crbegin() + most, b.crbegin()).first - a.crbegin();
}

} // namespace

std::optional<KeptEventLines::Read> KeptEventLines::read(
    const QString& path, const Moment& now, QString* error)
{
    m_linesRead = 0;
    QByteArray bytes;
    if (!FileReplace::readAll(path, &bytes, error)) {
        forget();
        return std::nullopt;
    }
    qsizetype markLength = 0;
    const RawLines::Encoding encoding = RawLines::markedEncoding(bytes, &markLength);
    // Lines are only comparable in one encoding, counted from behind one mark.
    const bool comparable = encoding == m_encoding && markLength == m_markLength;
    if (!comparable || bytes != m_bytes) {
        m_encoding = encoding;
        m_markLength = markLength;
        if (!comparable || !readAppended(bytes))
            readAll(bytes, comparable);
        m_bytes = bytes;
    }
    return listed(now);
}

void KeptEventLines::forget()
{
    m_bytes.clear();
    m_markLength = -1;
    m_lines.clear();
    m_names.clear();
}

bool KeptEventLines::readAppended(const QByteArray& bytes)
{
    const qsizetype old = m_bytes.size();
    if (bytes.size() <= old || !bytes.startsWith(m_bytes))
        return false;
    // The new bytes start a new line only after a break they cannot lengthen: an unended last
    // line goes on in them, and a lone CR before a LF becomes one CRLF with it.
    if (!m_lines.empty()) {
        const RawLines::Span& last = m_lines.back().span;
        if (last.end == last.textEnd)
            return false;
        const QString lastBreak
            = RawLines::decode(bytes.sliced(last.textEnd, last.end - last.textEnd), m_encoding);
        const QString next = RawLines::decode(
            bytes.sliced(old, std::min(last.end - last.textEnd, bytes.size() - old)), m_encoding);
        if (lastBreak == u"\r" && next.startsWith(u'\n'))
            return false;
    }
    for (const RawLines::Span& span : RawLines::spans(bytes, old, m_encoding)) {
        readLine(m_lines.emplace_back(Line { span, std::nullopt, {}, false }), bytes);
        list(m_lines.size() - 1);
    }
    return true;
}

void KeptEventLines::readAll(const QByteArray& bytes, bool takeOver)
{
    // The lines in the bytes both versions share at their start and at their end are the
    // old lines (those at the end shifted); only the lines between are split anew. A line
    // counts as shared only when the unit after its break is shared too, since a CR followed
    // by a new LF would become one CRLF, and one before the shared end only when the unit
    // before its start is shared, so that the break ending the line before is the same.
    const qsizetype unit = isUtf16(m_encoding) ? 2 : 1;
    const qsizetype shift = bytes.size() - m_bytes.size();
    size_t front = 0;
    size_t back = 0;
    if (takeOver) {
        const qsizetype prefix = commonPrefix(m_bytes, bytes);
        const qsizetype suffix
            = commonSuffix(m_bytes, bytes, std::min(m_bytes.size(), bytes.size()) - prefix);
        while (front < m_lines.size() && m_lines[front].span.end + unit <= prefix)
            ++front;
        while (shift % unit == 0 && back < m_lines.size() - front
            && m_lines[m_lines.size() - 1 - back].span.start - unit >= m_bytes.size() - suffix)
            ++back;
    } else {
        m_lines.clear();
    }
    const size_t old = m_lines.size();
    const qsizetype from = front > 0 ? m_lines[front - 1].span.end : m_markLength;
    const qsizetype to = back > 0 ? m_lines[old - back].span.start + shift : bytes.size();

    // A line between with the bytes of an old line between holds what it held.
    QHash<QByteArrayView, size_t> before;
    before.reserve(qsizetype(old - front - back));
    for (size_t i = front; i < old - back; ++i)
        before.insert(textOf(m_bytes, m_lines[i].span), i);
    const QList<RawLines::Span> spans
        = RawLines::spans(QByteArrayView(bytes.constData(), to), from, m_encoding);
    std::vector<Line> between;
    between.reserve(size_t(spans.size()));
    for (const RawLines::Span& span : spans) {
        const auto found = before.constFind(textOf(bytes, span));
        if (found != before.cend()) {
            const Line& same = m_lines[*found];
            between.push_back(Line { span, same.event, same.name, false });
        } else {
            readLine(between.emplace_back(Line { span, std::nullopt, {}, false }), bytes);
        }
    }
    for (size_t i = old - back; i < old; ++i) {
        m_lines[i].span.start += shift;
        m_lines[i].span.textEnd += shift;
        m_lines[i].span.end += shift;
    }
    m_lines.erase(m_lines.begin() + qsizetype(front), m_lines.begin() + qsizetype(old - back));
    if (m_lines.empty())
        m_lines = std::move(between);
    else
        m_lines.insert(m_lines.begin() + qsizetype(front), std::make_move_iterator(between.begin()),
            std::make_move_iterator(between.end()));

    m_names.clear();
    m_names.reserve(qsizetype(m_lines.size()));
    for (size_t line = 0; line < m_lines.size(); ++line)
        list(line);
}

void KeptEventLines::readLine(Line& line, const QByteArray& bytes)
{
    line.event = EventLine::parse(RawLines::decode(textOf(bytes, line.span), m_encoding));
    if (line.event)
        line.name = NameKey(line.event->name);
    ++m_linesRead;
}

void KeptEventLines::list(size_t line)
{
    if (!m_lines[line].event)
        return;
    const qsizetype known = m_names.size();
    m_names.insert(ListedName { &m_lines, line });
    m_lines[line].listed = m_names.size() > known;
}

KeptEventLines::Read KeptEventLines::listed(const Moment& now) const
{
    Read read { qsizetype(m_lines.size()), {} };
    read.events.reserve(m_names.size());
    const QString past = QStringLiteral("Past");
    const QString future = QStringLiteral("Future");
    for (const Line& line : m_lines) {
        if (line.listed)
            read.events.push_back({ line.event->name,
                secondsUntilNow(line.event->moment, now) > 0 ? past : future, line.event->moment });
    }
    return read;
}
