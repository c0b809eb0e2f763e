#pragma once

#include "app/ProgramState.h"
#include "channels/ChannelColumns.h"
#include "model/CodeplugImage.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace program {

// How a cell of a column is edited in place.
enum class EditorKind {
    None,          // column 0, the row labels
    FrequencyEdit, // edit box, digits and one point, at most 9 characters
    NameEdit,      // edit box, as many characters as the name field holds (8)
    ToneList,      // drop-down list of the 261 tone texts
    ChoiceList     // short drop-down list (power, bandwidth, scan add, busy lock)
};

// The working copy of the channel table: the texts of grid rows 1..129 (channels
// 1..128 and the extra channel "Fr") in columns 1..9. The grid window shows exactly
// what this class holds; the image is brought up to date by GridToImage().
class ChannelTable {
public:
    static constexpr int FirstRow = 1;
    static constexpr int LastRow = 129; // the extra channel, labelled "Fr"
    static constexpr int RowCount = LastRow;
    static constexpr int FirstColumn = 1;
    static constexpr int LastColumn = 9;
    // The grid as shown, with its fixed header row 0 and label column 0.
    static constexpr int GridRows = LastRow + 1;
    static constexpr int GridColumns = LastColumn + 1;

    // Every cell empty: 129 blank channels.
    ChannelTable() = default;

    // Row 1..129, column 0..9 (column 0 gives the row label); throws
    // std::out_of_range otherwise.
    const std::string& text(int row, int col) const;
    // Row 1..129, column 1..9; throws std::out_of_range otherwise.
    void setText(int row, int col, std::string text);

    const ChannelRow& row(int row) const;
    void setRow(int row, ChannelRow texts);

    // A channel is blank while its receive or transmit frequency is empty.
    bool isBlank(int row) const;
    // Rows 1..129 that are not blank.
    int channelsInUse() const;

    // "1".."128" and "Fr".
    static const std::string& rowLabel(int row);
    // The header of row 0 for columns 0..9.
    static std::string_view header(int col, Language language);
    static EditorKind editorKind(int col);
    // The most characters the column's edit box holds; 0 for the lists.
    static int editorMaxLength(int col);
    // The items of the column's drop-down list in order; empty for edit columns.
    static const std::vector<std::string>& items(int col, Language language);
    // The item a list's text stands for when it is committed: the first item that
    // begins with the text, ignoring case; item 0 when none does.
    static int selectedItem(int col, std::string_view cellText, Language language);

    friend bool operator==(const ChannelTable&, const ChannelTable&) = default;

private:
    std::array<ChannelRow, RowCount> m_rows;
};

struct ImageToGridResult {
    // The radio type byte to keep as the per-user "Type" value. Set after decoding
    // an opened file or a read from the radio (the image's 0xFE1); empty for a new
    // document, whose type byte came from that stored value.
    std::optional<std::uint8_t> typeToStore;
};

// Decodes the 129 channel records into the table in the state's language, then
// sets the band limits from the image's band-limit block.
//
// For a new document (state.newDocument set) the image receives its new-document
// values first: `storedType` at 0xFE1, the band-limit block for 136-174 and
// 400-520 MHz, and the band shadow 0xFD4-0xFDB. An opened document's image is not
// changed; its type byte is handed back for the caller to store.
ImageToGridResult ImageToGrid(CodeplugImage& image, ChannelTable& table, ProgramState& state,
                              std::uint8_t storedType);

// Writes the band-limit block from state.bandLimits and encodes the 129 rows of the
// table into the channel records. Only the fields the table owns change: bytes +12,
// +14, +15 and bit 0 of the flags of every record keep their values.
//
// The table is taken as it is: a caller with a cell editor open commits it first
// (commitCell), so that the edit being typed reaches the image.
void GridToImage(const ChannelTable& table, const ProgramState& state, CodeplugImage& image);

} // namespace program
