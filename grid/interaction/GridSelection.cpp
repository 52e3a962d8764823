// Selection of the extended grid in its four modes: the framework's one
// rectangle, or disjunct rows, columns or cells kept in lists of their
// own; the modified and disabled rows beside them; repainting of a row, a
// column or a range; and the cell helpers built on the selection.
#include <algorithm>
#include <set>
#include "foundation/TextUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "platform/gfx/Font.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

namespace {

void GrowTo(TIntList& List, Integer Count) {
  while (List.Count() < Count) List.Add(0);
}

constexpr Integer PackedCell(Integer ACol, Integer ARow) { return ARow * 65536 + ACol; }

}  // namespace

// --- rows and columns -------------------------------------------------------------------------

bool TRezIvevirAvod::GetRowSelect(Integer ARow) {
  const bool Persistent = FMouseActions->RowSelectPersistent();
  if (!Persistent && (ARow < 0 || ARow >= RowCount() + NumHiddenRows()))
    throw DAvoDeveDeviz(L"Invalid row " + IntToStr(ARow) + L" accessed");
  if (FMouseActions->DisjunctRowSelect()) {
    if (ARow < 0) return false;
    if (FRowSelect->Count() <= ARow) GrowTo(*FRowSelect, std::max(ARow + 1, RowCount()));
    return FRowSelect->Items(ARow) != 0;
  }
  const TGridRect S = Selection();
  return ARow >= std::min(S.Top, S.Bottom) && ARow <= std::max(S.Top, S.Bottom);
}

