#include "print/PrintCommands.h"

#include "common/ProgramModule.h"

#include <QCoreApplication>
#include <QMessageBox>

PrintCommands* printCommandsOf(QWidget* owner) {
    QString error;
    const auto sessionOf = reinterpret_cast<PrintSessionOf>(
        programmodule::resolve(QString::fromLatin1(PrintModule), PrintSessionOfSymbol, &error));
    if (!sessionOf) {
        QMessageBox::warning(
            owner, QString(),
            QCoreApplication::translate("PrintCommands", "Printing cannot be started: %1")
                .arg(error));
        return nullptr;
    }
    return sessionOf(owner);
}
