#include <memory>
#include "bench/Cases.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::bench {

using namespace jorv::grid;

namespace {

constexpr Integer KRows = 1000000;
constexpr Integer KGroups = 1000;
constexpr Integer KNodes = 10000;

// Column 1 the group key, scattered so that the sort has work to do;
// column 2 a number for the summaries.
std::unique_ptr<TRezIvevirAvod> FilledGrid() {
  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(3);
  Grid->SetRowCount(KRows + 1);
  Grid->SetFixedRows(1);
  for (Integer r = 1; r <= KRows; ++r) {
    const Integer Key = static_cast<Integer>((static_cast<int64_t>(r) * 7919) % KGroups);
    Grid->SetCells(1, r, String(L"g") + (Key < 100 ? (Key < 10 ? L"00" : L"0") : L"") + IntToStr(Key));
    Grid->SetCells(2, r, IntToStr(r % 97));
  }
  return Grid;
}

}  // namespace

// Grouping a million rows into a thousand groups with summary rows and
// their sums, against the grid's own sort of that column; undoing it; and
// contracting and expanding 10,000 nodes against hiding and showing the
// same rows as one range.
void GroupingCase(TTable& Table) {
  const double Ns = 1e9;
  double Sort = 0, Group = 0, UnGroup = 0;
  {
    auto Grid = FilledGrid();
    Grid->SortSettings()->SetColumn(1);
    double Start = ThreadSeconds();
    Grid->QSort();
    Sort = ThreadSeconds() - Start;
  }
  {
    auto Grid = FilledGrid();
    Grid->Grouping()->SetSummary(true);
    double Start = ThreadSeconds();
    Grid->Group(1);
    Grid->GroupSum(1);
    Group = ThreadSeconds() - Start;
    if (Grid->RowCount() != KRows + 1 + 2 * KGroups || !Grid->IsNode(1)) throw Exception(L"grouping made wrong rows");
    Start = ThreadSeconds();
    Grid->UnGroup();
    UnGroup = ThreadSeconds() - Start;
    if (Grid->RowCount() != KRows + 1 || Grid->GetCells(1, 1) != L"g000") throw Exception(L"ungrouping went wrong");
  }
  Table.Add({"14 group 1,000,000 rows into 1,000 groups, summaries", Duration(Group * Ns), Duration(Sort * Ns),
             Group / Sort, "< 3x sort", AtMost(Group / Sort, 3.0)});
  Table.Add({"14 ungroup them again", Duration(UnGroup * Ns), Duration(Group * Ns), UnGroup / Group, "<= group",
             AtMost(UnGroup / Group, 1.0)});

  auto Grid = std::make_unique<TRezIvevirAvod>(nullptr);
  Grid->SetColCount(3);
  Grid->SetRowCount(KRows + 1);
  Grid->SetFixedRows(1);
  for (Integer r = 1; r <= KRows; r += 13) Grid->SetCells(1, r, IntToStr(r));
  const Integer Span = KRows / KNodes;
  for (Integer n = 0; n < KNodes; ++n) Grid->AddNode(1 + n * Span, Span);
  double Start = ThreadSeconds();
  Grid->ContractAll();
  Grid->ExpandAll();
  const double Nodes = ThreadSeconds() - Start;
  if (Grid->RowCount() != KRows + 1 || Grid->NumHiddenRows() != 0) throw Exception(L"nodes came back wrong");
  const Integer Hidden = KNodes * (Span - 1);
  Start = ThreadSeconds();
  Grid->HideRows(2, Hidden + 1);
  Grid->UnHideRows(2, Hidden + 1);
  const double Range = ThreadSeconds() - Start;
  Table.Add({"14 contract and expand 10,000 nodes over 1,000,000 rows", Duration(Nodes * Ns), Duration(Range * Ns),
             Nodes / Range, "< 2x one range", AtMost(Nodes / Range, 2.0)});
}

}  // namespace jorv::bench
