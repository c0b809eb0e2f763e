#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>

#include <functional>

class QTableWidget;

// In-place editing of the cells of an editor's small grid (the MSK call list,
// the DTMF fast call list, the 2-Tone encode pairs, the service tables). Entering
// a cell or clicking it opens a line edit over the cell with its text selected;
// Enter or leaving the cell writes the text into the cell. Characters outside the
// allowed set never reach the edit, letters are made upper-case, and the edit
// takes at most `maxLength` characters, so what is stored is what was shown.
class GridCellEditor : public QStyledItemDelegate {
    Q_OBJECT
public:
    struct Rules {
        int maxLength = 0;
        // The characters a cell may hold, e.g. "0-9A-F" (a regular-expression set);
        // empty lets any character through.
        QString allowed;
        // What the cell takes from the edit's text when it is written, e.g. a number
        // brought into its range; none writes the text as it is.
        std::function<QString(const QString&)> normalise = {};
        // The control id the open edit carries, for F1; 0 leaves it to the grid.
        int editControlId = 0;
        // The help context F1 asks for instead of that id, where another dialog's
        // control carries the same id; 0 for none.
        int editHelpContext = 0;
        // Cells of this column hold labels: while one of them is current the grid
        // shows a heavy focus rectangle around it, while a cell of another column is
        // current (and edited) none. -1 keeps the style's own focus rectangle.
        int labelColumn = -1;
    };

    // Becomes the delegate of `grid` and sets its edit triggers.
    GridCellEditor(QTableWidget* grid, Rules rules);

    // Writes an open edit into its cell and closes it (OK, a tab switch, a store).
    void commit();
    // Closes an open edit without writing it (Cancel).
    void discard();
    // The edit now open over a cell, or null.
    QLineEdit* openEdit() const { return m_open; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    Rules m_rules;
    mutable QPointer<QLineEdit> m_open;
};
