#include "channels/TableEdits.h"

#include "app/MessageIds.h"
#include "app/Trimmed.h"
#include "channels/ChannelTexts.h"
#include "channels/Frequency.h"
#include "channels/ToneList.h"
#include "model/Decimal.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace program {

namespace {

constexpr int LastChannelRow = ChannelTable::LastRow - 1; // 128; "Fr" follows

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The blanks and tabs around a value are no part of it.
constexpr std::string_view Blanks = " \t";

CommitOutcome refusal(int messageId) {
    CommitOutcome outcome;
    outcome.accepted = false;
    outcome.messageId = messageId;
    outcome.captionId = message::Caution;
    outcome.icon = MessageIcon::Exclamation;
    return outcome;
}

CommitOutcome refusal(BilingualText text) {
    CommitOutcome outcome = refusal(0);
    outcome.text = std::move(text);
    return outcome;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}
std::string quotedZh(std::string_view text) {
    return "“" + std::string(text) + "”";
}

// The value of a frequency as written, or a refusal: text that is not one number,
// or that has digits past 10 Hz (`finerMessage`, since the grid's box would cut
// them off without a word).
struct ExactFrequency {
    std::int64_t value = 0;
    int refusedWith = 0;
};
ExactFrequency exactFrequency(std::string_view text, int finerMessage) {
    if (!isOnlyADecimal(text))
        return {0, message::ErrorDataFormat};
    const DecimalNumber number = readDecimal(text);
    if (scaledMagnitude(number, 5, Rounding::Up) !=
        scaledMagnitude(number, 5, Rounding::TowardZero))
        return {0, finerMessage};
    return {parseFrequency(text).value, 0};
}

bool inBands(std::int64_t value, const BandLimits& bands) {
    return (value >= bands.vLower && value <= bands.vUpper) ||
           (value >= bands.uLower && value <= bands.uUpper);
}

// The item of a list that the text names in either language, in `language`; -1
// when it names none.
int listItem(int col, std::string_view text, Language language) {
    for (Language each : {language, Language::English, Language::Chinese}) {
        const auto& items = ChannelTable::items(col, each);
        for (std::size_t i = 0; i < items.size(); ++i)
            if (equalIgnoringCase(items[i], text))
                return static_cast<int>(i);
    }
    return -1;
}

BilingualText notAnItem(int col, std::string_view text) {
    if (ChannelTable::editorKind(col) == EditorKind::ToneList)
        return {quoted(text) + " is not a QT/DQT tone the radio has.",
                quotedZh(text) + "不是电台具有的 QT/DQT 音频。"};
    std::string english;
    std::string chinese;
    for (const std::string& item : ChannelTable::items(col, Language::English))
        english += (english.empty() ? "" : ", ") + item;
    for (const std::string& item : ChannelTable::items(col, Language::Chinese))
        chinese += (chinese.empty() ? "" : "、") + item;
    return {quoted(text) + " is not one of " + english + ".",
            quotedZh(text) + "不是以下之一：" + chinese + "。"};
}

BilingualText blankChannel(int row) {
    const std::string& label = ChannelTable::rowLabel(row);
    return {"Channel " + label + " is blank: it takes settings once it has an Rx Frequency.",
            "信道 " + label + " 为空：输入接收频率后才能设置。"};
}

// What a cleared cell holds: what a new channel starts with.
std::string clearedText(int col, Language language) {
    using namespace channeltext;
    switch (col) {
    case column::DecodeTone:
    case column::EncodeTone:
        return NoTone.pick(language);
    case column::Power:
        return High.pick(language);
    case column::Bandwidth:
        return Wide.pick(language);
    case column::ScanAdd:
        return Yes.pick(language);
    case column::BusyLock:
        return Off.pick(language);
    default:
        return {};
    }
}

CommitOutcome commitFrequency(ChannelTable& table, int row, int col, std::string_view text,
                              const BandLimits& bands, Language language) {
    const bool receive = col == column::RxFrequency;
    const ExactFrequency frequency =
        exactFrequency(text, receive ? message::ErrorDataValue : message::ErrorDataFormat);
    if (frequency.refusedWith != 0)
        return refusal(frequency.refusedWith);
    if (!receive) {
        if (table.text(row, column::RxFrequency).empty())
            return refusal(blankChannel(row));
        if (!inBands(frequency.value, bands))
            return refusal(message::OutOfRange);
    }
    CommitOutcome outcome = commitCell(table, row, col, formatFrequency(frequency.value),
                                       CommitKind::LeaveCell, bands, language);
    outcome.editorStaysOpen = false;
    return outcome;
}

} // namespace

