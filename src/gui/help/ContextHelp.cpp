#include "help/ContextHelp.h"

#include "app/ControlIds.h"
#include "app/NavigationBar.h"
#include "channels/ChannelControlIds.h"
#include "channels/ChannelEditors.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelTableModel.h"
#include "help/HelpContexts.h"
#include "help/HelpViewer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHash>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QRegularExpression>

namespace {

// The buttons every dialog shares.
constexpr int OkButton = 1;
constexpr int CancelButton = 2;

QHash<const QObject*, ContextHelp::DialogRule>& dialogRules() {
    static QHash<const QObject*, ContextHelp::DialogRule> rules;
    return rules;
}

int buttonBoxId(const QAbstractButton* button) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    if (!box)
        return 0;
    switch (box->buttonRole(const_cast<QAbstractButton*>(button))) {
    case QDialogButtonBox::AcceptRole:
    case QDialogButtonBox::YesRole:
        return OkButton;
    case QDialogButtonBox::RejectRole:
    case QDialogButtonBox::NoRole:
        return CancelButton;
    default:
        return 0;
    }
}

bool isF1(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

ContextHelp::Request runFile(int context) {
    return {true, QString(), context};
}

// The grid's editors that serve two columns name the column; the others, and the
// grid itself, their own ids.
ContextHelp::Request gridRequest(const ChannelGrid& grid, const QList<QWidget*>& path) {
    QWidget* editor = grid.openEditor();
    if (editor && path.contains(editor))
        return runFile(ChannelEditors::helpContext(
            editor, ChannelTableModel::tableColumn(grid.openEditorIndex())));
    return runFile(gridcontrol::Grid);
}

ContextHelp::Request dialogRequest(const QWidget& dialog, const QList<QWidget*>& path) {
    int focused = 0;
    for (const QWidget* widget : path) {
        if ((focused = ContextHelp::controlId(widget)) != 0)
            break;
    }
    const auto rule = dialogRules().constFind(&dialog);
    if (rule == dialogRules().constEnd())
        return runFile(focused);
    return {true, rule->helpFile, rule->context ? rule->context(focused) : focused};
}

} // namespace

void ContextHelp::setControlId(QWidget* widget, int id) {
    widget->setProperty(ControlIdProperty, id);
}

int ContextHelp::controlId(const QWidget* widget) {
    if (const int id = widget->property(ControlIdProperty).toInt(); id > 0)
        return id;
    static const QRegularExpression named(QStringLiteral("^control(\\d+)$"));
    if (const QRegularExpressionMatch match = named.match(widget->objectName()); match.hasMatch())
        return match.captured(1).toInt();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->group() && button->group()->id(const_cast<QAbstractButton*>(button)) > 0)
            return button->group()->id(const_cast<QAbstractButton*>(button));
        return buttonBoxId(button);
    }
    return 0;
}

void ContextHelp::setDialogRule(QWidget* dialog, DialogRule rule) {
    dialogRules().insert(dialog, std::move(rule));
    QObject::connect(dialog, &QObject::destroyed,
                     [dialog] { dialogRules().remove(static_cast<QObject*>(dialog)); });
}

ContextHelp::Request ContextHelp::requestFor(QWidget* target) {
    if (!target)
        return {};
    if (auto* menu = qobject_cast<QMenu*>(target)) {
        const QAction* item = menu->activeAction();
        if (item && !item->menu() && item->data().toInt() > 0)
            return runFile(item->data().toInt());
        return runFile(helpcontext::MainWindow);
    }
    // Up from the target to the window that decides; popups (a list's drop-down)
    // count as part of the widget that opened them.
    QList<QWidget*> path;
    for (QWidget* widget = target; widget; widget = widget->parentWidget()) {
        path.append(widget);
        if (qobject_cast<HelpViewer*>(widget))
            return {};
        if (const auto* grid = qobject_cast<ChannelGrid*>(widget))
            return gridRequest(*grid, path);
        if (qobject_cast<NavigationBar*>(widget))
            return runFile(control::NavigationTree);
        if (qobject_cast<QDialog*>(widget))
            return dialogRequest(*widget, path);
        if (qobject_cast<QMainWindow*>(widget))
            return runFile(helpcontext::MainWindow);
    }
    return {};
}

ContextHelp::ContextHelp(QObject* parent) : QObject(parent) {}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    if (!isF1(event) || !watched->isWidgetType())
        return false;
    // The key goes to the widget with the keyboard focus, or to an open popup.
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = static_cast<QWidget*>(watched);
    const Request request = requestFor(target);
    if (!request.valid)
        return false;
    // Taking the shortcut check keeps the window's own F1 accelerator out; the key
    // press that follows asks for the help.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (qobject_cast<QMenu*>(target)) {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
    emit helpRequested(request.helpFile, request.context);
    return true;
}
