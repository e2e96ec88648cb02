#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QWidget;

// While the user moves through the main window's menus, the first status panel shows the tip
// of the highlighted entry, read from menutips.dll under the entry's caption. Entries that
// open a submenu, separators and menu titles leave the panel as it was.
class MenuTips : public QObject
{
    Q_OBJECT

public:
    MenuTips(QWidget& window, QLabel& panel, QString tipsPath);

    // Watches every menu of the window; uninstall stops it (the window's unload).
    void install();
    void uninstall();

    // The tip of one entry; no value for entries that show none.
    static std::optional<QString> tipFor(const QAction& action, const QString& tipsPath);

private:
    void highlighted(QAction* action);

    QWidget& m_window;
    QLabel& m_panel;
    QString m_tipsPath;
    QList<QMetaObject::Connection> m_connections;
};
