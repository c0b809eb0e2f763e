#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "common/CommandIds.h"
#include "link/ConnectionCheckDlg.h"
#include "link/ProgressDlg.h"
#include "support/FakeSerialLink.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <pty.h>
#include <unistd.h>

using testsupport::ModalAnswerer;

namespace {

// A pseudo-terminal stands in for the cable's device; the radio is behind the fake link.
struct Cable {
    Cable() {
        char name[256] = {};
        if (::openpty(&master, &slave, name, nullptr, nullptr) == 0)
            path = name;
    }
    ~Cable() {
        ::close(master);
        ::close(slave);
    }
    program::LinkFactory factory() {
        return [this] { return std::make_unique<testsupport::FakeSerialLink>(radio); };
    }
    int master = -1;
    int slave = -1;
    std::string path;
    testsupport::RecordingRadio radio;
};

QStringList rowTexts(QTreeWidget* tree) {
    QStringList texts;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        texts << (*it)->text(0);
    return texts;
}

} // namespace

void ConnectionCheckTest::rowsComeInAndTheReportCanBeCopied() {
    Cable cable;
    program::ProgramState state;
    state.language = program::Language::Chinese;
    CConnectionCheckDlg dialog(state, {{1, cable.path}}, cable.path, cable.factory());
    QSignalSpy finished(&dialog, &CConnectionCheckDlg::checkFinished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(dialog.portList()->currentData().toString(), QString::fromStdString(cable.path));
    const QStringList rows = rowTexts(dialog.findingsTree());
    QVERIFY2(rows.contains(QStringLiteral("对讲机有应答:型号 U,136-174 MHz。")),
             qPrintable(rows.join('\n')));
    QVERIFY(dialog.statusLabel()->text().contains(QString::fromStdString(cable.path)));
    QCOMPARE(cable.radio.identifications, 2);

    QTest::mouseClick(dialog.copyReportButton(), Qt::LeftButton);
    const QString report = QGuiApplication::clipboard()->text();
    QVERIFY(report.contains(QStringLiteral("> 4D 02")));
    QVERIFY(report.contains(QString::fromStdString(cable.path)));

    // Check Again runs it all once more.
    QTest::mouseClick(dialog.checkAgainButton(), Qt::LeftButton);
    QVERIFY(!dialog.checkAgainButton()->isEnabled());
    QVERIFY(finished.wait(10000));
    QCOMPARE(cable.radio.identifications, 4);
}

void ConnectionCheckTest::closingWhileTheRadioIsAskedEndsTheProbe() {
    Cable cable;
    cable.radio.setFaults(testsupport::radioFaults({"silent"}));
    program::ProgramState state;
    CConnectionCheckDlg dialog(state, {}, cable.path, cable.factory());
    QVERIFY(dialog.running());
    QElapsedTimer clock;
    clock.start();
    dialog.reject();
    QVERIFY(!dialog.running());
    QVERIFY(clock.elapsed() < 2000);
}

void ConnectionCheckTest::aFailedOpenOffersTheCheckOnThePortThatFailed() {
    DocumentHarness h;
    h.manager->createNewDocument();
    testsupport::RecordingRadio radio;
    h.manager->setLinkFactory([&radio] {
        auto link = std::make_unique<testsupport::FakeSerialLink>(radio);
        link->openStatus = program::SerialOpenResult::Status::NotFound;
        return link;
    });
    QString checkedPort;
    ModalAnswerer answers;
    answers.answerWith(QStringLiteral("Check Connection..."));
    answers.then([&checkedPort](QDialog* dialog) {
        auto* check = qobject_cast<CConnectionCheckDlg*>(dialog);
        if (check)
            checkedPort = check->portList()->currentData().toString();
        dialog->reject();
    });
    CProgressDlg* progress = h.view().progressDialog();
    h.view().handleCommand(command::Read);
    QTest::mouseClick(progress->startButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return answers.done(); }, 10000));
    QVERIFY(answers.seen[0].text.startsWith(QStringLiteral("Could not Open the Port")));
    QVERIFY(answers.seen[0].buttons.contains(QStringLiteral("Check Connection...")));
    QCOMPARE(checkedPort, QString::fromStdString(h.view().portDevice()));
}

GUI_TEST(ConnectionCheckTest);
