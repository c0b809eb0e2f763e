#include "service/ServicePasswordDlg.h"

#include "service/ServiceAccessCode.h"

#include "ui_ServicePasswordDlg.h"

ServicePasswordDlg::ServicePasswordDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ServicePasswordDlg>()) {
    m_ui->setupUi(this);
}

ServicePasswordDlg::~ServicePasswordDlg() = default;

QLineEdit* ServicePasswordDlg::passwordEdit() const {
    return m_ui->passwordEdit;
}

void ServicePasswordDlg::accept() {
    if (program::service::acceptsServiceCode(m_ui->passwordEdit->text().toStdString()))
        QDialog::accept();
    else
        reject();
}
