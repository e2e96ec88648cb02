#include "components/ui/InterfaceTexts.h"

#include "components/TextSet.h"
#include "components/ui/TextTargets.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QWidget>

namespace {

// Applies one "NAME.Property" key (or a window-level "Property" key) of a window's section.
// Unknown controls and properties are skipped, as a missing text is no reason to stop.
void applyControlText(QWidget* window, const QString& key, const QString& value)
{
    const qsizetype dot = key.indexOf(u'.');
    QObject* target = dot < 0 ? window : TextTargets::find(window, key.left(dot));
    if (!target)
        return;
    const QString property = dot < 0 ? key : key.mid(dot + 1);
    if (property.compare(QStringLiteral("Caption"), Qt::CaseInsensitive) == 0) {
        TextTargets::setCaption(target, value);
    } else if (property.compare(QStringLiteral("ToolTipText"), Qt::CaseInsensitive) == 0) {
        TextTargets::setToolTip(target, value);
    } else if (property.compare(QStringLiteral("Text"), Qt::CaseInsensitive) == 0) {
        TextTargets::setText(target, value);
    } else if (property.compare(QStringLiteral("List"), Qt::CaseInsensitive) == 0) {
        TextTargets::setListItems(target, value.split(u'|'));
    } else {
        static const QRegularExpression header(
            QStringLiteral("^ColumnHeader\\((\\d+)\\)\\.Text$"), QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = header.match(property);
        if (match.hasMatch())
            TextTargets::setColumnHeader(target, match.captured(1).toInt() - 1, value);
    }
}

} // namespace

bool InterfaceTexts::applyControlTexts(QWidget* window, const QString& path) const
{
    if (!window || !QFileInfo(path).isFile())
        return false;
    const auto entries = TextSet::readSection(path, window->objectName());
    for (const auto& [key, value] : entries)
        applyControlText(window, key, value);
    return true;
}

bool InterfaceTexts::applyMenuTexts(QWidget* window, const QString& path) const
{
    if (!window || !QFileInfo(path).isFile())
        return false;
    const auto entries = TextSet::readSection(path, window->objectName());
    for (const auto& [key, value] : entries) {
        if (QObject* target = TextTargets::find(window, key))
            TextTargets::setMenuCaption(target, value);
    }
    return true;
}

bool InterfaceTexts::isInList(const QString& value, const QStringList& list)
{
    return list.contains(value);
}
