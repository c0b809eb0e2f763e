#include "app/MainFrame.h"

#include "app/CommandActions.h"
#include "app/DocumentCommands.h"
#include "app/FrameHost.h"
#include "app/LockKeyIndicators.h"
#include "app/MdiBackground.h"
#include "app/MenuPack.h"
#include "app/NavigationBar.h"
#include "app/ProgramState.h"
#include "app/ShellTexts.h"
#include "app/UndoCommands.h"
#include "channels/ChildFrame.h"
#include "channels/ProgramView.h"
#include "common/CommandIds.h"
#include "common/SettingsText.h"
#include "compare/DifferencesWindow.h"
#include "compare/MemoryMapWindow.h"
#include "fleet/FleetDlg.h"
#include "help/HelpContexts.h"
#include "link/ConnectionCheckDlg.h"
#include "link/PortNames.h"
#include "link/ServiceRunner.h"
#include "model/FilePaths.h"
#include "model/MyDocManager.h"
#include "model/ProgramDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

CMainFrame::CMainFrame(FrameHost& app)
    : m_app(app), m_title(windowCaption(app.languageSetting("Title"))),
      m_commands(new CommandActions(app.menus(),
                                    {command::ViewToolbar, command::ViewStatusBar,
                                     command::ControlBar, command::MarkDuplicates},
                                    this)),
      m_mdiArea(new QMdiArea(this)),
      m_docManager(new CMyDocManager(m_mdiArea, app.state(), &app.settings(), this)) {
    setObjectName(QStringLiteral("MainFrame"));
    m_docManager->setFrameFactory(CChildFrame::factoryFor(*m_docManager));
    setWindowTitle(m_title);
    setDockOptions(QMainWindow::AnimatedDocks);
    connect(m_commands, &CommandActions::triggered, this, &CMainFrame::onCommand);

    m_documentMenus = m_commands->buildMenus(command::MenuDocument);
    m_frameMenus = m_commands->buildMenus(command::MenuNoDocument);
    m_commands->installAccelerators(command::AcceleratorTable);
    for (const PackAccelerator& accelerator : app.menus().accelerators(command::AcceleratorTable))
        m_packKeys.insert(QKeySequence(accelerator.key));
    createToolBar();
    createStatusBar();
    createNavigationBar();

    MdiBackground::apply(*m_mdiArea,
                         fromFilesystemPath(app.state().paths.resource("background.bmp")));
    // A wide navigation bar leaves less room than a document window takes: the
    // document area scrolls, so its right columns and its close box stay reachable.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::releasePackKeys);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::updateMenuBar);
    connect(m_docManager, &CMyDocManager::activeFrameChanged, this, &CMainFrame::updateMenuBar);
    // A document opened after View > Mark Duplicates shows its marks too, and an
    // open memory map shows the document that is active now.
    connect(m_docManager, &CMyDocManager::activeFrameChanged, this, [this] {
        applyMarkDuplicates();
        followActiveDocument();
        if (m_memoryMap && m_memoryMap->isVisible())
            refreshMemoryMap();
    });
    connect(m_docManager, &CMyDocManager::transferRunningChanged, this,
            &CMainFrame::setTransferRunning);
    m_docManager->acceptDrops(this);
    new UndoCommands(*m_commands, *m_docManager, this);
    updateMenuBar();
    updateToggleChecks();
}

CMainFrame::~CMainFrame() {
    // The bars and the document area go with the window and report their hiding on
    // the way; by then there is no frame to update.
    for (QObject* part : {static_cast<QObject*>(m_navigationBar), static_cast<QObject*>(m_toolBar),
                          static_cast<QObject*>(m_mdiArea)})
        disconnect(part, nullptr, this, nullptr);
}

