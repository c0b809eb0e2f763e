#pragma once

#include "features/Msk.h"

#include <QDialog>

#include <memory>

class CProgramDoc;
class GridCellEditor;
class QLineEdit;
class QTableWidget;
namespace Ui {
class CMskDlg;
}

// Signalling > MSK: the radio's own MSK ID code and its call list of nine codes.
// Only hexadecimal characters reach the edits; OK takes an open cell edit with it,
// Cancel drops it.
class CMskDlg : public QDialog {
    Q_OBJECT
public:
    explicit CMskDlg(const program::features::Msk& values, QWidget* parent = nullptr);
    ~CMskDlg() override;

    // Opens the dialog on the document's image; OK makes the change one step of
    // the document.
    static void edit(CProgramDoc& doc, QWidget* parent);

    program::features::Msk values() const;

    QLineEdit* idCodeEdit() const;
    QTableWidget* callList() const;
    GridCellEditor& cellEditor() const { return *m_cells; }

public slots:
    void accept() override;
    void reject() override;

private:
    std::unique_ptr<Ui::CMskDlg> m_ui;
    GridCellEditor* m_cells;
};
