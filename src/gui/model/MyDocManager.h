#pragma once

#include "model/CodeplugImage.h"

#include "link/PortNames.h"
#include "model/DocumentFrame.h"
#include "model/RecentFileList.h"
#include "model/UnsavedChangesDlg.h"
#include "model/UserSettings.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class QMdiArea;
class QMdiSubWindow;
class CProgramDoc;
namespace program {
class IniFile;
struct ProgramState;
struct DatFileError;
} // namespace program

// The documents of the program and their windows. The program behaves as a
// one-document tool: New replaces the active document, Open hides it, Close only
// hides a window. Every document stays loaded until it is replaced or the
// program ends, so closing the program checks them all for unsaved changes. The
// windows themselves are made by the window side, through a frame factory.
class CMyDocManager : public QObject {
    Q_OBJECT
public:
    // Makes the window of a new document (and its view); the window takes the
    // document.
    using FrameFactory = std::function<DocumentFrame*(std::unique_ptr<CProgramDoc> doc)>;

    // `settings` is Program.ini (its "Ports" section may name other devices).
    CMyDocManager(QMdiArea* area, program::ProgramState& state,
                  const program::IniFile* settings = nullptr, QObject* parent = nullptr);
    ~CMyDocManager() override;

    // Must be set before the first document is made.
    void setFrameFactory(FrameFactory factory) { m_frameFactory = std::move(factory); }

    // File New: when a document window is active, offers its unsaved changes for
    // saving (as closing the program does), then asks "All data will be
    // Cleared!"; OK destroys it. Returns the new window, or
    // nullptr when the user cancelled.
    DocumentFrame* newDocument();
    // A new document without the question (start-up).
    DocumentFrame* createNewDocument();
    // Opens a .dat file as a new document (even when it is open already) and
    // hides the previously active window. On failure shows why and returns
    // nullptr; no window is left behind.
    DocumentFrame* openDocument(const QString& path);
    // File Open with the file dialog.
    DocumentFrame* openWithDialog();
    // File > Compare With File: the file dialog, then the chosen file's image, its
    // path in `path`. A file that cannot be opened is refused as Open refuses it.
    std::optional<program::CodeplugImage> chooseImageToCompare(QString& path);
    // A radio's image (from Compare With Radio) as a new document, as a read makes it.
    DocumentFrame* openImageAsNew(const program::CodeplugImage& image);
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
    DocumentFrame* activeFrame() const;
    QList<DocumentFrame*> frames() const;
    bool transferRunning() const;

    // The serial link every later transfer uses (tests give a simulated one).
    void setLinkFactory(program::LinkFactory factory);
    // The one given, or empty for the serial port itself.
    const program::LinkFactory& linkFactory() const { return m_linkFactory; }

    // Files dropped on `window` open as by File Open.
    void acceptDrops(QWidget* window);

    UserSettings& userSettings() { return m_userSettings; }
    // The "Ports" overrides of Program.ini that every view's port takes.
    const program::PortOverrides& portOverrides() const { return m_portOverrides; }
    RecentFileList& recentFiles() { return m_recentFiles; }

signals:
    // A transfer with the radio started or ended: the commands that would touch
    // the document or the port are to be disabled meanwhile.
    void transferRunningChanged(bool running);
    void activeFrameChanged(DocumentFrame* frame);

private:
    DocumentFrame* addFrame(std::unique_ptr<CProgramDoc> doc);
    bool saveFrame(DocumentFrame* frame, const QString& path);
    bool saveFrameAs(DocumentFrame* frame, const QString& path);
    // Asks Save / Discard / Cancel when `frame`'s document holds unsaved changes;
    // true when the changes were saved or may go.
    bool confirmDiscard(DocumentFrame* frame, QWidget* parent,
                        UnsavedChangesDlg::Occasion occasion);
    void showStatus(const QString& text);
    void setActive(DocumentFrame* frame);
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
    FrameFactory m_frameFactory;
    program::LinkFactory m_linkFactory;
    QPointer<DocumentFrame> m_active;
    int m_transfersRunning = 0;
};
