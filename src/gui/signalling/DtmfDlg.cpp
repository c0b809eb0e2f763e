#include "signalling/DtmfDlg.h"

#include "signalling/SignallingPage.h"

#include "ui_DtmfDlg.h"

#include <QTabBar>

CDtmfDlg::CDtmfDlg(const program::CodeplugImage& image, program::Language language, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CDtmfDlg>()), m_image(image) {
    m_ui->setupUi(this);
    m_ui->tabs->tabBar()->setAccessibleName(m_ui->tabs->accessibleName());
    m_ui->decodePage->setLanguage(language);
    m_ui->tabs->setCurrentIndex(0);
    m_pages = new PageTabs(m_ui->tabs, m_image);
    m_pages->loadCurrent();
}

CDtmfDlg::~CDtmfDlg() = default;

void CDtmfDlg::done(int result) {
    if (!m_closed) {
        m_closed = true;
        m_pages->storeCurrent();
    }
    QDialog::done(result);
}
