#pragma once

#include "signalling/SignallingPage.h"

#include <memory>

namespace Ui {
class CDtmfEncodePage;
}

// DTMF "Encode": the encoder's speed, first-digit delay and length, the length of
// "*" and "#", and the side tone.
class CDtmfEncodePage : public SignallingPage {
    Q_OBJECT
public:
    explicit CDtmfEncodePage(QWidget* parent = nullptr);
    ~CDtmfEncodePage() override;

    void load(const program::CodeplugImage& image) override;
    // Normalises each edit as leaving it would, then stores.
    void store(program::CodeplugImage& image) override;

private:
    std::unique_ptr<Ui::CDtmfEncodePage> m_ui;
};
