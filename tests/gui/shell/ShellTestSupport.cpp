#include "ShellTestSupport.h"

#include "app/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <map>

ProgramFolder::ProgramFolder(const QStringList& setupLines, bool withPictures) {
    QByteArray ini = "[Setup]\r\n" + setupLines.join("\r\n").toUtf8() + "\r\n";
    ini += QByteArray("[English]\r\nCompany=") + EnglishCompany + "\r\nTitle=" + EnglishTitle +
           "\r\nAbout Title=About Acme\r\nVersion=Version 2.5\r\nCopyrights=Copyright 2026\r\n"
           "Copyrights Owner=Acme Radio Ltd\r\n";
    ini += QByteArray("[Chinese]\r\nCompany=") + ChineseCompany + "\r\nTitle=" + ChineseTitle +
           "\r\nAbout Title=关于测试\r\nVersion=版本 2.5\r\nCopyrights=版权 2026\r\n"
           "Copyrights Owner=测试无线电公司\r\n";
    write("Program.ini", ini);
    QStringList files{"English.rcc", "Chinese.rcc"};
    if (withPictures)
        files << "startup.bmp"
              << "title.ico"
              << "background.bmp";
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

ModalAnswer::ModalAnswer(QMessageBox::StandardButton press) : m_press(press) {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
    m_timer.start(10);
}

ModalAnswer::ModalAnswer(const QString& buttonText) : ModalAnswer(QMessageBox::NoButton) {
    m_pressText = buttonText;
}

void ModalAnswer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || seen)
        return;
    seen = true;
    m_timer.stop();
    mainFrameExisted = findMainFrame() != nullptr;
    auto* box = qobject_cast<QMessageBox*>(modal);
    if (box) {
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
    }
    if (inspect)
        inspect(modal);
    for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>()) {
        if (m_pressText.isEmpty() ? box->button(m_press) == button
                                  : button->text() == m_pressText) {
            button->click();
            return;
        }
    }
    modal->close();
}

CMainFrame* findMainFrame() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* frame = qobject_cast<CMainFrame*>(widget))
            return frame;
    }
    return nullptr;
}

QMenu* documentMenu(CMainFrame& frame, const QString& title) {
    for (QMenu* menu : frame.documentMenus()) {
        if (menu->title() == title)
            return menu;
    }
    return nullptr;
}

QList<int> commandIds(const QMenu& menu) {
    QList<int> ids;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator() && !action->menu())
            ids.append(action->data().toInt());
    }
    return ids;
}

namespace {
std::map<QString, std::function<std::unique_ptr<QObject>()>>& registry() {
    static std::map<QString, std::function<std::unique_ptr<QObject>()>> tests;
    return tests;
}
} // namespace

int registerTest(const char* name, std::function<std::unique_ptr<QObject>()> factory) {
    registry()[QString::fromLatin1(name)] = std::move(factory);
    return 0;
}

int runRegisteredTests(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const QString only =
        arguments.size() > 1 && registry().count(arguments[1]) ? arguments.takeAt(1) : QString();
    int failures = 0;
    for (const auto& [name, factory] : registry()) {
        if (only.isEmpty() || name == only)
            failures += QTest::qExec(factory().get(), arguments);
    }
    return failures;
}
