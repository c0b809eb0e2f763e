#include "exchange/CsvExchange.h"

#include "app/MessageIds.h"
#include "app/ProgramState.h"
#include "common/StringTable.h"
#include "exchange/ChannelCsv.h"
#include "exchange/CsvFile.h"
#include "exchange/ImportReportDlg.h"
#include "model/FilePaths.h"
#include "model/ProgramDoc.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QString csvFilter() {
    return CsvExchange::tr("CSV files (*.csv);;All files (*)");
}

void warn(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Warning, stringTable(program::message::Caution), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

QString inLanguage(const program::BilingualText& text, const CProgramDoc& doc) {
    return QString::fromStdString(text.pick(doc.state().language));
}

} // namespace

bool CsvExchange::exportChannelList(CProgramDoc& doc, QWidget* parent) {
    if (!doc.commitPendingEdit())
        return false;
    const QString proposed = doc.path().isEmpty()
                                 ? QString()
                                 : QFileInfo(doc.path()).path() + QLatin1Char('/') +
                                       QFileInfo(doc.path()).completeBaseName() +
                                       QStringLiteral(".csv");
    QString path = QFileDialog::getSaveFileName(parent, tr("Export CSV"), proposed, csvFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    return exportChannelListTo(doc, path, parent);
}

bool CsvExchange::exportChannelListTo(CProgramDoc& doc, const QString& path, QWidget* parent) {
    if (!doc.commitPendingEdit())
        return false;
    const std::string text = program::exportChannelsCsv(doc.table(), doc.bandLimits());
    const program::BilingualText failure = program::writeCsvFile(toFilesystemPath(path), text);
    if (!failure.english.empty()) {
        warn(parent, inLanguage(failure, doc));
        return false;
    }
    return true;
}

bool CsvExchange::importChannelList(CProgramDoc& doc, QWidget* parent) {
    if (!doc.commitPendingEdit())
        return false;
    const QString path =
        QFileDialog::getOpenFileName(parent, tr("Import CSV"), QString(), csvFilter());
    return !path.isEmpty() && importChannelListFrom(doc, path, parent);
}

bool CsvExchange::importChannelListFrom(CProgramDoc& doc, const QString& path, QWidget* parent) {
    if (!doc.commitPendingEdit())
        return false;
    const program::CsvFileText file = program::readCsvFile(toFilesystemPath(path));
    if (!file.readWhole()) {
        warn(parent, inLanguage(file.failure, doc));
        return false;
    }
    const program::ChannelTable current = doc.table();
    const program::BandLimits bands = doc.bandLimits();
    const program::Language language = doc.state().language;
    const auto importer = [&](const program::CsvOptions& options) {
        return program::importChannelsCsv(current, file.text, options, bands, language);
    };
    const program::CsvImport first = importer({});
    if (!first.readWhole()) {
        warn(parent, tr("Nothing was imported from %1.").arg(path) + QStringLiteral("\n\n") +
                         inLanguage(first.failure, doc));
        return false;
    }
    ImportReportDlg report(path, importer, language, parent);
    if (report.exec() != QDialog::Accepted)
        return false;
    doc.changeTable(tr("Import CSV"), report.result().table);
    return true;
}
