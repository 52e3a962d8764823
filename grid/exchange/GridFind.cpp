// Finding cells by their text: the walk over the cells in either order and
// direction, the match of one cell, replacing in the matches and finding
// rows that meet one condition per column.
#include <algorithm>
#include "foundation/FilterMatch.h"
#include "foundation/HTMLUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {
using namespace jorv::foundation;

namespace {

// The area one search walks: Outer is the coordinate of the lines (rows
// when walking row by row), Inner the coordinate along a line.
struct TFindWalk {
  bool RowByRow = false;
  Integer Step = 1;
  Integer OuterFrom = 0, OuterTo = -1, InnerFrom = 0, InnerTo = -1;
  Integer OuterOf(TPoint P) const { return RowByRow ? P.Y : P.X; }
  Integer InnerOf(TPoint P) const { return RowByRow ? P.X : P.Y; }
  TPoint CellAt(Integer Outer, Integer Inner) const {
    return RowByRow ? TPoint{Inner, Outer} : TPoint{Outer, Inner};
  }
  Integer FirstOuter() const { return Step > 0 ? OuterFrom : OuterTo; }
  Integer FirstInner() const { return Step > 0 ? InnerFrom : InnerTo; }
  bool OuterInside(Integer O) const { return O >= OuterFrom && O <= OuterTo; }
  bool InnerInside(Integer I) const { return I >= InnerFrom && I <= InnerTo; }
  // Whether O lies before the area in the walking direction.
  bool OuterBefore(Integer O) const { return Step > 0 ? O < OuterFrom : O > OuterTo; }
  bool InnerBefore(Integer I) const { return Step > 0 ? I < InnerFrom : I > InnerTo; }
};

}  // namespace

String TRezIvevirAvod::BuildSearchCondition(TSearchType SearchType, const String& Text) {
  const String T = Pos(L' ', Text) > 0 ? L"\"" + Text + L"\"" : Text;
  switch (SearchType) {
    case stStartsWith: return T + L"*";
    case stEndsWith: return L"*" + T;
    case stContains: return L"*" + T + L"*";
    case stEqual: return T;
    case stNotEqual: return L"!" + T;
    case stNotContains: return L"!*" + T + L"*";
  }
  return T;
}

bool TRezIvevirAvod::MatchFindCell(Integer ACol, Integer ARow, bool Wide) {
  const TFindParams P = FFindParams;
  const Integer RCol = P.Contains(fnIncludeHiddenColumns) ? ACol : DisplToRealCol(ACol);
  String Text = P.Contains(fnIncludeHiddenRows) ? GetAllCells(RCol, ARow) : GetCellEx(RCol, ARow);
  // The wide search has no tags to strip: the text is compared as stored.
  if (P.Contains(fnIgnoreHTMLTags) && !Wide) Text = HTMLToPlainText(Text);
  if (FSearchCache == L"\"\"") return Text.empty();
  if (P.Contains(fnMatchRegular))
    return MatchFilterExpression(FSearchCache, Text, P.Contains(fnMatchCase));
  if (!P.Contains(fnMatchCase)) Text = AnsiUpperCase(Text);
  const Integer At = Pos(FSearchCache, Text);
  const bool StartOk = P.Contains(fnMatchStart) ? At == 1 : At > 0;
  const bool FullOk = !P.Contains(fnMatchFull) || Text == FSearchCache;
  return StartOk && FullOk;
}

