#pragma once

#include "app/ProgramState.h"
#include "exchange/ChannelCsv.h"

#include <QDialog>

#include <functional>
#include <memory>

class QAbstractButton;
class QTreeWidget;
namespace Ui {
class ImportReportDlg;
}

// File > Import CSV..., once the whole file was read: how the import would go with
// the options chosen (blank the channels the file does not name, take Location 0
// into "Fr"), every row skipped and why, every row changed on the way (a name cut
// short). OK takes the rows; Cancel takes nothing.
class ImportReportDlg : public QDialog {
    Q_OBJECT
public:
    // Imports the file with the options given, into a copy of the table.
    using Importer = std::function<program::CsvImport(const program::CsvOptions&)>;

    ImportReportDlg(const QString& fileName, Importer importer, program::Language language,
                    QWidget* parent = nullptr);
    ~ImportReportDlg() override;

    program::CsvOptions options() const;
    // The import with the options as they stand.
    const program::CsvImport& result() const { return m_result; }

    QAbstractButton* replaceCheck() const;
    QAbstractButton* includeFrCheck() const;
    QTreeWidget* reportList() const;

private:
    void refresh();

    std::unique_ptr<Ui::ImportReportDlg> m_ui;
    Importer m_importer;
    program::Language m_language;
    program::CsvImport m_result;
};
