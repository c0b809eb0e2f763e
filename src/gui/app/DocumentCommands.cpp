#include "app/DocumentCommands.h"

#include "common/CommandIds.h"
#include "features/KeyAssignDlg.h"
#include "features/MskDlg.h"
#include "features/OptionalFeaturesDlg.h"
#include "model/ProgramDoc.h"
#include "service/ParamAdjustDlg.h"
#include "service/ServicePasswordDlg.h"
#include "service/SoftwareInfoDlg.h"
#include "service/SqlTuningDlg.h"

#include <QWidget>

namespace {

// A service dialog hands back what it keeps even after Cancel: what its Read
// brought from the radio, or what its Write stored, is the radio's now.
template <class Dialog> void runServiceDialog(Dialog& dialog, CProgramDoc& doc) {
    dialog.exec();
    if (const auto kept = dialog.imageToKeep())
        doc.applyEdit(dialog.windowTitle(), *kept);
}

} // namespace

bool runDocumentCommand(int id, CProgramDoc& doc, QWidget* parent, const ServicePort& port) {
    // Each editor works on a copy of the image and hands it back through
    // CProgramDoc::applyEdit, which makes the change one step of the document.
    switch (id) {
    case command::OptionalFeatures:
        COptionalFeaturesDlg::edit(doc, parent);
        return true;
    case command::Msk:
        CMskDlg::edit(doc, parent);
        return true;
    case command::KeyAssignment:
        CKeyAssignDlg::edit(doc, parent);
        return true;
    case command::SquelchTuning: {
        SqlTuningDlg dialog(doc.image(), doc.state(), port, parent);
        runServiceDialog(dialog, doc);
        return true;
    }
    case command::ParameterAdjust: {
        // The access code is asked for at every opening.
        ServicePasswordDlg password(parent);
        if (password.exec() != QDialog::Accepted)
            return true;
        ParamAdjustDlg dialog(doc.image(), doc.state(), port, parent);
        runServiceDialog(dialog, doc);
        return true;
    }
    case command::SoftwareInfo: {
        // The dialog sets the program's band limits, which are this (the active)
        // document's.
        SoftwareInfoDlg dialog(doc.image(), doc.state(), port, parent);
        runServiceDialog(dialog, doc);
        return true;
    }
    default:
        return false;
    }
}
