#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "app/IniFile.h"
#include "common/CommandIds.h"
#include "link/ProgressDlg.h"
#include "model/BackupCopies.h"
#include "support/FakeSerialLink.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace program::column;
using testsupport::ModalAnswerer;

namespace {

constexpr int TransferTimeoutMs = 60000;

// A radio whose memory is a new document's with two channels in it.
program::CodeplugImage radioMemory(DocumentHarness& h) {
    program::CodeplugImage memory = h.doc().image();
    program::ChannelTable table;
    table.setRow(1,
                 {"145.50000", "145.50000", "67.0", "D023N", "CALL", "High", "Wide", "Yes", "Off"});
    table.setRow(
        7, {"433.00000", "438.00000", "None", "None", "RPT", "Low", "Narrow", "No", "Carrier"});
    program::GridToImage(table, h.state, memory);
    return memory;
}

QStringList backupCopies() {
    return QDir(BackupCopies::folder()).entryList({QStringLiteral("*.dat")}, QDir::Files);
}

// Runs Read or Write from the view through its progress window and waits until
// the window has closed again.
bool runTransfer(DocumentHarness& h, int command) {
    CProgressDlg* dialog = h.view().progressDialog();
    h.view().handleCommand(command);
    if (!dialog->isVisible())
        return false;
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    return QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, TransferTimeoutMs);
}

struct FakeRadioLink {
    explicit FakeRadioLink(DocumentHarness& h) {
        h.manager->setLinkFactory([this] {
            ++linksMade;
            return std::make_unique<testsupport::FakeSerialLink>(radio);
        });
    }
    testsupport::RecordingRadio radio;
    int linksMade = 0;
};

} // namespace

void TransferTest::readFillsTheDocumentAndKeepsACopy() {
    DocumentHarness h;
    h.manager->createNewDocument();
    FakeRadioLink link(h);
    link.radio.replace(radioMemory(h));
    QDir(BackupCopies::folder()).removeRecursively();
    QSignalSpy running(h.manager.get(), &CMyDocManager::transferRunningChanged);
    ModalAnswerer answers; // a completed read shows no message

    CProgressDlg* dialog = h.view().progressDialog();
    h.view().handleCommand(command::Read);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Read Data"));
    QCOMPARE(dialog->statusLabel()->text(), QStringLiteral("Not start yet"));
    QCOMPARE(dialog->progressBar()->maximum(), 191);
    QVERIFY(!dialog->isModal());
    QTest::mouseClick(dialog->startButton(), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, TransferTimeoutMs));

    QVERIFY(answers.seen.isEmpty());
    QVERIFY(h.doc().image() == link.radio.memory());
    QCOMPARE(h.text(1, Name), QStringLiteral("CALL"));
    QCOMPARE(h.text(7, BusyLock), QStringLiteral("Carrier"));
    QCOMPARE(h.grid().model()->data(h.cell(7, TxFrequency)).toString(),
             QStringLiteral("438.00000"));
    QVERIFY(!h.state.newDocument);
    QCOMPARE(dialog->statusLabel()->text(), QStringLiteral("256"));
    QCOMPARE(running.size(), 2);
    QCOMPARE(running[0].at(0).toBool(), true);
    QCOMPARE(running[1].at(0).toBool(), false);
    // What was read is what a save would write: nothing to ask about at exit.
    QVERIFY(!h.doc().hasUnsavedChanges());

    const QStringList copies = backupCopies();
    QCOMPARE(copies.size(), 1);
    QVERIFY(copies[0].startsWith(QStringLiteral("read-")));
    const QString copy = BackupCopies::folder() + QLatin1Char('/') + copies[0];
    const auto bytes = testsupport::readBytes(copy.toStdString());
    QVERIFY(std::equal(bytes.begin(), bytes.end(), link.radio.memory().bytes().begin()));
    QVERIFY(h.window.statusBar()->currentMessage().contains(copies[0]));

    // A second read in the same second keeps both copies.
    QVERIFY(runTransfer(h, command::Read));
    QCOMPARE(backupCopies().size(), 2);
}

