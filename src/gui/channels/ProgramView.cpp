#include "channels/ProgramView.h"

#include "app/CommandIds.h"
#include "app/ProgramState.h"
#include "channels/ChannelGrid.h"
#include "channels/ChannelTableModel.h"
#include "link/GuiTransferHost.h"
#include "link/ImageTransfer.h"
#include "link/LinkTexts.h"
#include "link/PortSettingDlg.h"
#include "link/PosixSerialLink.h"
#include "link/ProgressDlg.h"
#include "link/UserSettings.h"
#include "model/BackupCopies.h"
#include "model/ProgramDoc.h"

#include <QDir>
#include <QVBoxLayout>

CProgramView::CProgramView(CProgramDoc& doc, UserSettings& settings,
                           program::PortOverrides portOverrides, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_settings(settings), m_portOverrides(std::move(portOverrides)),
      m_linkFactory([] { return std::make_unique<program::PosixSerialLink>(); }),
      m_model(new ChannelTableModel(doc, this)),
      m_grid(new ChannelGrid(m_model, doc.state().language, this)),
      m_progress(new CProgressDlg(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_grid);
    setFocusProxy(m_grid);

    // Each view picks up the port chosen last, by this user, in any run.
    doc.state().portNumber = SettingsPortNumberStore(m_settings).load();

    connect(m_grid, &ChannelGrid::helpRequested, this, &CProgramView::helpRequested);
    connect(m_progress, &CProgressDlg::startRequested, this, &CProgramView::runTransfer);
}

CProgramView::~CProgramView() = default;

bool CProgramView::handleCommand(int id) {
    switch (id) {
    case command::Read:
        if (!m_transferRunning)
            openProgress(Direction::Read);
        return true;
    case command::Write:
        if (!m_transferRunning) {
            commitOpenEditor();
            openProgress(Direction::Write);
        }
        return true;
    case command::ComSetup:
        if (!m_transferRunning)
            CPortSettingDlg(m_doc.state(), m_settings, m_portOverrides, this).exec();
        return true;
    default:
        return false;
    }
}

void CProgramView::hideEvent(QHideEvent* event) {
    // A hidden document cannot be the one a waiting Read or Write works on.
    if (!m_transferRunning)
        m_progress->finish();
    QWidget::hideEvent(event);
}

bool CProgramView::commitOpenEditor() {
    return m_grid->commitOpenEditor();
}

void CProgramView::bringImageUpToDate() {
    commitOpenEditor();
    m_doc.gridToImage();
}

std::string CProgramView::portDevice() const {
    return program::devicePathForPort(m_doc.state().portNumber, m_portOverrides);
}

void CProgramView::openProgress(Direction direction) {
    m_direction = direction;
    m_progress->open(direction == Direction::Read ? tr("Read Data") : tr("Write Data"));
}

void CProgramView::setTransferRunning(bool running) {
    m_transferRunning = running;
    m_grid->setEnabled(!running);
    emit transferRunningChanged(running);
}

void CProgramView::runTransfer() {
    // Cancel may have come between Start and this call.
    if (m_progress->cancelRequested()) {
        m_progress->finish();
        return;
    }
    setTransferRunning(true);
    program::ProgramState& state = m_doc.state();
    const std::unique_ptr<program::SerialLink> link = m_linkFactory();
    GuiTransferHost host(*m_progress, state);
    program::ImageTransfer transfer(*link, host);

    commitOpenEditor();
    if (m_direction == Direction::Write) {
        m_doc.gridToImage();
        const program::TransferResult written =
            transfer.write(portDevice(), m_doc.image(), m_doc.bandLimits(), state.squelchWrite);
        if (written.completed())
            emit statusMessage(tr("Written to the radio"));
        else if (written.radioPartlyWritten)
            host.ask(program::linktexts::radioPartlyWritten(), program::TransferHost::Buttons::Ok);
    } else {
        program::CodeplugImage image = m_doc.image();
        if (transfer.read(portDevice(), image).completed()) {
            m_doc.adoptReadImage(image);
            keepReadCopy();
        }
    }
    m_progress->finish();
    setTransferRunning(false);
}

void CProgramView::keepReadCopy() {
    const BackupCopies::Result copy = BackupCopies::saveReadCopy(m_doc.image());
    const QString where = QDir::toNativeSeparators(copy.path);
    if (copy.ok)
        emit statusMessage(tr("Read from the radio; a copy was kept in %1").arg(where));
    else
        emit statusMessage(
            tr("Read from the radio; no copy could be kept in %1: %2").arg(where, copy.error));
}
