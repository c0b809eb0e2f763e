#include "app/MdiBackground.h"

#include <QBrush>
#include <QMdiArea>

static void initShellResources() {
    Q_INIT_RESOURCE(shell);
}

QPixmap MdiBackground::builtInPicture() {
    initShellResources();
    return QPixmap(QStringLiteral(":/shell/background.png"));
}

QPixmap MdiBackground::picture(const QString& programDirectory) {
    QPixmap fromFile(programDirectory + QStringLiteral("background.bmp"));
    return fromFile.isNull() ? builtInPicture() : fromFile;
}

void MdiBackground::apply(QMdiArea& area, const QString& programDirectory) {
    area.setBackground(QBrush(picture(programDirectory)));
}
