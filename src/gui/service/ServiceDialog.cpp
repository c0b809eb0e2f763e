#include "service/ServiceDialog.h"

#include "app/ProgramState.h"

ServiceDialog::ServiceDialog(const program::CodeplugImage& image,
                             const program::ProgramState& state, ServicePort port, QWidget* parent)
    : QDialog(parent), m_state(state), m_image(image),
      m_runner(new ServiceRunner(*this, state, std::move(port))) {}

ServiceDialog::~ServiceDialog() = default;

std::optional<program::CodeplugImage> ServiceDialog::imageToKeep() const {
    if (m_stored)
        return m_image;
    return m_exchanged;
}

void ServiceDialog::accept() {
    storeControls(m_image);
    m_stored = true;
    QDialog::accept();
}

void ServiceDialog::readFromRadio(ServiceRunner::Profile profile, const program::BlockPlan& plan) {
    if (!m_runner->run(profile, program::ExchangeDirection::Read, plan, m_image).completed())
        return;
    m_exchanged = m_image;
    loadControls();
}

void ServiceDialog::storeAndWrite(ServiceRunner::Profile profile, const program::BlockPlan& plan) {
    storeControls(m_image);
    m_exchanged = m_image;
    m_runner->run(profile, program::ExchangeDirection::Write, plan, m_image);
}

bool ServiceDialog::writeStoringAfterHandshake(ServiceRunner::Profile profile,
                                               const program::BlockPlan& plan) {
    // The controls are stored now, on the interface thread; the copy becomes the
    // image the blocks are sent from only after the handshake.
    program::CodeplugImage stored = m_image;
    storeControls(stored);
    bool handshakeDone = false;
    m_runner->run(profile, program::ExchangeDirection::Write, plan, m_image,
                  [&stored, &handshakeDone](program::CodeplugImage& image) {
                      image = stored;
                      handshakeDone = true;
                  });
    if (handshakeDone)
        m_exchanged = m_image;
    return handshakeDone;
}
