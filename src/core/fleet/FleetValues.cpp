#include "fleet/FleetValues.h"

#include "app/MessageIds.h"
#include "channels/CellCommit.h"
#include "channels/Document.h"
#include "exchange/Delimited.h"
#include "settings/Catalogue.h"

#include <charconv>
#include <optional>
#include <set>

namespace program::fleet {

namespace {

constexpr std::string_view LabelColumn = "label";
constexpr std::string_view ChannelPrefix = "channel.";

struct Cell {
    int row = 0;
    int column = 0;
};

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "channel.12.5" and "channel.Fr.1", as `diff` names the cells; 129 stands for Fr too.
std::optional<Cell> channelCell(std::string_view key) {
    if (!key.starts_with(ChannelPrefix))
        return std::nullopt;
    key.remove_prefix(ChannelPrefix.size());
    const auto dot = key.find('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string_view rowText = key.substr(0, dot);
    const auto column = wholeNumber(key.substr(dot + 1));
    std::optional<int> row = rowText == ChannelTable::rowLabel(ChannelTable::LastRow)
                                 ? ChannelTable::LastRow
                                 : wholeNumber(rowText);
    if (!row || *row < ChannelTable::FirstRow || *row > ChannelTable::LastRow || !column ||
        *column < ChannelTable::FirstColumn || *column > ChannelTable::LastColumn)
        return std::nullopt;
    return Cell{*row, *column};
}

// Why no radio can take the column, or nothing when one can.
std::optional<std::string> unknownColumn(const std::string& key) {
    if (key.starts_with(ChannelPrefix))
        return channelCell(key) ? std::nullopt
                                : std::optional<std::string>(
                                      key + ": not a channel cell (channel.ROW.COLUMN, ROW 1..128 "
                                            "or Fr, COLUMN 1..9)");
    if (!settings::sectionOfKey(key))
        return key + ": no such key (program-cli settings FILE.dat lists them)";
    return std::nullopt;
}

} // namespace

std::string RadioValues::failureText() const {
    return failureLine > 0 ? "line " + std::to_string(failureLine) + ": " + failure : failure;
}

std::string applyRadioValues(const Document& document,
                             const std::vector<settings::Assignment>& values,
                             CodeplugImage& image) {
    // A document of its own, opened on what a write of the source would send, so
    // that cells are checked against its band limits and encoded as a save would.
    ProgramState state;
    FixedRadioType types;
    Document work(state, types);
    work.adoptReadImage(document.imageForSave());

    std::vector<settings::Assignment> keys;
    std::vector<std::pair<Cell, const settings::Assignment*>> cells;
    for (const auto& value : values) {
        if (auto cell = channelCell(value.key))
            cells.emplace_back(*cell, &value);
        else
            keys.push_back(value);
    }
    CodeplugImage edited = work.image();
    if (auto refusal = settings::applySettings(edited, keys))
        return refusal->text();
    work.applyEdit(edited);
    for (const auto& [cell, value] : cells) {
        const CommitOutcome outcome =
            commitCell(work.table(), cell.row, cell.column, value->value, CommitKind::LeaveCell,
                       work.bandLimits(), Language::English);
        if (!outcome.accepted)
            return value->key + ": " +
                   (outcome.messageId != 0 ? std::string(message::englishText(outcome.messageId))
                                           : outcome.text.english);
    }
    image = work.imageForSave();
    return {};
}

RadioValues parseRadioValues(std::string_view text, const Document& document) {
    RadioValues result;
    auto refuse = [&](int line, std::string why) {
        result.rows.clear();
        result.failure = std::move(why);
        result.failureLine = line;
        return result;
    };
    const DelimitedText table = readDelimited(text, ',');
    if (!table.readWhole())
        return refuse(table.failureLine, table.failure.english);
    if (table.records.empty())
        return refuse(0, "the values file is empty: its first line names the columns, "
                         "beginning with label");
    const DelimitedRecord& header = table.records.front();
    if (header.fields.empty() || header.fields.front() != LabelColumn)
        return refuse(header.line, "the first column must be label");
    std::set<std::string> columns;
    for (std::size_t i = 1; i < header.fields.size(); ++i) {
        const std::string& key = header.fields[i];
        if (auto why = unknownColumn(key))
            return refuse(header.line, *why);
        if (!columns.insert(key).second)
            return refuse(header.line, key + ": named twice");
    }

    std::set<std::string> labels;
    for (std::size_t r = 1; r < table.records.size(); ++r) {
        const DelimitedRecord& record = table.records[r];
        if (record.fields.size() > header.fields.size())
            return refuse(record.line, "more fields than the first line names");
        RadioRow row;
        row.line = record.line;
        row.label = record.fields.front();
        if (row.label.empty())
            return refuse(record.line, "the radio has no label");
        if (!labels.insert(row.label).second)
            return refuse(record.line, "the label " + row.label + " is given twice");
        for (std::size_t i = 1; i < record.fields.size(); ++i) {
            if (!record.fields[i].empty())
                row.values.push_back({header.fields[i], record.fields[i]});
        }
        if (auto refusal = applyRadioValues(document, row.values, row.image); !refusal.empty())
            return refuse(record.line, refusal);
        result.rows.push_back(std::move(row));
    }
    return result;
}

std::string describeValues(const std::vector<settings::Assignment>& values) {
    std::string text;
    for (const auto& value : values)
        text += (text.empty() ? "" : "; ") + value.key + "=" + value.value;
    return text;
}

} // namespace program::fleet
