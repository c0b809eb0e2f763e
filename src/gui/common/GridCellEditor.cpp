#include "common/GridCellEditor.h"

#include "common/CharacterSetValidator.h"
#include "common/HelpProperties.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

GridCellEditor::GridCellEditor(QTableWidget* grid, Rules rules)
    : QStyledItemDelegate(grid), m_rules(std::move(rules)) {
    grid->setItemDelegate(this);
    grid->setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                          QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
}

QWidget* GridCellEditor::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(m_rules.maxLength);
    edit->setValidator(new CharacterSetValidator(m_rules.allowed, edit));
    edit->setFrame(false);
    edit->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    edit->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    if (m_rules.controlId > 0)
        helpproperty::setControlId(edit, m_rules.controlId);
    if (m_rules.helpContext > 0)
        helpproperty::setContext(edit, m_rules.helpContext);
    m_open = edit;
    return edit;
}

void GridCellEditor::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<QLineEdit*>(editor);
    edit->setText(index.data(Qt::EditRole).toString());
    edit->selectAll();
}

void GridCellEditor::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    model->setData(index, m_rules.normalise ? m_rules.normalise(text) : text, Qt::EditRole);
}

void GridCellEditor::destroyEditor(QWidget* editor, const QModelIndex& index) const {
    if (editor == m_open)
        m_open = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
}

bool GridCellEditor::eventFilter(QObject* object, QEvent* event) {
    // Enter writes the cell and stays in the grid; it does not reach the dialog's
    // default button.
    if (object == m_open && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commit();
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

void GridCellEditor::commit() {
    if (QLineEdit* edit = m_open) {
        emit commitData(edit);
        emit closeEditor(edit, QAbstractItemDelegate::NoHint);
    }
}

void GridCellEditor::discard() {
    if (QLineEdit* edit = m_open)
        emit closeEditor(edit, QAbstractItemDelegate::RevertModelCache);
}
