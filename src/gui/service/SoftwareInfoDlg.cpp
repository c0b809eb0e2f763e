#include "service/SoftwareInfoDlg.h"

#include "app/ProgramState.h"
#include "link/BlockPlan.h"

#include "ui_SoftwareInfoDlg.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QSignalBlocker>

using program::service::SoftwareInfo;

SoftwareInfoDlg::SoftwareInfoDlg(const program::CodeplugImage& image, program::ProgramState& state,
                                 ServicePort port, QWidget* parent)
    : ServiceDialog(image, state, std::move(port), parent),
      m_ui(std::make_unique<Ui::SoftwareInfoDlg>()), m_state(state) {
    m_ui->setupUi(this);
    m_limitEdits = {m_ui->lowFreq1Edit, m_ui->highFreq1Edit, m_ui->lowFreq2Edit,
                    m_ui->highFreq2Edit};
    // The lists read the same in both languages.
    for (const auto& entry : program::service::companyChoices())
        m_ui->companyCombo->addItem(QString::fromStdString(entry.english));
    for (const auto& entry : program::service::freqBandChoices())
        m_ui->freqBandCombo->addItem(QString::fromStdString(entry.english));
    for (QLineEdit* edit : m_limitEdits)
        edit->installEventFilter(this);

    connect(m_ui->companyCombo, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_values.company = index < 0 ? 0 : index; });
    connect(m_ui->freqBandCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
        program::service::chooseBand(m_values, index);
        display();
    });
    connect(m_ui->readButton, &QPushButton::clicked, this, [this] {
        readFromRadio(ServiceRunner::Profile::Prompting, program::BlockPlan::softwareInfo());
    });
    connect(m_ui->writeButton, &QPushButton::clicked, this, [this] {
        if (writeStoringAfterHandshake(ServiceRunner::Profile::Prompting,
                                       program::BlockPlan::softwareInfo()))
            m_state.bandLimits = program::service::bandLimitsOf(m_values);
    });
    loadControls();
}

SoftwareInfoDlg::~SoftwareInfoDlg() = default;

QComboBox* SoftwareInfoDlg::companyList() const {
    return m_ui->companyCombo;
}
QComboBox* SoftwareInfoDlg::freqBandList() const {
    return m_ui->freqBandCombo;
}
QLineEdit* SoftwareInfoDlg::limitEdit(SoftwareInfo::Limit limit) const {
    return m_limitEdits[limit];
}
QPushButton* SoftwareInfoDlg::readButton() const {
    return m_ui->readButton;
}
QPushButton* SoftwareInfoDlg::writeButton() const {
    return m_ui->writeButton;
}

void SoftwareInfoDlg::accept() {
    ServiceDialog::accept();
    m_state.bandLimits = program::service::bandLimitsOf(m_values);
}

void SoftwareInfoDlg::loadControls() {
    m_values = program::service::loadSoftwareInfo(image());
    m_state.bandLimits = program::service::loadedBandLimits(image());
    display();
}

void SoftwareInfoDlg::storeControls(program::CodeplugImage& image) {
    program::service::storeSoftwareInfo(m_values, image);
}

bool SoftwareInfoDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int limit = 0; limit < int(m_limitEdits.size()); ++limit) {
            if (watched == m_limitEdits[limit]) {
                program::service::checkLimit(m_values, SoftwareInfo::Limit(limit));
                display();
            }
        }
    }
    return ServiceDialog::eventFilter(watched, event);
}

void SoftwareInfoDlg::display() {
    {
        const QSignalBlocker company(m_ui->companyCombo);
        const QSignalBlocker band(m_ui->freqBandCombo);
        m_ui->companyCombo->setCurrentIndex(m_values.company);
        m_ui->freqBandCombo->setCurrentIndex(m_values.freqBand);
    }
    for (int limit = 0; limit < int(m_limitEdits.size()); ++limit) {
        m_limitEdits[limit]->setText(QString::number(m_values.limits[limit]));
        m_limitEdits[limit]->setEnabled(
            program::service::limitEnabled(m_values, SoftwareInfo::Limit(limit)));
    }
}
