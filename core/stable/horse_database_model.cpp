#include "stable/horse_database_model.h"

#include "base/game_random.h"
#include "base/sort_key.h"
#include "stable/race_time.h"

#include <algorithm>
#include <numeric>

namespace galloria {

namespace {

constexpr DatabaseColumn kColumnsWithOwners[] = {
    {SCREEN_TEXT("HorseDatabase", "No."), true, 50, DatabaseField::Number},
    {SCREEN_TEXT("HorseDatabase", "Name"), false, 150, DatabaseField::Name},
    {SCREEN_TEXT("HorseDatabase", "Owner"), false, 80, DatabaseField::Owner},
    {SCREEN_TEXT("HorseDatabase", "Best Time"), true, 90, DatabaseField::BestTime},
    {SCREEN_TEXT("HorseDatabase", "1st"), true, 40, DatabaseField::Firsts},
    {SCREEN_TEXT("HorseDatabase", "2nd"), true, 40, DatabaseField::Seconds},
    {SCREEN_TEXT("HorseDatabase", "3rd"), true, 40, DatabaseField::Thirds},
    {SCREEN_TEXT("HorseDatabase", "Earning"), true, 80, DatabaseField::Earning},
    {SCREEN_TEXT("HorseDatabase", "Hi Win"), true, 60, DatabaseField::HiWin},
    {SCREEN_TEXT("HorseDatabase", "Speed"), true, 60, DatabaseField::Speed},
    {SCREEN_TEXT("HorseDatabase", "Sprint"), true, 60, DatabaseField::Sprint},
    {SCREEN_TEXT("HorseDatabase", "Stam"), true, 60, DatabaseField::Stamina},
    {SCREEN_TEXT("HorseDatabase", "Spont"), true, 60, DatabaseField::Spontaneity},
};

// Without owners the same columns, the Owner column left out.
constexpr std::array<DatabaseColumn, 12> kColumnsWithoutOwners = [] {
    std::array<DatabaseColumn, 12> columns{};
    int out = 0;
    for (const DatabaseColumn& column : kColumnsWithOwners) {
        if (column.field != DatabaseField::Owner)
            columns[static_cast<std::size_t>(out++)] = column;
    }
    return columns;
}();

constexpr int kNameColumn = 1;
constexpr int kOwnerOrTimeColumn = 2;

// Name and the column after it sort A to Z on the first click; the number
// columns put the largest first.
bool AscendsAToZ(int column)
{
    return column == kNameColumn || column == kOwnerOrTimeColumn;
}

std::size_t FieldIndex(DatabaseField field)
{
    return static_cast<std::size_t>(field);
}

std::string Dollars(std::uint32_t amount)
{
    std::string text(1, '$');
    text += std::to_string(amount);
    return text;
}

} // namespace

std::string DatabaseSortKey(std::string_view text, int column)
{
    std::string key;
    if (text == "0:0.0")
        key = "2:00.0"; // no time sorts as a slow horse
    else if (!text.empty() && text.front() == '$') {
        key.assign(1, '/');
        key.append(text.substr(1));
    } else
        key = std::string(text);
    return column == kNameColumn ? key : PaddedForSorting(key);
}

std::string DeleteHorsesQuestion(int selected)
{
    return FillIn(Tr("HorseDatabase",
                     "You have selected %1 horse(s)\nto be permanently deleted.\n\nClick OK to "
                     "delete the horse(s) \nfrom the database."),
                  {std::to_string(selected)});
}

std::string EnterHorsesQuestion(int selected)
{
    const std::string count = std::to_string(selected);
    if (selected > HorseDatabaseModel::kMaxChosen)
        return FillIn(Tr("HorseDatabase",
                         "You have selected %1 horse(s)\nfor the next race.\nOnly 12 will be "
                         "entered.\nClick OK to enter the horse(s)"),
                      {count});
    return FillIn(Tr("HorseDatabase",
                     "You have selected %1 horse(s)\nfor the next race.\n\nClick OK to enter the "
                     "horse(s) \nfrom the database."),
                  {count});
}

std::span<const DatabaseColumn> HorseDatabaseModel::Columns() const
{
    if (showOwners)
        return kColumnsWithOwners;
    return kColumnsWithoutOwners;
}

void HorseDatabaseModel::Open(bool ownersShown)
{
    showOwners = ownersShown;
    owners.folder = stable.folder;
    if (showOwners)
        FillOwnerNames();
    FillRows();
}

void HorseDatabaseModel::FillOwnerNames()
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(stable.count));
    for (int h = 0; h < stable.count; ++h)
        names.emplace_back(HorseName(stable.records[h]));
    owners.FillOwnerNames(names);
}

