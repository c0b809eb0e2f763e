#pragma once

#include <algorithm>
#include <array>

// Every command of the program by its numeric id. The language packs place these
// ids in their menus, accelerator and toolbar tables; the main frame routes them.
namespace command {

// File
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileClose = 57602;
inline constexpr int FileSave = 57603;
inline constexpr int FileSaveAs = 57604;
inline constexpr int FilePrintSetup = 57606;
inline constexpr int FilePrint = 57607;
inline constexpr int FilePrintPreview = 57609;
inline constexpr int FileExportPdf = 32810; // the printed listing as a PDF file
inline constexpr int AppExit = 57665;

// Edit: the document's history and the channel table's rows and cells
inline constexpr int EditUndo = 57643;
inline constexpr int EditRedo = 57644;
inline constexpr int EditCut = 57635;
inline constexpr int EditCopy = 57634;
inline constexpr int EditPaste = 57637;
inline constexpr int EditClear = 57632; // Delete: clears the selected cells or rows
inline constexpr int InsertRow = 32960;
inline constexpr int DeleteRow = 32961;
inline constexpr int MoveUp = 32962;
inline constexpr int MoveDown = 32963;
// Many channels at once: each is one step of the history
inline constexpr int SortChannels = 32980;
inline constexpr int SetValue = 32981;
inline constexpr int RepeaterOffset = 32982;
// Finding a channel (the find bar over the grid) and marking duplicates (View menu)
inline constexpr int Find = 32983;
inline constexpr int FindNext = 32984;
inline constexpr int FindPrevious = 32985;
inline constexpr int MarkDuplicates = 32986;

// Channel lists as CSV files (File menu)
inline constexpr int ImportCsv = 32964;
inline constexpr int ExportCsv = 32965;
// Differences and the memory map
inline constexpr int CompareWithFile = 32966;  // File menu
inline constexpr int CompareWithRadio = 32967; // Program menu
inline constexpr int MemoryMap = 32968;        // View menu

// Sections of the codeplug and their editors
inline constexpr int ChannelInformation = 32787;
inline constexpr int OptionalFeatures = 32788;
inline constexpr int Dtmf = 32789;
inline constexpr int Msk = 32790;
inline constexpr int TwoTone = 32791;
inline constexpr int KeyAssignment = 32800;
inline constexpr int SquelchTuning = 32801;
inline constexpr int SoftwareInfo = 32802;
inline constexpr int ParameterAdjust = 32803;

// Radio and set-up (handled by the channel view)
inline constexpr int Read = 32773;
inline constexpr int Write = 32774;
inline constexpr int ComSetup = 32777;
inline constexpr int ConnectionCheck = 32990;
// One document into the radios on several ports at once
inline constexpr int ProgramSeveralRadios = 32995;
inline constexpr int Language = 32799;

// View
inline constexpr int ViewToolbar = 59392;
inline constexpr int ViewStatusBar = 59393;
inline constexpr int ControlBar = 32772;

// Help
inline constexpr int HelpTopics = 32793;
inline constexpr int About = 57664;
inline constexpr int ContextHelp = 57670; // F1

// Every command above, once. The menus of the language packs, the help contexts and
// the transfer lock all go by this list, so a new command is added here and nowhere
// else.
inline constexpr std::array All = {
    FileNew,
    FileOpen,
    FileClose,
    FileSave,
    FileSaveAs,
    FilePrintSetup,
    FilePrint,
    FilePrintPreview,
    FileExportPdf,
    AppExit,
    EditUndo,
    EditRedo,
    EditCut,
    EditCopy,
    EditPaste,
    EditClear,
    InsertRow,
    DeleteRow,
    MoveUp,
    MoveDown,
    SortChannels,
    SetValue,
    RepeaterOffset,
    Find,
    FindNext,
    FindPrevious,
    MarkDuplicates,
    ImportCsv,
    ExportCsv,
    CompareWithFile,
    CompareWithRadio,
    MemoryMap,
    ChannelInformation,
    OptionalFeatures,
    Dtmf,
    Msk,
    TwoTone,
    KeyAssignment,
    SquelchTuning,
    SoftwareInfo,
    ParameterAdjust,
    Read,
    Write,
    ProgramSeveralRadios,
    ComSetup,
    ConnectionCheck,
    Language,
    ViewToolbar,
    ViewStatusBar,
    ControlBar,
    HelpTopics,
    About,
    ContextHelp,
};

// The commands that stay available while the radio link runs: they only show or
// hide parts of the main window, or help. Every other command is disabled then.
inline constexpr std::array AvailableDuringTransfer = {ViewToolbar,    ViewStatusBar, ControlBar,
                                                       MarkDuplicates, HelpTopics,    ContextHelp};

constexpr bool availableDuringTransfer(int id) {
    return std::find(AvailableDuringTransfer.begin(), AvailableDuringTransfer.end(), id) !=
           AvailableDuringTransfer.end();
}

// Resource ids of the pack's tables.
inline constexpr int MenuNoDocument = 128;
inline constexpr int MenuDocument = 129;
inline constexpr int AcceleratorTable = 128;
inline constexpr int Toolbar = 128;

} // namespace command
