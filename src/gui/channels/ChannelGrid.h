#pragma once

#include "channels/CellCommit.h"
#include "channels/ChannelEditors.h"
#include "common/HelpProperties.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

class ChannelTableModel;

// The channel grid: entering a cell opens its editor, leaving it commits the
// editor through the table's rules. A refused receive frequency keeps the user
// on its cell with the editor open, as a spreadsheet does with a bad entry.
class ChannelGrid : public QTableView, public HelpContextSource {
    Q_OBJECT
public:
    // Widths of the label column and the nine table columns, as multiples of one
    // unit width.
    static constexpr double WidthFactors[10] = {0.5,  1.06, 1.06, 1.1, 1.1,
                                                1.08, 0.7,  0.86, 0.8, 1.05};

    ChannelGrid(ChannelTableModel* model, program::Language language, QWidget* parent = nullptr);

    ChannelTableModel* channelModel() const { return m_model; }

    // The editor over the current cell, if one is open.
    QWidget* openEditor() const { return m_editor; }
    QModelIndex openEditorIndex() const { return m_editorIndex; }

    // Commits the open editor as leaving its cell does. Returns false when the
    // table refused the text and the editor stays open.
    bool commitOpenEditor(program::CommitKind kind = program::CommitKind::LeaveCell);
    // Closes the open editor without committing what it holds.
    void discardOpenEditor();
    // Selects the cells from topLeft to bottomRight and makes topLeft current
    // without opening its editor.
    void selectCells(const QModelIndex& topLeft, const QModelIndex& bottomRight);

    // Sets the column widths from the unit width.
    void applyColumnWidths(int unit);
    // A unit width at which every header and cell text of the grid fits.
    int fittingUnitWidth() const;

    // F1 in the grid: the column of the open editor when the focus is in it, else
    // the grid itself.
    int helpContextFor(const QWidget* focus) const override;

signals:
    // The user asked for the grid's context menu at `globalPos`.
    void contextMenuWanted(const QPoint& globalPos);
    // A key of the grid asked for an Edit command (Delete: EditClear). Delete is the
    // grid's own key, not the main window's: elsewhere in the window it clears
    // nothing.
    void commandWanted(int id);

protected:
    // Entering a cell opens its editor, except while a selection is being drawn
    // (Shift or Ctrl held, or a row or column header pressed).
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onEditorCreated(QWidget* editor, const QModelIndex& index);
    void onEditorKey(QWidget* editor, ChannelEditors::Key key);
    void moveTo(const QModelIndex& target);
    QModelIndex neighbour(ChannelEditors::Key key) const;
    void showCommitMessage(const program::CommitOutcome& outcome);
    void dropEditor();

    ChannelTableModel* m_model;
    ChannelEditors* m_editors;
    program::Language m_language;
    QPointer<QWidget> m_editor;
    QPersistentModelIndex m_editorIndex;
    // The edit box Enter emptied after a refused entry, until the user types in it.
    QPointer<QWidget> m_emptiedByRefusal;
    bool m_keepingCell = false;
    bool m_selecting = false;
    int m_wheelDelta = 0;
    int m_fittingUnit = 0;
};
