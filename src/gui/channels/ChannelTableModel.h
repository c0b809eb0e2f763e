#pragma once

#include "channels/CellCommit.h"

#include <QAbstractTableModel>
#include <QColor>

#include <vector>

class CProgramDoc;

// The channel table of a document as Qt's item views see it: rows 0..128 are
// channels 1..128 and "Fr", columns 0..8 are the table's columns 1..9. Edits go
// through commit(), which applies the table's own rules.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static const QColor FixedTextColour;

    explicit ChannelTableModel(CProgramDoc& doc, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The header of the label column ("CH").
    QString labelHeader() const;

    // The table's row and column of a model index.
    static int tableRow(const QModelIndex& index) { return index.row() + 1; }
    static int tableColumn(const QModelIndex& index) { return index.column() + 1; }
    static int tableColumn(int modelColumn) { return modelColumn + 1; }

    // Commits an editor's text into the cell, as a step of the document's history;
    // the view shows what the outcome says.
    program::CommitOutcome commit(const QModelIndex& index, const QString& editorText,
                                  program::CommitKind kind);
    // What the history calls a commit into a column: "Edit Rx Frequency".
    QString stepName(int tableColumn) const;

    CProgramDoc& document() const { return m_doc; }

    // Marks the channels whose Rx frequency and both tones equal an earlier
    // channel's: a background colour and a tooltip naming that channel. The marks
    // follow every change of the table.
    void setMarkDuplicates(bool mark);
    bool marksDuplicates() const { return m_markDuplicates; }
    // The earlier channel row 1..129 repeats, or 0 (also while not marking).
    int duplicateOf(int tableRow) const;
    static const QColor DuplicateColour;

    program::Language language() const;

private:
    void reloadAll();
    void refreshDuplicates();
    QString duplicateTip(int earlierRow) const;

    CProgramDoc& m_doc;
    bool m_markDuplicates = false;
    std::vector<int> m_duplicateOf;
};