void TRezIvevirAvod::SetRowSelect(Integer ARow, bool Value) {
  if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && FixedRows() < RowCount()))
    throw DAvoDeveDeviz(L"Invalid row accessed");
  bool Allow = true;
  const bool Changing = ARow >= FRowSelect->Count() || (FRowSelect->Items(ARow) != 0) != Value;
  if (Changing && OnRowDisjunctSelect) OnRowDisjunctSelect(this, ARow, Value, Allow);
  if (!Allow) return;
  GrowTo(*FRowSelect, ARow + 1);
  const Integer Shown = FMouseActions->RowSelectPersistent() ? DisplRowIndex(ARow) : ARow;
  if (Value) {
    if (FRowSelect->Items(ARow) != 1) RepaintRow(Shown);
    FRowSelect->SetInteger(ARow, 1);
    if (ARow >= FixedRows() && !FSelectedRows->HasValue(ARow)) FSelectedRows->Add(ARow);
  } else {
    if (FRowSelect->Items(ARow) != 0) RepaintRow(Shown);
    FRowSelect->SetInteger(ARow, 0);
    if (FSelectedRows->HasValue(ARow)) FSelectedRows->DeleteValue(ARow);
  }
  if (Changing && OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TRezIvevirAvod::GetColSelect(Integer ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw DAvoDeveDeviz(L"Invalid column accessed");
  GrowTo(*FColSelect, ACol + 1);
  return FColSelect->Items(ACol) != 0;
}

void TRezIvevirAvod::SetColSelect(Integer ACol, bool Value) {
  if (GetColSelect(ACol) != Value) RepaintCol(ACol);
  FColSelect->SetInteger(ACol, Value ? 1 : 0);
}

void TRezIvevirAvod::SelectRows(Integer RowIndex, Integer RCount) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (RCount > 0 && !FMouseActions->DisjunctRowSelect()) {
    SetSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
  } else {
    const bool Persistent = FMouseActions->RowSelectPersistent();
    for (Integer r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
      SetRowSelect(Persistent ? DisplToRealRow(r) : r, true);
  }
  if (!FRowIndicator->Empty()) RepaintCol(0);
  FSelChange = false;
}

void TRezIvevirAvod::UnSelectRows(Integer RowIndex, Integer RCount) {
  if (FMouseActions->DisjunctRowSelect()) {
    const bool Persistent = FMouseActions->RowSelectPersistent();
    for (Integer r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
      SetRowSelect(Persistent ? DisplToRealRow(r) : r, false);
  }
  FSelChange = false;
}

void TRezIvevirAvod::SelectCols(Integer ColIndex, Integer CCount) {
  if (!FMouseActions->DisjunctColSelect()) {
    SetSelection(TGridRect{ColIndex, FixedRows(), std::min(ColIndex + CCount, ColCount()) - 1, RowCount() - 1});
    return;
  }
  for (Integer c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TRezIvevirAvod::UnSelectCols(Integer ColIndex, Integer CCount) {
  if (!FMouseActions->DisjunctColSelect()) return;
  for (Integer c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TRezIvevirAvod::ResetRowSelectFlags() {
  const bool Persistent = FMouseActions->RowSelectPersistent();
  for (Integer r = 0; r < FRowSelect->Count(); ++r) {
    if (FRowSelect->Items(r) == 0) continue;
    FRowSelect->SetInteger(r, 0);
    RepaintRow(Persistent ? DisplRowIndex(r) : r);
  }
  FSelectedRows->Clear();
}

void TRezIvevirAvod::ClearRowSelect() {
  ResetRowSelectFlags();
  PlaceSelectionOutside();
}

void TRezIvevirAvod::ClearColSelect() {
  for (Integer c = 0; c < FColSelect->Count(); ++c) {
    if (FColSelect->Items(c) == 0) continue;
    FColSelect->SetInteger(c, 0);
    if (c < ColCount()) RepaintCol(c);
  }
}

void TRezIvevirAvod::SelectionToRowSelect(bool DeselectOthers) {
  const TGridRect S = Selection();
  const Integer Bottom = std::min(S.Bottom, RowCount() - FFixedFooters - 1);
  const bool Persistent = FMouseActions->RowSelectPersistent();
  // Only the selection's rows unless the others are cleared: moving the
  // cursor in a tall grid costs what the selection holds.
  const Integer First = DeselectOthers ? FixedRows() : std::max(S.Top, FixedRows());
  const Integer Last = DeselectOthers ? RowCount() - 1 : Bottom;
  for (Integer r = First; r <= Last; ++r) {
    const bool Inside = r >= S.Top && r <= Bottom;
    if (DeselectOthers || Inside) SetRowSelect(Persistent ? DisplToRealRow(r) : r, Inside);
  }
  if (NumHiddenRows() > 0) Invalidate();
}

void TRezIvevirAvod::SelectionToColSelect(bool DeselectOthers) {
  const TGridRect S = Selection();
  for (Integer c = FixedCols(); c < ColCount(); ++c) {
    const bool Inside = c >= S.Left && c <= S.Right;
    if (DeselectOthers || Inside) SetColSelect(c, Inside);
  }
}

Integer TRezIvevirAvod::RowSelectCount() {
  if (FMouseActions->DisjunctRowSelect()) {
    const Integer Last = std::min(RowCount() + NumHiddenRows(), FRowSelect->Count());
    Integer Count = 0;
    for (Integer r = 0; r < Last; ++r) Count += FRowSelect->Items(r) != 0 ? 1 : 0;
    return Count;
  }
  if (!Options().Contains(goRowSelect)) return 0;
  const TGridRect S = Selection();
  return std::abs(S.Bottom - S.Top) + 1;
}

Integer TRezIvevirAvod::ColSelectCount() {
  if (FMouseActions->DisjunctColSelect()) {
    Integer Count = 0;
    for (Integer c = 0; c < FColSelect->Count(); ++c) Count += FColSelect->Items(c) != 0 ? 1 : 0;
    return Count;
  }
  const TGridRect S = Selection();
  return S.Right - S.Left + 1;
}

// --- disjunct cells -----------------------------------------------------------------------------

void TRezIvevirAvod::SelectCells(Integer FromCol, Integer FromRow, Integer ToCol, Integer ToRow) {
  if (FMouseActions->DisjunctCellSelect()) {
    ClearSelectedCells();
    for (Integer r = FromRow; r <= ToRow; ++r)
      for (Integer c = FromCol; c <= ToCol; ++c) SetSelectedCells(c, r, true);
    return;
  }
  const bool CurrentValid = Col() >= 0 && Col() < ColCount() - 1 && Row() >= 0 && Row() < RowCount() - 1;
  if (FromCol == ToCol && FromRow == ToRow && CurrentValid) {
    SetCol(FromCol);
    SetRowEx(FromRow);
    return;
  }
  SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

bool TRezIvevirAvod::GetSelectedCells(Integer ACol, Integer ARow) {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue(PackedCell(ACol, ARow));
  const TGridRect S = Selection();
  return S.Contains(ACol, ARow);
}

void TRezIvevirAvod::SetSelectedCells(Integer ACol, Integer ARow, bool Value) {
  const Integer Packed = PackedCell(ACol, ARow);
  const bool Present = FSelectedCells->HasValue(Packed);
  if (Value == Present) return;
  if (Value)
    FSelectedCells->Add(Packed);
  else
    FSelectedCells->DeleteValue(Packed);
  if (ACol < ColCount() && ARow < RowCount()) InvalidateCell(ACol, ARow);
}

TGridCoord TRezIvevirAvod::GetSelectedCell(Integer Index) const {
  const Integer Packed = FSelectedCells->Items(Index);
  return TGridCoord{Packed & 0xFFFF, Packed >> 16};
}

Integer TRezIvevirAvod::SelectedCellsCount() {
  if (!FMouseActions->DisjunctCellSelect()) {
    FSelectedCells->Clear();
    const TGridRect S = Selection();
    if (S.Left == S.Right && S.Top == S.Bottom) {
      FSelectedCells->Add(PackedCell(Col(), Row()));
    } else {
      for (Integer r = S.Top; r <= S.Bottom; ++r)
        for (Integer c = S.Left; c <= S.Right; ++c) FSelectedCells->Add(PackedCell(c, r));
    }
  }
  return FSelectedCells->Count();
}

void TRezIvevirAvod::ClearSelectedCells() {
  if (FixedCols() < ColCount() && FixedRows() < RowCount()) FocusCell(FixedCols(), FixedRows());
  FSelectedCells->Clear();
  Invalidate();
}

Integer TRezIvevirAvod::SelectedRowCount() {
  if (FMouseActions->DisjunctRowSelect()) return FSelectedRows->Count();
  const TGridRect S = Selection();
  const Integer Bottom = std::min(S.Bottom, RowCount() - FFixedFooters - 1);
  if (IsMergedCell(S.Left, S.Top)) {
    const TPoint Span = CellSpan(S.Left, S.Top);
    if (Bottom <= S.Top + Span.Y) return Span.Y + 1;
  }
  Integer Count = std::abs(S.Top - Bottom) + 1;
  if (IsMergedCell(S.Left, Bottom)) Count += CellSpan(S.Left, Bottom).Y;
  return Count;
}

Integer TRezIvevirAvod::SelectedColCount() {
  if (FMouseActions->DisjunctColSelect()) return ColSelectCount();
  const TGridRect S = Selection();
  if (IsMergedCell(S.Left, S.Top)) {
    const TPoint Span = CellSpan(S.Left, S.Top);
    if (S.Right <= S.Left + Span.X) return Span.X + 1;
  }
  Integer Count = std::abs(S.Left - S.Right) + 1;
  if (IsMergedCell(S.Right, S.Top)) Count += CellSpan(S.Right, S.Top).X;
  return Count;
}

Integer TRezIvevirAvod::GetSelectedRow(Integer I) {
  if (FMouseActions->DisjunctRowSelect()) return I >= 0 && I < FSelectedRows->Count() ? FSelectedRows->Items(I) : -1;
  const TGridRect S = Selection();
  const Integer Row = std::min(S.Top, S.Bottom) + I;
  return I >= 0 && Row <= std::max(S.Top, S.Bottom) ? Row : -1;
}

bool TRezIvevirAvod::IsSelected(Integer ACol, Integer ARow) {
  if (ARow < FixedRows() || ACol < FixedCols()) return false;
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->HasValue(PackedCell(ACol, ARow));
  if (FMouseActions->DisjunctRowSelect())
    return GetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow);
  if (FMouseActions->DisjunctColSelect()) return GetColSelect(ACol);
  const TGridRect S = Selection();
  return S.Contains(ACol, ARow);
}

// --- row flags ------------------------------------------------------------------------------------

bool TRezIvevirAvod::GetRowModified(Integer ARow) const {
  return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->Items(ARow) == 1;
}

void TRezIvevirAvod::SetRowModified(Integer ARow, bool Value) {
  if (ARow < 0) return;
  GrowTo(*FModifiedRows, ARow + 1);
  FModifiedRows->SetInteger(ARow, Value ? 1 : 0);
  const Integer Shown = DisplRowIndex(ARow);
  if (Shown < RowCount()) RepaintCell(0, Shown);
}

Integer TRezIvevirAvod::ModifiedRowCount() const {
  Integer Count = 0;
  for (Integer r = 0; r < FModifiedRows->Count(); ++r) Count += FModifiedRows->Items(r) == 1 ? 1 : 0;
  return Count;
}

void TRezIvevirAvod::ClearModifiedRows() {
  FModifiedRows->Clear();
  Invalidate();
}

bool TRezIvevirAvod::GetRowEnabled(Integer ARow) const {
  return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->Items(ARow) == 0;
}

void TRezIvevirAvod::SetRowEnabled(Integer ARow, bool Value) {
  if (ARow < 0) return;
  if (ARow == Row() && !Value)
    for (Integer r = FixedRows(); r < RowCount(); ++r)
      if (r != ARow && GetRowEnabled(r)) {
        SetRowEx(r);
        break;
      }
  FUseEnabledRows = true;
  GrowTo(*FEnabledRows, ARow + 1);
  FEnabledRows->SetInteger(ARow, Value ? 0 : 1);
  if (ARow < RowCount()) RepaintRow(ARow);
}

// --- repainting -----------------------------------------------------------------------------------

void TRezIvevirAvod::RepaintRow(Integer ARow) {
  if (ARow >= 0 && ARow < RowCount()) InvalidateRow(ARow);
}

void TRezIvevirAvod::RepaintCol(Integer ACol) {
  if (ACol >= 0 && ACol < ColCount()) InvalidateCol(ACol);
}

void TRezIvevirAvod::RepaintRect(const TGridRect& R) {
  if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0 || !HandleAllocated()) return;
  const TRect First = CellRect(R.Left, R.Top);
  const TRect Last = CellRect(std::min(R.Right, VisibleColCount() + FixedCols()), R.Bottom);
  if (First.Right <= First.Left || Last.Right <= Last.Left) {
    Invalidate();
    return;
  }
  RECT Union{std::min(First.Left, Last.Left), std::min(First.Top, Last.Top), std::max(First.Right, Last.Right),
             std::max(First.Bottom, Last.Bottom)};
  ::InvalidateRect(Handle(), &Union, TRUE);
}

// --- cell helpers -----------------------------------------------------------------------------------

void TRezIvevirAvod::GotoCell(Integer ACol, Integer ARow) {
  SetRowEx(ARow);
  SetCol(ACol);
}

void TRezIvevirAvod::SelectRange(Integer FromCol, Integer ToCol, Integer FromRow, Integer ToRow) {
  SetRowEx(ToRow);
  SetCol(ToCol);
  SetSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TRezIvevirAvod::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  const String Text = GetGridCell(FromCell.X, FromCell.Y);
  TObject* Object = GetGridObject(FromCell.X, FromCell.Y);
  SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
  SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
  SetGridCell(ToCell.X, ToCell.Y, Text);
  SetGridObject(ToCell.X, ToCell.Y, Object);
}

std::unique_ptr<TStringList> TRezIvevirAvod::DistinctValues(Integer ACol, bool CaseSensitive) {
  auto List = std::make_unique<TStringList>();
  std::set<String> Seen;
  for (Integer r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
    const String Text = GetCells(ACol, r);
    if (Seen.insert(CaseSensitive ? Text : AnsiLowerCase(Text)).second) List->Add(Text);
  }
  List->SetCaseSensitive(CaseSensitive);
  List->Sort();
  return List;
}

// A rich cell gives its plain text; a cell of several lines keeps them in
// one spreadsheet cell when the spreadsheet form is asked for.
String TRezIvevirAvod::SelectedCellText(Integer RCol, Integer ARow) {
  String Text = GetCells(RCol, ARow);
  if (Text.find(L"{\\") != String::npos) {
    TFont Unused;
    Text = RichPlainText(Text, &Unused);
  }
  if (FExcelClipboardFormat && foundation::CountTextLines(Text, FMultilinecells) > 1)
    foundation::QuoteWithVTabBreaks(Text);
  return Text;
}

String TRezIvevirAvod::SelectedText() {
  const TGridRect S = Selection();
  const Integer Left = FDragDropSettings->OleEntireRows() ? 0 : S.Left;
  const Integer Right = FDragDropSettings->OleEntireRows() ? ColCount() - 1 : S.Right;
  auto Line = [&](Integer r) {
    String Text;
    for (Integer c = Left; c <= Right; ++c) {
      if (c > Left) Text += L'\t';
      Text += SelectedCellText(DisplToRealCol(c), r);
    }
    return Text;
  };
  String Result;
  if (FMouseActions->DisjunctRowSelect()) {
    for (Integer r = FixedRows(); r < RowCount(); ++r)
      if (RowIsSelected(r)) Result += Line(r) + L"\r\n";
    return Result;
  }
  for (Integer r = S.Top; r <= S.Bottom; ++r) Result += (r > S.Top ? L"\r\n" : L"") + Line(r);
  return Result;
}

}  // namespace jorv::grid
