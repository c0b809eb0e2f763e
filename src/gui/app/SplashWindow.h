#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

// A borderless picture in the middle of the screen while the program starts. It
// closes when its time is up, or at the first key press or mouse click anywhere in
// the program; that key or click does nothing else.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int DisplayMs = 1000;

    explicit SplashWindow(const QPixmap& picture);
    ~SplashWindow() override;

    // Shows the picture centred on the screen and starts the timer.
    void start(int displayMs = DisplayMs);
    // Runs the events of the program until the splash has closed.
    void waitUntilClosed();

signals:
    void finished();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    QPixmap m_picture;
    QTimer m_timer;
    bool m_running = false;
};
