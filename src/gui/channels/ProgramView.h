#pragma once

#include "link/TransferRunner.h"

#include <QWidget>

#include <functional>

class CProgramDoc;
class CProgressDlg;
class ChannelGrid;
class ChannelTableModel;
class FindBar;
class GridOperations;
class UserSettings;

// The document's window contents: the find bar and the channel grid, and the
// commands that work on the document through it (Read and Write with the radio,
// Port Setting, the Edit commands, finding).
class CProgramView : public QWidget {
    Q_OBJECT
public:
    using Direction = TransferRunner::Direction;

    CProgramView(CProgramDoc& doc, UserSettings& settings, program::PortOverrides portOverrides,
                 QWidget* parent = nullptr);
    ~CProgramView() override;

    // Runs a command of the view (Read, Write, Com Setup, the Edit commands on the
    // grid); false for any other.
    bool handleCommand(int id);

    CProgramDoc& document() const { return m_doc; }
    ChannelGrid* grid() const { return m_grid; }
    GridOperations* operations() const { return m_operations; }
    // The find bar, made when first asked for.
    FindBar* findBar();

    // View > Mark Duplicates, for this document's grid.
    void setMarkDuplicates(bool mark);
    CProgressDlg* progressDialog() const { return m_transfer->progressDialog(); }
    Direction direction() const { return m_transfer->direction(); }
    bool transferRunning() const { return m_transfer->running(); }

    // Commits the open cell editor as leaving its cell does; false when refused.
    bool commitOpenEditor();
    // Commits the open editor and brings the grid into the image.
    void bringImageUpToDate();

    // The device the next connection opens.
    std::string portDevice() const { return m_transfer->portDevice(); }

    // Program > Compare With Radio: reads the radio in the progress window into a
    // scratch image and hands it to `compared`; the document stays as it was.
    void compareWithRadio(std::function<void(const program::CodeplugImage&)> compared);
    // Makes a cell of the grid (row 1..129, column 1..9) the current one.
    void selectCell(int row, int column);

    void setLinkFactory(program::LinkFactory factory) {
        m_transfer->setLinkFactory(std::move(factory));
    }

signals:
    void transferRunningChanged(bool running);
    void statusMessage(const QString& text);

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // Find, Find Next (F3) and Find Previous (Shift+F3): the find bar opens when
    // there is nothing to find yet.
    void find(int id);

    CProgramDoc& m_doc;
    UserSettings& m_settings;
    ChannelTableModel* m_model;
    ChannelGrid* m_grid;
    TransferRunner* m_transfer;
    GridOperations* m_operations;
    FindBar* m_findBar = nullptr;
    std::function<void(const program::CodeplugImage&)> m_compared;
};
