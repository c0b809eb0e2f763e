#include "channels/SetValueDlg.h"

#include "channels/ChannelTable.h"

#include "ui_SetValueDlg.h"

#include <QPushButton>
#include <QRegularExpressionValidator>

SetValueDlg::SetValueDlg(const QString& rowsText, int column, const QString& text,
                         program::Language language, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::SetValueDlg>()), m_language(language) {
    m_ui->setupUi(this);
    m_frequencyOnly = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), this);
    m_ui->rowsLabel->setText(rowsText);
    for (int col = program::ChannelTable::FirstColumn; col <= program::ChannelTable::LastColumn;
         ++col)
        m_ui->columnList->addItem(
            QString::fromUtf8(program::ChannelTable::header(col, language)).trimmed());
    column =
        std::clamp(column, program::ChannelTable::FirstColumn, program::ChannelTable::LastColumn);
    m_ui->columnList->setCurrentIndex(column - program::ChannelTable::FirstColumn);
    showColumn(column, text);
    connect(m_ui->columnList, &QComboBox::currentIndexChanged, this,
            [this](int index) { showColumn(index + program::ChannelTable::FirstColumn, {}); });
    connect(m_ui->valueEdit, &QLineEdit::textChanged, this, &SetValueDlg::updateOk);
}

SetValueDlg::~SetValueDlg() = default;

void SetValueDlg::showColumn(int column, const QString& text) {
    const program::EditorKind kind = program::ChannelTable::editorKind(column);
    const bool list =
        kind == program::EditorKind::ToneList || kind == program::EditorKind::ChoiceList;
    m_list = list;
    // Only the box of the column is shown and reached with Tab.
    m_ui->valueList->setVisible(list);
    m_ui->valueEdit->setVisible(!list);
    m_ui->valueList->setFocusPolicy(list ? Qt::StrongFocus : Qt::NoFocus);
    m_ui->valueEdit->setFocusPolicy(list ? Qt::NoFocus : Qt::StrongFocus);
    m_ui->valueLabel->setBuddy(list ? static_cast<QWidget*>(m_ui->valueList) : m_ui->valueEdit);
    if (list) {
        m_ui->valueList->clear();
        for (const std::string& item : program::ChannelTable::items(column, m_language))
            m_ui->valueList->addItem(QString::fromStdString(item));
        m_ui->valueList->setCurrentIndex(std::max(0, m_ui->valueList->findText(text)));
    } else {
        m_ui->valueEdit->setMaxLength(program::ChannelTable::editorMaxLength(column));
        // A frequency takes what the grid's frequency box takes: digits and one point.
        m_ui->valueEdit->setValidator(kind == program::EditorKind::FrequencyEdit ? m_frequencyOnly
                                                                                 : nullptr);
        m_ui->valueEdit->setText(text);
        m_ui->valueEdit->selectAll();
    }
    updateOk();
}

void SetValueDlg::updateOk() {
    // An empty frequency would delete the channels: Delete does that, not Set Value.
    const bool frequency =
        program::ChannelTable::editorKind(this->column()) == program::EditorKind::FrequencyEdit;
    m_ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setEnabled(!frequency || !m_ui->valueEdit->text().isEmpty());
}

int SetValueDlg::column() const {
    return m_ui->columnList->currentIndex() + program::ChannelTable::FirstColumn;
}

QString SetValueDlg::value() const {
    return m_list ? m_ui->valueList->currentText() : m_ui->valueEdit->text();
}

QComboBox* SetValueDlg::columnList() const {
    return m_ui->columnList;
}

QComboBox* SetValueDlg::valueList() const {
    return m_ui->valueList;
}

QLineEdit* SetValueDlg::valueEdit() const {
    return m_ui->valueEdit;
}