Reason reasonOf(const CommitOutcome& outcome) {
    return {outcome.messageId, outcome.text};
}

CommitOutcome commitOutsideText(ChannelTable& table, int row, int col, std::string_view text,
                                const BandLimits& bands, Language language) {
    table.row(row); // checks the row
    if (col < ChannelTable::FirstColumn || col > ChannelTable::LastColumn)
        throw std::out_of_range("channel table column " + std::to_string(col));
    const std::string_view value = col == column::Name ? text : trimmed(text, Blanks);

    if (col == column::RxFrequency || col == column::TxFrequency) {
        if (value.empty()) { // a channel without a frequency is blank
            table.setRow(row, ChannelRow{});
            return {};
        }
        return commitFrequency(table, row, col, value, bands, language);
    }

    if (table.isBlank(row)) {
        if (value.empty())
            return {};
        return refusal(blankChannel(row));
    }
    if (value.empty()) {
        table.setText(row, col, clearedText(col, language));
        return {};
    }
    if (col == column::Name) {
        CommitOutcome outcome =
            commitCell(table, row, col, value, CommitKind::LeaveCell, bands, language);
        outcome.editorStaysOpen = false;
        return outcome;
    }
    const int item = listItem(col, value, language);
    if (item < 0)
        return refusal(notAnItem(col, value));
    table.setText(row, col, ChannelTable::items(col, language).at(item));
    return {};
}

void clearBlock(ChannelTable& table, const CellBlock& block, Language language) {
    const bool frequency = block.left <= column::TxFrequency;
    for (int row = block.top; row <= block.bottom; ++row) {
        if (frequency) {
            table.setRow(row, ChannelRow{});
            continue;
        }
        const bool blank = table.isBlank(row);
        for (int col = block.left; col <= block.right; ++col)
            table.setText(row, col, blank ? std::string() : clearedText(col, language));
    }
}

std::vector<std::vector<std::string>> copyBlock(const ChannelTable& table, const CellBlock& block) {
    std::vector<std::vector<std::string>> cells;
    for (int row = block.top; row <= block.bottom; ++row) {
        auto& texts = cells.emplace_back();
        for (int col = block.left; col <= block.right; ++col)
            texts.push_back(table.text(row, col));
    }
    return cells;
}

