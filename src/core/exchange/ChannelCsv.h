#pragma once

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "channels/ChannelTable.h"
#include "channels/TableEdits.h"

#include <string>
#include <string_view>
#include <vector>

namespace program {

// Channel lists in the CSV column set that multi-radio programming tools and their
// users' spreadsheets share:
//   Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,
//   DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,
//   RPT1CALL,RPT2CALL,DVCODE
// Location 1..128 is channel 1..128, Location 0 the extra channel "Fr".
// Frequencies are in MHz with six decimals.
const std::vector<std::string>& csvColumns();

// The channels 1..128 that are not blank, in row order, under the header: UTF-8
// without a byte-order mark, lines ended by CR LF. `bands` decides whether the
// transmit frequency is written as an offset (same band) or as a split.
std::string exportChannelsCsv(const ChannelTable& table, const BandLimits& bands);

struct CsvOptions {
    // Channels 1..128 that the file does not name become blank ("Fr" stays).
    bool replace = false;
    // Location 0 is taken into "Fr"; without it such a row is skipped.
    bool includeFr = false;
};

// A line of the import report about one row of the file.
struct CsvNote {
    int line = 0;         // of the file
    std::string location; // as the file writes it
    std::string field;    // the column the note is about, empty for the whole row
    std::string value;    // what the file writes there
    Reason reason;
    bool skipped = true; // false: the row was taken, with the change the note names
};

// A note's reason as one line: "rToneFreq "88.4": <reason>", the column and its
// value left out where the reason names the column itself or where the note is
// about the whole row.
std::string describeCsvNote(const CsvNote& note, const std::string& reason, Language language);

struct CsvImport {
    // Set when the file could not be read as a whole: nothing is taken then.
    BilingualText failure;
    int failureLine = 0;
    // The table with every row the file could give applied.
    ChannelTable table;
    std::vector<CsvNote> notes;
    int rowsTaken = 0;

    bool readWhole() const { return failure.english.empty(); }
};

// Reads a channel list into a copy of `current`. The columns may come in any
// order, unknown ones are ignored; Location and Frequency must be there. Each row
// describes a whole channel and goes through the grid's rules for text from
// outside (commitOutsideText), in `language`; a row the radio cannot take is
// skipped with a note, and so is a second row for one Location. Busy Lock has no
// column: a channel keeps its own, a new one gets "Off".
CsvImport importChannelsCsv(const ChannelTable& current, std::string_view text,
                            const CsvOptions& options, const BandLimits& bands, Language language);

} // namespace program
