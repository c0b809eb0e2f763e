#include "app/ProgramRestarter.h"

#include <QFileInfo>
#include <QProcess>

void DetachedRestarter::restart(const QString& executable) {
    QProcess::startDetached(executable, {}, QFileInfo(executable).absolutePath());
}
