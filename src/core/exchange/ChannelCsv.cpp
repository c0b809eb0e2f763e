#include "exchange/ChannelCsv.h"

#include "app/MessageIds.h"
#include "app/Trimmed.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelTexts.h"
#include "channels/Frequency.h"
#include "exchange/Delimited.h"
#include "model/Decimal.h"
#include "model/Utf8.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

namespace program {

namespace {

constexpr int LastChannelRow = ChannelTable::LastRow - 1; // 128
constexpr int FrLocation = 0;

// Values the format's users expect in the tone columns a row does not use.
constexpr const char* UnusedTone = "88.5";
constexpr const char* UnusedCode = "023";
constexpr const char* UnusedPolarity = "NN";
constexpr const char* UnusedCrossMode = "Tone->Tone";

enum Column {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    Urcall,
    Rpt1call,
    Rpt2call,
    Dvcode,
    ColumnCount
};

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& ch : result)
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return result;
}

// The blanks and tabs around a value are no part of it.
constexpr std::string_view Blanks = " \t";

// MHz with six decimals: 146.520000.
std::string megahertz(std::int64_t tenHz) {
    return formatFrequency(tenHz) + "0";
}

bool inBand(std::int64_t value, std::int64_t lower, std::int64_t upper) {
    return value >= lower && value <= upper;
}

bool sameBand(std::int64_t a, std::int64_t b, const BandLimits& bands) {
    return (inBand(a, bands.vLower, bands.vUpper) && inBand(b, bands.vLower, bands.vUpper)) ||
           (inBand(a, bands.uLower, bands.uUpper) && inBand(b, bands.uLower, bands.uUpper));
}

// A tone cell of the grid as the CSV columns see it.
struct ToneSide {
    enum class Kind { None, Ctcss, Dcs } kind = Kind::None;
    std::string value;   // "88.5" or "023"
    char polarity = 'N'; // N normal, R inverted (the grid's I)

    bool sameAs(const ToneSide& other) const { return kind == other.kind && value == other.value; }
};

ToneSide toneSide(const std::string& text) {
    if (text.empty() || channeltext::NoTone.matches(text))
        return {};
    if (text.front() == 'D') {
        const DecimalNumber digits = readDecimal(std::string_view(text).substr(1));
        std::string code = digits.integerDigits;
        if (code.size() < 3)
            code.insert(0, 3 - code.size(), '0');
        return {ToneSide::Kind::Dcs, code, text.back() == 'I' ? 'R' : 'N'};
    }
    return {ToneSide::Kind::Ctcss, text, 'N'};
}

