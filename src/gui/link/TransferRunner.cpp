#include "link/TransferRunner.h"

#include "app/ProgramState.h"
#include "link/ConnectionCheckDlg.h"
#include "link/GuiTransferHost.h"
#include "link/ImageTransfer.h"
#include "link/LinkTexts.h"
#include "link/PosixSerialLink.h"
#include "link/ProgressDlg.h"
#include "model/BackupCopies.h"
#include "model/ProgramDoc.h"

#include <QDir>

TransferRunner::TransferRunner(CProgramDoc& doc, program::PortOverrides portOverrides,
                               QWidget* dialogParent)
    : QObject(dialogParent), m_doc(doc), m_portOverrides(std::move(portOverrides)),
      m_linkFactory([] { return std::make_unique<program::PosixSerialLink>(); }),
      m_progress(new CProgressDlg(dialogParent)) {
    connect(m_progress, &CProgressDlg::startRequested, this, &TransferRunner::run);
}

TransferRunner::~TransferRunner() = default;

void TransferRunner::open(Direction direction) {
    if (m_running)
        return;
    m_direction = direction;
    m_progress->open(direction == Direction::Read ? tr("Read Data") : tr("Write Data"));
}

void TransferRunner::closeWaiting() {
    if (!m_running)
        m_progress->finish();
}

std::string TransferRunner::portDevice() const {
    return program::devicePathForPort(m_doc.state().portNumber, m_portOverrides);
}

void TransferRunner::setRunning(bool running) {
    m_running = running;
    emit runningChanged(running);
}

void TransferRunner::run() {
    // Cancel may have come between Start and this call.
    if (m_progress->cancelRequested()) {
        m_progress->finish();
        return;
    }
    setRunning(true);
    program::ProgramState& state = m_doc.state();
    const std::unique_ptr<program::SerialLink> link = m_linkFactory();
    GuiTransferHost host(*m_progress, state);
    program::ImageTransfer transfer(*link, host);

    if (m_commitEditor)
        m_commitEditor();
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
    setRunning(false);
    // Asked for from a message of the failed connection: the port is closed by now.
    if (host.connectionCheckRequested())
        CConnectionCheckDlg(state, m_portOverrides, portDevice(), m_linkFactory,
                            m_progress->parentWidget())
            .exec();
}

void TransferRunner::keepReadCopy() {
    const BackupCopies::Result copy = BackupCopies::saveReadCopy(m_doc.image());
    const QString where = QDir::toNativeSeparators(copy.path);
    if (copy.ok)
        emit statusMessage(tr("Read from the radio; a copy was kept in %1").arg(where));
    else
        emit statusMessage(
            tr("Read from the radio; no copy could be kept in %1: %2").arg(where, copy.error));
}
