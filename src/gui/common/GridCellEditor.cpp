#include "common/GridCellEditor.h"

#include "common/HelpProperties.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QValidator>

namespace {

// Accepts only the allowed characters, turning letters upper-case as they are
// typed or pasted.
class UpperCaseSetValidator final : public QValidator {
public:
    UpperCaseSetValidator(const QString& allowed, QObject* parent)
        : QValidator(parent), m_pattern(QStringLiteral("^[%1]*$").arg(allowed)) {}

    State validate(QString& input, int&) const override {
        input = input.toUpper();
        return m_pattern.match(input).hasMatch() ? Acceptable : Invalid;
    }

private:
    QRegularExpression m_pattern;
};

} // namespace

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
    edit->setValidator(new UpperCaseSetValidator(m_rules.allowed, edit));
    edit->setFrame(false);
    edit->setAlignment(Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()));
    edit->setAccessibleName(index.model()->headerData(index.column(), Qt::Horizontal).toString());
    if (m_rules.controlId > 0)
        helpproperty::setControlId(edit, m_rules.controlId);
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
