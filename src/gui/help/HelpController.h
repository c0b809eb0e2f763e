#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class HelpWindow;
class QMainWindow;
class QTranslator;
class QWidget;
namespace program {
enum class Language;
}

// Opens the program's help files at the contexts the program asks for.
// Each file gets one help window, made on its first request (the help module is
// loaded then) and kept for the run; the help engine's collection lives in a temporary folder of
// its own. The help windows' own buttons and labels follow the language of the run.
class HelpController : public QObject {
    Q_OBJECT
public:
    // The full path of a help file by its name (beside the program, or where the
    // program is installed).
    using Locator = std::function<QString(const QString& helpFile)>;

    // `owner`: the window the help windows belong to (they close with it), or none.
    HelpController(Locator locate, program::Language language, QWidget* owner = nullptr,
                   QObject* parent = nullptr);
    ~HelpController() override;

    // The window of a help file; null until it was first asked for.
    HelpWindow* viewer(const QString& helpFile) const;

public slots:
    // Shows the help window of `helpFile` (a file name) at `context`
    // (helpcontext::DefaultTopic: its first page).
    void showHelp(const QString& helpFile, int context);

private:
    HelpWindow* viewerFor(const QString& helpFile);
    QString collectionFor(const QString& helpFile) const;

    Locator m_locate;
    QPointer<QWidget> m_owner;
    QTemporaryDir m_collections;
    std::unique_ptr<QTranslator> m_qtHelpTexts;
    QHash<QString, QPointer<QMainWindow>> m_viewers;
};
