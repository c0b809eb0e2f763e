#include "signalling/DtmfEncodePage.h"

#include "signalling/Dtmf.h"
#include "signalling/KeyFilter.h"
#include "signalling/SpinEdit.h"

#include "ui_DtmfEncodePage.h"

using namespace program::signalling;

namespace {

// An edit of whole milliseconds or digits per second, with its rules.
void setRules(SpinEdit* edit, int (*normalise)(int), int (*spin)(int, Spin), const char* widest,
              int maxLength) {
    edit->setRules(
        [spin](const QString& text, Spin direction) {
            return QString::number(spin(readWholeNumber(text.toStdString()), direction));
        },
        [normalise](const QString& text) {
            return QString::number(normalise(readWholeNumber(text.toStdString())));
        },
        QString::fromLatin1(widest), maxLength);
}

} // namespace

CDtmfEncodePage::CDtmfEncodePage(QWidget* parent)
    : SignallingPage(parent), m_ui(std::make_unique<Ui::CDtmfEncodePage>()) {
    m_ui->setupUi(this);
    setRules(m_ui->speedEdit, normaliseSpeed, spinSpeed, "15", 2);
    setRules(m_ui->firstDigitDelayEdit, normaliseFirstDigitDelay, spinFirstDigitDelay, "1000", 0);
    setRules(m_ui->firstDigitTimeEdit, normaliseDigitTime, spinDigitTime, "1000", 4);
    setRules(m_ui->starHashTimeEdit, normaliseDigitTime, spinDigitTime, "1000", 4);
    new KeyFilter(KeyFilter::Rule::DtmfTiming, this);
}

CDtmfEncodePage::~CDtmfEncodePage() = default;

void CDtmfEncodePage::load(const program::CodeplugImage& image) {
    const DtmfEncode values = loadDtmfEncode(image);
    m_ui->speedEdit->setText(QString::number(values.speed));
    m_ui->firstDigitDelayEdit->setText(QString::number(values.firstDigitDelayMs));
    m_ui->firstDigitTimeEdit->setText(QString::number(values.firstDigitTimeMs));
    m_ui->starHashTimeEdit->setText(QString::number(values.starHashTimeMs));
    m_ui->sideTone->setChecked(values.sideTone);
}

void CDtmfEncodePage::store(program::CodeplugImage& image) {
    auto number = [](const SpinEdit* edit) { return readWholeNumber(edit->text().toStdString()); };
    storeDtmfEncode({number(m_ui->speedEdit), number(m_ui->firstDigitDelayEdit),
                     number(m_ui->firstDigitTimeEdit), number(m_ui->starHashTimeEdit),
                     m_ui->sideTone->isChecked()},
                    image);
}
