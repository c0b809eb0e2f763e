#include "service/TuningGrid.h"

#include "service/TuningEntry.h"

#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

namespace tuninggrid {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr int RowPadding = 8;

int pixels(const QWidget* widget, int twips) {
    return qRound(twips * widget->logicalDpiX() / TwipsPerInch);
}

QTableWidgetItem* centred(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

GridCellEditor* setUp(QTableWidget* grid, const QStringList& rowLabels, const QStringList& headers,
                      int labelTwips, int columnTwips, int editControlId, int editHelpContext) {
    grid->setRowCount(int(rowLabels.size()));
    grid->setColumnCount(int(headers.size()));
    grid->setHorizontalHeaderLabels(headers);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);

    for (int row = 0; row < grid->rowCount(); ++row) {
        QTableWidgetItem* label = centred(rowLabels[row]);
        label->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        label->setBackground(grid->palette().button());
        grid->setItem(row, 0, label);
        for (int column = 1; column < grid->columnCount(); ++column)
            grid->setItem(row, column, centred(QString()));
    }
    // The columns are as wide as the radio's tools made them, or as their texts
    // need in the font of the run; the whole table shows without scrolling.
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + RowPadding);
    for (int column = 0; column < grid->columnCount(); ++column) {
        grid->resizeColumnToContents(column); // the cells and the header
        const int content = grid->columnWidth(column);
        grid->setColumnWidth(
            column, std::max(pixels(grid, column == 0 ? labelTwips : columnTwips), content));
    }
    grid->setCurrentCell(0, 0);

    auto* editor = new GridCellEditor(
        grid, {.maxLength = program::service::TuningEntryLength,
               .allowed = {},
               .normalise =
                   [](const QString& text) {
                       return QString::number(program::service::tuningEntry(text.toStdString()));
                   },
               .editControlId = editControlId,
               .editHelpContext = editHelpContext,
               .labelColumn = 0});
    return editor;
}

int value(const QTableWidget* grid, int row, int column) {
    return program::service::leadingNumber(grid->item(row, column)->text().toStdString());
}

void setValue(QTableWidget* grid, int row, int column, int value) {
    grid->item(row, column)->setText(QString::number(value));
}

} // namespace tuninggrid
