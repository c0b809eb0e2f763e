#pragma once

#include "signalling/SignallingPage.h"

#include <memory>
#include <optional>

namespace Ui {
class CTwoToneEncodePage;
}
class GridCellEditor;

// 2-Tone "Encode": the encoder's delays, interval, Tx rise delay and short beep,
// and the grid of 32 tone pairs.
class CTwoToneEncodePage : public SignallingPage {
    Q_OBJECT
public:
    explicit CTwoToneEncodePage(QWidget* parent = nullptr);
    ~CTwoToneEncodePage() override;

    void load(const program::CodeplugImage& image) override;
    // Commits an open cell edit, and stores every edit as leaving it would.
    void store(program::CodeplugImage& image) override;

    GridCellEditor* cellEditor() const { return m_cellEditor; }

private:
    std::unique_ptr<Ui::CTwoToneEncodePage> m_ui;
    GridCellEditor* m_cellEditor;
    // The interval's count of 50 ms steps as loaded, stored again while the edit
    // still shows it.
    std::optional<int> m_loadedIntervalSteps;
};
