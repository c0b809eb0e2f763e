#pragma once

#include "link/ServiceRunner.h"
#include "model/CodeplugImage.h"

#include <QDialog>

#include <optional>

namespace program {
struct ProgramState;
}

// What the three service dialogs share: they edit a copy of the document's image,
// and their Read and Write buttons exchange a few blocks of it with the radio.
// OK stores the controls into the copy; Cancel drops what was only typed, but what
// a Read brought from the radio or a Write stored stays, as the radio now holds it.
class ServiceDialog : public QDialog {
    Q_OBJECT
public:
    ~ServiceDialog() override;

    // What the document takes when the dialog has closed: after OK the whole
    // copy; after Cancel the copy as the last Read or Write left it, or nothing.
    std::optional<program::CodeplugImage> imageToKeep() const;
    // The working copy as it stands.
    const program::CodeplugImage& image() const { return m_image; }

    bool exchangeRunning() const { return m_runner->running(); }

    void accept() override;

protected:
    ServiceDialog(const program::CodeplugImage& image, const program::ProgramState& state,
                  ServicePort port, QWidget* parent);

    // Shows the working copy in the controls.
    virtual void loadControls() = 0;
    // Writes the controls into `image`, as OK does.
    virtual void storeControls(program::CodeplugImage& image) = 0;

    // Read: the blocks of `plan` from the radio into the copy; once the exchange
    // has completed (and its message was answered) the controls show them. A
    // failed read changes neither the copy nor the controls.
    void readFromRadio(ServiceRunner::Profile profile, const program::BlockPlan& plan);
    // Write that stores the controls first, whatever the radio then does.
    void storeAndWrite(ServiceRunner::Profile profile, const program::BlockPlan& plan);
    // Write that stores the controls only once the radio has answered the
    // handshake; returns whether they were stored.
    bool writeStoringAfterHandshake(ServiceRunner::Profile profile, const program::BlockPlan& plan);

    program::CodeplugImage& workingImage() { return m_image; }
    const program::ProgramState& programState() const { return m_state; }

private:
    const program::ProgramState& m_state;
    program::CodeplugImage m_image;
    std::optional<program::CodeplugImage> m_exchanged; // as the last exchange left it
    ServiceRunner* m_runner;
    bool m_stored = false; // OK stored the controls
};
