#include "settings/Differences.h"

#include "channels/ChannelTable.h"
#include "settings/Catalogue.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace program::settings {

namespace {

using imagemap::Editor;

// The catalogue's sections by the editor they stand for, in the catalogue's order.
struct SectionEditor {
    std::string_view section;
    Editor editor;
};
constexpr SectionEditor SectionEditors[] = {
    {"optional", Editor::OptionalFeatures},
    {"keys", Editor::KeyAssignment},
    {"msk", Editor::Msk},
    {"dtmf", Editor::Dtmf},
    {"twotone", Editor::TwoTone},
    {"sql", Editor::SqlTuning},
    {"params", Editor::ParameterAdjust},
    {"softinfo", Editor::SoftwareInfo},
};

Editor editorOfKey(std::string_view key) {
    const std::string_view section = key.substr(0, key.find('.'));
    for (const auto& entry : SectionEditors) {
        if (entry.section == section)
            return entry.editor;
    }
    return Editor::None;
}

// The channel table as the grid would show the image's records.
ChannelTable channelsOf(const CodeplugImage& image, Language language) {
    CodeplugImage copy = image;
    ProgramState state;
    state.language = language;
    ChannelTable table;
    ImageToGrid(copy, table, state, copy.at(imagemap::RadioType));
    return table;
}

} // namespace

std::vector<Difference> differences(const CodeplugImage& a, const CodeplugImage& b,
                                    Language language, bool bytes) {
    std::vector<Difference> found;
    const auto before = showSettings(a, language);
    const auto after = showSettings(b, language);
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i].value != after[i].value)
            found.push_back({Difference::Kind::Setting, editorOfKey(before[i].key), before[i].key,
                             before[i].value, after[i].value});
    }

    const ChannelTable first = channelsOf(a, language);
    const ChannelTable second = channelsOf(b, language);
    for (int row = ChannelTable::FirstRow; row <= ChannelTable::LastRow; ++row) {
        for (int col = ChannelTable::FirstColumn; col <= ChannelTable::LastColumn; ++col) {
            if (first.text(row, col) == second.text(row, col))
                continue;
            Difference cell{Difference::Kind::ChannelCell, Editor::ChannelInformation,
                            "channel." + ChannelTable::rowLabel(row) + "." + std::to_string(col),
                            first.text(row, col), second.text(row, col)};
            cell.row = row;
            cell.column = col;
            found.push_back(std::move(cell));
        }
    }

    if (bytes) {
        for (const imagemap::Region& run : imagemap::differingRuns(a, b)) {
            Difference bytesRun{Difference::Kind::Bytes,
                                imagemap::regionAt(run.offset).editor,
                                {},
                                imagemap::hexBytes(a, run),
                                imagemap::hexBytes(b, run)};
            bytesRun.run = run;
            found.push_back(std::move(bytesRun));
        }
    }
    return found;
}

int editorRank(Editor editor) {
    if (editor == Editor::ChannelInformation)
        return 0;
    for (std::size_t i = 0; i < std::size(SectionEditors); ++i) {
        if (SectionEditors[i].editor == editor)
            return int(i) + 1;
    }
    return int(std::size(SectionEditors)) + 1;
}

std::string diffLine(const Difference& difference, Language language) {
    if (difference.kind == Difference::Kind::Bytes)
        return "bytes " + imagemap::hexRange(difference.run) + " (" +
               imagemap::regionAt(difference.run.offset).name.pick(language) +
               "): " + difference.was + " -> " + difference.is;
    return difference.key + ": " + difference.was + " -> " + difference.is;
}

} // namespace program::settings
