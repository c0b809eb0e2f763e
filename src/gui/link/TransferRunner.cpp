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
#include "model/UserSettings.h"

#include <QDir>

TransferRunner::TransferRunner(CProgramDoc& doc, program::PortOverrides portOverrides,
                               QWidget* dialogParent)
    : QObject(dialogParent), m_doc(doc), m_portOverrides(std::move(portOverrides)),
      m_linkFactory([] { return std::make_unique<program::PosixSerialLink>(); }),
      m_progress(new CProgressDlg(dialogParent)) {
    connect(m_progress, &CProgressDlg::startRequested, this, &TransferRunner::run);
    connect(m_progress, &CProgressDlg::verifyChosen, this, [this](bool verify) {
        if (m_settings)
            m_settings->setVerifyAfterWrite(verify);
    });
}

TransferRunner::~TransferRunner() = default;

void TransferRunner::open(Direction direction) {
    if (m_running)
        return;
    m_direction = direction;
    const bool write = direction == Direction::Write;
    const bool verify = write && m_settings && m_settings->verifyAfterWrite();
    m_progress->open(write ? tr("Write Data") : tr("Read Data"), write, verify);
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
        if (written.completed() && m_progress->verifyAfterWriting())
            verifyWrite(transfer, host);
        else if (written.completed())
            emit statusMessage(tr("Written to the radio"));
        else if (written.radioPartlyWritten)
            host.ask(program::linktexts::radioPartlyWritten(), program::TransferHost::Buttons::Ok);
    } else if (m_direction == Direction::Compare) {
        // The document's password is the one the radio must hold, as for a read.
        program::CodeplugImage radio = m_doc.image();
        if (transfer.read(portDevice(), radio).completed()) {
            m_progress->finish();
            setRunning(false);
            emit radioCompared(radio);
            return;
        }
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

// One message tells how the read-back ended; a radio that holds other bytes than
// were written is also kept as a backup copy, as any read is.
void TransferRunner::verifyWrite(program::ImageTransfer& transfer, GuiTransferHost& host) {
    namespace texts = program::linktexts;
    const program::ProgramState& state = m_doc.state();
    const program::CodeplugImage& written = m_doc.image();
    const program::VerifyResult result = transfer.verify(portDevice(), written, state.squelchWrite);
    program::LinkMessage message;
    if (result.verified()) {
        message = texts::verified();
        emit statusMessage(tr("Written to the radio and verified"));
    } else if (result.readBack.outcome == program::TransferResult::Outcome::Cancelled) {
        message = texts::verifyCancelled();
    } else if (!result.readBack.completed()) {
        message = texts::verifyReadBackFailed();
    } else {
        message = texts::verifyDifferences();
        for (const program::imagemap::Region& run : result.differences) {
            for (const auto language : {program::Language::English, program::Language::Chinese}) {
                std::string& lines = language == program::Language::English
                                         ? message.detail.english
                                         : message.detail.chinese;
                lines += program::imagemap::describeRun(run, language) + "\n";
            }
        }
        const BackupCopies::Result copy = BackupCopies::saveReadCopy(result.radio);
        const std::string where = QDir::toNativeSeparators(copy.path).toStdString();
        if (copy.ok) {
            message.detail.english += "\nWhat the radio holds was kept in " + where;
            message.detail.chinese += "\n对讲机中的数据已保存在 " + where;
        } else {
            const std::string why = copy.error.toStdString();
            message.detail.english += "\nNo copy could be kept in " + where + ": " + why;
            message.detail.chinese += "\n未能把备份保存在 " + where + ": " + why;
        }
    }
    host.ask(message, program::TransferHost::Buttons::Ok);
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
