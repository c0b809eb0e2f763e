#pragma once

#include "link/BlockPlan.h"
#include "link/PortNames.h"
#include "link/SerialLink.h"
#include "link/ServiceExchange.h"
#include "link/TransferResult.h"
#include "model/CodeplugImage.h"

#include <QObject>

#include <functional>
#include <string>

namespace program {
struct ProgramState;
}
class QDialog;

// Where a service dialog's Read and Write reach the radio: the device of the port
// chosen in Com Setup, and the link that opens it (the serial port itself unless
// a test puts a simulated radio there).
struct ServicePort {
    std::string device;
    program::LinkFactory linkFactory;
    // The devices of the port numbers, for the connection check a failed exchange offers.
    program::PortOverrides overrides;
};

// Runs the Read and Write exchanges of a service dialog. The exchange goes on a
// worker thread, so the windows keep repainting while the radio is woken; the
// dialog takes no input meanwhile and the cursor shows the wait, so to the user
// it behaves as a dialog busy with the radio. The exchange's messages (and the
// prompt of the patient profile) come up over the dialog in the run's language,
// in the order the exchange shows them.
class ServiceRunner : public QObject {
    Q_OBJECT
public:
    enum class Profile { Strict, Prompting };

    ServiceRunner(QDialog& dialog, const program::ProgramState& state, ServicePort port);
    ~ServiceRunner() override;

    // Runs one exchange of `plan` and returns once it has ended and its last
    // message was answered. A read changes `image` only when its last block has
    // arrived. `afterHandshake` runs on the worker thread, once the radio has
    // answered and before the first block, on the image the blocks come from.
    program::TransferResult
    run(Profile profile, program::ExchangeDirection direction, const program::BlockPlan& plan,
        program::CodeplugImage& image,
        const std::function<void(program::CodeplugImage&)>& afterHandshake = {});

    bool running() const { return m_running; }

protected:
    // Keeps the user's input away from the dialog while an exchange runs.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class WorkerHost;

    QDialog& m_dialog;
    const program::ProgramState& m_state;
    ServicePort m_port;
    bool m_running = false;
    bool m_checkConnection = false;
};
