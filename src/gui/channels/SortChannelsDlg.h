#pragma once

#include "app/ProgramState.h"
#include "channels/TableTools.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QComboBox;
namespace Ui {
class SortChannelsDlg;
}

// Edit > Sort Channels: the key and the direction of a sort of the rows the grid
// works on; the sort itself is the table's.
class SortChannelsDlg : public QDialog {
    Q_OBJECT
public:
    // `rowsText` says which rows are sorted.
    SortChannelsDlg(const QString& rowsText, program::Language language, QWidget* parent = nullptr);
    ~SortChannelsDlg() override;

    program::SortKey key() const;
    bool descending() const;

    QComboBox* keyList() const;
    QAbstractButton* descendingButton() const;

private:
    std::unique_ptr<Ui::SortChannelsDlg> m_ui;
};
