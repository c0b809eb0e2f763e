#pragma once

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "channels/CellCommit.h"
#include "channels/ChannelTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace program {

// Why a value was not taken: a string-table message (messageId), or a text the
// program words itself.
struct Reason {
    int messageId = 0;
    BilingualText text;

    friend bool operator==(const Reason&, const Reason&) = default;
};
Reason reasonOf(const CommitOutcome& outcome);

// Commits a cell text that comes from outside the grid (pasted, or read from a
// file) with the grid's rules, and stricter where the grid's editors would guess:
// - a frequency is taken as written: digits past 10 Hz are refused, not cut off,
//   and a transmit frequency outside both bands is refused, not replaced;
// - a list text must be one of the list's items (in either language, any case);
//   the grid would take the first item for a text it does not know;
// - a blank channel takes no settings: text for its tones, name or choices is
//   refused (an empty text is nothing to set);
// - an empty text clears the cell: a frequency deletes the channel, a tone becomes
//   "None", a name empty, a choice what a new channel has.
// A refused text leaves the table unchanged.
CommitOutcome commitOutsideText(ChannelTable& table, int row, int col, std::string_view text,
                                const BandLimits& bands, Language language);

// Rows top..bottom (1..129) and columns left..right (1..9) of the table.
struct CellBlock {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    bool wholeRows() const {
        return left == ChannelTable::FirstColumn && right == ChannelTable::LastColumn;
    }
    friend bool operator==(const CellBlock&, const CellBlock&) = default;
};

// Clears the cells as commitOutsideText does for an empty text; a block that takes
// in a frequency column deletes its channels.
void clearBlock(ChannelTable& table, const CellBlock& block, Language language);

// The texts of the block, row by row.
std::vector<std::vector<std::string>> copyBlock(const ChannelTable& table, const CellBlock& block);

struct RefusedCell {
    int row = 0;
    int column = 0;
    std::string text;
    Reason reason;
};

struct PasteResult {
    // Set when the block does not fit where it was to go; nothing was pasted.
    BilingualText doesNotFit;
    // The cells the table refused; when there is any, nothing was pasted.
    std::vector<RefusedCell> refused;

    bool applied() const { return doesNotFit.english.empty() && refused.empty(); }
};

// Pastes rows of cell texts with their top left cell at (top, left), each cell
// through commitOutsideText: within a row the receive frequency first, then the
// transmit frequency, then the rest, so that a pasted channel keeps its pasted
// settings. A row whose pasted frequency is empty becomes blank and takes nothing
// else. A row shorter than the others leaves the cells it does not reach as they
// are. The block must fit: channels 1..128 take blocks that end at 128, "Fr" takes
// one row. The paste is all or nothing: with any cell refused, the table stays as
// it was and every refused cell is listed.
PasteResult pasteBlock(ChannelTable& table, int top, int left,
                       const std::vector<std::vector<std::string>>& cells, const BandLimits& bands,
                       Language language);

// Row operations on channels 1..128; "Fr" (row 129) never moves.
// Whether any cell of the row holds text (a blank channel may still show a tone).
bool rowHasText(const ChannelTable& table, int row);
// Inserts `count` empty rows at `row`; the channels from there on move down and the
// last `count` rows of 1..128 fall off. Throws std::out_of_range unless
// row..row+count-1 lies within 1..128.
void insertRows(ChannelTable& table, int row, int count);
// The rows that insertRows(row, count) pushes off the end.
CellBlock rowsFallingOff(int count);
// Deletes the rows (each within 1..128, in any order); the channels below move up
// and empty rows come in at 128.
void deleteRows(ChannelTable& table, std::vector<int> rows);
// Moves each of the rows one place up (delta -1) or down (+1), swapping with its
// neighbour. Returns false and changes nothing when a row would leave 1..128.
bool moveRows(ChannelTable& table, std::vector<int> rows, int delta);

} // namespace program
