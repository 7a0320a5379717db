#pragma once

#include <QStringList>

class QFontMetrics;

namespace ql::ui {

// The texts of a channel-list column that take the most room: every short value it can
// show, and the widest of each longer kind (a name of eight wide letters, a frequency with
// its " ?" mark). Empty for the last, empty column.
[[nodiscard]] QStringList WidestCellTexts(int column);

// The width a cell of column needs to show each of its widest texts whole in metrics: the
// widest text plus the cell's margins at both sides. 0 for a column without texts.
[[nodiscard]] int CellWidthFor(int column, const QFontMetrics& metrics);

}  // namespace ql::ui
