#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "common/CommandIds.h"
#include "link/ProgressDlg.h"
#include "model/FactoryDefaults.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"
#include "support/TempDir.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using testsupport::ModalAnswerer;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

// Receive 145.00000, transmit 145.60000, name "HOME", everything else defaulted.
void addChannel(CProgramDoc& doc, int row) {
    program::ChannelRow texts{"145.00000", "145.60000", "None", "None", "HOME",
                              "High",      "Wide",      "Yes",  "Off"};
    doc.table().setRow(row, texts);
}

std::vector<std::uint8_t> bytesOf(const program::CodeplugImage& image) {
    return {image.bytes().begin(), image.bytes().end()};
}

} // namespace

void DocumentTest::newDocumentStartsBlankWithNewDocumentValues() {
    DocumentHarness h;
    auto* frame = h.manager->createNewDocument();
    QVERIFY(frame);
    QCOMPARE(frame->windowTitle(), QStringLiteral("Channel Information"));
    QVERIFY(h.state.newDocument);
    QCOMPARE(h.doc().table().channelsInUse(), 0);
    QCOMPARE(h.doc().proposedFileName(), QStringLiteral("ProgramDocumentTests.dat"));

    // Band limits 136-174 and 400-520 MHz; the rest are the factory bytes.
    const program::CodeplugImage& image = h.doc().image();
    const std::vector<std::uint8_t> limits(image.bytes().begin() + 0xFF0,
                                           image.bytes().begin() + 0xFF6);
    QCOMPARE(limits, (std::vector<std::uint8_t>{0x13, 0x17, 0x64, 0x40, 0x52, 0x00}));
    QCOMPARE(image.at(0xC40), program::factoryDefaults().at(0xC40));
    QCOMPARE(h.state.bandLimits.uUpper, 52000000);
    QVERIFY(!h.doc().hasUnsavedChanges());
}

void DocumentTest::newAsksBeforeClearingTheActiveDocument() {
    DocumentHarness h;
    QPointer<DocumentFrame> first = h.manager->createNewDocument();

    // An untouched document: only the clearing question.
    ModalAnswerer answers;
    answers.answerWith(QMessageBox::Cancel);
    QVERIFY(!h.manager->newDocument());
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.sawText("All data will be Cleared!"));

    // Unsaved changes are offered for saving first; Cancel, or a save whose file
    // dialog is cancelled, keeps the document without the clearing question.
    h.grid().setCurrentIndex(h.cell(1, program::column::RxFrequency));
    QTest::keyClicks(h.grid().openEditor(), QStringLiteral("145.5"));
    answers.answerWith(QStringLiteral("Cancel"));
    QVERIFY(!h.manager->newDocument());
    answers.answerWith(QStringLiteral("Save"));
    answers.chooseFile(QString());
    QVERIFY(!h.manager->newDocument());
    QVERIFY(answers.done());
    QCOMPARE(answers.seen.size(), 4);
    QVERIFY(answers.seen[1].text.contains(QStringLiteral("a new document")));
    QCOMPARE(answers.seen[1].detail, QStringLiteral("Save them before the document is cleared?"));
    QVERIFY(first);
    QCOMPARE(h.doc().table().channelsInUse(), 1);

    // Discard goes on to the clearing question.
    answers.answerWith(QStringLiteral("Discard"));
    answers.answerWith(QMessageBox::Ok);
    auto* second = h.manager->newDocument();
    QVERIFY(second);
    QVERIFY(!first); // destroyed with its document
    QCOMPARE(answers.seen.size(), 6);
    QVERIFY(answers.seen[5].text.contains(QStringLiteral("All data will be Cleared!")));
    QCOMPARE(h.manager->frames().size(), 1);
    QCOMPARE(h.doc().table().channelsInUse(), 0);
}

