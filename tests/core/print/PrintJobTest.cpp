#include "PrintTestSupport.h"

#include "model/FactoryDefaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

using namespace program;
using namespace program::print;
using printtest::Area;
using printtest::Lines;
using printtest::shows;

namespace {

// A table whose given rows have a receive frequency (and nothing else).
ChannelTable tableWithRows(const std::vector<int>& rows) {
    ChannelTable table;
    for (int row : rows)
        table.setText(row, 1, "145.0" + std::to_string(row % 10) + "000");
    return table;
}

PrintJob job(const ChannelTable& table, const Selection& selection, std::string owner = {}) {
    return PrintJob({factoryDefaults(), table, Language::English, std::move(owner)}, selection);
}

Selection only(std::initializer_list<Section> sections) {
    Selection selection;
    selection.chosen.fill(false);
    for (Section section : sections)
        selection.set(section, true);
    return selection;
}

std::vector<std::string> channelHeadings(const Page& page) {
    std::vector<std::string> headings;
    for (const auto& item : page.texts) {
        if (item.text.rfind("Channel ", 0) == 0 && item.font == FontRole::Body &&
            item.text != "Channel Name:")
            headings.push_back(item.text);
    }
    return headings;
}

} // namespace

// The dialog's first choice (Optional and Channel Info) with twelve channels: the
// Optional page, then five, five and two channels counted by position among the
// channels in use, whatever their rows.
TEST(PrintJob, InitialSelectionWithTwelveChannels) {
    const std::vector<int> rows{2, 3, 5, 8, 13, 21, 34, 40, 41, 60, 100, 129};
    const PrintJob print = job(tableWithRows(rows), Selection{}, "Dealer Ltd");
    ASSERT_EQ(print.pageCount(), 4);

    const Page first = print.layOut(1, Area, Lines);
    EXPECT_TRUE(shows(first, "Optional"));
    EXPECT_TRUE(shows(first, "Page 1 of 4"));
    EXPECT_TRUE(shows(first, "Dealer Ltd"));

    EXPECT_EQ(channelHeadings(print.layOut(2, Area, Lines)),
              (std::vector<std::string>{
                  "Channel 2:", "Channel 3:", "Channel 5:", "Channel 8:", "Channel 13:"}));
    EXPECT_EQ(channelHeadings(print.layOut(3, Area, Lines)),
              (std::vector<std::string>{
                  "Channel 21:", "Channel 34:", "Channel 40:", "Channel 41:", "Channel 60:"}));
    const Page last = print.layOut(4, Area, Lines);
    EXPECT_EQ(channelHeadings(last), (std::vector<std::string>{"Channel 100:", "Channel FR:"}));
    EXPECT_TRUE(shows(last, "Page 4 of 4"));
}

TEST(PrintJob, TwoToneAlonePrintsTheDecodePageFirst) {
    const PrintJob print = job(tableWithRows({1}), only({Section::TwoTone}));
    ASSERT_EQ(print.pageCount(), 2);
    EXPECT_TRUE(shows(print.layOut(1, Area, Lines), "2-Tone Decode"));
    EXPECT_TRUE(shows(print.layOut(2, Area, Lines), "2-Tone Encode"));
}

// Every section chosen: the pages follow the fixed order, and the channel pages
// count from the first of them.
TEST(PrintJob, PagesFollowTheSectionOrder) {
    Selection all;
    all.chosen.fill(true);
    EXPECT_EQ(totalPages(all, 6), 7);
    const std::vector<PagePlace> expected{{Section::Dtmf, 1},     {Section::Msk, 1},
                                          {Section::Optional, 1}, {Section::TwoTone, 1},
                                          {Section::TwoTone, 2},  {Section::Channels, 1},
                                          {Section::Channels, 2}};
    for (int page = 1; page <= 7; ++page)
        EXPECT_EQ(locatePage(all, 6, page), expected[std::size_t(page - 1)]) << "page " << page;

    const Selection some = only({Section::Msk, Section::Channels});
    EXPECT_EQ(locatePage(some, 11, 1), (PagePlace{Section::Msk, 1}));
    EXPECT_EQ(locatePage(some, 11, 4), (PagePlace{Section::Channels, 3}));
    EXPECT_EQ(locatePage(only({Section::Channels}), 1, 1), (PagePlace{Section::Channels, 1}));
}

// A job of no pages asks for none; a page outside the job is refused rather than
// drawn as some other section.
TEST(PrintJob, NoChannelsAndPagesOutsideTheJob) {
    const Selection channels = only({Section::Channels});
    EXPECT_EQ(totalPages(channels, 0), 0);
    EXPECT_EQ(job(ChannelTable{}, channels).pageCount(), 0);
    EXPECT_EQ(job(ChannelTable{}, only({})).pageCount(), 0);
    EXPECT_THROW(locatePage(channels, 0, 1), std::out_of_range);
    EXPECT_THROW(locatePage(Selection{}, 5, 0), std::out_of_range);
    EXPECT_THROW(locatePage(Selection{}, 5, 3), std::out_of_range);
}

// Rows count as channels by their receive frequency alone.
TEST(PrintJob, ChannelsInUseAreThoseWithAReceiveFrequency) {
    ChannelTable table;
    table.setText(4, 1, "145.00000");
    table.setText(6, 2, "145.00000"); // transmit frequency only
    table.setText(7, 5, "NAME");
    EXPECT_EQ(listedChannels(table), std::vector<int>{4});
}

TEST(PrintJob, FrameAndFonts) {
    const Page page = job(tableWithRows({1}), Selection{}).layOut(1, Area, Lines);
    const int c = Area.width / 66;
    // Title, double rule under it and the rule above the footer, on the page's
    // grid of title lines.
    ASSERT_FALSE(page.texts.empty());
    EXPECT_EQ(page.texts.front(), (TextItem{6 * c, 380, FontRole::Title, "Optional"}));
    const std::vector<RuleItem> frame{{5 * c, 810, 60 * c, 810},
                                      {5 * c, 880, 60 * c, 880},
                                      {5 * c, 36 * 380 - 190, 60 * c, 36 * 380 - 190}};
    EXPECT_EQ(std::vector<RuleItem>(page.rules.begin(), page.rules.begin() + 3), frame);
    const auto footer =
        std::find_if(page.texts.begin(), page.texts.end(),
                     [](const TextItem& item) { return item.text == "Page 1 of 2"; });
    ASSERT_NE(footer, page.texts.end());
    EXPECT_EQ(footer->y, 36 * 380);

    EXPECT_EQ(fontSize(FontRole::Title, {6600, 4500}).height, 100);
    EXPECT_EQ(fontSize(FontRole::Title, {6600, 4500}).width, 100);
    // The body font is four fifths of the title font, cut to whole twips.
    EXPECT_EQ(fontSize(FontRole::Body, {6666, 4545}).height, 80);
    EXPECT_EQ(fontSize(FontRole::Body, {6666, 4545}).width, 80);
}

TEST(PrintJob, SectionNamesOfTheCommandLine) {
    const auto parsed = parseSections("channels,2tone,dtmf");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, only({Section::Dtmf, Section::TwoTone, Section::Channels}));
    EXPECT_EQ(parseSections("msk,optional"), only({Section::Msk, Section::Optional}));
    for (const char* wrong : {"", "dtmf,", ",msk", "dtmf,dtmf", "DTMF", "two-tone", "msk optional"})
        EXPECT_FALSE(parseSections(wrong)) << wrong;
}
