#include "common/ProgramModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace programmodule {

QFunctionPointer resolve(const QString& name, const char* symbol, QString* error) {
    const QString file = QStringLiteral("lib") + name + QStringLiteral(".so");
    const QString folder = QCoreApplication::applicationDirPath();
    const QString candidates[] = {folder + QLatin1Char('/') + file,
                                  folder + QStringLiteral("/../lib/program/") + file};
    QString reason;
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path))
            continue;
        // Never unloaded: the windows a module makes live until the program ends.
        QLibrary library(path);
        if (QFunctionPointer function = library.resolve(symbol))
            return function;
        reason = library.errorString();
    }
    if (error)
        *error = reason.isEmpty()
                     ? QCoreApplication::translate("ProgramModule", "%1 was not found beside the "
                                                                    "program nor in %2.")
                           .arg(file, folder + QStringLiteral("/../lib/program"))
                     : reason;
    return nullptr;
}

} // namespace programmodule
