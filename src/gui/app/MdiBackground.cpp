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

QPixmap MdiBackground::picture(const QString& pictureFile) {
    QPixmap fromFile(pictureFile);
    return fromFile.isNull() ? builtInPicture() : fromFile;
}

void MdiBackground::apply(QMdiArea& area, const QString& pictureFile) {
    area.setBackground(QBrush(picture(pictureFile)));
}
