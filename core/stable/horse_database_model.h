#pragma once

#include "base/screen_text.h"
#include "stable/owners.h"
#include "stable/stable.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace galloria {

// What a column shows; the Owner column exists only with ownership on.
enum class DatabaseField {
    Number,
    Name,
    Owner,
    BestTime,
    Firsts,
    Seconds,
    Thirds,
    Earning,
    HiWin,
    Speed,
    Sprint,
    Stamina,
    Spontaneity,
};
inline constexpr int kDatabaseFieldCount = 13;

struct DatabaseColumn {
    ScreenText heading;
    bool rightAligned;
    int width; // pixels at the 640 x 480 layout
    DatabaseField field;
};

// The sort key of a cell text in column `column`: no time sorts as a slow
// "2:00.0", dollars lose their "$" and every column but Name is padded on the
// left with "/" (just below the digits) to ten characters, so numbers compare
// by size when the keys are compared byte by byte.
std::string DatabaseSortKey(std::string_view text, int column);

// The stable file could not be written again without the horses.
inline constexpr ScreenText kHorsesNotDeletedMessage =
    SCREEN_TEXT("HorseDatabase", "The stable file could not be written,\nso no horse was deleted.");

// The question asked before horses are deleted, and the one after horses are
// entered in the next race, for `selected` rows.
std::string DeleteHorsesQuestion(int selected);
std::string EnterHorsesQuestion(int selected);

// "Sortable Race Horse Database": every horse of the game's stable with its
// figures, sorted by any column, with the selected horses deleted or chosen
// to run first in the next race. The model works on the game's stable; the
// sort column and direction are kept from one opening to the next.
class HorseDatabaseModel {
public:
    static constexpr int kMaxChosen = 12;

    // Deletes horses by number (1-based) and returns a refusal to show, empty
    // when done. The game sets it so that a running set stays consistent;
    // unset, the stable deletes them itself.
    using Deleter = std::function<std::string(std::span<const int> numbers)>;

    explicit HorseDatabaseModel(Stable& gameStable) : stable(gameStable) {}

    // The dialog opens on the stable as it stands (the caller loads it when
    // it should): with owners, each horse's owner is found and relations of
    // horses no longer in the stable are dropped. Rows in stable order.
    void Open(bool ownersShown);

    std::span<const DatabaseColumn> Columns() const;
    int ColumnCount() const { return static_cast<int>(Columns().size()); }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    const std::string& Cell(int row, int column) const;
    // The stable index of the horse on a row.
    int HorseOfRow(int row) const { return rows_[static_cast<std::size_t>(row)].horse; }

    // A click on a column's heading: a new column sorts "ascending", the same
    // column again reverses. Name (and Owner, or Best Time without owners)
    // ascend A to Z; the other columns put the largest first.
    void SortBy(int column);
    // Whether the rows now run from the smallest key to the largest, for the
    // heading's arrow; meaningless before the first sort.
    bool SortedSmallestFirst() const;
    // The column the rows are now in the order of, for the heading's arrow;
    // -1 when they are in stable order, as after opening or a deletion.
    int ArrowColumn() const { return rowsSorted_ ? sortColumn : -1; }

    // "Delete Selected Horse(s)" confirmed, with the selected rows in any
    // order: the horses are deleted and the rows filled again with the new
    // numbers. The refusal to show, empty when they were deleted.
    std::string DeleteRows(std::span<const int> selectedRows);
    // The horse numbers of the selected rows, in list order.
    std::vector<int> NumbersOfRows(std::span<const int> selectedRows) const;

    // "Enter Selected Horse(s) In Next Race": at most 12 of the selected rows,
    // in list order, become the next race's first runners. Returns the text
    // to confirm; CancelEntry empties the choice again.
    std::string EnterRows(std::span<const int> selectedRows);
    void CancelEntry();

    Stable& stable;
    OwnerBook owners;
    bool showOwners = false;
    int sortColumn = -1; // the column last sorted; kept between openings
    bool sortAscending = true;
    Deleter deleteHorses;

private:
    struct Row {
        int horse = 0;
        std::array<std::string, kDatabaseFieldCount> cells;
    };
    void FillOwnerNames();
    void FillRows();
    std::vector<int> InListOrder(std::span<const int> selectedRows) const;

    std::vector<Row> rows_;
    bool rowsSorted_ = false; // the rows follow sortColumn, not stable order
};

} // namespace galloria
