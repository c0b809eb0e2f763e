#include "app/DocumentCommands.h"

#include "common/CommandIds.h"
#include "features/KeyAssignDlg.h"
#include "features/MskDlg.h"
#include "features/OptionalFeaturesDlg.h"
#include "model/ProgramDoc.h"

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
    default:
        return false;
    }
}
