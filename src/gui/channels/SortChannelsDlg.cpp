#include "channels/SortChannelsDlg.h"

#include "ui_SortChannelsDlg.h"

namespace {

constexpr program::SortKey Keys[] = {program::SortKey::RxFrequency, program::SortKey::TxFrequency,
                                     program::SortKey::Name, program::SortKey::DecodeTone};

} // namespace

SortChannelsDlg::SortChannelsDlg(const QString& rowsText, program::Language language,
                                 QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SortChannelsDlg>()) {
    m_ui->setupUi(this);
    m_ui->rowsLabel->setText(rowsText);
    // The keys are named by the grid's own column headers.
    for (program::SortKey key : Keys)
        m_ui->keyList->addItem(
            QString::fromUtf8(program::ChannelTable::header(program::sortColumn(key), language))
                .trimmed());
}

SortChannelsDlg::~SortChannelsDlg() = default;

program::SortKey SortChannelsDlg::key() const {
    return Keys[std::max(0, m_ui->keyList->currentIndex())];
}

bool SortChannelsDlg::descending() const {
    return m_ui->descendingButton->isChecked();
}

QComboBox* SortChannelsDlg::keyList() const {
    return m_ui->keyList;
}

QAbstractButton* SortChannelsDlg::descendingButton() const {
    return m_ui->descendingButton;
}
