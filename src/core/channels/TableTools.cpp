#include "channels/TableTools.h"

#include "app/MessageIds.h"
#include "channels/ChannelTexts.h"
#include "channels/Frequency.h"
#include "model/Decimal.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <stdexcept>
#include <tuple>

namespace program {

namespace {

constexpr int FrRow = ChannelTable::LastRow;

// The farthest a transmit frequency can sit from its receive frequency: the
// radio's whole tuning range, 67 to 600 MHz.
constexpr std::int64_t WidestOffset = 60000000 - 6700000;

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Where a tone text stands in the tone list's order: None, QT by frequency, DQT
// normal, DQT inverted. Texts the list does not hold (odd bytes from a file) still
// fall into their group by their number.
std::pair<int, std::int64_t> toneKey(const std::string& text) {
    if (text.empty() || text == channeltext::NoTone.english || text == channeltext::NoTone.chinese)
        return {0, 0};
    if (text.front() == 'D') {
        const DecimalNumber code = readDecimal(std::string_view(text).substr(1));
        return {text.back() == 'N' ? 2 : 3, scaledMagnitude(code, 0, Rounding::TowardZero)};
    }
    return {1, scaledMagnitude(readDecimal(text), 1, Rounding::Up)};
}

std::int64_t frequencyOf(const ChannelTable& table, int row, int col) {
    return parseFrequency(table.text(row, col)).value;
}

// What a channel sorts by: first its rank (a channel with the key, one in use
// without it, a blank channel), then the key itself.
struct SortValue {
    int rank = 0;
    std::int64_t number = 0;
    std::int64_t subNumber = 0;
    std::string text;

