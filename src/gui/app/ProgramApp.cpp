#include "app/ProgramApp.h"

#include "app/AboutDlg.h"
#include "app/LanguageDlg.h"
#include "app/MainFrame.h"
#include "app/ShellTexts.h"
#include "app/SplashWindow.h"
#include "common/CommandIds.h"
#include "common/SettingsText.h"
#include "help/ContextHelp.h"
#include "help/HelpContexts.h"
#include "help/HelpController.h"
#include "model/FilePaths.h"
#include "model/MyDocManager.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>

CProgramApp* CProgramApp::s_instance = nullptr;

namespace {
const char* const SetupSection = "Setup";
const char* const NoSplashOption = "--no-splash";
} // namespace

CProgramApp::CProgramApp() : m_restarter(std::make_unique<DetachedRestarter>()) {
    s_instance = this;
}

CProgramApp::~CProgramApp() {
    exitInstance();
    m_contextHelp.reset();
    m_help.reset();
    m_mainFrame.reset();
    if (s_instance == this)
        s_instance = nullptr;
}

CProgramApp* CProgramApp::instance() {
    return s_instance;
}

int CProgramApp::run(const QStringList& arguments) {
    CProgramApp app;
    if (!app.initInstance(arguments))
        return 1;
    const int status = QApplication::exec();
    app.exitInstance();
    return status;
}

CProgramApp::CommandLine CProgramApp::parseCommandLine(const QStringList& arguments) {
    CommandLine commandLine;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String(NoSplashOption))
            commandLine.showSplash = false;
        else if (!argument.startsWith(QLatin1Char('-')) && commandLine.fileToOpen.isEmpty())
            commandLine.fileToOpen = argument;
    }
    return commandLine;
}

// The settings, packs and pictures are found from the executable's folder. A program
// started through PATH has no folder in its first argument, so the running
// executable's own path stands in for it.
QString CProgramApp::executablePath(const QStringList& arguments) {
    const QString first = arguments.value(0);
    if (first.contains(QLatin1Char('/')))
        return QFileInfo(first).absoluteFilePath();
    return QCoreApplication::applicationFilePath();
}

QString CProgramApp::languageSetting(const char* key) const {
    return fromSettings(m_settings.GetString(m_state.languageName, key));
}

QString CProgramApp::setupSetting(const char* key) const {
    return fromSettings(m_settings.GetString(SetupSection, key));
}

void CProgramApp::readLanguage() {
    m_state.languageName = m_settings.GetString(SetupSection, "Language");
    // Only the exact name selects Chinese; "chinese" runs in English.
    m_state.language =
        m_state.languageName == "Chinese" ? program::Language::Chinese : program::Language::English;
    m_state.helpFile = m_state.language == program::Language::Chinese
                           ? helpcontext::ChineseHelpFile
                           : helpcontext::EnglishHelpFile;

    // Qt's own buttons and dialogs follow the language, even in the message that
    // says the pack is missing.
    if (m_state.language == program::Language::Chinese) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QStringLiteral("qtbase_zh_CN"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(translator.get());
            m_qtTranslator = std::move(translator);
        }
    }
}

QString CProgramApp::resourceFile(const QString& name) const {
    return fromFilesystemPath(m_state.paths.resource(toFilesystemPath(name)));
}

void CProgramApp::openSettings() {
    const program::ProgramPaths& paths = m_state.paths;
    m_settings.setIgnoreCase(true);
    m_settings.setSaveOnClose(true);
    // An installed program keeps the user's own copy, made from the default at the
    // first start.
    const bool made = !program::createUserSettings(paths).has_value();
    if (made && m_settings.Load(paths.settingsFile))
        return;
    // No copy can be made (no home folder, a read-only one): the run goes on with
    // the default's values, and what it would write is lost.
    if (const auto bytes = program::readWholeFile(paths.defaultSettings))
        m_settings.loadFromBytes(*bytes);
}

QString CProgramApp::settingsFileInUse() const {
    const std::filesystem::path& path =
        m_settings.path().empty() ? m_state.paths.defaultSettings : m_settings.path();
    return fromFilesystemPath(path);
}

bool CProgramApp::loadLanguagePack() {
    if (m_pack.load(resourceFile(fromSettings(m_state.languageName) + QStringLiteral(".rcc"))))
        return true;
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(),
                    shellText(ShellText::LoadLanguagePackFailed, m_state.language),
                    QMessageBox::Ok);
    box.exec();
    return false;
}

void CProgramApp::showSplash(const CommandLine& commandLine) {
    m_splashShown = false;
    if (!commandLine.showSplash)
        return;
    const QPixmap picture(resourceFile(QStringLiteral("startup.bmp")));
    if (picture.isNull())
        return;
    m_splashShown = true;
    SplashWindow splash(picture);
    splash.start();
    splash.waitUntilClosed();
}

