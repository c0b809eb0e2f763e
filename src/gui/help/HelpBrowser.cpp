#include "help/HelpBrowser.h"

#include <QHelpEngineCore>

namespace {
const char* const HelpScheme = "qthelp";
}

HelpBrowser::HelpBrowser(const QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), m_engine(engine) {
    setOpenLinks(true);
    setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    // A page names its style sheet and the other pages relative to itself.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == QLatin1String(HelpScheme))
        return m_engine.fileData(url);
    return QTextBrowser::loadResource(type, url);
}
