#include "link/ProgressDlg.h"

#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int InitialProgressMaximum = 191;

} // namespace

CProgressDlg::CProgressDlg(QWidget* parent)
    : QDialog(parent), m_start(new QPushButton(tr("Start"), this)),
      m_cancelButton(new QPushButton(tr("Cancel"), this)), m_status(new QLabel(this)),
      m_bar(new QProgressBar(this)) {
    setModal(false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Progress："), this), 0, 0);
    layout->addWidget(m_bar, 0, 1, 1, 2);
    layout->addWidget(m_status, 1, 0, 1, 3);
    layout->addWidget(m_start, 2, 1);
    layout->addWidget(m_cancelButton, 2, 2);
    m_bar->setMinimumWidth(260);
    m_bar->setTextVisible(false); // the status text counts the rows
    m_start->setDefault(true);
    helpproperty::setControlId(m_start, control::ProgressStart);
    helpproperty::setControlId(m_cancelButton, control::ProgressCancel);
    helpproperty::setControlId(m_status, control::ProgressStatus);
    helpproperty::setControlId(m_bar, control::ProgressBar);

    connect(m_start, &QPushButton::clicked, this, &CProgressDlg::onStart);
    connect(m_cancelButton, &QPushButton::clicked, this, &CProgressDlg::onCancel);
}

void CProgressDlg::open(const QString& caption) {
    m_cancel = false;
    setWindowTitle(caption);
    m_status->setText(tr("Not start yet"));
    m_bar->setRange(0, InitialProgressMaximum);
    m_bar->setValue(0);
    m_start->setEnabled(true);
    m_start->setFocus();
    show();
    raise();
    activateWindow();
}

void CProgressDlg::finish() {
    hide();
}

bool CProgressDlg::started() const {
    return isVisible() && !m_start->isEnabled();
}

void CProgressDlg::setStatus(const QString& text) {
    m_status->setText(text);
}

void CProgressDlg::setProgressRange(int maximum) {
    m_bar->setRange(0, maximum);
}

void CProgressDlg::setProgress(int position) {
    m_bar->setValue(position);
}

void CProgressDlg::onStart() {
    m_start->setEnabled(false);
    // Like a posted message: the transfer runs after this click has been handled.
    QMetaObject::invokeMethod(this, &CProgressDlg::startRequested, Qt::QueuedConnection);
}

void CProgressDlg::onCancel() {
    m_cancel = true;
    // Before Start nothing runs that could notice the flag: close at once.
    if (m_start->isEnabled())
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
