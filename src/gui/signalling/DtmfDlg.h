#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CDtmfDlg;
}
class PageTabs;

// The DTMF dialog: pages Encode, Decode and CallList and no OK or Cancel. It works
// on a copy of the document's image; a page stores into it when it is hidden,
// and closing the dialog, however it is closed, stores the page shown.
class CDtmfDlg : public QDialog {
    Q_OBJECT
public:
    CDtmfDlg(const program::CodeplugImage& image, program::Language language,
             QWidget* parent = nullptr);
    ~CDtmfDlg() override;

    // The image with what the pages stored.
    const program::CodeplugImage& image() const { return m_image; }

    void done(int result) override;

private:
    std::unique_ptr<Ui::CDtmfDlg> m_ui;
    program::CodeplugImage m_image;
    PageTabs* m_pages;
    bool m_closed = false;
};