void DocumentTest::savedFileReopensWithTheSameBytes() {
    DocumentHarness h;
    auto* first = h.manager->createNewDocument();
    addChannel(h.doc(), 1);
    addChannel(h.doc(), 129); // "Fr" is saved like any channel
    const QString file = h.path(QStringLiteral("radio.dat"));
    QVERIFY(h.manager->saveAs(file));
    QCOMPARE(first->windowTitle(), QStringLiteral("radio.dat"));
    const std::vector<std::uint8_t> saved = readBytes(file.toStdString());
    QCOMPARE(saved.size(), std::size_t{4096});
    QCOMPARE(saved, bytesOf(h.doc().image()));

    auto* reopened = h.manager->openDocument(file);
    QVERIFY(reopened && reopened != first);
    QVERIFY(first->isHidden());
    QVERIFY(!h.state.newDocument);
    QCOMPARE(bytesOf(h.doc().image()), saved);
    QCOMPARE(h.text(1, program::column::Name), QStringLiteral("HOME"));
    QCOMPARE(h.text(129, program::column::TxFrequency), QStringLiteral("145.60000"));
    QCOMPARE(h.manager->recentFiles().files().value(0), QFileInfo(file).absoluteFilePath());

    // Save writes back to the same file.
    h.doc().table().setText(1, program::column::Name, "WORK");
    QVERIFY(h.manager->save());
    QVERIFY(readBytes(file.toStdString()) != saved);
}

void DocumentTest::openingAnOpenFileAgainGivesANewDocument() {
    DocumentHarness h;
    const QString file = h.path(QStringLiteral("a.dat"));
    writeBytes(file.toStdString(), bytesOf(program::factoryDefaults()));
    auto* first = h.manager->openDocument(file);
    first->document()->table().setText(3, program::column::RxFrequency, "146.00000");

    auto* second = h.manager->openDocument(QStringLiteral("\"") + file + "\"");
    QVERIFY(second && second != first);
    QVERIFY(first->isHidden());
    QCOMPARE(h.manager->frames().size(), 2);
    // Loaded afresh from the disk, not a copy of the edited document.
    QCOMPARE(second->document()->table().text(3, program::column::RxFrequency), "");
}

void DocumentTest::filesOfTheWrongLengthAreRefused() {
    DocumentHarness h;
    auto* active = h.manager->createNewDocument();
    ModalAnswerer answers;
    for (std::size_t length : {std::size_t{4095}, std::size_t{4097}, std::size_t{0}}) {
        const QString file = h.path(QStringLiteral("short-%1.dat").arg(length));
        writeBytes(file.toStdString(), std::vector<std::uint8_t>(length, 0x00));
        QVERIFY(!h.manager->openDocument(file));
        QCOMPARE(answers.seen.size() > 0, true);
        const QString text = answers.seen.last().text;
        QVERIFY2(text.contains(QStringLiteral("short-%1.dat").arg(length)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("%1 bytes").arg(length)), qPrintable(text));
    }
    QVERIFY(!h.manager->openDocument(h.path(QStringLiteral("missing.dat"))));
    QVERIFY(answers.seen.last().text.contains(QStringLiteral("missing.dat")));
    QVERIFY(answers.seen.last().text.contains(QStringLiteral("No such file")));

    // The caption of the messages is the Company setting, GBK bytes in a settings
    // file from a Chinese Windows system.
    h.state.messageCaption = "\xD0\xC5\xB5\xC0"; // 信道
    QVERIFY(!h.manager->openDocument(h.path(QStringLiteral("missing.dat"))));
    QCOMPARE(answers.seen.last().title, QStringLiteral("信道"));

    // No window is left behind and the active document stays shown.
    QCOMPARE(h.manager->frames().size(), 1);
    QCOMPARE(h.manager->activeFrame(), active);
    QVERIFY(active->isVisible());

    // Any 4096-byte file opens.
    const QString zeros = h.path(QStringLiteral("zeros.dat"));
    writeBytes(zeros.toStdString(), std::vector<std::uint8_t>(4096, 0x00));
    QVERIFY(h.manager->openDocument(zeros));
}

