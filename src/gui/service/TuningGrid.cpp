#include "service/TuningGrid.h"

#include "service/TuningEntry.h"

#include <QHeaderView>
#include <QTableWidget>

namespace tuninggrid {

namespace {

constexpr double TwipsPerInch = 1440.0;

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
    grid->setColumnWidth(0, pixels(grid, labelTwips));
    for (int column = 1; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, pixels(grid, columnTwips));

    for (int row = 0; row < grid->rowCount(); ++row) {
        QTableWidgetItem* label = centred(rowLabels[row]);
        label->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        label->setBackground(grid->palette().button());
        grid->setItem(row, 0, label);
        for (int column = 1; column < grid->columnCount(); ++column)
            grid->setItem(row, column, centred(QString()));
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
