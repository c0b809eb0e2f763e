#include "channels/ChildFrame.h"

#include "channels/ProgramView.h"
#include "model/ProgramDoc.h"

CChildFrame::CChildFrame(CProgramDoc* doc, CProgramView* view, QWidget* parent)
    : DocumentFrame(doc, parent), m_view(view) {
    setWidget(view);
    // Owned after the view, so the view goes first when the window is destroyed.
    doc->setParent(this);
    connect(view, &CProgramView::transferRunningChanged, this,
            &DocumentFrame::transferRunningChanged);
    connect(view, &CProgramView::statusMessage, this, &DocumentFrame::statusMessage);
}

CMyDocManager::FrameFactory CChildFrame::factoryFor(CMyDocManager& manager) {
    return [&manager](std::unique_ptr<CProgramDoc> doc) {
        auto* view = new CProgramView(*doc, manager.userSettings(), manager.portOverrides());
        return new CChildFrame(doc.release(), view);
    };
}

bool CChildFrame::commitOpenEditor() {
    return m_view->commitOpenEditor();
}

bool CChildFrame::transferRunning() const {
    return m_view->transferRunning();
}

void CChildFrame::setLinkFactory(program::LinkFactory factory) {
    m_view->setLinkFactory(std::move(factory));
}
