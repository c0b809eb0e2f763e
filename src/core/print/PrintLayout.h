#pragma once

#include "app/ProgramState.h"
#include "channels/ChannelTable.h"
#include "model/CodeplugImage.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The printed listing of a codeplug as plain data: which pages a job has, and
// what each page shows where. A renderer (paper, preview, PDF) only draws it.
namespace program::print {

// The sections of the listing, in the order they print.
enum class Section { Dtmf, Msk, Optional, TwoTone, Channels };
inline constexpr int SectionCount = 5;
inline constexpr std::array AllSections = {Section::Dtmf, Section::Msk, Section::Optional,
                                           Section::TwoTone, Section::Channels};

// Channels listed on one Channel Info page.
inline constexpr int ChannelsPerPage = 5;

// Which sections a job prints. A new selection holds what the PrintList dialog
// starts with: Optional and Channel Info.
struct Selection {
    std::array<bool, SectionCount> chosen{false, false, true, false, true};

    bool has(Section section) const { return chosen[int(section)]; }
    void set(Section section, bool on) { chosen[int(section)] = on; }

    friend bool operator==(const Selection&, const Selection&) = default;
};

// The section names program-cli takes ("dtmf", "msk", "optional", "2tone",
// "channels"), comma-separated, each at most once; nullopt for anything else.
std::optional<Selection> parseSections(std::string_view names);
std::string_view sectionName(Section section);

// Grid rows (1..129) that print: those whose receive frequency is not empty.
std::vector<int> listedChannels(const ChannelTable& table);

// How many pages each section takes when `channelCount` channels are listed.
int pageCount(Section section, int channelCount);
// The pages of the chosen sections together.
int totalPages(const Selection& selection, int channelCount);

// Where page `page` (1..totalPages) of a job falls: the section and, for the
// sections of several pages, which of them (1-based).
struct PagePlace {
    Section section;
    int pageOfSection;

    friend bool operator==(const PagePlace&, const PagePlace&) = default;
};
PagePlace locatePage(const Selection& selection, int channelCount, int page);

// Page geometry in twips (1/1440 inch). The printable rectangle of the paper is
// width W by height H; everything on a page is placed relative to its top left.
struct PageArea {
    int width = 0;
    int height = 0;
};

enum class FontRole { Title, Body };

// A font as the page asks for it: the height of its characters (the em, without
// internal leading) and their average width, both in twips.
struct FontSize {
    int height = 0;
    int width = 0;
};
FontSize fontSize(FontRole role, const PageArea& area);

// The line height of each font as the renderer measures it: the text height plus
// the external leading, in twips. Rows of a page are counted in these.
struct LineHeights {
    int title = 0;
    int body = 0;
};

// A text whose cell has its top left corner at (x, y), y counted downwards.
struct TextItem {
    int x = 0;
    int y = 0;
    FontRole font = FontRole::Body;
    std::string text; // UTF-8

    friend bool operator==(const TextItem&, const TextItem&) = default;
};

// A straight line from (x1, y1) to (x2, y2).
struct RuleItem {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;

    friend bool operator==(const RuleItem&, const RuleItem&) = default;
};

struct Page {
    std::vector<TextItem> texts;
    std::vector<RuleItem> rules;
};

// What a listing is made of: the image, the channel table as the grid shows it,
// the language of the run and the owner text of the footer.
struct Listing {
    CodeplugImage image;
    ChannelTable channels;
    Language language = Language::English;
    std::string owner; // UTF-8
};

// One print job: a copy of what it lists, taken when printing starts, so that a
// preview shows the same pages however long it stays open.
class PrintJob {
public:
    PrintJob(Listing listing, const Selection& selection);

    const Selection& selection() const { return m_selection; }
    int pageCount() const { return m_pageCount; }

    // Page `page` (1..pageCount()): the frame, the section's page and the footer.
    Page layOut(int page, const PageArea& area, const LineHeights& lines) const;

private:
    Listing m_listing;
    Selection m_selection;
    std::vector<int> m_channelRows;
    int m_pageCount;
};

} // namespace program::print
