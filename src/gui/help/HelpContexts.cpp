#include "help/HelpContexts.h"

#include "app/ControlIds.h"
#include "channels/ChannelControlIds.h"
#include "link/PortSettingDlg.h"
#include "link/ProgressDlg.h"

#include <algorithm>

namespace helpcontext {

namespace {

// Buttons every dialog shares: OK (also the progress window's Start) and Cancel.
constexpr int OkButton = 1;
constexpr int CancelButton = 2;

// The four side-key choices of the Key Assignment dialog.
constexpr int FirstSideKeyChoice = 1076;
constexpr int LastSideKeyChoice = 1079;

} // namespace

int languageDialog(int focusedControl) {
    if (focusedControl == control::LanguageEnglish || focusedControl == control::LanguageChinese)
        return command::Language;
    return focusedControl;
}

int keyAssignmentDialog(int focusedControl) {
    if (focusedControl >= FirstSideKeyChoice && focusedControl <= LastSideKeyChoice)
        return command::KeyAssignment;
    return focusedControl;
}

QString keyAssignmentHelpFile() {
    return QString::fromLatin1(EnglishHelpFile);
}

QList<int> all() {
    QList<int> contexts = {
        // Every command the language packs place in their menus.
        command::FileNew, command::FileOpen, command::FileClose, command::FileSave,
        command::FileSaveAs, command::FilePrintSetup, command::FilePrint, command::FilePrintPreview,
        command::AppExit, command::ChannelInformation, command::OptionalFeatures, command::Dtmf,
        command::Msk, command::TwoTone, command::KeyAssignment, command::SquelchTuning,
        command::SoftwareInfo, command::ParameterAdjust, command::Read, command::Write,
        command::ComSetup, command::Language, command::ViewToolbar, command::ViewStatusBar,
        command::ControlBar, command::HelpTopics, command::About,
        // The main window and its navigation bar.
        MainWindow, control::NavigationTree,
        // The channel grid and the editors F1 names by their own id.
        gridcontrol::Grid, gridcontrol::NameEdit, gridcontrol::PowerList,
        gridcontrol::BandwidthList, gridcontrol::ScanAddList, gridcontrol::BusyLockList,
        // The editors that serve two columns, by column.
        gridcontrol::RxFrequencyHelp, gridcontrol::TxFrequencyHelp, gridcontrol::DecodeToneHelp,
        gridcontrol::EncodeToneHelp,
        // The dialogs: shared buttons, the progress window, the About box.
        OkButton, CancelButton, CProgressDlg::StatusId, CProgressDlg::ProgressBarId,
        control::AboutIcon, control::AboutVersion, control::AboutCopyrights,
        control::AboutCopyrightsOwner};
    // Port Setting: one button per port number.
    for (int port = program::FirstPortNumber; port <= program::LastPortNumber; ++port)
        contexts.append(CPortSettingDlg::FirstButtonId + port - program::FirstPortNumber);

    std::sort(contexts.begin(), contexts.end());
    contexts.erase(std::unique(contexts.begin(), contexts.end()), contexts.end());
    return contexts;
}

} // namespace helpcontext
