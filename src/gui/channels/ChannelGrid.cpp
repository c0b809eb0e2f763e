#include "channels/ChannelGrid.h"

#include "channels/ChannelTableModel.h"
#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "common/StringTable.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Paints the grid's corner as the header of the label column ("CH").
class CornerHeader : public QObject {
public:
    CornerHeader(QAbstractButton* corner, const ChannelTableModel* model)
        : QObject(corner), m_model(model) {
        corner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint)
            return false;
        auto* corner = static_cast<QAbstractButton*>(watched);
        QStyleOptionHeader option;
        option.initFrom(corner);
        option.rect = corner->rect();
        option.text = m_model->labelHeader();
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::OnlyOneSection;
        option.palette.setColor(QPalette::ButtonText, ChannelTableModel::FixedTextColour);
        QStylePainter painter(corner);
        painter.drawControl(QStyle::CE_Header, option);
        return true;
    }

private:
    const ChannelTableModel* m_model;
};

QMessageBox::Icon iconOf(program::MessageIcon icon) {
    switch (icon) {
    case program::MessageIcon::Stop:
        return QMessageBox::Critical;
    case program::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case program::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The header of the row labels. Its width is the grid's to set (applyColumnWidths
// fixes it), so its size hint need not measure the 129 labels each time the grid
// lays itself out, which it does several times before the first window shows.
class RowHeader final : public QHeaderView {
public:
    explicit RowHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
        // As the table view's own header: a click selects the row.
        setSectionsClickable(true);
        setHighlightSections(true);
    }
    QSize sizeHint() const override { return {minimumWidth(), defaultSectionSize()}; }
};

// The header of the column titles. The titles stay as they are while the grid
// shows, so their height is measured once, not at each of the layouts before the
// first window shows (and again when the font or style changes).
class ColumnHeader final : public QHeaderView {
public:
    explicit ColumnHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true);
        setHighlightSections(true);
    }
    QSize sizeHint() const override {
        if (!m_hint.isValid() && count() > 0)
            m_hint = QHeaderView::sizeHint();
        return m_hint.isValid() ? m_hint : QHeaderView::sizeHint();
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_hint = QSize();
        QHeaderView::changeEvent(event);
    }

private:
    mutable QSize m_hint;
};

} // namespace

ChannelGrid::ChannelGrid(ChannelTableModel* model, program::Language language, QWidget* parent)
    : QTableView(parent), m_model(model), m_editors(new ChannelEditors(language, this)),
      m_language(language) {
    setObjectName(QStringLiteral("channelGrid"));
    setVerticalHeader(new RowHeader(this));
    setHorizontalHeader(new ColumnHeader(this));
    setModel(model);
    setItemDelegate(m_editors);
    setEditTriggers(CurrentChanged | DoubleClicked | SelectedClicked | AnyKeyPressed |
                    EditKeyPressed);
    // Rows are selected by their labels, blocks of cells with Shift or Ctrl, for
    // the clipboard and the row commands.
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectItems);
    setTabKeyNavigation(true);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 10);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    if (auto* corner = findChild<QAbstractButton*>())
        new CornerHeader(corner, model);
    verticalHeader()->viewport()->installEventFilter(this);
    horizontalHeader()->viewport()->installEventFilter(this);
    // A right click on a row's number offers the same menu for that row.
    verticalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(verticalHeader(), &QHeaderView::customContextMenuRequested, this,
            [this](const QPoint& at) {
                const int row = verticalHeader()->logicalIndexAt(at);
                if (row >= 0 && !selectionModel()->isRowSelected(row, QModelIndex()) &&
                    commitOpenEditor())
                    selectCells(m_model->index(row, 0),
                                m_model->index(row, m_model->columnCount() - 1));
                emit contextMenuWanted(verticalHeader()->viewport()->mapToGlobal(at));
            });

    connect(m_editors, &ChannelEditors::editorCreated, this, &ChannelGrid::onEditorCreated);
    connect(m_editors, &ChannelEditors::editorKey, this, &ChannelGrid::onEditorKey);
    m_fittingUnit = fittingUnitWidth();
    applyColumnWidths(m_fittingUnit);
}

