#pragma once

#include "app/ProgramState.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLineEdit;
class QValidator;
namespace Ui {
class SetValueDlg;
}

// Edit > Set Value: one column and the value every selected row is to take. A list
// column offers the items of its list, the other columns an edit box as the
// grid's, so that the value is one the grid could show.
class SetValueDlg : public QDialog {
    Q_OBJECT
public:
    // `column` (1..9) and `text` start the dialog: the column and text of the
    // current cell.
    SetValueDlg(const QString& rowsText, int column, const QString& text,
                program::Language language, QWidget* parent = nullptr);
    ~SetValueDlg() override;

    int column() const;
    QString value() const;

    QComboBox* columnList() const;
    QComboBox* valueList() const;
    QLineEdit* valueEdit() const;

private:
    void showColumn(int column, const QString& text);
    void updateOk();

    std::unique_ptr<Ui::SetValueDlg> m_ui;
    program::Language m_language;
    QValidator* m_frequencyOnly = nullptr;
    bool m_list = false;
};
