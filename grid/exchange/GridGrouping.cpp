// Grouping: the sorted rows get a header node before each run of equal
// values in one column (and a summary row after it), the column leaves the
// grid, and undoing it puts the column and the flat rows back. The rows
// are laid out in one pass from the bottom, so grouping costs a move of
// each row once, whatever the number of groups. No message is processed
// while the rows are rebuilt: nothing may reach a half-built grid.
#include <algorithm>
#include <limits>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/ScopeExit.h"

namespace jorv::grid {

void TRezIvevirAvod::SetGroupColumn(Integer Value) {
  if (Value == -1)
    UnGroup();
  else if (Value > 0)
    Group(Value);
}

void TRezIvevirAvod::ApplyHeaderLook(Integer ARow, Integer FromCol, bool Merge) {
  TGrouping* G = FGrouping.get();
  if (Merge) {
    MergeCells(FromCol, ARow, ColCount() - FromCol, 1);
    if (G->HeaderColor() != clNone) SetColors(FromCol, ARow, G->HeaderColor());
    if (G->HeaderColorTo() != clNone) SetColorsTo(FromCol, ARow, G->HeaderColorTo());
    if (G->HeaderTextColor() != clNone) SetFontColors(FromCol, ARow, G->HeaderTextColor());
    return;
  }
  if (G->HeaderColor() != clNone) SetRowColor(ARow, G->HeaderColor());
  if (G->HeaderColorTo() != clNone) SetRowColorTo(ARow, G->HeaderColorTo());
  if (G->HeaderTextColor() != clNone) SetRowFontColor(ARow, G->HeaderTextColor());
}

void TRezIvevirAvod::ApplySummaryLook(Integer ARow, bool Merge) {
  TGrouping* G = FGrouping.get();
  if (Merge) {
    MergeCells(1, ARow, ColCount() - 1, 1);
    if (G->SummaryColor() != clNone) SetColors(1, ARow, G->SummaryColor());
    if (G->SummaryColorTo() != clNone) SetColorsTo(1, ARow, G->SummaryColorTo());
    if (G->SummaryTextColor() != clNone) SetFontColors(1, ARow, G->SummaryTextColor());
    return;
  }
  if (G->SummaryColor() != clNone) SetRowColor(ARow, G->SummaryColor());
  if (G->SummaryColorTo() != clNone) SetRowColorTo(ARow, G->SummaryColorTo());
  if (G->SummaryTextColor() != clNone) SetRowFontColor(ARow, G->SummaryTextColor());
}

// --- grouping ---------------------------------------------------------------------------------

TScopeExit<std::function<void()>> TRezIvevirAvod::BeginGrouping() {
  BeginUpdate();
  FIsGrouping = true;
  return ScopeExit(std::function<void()>([this] {
    FIsGrouping = false;
    EndUpdate();
  }));
}

// Rows hidden by filters or contracted nodes would keep their places among
// rows that the sort and the new header rows move, and come back in other
// groups: every row is shown before the grouping is made.
void TRezIvevirAvod::Group(Integer ColIndex) {
  if (FIsGrouping || ColIndex < FixedCols() || ColIndex >= AllColCount()) return;
  if (FGroupColumn != -1) UnGroup();
  if (FNumNodes > 0) ExpandAll();
  if (FilterLevel() > 0) RemoveAllFilters();
  if (NumHiddenRows() > 0) UnHideRowsAll();
  if (RowCount() - FixedFooters() <= FixedRows()) return;
  auto Done = BeginGrouping();
  FGroupColumn = ColIndex;
  FGroupWidth = GetColWidths(RealToDisplCol(ColIndex));
  FGroupCaption = FixedRows() > 0 ? GetCells(ColIndex, 0) : String();
  FGroupFooter = FixedFooters() > 0 ? GetCells(ColIndex, RowCount() - 1) : String();
  FGroupSummary = FGrouping->Summary();
  FSubGroupColumn = -1;
  FGroupMadeProps.clear();
  if (FSortSettings->AutoSortForGrouping()) {
    FSortSettings->SetColumn(ColIndex);
    QSort();
  }
  BuildGroups(ColIndex);
  RemoveCols(ColIndex, 1);
  for (Integer r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
    if (IsNode(r) && FGrouping->MergeHeader()) ApplyHeaderLook(r, 1, true);
    if (IsSummary(r) && FGrouping->MergeSummary()) ApplySummaryLook(r, true);
  }
  if (FCellNode->ExpandOne())
    for (Integer r = FixedRows(); r < RowCount(); ++r)
      if (IsNode(r)) {
        ExpandNode(DisplToRealRow(r));
        break;
      }
  if (Col() >= ColCount() || Row() >= RowCount()) MoveCurrentCell(FixedCols(), FixedRows());
  if (FixedRows() < RowCount()) SetRowEx(FixedRows());
  RecalcColumnFooter(-1);
}

// Opens a header row before every run of equal stored texts in column C
// (and a summary row after it): the rows move down from the bottom, each
// once, into the empty rows opened before the fixed footers.
void TRezIvevirAvod::BuildGroups(Integer C) {
  const Integer First = FixedRows(), Last = RowCount() - FixedFooters() - 1;
  std::vector<Integer> Starts;
  String Previous;
  for (Integer r = First; r <= Last; ++r) {
    String Text = GetCells(C, r);
    if (r == First || Text != Previous) Starts.push_back(r);
    Previous = std::move(Text);
  }
  const Integer Groups = static_cast<Integer>(Starts.size());
  const Integer PerGroup = FGroupSummary ? 2 : 1;
  for (Integer Start : Starts) SplitMergesAcrossRow(Start);
  SplitMergesAcrossRow(Last + 1);
  InsertRows(Last + 1, Groups * PerGroup, false);
  const Integer Plain = DefaultRowHeight();
  auto Move = [this](Integer From, Integer To) {
    TransferRowData(From, To);
    if (GetRowHeights(From) != GetRowHeights(To)) SetRowHeights(To, GetRowHeights(From));
  };
  for (Integer g = Groups - 1; g >= 0; --g) {
    const Integer From = Starts[g], To = (g + 1 < Groups ? Starts[g + 1] : Last + 1) - 1;
    const Integer Shift = g * PerGroup + 1;
    for (Integer r = To; r >= From; --r) Move(r, r + Shift);
    if (FControlList->Count() > 0) MoveControlsInRows(From, g == 0 ? 1 : PerGroup);
  }
  if (FControlList->Count() > 0 && PerGroup > 1) MoveControlsInRows(Last + 1 + (Groups - 1) * PerGroup + 1, 1);
  const Integer ValueCol = C == 1 ? 2 : 1;
  for (Integer g = 0; g < Groups; ++g) {
    const Integer From = Starts[g], To = (g + 1 < Groups ? Starts[g + 1] : Last + 1) - 1;
    const Integer Header = From + g * PerGroup;
    if (GetRowHeights(Header) != Plain) SetRowHeights(Header, Plain);
    if (ValueCol < AllColCount()) SetCells(ValueCol, Header, GetCells(C, Header + 1));
    if (!FGrouping->MergeHeader()) ApplyHeaderLook(Header, 1, false);
    AddNode(DisplToRealRow(Header), To - From + 2);
    if (PerGroup == 1) continue;
    const Integer Summary = Header + To - From + 2;
    if (GetRowHeights(Summary) != Plain) SetRowHeights(Summary, Plain);
    MarkSummaryRow(Summary);
    if (!FGrouping->MergeSummary()) ApplySummaryLook(Summary, false);
  }
}

// --- undoing it -------------------------------------------------------------------------------

// A sub-grouping is undone first, and the summary rows looked for are those
// the grouping was made with, whatever Summary says now.
void TRezIvevirAvod::UnGroup() {
  if (FGroupColumn <= 0 || FIsGrouping) return;
  if (FSubGroupColumn >= 0) SubUnGroup(FSubGroupColumn);
  const bool KeptExpandOne = FCellNode->ExpandOne();
  FCellNode->SetExpandOne(false);
  auto PutBack = ScopeExit([this, KeptExpandOne] { FCellNode->SetExpandOne(KeptExpandOne); });
  ExpandAll();
  auto Done = BeginGrouping();
  const Integer C = FGroupColumn;
  InsertCols(C, 1);
  SetColWidths(RealToDisplCol(C), FGroupWidth);
  if (FixedRows() > 0) SetCells(C, 0, FGroupCaption);
  if (FixedFooters() > 0) SetCells(C, RowCount() - 1, FGroupFooter);
  const Integer ValueCol = C == 1 ? 2 : 1;
  std::sort(FGroupMadeProps.begin(), FGroupMadeProps.end());
  auto MadeHere = [this](TCellProperties* Props) {
    return std::binary_search(FGroupMadeProps.begin(), FGroupMadeProps.end(), Props);
  };
  TIntList Gone;
  String Value;
  Integer Removed = 0;
  const Integer Last = RowCount() - FixedFooters() - 1;
  for (Integer r = FixedRows(); r <= Last; ++r) {
    if (!IsNode(r)) {
      SetCells(C, r, Value);
      if (TCellProperties* Props = ExistingProps(0, r)) {
        Props->SetNodeLevel(0);
        if (MadeHere(Props) && !PropsCarryMore(Props)) FreeCellProperties(0, r);
      }
      continue;
    }
    const Integer Span = GetNodeSpan(r);
    if (FGroupSummary && r + Span <= Last && IsSummary(r + Span)) Gone.Add(r + Span);
    Value = ValueCol < AllColCount() ? GetCells(ValueCol, r) : String();
    Gone.Add(r);
    ++Removed;
  }
  RemoveRowList(&Gone);
  FNumNodes = std::max(FNumNodes - Removed, 0);
  FGroupColumn = -1;
  FGroupSummary = false;
  FGroupMadeProps.clear();
  FGroupMadeProps.shrink_to_fit();
  Invalidate();
}

}  // namespace jorv::grid