std::vector<std::string> exportRow(const ChannelTable& table, int row, const BandLimits& bands) {
    using namespace channeltext;
    std::vector<std::string> fields(ColumnCount);
    const std::int64_t rx = parseFrequency(table.text(row, column::RxFrequency)).value;
    const std::int64_t tx = parseFrequency(table.text(row, column::TxFrequency)).value;

    fields[Location] = std::to_string(row);
    fields[Name] = table.text(row, column::Name);
    fields[Frequency] = megahertz(rx);
    if (tx == rx) {
        fields[Offset] = megahertz(0);
    } else if (sameBand(rx, tx, bands)) {
        fields[Duplex] = tx > rx ? "+" : "-";
        fields[Offset] = megahertz(tx > rx ? tx - rx : rx - tx);
    } else {
        fields[Duplex] = "split";
        fields[Offset] = megahertz(tx);
    }

    // The transmit side is the encode tone, the receive side the decode tone.
    const ToneSide send = toneSide(table.text(row, column::EncodeTone));
    const ToneSide hear = toneSide(table.text(row, column::DecodeTone));
    using Kind = ToneSide::Kind;
    fields[RToneFreq] = fields[CToneFreq] = UnusedTone;
    fields[DtcsCode] = fields[RxDtcsCode] = UnusedCode;
    fields[DtcsPolarity] = UnusedPolarity;
    fields[CrossMode] = UnusedCrossMode;
    if (send.kind == Kind::None && hear.kind == Kind::None) {
        fields[Tone] = "";
    } else if (send.kind == Kind::Ctcss && hear.kind == Kind::None) {
        fields[Tone] = "Tone";
        fields[RToneFreq] = send.value;
    } else if (send.kind == Kind::Ctcss && send.sameAs(hear)) {
        fields[Tone] = "TSQL";
        fields[RToneFreq] = fields[CToneFreq] = send.value;
    } else if (send.kind == Kind::Dcs && send.sameAs(hear)) {
        fields[Tone] = "DTCS";
        fields[DtcsCode] = fields[RxDtcsCode] = send.value;
        fields[DtcsPolarity] = std::string{send.polarity, hear.polarity};
    } else {
        fields[Tone] = "Cross";
        const auto side = [](Kind kind) {
            return kind == Kind::Ctcss ? "Tone" : kind == Kind::Dcs ? "DTCS" : "";
        };
        fields[CrossMode] = std::string(side(send.kind)) + "->" + side(hear.kind);
        if (send.kind == Kind::Ctcss)
            fields[RToneFreq] = send.value;
        if (hear.kind == Kind::Ctcss)
            fields[CToneFreq] = hear.value;
        if (send.kind == Kind::Dcs) {
            fields[DtcsCode] = send.value;
            fields[DtcsPolarity][0] = send.polarity;
        }
        if (hear.kind == Kind::Dcs) {
            fields[RxDtcsCode] = hear.value;
            fields[DtcsPolarity][1] = hear.polarity;
        }
    }

    fields[Mode] = Narrow.matches(table.text(row, column::Bandwidth)) ? "NFM" : "FM";
    fields[TStep] = rx % 500 == 0 || rx % 625 != 0 ? "5.00" : "6.25";
    fields[Skip] = No.matches(table.text(row, column::ScanAdd)) ? "S" : "";
    fields[Power] = Low.matches(table.text(row, column::Power)) ? "Low" : "High";
    return fields;
}

// ---------------------------------------------------------------------------
// Import

BilingualText say(std::string english, std::string chinese) {
    return {std::move(english), std::move(chinese)};
}

std::string q(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}
std::string qz(std::string_view text) {
    return "“" + std::string(text) + "”";
}

// A refusal of one row: the field it concerns, and why.
struct RowRefusal {
    std::string field;
    std::string value;
    Reason reason;
};

// Exactly in 10 Hz units, or nothing for text that is no such number.
std::optional<std::int64_t> exactTenHz(std::string_view text) {
    if (!isOnlyADecimal(text))
        return std::nullopt;
    const DecimalNumber number = readDecimal(text);
    const std::int64_t value = scaledMagnitude(number, 5, Rounding::TowardZero);
    if (number.negative || value != scaledMagnitude(number, 5, Rounding::Up))
        return std::nullopt;
    return value;
}

// Milliwatts of a power written as a wattage ("5.0W", "0.5 W", "5").
std::optional<std::int64_t> milliwatts(std::string_view text) {
    std::string_view number = text;
    if (!number.empty() && (number.back() == 'W' || number.back() == 'w'))
        number = trimmed(number.substr(0, number.size() - 1), Blanks);
    if (!isOnlyADecimal(number) || readDecimal(number).negative)
        return std::nullopt;
    return scaledMagnitude(readDecimal(number), 3, Rounding::TowardZero);
}

class RowReader {
public:
    RowReader(const std::vector<int>& index, const DelimitedRecord& record)
        : m_index(index), m_record(record) {}

    std::string_view field(Column column) const {
        const int at = m_index[column];
        return at < 0 ? std::string_view() : trimmed(m_record.fields[at], Blanks);
    }
    std::string_view raw(Column column) const {
        const int at = m_index[column];
        return at < 0 ? std::string_view() : std::string_view(m_record.fields[at]);
    }

private:
    const std::vector<int>& m_index;
    const DelimitedRecord& m_record;
};

