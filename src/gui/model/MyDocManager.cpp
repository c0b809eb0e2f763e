#include "model/MyDocManager.h"

#include "app/IniFile.h"
#include "app/MessageIds.h"
#include "app/ProgramState.h"
#include "common/SettingsText.h"
#include "common/StringTable.h"
#include "model/DatFile.h"
#include "model/FileDropFilter.h"
#include "model/FilePaths.h"
#include "model/ProgramDoc.h"
#include "model/UnsavedChangesDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QStatusBar>

namespace {

program::PortOverrides portOverridesOf(const program::IniFile* settings) {
    if (!settings)
        return {};
    return program::portOverridesFrom(*settings);
}

// A name as the shell hands it over: one leading double quote and everything from
// the last double quote on are dropped, and the path is made absolute.
QString cleanPath(QString path) {
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    if (const qsizetype quote = path.lastIndexOf(QLatin1Char('"')); quote >= 0)
        path.truncate(quote);
    return QFileInfo(path).absoluteFilePath();
}

const QString DatFilter = QStringLiteral("*.dat (*.dat)");

} // namespace

CMyDocManager::CMyDocManager(QMdiArea* area, program::ProgramState& state,
                             const program::IniFile* settings, QObject* parent)
    : QObject(parent), m_area(area), m_state(state),
      m_userSettings(QString::fromStdString(state.userSettingsName)), m_recentFiles(m_userSettings),
      m_portOverrides(portOverridesOf(settings)) {
    connect(m_area, &QMdiArea::subWindowActivated, this, &CMyDocManager::onSubWindowActivated);
}

// The documents' windows refer to the manager's settings: they go first.
CMyDocManager::~CMyDocManager() {
    qDeleteAll(frames());
}

QWidget* CMyDocManager::dialogParent() const {
    return m_area->window();
}

DocumentFrame* CMyDocManager::activeFrame() const {
    return m_active;
}

QList<DocumentFrame*> CMyDocManager::frames() const {
    QList<DocumentFrame*> result;
    if (!m_area)
        return result;
    for (QMdiSubWindow* window : m_area->subWindowList()) {
        if (auto* frame = qobject_cast<DocumentFrame*>(window))
            result << frame;
    }
    return result;
}

bool CMyDocManager::transferRunning() const {
    return m_transfersRunning > 0;
}

void CMyDocManager::setActive(DocumentFrame* frame) {
    if (m_active == frame)
        return;
    retireActive();
    m_active = frame;
    if (frame)
        frame->document()->setActive(true);
    emit activeFrameChanged(frame);
}

void CMyDocManager::retireActive() {
    if (m_active)
        m_active->document()->setActive(false);
}

void CMyDocManager::onSubWindowActivated(QMdiSubWindow* window) {
    // Hiding a window deactivates it; the hidden one stays the active document.
    if (auto* frame = qobject_cast<DocumentFrame*>(window))
        setActive(frame);
}

DocumentFrame* CMyDocManager::addFrame(std::unique_ptr<CProgramDoc> doc) {
    DocumentFrame* frame = m_frameFactory(std::move(doc));
    if (m_linkFactory)
        frame->setLinkFactory(m_linkFactory);
    m_area->addSubWindow(frame);
    frame->setGeometry(0, 0, DocumentFrame::InitialWidth, DocumentFrame::InitialHeight);

    connect(frame, &DocumentFrame::statusMessage, this, &CMyDocManager::showStatus);
    connect(frame, &DocumentFrame::transferRunningChanged, this, [this](bool running) {
        m_transfersRunning += running ? 1 : -1;
        emit transferRunningChanged(transferRunning());
    });
    frame->show();
    setActive(frame);
    m_area->setActiveSubWindow(frame);
    frame->widget()->setFocus();
    return frame;
}

DocumentFrame* CMyDocManager::createNewDocument() {
    retireActive(); // before the new document sets the program's band limits
    auto doc = std::make_unique<CProgramDoc>(m_state, m_userSettings);
    doc->initNew();
    return addFrame(std::move(doc));
}

