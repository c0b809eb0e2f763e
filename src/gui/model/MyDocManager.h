#pragma once

#include "channels/ProgramView.h"
#include "link/PortNames.h"
#include "link/UserSettings.h"
#include "model/RecentFileList.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QMdiArea;
class QMdiSubWindow;
class CChildFrame;
class CProgramDoc;
namespace program {
class IniFile;
struct ProgramState;
struct DatFileError;
} // namespace program

// The documents of the program and their windows. The program behaves as a
// one-document tool: New replaces the active document, Open hides it, Close only
// hides a window. Every document stays loaded until it is replaced or the
// program ends, so closing the program checks them all for unsaved changes.
class CMyDocManager : public QObject {
    Q_OBJECT
public:
    // `settings` is Program.ini (its "Ports" section may name other devices).
    CMyDocManager(QMdiArea* area, program::ProgramState& state,
                  const program::IniFile* settings = nullptr, QObject* parent = nullptr);
    ~CMyDocManager() override;

    // File New: asks "All data will be Cleared!" when a document window is
    // active; OK destroys it without a save prompt. Returns the new window, or
    // nullptr when the user cancelled.
    CChildFrame* newDocument();
    // A new document without the question (start-up).
    CChildFrame* createNewDocument();
    // Opens a .dat file as a new document (even when it is open already) and
    // hides the previously active window. On failure shows why and returns
    // nullptr; no window is left behind.
    CChildFrame* openDocument(const QString& path);
    // File Open with the file dialog.
    CChildFrame* openWithDialog();
    // Save, and Save As with the file dialog (or to `path` when given). They
    // return false when nothing was saved.
    bool save();
    bool saveAs(const QString& path = {});
    // File Close: hides the active document window.
    void closeActive();
    // Shows the active document window again ("Channel Information").
    void showActive();

    // Asks Save / Discard / Cancel for every document, shown or hidden, whose
    // image differs from what was last loaded, saved or read. False means the
    // program must stay open.
    bool confirmCloseAll(QWidget* parent);

    // The active document window: the one last activated, even when hidden.
    CChildFrame* activeFrame() const;
    QList<CChildFrame*> frames() const;
    bool transferRunning() const;

    // The serial link every later transfer uses (tests give a simulated one).
    void setLinkFactory(CProgramView::LinkFactory factory);

    // Files dropped on `window` open as by File Open.
    void acceptDrops(QWidget* window);

    UserSettings& userSettings() { return m_userSettings; }
    RecentFileList& recentFiles() { return m_recentFiles; }

signals:
    // A transfer with the radio started or ended: the commands that would touch
    // the document or the port are to be disabled meanwhile.
    void transferRunningChanged(bool running);
    void helpRequested(int context);
    void activeFrameChanged(CChildFrame* frame);

private:
    CChildFrame* addFrame(std::unique_ptr<CProgramDoc> doc);
    bool saveFrame(CChildFrame* frame, const QString& path);
    bool saveFrameAs(CChildFrame* frame, const QString& path);
    void showStatus(const QString& text);
    void setActive(CChildFrame* frame);
    void retireActive();
    void onSubWindowActivated(QMdiSubWindow* window);
    QString openFailureText(const QString& path, const program::DatFileError& error) const;
    QString saveFailureText(const QString& path, const program::DatFileError& error) const;
    QWidget* dialogParent() const;

    QPointer<QMdiArea> m_area;
    program::ProgramState& m_state;
    UserSettings m_userSettings;
    RecentFileList m_recentFiles;
    program::PortOverrides m_portOverrides;
    CProgramView::LinkFactory m_linkFactory;
    QPointer<CChildFrame> m_active;
    int m_transfersRunning = 0;
};
