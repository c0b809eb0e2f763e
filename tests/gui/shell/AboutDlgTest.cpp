#include "ShellTestSupport.h"

#include "app/MainFrame.h"
#include "app/ProgramApp.h"
#include "common/CommandIds.h"
#include "common/ControlIds.h"
#include "common/HelpProperties.h"

#include <QLabel>
#include <QTest>

namespace {

struct AboutShown {
    QString caption;
    QStringList lines; // 1098, 1099, 1100
    bool hasPicture = false;
};

// A label of the About box by the control id it carries for F1.
const QLabel* aboutLabel(const QDialog* box, int id) {
    for (const QLabel* label : box->findChildren<QLabel*>())
        if (label->property(helpproperty::ControlId).toInt() == id)
            return label;
    qFatal("the About box has no control %d", id);
}

// Runs the About command of a started program and reads the box it shows.
AboutShown showAbout(CProgramApp& app) {
    AboutShown shown;
    ModalAnswerer answers;
    answers.then([&shown](QDialog* box) {
        shown.caption = box->windowTitle();
        for (int id :
             {control::AboutVersion, control::AboutCopyrights, control::AboutCopyrightsOwner})
            shown.lines.append(aboutLabel(box, id)->text());
        shown.hasPicture = !aboutLabel(box, control::AboutIcon)->pixmap().isNull();
        box->reject();
    });
    app.mainFrame()->onCommand(command::About);
    if (!answers.done())
        qFatal("the About box did not open");
    return shown;
}

} // namespace

class AboutDlgTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheTextsOfTheLanguageSectionAndTheIcon();
    void withoutALanguageSectionEverythingIsEmpty();
};

void AboutDlgTest::showsTheTextsOfTheLanguageSectionAndTheIcon() {
    for (const char* language : {"English", "Chinese"}) {
        ProgramFolder folder({QStringLiteral("Language=") + language}, ProgramFolder::Pictures);
        CProgramApp app;
        QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
        const AboutShown shown = showAbout(app);
        if (QByteArray(language) == "English") {
            QCOMPARE(shown.caption, QString("About Acme"));
            QCOMPARE(shown.lines, (QStringList{"Version 2.5", "Copyright 2026", "Acme Radio Ltd"}));
        } else {
            QCOMPARE(shown.caption, QString("关于测试"));
            QCOMPARE(shown.lines, (QStringList{"版本 2.5", "版权 2026", "测试无线电公司"}));
        }
        QVERIFY(shown.hasPicture);
    }
}

void AboutDlgTest::withoutALanguageSectionEverythingIsEmpty() {
    ProgramFolder folder({});
    folder.write("Program.ini", "[Setup]\r\nLanguage=English\r\n");
    CProgramApp app;
    QVERIFY(app.initInstance({folder.argv0(), "--no-splash"}));
    const AboutShown shown = showAbout(app);
    QCOMPARE(shown.lines, (QStringList{QString(), QString(), QString()}));
    QVERIFY(!shown.hasPicture); // no title.ico beside the program
    // The window system puts the program's name on a window with an empty title:
    // the captions go to it blank instead.
    for (const QString& caption : {shown.caption, app.mainFrame()->windowTitle()})
        QVERIFY2(!caption.isEmpty() && caption.trimmed().isEmpty(), qPrintable(caption));
}

GUI_TEST(AboutDlgTest);
#include "AboutDlgTest.moc"
