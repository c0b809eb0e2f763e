#pragma once

#include "app/ProgramState.h"
#include "signalling/SignallingPage.h"

#include <cstdint>
#include <memory>

namespace Ui {
class CDtmfDecodePage;
}
class QComboBox;
class QLineEdit;

// DTMF "Decode": the radio's own ID code, its group code, and the stun code with
// what a stun does. The group code and the stun type are shown in edits; a list
// opens over the edit when it takes the focus and writes its choice back when it
// loses it.
class CDtmfDecodePage : public SignallingPage {
    Q_OBJECT
public:
    explicit CDtmfDecodePage(QWidget* parent = nullptr);
    ~CDtmfDecodePage() override;

    // The language the lists and the edits show their texts in; set before loading.
    void setLanguage(program::Language language);

    void load(const program::CodeplugImage& image) override;
    // Closes an open list with its choice first.
    void store(program::CodeplugImage& image) override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openList(QLineEdit* edit, QComboBox* list);
    void closeList(QLineEdit* edit, QComboBox* list);
    void showStunControls();

    std::unique_ptr<Ui::CDtmfDecodePage> m_ui;
    program::Language m_language = program::Language::English;
    std::uint8_t m_groupCode = 0xFF;
    int m_stunType = 0;
};