void TransferTest::writeSendsTheGridToTheRadio() {
    DocumentHarness h;
    h.manager->createNewDocument();
    FakeRadioLink link(h);
    program::CodeplugImage blank;
    blank.fill(0x00);
    link.radio.replace(blank);

    // The channel still in its editor when Write is chosen goes too.
    h.grid().setCurrentIndex(h.cell(3, RxFrequency));
    auto* edit = qobject_cast<QLineEdit*>(h.grid().openEditor());
    QTest::keyClicks(edit, QStringLiteral("146.52"));
    ModalAnswerer answers;
    QVERIFY(runTransfer(h, command::Write));
    QVERIFY(answers.seen.isEmpty());
    QCOMPARE(h.view().progressDialog()->windowTitle(), QStringLiteral("Write Data"));
    QCOMPARE(h.view().progressDialog()->statusLabel()->text(), QStringLiteral("250"));
    QCOMPARE(h.text(3, TxFrequency), QStringLiteral("146.52000"));
    QCOMPARE(h.window.statusBar()->currentMessage(), QStringLiteral("Written to the radio"));

    const auto sent = link.radio.memory().range(0, 0xFA0);
    const auto image = h.doc().image().range(0, 0xFA0);
    QVERIFY(std::equal(sent.begin(), sent.end(), image.begin()));
    QCOMPARE(link.radio.memory().at(2 * 24 + 3), std::uint8_t{0x14}); // channel 3: 146 MHz
    QCOMPARE(link.radio.identifications, 2); // woken and identified again after the band check
}

void TransferTest::verifyAfterWritingIsRememberedAndNamesWhatDiffers() {
    DocumentHarness h;
    h.manager->createNewDocument();
    FakeRadioLink link(h);
    CProgressDlg* dialog = h.view().progressDialog();

    // Off at first, offered only for a write, and remembered once ticked.
    h.view().handleCommand(command::Read);
    QVERIFY(!dialog->verifyBox()->isVisible());
    dialog->cancelButton()->click();
    h.view().handleCommand(command::Write);
    QVERIFY(dialog->verifyBox()->isVisible());
    QVERIFY(!dialog->verifyBox()->isChecked());
    dialog->verifyBox()->click();
    dialog->cancelButton()->click();

    {
        ModalAnswerer answers;
        QVERIFY(runTransfer(h, command::Write));
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen[0].text, QStringLiteral("The radio holds every byte written."));
        QCOMPARE(dialog->statusLabel()->text(), QStringLiteral("Verifying 256"));
    }

    QDir(BackupCopies::folder()).removeRecursively();
    link.radio.setFaults(testsupport::radioFaults({"corrupt-write=0x0C3"}));
    const program::CodeplugImage before = h.doc().image();
    ModalAnswerer answers;
    QVERIFY(runTransfer(h, command::Write));
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.seen[0].detail.startsWith(QStringLiteral("0x0C3: channel 9\n")));
    QCOMPARE(backupCopies().size(), 1);
    QVERIFY(answers.seen[0].detail.contains(backupCopies().first()));
    QVERIFY(h.doc().image() == before);
}

void TransferTest::cancelBeforeStartOpensNoPort() {
    DocumentHarness h;
    h.manager->createNewDocument();
    FakeRadioLink link(h);
    h.view().handleCommand(command::Read);
    CProgressDlg* dialog = h.view().progressDialog();
    QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QTest::qWait(50);
    QCOMPARE(link.linksMade, 0);
    QVERIFY(!h.manager->transferRunning());
}

void TransferTest::failedReadLeavesTheDocumentUntouched() {
    DocumentHarness h;
    h.manager->createNewDocument();
    h.doc().table().setRow(
        2, {"150.00000", "150.00000", "None", "None", "MINE", "Low", "Narrow", "No", "QT/DQT"});
    h.doc().gridToImage();
    const program::CodeplugImage before = h.doc().image();
    const program::ChannelTable tableBefore = h.doc().table();
    FakeRadioLink link(h);
    link.radio.replace(radioMemory(h), testsupport::radioFaults({"no-ack=100"}));
    const QStringList copiesBefore = backupCopies();

    ModalAnswerer answers;
    QVERIFY(runTransfer(h, command::Read));
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text,
             QStringLiteral("Program Interrupt, Please reset the radio and try again"));
    QCOMPARE(answers.seen[0].title, QStringLiteral("Program"));
    QVERIFY(h.doc().image() == before);
    QVERIFY(h.doc().table() == tableBefore);
    QCOMPARE(backupCopies(), copiesBefore);
}

void TransferTest::aRadioOfAnotherTypeIsRefusedWithAWarning() {
    DocumentHarness h(program::Language::Chinese);
    h.manager->createNewDocument();
    FakeRadioLink link(h);
    program::sim::RadioIdentity otherModel = program::sim::defaultIdentity();
    otherModel[0] = 'Q';
    link.radio.replace(radioMemory(h), {}, otherModel);

    ModalAnswerer answers;
    QVERIFY(runTransfer(h, command::Write));
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(answers.seen[0].text, QStringLiteral("对讲机类型不匹配,无法通讯。"));
    QCOMPARE(answers.seen[0].title, QStringLiteral("警告"));
}

