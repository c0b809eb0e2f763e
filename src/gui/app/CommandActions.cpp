#include "app/CommandActions.h"

#include "app/ToolbarIcons.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QToolBar>
#include <QWidget>

CommandActions::CommandActions(const MenuPack& pack, QSet<int> toggles, QWidget* window)
    : QObject(window), m_pack(pack), m_toggles(std::move(toggles)), m_window(window) {}

QAction* CommandActions::makeAction(int id, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    const PackPrompt prompt = m_pack.prompt(id);
    action->setStatusTip(prompt.status);
    action->setToolTip(prompt.tip.isEmpty() ? prompt.status : prompt.tip);
    action->setData(id);
    action->setCheckable(m_toggles.contains(id));
    action->setChecked(m_checked.contains(id));
    action->setEnabled(!m_disabled.contains(id));
    connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
    connect(action, &QObject::destroyed, this,
            [this, id, action] { m_actions.remove(id, action); });
    m_actions.insert(id, action);
    return action;
}

QMenu* CommandActions::buildMenu(const PackMenuItem& popup, QWidget* parent) {
    auto* menu = new QMenu(popup.text, parent);
    for (const PackMenuItem& item : popup.items) {
        if (item.separator)
            menu->addSeparator();
        else if (item.isPopup())
            menu->addMenu(buildMenu(item, menu));
        else
            menu->addAction(makeAction(item.id, item.text, menu));
    }
    return menu;
}

QList<QMenu*> CommandActions::buildMenus(int menuId) {
    QList<QMenu*> menus;
    for (const PackMenuItem& popup : m_pack.menu(menuId)) {
        if (popup.isPopup())
            menus.append(buildMenu(popup, m_window));
    }
    return menus;
}

void CommandActions::fillToolbar(QToolBar* toolbar, int toolbarId) {
    for (int id : m_pack.toolbar(toolbarId)) {
        if (id == 0) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = makeAction(id, m_pack.prompt(id).tip, toolbar);
        action->setIcon(toolbarIcon(id));
        toolbar->addAction(action);
    }
}

void CommandActions::installAccelerators(int tableId) {
    for (const PackAccelerator& accelerator : m_pack.accelerators(tableId)) {
        const QKeySequence key(accelerator.key);
        if (key.isEmpty())
            continue;
        QAction* action = makeAction(accelerator.id, QString(), m_window);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        // A key toggles the command; its check mark lives on the menu items.
        action->setCheckable(false);
        m_window->addAction(action);
    }
}

void CommandActions::removeFromMenu(QMenu* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (!action->menu() && !action->isSeparator() && action->data().toInt() == id)
            delete action;
    }
}

void CommandActions::setEnabled(int id, bool enabled) {
    if (enabled)
        m_disabled.remove(id);
    else
        m_disabled.insert(id);
    for (QAction* action : m_actions.values(id))
        action->setEnabled(enabled);
}

void CommandActions::setChecked(int id, bool checked) {
    if (checked)
        m_checked.insert(id);
    else
        m_checked.remove(id);
    for (QAction* action : m_actions.values(id)) {
        if (action->isCheckable())
            action->setChecked(checked);
    }
}