// The walk area from the bounds and restrictions, and its first cell after
// StartCell. A restriction to one row walks that row, one to one column
// walks that column, whatever the order asks: stepping across the
// restriction would bring the search back to StartCell for ever.
bool TRezIvevirAvod::WalkFindCells(TPoint StartCell, TPoint& Result, bool Wide) {
  const TFindParams P = FFindParams;
  TGridRect B{FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FixedFooters() - 1};
  if (P.Contains(fnIncludeFixed)) B = TGridRect{0, 0, ColCount() - 1, RowCount() - 1};
  if (P.Contains(fnSelectedCells)) B = Selection();
  if (P.Contains(fnIncludeHiddenColumns)) B.Right += NumHiddenColumns();
  if (P.Contains(fnIncludeHiddenRows)) B.Bottom += NumHiddenRows();
  Integer FixedRow = -1, FixedCol = -1;
  if (P.Contains(fnFindInCurrentRow)) FixedRow = Row();
  if (P.Contains(fnFindInPresetRow)) FixedRow = FFindRow;
  if (P.Contains(fnFindInCurrentCol)) FixedCol = Col();
  if (P.Contains(fnFindInPresetCol)) FixedCol = FFindCol;
  TFindWalk W;
  W.RowByRow = P.Contains(fnDirectionLeftRight);
  if (FixedCol >= 0 && FixedRow < 0) W.RowByRow = false;
  if (FixedRow >= 0 && FixedCol < 0) W.RowByRow = true;
  W.Step = P.Contains(fnBackward) ? -1 : 1;
  W.OuterFrom = W.RowByRow ? B.Top : B.Left;
  W.OuterTo = W.RowByRow ? B.Bottom : B.Right;
  W.InnerFrom = W.RowByRow ? B.Left : B.Top;
  W.InnerTo = W.RowByRow ? B.Right : B.Bottom;
  const Integer FixedOuter = W.RowByRow ? FixedRow : FixedCol;
  const Integer FixedInner = W.RowByRow ? FixedCol : FixedRow;
  if (FixedOuter >= 0) {
    if (!W.OuterInside(FixedOuter)) return false;
    W.OuterFrom = W.OuterTo = FixedOuter;
  }
  if (FixedInner >= 0) {
    if (!W.InnerInside(FixedInner)) return false;
    W.InnerFrom = W.InnerTo = FixedInner;
  }
  Integer O = W.FirstOuter(), I = W.FirstInner();
  const bool Outside = (StartCell.X < B.Left || StartCell.X > B.Right) && (StartCell.Y < B.Top || StartCell.Y > B.Bottom);
  if (!(StartCell.X == -1 && StartCell.Y == -1) && !Outside) {
    O = W.OuterOf(StartCell);
    I = W.InnerOf(StartCell);
    if (!W.OuterInside(O)) {
      if (!W.OuterBefore(O)) return false;
      O = W.FirstOuter(), I = W.FirstInner();
    } else if (!W.InnerInside(I)) {
      if (!W.InnerBefore(I)) O += W.Step;
      I = W.FirstInner();
    } else {
      I += W.Step;
      if (!W.InnerInside(I)) O += W.Step, I = W.FirstInner();
    }
  }
  for (; W.OuterInside(O); O += W.Step, I = W.FirstInner()) {
    for (; W.InnerInside(I); I += W.Step) {
      const TPoint Cell = W.CellAt(O, I);
      ExportNotification(esExportNextRow, Cell.Y);
      if (W.RowByRow && FIgnoredColumns->HasValue(Cell.X)) continue;
      if (!MatchFindCell(Cell.X, Cell.Y, Wide)) continue;
      Result = Cell;
      return true;
    }
  }
  return false;
}

// The display row of the contracted node that holds the hidden row of real
// index N, or -1 when no node holds it.
Integer TRezIvevirAvod::NodeRowForOffset(Integer N) {
  for (Integer d = FixedRows(); d < RowCount(); ++d) {
    if (!IsNode(d) || !GetNodeState(d)) continue;
    const Integer Real = DisplToRealRow(d);
    if (Real < N && N < Real + GetNodeSpan(d)) return d;
  }
  return -1;
}

void TRezIvevirAvod::GotoFoundCell(TPoint Cell) {
  Integer C = Cell.X, R = Cell.Y;
  if (FFindParams.Contains(fnIncludeHiddenRows) && NumHiddenRows() > 0) {
    // Each round opens one level of the nodes around the row.
    for (Integer Node = NodeRowForOffset(R); Node >= 0 && IsHiddenRow(R); Node = NodeRowForOffset(R))
      ExpandNode(DisplToRealRow(Node));
    if (IsHiddenRow(R)) return;
    R = RealToDisplRow(R);
  }
  if (FFindParams.Contains(fnIncludeHiddenColumns)) {
    if (IsHiddenColumn(C)) C = Col();
    else C = RealToDisplCol(C);
  }
  if (FMouseActions->DisjunctRowSelect()) {
    ClearRowSelect();
    SetRowSelect(R, true);
    SetRow(R);
    return;
  }
  FocusCell(C, R);
}

