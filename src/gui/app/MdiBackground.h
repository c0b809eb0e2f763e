#pragma once

#include <QPixmap>
#include <QString>

class QMdiArea;

// The picture tiled behind the document windows: the program's "background.bmp"
// when it loads, else the picture built into the program.
class MdiBackground {
public:
    static QPixmap picture(const QString& pictureFile);
    static QPixmap builtInPicture();
    // Tiles the picture from the top-left corner of the document area.
    static void apply(QMdiArea& area, const QString& pictureFile);
};
