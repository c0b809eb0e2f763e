#pragma once

#include "common/CommandIds.h"

#include <QList>
#include <QString>

// The help contexts the program asks for, in one place. A context is the number a
// command, F1 or a dialog hands to the help file; each one leads to the topic that
// explains it, in both help files.
namespace helpcontext {

// Help Topics: the help file's first page.
inline constexpr int DefaultTopic = 0;
// F1 in the main window away from menus and dialogs asks for the window of the
// document frame; window contexts lie above those of the commands.
inline constexpr int MainWindow = 0x10000 + command::MenuDocument;

// The help file for each language of a run.
inline constexpr const char* EnglishHelpFile = "enHelp.qch";
inline constexpr const char* ChineseHelpFile = "chHelp.qch";

// Key Assignment is explained only in the English help file, whatever the
// language of the run.
QString keyAssignmentHelpFile();

// Every context the program can request, each once and in ascending order: the
// commands of the menus, the main window, the controls of the dialogs that exist,
// and the editors of the channel grid.
QList<int> all();

} // namespace helpcontext
