#pragma once

#include "service/ParameterAdjust.h"
#include "service/ServiceDialog.h"

#include <QList>

#include <memory>

class GridCellEditor;
class QComboBox;
class QPushButton;
class QTableWidget;
namespace Ui {
class ParamAdjustDlg;
}

// Service > Parameter Adjust (behind the service password): the microphone and
// tone levels, the narrow-band squelch differences and the squelch-detect table,
// with Read and Write of the parameter block with the radio.
class ParamAdjustDlg : public ServiceDialog {
    Q_OBJECT
public:
    ParamAdjustDlg(const program::CodeplugImage& image, const program::ProgramState& state,
                   ServicePort port, QWidget* parent = nullptr);
    ~ParamAdjustDlg() override;

    // The six number lists in the order of the dialog, then the two differences.
    QList<QComboBox*> lists() const;
    QTableWidget* grid() const;
    GridCellEditor* cellEditor() const { return m_cellEditor; }
    QPushButton* readButton() const;
    QPushButton* writeButton() const;

protected:
    void loadControls() override;
    void storeControls(program::CodeplugImage& image) override;

private:
    // The values as the controls hold them, typed numbers read as they stand.
    program::service::ParameterAdjust controlValues() const;
    void display(const program::service::ParameterAdjust& values);

    std::unique_ptr<Ui::ParamAdjustDlg> m_ui;
    GridCellEditor* m_cellEditor;
    QList<QComboBox*> m_numberLists;
    // The switches and set levels that have no control, as last loaded.
    program::service::ParameterAdjust m_loaded;
};
