#include "signalling/TwoToneDlg.h"

#include "signalling/SignallingPage.h"
#include "signalling/TwoToneDecodeTab.h"

#include "ui_TwoToneDlg.h"

#include <QTabBar>

CTwoToneDlg::CTwoToneDlg(const program::CodeplugImage& image, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CTwoToneDlg>()), m_image(image) {
    m_ui->setupUi(this);
    m_ui->tabs->tabBar()->setAccessibleName(m_ui->tabs->accessibleName());
    m_ui->tabs->setCurrentIndex(0);
    m_pages = new PageTabs(m_ui->tabs, m_image);
    m_pages->loadCurrent();
    m_ui->decodeTab->openEntries(m_image);
}

CTwoToneDlg::~CTwoToneDlg() = default;

void CTwoToneDlg::done(int result) {
    if (!m_closed) {
        m_closed = true;
        m_pages->storeCurrent();
        m_ui->decodeTab->storeShownEntry();
    }
    QDialog::done(result);
}
