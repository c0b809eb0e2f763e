#include "signalling/TwoToneEncodePage.h"

#include "common/ControlIds.h"
#include "common/GridCellEditor.h"
#include "signalling/KeyFilter.h"
#include "signalling/SpinEdit.h"

#include "ui_TwoToneEncodePage.h"

using namespace program::signalling;

CTwoToneEncodePage::CTwoToneEncodePage(QWidget* parent)
    : SignallingPage(parent), m_ui(std::make_unique<Ui::CTwoToneEncodePage>()) {
    m_ui->setupUi(this);
    setTwoToneRules(m_ui->firstDelayEdit, TwoToneEdit::Delay, 4);
    setTwoToneRules(m_ui->secondDelayEdit, TwoToneEdit::Delay, 4);
    setTwoToneRules(m_ui->longDelayEdit, TwoToneEdit::Delay, 4);
    setTwoToneRules(m_ui->intervalEdit, TwoToneEdit::Interval, 3);
    setTwoToneRules(m_ui->txRiseEdit, TwoToneEdit::TxRise, 4);
    setUpNumberedGrid(m_ui->encodeGrid, int(TwoToneEncode::PairCount), tr("Num"));
    m_cellEditor = new GridCellEditor(
        m_ui->encodeGrid,
        {.maxLength = 6,
         .allowed = QStringLiteral("0-9."),
         .normalise =
             [](const QString& text) { return fromStd(commitToneCell(text.toStdString())); },
         .editControlId = twotonecontrol::EncodeCellEdit});
    new KeyFilter(KeyFilter::Rule::TwoTone, this);
}

CTwoToneEncodePage::~CTwoToneEncodePage() = default;

void CTwoToneEncodePage::load(const program::CodeplugImage& image) {
    const TwoToneEncode values = loadTwoToneEncode(image);
    m_ui->firstDelayEdit->setText(fromStd(twoToneText(TwoToneEdit::Delay, values.firstDelay)));
    m_ui->secondDelayEdit->setText(fromStd(twoToneText(TwoToneEdit::Delay, values.secondDelay)));
    m_ui->longDelayEdit->setText(fromStd(twoToneText(TwoToneEdit::Delay, values.longDelay)));
    m_ui->intervalEdit->setText(fromStd(twoToneText(TwoToneEdit::Interval, values.interval)));
    m_loadedIntervalSteps = values.loadedIntervalSteps;
    m_ui->txRiseEdit->setText(fromStd(twoToneText(TwoToneEdit::TxRise, values.txRise)));
    m_ui->shortBeep->setChecked(values.shortBeep);
    for (std::size_t pair = 0; pair < TwoToneEncode::PairCount; ++pair)
        for (std::size_t tone = 0; tone < 2; ++tone) {
            const auto& cell = values.pairs[pair][tone];
            m_ui->encodeGrid->item(int(pair), int(tone))
                ->setText(cell ? fromStd(twoToneText(TwoToneEdit::Tone, *cell)) : QString());
        }
}

void CTwoToneEncodePage::store(program::CodeplugImage& image) {
    m_cellEditor->commit();
    auto value = [](const SpinEdit* edit, TwoToneEdit kind) {
        return twoToneValue(kind, edit->text().toStdString());
    };
    TwoToneEncode values;
    values.firstDelay = value(m_ui->firstDelayEdit, TwoToneEdit::Delay);
    values.secondDelay = value(m_ui->secondDelayEdit, TwoToneEdit::Delay);
    values.longDelay = value(m_ui->longDelayEdit, TwoToneEdit::Delay);
    values.interval = value(m_ui->intervalEdit, TwoToneEdit::Interval);
    values.loadedIntervalSteps = m_loadedIntervalSteps;
    values.txRise = value(m_ui->txRiseEdit, TwoToneEdit::TxRise);
    values.shortBeep = m_ui->shortBeep->isChecked();
    for (std::size_t pair = 0; pair < TwoToneEncode::PairCount; ++pair)
        for (std::size_t tone = 0; tone < 2; ++tone) {
            const std::string cell =
                commitToneCell(m_ui->encodeGrid->item(int(pair), int(tone))->text().toStdString());
            if (!cell.empty())
                values.pairs[pair][tone] = twoToneValue(TwoToneEdit::Tone, cell);
        }
    storeTwoToneEncode(values, image);
}
