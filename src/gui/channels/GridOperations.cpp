#include "channels/GridOperations.h"

#include "app/ProgramState.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelTableModel.h"
#include "channels/Frequency.h"
#include "channels/RepeaterOffsetDlg.h"
#include "channels/SetValueDlg.h"
#include "channels/SortChannelsDlg.h"
#include "channels/TableTools.h"
#include "common/CommandIds.h"
#include "common/StringTable.h"
#include "exchange/Delimited.h"
#include "model/ProgramDoc.h"

#include "app/MessageIds.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QUndoStack>

#include <algorithm>
#include <set>

namespace {

constexpr int LastChannelRow = program::ChannelTable::LastRow - 1; // 128; "Fr" follows
// The most refused cells a message lists one by one.
constexpr int ListedRefusals = 12;

program::CellBlock wholeRows(int first, int last) {
    return {first, program::ChannelTable::FirstColumn, last, program::ChannelTable::LastColumn};
}

} // namespace

GridOperations::GridOperations(ChannelGrid& grid, CProgramDoc& doc, QObject* parent)
    : QObject(parent), m_grid(grid), m_doc(doc) {
    // Undo and redo show where they worked.
    connect(&doc, &CProgramDoc::tableRowsChanged, this, [this](int first, int last) {
        if (m_followingHistory)
            select(wholeRows(first, last));
    });
}

bool GridOperations::handles(int id) {
    switch (id) {
    case command::EditUndo:
    case command::EditRedo:
    case command::EditCut:
    case command::EditCopy:
    case command::EditPaste:
    case command::EditClear:
    case command::InsertRow:
    case command::DeleteRow:
    case command::MoveUp:
    case command::MoveDown:
    case command::SortChannels:
    case command::SetValue:
    case command::RepeaterOffset:
        return true;
    default:
        return false;
    }
}

bool GridOperations::run(int id) {
    switch (id) {
    case command::EditUndo:
        undo(false);
        return true;
    case command::EditRedo:
        undo(true);
        return true;
    case command::EditCut:
        cut();
        return true;
    case command::EditCopy:
        copy();
        return true;
    case command::EditPaste:
        if (finishEditing())
            pasteText(QApplication::clipboard()->text());
        return true;
    case command::EditClear:
        clear();
        return true;
    case command::InsertRow:
        insertRows();
        return true;
    case command::DeleteRow:
        deleteRows();
        return true;
    case command::MoveUp:
        move(-1);
        return true;
    case command::MoveDown:
        move(+1);
        return true;
    case command::SortChannels:
        sortChannels();
        return true;
    case command::SetValue:
        setValue();
        return true;
    case command::RepeaterOffset:
        repeaterOffset();
        return true;
    default:
        return false;
    }
}

void GridOperations::undo(bool forward) {
    // An edit still open is dropped, as a spreadsheet drops what is being typed.
    m_grid.discardOpenEditor();
    m_followingHistory = true;
    if (forward)
        m_doc.undoStack()->redo();
    else
        m_doc.undoStack()->undo();
    m_followingHistory = false;
}

std::optional<program::CellBlock> GridOperations::selectedBlock() const {
    QModelIndexList indexes = m_grid.selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && m_grid.currentIndex().isValid())
        indexes.append(m_grid.currentIndex());
    if (indexes.isEmpty())
        return std::nullopt;
    program::CellBlock block{indexes.front().row() + 1, indexes.front().column() + 1,
                             indexes.front().row() + 1, indexes.front().column() + 1};
    for (const QModelIndex& index : indexes) {
        block.top = std::min(block.top, index.row() + 1);
        block.bottom = std::max(block.bottom, index.row() + 1);
        block.left = std::min(block.left, index.column() + 1);
        block.right = std::max(block.right, index.column() + 1);
    }
    const auto area =
        static_cast<qsizetype>(block.bottom - block.top + 1) * (block.right - block.left + 1);
    if (indexes.size() != area)
        return std::nullopt;
    return block;
}

std::vector<int> GridOperations::selectedRows() const {
    std::set<int> rows;
    for (const QModelIndex& index : m_grid.selectionModel()->selectedIndexes())
        rows.insert(index.row() + 1);
    if (rows.empty() && m_grid.currentIndex().isValid())
        rows.insert(m_grid.currentIndex().row() + 1);
    return {rows.begin(), rows.end()};
}