// The tone text of one side of a channel, or a refusal.
struct SideText {
    std::string text;
    std::optional<RowRefusal> refusal;
    std::string field = "Tone"; // the column the text comes from
    std::string value;          // as the file writes it
};

SideText taken(std::string text, std::string field = "Tone", std::string value = {}) {
    SideText side;
    side.text = std::move(text);
    side.field = std::move(field);
    side.value = std::move(value);
    return side;
}

SideText refused(RowRefusal refusal) {
    SideText side;
    side.refusal = std::move(refusal);
    return side;
}

SideText ctcssText(const RowReader& reader, Column column, const std::string& name) {
    const std::string_view value = reader.field(column);
    const DecimalNumber number = readDecimal(value);
    const std::int64_t tenths = scaledMagnitude(number, 1, Rounding::TowardZero);
    if (!isOnlyADecimal(value) || number.negative ||
        tenths != scaledMagnitude(number, 1, Rounding::Up))
        return refused(RowRefusal{name,
                                  std::string(value),
                                  {0, say(name + " " + q(value) + " is not a tone frequency.",
                                          name + " " + qz(value) + " 不是音频频率。")}});
    return taken(std::to_string(tenths / 10) + "." + std::to_string(tenths % 10), name,
                 std::string(value));
}

SideText dcsText(const RowReader& reader, Column column, const std::string& name, char polarity) {
    const std::string_view value = reader.field(column);
    const bool digits =
        !value.empty() && value.size() <= 3 &&
        std::all_of(value.begin(), value.end(), [](char ch) { return ch >= '0' && ch <= '7'; });
    if (!digits)
        return refused(RowRefusal{name,
                                  std::string(value),
                                  {0, say(name + " " + q(value) + " is not a DCS code.",
                                          name + " " + qz(value) + " 不是 DCS 码。")}});
    std::string code(value);
    code.insert(0, 3 - code.size(), '0');
    return taken("D" + code + (polarity == 'R' ? "I" : "N"), name, std::string(value));
}

struct ToneTexts {
    SideText encode; // transmit
    SideText decode; // receive
    std::optional<RowRefusal> refusal;
};

ToneTexts toneTexts(const RowReader& reader) {
    ToneTexts tones;
    const std::string mode(reader.field(Tone));
    const std::string polarity =
        reader.field(DtcsPolarity).empty() ? "NN" : std::string(reader.field(DtcsPolarity));
    if (polarity.size() != 2 || (polarity[0] != 'N' && polarity[0] != 'R') ||
        (polarity[1] != 'N' && polarity[1] != 'R')) {
        tones.refusal =
            RowRefusal{"DtcsPolarity",
                       polarity,
                       {0, say("DtcsPolarity " + q(polarity) + " is none of NN, NR, RN and RR.",
                               "DtcsPolarity " + qz(polarity) + " 不是 NN、NR、RN、RR 之一。")}};
        return tones;
    }
    const SideText none = taken(channeltext::NoTone.english);
    tones.encode = tones.decode = none;
    if (mode.empty())
        return tones;
    if (mode == "Tone") {
        tones.encode = ctcssText(reader, RToneFreq, "rToneFreq");
        return tones;
    }
    if (mode == "TSQL") {
        tones.encode = tones.decode = ctcssText(reader, CToneFreq, "cToneFreq");
        return tones;
    }
    if (mode == "DTCS") {
        tones.encode = dcsText(reader, DtcsCode, "DtcsCode", polarity[0]);
        tones.decode = dcsText(reader, DtcsCode, "DtcsCode", polarity[1]);
        return tones;
    }
    const std::string cross(reader.field(CrossMode));
    static const std::vector<std::string> CrossModes = {
        "Tone->Tone", "Tone->DTCS", "DTCS->Tone", "->Tone", "->DTCS", "DTCS->", "DTCS->DTCS"};
    if (mode != "Cross") {
        tones.refusal =
            RowRefusal{"Tone",
                       mode,
                       {0, say("Tone " + q(mode) +
                                   " is not a tone mode the radio has (Tone, TSQL, DTCS, "
                                   "Cross or none).",
                               "Tone " + qz(mode) +
                                   " 不是电台具有的音频方式（Tone、TSQL、DTCS、Cross 或无）。")}};
        return tones;
    }
    if (std::find(CrossModes.begin(), CrossModes.end(), cross) == CrossModes.end()) {
        tones.refusal =
            RowRefusal{"CrossMode",
                       cross,
                       {0, say("CrossMode " + q(cross) + " is not a cross mode the radio has.",
                               "CrossMode " + qz(cross) + " 不是电台具有的交叉方式。")}};
        return tones;
    }
    const std::string send = cross.substr(0, cross.find("->"));
    const std::string hear = cross.substr(cross.find("->") + 2);
    if (send == "Tone")
        tones.encode = ctcssText(reader, RToneFreq, "rToneFreq");
    else if (send == "DTCS")
        tones.encode = dcsText(reader, DtcsCode, "DtcsCode", polarity[0]);
    if (hear == "Tone")
        tones.decode = ctcssText(reader, CToneFreq, "cToneFreq");
    else if (hear == "DTCS")
        tones.decode = dcsText(reader, RxDtcsCode, "RxDtcsCode", polarity[1]);
    return tones;
}

