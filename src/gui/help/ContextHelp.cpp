#include "help/ContextHelp.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"
#include "help/HelpContexts.h"
#include "help/HelpWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>

namespace {

int buttonBoxId(const QAbstractButton* button) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    if (!box)
        return 0;
    switch (box->buttonRole(const_cast<QAbstractButton*>(button))) {
    case QDialogButtonBox::AcceptRole:
    case QDialogButtonBox::YesRole:
        return control::OkButton;
    case QDialogButtonBox::RejectRole:
    case QDialogButtonBox::NoRole:
        return control::CancelButton;
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

int contextProperty(const QWidget* widget) {
    return widget->property(helpproperty::Context).toInt();
}

bool inDialog(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (qobject_cast<const QDialog*>(widget))
            return true;
    }
    return false;
}

// In a dialog, the first control up from the focus that carries a context or an id;
// the dialog may name another help file.
ContextHelp::Request dialogRequest(const QWidget& dialog, const QList<QWidget*>& path) {
    int focused = 0;
    for (const QWidget* widget : path) {
        if (const int context = contextProperty(widget); context > 0) {
            focused = context;
            break;
        }
        if ((focused = ContextHelp::controlId(widget)) != 0)
            break;
    }
    return {true, dialog.property(helpproperty::File).toString(), focused};
}

} // namespace

int ContextHelp::controlId(const QWidget* widget) {
    if (const int id = widget->property(helpproperty::ControlId).toInt(); id > 0)
        return id;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        if (button->group() && button->group()->id(const_cast<QAbstractButton*>(button)) > 0)
            return button->group()->id(const_cast<QAbstractButton*>(button));
        return buttonBoxId(button);
    }
    return 0;
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
        if (dynamic_cast<HelpWindow*>(widget))
            return {};
        if (const auto* source = dynamic_cast<const HelpContextSource*>(widget))
            return runFile(source->helpContextFor(target));
        if (qobject_cast<QDialog*>(widget))
            return dialogRequest(*widget, path);
        if (const int context = contextProperty(widget); context > 0 && !inDialog(widget))
            return runFile(context);
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
