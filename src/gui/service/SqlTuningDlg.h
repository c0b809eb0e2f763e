#pragma once

#include "service/ServiceDialog.h"
#include "service/SquelchTuning.h"

#include <memory>

class GridCellEditor;
class QPushButton;
class QTableWidget;
namespace Ui {
class SqlTuningDlg;
}

// Service > Squelch Tuning: the squelch threshold of each 10 MHz slice of both
// bands, 5 to 100, with "+1" and "-1" for the whole table, and Read and Write of
// the table with the radio.
class SqlTuningDlg : public ServiceDialog {
    Q_OBJECT
public:
    SqlTuningDlg(const program::CodeplugImage& image, const program::ProgramState& state,
                 ServicePort port, QWidget* parent = nullptr);
    ~SqlTuningDlg() override;

    QTableWidget* grid() const;
    GridCellEditor* cellEditor() const { return m_cellEditor; }
    QPushButton* readButton() const;
    QPushButton* writeButton() const;
    QPushButton* plusOneButton() const;
    QPushButton* minusOneButton() const;

protected:
    void loadControls() override;
    void storeControls(program::CodeplugImage& image) override;

private:
    // The values the grid shows, with an open edit written into its cell first.
    program::service::SquelchTuning gridValues() const;
    void display(const program::service::SquelchTuning& values);

    std::unique_ptr<Ui::SqlTuningDlg> m_ui;
    GridCellEditor* m_cellEditor;
};
