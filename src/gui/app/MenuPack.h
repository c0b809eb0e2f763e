#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// One entry of a pack menu: a command (id > 0), a separator, or a popup that holds
// further entries.
struct PackMenuItem {
    int id = 0;
    QString text; // may carry "\t" followed by the shortcut shown at the right
    bool separator = false;
    QList<PackMenuItem> items;

    bool isPopup() const { return !separator && id == 0; }
};

struct PackAccelerator {
    QString key; // as QKeySequence reads it, e.g. "Ctrl+N"
    int id = 0;
};

// The status-bar prompt and the tool tip of a command.
struct PackPrompt {
    QString status;
    QString tip;
};

// The menus, accelerator tables, toolbars and command prompts of a language pack,
// read from its menus.json. Reading never trusts the file: entries of the wrong
// shape are skipped, and only a document that is not a JSON object, or that lacks
// the document menu, is refused.
class MenuPack {
public:
    static std::optional<MenuPack> parse(const QByteArray& json, QString* error = nullptr);

    // The popups of a menu bar resource; empty when the pack has no such menu.
    QList<PackMenuItem> menu(int id) const { return m_menus.value(id); }
    QList<PackAccelerator> accelerators(int id) const { return m_accelerators.value(id); }
    // Command ids of a toolbar in order; 0 stands for a separator.
    QList<int> toolbar(int id) const { return m_toolbars.value(id); }
    PackPrompt prompt(int id) const { return m_prompts.value(id); }

    // Popups nest at most this deep; deeper entries are dropped.
    static constexpr int MaxDepth = 8;

private:
    QHash<int, QList<PackMenuItem>> m_menus;
    QHash<int, QList<PackAccelerator>> m_accelerators;
    QHash<int, QList<int>> m_toolbars;
    QHash<int, PackPrompt> m_prompts;
};
