#pragma once

#include "app/MenuPack.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>

class QAction;
class QMenu;
class QToolBar;
class QWidget;

// The actions of the main window, made from the tables of a language pack. One
// command may appear several times (menu items of both menu bars, a toolbar button,
// an accelerator); every appearance triggers the same id, and enabling or checking
// a command acts on all of them.
class CommandActions : public QObject {
    Q_OBJECT
public:
    // `toggles`: commands that show a check mark.
    CommandActions(const MenuPack& pack, QSet<int> toggles, QWidget* window);

    // The popups of a menu resource, parented to the window.
    QList<QMenu*> buildMenus(int menuId);
    void fillToolbar(QToolBar* toolbar, int toolbarId);
    // Adds the accelerator table to the window: its keys work wherever the focus is
    // inside the window, whatever the menus show.
    void installAccelerators(int tableId);

    // Removes the items of `id` from `menu` (not from its sub-menus).
    void removeFromMenu(QMenu* menu, int id);

    void setEnabled(int id, bool enabled);
    void setChecked(int id, bool checked);
    bool isEnabled(int id) const { return !m_disabled.contains(id); }
    QList<QAction*> actionsOf(int id) const { return m_actions.values(id); }

signals:
    void triggered(int id);

private:
    QAction* makeAction(int id, const QString& text, QObject* parent);
    QMenu* buildMenu(const PackMenuItem& popup, QWidget* parent);

    const MenuPack& m_pack;
    QSet<int> m_toggles;
    QWidget* m_window;
    QMultiHash<int, QAction*> m_actions;
    QSet<int> m_disabled;
    QSet<int> m_checked;
};
