#pragma once

#include "app/BilingualText.h"
#include "app/ProgramState.h"
#include "channels/ChannelTable.h"

#include <string_view>

namespace program {

// How an edit is committed: by leaving the cell (also Write and saving), or by
// pressing Enter in the frequency edit box.
enum class CommitKind { LeaveCell, Enter };

enum class MessageIcon { None, Stop, Exclamation };

struct CommitOutcome {
    // The table took the edit (this includes deleting a channel by emptying its
    // receive frequency).
    bool accepted = true;
    // The string-table message to show (message::ErrorDataFormat, ErrorDataValue or
    // OutOfRange), 0 for none; shown with caption `captionId` and `icon`.
    int messageId = 0;
    // A message the program words itself, shown instead of a string-table one.
    BilingualText text;
    int captionId = 0;
    MessageIcon icon = MessageIcon::None;
    // The editor stays visible over the cell (after a refused receive frequency);
    // otherwise it is hidden.
    bool editorStaysOpen = false;
    // The edit box's text is cleared (Enter on a refused receive frequency).
    bool clearEditBox = false;
};

// Commits the text of the open cell editor at (row 1..129, column 1..9) into the
// table, checking a receive frequency against the raster, the radio's range and
// `bands`, and a name against what its field can hold. A list's text is taken as
// the item the list selects for it, an edit box's text is cut to the box's
// length. A refused edit leaves the whole table unchanged. Throws std::out_of_range for a cell
// outside the channel rows and columns.
CommitOutcome commitCell(ChannelTable& table, int row, int col, std::string_view editorText,
                         CommitKind kind, const BandLimits& bands, Language language);

} // namespace program
