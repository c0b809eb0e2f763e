#include "channels/RepeaterOffsetDlg.h"

#include "common/StringTable.h"

#include "app/MessageIds.h"

#include "ui_RepeaterOffsetDlg.h"

#include <QMessageBox>

namespace {

// 60000 (10 Hz units) is shown as "600", 760 as "7.6".
QString kHzText(std::int64_t tenHz) {
    QString text = QString::number(tenHz / 100);
    if (const std::int64_t rest = tenHz % 100; rest != 0)
        text += QLatin1Char('.') + QStringLiteral("%1").arg(rest, 2, 10, QLatin1Char('0'));
    if (text.contains(QLatin1Char('.')) && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    return text;
}

} // namespace

RepeaterOffsetDlg::RepeaterOffsetDlg(const QString& rowsText, std::optional<std::int64_t> split,
                                     QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::RepeaterOffsetDlg>()) {
    m_ui->setupUi(this);
    m_ui->rowsLabel->setText(rowsText);
    if (split)
        m_ui->offsetEdit->setText(kHzText(*split));
    m_ui->offsetEdit->selectAll();
}

RepeaterOffsetDlg::~RepeaterOffsetDlg() = default;

program::OffsetDirection RepeaterOffsetDlg::direction() const {
    return m_ui->minusButton->isChecked() ? program::OffsetDirection::Minus
                                          : program::OffsetDirection::Plus;
}

std::optional<std::int64_t> RepeaterOffsetDlg::offset() const {
    const QString text = m_ui->offsetEdit->text().trimmed();
    if (text.isEmpty())
        return std::nullopt;
    return program::parseOffsetKHz(text.toStdString());
}

void RepeaterOffsetDlg::accept() {
    if (!m_ui->offsetEdit->text().trimmed().isEmpty() && !offset()) {
        QMessageBox box(QMessageBox::Warning, stringTable(program::message::Caution),
                        tr("The offset is a number of kHz above 0, at most two decimals (7.6 or "
                           "600), up to 533000. Leave it empty for the split of each channel's "
                           "band."),
                        QMessageBox::Ok, this);
        box.exec();
        m_ui->offsetEdit->setFocus();
        m_ui->offsetEdit->selectAll();
        return;
    }
    QDialog::accept();
}

QAbstractButton* RepeaterOffsetDlg::minusButton() const {
    return m_ui->minusButton;
}

QLineEdit* RepeaterOffsetDlg::offsetEdit() const {
    return m_ui->offsetEdit;
}
