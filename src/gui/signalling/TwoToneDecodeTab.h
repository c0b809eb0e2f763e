#pragma once

#include "signalling/SignallingPage.h"

#include <memory>

namespace Ui {
class CTwoToneDecodeTab;
}

// 2-Tone "Decode": the tabs of the eight decode entries. Switching the dialog's
// main tabs leaves the entry shown as it is: its working values stay in its edits
// until another entry's tab is chosen or the dialog closes.
class CTwoToneDecodeTab : public SignallingPage {
    Q_OBJECT
public:
    explicit CTwoToneDecodeTab(QWidget* parent = nullptr);
    ~CTwoToneDecodeTab() override;

    // Makes the entries' pages and loads entry 1.
    void openEntries(program::CodeplugImage& image);
    // Stores the entry shown.
    void storeShownEntry();

    void load(const program::CodeplugImage&) override {}
    void store(program::CodeplugImage&) override {}

private:
    std::unique_ptr<Ui::CTwoToneDecodeTab> m_ui;
    PageTabs* m_entries = nullptr;
};
