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
inline constexpr int AboutSettingsFile = 1260;

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

// PrintList: the five sections of the listing and the two buttons that set them.
inline constexpr int PrintDtmf = 1045;
inline constexpr int PrintMsk = 1246;
inline constexpr int PrintOptional = 1247;
inline constexpr int PrintTwoTone = 1248;
inline constexpr int PrintChannelInfo = 1249;
inline constexpr int PrintSelectAll = 1279;
inline constexpr int PrintClearAll = 1280;

// Progress window of a whole-image transfer.
inline constexpr int ProgressStart = OkButton;
inline constexpr int ProgressCancel = CancelButton;
inline constexpr int ProgressStatus = 1062;
inline constexpr int ProgressBar = 1245;

// Optional Features
inline constexpr int OptionalBackLight = 1115;
inline constexpr int OptionalBackLightColor = 1116;
inline constexpr int OptionalDisplayMode = 1117;
inline constexpr int OptionalKeyLock = 1118;
inline constexpr int OptionalPriorityChannel = 1119;
inline constexpr int OptionalVoxGain = 1120;
inline constexpr int OptionalPowerOnStyle = 1121;
inline constexpr int OptionalScanMode = 1122;
inline constexpr int OptionalSquelchLevel = 1123;
inline constexpr int OptionalStep = 1124;
inline constexpr int OptionalTot = 1125;
inline constexpr int OptionalTotPreAlert = 1126;
inline constexpr int OptionalBeep = 1127;
inline constexpr int OptionalBatterySaver = 1128;
inline constexpr int OptionalStopwatch = 1129;
inline constexpr int OptionalTail = 1130;
inline constexpr int OptionalOrangeKey = 1131;
inline constexpr int OptionalPassword = 1133;
inline constexpr int OptionalStrSet = 1136;
inline constexpr int OptionalAllowReset = 1137;
// Four of the lists carry ids that the channel grid's editors carry too; F1 on
// them asks for topics of their own.
inline constexpr int OptionalTotPreAlertHelp = 3126;
inline constexpr int OptionalBatterySaverHelp = 3128;
inline constexpr int OptionalStopwatchHelp = 3129;
inline constexpr int OptionalTailHelp = 3130;

// MSK
inline constexpr int MskIdCode = 1048;
inline constexpr int MskCallList = 1349;

// Key Assignment: the four side-key buttons, in order.
inline constexpr int SideKeyOptionCall = 1076;
inline constexpr int SideKeyEmergency = 1077;
inline constexpr int SideKey1750 = 1078;
inline constexpr int SideKeySquelchOff = 1079;

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
