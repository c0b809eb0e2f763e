#pragma once

#include "model/CodeplugImage.h"

#include <QDialog>

#include <memory>

namespace Ui {
class CTwoToneDlg;
}
class PageTabs;

// The 2-Tone dialog: Encode and the eight decode entries, no OK or Cancel. It
// works on a copy of the document's image. Encode and entry 1 load at opening; a
// page stores when it is hidden; closing stores Encode (when shown) and the entry
// shown.
class CTwoToneDlg : public QDialog {
    Q_OBJECT
public:
    explicit CTwoToneDlg(const program::CodeplugImage& image, QWidget* parent = nullptr);
    ~CTwoToneDlg() override;

    const program::CodeplugImage& image() const { return m_image; }

    void done(int result) override;

private:
    std::unique_ptr<Ui::CTwoToneDlg> m_ui;
    program::CodeplugImage m_image;
    PageTabs* m_pages;
    bool m_closed = false;
};
