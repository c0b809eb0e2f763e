#include "help/HelpController.h"

#include "help/HelpWindow.h"

#include "common/ProgramModule.h"

#include "app/ProgramState.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMessageBox>
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
    for (const QPointer<QMainWindow>& viewer : std::as_const(m_viewers))
        delete viewer.data();
    if (m_qtHelpTexts)
        QCoreApplication::removeTranslator(m_qtHelpTexts.get());
}

HelpWindow* HelpController::viewer(const QString& helpFile) const {
    return dynamic_cast<HelpWindow*>(m_viewers.value(helpFile).data());
}

HelpWindow* HelpController::viewerFor(const QString& helpFile) {
    HelpWindow* existing = viewer(helpFile);
    // A file that was missing is looked for again at the next request.
    if (existing && (existing->isAvailable() || !QFileInfo::exists(existing->helpFile())))
        return existing;
    if (existing)
        delete existing->window();

    QString error;
    const auto make = reinterpret_cast<MakeHelpWindow>(
        programmodule::resolve(QString::fromLatin1(HelpModule), MakeHelpWindowSymbol, &error));
    if (!make) {
        QMessageBox::warning(m_owner, QString(),
                             tr("The help window cannot be opened: %1").arg(error));
        return nullptr;
    }
    HelpWindow* created = make(m_locate(helpFile), collectionFor(helpFile), m_owner);
    m_viewers.insert(helpFile, created->window());
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
    HelpWindow* help = viewerFor(helpFile);
    if (!help)
        return;
    QMainWindow* window = help->window();
    // Help asked for from a modal dialog would be blocked by it: it comes up over
    // the dialog instead, and the dialog goes on once it is closed.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        modal && modal != window ? Qt::ApplicationModal : Qt::NonModal;
    if (window->windowModality() != modality) {
        window->hide();
        window->setWindowModality(modality);
    }
    help->showContext(context);
    window->show();
    window->raise();
    window->activateWindow();
}
