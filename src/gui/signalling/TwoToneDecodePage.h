#pragma once

#include "signalling/SignallingPage.h"

#include <memory>

namespace Ui {
class CTwoToneDecodePage;
}

// One 2-Tone decode entry (tab "2-Tone1" to "2-Tone8"): its two tones and four
// times.
class CTwoToneDecodePage : public SignallingPage {
    Q_OBJECT
public:
    CTwoToneDecodePage(std::size_t entry, QWidget* parent = nullptr);
    ~CTwoToneDecodePage() override;

    std::size_t entry() const { return m_entry; }

    void load(const program::CodeplugImage& image) override;
    // Stores every edit as leaving it would: a tone left empty is the lowest tone.
    void store(program::CodeplugImage& image) override;

private:
    std::unique_ptr<Ui::CTwoToneDecodePage> m_ui;
    std::size_t m_entry;
};
