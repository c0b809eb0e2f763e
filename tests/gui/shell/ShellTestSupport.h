#pragma once

#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"
#include "support/ProgramFolder.h"

#include <QList>
#include <QString>

class CMainFrame;
class QMenu;

using testsupport::ModalAnswerer;
using testsupport::ProgramFolder;

CMainFrame* findMainFrame();
// The popup of the document menu bar titled `title`, and its command ids in order.
QMenu* documentMenu(CMainFrame& frame, const QString& title);
QList<int> commandIds(const QMenu& menu);
