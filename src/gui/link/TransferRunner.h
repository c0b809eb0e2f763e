#pragma once

#include "link/PortNames.h"
#include "link/SerialLink.h"
#include "model/CodeplugImage.h"

#include <QObject>

#include <functional>
#include <memory>

class CProgramDoc;
class CProgressDlg;
class GuiTransferHost;
class UserSettings;
namespace program {
class ImageTransfer;
} // namespace program
class QWidget;

// Read and Write of one document through the progress window: Start runs the
// transfer on a link the factory makes, a completed read becomes the document's
// image and is kept as a backup copy, a completed write is reported.
class TransferRunner : public QObject {
    Q_OBJECT
public:
    // Compare reads the radio into a scratch image and hands it on; the document
    // stays as it was.
    enum class Direction { Read, Write, Compare };

    // The progress window is a child of `dialogParent`.
    TransferRunner(CProgramDoc& doc, program::PortOverrides portOverrides, QWidget* dialogParent);
    ~TransferRunner() override;

    // Opens the progress window for a transfer; Start runs it. Nothing happens while
    // a transfer runs.
    void open(Direction direction);
    // Closes a progress window that waits for Start (its document was hidden).
    void closeWaiting();

    bool running() const { return m_running; }
    Direction direction() const { return m_direction; }
    CProgressDlg* progressDialog() const { return m_progress; }
    // The device the next connection opens.
    std::string portDevice() const;
    const program::PortOverrides& portOverrides() const { return m_portOverrides; }

    void setLinkFactory(program::LinkFactory factory) { m_linkFactory = std::move(factory); }
    // Where "Verify after writing" is remembered; without it the box starts cleared.
    void setUserSettings(UserSettings* settings) { m_settings = settings; }
    // Brings the grid's open editor into the document before the image is used.
    void setCommitEditor(std::function<void()> commit) { m_commitEditor = std::move(commit); }

signals:
    void runningChanged(bool running);
    void statusMessage(const QString& text);
    // A Compare read completed: the radio's image, the document untouched.
    void radioCompared(const program::CodeplugImage& radio);

private:
    void run();
    void keepReadCopy();
    void verifyWrite(program::ImageTransfer& transfer, GuiTransferHost& host);
    void setRunning(bool running);

    CProgramDoc& m_doc;
    program::PortOverrides m_portOverrides;
    program::LinkFactory m_linkFactory;
    std::function<void()> m_commitEditor;
    UserSettings* m_settings = nullptr;
    CProgressDlg* m_progress;
    Direction m_direction = Direction::Read;
    bool m_running = false;
};
