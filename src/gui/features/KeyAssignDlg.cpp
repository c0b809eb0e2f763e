#include "features/KeyAssignDlg.h"

#include "model/ProgramDoc.h"

#include "ui_KeyAssignDlg.h"

#include <QButtonGroup>

CKeyAssignDlg::CKeyAssignDlg(const program::features::KeyAssignment& values, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CKeyAssignDlg>()),
      m_group(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    QAbstractButton* const inOrder[] = {m_ui->optionCallButton, m_ui->emergencyButton,
                                        m_ui->send1750Button, m_ui->squelchOffButton};
    int position = 0;
    for (QAbstractButton* button : inOrder)
        m_group->addButton(button, position++);
    if (QAbstractButton* chosen = button(values.sideKey))
        chosen->setChecked(true);
}

CKeyAssignDlg::~CKeyAssignDlg() = default;

void CKeyAssignDlg::edit(CProgramDoc& doc, QWidget* parent) {
    CKeyAssignDlg dialog(program::features::loadKeyAssignment(doc.image()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    program::CodeplugImage edited = doc.image();
    program::features::storeKeyAssignment(dialog.values(), edited);
    doc.applyEdit(dialog.windowTitle(), edited);
}

program::features::KeyAssignment CKeyAssignDlg::values() const {
    return {m_group->checkedId()};
}

QAbstractButton* CKeyAssignDlg::button(int position) const {
    return m_group->button(position);
}
