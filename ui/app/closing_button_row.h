#pragma once

#include <QString>

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace galloria {

// The bottom row of a window that only shows: one default button at its right
// end that accepts (closes) the dialog.
struct ClosingButtonRow {
    QHBoxLayout* row;
    QPushButton* button;
};
ClosingButtonRow MakeClosingButtonRow(QDialog& dialog, const QString& caption);

} // namespace galloria
