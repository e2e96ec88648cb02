#pragma once

#include <QString>

// Told about every replacement the program makes of a file, before and after, so that a
// folder watcher can tell the program's own writes from changes made outside.
class WriteWatch
{
public:
    virtual ~WriteWatch() = default;
    virtual void beforeWrite(const QString& path) = 0;
    virtual void afterWrite(const QString& path) = 0;
};

// Brackets one write of a file: before at construction, after when it goes out of scope.
class WriteNote
{
public:
    WriteNote(WriteWatch* watch, const QString& path)
        : m_watch(watch)
        , m_path(path)
    {
        if (m_watch)
            m_watch->beforeWrite(m_path);
    }
    ~WriteNote()
    {
        if (m_watch)
            m_watch->afterWrite(m_path);
    }
    WriteNote(const WriteNote&) = delete;
    WriteNote& operator=(const WriteNote&) = delete;

private:
    WriteWatch* m_watch;
    QString m_path;
};
