#pragma once

#include "platform/Desktop.h"

#include <QList>
#include <QQueue>

// Desktop services from a script. Dialogs return the queued results (cancelled when none is
// queued) and every call is recorded; windows are the real top-level widgets, so a test can
// check that a window was found and closed.
class FakeDesktop final : public Desktop
{
public:
    struct Message
    {
        quintptr window = 0;
        int message = 0;
    };

    QStringList openFileNames(
        QWidget* owner, const QString& title, const QString& filter, const QString& initialPath) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& filter,
        const QString& defaultExtension) override;
    qint32 chooseColor(QWidget* owner, qint32 initial) override;
    bool openAddress(const QString& address) override;
    quintptr findWindow(const QString& title) override;
    bool sendWindowMessage(quintptr window, int message, quintptr first, quintptr second) override;

    void queueOpenResult(const QStringList& paths) { m_openResults.enqueue(paths); }
    void queueSaveResult(const QString& path) { m_saveResults.enqueue(path); }
    void queueColor(qint32 color) { m_colors.enqueue(color); }

    // "open", "save", "color", "address", "find", "message" in call order.
    const QStringList& calls() const { return m_calls; }
    // The filter and title of the last file dialog, as the dialog received them.
    const QString& lastFilter() const { return m_lastFilter; }
    const QString& lastTitle() const { return m_lastTitle; }
    const QString& lastDefaultExtension() const { return m_lastDefaultExtension; }
    const QStringList& openedAddresses() const { return m_addresses; }
    // The colour each colour chooser opened at, 0x00BBGGRR.
    const QList<qint32>& initialColors() const { return m_initialColors; }
    const QList<Message>& messages() const { return m_messages; }

private:
    QQueue<QStringList> m_openResults;
    QQueue<QString> m_saveResults;
    QQueue<qint32> m_colors;
    QStringList m_calls;
    QString m_lastFilter;
    QString m_lastTitle;
    QString m_lastDefaultExtension;
    QStringList m_addresses;
    QList<Message> m_messages;
    QList<qint32> m_initialColors;
};
