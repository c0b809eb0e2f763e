#include "features/MskDlg.h"

#include "common/CharacterSetValidator.h"
#include "common/GridCellEditor.h"
#include "model/ProgramDoc.h"

#include "ui_MskDlg.h"

#include <QFontDatabase>
#include <QHeaderView>

namespace {

using program::features::Msk;

const QString HexDigits = QStringLiteral("0-9A-F");

// The number column is a heading: blue, centred, never current.
QTableWidgetItem* numberItem(int number) {
    auto* item = new QTableWidgetItem(QString::number(number));
    item->setFlags(Qt::NoItemFlags);
    item->setTextAlignment(Qt::AlignCenter);
    item->setForeground(QColor(0, 70, 213));
    return item;
}

QTableWidgetItem* codeItem(const std::string& code) {
    auto* item = new QTableWidgetItem(QString::fromStdString(code));
    item->setTextAlignment(Qt::AlignCenter);
    item->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return item;
}

} // namespace

CMskDlg::CMskDlg(const Msk& values, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CMskDlg>()) {
    m_ui->setupUi(this);
    m_ui->idCodeEdit->setValidator(new CharacterSetValidator(HexDigits, m_ui->idCodeEdit));
    m_ui->idCodeEdit->setText(QString::fromStdString(values.idCode));

    QTableWidget* grid = m_ui->callList;
    grid->setRowCount(int(Msk::CallCount));
    for (int row = 0; row < grid->rowCount(); ++row) {
        grid->setItem(row, 0, numberItem(row + 1));
        grid->setItem(row, 1, codeItem(values.calls[std::size_t(row)]));
    }
    grid->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    grid->horizontalHeader()->setMinimumSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")));
    m_cells = new GridCellEditor(grid, {int(Msk::CodeLength), HexDigits});
}

CMskDlg::~CMskDlg() = default;

void CMskDlg::edit(CProgramDoc& doc, QWidget* parent) {
    CMskDlg dialog(program::features::loadMsk(doc.image()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    program::CodeplugImage edited = doc.image();
    program::features::storeMsk(dialog.values(), edited);
    doc.applyEdit(dialog.windowTitle(), edited);
}

void CMskDlg::accept() {
    m_cells->commit();
    QDialog::accept();
}

void CMskDlg::reject() {
    m_cells->discard();
    QDialog::reject();
}

Msk CMskDlg::values() const {
    Msk values;
    values.idCode = m_ui->idCodeEdit->text().toStdString();
    for (std::size_t n = 0; n < Msk::CallCount; ++n)
        values.calls[n] = m_ui->callList->item(int(n), 1)->text().toStdString();
    return values;
}

QLineEdit* CMskDlg::idCodeEdit() const {
    return m_ui->idCodeEdit;
}

QTableWidget* CMskDlg::callList() const {
    return m_ui->callList;
}
