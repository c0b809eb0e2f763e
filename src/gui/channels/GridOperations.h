#pragma once

#include "channels/TableEdits.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class ChannelGrid;
class CProgramDoc;
class QMenu;
class QPoint;

// The channel table as a table: undo and redo of the document's history, the
// clipboard (rows or blocks of cells, as tab-separated text that spreadsheets
// read and write), clearing, inserting, deleting and moving rows, sorting, setting
// a column of many rows, repeater offsets, and finding a channel. Every change
// goes through the table's rules for text from outside and becomes one step of
// the history. Channel "Fr" never moves.
class GridOperations : public QObject {
    Q_OBJECT
public:
    GridOperations(ChannelGrid& grid, CProgramDoc& doc, QObject* parent = nullptr);

    // Runs one of the Edit commands; false for any other id.
    bool run(int id);
    static bool handles(int id);

    // The cells a copy would take as tab-separated text; empty (after saying why)
    // when the selection is no single block.
    QString selectionText();
    // Pastes tab-separated text at the selection, all or nothing; false (after
    // saying why) when nothing was pasted.
    bool pasteText(const QString& text);

    // The menu a right click in the grid opens: the Edit commands on the selection.
    QMenu* makeContextMenu(QWidget* parent);

    // Makes the next (or previous) cell whose name or frequency holds `text` the
    // current one, after the current cell or from it (`fromCurrent`, while the text
    // is being typed), round the end of the table. Gives the match's place among
    // all matches (1-based) and their number; 0 and 0 when none matches.
    struct FindResult {
        int position = 0;
        int count = 0;
    };
    FindResult find(const QString& text, bool forward, bool fromCurrent);

private:
    void undo(bool forward);
    void cut();
    void copy();
    void clear();
    void insertRows();
    void deleteRows();
    void move(int delta);
    void sortChannels();
    void setValue();
    void repeaterOffset();

    // The selection as one block of cells; none when it is not one rectangle.
    std::optional<program::CellBlock> selectedBlock() const;
    // The rows that hold a selected cell, or the current row.
    std::vector<int> selectedRows() const;
    // The selected rows among channels 1..128; says why and gives none when the
    // selection takes in "Fr".
    std::vector<int> movableRows(const QString& what);
    // Commits an edit still open in the grid; false when the grid refused it.
    bool finishEditing();
    void select(const program::CellBlock& block);
    void selectRows(const std::vector<int>& rows);
    bool change(const QString& stepName, const program::ChannelTable& table);
    void tell(const QString& text);
    // "channels 3 to 12", "channel 5", "4 channels: 2, 5, 9, 11".
    QString describeRows(const std::vector<int>& rows) const;
    // The message for a row that refused a value.
    QString reasonText(const program::Reason& reason) const;

    ChannelGrid& m_grid;
    CProgramDoc& m_doc;
    bool m_followingHistory = false;
};