DocumentFrame* CMyDocManager::newDocument() {
    if (transferRunning())
        return nullptr;
    if (DocumentFrame* active = activeFrame()) {
        // Changes that were never saved are offered for saving before the
        // document is cleared; Cancel, or a save that does not happen, keeps it.
        if (!confirmDiscard(active, dialogParent(), UnsavedChangesDlg::Occasion::DocumentCleared))
            return nullptr;
        const auto answer = QMessageBox::warning(
            dialogParent(), captionFromSettings(m_state.messageCaption),
            stringTable(program::message::AllDataCleared), QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return nullptr;
        m_active = nullptr;
        delete active;
    }
    return createNewDocument();
}

DocumentFrame* CMyDocManager::openDocument(const QString& name) {
    if (transferRunning())
        return nullptr;
    const QString path = cleanPath(name);
    retireActive(); // before the file's band limits become the program's
    auto doc = std::make_unique<CProgramDoc>(m_state, m_userSettings);
    if (auto error = doc->load(path)) {
        if (m_active)
            m_active->document()->setActive(true);
        QMessageBox::warning(dialogParent(), captionFromSettings(m_state.messageCaption),
                             openFailureText(path, *error));
        return nullptr;
    }
    if (DocumentFrame* previous = activeFrame())
        previous->close(); // hides it
    m_recentFiles.add(path);
    return addFrame(std::move(doc));
}

DocumentFrame* CMyDocManager::openWithDialog() {
    if (transferRunning())
        return nullptr;
    const QString path =
        QFileDialog::getOpenFileName(dialogParent(), tr("Open"), QString(), DatFilter);
    return path.isEmpty() ? nullptr : openDocument(path);
}

std::optional<program::CodeplugImage> CMyDocManager::chooseImageToCompare(QString& path) {
    path =
        QFileDialog::getOpenFileName(dialogParent(), tr("Compare With File"), QString(), DatFilter);
    if (path.isEmpty())
        return std::nullopt;
    const program::DatLoadResult loaded = program::loadDatFile(cleanPath(path).toStdString());
    if (!loaded.image) {
        QMessageBox::warning(dialogParent(), captionFromSettings(m_state.messageCaption),
                             openFailureText(path, *loaded.error));
        return std::nullopt;
    }
    return *loaded.image;
}

DocumentFrame* CMyDocManager::openImageAsNew(const program::CodeplugImage& image) {
    if (transferRunning())
        return nullptr;
    DocumentFrame* frame = createNewDocument();
    if (frame)
        frame->document()->adoptReadImage(image);
    return frame;
}

bool CMyDocManager::save() {
    DocumentFrame* frame = activeFrame();
    return frame && saveFrame(frame, frame->document()->path());
}

bool CMyDocManager::saveAs(const QString& path) {
    DocumentFrame* frame = activeFrame();
    return frame && saveFrameAs(frame, path);
}

bool CMyDocManager::saveFrame(DocumentFrame* frame, const QString& path) {
    if (path.isEmpty())
        return saveFrameAs(frame, path);
    frame->commitOpenEditor();
    if (auto error = frame->document()->save(path)) {
        QMessageBox::warning(dialogParent(), captionFromSettings(m_state.messageCaption),
                             saveFailureText(path, *error));
        return false;
    }
    m_recentFiles.add(path);
    return true;
}

bool CMyDocManager::saveFrameAs(DocumentFrame* frame, const QString& path) {
    QString target = path;
    if (target.isEmpty()) {
        target = QFileDialog::getSaveFileName(dialogParent(), tr("Save As"),
                                              frame->document()->proposedFileName(), DatFilter);
        if (target.isEmpty())
            return false;
        if (QFileInfo(target).suffix().isEmpty())
            target += QStringLiteral(".dat");
    }
    return saveFrame(frame, target);
}

void CMyDocManager::closeActive() {
    if (DocumentFrame* frame = activeFrame(); frame && !frame->transferRunning())
        frame->close();
}

void CMyDocManager::showActive() {
    if (DocumentFrame* frame = activeFrame()) {
        frame->show();
        m_area->setActiveSubWindow(frame);
        frame->widget()->setFocus();
    }
}

bool CMyDocManager::confirmCloseAll(QWidget* parent) {
    if (transferRunning())
        return false;
    for (DocumentFrame* frame : frames()) {
        if (!confirmDiscard(frame, parent, UnsavedChangesDlg::Occasion::ProgramCloses))
            return false;
    }
    return true;
}

bool CMyDocManager::confirmDiscard(DocumentFrame* frame, QWidget* parent,
                                   UnsavedChangesDlg::Occasion occasion) {
    frame->commitOpenEditor();
    CProgramDoc* doc = frame->document();
    if (!doc->hasUnsavedChanges())
        return true;
    switch (UnsavedChangesDlg::ask(parent, captionFromSettings(m_state.messageCaption),
                                   doc->displayName(), occasion)) {
    case UnsavedChangesDlg::Answer::Save:
        return saveFrame(frame, doc->path());
    case UnsavedChangesDlg::Answer::Discard:
        return true;
    case UnsavedChangesDlg::Answer::Cancel:
        break;
    }
    return false;
}

void CMyDocManager::setLinkFactory(program::LinkFactory factory) {
    m_linkFactory = std::move(factory);
    for (DocumentFrame* frame : frames())
        frame->setLinkFactory(m_linkFactory);
}

void CMyDocManager::acceptDrops(QWidget* window) {
    auto* filter = new FileDropFilter(window);
    connect(filter, &FileDropFilter::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            openDocument(path);
    });
}

void CMyDocManager::showStatus(const QString& text) {
    if (auto* window = qobject_cast<QMainWindow*>(m_area->window()))
        window->statusBar()->showMessage(text);
}

QString CMyDocManager::openFailureText(const QString& path,
                                       const program::DatFileError& error) const {
    const QString name = QDir::toNativeSeparators(path);
    const QString detail = QString::fromStdString(error.detail);
    switch (error.kind) {
    case program::DatFileError::Kind::WrongLength:
        return tr("Cannot open %1.\nThe file is %2 bytes long; a codeplug file holds exactly "
                  "4096 bytes.")
            .arg(name)
            .arg(error.foundLength);
    case program::DatFileError::Kind::CannotOpen:
        return tr("Cannot open %1.\nThe file could not be opened: %2").arg(name, detail);
    case program::DatFileError::Kind::ReadFailed:
    case program::DatFileError::Kind::CannotWrite:
        break;
    }
    return tr("Cannot open %1.\nThe file could not be read: %2").arg(name, detail);
}

QString CMyDocManager::saveFailureText(const QString& path,
                                       const program::DatFileError& error) const {
    return tr("Cannot save %1.\nThe file could not be written: %2")
        .arg(QDir::toNativeSeparators(path), QString::fromStdString(error.detail));
}