void HorseDatabaseModel::FillRows()
{
    rowsSorted_ = false;
    rows_.assign(static_cast<std::size_t>(stable.count), Row{});
    for (int h = 0; h < stable.count; ++h) {
        const HorseRecord& horse = stable.records[h];
        const HorseFigures figures = FiguresOf(horse);
        auto& cells = rows_[static_cast<std::size_t>(h)].cells;
        rows_[static_cast<std::size_t>(h)].horse = h;
        cells[FieldIndex(DatabaseField::Number)] = std::to_string(h + 1);
        cells[FieldIndex(DatabaseField::Name)] = std::string(HorseName(horse));
        cells[FieldIndex(DatabaseField::Owner)] =
            static_cast<std::size_t>(h) < owners.ownerOfHorse.size() ? owners.ownerOfHorse[h] : " ";
        cells[FieldIndex(DatabaseField::BestTime)] = FormatRaceTime(figures.bestTime);
        cells[FieldIndex(DatabaseField::Firsts)] = std::to_string(figures.firsts);
        cells[FieldIndex(DatabaseField::Seconds)] = std::to_string(figures.seconds);
        cells[FieldIndex(DatabaseField::Thirds)] = std::to_string(figures.thirds);
        cells[FieldIndex(DatabaseField::Earning)] = Dollars(figures.totalEarnings);
        cells[FieldIndex(DatabaseField::HiWin)] = Dollars(figures.hiWin);
        cells[FieldIndex(DatabaseField::Speed)] = std::to_string(horse.speed);
        cells[FieldIndex(DatabaseField::Sprint)] = std::to_string(horse.sprint);
        cells[FieldIndex(DatabaseField::Stamina)] = std::to_string(horse.stamina);
        cells[FieldIndex(DatabaseField::Spontaneity)] = std::to_string(horse.spontaneity);
    }
}

const std::string& HorseDatabaseModel::Cell(int row, int column) const
{
    const DatabaseField field = Columns()[static_cast<std::size_t>(column)].field;
    return rows_[static_cast<std::size_t>(row)].cells[FieldIndex(field)];
}

void HorseDatabaseModel::SortBy(int column)
{
    if (column < 0 || column >= ColumnCount())
        return;
    sortAscending = column != sortColumn ? true : !sortAscending;
    sortColumn = column;
    rowsSorted_ = true;

    // Each row's key once, then the rows in key order; rows of equal keys
    // keep the order they had.
    const std::size_t field = FieldIndex(Columns()[static_cast<std::size_t>(column)].field);
    std::vector<std::string> keys;
    keys.reserve(rows_.size());
    for (const Row& row : rows_)
        keys.push_back(DatabaseSortKey(row.cells[field], column));
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const bool smallestFirst = SortedSmallestFirst();
    std::ranges::stable_sort(order, [&](std::size_t a, std::size_t b) {
        // std::string compares bytes as unsigned characters.
        const int cmp = keys[a].compare(keys[b]);
        return smallestFirst ? cmp < 0 : cmp > 0;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t index : order)
        sorted.push_back(std::move(rows_[index]));
    rows_ = std::move(sorted);
}

bool HorseDatabaseModel::SortedSmallestFirst() const
{
    return AscendsAToZ(sortColumn) == sortAscending;
}

std::vector<int> HorseDatabaseModel::InListOrder(std::span<const int> selectedRows) const
{
    std::vector<int> rows;
    for (int row : selectedRows) {
        if (row >= 0 && row < RowCount())
            rows.push_back(row);
    }
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

std::vector<int> HorseDatabaseModel::NumbersOfRows(std::span<const int> selectedRows) const
{
    std::vector<int> numbers;
    for (int row : InListOrder(selectedRows))
        numbers.push_back(HorseOfRow(row) + 1);
    return numbers;
}

std::string HorseDatabaseModel::DeleteRows(std::span<const int> selectedRows)
{
    const std::vector<int> numbers = NumbersOfRows(selectedRows);
    if (numbers.empty())
        return {}; // nothing selected: nothing changes
    std::string refusal;
    if (deleteHorses) {
        refusal = deleteHorses(numbers);
    } else {
        GameRandom random;
        const int before = stable.count;
        stable.DeleteHorses(numbers, random);
        if (stable.count == before)
            refusal = Tr(kHorsesNotDeletedMessage);
    }
    // The relations of deleted horses go, owners shown or not, so that a
    // later horse of the same name does not inherit an owner.
    FillOwnerNames();
    FillRows();
    return refusal;
}

std::string HorseDatabaseModel::EnterRows(std::span<const int> selectedRows)
{
    const std::vector<int> rows = InListOrder(selectedRows);
    std::ranges::fill(stable.nextRaceSelection, -1);
    for (std::size_t k = 0; k < rows.size() && k < static_cast<std::size_t>(kMaxChosen); ++k)
        stable.nextRaceSelection[k] = HorseOfRow(rows[k]);
    return EnterHorsesQuestion(static_cast<int>(rows.size()));
}

void HorseDatabaseModel::CancelEntry()
{
    std::ranges::fill(stable.nextRaceSelection, -1);
}

} // namespace galloria
