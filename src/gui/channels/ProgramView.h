#pragma once

#include "link/PortNames.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace program {
class SerialLink;
}

class CProgramDoc;
class CProgressDlg;
class ChannelGrid;
class ChannelTableModel;
class UserSettings;

// The document's window contents: the channel grid, and the commands that work
// on the document through it (Read and Write with the radio, Port Setting).
class CProgramView : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Read, Write };
    // Makes the serial link of one transfer (a termios device unless told otherwise).
    using LinkFactory = std::function<std::unique_ptr<program::SerialLink>()>;

    CProgramView(CProgramDoc& doc, UserSettings& settings, program::PortOverrides portOverrides,
                 QWidget* parent = nullptr);
    ~CProgramView() override;

    // Runs a command of the view (Read, Write, Com Setup); false for any other.
    bool handleCommand(int id);

    CProgramDoc& document() const { return m_doc; }
    ChannelGrid* grid() const { return m_grid; }
    CProgressDlg* progressDialog() const { return m_progress; }
    Direction direction() const { return m_direction; }
    bool transferRunning() const { return m_transferRunning; }

    // Commits the open cell editor as leaving its cell does; false when refused.
    bool commitOpenEditor();
    // Commits the open editor and brings the grid into the image.
    void bringImageUpToDate();

    // The device the next connection opens.
    std::string portDevice() const;

    void setLinkFactory(LinkFactory factory) { m_linkFactory = std::move(factory); }

signals:
    void transferRunningChanged(bool running);
    void helpRequested(int context);
    void statusMessage(const QString& text);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void openProgress(Direction direction);
    void runTransfer();
    void keepReadCopy();
    void setTransferRunning(bool running);

    CProgramDoc& m_doc;
    UserSettings& m_settings;
    program::PortOverrides m_portOverrides;
    LinkFactory m_linkFactory;
    ChannelTableModel* m_model;
    ChannelGrid* m_grid;
    CProgressDlg* m_progress;
    Direction m_direction = Direction::Read;
    bool m_transferRunning = false;
};
