#include "print/PrintListDlg.h"

#include "ui_PrintListDlg.h"

#include <QCheckBox>
#include <QPushButton>

using program::print::Section;

PrintListDlg::PrintListDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PrintListDlg>()) {
    m_ui->setupUi(this);
    const program::print::Selection initial;
    for (Section section : program::print::AllSections)
        checkBox(section)->setChecked(initial.has(section));
    connect(m_ui->selectAllButton, &QPushButton::clicked, this, [this] { checkAll(true); });
    connect(m_ui->clearAllButton, &QPushButton::clicked, this, [this] { checkAll(false); });
}

PrintListDlg::~PrintListDlg() = default;

QCheckBox* PrintListDlg::checkBox(Section section) const {
    switch (section) {
    case Section::Dtmf:
        return m_ui->dtmfCheck;
    case Section::Msk:
        return m_ui->mskCheck;
    case Section::Optional:
        return m_ui->optionalCheck;
    case Section::TwoTone:
        return m_ui->twoToneCheck;
    case Section::Channels:
        break;
    }
    return m_ui->channelInfoCheck;
}

program::print::Selection PrintListDlg::selection() const {
    program::print::Selection chosen;
    for (Section section : program::print::AllSections)
        chosen.set(section, checkBox(section)->isChecked());
    return chosen;
}

void PrintListDlg::checkAll(bool on) {
    for (Section section : program::print::AllSections)
        checkBox(section)->setChecked(on);
}

std::optional<program::print::Selection> PrintListDlg::ask(QWidget* parent) {
    PrintListDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selection();
}
