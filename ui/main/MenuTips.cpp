#include "ui/main/MenuTips.h"

#include "components/TextSet.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

MenuTips::MenuTips(QWidget& window, QLabel& panel, QString tipsPath)
    : QObject(&window)
    , m_window(window)
    , m_panel(panel)
    , m_tipsPath(std::move(tipsPath))
{
}

void MenuTips::install()
{
    uninstall();
    const auto menus = m_window.findChildren<QMenu*>();
    for (QMenu* menu : menus)
        m_connections << connect(menu, &QMenu::hovered, this, &MenuTips::highlighted);
}

void MenuTips::uninstall()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
}

std::optional<QString> MenuTips::tipFor(const QAction& action, const QString& tipsPath)
{
    if (action.isSeparator() || action.menu())
        return std::nullopt;
    // The key is the caption as the menu shows it, without a shortcut text after a tab.
    QString caption = action.text();
    caption.truncate(caption.indexOf(QChar(0)) < 0 ? caption.size() : caption.indexOf(QChar(0)));
    caption.truncate(caption.indexOf(u'\t') < 0 ? caption.size() : caption.indexOf(u'\t'));
    if (caption.isEmpty())
        return std::nullopt;
    return TextSet::readText(tipsPath, QStringLiteral("frmPubMain"), caption);
}

void MenuTips::highlighted(QAction* action)
{
    if (!action)
        return;
    if (const auto tip = tipFor(*action, m_tipsPath))
        m_panel.setText(*tip);
}