PasteResult pasteBlock(ChannelTable& table, int top, int left,
                       const std::vector<std::vector<std::string>>& cells, const BandLimits& bands,
                       Language language) {
    table.row(top);
    PasteResult result;
    std::size_t width = 0;
    for (const auto& texts : cells)
        width = std::max(width, texts.size());
    const int lastRow = top == ChannelTable::LastRow ? top : LastChannelRow;
    const auto rows = static_cast<int>(cells.size());
    const auto columns = static_cast<int>(width);
    if (rows > lastRow - top + 1) {
        const std::string label = ChannelTable::rowLabel(top);
        const std::string room = std::to_string(lastRow - top + 1);
        result.doesNotFit = {"The copied block has " + std::to_string(rows) +
                                 " rows; from channel " + label + " there is room for " + room +
                                 ".",
                             "复制的区域有 " + std::to_string(rows) + " 行；从信道 " + label +
                                 " 起只有 " + room + " 行的位置。"};
        return result;
    }
    if (columns > ChannelTable::LastColumn - left + 1) {
        const std::string room = std::to_string(ChannelTable::LastColumn - left + 1);
        result.doesNotFit = {"The copied block has " + std::to_string(columns) +
                                 " columns; from column \"" +
                                 std::string(ChannelTable::header(left, Language::English)) +
                                 "\" there is room for " + room + ".",
                             "复制的区域有 " + std::to_string(columns) + " 列；从“" +
                                 std::string(ChannelTable::header(left, Language::Chinese)) +
                                 "”列起只有 " + room + " 列的位置。"};
        return result;
    }

    ChannelTable pasted = table;
    for (int r = 0; r < rows; ++r) {
        const int row = top + r;
        const auto& texts = cells[r];
        std::vector<int> order;
        for (int c = 0; c < static_cast<int>(texts.size()); ++c)
            order.push_back(left + c);
        // Frequencies first: a new channel's defaults must not cover pasted settings.
        std::stable_sort(order.begin(), order.end(), [](int a, int b) {
            return (a <= column::TxFrequency) > (b <= column::TxFrequency);
        });
        for (int col : order) {
            const std::string& text = texts[col - left];
            const CommitOutcome outcome =
                commitOutsideText(pasted, row, col, text, bands, language);
            if (!outcome.accepted)
                result.refused.push_back({row, col, text, reasonOf(outcome)});
            // A blank channel takes nothing more, and neither does one whose
            // frequency was refused (its settings would only be refused as well).
            if (col <= column::TxFrequency && (!outcome.accepted || trimmed(text, Blanks).empty()))
                break;
        }
    }
    if (result.refused.empty())
        table = std::move(pasted);
    return result;
}

bool rowHasText(const ChannelTable& table, int row) {
    const ChannelRow& texts = table.row(row);
    return std::any_of(texts.begin(), texts.end(), [](const auto& text) { return !text.empty(); });
}

namespace {

void checkChannelRows(int first, int last) {
    if (first < ChannelTable::FirstRow || last > LastChannelRow || first > last)
        throw std::out_of_range("channel rows " + std::to_string(first) + ".." +
                                std::to_string(last));
}

} // namespace

void insertRows(ChannelTable& table, int row, int count) {
    checkChannelRows(row, row + count - 1);
    for (int r = LastChannelRow; r >= row + count; --r)
        table.setRow(r, table.row(r - count));
    for (int r = row; r < row + count; ++r)
        table.setRow(r, ChannelRow{});
}

CellBlock rowsFallingOff(int count) {
    return {LastChannelRow - count + 1, ChannelTable::FirstColumn, LastChannelRow,
            ChannelTable::LastColumn};
}

void deleteRows(ChannelTable& table, std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty())
        return;
    checkChannelRows(rows.front(), rows.back());
    ChannelTable result = table;
    int target = ChannelTable::FirstRow;
    for (int r = ChannelTable::FirstRow; r <= LastChannelRow; ++r)
        if (!std::binary_search(rows.begin(), rows.end(), r))
            result.setRow(target++, table.row(r));
    for (; target <= LastChannelRow; ++target)
        result.setRow(target, ChannelRow{});
    table = std::move(result);
}

bool moveRows(ChannelTable& table, std::vector<int> rows, int delta) {
    if (delta != -1 && delta != 1)
        throw std::invalid_argument("rows move one place at a time");
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    if (rows.empty())
        return true;
    checkChannelRows(rows.front(), rows.back());
    if (rows.front() + delta < ChannelTable::FirstRow || rows.back() + delta > LastChannelRow)
        return false;
    // Up in ascending order, down in descending: a row swaps with a neighbour that
    // is not moving itself, or that has already moved out of the way.
    if (delta > 0)
        std::reverse(rows.begin(), rows.end());
    for (int row : rows) {
        ChannelRow neighbour = table.row(row + delta);
        table.setRow(row + delta, table.row(row));
        table.setRow(row, std::move(neighbour));
    }
    return true;
}

} // namespace program
