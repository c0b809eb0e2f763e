#include "common/GridCellEditor.h"

#include "common/CharacterSetValidator.h"
#include "common/HelpProperties.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
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
    if (m_rules.maxLength > 0)
        edit->setMaxLength(m_rules.maxLength);
    if (!m_rules.allowed.isEmpty())
        edit->setValidator(new CharacterSetValidator(m_rules.allowed, edit));
    if (m_rules.editControlId > 0)
        helpproperty::setControlId(edit, m_rules.editControlId);
    if (m_rules.editHelpContext > 0)
        helpproperty::setContext(edit, m_rules.editHelpContext);
    edit->setFrame(false);
    edit->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    edit->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
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

void GridCellEditor::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    if (m_rules.labelColumn < 0) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem plain(option);
    plain.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(painter, plain, index);
    if (index.column() != m_rules.labelColumn || !(option.state & QStyle::State_HasFocus))
        return;
    constexpr int HeavyWidth = 3;
    painter->save();
    QPen pen(option.palette.color(QPalette::Text), HeavyWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    const int inset = HeavyWidth / 2 + 1;
    painter->drawRect(option.rect.adjusted(inset, inset, -inset, -inset));
    painter->restore();
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
