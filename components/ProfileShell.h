#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class Desktop;
class QWidget;

// The profile-and-shell component: keyed text files, the system's file and colour dialogs,
// opening addresses, and finding and messaging the program's own windows.
class ProfileShell
{
public:
    explicit ProfileShell(Desktop& desktop);

    QString readProfileText(const QString& path, const QString& section, const QString& key) const;
    bool writeProfileText(const QString& path, const QString& section, const QString& key,
        const QString& value, QString* error = nullptr) const;

    // filter: description and pattern pairs, each part followed by a character 0 except the
    // last. initialPath and flag may be changed by the dialog. Empty list when cancelled.
    QStringList openFileDialog(
        QWidget* owner, const QString& title, const QString& filter, QString& initialPath, bool& flag) const;
    // Empty text when cancelled.
    QString saveFileDialog(QWidget* owner, const QString& title, const QString& text, const QString& filter,
        const QString& initialPath, const QString& defaultExtension) const;
    bool openAddress(const QString& address, int showCommand) const;
    // The colour as 0x00BBGGRR, or -1 when cancelled; the chooser opens at initial (0x00BBGGRR).
    qint32 chooseColor(QWidget* owner, qint32 initial = 0xFFFFFF) const;
    // A value below 1 when no window has that title.
    qintptr findWindow(const QString& title) const;
    bool sendWindowMessage(qintptr window, int message, qintptr first, qintptr second) const;

    // A filter as the text files write it, "A|*.a|B|*.b" (a common dialog's Filter property),
    // in the form the dialogs above take.
    static QString filterFromText(const QString& text);
    // "A\0*.a\0B\0*.b" becomes "A (*.a);;B (*.b)" style Qt filter text.
    static QString toQtFilter(const QString& nullSeparatedFilter);

private:
    Desktop& m_desktop;
};