void TRezIvevirAvod::FindCellFrom(TPoint StartCell, const String& S, TPoint& Result, TFindParams Params,
                                  bool Wide) {
  Result = TPoint{-1, -1};
  const Integer OldRow = Row();
  FFindParams = Params;
  FFindBusy = true;
  FSearchCache = Params.Contains(fnMatchCase) ? S : AnsiUpperCase(S);
  const bool NoColumns = ColCount() <= FixedCols();
  const bool NoRows = AllRowCount() <= FixedRows();
  TPoint Found{-1, -1};
  if (!NoColumns && !NoRows && WalkFindCells(StartCell, Found, Wide)) {
    FSearchCell = Found;
    Result = Found;
    if (Params.Contains(fnAutoGoto)) GotoFoundCell(Found);
    return;
  }
  ExportNotification(esExportNewRow, OldRow);
  FFindBusy = false;
}

TPoint TRezIvevirAvod::Find(TPoint StartCell, const String& S, TFindParams FindParams) {
  if (StartCell.X == -1 && StartCell.Y == -1) ExportNotification(esExportStart, -1);
  TPoint Result;
  BeginUpdate();
  try {
    FindCellFrom(StartCell, S, Result, FindParams, false);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  if (FindParams.Contains(fnAutoGoto) && Result.X >= 0) {
    if (FMouseActions->DisjunctCellSelect()) SelectCells(Col(), Row(), Col(), Row());
    const Integer F = FFloatingFooter->Visible() ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - F - 2 && VisibleRowCount() + FixedRows() + F < RowCount())
      SetTopRow(TopRow() + F + 1);
  }
  ExportNotification(Result.X < 0 ? esExportDone : esExportFail, -1);
  return Result;
}

TPoint TRezIvevirAvod::FindWide(TPoint StartCell, const String& S, TFindParams FindParams) {
  ExportNotification(esExportStart, -1);
  TPoint Result;
  FindCellFrom(StartCell, S, Result, FindParams, true);
  ExportNotification(Result.X < 0 ? esExportDone : esExportFail, -1);
  return Result;
}

TPoint TRezIvevirAvod::FindFirst(const String& S, TFindParams FindParams) {
  FSearchCell = Find(TPoint{-1, -1}, S, FindParams);
  return FSearchCell;
}

TPoint TRezIvevirAvod::FindNext() {
  // Upper-casing the cached text again leaves it as it is.
  FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
  return FSearchCell;
}

Integer TRezIvevirAvod::Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams) {
  Integer Count = 0;
  TPoint At{-1, -1};
  for (;;) {
    At = Find(At, OrigStr, FindParams);
    if (At.X < 0) break;
    const Integer RCol = FindParams.Contains(fnIncludeHiddenColumns) ? At.X : DisplToRealCol(At.X);
    const String Text = GetCellEx(RCol, At.Y);
    SetCellEx(RCol, At.Y, StringReplace(Text, OrigStr, NewStr, {rfReplaceAll, rfIgnoreCase}));
    if (FShowModified->Enabled()) SetRowModified(At.Y, true);
    ++Count;
  }
  return Count;
}

bool TRezIvevirAvod::MatchMultiRow(Integer ARow) {
  for (size_t i = 0; i < FConditions.size(); ++i)
    if (!MatchFilterClause(FConditions[i], GetCellEx(DisplToRealCol(FColumns[i]), ARow), FCase[i])) return false;
  return true;
}

Integer TRezIvevirAvod::FindMulti(const std::vector<String>& Conditions, const std::vector<Integer>& Columns,
                                  const std::vector<TSearchType>& SearchTypes,
                                  const std::vector<bool>& CaseSensitive, bool AutoGoto) {
  const size_t N = Conditions.size();
  if (Columns.size() != N || SearchTypes.size() != N || CaseSensitive.size() != N)
    throw Exception(L"Array size of parameters not matching");
  FConditions.clear();
  for (size_t i = 0; i < N; ++i) FConditions.push_back(BuildSearchCondition(SearchTypes[i], Conditions[i]));
  FColumns = Columns;
  FCase = CaseSensitive;
  FSearchCell = TPoint{0, -1};
  for (Integer r = FixedRows(); r < RowCount() - FixedFooters(); ++r) {
    if (!MatchMultiRow(r)) continue;
    FSearchCell = TPoint{0, r};
    if (AutoGoto) SetRow(r);
    return r;
  }
  return -1;
}

Integer TRezIvevirAvod::FindMultiNext() {
  for (Integer r = std::max(FSearchCell.Y + 1, FixedRows()); r < RowCount() - FixedFooters(); ++r) {
    if (!MatchMultiRow(r)) continue;
    FSearchCell = TPoint{0, r};
    return r;
  }
  return -1;
}

}  // namespace jorv::grid