// The transmit frequency in the grid's text, or a refusal.
SideText transmitText(const RowReader& reader, std::int64_t rx) {
    const std::string duplex = lower(reader.field(Duplex));
    const std::string_view offsetText = reader.field(Offset);
    if (duplex.empty())
        return taken(formatFrequency(rx));
    if (duplex == "off")
        return refused(RowRefusal{
            "Duplex",
            "off",
            {0, say("Duplex \"off\" (no transmit frequency) cannot be taken: the "
                    "radio always has one.",
                    "Duplex “off”（无发射频率）无法导入：电台的每个信道都有发射频率。")}});
    if (duplex != "+" && duplex != "-" && duplex != "split")
        return refused(
            RowRefusal{"Duplex",
                       duplex,
                       {0, say("Duplex " + q(duplex) + " is none of +, -, split and off.",
                               "Duplex " + qz(duplex) + " 不是 +、-、split、off 之一。")}});
    const std::optional<std::int64_t> offset = offsetText.empty() && duplex != "split"
                                                   ? std::optional<std::int64_t>(0)
                                                   : exactTenHz(offsetText);
    if (!offset)
        return refused(
            RowRefusal{"Offset",
                       std::string(offsetText),
                       {0, say("Offset " + q(offsetText) + " is not a frequency in MHz.",
                               "Offset " + qz(offsetText) + " 不是以 MHz 为单位的频率。")}});
    if (duplex == "split")
        return taken(formatFrequency(*offset));
    const std::int64_t tx = duplex == "+" ? rx + *offset : rx - *offset;
    if (tx <= 0)
        return refused(RowRefusal{"Offset", std::string(offsetText), {message::OutOfRange, {}}});
    return taken(formatFrequency(tx));
}

std::optional<RowRefusal> choice(const std::string& field, std::string_view value,
                                 const std::vector<std::pair<std::string, const char*>>& allowed,
                                 std::string& text, const std::string& orElse = {}) {
    for (const auto& [written, item] : allowed)
        if (lower(value) == lower(written)) {
            text = item;
            return std::nullopt;
        }
    std::string list;
    for (const auto& allowedValue : allowed)
        if (!allowedValue.first.empty())
            list += (list.empty() ? "" : ", ") + allowedValue.first;
    if (!orElse.empty())
        list += ", " + orElse;
    return RowRefusal{field,
                      std::string(value),
                      {0, say(field + " " + q(value) + " is none of " + list + ".",
                              field + " " + qz(value) + " 不是 " + list + " 之一。")}};
}

class Importer {
public:
    Importer(const ChannelTable& current, const CsvOptions& options, const BandLimits& bands,
             Language language)
        : m_current(current), m_options(options), m_bands(bands), m_language(language) {
        m_result.table = current;
    }

