// An empty QMainWindow, shown maximised: the least any Qt Widgets program does
// before its first window appears. With --with-text it also shows one line of
// text in a status bar, which is what starting the font system costs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    if (QApplication::arguments().contains(QStringLiteral("--with-text")))
        window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
    window.showMaximized();
    return QApplication::exec();
}
