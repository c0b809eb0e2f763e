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
// Port Setting's Find Radio.
inline constexpr int FindRadio = 1984;

// The question about unsaved changes: Save, Discard and Cancel all lead to the
// topic that explains the three answers. It is a message box with no control ids
// of its own, so its context lies above the dialogs' (1250 is a 2-Tone edit).
inline constexpr int UnsavedChangesQuestion = 2250;

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
inline constexpr int ProgressVerify = 1281;

// The Differences window's list (its buttons lead to the same topic) and the
// memory map; message-box-like windows above the dialogs' ids.
inline constexpr int DifferencesList = 2251;
inline constexpr int MemoryMapView = 2252;

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

// Connection Check: the port to check, the findings, Check Again and Copy Report.
inline constexpr int ConnectionPort = 1980;
inline constexpr int ConnectionFindings = 1981;
inline constexpr int ConnectionCheckAgain = 1982;
inline constexpr int ConnectionCopyReport = 1983;

// Import CSV: the two options and the list of rows skipped or changed.
inline constexpr int ImportReplace = 1960;
inline constexpr int ImportIncludeFr = 1961;
inline constexpr int ImportReport = 1962;

// Sort Channels, Set Value and Repeater Offset.
inline constexpr int SortKey = 1970;
inline constexpr int SortAscending = 1971;
inline constexpr int SortDescending = 1972;
inline constexpr int SetValueColumn = 1973;
inline constexpr int SetValueValue = 1974;
inline constexpr int OffsetPlus = 1975;
inline constexpr int OffsetMinus = 1976;
inline constexpr int OffsetKHz = 1977;

// Program Several Radios: the files, the switches, each port's row (its tick, bar
// and Next / Cancel button share one topic) and the buttons of the whole run.
inline constexpr int FleetValues = 2300;
inline constexpr int FleetRows = 2301;
inline constexpr int FleetReport = 2302;
inline constexpr int FleetBackup = 2303;
inline constexpr int FleetVerify = 2304;
inline constexpr int FleetPort = 2305;
inline constexpr int FleetNextAll = 2306;
inline constexpr int FleetStart = 2307;
inline constexpr int FleetCancelAll = 2308;

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

// Control ids of the service dialogs: SQL Tuning, Parameter Adjust with its
// password, and Software Info.
namespace servicecontrol {

// Read and Write do the same in all three dialogs and share one topic.
inline constexpr int Read = 1140;
inline constexpr int Write = 1141;

// SQL Tuning
inline constexpr int SqlGrid = 1001;
inline constexpr int SqlCellEdit = 1005;
inline constexpr int PlusOne = 1142;
inline constexpr int MinusOne = 1143;

// Parameter Adjust
inline constexpr int DetectGrid = 1002;
inline constexpr int MicInputGainAna = 1008;
inline constexpr int MicInputGainDigit = 1009;
inline constexpr int MicAmpGain = 1010;
inline constexpr int MaxAmpOffset = 1011;
inline constexpr int ToneAmpOffsetAna = 1012;
inline constexpr int ToneAmpOffsetDigit = 1013;
inline constexpr int DetectCellEdit = 1014;
inline constexpr int VNarrowSqlDifference = 1154;
inline constexpr int UNarrowSqlDifference = 1155;
// The service password dialog's edit.
inline constexpr int Password = 1318;

// Software Info
inline constexpr int FreqBand = 1142;
inline constexpr int Company = 1143;
inline constexpr int LowFreq1 = 1144;
inline constexpr int HighFreq1 = 1145;
inline constexpr int LowFreq2 = 1146;
inline constexpr int HighFreq2 = 1147;

// Parameter Adjust's lists and cell edit carry the ids of the Port Setting
// buttons COM2 to COM8, and Software Info's two lists those of SQL Tuning's "+1"
// and "-1"; F1 on them asks for topics of their own.
inline constexpr int HelpOffset = 2000;
inline constexpr int MicInputGainAnaHelp = MicInputGainAna + HelpOffset;
inline constexpr int MicInputGainDigitHelp = MicInputGainDigit + HelpOffset;
inline constexpr int MicAmpGainHelp = MicAmpGain + HelpOffset;
inline constexpr int MaxAmpOffsetHelp = MaxAmpOffset + HelpOffset;
inline constexpr int ToneAmpOffsetAnaHelp = ToneAmpOffsetAna + HelpOffset;
inline constexpr int ToneAmpOffsetDigitHelp = ToneAmpOffsetDigit + HelpOffset;
inline constexpr int DetectCellEditHelp = DetectCellEdit + HelpOffset;
inline constexpr int FreqBandHelp = FreqBand + HelpOffset;
inline constexpr int CompanyHelp = Company + HelpOffset;

} // namespace servicecontrol