    CsvImport run(std::string_view text) {
        DelimitedText csv = readDelimited(text, ',');
        if (!csv.readWhole())
            return failed(csv.failureLine, csv.failure);
        if (csv.records.empty())
            return failed(
                1, say("The file holds no channel list: its first line must name the "
                       "columns (Location,Name,Frequency,...).",
                       "文件中没有信道列表：第一行必须是列名（Location,Name,Frequency,...）。"));
        if (!readHeader(csv.records.front()))
            return std::move(m_result);
        const std::size_t columns = csv.records.front().fields.size();
        std::vector<const DelimitedRecord*> rows;
        for (std::size_t i = 1; i < csv.records.size(); ++i)
            if (fitToHeader(csv.records[i], columns))
                rows.push_back(&csv.records[i]);
        findHighestPower(rows);
        for (const DelimitedRecord* row : rows)
            takeRow(*row);
        if (m_options.replace)
            for (int row = ChannelTable::FirstRow; row <= LastChannelRow; ++row)
                if (!m_named.contains(row))
                    m_result.table.setRow(row, ChannelRow{});
        std::stable_sort(m_result.notes.begin(), m_result.notes.end(),
                         [](const CsvNote& a, const CsvNote& b) { return a.line < b.line; });
        return std::move(m_result);
    }

private:
    CsvImport failed(int line, BilingualText reason) {
        CsvImport result;
        result.table = m_current;
        result.failure = std::move(reason);
        result.failureLine = line;
        return result;
    }

    bool readHeader(const DelimitedRecord& header) {
        m_index.assign(ColumnCount, -1);
        for (std::size_t at = 0; at < header.fields.size(); ++at) {
            const std::string name = lower(trimmed(header.fields[at], Blanks));
            for (int column = 0; column < ColumnCount; ++column)
                if (m_index[column] < 0 && name == lower(csvColumns()[column]))
                    m_index[column] = static_cast<int>(at);
        }
        for (Column needed : {Location, Frequency}) {
            if (m_index[needed] >= 0)
                continue;
            const std::string& name = csvColumns()[needed];
            m_result =
                failed(header.line, say("The file has no \"" + name +
                                            "\" column. Its first line must "
                                            "name the columns, Location and Frequency among them.",
                                        "文件中没有“" + name +
                                            "”列。第一行必须是列名，其中要有 "
                                            "Location 和 Frequency。"));
            return false;
        }
        return true;
    }

    // Many published lists end every line with a comma, one empty field more than
    // the first line names: fields beyond the columns are read as absent while they
    // are empty, and fields a short line lacks as empty. A line whose extra fields
    // hold text cannot be placed in the columns and is skipped.
    bool fitToHeader(DelimitedRecord& record, std::size_t columns) {
        while (record.fields.size() > columns && trimmed(record.fields.back(), Blanks).empty())
            record.fields.pop_back();
        if (record.fields.size() <= columns) {
            record.fields.resize(columns);
            return true;
        }
        std::string extra, extraZh;
        for (std::size_t at = columns; at < record.fields.size(); ++at) {
            if (trimmed(record.fields[at], Blanks).empty())
                continue;
            extra += (extra.empty() ? "" : ", ") + q(record.fields[at]);
            extraZh += (extraZh.empty() ? "" : "、") + qz(record.fields[at]);
        }
        const std::string count = std::to_string(columns);
        record.fields.resize(columns);
        note(record, RowReader(m_index, record).field(Location),
             {"",
              "",
              {0, say("The line holds " + extra + " beyond the " + count +
                          " columns the first line names; this row is skipped.",
                      "此行在第一行的 " + count + " 列之外还有 " + extraZh + "；跳过此行。")}},
             true);
        return false;
    }

    void findHighestPower(const std::vector<const DelimitedRecord*>& rows) {
        for (const DelimitedRecord* row : rows)
            if (auto watts = milliwatts(RowReader(m_index, *row).field(Power)))
                m_highestPower = std::max(m_highestPower.value_or(0), *watts);
    }

