#include "app/ToolbarIcons.h"

#include "common/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 24;

// An icon drawn by `draw` on a transparent square, with smooth edges.
template <typename Draw> QIcon drawnIcon(Draw draw) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
    }
    return QIcon(pixmap);
}

// A tray with an arrow going into it (read from the radio) or out of it (write).
QIcon transferIcon(bool intoTray, const QColor& arrowColour) {
    return drawnIcon([&](QPainter& painter) {
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
    });
}

QIcon printerIcon() {
    return drawnIcon([&](QPainter& painter) {
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
    });
}

// A sheet of paper with its top-right corner folded.
QIcon newIcon() {
    return drawnIcon([&](QPainter& painter) {
        painter.setPen(QPen(QColor(90, 90, 100), 1));
        painter.setBrush(Qt::white);
        painter.drawPolygon(
            QPolygonF({{5.5, 2.5}, {14.5, 2.5}, {19.5, 7.5}, {19.5, 21.5}, {5.5, 21.5}}));
        painter.setBrush(QColor(220, 220, 228));
        painter.drawPolygon(QPolygonF({{14.5, 2.5}, {14.5, 7.5}, {19.5, 7.5}}));
    });
}

QIcon openIcon() {
    return drawnIcon([&](QPainter& painter) {
        painter.setPen(QPen(QColor(150, 110, 30), 1));
        painter.setBrush(QColor(230, 180, 70));
        painter.drawPolygon(QPolygonF(
            {{2.5, 5.5}, {9.5, 5.5}, {11.5, 7.5}, {20.5, 7.5}, {20.5, 19.5}, {2.5, 19.5}}));
        painter.setBrush(QColor(245, 205, 110));
        painter.drawPolygon(QPolygonF({{2.5, 19.5}, {5.5, 10.5}, {22.5, 10.5}, {20.5, 19.5}}));
    });
}

QIcon saveIcon() {
    return drawnIcon([&](QPainter& painter) {
        painter.setPen(QPen(QColor(30, 50, 90), 1));
        painter.setBrush(QColor(60, 100, 170));
        painter.drawPolygon(
            QPolygonF({{3.5, 3.5}, {18.5, 3.5}, {20.5, 5.5}, {20.5, 20.5}, {3.5, 20.5}}));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(6, 4, 11, 6)); // label
        painter.setBrush(QColor(200, 205, 215));
        painter.drawRect(QRectF(7, 14, 10, 6)); // shutter
        painter.setBrush(QColor(60, 100, 170));
        painter.drawRect(QRectF(13, 15, 2, 4));
    });
}

QIcon aboutIcon() {
    return drawnIcon([&](QPainter& painter) {
        painter.setPen(QPen(QColor(20, 70, 150), 1));
        painter.setBrush(QColor(50, 120, 210));
        painter.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(12, 7.5), 1.6, 1.6);
        painter.drawRoundedRect(QRectF(10.5, 10.5, 3, 8), 1, 1);
    });
}

} // namespace

QIcon toolbarIcon(int commandId) {
    switch (commandId) {
    case command::FileNew:
        return newIcon();
    case command::FileOpen:
        return openIcon();
    case command::FileSave:
        return saveIcon();
    case command::Read:
        return transferIcon(true, QColor(40, 150, 70));
    case command::Write:
        return transferIcon(false, QColor(210, 110, 30));
    case command::FilePrint:
        return printerIcon();
    case command::About:
        return aboutIcon();
    default:
        return QIcon();
    }
}
