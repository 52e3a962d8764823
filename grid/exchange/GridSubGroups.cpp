// A second level of groups inside the groups of a grouped grid: a
// sub-header node before each run of equal values of another column, and
// the way back. The outer grouping's column, width, caption and footer stay
// as they were, so undoing the outer grouping later puts its own column back.
#include <optional>
#include "grid/core/RezIvevirAvod.h"

namespace jorv::grid {

void TRezIvevirAvod::SubGroup(Integer ColIndex) {
  if (FIsGrouping || ColIndex < FixedCols() || ColIndex + 1 >= AllColCount() || FGroupColumn == -1) return;
  if (FSubGroupColumn >= 0) SubUnGroup(FSubGroupColumn);
  ExpandAll();
  auto Done = BeginGrouping();
  FSubGroupColumn = ColIndex;
  const bool Merge = FGrouping->MergeHeader();
  Integer Header = -1;  // the open sub-group's header row
  auto Close = [&](Integer EndRow) {
    if (Header < 0) return;
    AddNode(DisplToRealRow(Header), EndRow - Header);
    GetCellGraphic(0, Header)->SetCellVar(Variant(ColIndex));
    Header = -1;
  };
  std::optional<String> LastValue;
  for (Integer r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
    if (IsNode(r) || IsSummary(r)) {
      Close(r);
      LastValue.reset();
      continue;
    }
    const String Value = GetCells(ColIndex, r);
    SetCells(ColIndex, r, L"");
    if (LastValue && *LastValue == Value) continue;
    Close(r);
    LastValue = Value;
    InsertChildRow(DisplToRealRow(r), 0);
    Header = r;
    SetCells(ColIndex + 1, Header, Value);
    ApplyHeaderLook(Header, ColIndex + 1, Merge);
    ++r;  // the row that started the sub-group now stands below its header
  }
  Close(RowCount() - FixedFooters());
  const Integer Last = RowCount() - FixedFooters() - 1;
  if (FGroupSummary && Last >= FixedRows() && !IsSummary(Last)) {
    InsertRows(Last + 1, 1);
    MarkSummaryRow(Last + 1);
    ApplySummaryLook(Last + 1, FGrouping->MergeSummary());
  }
  if (FixedRows() < RowCount()) SetRowEx(FixedRows());
  RecalcColumnFooter(-1);
}

// Sub-headers of other columns, and the outer headers, are left alone; the
// rows of an outer group take no value from the group before it.
void TRezIvevirAvod::SubUnGroup(Integer ColIndex) {
  if (FIsGrouping || ColIndex < 0 || ColIndex + 1 >= AllColCount()) return;
  ExpandAll();
  auto Done = BeginGrouping();
  String Value;
  for (Integer r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
    if (IsSummary(r)) continue;
    if (!IsNode(r)) {
      SetCells(ColIndex, r, Value);
      continue;
    }
    const Variant& Made = GetCellGraphic(0, r)->CellVar();
    if (Made.IsEmpty() || Integer(Made) != ColIndex) {
      Value.clear();
      continue;
    }
    Value = GetCells(ColIndex + 1, r);
    RemoveNode(r);
    RemoveChildRow(r);
    --r;
  }
  if (FSubGroupColumn == ColIndex) FSubGroupColumn = -1;
}

}  // namespace jorv::grid
