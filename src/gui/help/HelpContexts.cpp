#include "help/HelpContexts.h"

#include "common/ControlIds.h"
#include "link/PortNames.h"

#include <algorithm>

namespace helpcontext {

QString keyAssignmentHelpFile() {
    return QString::fromLatin1(EnglishHelpFile);
}

QList<int> all() {
    QList<int> contexts(command::All.begin(), command::All.end());
    // F1 is no topic of its own: it asks for the topic of where it is pressed.
    contexts.removeAll(command::ContextHelp);
    contexts << MainWindow
             << control::NavigationTree
             // The channel grid and the editors F1 names by their own id.
             << gridcontrol::Grid << gridcontrol::NameEdit << gridcontrol::PowerList
             << gridcontrol::BandwidthList << gridcontrol::ScanAddList
             << gridcontrol::BusyLockList
             // The editors that serve two columns, by column.
             << gridcontrol::RxFrequencyHelp << gridcontrol::TxFrequencyHelp
             << gridcontrol::DecodeToneHelp
             << gridcontrol::EncodeToneHelp
             // The dialogs: shared buttons, the progress window, the About box.
             << control::OkButton << control::CancelButton << control::ProgressStatus
             << control::ProgressBar << control::ProgressVerify << control::AboutIcon
             << control::AboutVersion << control::AboutCopyrights << control::AboutCopyrightsOwner
             << control::AboutSettingsFile << control::UnsavedChangesQuestion
             << control::DifferencesList
             << control::MemoryMapView
             // Optional Features, MSK (Key Assignment's buttons lead to its command).
             << control::OptionalBackLight << control::OptionalBackLightColor
             << control::OptionalDisplayMode << control::OptionalKeyLock
             << control::OptionalPriorityChannel << control::OptionalVoxGain
             << control::OptionalPowerOnStyle << control::OptionalScanMode
             << control::OptionalSquelchLevel << control::OptionalStep << control::OptionalTot
             << control::OptionalTotPreAlertHelp << control::OptionalBeep
             << control::OptionalBatterySaverHelp << control::OptionalStopwatchHelp
             << control::OptionalTailHelp << control::OptionalOrangeKey << control::OptionalPassword
             << control::OptionalStrSet << control::OptionalAllowReset << control::MskIdCode
             << control::MskCallList
             // PrintList.
             << control::PrintDtmf << control::PrintMsk << control::PrintOptional
             << control::PrintTwoTone << control::PrintChannelInfo << control::PrintSelectAll
             << control::PrintClearAll
             // Import CSV.
             << control::ImportReplace << control::ImportIncludeFr
             << control::ImportReport
             // The channel tools.
             << control::SortKey << control::SortAscending << control::SortDescending
             << control::SetValueColumn << control::SetValueValue << control::OffsetPlus
             << control::OffsetMinus
             << control::OffsetKHz
             // Connection Check.
             << control::ConnectionPort << control::ConnectionFindings
             << control::ConnectionCheckAgain << control::ConnectionCopyReport
             << control::FindRadio
             // Program Several Radios.
             << control::FleetValues << control::FleetRows << control::FleetReport
             << control::FleetBackup << control::FleetVerify << control::FleetPort
             << control::FleetNextAll << control::FleetStart << control::FleetCancelAll;
    // The service windows and the service password.
    contexts << servicecontrol::Read << servicecontrol::Write << servicecontrol::SqlGrid
             << servicecontrol::SqlCellEdit << servicecontrol::PlusOne << servicecontrol::MinusOne
             << servicecontrol::DetectGrid << servicecontrol::MicInputGainAnaHelp
             << servicecontrol::MicInputGainDigitHelp << servicecontrol::MicAmpGainHelp
             << servicecontrol::MaxAmpOffsetHelp << servicecontrol::ToneAmpOffsetAnaHelp
             << servicecontrol::ToneAmpOffsetDigitHelp << servicecontrol::DetectCellEditHelp
             << servicecontrol::VNarrowSqlDifference << servicecontrol::UNarrowSqlDifference
             << servicecontrol::Password << servicecontrol::FreqBandHelp
             << servicecontrol::CompanyHelp << servicecontrol::LowFreq1 << servicecontrol::HighFreq1
             << servicecontrol::LowFreq2 << servicecontrol::HighFreq2;
    contexts.append(
        QList<int>(std::begin(dtmfcontrol::HelpContexts), std::end(dtmfcontrol::HelpContexts)));
    contexts.append(QList<int>(std::begin(twotonecontrol::HelpContexts),
                               std::end(twotonecontrol::HelpContexts)));
    // Port Setting: one button per port number.
    for (int port = program::FirstPortNumber; port <= program::LastPortNumber; ++port)
        contexts.append(control::FirstPortButton + port - program::FirstPortNumber);

    std::sort(contexts.begin(), contexts.end());
    contexts.erase(std::unique(contexts.begin(), contexts.end()), contexts.end());
    return contexts;
}

} // namespace helpcontext