// The DTMF dialog. An edit with a spin button is one control, asked for by the
// edit's id.
namespace dtmfcontrol {

inline constexpr int Tabs = 1036;
// Encode page
inline constexpr int SpeedEdit = 1084;
inline constexpr int FirstDigitDelayEdit = 1085;
inline constexpr int FirstDigitTimeEdit = 1086;
inline constexpr int StarHashTimeEdit = 1087;
inline constexpr int SideTone = 1088;
// Decode page; each list opens over its edit.
inline constexpr int IdCodeEdit = 1080;
inline constexpr int GroupCodeEdit = 1081;
inline constexpr int GroupCodeList = 1124;
inline constexpr int StunActivation = 1103;
inline constexpr int StunCodeEdit = 1082;
inline constexpr int StunTypeEdit = 1083;
inline constexpr int StunTypeList = 1136;
// CallList page
inline constexpr int CallListGrid = 1022;
inline constexpr int CallListCellEdit = 1125;
// Four of the controls carry ids that controls of other windows carry too (the
// channel grid, Optional Features); F1 on them asks for topics of their own.
inline constexpr int GroupCodeListHelp = 5124;
inline constexpr int StunTypeListHelp = 5136;
inline constexpr int CallListGridHelp = 5022;
inline constexpr int CallListCellEditHelp = 5125;

// What F1 asks for in the dialog.
inline constexpr int HelpContexts[] = {
    Tabs,         SpeedEdit,    FirstDigitDelayEdit, FirstDigitTimeEdit, StarHashTimeEdit,
    SideTone,     IdCodeEdit,   GroupCodeEdit,       GroupCodeListHelp,  StunActivation,
    StunCodeEdit, StunTypeEdit, StunTypeListHelp,    CallListGridHelp,   CallListCellEditHelp};

} // namespace dtmfcontrol

// The 2-Tone dialog.
namespace twotonecontrol {

inline constexpr int Tabs = 1074;
inline constexpr int DecodeTabs = 1075;
// Encode page
inline constexpr int FirstDelayEdit = 1250;
inline constexpr int SecondDelayEdit = 1251;
inline constexpr int LongDelayEdit = 1252;
inline constexpr int IntervalEdit = 1253;
inline constexpr int TxRiseEdit = 1054;
inline constexpr int ShortBeep = 1061;
inline constexpr int EncodeGrid = 1060;
inline constexpr int EncodeCellEdit = 1135;
// Decode pages
inline constexpr int ATone = 1037;
inline constexpr int BTone = 1038;
inline constexpr int DecodeFirstDelay = 1039;
inline constexpr int DecodeSecondDelay = 1040;
inline constexpr int DecodeInterval = 1041;
inline constexpr int DecodeLongDelay = 1042;

// What F1 asks for in the dialog.
inline constexpr int HelpContexts[] = {
    Tabs,           DecodeTabs, FirstDelayEdit,   SecondDelayEdit,   LongDelayEdit,
    IntervalEdit,   TxRiseEdit, ShortBeep,        EncodeGrid,        EncodeCellEdit,
    ATone,          BTone,      DecodeFirstDelay, DecodeSecondDelay, DecodeInterval,
    DecodeLongDelay};

} // namespace twotonecontrol
