#include "print/PdfExport.h"

#include "print/PageRenderer.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace pdfexport {

QPageLayout defaultLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

QString write(const program::print::PrintJob& job, const QString& path, const QPageLayout& layout) {
    if (job.pageCount() < 1)
        return QStringLiteral("the sections chosen have no pages");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(layout);
        writer.setCreator(QStringLiteral("Program"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return QStringLiteral("the PDF could not be started");
        }
        PageRenderer::print(job, painter, writer, 1, job.pageCount());
        painter.end();
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace pdfexport
