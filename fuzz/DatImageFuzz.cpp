// A .dat file from anywhere: the channel table must decode from any bytes, and
// what it decodes must write back as bytes that decode to the same texts.
// The raw input also goes through the frequency parse and a cell commit.

#include "channels/CellCommit.h"
#include "channels/ChannelTable.h"
#include "channels/Frequency.h"
#include "model/CodeplugImage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace program;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void checkImageRoundTrip(const CodeplugImage& file) {
    for (Language language : {Language::English, Language::Chinese}) {
        for (bool newDocument : {false, true}) {
            CodeplugImage image = file;
            ProgramState state;
            state.language = language;
            state.newDocument = newDocument;
            ChannelTable first;
            ImageToGrid(image, first, state, 0x5A);
            GridToImage(first, state, image);

            ProgramState reopened;
            reopened.language = language;
            ChannelTable second;
            ImageToGrid(image, second, reopened, 0);
            require(second == first);
            require(reopened.bandLimits == state.bandLimits);

            CodeplugImage again = image;
            GridToImage(second, reopened, again);
            require(again == image);
        }
    }
}

void checkFrequencyParse(std::string_view text) {
    const ParsedFrequency parsed = parseFrequency(text);
    require(parseFrequency(parsed.text) == parsed);
}

// The first two bytes choose the cell and the commit kind; the rest is the text.
void checkCommit(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return;
    const int row = ChannelTable::FirstRow + data[0] % ChannelTable::RowCount;
    const int col = ChannelTable::FirstColumn + data[1] % ChannelTable::LastColumn;
    const CommitKind kind = data[1] & 0x80 ? CommitKind::Enter : CommitKind::LeaveCell;
    const Language language = data[1] & 0x40 ? Language::Chinese : Language::English;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    ChannelTable table;
    table.setRow(row,
                 {"145.00000", "145.60000", "67.0", "D023N", "NAME", "High", "Wide", "Yes", "Off"});
    const ChannelTable before = table;
    const CommitOutcome outcome = commitCell(table, row, col, text, kind, BandLimits{}, language);
    require(outcome.accepted || table == before);
    // A refusal always says why, in a string-table message or one of its own.
    require(outcome.accepted == (outcome.messageId == 0 && outcome.text.english.empty()));

    CodeplugImage image;
    GridToImage(table, ProgramState{}, image);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkFrequencyParse(std::string_view(reinterpret_cast<const char*>(data), size));
    checkCommit(data, size);

    // Like loading a .dat file: any length but the image's is refused unread.
    if (size != CodeplugImage::Size)
        return 0;
    CodeplugImage image;
    std::copy(data, data + size, image.bytes().begin());
    checkImageRoundTrip(image);
    return 0;
}
