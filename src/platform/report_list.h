#pragma once

// A list in report view: one titled column, rows of text kept in the order they were added, at
// most one row selected, grid lines between the rows and at the column's edge.

#include "platform/numbers.h"

#include <QString>
#include <QStringList>

namespace platform {

// The grid is drawn in gridColour (red + 256 * green + 65536 * blue). A click on a row is
// reported as a CLICK_LEFT control event, a double-click as CLICK_LEFT_DOUBLE.
int createReportList(int number, int x, int y, int width, int height, const QString& columnTitle,
                     int columnWidth, int gridColour);
// Adds the rows at the end, in their order.
void addReportRows(int list, const QStringList& texts);
int reportRowCount(int list);
QString reportRowText(int list, int row);
// The selected row, -1 when none.
int selectedReportRow(int list);
// Selects the row (-1: none), as the user would, but without an event.
void selectReportRow(int list, int row);
QString reportColumnTitle(int list);
int reportColumnWidth(int list);
int reportGridColour(int list);

} // namespace platform
