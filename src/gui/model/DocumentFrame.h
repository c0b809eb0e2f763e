#pragma once

#include "link/SerialLink.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>

class CProgramDoc;

// The window of one document, as the document manager sees it. The window side
// makes it and puts the document's view into it; the manager only shows, hides,
// activates and asks it. Closing it only hides it: the document stays loaded and
// "Channel Information" shows it again.
class DocumentFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 1095;
    static constexpr int InitialHeight = 650;

    explicit DocumentFrame(CProgramDoc* doc, QWidget* parent = nullptr);

    CProgramDoc* document() const { return m_doc; }

    // Commits the open cell editor as leaving its cell does; false when refused.
    virtual bool commitOpenEditor() = 0;
    virtual bool transferRunning() const = 0;
    virtual void setLinkFactory(program::LinkFactory factory) = 0;

signals:
    void transferRunningChanged(bool running);
    void statusMessage(const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CProgramDoc* m_doc;
};
