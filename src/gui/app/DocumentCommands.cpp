#include "app/DocumentCommands.h"

#include "app/ProgramState.h"
#include "common/CommandIds.h"
#include "features/KeyAssignDlg.h"
#include "features/MskDlg.h"
#include "features/OptionalFeaturesDlg.h"
#include "model/ProgramDoc.h"
#include "signalling/DtmfDlg.h"
#include "signalling/TwoToneDlg.h"

#include <QWidget>

bool runDocumentCommand(int id, CProgramDoc& doc, QWidget* parent) {
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
    case command::Dtmf: {
        CDtmfDlg dialog(doc.image(), doc.state().language, parent);
        dialog.exec();
        doc.applyEdit(dialog.windowTitle(), dialog.image());
        return true;
    }
    case command::TwoTone: {
        CTwoToneDlg dialog(doc.image(), parent);
        dialog.exec();
        doc.applyEdit(dialog.windowTitle(), dialog.image());
        return true;
    }
    default:
        return false;
    }
}