    auto keyTuple() const { return std::tie(number, subNumber, text); }
};

SortValue sortValue(const ChannelTable& table, int row, SortKey key) {
    SortValue value;
    if (table.isBlank(row)) {
        value.rank = 2;
        return value;
    }
    switch (key) {
    case SortKey::RxFrequency:
    case SortKey::TxFrequency:
        value.number = frequencyOf(table, row, sortColumn(key));
        break;
    case SortKey::Name:
        value.text = lowered(table.text(row, column::Name));
        value.rank = value.text.empty() ? 1 : 0;
        break;
    case SortKey::DecodeTone: {
        const auto [group, number] = toneKey(table.text(row, column::DecodeTone));
        value.number = group;
        value.subNumber = number;
        break;
    }
    }
    return value;
}

std::vector<int> distinctRows(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

RowRefusal refusalOf(int row, std::string text, const CommitOutcome& outcome) {
    return {row, std::move(text), reasonOf(outcome)};
}

} // namespace

std::optional<SortKey> sortKeyNamed(std::string_view word) {
    if (word == "rx")
        return SortKey::RxFrequency;
    if (word == "tx")
        return SortKey::TxFrequency;
    if (word == "name")
        return SortKey::Name;
    if (word == "dec")
        return SortKey::DecodeTone;
    return std::nullopt;
}

int sortColumn(SortKey key) {
    switch (key) {
    case SortKey::RxFrequency:
        return column::RxFrequency;
    case SortKey::TxFrequency:
        return column::TxFrequency;
    case SortKey::Name:
        return column::Name;
    case SortKey::DecodeTone:
        break;
    }
    return column::DecodeTone;
}

void sortRows(ChannelTable& table, std::vector<int> rows, SortKey key, bool descending) {
    rows = distinctRows(std::move(rows));
    for (int row : rows)
        table.row(row); // checks the row
    std::erase(rows, FrRow);

    struct Entry {
        SortValue value;
        ChannelRow texts;
    };
    std::vector<Entry> entries;
    for (int row : rows)
        entries.push_back({sortValue(table, row, key), table.row(row)});
    std::stable_sort(entries.begin(), entries.end(), [descending](const Entry& a, const Entry& b) {
        if (a.value.rank != b.value.rank)
            return a.value.rank < b.value.rank;
        return descending ? b.value.keyTuple() < a.value.keyTuple()
                          : a.value.keyTuple() < b.value.keyTuple();
    });
    for (std::size_t i = 0; i < rows.size(); ++i)
        table.setRow(rows[i], std::move(entries[i].texts));
}

ManyRowsResult setColumn(ChannelTable& table, const std::vector<int>& rows, int col,
                         std::string_view text, const BandLimits& bands, Language language) {
    ManyRowsResult result;
    ChannelTable changed = table;
    for (int row : rows) {
        if (col != column::RxFrequency && changed.isBlank(row)) {
            result.skipped.push_back(row);
            continue;
        }
        const CommitOutcome outcome = commitOutsideText(changed, row, col, text, bands, language);
        if (!outcome.accepted) {
            result.refused = refusalOf(row, std::string(text), outcome);
            result.skipped.clear();
            return result;
        }
    }
    table = std::move(changed);
    return result;
}

std::optional<std::int64_t> repeaterSplit(std::int64_t rxFrequency) {
    constexpr std::int64_t MHz = TenHzPerMHz;
    if (rxFrequency >= 144 * MHz && rxFrequency <= 148 * MHz)
        return 60000; // 600 kHz
    if (rxFrequency >= 420 * MHz && rxFrequency <= 450 * MHz)
        return 5 * MHz;
    return std::nullopt;
}

std::optional<std::int64_t> parseOffsetKHz(std::string_view text) {
    if (!isOnlyADecimal(text))
        return std::nullopt;
    const DecimalNumber number = readDecimal(text);
    // kHz with two decimals is 10 Hz units.
    const std::int64_t value = scaledMagnitude(number, 2, Rounding::TowardZero);
    if (number.negative || value != scaledMagnitude(number, 2, Rounding::Up) || value <= 0 ||
        value > WidestOffset)
        return std::nullopt;
    return value;
}

ManyRowsResult applyRepeaterOffset(ChannelTable& table, const std::vector<int>& rows,
                                   OffsetDirection direction, std::optional<std::int64_t> offset,
                                   const BandLimits& bands, Language language) {
    ManyRowsResult result;
    ChannelTable changed = table;
    for (int row : rows) {
        if (changed.isBlank(row)) {
            result.skipped.push_back(row);
            continue;
        }
        const std::int64_t rx = frequencyOf(changed, row, column::RxFrequency);
        const std::optional<std::int64_t> split = offset ? offset : repeaterSplit(rx);
        if (!split) {
            const std::string shown = formatFrequency(rx);
            result.refused = RowRefusal{
                row,
                shown,
                {0,
                 {shown + " MHz lies in neither repeater band (144-148 MHz, 420-450 MHz): give "
                          "the offset.",
                  shown + " MHz 不在中继频段（144-148 MHz、420-450 MHz）内：请输入差频。"}}};
            result.skipped.clear();
            return result;
        }
        const std::int64_t tx = direction == OffsetDirection::Plus ? rx + *split : rx - *split;
        const std::string txText = tx > 0 ? formatFrequency(tx) : std::string("0");
        CommitOutcome outcome;
        if (tx > 0) {
            outcome = commitOutsideText(changed, row, column::TxFrequency, txText, bands, language);
        } else {
            outcome.accepted = false;
            outcome.messageId = message::OutOfRange;
        }
        if (!outcome.accepted) {
            result.refused = refusalOf(row, txText, outcome);
            result.skipped.clear();
            return result;
        }
    }
    table = std::move(changed);
    return result;
}

std::vector<int> duplicateOf(const ChannelTable& table) {
    using Key =
        std::tuple<std::int64_t, std::pair<int, std::int64_t>, std::pair<int, std::int64_t>>;
    std::map<Key, int> first;
    std::vector<int> result(ChannelTable::LastRow + 1, 0);
    for (int row = ChannelTable::FirstRow; row <= ChannelTable::LastRow; ++row) {
        if (table.isBlank(row))
            continue;
        const Key key{frequencyOf(table, row, column::RxFrequency),
                      toneKey(table.text(row, column::DecodeTone)),
                      toneKey(table.text(row, column::EncodeTone))};
        const auto [at, inserted] = first.emplace(key, row);
        if (!inserted)
            result[row] = at->second;
    }
    return result;
}

std::vector<CellAt> findCells(const ChannelTable& table, std::string_view text) {
    std::vector<CellAt> cells;
    if (text.empty())
        return cells;
    const std::string wanted = lowered(text);
    for (int row = ChannelTable::FirstRow; row <= ChannelTable::LastRow; ++row)
        for (int col : {column::RxFrequency, column::TxFrequency, column::Name})
            if (lowered(table.text(row, col)).find(wanted) != std::string::npos)
                cells.push_back({row, col});
    return cells;
}

std::optional<std::vector<int>> parseRowRange(std::string_view text, int first, int last) {
    const auto number = [](std::string_view digits) -> std::optional<int> {
        int value = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), value);
        if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
            !std::isdigit(static_cast<unsigned char>(digits.front())))
            return std::nullopt;
        return value;
    };
    const auto dash = text.find('-');
    const auto from = number(text.substr(0, dash));
    const auto to = dash == std::string_view::npos ? from : number(text.substr(dash + 1));
    if (!from || !to || *from < first || *to > last || *from > *to)
        return std::nullopt;
    std::vector<int> rows;
    for (int row = *from; row <= *to; ++row)
        rows.push_back(row);
    return rows;
}

} // namespace program
