// An empty QMainWindow, shown maximised: the least any Qt Widgets program does
// before its first window appears. With --with-text it also shows one line of
// text in a status bar, which is what starting the font system costs. Like
// Program, it covers the screen where no window manager maximises it (a virtual
// X server), so both pay for a window of the same size.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    if (QApplication::arguments().contains(QStringLiteral("--with-text")))
        window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
    if (const QScreen* screen = window.screen())
        window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return QApplication::exec();
}
