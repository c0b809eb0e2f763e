#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

// Shows the pages of a help file: every qthelp:// address (a page, its style
// sheet, its pictures) is read from the help engine's compressed file.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    HelpBrowser(const QHelpEngineCore& engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    const QHelpEngineCore& m_engine;
};
