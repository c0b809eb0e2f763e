#include "print/PrintLayout.h"

#include "channels/ChannelColumns.h"
#include "print/SectionPages.h"

#include <stdexcept>

namespace program::print {

namespace {

constexpr std::string_view Names[SectionCount] = {"dtmf", "msk", "optional", "2tone", "channels"};

} // namespace

std::string_view sectionName(Section section) {
    return Names[int(section)];
}

std::optional<Selection> parseSections(std::string_view names) {
    Selection selection;
    selection.chosen.fill(false);
    std::size_t start = 0;
    while (start <= names.size()) {
        const std::size_t comma = std::min(names.find(',', start), names.size());
        const std::string_view name = names.substr(start, comma - start);
        bool known = false;
        for (Section section : AllSections) {
            if (name == sectionName(section) && !selection.has(section)) {
                selection.set(section, true);
                known = true;
            }
        }
        if (!known)
            return std::nullopt;
        start = comma + 1;
    }
    return selection;
}

std::vector<int> listedChannels(const ChannelTable& table) {
    std::vector<int> rows;
    for (int row = ChannelTable::FirstRow; row <= ChannelTable::LastRow; ++row) {
        if (!table.text(row, column::RxFrequency).empty())
            rows.push_back(row);
    }
    return rows;
}

int pageCount(Section section, int channelCount) {
    switch (section) {
    case Section::TwoTone:
        return 2; // decode page, then encode page
    case Section::Channels:
        return (channelCount + ChannelsPerPage - 1) / ChannelsPerPage;
    default:
        return 1;
    }
}

int totalPages(const Selection& selection, int channelCount) {
    int pages = 0;
    for (Section section : AllSections) {
        if (selection.has(section))
            pages += pageCount(section, channelCount);
    }
    return pages;
}

PagePlace locatePage(const Selection& selection, int channelCount, int page) {
    if (page < 1 || page > totalPages(selection, channelCount))
        throw std::out_of_range("no such page in the print job");
    // Counting every section's pages, chosen or not, gives each page of the fixed
    // sections a number of its own: 1 DTMF, 2 MSK, 3 Optional, 4 and 5 2-Tone, the
    // channel pages after them.
    int chosen = 0;
    int skipped = 0;
    for (Section section : AllSections) {
        const int pages = pageCount(section, channelCount);
        if (selection.has(section))
            chosen += pages;
        else
            skipped += pages;
        if (chosen >= page)
            break;
    }
    const int absolute = page + skipped;
    switch (absolute) {
    case 1:
        return {Section::Dtmf, 1};
    case 2:
        return {Section::Msk, 1};
    case 3:
        return {Section::Optional, 1};
    case 4:
        return {Section::TwoTone, 1};
    case 5:
        return {Section::TwoTone, 2};
    default:
        return {Section::Channels, page - (totalPages(selection, channelCount) -
                                           pageCount(Section::Channels, channelCount))};
    }
}

FontSize fontSize(FontRole role, const PageArea& area) {
    const FontSize title{area.height / 45, area.width / 66};
    if (role == FontRole::Title)
        return title;
    return {title.height * 8 / 10, title.width * 8 / 10};
}

PrintJob::PrintJob(Listing listing, const Selection& selection)
    : m_listing(std::move(listing)), m_selection(selection),
      m_channelRows(listedChannels(m_listing.channels)),
      m_pageCount(totalPages(selection, int(m_channelRows.size()))) {}

Page PrintJob::layOut(int page, const PageArea& area, const LineHeights& lines) const {
    const PagePlace place = locatePage(m_selection, int(m_channelRows.size()), page);
    PageBuilder builder(area, lines, m_listing.language);
    builder.frame();
    switch (place.section) {
    case Section::Dtmf:
        dtmfPage(builder, m_listing.image);
        break;
    case Section::Msk:
        mskPage(builder, m_listing.image);
        break;
    case Section::Optional:
        optionalPage(builder, m_listing.image);
        break;
    case Section::TwoTone:
        if (place.pageOfSection == 1)
            twoToneDecodePage(builder, m_listing.image);
        else
            twoToneEncodePage(builder, m_listing.image);
        break;
    case Section::Channels: {
        const std::size_t first = std::size_t(place.pageOfSection - 1) * ChannelsPerPage;
        const std::size_t last = std::min(first + ChannelsPerPage, m_channelRows.size());
        channelPage(builder, m_listing.channels,
                    std::vector<int>(m_channelRows.begin() + std::ptrdiff_t(first),
                                     m_channelRows.begin() + std::ptrdiff_t(last)));
        break;
    }
    }
    builder.footer(m_listing.owner, page, m_pageCount);
    return builder.take();
}

} // namespace program::print
