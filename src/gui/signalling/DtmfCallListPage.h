#pragma once

#include "signalling/SignallingPage.h"

#include <memory>

namespace Ui {
class CDtmfCallListPage;
}
class GridCellEditor;

// DTMF "CallList": nine DTMF strings the radio dials from its fast call list,
// edited in a grid.
class CDtmfCallListPage : public SignallingPage {
    Q_OBJECT
public:
    explicit CDtmfCallListPage(QWidget* parent = nullptr);
    ~CDtmfCallListPage() override;

    void load(const program::CodeplugImage& image) override;
    // Commits an open cell edit first.
    void store(program::CodeplugImage& image) override;

    GridCellEditor* cellEditor() const { return m_cellEditor; }

private:
    std::unique_ptr<Ui::CDtmfCallListPage> m_ui;
    GridCellEditor* m_cellEditor;
};