void TransferTest::cancelledReadLeavesTheDocumentUntouched() {
    DocumentHarness h;
    h.manager->createNewDocument();
    const program::CodeplugImage before = h.doc().image();
    FakeRadioLink link(h);
    link.radio.replace(radioMemory(h));

    CProgressDlg* dialog = h.view().progressDialog();
    QTimer canceller;
    connect(&canceller, &QTimer::timeout, dialog, [dialog] {
        if (dialog->progressBar()->value() >= 20)
            QTest::mouseClick(dialog->cancelButton(), Qt::LeftButton);
    });
    canceller.start(5);
    ModalAnswerer answers;
    QVERIFY(runTransfer(h, command::Read));
    QVERIFY(dialog->progressBar()->value() < 256);
    QVERIFY(answers.seen.isEmpty());
    QVERIFY(h.doc().image() == before);
    QCOMPARE(h.doc().table().channelsInUse(), 0);
    QVERIFY(!h.manager->transferRunning());
}

void TransferTest::commandsWaitWhileATransferRuns() {
    DocumentHarness h;
    auto* frame = h.manager->createNewDocument();
    FakeRadioLink link(h);
    link.radio.replace(radioMemory(h));
    CProgressDlg* dialog = h.view().progressDialog();

    struct Seen {
        bool checked = false;
        bool running = false;
        bool newRefused = false;
        bool closeRefused = false;
        bool exitRefused = false;
        bool gridDisabled = false;
    } seen;
    QTimer probe;
    connect(&probe, &QTimer::timeout, dialog, [&] {
        if (seen.checked || dialog->progressBar()->value() < 5)
            return;
        seen.checked = true;
        seen.running = h.manager->transferRunning();
        seen.newRefused = h.manager->newDocument() == nullptr;
        h.manager->closeActive();
        seen.closeRefused = frame->isVisible();
        seen.exitRefused = !h.manager->confirmCloseAll(&h.window);
        seen.gridDisabled = !h.grid().isEnabled();
        h.view().handleCommand(command::Write); // must not turn the read into a write
    });
    probe.start(5);
    ModalAnswerer answers;
    QVERIFY(runTransfer(h, command::Read));
    QVERIFY(answers.seen.isEmpty());
    QVERIFY(seen.checked);
    QVERIFY(seen.running);
    QVERIFY(seen.newRefused);
    QVERIFY(seen.closeRefused);
    QVERIFY(seen.exitRefused);
    QVERIFY(seen.gridDisabled);
    QVERIFY(h.doc().image() == link.radio.memory());
    QVERIFY(h.grid().isEnabled());
    QCOMPARE(h.manager->frames().size(), 1);
}

void TransferTest::readAndWriteThroughRadioSim() {
    const QString sim = QString::fromLocal8Bit(qgetenv("PROGRAM_BIN_DIR")) + "/radio-sim";
    if (!QFileInfo(sim).isExecutable())
        QSKIP("radio-sim is not built");

    testsupport::TempDir dir;
    const QString linkPath = QString::fromStdString((dir / "radio").string());
    const QString imagePath = QString::fromStdString((dir / "radio.dat").string());
    const QString dumpPath = QString::fromStdString((dir / "after.dat").string());
    program::IniFile ini;
    ini.Load(dir / "Program.ini");
    ini.WriteString("Ports", "COM1", linkPath.toStdString());

    DocumentHarness h(program::Language::English, &ini);
    h.manager->createNewDocument();
    const program::CodeplugImage memory = radioMemory(h);
    testsupport::writeBytes(imagePath.toStdString(),
                            {memory.bytes().begin(), memory.bytes().end()});

    ModalAnswerer answers; // any message here is a failure, not a wait
    QProcess radio;
    radio.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    radio.start(sim, {"--link", linkPath, "--image", imagePath, "--dump", dumpPath, "--log",
                      QString::fromStdString((dir / "sim.log").string())});
    QVERIFY(radio.waitForStarted());
    QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(linkPath); }, 5000));
    QCOMPARE(QString::fromStdString(h.view().portDevice()), linkPath);

    QVERIFY(runTransfer(h, command::Read));
    QVERIFY2(answers.seen.isEmpty(), qPrintable(answers.seen.value(0).text));
    QVERIFY(h.doc().image() == memory);
    QCOMPARE(h.text(1, Name), QStringLiteral("CALL"));

    h.grid().setCurrentIndex(h.cell(1, Name));
    auto* name = qobject_cast<QLineEdit*>(h.grid().openEditor());
    name->clear();
    QTest::keyClicks(name, QStringLiteral("SIM"));
    QVERIFY(runTransfer(h, command::Write));
    QVERIFY2(answers.seen.isEmpty(), qPrintable(answers.seen.value(0).text));

    radio.terminate();
    QVERIFY(radio.waitForFinished(5000));
    const auto after = testsupport::readBytes(dumpPath.toStdString());
    QCOMPARE(after.size(), std::size_t{4096});
    const auto written = h.doc().image().range(0, 0xFA0);
    QVERIFY(std::equal(written.begin(), written.end(), after.begin()));
    QCOMPARE(after[16], std::uint8_t{'S'});
}

GUI_TEST(TransferTest);
