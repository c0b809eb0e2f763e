#include "model/BackupCopies.h"

#include "model/DatFile.h"

#include "model/FilePaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString BackupCopies::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/backups");
}

QString BackupCopies::fileNameFor(const QDateTime& when) {
    return QStringLiteral("read-%1.dat").arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

BackupCopies::Result BackupCopies::saveReadCopy(const program::CodeplugImage& image,
                                                const QDateTime& when) {
    Result result;
    const QString dir = folder();
    if (!QDir().mkpath(dir)) {
        result.path = dir;
        result.error =
            QCoreApplication::translate("BackupCopies", "the folder could not be created");
        return result;
    }
    // Two reads within one second get "-2", "-3"... instead of replacing a copy.
    const QString base = fileNameFor(when);
    QString path = dir + QLatin1Char('/') + base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = dir + QLatin1Char('/') + QFileInfo(base).completeBaseName() +
               QStringLiteral("-%1.dat").arg(n);

    result.path = path;
    if (auto error = program::saveDatFile(toFilesystemPath(path), image)) {
        result.error = QString::fromStdString(error->detail);
        return result;
    }
    result.ok = true;
    return result;
}
