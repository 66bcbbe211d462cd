#pragma once

#include "base/size_class.h"
#include "betting/racing_form_model.h"

#include <QFont>
#include <QRect>

class QPainter;

namespace galloria {

// Draws the racing form into the back buffer, in layout coordinates: a panel
// across the top of the screen with the race heading, the column headings
// (unless the form is compact) and one band per runner, the tipster's horse
// outlined and written in yellow. Every text comes from the model; this only
// places and colours it.
void PaintRacingForm(QPainter& painter, const RacingFormModel& form, SizeClass size);

// The layout y just below the form's panel, where the betting window goes.
int RacingFormBottom(const RacingFormModel& form, SizeClass size);

// The form's fonts: the heading font for the race heading, the board font
// for the column headings and the rows.
QFont RacingFormHeadingFont(SizeClass size);
QFont RacingFormBoardFont(SizeClass size);

// Where the form puts things, for the view and for checking the drawing: the
// whole panel, the heading band, the column-heading band (empty when the
// form has none) and the band of row `row` (0 = top row).
struct RacingFormLayout {
    QRect panel;
    QRect heading;
    QRect columnHeadings;
    int firstRowTop = 0;
    int rowPitch = 0;
    int left = 0; // the inner edges the columns are laid between
    int right = 0;

    QRect RowBand(int row) const;
    // The x range of a column.
    QRect ColumnBand(FormColumn column, int row) const;
};
RacingFormLayout LayOutRacingForm(const RacingFormModel& form, SizeClass size);

} // namespace galloria
