#include "ShellTestSupport.h"

#include "app/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QTest>

#include <map>

ProgramFolder::ProgramFolder(const QStringList& setupLines, bool withPictures) {
    QByteArray ini = "[Setup]\r\n";
    for (const QString& line : setupLines)
        ini += line.toUtf8() + "\r\n";
    ini += QByteArray("[English]\r\nCompany=") + EnglishCompany + "\r\nTitle=" + EnglishTitle +
           "\r\nAbout Title=About Acme\r\nVersion=Version 2.5\r\nCopyrights=Copyright 2026\r\n"
           "Copyrights Owner=Acme Radio Ltd\r\n";
    ini += QByteArray("[Chinese]\r\nCompany=") + ChineseCompany + "\r\nTitle=" + ChineseTitle +
           "\r\nAbout Title=关于测试\r\nVersion=版本 2.5\r\nCopyrights=版权 2026\r\n"
           "Copyrights Owner=测试无线电公司\r\n";
    write(QStringLiteral("Program.ini"), ini);
    copyFromBin(QStringLiteral("English.rcc"));
    copyFromBin(QStringLiteral("Chinese.rcc"));
    if (withPictures) {
        copyFromBin(QStringLiteral("startup.bmp"));
        copyFromBin(QStringLiteral("title.ico"));
        copyFromBin(QStringLiteral("background.bmp"));
    }
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

ModalAnswer::ModalAnswer(const QString& buttonText) : m_pressText(buttonText) {
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswer::poll);
    m_timer.start(10);
}

void ModalAnswer::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || seen)
        return;
    seen = true;
    m_timer.stop();
    mainFrameExisted = findMainFrame() != nullptr;
    title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
    }
    if (inspect)
        inspect(modal);
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        for (QAbstractButton* button : box->buttons()) {
            if ((!m_pressText.isEmpty() && button->text() == m_pressText) ||
                (m_pressText.isEmpty() && box->button(m_press) == button)) {
                button->click();
                return;
            }
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
std::map<QString, TestFactory>& registry() {
    static std::map<QString, TestFactory> tests;
    return tests;
}
} // namespace

int registerTest(const char* name, TestFactory factory) {
    registry()[QString::fromLatin1(name)] = std::move(factory);
    return 0;
}

// Used by main(): runs the named class, or every class when no name is given.
int runRegisteredTests(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString only;
    if (arguments.size() > 1 && registry().count(arguments[1])) {
        only = arguments[1];
        arguments.removeAt(1);
    }
    int failures = 0;
    for (const auto& [name, factory] : registry()) {
        if (!only.isEmpty() && name != only)
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), arguments);
    }
    return failures;
}
