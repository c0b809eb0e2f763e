#include "support/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace testsupport {

ProgramFolder::ProgramFolder(const QStringList& setupLines, int extras) {
    QByteArray ini = "[Setup]\r\n" + setupLines.join("\r\n").toUtf8() + "\r\n";
    ini += QByteArray("[English]\r\nCompany=") + EnglishCompany + "\r\nTitle=" + EnglishTitle +
           "\r\nAbout Title=About Acme\r\nVersion=Version 2.5\r\nCopyrights=Copyright 2026\r\n"
           "Copyrights Owner=Acme Radio Ltd\r\n";
    ini += QByteArray("[Chinese]\r\nCompany=") + ChineseCompany + "\r\nTitle=" + ChineseTitle +
           "\r\nAbout Title=关于测试\r\nVersion=版本 2.5\r\nCopyrights=版权 2026\r\n"
           "Copyrights Owner=测试无线电公司\r\n";
    write("Program.ini", ini);
    QStringList files{"English.rcc", "Chinese.rcc"};
    if (extras & Pictures)
        files << "startup.bmp"
              << "title.ico"
              << "background.bmp";
    if (extras & HelpFiles)
        files << "enHelp.qch"
              << "chHelp.qch";
    for (const QString& file : files)
        copyFromBin(file);
}

void ProgramFolder::copyFromBin(const QString& name, const QString& asName) const {
    const QString target = path() + (asName.isEmpty() ? name : asName);
    QFile::remove(target);
    if (!QFile::copy(QStringLiteral(PROGRAM_BIN_DIR "/") + name, target))
        qFatal("cannot copy %s from the build folder", qPrintable(name));
}

void ProgramFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(path() + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
}

void ProgramFolder::remove(const QString& name) const {
    QFile::remove(path() + name);
}

QByteArray ProgramFolder::read(const QString& name) const {
    QFile file(path() + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramFolder::removeAll() const {
    QDir(m_dir.path()).removeRecursively();
}

} // namespace testsupport
