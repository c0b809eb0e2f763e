#include "channels/ChannelEditors.h"

#include "channels/ChannelTable.h"
#include "channels/ChannelTableModel.h"
#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

// Marks the list entry that shows a cell text the list does not hold.
constexpr int UnlistedRole = Qt::UserRole + 1;

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int listControlId(int tableColumn) {
    using namespace program::column;
    switch (tableColumn) {
    case DecodeTone:
    case EncodeTone:
        return gridcontrol::ToneList;
    case Power:
        return gridcontrol::PowerList;
    case Bandwidth:
        return gridcontrol::BandwidthList;
    case ScanAdd:
        return gridcontrol::ScanAddList;
    default:
        return gridcontrol::BusyLockList;
    }
}

QLineEdit* makeEdit(QWidget* parent, int maxLength, int controlId) {
    auto* edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setMaxLength(maxLength);
    edit->setProperty(helpproperty::ControlId, controlId);
    return edit;
}

} // namespace

ChannelEditors::ChannelEditors(program::Language language, QObject* parent)
    : QStyledItemDelegate(parent), m_language(language) {}

QWidget* ChannelEditors::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
    QWidget* editor = makeEditor(parent, index);
    if (editor) {
        editor->setFont(option.font);
        emit editorCreated(editor, index);
    }
    return editor;
}

QWidget* ChannelEditors::makeEditor(QWidget* parent, const QModelIndex& index) const {
    const int column = ChannelTableModel::tableColumn(index);
    switch (program::ChannelTable::editorKind(column)) {
    case program::EditorKind::FrequencyEdit: {
        QLineEdit* edit = makeEdit(parent, program::ChannelTable::editorMaxLength(column),
                                   gridcontrol::FrequencyEdit);
        edit->setObjectName(QStringLiteral("frequencyEdit"));
        // Pasted text obeys the same rule as typed keys.
        edit->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), edit));
        return edit;
    }
    case program::EditorKind::NameEdit: {
        QLineEdit* edit =
            makeEdit(parent, program::ChannelTable::editorMaxLength(column), gridcontrol::NameEdit);
        edit->setObjectName(QStringLiteral("nameEdit"));
        return edit;
    }
    case program::EditorKind::ToneList:
    case program::EditorKind::ChoiceList: {
        auto* list = new QComboBox(parent);
        list->setObjectName(QStringLiteral("list"));
        list->setProperty(helpproperty::ControlId, listControlId(column));
        for (const std::string& item : program::ChannelTable::items(column, m_language))
            list->addItem(toQString(item));
        return list;
    }
    case program::EditorKind::None:
        break;
    }
    return nullptr;
}

void ChannelEditors::setEditorData(QWidget* editor, const QModelIndex& index) const {
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
    } else if (auto* list = qobject_cast<QComboBox*>(editor)) {
        // The list opens on exactly what the cell holds. A tone the list lacks (set
        // by other software) is shown as an entry of its own at the top, so the user
        // sees it and it stays until another entry is picked; an empty cell selects
        // nothing.
        if (list->itemData(0, UnlistedRole).toBool())
            list->removeItem(0);
        int current = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (current < 0 && !text.isEmpty()) {
            list->insertItem(0, text);
            list->setItemData(0, true, UnlistedRole);
            current = 0;
        }
        list->setCurrentIndex(current);
    }
}

QString ChannelEditors::editorText(const QWidget* editor) {
    if (auto* edit = qobject_cast<const QLineEdit*>(editor))
        return edit->text();
    if (auto* list = qobject_cast<const QComboBox*>(editor))
        return list->currentText();
    return {};
}

int ChannelEditors::helpContext(const QWidget* editor, int tableColumn) {
    using namespace program::column;
    const int id = editor->property(helpproperty::ControlId).toInt();
    if (id == gridcontrol::FrequencyEdit)
        return tableColumn == RxFrequency ? gridcontrol::RxFrequencyHelp
                                          : gridcontrol::TxFrequencyHelp;
    if (id == gridcontrol::ToneList)
        return tableColumn == DecodeTone ? gridcontrol::DecodeToneHelp
                                         : gridcontrol::EncodeToneHelp;
    return id;
}

bool ChannelEditors::isFrequencyKey(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        break;
    }
    const bool digitOrPoint =
        (event.key() >= Qt::Key_0 && event.key() <= Qt::Key_9) || event.key() == Qt::Key_Period;
    const Qt::KeyboardModifiers others =
        event.modifiers() & ~(Qt::KeypadModifier | Qt::GroupSwitchModifier);
    return digitOrPoint && others == Qt::NoModifier;
}

bool ChannelEditors::eventFilter(QObject* watched, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(watched);
    if (!editor || event->type() != QEvent::KeyPress)
        return false; // leaving the editor's focus commits nothing by itself
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool isEdit = qobject_cast<QLineEdit*>(editor) != nullptr;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit editorKey(editor, Key::Enter);
        return true;
    case Qt::Key_Tab:
        emit editorKey(editor, Key::Next);
        return true;
    case Qt::Key_Backtab:
        emit editorKey(editor, Key::Previous);
        return true;
    case Qt::Key_Escape:
        emit editorKey(editor, Key::Cancel);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        // An edit box has no use for them; a list steps through its items.
        if (!isEdit)
            return false;
        emit editorKey(editor, key->key() == Qt::Key_Up ? Key::Up : Key::Down);
        return true;
    default:
        break;
    }
    if (editor->property(helpproperty::ControlId).toInt() == gridcontrol::FrequencyEdit)
        return !isFrequencyKey(*key);
    return false;
}
