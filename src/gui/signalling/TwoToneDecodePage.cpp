#include "signalling/TwoToneDecodePage.h"

#include "signalling/KeyFilter.h"
#include "signalling/SpinEdit.h"

#include "ui_TwoToneDecodePage.h"

using namespace program::signalling;

namespace {
using K = TwoToneEdit;
} // namespace

CTwoToneDecodePage::CTwoToneDecodePage(std::size_t entry, QWidget* parent)
    : SignallingPage(parent), m_ui(std::make_unique<Ui::CTwoToneDecodePage>()), m_entry(entry) {
    m_ui->setupUi(this);
    setTwoToneRules(m_ui->aToneEdit, K::Tone, 6);
    setTwoToneRules(m_ui->bToneEdit, K::Tone, 6);
    setTwoToneRules(m_ui->firstDelayEdit, K::Delay, 4);
    setTwoToneRules(m_ui->secondDelayEdit, K::Delay, 4);
    setTwoToneRules(m_ui->intervalEdit, K::Interval, 3);
    setTwoToneRules(m_ui->longDelayEdit, K::Delay, 4);
    new KeyFilter(KeyFilter::Rule::TwoTone, this);
}

CTwoToneDecodePage::~CTwoToneDecodePage() = default;

void CTwoToneDecodePage::load(const program::CodeplugImage& image) {
    const TwoToneDecode values = loadTwoToneDecode(image, m_entry);
    m_ui->aToneEdit->setText(fromStd(twoToneText(K::Tone, values.aTone)));
    m_ui->bToneEdit->setText(fromStd(twoToneText(K::Tone, values.bTone)));
    m_ui->firstDelayEdit->setText(fromStd(twoToneText(K::Delay, values.firstDelay)));
    m_ui->secondDelayEdit->setText(fromStd(twoToneText(K::Delay, values.secondDelay)));
    m_ui->intervalEdit->setText(fromStd(twoToneText(K::Interval, values.interval)));
    m_ui->longDelayEdit->setText(fromStd(twoToneText(K::Delay, values.longDelay)));
}

void CTwoToneDecodePage::store(program::CodeplugImage& image) {
    auto value = [](const SpinEdit* edit, K kind) {
        return twoToneValue(kind, edit->text().toStdString());
    };
    storeTwoToneDecode(
        {value(m_ui->aToneEdit, K::Tone), value(m_ui->bToneEdit, K::Tone),
         value(m_ui->firstDelayEdit, K::Delay), value(m_ui->secondDelayEdit, K::Delay),
         value(m_ui->intervalEdit, K::Interval), value(m_ui->longDelayEdit, K::Delay)},
        m_entry, image);
}
