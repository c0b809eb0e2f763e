#include "HelpFiles.h"

#include <QHelpEngineCore>
#include <QTemporaryDir>

QString builtHelpFile(const char* name) {
    return QStringLiteral(PROGRAM_BIN_DIR "/") + QLatin1String(name);
}

QString pageText(const QString& helpFile, const QUrl& url) {
    QTemporaryDir dir;
    QHelpEngineCore engine(dir.filePath(QStringLiteral("pages.qhc")));
    engine.setReadOnly(false);
    engine.setupData();
    engine.registerDocumentation(helpFile);
    return QString::fromUtf8(engine.fileData(url));
}

QList<HelpTestClass>& helpTestClasses() {
    static QList<HelpTestClass> classes;
    return classes;
}
