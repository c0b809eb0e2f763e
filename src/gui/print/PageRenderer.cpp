#include "print/PageRenderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

using program::print::FontRole;

namespace {

constexpr double TwipsPerInch = 1440.0;

// Rules are drawn half a point wide: visible on paper and on screen alike.
constexpr int RuleWidth = 10;

} // namespace

PageRenderer::PageRenderer(const QPaintDevice& device)
    : m_device(device), m_dpiX(device.logicalDpiX()),
      m_dpiY(device.logicalDpiY()), m_area{int(device.width() * TwipsPerInch / m_dpiX),
                                           int(device.height() * TwipsPerInch / m_dpiY)},
      m_title(makeFont(FontRole::Title)), m_body(makeFont(FontRole::Body)) {
    const auto lineOf = [this](const QFont& font) {
        const QFontMetricsF metrics(font, &m_device);
        return int(std::lround((metrics.height() + metrics.leading()) * TwipsPerInch / m_dpiY));
    };
    m_lines = {lineOf(m_title), lineOf(m_body)};
}

QStringList PageRenderer::families() {
    return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
            QStringLiteral("WenQuanYi Micro Hei")};
}

QFont PageRenderer::font(FontRole role) const {
    return role == FontRole::Title ? m_title : m_body;
}

QFont PageRenderer::makeFont(FontRole role) const {
    const program::print::FontSize size = program::print::fontSize(role, m_area);
    QFont font;
    font.setFamilies(families());
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Normal);
    // The character height is the em: 20 twips make a point.
    font.setPointSizeF(std::max(1, size.height) / 20.0);
    // The page asks for an average character width of its own; the face is
    // widened or narrowed to it.
    const double natural = QFontMetricsF(font, &m_device).averageCharWidth();
    const double wanted = xPixels(size.width);
    if (natural > 0 && wanted > 0)
        font.setStretch(std::clamp(int(std::lround(100 * wanted / natural)), 1, 4000));
    return font;
}

double PageRenderer::xPixels(int twips) const {
    return twips * m_dpiX / TwipsPerInch;
}

double PageRenderer::yPixels(int twips) const {
    return twips * m_dpiY / TwipsPerInch;
}

void PageRenderer::draw(QPainter& painter, const program::print::Page& page) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black);
    pen.setWidthF(xPixels(RuleWidth));
    painter.setPen(pen);
    for (const auto& rule : page.rules)
        painter.drawLine(QPointF(xPixels(rule.x1), yPixels(rule.y1)),
                         QPointF(xPixels(rule.x2), yPixels(rule.y2)));
    for (const auto& item : page.texts) {
        const QFont& font = item.font == FontRole::Title ? m_title : m_body;
        painter.setFont(font);
        // The item gives the top of the text's cell; the painter writes on the
        // baseline below it.
        const double ascent = QFontMetricsF(font, painter.device()).ascent();
        painter.drawText(QPointF(xPixels(item.x), yPixels(item.y) + ascent),
                         QString::fromStdString(item.text));
    }
    painter.restore();
}

void PageRenderer::print(const program::print::PrintJob& job, QPainter& painter,
                         QPagedPaintDevice& device, int from, int to) {
    const PageRenderer renderer(device);
    for (int page = from; page <= to; ++page) {
        if (page > from)
            device.newPage();
        renderer.draw(painter, job.layOut(page, renderer.area(), renderer.lineHeights()));
    }
}
