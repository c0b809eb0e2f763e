#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

class CMainFrame;
class QMenu;

// A folder standing for the program's own: Program.ini ("Setup" from `setupLines`,
// then sections "English" and "Chinese" with the texts below), the language packs
// and, on request, the pictures, copied from the build's bin folder.
class ProgramFolder {
public:
    explicit ProgramFolder(const QStringList& setupLines, bool withPictures = false);

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString argv0() const { return path() + QStringLiteral("Program"); }

    void copyFromBin(const QString& name, const QString& asName = {}) const;
    void write(const QString& name, const QByteArray& bytes) const;
    void remove(const QString& name) const;
    QByteArray read(const QString& name) const;

    static constexpr const char* EnglishCompany = "Acme Radio";
    static constexpr const char* ChineseCompany = "测试无线电";
    static constexpr const char* EnglishTitle = "Acme Programmer";
    static constexpr const char* ChineseTitle = "测试写频";

private:
    QTemporaryDir m_dir;
};

// Answers the next modal dialog: records what it shows, runs `inspect` on it, then
// presses the standard button `press`, or the button with text `buttonText`, or
// closes it.
class ModalAnswer : public QObject {
    Q_OBJECT
public:
    explicit ModalAnswer(QMessageBox::StandardButton press = QMessageBox::Ok);
    explicit ModalAnswer(const QString& buttonText);

    bool seen = false;
    QString text;
    QStringList buttons;
    bool mainFrameExisted = false;
    std::function<void(QWidget*)> inspect;

private:
    void poll();

    QMessageBox::StandardButton m_press = QMessageBox::NoButton;
    QString m_pressText;
    QTimer m_timer;
};

CMainFrame* findMainFrame();
// The popup of the document menu bar titled `title`, and its command ids in order.
QMenu* documentMenu(CMainFrame& frame, const QString& title);
QList<int> commandIds(const QMenu& menu);

// main() runs the registered test classes, or the one named on the command line.
int registerTest(const char* name, std::function<std::unique_ptr<QObject>()> factory);
#define SHELL_TEST(Class)                                                                          \
    static const int registered##Class =                                                           \
        registerTest(#Class, [] { return std::make_unique<Class>(); })
