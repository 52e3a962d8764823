#pragma once
// The cases of the benchmark; each adds its lines to the table.
#include "bench/Harness.h"

namespace jorv::bench {

// Where the start-up case finds its two programs and the sample database.
struct TStartupPrograms {
  std::wstring Program;
  std::wstring Bare;
  std::wstring SampleDatabase;  // empty: the case makes one
};

void CalendarCase(TTable& Table);
// Each grid runs best in a process of its own (scripts/bench does so): a
// filled million-row grid leaves the heap fragmented for the next.
void StringGridCase(TTable& Table);
void BaseGridCase(TTable& Table);
void ExtendedGridCase(TTable& Table);
// Hiding and showing rows of a million-row extended grid.
void HiddenRowsCase(TTable& Table);
// Rows inserted one at a time at the top of a million-row extended grid
// and removed again.
void RowInsertCase(TTable& Table);
void DatabaseCase(TTable& Table);
void SortCase(TTable& Table);
void HtmlCase(TTable& Table);
void StartupCase(TTable& Table, const TStartupPrograms& Programs);
// The multi-column drop-down with 10,000 items: opening, and a typed
// character's completion, against the same with 100 items.
void DropDownCase(TTable& Table);
// Sorting a million-row extended grid by a text and by a number column.
void GridSortCase(TTable& Table);
// The extended grid's cell painting: mixed cells of a million-row grid
// against a hundred-row one, and plain text against the string grid.
void CellPaintCase(TTable& Table);
// Filtering a million-row grid and the distinct values of a column.
void FilterCase(TTable& Table);
// Column calculations and the footer row over a million rows.
void CalculationsCase(TTable& Table);
// Grouping a million-row grid and undoing it; contracting and expanding
// 10,000 nodes over it.
void GroupingCase(TTable& Table);

}  // namespace jorv::bench
