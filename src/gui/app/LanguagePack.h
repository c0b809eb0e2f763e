#pragma once

#include "app/MenuPack.h"

#include <QString>

#include <memory>

class QTranslator;

// The language pack of the run: "<Language>.rcc" beside the program, a binary Qt
// resource with the translation catalogue (strings.qm) and the menus, accelerators
// and toolbar as data (menus.json). Loading it makes its catalogue the source of
// every translated text; unloading (or destruction) takes it away again.
class LanguagePack {
public:
    LanguagePack();
    ~LanguagePack();
    LanguagePack(const LanguagePack&) = delete;
    LanguagePack& operator=(const LanguagePack&) = delete;

    // The pack file of a language name ("English" -> "<folder>/English.rcc").
    static QString fileFor(const QString& programDirectory, const QString& languageName);

    // False when the file is missing, is not a resource, or holds no usable menus.json;
    // nothing stays registered then.
    bool load(const QString& packFile);
    void unload();

    bool isLoaded() const { return m_menus.has_value(); }
    const MenuPack& menus() const { return *m_menus; }
    QString fileName() const { return m_file; }

private:
    QString m_file;
    QString m_root; // where the pack's files appear, e.g. ":/pack/English"
    std::optional<MenuPack> m_menus;
    std::unique_ptr<QTranslator> m_strings;
};
