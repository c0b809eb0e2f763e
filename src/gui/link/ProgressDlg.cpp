#include "link/ProgressDlg.h"

#include "ui_ProgressDlg.h"

#include <QCheckBox>
#include <QCloseEvent>

namespace {

constexpr int InitialProgressMaximum = 191;

} // namespace

CProgressDlg::CProgressDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CProgressDlg>()) {
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    connect(m_ui->startButton, &QPushButton::clicked, this, &CProgressDlg::onStart);
    connect(m_ui->cancelButton, &QPushButton::clicked, this, &CProgressDlg::onCancel);
    connect(m_ui->verifyBox, &QCheckBox::toggled, this, &CProgressDlg::verifyChosen);
}

CProgressDlg::~CProgressDlg() = default;

QPushButton* CProgressDlg::startButton() const {
    return m_ui->startButton;
}

QPushButton* CProgressDlg::cancelButton() const {
    return m_ui->cancelButton;
}

QCheckBox* CProgressDlg::verifyBox() const {
    return m_ui->verifyBox;
}

bool CProgressDlg::verifyAfterWriting() const {
    return m_ui->verifyBox->isVisibleTo(this) && m_ui->verifyBox->isChecked();
}

QLabel* CProgressDlg::statusLabel() const {
    return m_ui->statusLabel;
}

QProgressBar* CProgressDlg::progressBar() const {
    return m_ui->progressBar;
}

void CProgressDlg::open(const QString& caption, bool offerVerify, bool verify) {
    m_cancel = false;
    {
        const QSignalBlocker quiet(m_ui->verifyBox);
        m_ui->verifyBox->setChecked(verify);
    }
    m_ui->verifyBox->setVisible(offerVerify);
    m_ui->verifyBox->setEnabled(true);
    setWindowTitle(caption);
    m_ui->statusLabel->setText(tr("Not start yet"));
    m_ui->progressBar->setRange(0, InitialProgressMaximum);
    m_ui->progressBar->setValue(0);
    m_ui->startButton->setEnabled(true);
    m_ui->startButton->setFocus();
    show();
    raise();
    activateWindow();
}

void CProgressDlg::finish() {
    hide();
}

bool CProgressDlg::started() const {
    return isVisible() && !m_ui->startButton->isEnabled();
}

void CProgressDlg::setStatus(const QString& text) {
    m_ui->statusLabel->setText(text);
}

void CProgressDlg::setProgressRange(int maximum) {
    m_ui->progressBar->setRange(0, maximum);
}

void CProgressDlg::setProgress(int position) {
    m_ui->progressBar->setValue(position);
}

void CProgressDlg::onStart() {
    m_ui->startButton->setEnabled(false);
    m_ui->verifyBox->setEnabled(false);
    // Like a posted message: the transfer runs after this click has been handled.
    QMetaObject::invokeMethod(this, &CProgressDlg::startRequested, Qt::QueuedConnection);
}

void CProgressDlg::onCancel() {
    m_cancel = true;
    // Before Start nothing runs that could notice the flag: close at once.
    if (m_ui->startButton->isEnabled())
        hide();
}

void CProgressDlg::reject() {
    onCancel();
}

void CProgressDlg::closeEvent(QCloseEvent* event) {
    // The title bar's close box means Cancel; the transfer closes the window
    // itself at its next check point.
    event->ignore();
    onCancel();
}
