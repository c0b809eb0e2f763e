#pragma once

#include "model/DocumentFrame.h"
#include "model/MyDocManager.h"

class CProgramView;

// The window of one document with its channel grid view.
class CChildFrame : public DocumentFrame {
    Q_OBJECT
public:
    // Takes ownership of the document; the view shows it.
    CChildFrame(CProgramDoc* doc, CProgramView* view, QWidget* parent = nullptr);

    // Makes the windows of the documents `manager` creates: a channel grid view
    // in a document window.
    static CMyDocManager::FrameFactory factoryFor(CMyDocManager& manager);

    CProgramView* view() const { return m_view; }

    bool commitOpenEditor() override;
    bool transferRunning() const override;
    void setLinkFactory(program::LinkFactory factory) override;

private:
    CProgramView* m_view;
};
