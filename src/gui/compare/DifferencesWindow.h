#pragma once

#include "app/ProgramState.h"
#include "model/CodeplugImage.h"
#include "model/ImageMap.h"
#include "settings/Differences.h"

#include <QDialog>

#include <memory>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace Ui {
class DifferencesWindow;
}

// What another codeplug (a file, or the radio just read) holds otherwise than the
// active document: one row per setting, channel cell and byte run, grouped by the
// editor that shows it. A channel row leads to its cell in the grid, a row of an
// editor opens that editor; both are asked of the main frame.
class DifferencesWindow : public QDialog {
    Q_OBJECT
public:
    // A row's kind and where it leads, kept in the row's first column.
    static constexpr int CommandRole = Qt::UserRole;    // the editor's command id, or 0
    static constexpr int RowRole = Qt::UserRole + 1;    // a channel cell's grid row, or 0
    static constexpr int ColumnRole = Qt::UserRole + 2; // and its column

    explicit DifferencesWindow(QWidget* parent = nullptr);
    ~DifferencesWindow() override;

    // Fills the window; `otherName` heads the third column. After a read from the
    // radio (`fromRadio`) the radio's image can be opened as a new document.
    void showDifferences(const program::CodeplugImage& document,
                         const program::CodeplugImage& other, const QString& otherName,
                         program::Language language, bool fromRadio);

    // The runs of bytes that differ, for the memory map's marks.
    const std::vector<program::imagemap::Region>& differingRuns() const { return m_runs; }
    // The list as Copy puts it on the clipboard: one tab-separated line per row.
    QString listText() const;

    QTreeWidget* tree() const;
    QPushButton* copyButton() const;
    QPushButton* openButton() const;

signals:
    void channelCellWanted(int row, int column);
    void commandWanted(int id);
    void openAsDocumentWanted(const program::CodeplugImage& image);
    // The rows changed or the window closed: the memory map redraws its marks.
    void differencesChanged();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void onActivated(QTreeWidgetItem* item);

    std::unique_ptr<Ui::DifferencesWindow> m_ui;
    program::CodeplugImage m_other;
    std::vector<program::imagemap::Region> m_runs;
};

// The text a row names its item by: the label the editor shows, "channel 9: Rx
// Frequency" for a channel cell, "0x0C0-0x0C7: channel 9" for a byte run.
QString differenceLabel(const program::settings::Difference& difference,
                        program::Language language);
