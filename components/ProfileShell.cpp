#include "components/ProfileShell.h"

#include "components/ProfileFile.h"
#include "platform/Desktop.h"

#include <QFileInfo>

ProfileShell::ProfileShell(Desktop& desktop)
    : m_desktop(desktop)
{
}

QString ProfileShell::readProfileText(const QString& path, const QString& section, const QString& key) const
{
    return ProfileFile::readText(path, section, key);
}

bool ProfileShell::writeProfileText(const QString& path, const QString& section, const QString& key,
    const QString& value, QString* error) const
{
    return ProfileFile::writeText(path, section, key, value, error);
}

QStringList ProfileShell::openFileDialog(
    QWidget* owner, const QString& title, const QString& filter, QString& initialPath, bool& flag) const
{
    Q_UNUSED(flag) // the read-only check box of the system dialog; Qt's dialog has none
    const QStringList chosen = m_desktop.openFileNames(owner, title, toQtFilter(filter), initialPath);
    if (!chosen.isEmpty())
        initialPath = QFileInfo(chosen.first()).absolutePath();
    return chosen;
}

QString ProfileShell::saveFileDialog(QWidget* owner, const QString& title, const QString& text,
    const QString& filter, const QString& initialPath, const QString& defaultExtension) const
{
    Q_UNUSED(text)
    Q_UNUSED(initialPath) // the program always passes empty texts here
    return m_desktop.saveFileName(owner, title, toQtFilter(filter), defaultExtension);
}

bool ProfileShell::openAddress(const QString& address, int showCommand) const
{
    Q_UNUSED(showCommand) // always "show normally"
    return m_desktop.openAddress(address);
}

qint32 ProfileShell::chooseColor(QWidget* owner, qint32 initial) const
{
    return m_desktop.chooseColor(owner, initial);
}

qintptr ProfileShell::findWindow(const QString& title) const
{
    return qintptr(m_desktop.findWindow(title));
}

bool ProfileShell::sendWindowMessage(qintptr window, int message, qintptr first, qintptr second) const
{
    if (window < 1)
        return false;
    return m_desktop.sendWindowMessage(quintptr(window), message, quintptr(first), quintptr(second));
}

QString ProfileShell::filterFromText(const QString& text)
{
    return QString(text).replace(u'|', QChar(0));
}

QString ProfileShell::toQtFilter(const QString& nullSeparatedFilter)
{
    const QStringList parts = nullSeparatedFilter.split(QChar(0));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        // The system separates patterns with ";", Qt with blanks; the system's "*.*" is every
        // file, with or without an extension, which is Qt's "*".
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            patterns << (pattern.trimmed() == u"*.*" ? QStringLiteral("*") : pattern.trimmed());
        if (patterns.isEmpty())
            continue;
        // A description that names its patterns already ("All Files (*.*)") names them once,
        // as Qt matches them; the system matches without regard to case, and so does Qt's dialog.
        const QString named = u'(' + parts[i + 1].trimmed().replace(u';', u' ') + u')';
        if (description.endsWith(named, Qt::CaseInsensitive))
            description = description.chopped(named.size()).trimmed();
        const QString wrapped = u'(' + patterns.join(u' ') + u')';
        filters.append(description.isEmpty() ? wrapped : description + u' ' + wrapped);
    }
    return filters.join(QStringLiteral(";;"));
}
