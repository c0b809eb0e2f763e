#include "model/ImageMap.h"

#include <gtest/gtest.h>

using namespace program;
using namespace program::imagemap;

TEST(ImageMapTest, EveryByteLiesInExactlyOneNamedRegion) {
    std::size_t at = 0;
    for (const NamedRegion& named : namedRegions()) {
        EXPECT_EQ(named.region.offset, at) << "gap or overlap before " << hexRange(named.region);
        EXPECT_GT(named.region.size, 0u);
        EXPECT_FALSE(named.name.english.empty());
        EXPECT_FALSE(named.name.chinese.empty());
        EXPECT_EQ(named.channel != 0, named.editor == Editor::ChannelInformation);
        at = named.region.end();
    }
    EXPECT_EQ(at, CodeplugImage::Size);
    EXPECT_THROW(regionAt(CodeplugImage::Size), std::out_of_range);
}

TEST(ImageMapTest, BytesAreNamedByTheEditorThatShowsThem) {
    EXPECT_EQ(describeRun({0x0C0, 8}, Language::English), "0x0C0-0x0C7: channel 9");
    EXPECT_EQ(describeRun({0xC00, 1}, Language::Chinese), "0xC00: 信道 Fr");
    EXPECT_EQ(regionAt(0xC17).channel, 129);
    EXPECT_EQ(regionAt(0xC72).editor, Editor::KeyAssignment);
    EXPECT_EQ(regionAt(0xC70).editor, Editor::OptionalFeatures);
    EXPECT_EQ(regionAt(0xFA0).editor, Editor::SqlTuning);
    EXPECT_EQ(regionAt(0xFD5).name.english, "band shadow");
    EXPECT_EQ(regionAt(0xFE4).editor, Editor::OptionalFeatures);
    // Bytes no editor shows are said to be kept as read.
    EXPECT_EQ(regionAt(0xC20).editor, Editor::None);
    EXPECT_EQ(regionAt(0xFD2).editor, Editor::None);
    EXPECT_EQ(editorName(Editor::None).english, "not shown by any editor (kept as read)");
}

TEST(ImageMapTest, DifferingRunsStayInsideTheGivenRangesAndOneRegionEach) {
    CodeplugImage a, b;
    // Across the boundary of channels 1 and 2, and a byte outside the ranges asked.
    for (std::size_t at = 0x014; at < 0x01C; ++at)
        b.set(at, 0x00);
    b.set(0x020, 0x00);
    b.set(0xFF0, 0x00);
    const Region within[] = {{0x000, 0x100}};
    const auto runs = differingRuns(a, b, within);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(hexRange(runs[0]), "0x014-0x017");
    EXPECT_EQ(hexRange(runs[1]), "0x018-0x01B");
    EXPECT_EQ(hexRange(runs[2]), "0x020");
    EXPECT_EQ(differingRuns(a, b).size(), 4u);
    EXPECT_EQ(hexBytes(b, runs[2]), "00");
    EXPECT_TRUE(differingRuns(a, a).empty());
}
