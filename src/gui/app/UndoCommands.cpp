#include "app/UndoCommands.h"

#include "app/CommandActions.h"
#include "common/CommandIds.h"
#include "model/DocumentFrame.h"
#include "model/MyDocManager.h"
#include "model/ProgramDoc.h"

#include <QAction>
#include <QUndoStack>

namespace {

// The menu text of the pack, kept on the action before it is first named.
constexpr const char* PackText = "packText";

void name(QAction* action, const QString& step) {
    if (!action->property(PackText).isValid())
        action->setProperty(PackText, action->text());
    const QString text = action->property(PackText).toString();
    if (text.isEmpty())
        return; // an accelerator, not a menu item
    // "&Undo\tCtrl+Z" becomes "&Undo Paste\tCtrl+Z".
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString label = tab < 0 ? text : text.left(tab);
    const QString key = tab < 0 ? QString() : text.mid(tab);
    action->setText(step.isEmpty() ? text : label + QLatin1Char(' ') + step + key);
}

} // namespace

UndoCommands::UndoCommands(CommandActions& commands, CMyDocManager& documents, QObject* parent)
    : QObject(parent), m_commands(commands), m_documents(documents) {
    connect(&documents, &CMyDocManager::activeFrameChanged, this, &UndoCommands::follow);
    // After the main frame has enabled every command again at the end of a transfer.
    connect(&documents, &CMyDocManager::transferRunningChanged, this, &UndoCommands::refresh);
    follow();
}

void UndoCommands::follow() {
    disconnect(m_following);
    DocumentFrame* frame = m_documents.activeFrame();
    if (frame)
        m_following = connect(frame->document()->undoStack(), &QUndoStack::indexChanged, this,
                              &UndoCommands::refresh);
    refresh();
}

void UndoCommands::refresh() {
    DocumentFrame* frame = m_documents.activeFrame();
    const QUndoStack* history = frame ? frame->document()->undoStack() : nullptr;
    const bool idle = !m_documents.transferRunning();
    const bool canUndo = history && history->canUndo();
    const bool canRedo = history && history->canRedo();
    m_commands.setEnabled(command::EditUndo, idle && canUndo);
    m_commands.setEnabled(command::EditRedo, idle && canRedo);
    for (QAction* action : m_commands.actionsOf(command::EditUndo))
        name(action, canUndo ? history->undoText() : QString());
    for (QAction* action : m_commands.actionsOf(command::EditRedo))
        name(action, canRedo ? history->redoText() : QString());
}
