#pragma once

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "channels/ChannelTable.h"
#include "channels/TableEdits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace program {

// Tools that change many channels at once. Each works on a copy and hands back
// either the changed table or the first row that refused: a value the grid would
// refuse if it were typed into one of the cells changes no cell at all.

enum class SortKey { RxFrequency, TxFrequency, Name, DecodeTone };

// "rx", "tx", "name", "dec"; none for any other word.
std::optional<SortKey> sortKeyNamed(std::string_view word);
// The column a key sorts by.
int sortColumn(SortKey key);

// Sorts the channels of the given rows among those rows: the rows keep their
// places and take the channels in order. Blank channels go after every channel in
// use, whichever the direction; channels with equal keys keep their order. "Fr"
// (row 129) is never moved, even when it is among the rows. Names sort ignoring
// case, tones as the tone list orders them (None, QT by frequency, then DQT N and
// DQT I by code). Throws std::out_of_range for a row outside 1..129.
void sortRows(ChannelTable& table, std::vector<int> rows, SortKey key, bool descending);

// A row that refused a value, and why.
struct RowRefusal {
    int row = 0;
    std::string text; // what the row was to take
    Reason reason;
};

struct ManyRowsResult {
    // The first row, in the order given, that refused; with it nothing changed.
    std::optional<RowRefusal> refused;
    // Rows left alone because they hold no channel to change.
    std::vector<int> skipped;

    bool applied() const { return !refused.has_value(); }
};

// Sets one column of each row to `text` with the rules for a cell text from
// outside the grid (commitOutsideText). A blank channel takes no settings and no
// transmit frequency, so those rows are skipped; a receive frequency makes a blank
// row a channel as typing it would. All or nothing.
ManyRowsResult setColumn(ChannelTable& table, const std::vector<int>& rows, int col,
                         std::string_view text, const BandLimits& bands, Language language);

// The common amateur repeater split for a receive frequency (10 Hz units): 600 kHz
// in 144-148 MHz, 5 MHz in 420-450 MHz; none elsewhere.
std::optional<std::int64_t> repeaterSplit(std::int64_t rxFrequency);

// A repeater offset typed in kHz ("600", "7.6"), in 10 Hz units: positive, with no
// digits finer than 10 Hz and not beyond what the radio could tune away from a
// channel; none otherwise.
std::optional<std::int64_t> parseOffsetKHz(std::string_view text);

enum class OffsetDirection { Plus, Minus };

// Sets the transmit frequency of each channel in use among the rows to its receive
// frequency plus or minus `offset` (10 Hz units), or, without one, its band's
// repeater split. Blank rows are skipped. A transmit frequency outside both band
// limits is refused as the grid's rules for outside text refuse it, and so is a
// channel with no split when no offset is given. All or nothing.
ManyRowsResult applyRepeaterOffset(ChannelTable& table, const std::vector<int>& rows,
                                   OffsetDirection direction, std::optional<std::int64_t> offset,
                                   const BandLimits& bands, Language language);

// For every row 1..129 the earlier channel whose receive frequency and both tones
// equal its own (the first such row), or 0; index 0 is unused. Blank channels are
// never duplicates.
std::vector<int> duplicateOf(const ChannelTable& table);

// The cells of rows 1..129 whose name or frequency text contains `text`, ignoring
// case, row by row: receive frequency, transmit frequency, then name. Nothing for
// an empty text.
struct CellAt {
    int row = 0;
    int column = 0;
    friend bool operator==(const CellAt&, const CellAt&) = default;
};
std::vector<CellAt> findCells(const ChannelTable& table, std::string_view text);

// Rows A..B of "A-B" (or the one row of "A") within first..last; none otherwise.
std::optional<std::vector<int>> parseRowRange(std::string_view text, int first, int last);

} // namespace program