void DocumentTest::radioTypeAndRecentFilesAreKeptPerUser() {
    DocumentHarness h;
    QStringList opened;
    for (int n = 1; n <= 5; ++n) {
        program::CodeplugImage image = program::factoryDefaults();
        image.set(0xFE1, static_cast<std::uint8_t>(0x10 + n));
        const QString file = h.path(QStringLiteral("type-%1.dat").arg(n));
        writeBytes(file.toStdString(), bytesOf(image));
        QVERIFY(h.manager->openDocument(file));
        opened.prepend(QFileInfo(file).absoluteFilePath());
    }
    // The four newest, newest first.
    QCOMPARE(h.manager->recentFiles().files(), opened.mid(0, 4));
    // A new document starts with the type of the last file decoded.
    h.manager->createNewDocument();
    QCOMPARE(h.doc().image().at(0xFE1), std::uint8_t{0x15});
    QCOMPARE(h.manager->userSettings().radioType(), std::uint8_t{0x15});
}

void DocumentTest::closingOnlyHidesTheWindow() {
    DocumentHarness h;
    auto* frame = h.manager->createNewDocument();
    addChannel(h.doc(), 5);
    h.manager->closeActive();
    QVERIFY(frame->isHidden());
    QCOMPARE(h.manager->frames().size(), 1);
    QCOMPARE(h.manager->activeFrame(), frame);

    h.manager->showActive();
    QVERIFY(frame->isVisible());
    QCOMPARE(h.doc().table().text(5, program::column::Name), "HOME");

    // The window's own close box hides it too.
    QVERIFY(!frame->close());
    QVERIFY(frame->isHidden());

    // A Read waiting for Start goes away with its window.
    h.manager->showActive();
    h.view().handleCommand(command::Read);
    QVERIFY(h.view().progressDialog()->isVisible());
    h.manager->closeActive();
    QVERIFY(!h.view().progressDialog()->isVisible());
}

void DocumentTest::saveAsProposesTheAppNameAndAddsTheExtension() {
    DocumentHarness h;
    h.manager->createNewDocument();
    ModalAnswerer answers;
    const QString chosen = h.path(QStringLiteral("chosen"));
    answers.chooseFile(chosen);
    QVERIFY(h.manager->save()); // an untitled document asks for a name
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(QFileInfo(answers.seen.first().proposedFile).fileName(),
             QStringLiteral("ProgramDocumentTests.dat"));
    QVERIFY(QFileInfo::exists(chosen + QStringLiteral(".dat")));

    // A cancelled dialog saves nothing.
    answers.chooseFile(QString());
    QVERIFY(!h.manager->saveAs());
}

void DocumentTest::aFailedSaveIsReportedAndKeepsTheOldFile() {
    DocumentHarness h;
    h.manager->createNewDocument();
    ModalAnswerer answers;
    const QString nowhere = h.path(QStringLiteral("no-such-folder/radio.dat"));
    QVERIFY(!h.manager->saveAs(nowhere));
    QVERIFY(answers.sawText(QStringLiteral("Cannot save")));
    QVERIFY(answers.sawText(QStringLiteral("no-such-folder")));
    QVERIFY(h.doc().path().isEmpty());
}

void DocumentTest::droppedFilesOpen() {
    DocumentHarness h;
    h.manager->createNewDocument();
    h.manager->acceptDrops(&h.window);
    const QString file = h.path(QStringLiteral("dropped.dat"));
    writeBytes(file.toStdString(), bytesOf(program::factoryDefaults()));

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&h.window, &drop);
    QCOMPARE(h.manager->frames().size(), 2);
    QCOMPARE(h.frame()->windowTitle(), QStringLiteral("dropped.dat"));
}

GUI_TEST(DocumentTest);
