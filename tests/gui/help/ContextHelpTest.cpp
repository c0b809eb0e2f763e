#include "HelpFiles.h"

#include "common/CommandIds.h"
#include "common/HelpProperties.h"
#include "help/ContextHelp.h"
#include "help/HelpContexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

// The program's own windows are tried in ProgramHelpTest; these are the cases no
// window of this version has yet.
class ContextHelpTest : public QObject {
    Q_OBJECT
private slots:
    void keyAssignmentRuleAndItsEnglishFile();
    void subMenuTitleAndOtherKeys();
};

// The side-key choices lead to Key Assignment, and always in the English file.
void ContextHelpTest::keyAssignmentRuleAndItsEnglishFile() {
    ContextHelp help;
    qApp->installEventFilter(&help);
    QDialog dialog;
    auto* group = new QButtonGroup(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    for (int id = 1076; id <= 1079; ++id) {
        auto* choice = new QRadioButton(QString::number(id), &dialog);
        group->addButton(choice, id);
        helpproperty::setContext(choice, command::KeyAssignment);
        layout->addWidget(choice);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    dialog.setProperty(helpproperty::File, helpcontext::keyAssignmentHelpFile());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));

    QSignalSpy asked(&help, &ContextHelp::helpRequested);
    const QList<QAbstractButton*> pressed = {group->button(1076), group->button(1079),
                                             buttons->button(QDialogButtonBox::Cancel)};
    for (QAbstractButton* button : pressed) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_F1);
    }
    const QVariantList english = {QStringLiteral("enHelp.qch"), command::KeyAssignment};
    QCOMPARE(asked.value(0), english);
    QCOMPARE(asked.value(1), english);
    QCOMPARE(asked.value(2), QVariantList({QStringLiteral("enHelp.qch"), 2}));
    QCOMPARE(asked.size(), 3);
    qApp->removeEventFilter(&help);
}

void ContextHelpTest::subMenuTitleAndOtherKeys() {
    QMainWindow window;
    QMenu menu;
    QMenu* more = menu.addMenu(QStringLiteral("More"));
    menu.setActiveAction(more->menuAction());
    // A sub-menu title is no command: the main window stands in.
    QCOMPARE(ContextHelp::requestFor(&menu).context, helpcontext::MainWindow);

    ContextHelp help;
    qApp->installEventFilter(&help);
    auto* edit = new QLineEdit(&window);
    window.setCentralWidget(edit);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QSignalSpy asked(&help, &ContextHelp::helpRequested);
    QTest::keyClick(edit, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_F2);
    QCOMPARE(asked.size(), 0);
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(asked.size(), 1);
    qApp->removeEventFilter(&help);
}

GUI_TEST(ContextHelpTest);

#include "ContextHelpTest.moc"
