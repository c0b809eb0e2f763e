#include "signalling/SignallingPage.h"

#include "signalling/SpinEdit.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QTabWidget>
#include <QTableWidget>

using namespace program::signalling;

namespace {

// The fixed cells' text colour.
const QColor FixedCellText(0, 70, 213);

// Paints a grid's corner as the heading of its number column.
class CornerHeading : public QObject {
public:
    CornerHeading(QAbstractButton* corner, const QString& text) : QObject(corner), m_text(text) {
        corner->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto* corner = static_cast<QAbstractButton*>(watched);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = m_text;
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.palette.setColor(QPalette::ButtonText, FixedCellText);
        QStylePainter painter(corner);
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }

private:
    QString m_text;
};

} // namespace

PageTabs::PageTabs(QTabWidget* tabs, program::CodeplugImage& image)
    : QObject(tabs), m_tabs(tabs), m_image(image) {
    connect(tabs, &QTabWidget::currentChanged, this, &PageTabs::switchTo);
}

SignallingPage* PageTabs::page(int index) const {
    return qobject_cast<SignallingPage*>(m_tabs->widget(index));
}

void PageTabs::loadCurrent() {
    m_shown = m_tabs->currentIndex();
    if (SignallingPage* shown = page(m_shown))
        shown->load(m_image);
}

void PageTabs::storeCurrent() {
    if (SignallingPage* shown = page(m_shown))
        shown->store(m_image);
}

void PageTabs::switchTo(int index) {
    if (m_shown < 0)
        return; // the dialog is still being set up
    storeCurrent();
    m_shown = index;
    if (SignallingPage* shown = page(index))
        shown->load(m_image);
}

void setUpNumberedGrid(QTableWidget* grid, int rows, const QString& numberHeader) {
    grid->setRowCount(rows);
    QStringList numbers;
    for (int row = 0; row < rows; ++row) {
        numbers << QString::number(row + 1);
        for (int col = 0; col < grid->columnCount(); ++col) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            grid->setItem(row, col, item);
        }
    }
    grid->setVerticalHeaderLabels(numbers);
    for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()})
        header->setDefaultAlignment(Qt::AlignCenter);
    // The columns share the grid's width; the rows keep their height.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int col = 0; col < grid->columnCount(); ++col)
        grid->horizontalHeaderItem(col)->setForeground(FixedCellText);
    for (int row = 0; row < rows; ++row)
        grid->verticalHeaderItem(row)->setForeground(FixedCellText);
    grid->verticalHeader()->setMinimumWidth(grid->fontMetrics().horizontalAdvance(numberHeader) +
                                            12);
    grid->setCornerButtonEnabled(false);
    if (auto* corner = grid->findChild<QAbstractButton*>())
        new CornerHeading(corner, numberHeader);
}

void setTwoToneRules(SpinEdit* edit, TwoToneEdit kind, int maxLength) {
    edit->setRules(
        [kind](const QString& text, Spin spin) {
            return fromStd(spinTwoToneEdit(kind, text.toStdString(), spin));
        },
        [kind](const QString& text) { return fromStd(leaveTwoToneEdit(kind, text.toStdString())); },
        fromStd(twoToneText(kind, kind == TwoToneEdit::Tone ? 31060 : 100)), maxLength);
}
