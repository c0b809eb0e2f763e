#pragma once

// Dialog and window control ids. They double as help contexts: F1 in a dialog opens
// the help file at the id of the control that has the focus.
namespace control {

// The buttons every dialog shares: OK (also the progress window's Start) and Cancel.
inline constexpr int OkButton = 1;
inline constexpr int CancelButton = 2;

// About box
inline constexpr int AboutIcon = 1096;
inline constexpr int AboutVersion = 1098;
inline constexpr int AboutCopyrights = 1099;
inline constexpr int AboutCopyrightsOwner = 1100;
inline constexpr int AboutFixedLine = 65535;

// Navigation bar
inline constexpr int NavigationBar = 100;
inline constexpr int NavigationTree = 1030;

// Language dialog
inline constexpr int LanguageEnglish = 1076;
inline constexpr int LanguageChinese = 1077;

// Port Setting: port n's button has the id FirstPortButton - 1 + n.
inline constexpr int FirstPortButton = 1007;

// The question about unsaved changes: Save, Discard and Cancel all lead to the
// topic that explains the three answers.
inline constexpr int UnsavedChangesQuestion = 1250;

// Progress window of a whole-image transfer.
inline constexpr int ProgressStart = OkButton;
inline constexpr int ProgressCancel = CancelButton;
inline constexpr int ProgressStatus = 1062;
inline constexpr int ProgressBar = 1245;

// Import CSV: the two options and the list of rows skipped or changed.
inline constexpr int ImportReplace = 1960;
inline constexpr int ImportIncludeFr = 1961;
inline constexpr int ImportReport = 1962;

} // namespace control

// Control ids of the channel grid view and its cell editors; they double as the
// help contexts F1 opens, except where an editor serves two columns.
namespace gridcontrol {

inline constexpr int Grid = 1022;
inline constexpr int FrequencyEdit = 1127;
inline constexpr int NameEdit = 1126;
inline constexpr int ToneList = 1132;
inline constexpr int PowerList = 1129;
inline constexpr int BandwidthList = 1128;
inline constexpr int ScanAddList = 1134;
inline constexpr int BusyLockList = 1130;

// Help contexts of the editors that serve two columns.
inline constexpr int RxFrequencyHelp = 2127;
inline constexpr int TxFrequencyHelp = 2128;
inline constexpr int DecodeToneHelp = 2132;
inline constexpr int EncodeToneHelp = 2133;

} // namespace gridcontrol
