#pragma once

#include <QMdiSubWindow>

class CProgramDoc;
class CProgramView;

// The window of one document. Closing it only hides it: the document stays
// loaded and "Channel Information" shows it again.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 1095;
    static constexpr int InitialHeight = 650;

    // Takes ownership of the document; the view shows it.
    CChildFrame(CProgramDoc* doc, CProgramView* view, QWidget* parent = nullptr);

    CProgramDoc* document() const { return m_doc; }
    CProgramView* view() const { return m_view; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CProgramDoc* m_doc;
    CProgramView* m_view;
};
