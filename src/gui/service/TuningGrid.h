#pragma once

#include "common/GridCellEditor.h"

#include <QString>
#include <QStringList>

class QTableWidget;

// The layout both tuning grids share: the first column holds the row labels and
// takes no input, the other cells hold numbers edited in place. Typing is read as
// the number it starts with and brought into 5 ... 100 when the cell is left; a
// click on a label only marks it with a heavy focus rectangle.
namespace tuninggrid {

// Fills `grid` with a label column and `columns` value columns, each
// `columnTwips` wide (column 0 `labelTwips`), the headers above, and installs the
// cell editor whose edit carries `editControlId` (and `editHelpContext`, when F1
// asks for another topic).
GridCellEditor* setUp(QTableWidget* grid, const QStringList& rowLabels, const QStringList& headers,
                      int labelTwips, int columnTwips, int editControlId, int editHelpContext = 0);

int value(const QTableWidget* grid, int row, int column);
void setValue(QTableWidget* grid, int row, int column, int value);

} // namespace tuninggrid