    void note(const DelimitedRecord& record, std::string_view location, RowRefusal refusal,
              bool skipped) {
        CsvNote& added = m_result.notes.emplace_back();
        added.line = record.line;
        added.location = std::string(location);
        added.field = std::move(refusal.field);
        added.value = std::move(refusal.value);
        added.reason = std::move(refusal.reason);
        added.skipped = skipped;
    }

    // The row a Location names, or 0 after a note saying why it names none.
    int rowOf(const DelimitedRecord& record, std::string_view location) {
        const bool number = !location.empty() && location.size() <= 4 &&
                            std::all_of(location.begin(), location.end(),
                                        [](char ch) { return ch >= '0' && ch <= '9'; });
        const int value = number ? std::stoi(std::string(location)) : -1;
        if (value == FrLocation && m_options.includeFr)
            return ChannelTable::LastRow;
        if (value == FrLocation) {
            note(record, location,
                 {"Location",
                  "0",
                  {0, say("Location 0 is the channel \"Fr\"; it is taken only when asked for "
                          "(--include-fr).",
                          "Location 0 是信道“Fr”，只有在要求时（--include-fr）才导入。")}},
                 true);
            return 0;
        }
        if (value < ChannelTable::FirstRow || value > LastChannelRow) {
            note(record, location,
                 {"Location",
                  std::string(location),
                  {0, say("Location " + q(location) +
                              " is no channel of the radio (1 to 128, "
                              "0 for \"Fr\").",
                          "Location " + qz(location) + " 不是电台的信道（1 至 128，0 为“Fr”）。")}},
                 true);
            return 0;
        }
        return value;
    }

    void takeRow(const DelimitedRecord& record) {
        const RowReader reader(m_index, record);
        const std::string_view location = reader.field(Location);
        const int row = rowOf(record, location);
        if (row == 0)
            return;
        if (const auto first = m_named.find(row); first != m_named.end()) {
            const std::string line = std::to_string(first->second);
            note(record, location,
                 {"Location",
                  std::string(location),
                  {0, say("Location " + std::string(location) + " was already given on line " +
                              line + "; this row is skipped.",
                          "Location " + std::string(location) + " 已在第 " + line +
                              " 行给出；跳过此行。")}},
                 true);
            return;
        }
        m_named.emplace(row, record.line);

        ChannelTable scratch = m_result.table;
        std::optional<RowRefusal> refusal = fill(scratch, row, reader);
        if (refusal) {
            note(record, location, std::move(*refusal), true);
            return;
        }
        m_result.table.setRow(row, scratch.row(row));
        ++m_result.rowsTaken;
        if (const std::string_view name = reader.raw(Name);
            utf8Prefix(name, ChannelNameSize).size() < name.size()) {
            const std::string kept(utf8Prefix(name, ChannelNameSize));
            note(record, location,
                 {"Name",
                  std::string(name),
                  {0, say("Name " + q(name) + " is cut to the " + std::to_string(ChannelNameSize) +
                              " characters a channel name holds: " + q(kept) + ".",
                          "Name " + qz(name) + " 被截短为信道名字能容纳的 " +
                              std::to_string(ChannelNameSize) + " 个字符：" + qz(kept) + "。")}},
                 false);
        }
    }

    // Commits one cell of the channel; a refusal names the CSV field.
    std::optional<RowRefusal> commit(ChannelTable& scratch, int row, int col,
                                     const std::string& text, std::string field,
                                     std::string_view value) {
        const CommitOutcome outcome =
            commitOutsideText(scratch, row, col, text, m_bands, m_language);
        if (outcome.accepted)
            return std::nullopt;
        return RowRefusal{std::move(field), std::string(value), reasonOf(outcome)};
    }

