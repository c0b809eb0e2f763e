#include "app/NavigationTitleBar.h"

#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

// A small cross in the colour of the caption text.
QIcon closeIcon(const QColor& colour) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2.5, 2.5), QPointF(9.5, 9.5));
    painter.drawLine(QPointF(9.5, 2.5), QPointF(2.5, 9.5));
    return QIcon(pixmap);
}

} // namespace

NavigationTitleBar::NavigationTitleBar(const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption), m_close(new QToolButton(this)) {
    m_close->setAutoRaise(true);
    m_close->setIcon(closeIcon(palette().color(QPalette::WindowText)));
    m_close->setIconSize(QSize(12, 12));
    m_close->setToolTip(tr("Close"));
    m_close->setFocusPolicy(Qt::NoFocus);
    connect(m_close, &QToolButton::clicked, this, &NavigationTitleBar::closeClicked);
}

QSize NavigationTitleBar::sizeHint() const {
    return QSize(100, Height);
}

QSize NavigationTitleBar::minimumSizeHint() const {
    return QSize(0, Height);
}

void NavigationTitleBar::resizeEvent(QResizeEvent*) {
    const int side = Height - 4;
    m_close->setGeometry(width() - side - 3, 2, side, side);
    m_close->setVisible(width() > 2 * side);
}

void NavigationTitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int right = m_close->isVisible() ? m_close->x() - 2 : width();
    const QRect captionRect(5, 0, qMax(0, right - 5), Height);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(m_caption, Qt::ElideRight, captionRect.width()));
    painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawLine(1, Height - 1, width() - 1, Height - 1);
}
