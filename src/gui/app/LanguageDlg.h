#pragma once

#include "app/ProgramState.h"

#include <QDialog>

class QAbstractButton;
class QButtonGroup;

// Setup > Language: English or Chinese. The dialog only keeps the choice; what a
// change of language does to the program is the application's.
class LanguageDlg : public QDialog {
    Q_OBJECT
public:
    explicit LanguageDlg(program::Language current, QWidget* parent = nullptr);

    program::Language selection() const;
    QAbstractButton* button(program::Language language) const;

private:
    QButtonGroup* m_group;
};
