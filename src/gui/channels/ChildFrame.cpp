#include "channels/ChildFrame.h"

#include "channels/ProgramView.h"
#include "model/ProgramDoc.h"

#include <QCloseEvent>

CChildFrame::CChildFrame(CProgramDoc* doc, CProgramView* view, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(doc), m_view(view) {
    setWidget(view);
    // Owned after the view, so the view goes first when the window is destroyed.
    doc->setParent(this);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowTitle(doc->title());
    connect(doc, &CProgramDoc::titleChanged, this, &CChildFrame::setWindowTitle);
}

void CChildFrame::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
