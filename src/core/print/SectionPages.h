#pragma once

#include "app/BilingualText.h"
#include "print/PrintLayout.h"

#include <string>
#include <vector>

// The pages of the five sections. Positions follow the listing's grid: x in
// units of c = W / 66, y in rows of the font's line height, with twips added where
// a line or a rule sits between rows.
namespace program::print {

class PageBuilder {
public:
    PageBuilder(const PageArea& area, const LineHeights& lines, Language language);

    // The horizontal unit c, in twips.
    int unit() const { return m_unit; }
    int line(FontRole font) const { return font == FontRole::Title ? m_lines.title : m_lines.body; }
    Language language() const { return m_language; }
    const std::string& pick(const BilingualText& text) const { return text.pick(m_language); }

    // A text of the body font at (x twips, row k).
    void body(int x, int row, std::string text);
    // The title of a section page: title font at (6 c, row 1).
    void title(const BilingualText& text);
    // A text at (x, y) in twips.
    void text(int x, int y, FontRole font, std::string text);
    void rule(int x1, int y1, int x2, int y2);

    // The page frame: the double rule under the title and the rule above the
    // footer.
    void frame();
    // The footer: the owner text and "Page p of n".
    void footer(const std::string& owner, int page, int pages);

    Page take() { return std::move(m_page); }

private:
    PageArea m_area;
    LineHeights m_lines;
    Language m_language;
    int m_unit;
    Page m_page;
};

void dtmfPage(PageBuilder& page, const CodeplugImage& image);
void mskPage(PageBuilder& page, const CodeplugImage& image);
void optionalPage(PageBuilder& page, const CodeplugImage& image);
void twoToneDecodePage(PageBuilder& page, const CodeplugImage& image);
void twoToneEncodePage(PageBuilder& page, const CodeplugImage& image);
// Up to five channels, by grid row.
void channelPage(PageBuilder& page, const ChannelTable& table, const std::vector<int>& rows);

// printf's "%W.Pf" without the locale: the decimal point is always a point.
std::string fixed(double value, int width, int precision);

} // namespace program::print