int ChannelGrid::fittingUnitWidth() const {
    const QFontMetrics headerFont(horizontalHeader()->font());
    const QFontMetrics cellFont(font());
    const int padding = 18;
    double unit = 0;
    const auto fit = [&](int textWidth, double factor) {
        unit = std::max(unit, (textWidth + padding) / factor);
    };
    fit(headerFont.horizontalAdvance(m_model->labelHeader()), WidthFactors[0]);
    fit(headerFont.horizontalAdvance(QStringLiteral("128")), WidthFactors[0]);
    for (int column = 0; column < m_model->columnCount(); ++column)
        fit(headerFont.horizontalAdvance(m_model->headerData(column, Qt::Horizontal).toString()),
            WidthFactors[column + 1]);
    // The widest frequency and name the editors take.
    fit(cellFont.horizontalAdvance(QStringLiteral("000.00000")), WidthFactors[1]);
    fit(cellFont.horizontalAdvance(QStringLiteral("WWWWWWWW")), WidthFactors[5]);
    return static_cast<int>(std::ceil(unit));
}

void ChannelGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    // The columns share the width the window gives them, keeping their proportions,
    // and never get narrower than their texts need.
    double factors = 0;
    for (double factor : WidthFactors)
        factors += factor;
    const int available = viewport()->width() + verticalHeader()->width() - 2;
    applyColumnWidths(std::max(m_fittingUnit, static_cast<int>(available / factors)));
}

void ChannelGrid::applyColumnWidths(int unit) {
    verticalHeader()->setFixedWidth(static_cast<int>(unit * WidthFactors[0]));
    for (int column = 0; column < m_model->columnCount(); ++column)
        setColumnWidth(column, static_cast<int>(unit * WidthFactors[column + 1]));
}

void ChannelGrid::onEditorCreated(QWidget* editor, const QModelIndex& index) {
    m_editor = editor;
    m_editorIndex = index;
}

void ChannelGrid::discardOpenEditor() {
    if (m_editor)
        closeEditor(m_editor, QAbstractItemDelegate::RevertModelCache);
}

void ChannelGrid::selectCells(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    const bool selecting = std::exchange(m_selecting, true);
    selectionModel()->setCurrentIndex(topLeft, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(topLeft, bottomRight),
                             QItemSelectionModel::ClearAndSelect);
    m_selecting = selecting;
    scrollTo(bottomRight);
    scrollTo(topLeft);
}

bool ChannelGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == CurrentChanged && m_selecting)
        return false;
    return QTableView::edit(index, trigger, event);
}

bool ChannelGrid::eventFilter(QObject* watched, QEvent* event) {
    // A header pressed selects rows or columns until it is let go.
    if (watched == verticalHeader()->viewport() || watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            m_selecting = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_selecting = false;
        return false;
    }
    return QTableView::eventFilter(watched, event);
}

void ChannelGrid::contextMenuEvent(QContextMenuEvent* event) {
    // A right click outside the selection selects the cell first, as spreadsheets do.
    const QModelIndex at = indexAt(event->pos());
    if (at.isValid() && !selectionModel()->isSelected(at) && commitOpenEditor()) {
        const bool selecting = std::exchange(m_selecting, true);
        setCurrentIndex(at);
        m_selecting = selecting;
    }
    emit contextMenuWanted(event->globalPos());
    event->accept();
}

void ChannelGrid::dropEditor() {
    m_editor = nullptr;
    m_editorIndex = QPersistentModelIndex();
}

void ChannelGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor == m_editor)
        dropEditor();
    QTableView::closeEditor(editor, hint);
}

bool ChannelGrid::commitOpenEditor(program::CommitKind kind) {
    if (!m_editor)
        return true;
    QPointer<QWidget> editor = m_editor;
    // Passing through a cell changes nothing: an editor still holding the cell's
    // text is not committed, so a list never swaps a tone it does not hold (or an
    // empty setting) for one of its items unless the user picks one.
    // Nor does a box the program emptied after a refused entry and the user left
    // empty: only an emptying the user did deletes the channel.
    const QString text = ChannelEditors::editorText(editor);
    const bool emptiedByRefusal = text.isEmpty() && editor == m_emptiedByRefusal;
    if (emptiedByRefusal || text == m_editorIndex.data(Qt::EditRole).toString()) {
        closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
    }
    const program::CommitOutcome outcome = m_model->commit(m_editorIndex, text, kind);
    if (outcome.messageId != 0 || !outcome.text.english.empty())
        showCommitMessage(outcome);
    if (!editor)
        return true;
    if (outcome.editorStaysOpen) {
        if (auto* edit = qobject_cast<QLineEdit*>(editor); edit && outcome.clearEditBox) {
            edit->clear();
            m_emptiedByRefusal = edit;
            connect(
                edit, &QLineEdit::textEdited, this, [this] { m_emptiedByRefusal = nullptr; },
                Qt::SingleShotConnection);
        }
        editor->setFocus();
        return false;
    }
    closeEditor(editor, QAbstractItemDelegate::NoHint);
    return true;
}

