#include "app/LanguageDlg.h"

#include "common/ControlIds.h"

#include "ui_LanguageDlg.h"

#include <QButtonGroup>

LanguageDlg::LanguageDlg(program::Language current, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::LanguageDlg>()), m_group(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    m_group->addButton(m_ui->englishButton, control::LanguageEnglish);
    m_group->addButton(m_ui->chineseButton, control::LanguageChinese);
    button(current)->setChecked(true);
}

LanguageDlg::~LanguageDlg() = default;

program::Language LanguageDlg::selection() const {
    return m_group->checkedId() == control::LanguageChinese ? program::Language::Chinese
                                                            : program::Language::English;
}

QAbstractButton* LanguageDlg::button(program::Language language) const {
    return m_group->button(language == program::Language::Chinese ? control::LanguageChinese
                                                                  : control::LanguageEnglish);
}
