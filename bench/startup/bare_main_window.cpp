// An empty QMainWindow, shown maximised: the least any Qt Widgets program does
// before its first window appears.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.showMaximized();
    return QApplication::exec();
}
