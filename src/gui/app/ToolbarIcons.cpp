#include "app/ToolbarIcons.h"

#include "app/CommandIds.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace {

constexpr int Size = 24;

QPixmap canvas() {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A tray with an arrow going into it (read from the radio) or out of it (write).
QIcon transferIcon(bool intoTray, const QColor& arrowColour) {
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 90, 90), 2));
    painter.drawPolyline(QPolygonF({{3, 15}, {3, 21}, {21, 21}, {21, 15}}));

    QPainterPath arrow;
    const double tip = intoTray ? 17 : 2;
    const double base = intoTray ? 10 : 9;
    const double tail = intoTray ? 2 : 17;
    arrow.moveTo(12, tip);
    arrow.lineTo(5, base);
    arrow.lineTo(9.5, base);
    arrow.lineTo(9.5, tail);
    arrow.lineTo(14.5, tail);
    arrow.lineTo(14.5, base);
    arrow.lineTo(19, base);
    arrow.closeSubpath();
    painter.setPen(QPen(arrowColour.darker(140), 1));
    painter.setBrush(arrowColour);
    painter.drawPath(arrow);
    return QIcon(pixmap);
}

QIcon printerIcon() {
    QPixmap pixmap = canvas();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(7.5, 2.5, 9, 7)); // paper going in
    painter.setBrush(QColor(150, 150, 160));
    painter.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(6.5, 15.5, 11, 6)); // printed page
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.drawLine(QPointF(8.5, 18), QPointF(15.5, 18));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 170, 60));
    painter.drawEllipse(QPointF(18.5, 12.5), 1.2, 1.2);
    return QIcon(pixmap);
}

QIcon standard(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

} // namespace

QIcon toolbarIcon(int commandId) {
    switch (commandId) {
    case command::FileNew:
        return standard(QStyle::SP_FileIcon);
    case command::FileOpen:
        return standard(QStyle::SP_DialogOpenButton);
    case command::FileSave:
        return standard(QStyle::SP_DialogSaveButton);
    case command::Read:
        return transferIcon(true, QColor(40, 150, 70));
    case command::Write:
        return transferIcon(false, QColor(210, 110, 30));
    case command::FilePrint:
        return printerIcon();
    case command::About:
        return standard(QStyle::SP_MessageBoxInformation);
    default:
        return QIcon();
    }
}