void CMainFrame::createToolBar() {
    m_toolBar = new QToolBar(tr("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setIconSize(QSize(24, 24));
    m_commands->fillToolbar(m_toolBar, command::Toolbar);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    connect(m_toolBar, &QToolBar::visibilityChanged, this, &CMainFrame::updateToggleChecks);
}

void CMainFrame::createStatusBar() {
    auto* ready = new QLabel(tr("Ready"), statusBar());
    ready->setObjectName(QStringLiteral("MessagePane"));
    statusBar()->addWidget(ready, 1);
    m_lockKeys = new LockKeyIndicators(statusBar());
}

void CMainFrame::createNavigationBar() {
    const program::Language language = m_app.state().language;
    const QList<NavigationBar::Section> sections = {
        {shellText(ShellText::ChannelInformation, language), command::ChannelInformation},
        {shellText(ShellText::OptionalFeatures, language), command::OptionalFeatures},
        {shellText(ShellText::SoftwareInfo, language), command::SoftwareInfo},
    };
    // The caption reads key "company"; settings keys match whatever their case.
    m_navigationBar = new NavigationBar(m_app.languageSetting("company"),
                                        m_app.languageSetting("Company"), sections, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_navigationBar);
    resizeDocks({m_navigationBar}, {NavigationBar::InitialWidth}, Qt::Horizontal);
    connect(m_navigationBar, &NavigationBar::commandChosen, this, &CMainFrame::onCommand);
    connect(m_navigationBar, &QDockWidget::visibilityChanged, this,
            &CMainFrame::updateToggleChecks);
}

void CMainFrame::showMenuBar(const QList<QMenu*>& menus) {
    menuBar()->clear();
    for (QMenu* menu : menus)
        menuBar()->addMenu(menu);
}

void CMainFrame::updateMenuBar() {
    const bool documents = !m_mdiArea->subWindowList().isEmpty();
    if (documents == m_showingDocumentMenus && !menuBar()->actions().isEmpty())
        return;
    m_showingDocumentMenus = documents;
    showMenuBar(documents ? m_documentMenus : m_frameMenus);
}

void CMainFrame::removeDocumentMenuItem(int menuIndex, int id) {
    if (menuIndex >= 0 && menuIndex < m_documentMenus.size())
        m_commands->removeFromMenu(m_documentMenus[menuIndex], id);
}

void CMainFrame::updateToggleChecks() {
    m_commands->setChecked(command::ViewToolbar, !m_toolBar->isHidden());
    m_commands->setChecked(command::ViewStatusBar, !statusBar()->isHidden());
    m_commands->setChecked(command::ControlBar, !m_navigationBar->isHidden());
    m_commands->setChecked(command::MarkDuplicates, m_markDuplicates);
}

void CMainFrame::applyMarkDuplicates() {
    for (DocumentFrame* frame : m_docManager->frames())
        if (auto* child = qobject_cast<CChildFrame*>(frame))
            child->view()->setMarkDuplicates(m_markDuplicates);
}

// A document window brings the keys of its system menu (Ctrl+W closes it), which
// would make the pack's accelerators ambiguous, so that neither works. The pack's
// commands keep their keys; the window keeps the others (Ctrl+F4).
void CMainFrame::releasePackKeys(QMdiSubWindow* window) {
    if (!window)
        return;
    for (QAction* action : window->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeIf([this](const QKeySequence& key) { return m_packKeys.contains(key); }))
            action->setShortcuts(keys);
    }
}

void CMainFrame::toggleNavigationBar() {
    m_navigationBar->setVisible(m_navigationBar->isHidden());
    updateToggleChecks();
}

CProgramView* CMainFrame::activeView() const {
    auto* frame = qobject_cast<CChildFrame*>(m_docManager->activeFrame());
    return frame ? frame->view() : nullptr;
}

void CMainFrame::onCommand(int id) {
    if (!m_commands->isEnabled(id))
        return;
    switch (id) {
    case command::FileNew:
        m_docManager->newDocument();
        break;
    case command::FileOpen:
        m_docManager->openWithDialog();
        break;
    case command::FileClose:
        m_docManager->closeActive();
        break;
    case command::FileSave:
        m_docManager->save();
        break;
    case command::FileSaveAs:
        m_docManager->saveAs();
        break;
    case command::AppExit:
        close();
        break;
    case command::FilePrintSetup:
        runPrintSetup(this); // also without a document, as the framework's
        break;
    case command::ChannelInformation:
        m_docManager->showActive();
        break;
    case command::Read:
    case command::Write:
    case command::ComSetup:
    case command::EditUndo:
    case command::EditRedo:
    case command::EditCut:
    case command::EditCopy:
    case command::EditPaste:
    case command::EditClear:
    case command::InsertRow:
    case command::DeleteRow:
    case command::MoveUp:
    case command::MoveDown:
    case command::SortChannels:
    case command::SetValue:
    case command::RepeaterOffset:
    case command::Find:
    case command::FindNext:
    case command::FindPrevious:
        if (CProgramView* view = activeView())
            view->handleCommand(id);
        break;
    case command::ConnectionCheck: {
        // On the port the next Read would open.
        const program::PortOverrides& overrides = m_docManager->portOverrides();
        CConnectionCheckDlg(m_app.state(), overrides,
                            program::devicePathForPort(m_app.state().portNumber, overrides),
                            m_docManager->linkFactory(), this)
            .exec();
        break;
    }
    case command::ProgramSeveralRadios:
        if (auto* frame = m_docManager->activeFrame())
            CFleetDlg::run(*frame->document(), m_docManager->portOverrides(),
                           m_docManager->linkFactory(), this);
        break;
    case command::CompareWithFile:
        compareWithFile();
        break;
    case command::CompareWithRadio:
        compareWithRadio();
        break;
    case command::MemoryMap:
        showMemoryMap();
        break;
    case command::ViewToolbar:
        m_toolBar->setVisible(m_toolBar->isHidden());
        updateToggleChecks();
        break;
    case command::ViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        updateToggleChecks();
        break;
    case command::ControlBar:
        toggleNavigationBar();
        break;
    case command::MarkDuplicates:
        m_markDuplicates = !m_markDuplicates;
        applyMarkDuplicates();
        updateToggleChecks();
        break;
    case command::Language:
        m_app.chooseLanguage(this);
        break;
    case command::About:
        m_app.showAbout(this);
        break;
    case command::HelpTopics:
        m_app.requestHelp(helpcontext::DefaultTopic);
        break;
    case command::ContextHelp:
        m_app.requestHelp(helpcontext::MainWindow);
        break;
    default:
        if (auto* frame = m_docManager->activeFrame()) {
            // The service dialogs reach the radio on the port chosen in Com Setup.
            CProgramDoc& doc = *frame->document();
            const ServicePort port{
                program::devicePathForPort(doc.state().portNumber, m_docManager->portOverrides()),
                m_docManager->linkFactory(), m_docManager->portOverrides()};
            runDocumentCommand(id, doc, this, port);
        }
        break;
    }
}

DifferencesWindow* CMainFrame::differencesWindow() const {
    return m_differences;
}

MemoryMapWindow* CMainFrame::memoryMapWindow() const {
    return m_memoryMap;
}

DifferencesWindow& CMainFrame::differences() {
    if (!m_differences) {
        m_differences = new DifferencesWindow(this);
        connect(m_differences, &DifferencesWindow::channelCellWanted, this,
                [this](int row, int column) {
                    m_docManager->showActive();
                    if (CProgramView* view = activeView())
                        view->selectCell(row, column);
                });
        connect(m_differences, &DifferencesWindow::commandWanted, this, &CMainFrame::onCommand);
        connect(
            m_differences, &DifferencesWindow::openAsDocumentWanted, this,
            [this](const program::CodeplugImage& image) { m_docManager->openImageAsNew(image); });
        connect(m_differences, &DifferencesWindow::differencesChanged, this,
                &CMainFrame::refreshMemoryMap);
    }
    return *m_differences;
}

void CMainFrame::showDifferences(const program::CodeplugImage& other, const QString& otherName,
                                 bool fromRadio) {
    CProgramView* view = activeView();
    if (!view)
        return;
    // The grid as it stands counts, as a write would send it.
    view->bringImageUpToDate();
    DifferencesWindow& window = differences();
    window.showDifferences(view->document().image(), other, otherName,
                           view->document().state().language, fromRadio);
    window.show();
    window.raise();
    window.activateWindow();
}

void CMainFrame::compareWithFile() {
    if (!activeView())
        return;
    QString path;
    if (auto image = m_docManager->chooseImageToCompare(path))
        showDifferences(*image, QFileInfo(path).fileName(), false);
}

void CMainFrame::compareWithRadio() {
    CProgramView* view = activeView();
    if (!view)
        return;
    view->bringImageUpToDate();
    view->compareWithRadio(
        [this](const program::CodeplugImage& radio) { showDifferences(radio, tr("Radio"), true); });
}

void CMainFrame::showMemoryMap() {
    if (!activeView())
        return;
    if (!m_memoryMap)
        m_memoryMap = new MemoryMapWindow(this);
    refreshMemoryMap();
    m_memoryMap->show();
    m_memoryMap->raise();
    m_memoryMap->activateWindow();
}

// An open memory map follows the edits of the active document: an editor's OK,
// a cell taken by the grid, an undo, a read. A cell still being typed into stays
// open; the map shows what the grid has taken.
void CMainFrame::followActiveDocument() {
    for (const QMetaObject::Connection& connection : m_documentWatch)
        disconnect(connection);
    m_documentWatch.clear();
    CProgramView* view = activeView();
    if (!view)
        return;
    CProgramDoc* doc = &view->document();
    const auto follow = [this, doc] {
        if (!m_memoryMap || !m_memoryMap->isVisible() || !activeView() ||
            &activeView()->document() != doc)
            return;
        doc->gridToImage();
        showInMemoryMap(*doc);
    };
    m_documentWatch = {connect(doc, &CProgramDoc::imageEdited, this, follow),
                       connect(doc, &CProgramDoc::tableRowsChanged, this, follow),
                       connect(doc, &CProgramDoc::tableReloaded, this, follow)};
}

void CMainFrame::refreshMemoryMap() {
    CProgramView* view = activeView();
    if (!m_memoryMap || !view)
        return;
    view->bringImageUpToDate();
    showInMemoryMap(view->document());
}

void CMainFrame::showInMemoryMap(const CProgramDoc& doc) {
    m_memoryMap->showImage(doc.image(), doc.state().language);
    m_memoryMap->setMarked(m_differences && m_differences->isVisible()
                               ? m_differences->differingRuns()
                               : std::vector<program::imagemap::Region>{});
}

void CMainFrame::setTransferRunning(bool running) {
    m_transferRunning = running;
    for (int id : command::All) {
        if (!command::availableDuringTransfer(id))
            m_commands->setEnabled(id, !running);
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Documents with changes that were never saved, shown or hidden, are offered
    // for saving first; Cancel keeps the program open.
    if (m_transferRunning || !m_docManager->confirmCloseAll(this)) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::changeEvent(QEvent* event) {
    // A maximised document window would put its name into the caption; the caption
    // is always the title from the settings.
    if (event->type() == QEvent::WindowTitleChange && windowTitle() != m_title)
        setWindowTitle(m_title);
    QMainWindow::changeEvent(event);
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    m_navigationBar->setWidthLimit(width());
}
