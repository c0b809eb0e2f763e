#pragma once

#include "app/ProgramState.h"

#include <QStyledItemDelegate>

class QKeyEvent;

// The in-place editors of the channel grid: an edit box for frequencies (digits
// and a point only) and names, a drop-down list for tones and for each setting.
// The delegate never commits by itself: it reports the keys that leave a cell and
// the grid commits through the channel table's rules.
class ChannelEditors : public QStyledItemDelegate {
    Q_OBJECT
public:
    enum class Key { Enter, Next, Previous, Up, Down, Cancel };

    explicit ChannelEditors(program::Language language, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Commits never go through the delegate.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

    // The text an editor would commit: an edit box's text or a list's item.
    static QString editorText(const QWidget* editor);
    // The help context of the focused editor over a column of the table.
    static int helpContext(const QWidget* editor, int tableColumn);
    // Keys the frequency edit box takes: digits and the point (without Shift),
    // Backspace, Delete and the arrows. Enter is handled by the grid.
    static bool isFrequencyKey(const QKeyEvent& event);

signals:
    // A key that leaves or cancels the cell was pressed in `editor`.
    void editorKey(QWidget* editor, ChannelEditors::Key key);
    // An editor was opened over `index`.
    void editorCreated(QWidget* editor, const QModelIndex& index) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeEditor(QWidget* parent, const QModelIndex& index) const;

    program::Language m_language;
};
