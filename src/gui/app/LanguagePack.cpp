#include "app/LanguagePack.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QResource>
#include <QTranslator>

LanguagePack::LanguagePack() = default;

LanguagePack::~LanguagePack() {
    unload();
}

QString LanguagePack::fileFor(const QString& programDirectory, const QString& languageName) {
    return programDirectory + languageName + QStringLiteral(".rcc");
}

bool LanguagePack::load(const QString& packFile) {
    unload();
    const QFileInfo info(packFile);
    // A directory or an empty name ("<folder>/.rcc") is no pack.
    if (!info.isFile() || info.completeBaseName().isEmpty())
        return false;
    const QString mapRoot = QStringLiteral("/pack/") + info.completeBaseName();
    if (!QResource::registerResource(info.absoluteFilePath(), mapRoot))
        return false;
    m_file = info.absoluteFilePath();
    m_root = QLatin1Char(':') + mapRoot;

    QFile menusFile(m_root + QStringLiteral("/menus.json"));
    if (menusFile.open(QIODevice::ReadOnly))
        m_menus = MenuPack::parse(menusFile.readAll());
    if (!m_menus) {
        unload();
        return false;
    }

    // A pack without a catalogue shows the program's own (English) texts.
    auto strings = std::make_unique<QTranslator>();
    if (strings->load(m_root + QStringLiteral("/strings.qm"))) {
        QCoreApplication::installTranslator(strings.get());
        m_strings = std::move(strings);
    }
    return true;
}

void LanguagePack::unload() {
    // The translator reads its catalogue out of the registered resource, so it goes first.
    if (m_strings) {
        QCoreApplication::removeTranslator(m_strings.get());
        m_strings.reset();
    }
    m_menus.reset();
    if (!m_file.isEmpty())
        QResource::unregisterResource(m_file, m_root.mid(1));
    m_file.clear();
    m_root.clear();
}
