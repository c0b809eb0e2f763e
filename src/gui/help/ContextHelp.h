#pragma once

#include <QObject>
#include <QString>

class QWidget;

// F1, wherever the keyboard focus is: a highlighted menu item asks for its command,
// the channel grid for the editor of its current cell, the navigation bar for
// itself, a dialog for the control that has the focus (or what the dialog's own
// rule makes of it), and the rest of the main window for the main window.
class ContextHelp : public QObject {
    Q_OBJECT
public:
    // The control id of a widget; 0 when it has none. Controls carry it in the
    // property helpproperty::ControlId; button groups number their buttons, and the
    // OK and Cancel of a button box are 1 and 2.
    static int controlId(const QWidget* widget);

    struct Request {
        bool valid = false;
        QString helpFile; // empty: the help file of the run
        int context = 0;
    };
    // What F1 asks for when it is pressed in `target` (the focus widget, or an open
    // popup).
    static Request requestFor(QWidget* target);

    explicit ContextHelp(QObject* parent = nullptr);

signals:
    void helpRequested(const QString& helpFile, int context);

protected:
    // Installed on the application: takes F1 before the window's shortcuts do.
    bool eventFilter(QObject* watched, QEvent* event) override;
};
