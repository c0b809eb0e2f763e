#include "app/DocumentCommands.h"
#include "common/CommandIds.h"
#include "model/FactoryDefaults.h"
#include "model/ProgramDoc.h"
#include "model/UserSettings.h"
#include "print/PageRenderer.h"
#include "print/PdfExport.h"
#include "print/PrintListDlg.h"
#include "print/PrintSession.h"
#include "support/GuiTestMain.h"
#include "support/ModalAnswerer.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using program::print::Section;
using program::print::Selection;
using testsupport::ModalAnswerer;

namespace {

program::print::Listing listingWithChannels(int count) {
    program::ChannelTable table;
    for (int row = 1; row <= count; ++row)
        table.setText(row, 1, "145.00000");
    return {program::factoryDefaults(), table, program::Language::English, "Owner"};
}

QPushButton* button(QDialog* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name));
}

} // namespace

class PrintListTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithOptionalAndChannelInfo();
    void selectAllAndClearAll();
    void cancelPrintsNothing();
};

void PrintListTest::startsWithOptionalAndChannelInfo() {
    PrintListDlg dialog;
    QCOMPARE(dialog.selection(), Selection{});
    QVERIFY(dialog.checkBox(Section::Optional)->isChecked());
    QVERIFY(!dialog.checkBox(Section::Dtmf)->isChecked());
    QCOMPARE(dialog.checkBox(Section::TwoTone)->text(), QStringLiteral("2-Tone"));
}

void PrintListTest::selectAllAndClearAll() {
    PrintListDlg dialog;
    QTest::mouseClick(button(&dialog, "selectAllButton"), Qt::LeftButton);
    Selection all;
    all.chosen.fill(true);
    QCOMPARE(dialog.selection(), all);
    QTest::mouseClick(button(&dialog, "clearAllButton"), Qt::LeftButton);
    dialog.checkBox(Section::Msk)->click();
    Selection msk;
    msk.chosen.fill(false);
    msk.set(Section::Msk, true);
    QCOMPARE(dialog.selection(), msk);
}

// Cancel in PrintList ends the command: no printer dialog follows.
void PrintListTest::cancelPrintsNothing() {
    QWidget owner;
    ModalAnswerer answers{[](QDialog* dialog) {
        QVERIFY(qobject_cast<PrintListDlg*>(dialog));
        dialog->reject();
    }};
    PrintSession::of(&owner).print(listingWithChannels(3), &owner);
    QVERIFY(answers.done());
    QCOMPARE(answers.seen.size(), 1);
}

class PrintSessionTest : public QObject {
    Q_OBJECT
private slots:
    void previewShowsEveryPage();
    void sectionsWithoutPagesAreSaid();
    void exportWritesTheFileWhole();
    void fontsOfTheListingAreInstalled();
    void printingCommitsTheCellBeingTyped();
};

// Twelve channels and the first choice of PrintList: Optional and three pages of
// channels.
void PrintSessionTest::previewShowsEveryPage() {
    QWidget owner;
    int pages = -1;
    ModalAnswerer answers{[](QDialog* dialog) { dialog->accept(); },
                          [&pages](QDialog* dialog) {
                              auto* preview = dialog->findChild<QPrintPreviewWidget*>();
                              QVERIFY(preview);
                              preview->updatePreview();
                              pages = preview->pageCount();
                              dialog->reject();
                          }};
    PrintSession::of(&owner).preview(listingWithChannels(12), &owner);
    QVERIFY(answers.done());
    QCOMPARE(pages, 4);
}

void PrintSessionTest::sectionsWithoutPagesAreSaid() {
    QWidget owner;
    ModalAnswerer answers{[](QDialog* dialog) {
        auto* list = qobject_cast<PrintListDlg*>(dialog);
        QVERIFY(list);
        list->checkBox(Section::Optional)->setChecked(false);
        dialog->accept();
    }};
    PrintSession::of(&owner).print(listingWithChannels(0), &owner);
    QVERIFY(answers.sawText(QStringLiteral("no pages to print")));
    QCOMPARE(answers.seen.size(), 2); // PrintList and the message, no printer dialog
}

// The file is complete or untouched: an earlier file is replaced by the whole
// PDF, and a file that cannot be written leaves nothing behind.
void PrintSessionTest::exportWritesTheFileWhole() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("listing.pdf"));
    {
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier listing");
    }
    QWidget owner;
    ModalAnswerer answers{[](QDialog* dialog) { dialog->accept(); }};
    answers.chooseFile(folder.filePath(QStringLiteral("listing")));
    PrintSession::of(&owner).exportPdf(listingWithChannels(6), &owner);
    QVERIFY(answers.done());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray pdf = written.readAll();
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));

    const program::print::PrintJob job(listingWithChannels(6), Selection{});
    const QString missing = folder.filePath(QStringLiteral("no/such/folder/x.pdf"));
    QVERIFY(!pdfexport::write(job, missing, pdfexport::defaultLayout()).isEmpty());
    QVERIFY(!QFile::exists(missing));
}

// The listing's faces come from Debian's packages that the bootstrap installs; the
// Chinese face keeps Chinese pages free of empty boxes.
void PrintSessionTest::fontsOfTheListingAreInstalled() {
    const QStringList installed = QFontDatabase::families();
    const QStringList families = PageRenderer::families();
    QVERIFY(installed.contains(families.at(0)) || installed.contains(families.at(1)));
    QVERIFY(installed.contains(families.at(2)));
}

// A name typed into the grid and not yet entered belongs in the listing, as it
// does in a save; a cell the grid refuses stops the printing before it starts.
void PrintSessionTest::printingCommitsTheCellBeingTyped() {
    program::ProgramState state;
    UserSettings settings(QStringLiteral("PrintSessionTest"));
    CProgramDoc doc(state, settings);
    doc.initNew();
    QWidget owner;
    bool refuse = true;
    int commits = 0;
    doc.setPendingEditCommitter([&] {
        ++commits;
        return !refuse;
    });
    for (int id : {command::FilePrint, command::FilePrintPreview, command::FileExportPdf}) {
        {
            ModalAnswerer answers{[](QDialog* dialog) { dialog->reject(); }};
            QVERIFY(runDocumentCommand(id, doc, &owner));
            QCOMPARE(answers.seen.size(), 0);
        }
        refuse = false;
        ModalAnswerer answers{[](QDialog* dialog) { dialog->reject(); }};
        runDocumentCommand(id, doc, &owner);
        QCOMPARE(answers.seen.size(), 1); // the PrintList dialog, after the commit
        refuse = true;
    }
    QCOMPARE(commits, 6);
}

GUI_TEST(PrintListTest);
GUI_TEST(PrintSessionTest);
#include "PrintTest.moc"
