#include "app/DocumentCommands.h"

#include "app/FrameHost.h"
#include "app/MainFrame.h"
#include "app/ProgramState.h"
#include "common/CommandIds.h"
#include "common/SettingsText.h"
#include "exchange/CsvExchange.h"
#include "features/KeyAssignDlg.h"
#include "features/MskDlg.h"
#include "features/OptionalFeaturesDlg.h"
#include "model/ProgramDoc.h"
#include "print/PrintCommands.h"
#include "service/ParamAdjustDlg.h"
#include "service/ServicePasswordDlg.h"
#include "service/SoftwareInfoDlg.h"
#include "service/SqlTuningDlg.h"
#include "signalling/DtmfDlg.h"
#include "signalling/TwoToneDlg.h"

#include <QWidget>

namespace {

// The listing of the document as it stands, with the owner text of the footer
// from the language's section of the settings.
program::print::Listing listingOf(const CProgramDoc& doc, QWidget* parent) {
    QString owner;
    if (auto* frame = qobject_cast<CMainFrame*>(parent))
        owner = frame->host().languageSetting("Copyrights Owner");
    return {doc.image(), doc.table(), doc.state().language, owner.toStdString()};
}

// Print, Print Preview and Export PDF list the document as it stands: a cell still
// being typed into is committed first, as a save commits it. A cell the grid
// refuses (it has said why) prints nothing.
void printListing(int id, CProgramDoc& doc, QWidget* parent) {
    if (!doc.commitPendingEdit())
        return;
    PrintCommands* session = printCommandsOf(parent);
    if (!session)
        return;
    session->setMessageCaption(captionFromSettings(doc.state().messageCaption));
    const program::print::Listing listing = listingOf(doc, parent);
    if (id == command::FilePrint)
        session->print(listing, parent);
    else if (id == command::FilePrintPreview)
        session->preview(listing, parent);
    else
        session->exportPdf(listing, parent);
}

// A service dialog hands back what it keeps even after Cancel: what its Read
// brought from the radio, or what its Write stored, is the radio's now.
template <class Dialog> void runServiceDialog(Dialog& dialog, CProgramDoc& doc) {
    dialog.exec();
    if (const auto kept = dialog.imageToKeep())
        doc.applyEdit(dialog.windowTitle(), *kept);
}

// The signalling dialogs have no OK or Cancel: closing them keeps what their
// pages stored.
template <class Dialog> void runTabbedDialog(Dialog& dialog, CProgramDoc& doc) {
    dialog.exec();
    doc.applyEdit(dialog.windowTitle(), dialog.image());
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
    case command::FilePrint:
    case command::FilePrintPreview:
    case command::FileExportPdf:
        printListing(id, doc, parent);
        return true;
    case command::ExportCsv:
        CsvExchange::exportChannelList(doc, parent);
        return true;
    case command::ImportCsv:
        CsvExchange::importChannelList(doc, parent);
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
    case command::Dtmf: {
        CDtmfDlg dialog(doc.image(), doc.state().language, parent);
        runTabbedDialog(dialog, doc);
        return true;
    }
    case command::TwoTone: {
        CTwoToneDlg dialog(doc.image(), parent);
        runTabbedDialog(dialog, doc);
        return true;
    }
    default:
        return false;
    }
}

void runPrintSetup(QWidget* parent) {
    if (PrintCommands* session = printCommandsOf(parent))
        session->pageSetup(parent);
}