    std::optional<RowRefusal> fill(ChannelTable& scratch, int row, const RowReader& reader) {
        // Busy Lock has no column: a channel keeps its own, a new one starts "Off".
        const std::string busyLock = m_current.isBlank(row) ? channeltext::Off.pick(m_language)
                                                            : m_current.text(row, column::BusyLock);
        scratch.setRow(row, ChannelRow{});
        const std::string_view frequency = reader.field(Frequency);
        if (frequency.empty())
            return std::nullopt; // a row without a frequency is a blank channel
        if (auto refused = commit(scratch, row, column::RxFrequency, std::string(frequency),
                                  "Frequency", frequency))
            return refused;
        const std::int64_t rx = parseFrequency(scratch.text(row, column::RxFrequency)).value;
        const SideText transmit = transmitText(reader, rx);
        if (transmit.refusal)
            return transmit.refusal;
        if (auto refused = commit(scratch, row, column::TxFrequency, transmit.text,
                                  reader.field(Duplex).empty() ? "Frequency" : "Offset",
                                  reader.field(Duplex).empty() ? frequency : reader.field(Offset)))
            return refused;

        const ToneTexts tones = toneTexts(reader);
        for (const auto* refusal : {&tones.refusal, &tones.encode.refusal, &tones.decode.refusal})
            if (*refusal)
                return *refusal;
        if (auto refused = commit(scratch, row, column::EncodeTone, tones.encode.text,
                                  tones.encode.field, tones.encode.value))
            return refused;
        if (auto refused = commit(scratch, row, column::DecodeTone, tones.decode.text,
                                  tones.decode.field, tones.decode.value))
            return refused;

        const std::string name(utf8Prefix(reader.raw(Name), ChannelNameSize));
        if (auto refused = commit(scratch, row, column::Name, name, "Name", reader.raw(Name)))
            return refused;

        std::string power = "High";
        const std::string_view powerText = reader.field(Power);
        if (const auto watts = milliwatts(powerText))
            power = *watts >= m_highestPower.value_or(0) ? "High" : "Low";
        else if (auto refused =
                     choice("Power", powerText, {{"", "High"}, {"High", "High"}, {"Low", "Low"}},
                            power, "5.0W"))
            return refused;
        std::string bandwidth;
        if (auto refused = choice("Mode", reader.field(Mode),
                                  {{"", "Wide"}, {"FM", "Wide"}, {"NFM", "Narrow"}}, bandwidth))
            return refused;
        std::string scan;
        if (auto refused = choice("Skip", reader.field(Skip), {{"", "Yes"}, {"S", "No"}}, scan))
            return refused;
        for (const auto& [col, text] :
             {std::pair{column::Power, power}, std::pair{column::Bandwidth, bandwidth},
              std::pair{column::ScanAdd, scan}, std::pair{column::BusyLock, busyLock}})
            if (auto refused = commit(scratch, row, col, text, "", text))
                return refused;
        return std::nullopt;
    }

    const ChannelTable& m_current;
    const CsvOptions& m_options;
    const BandLimits& m_bands;
    Language m_language;
    CsvImport m_result;
    std::vector<int> m_index;
    std::map<int, int> m_named; // row -> line of the file that named it
    std::optional<std::int64_t> m_highestPower;
};

} // namespace

const std::vector<std::string>& csvColumns() {
    static const std::vector<std::string> columns = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return columns;
}

std::string describeCsvNote(const CsvNote& note, const std::string& reason, Language language) {
    if (note.field.empty() || note.field == "Location" ||
        reason.find(note.field) != std::string::npos)
        return reason;
    if (language == Language::Chinese)
        return note.field + " " + qz(note.value) + "：" + reason;
    return note.field + " " + q(note.value) + ": " + reason;
}

std::string exportChannelsCsv(const ChannelTable& table, const BandLimits& bands) {
    std::string text = delimitedRecord(csvColumns(), ',') + "\r\n";
    for (int row = ChannelTable::FirstRow; row <= LastChannelRow; ++row)
        if (!table.isBlank(row))
            text += delimitedRecord(exportRow(table, row, bands), ',') + "\r\n";
    return text;
}

CsvImport importChannelsCsv(const ChannelTable& current, std::string_view text,
                            const CsvOptions& options, const BandLimits& bands, Language language) {
    return Importer(current, options, bands, language).run(text);
}

} // namespace program
