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
class QAction;
class QMenu;

// A folder that stands for the program's own: Program.ini, the language packs and,
// on request, the pictures, copied from the build's bin folder.
class ProgramFolder {
public:
    // `setupLines` become section "Setup"; sections "English" and "Chinese" follow
    // with the texts below.
    explicit ProgramFolder(const QStringList& setupLines, bool withPictures = false);

    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString argv0() const { return path() + QStringLiteral("Program"); }
    QString ini() const { return path() + QStringLiteral("Program.ini"); }

    void copyFromBin(const QString& name, const QString& asName = {}) const;
    void write(const QString& name, const QByteArray& bytes) const;
    void remove(const QString& name) const;
    QByteArray read(const QString& name) const;

    // The texts of the language sections.
    static constexpr const char* EnglishCompany = "Acme Radio";
    static constexpr const char* ChineseCompany = "测试无线电";
    static constexpr const char* EnglishTitle = "Acme Programmer";
    static constexpr const char* ChineseTitle = "测试写频";

private:
    QTemporaryDir m_dir;
};

// Answers the next modal dialog: records what it shows, then presses `press` (or
// closes it when it has no such button).
class ModalAnswer : public QObject {
    Q_OBJECT
public:
    explicit ModalAnswer(QMessageBox::StandardButton press = QMessageBox::Ok);
    // Presses the button with this text instead.
    explicit ModalAnswer(const QString& buttonText);

    bool seen = false;
    QString title;
    QString text;
    QStringList buttons;
    bool mainFrameExisted = false;
    // Runs while the dialog is up, before the answer.
    std::function<void(QWidget*)> inspect;

private:
    void poll();

    QMessageBox::StandardButton m_press = QMessageBox::NoButton;
    QString m_pressText;
    QTimer m_timer;
};

// The main frame of the running program, if one exists.
CMainFrame* findMainFrame();
// The menu of `frame`'s document menu bar whose title matches `title` ("&Edit").
QMenu* documentMenu(CMainFrame& frame, const QString& title);
// Command ids of a menu's items in order (separators and sub-menus left out).
QList<int> commandIds(const QMenu& menu);

// Registers a test class so that main() runs it by name.
using TestFactory = std::function<std::unique_ptr<QObject>()>;
int registerTest(const char* name, TestFactory factory);
#define SHELL_TEST(Class)                                                                          \
    static const int registered##Class =                                                           \
        registerTest(#Class, [] { return std::make_unique<Class>(); })
