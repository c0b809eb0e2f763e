#include "app/ProgramApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return CProgramApp::run(QApplication::arguments());
}
