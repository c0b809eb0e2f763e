#include "compare/DifferencesWindow.h"
#include "common/CommandIds.h"
#include "compare/MemoryMapWindow.h"
#include "model/FactoryDefaults.h"
#include "settings/Catalogue.h"
#include "support/GuiTestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTreeWidget>

class DifferencesWindowTest : public QObject {
    Q_OBJECT
private slots:
    void rowsAreGroupedByEditorAndLeadToWhatShowsThem();
    void theMemoryMapNamesTheByteUnderTheCursorAndMarksDifferences();
};

namespace {

// The document, and another image with channel 9's receive frequency, the TOT, an
// MSK call and a byte no editor shows changed.
struct TwoImages {
    TwoImages() : document(program::factoryDefaults()), other(document) {
        const std::uint8_t rx[] = {0x25, 0x06, 0x60, 0x44};
        other.write(0x0C0, rx);
        other.set(0xC20, 0x00);
        const std::vector<program::settings::Assignment> tot{{"optional.tot", "90"},
                                                             {"msk.call.3", "12"}};
        if (program::settings::applySettings(other, tot))
            qFatal("TOT refused");
    }
    program::CodeplugImage document;
    program::CodeplugImage other;
};

} // namespace

void DifferencesWindowTest::rowsAreGroupedByEditorAndLeadToWhatShowsThem() {
    TwoImages images;
    DifferencesWindow window;
    window.showDifferences(images.document, images.other, QStringLiteral("Radio"),
                           program::Language::English, false);
    QTreeWidget* tree = window.tree();
    QCOMPARE(tree->headerItem()->text(2), QStringLiteral("Radio"));
    QStringList groups;
    for (int g = 0; g < tree->topLevelItemCount(); ++g)
        groups << tree->topLevelItem(g)->text(0);
    QCOMPARE(groups, (QStringList{"Channel Information", "Optional Features", "MSK",
                                  "not shown by any editor (kept as read)"}));
    QCOMPARE(tree->topLevelItem(2)->child(0)->text(0), QStringLiteral("Call List 3"));
    // A cell of Parameter Adjust's table goes by the table's labels.
    program::settings::Difference cell;
    cell.key = "params.sql_detect.2.wide_low";
    QCOMPARE(differenceLabel(cell, program::Language::Chinese),
             QStringLiteral("静噪检测 2: 宽带 低"));

    // Channel cells first, then the channel's bytes, each named as the grid names it.
    QTreeWidgetItem* channels = tree->topLevelItem(0);
    QCOMPARE(channels->child(0)->text(0), QStringLiteral("channel 9: Rx Frequency"));
    QCOMPARE(channels->child(0)->text(2), QStringLiteral("446.00625"));
    QCOMPARE(channels->child(channels->childCount() - 1)->text(0),
             QStringLiteral("0x0C0-0x0C3: channel 9"));
    QTreeWidgetItem* optional = tree->topLevelItem(1);
    QCOMPARE(optional->child(0)->text(0), QStringLiteral("TOT (s)"));
    QCOMPARE(optional->child(0)->text(1), QStringLiteral("30"));
    QCOMPARE(optional->child(0)->text(2), QStringLiteral("90"));

    QSignalSpy cells(&window, &DifferencesWindow::channelCellWanted);
    QSignalSpy commands(&window, &DifferencesWindow::commandWanted);
    emit tree->itemActivated(channels->child(0), 0);
    emit tree->itemActivated(optional->child(0), 0);
    emit tree->itemActivated(tree->topLevelItem(3)->child(0), 0); // leads nowhere
    QCOMPARE(cells.size(), 1);
    QCOMPARE(cells[0], (QList<QVariant>{9, 1}));
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands[0][0].toInt(), command::OptionalFeatures);
    QCOMPARE(window.differingRuns().size(), 4u);

    window.copyButton()->click();
    const QString copied = QApplication::clipboard()->text();
    QVERIFY(copied.startsWith(QStringLiteral("Item\tThis document\tRadio\nChannel Information\n")));
    QVERIFY(copied.contains(QStringLiteral("\nTOT (s)\t30\t90\n")));
    QVERIFY(window.openButton()->isHidden());

    // From the radio the read image can become a document of its own.
    window.showDifferences(images.document, images.other, QStringLiteral("Radio"),
                           program::Language::English, true);
    QSignalSpy opened(&window, &DifferencesWindow::openAsDocumentWanted);
    window.show();
    window.openButton()->click();
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened[0][0].value<program::CodeplugImage>() == images.other);
}

void DifferencesWindowTest::theMemoryMapNamesTheByteUnderTheCursorAndMarksDifferences() {
    TwoImages images;
    MemoryMapWindow map;
    map.showImage(images.other, program::Language::Chinese);
    // Row 0x0C, the fourth byte: its hex digits and its character both stand for 0x0C3.
    QCOMPARE(MemoryMapWindow::byteAt(0x0C, 7 + 3 * 3), std::optional<std::size_t>(0x0C3));
    QCOMPARE(MemoryMapWindow::byteAt(0x0C, 7 + 16 * 3 + 1 + 3), std::optional<std::size_t>(0x0C3));
    QCOMPARE(MemoryMapWindow::byteAt(0x0C, 2), std::nullopt);
    QCOMPARE(map.describeByte(0x0C3), QStringLiteral("0x0C3 = 44: 信道 9 (信道信息)"));
    map.setMarked({{0x0C0, 4}});
    auto colourAt = [&map](int line, int column) {
        QTextCursor cursor(map.view()->document()->findBlockByNumber(line));
        cursor.setPosition(cursor.position() + column + 1);
        return cursor.charFormat().foreground().color();
    };
    QCOMPARE(colourAt(0x0C, 7 + 3 * 3), QColor(Qt::red));
    QVERIFY(colourAt(0x0C, 7 + 4 * 3) != QColor(Qt::red));
}

GUI_TEST(DifferencesWindowTest);
#include "DifferencesWindowTest.moc"
