// The grid's index spaces and the accessors that move between them: real
// and displayed columns and rows, hidden rows kept in items, the unsorted
// view and the recorded column order, and the per-cell look.
#include <algorithm>
#include "foundation/HTMLUtils.h"
#include "foundation/TextUtils.h"
#include "grid/core/RezIvevirAvod.h"
#include "grid/interaction/HiddenRowStore.h"
#include "platform/rtl/SysUtils.h"

namespace jorv::grid {

// --- columns ----------------------------------------------------------------------------

void TRezIvevirAvod::EnsureColumnTable(Integer ACol) {
  if (ACol < static_cast<Integer>(FVisibleCol.size())) return;
  FVisibleCol.resize(ACol + 1, 1);
  FAllColWidths.resize(ACol + 1, 0);
}

bool TRezIvevirAvod::IsHiddenColumn(Integer ColIndex) const {
  return ColIndex >= 0 && ColIndex < static_cast<Integer>(FVisibleCol.size()) && !FVisibleCol[ColIndex];
}

Integer TRezIvevirAvod::RealToDisplCol(Integer ACol) const {
  if (FNumHidden == 0 || ACol <= 0) return ACol;
  const Integer Upto = std::min<Integer>(ACol, static_cast<Integer>(FVisibleCol.size()));
  Integer Hidden = 0;
  for (Integer i = 0; i < Upto; ++i)
    if (!FVisibleCol[i]) ++Hidden;
  return ACol - Hidden;
}

// The table grows with the hidden columns; beyond it every column shows.
Integer TRezIvevirAvod::DisplToRealCol(Integer ACol) const {
  if (FNumHidden == 0) return ACol;
  if (ACol < 0) return 0;
  Integer Shown = 0;
  const Integer Size = static_cast<Integer>(FVisibleCol.size());
  for (Integer j = 0; j < Size; ++j) {
    if (!FVisibleCol[j]) continue;
    if (Shown == ACol) return j;
    ++Shown;
  }
  return Size + (ACol - Shown);
}

void TRezIvevirAvod::HideColumns(Integer FromCol, Integer ToCol) {
  HideEditor();
  for (Integer c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (IsHiddenColumn(c) || c >= ColCount() + FNumHidden || ColCount() < 2) continue;
    EnsureColumnTable(c);
    const Integer d = RealToDisplCol(c);
    FAllColWidths[c] = GetColWidths(d);
    for (Integer i = d; i < ColCount() - 1; ++i) SetColWidths(i, GetColWidths(i + 1));
    ++FNumHidden;
    FVisibleCol[c] = 0;
    if (Col() == ColCount() - 1 && Col() > 0) SetCol(Col() - 1);
    TBaseGrid::SetColCount(ColCount() - 1);
  }
  Invalidate();
}

void TRezIvevirAvod::UnHideColumns(Integer FromCol, Integer ToCol) {
  HideEditor();
  for (Integer c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (!IsHiddenColumn(c)) continue;
    --FNumHidden;
    FVisibleCol[c] = 1;
    TBaseGrid::SetColCount(ColCount() + 1);
    for (Integer i = ColCount() - 1; i >= RealToDisplCol(c + 1) && i > 0; --i)
      SetColWidths(i, GetColWidths(i - 1));
    SetColWidths(RealToDisplCol(c), FAllColWidths[c]);
  }
  Invalidate();
}

Integer TRezIvevirAvod::GetAllColWidths(Integer ACol) const {
  if (IsHiddenColumn(ACol)) return FAllColWidths[ACol];
  return GetColWidths(RealToDisplCol(ACol));
}

void TRezIvevirAvod::SetAllColWidths(Integer ACol, Integer Value) {
  if (ACol < 0) return;
  EnsureColumnTable(ACol);
  FAllColWidths[ACol] = Value;
  if (!IsHiddenColumn(ACol)) SetColWidths(RealToDisplCol(ACol), Value);
}

Integer TRezIvevirAvod::ColumnPosition(Integer ACol) const {
  if (FColumnOrder->Count() == 0) return ACol;
  Integer Position = ACol;
  for (Integer i = 0; i < std::min(TotalColCount(), FColumnOrder->Count()); ++i)
    if (FColumnOrder->Items(i) == ACol) {
      Position = i;
      break;
    }
  if (FGroupColumn != -1 && ACol >= FGroupColumn) --Position;
  return Position;
}

void TRezIvevirAvod::SetColumnOrder() {
  FColumnOrder->Clear();
  for (Integer c = 0; c < AllColCount(); ++c) FColumnOrder->Add(c);
}

// --- cells by real row ------------------------------------------------------------------------

String TRezIvevirAvod::GetAllCells(Integer ACol, Integer ARow) {
  if (ACol < 0 || ARow < 0) return L"";
  if (TGridItem* Item = FindHiddenRowCells(ARow)) {
    String Text = Item->Items().Text(ACol);
    GetDisplText(ACol, ARow, Text);
    return Text;
  }
  return GetCells(ACol, RealToDisplRow(ARow));
}

void TRezIvevirAvod::SetAllCells(Integer ACol, Integer ARow, const String& Value) {
  if (TGridItem* Item = FindHiddenRowCells(ARow)) {
    Item->Items().SetText(ACol, Value);
    return;
  }
  const Integer Row = RealToDisplRow(ARow);
  SetCells(ACol, Row, Value);
  if (RealToDisplCol(ACol) != ACol) RepaintCell(RealToDisplCol(ACol), Row);
}

String TRezIvevirAvod::GetAllGridCells(Integer ACol, Integer ARow) const {
  if (TGridItem* Item = FindHiddenRowCells(ARow)) {
    // The grid's own words for an index outside the stored columns.
    if (ACol < 0 || (ACol >= Item->Items().Count() && ACol >= AllColCount()))
      throw EStringListError(L"List index out of bounds (" + IntToStr(ACol) + L")");
    return Item->Items().Text(ACol);
  }
  return GetGridCell(ACol, RealToDisplRow(ARow));
}

void TRezIvevirAvod::SetAllGridCells(Integer ACol, Integer ARow, const String& Value) {
  if (TGridItem* Item = FindHiddenRowCells(ARow)) {
    Item->Items().SetText(ACol, Value);
    return;
  }
  const Integer Row = RealToDisplRow(ARow);
  SetGridCell(ACol, Row, Value);
  if (RealToDisplCol(ACol) != ACol) RepaintCell(RealToDisplCol(ACol), Row);
}

TObject* TRezIvevirAvod::GetAllObjects(Integer ACol, Integer ARow) const {
  if (TGridItem* Item = FindHiddenRowCells(ARow)) {
    TObject* Slot = Item->Items().Object(ACol);
    if (auto* Props = dynamic_cast<TCellProperties*>(Slot)) return reinterpret_cast<TObject*>(Props->CellObject());
    return Slot;
  }
  return GetObjectEx(ACol, RealToDisplRow(ARow));
}

void TRezIvevirAvod::SetAllObjects(Integer ACol, Integer ARow, TObject* Value) {
  if (TGridItem* Item = FindHiddenRowCells(ARow)) {
    auto* Props = dynamic_cast<TCellProperties*>(Item->Items().Object(ACol));
    if (!Props) {
      Props = new TCellProperties(this, ACol, ARow);
      Item->Items().SetObject(ACol, Props);
    }
    Props->SetCellObject(reinterpret_cast<uintptr_t>(Value));
    return;
  }
  SetObjectEx(ACol, RealToDisplRow(ARow), Value);
}

String TRezIvevirAvod::GetOriginalCells(Integer ACol, Integer ARow) {
  const Integer Position = ColumnPosition(ACol);
  return GetCells(Position < 0 ? ACol : Position, ARow);
}

void TRezIvevirAvod::SetOriginalCells(Integer ACol, Integer ARow, const String& Value) {
  const Integer Position = ColumnPosition(ACol);
  SetCells(Position < 0 ? ACol : Position, ARow, Value);
}

Integer TRezIvevirAvod::SortedRowIndex(Integer ARow) const {
  Integer Row = ARow < FSortList->Count() ? FSortList->Items(ARow) : ARow;
  return DisplToRealRow(Row);
}

Integer TRezIvevirAvod::UnSortedRowIndex(Integer ARow) const {
  if (FSortList->Count() == 0) return ARow;
  for (Integer i = 0; i < FSortList->Count(); ++i)
    if (FSortList->Items(i) == ARow) return i;
  return FSortList->Count();
}

String TRezIvevirAvod::GetUnSortedCells(Integer ACol, Integer ARow) {
  const Integer Row = FSortList->Count() >= ARow ? UnSortedRowIndex(ARow) : ARow;
  return GetCells(ACol, Row);
}

void TRezIvevirAvod::SetUnSortedCells(Integer ACol, Integer ARow, const String& Value) {
  const Integer Row = FSortList->Count() >= ARow ? UnSortedRowIndex(ARow) : ARow;
  SetCells(ACol, Row, Value);
}

String TRezIvevirAvod::GetStrippedCells(Integer ACol, Integer ARow) {
  return HTMLToPlainText(GetCells(ACol, ARow));
}

Integer TRezIvevirAvod::GetLinesInCell(Integer ACol, Integer ARow) {
  return CountTextLines(GetCells(ACol, ARow), true);
}

// --- the current cell ---------------------------------------------------------------------------

namespace {

TPoint BaseOf(TBaseGrid& Grid, Integer ACol, Integer ARow) {
  return Grid.IsBaseCell(ACol, ARow) ? TPoint{ACol, ARow} : Grid.BaseCell(ACol, ARow);
}

}  // namespace

void TRezIvevirAvod::GetCurrentCell(String& Value) {
  if (FVirtualCells) return GetVirtualCurrentCell(Value);
  TPoint B = BaseOf(*this, DisplToRealCol(Col()), Row());
  GetStoredCell(B.X, B.Y, Value);
}

void TRezIvevirAvod::SetCurrentCell(const String& Value) {
  TPoint B = BaseOf(*this, DisplToRealCol(Col()), Row());
  SetCellEx(B.X, B.Y, Value);
}

void TRezIvevirAvod::GetVirtualCurrentCell(String& Value) {
  TPoint B = BaseOf(*this, DisplToRealCol(Col()), Row());
  Value = GetCells(B.X, B.Y);
}

void TRezIvevirAvod::GetStoredCell(Integer ACol, Integer ARow, String& Value) { Value = GetGridCell(ACol, ARow); }

void TRezIvevirAvod::SetCurrentCellEditText(const String& Value) {
  TPoint B = BaseOf(*this, DisplToRealCol(Col()), Row());
  SetEditText(RealToDisplCol(B.X), B.Y, Value);
}

void TRezIvevirAvod::ApplyEditText(Integer ACol, Integer ARow, const String& Value) {
  SetEditText(RealToDisplCol(ACol), ARow, Value);
  SetCellEx(ACol, ARow, Value);
}

// --- sizes ---------------------------------------------------------------------------------------

void TRezIvevirAvod::Zoom(Integer Step) {
  const Integer Factor = FZoomFactor + Step;
  if (Factor > 20 || Factor < -20) return;
  FScrollLock = true;
  FZoomFactor = Factor;
  BeginUpdate();
  for (Integer c = 0; c < ColCount(); ++c)
    if (GetColWidths(c) > 0 && GetColWidths(c) + Step > 0) SetColWidths(c, GetColWidths(c) + Step);
  for (Integer r = 0; r < RowCount(); ++r)
    if (GetRowHeights(r) > 0 && GetRowHeights(r) + Step > 0) SetRowHeights(r, GetRowHeights(r) + Step);
  FScrollLock = false;
  EndUpdate();
}

void TRezIvevirAvod::InitOrigColSizes() {
  FOrigColSizes->Clear();
  for (Integer c = 0; c < ColCount(); ++c) FOrigColSizes->Add(GetColWidths(c));
  FOrigWidth = Width();
}

}  // namespace jorv::grid
