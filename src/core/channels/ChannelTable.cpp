#include "channels/ChannelTable.h"

#include "channels/BandLimitBlock.h"
#include "channels/ChannelRecord.h"
#include "channels/ChannelTexts.h"
#include "channels/ToneList.h"

#include <cctype>
#include <stdexcept>

namespace program {

namespace {

void checkRow(int row) {
    if (row < ChannelTable::FirstRow || row > ChannelTable::LastRow)
        throw std::out_of_range("channel table row " + std::to_string(row));
}

void checkColumn(int col, int first) {
    if (col < first || col > ChannelTable::LastColumn)
        throw std::out_of_range("channel table column " + std::to_string(col));
}

std::vector<std::string> listOf(std::initializer_list<BilingualText> texts, Language language) {
    std::vector<std::string> items;
    for (const BilingualText& text : texts)
        items.emplace_back(text.pick(language));
    return items;
}

// The choice lists of columns 6..9, in list order.
const std::vector<std::string>& choiceItems(int col, Language language) {
    using namespace channeltext;
    auto build = [](Language lang) {
        return std::array<std::vector<std::string>, 4>{
            listOf({Low, High}, lang),
            listOf({Wide, Narrow}, lang),
            listOf({Yes, No}, lang),
            listOf({Off, Carrier, QtDqt}, lang),
        };
    };
    static const auto english = build(Language::English);
    static const auto chinese = build(Language::Chinese);
    return (language == Language::Chinese ? chinese : english).at(col - column::Power);
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(prefix[i]);
        if (std::tolower(a) != std::tolower(b))
            return false;
    }
    return true;
}

} // namespace

const std::string& ChannelTable::text(int row, int col) const {
    checkRow(row);
    checkColumn(col, column::Label);
    if (col == column::Label)
        return rowLabel(row);
    return cell(m_rows[row - 1], col);
}

void ChannelTable::setText(int row, int col, std::string text) {
    checkRow(row);
    checkColumn(col, FirstColumn);
    cell(m_rows[row - 1], col) = std::move(text);
}

const ChannelRow& ChannelTable::row(int row) const {
    checkRow(row);
    return m_rows[row - 1];
}

void ChannelTable::setRow(int row, ChannelRow texts) {
    checkRow(row);
    m_rows[row - 1] = std::move(texts);
}

bool ChannelTable::isBlank(int row) const {
    const ChannelRow& texts = this->row(row);
    return cell(texts, column::RxFrequency).empty() || cell(texts, column::TxFrequency).empty();
}

int ChannelTable::channelsInUse() const {
    int count = 0;
    for (int r = FirstRow; r <= LastRow; ++r)
        count += isBlank(r) ? 0 : 1;
    return count;
}

const std::string& ChannelTable::rowLabel(int row) {
    static const auto labels = [] {
        std::array<std::string, RowCount> all;
        for (int r = FirstRow; r < LastRow; ++r)
            all[r - 1] = std::to_string(r);
        all[LastRow - 1] = "Fr";
        return all;
    }();
    checkRow(row);
    return labels[row - 1];
}

std::string_view ChannelTable::header(int col, Language language) {
    checkColumn(col, column::Label);
    return channeltext::Headers[col].pick(language);
}

EditorKind ChannelTable::editorKind(int col) {
    checkColumn(col, column::Label);
    switch (col) {
    case column::Label:
        return EditorKind::None;
    case column::RxFrequency:
    case column::TxFrequency:
        return EditorKind::FrequencyEdit;
    case column::DecodeTone:
    case column::EncodeTone:
        return EditorKind::ToneList;
    case column::Name:
        return EditorKind::NameEdit;
    default:
        return EditorKind::ChoiceList;
    }
}

int ChannelTable::editorMaxLength(int col) {
    switch (editorKind(col)) {
    case EditorKind::FrequencyEdit:
        return 9;
    case EditorKind::NameEdit:
        return static_cast<int>(ChannelNameSize); // one byte a character
    default:
        return 0;
    }
}

const std::vector<std::string>& ChannelTable::items(int col, Language language) {
    static const std::vector<std::string> none;
    switch (editorKind(col)) {
    case EditorKind::ToneList:
        return toneList(language);
    case EditorKind::ChoiceList:
        return choiceItems(col, language);
    default:
        return none;
    }
}

int ChannelTable::selectedItem(int col, std::string_view cellText, Language language) {
    const std::vector<std::string>& list = items(col, language);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (startsWithIgnoringCase(list[i], cellText))
            return static_cast<int>(i);
    return 0;
}

ImageToGridResult ImageToGrid(CodeplugImage& image, ChannelTable& table, ProgramState& state,
                              std::uint8_t storedType) {
    for (int record = 0; record < ChannelRecordCount; ++record) {
        const auto bytes =
            image.range(channelRecordOffset(record), ChannelRecordSize).first<ChannelRecordSize>();
        table.setRow(record + ChannelTable::FirstRow, decodeChannelRecord(bytes, state.language));
    }

    ImageToGridResult result;
    if (state.newDocument) {
        image.set(imagemap::RadioType, storedType);
        writeBandLimitBlock(newDocumentBandLimits(), image);
        writeBandShadow(newDocumentBandLimits(), image);
    } else {
        result.typeToStore = image.at(imagemap::RadioType);
    }
    state.bandLimits = readBandLimitBlock(image);
    return result;
}

void GridToImage(const ChannelTable& table, const ProgramState& state, CodeplugImage& image) {
    writeBandLimitBlock(state.bandLimits, image);
    for (int record = 0; record < ChannelRecordCount; ++record) {
        const auto bytes =
            image.range(channelRecordOffset(record), ChannelRecordSize).first<ChannelRecordSize>();
        encodeChannelRecord(table.row(record + ChannelTable::FirstRow), bytes);
    }
}

} // namespace program
