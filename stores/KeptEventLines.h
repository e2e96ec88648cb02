#pragma once

#include "components/RawLines.h"
#include "core/EventRecord.h"
#include "core/NameKey.h"
#include "stores/EventLine.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QVector>
#include <optional>
#include <vector>

// The events file as last read, line by line with the event each line holds, so that reading
// it again after a change costs what the change costs: a line whose bytes were in the file
// before keeps what was read from them, and only new and changed lines are decoded and read.
// When the file grew and its old bytes are unchanged at its start (an append), only the new
// bytes are split into lines and only the new names are looked up. Whatever was kept, a read
// gives what reading the whole file afresh gives.
class KeptEventLines
{
public:
    struct Read
    {
        qsizetype lineCount = 0;
        // One per name, the first line's (names compared ignoring case and surrounding
        // blanks), in file order; "Past" before now, else "Future". Lines without a tab or
        // with an unreadable date are left out.
        QVector<EventRecord> events;
    };

    KeptEventLines() = default;
    // The set of names refers to the lines of its own object.
    KeptEventLines(const KeptEventLines&) = delete;
    KeptEventLines& operator=(const KeptEventLines&) = delete;

    // A missing file reads as one without lines. No value, with the reason, when the file
    // cannot be read; nothing is kept then, and the next read reads the whole file.
    std::optional<Read> read(const QString& path, const Moment& now, QString* error = nullptr);

    // How many lines the last read decoded and read rather than took from the read before.
    qsizetype linesRead() const { return m_linesRead; }

private:
    struct Line
    {
        RawLines::Span span;
        std::optional<EventLine> event;
        NameKey name; // of the event, its hash worked out once
        bool listed = false; // the first line of its name
    };

    // A listed line by its place, hashed and compared by its name: the set of listed names
    // then copies no name, and stays right while lines are appended.
    struct ListedName
    {
        const std::vector<Line>* lines;
        size_t line;
        const NameKey& name() const { return (*lines)[line].name; }
        friend bool operator==(const ListedName& a, const ListedName& b) { return a.name() == b.name(); }
        friend size_t qHash(const ListedName& listed, size_t seed = 0) { return qHash(listed.name(), seed); }
    };

    void forget();
    bool readAppended(const QByteArray& bytes);
    void readAll(const QByteArray& bytes, bool takeOver);
    void readLine(Line& line, const QByteArray& bytes);
    void list(size_t line);
    Read listed(const Moment& now) const;

    QByteArray m_bytes;
    RawLines::Encoding m_encoding = RawLines::Encoding::Utf8;
    qsizetype m_markLength = -1; // -1 while nothing is kept
    std::vector<Line> m_lines;
    QSet<ListedName> m_names; // of the listed lines
    qsizetype m_linesRead = 0;
};
