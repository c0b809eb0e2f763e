#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class HelpViewer;
class QTranslator;
class QWidget;
namespace program {
enum class Language;
}

// Opens the help files beside the program at the contexts the program asks for.
// Each file gets one help window, made on its first request and kept for the
// run; the help engine's collection lives in a temporary folder of its own. The
// help windows' own buttons and labels follow the language of the run.
class HelpController : public QObject {
    Q_OBJECT
public:
    // `folder`: where the help files are (the program's folder); `owner`: the window
    // the help windows belong to (they close with it), or none.
    HelpController(QString folder, program::Language language, QWidget* owner = nullptr,
                   QObject* parent = nullptr);
    ~HelpController() override;

    // The window of a help file; null until it was first asked for.
    HelpViewer* viewer(const QString& helpFile) const;

public slots:
    // Shows the help window of `helpFile` (a name in the folder) at `context`
    // (helpcontext::DefaultTopic: its first page).
    void showHelp(const QString& helpFile, int context);

private:
    HelpViewer* viewerFor(const QString& helpFile);
    QString collectionFor(const QString& helpFile) const;

    QString m_folder;
    QPointer<QWidget> m_owner;
    QTemporaryDir m_collections;
    std::unique_ptr<QTranslator> m_qtHelpTexts;
    QHash<QString, QPointer<HelpViewer>> m_viewers;
};
