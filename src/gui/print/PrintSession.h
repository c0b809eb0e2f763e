#pragma once

#include "print/PrintCommands.h"
#include "print/PrintLayout.h"

#include <QObject>
#include <QPrinter>
#include <QString>

#include <optional>

class QWidget;

// File > Print, Print Preview, Print Setup and Export PDF. The session keeps one
// printer for the whole run, as the framework keeps its printer settings: what
// Print Setup chose stays for the prints that follow.
class PrintSession : public QObject, public PrintCommands {
    Q_OBJECT
public:
    explicit PrintSession(QObject* parent = nullptr);

    // The session kept by `owner` (the main window), made on first use.
    static PrintSession& of(QWidget* owner);

    // PrintList, then the printer dialog and the pages it asks for.
    void print(const program::print::Listing& listing, QWidget* parent) override;
    // PrintList, then the preview of every page.
    void preview(const program::print::Listing& listing, QWidget* parent) override;
    // The printer's page setup.
    void pageSetup(QWidget* parent) override;
    // PrintList, then a file name; the PDF has the pages paper would get.
    void exportPdf(const program::print::Listing& listing, QWidget* parent) override;

    // The caption of the session's messages (the "Company" setting).
    void setMessageCaption(const QString& caption) override { m_caption = caption; }

    QPrinter& printer() { return m_printer; }
    // The page a PDF is laid out on: Print Setup's choice once made, else the
    // page program-cli uses.
    QPageLayout pdfLayout() const;

private:
    // Asks PrintList for the sections; nothing when cancelled or when they hold
    // no page (which is said).
    std::optional<program::print::PrintJob> prepare(const program::print::Listing& listing,
                                                    QWidget* parent);

    QPrinter m_printer;
    bool m_pageChosen = false;
    QString m_caption;
};
