#pragma once

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <vector>

namespace program {
class CodeplugImage;
}
class CMyDocManager;
class CProgramDoc;
class DifferencesWindow;
class MemoryMapWindow;
class CProgramView;
class CommandActions;
class FrameHost;
class LockKeyIndicators;
class NavigationBar;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

// The main window: menus, accelerators and toolbar from the language pack, the
// status bar, the navigation bar and the document area. Every command arrives here
// by its id and goes to whoever handles it.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(FrameHost& app);
    ~CMainFrame() override;

    void onCommand(int id);

    // The application that made the window: settings, menus, help.
    FrameHost& host() const { return m_app; }

    QMdiArea* mdiArea() const { return m_mdiArea; }
    NavigationBar* navigationBar() const { return m_navigationBar; }
    QToolBar* toolBar() const { return m_toolBar; }
    CommandActions& commands() const { return *m_commands; }
    LockKeyIndicators& lockKeys() const { return *m_lockKeys; }

    // The popups of the document menu bar in order (File, Edit, ...).
    const QList<QMenu*>& documentMenus() const { return m_documentMenus; }
    // The popups of the menu bar shown while no document exists.
    const QList<QMenu*>& frameMenus() const { return m_frameMenus; }
    // Removes command `id` from the popup at `menuIndex` of the document menu bar.
    void removeDocumentMenuItem(int menuIndex, int id);

    CMyDocManager& docManager() const { return *m_docManager; }
    // The view of the active document window (shown or hidden); null without one.
    CProgramView* activeView() const;

    // The Differences window and the memory map, made when first opened; null before.
    DifferencesWindow* differencesWindow() const;
    MemoryMapWindow* memoryMapWindow() const;

public slots:
    // While the radio link runs, every command that would touch a document, the
    // port or open a dialog is disabled, and so is closing the program.
    void setTransferRunning(bool running);
    void toggleNavigationBar();
    // View > Mark Duplicates holds for every document window.
    void applyMarkDuplicates();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createToolBar();
    void createStatusBar();
    void createNavigationBar();
    void showMenuBar(const QList<QMenu*>& menus);
    void updateMenuBar();
    void updateToggleChecks();
    void releasePackKeys(QMdiSubWindow* window);
    void compareWithFile();
    void compareWithRadio();
    void showDifferences(const program::CodeplugImage& other, const QString& otherName,
                         bool fromRadio);
    DifferencesWindow& differences();
    void showMemoryMap();
    void refreshMemoryMap();
    void followActiveDocument();
    void showInMemoryMap(const CProgramDoc& doc);

    FrameHost& m_app;
    QString m_title;
    CommandActions* m_commands;
    QMdiArea* m_mdiArea;
    CMyDocManager* m_docManager;
    QToolBar* m_toolBar = nullptr;
    LockKeyIndicators* m_lockKeys = nullptr;
    NavigationBar* m_navigationBar = nullptr;
    QList<QMenu*> m_documentMenus;
    QList<QMenu*> m_frameMenus;
    QSet<QKeySequence> m_packKeys;
    bool m_showingDocumentMenus = false;
    bool m_transferRunning = false;
    bool m_markDuplicates = false;
    QPointer<DifferencesWindow> m_differences;
    QPointer<MemoryMapWindow> m_memoryMap;
    std::vector<QMetaObject::Connection> m_documentWatch;
};
