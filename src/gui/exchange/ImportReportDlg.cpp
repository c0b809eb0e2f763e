#include "exchange/ImportReportDlg.h"

#include "common/StringTable.h"

#include "ui_ImportReportDlg.h"

#include <QHeaderView>

ImportReportDlg::ImportReportDlg(const QString& fileName, Importer importer,
                                 program::Language language, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ImportReportDlg>()),
      m_importer(std::move(importer)), m_language(language) {
    m_ui->setupUi(this);
    // A list takes no name from its label by itself.
    m_ui->reportList->setAccessibleName(m_ui->reportLabel->text().remove(QLatin1Char('&')));
    m_ui->fileLabel->setText(tr("File: %1").arg(fileName));
    m_ui->reportList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->reportList->header()->setStretchLastSection(true);
    connect(m_ui->replaceCheck, &QAbstractButton::toggled, this, &ImportReportDlg::refresh);
    connect(m_ui->includeFrCheck, &QAbstractButton::toggled, this, &ImportReportDlg::refresh);
    refresh();
}

ImportReportDlg::~ImportReportDlg() = default;

program::CsvOptions ImportReportDlg::options() const {
    return {m_ui->replaceCheck->isChecked(), m_ui->includeFrCheck->isChecked()};
}

QAbstractButton* ImportReportDlg::replaceCheck() const {
    return m_ui->replaceCheck;
}

QAbstractButton* ImportReportDlg::includeFrCheck() const {
    return m_ui->includeFrCheck;
}

QTreeWidget* ImportReportDlg::reportList() const {
    return m_ui->reportList;
}

void ImportReportDlg::refresh() {
    m_result = m_importer(options());
    m_ui->reportList->clear();
    int skipped = 0;
    for (const program::CsvNote& note : m_result.notes) {
        skipped += note.skipped ? 1 : 0;
        const QString reason = note.reason.messageId != 0
                                   ? stringTable(note.reason.messageId)
                                   : QString::fromStdString(note.reason.text.pick(m_language));
        const QString why = QString::fromStdString(
            program::describeCsvNote(note, reason.toStdString(), m_language));
        auto* item = new QTreeWidgetItem(
            m_ui->reportList, {QString::number(note.line), QString::fromStdString(note.location),
                               note.skipped ? tr("skipped") : tr("taken"), why});
        item->setToolTip(3, why);
    }
    m_ui->summaryLabel->setText(
        tr("%1 %2", "how many rows are taken, how many skipped")
            .arg(tr("%n channel(s) will be taken from the file.", nullptr, m_result.rowsTaken),
                 tr("%n row(s) of the file are skipped.", nullptr, skipped)));
}
