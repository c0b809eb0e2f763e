#include "channels/ChannelTableModel.h"

#include "app/ProgramState.h"
#include "channels/TableTools.h"
#include "model/ProgramDoc.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

const QColor ChannelTableModel::FixedTextColour(0, 50, 240);
const QColor ChannelTableModel::DuplicateColour(255, 221, 170);

namespace {

// Names are shown in Courier so their characters line up; a system without it
// gets its fixed-pitch font instead.
QFont nameFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::Monospace);
    if (!QFontInfo(font).fixedPitch())
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    return font;
}

} // namespace

ChannelTableModel::ChannelTableModel(CProgramDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc) {
    connect(&doc, &CProgramDoc::tableReloaded, this, &ChannelTableModel::reloadAll);
    connect(&doc, &CProgramDoc::tableRowsChanged, this, [this](int first, int last) {
        emit dataChanged(index(first - 1, 0), index(last - 1, columnCount() - 1));
        refreshDuplicates();
    });
}

program::Language ChannelTableModel::language() const {
    return m_doc.state().language;
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : program::ChannelTable::RowCount;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : program::ChannelTable::LastColumn;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(m_doc.table().text(tableRow(index), tableColumn(index)));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::FontRole:
        if (tableColumn(index) == program::column::Name)
            return nameFont();
        return {};
    case Qt::BackgroundRole:
        if (duplicateOf(tableRow(index)) != 0)
            return DuplicateColour;
        return {};
    case Qt::ToolTipRole:
        if (const int earlier = duplicateOf(tableRow(index)); earlier != 0)
            return duplicateTip(earlier);
        return {};
    default:
        return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    switch (role) {
    case Qt::DisplayRole:
        if (orientation == Qt::Horizontal)
            return QString::fromUtf8(
                program::ChannelTable::header(tableColumn(section), language()));
        return QString::fromStdString(program::ChannelTable::rowLabel(section + 1));
    case Qt::ToolTipRole:
        if (orientation == Qt::Vertical)
            if (const int earlier = duplicateOf(section + 1); earlier != 0)
                return duplicateTip(earlier);
        return {};
    case Qt::ForegroundRole:
        return FixedTextColour;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    default:
        return {};
    }
}

QString ChannelTableModel::labelHeader() const {
    return QString::fromUtf8(program::ChannelTable::header(program::column::Label, language()));
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

program::CommitOutcome ChannelTableModel::commit(const QModelIndex& index,
                                                 const QString& editorText,
                                                 program::CommitKind kind) {
    // The commit works on a copy, so that what it changes becomes one step of the
    // document's history.
    program::ChannelTable table = m_doc.table();
    const program::CommitOutcome outcome =
        program::commitCell(table, tableRow(index), tableColumn(index), editorText.toStdString(),
                            kind, m_doc.state().bandLimits, language());
    if (outcome.accepted)
        m_doc.changeTable(stepName(tableColumn(index)), table);
    return outcome;
}

QString ChannelTableModel::stepName(int tableColumn) const {
    const QString header =
        QString::fromUtf8(program::ChannelTable::header(tableColumn, language())).trimmed();
    return tr("Edit %1").arg(header);
}

void ChannelTableModel::reloadAll() {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    refreshDuplicates();
}

QString ChannelTableModel::duplicateTip(int earlierRow) const {
    return tr("Same Rx Frequency and QT/DQT tones as channel %1")
        .arg(QString::fromStdString(program::ChannelTable::rowLabel(earlierRow)));
}

void ChannelTableModel::setMarkDuplicates(bool mark) {
    if (mark == m_markDuplicates)
        return;
    m_markDuplicates = mark;
    refreshDuplicates();
}

int ChannelTableModel::duplicateOf(int tableRow) const {
    if (tableRow < 0 || static_cast<std::size_t>(tableRow) >= m_duplicateOf.size())
        return 0;
    return m_duplicateOf[tableRow];
}

void ChannelTableModel::refreshDuplicates() {
    std::vector<int> marks =
        m_markDuplicates ? program::duplicateOf(m_doc.table()) : std::vector<int>{};
    if (marks == m_duplicateOf)
        return;
    m_duplicateOf = std::move(marks);
    // A change of one channel can mark or unmark any later one.
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1),
                     {Qt::BackgroundRole, Qt::ToolTipRole});
    emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}
