#include "model/DocumentFrame.h"

#include "model/ProgramDoc.h"

#include <QCloseEvent>

DocumentFrame::DocumentFrame(CProgramDoc* doc, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(doc) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(doc->title());
    connect(doc, &CProgramDoc::titleChanged, this, &DocumentFrame::setWindowTitle);
}

void DocumentFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
