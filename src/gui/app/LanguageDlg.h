#pragma once

#include "app/ProgramState.h"

#include <QDialog>

#include <memory>

class QAbstractButton;
class QButtonGroup;
namespace Ui {
class LanguageDlg;
}

// Setup > Language: English or Chinese. The dialog only keeps the choice; what a
// change of language does to the program is the application's.
class LanguageDlg : public QDialog {
    Q_OBJECT
public:
    explicit LanguageDlg(program::Language current, QWidget* parent = nullptr);
    ~LanguageDlg() override;

    program::Language selection() const;
    QAbstractButton* button(program::Language language) const;

private:
    std::unique_ptr<Ui::LanguageDlg> m_ui;
    QButtonGroup* m_group;
};
