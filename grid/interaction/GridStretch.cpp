// Columns stretched to fill the grid's width, and the grid's answers to
// changed counts, column widths and row heights: stretching again, sizing
// every column or row in proportion to the one the user sized, and the
// application's last word on a sized column's width.
#include <algorithm>
#include "grid/core/RezIvevirAvod.h"
#include "platform/rtl/Math.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/Application.h"
#include "platform/ui/HintWindow.h"

namespace jorv::grid {

void TRezIvevirAvod::StretchColumn(Integer Index, Integer AWidth) {
  if (Loading() || Destroying() || (Application && Application->Terminated())) return;
  if (AWidth == -1) AWidth = ClientWidth();
  if (Index == -1) Index = ColCount() - 1;
  if (Index >= ColCount()) throw Exception(L"Stretch column index out of range");
  if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging) return;
  // The widths set here must not stretch again.
  FIsColChanging = true;
  ColchgFlg = false;
  auto Done = ScopeExit([this] {
    ColchgFlg = true;
    FIsColChanging = false;
  });
  if (ColCount() == 1) {
    SetColWidths(0, ClientRect().Right);
    return;
  }
  if (FColumnSize->StretchAll()) {
    const Integer Normal = ColCount() - FixedCols() - FFixedRightCols;
    if (Normal <= 0) return;
    Integer Room = AWidth;
    for (Integer c = 0; c < FixedCols(); ++c) Room -= GetColWidths(c);
    for (Integer c = ColCount() - FFixedRightCols; c < ColCount(); ++c) Room -= GetColWidths(c);
    for (Integer i = 0; i < Normal; ++i) SetColWidths(FixedCols() + i, Room / Normal + (i < Room % Normal ? 1 : 0));
    return;
  }
  Integer Others = 0;
  for (Integer c = 0; c < ColCount(); ++c)
    if (c != Index) Others += GetColWidths(c);
  if (Others < ClientRect().Right)
    SetColWidths(Index, AWidth - Others);
  else if (LeftCol() == FixedCols())
    SetColWidths(Index, DefaultColWidth());
}

void TRezIvevirAvod::StretchColumns() {
  FColumnSize->SetStretchAll(true);
  FColumnSize->SetStretch(true);
  StretchColumn(-1, -1);
}

void TRezIvevirAvod::DoUpdateColumnSize(Integer ACol, Integer& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TRezIvevirAvod::DoUpdateAutoColumnSize(Integer ACol, Integer& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TRezIvevirAvod::SetXYOffset(TPoint Value) {
  FXYOffset = Value;
  Invalidate();
}

void TRezIvevirAvod::SizeChanged(Integer OldColCount, Integer OldRowCount) {
  const bool Settled = Parent() && !Loading() && !(Application && Application->Terminated());
  if (Settled && FColumnSize->Stretch()) StretchColumn(FColumnSize->StretchColumn(), -1);
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  if (!Settled) return;
  FlatShowScrollBar(SB_VERT, VisibleRowCount() + FixedRows() < RowCount());
  SyncFlatVertBar();
  FlatShowScrollBar(SB_HORZ, VisibleColCount() + FixedCols() < ColCount());
  SyncFlatHorzBar();
}

void TRezIvevirAvod::ColWidthsChanged() {
  if (ColchgFlg && HandleAllocated()) StretchColumn(FColumnSize->StretchColumn(), -1);
  if (Designing() && FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
  TBaseGrid::ColWidthsChanged();
  ColSizeFlg = true;
  if (ColSized && Colclicked >= 0 && Colclicked < ColCount()) {
    if (MouseActions()->AllColumnSize() && Colclickedsize > 0) {
      const double Factor = double(GetColWidths(Colclicked)) / Colclickedsize;
      ColSized = false;
      for (Integer c = FixedCols(); c < ColCount(); ++c)
        if (c != Colclicked) SetColWidths(c, Integer(Round(GetColWidths(c) * Factor)));
      ColSized = true;
    }
    if (OnEndColumnSize) OnEndColumnSize(this, Colclicked);
    const Integer Sized = GetColWidths(Colclicked);
    Integer NewWidth = Sized;
    DoUpdateColumnSize(Colclicked, NewWidth);
    if (NewWidth != Sized) {
      ColSized = false;
      SetColWidths(Colclicked, NewWidth);
    }
    Colclicked = -1;
    Rowclicked = -1;
  }
  ColSized = false;
  CellControlsUpdate(false);
  if (FColumnSize->Stretch() && FScrollProportional && FScrollType != ssMetro) UpdateVertScrollProportion();
}

void TRezIvevirAvod::RowHeightsChanged() {
  if (Designing() && FScrollHintWnd) FScrollHintWnd->ReleaseHandle();
  TBaseGrid::RowHeightsChanged();
  if (RowSized && Rowclicked >= 0 && Rowclicked < RowCount()) {
    if (MouseActions()->AllRowSize() && Rowclickedsize > 0) {
      const double Factor = double(GetRowHeights(Rowclicked)) / Rowclickedsize;
      RowSized = false;
      std::vector<Integer> FixedHeights;
      for (Integer r = 0; r < FixedRows(); ++r) FixedHeights.push_back(GetRowHeights(r));
      for (Integer r = FixedRows(); r < RowCount(); ++r)
        if (r != Rowclicked) SetRowHeights(r, Integer(Round(GetRowHeights(r) * Factor)));
      if (FixedRows() < RowCount()) SetDefaultRowHeight(GetRowHeights(FixedRows()));
      for (Integer r = 0; r < FixedRows(); ++r) SetRowHeights(r, FixedHeights[size_t(r)]);
    }
    if (OnEndRowSize) OnEndRowSize(this, Rowclicked);
    Colclicked = -1;
    Rowclicked = -1;
  }
  RowSized = false;
  CellControlsUpdate(false);
}

}  // namespace jorv::grid
