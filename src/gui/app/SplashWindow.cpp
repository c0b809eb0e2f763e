#include "app/SplashWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QScreen>

SplashWindow::SplashWindow(const QPixmap& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_picture(picture) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &SplashWindow::finish);
}

SplashWindow::~SplashWindow() {
    qApp->removeEventFilter(this);
}

void SplashWindow::start(int displayMs) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    m_running = true;
    qApp->installEventFilter(this);
    show();
    m_timer.start(displayMs);
}

void SplashWindow::waitUntilClosed() {
    if (!m_running)
        return;
    QEventLoop loop;
    connect(this, &SplashWindow::finished, &loop, &QEventLoop::quit);
    loop.exec();
}

void SplashWindow::finish() {
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    qApp->removeEventFilter(this);
    hide();
    emit finished();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        finish();
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