bool CProgramApp::initInstance(const QStringList& arguments) {
    if (m_started)
        return false;
    m_started = true;
    m_executable = executablePath(arguments);
    const QString folder = QFileInfo(m_executable).absolutePath() + QLatin1Char('/');
    m_state.paths =
        program::locateProgramFiles(toFilesystemPath(m_executable), program::userConfigFolder());

    openSettings();
    readLanguage();
    m_enableSqlAtStart = decimalSetting(m_settings.GetString(SetupSection, "EnableSql"));
    m_state.squelchWrite = m_enableSqlAtStart != 0;

    if (!loadLanguagePack())
        return false;

    const CommandLine commandLine = parseCommandLine(arguments);
    m_state.programDirectory = folder.toStdString();
    m_state.userSettingsName = m_settings.GetString(SetupSection, "AppName");
    showSplash(commandLine);

    m_mainFrame = std::make_unique<CMainFrame>(*this);
    startHelp();

    // The command line names a .dat file to open; without one the program starts
    // with a new document. A file that does not open ends the program (its
    // document manager has said why).
    CMyDocManager& documents = m_mainFrame->docManager();
    const bool firstDocument = commandLine.fileToOpen.isEmpty()
                                   ? documents.createNewDocument() != nullptr
                                   : documents.openDocument(commandLine.fileToOpen) != nullptr;
    if (!firstDocument)
        return false;

    // A window manager maximises the window; without one it still covers the screen.
    if (const QScreen* screen = m_mainFrame->screen())
        m_mainFrame->setGeometry(screen->availableGeometry());
    m_mainFrame->showMaximized();

    const QIcon icon(resourceFile(QStringLiteral("title.ico")));
    // Every window of the program carries it: the main window, the document windows
    // opened later, the dialogs and the help.
    if (!icon.availableSizes().isEmpty())
        QApplication::setWindowIcon(icon);

    m_state.messageCaption = m_settings.GetString(m_state.languageName, "Company");
    trimMenus();
    return true;
}

// The Language item shows only where the settings ask for it; the editors of the
// service and signalling settings are reached through the pack's own menus, never
// through the Edit menu.
void CProgramApp::trimMenus() {
    if (decimalSetting(m_settings.GetString(SetupSection, "ShowLang")) == 0)
        m_mainFrame->removeDocumentMenuItem(3, command::Language);
    for (int id :
         {command::KeyAssignment, command::Dtmf, command::SquelchTuning, command::ParameterAdjust})
        m_mainFrame->removeDocumentMenuItem(1, id);
}

// F1 anywhere in the program, and the help windows the requests open; they belong
// to the main window.
void CProgramApp::startHelp() {
    m_help = std::make_unique<HelpController>(
        [this](const QString& helpFile) { return resourceFile(helpFile); }, m_state.language,
        m_mainFrame.get());
    connect(this, &CProgramApp::helpRequested, m_help.get(), &HelpController::showHelp);
    m_contextHelp = std::make_unique<ContextHelp>();
    connect(m_contextHelp.get(), &ContextHelp::helpRequested, this,
            [this](const QString& helpFile, int context) { requestHelp(context, helpFile); });
    QCoreApplication::instance()->installEventFilter(m_contextHelp.get());
}

void CProgramApp::writeSquelchWriteSwitch() {
    // Keep the written number when the switch did not change, so an unchanged run
    // leaves the file as it was.
    const int enableSql = m_state.squelchWrite == (m_enableSqlAtStart != 0)
                              ? m_enableSqlAtStart
                              : (m_state.squelchWrite ? 1 : 0);
    m_settings.WriteString(SetupSection, "EnableSql", std::to_string(enableSql));
}

void CProgramApp::exitInstance() {
    if (!m_started || m_exited)
        return;
    m_exited = true;
    writeSquelchWriteSwitch();
    m_pack.unload();
    if (m_qtTranslator) {
        QCoreApplication::removeTranslator(m_qtTranslator.get());
        m_qtTranslator.reset();
    }
}

void CProgramApp::showAbout(QWidget* parent) {
    const AboutDlg::Texts texts{windowCaption(languageSetting("About Title")),
                                languageSetting("Version"), languageSetting("Copyrights"),
                                languageSetting("Copyrights Owner"), settingsFileInUse()};
    AboutDlg dialog(texts, resourceFile(QStringLiteral("title.ico")), parent);
    dialog.exec();
}

void CProgramApp::requestHelp(int context, const QString& helpFile) {
    emit helpRequested(helpFile.isEmpty() ? QString::fromStdString(m_state.helpFile) : helpFile,
                       context);
}

void CProgramApp::setRestarter(std::unique_ptr<ProgramRestarter> restarter) {
    m_restarter = std::move(restarter);
}

void CProgramApp::chooseLanguage(QWidget* parent) {
    LanguageDlg dialog(m_state.language, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.selection() == m_state.language)
        return;
    // A setting that cannot be stored would restart the program in the old language:
    // say so while the program is still open.
    if (!m_settings.canSave()) {
        warnLanguageNotStored(parent);
        return;
    }
    // The main window closes by its ordinary path: documents with unsaved changes
    // are offered for saving, and Cancel there keeps this run and its language.
    if (!m_mainFrame || !m_mainFrame->close())
        return;
    const char* next = m_state.language == program::Language::Chinese ? "English" : "Chinese";
    // The new run reads the file as it starts, so everything goes to disk first.
    writeSquelchWriteSwitch();
    if (!m_settings.WriteString(SetupSection, "Language", next) || !m_settings.Save()) {
        warnLanguageNotStored(nullptr);
        return;
    }
    m_restarter->restart(m_executable);
}

void CProgramApp::warnLanguageNotStored(QWidget* parent) {
    QMessageBox::warning(parent, QCoreApplication::applicationName(),
                         tr("The new language could not be written to %1, so the program keeps "
                            "its language. Check that the folder of that file can be written to.")
                             .arg(settingsFileInUse()));
}
