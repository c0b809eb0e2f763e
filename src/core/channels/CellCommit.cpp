#include "channels/CellCommit.h"

#include "app/MessageIds.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelTexts.h"
#include "channels/Frequency.h"
#include "model/Decimal.h"
#include "model/Utf8.h"

#include <stdexcept>

namespace program {

namespace {

// What the radio can tune at all, in 10 Hz units.
constexpr std::int64_t RadioLowest = 6700000;   // 67 MHz
constexpr std::int64_t RadioHighest = 60000000; // 600 MHz
// Channel rasters: 5 kHz and 6.25 kHz.
constexpr std::int64_t Raster5k = 500;
constexpr std::int64_t Raster6k25 = 625;

bool inBands(std::int64_t value, const BandLimits& bands) {
    return (value >= bands.vLower && value <= bands.vUpper) ||
           (value >= bands.uLower && value <= bands.uUpper);
}

CommitOutcome accepted() {
    return {};
}

// A refused receive frequency: the cell and the row stay as they were and the
// editor stays open for another try; Enter also empties the edit box.
CommitOutcome refused(int messageId, MessageIcon icon, CommitKind kind) {
    CommitOutcome outcome;
    outcome.accepted = false;
    outcome.messageId = messageId;
    outcome.captionId = message::Caution;
    outcome.icon = icon;
    outcome.editorStaysOpen = true;
    outcome.clearEditBox = kind == CommitKind::Enter;
    return outcome;
}

// A new channel starts on the typed frequency for both directions, without tones,
// at high power, wide, in the scan list and without busy lock.
ChannelRow newChannel(const std::string& frequency, Language language) {
    using namespace channeltext;
    ChannelRow row;
    cell(row, column::RxFrequency) = frequency;
    cell(row, column::TxFrequency) = frequency;
    cell(row, column::DecodeTone) = NoTone.pick(language);
    cell(row, column::EncodeTone) = NoTone.pick(language);
    cell(row, column::Power) = High.pick(language);
    cell(row, column::Bandwidth) = Wide.pick(language);
    cell(row, column::ScanAdd) = Yes.pick(language);
    cell(row, column::BusyLock) = Off.pick(language);
    return row;
}

CommitOutcome commitReceive(ChannelTable& table, int row, const std::string& text, CommitKind kind,
                            const BandLimits& bands, Language language) {
    if (text.empty()) { // emptying the receive frequency deletes the channel
        table.setRow(row, ChannelRow{});
        return accepted();
    }
    // A text that is more than one number ("145.0.125") is a typing error, not the
    // number at its start.
    const ParsedFrequency frequency = parseFrequency(text);
    if (!isOnlyADecimal(text) || frequency.value < RadioLowest || frequency.value > RadioHighest)
        return refused(message::ErrorDataFormat, MessageIcon::Stop, kind);
    // A frequency off both rasters is a typing error like any other: the channel
    // keeps what it had.
    if (frequency.value % Raster5k != 0 && frequency.value % Raster6k25 != 0)
        return refused(message::ErrorDataValue, MessageIcon::Exclamation, kind);
    if (!inBands(frequency.value, bands))
        return refused(message::OutOfRange, MessageIcon::Exclamation, kind);

    if (table.text(row, column::RxFrequency).empty())
        table.setRow(row, newChannel(frequency.text, language));
    else
        table.setText(row, column::RxFrequency, frequency.text);
    return accepted();
}

// The transmit frequency is never refused: outside both bands it becomes the
// lower limit of the V band, and a channel without a receive frequency keeps none.
void commitTransmit(ChannelTable& table, int row, const std::string& text,
                    const BandLimits& bands) {
    const ParsedFrequency frequency = parseFrequency(text);
    std::string shown =
        inBands(frequency.value, bands) ? frequency.text : formatFrequency(bands.vLower);
    if (table.text(row, column::RxFrequency).empty())
        shown.clear();
    table.setText(row, column::TxFrequency, std::move(shown));
}

// A name the radio cannot show is refused rather than stored with '?' in place of
// the characters: the cell keeps its name and the editor stays open to mend it.
CommitOutcome refusedName(const std::string& unstorable) {
    CommitOutcome outcome;
    outcome.accepted = false;
    outcome.text = {
        "The radio cannot show \"" + unstorable +
            "\" in a channel name. A name holds only Latin characters: letters, digits, "
            "spaces, signs and Western European letters such as é or ü. Please input "
            "again.",
        "电台无法在信道名字中显示“" + unstorable +
            "”。信道名字只能使用拉丁字符：字母、数字、空格、符号及 é、ü 等西欧字母。请重新输入。"};
    outcome.captionId = message::Caution;
    outcome.icon = MessageIcon::Exclamation;
    outcome.editorStaysOpen = true;
    return outcome;
}

// Tones, name and the choices belong to a channel: with neither frequency there is
// nothing to set.
CommitOutcome commitSetting(ChannelTable& table, int row, int col, const std::string& text,
                            Language language) {
    if (table.text(row, column::RxFrequency).empty() &&
        table.text(row, column::TxFrequency).empty())
        return accepted();
    if (ChannelTable::editorKind(col) == EditorKind::NameEdit) {
        if (const std::string unstorable = unstorableNameCharacters(text); !unstorable.empty())
            return refusedName(unstorable);
        table.setText(row, col, text);
        return accepted();
    }
    const auto& items = ChannelTable::items(col, language);
    table.setText(row, col, items.at(ChannelTable::selectedItem(col, text, language)));
    return accepted();
}

} // namespace

CommitOutcome commitCell(ChannelTable& table, int row, int col, std::string_view editorText,
                         CommitKind kind, const BandLimits& bands, Language language) {
    table.row(row); // checks the row
    if (col < ChannelTable::FirstColumn || col > ChannelTable::LastColumn)
        throw std::out_of_range("channel table column " + std::to_string(col));

    // An edit box holds no more than its length.
    const int maxLength = ChannelTable::editorMaxLength(col);
    const std::string text(maxLength > 0 ? utf8Prefix(editorText, maxLength) : editorText);

    switch (col) {
    case column::RxFrequency:
        return commitReceive(table, row, text, kind, bands, language);
    case column::TxFrequency:
        commitTransmit(table, row, text, bands);
        return accepted();
    default:
        return commitSetting(table, row, col, text, language);
    }
}

} // namespace program
