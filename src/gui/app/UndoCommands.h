#pragma once

#include <QMetaObject>
#include <QObject>

class CMyDocManager;
class CommandActions;

// Keeps Edit > Undo and Edit > Redo in step with the active document's history:
// enabled while there is a step to undo or redo, and named after it ("Undo
// Paste"), in the menus of the language pack.
class UndoCommands : public QObject {
    Q_OBJECT
public:
    UndoCommands(CommandActions& commands, CMyDocManager& documents, QObject* parent = nullptr);

    void refresh();

private:
    void follow();

    CommandActions& m_commands;
    CMyDocManager& m_documents;
    QMetaObject::Connection m_following;
};
