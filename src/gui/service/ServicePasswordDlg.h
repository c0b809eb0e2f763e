#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;
namespace Ui {
class ServicePasswordDlg;
}

// Asks for the service access code before Parameter Adjust opens. OK with the
// code (in any letter case) ends it with OK; OK with anything else ends it as
// Cancel does. Nothing is said either way, and nothing is remembered: the code is
// asked for at every opening.
class ServicePasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit ServicePasswordDlg(QWidget* parent = nullptr);
    ~ServicePasswordDlg() override;

    QLineEdit* passwordEdit() const;

    void accept() override;

private:
    std::unique_ptr<Ui::ServicePasswordDlg> m_ui;
};
