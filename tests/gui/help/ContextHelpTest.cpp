#include "HelpFiles.h"

#include "app/CommandIds.h"
#include "help/ContextHelp.h"
#include "help/HelpContexts.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog laid out the ways the program's dialogs give their controls ids.
struct SampleDialog {
    QDialog dialog;
    QRadioButton* first = new QRadioButton(QStringLiteral("first"), &dialog);
    QRadioButton* second = new QRadioButton(QStringLiteral("second"), &dialog);
    QPushButton* tagged = new QPushButton(QStringLiteral("Start"), &dialog);
    QLabel* named = new QLabel(QStringLiteral("line"), &dialog);
    QLineEdit* plain = new QLineEdit(&dialog);
    QDialogButtonBox* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);

    explicit SampleDialog(int firstId) {
        auto* group = new QButtonGroup(&dialog);
        group->addButton(first, firstId);
        group->addButton(second, firstId + 1);
        ContextHelp::setControlId(tagged, 1245);
        named->setObjectName(QStringLiteral("control1099"));
        auto* layout = new QVBoxLayout(&dialog);
        for (QWidget* widget : {static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                                static_cast<QWidget*>(tagged), static_cast<QWidget*>(named),
                                static_cast<QWidget*>(plain), static_cast<QWidget*>(buttons)})
            layout->addWidget(widget);
    }
};

} // namespace

class ContextHelpTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void dialogAsksForTheFocusedControl();
    void dialogRulesAndTheirHelpFile();
    void highlightedMenuItemAsksForItsCommand();
    void mainWindowTakesF1BeforeItsAccelerator();

private:
    std::unique_ptr<ContextHelp> m_help;
};

void ContextHelpTest::init() {
    m_help = std::make_unique<ContextHelp>();
    qApp->installEventFilter(m_help.get());
}

void ContextHelpTest::cleanup() {
    qApp->removeEventFilter(m_help.get());
    m_help.reset();
}

void ContextHelpTest::dialogAsksForTheFocusedControl() {
    SampleDialog sample(1007);
    sample.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&sample.dialog));
    QSignalSpy asked(m_help.get(), &ContextHelp::helpRequested);

    const QList<QPair<QWidget*, int>> expected = {
        {sample.first, 1007},
        {sample.second, 1008},
        {sample.tagged, 1245},
        {sample.buttons->button(QDialogButtonBox::Ok), 1},
        {sample.buttons->button(QDialogButtonBox::Cancel), 2},
    };
    for (const auto& [widget, context] : expected) {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_F1);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.takeFirst(), QVariantList({QString(), context}));
    }
    // A label that carries its id in its name, and a control without any id.
    QCOMPARE(ContextHelp::requestFor(sample.named).context, 1099);
    QCOMPARE(ContextHelp::requestFor(sample.plain).context, 0);
    // Other keys pass untouched.
    sample.first->setFocus();
    QTest::keyClick(sample.first, Qt::Key_F2);
    QTest::keyClick(sample.first, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(asked.size(), 0);
}

void ContextHelpTest::dialogRulesAndTheirHelpFile() {
    SampleDialog language(1076);
    ContextHelp::setDialogRule(&language.dialog, {helpcontext::languageDialog, QString()});
    QCOMPARE(ContextHelp::requestFor(language.second).context, command::Language);
    QCOMPARE(ContextHelp::requestFor(language.buttons->button(QDialogButtonBox::Ok)).context, 1);
    QVERIFY(ContextHelp::requestFor(language.second).helpFile.isEmpty());

    // The side-key choices lead to Key Assignment in the English file, always.
    SampleDialog keys(1078);
    ContextHelp::setDialogRule(
        &keys.dialog, {helpcontext::keyAssignmentDialog, helpcontext::keyAssignmentHelpFile()});
    keys.dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&keys.dialog));
    QSignalSpy asked(m_help.get(), &ContextHelp::helpRequested);
    keys.second->setFocus();
    QTest::keyClick(keys.second, Qt::Key_F1);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.takeFirst(),
             QVariantList({QStringLiteral("enHelp.qch"), command::KeyAssignment}));
    keys.buttons->button(QDialogButtonBox::Cancel)->setFocus();
    QTest::keyClick(keys.buttons->button(QDialogButtonBox::Cancel), Qt::Key_F1);
    QCOMPARE(asked.takeFirst(), QVariantList({QStringLiteral("enHelp.qch"), 2}));
}

void ContextHelpTest::highlightedMenuItemAsksForItsCommand() {
    QMainWindow window;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("File"));
    QAction* save = menu->addAction(QStringLiteral("Save"));
    save->setData(command::FileSave);
    QMenu* more = menu->addMenu(QStringLiteral("More"));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    menu->popup(window.mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    menu->setActiveAction(save);
    QSignalSpy asked(m_help.get(), &ContextHelp::helpRequested);
    QTest::keyClick(menu, Qt::Key_F1);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.takeFirst(), QVariantList({QString(), command::FileSave}));
    // The menu makes way for the help.
    QTRY_VERIFY(!menu->isVisible());

    // A sub-menu title is no command: the main window stands in.
    menu->setActiveAction(more->menuAction());
    QCOMPARE(ContextHelp::requestFor(menu).context, helpcontext::MainWindow);
}

void ContextHelpTest::mainWindowTakesF1BeforeItsAccelerator() {
    QMainWindow window;
    auto* edit = new QLineEdit(&window);
    window.setCentralWidget(edit);
    auto* accelerator = new QAction(&window);
    accelerator->setShortcut(Qt::Key_F1);
    window.addAction(accelerator);
    QSignalSpy fired(accelerator, &QAction::triggered);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    edit->setFocus();

    QSignalSpy asked(m_help.get(), &ContextHelp::helpRequested);
    QTest::keyClick(edit, Qt::Key_F1);
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.takeFirst(), QVariantList({QString(), helpcontext::MainWindow}));
    QCOMPARE(fired.size(), 0);
}

HELP_TEST(ContextHelpTest);

#include "ContextHelpTest.moc"
