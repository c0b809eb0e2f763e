#pragma once

#include "channels/TableTools.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <optional>

class QAbstractButton;
class QLineEdit;
namespace Ui {
class RepeaterOffsetDlg;
}

// Edit > Repeater Offset: whether Tx is above or below Rx, and by how much. The
// offset starts as the split of the channels' band when they share one; left
// empty, every channel takes its own band's split.
class RepeaterOffsetDlg : public QDialog {
    Q_OBJECT
public:
    RepeaterOffsetDlg(const QString& rowsText, std::optional<std::int64_t> split,
                      QWidget* parent = nullptr);
    ~RepeaterOffsetDlg() override;

    program::OffsetDirection direction() const;
    // The offset in 10 Hz units; none for each band's split.
    std::optional<std::int64_t> offset() const;

    QAbstractButton* minusButton() const;
    QLineEdit* offsetEdit() const;

    // An offset that is no number of kHz keeps the dialog open.
    void accept() override;

private:
    std::unique_ptr<Ui::RepeaterOffsetDlg> m_ui;
};