std::vector<int> GridOperations::movableRows(const QString& what) {
    std::vector<int> rows = selectedRows();
    if (!rows.empty() && rows.back() > LastChannelRow) {
        tell(tr("%1 works on channels 1 to 128. Channel Fr keeps its place: take it out of the "
                "selection.")
                 .arg(what));
        return {};
    }
    return rows;
}

bool GridOperations::finishEditing() {
    return m_grid.commitOpenEditor();
}

void GridOperations::select(const program::CellBlock& block) {
    const QAbstractItemModel* model = m_grid.model();
    m_grid.selectCells(model->index(block.top - 1, block.left - 1),
                       model->index(block.bottom - 1, block.right - 1));
}

void GridOperations::selectRows(const std::vector<int>& rows) {
    if (rows.empty())
        return;
    select(wholeRows(rows.front(), rows.front()));
    QItemSelection selection;
    for (int row : rows)
        selection.select(m_grid.model()->index(row - 1, 0),
                         m_grid.model()->index(row - 1, program::ChannelTable::LastColumn - 1));
    m_grid.selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

bool GridOperations::change(const QString& stepName, const program::ChannelTable& table) {
    return m_doc.changeTable(stepName, table);
}

void GridOperations::tell(const QString& text) {
    QMessageBox box(QMessageBox::Warning, stringTable(program::message::Caution), text,
                    QMessageBox::Ok, &m_grid);
    box.exec();
}

QString GridOperations::selectionText() {
    const std::optional<program::CellBlock> block = selectedBlock();
    if (!block) {
        tell(tr("Copy and Cut take one block of cells. Select whole rows by their numbers, or "
                "one rectangle of cells."));
        return {};
    }
    QString text;
    for (const auto& row : program::copyBlock(m_doc.table(), *block))
        text += QString::fromStdString(program::delimitedRecord(row, '\t')) + QLatin1Char('\n');
    return text;
}

void GridOperations::copy() {
    if (!finishEditing())
        return;
    const QString text = selectionText();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

void GridOperations::cut() {
    if (!finishEditing())
        return;
    const QString text = selectionText();
    if (text.isEmpty())
        return;
    QApplication::clipboard()->setText(text);
    program::ChannelTable table = m_doc.table();
    program::clearBlock(table, *selectedBlock(), m_doc.state().language);
    change(tr("Cut"), table);
}

bool GridOperations::pasteText(const QString& text) {
    const program::Language language = m_doc.state().language;
    const program::DelimitedText read =
        program::readDelimited(text.toStdString(), '\t', program::EmptyRecords::Keep);
    if (!read.readWhole()) {
        tell(tr("Nothing was pasted: the clipboard does not hold cells.") + QLatin1Char('\n') +
             QString::fromStdString(read.failure.pick(language)));
        return false;
    }
    if (read.records.empty())
        return false;
    std::vector<std::vector<std::string>> cells;
    for (const program::DelimitedRecord& record : read.records)
        cells.push_back(record.fields);

    program::CellBlock target = selectedBlock().value_or(program::CellBlock{});
    std::size_t width = 0;
    for (const auto& row : cells)
        width = std::max(width, row.size());
    // Whole rows go to the first column whatever cell of the row is selected; one
    // cell fills the whole block selected.
    if (width == static_cast<std::size_t>(program::ChannelTable::LastColumn))
        target.left = program::ChannelTable::FirstColumn;
    if (cells.size() == 1 && width == 1 &&
        (target.bottom > target.top || target.right > target.left)) {
        const std::string cell = cells[0].empty() ? std::string() : cells[0][0];
        cells.assign(target.bottom - target.top + 1,
                     std::vector<std::string>(target.right - target.left + 1, cell));
    }

    program::ChannelTable table = m_doc.table();
    const program::PasteResult result = program::pasteBlock(table, target.top, target.left, cells,
                                                            m_doc.state().bandLimits, language);
    if (!result.doesNotFit.english.empty()) {
        tell(tr("Nothing was pasted.") + QLatin1Char(' ') +
             QString::fromStdString(result.doesNotFit.pick(language)));
        return false;
    }
    if (!result.refused.empty()) {
        QStringList lines;
        for (const program::RefusedCell& refused : result.refused) {
            if (lines.size() == ListedRefusals) {
                lines << tr("... and %n more.", nullptr,
                            static_cast<int>(result.refused.size()) - ListedRefusals);
                break;
            }
            const QString reason = refused.reason.messageId != 0
                                       ? stringTable(refused.reason.messageId)
                                       : QString::fromStdString(refused.reason.text.pick(language));
            lines << tr("Channel %1, %2 \"%3\": %4")
                         .arg(QString::fromStdString(program::ChannelTable::rowLabel(refused.row)),
                              QString::fromUtf8(
                                  program::ChannelTable::header(refused.column, language))
                                  .trimmed(),
                              QString::fromStdString(refused.text), reason);
        }
        tell(tr("Nothing was pasted: the channel table does not take these cells.") +
             QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')));
        return false;
    }
    change(tr("Paste"), table);
    select({target.top, target.left, target.top + static_cast<int>(cells.size()) - 1,
            target.left + static_cast<int>(width) - 1});
    return true;
}

void GridOperations::clear() {
    if (!finishEditing())
        return;
    QModelIndexList indexes = m_grid.selectionModel()->selectedIndexes();
    if (indexes.isEmpty() && m_grid.currentIndex().isValid())
        indexes.append(m_grid.currentIndex());
    program::ChannelTable table = m_doc.table();
    for (const QModelIndex& index : indexes) {
        const int row = index.row() + 1;
        const int col = index.column() + 1;
        program::clearBlock(table, {row, col, row, col}, m_doc.state().language);
    }
    change(tr("Delete"), table);
}

void GridOperations::insertRows() {
    if (!finishEditing())
        return;
    const std::vector<int> rows = movableRows(tr("Insert Row"));
    if (rows.empty())
        return;
    const int first = rows.front();
    const int count = rows.back() - first + 1;
    program::ChannelTable table = m_doc.table();
    const program::CellBlock falling = program::rowsFallingOff(count);
    QStringList lost;
    for (int row = falling.top; row <= falling.bottom; ++row)
        if (program::rowHasText(table, row))
            lost << QString::number(row);
    if (!lost.isEmpty()) {
        QMessageBox question(
            QMessageBox::Question, stringTable(program::message::Caution),
            tr("Inserting moves the channels below down by %n row(s). Channel %1 at the end of "
               "the table has no row to go to and is removed. Insert the rows? (Undo brings it "
               "back.)",
               nullptr, count)
                .arg(lost.join(QStringLiteral(", "))),
            QMessageBox::Yes | QMessageBox::No, &m_grid);
        question.setDefaultButton(QMessageBox::No);
        if (question.exec() != QMessageBox::Yes)
            return;
    }
    program::insertRows(table, first, count);
    if (change(tr("Insert Row"), table))
        select(wholeRows(first, first + count - 1));
}

void GridOperations::deleteRows() {
    if (!finishEditing())
        return;
    const std::vector<int> rows = movableRows(tr("Delete Row"));
    if (rows.empty())
        return;
    program::ChannelTable table = m_doc.table();
    program::deleteRows(table, rows);
    if (change(tr("Delete Row"), table))
        select(wholeRows(rows.front(), rows.front()));
}

void GridOperations::move(int delta) {
    if (!finishEditing())
        return;
    const QString name = delta < 0 ? tr("Move Up") : tr("Move Down");
    std::vector<int> rows = movableRows(name);
    if (rows.empty())
        return;
    program::ChannelTable table = m_doc.table();
    if (!program::moveRows(table, rows, delta)) {
        QApplication::beep(); // the first or last channel cannot go further
        return;
    }
    change(name, table);
    for (int& row : rows)
        row += delta;
    selectRows(rows);
}

QMenu* GridOperations::makeContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QUndoStack* history = m_doc.undoStack();
    const auto add = [this, menu](int id, const QString& text, const char* key) {
        QAction* action = menu->addAction(text + QLatin1Char('\t') + QLatin1String(key));
        connect(action, &QAction::triggered, this, [this, id] { run(id); });
        return action;
    };
    add(command::EditUndo,
        history->canUndo() ? tr("&Undo %1").arg(history->undoText()) : tr("&Undo"), "Ctrl+Z")
        ->setEnabled(history->canUndo());
    add(command::EditRedo,
        history->canRedo() ? tr("&Redo %1").arg(history->redoText()) : tr("&Redo"), "Ctrl+Y")
        ->setEnabled(history->canRedo());
    menu->addSeparator();
    add(command::EditCut, tr("Cu&t"), "Ctrl+X");
    add(command::EditCopy, tr("&Copy"), "Ctrl+C");
    add(command::EditPaste, tr("&Paste"), "Ctrl+V")
        ->setEnabled(!QApplication::clipboard()->text().isEmpty());
    add(command::EditClear, tr("&Delete"), "Del");
    menu->addSeparator();
    add(command::InsertRow, tr("&Insert Row"), "");
    add(command::DeleteRow, tr("Delete Ro&w"), "");
    add(command::MoveUp, tr("&Move Up"), "Alt+Up");
    add(command::MoveDown, tr("Move Dow&n"), "Alt+Down");
    menu->addSeparator();
    add(command::SortChannels, tr("Sort C&hannels..."), "");
    add(command::SetValue, tr("Set &Value..."), "");
    add(command::RepeaterOffset, tr("Repeater O&ffset..."), "");
    return menu;
}

QString GridOperations::describeRows(const std::vector<int>& rows) const {
    const auto label = [](int row) {
        return QString::fromStdString(program::ChannelTable::rowLabel(row));
    };
    if (rows.size() == 1)
        return tr("channel %1").arg(label(rows.front()));
    if (rows.back() - rows.front() + 1 == static_cast<int>(rows.size()))
        return tr("channels %1 to %2").arg(label(rows.front()), label(rows.back()));
    QStringList labels;
    for (int row : rows)
        labels << label(row);
    return tr("%n channel(s): %1", nullptr, static_cast<int>(rows.size()))
        .arg(labels.join(QStringLiteral(", ")));
}

QString GridOperations::reasonText(const program::Reason& reason) const {
    return reason.messageId != 0 ? stringTable(reason.messageId)
                                 : QString::fromStdString(reason.text.pick(m_doc.state().language));
}

void GridOperations::sortChannels() {
    if (!finishEditing())
        return;
    std::vector<int> rows = selectedRows();
    // One row, or one cell, is no list to sort: the command sorts the whole table
    // and the cell stays the one selected.
    const QModelIndex current = m_grid.currentIndex();
    const bool wholeTable = rows.size() < 2;
    std::erase(rows, program::ChannelTable::LastRow); // "Fr" keeps its place
    if (wholeTable) {
        rows.clear();
        for (int row = program::ChannelTable::FirstRow; row <= LastChannelRow; ++row)
            rows.push_back(row);
    }
    SortChannelsDlg dialog(tr("Sorts %1.").arg(describeRows(rows)), m_doc.state().language,
                           &m_grid);
    if (dialog.exec() != QDialog::Accepted)
        return;
    program::ChannelTable table = m_doc.table();
    program::sortRows(table, rows, dialog.key(), dialog.descending());
    change(tr("Sort Channels"), table);
    if (!wholeTable)
        selectRows(rows);
    else if (current.isValid())
        m_grid.selectCells(current, current);
}

void GridOperations::setValue() {
    if (!finishEditing())
        return;
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    const QModelIndex current = m_grid.currentIndex();
    const int column = current.isValid() ? ChannelTableModel::tableColumn(current)
                                         : program::ChannelTable::FirstColumn;
    const program::Language language = m_doc.state().language;
    // The current cell's text is offered only for cells chosen one by one: whole
    // rows picked by their numbers name no cell whose value all of them should take.
    const bool wholeRows = std::all_of(rows.begin(), rows.end(), [this](int row) {
        return m_grid.selectionModel()->isRowSelected(row - 1, QModelIndex());
    });
    const QString text =
        current.isValid() && !wholeRows ? current.data(Qt::EditRole).toString() : QString();
    SetValueDlg dialog(tr("Sets the value in %1.").arg(describeRows(rows)), column, text, language,
                       &m_grid);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int col = dialog.column();
    const QString header =
        QString::fromUtf8(program::ChannelTable::header(col, language)).trimmed();
    program::ChannelTable table = m_doc.table();
    const program::ManyRowsResult result = program::setColumn(
        table, rows, col, dialog.value().toStdString(), m_doc.state().bandLimits, language);
    if (result.refused) {
        tell(tr("Nothing was changed: channel %1 does not take \"%2\" as its %3.")
                 .arg(QString::fromStdString(program::ChannelTable::rowLabel(result.refused->row)),
                      dialog.value(), header) +
             QLatin1Char('\n') + reasonText(result.refused->reason));
        return;
    }
    if (!change(tr("Set %1").arg(header), table) && result.skipped.size() == rows.size()) {
        tell(tr("Nothing was changed: the selection (%1) holds no channel in use. A blank "
                "channel takes only an Rx Frequency.")
                 .arg(describeRows(rows)));
        return;
    }
    selectRows(rows);
}

void GridOperations::repeaterOffset() {
    if (!finishEditing())
        return;
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    const program::ChannelTable& current = m_doc.table();
    // The offset starts as the split the channels share; none when their bands
    // differ, so that each takes its own.
    std::set<std::optional<std::int64_t>> splits;
    for (int row : rows)
        if (!current.isBlank(row))
            splits.insert(program::repeaterSplit(
                program::parseFrequency(current.text(row, program::column::RxFrequency)).value));
    if (splits.empty()) {
        tell(tr("Nothing was changed: the selection (%1) holds no channel with an Rx "
                "Frequency.")
                 .arg(describeRows(rows)));
        return;
    }
    RepeaterOffsetDlg dialog(tr("Sets the Tx Frequency of %1.").arg(describeRows(rows)),
                             splits.size() == 1 ? *splits.begin() : std::nullopt, &m_grid);
    if (dialog.exec() != QDialog::Accepted)
        return;
    program::ChannelTable table = current;
    const program::ManyRowsResult result =
        program::applyRepeaterOffset(table, rows, dialog.direction(), dialog.offset(),
                                     m_doc.state().bandLimits, m_doc.state().language);
    if (result.refused) {
        const QString label =
            QString::fromStdString(program::ChannelTable::rowLabel(result.refused->row));
        const program::Reason& reason = result.refused->reason;
        tell(reason.messageId != 0
                 ? tr("Nothing was changed: channel %1 would get the Tx Frequency %2.")
                           .arg(label, QString::fromStdString(result.refused->text)) +
                       QLatin1Char('\n') + reasonText(reason)
                 : tr("Nothing was changed: channel %1: %2").arg(label, reasonText(reason)));
        return;
    }
    change(tr("Repeater Offset"), table);
    selectRows(rows);
}

GridOperations::FindResult GridOperations::find(const QString& text, bool forward,
                                                bool fromCurrent) {
    // A cell still being typed counts as it will stand.
    if (!finishEditing())
        return {};
    const std::vector<program::CellAt> cells =
        program::findCells(m_doc.table(), text.toStdString());
    if (cells.empty())
        return {};
    const QModelIndex current = m_grid.currentIndex();
    const program::CellAt here = current.isValid()
                                     ? program::CellAt{ChannelTableModel::tableRow(current),
                                                       ChannelTableModel::tableColumn(current)}
                                     : program::CellAt{program::ChannelTable::FirstRow, 0};
    const auto before = [](const program::CellAt& a, const program::CellAt& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    };
    std::size_t at = 0;
    if (forward) {
        // The first match after the current cell (or on it), else the first of all.
        const auto it = std::find_if(cells.begin(), cells.end(), [&](const program::CellAt& cell) {
            return fromCurrent ? !before(cell, here) : before(here, cell);
        });
        at = it == cells.end() ? 0 : static_cast<std::size_t>(it - cells.begin());
    } else {
        const auto it =
            std::find_if(cells.rbegin(), cells.rend(), [&](const program::CellAt& cell) {
                return fromCurrent ? !before(here, cell) : before(cell, here);
            });
        at =
            it == cells.rend() ? cells.size() - 1 : static_cast<std::size_t>(cells.rend() - it) - 1;
    }
    const QModelIndex found = m_grid.model()->index(cells[at].row - 1, cells[at].column - 1);
    m_grid.selectCells(found, found);
    return {static_cast<int>(at) + 1, static_cast<int>(cells.size())};
}
