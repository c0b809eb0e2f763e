#include "settings/Differences.h"

#include "model/FactoryDefaults.h"
#include "settings/Catalogue.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::settings;
using imagemap::Editor;
using Kind = Difference::Kind;

TEST(Differences, KeysThenChannelCellsThenByteRunsEachWithItsEditor) {
    const CodeplugImage a = factoryDefaults();
    CodeplugImage b = a;
    ASSERT_FALSE(
        applySettings(b, std::vector<Assignment>{{"msk.id_code", "12AB"}, {"optional.tot", "90"}}));
    // Channel 9 receives on 446.00625 MHz.
    const std::uint8_t rx[] = {0x25, 0x06, 0x60, 0x44};
    b.write(0x0C0, rx);
    b.set(0xC20, 0x00); // a byte no editor shows

    const auto found = differences(a, b, Language::English, true);
    std::vector<std::string> keys;
    for (const auto& d : found) {
        if (d.kind != Kind::Bytes)
            keys.push_back(d.key);
    }
    ASSERT_GE(keys.size(), 3u);
    // The catalogue's order, whatever order the assignments came in.
    EXPECT_EQ(keys[0], "optional.tot");
    EXPECT_EQ(keys[1], "msk.id_code");
    EXPECT_EQ(keys[2].rfind("channel.9.", 0), 0u);

    const auto cell = std::find_if(found.begin(), found.end(),
                                   [](const Difference& d) { return d.kind == Kind::ChannelCell; });
    ASSERT_NE(cell, found.end());
    EXPECT_EQ(cell->row, 9);
    EXPECT_EQ(cell->editor, Editor::ChannelInformation);
    EXPECT_EQ(found[0].editor, Editor::OptionalFeatures);
    EXPECT_EQ(diffLine(found[0], Language::English), "optional.tot: 30 -> 90");

    std::vector<std::string> runs;
    for (const auto& d : found) {
        if (d.kind == Kind::Bytes)
            runs.push_back(diffLine(d, Language::English));
    }
    EXPECT_EQ(runs.front(), "bytes 0x0C0-0x0C3 (channel 9): FF FF FF FF -> 25 06 60 44");
    EXPECT_NE(std::find(runs.begin(), runs.end(), "bytes 0xC20 (unused): FF -> 00"), runs.end());
    EXPECT_TRUE(differences(a, a, Language::English, true).empty());
    // Without bytes, only what the editors show.
    for (const auto& d : differences(a, b, Language::English, false))
        EXPECT_NE(d.kind, Kind::Bytes);
}

TEST(Differences, EditorsRankChannelsFirstAndUnshownBytesLast) {
    EXPECT_LT(editorRank(Editor::ChannelInformation), editorRank(Editor::OptionalFeatures));
    EXPECT_LT(editorRank(Editor::OptionalFeatures), editorRank(Editor::KeyAssignment));
    EXPECT_LT(editorRank(Editor::ParameterAdjust), editorRank(Editor::SoftwareInfo));
    EXPECT_LT(editorRank(Editor::SoftwareInfo), editorRank(Editor::None));
}
