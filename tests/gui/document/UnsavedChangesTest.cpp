#include "DocumentHarness.h"
#include "DocumentTests.h"

#include "model/FactoryDefaults.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QLineEdit>
#include <QTest>

using namespace program::column;
using testsupport::ModalAnswerer;

namespace {

QString writeFile(DocumentHarness& h, const QString& name) {
    const QString path = h.path(name);
    const program::CodeplugImage image = program::factoryDefaults();
    testsupport::writeBytes(path.toStdString(), {image.bytes().begin(), image.bytes().end()});
    return path;
}

void typeReceiveFrequency(DocumentHarness& h, int row, const QString& text, bool leave) {
    h.grid().setCurrentIndex(h.cell(row, RxFrequency));
    auto* edit = qobject_cast<QLineEdit*>(h.grid().openEditor());
    QTest::keyClicks(edit, text);
    if (leave)
        QTest::keyClick(edit, Qt::Key_Tab);
}

} // namespace

void UnsavedChangesTest::documentsAsLoadedOrSavedAskNothing() {
    DocumentHarness h;
    ModalAnswerer answers;
    h.manager->createNewDocument();
    // Blank records and all: a file whose bytes differ from what a save would
    // write is not a change the user made.
    const QString zeros = h.path(QStringLiteral("zeros.dat"));
    testsupport::writeBytes(zeros.toStdString(), std::vector<std::uint8_t>(4096, 0x00));
    h.manager->openDocument(zeros);
    // Each document keeps its own band limits, whatever was opened after it.
    h.manager->openDocument(writeFile(h, QStringLiteral("a.dat")));
    QVERIFY(h.manager->confirmCloseAll(&h.window));

    typeReceiveFrequency(h, 1, QStringLiteral("145.5"), true);
    QVERIFY(h.manager->save());
    QVERIFY(h.manager->confirmCloseAll(&h.window));
    QVERIFY(answers.seen.isEmpty());
}

void UnsavedChangesTest::editedDocumentsAskEvenWhenHidden() {
    DocumentHarness h;
    ModalAnswerer answers;
    auto* edited = h.manager->createNewDocument();
    typeReceiveFrequency(h, 1, QStringLiteral("145.5"), true);
    h.manager->openDocument(writeFile(h, QStringLiteral("b.dat")));
    QVERIFY(edited->isHidden());

    answers.answerWith(QStringLiteral("Cancel"));
    QVERIFY(!h.manager->confirmCloseAll(&h.window));
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY(answers.seen[0].text.contains(QStringLiteral("a new document")));

    answers.answerWith(QStringLiteral("Discard"));
    QVERIFY(h.manager->confirmCloseAll(&h.window));

    // An editor dialog's change to the image counts as well.
    h.doc().image().set(0xC40, 0x07);
    answers.answerWith(QStringLiteral("Discard"));
    answers.answerWith(QStringLiteral("Discard"));
    QVERIFY(h.manager->confirmCloseAll(&h.window));
    QCOMPARE(answers.seen.size(), 4);
    QVERIFY(answers.seen[3].text.contains(QStringLiteral("b.dat")));
}

void UnsavedChangesTest::aReadDocumentIsNamedByTheTimeOfTheRead() {
    DocumentHarness h;
    ModalAnswerer answers;
    h.manager->createNewDocument();
    h.doc().adoptReadImage(program::factoryDefaults(), QTime(14, 2, 40));
    typeReceiveFrequency(h, 1, QStringLiteral("145.5"), true);
    answers.answerWith(QStringLiteral("Cancel"));
    QVERIFY(!h.manager->confirmCloseAll(&h.window));
    QCOMPARE(answers.seen.size(), 1);
    QVERIFY2(answers.seen[0].text.contains(QStringLiteral("the radio's memory read at 14:02")),
             qPrintable(answers.seen[0].text));
    QCOMPARE(h.frame()->windowTitle(), QStringLiteral("Channel Information"));
}

void UnsavedChangesTest::anEditStillInTheEditorCounts() {
    DocumentHarness h;
    ModalAnswerer answers;
    h.manager->createNewDocument();
    typeReceiveFrequency(h, 2, QStringLiteral("146.5"), false);
    answers.answerWith(QStringLiteral("Discard"));
    QVERIFY(h.manager->confirmCloseAll(&h.window));
    QCOMPARE(answers.seen.size(), 1);
    QCOMPARE(h.text(2, RxFrequency), QStringLiteral("146.50000"));
}

void UnsavedChangesTest::saveAnswerSavesAndCancelKeepsTheProgramOpen() {
    DocumentHarness h;
    ModalAnswerer answers;
    const QString file = writeFile(h, QStringLiteral("c.dat"));
    h.manager->openDocument(file);
    typeReceiveFrequency(h, 1, QStringLiteral("145.5"), true);
    answers.answerWith(QStringLiteral("Save"));
    QVERIFY(h.manager->confirmCloseAll(&h.window));
    auto* reopened = h.manager->openDocument(file);
    QCOMPARE(reopened->document()->table().text(1, RxFrequency), "145.50000");

    // An untitled document asks for a name; cancelling that keeps the program open.
    h.manager->createNewDocument();
    typeReceiveFrequency(h, 1, QStringLiteral("145.5"), true);
    answers.answerWith(QStringLiteral("Save"));
    answers.chooseFile(QString());
    QVERIFY(!h.manager->confirmCloseAll(&h.window));
}

GUI_TEST(UnsavedChangesTest);
