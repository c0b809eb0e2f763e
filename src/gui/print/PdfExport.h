#pragma once

#include "print/PrintLayout.h"

#include <QPageLayout>
#include <QString>

// The listing as a PDF file: the pages paper would get, drawn by the same
// renderer.
namespace pdfexport {

// The page a PDF gets unless the user chose another in Print Setup: A4, upright,
// with margins of 10 mm such as a printer leaves unprinted.
QPageLayout defaultLayout();

// Writes every page of the job into `path`. The file is replaced only once the
// whole PDF has been written, so a failure leaves any earlier file as it was.
// Returns an empty text on success, else why the file could not be written.
QString write(const program::print::PrintJob& job, const QString& path, const QPageLayout& layout);

} // namespace pdfexport
