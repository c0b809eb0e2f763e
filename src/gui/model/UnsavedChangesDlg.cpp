#include "model/UnsavedChangesDlg.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

UnsavedChangesDlg::Answer UnsavedChangesDlg::ask(QWidget* parent, const QString& caption,
                                                 const QString& documentName, Occasion occasion) {
    const auto tr = [](const char* text) {
        return QCoreApplication::translate("UnsavedChangesDlg", text);
    };
    QMessageBox box(QMessageBox::Warning, caption,
                    tr("\"%1\" holds changes that were not saved.").arg(documentName),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(occasion == Occasion::DocumentCleared
                               ? tr("Save them before the document is cleared?")
                               : tr("Save them before the program closes?"));
    QPushButton* save = box.addButton(tr("Save"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(tr("Discard"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(tr("Cancel"), QMessageBox::RejectRole);
    // A message box keeps the desktop's look of a question; its buttons are named by
    // their texts, and F1 on any of them explains all three answers.
    for (QPushButton* button : {save, discard, cancel})
        helpproperty::setContext(button, control::UnsavedChangesQuestion);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save)
        return Answer::Save;
    if (box.clickedButton() == discard)
        return Answer::Discard;
    return Answer::Cancel;
}
