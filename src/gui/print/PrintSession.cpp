#include "print/PrintSession.h"

#include "print/PageRenderer.h"
#include "print/PdfExport.h"
#include "print/PrintListDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QWidget>

using program::print::PrintJob;

namespace {

void printPages(const PrintJob& job, QPrinter& printer, int from, int to) {
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // A printer that cannot make copies itself gets the pages as often as asked.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0)
            printer.newPage();
        PageRenderer::print(job, painter, printer, from, to);
    }
    painter.end();
}

} // namespace

PrintSession::PrintSession(QObject* parent) : QObject(parent), m_printer(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("PrintSession"));
}

PrintSession& PrintSession::of(QWidget* owner) {
    if (auto* session = owner->findChild<PrintSession*>(QString(), Qt::FindDirectChildrenOnly))
        return *session;
    return *new PrintSession(owner);
}

QPageLayout PrintSession::pdfLayout() const {
    return m_pageChosen ? m_printer.pageLayout() : pdfexport::defaultLayout();
}

std::optional<PrintJob> PrintSession::prepare(const program::print::Listing& listing,
                                              QWidget* parent) {
    const auto selection = PrintListDlg::ask(parent);
    if (!selection)
        return std::nullopt;
    PrintJob job(listing, *selection);
    if (job.pageCount() == 0) {
        QMessageBox::information(parent, m_caption,
                                 tr("The sections chosen have no pages to print."));
        return std::nullopt;
    }
    return job;
}

void PrintSession::print(const program::print::Listing& listing, QWidget* parent) {
    const auto job = prepare(listing, parent);
    if (!job)
        return;
    QPrintDialog dialog(&m_printer, parent);
    dialog.setMinMax(1, job->pageCount());
    dialog.setFromTo(1, job->pageCount());
    if (dialog.exec() != QDialog::Accepted)
        return;
    int from = 1;
    int to = job->pageCount();
    if (m_printer.printRange() == QPrinter::PageRange && m_printer.fromPage() > 0) {
        from = std::max(from, m_printer.fromPage());
        to = std::min(to, m_printer.toPage());
    } else if (m_printer.printRange() == QPrinter::CurrentPage) {
        to = from;
    }
    if (from <= to)
        printPages(*job, m_printer, from, to);
}

void PrintSession::preview(const program::print::Listing& listing, QWidget* parent) {
    const auto job = prepare(listing, parent);
    if (!job)
        return;
    QPrintPreviewDialog dialog(&m_printer, parent);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
            [&job](QPrinter* printer) { printPages(*job, *printer, 1, job->pageCount()); });
    dialog.exec();
}

void PrintSession::pageSetup(QWidget* parent) {
    QPageSetupDialog dialog(&m_printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        m_pageChosen = true;
}

void PrintSession::exportPdf(const program::print::Listing& listing, QWidget* parent) {
    const auto job = prepare(listing, parent);
    if (!job)
        return;
    QString path =
        QFileDialog::getSaveFileName(parent, tr("Export PDF"), QString(), tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString failure = pdfexport::write(*job, path, pdfLayout());
    if (!failure.isEmpty())
        QMessageBox::warning(parent, m_caption,
                             tr("The PDF file %1 could not be written: %2")
                                 .arg(QDir::toNativeSeparators(path), failure));
}

// The print module's entry point, resolved by name at the first printing command.
extern "C" Q_DECL_EXPORT PrintCommands* programPrintSessionOf(QWidget* owner) {
    return &PrintSession::of(owner);
}