void ChannelGrid::showCommitMessage(const program::CommitOutcome& outcome) {
    const QString text = outcome.messageId != 0
                             ? stringTable(outcome.messageId)
                             : QString::fromStdString(outcome.text.pick(m_language));
    QMessageBox box(iconOf(outcome.icon), stringTable(outcome.captionId), text, QMessageBox::Ok,
                    this);
    box.exec();
}

void ChannelGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // Keyboard and mouse commit before they move; this catches every other way
    // the current cell can change.
    if (m_editor && previous.isValid() && m_editorIndex == previous && current != previous &&
        !m_keepingCell && !commitOpenEditor()) {
        m_keepingCell = true;
        selectionModel()->setCurrentIndex(previous, QItemSelectionModel::ClearAndSelect);
        m_keepingCell = false;
        if (m_editor)
            m_editor->setFocus();
        return;
    }
    QTableView::currentChanged(current, previous);
}

void ChannelGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex target = indexAt(event->position().toPoint());
    if (m_editor && target.isValid() && target != m_editorIndex && !commitOpenEditor()) {
        event->accept();
        return;
    }
    // The right button only selects (the context menu follows); Shift and Ctrl
    // draw a selection.
    const bool selecting = std::exchange(
        m_selecting, m_selecting || event->button() == Qt::RightButton ||
                         event->modifiers().testAnyFlags(Qt::ShiftModifier | Qt::ControlModifier));
    QTableView::mousePressEvent(event);
    m_selecting = selecting;
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Delete)) {
        emit commandWanted(command::EditClear);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex().isValid()) {
            const QModelIndex below = currentIndex().siblingAtRow(currentIndex().row() + 1);
            if (below.isValid())
                setCurrentIndex(below);
        }
        return;
    default: {
        const bool selecting =
            std::exchange(m_selecting, m_selecting || event->modifiers().testAnyFlags(
                                                          Qt::ShiftModifier | Qt::ControlModifier));
        QTableView::keyPressEvent(event);
        m_selecting = selecting;
    }
    }
}

int ChannelGrid::helpContextFor(const QWidget* focus) const {
    // A list's drop-down is a window of its own, but still part of its editor.
    for (const QWidget* widget = focus; m_editor && widget; widget = widget->parentWidget()) {
        if (widget == m_editor)
            return ChannelEditors::helpContext(m_editor,
                                               ChannelTableModel::tableColumn(m_editorIndex));
    }
    return gridcontrol::Grid;
}

void ChannelGrid::wheelEvent(QWheelEvent* event) {
    // One wheel notch turns a page, as the grid always has.
    m_wheelDelta += event->angleDelta().y();
    while (std::abs(m_wheelDelta) >= 120) {
        const bool down = m_wheelDelta < 0;
        verticalScrollBar()->triggerAction(down ? QAbstractSlider::SliderPageStepAdd
                                                : QAbstractSlider::SliderPageStepSub);
        m_wheelDelta += down ? 120 : -120;
    }
    event->accept();
}

QModelIndex ChannelGrid::neighbour(ChannelEditors::Key key) const {
    const QModelIndex here = m_editorIndex.isValid() ? QModelIndex(m_editorIndex) : currentIndex();
    const int lastColumn = m_model->columnCount() - 1;
    switch (key) {
    case ChannelEditors::Key::Up:
        return here.siblingAtRow(here.row() - 1);
    case ChannelEditors::Key::Down:
    case ChannelEditors::Key::Enter:
        return here.siblingAtRow(here.row() + 1);
    case ChannelEditors::Key::Next:
        if (here.column() < lastColumn)
            return here.siblingAtColumn(here.column() + 1);
        return m_model->index(here.row() + 1, 0);
    case ChannelEditors::Key::Previous:
        if (here.column() > 0)
            return here.siblingAtColumn(here.column() - 1);
        return m_model->index(here.row() - 1, lastColumn);
    default:
        return {};
    }
}

void ChannelGrid::moveTo(const QModelIndex& target) {
    if (!commitOpenEditor())
        return;
    if (target.isValid())
        setCurrentIndex(target);
}

void ChannelGrid::onEditorKey(QWidget* editor, ChannelEditors::Key key) {
    if (editor != m_editor)
        return;
    switch (key) {
    case ChannelEditors::Key::Cancel:
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
        return;
    case ChannelEditors::Key::Enter:
        // Enter in the receive frequency has rules of its own for a refused entry.
        if (ChannelTableModel::tableColumn(m_editorIndex) == program::column::RxFrequency) {
            const QModelIndex below = neighbour(key);
            if (commitOpenEditor(program::CommitKind::Enter) && below.isValid())
                setCurrentIndex(below);
            return;
        }
        moveTo(neighbour(key));
        return;
    default:
        moveTo(neighbour(key));
        return;
    }
}
