#include "signalling/TwoToneDecodeTab.h"

#include "signalling/TwoToneDecodePage.h"

#include "ui_TwoToneDecodeTab.h"

#include <QTabBar>

using program::signalling::TwoToneDecode;

CTwoToneDecodeTab::CTwoToneDecodeTab(QWidget* parent)
    : SignallingPage(parent), m_ui(std::make_unique<Ui::CTwoToneDecodeTab>()) {
    m_ui->setupUi(this);
    m_ui->entries->tabBar()->setAccessibleName(m_ui->entries->accessibleName());
}

CTwoToneDecodeTab::~CTwoToneDecodeTab() = default;

void CTwoToneDecodeTab::openEntries(program::CodeplugImage& image) {
    for (std::size_t entry = 1; entry <= TwoToneDecode::EntryCount; ++entry)
        m_ui->entries->addTab(new CTwoToneDecodePage(entry), tr("2-Tone%1").arg(entry));
    m_ui->entries->setCurrentIndex(0);
    m_entries = new PageTabs(m_ui->entries, image);
    m_entries->loadCurrent();
}

void CTwoToneDecodeTab::storeShownEntry() {
    if (m_entries)
        m_entries->storeCurrent();
}
