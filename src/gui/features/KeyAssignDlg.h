#pragma once

#include "features/KeyAssignment.h"

#include <QDialog>

#include <memory>

class CProgramDoc;
class QAbstractButton;
class QButtonGroup;
namespace Ui {
class CKeyAssignDlg;
}

// Signalling > Key Assignment: the function of the radio's side key.
class CKeyAssignDlg : public QDialog {
    Q_OBJECT
public:
    explicit CKeyAssignDlg(const program::features::KeyAssignment& values,
                           QWidget* parent = nullptr);
    ~CKeyAssignDlg() override;

    // Opens the dialog on the document's image; OK makes the change one step of
    // the document.
    static void edit(CProgramDoc& doc, QWidget* parent);

    program::features::KeyAssignment values() const;
    // The button of the function at `position` (0 "Option Singalling Call" ... 3).
    QAbstractButton* button(int position) const;

private:
    std::unique_ptr<Ui::CKeyAssignDlg> m_ui;
    QButtonGroup* m_group;
};
