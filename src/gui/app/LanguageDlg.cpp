#include "app/LanguageDlg.h"

#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

LanguageDlg::LanguageDlg(program::Language current, QWidget* parent)
    : QDialog(parent), m_group(new QButtonGroup(this)) {
    setWindowTitle(tr("Language"));
    auto* english = new QRadioButton(tr("English"), this);
    auto* chinese = new QRadioButton(tr("Chinese"), this);
    m_group->addButton(english, control::LanguageEnglish);
    m_group->addButton(chinese, control::LanguageChinese);
    button(current)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(english);
    layout->addWidget(chinese);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // F1 on either language leads to the Language command's topic.
    helpproperty::setContext(english, command::Language);
    helpproperty::setContext(chinese, command::Language);
}

program::Language LanguageDlg::selection() const {
    return m_group->checkedId() == control::LanguageChinese ? program::Language::Chinese
                                                            : program::Language::English;
}

QAbstractButton* LanguageDlg::button(program::Language language) const {
    return m_group->button(language == program::Language::Chinese ? control::LanguageChinese
                                                                  : control::LanguageEnglish);
}
