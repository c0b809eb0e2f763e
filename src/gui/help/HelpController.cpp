#include "help/HelpController.h"

#include "help/HelpViewer.h"

#include "app/ProgramState.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

HelpController::HelpController(Locator locate, program::Language language, QWidget* owner,
                               QObject* parent)
    : QObject(parent), m_locate(std::move(locate)), m_owner(owner),
      m_collections(QDir::tempPath() + QStringLiteral("/program-help-XXXXXX")) {
    // The contents, index and search panes come with texts of their own.
    if (language == program::Language::Chinese) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qt_help_zh_CN"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            m_qtHelpTexts = std::move(translator);
        }
    }
}

HelpController::~HelpController() {
    // Windows of an owner go with it; the others are this object's.
    for (const QPointer<HelpViewer>& viewer : std::as_const(m_viewers))
        delete viewer.data();
    if (m_qtHelpTexts)
        QCoreApplication::removeTranslator(m_qtHelpTexts.get());
}

HelpViewer* HelpController::viewer(const QString& helpFile) const {
    return m_viewers.value(helpFile).data();
}

HelpViewer* HelpController::viewerFor(const QString& helpFile) {
    HelpViewer* existing = viewer(helpFile);
    // A file that was missing is looked for again at the next request.
    if (existing && (existing->isAvailable() || !QFileInfo::exists(existing->helpFile())))
        return existing;
    delete existing;

    auto* created = new HelpViewer(m_locate(helpFile), collectionFor(helpFile), m_owner);
    m_viewers.insert(helpFile, created);
    return created;
}

// The help engine needs a writable collection file; the temporary folder gives a
// fresh one each run, the cache folder stands in when no temporary folder can be
// made.
QString HelpController::collectionFor(const QString& helpFile) const {
    const QString name = QFileInfo(helpFile).completeBaseName() + QStringLiteral(".qhc");
    if (m_collections.isValid())
        return m_collections.filePath(name);
    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/help");
    QDir().mkpath(cache);
    return QDir(cache).filePath(name);
}

void HelpController::showHelp(const QString& helpFile, int context) {
    HelpViewer* window = viewerFor(helpFile);
    // Help asked for from a modal dialog would be blocked by it: it comes up over
    // the dialog instead, and the dialog goes on once it is closed.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != window ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != modality) {
        window->hide();
        window->setWindowModality(modality);
    }
    window->showContext(context);
    window->show();
    window->raise();
    window->activateWindow();
}
