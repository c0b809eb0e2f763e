#include "compare/MemoryMapWindow.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QFontDatabase>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using program::imagemap::Editor;

constexpr int BytesPerRow = int(program::CodeplugImage::RowSize);
// "0x0C0  " then "FF " for each byte, then a space and the characters.
constexpr int OffsetWidth = 7;
constexpr int HexWidth = 3;
constexpr int CharactersAt = OffsetWidth + BytesPerRow * HexWidth + 1;

// A light colour per editor; neighbouring regions of one editor (the channel
// records) alternate between two shades so that each record stands out.
QColor regionColour(const program::imagemap::NamedRegion& region, int index) {
    static const QColor colours[] = {
        QColor(0xEE, 0xEE, 0xEE), // not shown by any editor
        QColor(0xCF, 0xE8, 0xFF), // Channel Information
        QColor(0xD8, 0xF5, 0xD0), // Optional Features
        QColor(0xFF, 0xE4, 0xC4), // DTMF
        QColor(0xF0, 0xD8, 0xF8), // 2-Tone
        QColor(0xFF, 0xF5, 0xB8), // MSK
        QColor(0xC8, 0xF0, 0xEC), // Key Assignment
        QColor(0xFF, 0xD6, 0xD6), // SQL Tuning
        QColor(0xE0, 0xE0, 0xFF), // Parameter Adjust
        QColor(0xE8, 0xF0, 0xC8), // Software Info
    };
    const QColor colour = colours[static_cast<int>(region.editor)];
    return index % 2 == 0 ? colour : colour.darker(108);
}

QString hexOffset(std::size_t offset) {
    return QString::fromStdString(program::imagemap::hexRange({offset, 1}));
}

QString hexByte(std::uint8_t byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

MemoryMapWindow::MemoryMapWindow(QWidget* parent)
    : QDialog(parent), m_view(new QPlainTextEdit(this)), m_region(new QLabel(this)) {
    setWindowTitle(tr("Memory Map"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_view->setAccessibleName(tr("Memory Map"));
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
    helpproperty::setControlId(m_view, control::MemoryMapView);
    m_region->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addWidget(m_region);
    const QFontMetrics metrics(m_view->font());
    const int width = metrics.horizontalAdvance(QString(CharactersAt + BytesPerRow + 2, 'M'));
    resize(width + 60, 560);
    connect(m_view, &QPlainTextEdit::cursorPositionChanged, this,
            &MemoryMapWindow::showByteAtCursor);
}

void MemoryMapWindow::showImage(const program::CodeplugImage& image, program::Language language) {
    m_image = image;
    m_language = language;
    redraw();
}

void MemoryMapWindow::setMarked(std::vector<program::imagemap::Region> runs) {
    m_marked = std::move(runs);
    redraw();
}

void MemoryMapWindow::redraw() {
    const int scroll = m_view->verticalScrollBar()->value();
    const QSignalBlocker quiet(m_view);
    m_view->clear();
    QTextCursor cursor(m_view->document());
    const auto regions = program::imagemap::namedRegions();
    QTextCharFormat plain;
    for (int row = 0; row < int(program::CodeplugImage::RowCount); ++row) {
        if (row > 0)
            cursor.insertBlock();
        const std::size_t first = std::size_t(row) * BytesPerRow;
        cursor.insertText(hexOffset(first) + QStringLiteral("  "), plain);
        QString characters;
        for (int column = 0; column < BytesPerRow; ++column) {
            const std::size_t at = first + std::size_t(column);
            const auto& region = program::imagemap::regionAt(at);
            const int index = int(&region - regions.data());
            QTextCharFormat format;
            format.setBackground(regionColour(region, index));
            const bool marked = std::any_of(m_marked.begin(), m_marked.end(),
                                            [at](const auto& run) { return run.contains(at); });
            if (marked) {
                format.setForeground(Qt::red);
                format.setFontWeight(QFont::Bold);
            }
            cursor.insertText(hexByte(m_image.at(at)), format);
            cursor.insertText(QStringLiteral(" "), plain);
            const std::uint8_t byte = m_image.at(at);
            characters += byte >= 0x20 && byte < 0x7F ? QChar(byte) : QChar('.');
        }
        cursor.insertText(QStringLiteral(" ") + characters, plain);
    }
    // The cursor starts on the first byte, so that the line beneath names it.
    QTextCursor start(m_view->document());
    start.setPosition(OffsetWidth);
    m_view->setTextCursor(start);
    m_view->verticalScrollBar()->setValue(scroll);
    m_region->setText(describeByte(0));
}

std::optional<std::size_t> MemoryMapWindow::byteAt(int line, int column) {
    if (line < 0 || line >= int(program::CodeplugImage::RowCount))
        return std::nullopt;
    int index = -1;
    if (column >= OffsetWidth && column < OffsetWidth + BytesPerRow * HexWidth)
        index = (column - OffsetWidth) / HexWidth;
    else if (column >= CharactersAt && column < CharactersAt + BytesPerRow)
        index = column - CharactersAt;
    if (index < 0)
        return std::nullopt;
    return std::size_t(line) * BytesPerRow + std::size_t(index);
}

QString MemoryMapWindow::describeByte(std::size_t offset) const {
    const auto& region = program::imagemap::regionAt(offset);
    return QStringLiteral("%1 = %2: %3 (%4)")
        .arg(hexOffset(offset), hexByte(m_image.at(offset)),
             QString::fromStdString(region.name.pick(m_language)),
             QString::fromStdString(program::imagemap::editorName(region.editor).pick(m_language)));
}

void MemoryMapWindow::showByteAtCursor() {
    const QTextCursor cursor = m_view->textCursor();
    if (auto at = byteAt(cursor.blockNumber(), cursor.positionInBlock()))
        m_region->setText(describeByte(*at));
}

bool MemoryMapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_view->viewport() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        const QTextCursor cursor = m_view->cursorForPosition(move->position().toPoint());
        if (auto at = byteAt(cursor.blockNumber(), cursor.positionInBlock()))
            m_region->setText(describeByte(*at));
    }
    return QDialog::eventFilter(watched, event);
}
