#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// A folder standing for the program's own: Program.ini ("Setup" from `setupLines`,
// then sections "English" and "Chinese" with the texts below) and the language
// packs, copied from the build's bin folder; on request the pictures and the
// help files too.
class ProgramFolder {
public:
    enum Extra { Pictures = 1, HelpFiles = 2 };

    explicit ProgramFolder(const QStringList& setupLines, int extras = 0);

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    // The program as if it had been started from this folder.
    QString argv0() const { return path() + QStringLiteral("Program"); }

    void copyFromBin(const QString& name, const QString& asName = {}) const;
    void write(const QString& name, const QByteArray& bytes) const;
    void remove(const QString& name) const;
    QByteArray read(const QString& name) const;
    // Takes the whole folder away, as under a running program.
    void removeAll() const;

    static constexpr const char* EnglishCompany = "Acme Radio";
    static constexpr const char* ChineseCompany = "测试无线电";
    static constexpr const char* EnglishTitle = "Acme Programmer";
    static constexpr const char* ChineseTitle = "测试写频";

private:
    QTemporaryDir m_dir;
};

} // namespace testsupport
