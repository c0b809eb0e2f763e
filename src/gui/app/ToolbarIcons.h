#pragma once

#include <QIcon>

// The picture of a toolbar button by command id; a null icon for a command that
// has none (the button then shows its text).
QIcon toolbarIcon(int commandId);
