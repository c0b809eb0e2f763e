#pragma once

#include "print/PrintLayout.h"

#include <QString>

class QWidget;

// File > Print, Print Preview, Print Setup and Export PDF as the program asks for
// them. The session behind them (the printer, its dialogs, the preview) lives in
// the print module, loaded at the first printing command.
class PrintCommands {
public:
    virtual ~PrintCommands() = default;
    // The caption of the session's messages (the "Company" setting).
    virtual void setMessageCaption(const QString& caption) = 0;
    // PrintList, then the printer dialog and the pages it asks for.
    virtual void print(const program::print::Listing& listing, QWidget* parent) = 0;
    // PrintList, then the preview of every page.
    virtual void preview(const program::print::Listing& listing, QWidget* parent) = 0;
    // The printer's page setup.
    virtual void pageSetup(QWidget* parent) = 0;
    // PrintList, then a file name; the PDF has the pages paper would get.
    virtual void exportPdf(const program::print::Listing& listing, QWidget* parent) = 0;
};

// The print module's one entry point: the session kept by `owner` (the main
// window), made on first use, so that Print Setup's choice stays for the run.
using PrintSessionOf = PrintCommands* (*)(QWidget* owner);
inline constexpr const char* PrintModule = "program-printing";
inline constexpr const char* PrintSessionOfSymbol = "programPrintSessionOf";

// The session of `owner`, loading the print module first; null, after a message
// saying why, when the module cannot be loaded.
PrintCommands* printCommandsOf(QWidget* owner);
