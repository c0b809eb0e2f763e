#include "ShellTestSupport.h"

#include "app/MainFrame.h"

#include <QApplication>
#include <QMenu>

CMainFrame* findMainFrame() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(widget))
            return frame;
    }
    return nullptr;
}

QMenu* documentMenu(CMainFrame& frame, const QString& title) {
    for (QMenu* menu : frame.documentMenus()) {
        if (menu->title() == title)
            return menu;
    }
    return nullptr;
}

QList<int> commandIds(const QMenu& menu) {
    QList<int> ids;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && !action->menu())
            ids.append(action->data().toInt());
    }
    return ids;
}
