#pragma once

#include "app/FrameHost.h"
#include "app/IniFile.h"
#include "app/LanguagePack.h"
#include "app/ProgramRestarter.h"
#include "app/ProgramState.h"

#include <QObject>
#include <QStringList>

#include <memory>

class CMainFrame;
class ContextHelp;
class HelpController;
class QTranslator;
class QWidget;

// The application object: starts the program in a fixed order, owns the values the
// whole program shares (ProgramState), the settings file and the language pack,
// and saves the squelch-write switch when the program ends.
class CProgramApp : public QObject, public FrameHost {
    Q_OBJECT
public:
    CProgramApp();
    ~CProgramApp() override;

    static CProgramApp* instance();

    // The whole run of the executable: start-up, the event loop, the end. Returns the
    // exit status (1 when start-up failed).
    static int run(const QStringList& arguments);

    // Start-up; `arguments` as QCoreApplication::arguments() gives them (the program
    // first). False ends the program: the language pack did not load, or the first
    // document could not be created.
    bool initInstance(const QStringList& arguments);
    // Writes "EnableSql" back and releases the language pack. Runs once; later calls
    // do nothing.
    void exitInstance();

    program::ProgramState& state() override { return m_state; }
    const program::ProgramState& state() const { return m_state; }
    program::IniFile& settings() override { return m_settings; }
    const LanguagePack& languagePack() const { return m_pack; }
    const MenuPack& menus() const override { return m_pack.menus(); }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    bool splashShown() const { return m_splashShown; }

    // A value of the section named after the language of the run ("English", ...).
    QString languageSetting(const char* key) const override;
    // A value of section "Setup".
    QString setupSetting(const char* key) const;
    // The settings file the run reads: the one it writes back to, or the read-only
    // default when no file of the user's own could be made.
    QString settingsFileInUse() const;
    // A language pack, help file or picture by name: beside the program, else in
    // the installed shared folder.
    QString resourceFile(const QString& name) const;

    void showAbout(QWidget* parent) override;
    // Asks for help at a context number (helpcontext::DefaultTopic: the help file's
    // first page), in `helpFile` or, when empty, in the help file of the run.
    void requestHelp(int context, const QString& helpFile);
    void requestHelp(int context) override { requestHelp(context, QString()); }
    // The help windows; null before start-up made the main window.
    HelpController* help() const { return m_help.get(); }

    // Setup > Language. A new language closes the main window as File > Exit does,
    // then writes the setting and starts the program again in that language.
    void chooseLanguage(QWidget* parent) override;
    // Whatever starts the program again after a change of language.
    void setRestarter(std::unique_ptr<ProgramRestarter> restarter);

signals:
    void helpRequested(const QString& helpFile, int context);

private:
    struct CommandLine {
        bool showSplash = true;
        QString fileToOpen;
    };
    static CommandLine parseCommandLine(const QStringList& arguments);
    static QString executablePath(const QStringList& arguments);

    void openSettings();
    void readLanguage();
    bool loadLanguagePack();
    void showSplash(const CommandLine& commandLine);
    void trimMenus();
    void startHelp();
    void writeSquelchWriteSwitch();
    void warnLanguageNotStored(QWidget* parent);

    static CProgramApp* s_instance;

    program::ProgramState m_state;
    program::IniFile m_settings;
    LanguagePack m_pack;
    std::unique_ptr<QTranslator> m_qtTranslator;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<ContextHelp> m_contextHelp;
    std::unique_ptr<HelpController> m_help;
    std::unique_ptr<ProgramRestarter> m_restarter;
    QString m_executable;
    int m_enableSqlAtStart = 0;
    bool m_splashShown = false;
    bool m_started = false;
    bool m_exited = false;
};
